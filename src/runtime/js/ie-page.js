// Run mode only: runs the page's VBScript and gives it the page model its
// target browser had (event Subs, handlers in VBScript, case-insensitive
// names, pixel positions, code strings in timers, MsgBox through the host layer).
'use strict';
(function () {
    if (location.protocol === 'tvl:' && /-[a-z]*e[a-z]*$/.test(location.hostname)) return; // edit mode
    const VB = window.__tvlvb;
    if (!VB || VB.pageReady) return;
    VB.pageReady = true;
    const began = performance.now();
    VB.setupMs = 0; // what the runtime adds to the page's load, for the benchmark
    const timed = (f) => (...args) => {
        const t = performance.now();
        try {
            return f(...args);
        } finally {
            VB.setupMs += performance.now() - t;
        }
    };
    const $ = VB.rt;
    const host = VB.host;
    const nativeSetTimeout = window.setTimeout.bind(window);
    const nativeSetInterval = window.setInterval.bind(window);
    // MsgBox, InputBox, the windows a page opens and how errors are shown come from the
    // host layer: the program's own inside it, the page's own dialogs outside.

    // ---- errors: each one once, with its line and what went wrong
    const sources = [];
    const reported = new Set();
    function tell(key, line, code, what, column) {
        if (reported.has(key)) return;
        reported.add(key);
        let text = 'スクリプト エラーが発生しました。\n\n';
        if (line) text += '行: ' + line + '\n';
        if (column) text += '文字: ' + column + '\n';
        if (code) text += 'コード: ' + code + '\n';
        text += 'エラー: ' + what;
        host.scriptError(text);
    }
    // A feature of the page that run mode does not run: said once, in the same way as errors.
    VB.notice = (key, text) => {
        if (reported.has('notice:' + key)) return;
        reported.add('notice:' + key);
        host.notice(text);
    };
    function report(e, blockSource) {
        if (!e) return;
        const block = e.vbBlock !== undefined ? sources[e.vbBlock] : blockSource;
        const line = e.vbLine || 0;
        const number = e.vbNumber || 0;
        const code = block && line ? (block.split(/\r\n|\r|\n/)[line - 1] || '').trim() : '';
        const what = e.vbDescription || e.message || String(e);
        tell((e.vbBlock === undefined ? '?' : e.vbBlock) + ':' + line + ':' + number, line, code, what + (number ? ' (' + number + ')' : ''), e.vbColumn);
    }
    VB.report = report;

    // The page's JavaScript: an uncaught error is told the same way; what is thrown in the
    // runtime's own scripts is not the page's error.
    const sourceTexts = new Map();
    function sourceLine(url, line) {
        if (!line) return '';
        if (!sourceTexts.has(url)) {
            let text = '';
            try {
                const xhr = new XMLHttpRequest();
                xhr.open('GET', url, false);
                xhr.send();
                if (xhr.status === 200 || xhr.status === 0) text = xhr.responseText;
            } catch (e) {
                // The line's text only helps; the message goes without it.
            }
            sourceTexts.set(url, text);
        }
        const code = (sourceTexts.get(url).split(/\r\n|\r|\n/)[line - 1] || '').trim();
        return code.length > 120 ? code.slice(0, 117) + '...' : code;
    }
    // The engine's English messages, said in Japanese where a page's errors commonly say them.
    const SAYINGS = [
        [/^(.+) is not defined$/, (m) => "'" + m[1] + "' は定義されていません。"],
        [/^(.+) is not a function$/, (m) => "'" + m[1] + "' は関数ではありません。"],
        [/^(.+) is not a constructor$/, (m) => "'" + m[1] + "' は New で作れるものではありません。"],
        [/^Cannot read propert(?:y|ies) of (null|undefined)(?: \(reading '(.*)'\))?$/,
            (m) => (m[2] ? "'" + m[2] + "' を読み取ろうとしましたが、" : '') + 'オブジェクトが ' + m[1] + ' です。'],
        [/^Cannot set propert(?:y|ies) of (null|undefined)(?: \(setting '(.*)'\))?$/,
            (m) => (m[2] ? "'" + m[2] + "' に書き込もうとしましたが、" : '') + 'オブジェクトが ' + m[1] + ' です。'],
        [/^Assignment to constant variable\.?$/, () => '定数には代入できません。'],
        [/^Cannot access '(.+)' before initialization$/, (m) => "'" + m[1] + "' は値が決まる前に使われています。"],
        [/^Identifier '(.+)' has already been declared$/, (m) => "'" + m[1] + "' は既に宣言されています。"],
        [/^Maximum call stack size exceeded$/, () => '呼び出しが深すぎます (スタック領域が不足しています)。'],
        [/^Invalid array length$/, () => '配列の長さが正しくありません。'],
        [/^Unexpected end of input$/, () => 'スクリプトが途中で終わっています。'],
        [/^Unexpected token '(.+)'$/, (m) => "ここに '" + m[1] + "' は書けません。"],
        [/^Unexpected identifier(?: '(.+)')?$/, (m) => (m[1] ? "ここに名前 '" + m[1] + "' は書けません。" : 'ここに名前は書けません。')],
        [/^Unexpected string$/, () => 'ここに文字列は書けません。'],
        [/^Unexpected number$/, () => 'ここに数値は書けません。'],
        [/^Invalid or unexpected token$/, () => '使えない文字か、閉じていない文字列があります。'],
        [/^missing \) after argument list$/, () => '引数の後に ) がありません。'],
        [/^Invalid left-hand side in assignment$/, () => '代入の左側が正しくありません。'],
    ];
    const KINDS = {
        ReferenceError: '参照できません', TypeError: '値の種類が正しくありません', SyntaxError: '構文が正しくありません',
        RangeError: '値が範囲を超えています', URIError: 'アドレスが正しくありません', EvalError: 'eval を実行できません',
    };
    function explain(message, kind) {
        let said = String(message || '').replace(/^Uncaught\s+/, '');
        const named = /^([A-Za-z]*Error):\s*/.exec(said);
        if (named) {
            kind = kind || named[1];
            said = said.slice(named[0].length);
        }
        const suffix = kind ? ' (JavaScript ' + kind + ')' : ' (JavaScript)';
        for (const [pattern, say] of SAYINGS) {
            const m = pattern.exec(said);
            if (m) return say(m) + suffix;
        }
        return (KINDS[kind] ? KINDS[kind] + ': ' : '') + said + suffix;
    }
    window.addEventListener('error', (ev) => {
        // VBScript called from the page's JavaScript fails as VBScript; the engine hides
        // that error, thrown where the runtime runs it, but the runtime kept it.
        const escaped = $.escaped;
        $.escaped = null;
        const e = ev.error || escaped;
        if (e && (e === escaped || e.vbRuntime)) { ev.preventDefault(); report($.at(e)); return; }
        // An untyped block after a VBScript one is VBScript; the engine tried it as JavaScript first.
        if (e instanceof SyntaxError && document.currentScript && treatedAsVbScript(document.currentScript)) { ev.preventDefault(); return; }
        if (!ev.filename || host.ownSource(ev.filename) || host.browserTellsPageErrors) return;
        const kind = e && e.name ? String(e.name) : '';
        tell('js:' + ev.filename + ':' + ev.lineno + ':' + kind, ev.lineno, sourceLine(ev.filename, ev.lineno), explain(ev.message, kind));
    });

    function guarded(f, blockSource) {
        return function (...args) {
            try {
                return f.apply(this, args);
            } catch (e) {
                report($.at(e), blockSource);
                return undefined;
            }
        };
    }

    // ---- names
    let elementsByName = null;
    function elementNamed(lc) {
        if (!elementsByName || !(lc in elementsByName) || !elementsByName[lc].isConnected) {
            elementsByName = Object.create(null);
            for (const el of document.querySelectorAll('[id],[name]')) {
                const id = (el.id || el.getAttribute('name') || '').toLowerCase();
                if (id && !(id in elementsByName)) elementsByName[id] = el;
            }
        }
        return elementsByName[lc] || null;
    }
    let me = null; // the element whose handler attribute is running
    host.lookup = (lc) => {
        if (lc === 'me' && me) return { v: me, where: 'e' };
        const el = elementNamed(lc);
        if (el) return { v: el, where: 'e' };
        const k = $.key(window, lc);
        if (k in window) {
            const v = window[k];
            return { v, self: window, where: 'w' };
        }
        return null;
    };
    host.assign = (lc, v) => {
        const k = $.key(window, lc);
        if (k in window && !(lc in VB.globals)) { window[k] = v; return true; }
        return false;
    };

    // ---- the browser's own members
    const pixel = (prop, unitless) => ({
        get() { return parseFloat(this[prop]) || 0; },
        set(v) { this[prop] = unitless ? String(v) : (Number(v) || 0) + 'px'; },
        enumerable: true,
        configurable: true,
    });
    const style = CSSStyleDeclaration.prototype;
    for (const [name, prop] of [['Left', 'left'], ['Top', 'top'], ['Width', 'width'], ['Height', 'height']]) {
        Object.defineProperty(style, 'pixel' + name, pixel(prop, false));
        Object.defineProperty(style, 'pos' + name, {
            get() { return parseFloat(this[prop]) || 0; },
            set(v) {
                const unit = /[a-z%]+$/i.exec(this[prop] || '');
                this[prop] = (Number(v) || 0) + (unit ? unit[0] : 'px');
            },
            enumerable: true,
            configurable: true,
        });
    }
    if (typeof HTMLAllCollection !== 'undefined' && !HTMLAllCollection.prototype.tags) {
        Object.defineProperty(HTMLAllCollection.prototype, 'tags', {
            value(tag) { return document.getElementsByTagName(String(tag)); },
            enumerable: true,
            configurable: true,
        });
    }

    // Code strings in timers may be VBScript, by their language argument or by their text.
    function timerCode(code, language) {
        if (typeof code !== 'string') return code;
        let vb = language !== undefined && /vbs/i.test(String(language));
        if (!vb && language === undefined) {
            try {
                // eslint-disable-next-line no-new-func
                new Function(code);
            } catch (e) {
                vb = true;
            }
        }
        if (!vb) return code;
        return handlerFor(code);
    }
    window.setTimeout = function (code, ms, language, ...rest) { return nativeSetTimeout(timerCode(code, language), ms, ...rest); };
    window.setInterval = function (code, ms, language, ...rest) { return nativeSetInterval(timerCode(code, language), ms, ...rest); };

    // ---- VBScript blocks
    function isVbScript(el) {
        const type = (el.getAttribute('type') || '') + ' ' + (el.getAttribute('language') || '');
        return /vbs/i.test(type);
    }
    function isUntyped(el) {
        return !el.hasAttribute('type') && !el.hasAttribute('language') && !el.hasAttribute('src');
    }
    function parsesAsJavaScript(code) {
        try {
            // eslint-disable-next-line no-new-func
            new Function(code);
            return true;
        } catch (e) {
            return false;
        }
    }
    function treatedAsVbScript(script) {
        let vb = false;
        for (const el of document.getElementsByTagName('script')) {
            vb = isVbScript(el) || (isUntyped(el) && vb && !parsesAsJavaScript(el.text));
            if (el === script) return vb;
        }
        return false;
    }
    const done = new WeakSet();
    let lastWasVb = false;
    function runBlock(el) {
        if (done.has(el)) return;
        done.add(el);
        // An untyped block after a VBScript one is VBScript too, unless the engine
        // already ran it as JavaScript.
        const vb = isVbScript(el) || (isUntyped(el) && lastWasVb && !parsesAsJavaScript(el.text));
        if (!vb) { lastWasVb = lastWasVb && isUntyped(el); if (!isUntyped(el)) lastWasVb = false; return; }
        lastWasVb = true;
        const id = sources.length;
        const text = el.text;
        sources.push(text);
        VB.run(text, (e) => { if (e.vbBlock === undefined) e.vbBlock = id; report(e, text); }, id);
        exportProcedures();
        if (bound) bindEventSubs();
    }
    function runBlocksSoFar() {
        for (const el of document.getElementsByTagName('script')) runBlock(el);
    }

    // VB procedures are visible to the page's JavaScript under their own names.
    function exportProcedures() {
        for (const lc of Object.keys(VB.globals)) {
            const f = VB.globals[lc];
            if (typeof f === 'function' && f.$vb && f.vbName && !(f.vbName in window)) window[f.vbName] = f;
        }
    }

    // Sub id_event: the element's (or window's, document's) handler for that event.
    const boundSubs = new Set();
    let bound = false;
    function bindEventSubs() {
        bound = true;
        for (const lc of Object.keys(VB.globals)) {
            const f = VB.globals[lc];
            if (typeof f !== 'function' || !f.$vb || boundSubs.has(lc)) continue;
            const cut = lc.lastIndexOf('_on');
            if (cut <= 0) continue;
            const owner = lc.slice(0, cut);
            const event = lc.slice(cut + 3);
            let targets;
            if (owner === 'window') targets = [window];
            else if (owner === 'document') targets = [document];
            else targets = [...document.querySelectorAll('[id],[name]')].filter((el) => (el.id || el.getAttribute('name') || '').toLowerCase() === owner);
            if (!targets.length) continue;
            boundSubs.add(lc);
            const handler = guarded(() => f.$vb([]));
            for (const t of targets) t.addEventListener(event, handler);
        }
    }

    // A handler attribute in VBScript: by the element's LANGUAGE, or because it only parses as VBScript.
    function handlerFor(code) {
        let run = null;
        return guarded(function () {
            if (!run) {
                const compiled = VB.compile(code, VB.known);
                VB.known = { globals: compiled.globals, procs: compiled.procs };
                // eslint-disable-next-line no-new-func
                run = new Function('$', 'G', compiled.source)($, VB.globals);
            }
            $.started = Date.now();
            $.ticks = 0;
            const outer = me;
            me = this;
            try {
                return run();
            } finally {
                me = outer;
            }
        }, code);
    }
    function compilesAsVbScript(code) {
        try {
            VB.compile(code, VB.known);
            return true;
        } catch (e) {
            return false;
        }
    }
    function convertHandlers() {
        for (const el of document.querySelectorAll('*')) {
            const language = el.getAttribute('language') || '';
            for (const attr of [...el.attributes]) {
                if (!attr.name.startsWith('on')) continue;
                let vb = /vbs/i.test(language);
                if (!vb && !/jscript|javascript/i.test(language)) {
                    try {
                        // eslint-disable-next-line no-new-func
                        new Function('event', attr.value);
                    } catch (e) {
                        vb = true;
                    }
                }
                // Handler text marked VBScript that is not VBScript but is JavaScript
                // (alert('...'), where VBScript reads a comment) stays JavaScript.
                if (vb && /vbs/i.test(language) && !compilesAsVbScript(attr.value) && parsesAsJavaScript(attr.value)) vb = false;
                if (vb) el[attr.name] = handlerFor(attr.value);
            }
        }
    }

    // Blocks run as the parser meets them, so that later page scripts find what they define.
    const observer = new MutationObserver(timed(runBlocksSoFar));
    observer.observe(document, { childList: true, subtree: true });
    document.addEventListener('DOMContentLoaded', timed(() => {
        observer.disconnect();
        runBlocksSoFar();
        convertHandlers();
        bindEventSubs();
    }), { once: true });
    VB.setupMs += performance.now() - began;
})();
