// Splits VBScript source into tokens, each with its line and column. Statement
// ends (line breaks and ':') are tokens of their own; '_' at a line's end joins
// it to the next. Compile errors carry the language's numbers.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});

    const COMPILE_MESSAGES = {
        1002: '構文エラーです。',
        1005: "'(' がありません。",
        1006: "')' がありません。",
        1007: "']' がありません。",
        1010: '識別子がありません。',
        1011: "'=' がありません。",
        1012: "'If' がありません。",
        1013: "'To' がありません。",
        1014: "'End' がありません。",
        1015: "'Function' がありません。",
        1016: "'Sub' がありません。",
        1017: "'Then' がありません。",
        1018: "'Wend' がありません。",
        1019: "'Loop' がありません。",
        1020: "'Next' がありません。",
        1021: "'Case' がありません。",
        1022: "'Select' がありません。",
        1023: '式がありません。',
        1024: 'ステートメントがありません。',
        1025: 'ステートメントの末尾が不正です。',
        1026: '整数の定数がありません。',
        1027: "'While' または 'Until' がありません。",
        1029: "'With' がありません。",
        1031: '数値が不正です。',
        1032: '使えない文字です。',
        1033: '文字列が閉じられていません。',
        1037: "'Me' の使い方が不正です。",
        1038: "'Loop' に対応する 'Do' がありません。",
        1039: "'Exit' ステートメントが不正です。",
        1040: "'For' ループの制御変数が不正です。",
        1041: '名前が二重に定義されています。',
        1044: 'Sub を呼び出すときはかっこを使えません。',
        1046: "'In' がありません。",
        1047: "'Class' がありません。",
        1048: 'Class の中で定義しなければなりません。',
        1049: "プロパティの宣言に Let、Set、Get のいずれかがありません。",
        1050: "'Property' がありません。",
        1052: 'Class に既定のプロパティまたはメソッドが二つ以上あります。',
        1053: 'Class の Initialize と Terminate は引数を持てません。',
        1054: 'Property Let と Property Set には引数が一つ以上必要です。',
        1055: "'Next' が不正です。",
        1056: "'Default' は 'Property'、'Function'、'Sub' にだけ指定できます。",
        1057: "'Default' には 'Public' も指定しなければなりません。",
        1058: "'Default' は Property Get にだけ指定できます。",
        1063: '日付の書き方が正しくありません。',
    };
    VB.COMPILE_MESSAGES = COMPILE_MESSAGES;

    class VbSyntaxError extends Error {
        constructor(number, line, column, detail) {
            const description = (COMPILE_MESSAGES[number] || COMPILE_MESSAGES[1002]) + (detail ? ' (' + detail + ')' : '');
            super(description);
            this.vbNumber = number;
            this.vbDescription = description;
            this.vbLine = line;
            this.vbColumn = column;
            this.vbSource = 'VBScript コンパイル エラー';
        }
    }
    VB.VbSyntaxError = VbSyntaxError;

    const IDENT = /[A-Za-z\u00c0-\u2fff\u3001-\uffff][A-Za-z0-9_\u00c0-\u2fff\u3001-\uffff]*/y;
    const NUMBER = /(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?/y;
    const HEX = /&[hH]([0-9A-Fa-f]+)(&?)/y;
    const OCTAL = /&[oO]?([0-7]+)(&?)/y;
    const CONTINUATION = /_[ \t]*(?:\r\n|\n|\r)/y;
    const OPERATORS = ['<>', '<=', '>=', '=<', '=>', '><', '+', '-', '*', '/', '\\', '^', '&', '=', '<', '>', '(', ')', ',', '.'];

    // Subtype codes as VarType gives them.
    const INTEGER = 2;
    const LONG = 3;
    const SINGLE = 4;
    const DOUBLE = 5;
    const CURRENCY = 6;

    function at(re, src, i) {
        re.lastIndex = i;
        return re.exec(src);
    }

    // A whole-number literal is an Integer, a Long or a Double by its size.
    function wholeKind(v) {
        if (v <= 32767) return INTEGER;
        if (v <= 2147483647) return LONG;
        return DOUBLE;
    }
    // &H and &O literals: up to 16 bits an Integer, up to 32 a Long, both signed; '&' makes it a Long.
    function radixLiteral(v, long, fail) {
        if (!long && v <= 0xffff) return { v: v > 0x7fff ? v - 0x10000 : v, kind: INTEGER };
        if (v <= 0xffffffff) return { v: v > 0x7fffffff ? v - 0x100000000 : v, kind: LONG };
        fail(1031);
        return null;
    }

    VB.lex = function lex(src) {
        const tokens = [];
        const n = src.length;
        let i = 0;
        let line = 1;
        let lineStart = 0;
        const col = (k) => k - lineStart + 1;
        const fail = (number, k, detail) => { throw new VbSyntaxError(number, line, col(k === undefined ? i : k), detail); };
        const push = (t, v, start, extra) => {
            const token = { t, v, line, col: col(start), space: start > 0 && (src[start - 1] === ' ' || src[start - 1] === '\t') };
            if (extra) Object.assign(token, extra);
            tokens.push(token);
            return token;
        };
        const endStatement = (v, start) => {
            const last = tokens[tokens.length - 1];
            if (last && last.t === 'nl' && last.v === '\n' && v === '\n') return;
            push('nl', v, start);
        };
        while (i < n) {
            const c = src[i];
            if (c === ' ' || c === '\t' || c === '\u3000' || c === '\f' || c === '\v' || c === '\u00a0') { i++; continue; }
            if (c === '\r' || c === '\n') {
                endStatement('\n', i);
                i += (c === '\r' && src[i + 1] === '\n') ? 2 : 1;
                line++;
                lineStart = i;
                continue;
            }
            if (c === '_') {
                const m = at(CONTINUATION, src, i);
                if (m) { i += m[0].length; line++; lineStart = i; continue; }
            }
            if (c === ':') { endStatement(':', i); i++; continue; }
            if (c === "'") { while (i < n && src[i] !== '\r' && src[i] !== '\n') i++; continue; }
            if (c === '"') {
                let s = '';
                let j = i + 1;
                for (;;) {
                    if (j >= n || src[j] === '\r' || src[j] === '\n') fail(1033);
                    if (src[j] === '"') {
                        if (src[j + 1] === '"') { s += '"'; j += 2; continue; }
                        break;
                    }
                    s += src[j++];
                }
                push('str', s, i);
                i = j + 1;
                continue;
            }
            if (c === '#') {
                const close = src.indexOf('#', i + 1);
                const text = close > 0 ? src.slice(i + 1, close) : '';
                if (close > 0 && !/[\r\n]/.test(text)) {
                    push('date', text, i);
                    i = close + 1;
                    continue;
                }
                fail(1063);
            }
            if (c === '&') {
                const h = at(HEX, src, i);
                if (h) {
                    const r = radixLiteral(parseInt(h[1], 16), h[2] === '&', (num) => fail(num));
                    push('num', r.v, i, { kind: r.kind });
                    i += h[0].length;
                    continue;
                }
                const o = at(OCTAL, src, i);
                if (o && (/[oO]/.test(src[i + 1]) || /[0-7]/.test(src[i + 1]))) {
                    const r = radixLiteral(parseInt(o[1], 8), o[2] === '&', (num) => fail(num));
                    push('num', r.v, i, { kind: r.kind });
                    i += o[0].length;
                    continue;
                }
            }
            if ((c >= '0' && c <= '9') || (c === '.' && src[i + 1] >= '0' && src[i + 1] <= '9' && !followsValue(tokens))) {
                const m = at(NUMBER, src, i);
                const text = m[0];
                const v = parseFloat(text);
                let kind = /[.eE]/.test(text) ? DOUBLE : wholeKind(v);
                let end = i + text.length;
                const suffix = src[end];
                if (suffix === '%' || suffix === '&' || suffix === '!' || suffix === '#' || suffix === '@') {
                    if (!/\w/.test(src[end + 1] || '') && !(suffix === '&' && /[hHoO0-7]/.test(src[end + 1] || ''))) {
                        kind = { '%': INTEGER, '&': LONG, '!': SINGLE, '#': DOUBLE, '@': CURRENCY }[suffix];
                        end++;
                    }
                }
                if (!Number.isFinite(v)) fail(1031);
                push('num', v, i, { kind });
                i = end;
                continue;
            }
            if (c === '[') {
                const close = src.indexOf(']', i);
                if (close < 0 || /[\r\n]/.test(src.slice(i, close))) fail(1007);
                const name = src.slice(i + 1, close);
                push('id', name, i, { lc: name.toLowerCase(), bracketed: true });
                i = close + 1;
                continue;
            }
            const id = at(IDENT, src, i);
            if (id) {
                const lc = id[0].toLowerCase();
                if (lc === 'rem' && !followsDot(tokens)) { while (i < n && src[i] !== '\r' && src[i] !== '\n') i++; continue; }
                push('id', id[0], i, { lc });
                i += id[0].length;
                // Type characters of older Basics are read and ignored.
                if (src[i] === '$' || ((src[i] === '%' || src[i] === '!' || src[i] === '@') && !/\w/.test(src[i + 1] || ''))) i++;
                continue;
            }
            const op = OPERATORS.find((o) => src.startsWith(o, i));
            if (op) {
                const normal = op === '=<' ? '<=' : op === '=>' ? '>=' : op === '><' ? '<>' : op;
                push('op', normal, i);
                i += op.length;
                continue;
            }
            fail(1032, i, c);
        }
        endStatement('\n', n);
        push('eof', '', n);
        return tokens;
    };

    function followsDot(tokens) {
        const last = tokens[tokens.length - 1];
        return last && last.t === 'op' && last.v === '.';
    }
    // ".5" is a number unless it follows something that can have members.
    function followsValue(tokens) {
        const last = tokens[tokens.length - 1];
        return last && ((last.t === 'op' && (last.v === '.' || last.v === ')')) || (last.t === 'id' && !last.space));
    }
})(typeof window !== 'undefined' ? window : globalThis);
