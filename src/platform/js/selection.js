// The document's selection as the program uses it: a range made from the
// selection, and pasteHTML putting markup in its place as it is written.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const ranges = new Map();
    let nextRangeId = 1;
    let lastPaste = null;

    // With no caret in the body (nothing clicked yet) the end of the body serves.
    function currentRange() {
        const body = document.body;
        if (!body) return null;
        const sel = document.getSelection();
        if (sel && sel.rangeCount > 0) {
            const r = sel.getRangeAt(0);
            if (body.contains(r.startContainer) && body.contains(r.endContainer)) return r.cloneRange();
        }
        // Before the line breaks that trail the body, so that they stay last.
        let after = body.lastChild;
        while (after && after.nodeType === Node.TEXT_NODE && /^[ \t\r\n]*$/.test(after.data) && after.previousSibling) after = after.previousSibling;
        const r = document.createRange();
        if (after && !(after.nodeType === Node.TEXT_NODE && /^[ \t\r\n]*$/.test(after.data))) r.setStartAfter(after);
        else r.setStart(body, 0);
        r.collapse(true);
        return r;
    }

    T.currentRange = currentRange;

    T.createRange = () => {
        const r = currentRange();
        if (!r) return 0;
        const id = nextRangeId++;
        ranges.set(id, r);
        return id;
    };

    T.rangeText = (id) => {
        const r = ranges.get(id);
        return r ? r.toString() : null;
    };

    // Returns '' on success, else why it could not paste.
    T.pasteHTML = (id, html) => {
        const r = ranges.get(id);
        if (!r) return 'no-range';
        if (!document.body || !document.body.contains(r.startContainer)) return 'no-body';
        const removed = r.extractContents();
        const fragment = r.createContextualFragment(html);
        const first = fragment.firstChild;
        const last = fragment.lastChild;
        const anchor = document.createComment('');
        r.insertNode(anchor);
        anchor.parentNode.insertBefore(fragment, anchor.nextSibling);
        lastPaste = { anchor, first, last, removed };
        const sel = document.getSelection();
        const caret = document.createRange();
        if (last) caret.setStartAfter(last);
        else caret.setStartAfter(anchor);
        caret.collapse(true);
        anchor.remove();
        lastPaste.parent = caret.startContainer;
        lastPaste.offset = caret.startOffset;
        if (sel) {
            sel.removeAllRanges();
            sel.addRange(caret);
        }
        T.markEdited && T.markEdited();
        return '';
    };

    // Undoes the last pasteHTML: what it inserted goes, what it replaced comes back.
    T.rollbackPaste = () => {
        const p = lastPaste;
        lastPaste = null;
        if (!p) return false;
        let at = null;
        if (p.first && p.first.parentNode) {
            at = document.createRange();
            at.setStartBefore(p.first);
            at.setEndAfter(p.last);
            at.deleteContents();
        } else if (p.parent) {
            at = document.createRange();
            at.setStart(p.parent, Math.min(p.offset, p.parent.childNodes ? p.parent.childNodes.length : 0));
            at.collapse(true);
        }
        if (at && p.removed) at.insertNode(p.removed);
        return true;
    };

    // A right click off the selection moves the caret there, as a left click would.
    T.caretForMenu = (x, y) => {
        const sel = document.getSelection();
        if (!sel || !document.body) return false;
        if (sel.rangeCount > 0 && !sel.isCollapsed) {
            for (const box of sel.getRangeAt(0).getClientRects())
                if (x >= box.left && x <= box.right && y >= box.top && y <= box.bottom) return false;
        }
        const at = document.caretRangeFromPoint(x, y);
        if (!at || !document.body.contains(at.startContainer)) return false;
        sel.removeAllRanges();
        sel.addRange(at);
        return true;
    };

    T.bgColor = () => document.bgColor;
    T.setBgColor = (color) => {
        document.bgColor = color;
        return document.bgColor;
    };

    // The selection as markup, in the program's own form.
    T.selectionHtml = () => {
        const sel = document.getSelection();
        if (!sel || sel.rangeCount === 0 || sel.isCollapsed) return null;
        return T.serializeNode(sel.getRangeAt(0).cloneContents());
    };

    T.forgetRanges = () => ranges.clear();
})();
