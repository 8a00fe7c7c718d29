// Exported pages in Chromium: the time from the start of the load to the first
// frame of the effect (the clock's first time on the screen), for the clock page
// and for a 1 MB page with the clock's script block, beside the same pages
// without the runtime (where the effect never comes: their load and first paint).
//     node bench/exported-pages.mjs        (after the build; bench/run.sh runs it)
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { openChromium } from '../tests/browser/browsers.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '..');
const program = join(root, 'build', 'src', 'tovaleaf');
const runs = 9;

// The clock as the program lays it out: its area, its STOP button, its script block.
const template = new TextDecoder('shift_jis').decode(readFileSync(join(root, 'data', 'time.vs')));
const clock = "<DIV ID='TimeArea' style='background-color:silver;width:20%;text-align:center;font-family:arial black;font-size:14pt;color:blue'></DIV>"
    + "<INPUT TYPE='button' NAME='jikann' VALUE='STOP'LANGUAGE='VBScript' onclick='gostop()'>"
    + '<SCRIPT TYPE =text/vbscript>' + template.replace(/\r?\n/g, '\r\n') + '</SCRIPT>';
const head = '<HTML lang=ja>\r\n<HEAD>\r\n<META http-equiv="Content-Type" content="text/html; charset=Shift_JIS">\r\n<TITLE>bench</TITLE>\r\n</HEAD>\r\n<BODY>\r\n';
const row = '<p class=row>一メガバイトのページの段落です。 <b>bold</b> <a href="x.htm">link</a></p>\r\n';

// Shift_JIS bytes of text that holds only ASCII and the characters above.
function sjis(text) {
    const out = [];
    const table = new Map();
    for (let code = 0x8140; code <= 0x9ffc; code++) {
        const bytes = Buffer.from([code >> 8, code & 0xff]);
        const ch = new TextDecoder('shift_jis').decode(bytes);
        if (ch.length === 1 && !table.has(ch)) table.set(ch, bytes);
    }
    for (const ch of text) {
        if (ch.charCodeAt(0) < 0x80) out.push(Buffer.from(ch, 'latin1'));
        else if (table.has(ch)) out.push(table.get(ch));
        else out.push(Buffer.from('&#' + ch.codePointAt(0) + ';', 'latin1'));
    }
    return Buffer.concat(out);
}

const work = mkdtempSync(join(tmpdir(), 'tvl-bench-'));
const pages = {};
{
    const clockPage = head + '<P>ab' + clock + '</P>\r\n</BODY>\r\n</HTML>\r\n';
    const rows = Math.ceil((1024 * 1024 - sjis(head).length) / sjis(row).length);
    const big = head + row.repeat(rows)
        + '<P>' + clock + '</P>\r\n</BODY>\r\n</HTML>\r\n';
    for (const [name, text] of [['clock', clockPage], ['1 MB page', big]]) {
        const file = name === 'clock' ? 'clock.htm' : 'big.htm';
        writeFileSync(join(work, file), sjis(text));
        execFileSync(program, ['--export-modern', join(work, file), join(work, 'out')], { stdio: 'ignore' });
        pages[name] = { plain: join(work, file), exported: join(work, 'out', file), size: statSync(join(work, file)).size };
    }
}

// Before the page's own scripts: when the effect first shows, a frame later.
const watch = `
    window.__bench = { effect: null };
    new MutationObserver((records, observer) => {
        const area = document.getElementById('TimeArea');
        if (area && area.textContent) {
            observer.disconnect();
            requestAnimationFrame(() => { window.__bench.effect = performance.now(); });
        }
    }).observe(document, { childList: true, subtree: true, characterData: true });`;

const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };
const chromium = await openChromium();
try {
    await chromium.context.addInitScript(watch);
    const page = chromium.page;
    console.log(`Chromium ${chromium.context.browser() ? chromium.context.browser().version() : ''}, median of ${runs} loads each (ms from the start of the load)`);
    console.log('page          size | exported: first paint  first effect frame   load  runtime setup | without runtime: first paint   load');
    for (const [name, p] of Object.entries(pages)) {
        const figures = { effect: [], paint: [], load: [], setup: [], plainLoad: [], plainPaint: [] };
        for (let i = 0; i < runs + 1; i++) {
            await page.goto(pathToFileURL(p.exported).href);
            await page.waitForFunction(() => window.__bench.effect !== null, null, { timeout: 20000 });
            const r = await page.evaluate(() => ({
                effect: window.__bench.effect,
                load: performance.getEntriesByType('navigation')[0].loadEventEnd,
                setup: window.__tvlvb ? window.__tvlvb.setupMs : NaN,
                paint: (performance.getEntriesByName('first-contentful-paint')[0] || {}).startTime,
            }));
            await page.goto(pathToFileURL(p.plain).href);
            await page.waitForFunction(() => performance.getEntriesByType('navigation')[0].loadEventEnd > 0
                && performance.getEntriesByName('first-contentful-paint').length > 0, null, { timeout: 20000 });
            const q = await page.evaluate(() => ({
                load: performance.getEntriesByType('navigation')[0].loadEventEnd,
                paint: performance.getEntriesByName('first-contentful-paint')[0].startTime,
                ticked: !!(document.getElementById('TimeArea') || {}).textContent,
            }));
            if (q.ticked) throw new Error('the page without the runtime ran its VBScript');
            if (i === 0) continue; // the first load warms the disk cache and the script cache
            figures.effect.push(r.effect);
            figures.paint.push(r.paint);
            figures.load.push(r.load);
            figures.setup.push(r.setup);
            figures.plainLoad.push(q.load);
            figures.plainPaint.push(q.paint);
        }
        const f = (xs) => median(xs).toFixed(1).padStart(7);
        console.log(`${name.padEnd(9)} ${String(Math.round(p.size / 1024)).padStart(5)} KB |           ${f(figures.paint)}            ${f(figures.effect)} ${f(figures.load)}        ${f(figures.setup)} |                 ${f(figures.plainPaint)} ${f(figures.plainLoad)}`);
    }
    console.log(`runtime file: ${statSync(join(work, 'out', 'tovaleaf-runtime.js')).size} bytes`);
} finally {
    await chromium.close();
    rmSync(work, { recursive: true, force: true });
}
