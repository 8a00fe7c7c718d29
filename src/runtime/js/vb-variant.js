// Variant values and their subtypes. Empty is undefined, Nothing is null, Null
// is VB.NULL, Boolean a JavaScript boolean, String a string, Date a Date. A
// number is a plain JavaScript number when its subtype is the one its value
// implies (a whole number within 16 bits an Integer, within 32 a Long, any other
// a Double), so that the common arithmetic stays plain; any other numeric
// subtype (a Long 5, a Double 2, a Single, Currency or Byte) is a VbNumber.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = (VB.rt = VB.rt || {});

    const EMPTY = 0;
    const NULLTYPE = 1;
    const INTEGER = 2;
    const LONG = 3;
    const SINGLE = 4;
    const DOUBLE = 5;
    const CURRENCY = 6;
    const DATE = 7;
    const STRING = 8;
    const OBJECT = 9;
    const BOOLEAN = 11;
    const BYTE = 17;
    const ARRAY = 8192;
    $.T = { EMPTY, NULLTYPE, INTEGER, LONG, SINGLE, DOUBLE, CURRENCY, DATE, STRING, OBJECT, BOOLEAN, BYTE, ARRAY };

    const NULL = Object.freeze({ toString: () => 'Null' });
    $.NULL = NULL;
    VB.NULL = NULL;

    // ---- errors
    const MESSAGES = {
        5: 'プロシージャの呼び出し、または引数が不正です。',
        6: 'オーバーフローしました。',
        7: 'メモリが不足しています。',
        9: 'インデックスが有効範囲にありません。',
        10: 'この配列は固定されているか、または一時的にロックされています。',
        11: '0 で除算しました。',
        13: '型が一致しません。',
        14: '文字列領域が不足しています。',
        17: '要求された操作は実行できません。',
        28: 'スタック領域が不足しています。',
        35: 'Sub または Function が定義されていません。',
        48: 'DLL の読み込みでエラーが発生しました。',
        51: '内部エラーです。',
        52: 'ファイル名または番号が不正です。',
        53: 'ファイルが見つかりません。',
        70: '書き込みできません。',
        76: 'パスが見つかりません。',
        91: 'オブジェクト変数または With ブロック変数が設定されていません。',
        92: 'For ループが初期化されていません。',
        94: 'Null の使い方が不正です。',
        322: '必要な一時ファイルを作成できません。',
        424: 'オブジェクトがありません。',
        429: 'オブジェクトを作成できません。',
        430: 'クラスはオートメーションをサポートしていません。',
        432: 'ファイル名またはクラス名がオートメーションの操作中に見つかりませんでした。',
        438: 'オブジェクトでサポートされていないプロパティまたはメソッドです。',
        440: 'オートメーション エラーです。',
        445: 'オブジェクトでサポートされていない操作です。',
        446: '名前付き引数はサポートされていません。',
        447: '現在のロケール設定はサポートされていません。',
        448: '名前付き引数が見つかりません。',
        449: '引数は省略できません。',
        450: '引数の数が一致していません。または不正なプロパティを指定しています。',
        451: 'オブジェクトはコレクションではありません。',
        453: '指定された DLL 関数が見つかりません。',
        458: '変数はサポートされていないオートメーションの型を使用しています。',
        462: 'リモート サーバーがないか、使用できる状態ではありません。',
        481: 'ピクチャが不正です。',
        500: '変数が定義されていません。',
        501: '代入できません。',
        502: 'オブジェクトはスクリプトに対して安全ではありません。',
        503: 'オブジェクトは初期化に対して安全ではありません。',
        504: 'オブジェクトは作成に対して安全ではありません。',
        505: '参照が不正です。',
        506: 'クラスが定義されていません。',
        507: '例外が発生しました。',
        1031: 'スクリプトの実行に時間がかかりすぎるため中止しました。',
        5016: '正規表現オブジェクトが必要です。',
        5017: '正規表現の構文エラーです。',
        5018: '数量詞が不正です。',
        5019: "正規表現に ']' がありません。",
        5020: "正規表現に ')' がありません。",
        5021: '文字セットの範囲が不正です。',
    };
    $.MESSAGES = MESSAGES;
    const UNKNOWN = '実行時エラーが発生しました。';

    class VbError extends Error {
        constructor(number, description, source) {
            const text = description || MESSAGES[number] || UNKNOWN;
            super(text);
            this.vbNumber = number;
            this.vbDescription = text;
            this.vbSource = source || 'VBScript 実行時エラー';
            this.vbRuntime = true;
        }
    }
    VB.VbError = VbError;
    const raise = (number, description) => { throw new VbError(number, description); };
    $.raise = raise;

    // ---- numbers with a subtype of their own
    class VbNumber {
        constructor(v, t) {
            this.v = v;
            this.t = t;
        }
        valueOf() { return this.v; }
        toString() { return str(this); }
        toJSON() { return this.v; }
    }
    VB.VbNumber = VbNumber;
    $.VbNumber = VbNumber;

    // The subtype a plain number stands for.
    const natural = (x) => ((x | 0) === x ? (x >= -32768 && x <= 32767 ? INTEGER : LONG) : DOUBLE);
    // A Long within Integer's range is common (a count that went up and came back): one object each.
    const smallLongs = new Array(65536).fill(null);
    const long = (x) => {
        if ((x | 0) !== x || x < -32768 || x > 32767) return x;
        return smallLongs[x + 32768] || (smallLongs[x + 32768] = new VbNumber(x, LONG));
    };
    const box = (x, t) => (t === LONG ? long(x) : natural(x) === t ? x : new VbNumber(x, t));
    $.box = box;
    $.natural = natural;

    const isObjectValue = (v) => v !== null && typeof v === 'object' && v !== NULL && !(v instanceof Date) && !(v instanceof VbNumber) && !Array.isArray(v);
    $.isObjectValue = isObjectValue;

    function kindOf(v) {
        switch (typeof v) {
        case 'number': return natural(v);
        case 'string': return STRING;
        case 'boolean': return BOOLEAN;
        case 'undefined': return EMPTY;
        case 'function': return OBJECT;
        default:
            if (v instanceof VbNumber) return v.t;
            if (v === NULL) return NULLTYPE;
            if (v instanceof Date) return DATE;
            if (Array.isArray(v)) return ARRAY;
            return OBJECT;
        }
    }
    $.kindOf = kindOf;

    // ---- dates: a Date stands for days since 30 December 1899, as the language counts them
    const OLE_EPOCH = Date.UTC(1899, 11, 30);
    function dateToNumber(d) {
        return (Date.UTC(d.getFullYear(), d.getMonth(), d.getDate(), d.getHours(), d.getMinutes(), d.getSeconds(), d.getMilliseconds()) - OLE_EPOCH) / 864e5;
    }
    // Before 1899/12/30 the fraction still counts forward from midnight: -1.25 is 1899/12/29 6:00.
    function numberToDate(x) {
        if (!Number.isFinite(x) || x < -657434 || x >= 2958466) raise(6);
        const days = Math.trunc(x);
        const fraction = Math.abs(x - days);
        const ms = Math.round(fraction * 864e5);
        const u = new Date(OLE_EPOCH + days * 864e5 + ms);
        const d = new Date(0);
        d.setFullYear(u.getUTCFullYear(), u.getUTCMonth(), u.getUTCDate());
        d.setHours(u.getUTCHours(), u.getUTCMinutes(), u.getUTCSeconds(), 0);
        return d;
    }
    $.dateToNumber = dateToNumber;
    $.numberToDate = numberToDate;

    // ---- text that reads as a number: blanks around, a sign, thousands separators, exponent, &H and &O
    const NUMERIC = /^\s*([+-]?)\s*((?:\d[\d,]*\.?\d*|\.\d+)(?:[eEdD][+-]?\d+)?)\s*$/;
    const RADIX_TEXT = /^\s*&([hHoO]?)([0-9A-Fa-f]+)\s*$/;
    function parseNumber(s) {
        const m = NUMERIC.exec(s);
        if (m) {
            if (/,/.test(m[2]) && (/^,|,\.|,$/.test(m[2]) || /,\d*[eE]/.test(m[2]))) return NaN;
            const x = parseFloat(m[2].replace(/,/g, '').replace(/[dD]/, 'e'));
            return m[1] === '-' ? -x : x;
        }
        const r = RADIX_TEXT.exec(s);
        if (r) {
            const hex = r[1] === 'h' || r[1] === 'H';
            if (!hex && !/^[0-7]+$/.test(r[2])) return NaN;
            let v = parseInt(r[2], hex ? 16 : 8);
            if (v <= 0xffff) v = v > 0x7fff ? v - 0x10000 : v;
            else if (v <= 0xffffffff) v = v > 0x7fffffff ? v - 0x100000000 : v;
            else return NaN;
            return v;
        }
        return NaN;
    }
    $.parseNumber = parseNumber;

    // An object stands for its value where a value is wanted: a class's default member, a form field's value.
    function defaultValue(o) {
        if (o && typeof o === 'object') {
            if (typeof o.vbValue === 'function') return o.vbValue();
            if ('value' in o && typeof o.value !== 'object') return o.value;
            if (o.vbDefault !== undefined) return o.vbDefault;
        }
        if (o === null) raise(91);
        raise(438);
        return undefined;
    }
    $.defaultValue = defaultValue;
    const plainValue = (v) => (isObjectValue(v) ? defaultValue(v) : v);

    // ---- coercions
    function n(v) {
        switch (typeof v) {
        case 'number': return v;
        case 'boolean': return v ? -1 : 0;
        case 'undefined': return 0;
        case 'string': {
            const x = parseNumber(v);
            if (Number.isNaN(x)) raise(13);
            return x;
        }
        default:
            if (v instanceof VbNumber) return v.v;
            if (v instanceof Date) return dateToNumber(v);
            if (v === NULL) raise(94);
            if (v === null) raise(91);
            if (Array.isArray(v) || typeof v === 'function') raise(13);
            return n(defaultValue(v));
        }
    }
    $.n = n;

    function b(v) {
        if (typeof v === 'boolean') return v;
        return toBoolean(v);
    }
    function toBoolean(v) {
        switch (typeof v) {
        case 'number': return v !== 0;
        case 'undefined': return false;
        case 'string': {
            const t = v.trim().toLowerCase();
            if (t === 'true' || t === '#true#') return true;
            if (t === 'false' || t === '#false#') return false;
            const x = parseNumber(v);
            if (Number.isNaN(x)) raise(13);
            return x !== 0;
        }
        default:
            if (v instanceof VbNumber) return v.v !== 0;
            if (v === NULL) raise(94);
            if (v instanceof Date) return dateToNumber(v) !== 0;
            if (v === null) raise(91);
            if (Array.isArray(v) || typeof v === 'function') raise(13);
            return toBoolean(defaultValue(v));
        }
    }
    $.b = b;
    $.toBoolean = toBoolean;
    // A condition: Null is not true.
    $.c = (v) => (typeof v === 'boolean' ? v : v === NULL ? false : toBoolean(v));

    // ---- numbers as text
    function pad(x, w) { return String(x).padStart(w, '0'); }
    // Up to the given significant digits; an exponent from 10^digits up, as the language writes it.
    function formatReal(x, digits) {
        if (x === 0) return '0';
        if (!Number.isFinite(x)) raise(6);
        const abs = Math.abs(x);
        if (abs >= Math.pow(10, digits) || abs < 1e-5) {
            let [mantissa, exponent] = x.toExponential(digits - 1).split('e');
            if (mantissa.includes('.')) mantissa = mantissa.replace(/0+$/, '').replace(/\.$/, '');
            const e = Number(exponent);
            return mantissa + 'E' + (e < 0 ? '-' : '+') + pad(Math.abs(e), 2);
        }
        let s = x.toPrecision(digits);
        if (s.includes('e')) s = Number(s).toString();
        if (s.includes('.')) s = s.replace(/0+$/, '').replace(/\.$/, '');
        return s;
    }
    function numberText(x, t) {
        switch (t) {
        case INTEGER: case LONG: case BYTE: return String(x === 0 ? 0 : x);
        case SINGLE: return formatReal(x, 7);
        case CURRENCY: {
            const s = (Math.round(x * 10000) / 10000).toFixed(4).replace(/0+$/, '').replace(/\.$/, '');
            return s === '-0' ? '0' : s;
        }
        default: return formatReal(x, 15);
        }
    }
    $.numberText = numberText;

    function formatDate(d) {
        const datePart = d.getFullYear() + '/' + pad(d.getMonth() + 1, 2) + '/' + pad(d.getDate(), 2);
        const timePart = d.getHours() + ':' + pad(d.getMinutes(), 2) + ':' + pad(d.getSeconds(), 2);
        const isTimeOnly = d.getFullYear() === 1899 && d.getMonth() === 11 && d.getDate() === 30;
        const hasTime = d.getHours() || d.getMinutes() || d.getSeconds();
        if (isTimeOnly) return timePart;
        return hasTime ? datePart + ' ' + timePart : datePart;
    }
    $.formatDate = formatDate;

    function str(v) {
        switch (typeof v) {
        case 'string': return v;
        case 'number': return (v | 0) === v ? String(v) : numberText(v, DOUBLE);
        case 'boolean': return v ? 'True' : 'False';
        case 'undefined': return '';
        default:
            if (v instanceof VbNumber) return numberText(v.v, v.t);
            if (v instanceof Date) return formatDate(v);
            if (v === NULL) raise(94);
            if (v === null) raise(91);
            if (Array.isArray(v) || typeof v === 'function') raise(13);
            return str(defaultValue(v));
        }
    }
    $.str = str;

    // ---- arithmetic
    const INT16_MIN = -32768;
    const INT16_MAX = 32767;
    const CURRENCY_MAX = 922337203685477.5807;
    // The subtype of an operand, for the arithmetic operators; strings count as Double.
    function arithmeticKind(v) {
        const t = kindOf(v);
        switch (t) {
        case EMPTY: case BOOLEAN: return INTEGER;
        case STRING: return DOUBLE;
        case NULLTYPE: case DATE: return t;
        case OBJECT: return arithmeticKind(defaultValue(v));
        case ARRAY: raise(13); return t;
        default: return t;
        }
    }
    const RANK = { [BYTE]: 1, [INTEGER]: 2, [LONG]: 3, [SINGLE]: 4, [DOUBLE]: 5, [CURRENCY]: 6 };
    function widest(p, q) {
        if ((p === SINGLE && q === LONG) || (p === LONG && q === SINGLE)) return DOUBLE;
        return RANK[p] >= RANK[q] ? p : q;
    }
    // A result in the given subtype, moved up a subtype where it overflows.
    function fit(x, t) {
        switch (t) {
        case BYTE:
            if (x >= 0 && x <= 255) return new VbNumber(x, BYTE);
            return fit(x, INTEGER);
        case INTEGER:
            if (x >= INT16_MIN && x <= INT16_MAX) return x;
            return fit(x, LONG);
        case LONG:
            if ((x | 0) === x) return box(x, LONG);
            return fit(x, DOUBLE);
        case SINGLE:
            if (Math.abs(x) <= 3.4028234663852886e38) return new VbNumber(Math.fround(x), SINGLE);
            return fit(x, DOUBLE);
        case CURRENCY: {
            const c = Math.round(x * 10000) / 10000;
            if (Math.abs(c) > CURRENCY_MAX) raise(6);
            return new VbNumber(c, CURRENCY);
        }
        default:
            if (!Number.isFinite(x)) raise(6);
            return box(x, DOUBLE);
        }
    }
    $.fit = fit;

    function arithmetic(op, a, c) {
        if (a === NULL || c === NULL) return NULL;
        if (a !== null && typeof a === 'object' && !(a instanceof Date) && !(a instanceof VbNumber)) a = plainValue(a);
        if (c !== null && typeof c === 'object' && !(c instanceof Date) && !(c instanceof VbNumber)) c = plainValue(c);
        if (a === NULL || c === NULL) return NULL;
        if (op === '+') {
            if (typeof a === 'string' && typeof c === 'string') return a + c;
            if (a === undefined && c === undefined) return 0;
            if (a === undefined) return c;
            if (c === undefined) return a;
        }
        const p = arithmeticKind(a);
        const q = arithmeticKind(c);
        if (p === DATE || q === DATE) {
            const x = n(a);
            const y = n(c);
            if (op === '+') return numberToDate(x + y);
            if (op === '-') return p === DATE && q === DATE ? box(x - y, DOUBLE) : (p === DATE ? numberToDate(x - y) : fit(x - y, DOUBLE));
            return fit(x * y, DOUBLE);
        }
        const x = n(a);
        const y = n(c);
        const t = widest(p, q);
        return fit(op === '+' ? x + y : op === '-' ? x - y : x * y, t);
    }

    // Plain numbers give a plain result typed by its value: Integer arithmetic that leaves
    // 16 bits reads as a Long, Long arithmetic that leaves 32 as a Double, as the language
    // promotes them. (A Long result that comes back within 16 bits from plain operands reads
    // as an Integer: telling it apart would cost the common arithmetic its speed.) Double
    // operands with a whole result keep the result a Double.
    const realResult = (x) => new VbNumber(x, DOUBLE);
    const overflow = (x) => (x - x === 0 ? x : raise(6));
    const isLong = (v) => v instanceof VbNumber && v.t === LONG;
    const isWhole = (v) => typeof v === 'number' && (v | 0) === v;
    // A boxed Long with a whole number, either way round, stays a Long until it leaves 32 bits.
    const longOperands = (a, c) => (isLong(a) ? isWhole(c) || isLong(c) : isLong(c) && isWhole(a));
    const valueOf = (v) => (typeof v === 'number' ? v : v.v);
    $.add = (a, c) => {
        if (typeof a === 'number' && typeof c === 'number') {
            const x = a + c;
            if ((x | 0) !== x) return overflow(x);
            return (a | 0) === a && (c | 0) === c ? x : realResult(x);
        }
        if (typeof a === 'string' && typeof c === 'string') return a + c;
        if (longOperands(a, c)) return long(valueOf(a) + valueOf(c));
        return arithmetic('+', a, c);
    };
    $.sub = (a, c) => {
        if (typeof a === 'number' && typeof c === 'number') {
            const x = a - c;
            if ((x | 0) !== x) return overflow(x);
            return (a | 0) === a && (c | 0) === c ? x : realResult(x);
        }
        if (longOperands(a, c)) return long(valueOf(a) - valueOf(c));
        return arithmetic('-', a, c);
    };
    $.mul = (a, c) => {
        if (typeof a === 'number' && typeof c === 'number') {
            const x = a * c;
            if ((x | 0) !== x) return overflow(x);
            return (a | 0) === a && (c | 0) === c ? x : realResult(x);
        }
        if (longOperands(a, c)) return long(valueOf(a) * valueOf(c));
        return arithmetic('*', a, c);
    };
    $.div = (a, c) => {
        if (a === NULL || c === NULL) return NULL;
        const p = arithmeticKind(a);
        const q = arithmeticKind(c);
        const y = n(c);
        const x = n(a);
        if (y === 0) raise(x === 0 ? 6 : 11);
        const small = (k) => k === SINGLE || k === INTEGER || k === BYTE;
        return fit(x / y, (p === SINGLE || q === SINGLE) && small(p) && small(q) ? SINGLE : DOUBLE);
    };
    function bankers(x) {
        const r = Math.round(x);
        return (Math.abs(x % 1) === 0.5 && r % 2 !== 0) ? r - 1 : r;
    }
    $.bankers = bankers;
    // The operands of \, Mod and the bit operators: whole numbers of Byte, Integer or Long.
    function wholeKind(v) {
        const t = arithmeticKind(v);
        return t === BYTE || t === INTEGER ? t : LONG;
    }
    function whole(v) {
        const x = bankers(n(v));
        if (x < -2147483648 || x > 2147483647) raise(6);
        return x;
    }
    function wholeFit(x, p, q) {
        const t = p === BYTE && q === BYTE ? BYTE : (p === LONG || q === LONG ? LONG : INTEGER);
        if (t === BYTE) return new VbNumber(x & 255, BYTE);
        if (t === INTEGER && x >= INT16_MIN && x <= INT16_MAX) return x;
        if (x < -2147483648 || x > 2147483647) raise(6);
        return box(x, LONG);
    }
    $.idiv = (a, c) => {
        if (typeof a === 'number' && typeof c === 'number' && (a | 0) === a && (c | 0) === c && c !== 0) {
            const x = Math.trunc(a / c);
            if ((x | 0) === x) return x;
        }
        if (a === NULL || c === NULL) return NULL;
        const d = whole(c);
        const x = whole(a);
        if (d === 0) raise(11);
        return wholeFit(Math.trunc(x / d), wholeKind(a), wholeKind(c));
    };
    $.mod = (a, c) => {
        if (typeof a === 'number' && typeof c === 'number' && (a | 0) === a && (c | 0) === c && c !== 0) {
            const x = a % c;
            return x === 0 ? 0 : x;
        }
        if (longOperands(a, c) && valueOf(c) !== 0) {
            const x = valueOf(a) % valueOf(c);
            return long(x === 0 ? 0 : x);
        }
        if (a === NULL || c === NULL) return NULL;
        const d = whole(c);
        const x = whole(a);
        if (d === 0) raise(11);
        const r = x % d;
        return wholeFit(r === 0 ? 0 : r, wholeKind(a), wholeKind(c));
    };
    $.pow = (a, c) => {
        if (a === NULL || c === NULL) return NULL;
        const x = n(a);
        const y = n(c);
        if (x === 0 && y < 0) raise(5);
        const r = Math.pow(x, y);
        if (Number.isNaN(r)) raise(5);
        return fit(r, DOUBLE);
    };
    $.neg = (a) => {
        if (typeof a === 'number') {
            if (a === 32768) return new VbNumber(-32768, LONG);
            if (a === 2147483648) return new VbNumber(-2147483648, DOUBLE);
            return a === 0 ? 0 : -a;
        }
        if (a === NULL) return NULL;
        if (a instanceof Date) return numberToDate(-dateToNumber(a));
        const t = arithmeticKind(a);
        const x = n(a);
        return fit(x === 0 ? 0 : -x, t === BYTE ? INTEGER : t);
    };
    $.pos = (a) => (a === undefined ? 0 : a);
    $.cat = (a, c) => {
        if (typeof a === 'string' && typeof c === 'string') return a + c;
        if (a === NULL && c === NULL) return NULL;
        return (a === NULL ? '' : str(a)) + (c === NULL ? '' : str(c));
    };

    // ---- comparison: -1, 0, 1, or NULL. A literal on either side brings the other to its type.
    const isNumeric = (v) => typeof v === 'number' || v instanceof VbNumber;
    function compare(a, c, literal) {
        if (isNumeric(a) && isNumeric(c)) {
            const x = valueOf(a);
            const y = valueOf(c);
            return x < y ? -1 : x > y ? 1 : 0;
        }
        if (a === NULL || c === NULL) return NULL;
        let x = plainValue(a);
        let y = plainValue(c);
        if (x === NULL || y === NULL) return NULL;
        if (x instanceof VbNumber) x = x.v;
        if (y instanceof VbNumber) y = y.v;
        if (x instanceof Date) x = dateToNumber(x);
        if (y instanceof Date) y = dateToNumber(y);
        if (typeof x === 'boolean') x = x ? -1 : 0;
        if (typeof y === 'boolean') y = y ? -1 : 0;
        if (x === undefined) x = typeof y === 'string' ? '' : 0;
        if (y === undefined) y = typeof x === 'string' ? '' : 0;
        if (typeof x === 'string' && typeof y === 'string') return x < y ? -1 : x > y ? 1 : 0;
        if (typeof x === 'string' || typeof y === 'string') {
            if (literal === 1 || literal === 2) {
                const lit = literal === 1 ? x : y;
                if (typeof lit === 'string') {
                    // Against a text literal the number is compared as text.
                    const p = typeof x === 'string' ? x : str(a);
                    const q = typeof y === 'string' ? y : str(c);
                    return p < q ? -1 : p > q ? 1 : 0;
                }
                const v = parseNumber(typeof x === 'string' ? x : y);
                if (Number.isNaN(v)) raise(13);
                if (typeof x === 'string') x = v; else y = v;
            } else {
                // Between variables a number is less than any text.
                return typeof x === 'string' ? 1 : -1;
            }
        }
        if (Array.isArray(x) || Array.isArray(y) || typeof x === 'function' || typeof y === 'function') raise(13);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    $.compare = compare;
    const slow = (a, c, literal, test) => {
        const r = compare(a, c, literal);
        return r === NULL ? NULL : test(r);
    };
    const same = (a, c) => (typeof a === 'number' && typeof c === 'number') || (typeof a === 'string' && typeof c === 'string');
    $.eq = (a, c, l) => (same(a, c) ? a === c : slow(a, c, l, (r) => r === 0));
    $.ne = (a, c, l) => (same(a, c) ? a !== c : slow(a, c, l, (r) => r !== 0));
    $.lt = (a, c, l) => (same(a, c) ? a < c : slow(a, c, l, (r) => r < 0));
    $.gt = (a, c, l) => (same(a, c) ? a > c : slow(a, c, l, (r) => r > 0));
    $.le = (a, c, l) => (same(a, c) ? a <= c : slow(a, c, l, (r) => r <= 0));
    $.ge = (a, c, l) => (same(a, c) ? a >= c : slow(a, c, l, (r) => r >= 0));
    const isReference = (v) => v === null || typeof v === 'function' || isObjectValue(v) || (typeof HTMLAllCollection !== 'undefined' && v instanceof HTMLAllCollection);
    $.isReference = isReference;
    $.is = (a, c) => {
        if (!isReference(a) || !isReference(c)) raise(424);
        return a === c;
    };

    // ---- logical and bitwise operators; Null where the answer depends on it
    function bits(v) {
        const t = kindOf(v);
        if (t === BOOLEAN) return v ? -1 : 0;
        return whole(v);
    }
    function logicalKind(a, c) {
        const p = kindOf(a);
        const q = kindOf(c);
        if (p === BOOLEAN && q === BOOLEAN) return BOOLEAN;
        const k = (t, v) => (t === BOOLEAN || t === EMPTY ? INTEGER : t === BYTE || t === INTEGER ? t : (t === OBJECT ? wholeKind(v) : LONG));
        return [k(p, a), k(q, c)];
    }
    function logicalResult(x, a, c) {
        const kinds = logicalKind(a, c);
        if (kinds === BOOLEAN) return x !== 0;
        return wholeFit(x, kinds[0], kinds[1]);
    }
    // The other operand alone decides where one is Null: And with False/0, Or with True/-1.
    function withNull(other, decides, result) {
        if (other === NULL) return NULL;
        const x = bits(other);
        if (x === decides) return typeof other === 'boolean' ? other : result(x, other);
        return NULL;
    }
    const sameAs = (x, v) => (typeof v === 'boolean' ? x !== 0 : wholeFit(x, wholeKind(v), wholeKind(v)));
    $.and = (a, c) => {
        if (typeof a === 'boolean' && typeof c === 'boolean') return a && c;
        if (a === NULL) return withNull(c, 0, sameAs);
        if (c === NULL) return withNull(a, 0, sameAs);
        return logicalResult(bits(a) & bits(c), a, c);
    };
    $.or = (a, c) => {
        if (typeof a === 'boolean' && typeof c === 'boolean') return a || c;
        if (a === NULL) return withNull(c, -1, sameAs);
        if (c === NULL) return withNull(a, -1, sameAs);
        return logicalResult(bits(a) | bits(c), a, c);
    };
    $.xor = (a, c) => {
        if (typeof a === 'boolean' && typeof c === 'boolean') return a !== c;
        if (a === NULL || c === NULL) return NULL;
        return logicalResult(bits(a) ^ bits(c), a, c);
    };
    $.eqv = (a, c) => {
        if (typeof a === 'boolean' && typeof c === 'boolean') return a === c;
        if (a === NULL || c === NULL) return NULL;
        return logicalResult(~(bits(a) ^ bits(c)), a, c);
    };
    // Null Imp True is True, False Imp Null is True; the rest with Null is Null.
    $.imp = (a, c) => {
        if (typeof a === 'boolean' && typeof c === 'boolean') return !a || c;
        if (a === NULL && c === NULL) return NULL;
        if (a === NULL) return bits(c) === -1 ? (typeof c === 'boolean' ? true : sameAs(-1, c)) : NULL;
        if (c === NULL) return bits(a) === 0 ? (typeof a === 'boolean' ? true : sameAs(-1, a)) : NULL;
        return logicalResult((~bits(a)) | bits(c), a, c);
    };
    $.not = (a) => {
        if (typeof a === 'boolean') return !a;
        if (a === NULL) return NULL;
        const x = ~bits(a);
        const t = kindOf(a);
        if (t === BYTE) return new VbNumber(x & 255, BYTE);
        if (t === EMPTY || t === INTEGER) return x;
        return box(x, LONG);
    };
})(typeof window !== 'undefined' ? window : globalThis);
