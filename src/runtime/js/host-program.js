// Run mode inside the program: what a page asks of the user goes to the
// program over the prompt channel (MsgBox, InputBox, script errors, the
// dialogs and full-screen windows it opens), shown as the program's own.
'use strict';
(function () {
    if (location.protocol === 'tvl:' && /-[a-z]*e[a-z]*$/.test(location.hostname)) return; // edit mode
    const VB = window.__tvlvb;
    if (!VB || VB.hostReady) return;
    VB.hostReady = true;
    const $ = VB.rt;
    const host = VB.host;
    const nativePrompt = window.prompt.bind(window);
    const CHANNEL = '\u0001tvl:';

    function ask(kind, payload) {
        const answer = nativePrompt(CHANNEL + kind + '\u0001' + JSON.stringify(payload), '');
        // The user's time at a message does not count towards a runaway loop.
        $.started = Date.now();
        return answer;
    }
    host.msgBox = (text, buttons, title) => Number(ask('msgbox', { text, buttons, title: title || 'VBScript' })) || 1;
    host.inputBox = (text, title, def) => ask('inputbox', { text, title: title || 'VBScript', value: def });
    host.scriptError = (text) => { ask('error', { text }); };
    host.notice = host.scriptError;
    // The engine hides what is thrown in the scripts the program injects (this runtime).
    host.ownSource = (url) => /^userscript:/.test(url);

    // ---- windows: dialogs the program shows, and the page full screen
    const plain = (v) => {
        try {
            return v === undefined ? null : JSON.parse(JSON.stringify(v));
        } catch (e) {
            return null; // objects of the page do not travel between windows
        }
    };
    const address = (url) => new URL(String(url === undefined ? '' : url), location.href).href;
    // The page waits on a synchronous request that the program answers when the dialog
    // closes: the engine keeps loading the dialog meanwhile, which it would not under a prompt.
    window.showModalDialog = (url, args, features) => {
        const request = { url: address(url), arguments: plain(args), features: String(features || '') };
        const xhr = new XMLHttpRequest();
        xhr.open('GET', location.protocol + '//' + location.host + '/__tvl-modal?q=' + encodeURIComponent(JSON.stringify(request)), false);
        try {
            xhr.send();
            $.started = Date.now();
            const value = JSON.parse(xhr.responseText)[0];
            return value === null ? undefined : value;
        } catch (e) {
            return undefined;
        }
    };
    window.showModelessDialog = (url, args, features) => {
        ask('modeless', { url: address(url), arguments: plain(args), features: String(features || '') });
        return null;
    };
    const nativeOpen = window.open.bind(window);
    window.open = (url, name, features) => {
        if (/fullscreen\s*=\s*(yes|1)/i.test(String(features || ''))) {
            ask('fullscreen', { url: address(url) });
            return null;
        }
        return nativeOpen(url, name, features);
    };
    if (window.__tvlDialog) {
        if (!('returnValue' in window)) window.returnValue = undefined;
        window.close = () => { ask('dialog-return', { value: plain(window.returnValue) }); };
    }
})();
