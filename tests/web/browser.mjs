// Debian's Chromium, headless on SwiftShader, driven by playwright-core (which
// downloads no browser), and what the page test and the benchmark read off a
// page: the canvas's pixels, and waiting for them to come to rest.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { decodePng, hasDetail } from './pixels.mjs';

export const CHROMIUM = process.env.TARVIK_CHROMIUM ?? '/usr/bin/chromium';

// Chromium leaves a folder of its own in its TMPDIR: it gets one made for it,
// removed when the browser is closed.
export async function launchChromium() {
    const scratch = mkdtempSync(join(tmpdir(), 'tarvik-chromium-'));
    const browser = await chromium.launch({
        executablePath: CHROMIUM,
        headless: true,
        // As root Chromium starts only without its sandbox.
        args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-sandbox'],
        env: { ...process.env, TMPDIR: scratch },
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        rmSync(scratch, { recursive: true, force: true });
    };
    return browser;
}

export const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// The table's canvas as the page shows it: { width, height, rgba }.
export async function canvasPicture(page) {
    return decodePng(await page.locator('#canvas').screenshot({ animations: 'allow', caret: 'initial' }));
}

// Waits until two pictures `gap` ms apart are the same and show something;
// the picture, or null after `timeout` ms.
export async function restingPicture(page, { gap = 400, timeout = 20000 } = {}) {
    const end = Date.now() + timeout;
    let last = await canvasPicture(page);
    while (Date.now() < end) {
        await sleep(gap);
        const next = await canvasPicture(page);
        if (next.rgba.equals(last.rgba) && hasDetail(next)) return next;
        last = next;
    }
    return null;
}

// Sizes the page's window so its canvas is `width` x `height` CSS pixels.
export async function sizeCanvas(page, width, height) {
    for (let tries = 0; tries < 3; ++tries) {
        const box = await page.locator('#canvas').boundingBox();
        if (box && box.width === width && box.height === height) return box;
        const view = page.viewportSize();
        await page.setViewportSize({ width: view.width + width - Math.round(box?.width ?? 0),
                                     height: view.height + height - Math.round(box?.height ?? 0) });
        await sleep(200);
    }
    throw new Error(`the canvas did not take ${width} x ${height}`);
}
