// The page played in headless Chromium by real mouse input, judged by the
// page's own state: the canvas's pixels, the dialog's fields, the file it
// gives for download.
//   node tests/web/page_test.mjs SITE_DIR MAIN_MENU_PNG
// SITE_DIR is the built site; MAIN_MENU_PNG the Linux build's main menu at
// 640 x 480 with the pointer at (575, 240), from tarvik-screenshots.
import { readFileSync } from 'node:fs';
import { serveSite } from './site_server.mjs';
import { launchChromium, canvasPicture, restingPicture, sizeCanvas, sleep } from './browser.mjs';
import { comparePictures, decodePng } from './pixels.mjs';

// The two software renderers (Mesa's llvmpipe, SwiftShader) round colours,
// texture filtering and edges differently in their last bits: a channel may
// differ by up to NEAR anywhere, and by more on at most FAR_SHARE of the
// pixels (edges: about 0.01 % here, where the pointer taken off its button
// makes 2.2 %).
const NEAR = 12;
const FAR_SHARE = 0.003;

// Places on the 640 x 480 table, in canvas pixels. The button under the
// pointer decides the main menu's preview, so it rests where the Linux
// screenshot has it, on "Scorpion".
const MENU_POINTER = [575, 240];
const KLONDIKE_BUTTON = [553, 136];
const KLONDIKE_STOCK = [108, 88];
const KLONDIKE_WASTE = { x: 160, y: 55, width: 46, height: 66 };

// Ids of the page (src/web/page/index.html) and of the program (src/ui/ids.h).
const COMMAND_STATISTICS = 32774;
const COMMAND_REDEAL = 32776;
const DIALOG_STATISTICS = 129;
const CONTROL_OK = 1;
const CONTROL_KLONDIKE_LIFETIME_LOSSES = 1007;
const CONTROL_LIFETIME_GAMES = 1033;

const [siteDir, referencePath] = process.argv.slice(2);
if (!siteDir || !referencePath) {
    console.error('usage: page_test.mjs SITE_DIR MAIN_MENU_PNG');
    process.exit(2);
}

class Failure extends Error {}
function check(ok, what) {
    if (!ok) throw new Failure(what);
}

// Every console error and uncaught exception of every tab, and every failed load.
const problems = [];
function watch(page, name) {
    page.on('console', message => {
        if (message.type() === 'error') problems.push(`${name}: console error: ${message.text()}`);
    });
    page.on('pageerror', error => problems.push(`${name}: uncaught: ${error.message}`));
    page.on('requestfailed', request => problems.push(`${name}: load failed: ${request.url()}`));
    page.on('response', response => {
        if (response.status() >= 400) problems.push(`${name}: ${response.status()} for ${response.url()}`);
    });
}

async function waitForState(page, state, timeout = 30000) {
    await page.waitForSelector(`body[data-state="${state}"]`, { state: 'attached', timeout });
}

// A press and release at a place of the canvas.
async function clickTable(page, [x, y]) {
    const box = await page.locator('#canvas').boundingBox();
    await page.mouse.move(box.x + x, box.y + y);
    await page.mouse.down();
    await sleep(50);
    await page.mouse.up();
}

async function chooseMenu(page, command) {
    await page.click('#menu-game');
    await page.click(`#command-${command}`);
}

function regionDiffers(a, b, region) {
    for (let y = region.y; y < region.y + region.height; ++y) {
        for (let x = region.x; x < region.x + region.width; ++x) {
            const i = (y * a.width + x) * 4;
            if (a.rgba.readUInt32BE(i) !== b.rgba.readUInt32BE(i)) return true;
        }
    }
    return false;
}

// The records of a statistics file as texts, or a reason it is none.
function statsRecords(bytes) {
    if (bytes.length !== 961) return `${bytes.length} bytes, not 961`;
    const records = [];
    for (let i = 0; i < 31; ++i) {
        const record = bytes.subarray(i * 31, i * 31 + 31);
        const end = record.indexOf(0);
        records.push(record.subarray(0, end < 0 ? 31 : end).toString('latin1'));
    }
    return records;
}

// The page's "Download stats.hsf": checks it holds `dealt` games and `losses` Klondike losses.
async function checkDownload(page, dealt, losses) {
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download-stats')]);
    const path = await download.path();
    const records = statsRecords(readFileSync(path));
    const want = [...Array(5).fill('0'), String(losses), '0', '0', '0', '0', String(dealt),
                  ...Array(10).fill('-'), ...Array(10).fill('10000')];
    check(Array.isArray(records) && records.join('|') === want.join('|'),
          `the downloaded stats.hsf: ${Array.isArray(records) ? records.join('|') : records}`);
}

