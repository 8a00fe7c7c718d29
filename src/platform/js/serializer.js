// Writes the page the way the program reads it: upper-case tag names, the
// usual mixed-case attribute names, values quoted only where they must be,
// script and style text as it is.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const HTML_NS = 'http://www.w3.org/1999/xhtml';
    const VOID = new Set(['AREA', 'BASE', 'BASEFONT', 'BGSOUND', 'BR', 'COL', 'EMBED', 'FRAME', 'HR', 'IMG',
        'INPUT', 'ISINDEX', 'KEYGEN', 'LINK', 'META', 'PARAM', 'SOURCE', 'TRACK', 'WBR']);
    // Text of these is written as typed, so that a "<HTML>" in it reads as such; only
    // what would end the element early or start a reference is escaped.
    const RCDATA = new Set(['TEXTAREA', 'TITLE']);
    const RAW_TEXT = new Set(['SCRIPT', 'STYLE', 'XMP', 'IFRAME', 'NOEMBED', 'NOFRAMES', 'PLAINTEXT']);
    const BOOLEAN = new Set(['checked', 'selected', 'disabled', 'readonly', 'noshade', 'nowrap', 'multiple',
        'compact', 'defer', 'ismap', 'noresize', 'declare', 'nohref', 'async', 'autofocus', 'required',
        'reversed', 'autoplay', 'controls', 'loop', 'muted', 'novalidate', 'formnovalidate', 'allowfullscreen']);
    const MIXED_CASE = {
        bgproperties: 'bgProperties', cellpadding: 'cellPadding', cellspacing: 'cellSpacing',
        bordercolor: 'borderColor', frameborder: 'frameBorder', colspan: 'colSpan', rowspan: 'rowSpan',
        valign: 'vAlign', nowrap: 'noWrap', noshade: 'noShade', readonly: 'readOnly', maxlength: 'maxLength',
        tabindex: 'tabIndex', scrollamount: 'scrollAmount', scrolldelay: 'scrollDelay', bgcolor: 'bgColor',
    };
    const NEEDS_QUOTES = /[\s"'<>=`]/;
    const TEXT_SPECIAL = /[&<>\u00a0]/;
    const TEXT_SPECIAL_ALL = /[&<>\u00a0]/g;
    const TEXT_ENTITY = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '\u00a0': '&nbsp;' };
    const TRAILING_BREAKS = /^[ \t\r\n]*[\r\n][ \t\r\n]*$/;
    // Attributes the editor itself may leave for a moment.
    T.privateAttributes = new Set(['data-tvl-style']);

    function escapeText(text) {
        return TEXT_SPECIAL.test(text) ? text.replace(TEXT_SPECIAL_ALL, (c) => TEXT_ENTITY[c]) : text;
    }

    function attributeValue(value) {
        let v = value;
        if (v.indexOf('&') >= 0) v = v.replace(/&/g, '&amp;');
        if (v.indexOf('\u00a0') >= 0) v = v.replace(/\u00a0/g, '&nbsp;');
        if (v === '' || NEEDS_QUOTES.test(v)) return '"' + v.replace(/"/g, '&quot;') + '"';
        return v;
    }

    const upperNames = new Map();
    function tagName(el) {
        if (el.namespaceURI !== HTML_NS) return el.tagName;
        const local = el.localName;
        let name = upperNames.get(local);
        if (name === undefined) { name = local.toUpperCase(); upperNames.set(local, name); }
        return name;
    }

    function writeAttributes(el, out) {
        const attrs = el.attributes;
        for (let i = 0; i < attrs.length; i++) {
            const a = attrs[i];
            const name = a.name;
            if (name.charCodeAt(0) === 100 /* d */ && T.privateAttributes.has(name)) continue;
            const shown = MIXED_CASE[name] || name;
            if (a.value === '' && BOOLEAN.has(name)) out.push(' ', shown);
            else out.push(' ', shown, '=', attributeValue(a.value));
        }
    }

    function doctype(d) {
        let s = '<!DOCTYPE ' + d.name.toUpperCase();
        if (d.publicId) s += ' PUBLIC "' + d.publicId + '"';
        if (d.systemId) s += (d.publicId ? '' : ' SYSTEM') + ' "' + d.systemId + '"';
        return s + '>';
    }

    function writeChildren(parent, out, isBody) {
        let last = parent.lastChild;
        // The break after </BODY> that every rewrite adds would pile up otherwise.
        if (isBody && last && last.nodeType === Node.TEXT_NODE && TRAILING_BREAKS.test(last.data)) last = last.previousSibling;
        if (!last) return;
        for (let n = parent.firstChild; n; n = n.nextSibling) {
            writeNode(n, out);
            if (n === last) break;
        }
    }

    function rawText(el) {
        let s = '';
        for (let n = el.firstChild; n; n = n.nextSibling) if (n.nodeType === Node.TEXT_NODE) s += n.data;
        return s;
    }

    function rcdataText(text, name) {
        const end = new RegExp('<(/' + name + ')', 'gi');
        return text.replace(/&/g, '&amp;').replace(/\u00a0/g, '&nbsp;').replace(end, '&lt;$1');
    }

    function isTextOnly(el) {
        for (let n = el.firstChild; n; n = n.nextSibling) if (n.nodeType !== Node.TEXT_NODE) return false;
        return true;
    }

    function writeNode(node, out) {
        switch (node.nodeType) {
        case Node.ELEMENT_NODE: {
            const name = tagName(node);
            if (name === 'META' && node.hasAttribute('data-tvl-editor')) return;
            out.push('<', name);
            writeAttributes(node, out);
            out.push('>');
            if (node.namespaceURI === HTML_NS && VOID.has(name)) return;
            if (RAW_TEXT.has(name) || (name === 'NOSCRIPT' && isTextOnly(node))) out.push(rawText(node));
            else if (RCDATA.has(name)) out.push(rcdataText(rawText(node), name));
            else if (name === 'TEMPLATE' && node.content) writeChildren(node.content, out, false);
            else writeChildren(node, out, name === 'BODY');
            out.push('</', name, '>');
            return;
        }
        case Node.TEXT_NODE:
            out.push(escapeText(node.data));
            return;
        case Node.COMMENT_NODE:
            out.push('<!--', node.data, '-->');
            return;
        case Node.DOCUMENT_TYPE_NODE:
            out.push(doctype(node));
            return;
        case Node.DOCUMENT_FRAGMENT_NODE:
            writeChildren(node, out, false);
            return;
        default:
            return;
        }
    }

    T.serializeDocument = (doc) => {
        const out = [];
        for (let n = doc.firstChild; n; n = n.nextSibling) writeNode(n, out);
        return out.join('');
    };

    T.serializeNode = (node) => {
        const out = [];
        writeNode(node, out);
        return out.join('');
    };
})();
