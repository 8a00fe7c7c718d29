// The runtime's host outside the program: MsgBox drawn in the page, questions
// and InputBox through the browser's own dialogs, errors in the console once,
// a dialog window whose page gets its arguments and closes itself.
import { until } from './browsers.mjs';

const boxText = (page) => page.locator('tovaleaf-layer .text');

export const checks = {
    async standaloneHost(page, _argument, errors) {
        // Two boxes on load, one after the other, while the page goes on.
        await until('the first box', async () => (await boxText(page).count()) === 1);
        if ((await boxText(page).textContent()) !== 'first') throw new Error('first box: ' + (await boxText(page).textContent()));
        if ((await page.locator('tovaleaf-layer .caption').textContent()) !== 'Title One') throw new Error('its title');
        if ((await page.locator('tovaleaf-layer .icon.information').count()) !== 1) throw new Error('its icon');
        if ((await page.textContent('#out')) !== 'after boxes') throw new Error('the page waited for the box');
        await page.keyboard.press('Enter');
        await until('the second box', async () => (await boxText(page).count()) === 1 && (await boxText(page).textContent()) === 'second');
        if ((await page.locator('tovaleaf-layer .caption').textContent()) !== 'VBScript') throw new Error('the default title');
        await page.locator('tovaleaf-layer .buttons button').click();
        await until('no box', async () => (await page.locator('tovaleaf-layer').count()) === 0);

        // Questions: the browser's own dialogs, in the page's words only.
        const asked = [];
        const answers = [(d) => d.accept(), (d) => d.accept('N'), (d) => d.accept('hanako')];
        const onDialog = (d) => { asked.push(d.type() + ':' + d.message() + ':' + d.defaultValue()); (answers.shift() || ((x) => x.dismiss()))(d); };
        page.on('dialog', onDialog);
        await page.click('#ask');
        await until('the answers', async () => (await page.textContent('#answer')) === '6,7,hanako');
        page.off('dialog', onDialog);
        if (asked.length !== 3 || !asked[0].startsWith('confirm:Go on?') || !asked[1].startsWith('prompt:Three?') || asked[2] !== 'prompt:Name?:taro')
            throw new Error('asked: ' + asked.join(' | '));
        if (asked.some((a) => a.includes('\u0001') || a.includes('tvl:'))) throw new Error('the bridge showed: ' + asked.join(' | '));

        // A VBScript error: told once in the console, not in a dialog.
        const dialogs = [];
        const anyDialog = (d) => { dialogs.push(d.message()); d.dismiss(); };
        page.on('dialog', anyDialog);
        await page.click('#broken');
        await until('the error told', async () => errors.length === 1);
        await page.click('#broken');
        await new Promise((r) => setTimeout(r, 300));
        if (errors.length !== 1 || !errors[0].startsWith('console: スクリプト エラーが発生しました。')) throw new Error('errors: ' + errors.join(' | '));
        errors.splice(0);
        // The page's own JavaScript error: the browser's own report, and nothing more.
        await page.click('#jsbroken');
        await until('the browser told it', async () => errors.length === 1);
        await new Promise((r) => setTimeout(r, 300));
        if (errors.length !== 1 || !/^uncaught: .*nothere/.test(errors[0])) throw new Error('errors: ' + errors.join(' | '));
        errors.splice(0);
        page.off('dialog', anyDialog);
        if (dialogs.length) throw new Error('errors shown in dialogs: ' + dialogs.join(' | '));

        // A modal dialog: its page gets the arguments, takes its title, and closes itself.
        await page.click('#open');
        const frame = () => page.frames().find((f) => f.url().endsWith('/dialog.htm'));
        await until('the dialog page', async () => !!frame() && (await frame().evaluate(() => (document.getElementById('got') || {}).textContent)) === 'hello');
        await until('its title', async () => (await page.locator('tovaleaf-layer .caption').textContent()) === 'Dialog Title');
        await frame().click('#done');
        await until('closed by its page', async () => (await page.locator('tovaleaf-layer').count()) === 0 && !frame());
    },
};
