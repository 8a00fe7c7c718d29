// The editing commands the surface runs on the selection, and their states.
// Tables, positioning and find add theirs in their own files.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const DECMD = T.DECMD;
    const DECMDF = T.DECMDF;

    T.editing = () => document.designMode === 'on';

    // Pictures, controls and the like are selected whole, as one node.
    const OBJECTS = new Set(['IMG', 'INPUT', 'SELECT', 'TEXTAREA', 'BUTTON', 'HR', 'IFRAME', 'OBJECT', 'EMBED',
        'MARQUEE', 'TABLE', 'APPLET']);
    // Blocks a click can take whole as well (positioning.js).
    T.BLOCKS = new Set(['DIV', 'P', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'BLOCKQUOTE', 'PRE', 'CENTER', 'ADDRESS',
        'FORM', 'FIELDSET', 'UL', 'OL', 'DL']);
    T.isObject = (el) => !!el && el.nodeType === Node.ELEMENT_NODE && el !== document.body
        && (OBJECTS.has(el.tagName) || T.isAbsolute(el) || T.BLOCKS.has(el.tagName));
    T.isAbsolute = (el) => !!el && el.nodeType === Node.ELEMENT_NODE && el.style && el.style.position === 'absolute';

    function elementOf(node) {
        return node && (node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement);
    }

    // The selected element: the selection covers exactly one such node.
    function selectedElement(r) {
        if (r.startContainer !== r.endContainer || r.endOffset !== r.startOffset + 1) return null;
        if (r.startContainer.nodeType !== Node.ELEMENT_NODE) return null;
        const el = r.startContainer.childNodes[r.startOffset];
        return T.isObject(el) ? el : null;
    }

    function linkIn(r) {
        const a = (n) => { const e = elementOf(n); return e && e.closest('a[href]'); };
        const found = a(r.startContainer) || a(r.endContainer);
        if (found || r.collapsed) return found;
        const common = elementOf(r.commonAncestorContainer);
        const links = common.getElementsByTagName('a');
        for (let i = 0; i < links.length && i < 5000; i++)
            if (links[i].hasAttribute('href') && r.intersectsNode(links[i])) return links[i];
        return null;
    }

    T.selectionState = () => {
        const body = document.body;
        const sel = document.getSelection();
        const s = { has: false, collapsed: true, inBody: false, range: null, element: null, cell: null, link: null };
        if (!body || !sel || sel.rangeCount === 0) return s;
        const r = sel.getRangeAt(0);
        s.has = true;
        s.collapsed = r.collapsed;
        s.range = r;
        s.inBody = body.contains(r.startContainer) && body.contains(r.endContainer)
            && !(r.startContainer === body.parentNode);
        if (!s.inBody) return s;
        s.element = selectedElement(r);
        const start = elementOf(r.startContainer);
        s.cell = start && start.closest('td, th');
        if (s.cell && !body.contains(s.cell)) s.cell = null;
        s.linkAt = () => linkIn(r);
        return s;
    };

    const editable = (s) => T.editing() && s.inBody;

    function vbColor(value) {
        if (typeof value === 'string' && !/^\s*-?\d+\s*$/.test(value)) return value;
        const n = Number(value);
        if (!Number.isFinite(n) || n < 0) return null;
        const hex = (v) => v.toString(16).padStart(2, '0');
        return '#' + hex(n & 0xff) + hex((n >> 8) & 0xff) + hex((n >> 16) & 0xff);
    }
    T.vbColor = vbColor;

    const exec = (name, value) => document.execCommand(name, false, value);
    const simple = (name) => ({ enabled: editable, run: () => exec(name) });

    // Bold and the like keep what the engine wrote; the state wanted is set, not toggled.
    function setState(name, on) {
        if (on === undefined || on === null) return;
        if (!!document.queryCommandState(name) !== !!on) exec(name);
    }

    function selectionLink(s) {
        if (s.element && s.element.tagName === 'IMG') return s.element.closest('a[href]');
        return s.linkAt ? s.linkAt() : null;
    }

    // Each command: whether it can act now, and what it does.
    T.commands = T.commands || {};
    Object.assign(T.commands, {
        [DECMD.BOLD]: simple('bold'),
        [DECMD.ITALIC]: simple('italic'),
        [DECMD.UNDERLINE]: simple('underline'),
        [DECMD.JUSTIFYLEFT]: simple('justifyLeft'),
        [DECMD.JUSTIFYCENTER]: simple('justifyCenter'),
        [DECMD.JUSTIFYRIGHT]: simple('justifyRight'),
        [DECMD.INDENT]: simple('indent'),
        [DECMD.OUTDENT]: {
            enabled: (s) => {
                if (!editable(s)) return false;
                const el = elementOf(s.range.startContainer);
                return !!el.closest('blockquote, li, ul, ol, dd');
            },
            run: () => exec('outdent'),
        },
        [DECMD.ORDERLIST]: simple('insertOrderedList'),
        [DECMD.UNORDERLIST]: simple('insertUnorderedList'),
        [DECMD.REMOVEFORMAT]: { enabled: (s) => editable(s) && !s.collapsed, run: () => exec('removeFormat') },
        [DECMD.DELETE]: {
            enabled: editable,
            run: () => {
                const s = T.selectionState();
                if (s.element) { s.element.remove(); return true; }
                return exec(s.collapsed ? 'forwardDelete' : 'delete');
            },
        },
        [DECMD.COPY]: { enabled: (s) => s.inBody && !s.collapsed, run: () => exec('copy') },
        [DECMD.CUT]: { enabled: (s) => editable(s) && !s.collapsed, run: () => exec('cut') },
        // The program hands over the clipboard's contents: a page may not read it itself.
        [DECMD.PASTE]: { enabled: editable, run: (option, clip) => T.pasteMarkup(clip && clip.html, clip && clip.text) },
        [DECMD.SELECTALL]: { enabled: () => !!document.body, run: () => exec('selectAll') },
        [DECMD.UNDO]: { enabled: () => T.editing() && T.canUndo(), run: () => T.undo(), plain: true },
        [DECMD.REDO]: { enabled: () => T.editing() && T.canRedo(), run: () => T.redo(), plain: true },
        [DECMD.SETFORECOLOR]: {
            enabled: editable,
            run: (option, value) => { const c = vbColor(value); return c !== null && exec('foreColor', c); },
        },
        [DECMD.SETBACKCOLOR]: {
            enabled: editable,
            run: (option, value) => { const c = vbColor(value); return c !== null && exec('backColor', c); },
        },
        [DECMD.HYPERLINK]: {
            enabled: (s) => editable(s) && (!s.collapsed || !!selectionLink(s)),
            run: (option, value) => {
                const href = typeof value === 'string' ? value : '';
                if (!href) return false;
                const s = T.selectionState();
                const existing = selectionLink(s);
                if (s.collapsed && existing) { existing.setAttribute('href', href); return true; }
                return exec('createLink', href);
            },
            prompt: () => { const l = selectionLink(T.selectionState()); return { href: l ? l.getAttribute('href') : '' }; },
        },
        [DECMD.UNLINK]: {
            enabled: (s) => editable(s) && !!selectionLink(s),
            run: () => {
                const s = T.selectionState();
                const sel = getSelection();
                const link = selectionLink(s);
                if (s.collapsed && link) {
                    // The engine unlinks what is selected: the whole link, when the caret is in it.
                    const r = document.createRange();
                    r.selectNode(link);
                    sel.removeAllRanges();
                    sel.addRange(r);
                }
                return exec('unlink');
            },
        },
        [DECMD.IMAGE]: {
            enabled: () => T.editing() && !!document.body,
            run: (option, value) => {
                const v = typeof value === 'string' ? { src: value } : (value || {});
                if (!v.src) return false;
                const s = T.selectionState();
                const img = s.element && s.element.tagName === 'IMG' ? s.element : null;
                if (img) {
                    img.setAttribute('src', v.src);
                    if (v.alt) img.setAttribute('alt', v.alt); else img.removeAttribute('alt');
                    return true;
                }
                const el = document.createElement('img');
                el.setAttribute('src', v.src);
                if (v.alt) el.setAttribute('alt', v.alt);
                return T.insertNodeAtSelection(el);
            },
            prompt: () => {
                const s = T.selectionState();
                const img = s.element && s.element.tagName === 'IMG' ? s.element : null;
                return img ? { src: img.getAttribute('src') || '', alt: img.getAttribute('alt') || '' } : { src: '', alt: '' };
            },
        },
        [DECMD.FONT]: {
            enabled: editable,
            run: (option, v) => {
                if (!v) return false;
                if (v.face) exec('fontName', v.face);
                if (v.size) exec('fontSize', String(v.size));
                if (v.color !== undefined && v.color !== null && v.color !== '') {
                    const c = vbColor(v.color);
                    if (c) exec('foreColor', c);
                }
                setState('bold', v.bold);
                setState('italic', v.italic);
                setState('underline', v.underline);
                return true;
            },
            prompt: () => {
                const face = document.queryCommandValue('fontName') || '';
                const size = Number(document.queryCommandValue('fontSize')) || 0;
                return { face: face.replace(/^["']|["']$/g, ''), size, bold: document.queryCommandState('bold'),
                    italic: document.queryCommandState('italic'), underline: document.queryCommandState('underline') };
            },
        },
    });

    // Puts node where the selection is (replacing it) and the caret after it.
    // With no caret in the page yet, the end of the body serves (selection.js).
    T.insertNodeAtSelection = (node) => {
        const r = T.currentRange();
        if (!r) return false;
        r.deleteContents();
        r.insertNode(node);
        const caret = document.createRange();
        caret.setStartAfter(node);
        caret.collapse(true);
        const sel = getSelection();
        sel.removeAllRanges();
        sel.addRange(caret);
        return true;
    };

    // Markup goes in through the engine's insertion; the foreign CSS rides
    // along (style-keeper.js).
    T.pasteMarkup = (html, text) => {
        // A NUL shows as nothing and would end up in the file.
        if (html) html = html.replace(/\0/g, '');
        if (text) text = text.replace(/\0/g, '');
        if (html) {
            const start = html.indexOf('<!--StartFragment-->');
            const end = html.indexOf('<!--EndFragment-->');
            if (start >= 0 && end > start) html = html.slice(start + 20, end);
            return exec('insertHTML', T.stashForeignStyles(html));
        }
        if (text) return exec('insertText', text);
        return false;
    };

    T.commandStates = () => {
        const s = T.selectionState();
        const states = {};
        for (const id of Object.keys(T.commands)) {
            let on = false;
            try { on = !!T.commands[id].enabled(s); } catch (e) { on = false; }
            states[id] = on ? DECMDF.ENABLED : DECMDF.DISABLED;
        }
        return states;
    };

    // What a prompting command's dialog starts from.
    T.promptDefaults = (id) => {
        const c = T.commands[id];
        return c && c.prompt ? c.prompt() : null;
    };

    // A prompting command's dialog: what it starts from (in JSON), or null when the command cannot run now.
    T.promptStart = (id) => {
        const c = T.commands[id];
        return c && c.enabled(T.selectionState()) ? JSON.stringify(T.promptDefaults(id)) : null;
    };

    // Returns '' when done, else why not.
    T.exec = (id, option, value) => {
        const c = T.commands[id];
        if (!c) return 'unknown';
        if (!c.enabled(T.selectionState())) return 'disabled';
        let result;
        try {
            result = c.plain ? c.run(option, value) : T.asStep(() => c.run(option, value));
        } catch (e) {
            result = false;
        }
        T.reportDisplaySoon && T.reportDisplaySoon();
        if (typeof result === 'string') return result;
        return result === false ? 'failed' : '';
    };
})();
