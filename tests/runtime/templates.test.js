// The effect templates installed beside the program: their encoding and line
// ends, and that their VBScript compiles, defines what the buttons call and,
// against small stand-ins for the page, does what the effect promises.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { VB, run } = require('./vb-harness.js');

const root = path.join(__dirname, '..', '..');
const data = path.join(root, 'data');

// The program reads these in the ANSI code page and keeps their lines as they are.
function readTemplate(name) {
    const bytes = fs.readFileSync(path.join(data, name));
    assert.throws(() => new TextDecoder('utf-8', { fatal: true }).decode(bytes), undefined, name + ' is UTF-8, not CP932');
    const text = new TextDecoder('shift_jis', { fatal: true }).decode(bytes);
    assert.match(text, /[\u3040-\u30ff\u4e00-\u9fff]/, name + ' has no Japanese text');
    assert.ok(text.endsWith('\r\n'), name + ' does not end with CR LF');
    for (let i = 0; i < text.length; i++) {
        if (text[i] === '\n') assert.equal(text[i - 1], '\r', name + ': bare LF at ' + i);
        if (text[i] === '\r') assert.equal(text[i + 1], '\n', name + ': bare CR at ' + i);
    }
    return text;
}

// As the program does: every occurrence, exact case.
function substitute(text, values) {
    let out = text;
    for (const [k, v] of Object.entries(values)) out = out.split(k).join(v);
    return out;
}

function scriptBody(markup, name) {
    const m = /^<SCRIPT\b([^>]*)>([\s\S]*)<\/SCRIPT>\r\n$/.exec(markup);
    assert.ok(m, name + ' is not a single SCRIPT block');
    return { attributes: m[1], body: m[2] };
}

// Compiles as a first block of a page and runs its top level; returns the procedures it defined.
function load(source) {
    const compiled = VB.compile(source, { globals: new Set(), procs: new Set() });
    run(source);
    const defined = [...compiled.procs].filter((lc) => typeof VB.globals[lc] === 'function' && VB.globals[lc].$vb);
    return new Set(defined);
}

// A page's names as run mode gives them to VBScript: window, document, elements by id.
function withPage(page, body) {
    const before = VB.host.lookup;
    VB.host.lookup = (lc) => {
        if (lc === 'window' || lc === 'document') return { v: page[lc], where: 'w' };
        const el = Object.entries(page.elements).find(([id]) => id.toLowerCase() === lc);
        return el ? { v: el[1], where: 'e' } : null;
    };
    try {
        return body();
    } finally {
        VB.host.lookup = before;
    }
}
function pageWith(elements) {
    const timers = new Map();
    let nextTimer = 1;
    const page = {
        elements,
        timers,
        window: {
            setTimeout(code, ms, language) { timers.set(nextTimer, { code, ms, language }); return nextTimer++; },
            clearTimeout(id) { timers.delete(id); },
        },
        document: {
            // Looked up by name the way the runtime reads a collection: namedItem for a text.
            all: {
                namedItem: (id) => Object.entries(elements).find(([k]) => k.toLowerCase() === String(id).toLowerCase())?.[1] || null,
                item(i) { return typeof i === 'string' ? this.namedItem(i) : Object.values(elements)[i] || null; },
            },
        },
    };
    return page;
}
const call = (lc) => VB.globals[lc].$vb([]);

// A filtered element as ie-filters.js presents it: filters.length and filters.item(i).
function transitionElement(state, hasFilter = true) {
    const log = [];
    const el = Object.assign({ style: { visibility: 'hidden' } }, state);
    const filter = {
        kind: 'revealTrans',
        Apply() { log.push({ call: 'Apply', visibility: el.style.visibility, src: el.src }); },
        Play() { log.push({ call: 'Play', visibility: el.style.visibility, src: el.src }); },
        Stop() { log.push({ call: 'Stop' }); },
    };
    const list = hasFilter ? [filter] : [];
    el.filters = { length: list.length, item: (i) => list[i] || null };
    el.log = log;
    return el;
}

