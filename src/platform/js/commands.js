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
        [Cmd.Paste]: { enabled: () => editing(), run: () => document.execCommand('paste') },
        [Cmd.SelectAll]: { enabled: () => !!document.body, run: () => document.execCommand('selectAll') },
        [Cmd.Undo]: { enabled: () => editing() && query('undo'), run: () => document.execCommand('undo') },
        [Cmd.Redo]: { enabled: () => editing() && query('redo'), run: () => document.execCommand('redo') },
    });

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
