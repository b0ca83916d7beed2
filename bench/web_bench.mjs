// The page's figures in headless Chromium (SwiftShader) on a local server
// that sends every file gzipped, as a web server does:
//   - navigation to the first frame of the main menu, and the bytes sent
//     until then (compressed, and as the files are);
//   - the browser's CPU (every Chromium process: user and system time from
//     /proc) per 10 s at rest on the main menu and on a dealt Klondike table;
//   - frames while the cards of a Klondike deal fly, at 640 x 480 and
//     1920 x 1080: frames a second, the browser's CPU per frame and the
//     page's own time in each frame callback (the program's update and
//     drawing into WebGL's command buffer).
//   node bench/web_bench.mjs SITE_DIR [RUNS=5] [REST_SECONDS=10]
// Prints one table in Markdown.
import { readFileSync, readdirSync } from 'node:fs';
import { serveSite } from '../tests/web/site_server.mjs';
import { launchChromium, restingPicture, sizeCanvas, sleep } from '../tests/web/browser.mjs';

const [siteDir, runsText = '5', restText = '10'] = process.argv.slice(2);
if (!siteDir) {
    console.error('usage: web_bench.mjs SITE_DIR [RUNS] [REST_SECONDS]');
    process.exit(2);
}
const RUNS = Number(runsText);
const REST_SECONDS = Number(restText);
const TICKS = 100;  // clock ticks a second of /proc's times (USER_HZ)

// Timed from the page's own start: the first WebGL draw call marks the first
// frame, ended when its frame callback returns; every frame callback is timed.
function pageProbe() {
    const probe = { firstFrame: -1, drawing: false, callbacks: 0, callbackMs: 0 };
    window.tarvikProbe = probe;
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (...args) {
        const context = getContext.apply(this, args);
        if (context && !context.tarvikProbed && /webgl/.test(String(args[0]))) {
            context.tarvikProbed = true;
            for (const name of ['drawArrays', 'drawElements']) {
                const draw = context[name];
                context[name] = function (...drawArgs) {
                    probe.drawing = true;
                    return draw.apply(this, drawArgs);
                };
            }
        }
        return context;
    };
    const request = window.requestAnimationFrame;
    window.requestAnimationFrame = callback => request.call(window, time => {
        const start = performance.now();
        try {
            callback(time);
        } finally {
            const end = performance.now();
            ++probe.callbacks;
            probe.callbackMs += end - start;
            if (probe.drawing && probe.firstFrame < 0) probe.firstFrame = end;
        }
    });
}

// User and system time, in seconds, of every process below this one (the browser's).
function browserCpuSeconds() {
    const parents = new Map();
    const times = new Map();
    for (const name of readdirSync('/proc')) {
        if (!/^\d+$/.test(name)) continue;
        try {
            const stat = readFileSync(`/proc/${name}/stat`, 'latin1');
            const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
            parents.set(Number(name), Number(fields[1]));
            times.set(Number(name), (Number(fields[11]) + Number(fields[12])) / TICKS);
        } catch {
            // the process ended meanwhile
        }
    }
    let total = 0;
    for (const [pid, seconds] of times) {
        for (let up = parents.get(pid); up; up = parents.get(up)) {
            if (up === process.pid) {
                total += seconds;
                break;
            }
        }
    }
    return total;
}

const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A page whose canvas is width x height, started and shown; its first frame's figures.
async function openPage(browser, server, width, height) {
    const context = await browser.newContext({ viewport: { width, height: height + 21 }, deviceScaleFactor: 1 });
    await context.addInitScript(pageProbe);
    const page = await context.newPage();
    const sentBefore = server.sent.length;
    await page.goto(server.url);
    await page.waitForFunction(() => window.tarvikProbe.firstFrame >= 0, null, { timeout: 60000, polling: 50 });
    const firstFrame = await page.evaluate(() => window.tarvikProbe.firstFrame);
    const resources = await page.evaluate(() => performance.getEntriesByType('navigation')
        .concat(performance.getEntriesByType('resource'))
        .map(entry => ({ end: entry.responseEnd, encoded: entry.encodedBodySize, decoded: entry.decodedBodySize })));
    const before = resources.filter(entry => entry.end <= firstFrame);
    await sizeCanvas(page, width, height);
    return {
        context, page, firstFrame,
        sent: before.reduce((sum, entry) => sum + entry.encoded, 0),
        unpacked: before.reduce((sum, entry) => sum + entry.decoded, 0),
        files: before.length,
        served: server.sent.length - sentBefore,
    };
}

