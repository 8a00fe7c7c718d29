// The editing commands the surface runs on the selection, and their states.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const ENABLED = 3;
    const SUPPORTED = 1;

    const Cmd = {
        Copy: 5002, Cut: 5003, Paste: 5032, SelectAll: 5035, Undo: 5049, Redo: 5033,
    };
    T.Cmd = Cmd;

    function editing() { return document.designMode === 'on'; }

    function selectionState() {
        const sel = document.getSelection();
        const has = !!sel && sel.rangeCount > 0;
        return { has, collapsed: !has || sel.isCollapsed };
    }

    function query(name) {
        try { return document.queryCommandEnabled(name); } catch (e) { return false; }
    }

    // Each command: whether it can act now, and what it does.
    T.commands = T.commands || {};
    Object.assign(T.commands, {
        [Cmd.Copy]: { enabled: (s) => !s.collapsed, run: () => document.execCommand('copy') },
        [Cmd.Cut]: { enabled: (s) => editing() && !s.collapsed, run: () => document.execCommand('cut') },
        // The program hands over the clipboard's contents: a page may not read it itself.
        [Cmd.Paste]: { enabled: () => editing(), run: (option, clip) => T.pasteMarkup(clip && clip.html, clip && clip.text) },
        [Cmd.SelectAll]: { enabled: () => !!document.body, run: () => document.execCommand('selectAll') },
        [Cmd.Undo]: { enabled: () => editing() && query('undo'), run: () => document.execCommand('undo') },
        [Cmd.Redo]: { enabled: () => editing() && query('redo'), run: () => document.execCommand('redo') },
    });

    // Markup goes in through the engine's insertion, so it is one undo step;
    // the foreign CSS rides along (style-keeper.js).
    T.pasteMarkup = (html, text) => {
        if (html) {
            const start = html.indexOf('<!--StartFragment-->');
            const end = html.indexOf('<!--EndFragment-->');
            if (start >= 0 && end > start) html = html.slice(start + 20, end);
            return document.execCommand('insertHTML', false, T.stashForeignStyles(html));
        }
        if (text) return document.execCommand('insertText', false, text);
        return false;
    };

    T.commandStates = () => {
        const s = selectionState();
        const states = {};
        for (const id of Object.keys(T.commands)) {
            let on = false;
            try { on = !!T.commands[id].enabled(s); } catch (e) { on = false; }
            states[id] = on ? ENABLED : SUPPORTED;
        }
        return states;
    };

    // Returns '' when done, else why not.
    T.exec = (id, option, value) => {
        const c = T.commands[id];
        if (!c) return 'unknown';
        if (!c.enabled(selectionState())) return 'disabled';
        const result = c.run(option, value);
        T.reportDisplaySoon && T.reportDisplaySoon();
        return result === false ? 'failed' : '';
    };
})();
