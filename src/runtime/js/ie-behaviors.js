// Run mode only: behaviors. Attached behaviors written in JScript (.htc files
// named by "behavior:url(...)" in style attributes, style blocks and linked
// style sheets, or by addBehavior) run on their elements: PUBLIC:ATTACH,
// PROPERTY, METHOD and EVENT, with the element as the script's default object.
// The default behaviors clientCaps, homePage, userData and download answer.
// What run mode does not run (HTML+TIME, VML, element behaviors through
// ?IMPORT, behaviors in VBScript) is told once, in Japanese, when the page loads.
'use strict';
(function () {
    if (location.protocol === 'tvl:' && /-[a-z]*e[a-z]*$/.test(location.hostname)) return; // edit mode
    const VB = window.__tvlvb;
    if (!VB || VB.behaviorsReady) return;
    VB.behaviorsReady = true;

    const unsupported = new Map(); // what the notice lists -> true
    const FEATURES = {
        time: 'HTML+TIME (時間を指定して要素を表示したり動かしたりする機能)',
        vml: 'VML (ベクター図形を描く機能)',
        element: '要素ビヘイビア (?IMPORT で取り込む .htc)',
        vbscript: 'VBScript で書かれたビヘイビア (.htc)',
        other: 'ビヘイビア',
    };
    const miss = (feature, detail) => unsupported.set(FEATURES[feature] + (detail ? ': ' + detail : ''), true);

    // ---- reading text of the page's own files
    function fetchText(url) {
        try {
            const xhr = new XMLHttpRequest();
            xhr.open('GET', url, false);
            xhr.send();
            return xhr.status === 200 || xhr.status === 0 ? xhr.responseText : null;
        } catch (e) {
            return null;
        }
    }

    // The engine's fetch does not take the program's own scheme; a request does.
    function readLater(url) {
        return new Promise((resolve) => {
            const xhr = new XMLHttpRequest();
            xhr.open('GET', url);
            xhr.onload = () => resolve(xhr.status === 200 || xhr.status === 0 ? xhr.responseText : '');
            xhr.onerror = () => resolve('');
            xhr.send();
        });
    }

    // ---- IE's style members that behaviors lean on
    if (!('runtimeStyle' in HTMLElement.prototype)) {
        Object.defineProperty(HTMLElement.prototype, 'runtimeStyle', { get() { return this.style; }, configurable: true });
    }
    if (!('currentStyle' in HTMLElement.prototype)) {
        Object.defineProperty(HTMLElement.prototype, 'currentStyle', { get() { return getComputedStyle(this); }, configurable: true });
    }

    // ---- components (.htc files), parsed once each
    const components = new Map(); // absolute url -> component or null
    function component(url) {
        if (components.has(url)) return components.get(url);
        const text = fetchText(url);
        let parsed = null;
        if (text !== null) {
            const doc = new DOMParser().parseFromString(text, 'text/html');
            const tag = (name) => [...doc.querySelectorAll('*')].filter((el) => el.localName === 'public:' + name || el.localName === name);
            const scripts = [...doc.getElementsByTagName('script')];
            parsed = {
                url,
                vbscript: scripts.some((s) => /vbs/i.test((s.getAttribute('language') || '') + (s.getAttribute('type') || ''))),
                script: scripts.filter((s) => !/vbs/i.test((s.getAttribute('language') || '') + (s.getAttribute('type') || ''))).map((s) => s.textContent).join('\n'),
                attach: tag('attach').map((a) => ({ event: (a.getAttribute('event') || '').toLowerCase(), on: a.getAttribute('onevent') || '', for: (a.getAttribute('for') || 'element').toLowerCase() })),
                properties: tag('property').map((p) => ({
                    name: p.getAttribute('name'), internal: p.getAttribute('internalname'), get: p.getAttribute('get'), put: p.getAttribute('put'), value: p.getAttribute('value'),
                })).filter((p) => p.name),
                methods: tag('method').map((m) => ({ name: m.getAttribute('name'), internal: m.getAttribute('internalname') || m.getAttribute('name') })).filter((m) => m.name),
                events: tag('event').map((e) => ({ name: e.getAttribute('name'), id: e.getAttribute('id') })).filter((e) => e.name),
                tagName: (tag('component')[0] || { getAttribute: () => null }).getAttribute('tagname'),
            };
        }
        components.set(url, parsed);
        return parsed;
    }

    const identifier = (s) => /^[A-Za-z_$][\w$]*$/.test(s || '');
    // One instance of a component on one element: its script runs with the element as default object.
    function attach(el, c) {
        el.__tvlBehaviors = el.__tvlBehaviors || new Set();
        if (el.__tvlBehaviors.has(c.url)) return;
        el.__tvlBehaviors.add(c.url);
        if (c.vbscript) {
            miss('vbscript', c.url.split('/').pop());
            return;
        }
        const names = [...c.properties.flatMap((p) => [p.get, p.put, p.internal]), ...c.methods.map((m) => m.internal)].filter(identifier);
        const handlers = c.attach.map((a) => 'function(event){' + a.on + '\n}');
        const fired = c.events.filter((e) => identifier(e.id));
        const body = 'with(element){' + fired.map((e) => 'var ' + e.id + '=__events[' + JSON.stringify(e.id) + '];').join('') + '\n' + c.script +
            '\nreturn {handlers:[' + handlers.join(',') + '],names:{' + names.map((n) => JSON.stringify(n) + ':typeof ' + n + "==='function'?" + n + ':undefined').join(',') + '}};}';
        let made;
        const events = {};
        for (const e of fired) {
            events[e.id] = {
                fire(ev) {
                    const handler = el[e.name.toLowerCase()] || el.getAttribute(e.name);
                    // eslint-disable-next-line no-new-func
                    const f = typeof handler === 'string' ? new Function('event', handler) : handler;
                    if (typeof f === 'function') f.call(el, ev || {});
                },
            };
        }
        try {
            // eslint-disable-next-line no-new-func
            made = new Function('element', '__events', body)(el, events);
        } catch (e) {
            // A fault in the behavior's script is the page's error.
            setTimeout(() => { throw e; });
            return;
        }
        for (const p of c.properties) {
            let stored = el.hasAttribute(p.name) ? el.getAttribute(p.name) : p.value;
            const get = made.names[p.get];
            const put = made.names[p.put];
            Object.defineProperty(el, p.name, {
                get: get ? () => get() : () => stored,
                set: put ? (v) => put(v) : (v) => { stored = v; },
                configurable: true,
            });
        }
        for (const m of c.methods) if (made.names[m.internal]) el[m.name] = made.names[m.internal];
        const later = [];
        c.attach.forEach((a, i) => {
            const handler = made.handlers[i];
            const call = (ev) => handler.call(el, ev || window.event);
            if (a.event === 'oncontentready' || a.event === 'ondocumentready') later.push([a.event, call]);
            else if (a.event.startsWith('on')) {
                const target = a.for === 'document' ? document : a.for === 'window' ? window : el;
                target.addEventListener(a.event.slice(2), call);
            }
        });
        const ready = () => {
            for (const [event, call] of later) if (event === 'oncontentready') call();
            for (const [event, call] of later) if (event === 'ondocumentready') call();
        };
        if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', ready, { once: true });
        else ready();
    }

    // ---- the default behaviors
    const userData = new Map(); // store name -> attributes, for this run of the page
    const DEFAULTS = {
        clientcaps(el) {
            Object.assign(el, {
                connectionType: 'lan', cookieEnabled: navigator.cookieEnabled, cpuClass: 'x86', javaEnabled: false, platform: 'Win32',
                systemLanguage: 'ja', userLanguage: 'ja', width: screen.width, height: screen.height, availWidth: screen.availWidth,
                availHeight: screen.availHeight, colorDepth: screen.colorDepth, bufferDepth: 0,
                isComponentInstalled: () => false, getComponentVersion: () => '',
            });
        },
        homepage(el) {
            Object.assign(el, { isHomePage: () => false, setHomePage: () => {}, navigateHomePage: () => {} });
        },
        userdata(el) {
            Object.assign(el, {
                save(name) {
                    const kept = {};
                    for (const a of el.attributes) kept[a.name] = a.value;
                    userData.set(String(name), kept);
                },
                load(name) {
                    const kept = userData.get(String(name));
                    if (kept) for (const [k, v] of Object.entries(kept)) el.setAttribute(k, v);
                },
            });
            el.expires = '';
        },
        download(el) {
            el.startDownload = (url, callback) => {
                const xhr = new XMLHttpRequest();
                xhr.open('GET', new URL(String(url), location.href).href);
                xhr.onload = () => { if (typeof callback === 'function') callback(xhr.responseText); };
                xhr.send();
            };
        },
    };
    function applyBehavior(el, reference, base) {
        const m = /^#default#(\w+)$/i.exec(reference);
        if (m) {
            const kind = m[1].toLowerCase();
            if (kind === 'time' || kind === 'time2') miss('time');
            else if (kind === 'vml') miss('vml');
            else if (DEFAULTS[kind]) DEFAULTS[kind](el);
            else miss('other', reference);
            return;
        }
        if (reference.startsWith('#')) return; // a behavior the page defines by an OBJECT: nothing to attach
        const c = component(new URL(reference, base).href);
        if (c) attach(el, c);
    }
    const URLS = /url\(\s*(['"]?)([^'")]+)\1\s*\)/gi;
    function behaviorsIn(declarations) {
        const m = /(?:^|;|\{)\s*behavior\s*:\s*([^;}]*)/i.exec(declarations);
        if (!m) return [];
        return [...m[1].matchAll(URLS)].map((u) => u[2].trim());
    }

    HTMLElement.prototype.addBehavior = function (url) {
        applyBehavior(this, String(url), location.href);
        return 1;
    };
    HTMLElement.prototype.removeBehavior = () => true;

    function fromStyleText(text, base) {
        const rules = /([^{}]+)\{([^{}]*)\}/g;
        let m;
        while ((m = rules.exec(text)) !== null) {
            const refs = behaviorsIn('{' + m[2]);
            if (!refs.length) continue;
            let elements = [];
            try {
                elements = document.querySelectorAll(m[1].trim());
            } catch (e) {
                continue; // a selector only the older browser read
            }
            for (const el of elements) for (const r of refs) applyBehavior(el, r, base);
        }
    }
    function tellUnsupported() {
        if (!unsupported.size || !VB.notice) return;
        VB.notice('unsupported', 'このページは、Tovaleaf の実行モードでは動かない機能を使っています。\n\n' +
            [...unsupported.keys()].map((k) => '・' + k).join('\n') + '\n\nこれらの部分は動きませんが、ページのほかの部分は動きます。');
    }
    function scan() {
        for (const el of document.querySelectorAll('[style*="behavior" i]')) {
            for (const r of behaviorsIn(el.getAttribute('style') || '')) applyBehavior(el, r, location.href);
        }
        for (const style of document.querySelectorAll('style')) fromStyleText(style.textContent, location.href);
        // <?IMPORT namespace=... implementation=...> is a comment to the engine's parser.
        const walker = document.createTreeWalker(document, NodeFilter.SHOW_COMMENT);
        for (let n = walker.nextNode(); n; n = walker.nextNode()) {
            const m = /^\?import\b[^>]*implementation\s*=\s*["']?([^"'\s>]+)/i.exec(n.data);
            if (!m) continue;
            if (/^#default#time2?$/i.test(m[1])) miss('time');
            else miss('element', m[1]);
        }
        // HTML+TIME's and VML's elements and attributes.
        for (const el of document.getElementsByTagName('*')) {
            const prefix = el.tagName.slice(0, 2).toLowerCase();
            if (prefix === 't:' || el.hasAttribute('timecontainer') || el.hasAttribute('timeaction')) miss('time');
            else if (prefix === 'v:') miss('vml');
        }
        // Linked style sheets are read without holding the page up; what they attach comes a moment later.
        const links = [...document.querySelectorAll('link[rel~="stylesheet" i][href]')];
        Promise.all(links.map((link) => readLater(link.href).then((text) => {
            if (/behavior/i.test(text)) fromStyleText(text, link.href);
        }))).then(tellUnsupported);
    }
    // Counted in what the runtime adds to the page's load, for the benchmark.
    document.addEventListener('DOMContentLoaded', () => {
        const began = performance.now();
        scan();
        VB.setupMs = (VB.setupMs || 0) + performance.now() - began;
    }, { once: true });
})();