const server = await serveSite(siteDir);
const browser = await launchChromium();
let passed = 0;
let failed = 0;
async function step(name, body) {
    const started = Date.now();
    try {
        await body();
        check(problems.length === 0, problems.join('\n'));
        ++passed;
        console.log(`page test: ${name}: passed in ${((Date.now() - started) / 1000).toFixed(1)} s`);
        return true;
    } catch (error) {
        ++failed;
        console.log(`page test: ${name}: FAILED: ${error instanceof Failure ? error.message : error.stack}`);
        return false;
    }
}

try {
    // The canvas fills the window under the page's top bar (21 pixels): 640 x 480.
    const context = await browser.newContext({ viewport: { width: 640, height: 501 }, deviceScaleFactor: 1 });
    const first = await context.newPage();
    watch(first, 'first tab');
    const ok =
        await step('the page loads and shows the main menu like the Linux build', async () => {
            await first.goto(server.url);
            await waitForState(first, 'running');
            await sizeCanvas(first, 640, 480);
            const box = await first.locator('#canvas').boundingBox();
            await first.mouse.move(box.x + MENU_POINTER[0], box.y + MENU_POINTER[1]);
            const menu = await restingPicture(first);
            check(menu, 'the main menu never came to rest');
            const difference = comparePictures(menu, decodePng(readFileSync(referencePath)), NEAR);
            console.log(`page test: main menu against the Linux build: largest channel difference ` +
                        `${difference.largest}, ${(difference.farShare * 100).toFixed(3)} % of pixels over ${NEAR}`);
            check(difference.sameSize && difference.farShare <= FAR_SHARE,
                  `the main menu differs from the Linux build's beyond the tolerance`);
        }) &&
        await step('Klondike dealt, a card turned from the stock, Redeal, the statistics', async () => {
            const menu = await canvasPicture(first);
            await clickTable(first, KLONDIKE_BUTTON);
            const dealt = await restingPicture(first);
            check(dealt && !dealt.rgba.equals(menu.rgba), 'no deal came to rest');
            await clickTable(first, KLONDIKE_STOCK);
            const turned = await restingPicture(first);
            check(turned && regionDiffers(dealt, turned, KLONDIKE_WASTE), 'the press on the stock turned no card');
            await chooseMenu(first, COMMAND_REDEAL);
            const redealt = await restingPicture(first);
            check(redealt && regionDiffers(turned, redealt, KLONDIKE_WASTE), 'Redeal did not deal again');
            await chooseMenu(first, COMMAND_STATISTICS);
            const dialog = first.locator(`#dialog-${DIALOG_STATISTICS}`);
            await dialog.waitFor({ state: 'visible', timeout: 5000 });
            const field = id => first.locator(`#control-${DIALOG_STATISTICS}-${id}`).textContent();
            const games = (await field(CONTROL_LIFETIME_GAMES)).trim();
            const losses = (await field(CONTROL_KLONDIKE_LIFETIME_LOSSES)).trim();
            check(games === '2' && losses === '1', `the statistics show ${games} games and ${losses} Klondike losses`);
            await first.click(`#control-${DIALOG_STATISTICS}-${CONTROL_OK}`);
            await dialog.waitFor({ state: 'hidden', timeout: 5000 });
        }) &&
        await step('reloaded, "Download stats.hsf" gives the results', async () => {
            await first.reload();
            await waitForState(first, 'running');
            await checkDownload(first, 2, 1);
        }) &&
        await step('a second tab gives way and the first keeps its results', async () => {
            const second = await context.newPage();
            watch(second, 'second tab');
            await second.goto(server.url);
            await waitForState(second, 'gave-way');
            check(await second.locator('#page-message').isVisible(), 'the second tab does not say it gave way');
            await second.close();
            await first.reload();
            await waitForState(first, 'running');
            await checkDownload(first, 2, 1);
        });
    if (!ok) console.log('page test: the steps after the first failure were not run');
} finally {
    await browser.close();
    await server.close();
}
console.log(`page test: ${passed} passed, ${failed} failed`);
process.exit(failed === 0 && passed === 4 ? 0 : 1);
