// The pages carry CSS that only their target browser knows (filter:revealtrans(...),
// Filter:Shadow(...)). Chromium drops such declarations whenever an editing
// command rewrites a style attribute; this puts them back.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const probe = document.createElement('div');
    const verdicts = new Map();

    function declarations(styleText) {
        const out = [];
        let depth = 0, quote = '', start = 0;
        for (let i = 0; i < styleText.length; i++) {
            const c = styleText[i];
            if (quote) { if (c === quote) quote = ''; continue; }
            if (c === '"' || c === "'") quote = c;
            else if (c === '(') depth++;
            else if (c === ')') depth = Math.max(0, depth - 1);
            else if (c === ';' && depth === 0) { out.push(styleText.slice(start, i)); start = i + 1; }
        }
        out.push(styleText.slice(start));
        return out.map((d) => d.trim()).filter((d) => d.indexOf(':') > 0);
    }

    function isForeign(declaration) {
        let v = verdicts.get(declaration);
        if (v === undefined) {
            probe.style.cssText = declaration;
            v = probe.style.length === 0;
            probe.removeAttribute('style');
            verdicts.set(declaration, v);
        }
        return v;
    }

    T.foreignDeclarations = (styleText) => declarations(styleText || '').filter(isForeign);

    function squash(text) { return text.replace(/\s+/g, '').toLowerCase(); }

    function mergeInto(el, foreign) {
        const current = el.getAttribute('style') || '';
        const have = squash(current);
        const lost = foreign.filter((d) => have.indexOf(squash(d)) < 0);
        if (!lost.length) return;
        const head = current.trim();
        el.setAttribute('style', (head ? head.replace(/;?\s*$/, '; ') : '') + lost.join('; '));
    }

    function unstash(root) {
        if (root.nodeType !== Node.ELEMENT_NODE) return;
        const marked = root.hasAttribute('data-tvl-style') ? [root] : [];
        marked.push(...root.querySelectorAll('[data-tvl-style]'));
        for (const el of marked) {
            const foreign = el.getAttribute('data-tvl-style');
            el.removeAttribute('data-tvl-style');
            mergeInto(el, declarations(foreign));
        }
    }

    // Markup about to go through the engine's own insertion: the foreign
    // declarations ride along in a data attribute and are merged back after.
    T.stashForeignStyles = (html) => {
        const tpl = document.createElement('template');
        tpl.innerHTML = html;
        let any = false;
        for (const el of tpl.content.querySelectorAll('[style]')) {
            const foreign = T.foreignDeclarations(el.getAttribute('style'));
            if (foreign.length) { el.setAttribute('data-tvl-style', foreign.join('; ')); any = true; }
        }
        return any ? tpl.innerHTML : html;
    };

    T.keepStyles = (records) => {
        if (T.options && T.options.keepForeignStyles === false) return;
        for (const r of records) {
            if (r.type === 'attributes' && r.attributeName === 'style' && r.oldValue) {
                const foreign = T.foreignDeclarations(r.oldValue);
                if (foreign.length) mergeInto(r.target, foreign);
            } else if (r.type === 'childList') {
                for (const n of r.addedNodes) unstash(n);
            }
        }
    };
})();
