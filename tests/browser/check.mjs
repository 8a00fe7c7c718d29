// One exported page in one browser, for the test suite:
//     node check.mjs chromium CHECK PAGE [ARGUMENT]   the named check of exported-effects.mjs
//     node --experimental-websocket check.mjs firefox clock PAGE
// Prints "ok" and ends with 0, or says what went wrong and ends with 1; 77 when the
// browser is not installed (Firefox only: Chromium is required).
import { existsSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { FIREFOX, openChromium, openFirefox, watchErrors } from './browsers.mjs';
import { checks as effects } from './exported-effects.mjs';
import { checks as host } from './standalone-host.mjs';

const checks = { ...effects, ...host };

const [browser, name, page, argument] = process.argv.slice(2);
const url = pathToFileURL(page).href;

async function inChromium() {
    const check = checks[name];
    if (!check) throw new Error('no check named ' + name);
    const chromium = await openChromium();
    try {
        const errors = watchErrors(chromium.page);
        await chromium.page.goto(url);
        await check(chromium.page, argument, errors);
        // What the page did meanwhile, until the end, counts: no uncaught error, no error in the console
        // (a check that makes errors on purpose takes the ones it expects).
        if (errors.length) throw new Error('errors in the page:\n' + errors.join('\n'));
    } finally {
        await chromium.close();
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
    if (browser === 'chromium') await inChromium();
    else if (browser === 'firefox' && name === 'clock') await clockInFirefox();
    else throw new Error('usage: node check.mjs chromium|firefox CHECK PAGE [ARGUMENT]');
    console.log('ok');
    process.exit(0);
} catch (e) {
    console.log(String(e && e.stack ? e.stack : e));
    process.exit(1);
}
