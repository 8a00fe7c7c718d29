// Today's browsers as the checks and benchmarks drive them: Debian's Chromium
// through its DevTools protocol (playwright-core), Firefox ESR through
// WebDriver BiDi. Each run starts from a fresh profile and leaves nothing behind.
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { PNG } from 'pngjs';

export const CHROMIUM = '/usr/bin/chromium';
export const FIREFOX = '/usr/bin/firefox-esr';

const CHROMIUM_OPTIONS = {
    executablePath: CHROMIUM,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
        '--disable-sync', '--no-first-run', '--hide-scrollbars'],
};
const VIEWPORT = { width: 1000, height: 700 };

// A headless Chromium for many pages: each newContext() is a fresh profile of the same window size.
export async function launchChromium() {
    if (!existsSync(CHROMIUM)) throw new Error(`${CHROMIUM} is not installed (bash scripts/setup.sh installs it)`);
    const browser = await chromium.launch(CHROMIUM_OPTIONS);
    return {
        newContext: () => browser.newContext({ viewport: VIEWPORT }),
        close: () => browser.close(),
    };
}

// A page of a fresh headless Chromium; close() ends it and removes its profile.
export async function openChromium() {
    if (!existsSync(CHROMIUM)) throw new Error(`${CHROMIUM} is not installed (bash scripts/setup.sh installs it)`);
    const profile = mkdtempSync(join(tmpdir(), 'tvl-chromium-'));
    const context = await chromium.launchPersistentContext(profile, { ...CHROMIUM_OPTIONS, viewport: VIEWPORT });
    const page = context.pages()[0] || (await context.newPage());
    return {
        context,
        page,
        async close() {
            await context.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// The errors a page shows: uncaught ones and what it writes to the console as errors.
export function watchErrors(page) {
    const errors = [];
    page.on('pageerror', (e) => errors.push('uncaught: ' + e.message));
    page.on('console', (m) => { if (m.type() === 'error') errors.push('console: ' + m.text()); });
    return errors;
}

// ---- pixels of a screenshot
export async function shot(page, clip) {
    const png = PNG.sync.read(await page.screenshot(clip ? { clip } : {}));
    return { width: png.width, height: png.height, data: png.data };
}
export function count(image, area, is) {
    let n = 0;
    const x0 = Math.max(0, Math.floor(area.x));
    const y0 = Math.max(0, Math.floor(area.y));
    const x1 = Math.min(image.width, Math.floor(area.x + area.width));
    const y1 = Math.min(image.height, Math.floor(area.y + area.height));
    for (let y = y0; y < y1; y++) {
        for (let x = x0; x < x1; x++) {
            const i = (y * image.width + x) * 4;
            if (is(image.data[i], image.data[i + 1], image.data[i + 2])) n++;
        }
    }
    return n;
}
export function same(a, b) {
    return a.width === b.width && a.height === b.height && Buffer.compare(a.data, b.data) === 0;
}
export const colour = {
    lime: (r, g, b) => g > 200 && r < 90 && b < 90,
    red: (r, g, b) => r > 200 && g < 90 && b < 90,
    blue: (r, g, b) => b > 200 && r < 90 && g < 90,
    ink: (r, g, b) => r + g + b < 250,
    mark: (r, g, b) => r + g + b < 720,
};

// Polls test until it holds; fails with what was awaited.
export async function until(what, test, timeout = 8000) {
    const end = Date.now() + timeout;
    for (;;) {
        if (await test()) return;
        if (Date.now() > end) throw new Error('never came: ' + what);
        await new Promise((r) => setTimeout(r, 40));
    }
}

// ---- Firefox over WebDriver BiDi (node's WebSocket: run with --experimental-websocket on node 20)
export async function openFirefox() {
    if (!existsSync(FIREFOX)) return null;
    const profile = mkdtempSync(join(tmpdir(), 'tvl-firefox-'));
    const child = spawn(FIREFOX, ['--headless', '--no-remote', '--profile', profile, '--remote-debugging-port', '0', 'about:blank'],
        { stdio: ['ignore', 'ignore', 'pipe'] });
    const address = await new Promise((resolve, reject) => {
        let said = '';
        const timer = setTimeout(() => reject(new Error('Firefox did not start: ' + said)), 30000);
        child.stderr.on('data', (d) => {
            said += d;
            const m = /WebDriver BiDi listening on (ws:\/\/\S+)/.exec(said);
            if (m) { clearTimeout(timer); resolve(m[1]); }
        });
        child.on('exit', () => reject(new Error('Firefox ended: ' + said)));
    });
    const ws = new WebSocket(address + '/session');
    await new Promise((resolve, reject) => { ws.onopen = resolve; ws.onerror = reject; });
    let next = 0;
    const waiting = new Map();
    ws.onmessage = (m) => {
        const d = JSON.parse(m.data);
        if (d.id !== undefined && waiting.has(d.id)) { waiting.get(d.id)(d); waiting.delete(d.id); }
    };
    const send = (method, params) => new Promise((resolve, reject) => {
        const id = ++next;
        waiting.set(id, (d) => (d.type === 'error' ? reject(new Error(method + ': ' + d.message)) : resolve(d.result)));
        ws.send(JSON.stringify({ id, method, params }));
    });
    await send('session.new', { capabilities: {} });
    const context = (await send('browsingContext.getTree', {})).contexts[0].context;
    return {
        async goto(url) { await send('browsingContext.navigate', { context, url, wait: 'complete' }); },
        async evaluate(expression) {
            const r = await send('script.evaluate', { expression, target: { context }, awaitPromise: true });
            if (r.type === 'exception') throw new Error('in the page: ' + r.exceptionDetails.text);
            return r.result.value;
        },
        async close() {
            try { await send('session.end', {}); } catch (e) { /* already gone */ }
            ws.close();
            child.kill();
            await new Promise((r) => (child.exitCode !== null ? r() : child.on('exit', r)));
            rmSync(profile, { recursive: true, force: true });
        },
    };
}