const bodies = [
    { file: 'vbscript.mivo', values: {}, procs: ['window_onload'] },
    { file: 'image_vbscript.mivo', values: {}, procs: ['window_onload'] },
    { file: 'blendfilter.vs', values: { '[IMGID]': 'image42', '[GAZOU1]': 'C:\\絵\\a.gif', '[GAZOU2]': 'b.gif' }, procs: ['window_onload'] },
    { file: 'redirect.vs', values: {}, procs: ['window_onload'] },
    { file: 'typewriter.vs', values: { '[naiyou]': 'ようこそ Tovaleaf へ' }, procs: ['window_onload', 'gostop'] },
];
const scripts = [
    { file: 'modal.vs', values: { '[html_file]': 'C:\\ページ\\help.htm' }, procs: ['mivo_open'] },
    { file: 'modeless.vs', values: { '[html_file]': 'help.htm' }, procs: ['mivo_open'] },
    { file: 'zenngamenn.mvo', values: { '[zenngamenn]': 'C:\\ページ\\top.htm' }, procs: ['go'] },
];

for (const t of bodies) {
    test(t.file + ': CP932, CR LF, compiles, defines ' + t.procs.join(' and '), () => {
        const text = readTemplate(t.file);
        assert.doesNotMatch(text, /<\/?SCRIPT/i, 'the program adds the SCRIPT tags itself');
        for (const k of Object.keys(t.values)) assert.ok(text.includes(k), t.file + ' lacks ' + k);
        const source = substitute(text, t.values);
        assert.doesNotMatch(source, /\[[A-Za-z0-9 ]+\]/, 'a placeholder is left');
        const defined = load(source);
        for (const p of t.procs) assert.ok(defined.has(p), t.file + ' does not define ' + p);
    });
}

for (const t of scripts) {
    test(t.file + ': CP932, CR LF, one VBScript block that defines ' + t.procs.join(' and '), () => {
        const text = readTemplate(t.file);
        for (const k of Object.keys(t.values)) assert.ok(text.includes(k), t.file + ' lacks ' + k);
        const { attributes, body } = scriptBody(substitute(text, t.values), t.file);
        // Run mode takes a block as VBScript by its type or language ...
        assert.match(attributes, /\b(type|language)\s*=\s*["']?[^"'\s>]*vbs/i);
        // ... and the program finds a page's script by the serialized "<SCRIPT type".
        assert.match(attributes, /^\s+TYPE\s*=/i, 'TYPE is not the first attribute');
        const defined = load(body);
        for (const p of t.procs) assert.ok(defined.has(p), t.file + ' does not define ' + p);
    });
}

test('the serializer keeps the dialog scripts findable by "<SCRIPT type"', () => {
    const T = {};
    const source = fs.readFileSync(path.join(root, 'src', 'platform', 'js', 'serializer.js'), 'utf8');
    // eslint-disable-next-line no-new-func
    new Function('window', 'Node', 'document', source)({ __tvl: T }, { ELEMENT_NODE: 1 }, null);
    for (const t of scripts) {
        const { attributes, body } = scriptBody(readTemplate(t.file), t.file);
        // The engine writes names in lower case and every value double-quoted.
        const chromium = '<script' + attributes.replace(/\s+([^\s=]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]*))/g,
            (all, name, a, b, c) => ' ' + name.toLowerCase() + '="' + (a ?? b ?? c) + '"') + '>' + body + '</script>';
        const out = T.serializeNode({ nodeType: 1, outerHTML: chromium });
        assert.ok(out.startsWith('<SCRIPT type'), t.file + ' serializes as ' + out.slice(0, 40));
    }
});

test('the dialog scripts open the chosen page in the intended window', () => {
    for (const [file, member, check] of [
        ['modal.vs', 'showModalDialog', (f) => assert.match(f, /dialogWidth/i)],
        ['modeless.vs', 'showModelessDialog', (f) => assert.match(f, /dialogWidth/i)],
        // ie-page.js shows the page full screen only for fullscreen=yes or 1.
        ['zenngamenn.mvo', 'open', (f) => assert.match(f, /fullscreen\s*=\s*(yes|1)/i)],
    ]) {
        const t = scripts.find((s) => s.file === file);
        const page = t.values[Object.keys(t.values)[0]];
        const { body } = scriptBody(substitute(readTemplate(file), t.values), file);
        const opened = [];
        const sandbox = pageWith({});
        sandbox.window[member] = (...args) => { opened.push(args); return null; };
        withPage(sandbox, () => {
            const proc = [...load(body)][0];
            call(proc);
        });
        assert.equal(opened.length, 1, file);
        assert.equal(opened[0][0], page, file);
        check(String(opened[0][2]));
    }
});

