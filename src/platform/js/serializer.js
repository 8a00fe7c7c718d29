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
    // Comments, the start tags of raw-text elements (their text is kept whole), and tags.
    // HTML's own white space: a no-break space (which \s takes) is part of a
    // name. A name may begin with "=" and hold quotes, never "/" or "=" after its start.
    const TOKEN = /<!--[\s\S]*?-->|<(script|style|xmp|iframe|noembed|noframes|plaintext|noscript|textarea|title)\b((?:[\t\n\f\r ]+[^\t\n\f\r />][^\t\n\f\r />=]*(?:="[^"]*")?)*)[\t\n\f\r ]*>|<(\/?)([a-zA-Z][^\t\n\f\r />]*)((?:[\t\n\f\r ]+[^\t\n\f\r />][^\t\n\f\r />=]*(?:="[^"]*")?)*)[\t\n\f\r ]*\/?>/g;
    const ATTRIBUTE = /[\t\n\f\r ]+([^\t\n\f\r />][^\t\n\f\r />=]*)(?:="([^"]*)")?/g;
    const RCDATA = new Set(['textarea', 'title']);
    // The break after </BODY> that every rewrite adds would pile up otherwise.
    const TRAILING_BREAKS = />([ \t\r\n]*[\r\n][ \t\r\n]*)$/;
    function dropTrailingBreaks(html) {
        const end = html.lastIndexOf('</BODY>');
        if (end < 0) return html;
        const m = TRAILING_BREAKS.exec(html.slice(Math.max(0, end - 4096), end));
        return m ? html.slice(0, end - m[1].length) + html.slice(end) : html;
    }

    // Only ASCII letters change case: a parser folds no other, and "ß" or "σ"
    // in a name would come back as another name.
    const upper = (name) => name.replace(/[a-z]+/g, (m) => m.toUpperCase());
    const lower = (name) => name.replace(/[A-Z]+/g, (m) => m.toLowerCase());

    function attributes(text) {
        if (!text) return '';
        const found = [];
        ATTRIBUTE.lastIndex = 0;
        let m;
        while ((m = ATTRIBUTE.exec(text)) !== null)
            if (!T.privateAttributes.has(m[1])) found.push([m[1], m[2] === undefined ? '' : m[2]]);
        let out = '';
        found.forEach(([name, value], i) => {
            const shown = MIXED_CASE[name] || name;
            // A bare name would take a following name that begins with "=" for its value.
            const next = found[i + 1];
            const bare = value === '' && BOOLEAN.has(name) && !(next && next[0][0] === '=');
            if (bare) out += ' ' + shown;
            else if (value === '' || NEEDS_QUOTES.test(value)) out += ' ' + shown + '="' + value + '"';
            else out += ' ' + shown + '=' + value;
        });
        return out;
    }

    function startTag(name, attrText) {
        return '<' + upper(name) + attributes(attrText) + '>';
    }

    // Text of these is written as typed, so that a "<HTML>" in it reads as such; only
    // what would end the element early or start a reference stays escaped.
    function rcdataText(text, name) {
        const end = new RegExp('<(/' + name + ')', 'gi');
        return text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(end, '&lt;$1');
    }

    // Where the tag that starts at `at` ends, in Chromium's way of writing
    // tags: names, then ="value" with no " inside.
    function tagEnd(html, at) {
        const n = html.length;
        const space = (c) => c === ' ' || c === '\t' || c === '\n' || c === '\f' || c === '\r';
        let p = at + 1;
        while (p < n && !space(html[p]) && html[p] !== '/' && html[p] !== '>') p++;
        for (;;) {
            while (p < n && (space(html[p]) || html[p] === '/')) p++;
            if (p >= n) return n;
            if (html[p] === '>') return p + 1;
            p++; // a name's first character may be "="
            while (p < n && !space(html[p]) && html[p] !== '/' && html[p] !== '>' && html[p] !== '=') p++;
            if (html[p] === '=' && html[p + 1] === '"') {
                const close = html.indexOf('"', p + 2);
                if (close < 0) return n;
                p = close + 1;
            } else if (html[p] === '=') {
                p++;
            }
        }
    }

    // Where the text of a raw-text element that starts at `from` ends: at its
    // end tag, which in a script is not one inside "<!--" after "<script".
    function rawTextEnd(html, from, name) {
        const n = html.length;
        const delimiter = (at) => at >= n || ' \t\n\f\r/>'.indexOf(html[at]) >= 0;
        const tagAt = (at, tag) => html.substr(at, tag.length).toLowerCase() === tag && delimiter(at + tag.length);
        const closing = '</' + name;
        if (name !== 'script') {
            for (let at = html.indexOf('</', from); at >= 0; at = html.indexOf('</', at + 2))
                if (tagAt(at, closing)) return at;
            return n;
        }
        let state = 'data';
        for (let at = from; at < n; at++) {
            if (html[at] === '<') {
                if (state !== 'double' && tagAt(at, '</script')) return at;
                if (state === 'double' && tagAt(at, '</script')) { state = 'escaped'; at += 7; continue; }
                if (state === 'escaped' && tagAt(at, '<script')) { state = 'double'; at += 6; continue; }
                if (state === 'data' && html.startsWith('<!--', at)) {
                    state = 'escaped';
                    at += 3;
                    // "<!-->" and "<!--->" close at once.
                    if (html[at + 1] === '>') { state = 'data'; at += 1; }
                    else if (html[at + 1] === '-' && html[at + 2] === '>') { state = 'data'; at += 2; }
                    continue;
                }
            } else if (state !== 'data' && html.startsWith('-->', at)) {
                state = 'data';
                at += 2;
            }
        }
        return n;
    }

    // Inside SVG and MathML a <title>, <style> or <script> is an ordinary
    // element: its text stays escaped, and a <title> holds HTML again.
    const FOREIGN_ROOTS = new Set(['svg', 'math']);
    const INTEGRATION_POINTS = {
        svg: new Set(['foreignobject', 'desc', 'title']),
        math: new Set(['mi', 'mo', 'mn', 'ms', 'mtext', 'annotation-xml']),
    };

    // A <noscript> parsed where scripts are off holds its text in a comment
    // (NoscriptText), written back here as the text it was.
    const KEPT_NOSCRIPT = /<!--tvl-noscript ([^<>-]*)--><\/noscript>/y;
    function keptNoscript(html, at) {
        KEPT_NOSCRIPT.lastIndex = at;
        const m = KEPT_NOSCRIPT.exec(html);
        if (!m) return null;
        try {
            return { text: decodeURIComponent(m[1]), end: KEPT_NOSCRIPT.lastIndex };
        } catch (e) {
            return null;
        }
    }

    // A document without a window (parsed, not shown) reads <noscript> as markup.
    function convert(html, scripting) {
        // Pages repeat the same few tags thousands of times.
        const seen = new Map();
        // Open elements that change how their content is read.
        const frames = [];
        const top = () => frames[frames.length - 1];
        const inForeign = () => frames.length > 0 && top().foreign;
        // An element of the frame's own name inside it (HTML's own <foreignobject>
        // in a <foreignObject>) is counted, so that its end tag does not close the frame.
        const enter = (name) => {
            if (frames.length === 0 && name !== 'svg' && name !== 'math') return;
            if (FOREIGN_ROOTS.has(name)) frames.push({ name, foreign: true, root: name, nested: 0 });
            else if (inForeign() && INTEGRATION_POINTS[top().root].has(name)) frames.push({ name, foreign: false, nested: 0 });
            else if (frames.length && top().name === name) top().nested++;
        };
        const leave = (name) => {
            if (!frames.length || top().name !== name) return;
            if (top().nested > 0) top().nested--;
            else frames.pop();
        };

        let out = '';
        let last = 0;
        let m;
        TOKEN.lastIndex = 0;
        while ((m = TOKEN.exec(html)) !== null) {
            // Chromium escapes every "<" of text: one passed over starts a tag
            // not understood here, written as it is. Nothing inside it is a tag.
            const skipped = html.indexOf('<', last);
            if (skipped >= 0 && skipped < m.index) {
                const end = tagEnd(html, skipped);
                if (end > m.index) {
                    out += html.slice(last, end);
                    last = TOKEN.lastIndex = end;
                    continue;
                }
            }
            const whole = m[0];
            const rawName = m[1];
            out += html.slice(last, m.index);
            last = TOKEN.lastIndex;
            if (m[4] !== undefined) {
                let tag = seen.get(whole);
                if (tag === undefined) {
                    const folded = lower(m[4]);
                    const slash = !!m[3];
                    tag = {
                        folded, slash,
                        text: slash ? '</' + upper(folded) + '>' : (startTag(folded, m[5] || '') || ''),
                        // A parser drops one line break right after these start tags.
                        breakKept: !slash && (folded === 'pre' || folded === 'listing'),
                    };
                    seen.set(whole, tag);
                }
                if (tag.slash) leave(tag.folded);
                else enter(tag.folded);
                out += tag.text;
                if (tag.breakKept && html.charCodeAt(last) === 10 && !inForeign()) out += '\n';
            } else if (rawName !== undefined) {
                const rawAttrs = m[2];
                const folded = lower(rawName);
                const open = startTag(folded, rawAttrs || '') || '';
                const kept = folded === 'noscript' && !inForeign() ? keptNoscript(html, last) : null;
                if (kept) {
                    out += open + kept.text + '</NOSCRIPT>';
                    last = TOKEN.lastIndex = kept.end;
                } else if (inForeign() || (folded === 'noscript' && !scripting)) {
                    // What follows is markup, read on from here.
                    enter(folded);
                    out += open;
                } else {
                    const end = rawTextEnd(html, last, folded);
                    const rawBody = html.slice(last, end);
                    let body = RCDATA.has(folded) ? rcdataText(rawBody, folded) : rawBody;
                    if (folded === 'textarea' && body.charCodeAt(0) === 10) body = '\n' + body;
                    const close = html.indexOf('>', end);
                    out += open + body + (end < html.length ? '</' + upper(folded) + '>' : '');
                    last = TOKEN.lastIndex = close < 0 ? html.length : close + 1;
                }
            } else {
                out += whole; // comment
            }
        }
        return out + html.slice(last);
    }

    function doctype(d) {
        let s = '<!DOCTYPE ' + upper(d.name);
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
            if (n.nodeType === Node.ELEMENT_NODE) out += dropTrailingBreaks(convert(n.outerHTML, !!doc.defaultView));
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
        const scripting = !!(node.ownerDocument && node.ownerDocument.defaultView);
        if (node.nodeType === Node.ELEMENT_NODE) return withoutNul(convert(node.outerHTML, scripting));
        const box = document.createElement('div');
        box.appendChild(node.nodeType === Node.DOCUMENT_FRAGMENT_NODE ? node : node.cloneNode(true));
        return withoutNul(convert(box.innerHTML, true));
    };
})();
