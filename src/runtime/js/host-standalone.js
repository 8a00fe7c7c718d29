// Outside the program (a page written for today's browsers): MsgBox as a plain
// message box drawn in the page, questions through the browser's own dialogs
// where the answer must come back at once, dialog windows and full screen as
// layers over the page, script errors in the page's console.
'use strict';
(function () {
    const VB = window.__tvlvb;
    if (!VB || VB.hostReady) return;
    VB.hostReady = true;
    const $ = VB.rt;
    const host = VB.host;
    const ownScript = document.currentScript && document.currentScript.src ? document.currentScript.src : '';
    const nativeConfirm = window.confirm.bind(window);
    const nativePrompt = window.prompt.bind(window);
    const nativeOpen = window.open.bind(window);
    const nativeClose = window.close.bind(window);

    host.ownSource = (url) => ownScript !== '' && url === ownScript;
    // The browser already tells the page's own JavaScript errors in its console.
    host.browserTellsPageErrors = true;
    host.scriptError = (text) => { console.error(text); };
    // What the runtime does not run (such as HTML+TIME) is no error of the page.
    host.notice = (text) => { console.warn(text); };

    // ---- the layer our boxes and windows are drawn in, apart from the page's styles and names
    const STYLE = `
        :host { all: initial; }
        .cover { position: fixed; inset: 0; z-index: 2147483647; display: flex; align-items: center; justify-content: center;
            font: 13px/1.5 "Meiryo UI", "MS UI Gothic", "IPAPGothic", "Noto Sans CJK JP", sans-serif; color: #000; }
        .cover.see-through { pointer-events: none; }
        .cover.see-through > * { pointer-events: auto; }
        .window { background: #f0f0f0; border: 1px solid #6d6d6d; box-shadow: 3px 3px 10px rgba(0, 0, 0, .35);
            display: flex; flex-direction: column; min-width: 0; }
        .bar { display: flex; align-items: center; gap: 8px; padding: 3px 4px 3px 8px; background: #fff; border-bottom: 1px solid #d9d9d9;
            cursor: default; user-select: none; }
        .bar .caption { flex: 1; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
        .bar button { width: 28px; height: 22px; border: 0; background: transparent; font: inherit; font-size: 15px; line-height: 1; }
        .bar button:hover { background: #e81123; color: #fff; }
        .message { min-width: 260px; max-width: min(560px, 92vw); }
        .body { display: flex; gap: 14px; align-items: flex-start; padding: 18px 18px 14px; background: #fff; }
        .icon { flex: none; width: 32px; height: 32px; border-radius: 50%; color: #fff; font: bold 20px/32px sans-serif; text-align: center; }
        .icon.critical { background: #d32f2f; }
        .icon.question, .icon.information { background: #1e6fd9; }
        .icon.warning { background: #f4b400; color: #000; border-radius: 4px; }
        .text { white-space: pre-wrap; overflow-wrap: anywhere; max-height: 60vh; overflow: auto; padding-top: 5px; }
        .buttons { display: flex; justify-content: flex-end; gap: 8px; padding: 10px 12px; }
        .buttons button { min-width: 80px; padding: 3px 10px; font: inherit; background: #e1e1e1; border: 1px solid #adadad; }
        .buttons button:focus { outline: 1px dotted #000; outline-offset: -4px; border-color: #0078d7; }
        .page { background: #fff; }
        .page iframe { display: block; border: 0; width: 100%; height: 100%; background: #fff; }
        .full { position: fixed; inset: 0; background: #fff; }
        .full iframe { display: block; border: 0; width: 100%; height: 100%; }
        .hint { position: fixed; top: 12px; left: 50%; transform: translateX(-50%); background: #333; color: #fff; padding: 6px 12px;
            border-radius: 4px; transition: opacity .4s; }
        .hint.gone { opacity: 0; pointer-events: none; }
        .leave { position: fixed; top: 8px; right: 8px; background: #333; color: #fff; border: 0; border-radius: 4px; padding: 4px 10px; font: inherit; }
    `;
    let layer = null;
    let shown = 0;
    function layerRoot() {
        if (!layer) {
            layer = document.createElement('tovaleaf-layer');
            const root = layer.attachShadow({ mode: 'open' });
            const style = document.createElement('style');
            style.textContent = STYLE;
            root.appendChild(style);
            layer.root = root;
        }
        if (!layer.isConnected) document.documentElement.appendChild(layer);
        return layer.root;
    }
    function add(part) {
        layerRoot().appendChild(part);
        ++shown;
        return part;
    }
    function drop(part) {
        part.remove();
        if (--shown === 0 && layer) layer.remove();
    }
    function element(tag, className, text) {
        const e = document.createElement(tag);
        if (className) e.className = className;
        if (text !== undefined) e.textContent = text;
        return e;
    }
    function titleBar(caption, close) {
        const bar = element('div', 'bar');
        bar.appendChild(element('span', 'caption', caption));
        const x = element('button', '', '\u00d7');
        x.type = 'button';
        x.title = '閉じる';
        x.addEventListener('click', close);
        bar.appendChild(x);
        return bar;
    }

    // ---- MsgBox
    const LABEL = { 1: 'OK', 2: 'キャンセル', 3: '中止', 4: '再試行', 5: '無視', 6: 'はい', 7: 'いいえ' };
    const ICON = { 16: ['critical', '\u00d7'], 32: ['question', '?'], 48: ['warning', '!'], 64: ['information', 'i'] };
    const waiting = [];
    let boxUp = false;
    // A box with only OK needs no answer: the page goes on, and the boxes are shown one after another.
    function queueBox(text, title, style) {
        waiting.push({ text, title, style });
        if (!boxUp) nextBox();
    }
    function nextBox() {
        const next = waiting.shift();
        if (!next) { boxUp = false; return; }
        boxUp = true;
        const before = document.activeElement;
        const cover = element('div', 'cover');
        const box = element('div', 'window message');
        box.setAttribute('role', 'alertdialog');
        box.setAttribute('aria-modal', 'true');
        const close = () => {
            drop(cover);
            if (before && typeof before.focus === 'function' && before.isConnected) before.focus();
            nextBox();
        };
        box.appendChild(titleBar(next.title, close));
        const body = element('div', 'body');
        const icon = ICON[next.style & 0x70];
        if (icon) body.appendChild(element('div', 'icon ' + icon[0], icon[1]));
        body.appendChild(element('div', 'text', next.text));
        box.appendChild(body);
        const buttons = element('div', 'buttons');
        const ok = element('button', '', LABEL[1]);
        ok.type = 'button';
        ok.addEventListener('click', close);
        buttons.appendChild(ok);
        box.appendChild(buttons);
        box.addEventListener('keydown', (ev) => {
            if (ev.key === 'Escape' || ev.key === 'Enter') { ev.preventDefault(); close(); }
            ev.stopPropagation();
        });
        cover.appendChild(box);
        add(cover);
        ok.focus();
    }
    const withTitle = (text, title) => (title && title !== 'VBScript' ? title + '\n\n' + text : text);
    host.msgBox = (text, buttons, title) => {
        const style = Number(buttons) || 0;
        const set = style & 0x0f;
        if (set === 0) {
            queueBox(String(text), title || 'VBScript', style);
            return 1;
        }
        // A question's answer is what the script goes on with: the browser's own dialogs give it at once.
        const said = withTitle(String(text), title);
        const second = ((style >> 8) & 3) === 1;
        let answer;
        switch (set) {
        case 1: answer = nativeConfirm(said) ? 1 : 2; break;
        case 4: answer = nativeConfirm(said + '\n\n（OK: はい　キャンセル: いいえ）') ? 6 : 7; break;
        case 5: answer = nativeConfirm(said + '\n\n（OK: 再試行　キャンセル: キャンセル）') ? 4 : 2; break;
        case 3: {
            const typed = nativePrompt(said + '\n\nはい は Y、いいえ は N（キャンセルで取り消し）', second ? 'N' : 'Y');
            answer = typed === null ? 2 : /^\s*[nNｎＮい]/.test(typed) ? 7 : 6;
            break;
        }
        case 2: {
            const typed = nativePrompt(said + '\n\n中止 は A、再試行 は R、無視 は I', second ? 'R' : 'A');
            answer = typed === null ? 3 : /^\s*[iIｉＩ無]/.test(typed) ? 5 : /^\s*[rRｒＲ再]/.test(typed) ? 4 : 3;
            break;
        }
        default: answer = nativeConfirm(said) ? 1 : 2; break;
        }
        $.started = Date.now();
        return answer;
    };
    host.inputBox = (text, title, def) => {
        const answer = nativePrompt(withTitle(String(text), title), def === undefined ? '' : String(def));
        $.started = Date.now();
        return answer;
    };

    // ---- windows the page opens: dialogs and full screen, drawn over the page
    const plain = (v) => {
        try {
            return v === undefined ? null : JSON.parse(JSON.stringify(v));
        } catch (e) {
            return null; // objects of the page do not travel between windows
        }
    };
    const address = (url) => new URL(String(url === undefined ? '' : url), location.href).href;
    // "dialogWidth:300px; dialogHeight:20em" -> pixels.
    function featureSize(features, name, fallback) {
        const m = new RegExp(name + '\\s*[:=]\\s*([0-9.]+)\\s*(px|em|pt)?', 'i').exec(features);
        if (!m) return fallback;
        const v = Number(m[1]);
        return Math.round(m[2] && m[2].toLowerCase() === 'em' ? v * 16 : m[2] && m[2].toLowerCase() === 'pt' ? v * 4 / 3 : v);
    }
    const FRAME_ROLE = /^tovaleaf-(dialog|full):(.*)$/s;
    const opened = new Map(); // the window of each layer's frame -> how to close it, and its caption
    function pageFrame(url, role, args) {
        const frame = document.createElement('iframe');
        frame.name = 'tovaleaf-' + role + ':' + JSON.stringify({ arguments: plain(args) });
        frame.src = url;
        return frame;
    }
    function openDialog(url, args, features, modal) {
        const text = String(features || '');
        const cover = element('div', modal ? 'cover' : 'cover see-through');
        const win = element('div', 'window page-window');
        win.setAttribute('role', 'dialog');
        if (modal) win.setAttribute('aria-modal', 'true');
        const caption = decodeURIComponent(url.replace(/[?#].*$/, '').replace(/^.*\//, '')) || url;
        let closed = false;
        const close = () => {
            if (closed) return;
            closed = true;
            opened.delete(frame.contentWindow);
            drop(cover);
        };
        const bar = titleBar(caption, close);
        win.appendChild(bar);
        const page = element('div', 'page');
        page.style.width = featureSize(text, 'dialogWidth', 400) + 'px';
        page.style.height = featureSize(text, 'dialogHeight', 300) + 'px';
        page.style.maxWidth = '96vw';
        page.style.maxHeight = 'calc(96vh - 30px)';
        const frame = pageFrame(url, 'dialog', args);
        page.appendChild(frame);
        win.appendChild(page);
        const left = featureSize(text, 'dialogLeft', -1);
        const top = featureSize(text, 'dialogTop', -1);
        if (left >= 0 && top >= 0 && !/center\s*[:=]\s*(yes|1|on)/i.test(text)) {
            win.style.position = 'fixed';
            win.style.left = left + 'px';
            win.style.top = top + 'px';
        }
        cover.appendChild(win);
        // The caption as the page's title when the page lets us read it.
        frame.addEventListener('load', () => {
            try {
                const title = frame.contentDocument && frame.contentDocument.title;
                if (title) bar.firstChild.textContent = title;
            } catch (e) {
                // A page from elsewhere keeps its file name as the caption.
            }
        });
        cover.addEventListener('keydown', (ev) => { if (ev.key === 'Escape') close(); });
        add(cover);
        opened.set(frame.contentWindow, { close, caption: bar.firstChild });
        bar.lastChild.focus();
    }
    window.showModalDialog = (url, args, features) => {
        // The page cannot wait for the dialog here: it goes on at once, and the dialog stays over it.
        openDialog(address(url), args, features, true);
        return undefined;
    };
    window.showModelessDialog = (url, args, features) => {
        openDialog(address(url), args, features, false);
        return null;
    };

    function openFullScreen(url) {
        const cover = element('div', 'full');
        const frame = pageFrame(url, 'full');
        cover.appendChild(frame);
        const hint = element('div', 'hint', 'Esc キーで元の画面に戻ります');
        cover.appendChild(hint);
        let closed = false;
        let wasFull = false;
        const close = () => {
            if (closed) return;
            closed = true;
            opened.delete(frame.contentWindow);
            document.removeEventListener('fullscreenchange', change);
            document.removeEventListener('keydown', escape, true);
            if (document.fullscreenElement && document.exitFullscreen) document.exitFullscreen().catch(() => {});
            drop(cover);
        };
        const change = () => {
            if (document.fullscreenElement) wasFull = true;
            else if (wasFull) close();
        };
        const escape = (ev) => { if (ev.key === 'Escape') close(); };
        document.addEventListener('fullscreenchange', change);
        document.addEventListener('keydown', escape, true);
        add(cover);
        opened.set(frame.contentWindow, { close, caption: null });
        setTimeout(() => hint.classList.add('gone'), 4000);
        // Without the browser's full screen the layer still covers the window, with a way back.
        const leave = () => {
            const button = element('button', 'leave', '元の画面に戻る');
            button.type = 'button';
            button.addEventListener('click', close);
            cover.appendChild(button);
        };
        if (cover.requestFullscreen) cover.requestFullscreen().catch(leave);
        else leave();
    }
    window.open = (url, name, features) => {
        if (/fullscreen\s*=\s*(yes|1)/i.test(String(features || ''))) {
            openFullScreen(address(url));
            return null;
        }
        return nativeOpen(url, name, features);
    };

    // A page shown in one of our layers tells its opener to close it, and its title.
    window.addEventListener('message', (ev) => {
        const said = ev.data;
        if (!said || said.tovaleaf !== 1) return;
        const shownIn = opened.get(ev.source);
        if (!shownIn) return;
        if (said.kind === 'close') shownIn.close();
        else if (said.kind === 'title' && shownIn.caption && said.title) shownIn.caption.textContent = String(said.title);
    });

    const role = window.parent !== window ? FRAME_ROLE.exec(window.name) : null;
    const tellOpener = (kind, extra) => window.parent.postMessage(Object.assign({ tovaleaf: 1, kind }, extra), '*');
    if (role) {
        // This page is a dialog or a full-screen page of the page that opened it.
        if (role[1] === 'dialog') {
            try {
                window.dialogArguments = JSON.parse(role[2]).arguments;
            } catch (e) {
                window.dialogArguments = undefined;
            }
            if (!('returnValue' in window)) window.returnValue = undefined;
        }
        window.close = () => tellOpener('close');
        window.addEventListener('keydown', (ev) => { if (ev.key === 'Escape') tellOpener('close'); });
        const sayTitle = () => { if (document.title) tellOpener('title', { title: document.title }); };
        document.addEventListener('DOMContentLoaded', sayTitle, { once: true });
    } else {
        window.close = () => {
            nativeClose();
            // Today's browsers let a page close only a window that a script opened.
            setTimeout(() => {
                if (!window.closed) queueBox('このウィンドウはページからは閉じられません。ブラウザのタブかウィンドウを閉じてください。', document.title || 'Web ページ', 64);
            }, 300);
        };
    }
})();