test('reveal transitions: hidden at Apply, visible at Play, and again on Reload', () => {
    for (const [file, id] of [['vbscript.mivo', 'mivo'], ['image_vbscript.mivo', 'mivoimage']]) {
        const source = readTemplate(file);
        const el = transitionElement({});
        withPage(pageWith({ [id]: el }), () => {
            load(source);
            call('window_onload');
            const once = el.log.filter((x) => x.call !== 'Stop');
            assert.deepEqual(once.map((x) => [x.call, x.visibility]), [['Apply', 'hidden'], ['Play', 'visible']], file);
            assert.equal(el.style.visibility, 'visible');
            el.log.length = 0;
            call('window_onload');
            assert.deepEqual(el.log.filter((x) => x.call !== 'Stop').map((x) => [x.call, x.visibility]), [['Apply', 'hidden'], ['Play', 'visible']], file + ' reload');
        });
        // Without its filter the element is simply shown.
        const bare = transitionElement({}, false);
        withPage(pageWith({ [id]: bare }), () => {
            load(source);
            call('window_onload');
        });
        assert.equal(bare.style.visibility, 'visible', file);
        // A page without the element loads without an error.
        withPage(pageWith({}), () => {
            load(source);
            call('window_onload');
        });
    }
});

test('blend: from the first picture to the next, and from the first again on Reload', () => {
    const t = bodies.find((b) => b.file === 'blendfilter.vs');
    const first = t.values['[GAZOU1]'];
    const next = t.values['[GAZOU2]'];
    const el = transitionElement({ src: first });
    withPage(pageWith({ [t.values['[IMGID]']]: el }), () => {
        load(substitute(readTemplate(t.file), t.values));
        call('window_onload');
        assert.deepEqual(el.log.map((x) => [x.call, x.src]), [['Apply', first], ['Play', next]]);
        assert.equal(el.src, next);
        el.log.length = 0;
        call('window_onload');
        assert.deepEqual(el.log.map((x) => [x.call, x.src]), [['Apply', first], ['Play', next]]);
    });
});

