// What compiled VBScript calls: Variant coercions and operators, names looked
// up case-insensitively, arrays, the Err object, and error reporting.
// Empty is undefined, Nothing is null, Null is VB.NULL, True is true.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = (VB.rt = VB.rt || {});
    const G = (VB.globals = VB.globals || Object.create(null));

    const NULL = Object.freeze({ toString: () => 'Null' });
    $.NULL = NULL;
    VB.NULL = NULL;

    const MESSAGES = {
        5: 'プロシージャの呼び出し、または引数が不正です。',
        6: 'オーバーフローしました。',
        9: 'インデックスが有効範囲にありません。',
        11: '0 で除算しました。',
        13: '型が一致しません。',
        28: 'スタック領域が不足しています。',
        94: 'Null の使い方が不正です。',
        424: 'オブジェクトがありません。',
        429: 'オブジェクトを作成できません。',
        438: 'オブジェクトでサポートされていないプロパティまたはメソッドです。',
        450: '引数の数が一致していません。または不正なプロパティを指定しています。',
        1002: '構文エラーです。',
        1031: 'スクリプトの実行に時間がかかりすぎるため中止しました。',
    };

    class VbError extends Error {
        constructor(number, description, source) {
            super(description || MESSAGES[number] || ('エラー ' + number));
            this.vbNumber = number;
            this.vbDescription = description || MESSAGES[number] || ('エラー ' + number);
            this.vbSource = source || 'VBScript 実行時エラー';
            this.vbRuntime = true;
        }
    }
    VB.VbError = VbError;
    const raise = (n, d) => { throw new VbError(n, d); };
    $.raise = raise;

    // ---- coercions
    const OLE_EPOCH = Date.UTC(1899, 11, 30);
    function dateToNumber(d) {
        return (Date.UTC(d.getFullYear(), d.getMonth(), d.getDate(), d.getHours(), d.getMinutes(), d.getSeconds(), d.getMilliseconds()) - OLE_EPOCH) / 864e5;
    }
    function numberToDate(n) {
        const u = new Date(OLE_EPOCH + Math.round(n * 864e5));
        return new Date(u.getUTCFullYear(), u.getUTCMonth(), u.getUTCDate(), u.getUTCHours(), u.getUTCMinutes(), u.getUTCSeconds(), u.getUTCMilliseconds());
    }
    $.dateToNumber = dateToNumber;
    $.numberToDate = numberToDate;

    const NUMERIC = /^\s*[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?\s*$/;
    const HEX_TEXT = /^\s*&[hH]([0-9A-Fa-f]+)\s*$/;
    function parseNumber(s) {
        if (NUMERIC.test(s)) return parseFloat(s);
        const h = HEX_TEXT.exec(s);
        if (h) return parseInt(h[1], 16);
        return NaN;
    }
    $.parseNumber = parseNumber;

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
            if (v instanceof Date) return dateToNumber(v);
            if (v === NULL) raise(94);
            if (v === null) raise(424);
            if (Array.isArray(v)) raise(13);
            return n(defaultValue(v));
        }
    }
    $.n = n;

    // An object stands for its value where a value is wanted, as form fields did.
    function defaultValue(o) {
        if (o && typeof o === 'object') {
            if ('value' in o && typeof o.value !== 'object') return o.value;
            if (o.vbDefault !== undefined) return o.vbDefault;
        }
        raise(13);
        return undefined;
    }

    function pad(x, w) { return String(x).padStart(w, '0'); }
    function formatDate(d) {
        const datePart = d.getFullYear() + '/' + pad(d.getMonth() + 1, 2) + '/' + pad(d.getDate(), 2);
        const timePart = d.getHours() + ':' + pad(d.getMinutes(), 2) + ':' + pad(d.getSeconds(), 2);
        const isTimeOnly = d.getFullYear() === 1899 && d.getMonth() === 11 && d.getDate() === 30;
        const hasTime = d.getHours() || d.getMinutes() || d.getSeconds();
        if (isTimeOnly) return timePart;
        return hasTime ? datePart + ' ' + timePart : datePart;
    }
    $.formatDate = formatDate;
    function formatNumber(x) {
        if (Number.isInteger(x) && Math.abs(x) < 1e15) return String(x);
        if (!Number.isFinite(x)) raise(6);
        let s = String(Number(x.toPrecision(15)));
        const e = /e([+-])(\d+)$/.exec(s);
        if (e) s = s.slice(0, e.index) + 'E' + e[1] + pad(e[2], 2);
        return s;
    }
    function str(v) {
        switch (typeof v) {
        case 'string': return v;
        case 'number': return formatNumber(v);
        case 'boolean': return v ? 'True' : 'False';
        case 'undefined': return '';
        default:
            if (v instanceof Date) return formatDate(v);
            if (v === NULL) raise(94);
            if (v === null) raise(424);
            if (Array.isArray(v)) raise(13);
            return str(defaultValue(v));
        }
    }
    $.str = str;

    function b(v) {
        switch (typeof v) {
        case 'boolean': return v;
        case 'number': return v !== 0;
        case 'undefined': return false;
        case 'string': {
            const t = v.trim().toLowerCase();
            if (t === 'true') return true;
            if (t === 'false') return false;
            const x = parseNumber(v);
            if (Number.isNaN(x)) raise(13);
            return x !== 0;
        }
        default:
            if (v === NULL) return false;
            if (v instanceof Date) return dateToNumber(v) !== 0;
            if (v === null) raise(424);
            return b(defaultValue(v));
        }
    }
    $.b = b;

    // Dates and numbers are added as numbers; the result of date arithmetic stays a date.
    function numeric(v) {
        if (typeof v === 'string') {
            const x = parseNumber(v);
            if (Number.isNaN(x)) raise(13);
            return x;
        }
        return n(v);
    }

    // ---- operators
    $.add = (a, c) => {
        if (typeof a === 'number' && typeof c === 'number') return a + c;
        if (typeof a === 'string' && typeof c === 'string') return a + c;
        if (a === NULL || c === NULL) return NULL;
        if (a === undefined && typeof c === 'string') return c;
        if (c === undefined && typeof a === 'string') return a;
        if (a instanceof Date || c instanceof Date) return numberToDate(numeric(a) + numeric(c));
        if (a !== null && typeof a === 'object' && !(a instanceof Date)) a = defaultValue(a);
        if (c !== null && typeof c === 'object' && !(c instanceof Date)) c = defaultValue(c);
        if (typeof a === 'string' && typeof c === 'string') return a + c;
        return numeric(a) + numeric(c);
    };
    $.sub = (a, c) => {
        if (typeof a === 'number' && typeof c === 'number') return a - c;
        if (a === NULL || c === NULL) return NULL;
        if (a instanceof Date && c instanceof Date) return dateToNumber(a) - dateToNumber(c);
        if (a instanceof Date) return numberToDate(dateToNumber(a) - numeric(c));
        return numeric(a) - numeric(c);
    };
    $.mul = (a, c) => {
        if (typeof a === 'number' && typeof c === 'number') return a * c;
        if (a === NULL || c === NULL) return NULL;
        return numeric(a) * numeric(c);
    };
    $.div = (a, c) => {
        if (a === NULL || c === NULL) return NULL;
        const d = numeric(c);
        if (d === 0) raise(11);
        return numeric(a) / d;
    };
    function bankers(x) {
        const r = Math.round(x);
        return (Math.abs(x % 1) === 0.5 && r % 2 !== 0) ? r - 1 : r;
    }
    $.bankers = bankers;
    $.idiv = (a, c) => {
        if (Number.isInteger(a) && Number.isInteger(c) && c !== 0) return Math.trunc(a / c);
        if (a === NULL || c === NULL) return NULL;
        const d = bankers(numeric(c));
        if (d === 0) raise(11);
        return Math.trunc(bankers(numeric(a)) / d);
    };
    $.mod = (a, c) => {
        if (Number.isInteger(a) && Number.isInteger(c) && c !== 0) { const r = a % c; return r === 0 ? 0 : r; }
        if (a === NULL || c === NULL) return NULL;
        const d = bankers(numeric(c));
        if (d === 0) raise(11);
        const r = bankers(numeric(a)) % d;
        return r === 0 ? 0 : r;
    };
    $.pow = (a, c) => {
        if (a === NULL || c === NULL) return NULL;
        const r = Math.pow(numeric(a), numeric(c));
        if (Number.isNaN(r)) raise(5);
        return r;
    };
    $.neg = (a) => {
        if (typeof a === 'number') return -a;
        if (a === NULL) return NULL;
        return -numeric(a);
    };
    $.pos = (a) => (a === undefined ? 0 : a);
    $.cat = (a, c) => {
        if (a === NULL && c === NULL) return NULL;
        return (a === NULL ? '' : str(a)) + (c === NULL ? '' : str(c));
    };

    // -1, 0, 1, or NULL.
    function compare(a, c) {
        if (a === NULL || c === NULL) return NULL;
        let x = a;
        let y = c;
        if (x !== null && typeof x === 'object' && !(x instanceof Date)) x = defaultValue(x);
        if (y !== null && typeof y === 'object' && !(y instanceof Date)) y = defaultValue(y);
        if (x === undefined) x = typeof y === 'string' ? '' : 0;
        if (y === undefined) y = typeof x === 'string' ? '' : 0;
        if (typeof x === 'string' && typeof y === 'string') return x < y ? -1 : x > y ? 1 : 0;
        if (typeof x === 'string' || typeof y === 'string') {
            // A number and a text: as numbers when the text reads as one.
            const s = typeof x === 'string' ? x : y;
            const v = parseNumber(s);
            if (Number.isNaN(v)) return typeof x === 'string' ? 1 : -1;
            if (typeof x === 'string') x = v; else y = v;
        }
        const p = n(x);
        const q = n(y);
        return p < q ? -1 : p > q ? 1 : 0;
    }
    $.compare = compare;
    // Numbers and texts of the same kind compare directly; the rest go through compare().
    const slow = (a, c, test) => {
        const r = compare(a, c);
        return r === NULL ? NULL : test(r);
    };
    const same = (a, c) => (typeof a === 'number' && typeof c === 'number') || (typeof a === 'string' && typeof c === 'string');
    $.eq = (a, c) => (same(a, c) ? a === c : slow(a, c, (r) => r === 0));
    $.ne = (a, c) => (same(a, c) ? a !== c : slow(a, c, (r) => r !== 0));
    $.lt = (a, c) => (same(a, c) ? a < c : slow(a, c, (r) => r < 0));
    $.gt = (a, c) => (same(a, c) ? a > c : slow(a, c, (r) => r > 0));
    $.le = (a, c) => (same(a, c) ? a <= c : slow(a, c, (r) => r <= 0));
    $.ge = (a, c) => (same(a, c) ? a >= c : slow(a, c, (r) => r >= 0));
    $.is = (a, c) => a === c || (a == null && c == null);

    function logical(op, bits) {
        return (a, c) => {
            if (typeof a === 'boolean' && typeof c === 'boolean') return op(a, c);
            if (a === NULL || c === NULL) return NULL;
            const x = typeof a === 'boolean' ? (a ? -1 : 0) : bankers(n(a));
            const y = typeof c === 'boolean' ? (c ? -1 : 0) : bankers(n(c));
            return bits(x, y);
        };
    }
    $.and = logical((a, c) => a && c, (x, y) => x & y);
    $.or = logical((a, c) => a || c, (x, y) => x | y);
    $.xor = logical((a, c) => a !== c, (x, y) => x ^ y);
    $.eqv = logical((a, c) => a === c, (x, y) => ~(x ^ y));
    $.imp = logical((a, c) => !a || c, (x, y) => (~x) | y);
    $.not = (a) => {
        if (typeof a === 'boolean') return !a;
        if (a === NULL) return NULL;
        return ~bankers(n(a));
    };
    $.obj = (v) => v;

    // ---- names, members, calls
    const keyCache = new Map();
    // Where two spellings differ only in case (window.Location, the interface,
    // beside window.location), the member rather than the interface is meant.
    const better = (k, old) => old === undefined || (/^[A-Z]/.test(old) && /^[a-z]/.test(k));
    function learnKeys(o) {
        for (let p = o; p && p !== Object.prototype; p = Object.getPrototypeOf(p)) {
            for (const k of Object.getOwnPropertyNames(p)) {
                const lc = k.toLowerCase();
                if (better(k, keyCache.get(lc))) keyCache.set(lc, k);
            }
        }
        // eslint-disable-next-line guard-for-in
        for (const k in o) {
            const lc = k.toLowerCase();
            if (better(k, keyCache.get(lc))) keyCache.set(lc, k);
        }
    }
    const isInterface = (o, name) => typeof o[name] === 'function' && /^[A-Z]/.test(name) && o[name].prototype !== undefined && !o[name].$vb;
    // The member's name as the object spells it.
    function key(o, name) {
        if (name in o && !(isInterface(o, name) && o === root)) return name;
        const lc = name.toLowerCase();
        let k = keyCache.get(lc);
        if (k !== undefined && k in o) return k;
        if (lc in o) return lc;
        learnKeys(o);
        k = keyCache.get(lc);
        if (k !== undefined && k in o) return k;
        // A second object may spell it differently from the first one learnt.
        let found;
        for (let p = o; p; p = Object.getPrototypeOf(p)) {
            for (const own of Object.getOwnPropertyNames(p)) if (own.toLowerCase() === lc && better(own, found)) found = own;
        }
        return found !== undefined ? found : name;
    }
    $.key = key;
    const extensions = ($.extensions = new Map()); // lower-case member -> (object) => value, for members the page model adds

    function objectFor(o, name) {
        if (o === null || o === undefined || o === NULL) raise(424, MESSAGES[424] + (name ? ' (\'' + name + '\')' : ''));
        if (typeof o !== 'object' && typeof o !== 'function' && !isAllCollection(o)) raise(424, MESSAGES[424] + (name ? ' (\'' + name + '\')' : ''));
        return o;
    }
    function isAllCollection(o) {
        return typeof HTMLAllCollection !== 'undefined' && o instanceof HTMLAllCollection;
    }
    $.g = (o, name) => {
        objectFor(o, name);
        const k = key(o, name);
        if (!(k in o)) {
            const ext = extensions.get(name.toLowerCase());
            if (ext) return ext.get(o);
            if (o.vbMembers) return o.vbMembers(name);
        }
        const v = o[k];
        if (typeof v === 'function' && v.$vbAutoCall) return v.call(o);
        return v;
    };
    $.s = (o, name, v) => {
        objectFor(o, name);
        const k = key(o, name);
        if (!(k in o)) {
            const ext = extensions.get(name.toLowerCase());
            if (ext && ext.set) { ext.set(o, v); return; }
        }
        o[k] = v;
    };
    $.cm = (o, name, args) => {
        objectFor(o, name);
        const k = key(o, name);
        let v;
        if (k in o) v = o[k];
        else {
            const ext = extensions.get(name.toLowerCase());
            if (ext) v = ext.get(o);
            else raise(438, MESSAGES[438] + ' (\'' + name + '\')');
        }
        if (typeof v === 'function') return v.$vb ? v.$vb(args) : v.apply(o, args);
        return $.ci(v, args);
    };

    function index(a, args) {
        let v = a;
        for (const i of args) {
            if (!Array.isArray(v)) raise(9);
            const k = bankers(n(i));
            if (k < 0 || k >= v.length) raise(9);
            v = v[k];
        }
        return v;
    }
    function item(coll, args) {
        if (args.length === 0) return coll;
        const a = args[0];
        if (typeof coll.vbItem === 'function') return coll.vbItem(...args);
        if (isAllCollection(coll)) {
            const r = typeof a === 'number' ? coll[a] : coll.namedItem ? coll.namedItem(str(a)) : coll(a);
            return args.length > 1 && r && typeof r.item === 'function' ? r.item(n(args[1])) : (r === undefined ? null : r);
        }
        if (typeof coll.item === 'function') {
            if (typeof a === 'string' && typeof coll.namedItem === 'function') return coll.namedItem(a);
            const r = coll.item(typeof a === 'string' ? a : n(a));
            return r === undefined ? null : r;
        }
        if (typeof a === 'string' && a in coll) return coll[a];
        raise(13);
        return undefined;
    }
    $.ci = (t, args) => {
        if (typeof t === 'function') return t.$vb ? t.$vb(args) : t.apply(undefined, args);
        if (Array.isArray(t)) return index(t, args);
        if (args.length === 0) return t;
        if (t !== null && (typeof t === 'object' || isAllCollection(t))) return item(t, args);
        raise(13);
        return undefined;
    };
    $.cw = (t, args, write) => {
        if (typeof t === 'function' && t.$vb) {
            const r = t.$vb(args);
            write(args);
            return r;
        }
        return $.ci(t, args);
    };
    $.si = (holder, args, v) => {
        if (Array.isArray(holder)) {
            let a = holder;
            for (let i = 0; i < args.length - 1; i++) a = index(a, [args[i]]);
            const k = bankers(n(args[args.length - 1]));
            if (!Array.isArray(a) || k < 0 || k >= a.length) raise(9);
            a[k] = v;
            return;
        }
        if (holder && typeof holder === 'object' && args.length === 1 && typeof args[0] === 'string') { $.s(holder, args[0], v); return; }
        raise(13);
    };

    // Names a block did not declare: the program's globals, constants and functions,
    // then the page's elements and the window's own members.
    const host = (VB.host = VB.host || {});
    function lookup(lc) {
        if (lc in G) return { v: G[lc], where: 'g' };
        if (lc in $.C) return { v: $.C[lc], where: 'c' };
        if (lc in $.B) return { v: $.B[lc], where: 'b' };
        if (host.lookup) {
            const found = host.lookup(lc);
            if (found) return found;
        }
        return null;
    }
    $.r = (lc) => {
        const f = lookup(lc);
        if (!f) return undefined;
        if (f.where === 'b' && typeof f.v === 'function') return f.v();
        if (typeof f.v === 'function' && f.v.$vb) return f.v.$vb([]);
        return f.v;
    };
    $.rf = (lc) => {
        const f = lookup(lc);
        return f ? f : null;
    };
    $.cg = (lc, args) => {
        const f = lookup(lc);
        if (!f) raise(13, MESSAGES[13] + ' (\'' + lc + '\')');
        if (typeof f.v === 'function') {
            if (f.v.$vb) return f.v.$vb(args);
            return f.v.apply(f.self, args);
        }
        return $.ci(f.v, args);
    };
    $.cgw = (lc, args, write) => {
        const f = lookup(lc);
        if (f && typeof f.v === 'function' && f.v.$vb) {
            const r = f.v.$vb(args);
            write(args);
            return r;
        }
        return $.cg(lc, args);
    };
    $.w = (lc, v) => {
        if (host.assign && !(lc in G) && host.assign(lc, v)) return;
        G[lc] = v;
    };

    // ---- arrays
    function makeArray(bounds, at) {
        const size = bankers(n(bounds[at])) + 1;
        if (size < 0) raise(9);
        const a = new Array(size);
        if (at + 1 < bounds.length) for (let i = 0; i < size; i++) a[i] = makeArray(bounds, at + 1);
        else a.fill(undefined);
        return a;
    }
    $.dim = (bounds) => (bounds.length ? makeArray(bounds, 0) : []);
    $.redim = (old, bounds, preserve) => {
        const fresh = $.dim(bounds);
        if (preserve && Array.isArray(old)) {
            const copy = (from, to) => {
                for (let i = 0; i < Math.min(from.length, to.length); i++) {
                    if (Array.isArray(to[i]) && Array.isArray(from[i])) copy(from[i], to[i]);
                    else to[i] = from[i];
                }
            };
            copy(old, fresh);
        }
        return fresh;
    };
    $.erase = (a) => {
        if (!Array.isArray(a)) raise(13);
        const clear = (x) => x.map((e) => (Array.isArray(e) ? clear(e) : undefined));
        return clear(a);
    };
    $.each = (group) => {
        if (Array.isArray(group)) return group.flat(Infinity);
        if (group === null || group === undefined || typeof group === 'string' || typeof group === 'number') raise(451, 'For Each には配列かコレクションが必要です。');
        if (typeof group[Symbol.iterator] === 'function') return Array.from(group);
        if (typeof group.length === 'number') return Array.from({ length: group.length }, (_, i) => group[i]);
        raise(451, 'For Each には配列かコレクションが必要です。');
        return [];
    };

    // ---- procedures, errors, runaway loops
    $.ticks = 0;
    $.depth = 0;
    $.started = 0;
    $.timeLimitMs = 10000;
    $.tick = () => {
        $.ticks = 0;
        if (Date.now() - $.started > $.timeLimitMs) {
            const e = new VbError(1031);
            e.vbStop = true;
            throw e;
        }
    };
    $.proc = (name, body) => {
        const vb = (args) => {
            if ($.depth === 0) { $.started = Date.now(); $.ticks = 0; }
            $.depth++;
            if ($.depth > 2000) { $.depth = 0; raise(28); }
            try {
                return body(args);
            } catch (e) {
                // Leaving VBScript for the JavaScript that called it: the page model reports it if nothing catches it.
                if ($.depth === 1) {
                    $.escaped = e;
                    queueMicrotask(() => { $.escaped = null; });
                }
                throw e;
            } finally {
                $.depth--;
            }
        };
        const f = function (...args) { return vb(args); };
        f.$vb = vb;
        f.vbName = name;
        return f;
    };
    $.at = (e, line, block) => {
        let err = e;
        if (!(err && err.vbRuntime) && !(err instanceof VB.VbSyntaxError)) {
            const message = err && err.message ? String(err.message) : String(err);
            let number = 5;
            if (err instanceof TypeError) number = /not a function|is not iterable|Illegal invocation/.test(message) ? 438 : 424;
            else if (err instanceof RangeError) number = /call stack/.test(message) ? 28 : 6;
            err = new VbError(number, MESSAGES[number] + (number === 5 ? '' : '') + (message ? ' (' + message + ')' : ''));
        }
        if (err.vbLine === undefined) err.vbLine = line;
        if (err.vbBlock === undefined && block !== undefined) err.vbBlock = block;
        return err;
    };
    const Err = {
        Number: 0, Description: '', Source: '',
        Clear() { Err.Number = 0; Err.Description = ''; Err.Source = ''; },
        Raise(number, source, description) {
            const e = new VbError(n(number), description === undefined ? undefined : str(description), source === undefined ? undefined : str(source));
            throw e;
        },
        vbDefault: 0,
    };
    Object.defineProperty(Err, 'vbDefault', { get: () => Err.Number });
    $.err = Err;
    $.seterr = (e) => {
        if (e && e.vbStop) throw e;
        const v = $.at(e, undefined);
        Err.Number = v.vbNumber;
        Err.Description = v.vbDescription;
        Err.Source = v.vbSource;
    };
    $.create = (lc) => {
        if (lc === 'regexp') return $.B.newregexp();
        raise(429);
        return null;
    };
    $.dateLiteral = (text) => {
        const d = $.parseDate(text);
        if (!d) throw new VB.VbSyntaxError('日付の書き方が正しくありません。');
        return d;
    };

    // Compiles and runs one block; returns the names it declared.
    VB.known = VB.known || { globals: new Set(), procs: new Set() };
    VB.run = (source, onError, blockId) => {
        let compiled;
        try {
            compiled = VB.compile(source, VB.known, blockId);
        } catch (e) {
            if (onError) { onError(e); return false; }
            throw e;
        }
        VB.known = { globals: compiled.globals, procs: compiled.procs };
        let top;
        try {
            // eslint-disable-next-line no-new-func
            top = new Function('$', 'G', compiled.source)($, G);
        } catch (e) {
            if (onError) { onError(e); return false; }
            throw e;
        }
        $.started = Date.now();
        $.ticks = 0;
        try {
            top();
        } catch (e) {
            if (onError) { onError($.at(e)); return false; }
            throw e;
        }
        return true;
    };
})(typeof window !== 'undefined' ? window : globalThis);
