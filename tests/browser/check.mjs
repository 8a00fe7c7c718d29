// One exported page in one browser, for the test suite:
//     node check.mjs chromium CHECK PAGE [ARGUMENT]   the named check of exported-effects.mjs
//     node --experimental-websocket check.mjs firefox clock PAGE
// Prints "ok" and ends with 0, or says what went wrong and ends with 1; 77 when the
// browser is not installed (Firefox only: Chromium is required).
//     node check.mjs serve
// One Chromium for many checks: reads a JSON line [CHECK, PAGE, ARGUMENT] at a time and
// answers each with a JSON line, "ok" or what went wrong; each check gets a context of
// its own (nothing of one page reaches the next). Ends with its input.
import { existsSync } from 'node:fs';
import { createInterface } from 'node:readline';
import { pathToFileURL } from 'node:url';
import { FIREFOX, launchChromium, openChromium, openFirefox, watchErrors } from './browsers.mjs';
import { checks as effects } from './exported-effects.mjs';
import { checks as host } from './standalone-host.mjs';

const checks = { ...effects, ...host };

const [browser, name, page, argument] = process.argv.slice(2);
const url = page ? pathToFileURL(page).href : '';

async function runCheck(page, name, url, argument) {
    const check = checks[name];
    if (!check) throw new Error('no check named ' + name);
    const errors = watchErrors(page);
    await page.goto(url);
    await check(page, argument, errors);
    // What the page did meanwhile, until the end, counts: no uncaught error, no error in the console
    // (a check that makes errors on purpose takes the ones it expects).
    if (errors.length) throw new Error('errors in the page:\n' + errors.join('\n'));
}

async function inChromium() {
    const chromium = await openChromium();
    try {
        await runCheck(chromium.page, name, url, argument);
    } finally {
        await chromium.close();
    }
}

async function serve() {
    const browser = await launchChromium();
    try {
        for await (const line of createInterface({ input: process.stdin })) {
            if (!line.trim()) continue;
            let answer = 'ok';
            const context = await browser.newContext();
            try {
                const [check, page, arg] = JSON.parse(line);
                await runCheck(await context.newPage(), check, pathToFileURL(page).href, arg === null ? undefined : arg);
            } catch (e) {
                answer = String(e && e.stack ? e.stack : e);
            } finally {
                await context.close();
            }
            process.stdout.write(JSON.stringify(answer) + '\n');
        }
    } finally {
        await browser.close();
    }
}

async function clockInFirefox() {
    if (!existsSync(FIREFOX)) {
        console.log(`SKIP: ${FIREFOX} is not installed`);
        process.exit(77);
    }
    const firefox = await openFirefox();
    try {
        await firefox.goto(url);
        const time = () => firefox.evaluate("(document.getElementById('TimeArea') || {}).textContent || ''");
        const shape = /^\d{1,2}:\d\d:\d\d$/;
        const end = Date.now() + 8000;
        let first = '';
        while (!shape.test(first) && Date.now() < end) { first = await time(); await new Promise((r) => setTimeout(r, 100)); }
        if (!shape.test(first)) throw new Error('no time shown: ' + first);
        let later = first;
        while (later === first && Date.now() < end + 3000) { await new Promise((r) => setTimeout(r, 100)); later = await time(); }
        if (later === first || !shape.test(later)) throw new Error('the clock did not tick: ' + first + ' then ' + later);
        const version = await firefox.evaluate('navigator.userAgent');
        console.log('ticked in ' + version + ': ' + first + ' -> ' + later);
    } finally {
        await firefox.close();
    }
}

try {
    if (browser === 'serve') {
        await serve();
        process.exit(0);
    }
    if (browser === 'chromium') await inChromium();
    else if (browser === 'firefox' && name === 'clock') await clockInFirefox();
    else throw new Error('usage: node check.mjs chromium|firefox CHECK PAGE [ARGUMENT]');
    console.log('ok');
    process.exit(0);
} catch (e) {
    console.log(String(e && e.stack ? e.stack : e));
    process.exit(1);
}