test('redirect: the block turns continuously in the animation control, and Reload starts it over', () => {
    // The real control of ie-animation.js, on stand-ins for the few DOM calls it makes.
    class HTMLObjectElement {}
    const node = (tag) => ({
        tag,
        style: {},
        children: [],
        attributes: {},
        get firstChild() { return this.children[0] || null; },
        appendChild(c) { this.children.push(c); return c; },
        replaceChildren(...c) { this.children = c; },
        querySelectorAll() { return []; },
        cloneNode() { return Object.assign(node(tag), { style: Object.assign({}, this.style), text: this.text }); },
        removeAttribute(n) { delete this.attributes[n]; },
        getAttribute(n) { return this.attributes[n] ?? null; },
    });
    let now = 0;
    const intervals = new Map();
    let nextInterval = 1;
    const source = fs.readFileSync(path.join(root, 'src', 'runtime', 'js', 'ie-animation.js'), 'utf8');
    const hadAnimation = VB.animationReady;
    delete VB.animationReady;
    // eslint-disable-next-line no-new-func
    class MutationObserver { observe() {} disconnect() {} }
    new Function('window', 'location', 'HTMLObjectElement', 'document', 'getComputedStyle', 'performance', 'setInterval', 'clearInterval',
        'MutationObserver', source)(
        { __tvlvb: VB }, { protocol: 'file:', hostname: '' }, HTMLObjectElement,
        { createElement: node }, (el) => ({ position: el.style.position || 'absolute', display: 'block' }),
        { now: () => now },
        (f) => { intervals.set(nextInterval, f); return nextInterval++; },
        (id) => intervals.delete(id), MutationObserver);
    try {
        const control = Object.assign(Object.create(HTMLObjectElement.prototype), node('object'));
        control.attributes.classid = 'CLSID:B6FFC24C-7E13-11D0-9B47-00C04FC2F51D';
        const block = Object.assign(node('div'), { text: 'comment' });
        // As ie-filters.js wires the redirect filter to the control.
        const redirect = { kind: 'redirect', elementImage: () => VB.redirectImage(block) };
        block.filters = { length: 1, item: (i) => (i === 0 ? redirect : null) };
        const angle = () => {
            const shown = control.children[0].firstChild;
            const m = /^rotate\((-?[\d.e-]+)deg\)$/.exec(shown.style.transform);
            assert.ok(m, 'not a turn: ' + shown.style.transform);
            return Number(m[1]);
        };
        const tick = () => { for (const f of intervals.values()) f(); };
        withPage(pageWith({ DA_mivo: control, mivo_text: block }), () => {
            load(readTemplate('redirect.vs'));
            call('window_onload');
            assert.equal(block.style.visibility, 'hidden', 'the block itself is drawn by the control');
            assert.equal(control.children.length, 1);
            assert.equal(control.children[0].firstChild.text, 'comment');
            assert.equal(intervals.size, 1);
            assert.equal(Math.abs(angle()), 0);
            now = 1000;
            tick();
            const oneSecond = angle();
            assert.notEqual(oneSecond, 0, 'the block does not turn');
            now = 3000;
            tick();
            assert.ok(Math.abs(angle() - 3 * oneSecond) < 1e-9, 'the turn is not steady');
            call('window_onload');
            assert.equal(control.children.length, 1, 'Reload adds a second picture');
            assert.equal(intervals.size, 1, 'Reload leaves the old timer running');
            assert.equal(Math.abs(angle()), 0, 'Reload does not start over');
            now = 4000;
            tick();
            assert.ok(Math.abs(angle() - oneSecond) < 1e-9);
        });
    } finally {
        VB.animationReady = hadAnimation;
    }
});

test('typewriter: types the text letter by letter, pauses, repeats; STOP stops it', () => {
    const t = bodies.find((b) => b.file === 'typewriter.vs');
    const text = t.values['[naiyou]'];
    const area = { value: 'old text' };
    const page = pageWith({ typetext: area });
    const pending = () => [...page.timers.values()];
    // A timer's code string runs as a handler in VBScript would.
    const fire = () => {
        assert.equal(page.timers.size, 1, 'one timer at a time');
        const [id, timer] = [...page.timers.entries()][0];
        assert.match(String(timer.language), /vbscript/i);
        page.timers.delete(id);
        VB.run(timer.code, (e) => { throw e; });
        return timer.ms;
    };
    withPage(page, () => {
        load(substitute(readTemplate(t.file), t.values));
        call('window_onload');
        assert.equal(area.value, text.slice(0, 1));
        for (let k = 2; k <= text.length; k++) {
            fire();
            assert.equal(area.value, text.slice(0, k));
        }
        const letterMs = pending()[0].ms;
        // At the end it waits longer than between letters, then starts again.
        fire();
        assert.equal(area.value, text);
        assert.ok(pending()[0].ms > letterMs, 'no pause at the end');
        fire();
        assert.equal(area.value, text.slice(0, 1));
        fire();
        assert.equal(area.value, text.slice(0, 2));
        // STOP
        call('gostop');
        assert.equal(page.timers.size, 0);
        call('gostop');
        // Reload starts from the first letter with one timer only.
        call('window_onload');
        assert.equal(area.value, text.slice(0, 1));
        call('window_onload');
        assert.equal(page.timers.size, 1);
        call('gostop');
    });
    // An empty text types nothing and sets no timer.
    const empty = pageWith({ typetext: { value: 'x' } });
    withPage(empty, () => {
        load(substitute(readTemplate(t.file), { '[naiyou]': '' }));
        call('window_onload');
        assert.equal(empty.elements.typetext.value, '');
        assert.equal(empty.timers.size, 0);
        call('gostop');
    });
});

