// The page's figures in headless Chromium (SwiftShader) on a local server
// that sends every file gzipped, as a web server does:
//   - navigation to the first frame of the main menu, and the bytes sent
//     until then (compressed, and as the files are);
//   - the browser's CPU (every Chromium process: user and system time from
//     /proc) per 10 s at rest on the main menu and on a dealt Klondike table;
//   - frames while the cards of a Klondike deal fly, at 640 x 480 and
//     1920 x 1080, from the press until the last frame drawn: frames a
//     second, the browser's CPU per frame (counted until 1 s after that
//     frame, so the drawing it asked for is done) and the page's own time in
//     each frame callback (the program's update and drawing into WebGL's
//     command buffer).
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
    const probe = { firstFrame: -1, drawing: false, frames: 0, frameMs: 0, lastFrame: -1 };
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
        probe.drawing = false;
        try {
            callback(time);
        } finally {
            const end = performance.now();
            if (probe.drawing) {
                ++probe.frames;
                probe.frameMs += end - start;
                probe.lastFrame = end;
                if (probe.firstFrame < 0) probe.firstFrame = end;
            }
        }
    });
}

// User and system time, in seconds, of every process below this one (the
// browser's), in all and by kind: { all, renderer, gpu, other }.
function browserCpu() {
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
    const total = { all: 0, renderer: 0, gpu: 0, other: 0 };
    for (const [pid, seconds] of times) {
        for (let up = parents.get(pid); up; up = parents.get(up)) {
            if (up === process.pid) {
                let command = '';
                try {
                    command = readFileSync(`/proc/${pid}/cmdline`, 'latin1');
                } catch {
                    // ended meanwhile
                }
                const kind = /--type=renderer/.test(command) ? 'renderer'
                           : /--type=gpu-process/.test(command) ? 'gpu' : 'other';
                total[kind] += seconds;
                total.all += seconds;
                break;
            }
        }
    }
    return total;
}
const browserCpuSeconds = () => browserCpu().all;

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
const COMMAND_MAIN_MENU = 32773;

// Game > Main Menu: back to the buttons for the next deal.
async function chooseMainMenu(page) {
    await page.click('#menu-game');
    await page.click(`#command-${COMMAND_MAIN_MENU}`);
}

async function pressKlondike(page, width, height) {
    const box = await page.locator('#canvas').boundingBox();
    const [x, y] = scaled(KLONDIKE_BUTTON, width, height);
    await page.mouse.click(box.x + x, box.y + y, { delay: 30 });
}

// Browser CPU per 10 s over `seconds`, and the frames the page drew meanwhile.
async function atRest(page, seconds) {
    const frames = () => page.evaluate(() => window.tarvikProbe?.frames ?? 0);
    const before = await frames();
    const cpu = browserCpu();
    await sleep(seconds * 1000);
    const after = browserCpu();
    const per10 = kind => ((after[kind] - cpu[kind]) * 10 / seconds).toFixed(3);
    return `${per10('all')} s (renderer ${per10('renderer')}, GPU ${per10('gpu')}, the others ${per10('other')}; ` +
           `${(await frames()) - before} frames drawn)`;
}

// A Klondike deal from the press to its last frame: frames a second,
// browser CPU per frame, callback time per frame, its length.
async function dealFrames(page, width, height) {
    const counts = () => page.evaluate(() => ({ ...window.tarvikProbe, now: performance.now() }));
    const cpu = browserCpuSeconds();
    const before = await counts();
    await pressKlondike(page, width, height);
    let end = await counts();
    for (let quiet = 0; quiet < 1000; quiet = end.now - end.lastFrame) {
        await sleep(200);
        end = await counts();
    }
    const cpuSeconds = browserCpuSeconds() - cpu;
    const frames = end.frames - before.frames;
    const ms = end.lastFrame - before.now;
    return { fps: frames * 1000 / ms, cpuMs: cpuSeconds * 1000 / frames, ms,
             callbackMs: (end.frameMs - before.frameMs) / frames };
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

    // The browser's own floor: an empty page in a tab of its own.
    const blank = await browser.newContext({ viewport: { width: 640, height: 501 } });
    const blankPage = await blank.newPage();
    await blankPage.goto('about:blank');
    await sleep(2000);
    rows.push([`browser CPU per 10 s, an empty page (${REST_SECONDS} s)`, await atRest(blankPage, REST_SECONDS)]);
    await blank.close();

    const rest = await openPage(browser, server, 640, 480);
    await restingPicture(rest.page);
    await sleep(2000);
    rows.push([`browser CPU per 10 s, main menu at rest (${REST_SECONDS} s)`, await atRest(rest.page, REST_SECONDS)]);
    await pressKlondike(rest.page, 640, 480);
    await sleep(1000);
    await restingPicture(rest.page);
    await sleep(5000);  // the deal's statistics handed to the browser's storage behind
    rows.push([`browser CPU per 10 s, a dealt Klondike at rest (${REST_SECONDS} s)`,
               await atRest(rest.page, REST_SECONDS)]);
    await rest.context.close();

    for (const [width, height] of [[640, 480], [1920, 1080]]) {
        const opened = await openPage(browser, server, width, height);
        await restingPicture(opened.page);
        await sleep(1000);
        const deals = [];
        for (let run = 0; run < RUNS; ++run) {
            deals.push(await dealFrames(opened.page, width, height));
            await chooseMainMenu(opened.page);
            await restingPicture(opened.page);
            await sleep(500);
        }
        const m = key => median(deals.map(deal => deal[key]));
        rows.push([`a Klondike deal at ${width} x ${height} (median of ${RUNS}): frames a second; browser CPU / ` +
                   `frame callback per frame; its length`,
                   `${m('fps').toFixed(1)}; ${m('cpuMs').toFixed(1)} / ${m('callbackMs').toFixed(2)} ms; ` +
                   `${m('ms').toFixed(0)} ms`]);
        await opened.context.close();
    }
} finally {
    await browser.close();
    await server.close();
}
console.log(`| the page, headless Chromium ${version} | figure |`);
console.log('|---|---|');
for (const [what, figure] of rows) console.log(`| ${what} | ${figure} |`);
