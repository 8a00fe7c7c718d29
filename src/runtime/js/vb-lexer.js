// Splits VBScript source into tokens. Statement ends (line breaks and ':')
// are tokens of their own; '_' at a line's end joins it to the next.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});

    const IDENT = /[A-Za-z\u00c0-\uffff][A-Za-z0-9_\u00c0-\uffff]*/y;
    const NUMBER = /(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?[#!@%&]?/y;
    const HEX = /&[hH]([0-9A-Fa-f]+)&?/y;
    const OCTAL = /&[oO]?([0-7]+)&?/y;
    const CONTINUATION = /_[ \t]*(?:\r\n|\n|\r)/y;
    const OPERATORS = ['<>', '<=', '>=', '=<', '=>', '><', '+', '-', '*', '/', '\\', '^', '&', '=', '<', '>', '(', ')', ',', '.'];

    class VbSyntaxError extends Error {
        constructor(message, line) {
            super(message);
            this.vbLine = line;
            this.vbNumber = 1002;
        }
    }
    VB.VbSyntaxError = VbSyntaxError;

    function at(re, src, i) {
        re.lastIndex = i;
        return re.exec(src);
    }

    VB.lex = function lex(src) {
        const tokens = [];
        const n = src.length;
        let i = 0;
        let line = 1;
        const push = (t, v, extra) => tokens.push(Object.assign({ t, v, line }, extra));
        const endStatement = (v) => {
            const last = tokens[tokens.length - 1];
            if (last && last.t === 'nl' && v === ':' && last.v === ':') return;
            if (last && last.t === 'nl' && last.v === '\n' && v === '\n') return;
            push('nl', v);
        };
        while (i < n) {
            const c = src[i];
            if (c === ' ' || c === '\t' || c === '\u3000' || c === '\f' || c === '\v') { i++; continue; }
            if (c === '\r' || c === '\n') {
                endStatement('\n');
                i += (c === '\r' && src[i + 1] === '\n') ? 2 : 1;
                line++;
                continue;
            }
            if (c === '_') {
                const m = at(CONTINUATION, src, i);
                if (m) { i += m[0].length; line++; continue; }
            }
            if (c === ':') { endStatement(':'); i++; continue; }
            if (c === "'") { while (i < n && src[i] !== '\r' && src[i] !== '\n') i++; continue; }
            if (c === '"') {
                let s = '';
                let j = i + 1;
                for (;;) {
                    if (j >= n || src[j] === '\r' || src[j] === '\n') throw new VbSyntaxError('文字列が閉じられていません。', line);
                    if (src[j] === '"') {
                        if (src[j + 1] === '"') { s += '"'; j += 2; continue; }
                        break;
                    }
                    s += src[j++];
                }
                push('str', s);
                i = j + 1;
                continue;
            }
            if (c === '#') {
                const close = src.indexOf('#', i + 1);
                const text = close > 0 ? src.slice(i + 1, close) : '';
                if (close > 0 && !/[\r\n]/.test(text)) {
                    push('date', text);
                    i = close + 1;
                    continue;
                }
                throw new VbSyntaxError('日付の書き方が正しくありません。', line);
            }
            if (c === '&') {
                const h = at(HEX, src, i);
                if (h) { push('num', toSigned(h[1])); i += h[0].length; continue; }
                if (src[i + 1] === 'o' || src[i + 1] === 'O') {
                    const o = at(OCTAL, src, i);
                    if (o) { push('num', parseInt(o[1], 8)); i += o[0].length; continue; }
                }
            }
            if ((c >= '0' && c <= '9') || (c === '.' && src[i + 1] >= '0' && src[i + 1] <= '9' && !isMemberDot(tokens))) {
                const m = at(NUMBER, src, i);
                push('num', parseFloat(m[0].replace(/[#!@%&]$/, '')));
                i += m[0].length;
                continue;
            }
            if (c === '[') {
                const close = src.indexOf(']', i);
                if (close < 0) throw new VbSyntaxError('名前の [ が閉じられていません。', line);
                push('id', src.slice(i + 1, close), { lc: src.slice(i + 1, close).toLowerCase(), spaceBefore: spaceBefore(src, i) });
                i = close + 1;
                continue;
            }
            const id = at(IDENT, src, i);
            if (id) {
                const lc = id[0].toLowerCase();
                if (lc === 'rem' && !isMemberDot(tokens)) { while (i < n && src[i] !== '\r' && src[i] !== '\n') i++; continue; }
                push('id', id[0], { lc, spaceBefore: spaceBefore(src, i) });
                i += id[0].length;
                if (src[i] === '$' || ((src[i] === '%' || src[i] === '!' || src[i] === '@') && !/\w/.test(src[i + 1] || ''))) i++;
                continue;
            }
            const op = OPERATORS.find((o) => src.startsWith(o, i));
            if (op) {
                const normal = op === '=<' ? '<=' : op === '=>' ? '>=' : op === '><' ? '<>' : op;
                push('op', normal, { spaceBefore: spaceBefore(src, i) });
                i += op.length;
                continue;
            }
            throw new VbSyntaxError('使えない文字があります: ' + c, line);
        }
        endStatement('\n');
        push('eof', '');
        return tokens;
    };

    function spaceBefore(src, i) {
        return i > 0 && (src[i - 1] === ' ' || src[i - 1] === '\t');
    }

    function isMemberDot(tokens) {
        const last = tokens[tokens.length - 1];
        return last && last.t === 'op' && last.v === '.';
    }

    // &HFFFF is -1 as in VB: hex literals of four or eight digits are signed.
    function toSigned(digits) {
        const v = parseInt(digits, 16);
        if (digits.length <= 4 && v > 0x7fff) return v - 0x10000;
        if (digits.length <= 8 && v > 0x7fffffff) return v - 0x100000000;
        return v;
    }
})(typeof window !== 'undefined' ? window : globalThis);
