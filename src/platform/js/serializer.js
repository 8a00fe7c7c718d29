// Writes the page the way the program reads it: upper-case tag names, the
// usual mixed-case attribute names, values quoted only where they must be,
// script and style text as it is. Chromium's own serializer does the walk;
// one pass over its text then brings it into this form, which is several
// times faster than walking the tree from script.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const BOOLEAN = new Set(['checked', 'selected', 'disabled', 'readonly', 'noshade', 'nowrap', 'multiple',
        'compact', 'defer', 'ismap', 'noresize', 'declare', 'nohref', 'async', 'autofocus', 'required',
        'reversed', 'autoplay', 'controls', 'loop', 'muted', 'novalidate', 'formnovalidate', 'allowfullscreen']);
    const MIXED_CASE = {
        bgproperties: 'bgProperties', cellpadding: 'cellPadding', cellspacing: 'cellSpacing',
        bordercolor: 'borderColor', frameborder: 'frameBorder', colspan: 'colSpan', rowspan: 'rowSpan',
        valign: 'vAlign', nowrap: 'noWrap', noshade: 'noShade', readonly: 'readOnly', maxlength: 'maxLength',
        tabindex: 'tabIndex', scrollamount: 'scrollAmount', scrolldelay: 'scrollDelay', bgcolor: 'bgColor',
    };
    // Attributes the editor itself may leave for a moment.
    T.privateAttributes = new Set(['data-tvl-style']);

    // In Chromium's output a value is always double-quoted with & " and no-break
    // space escaped; text outside tags has & < > and no-break space escaped.
    const NEEDS_QUOTES = /[\s'<>=`]|&quot;/;
    // Comments, raw-text elements (kept whole), and tags.
    const TOKEN = /<!--[\s\S]*?-->|<(script|style|xmp|iframe|noembed|noframes|plaintext|noscript|textarea|title)\b((?:\s+[^\s=>]+(?:="[^"]*")?)*)\s*>([\s\S]*?)<\/\1>|<(\/?)([a-zA-Z][^\s/>]*)((?:\s+[^\s=>]+(?:="[^"]*")?)*)\s*\/?>/g;
    const ATTRIBUTE = /\s+([^\s=>]+)(?:="([^"]*)")?/g;
    const RCDATA = new Set(['textarea', 'title']);
    // The break after </BODY> that every rewrite adds would pile up otherwise.
    const TRAILING_BREAKS = />([ \t\r\n]*[\r\n][ \t\r\n]*)$/;
    function dropTrailingBreaks(html) {
        const end = html.lastIndexOf('</BODY>');
        if (end < 0) return html;
        const m = TRAILING_BREAKS.exec(html.slice(Math.max(0, end - 4096), end));
        return m ? html.slice(0, end - m[1].length) + html.slice(end) : html;
    }

    function attributes(text) {
        if (!text) return '';
        let out = '';
        ATTRIBUTE.lastIndex = 0;
        let m;
        while ((m = ATTRIBUTE.exec(text)) !== null) {
            const name = m[1];
            if (T.privateAttributes.has(name)) continue;
            const shown = MIXED_CASE[name] || name;
            const value = m[2] === undefined ? '' : m[2];
            if (value === '' && BOOLEAN.has(name)) out += ' ' + shown;
            else if (value === '' || NEEDS_QUOTES.test(value)) out += ' ' + shown + '="' + value + '"';
            else out += ' ' + shown + '=' + value;
        }
        return out;
    }

    function startTag(name, attrText) {
        if (name === 'meta' && attrText.indexOf('data-tvl-editor') >= 0) return null;
        return '<' + name.toUpperCase() + attributes(attrText) + '>';
    }

    // Text of these is written as typed, so that a "<HTML>" in it reads as such; only
    // what would end the element early or start a reference stays escaped.
    function rcdataText(text, name) {
        const end = new RegExp('<(/' + name + ')', 'gi');
        return text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(end, '&lt;$1');
    }

    function convert(html) {
        // Pages repeat the same few tags thousands of times.
        const seen = new Map();
        return html.replace(TOKEN, (whole, rawName, rawAttrs, rawBody, slash, name, attrText) => {
            if (name !== undefined) {
                let tag = seen.get(whole);
                if (tag === undefined) {
                    const lower = name.toLowerCase();
                    tag = slash ? '</' + lower.toUpperCase() + '>' : (startTag(lower, attrText || '') || '');
                    seen.set(whole, tag);
                }
                return tag;
            }
            if (rawName !== undefined) {
                const lower = rawName.toLowerCase();
                const open = startTag(lower, rawAttrs || '');
                const body = RCDATA.has(lower) ? rcdataText(rawBody, lower) : rawBody;
                return open + body + '</' + lower.toUpperCase() + '>';
            }
            return whole; // comment
        });
    }

    function doctype(d) {
        let s = '<!DOCTYPE ' + d.name.toUpperCase();
        if (d.publicId) s += ' PUBLIC "' + d.publicId + '"';
        if (d.systemId) s += (d.publicId ? '' : ' SYSTEM') + ' "' + d.systemId + '"';
        return s + '>';
    }

    // A NUL is no character of a page: browsers drop it from text (and make
    // U+FFFD of it elsewhere), and a file holding one looks like no text.
    const withoutNul = (text) => (text.indexOf('\0') < 0 ? text : text.replace(/\0/g, ''));

    T.serializeDocument = (doc) => {
        let out = '';
        for (let n = doc.firstChild; n; n = n.nextSibling) {
            if (n.nodeType === Node.ELEMENT_NODE) out += dropTrailingBreaks(convert(n.outerHTML));
            else if (n.nodeType === Node.COMMENT_NODE) out += '<!--' + n.data + '-->';
            else if (n.nodeType === Node.DOCUMENT_TYPE_NODE) out += doctype(n);
        }
        return withoutNul(out);
    };

    // The page now declares the charset it is saved in, as the saved text does.
    const CHARSET_VALUE = /(charset\s*=\s*["']?\s*)[-\w:.]+/i;
    T.declareCharset = (name) => T.asStep(() => {
        let declared = false;
        for (const meta of document.querySelectorAll('meta')) {
            if (meta.hasAttribute('data-tvl-editor')) continue;
            if (meta.hasAttribute('charset')) {
                meta.setAttribute('charset', name);
                declared = true;
            }
            const content = meta.getAttribute('content');
            if (content !== null && CHARSET_VALUE.test(content)) {
                meta.setAttribute('content', content.replace(CHARSET_VALUE, '$1' + name));
                declared = true;
            }
        }
        if (!declared && document.head) {
            const meta = document.createElement('meta');
            meta.setAttribute('charset', name);
            document.head.insertBefore(meta, document.head.firstChild);
        }
        return true;
    });

    T.serializeNode = (node) => {
        if (node.nodeType === Node.ELEMENT_NODE) return withoutNul(convert(node.outerHTML));
        const box = document.createElement('div');
        box.appendChild(node.nodeType === Node.DOCUMENT_FRAGMENT_NODE ? node : node.cloneNode(true));
        return withoutNul(convert(box.innerHTML));
    };
})();