// Where a place of the 640 x 480 table lies on a width x height one: the
// projection keeps the vertical angle, so offsets from the centre scale with the height.
function scaled([x, y], width, height) {
    return [width / 2 + (x - 320) * height / 480, height / 2 + (y - 240) * height / 480];
}
const KLONDIKE_BUTTON = [553, 136];

async function pressKlondike(page, width, height) {
    const box = await page.locator('#canvas').boundingBox();
    const [x, y] = scaled(KLONDIKE_BUTTON, width, height);
    await page.mouse.click(box.x + x, box.y + y, { delay: 30 });
}

async function cpuAtRest(page, seconds) {
    const cpu = browserCpuSeconds();
    await sleep(seconds * 1000);
    return (browserCpuSeconds() - cpu) * 10 / seconds;
}

// The first 2 s of a Klondike deal: frames a second, browser CPU per frame, callback time per frame.
async function dealFrames(page, width, height) {
    const counts = () => page.evaluate(() => ({ ...window.tarvikProbe }));
    const startCounts = await counts();
    const cpu = browserCpuSeconds();
    const started = Date.now();
    await pressKlondike(page, width, height);
    await sleep(2000);
    const seconds = (Date.now() - started) / 1000;
    const cpuSeconds = browserCpuSeconds() - cpu;
    const end = await counts();
    const frames = end.callbacks - startCounts.callbacks;
    return { fps: frames / seconds, cpuMs: cpuSeconds * 1000 / frames,
             callbackMs: (end.callbackMs - startCounts.callbackMs) / frames };
}

const server = await serveSite(siteDir, { gzip: true });
const browser = await launchChromium();
const version = browser.version();
const rows = [];
try {
    const starts = [];
    for (let run = 0; run < RUNS; ++run) {
        const opened = await openPage(browser, server, 640, 480);
        starts.push(opened);
        await opened.context.close();
    }
    const start = starts.find(s => s.firstFrame === median(starts.map(r => r.firstFrame)));
    rows.push(['navigation to the first frame of the main menu (median of ' + RUNS + ')',
               `${median(starts.map(s => s.firstFrame)).toFixed(0)} ms ` +
               `(${Math.min(...starts.map(s => s.firstFrame)).toFixed(0)} to ${Math.max(...starts.map(s => s.firstFrame)).toFixed(0)})`]);
    rows.push(['bytes sent until the first frame, gzipped / as the files are',
               `${start.sent.toLocaleString('en')} / ${start.unpacked.toLocaleString('en')} B in ${start.files} responses`]);

    const rest = await openPage(browser, server, 640, 480);
    await restingPicture(rest.page);
    await sleep(2000);
    rows.push([`browser CPU per 10 s, main menu at rest (${REST_SECONDS} s)`,
               `${(await cpuAtRest(rest.page, REST_SECONDS)).toFixed(3)} s`]);
    await pressKlondike(rest.page, 640, 480);
    await sleep(1000);
    await restingPicture(rest.page);
    await sleep(2000);
    rows.push([`browser CPU per 10 s, a dealt Klondike at rest (${REST_SECONDS} s)`,
               `${(await cpuAtRest(rest.page, REST_SECONDS)).toFixed(3)} s`]);
    await rest.context.close();

    for (const [width, height] of [[640, 480], [1920, 1080]]) {
        const opened = await openPage(browser, server, width, height);
        await restingPicture(opened.page);
        await sleep(1000);
        const deal = await dealFrames(opened.page, width, height);
        rows.push([`a Klondike deal's first 2 s at ${width} x ${height}: frames a second; browser CPU / ` +
                   `frame callback per frame`,
                   `${deal.fps.toFixed(1)}; ${deal.cpuMs.toFixed(1)} / ${deal.callbackMs.toFixed(2)} ms`]);
        await opened.context.close();
    }
} finally {
    await browser.close();
    await server.close();
}
console.log(`| the page, headless Chromium ${version} | figure |`);
console.log('|---|---|');
for (const [what, figure] of rows) console.log(`| ${what} | ${figure} |`);