// ---- the moving-picture pages, opened in the user's own browser
function movingPage(file) {
    const picture = 'C:\\絵\\mivo.gif';
    const html = substitute(readTemplate(file), { '[chikannimage]': picture });
    assert.ok(readTemplate(file).includes('[chikannimage]'));
    for (const tag of ['<HTML>', '<HEAD>', '</HEAD>', '<BODY', '</BODY>', '</HTML>']) assert.ok(html.includes(tag), file + ' lacks ' + tag);
    assert.match(html, /<META[^>]+charset=Shift_JIS/i);
    const img = /<IMG\b[^>]*\bID="([^"]+)"[^>]*>/i.exec(html);
    assert.ok(img, file + ' has no IMG with an id');
    assert.ok(img[0].includes('SRC="' + picture + '"'), 'the picture is not the IMG');
    assert.match(img[0], /position:\s*absolute/i);
    const script = /<SCRIPT LANGUAGE="JavaScript">([\s\S]*?)<\/SCRIPT>/.exec(html);
    assert.ok(script, file + ' has no JavaScript block');
    // The page's script against a window 800 x 600 holding a picture 50 x 40.
    const pic = { offsetWidth: 50, offsetHeight: 40, style: {} };
    let started = null;
    const window = {
        innerWidth: 800,
        innerHeight: 600,
        setInterval: (f) => { started = f; return 1; },
        clearInterval: () => { started = null; },
    };
    const document = { getElementById: (id) => (id === img[1] ? pic : null), body: {} };
    // eslint-disable-next-line no-new-func
    new Function('window', 'document', script[1])(window, document);
    assert.equal(typeof window.onload, 'function', file + ' does not start on load');
    window.onload();
    assert.equal(typeof started, 'function', file + ' does not keep moving');
    const points = [];
    for (let i = 0; i < 2000; i++) {
        points.push([parseFloat(pic.style.left), parseFloat(pic.style.top)]);
        started();
    }
    for (const [x, y] of points) {
        assert.ok(x >= 0 && x + 50 <= 800 && y >= 0 && y + 40 <= 600, file + ': leaves the window at ' + x + ',' + y);
    }
    const xs = points.map((p) => p[0]);
    const ys = points.map((p) => p[1]);
    const box = { x0: Math.min(...xs), x1: Math.max(...xs), y0: Math.min(...ys), y1: Math.max(...ys) };
    assert.ok(box.x1 - box.x0 > 400 && box.y1 - box.y0 > 300, file + ' hardly moves');
    for (let i = 1; i < points.length; i++) assert.notDeepEqual(points[i], points[i - 1], file + ' stands still');
    return { points, box };
}

test('pathoval.mvo: a whole page whose picture goes round an ellipse', () => {
    const { points, box } = movingPage('pathoval.mvo');
    const cx = (box.x0 + box.x1) / 2;
    const cy = (box.y0 + box.y1) / 2;
    const rx = (box.x1 - box.x0) / 2;
    const ry = (box.y1 - box.y0) / 2;
    for (const [x, y] of points) {
        const r = Math.hypot((x - cx) / rx, (y - cy) / ry);
        assert.ok(Math.abs(r - 1) < 0.02, 'off the ellipse at ' + x + ',' + y);
    }
    // Round and round: both sides of the centre, many times.
    let crossings = 0;
    let side = 0;
    for (const [x] of points) {
        const now = Math.sign(x - cx);
        if (now && side && now !== side) crossings++;
        if (now) side = now;
    }
    assert.ok(crossings >= 4, 'does not go round');
});

test('pathrect.mvo: a whole page whose picture goes round a rectangle', () => {
    const { points, box } = movingPage('pathrect.mvo');
    const sides = new Set();
    for (const [x, y] of points) {
        const on = [x === box.x0 && 'left', x === box.x1 && 'right', y === box.y0 && 'top', y === box.y1 && 'bottom'].filter(Boolean);
        assert.ok(on.length, 'off the rectangle at ' + x + ',' + y);
        for (const s of on) sides.add(s);
    }
    assert.deepEqual([...sides].sort(), ['bottom', 'left', 'right', 'top']);
    // It comes back to where it began, more than once.
    const back = points.filter((p) => p[0] === points[0][0] && p[1] === points[0][1]).length;
    assert.ok(back >= 2, 'does not go round');
});
