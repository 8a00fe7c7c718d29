// What each effect does in today's browser once exported, as a person sees it:
// by the page's DOM and by the pixels of the window, over time. Each check
// gets a Chromium page with the exported page loaded and throws what it missed.
import { colour, count, same, shot, until } from './browsers.mjs';

const { lime, red, blue, ink, mark } = colour;
const area = (r) => Math.round(r.width) * Math.round(r.height);
const pause = (ms) => new Promise((r) => setTimeout(r, ms));

async function box(page, selector) {
    const b = await page.locator(selector).first().boundingBox();
    if (!b) throw new Error('not on the page: ' + selector);
    return { x: Math.round(b.x), y: Math.round(b.y), width: Math.round(b.width), height: Math.round(b.height) };
}
const centre = (b) => ({ x: b.x + b.width / 2, y: b.y + b.height / 2 });
const inset = (b, d) => ({ x: b.x + d, y: b.y + d, width: b.width - 2 * d, height: b.height - 2 * d });
const grow = (b, d) => ({ x: b.x - d, y: b.y - d, width: b.width + 2 * d, height: b.height + 2 * d });
const dot = (p) => ({ x: p.x, y: p.y, width: 1, height: 1 });
const text = (page, id) => page.evaluate((i) => { const e = document.getElementById(i); return e ? ('value' in e ? e.value : e.textContent) : null; }, id);
// The picture on the screen changes while we watch.
async function moves(page, clip, what) {
    const before = await shot(page, clip);
    await until(what, async () => !same(await shot(page, clip), before));
}
const frameOf = (page, name) => page.frames().find((f) => f.url().endsWith('/' + name));
const layerShown = (page) => page.evaluate(() => !!document.querySelector('tovaleaf-layer'));

