// The built-in functions and vb constants that DHTML pages use.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = VB.rt;
    const { n, str, raise, bankers, NULL } = $;
    const B = ($.B = Object.create(null));
    const C = ($.C = Object.create(null));
    const host = VB.host;

    const constants = {
        vbCrLf: '\r\n', vbCr: '\r', vbLf: '\n', vbNewLine: '\r\n', vbTab: '\t', vbNullString: '', vbNullChar: '\0',
        vbBack: '\b', vbFormFeed: '\f', vbVerticalTab: '\v',
        vbOKOnly: 0, vbOKCancel: 1, vbAbortRetryIgnore: 2, vbYesNoCancel: 3, vbYesNo: 4, vbRetryCancel: 5,
        vbCritical: 16, vbQuestion: 32, vbExclamation: 48, vbInformation: 64,
        vbDefaultButton1: 0, vbDefaultButton2: 256, vbDefaultButton3: 512, vbDefaultButton4: 768,
        vbApplicationModal: 0, vbSystemModal: 4096,
        vbOK: 1, vbCancel: 2, vbAbort: 3, vbRetry: 4, vbIgnore: 5, vbYes: 6, vbNo: 7,
        vbSunday: 1, vbMonday: 2, vbTuesday: 3, vbWednesday: 4, vbThursday: 5, vbFriday: 6, vbSaturday: 7,
        vbUseSystemDayOfWeek: 0, vbFirstJan1: 1,
        vbBinaryCompare: 0, vbTextCompare: 1,
        vbEmpty: 0, vbNull: 1, vbInteger: 2, vbLong: 3, vbSingle: 4, vbDouble: 5, vbCurrency: 6, vbDate: 7,
        vbString: 8, vbObject: 9, vbError: 10, vbBoolean: 11, vbVariant: 12, vbDataObject: 13, vbByte: 17, vbArray: 8192,
        vbUseDefault: -2, vbTrue: -1, vbFalse: 0,
        vbBlack: 0, vbRed: 255, vbGreen: 65280, vbYellow: 65535, vbBlue: 16711680, vbMagenta: 16711935,
        vbCyan: 16776960, vbWhite: 16777215,
        vbGeneralDate: 0, vbLongDate: 1, vbShortDate: 2, vbLongTime: 3, vbShortTime: 4,
        vbObjectError: -2147221504,
    };
    for (const [k, v] of Object.entries(constants)) C[k.toLowerCase()] = v;

    const textOf = (v) => (v === NULL ? NULL : str(v));
    const int = (v) => bankers(n(v));

    // ---- dates
    const isDate = (v) => v instanceof Date;
    const DATE_TEXT = /^\s*(\d{1,4})[/.-](\d{1,2})(?:[/.-](\d{1,4}))?\s*(?:(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?\s*([AaPp][Mm])?)?\s*$/;
    const TIME_TEXT = /^\s*(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?\s*([AaPp][Mm])?\s*$/;
    function hours(h, ampm) {
        let x = parseInt(h, 10);
        if (ampm) {
            const pm = ampm.toLowerCase() === 'pm';
            if (pm && x < 12) x += 12;
            if (!pm && x === 12) x = 0;
        }
        return x;
    }
    $.parseDate = (text) => {
        const t = TIME_TEXT.exec(text);
        if (t) return new Date(1899, 11, 30, hours(t[1], t[4]), +t[2], +(t[3] || 0));
        const m = DATE_TEXT.exec(text);
        if (!m) return null;
        let y; let mo; let d;
        if (m[1].length >= 3) { y = +m[1]; mo = +m[2]; d = +(m[3] || 1); } else if (m[3]) { mo = +m[1]; d = +m[2]; y = +m[3]; } else { y = new Date().getFullYear(); mo = +m[1]; d = +m[2]; }
        if (y < 100) y += y < 30 ? 2000 : 1900;
        if (mo < 1 || mo > 12 || d < 1 || d > 31) return null;
        const date = new Date(y, mo - 1, d, m[4] ? hours(m[4], m[7]) : 0, +(m[5] || 0), +(m[6] || 0));
        if (date.getMonth() !== mo - 1) return null;
        return date;
    };
    function toDate(v) {
        if (isDate(v)) return v;
        if (typeof v === 'string') {
            const d = $.parseDate(v);
            if (d) return d;
            const x = $.parseNumber(v);
            if (!Number.isNaN(x)) return $.numberToDate(x);
            raise(13);
        }
        if (v === NULL) raise(94);
        return $.numberToDate(n(v));
    }
    const INTERVALS = { yyyy: 'y', q: 'q', m: 'm', y: 'd', d: 'd', w: 'd', ww: 'ww', h: 'h', n: 'n', s: 's' };
    function interval(v) {
        const i = INTERVALS[str(v).toLowerCase()];
        if (!i) raise(5);
        return i;
    }

    // ---- numbers
    function checkRange(x, lo, hi) {
        if (x < lo || x > hi) raise(6);
        return x;
    }
    let lastRandom = Math.random();

    const isNumericText = (s) => !Number.isNaN($.parseNumber(s));

    function typeName(v) {
        switch (typeof v) {
        case 'undefined': return 'Empty';
        case 'boolean': return 'Boolean';
        case 'string': return 'String';
        case 'number':
            if (Number.isInteger(v) && v >= -32768 && v <= 32767) return 'Integer';
            if (Number.isInteger(v) && v >= -2147483648 && v <= 2147483647) return 'Long';
            return 'Double';
        case 'function': return 'Object';
        default:
            if (v === NULL) return 'Null';
            if (v === null) return 'Nothing';
            if (isDate(v)) return 'Date';
            if (Array.isArray(v)) return 'Variant()';
            return (v.constructor && v.constructor.name && v.constructor.name !== 'Object') ? v.constructor.name : 'Object';
        }
    }
    const VAR_TYPES = { Empty: 0, Null: 1, Integer: 2, Long: 3, Double: 5, Date: 7, String: 8, Boolean: 11 };

    function textCompare(mode) { return mode !== undefined && int(mode) === 1; }
    function escapeRegExp(s) { return s.replace(/[.*+?^${}()|[\]\\]/g, '\\$&'); }

    const fns = {
        // messages
        MsgBox: (prompt, buttons, title) => {
            const text = prompt === undefined ? '' : str(prompt === NULL ? '' : prompt);
            return host.msgBox ? host.msgBox(text, buttons === undefined ? 0 : int(buttons), title === undefined ? '' : str(title)) : 1;
        },
        InputBox: (prompt, title, def) => {
            const r = host.inputBox ? host.inputBox(str(prompt === undefined ? '' : prompt), title === undefined ? '' : str(title), def === undefined ? '' : str(def)) : null;
            return r === null || r === undefined ? '' : String(r);
        },
        // strings
        Len: (s) => (s === NULL ? NULL : s === undefined ? 0 : str(s).length),
        Left: (s, k) => { if (s === NULL) return NULL; const c = int(k); if (c < 0) raise(5); return str(s).slice(0, c); },
        Right: (s, k) => { if (s === NULL) return NULL; const c = int(k); if (c < 0) raise(5); const t = str(s); return c === 0 ? '' : t.slice(Math.max(0, t.length - c)); },
        Mid: (s, start, k) => {
            if (s === NULL) return NULL;
            const i = int(start);
            if (i < 1) raise(5);
            const t = str(s);
            if (k === undefined) return t.slice(i - 1);
            const c = int(k);
            if (c < 0) raise(5);
            return t.substr(i - 1, c);
        },
        InStr: (...a) => {
            let start = 1;
            if (a.length >= 3 || (a.length === 3 && typeof a[0] === 'number')) { start = int(a.shift()); if (start < 1) raise(5); }
            const [s1, s2, mode] = a;
            if (s1 === NULL || s2 === NULL) return NULL;
            let x = str(s1);
            let y = str(s2);
            if (textCompare(mode)) { x = x.toLowerCase(); y = y.toLowerCase(); }
            if (start > x.length && y !== '') return 0;
            if (y === '') return start > x.length + 1 ? 0 : start;
            return x.indexOf(y, start - 1) + 1;
        },
        InStrRev: (s1, s2, start, mode) => {
            if (s1 === NULL || s2 === NULL) return NULL;
            let x = str(s1);
            let y = str(s2);
            if (textCompare(mode)) { x = x.toLowerCase(); y = y.toLowerCase(); }
            const from = start === undefined || int(start) === -1 ? x.length : int(start);
            if (from < 1 && from !== -1) raise(5);
            if (y === '') return from;
            if (from > x.length) return 0;
            return x.lastIndexOf(y, from - y.length) + 1;
        },
        // One pass: text that a replacement brings in is not searched again.
        Replace: (s, find, repl, start, count, mode) => {
            if (s === NULL) return NULL;
            let t = str(s);
            const from = start === undefined ? 1 : int(start);
            if (from < 1) raise(5);
            t = t.slice(from - 1);
            const f = str(find);
            if (f === '') return t;
            const limit = count === undefined ? -1 : int(count);
            if (limit === 0) return t;
            const r = str(repl === undefined ? '' : repl);
            const re = new RegExp(escapeRegExp(f), textCompare(mode) ? 'gi' : 'g');
            let done = 0;
            return t.replace(re, (m) => (limit < 0 || done++ < limit ? r : m));
        },
        Split: (s, delimiter, count, mode) => {
            const t = s === undefined ? '' : str(s);
            if (t === '') return [];
            const d = delimiter === undefined ? ' ' : str(delimiter);
            const limit = count === undefined ? -1 : int(count);
            if (d === '') return [t];
            const parts = textCompare(mode) ? t.split(new RegExp(escapeRegExp(d), 'i')) : t.split(d);
            if (limit > 0 && parts.length > limit) return [...parts.slice(0, limit - 1), parts.slice(limit - 1).join(d)];
            return parts;
        },
        Join: (a, delimiter) => {
            if (!Array.isArray(a)) raise(13);
            return a.map((v) => (v === undefined ? '' : str(v))).join(delimiter === undefined ? ' ' : str(delimiter));
        },
        UCase: (s) => (s === NULL ? NULL : str(s).toUpperCase()),
        LCase: (s) => (s === NULL ? NULL : str(s).toLowerCase()),
        Trim: (s) => (s === NULL ? NULL : str(s).replace(/^ +| +$/g, '')),
        LTrim: (s) => (s === NULL ? NULL : str(s).replace(/^ +/, '')),
        RTrim: (s) => (s === NULL ? NULL : str(s).replace(/ +$/, '')),
        Space: (k) => { const c = int(k); if (c < 0) raise(5); return ' '.repeat(c); },
        String: (k, ch) => {
            const c = int(k);
            if (c < 0) raise(5);
            const x = typeof ch === 'number' ? String.fromCharCode(ch % 256) : str(ch).charAt(0);
            if (x === '') raise(5);
            return x.repeat(c);
        },
        StrReverse: (s) => Array.from(str(s)).reverse().join(''),
        StrComp: (a, c, mode) => {
            if (a === NULL || c === NULL) return NULL;
            let x = str(a);
            let y = str(c);
            if (textCompare(mode)) { x = x.toLowerCase(); y = y.toLowerCase(); }
            return x < y ? -1 : x > y ? 1 : 0;
        },
        Chr: (k) => { const c = int(k); if (c < 0 || c > 65535) raise(5); return String.fromCharCode(c); },
        ChrW: (k) => String.fromCharCode(int(k) & 0xffff),
        Asc: (s) => { const t = str(s); if (t === '') raise(5); return t.charCodeAt(0); },
        AscW: (s) => { const t = str(s); if (t === '') raise(5); return t.charCodeAt(0); },
        Escape: (s) => escape(str(s)),
        Unescape: (s) => unescape(str(s)),
        // conversions
        CStr: (v) => str(v),
        CInt: (v) => checkRange(bankers(n(v)), -32768, 32767),
        CLng: (v) => checkRange(bankers(n(v)), -2147483648, 2147483647),
        CByte: (v) => checkRange(bankers(n(v)), 0, 255),
        CDbl: (v) => n(v),
        CSng: (v) => Math.fround(n(v)),
        CCur: (v) => Math.round(n(v) * 10000) / 10000,
        CBool: (v) => $.b(v),
        CDate: (v) => toDate(v),
        Int: (v) => (v === NULL ? NULL : Math.floor(n(v))),
        Fix: (v) => (v === NULL ? NULL : Math.trunc(n(v))),
        Abs: (v) => (v === NULL ? NULL : Math.abs(n(v))),
        Sgn: (v) => Math.sign(n(v)),
        Sqr: (v) => { const x = n(v); if (x < 0) raise(5); return Math.sqrt(x); },
        Exp: (v) => Math.exp(n(v)),
        Log: (v) => { const x = n(v); if (x <= 0) raise(5); return Math.log(x); },
        Sin: (v) => Math.sin(n(v)), Cos: (v) => Math.cos(n(v)), Tan: (v) => Math.tan(n(v)), Atn: (v) => Math.atan(n(v)),
        Rnd: (v) => {
            if (v !== undefined && n(v) === 0) return lastRandom;
            lastRandom = Math.random();
            return lastRandom;
        },
        Randomize: () => { lastRandom = Math.random(); },
        Round: (v, digits) => {
            const d = digits === undefined ? 0 : int(digits);
            const f = Math.pow(10, d);
            return bankers(Number((n(v) * f).toPrecision(15))) / f;
        },
        Hex: (v) => {
            if (v === NULL) return NULL;
            let x = bankers(n(v));
            if (x < 0) x = x >= -32768 ? x + 0x10000 : x + 0x100000000;
            return x.toString(16).toUpperCase();
        },
        Oct: (v) => { let x = bankers(n(v)); if (x < 0) x += 0x100000000; return x.toString(8); },
        FormatNumber: (v, digits) => {
            const d = digits === undefined || int(digits) === -1 ? 2 : int(digits);
            return n(v).toLocaleString('ja-JP', { minimumFractionDigits: d, maximumFractionDigits: d });
        },
        FormatDateTime: (v, format) => {
            const d = toDate(v);
            const f = format === undefined ? 0 : int(format);
            const pad = (x) => String(x).padStart(2, '0');
            if (f === 1) return d.getFullYear() + '年' + (d.getMonth() + 1) + '月' + d.getDate() + '日';
            if (f === 2) return d.getFullYear() + '/' + pad(d.getMonth() + 1) + '/' + pad(d.getDate());
            if (f === 3) return d.getHours() + ':' + pad(d.getMinutes()) + ':' + pad(d.getSeconds());
            if (f === 4) return pad(d.getHours()) + ':' + pad(d.getMinutes());
            return $.formatDate(d);
        },
        // dates and time
        Now: () => new Date(),
        Date: () => { const d = new Date(); return new Date(d.getFullYear(), d.getMonth(), d.getDate()); },
        Time: () => { const d = new Date(); return new Date(1899, 11, 30, d.getHours(), d.getMinutes(), d.getSeconds()); },
        Timer: () => { const d = new Date(); return d.getHours() * 3600 + d.getMinutes() * 60 + d.getSeconds() + d.getMilliseconds() / 1000; },
        Hour: (v) => toDate(v).getHours(),
        Minute: (v) => toDate(v).getMinutes(),
        Second: (v) => toDate(v).getSeconds(),
        Day: (v) => toDate(v).getDate(),
        Month: (v) => toDate(v).getMonth() + 1,
        Year: (v) => toDate(v).getFullYear(),
        Weekday: (v, first) => {
            const f = first === undefined || int(first) === 0 ? 1 : int(first);
            return ((toDate(v).getDay() + 1 - f + 7) % 7) + 1;
        },
        MonthName: (m) => int(m) + '月',
        WeekdayName: (w) => '日月火水木金土'.charAt((int(w) - 1) % 7) + '曜日',
        DateSerial: (y, m, d) => new Date(int(y), int(m) - 1, int(d)),
        TimeSerial: (h, m, s) => new Date(1899, 11, 30, int(h), int(m), int(s)),
        DateValue: (v) => { const d = toDate(v); return new Date(d.getFullYear(), d.getMonth(), d.getDate()); },
        TimeValue: (v) => { const d = toDate(v); return new Date(1899, 11, 30, d.getHours(), d.getMinutes(), d.getSeconds()); },
        DateAdd: (iv, k, v) => {
            const d = new Date(toDate(v).getTime());
            const c = int(k);
            switch (interval(iv)) {
            case 'y': d.setFullYear(d.getFullYear() + c); break;
            case 'q': d.setMonth(d.getMonth() + 3 * c); break;
            case 'm': {
                const day = d.getDate();
                d.setDate(1);
                d.setMonth(d.getMonth() + c);
                const last = new Date(d.getFullYear(), d.getMonth() + 1, 0).getDate();
                d.setDate(Math.min(day, last));
                break;
            }
            case 'd': d.setDate(d.getDate() + c); break;
            case 'ww': d.setDate(d.getDate() + 7 * c); break;
            case 'h': d.setHours(d.getHours() + c); break;
            case 'n': d.setMinutes(d.getMinutes() + c); break;
            default: d.setSeconds(d.getSeconds() + c); break;
            }
            return d;
        },
        DateDiff: (iv, a, c) => {
            const x = toDate(a);
            const y = toDate(c);
            const days = (d) => Math.floor($.dateToNumber(d));
            switch (interval(iv)) {
            case 'y': return y.getFullYear() - x.getFullYear();
            case 'q': return (y.getFullYear() * 4 + Math.floor(y.getMonth() / 3)) - (x.getFullYear() * 4 + Math.floor(x.getMonth() / 3));
            case 'm': return (y.getFullYear() * 12 + y.getMonth()) - (x.getFullYear() * 12 + x.getMonth());
            case 'd': return days(y) - days(x);
            case 'ww': return Math.floor((days(y) - y.getDay()) / 7) - Math.floor((days(x) - x.getDay()) / 7);
            case 'h': return Math.floor($.dateToNumber(y) * 24 + 1e-9) - Math.floor($.dateToNumber(x) * 24 + 1e-9);
            case 'n': return Math.floor($.dateToNumber(y) * 1440 + 1e-9) - Math.floor($.dateToNumber(x) * 1440 + 1e-9);
            default: return Math.round(($.dateToNumber(y) - $.dateToNumber(x)) * 86400);
            }
        },
        // tests
        IsNumeric: (v) => {
            if (typeof v === 'number' || typeof v === 'boolean' || v === undefined) return true;
            if (typeof v === 'string') return isNumericText(v);
            return isDate(v) ? false : false;
        },
        IsEmpty: (v) => v === undefined,
        IsNull: (v) => v === NULL,
        IsObject: (v) => v === null || (typeof v === 'object' && v !== NULL && !isDate(v) && !Array.isArray(v)) || typeof v === 'function',
        IsArray: (v) => Array.isArray(v),
        IsDate: (v) => isDate(v) || (typeof v === 'string' && $.parseDate(v) !== null),
        TypeName: (v) => typeName(v),
        VarType: (v) => (Array.isArray(v) ? 8204 : (VAR_TYPES[typeName(v)] !== undefined ? VAR_TYPES[typeName(v)] : 9)),
        // arrays
        UBound: (a, dim) => {
            if (!Array.isArray(a)) raise(13);
            let x = a;
            for (let i = 1; i < (dim === undefined ? 1 : int(dim)); i++) { x = x[0]; if (!Array.isArray(x)) raise(9); }
            return x.length - 1;
        },
        LBound: (a) => { if (!Array.isArray(a)) raise(13); return 0; },
        Array: (...items) => items,
        Filter: (a, match, include, mode) => {
            const m = textCompare(mode) ? str(match).toLowerCase() : str(match);
            const keep = include === undefined ? true : $.b(include);
            return a.filter((v) => ((textCompare(mode) ? str(v).toLowerCase() : str(v)).includes(m)) === keep);
        },
        RGB: (r, g, b) => (int(r) & 255) + (int(g) & 255) * 256 + (int(b) & 255) * 65536,
        GetRef: (name) => {
            const f = VB.globals[str(name).toLowerCase()];
            if (typeof f !== 'function') raise(5);
            return f;
        },
        CreateObject: (progId) => {
            if (host.createObject) {
                const o = host.createObject(str(progId));
                if (o) return o;
            }
            raise(429);
            return null;
        },
        newRegExp: () => {
            const re = {
                Pattern: '', IgnoreCase: false, Global: false,
                compiled() { return new RegExp(str(re.Pattern), (re.IgnoreCase ? 'i' : '') + (re.Global ? 'g' : '')); },
                Test(s) { return re.compiled().test(str(s)); },
                Replace(s, r) { return str(s).replace(re.compiled(), str(r)); },
                Execute(s) {
                    const out = [];
                    const rx = new RegExp(re.compiled().source, re.compiled().flags.includes('g') ? re.compiled().flags : re.compiled().flags + 'g');
                    let m;
                    while ((m = rx.exec(str(s))) !== null) {
                        out.push({ Value: m[0], FirstIndex: m.index, Length: m[0].length, vbDefault: m[0] });
                        if (!re.Global) break;
                        if (m[0] === '') rx.lastIndex++;
                    }
                    out.Count = out.length;
                    return out;
                },
            };
            return re;
        },
    };
    for (const [k, f] of Object.entries(fns)) B[k.toLowerCase()] = f;
    // Err is an object, not a function: a bare "Err" is the object itself.
    B.err = $.err;
    void textOf;
})(typeof window !== 'undefined' ? window : globalThis);
