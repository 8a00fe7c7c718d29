// Elements taken out of the text flow: a click selects a picture, control,
// table (on its frame), block (on its border or padding, or a laid-out or
// filtered DIV anywhere) or positioned element whole; a positioned element is
// dragged with the mouse, made positioned where it stands and back, and put
// above or below the text.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const DECMD = T.DECMD;

    const CLICK_SELECTED = 'img, input, select, textarea, button, hr, iframe, object, embed, marquee, applet';

    T.selectElement = (el) => {
        const r = document.createRange();
        r.selectNode(el);
        const sel = getSelection();
        sel.removeAllRanges();
        sel.addRange(r);
    };

    // A DIV the page lays out or filters is an object of its own (a filtered
    // text, a placed box): the first click takes it whole, a click on it once
    // taken puts the caret in its text.
    const SITE_STYLE = /(^|;)\s*(filter\s*:|position\s*:\s*(relative|absolute|fixed|sticky)\b)/i;
    function siteBlock(el) {
        for (let e = el; e && e !== document.body; e = e.parentElement)
            if (e.tagName === 'DIV' && SITE_STYLE.test(e.getAttribute('style') || '')) return e;
        return null;
    }

    // Any other block is taken when clicked on its border or padding, where no
    // text is; a click on its content still places the caret.
    function onFrame(el, x, y) {
        if (!T.BLOCKS.has(el.tagName)) return false;
        const cs = getComputedStyle(el);
        if (cs.display !== 'block' && cs.display !== 'flow-root' && cs.display !== 'list-item') return false;
        const px = (v) => parseFloat(v) || 0;
        const box = el.getBoundingClientRect();
        const padLeft = box.left + el.clientLeft;
        const padTop = box.top + el.clientTop;
        // Scroll bars lie beyond the padding box; they keep scrolling.
        if (x >= padLeft + el.clientWidth && x < box.right - px(cs.borderRightWidth)) return false;
        if (y >= padTop + el.clientHeight && y < box.bottom - px(cs.borderBottomWidth)) return false;
        return x < padLeft + px(cs.paddingLeft) || x >= padLeft + el.clientWidth - px(cs.paddingRight)
            || y < padTop + px(cs.paddingTop) || y >= padTop + el.clientHeight - px(cs.paddingBottom);
    }

    function positionedAncestor(el) {
        for (let e = el; e && e !== document.body; e = e.parentElement) if (T.isAbsolute(e)) return e;
        return null;
    }

    // Where el's box is now, relative to what an absolute position measures from.
    function placeOf(el) {
        const box = el.getBoundingClientRect();
        let base = el.parentElement;
        while (base && base !== document.body && getComputedStyle(base).position === 'static') base = base.parentElement;
        if (!base || base === document.body) {
            return { left: Math.round(box.left + window.scrollX), top: Math.round(box.top + window.scrollY) };
        }
        const b = base.getBoundingClientRect();
        return { left: Math.round(box.left - b.left - base.clientLeft + base.scrollLeft),
            top: Math.round(box.top - b.top - base.clientTop + base.scrollTop) };
    }

    function makeAbsolute(el) {
        if (T.isAbsolute(el)) {
            for (const p of ['position', 'left', 'top', 'z-index']) el.style.removeProperty(p);
            if (!el.getAttribute('style')) el.removeAttribute('style');
        } else {
            const at = placeOf(el);
            el.style.position = 'absolute';
            el.style.left = at.left + 'px';
            el.style.top = at.top + 'px';
        }
        T.selectElement(el);
        return true;
    }

    function zIndexes() {
        const out = [];
        for (const e of document.body.querySelectorAll('[style]')) {
            if (!T.isAbsolute(e)) continue;
            const z = parseInt(e.style.zIndex, 10);
            if (!Number.isNaN(z)) out.push(z);
        }
        return out;
    }

    function layer(el, above) {
        const others = zIndexes();
        const z = above ? Math.max(0, ...others) + 1 : Math.min(0, ...others) - 1;
        el.style.zIndex = String(z);
        T.selectElement(el);
        return true;
    }

    const selected = (s) => T.editing() && s.inBody && !!s.element;
    const selectedAbsolute = (s) => selected(s) && T.isAbsolute(s.element);
    Object.assign(T.commands, {
        [DECMD.MAKE_ABSOLUTE]: { enabled: selected, run: () => makeAbsolute(T.selectionState().element) },
        [DECMD.BRING_ABOVE_TEXT]: { enabled: selectedAbsolute, run: () => layer(T.selectionState().element, true) },
        [DECMD.SEND_BELOW_TEXT]: { enabled: selectedAbsolute, run: () => layer(T.selectionState().element, false) },
    });

    let drag = null;

    document.addEventListener('mousedown', (e) => {
        if (!T.editing() || e.button !== 0 || !document.body) return;
        const target = e.target;
        if (!(target instanceof Element) || !document.body.contains(target) || target === document.body) return;
        const current = T.selectionState().element;
        const positioned = positionedAncestor(target);
        if (positioned) {
            e.preventDefault();
            T.selectElement(positioned);
            drag = { el: positioned, x: e.clientX, y: e.clientY, left: parseInt(positioned.style.left, 10) || 0,
                top: parseInt(positioned.style.top, 10) || 0, moved: false, wasSelected: current === positioned };
            T.reportDisplaySoon();
            return;
        }
        let object = target.closest(CLICK_SELECTED) || (target.tagName === 'TABLE' ? target : null);
        if (!object) {
            const site = siteBlock(target);
            if (site && site === current) return;
            object = site || (onFrame(target, e.clientX, e.clientY) ? target : null);
        }
        if (object && document.body.contains(object)) {
            e.preventDefault();
            T.selectElement(object);
            T.reportDisplaySoon();
        }
    }, true);

    document.addEventListener('mousemove', (e) => {
        if (!drag) return;
        if (!(e.buttons & 1)) { drag = null; return; }
        const dx = e.clientX - drag.x;
        const dy = e.clientY - drag.y;
        if (!drag.moved && Math.abs(dx) + Math.abs(dy) < 3) return;
        drag.moved = true;
        drag.el.style.left = (drag.left + dx) + 'px';
        drag.el.style.top = (drag.top + dy) + 'px';
        e.preventDefault();
    }, true);

    document.addEventListener('mouseup', (e) => {
        if (!drag) return;
        const d = drag;
        drag = null;
        if (d.moved) {
            T.historyBreak();
            T.selectElement(d.el);
        } else if (d.wasSelected) {
            // A second click on a selected element edits its text.
            const at = document.caretRangeFromPoint(e.clientX, e.clientY);
            if (at && d.el.contains(at.startContainer)) {
                const sel = getSelection();
                sel.removeAllRanges();
                sel.addRange(at);
            }
        }
        T.reportDisplaySoon();
    }, true);
})();