export const checks = {
    // Circle out: the middle shows while the ends are still hidden, then all of it; Reload plays it again.
    async revealText(page) {
        const b = await box(page, '#mivo');
        if (!(b.width > 200 && b.height > 8)) throw new Error('the text block is ' + b.width + 'x' + b.height);
        const middle = { x: b.x + b.width / 2 - 60, y: b.y, width: 120, height: b.height };
        const end = { x: b.x, y: b.y, width: 4, height: b.height };
        await until('the middle shown while the ends are hidden', async () => {
            const s = await shot(page);
            return count(s, middle, lime) > 0 && count(s, end, lime) === 0;
        });
        await until('the whole block shown', async () => count(await shot(page), end, lime) === area(end), 10000);
        await page.click('input[value=Reload]');
        await until('hidden again by Reload', async () => count(await shot(page), end, lime) === 0);
        await until('shown again', async () => count(await shot(page), end, lime) === area(end), 10000);
    },

    // Wipe right: the left of the picture shows first.
    async revealImage(page) {
        const p = await box(page, '#mivoimage');
        if (p.width !== 120 || p.height !== 80) throw new Error('the picture is ' + p.width + 'x' + p.height);
        const left = { x: p.x + 2, y: p.y + 10, width: 6, height: 60 };
        const right = { x: p.x + p.width - 8, y: p.y + 10, width: 6, height: 60 };
        await until('the left shown while the right is hidden', async () => {
            const s = await shot(page);
            return count(s, left, red) === area(left) && count(s, right, red) === 0;
        });
        await until('the whole picture shown', async () => count(await shot(page), inset(p, 1), red) === area(inset(p, 1)), 10000);
    },

    // The red picture melts into the blue one; Reload starts from red again.
    async blend(page) {
        const p = await box(page, '#image42');
        const middle = dot(centre(p));
        await until('the first picture', async () => count(await shot(page), middle, (r, g, b) => r > 150 && r > b) === 1);
        await until('the second picture', async () => count(await shot(page), middle, blue) === 1, 10000);
        await until('the fading copy gone', async () => (await page.evaluate(() => document.querySelectorAll('img').length)) === 1);
        if (!(await page.evaluate(() => document.getElementById('image42').src)).endsWith('/b.png')) throw new Error('not the second picture');
        await page.click('input[value=Reload]');
        await until('the first picture again', async () => count(await shot(page), middle, blue) === 0);
        await until('the second picture again', async () => count(await shot(page), middle, blue) === 1, 10000);
    },

    // The block's picture turns inside the control's box; Reload starts the turn again.
    async redirect(page) {
        const angle = () => page.evaluate(() => {
            const d = document.querySelector('#DA_mivo div > *');
            const m = /rotate\((-?[0-9.e-]+)deg\)/.exec(d ? d.style.transform : '');
            return m ? -Number(m[1]) : -1;
        });
        await until('the turn started', async () => (await angle()) >= 0);
        if ((await page.evaluate(() => getComputedStyle(document.getElementById('mivo_text')).visibility)) !== 'hidden') throw new Error('the block itself shows');
        const stage = await box(page, '#DA_mivo');
        await until('the picture in the control', async () => count(await shot(page), stage, red) > 1000);
        await moves(page, stage, 'the picture turning');
        await until('turned past 60 degrees', async () => (await angle()) > 60);
        await page.click('input[value=Reload]');
        await until('turned back by Reload', async () => (await angle()) < 45);
    },

    // A new time each second; STOP holds it.
    async clock(page) {
        const time = () => text(page, 'TimeArea');
        const shape = /^\d{1,2}:\d\d:\d\d$/;
        await until('a time shown', async () => shape.test(await time()));
        const area = await box(page, '#TimeArea');
        for (let tick = 0; tick < 2; tick++) {
            const shown = await time();
            const before = await shot(page, area);
            await until('the next second', async () => (await time()) !== shown, 3000);
            if (!shape.test(await time())) throw new Error('not a time: ' + (await time()));
            await until('the new time on the screen', async () => !same(await shot(page, area), before), 3000);
        }
        await page.click('input[name=jikann]');
        const stopped = await time();
        await pause(2500);
        if ((await time()) !== stopped) throw new Error('STOP did not stop the clock');
    },

    // Letter by letter, a pause, again from the start; STOP holds it.
    async typewriter(page, words) {
        const typed = () => text(page, 'typetext');
        const seen = [];
        await until('the whole text typed', async () => {
            const now = await typed();
            if (!seen.length || seen[seen.length - 1] !== now) seen.push(now);
            return now === words;
        }, 15000);
        if (seen.some((s) => !words.startsWith(s)) || seen.length < 4) throw new Error('typed as ' + seen.join('|'));
        await until('typing again from the start', async () => { const t = await typed(); return t.length > 0 && t.length < words.length; }, 6000);
        await page.click('input[name=jikann]');
        const held = await typed();
        await pause(1000);
        if ((await typed()) !== held || held.length >= words.length) throw new Error('STOP did not hold the text');
    },

    // A hard red silhouette beside the text, turning around it.
    async shadow(page, id) {
        const around = grow(await box(page, '#' + id), 12);
        await until('the text drawn', async () => count(await shot(page), around, ink) > 0);
        await until('a solid red silhouette', async () => count(await shot(page), around, red) > 30);
        await moves(page, around, 'the shadow turning');
    },
    async wave(page, id) {
        const around = grow(await box(page, '#' + id), 12);
        await until('the text drawn', async () => count(await shot(page), around, mark) > 0);
        await moves(page, around, 'the wave running');
    },
    // A red halo round the text, swelling and shrinking.
    async glow(page, id) {
        const around = grow(await box(page, '#' + id), 12);
        await until('a red halo', async () => count(await shot(page), around, (r, g, b) => r > 200 && g < 170 && b < 170) > 30);
        await moves(page, around, 'the glow pulsing');
    },
    // The text fades away and comes back (faint from the start: the gradient is clear towards the sides).
    async alpha(page, id) {
        const around = await box(page, '#' + id);
        const inks = [];
        const end = Date.now() + 6000;
        while (Date.now() < end) {
            inks.push(count(await shot(page), around, mark));
            const most = Math.max(...inks);
            if (most > 20 && inks.slice(inks.indexOf(most)).some((n) => n < most * 0.3) && inks[inks.length - 1] > inks[inks.length - 2] && inks.length > 3) return;
            await pause(60);
        }
        throw new Error('the text did not fade and come back: ' + inks.join(','));
    },

    // The mouse over a button turns it, and only it, red; a click follows its link.
    async colourChange(page) {
        const first = await box(page, '#MIVO0');
        const second = await box(page, '#MIVO1');
        await until('the buttons drawn', async () => count(await shot(page), first, ink) > 0);
        if (count(await shot(page), first, red) !== 0) throw new Error('red before the mouse came');
        await page.mouse.move(centre(second).x, centre(second).y);
        await until('the second button red', async () => count(await shot(page), second, red) > 20);
        if (count(await shot(page), first, red) !== 0) throw new Error('the first turned red too');
        await page.mouse.move(centre(first).x, centre(first).y);
        await until('the first button red', async () => count(await shot(page), first, red) > 20);
        await until('the second back to its colour', async () => count(await shot(page), second, red) === 0);
        if ((await page.evaluate(() => getComputedStyle(document.getElementById('MIVO1')).color)) !== 'rgb(0, 0, 128)') throw new Error('not navy again');
        await page.mouse.click(centre(first).x, centre(first).y);
        await until('the linked page', async () => (await page.title()) === 'next');
    },

    // The page opens shown.htm as a dialog window over itself; a modal one keeps the page from clicks.
    async dialog(page, kind) {
        const open = await box(page, 'input[value=Open]');
        const before = await shot(page, { x: 250, y: 150, width: 500, height: 400 });
        await page.click('input[value=Open]');
        await until('the dialog page loaded', async () => {
            const f = frameOf(page, 'shown.htm');
            return !!f && (await f.evaluate(() => document.body && document.body.textContent.trim())) === 'shown';
        });
        const win = await box(page, 'tovaleaf-layer .page-window');
        if (Math.abs(win.width - 502) > 2 || win.height < 400 || win.height > 440) throw new Error('the dialog is ' + win.width + 'x' + win.height);
        if (Math.abs(centre(win).x - 500) > 2) throw new Error('the dialog is not in the middle');
        if (same(await shot(page, { x: 250, y: 150, width: 500, height: 400 }), before)) throw new Error('the dialog is not on the screen');
        if ((await page.locator('tovaleaf-layer .caption').first().textContent()) !== 'shown.htm') throw new Error('caption');
        await page.mouse.click(centre(open).x, centre(open).y);
        await pause(500);
        const dialogs = page.frames().filter((f) => f.url().endsWith('/shown.htm')).length;
        if (kind === 'modal' && dialogs !== 1) throw new Error('the page under a modal dialog took a click');
        if (kind === 'modeless' && dialogs !== 2) throw new Error('the page under a modeless dialog took no click');
        for (let i = 0; i < dialogs; i++) await page.locator('tovaleaf-layer .bar button').last().click();
        await until('the dialogs closed', async () => !frameOf(page, 'shown.htm') && !(await layerShown(page)));
        if (!same(await shot(page, { x: 250, y: 150, width: 500, height: 400 }), before)) throw new Error('something left on the screen');
    },

    // The page shown over the whole window; Esc goes back.
    async fullScreen(page) {
        const button = await box(page, 'input[value=全画面表示実行]');
        await page.click('input[value=全画面表示実行]');
        await until('the page shown full screen', async () => {
            const f = frameOf(page, 'shown.htm');
            return !!f && (await f.evaluate(() => document.body && document.body.textContent.trim())) === 'shown';
        });
        const cover = await box(page, 'tovaleaf-layer .full');
        const view = page.viewportSize();
        if (cover.x !== 0 || cover.y !== 0 || cover.width < view.width || cover.height < view.height) throw new Error('not the whole window');
        // The shown page is lime all over: over the whole window, the page's own button under it.
        const below = { x: 0, y: 60, width: view.width, height: view.height - 60 };
        await until('the page shown over the whole window', async () => count(await shot(page), below, lime) === area(below));
        await page.keyboard.press('Escape');
        await until('back to the page', async () => !frameOf(page, 'shown.htm') && count(await shot(page), below, lime) === 0);
        if (count(await shot(page), button, ink) === 0) throw new Error('the page is not shown again');
    },

    // The picture keeps moving round its path.
    async movingPicture(page) {
        const where = () => page.evaluate(() => { const p = document.getElementById('mivopicture'); return p.style.left + ',' + p.style.top; });
        const first = await where();
        await until('the picture moving', async () => (await where()) !== first);
        await moves(page, undefined, 'the picture moving on the screen');
    },

    // The text scrolls; the check button says 実行中！ in the browser's own message.
    async marquee(page) {
        const band = await box(page, 'marquee');
        await until('the text drawn', async () => count(await shot(page), band, ink) > 0);
        await moves(page, band, 'the text scrolling');
        let said = null;
        page.once('dialog', (d) => { said = d.message(); d.accept(); });
        await page.click('input[value=確認]');
        await until('the message', async () => said === '実行中！');
    },

    // The button's MsgBox: a message box drawn over the page, gone with OK.
    async buttonMessage(page, message) {
        const middle = { x: 350, y: 250, width: 300, height: 200 };
        const before = await shot(page, middle);
        await page.click('button');
        await until('the message box', async () => (await page.locator('tovaleaf-layer .text').count()) === 1);
        const said = await page.locator('tovaleaf-layer .text').textContent();
        if (said !== message) throw new Error('the box says ' + said);
        if (same(await shot(page, middle), before)) throw new Error('the box is not on the screen');
        await page.keyboard.press('Enter');
        await until('the box gone', async () => !(await layerShown(page)));
        if (!same(await shot(page, middle), before)) throw new Error('something left on the screen');
    },
};
