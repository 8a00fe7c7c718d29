// Find in the page's text: from the selection onwards (or backwards), with or
// without case, whole words only if asked; the match becomes the selection.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});

    const WORD = /[\p{L}\p{N}_]/u;

    function textNodes() {
        const nodes = [];
        const skip = new Set(['SCRIPT', 'STYLE', 'NOSCRIPT', 'TEMPLATE']);
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT, {
            acceptNode: (n) => (n.parentElement && skip.has(n.parentElement.tagName) ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT),
        });
        for (let n = walker.nextNode(); n; n = walker.nextNode()) nodes.push(n);
        return nodes;
    }

    // Offset of (node, offset) in the joined text; a boundary in an element counts by its children.
    function flatOffset(nodes, starts, container, offset) {
        if (container.nodeType === Node.TEXT_NODE) {
            const i = nodes.indexOf(container);
            if (i >= 0) return starts[i] + offset;
        }
        const probe = document.createRange();
        probe.setStart(container, offset);
        for (let i = 0; i < nodes.length; i++) if (probe.comparePoint(nodes[i], 0) >= 0) return starts[i];
        return starts.length ? starts[starts.length - 1] + nodes[nodes.length - 1].data.length : 0;
    }

    function pointAt(nodes, starts, flat) {
        let i = 0;
        while (i + 1 < nodes.length && starts[i + 1] <= flat) i++;
        return { node: nodes[i], offset: flat - starts[i] };
    }

    function find(v) {
        if (!v || !v.text || !document.body) return 'failed';
        const nodes = textNodes();
        const starts = [];
        let text = '';
        for (const n of nodes) { starts.push(text.length); text += n.data; }
        const hay = v.matchCase ? text : text.toLowerCase();
        const needle = v.matchCase ? v.text : v.text.toLowerCase();
        const sel = getSelection();
        let from = v.backwards ? text.length : 0;
        if (sel.rangeCount && document.body.contains(sel.getRangeAt(0).startContainer)) {
            const r = sel.getRangeAt(0);
            from = v.backwards ? flatOffset(nodes, starts, r.startContainer, r.startOffset)
                : flatOffset(nodes, starts, r.endContainer, r.endOffset);
        }
        const whole = (at) => (!v.wholeWord)
            || ((at === 0 || !WORD.test(text[at - 1])) && (at + needle.length >= text.length || !WORD.test(text[at + needle.length])));
        let at = -1;
        if (v.backwards) {
            const last = from - needle.length;
            for (let i = last < 0 ? -1 : hay.lastIndexOf(needle, last); i >= 0; i = hay.lastIndexOf(needle, i - 1)) {
                if (whole(i)) { at = i; break; }
                if (i === 0) break;
            }
        } else {
            for (let i = hay.indexOf(needle, from); i >= 0; i = hay.indexOf(needle, i + 1)) if (whole(i)) { at = i; break; }
        }
        if (at < 0) return 'notfound';
        const start = pointAt(nodes, starts, at);
        const end = pointAt(nodes, starts, at + needle.length);
        const range = document.createRange();
        range.setStart(start.node, start.offset);
        // The match may end exactly where the next text node begins.
        if (end.offset === 0 && end.node !== start.node) {
            const k = nodes.indexOf(end.node) - 1;
            range.setEnd(nodes[k], nodes[k].data.length);
        } else {
            range.setEnd(end.node, end.offset);
        }
        sel.removeAllRanges();
        sel.addRange(range);
        const el = start.node.parentElement;
        if (el && el.scrollIntoView) el.scrollIntoView({ block: 'nearest' });
        return true;
    }

    T.commands[T.DECMD.FINDTEXT] = {
        enabled: () => !!document.body,
        run: (option, value) => find(value),
        plain: true,
        prompt: () => {
            const sel = getSelection();
            const text = sel && sel.rangeCount ? sel.toString() : '';
            return { text: text.length < 100 ? text : '' };
        },
    };
})();
