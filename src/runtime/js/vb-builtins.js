// The language's functions and constants (dates and formatting have files of
// their own). Each returns the subtype the language gives and raises its
// errors for arguments it refuses: 5, 6, 9, 13, 94.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = VB.rt;
    const { n, str, raise, bankers, NULL, VbNumber, box, fit, kindOf, T } = $;
    const B = ($.B = $.B || Object.create(null));
    const C = ($.C = $.C || Object.create(null));
    const host = VB.host;

    const constants = {
        vbCrLf: '\r\n', vbCr: '\r', vbLf: '\n', vbNewLine: '\r\n', vbTab: '\t', vbNullString: '', vbNullChar: '\0',
        vbBack: '\b', vbFormFeed: '\f', vbVerticalTab: '\v',
        vbOKOnly: 0, vbOKCancel: 1, vbAbortRetryIgnore: 2, vbYesNoCancel: 3, vbYesNo: 4, vbRetryCancel: 5,
        vbCritical: 16, vbQuestion: 32, vbExclamation: 48, vbInformation: 64,
        vbDefaultButton1: 0, vbDefaultButton2: 256, vbDefaultButton3: 512, vbDefaultButton4: 768,
        vbApplicationModal: 0, vbSystemModal: 4096,
        vbMsgBoxHelpButton: 16384, vbMsgBoxSetForeground: 65536, vbMsgBoxRight: 524288, vbMsgBoxRtlReading: 1048576,
        vbOK: 1, vbCancel: 2, vbAbort: 3, vbRetry: 4, vbIgnore: 5, vbYes: 6, vbNo: 7,
        vbSunday: 1, vbMonday: 2, vbTuesday: 3, vbWednesday: 4, vbThursday: 5, vbFriday: 6, vbSaturday: 7,
        vbUseSystemDayOfWeek: 0, vbUseSystem: 0, vbFirstJan1: 1, vbFirstFourDays: 2, vbFirstFullWeek: 3,
        vbBinaryCompare: 0, vbTextCompare: 1, vbDatabaseCompare: 2,
        vbEmpty: 0, vbNull: 1, vbInteger: 2, vbLong: 3, vbSingle: 4, vbDouble: 5, vbCurrency: 6, vbDate: 7,
        vbString: 8, vbObject: 9, vbError: 10, vbBoolean: 11, vbVariant: 12, vbDataObject: 13, vbDecimal: 14, vbByte: 17, vbArray: 8192,
        vbUseDefault: -2, vbTrue: -1, vbFalse: 0,
        vbBlack: 0, vbRed: 255, vbGreen: 65280, vbYellow: 65535, vbBlue: 16711680, vbMagenta: 16711935,
        vbCyan: 16776960, vbWhite: 16777215,
        vbGeneralDate: 0, vbLongDate: 1, vbShortDate: 2, vbLongTime: 3, vbShortTime: 4,
        vbObjectError: -2147221504,
    };
    for (const [k, v] of Object.entries(constants)) C[k.toLowerCase()] = v;
    // Values that are Longs by their meaning, though small.
    for (const k of ['vbblue', 'vbmagenta', 'vbcyan', 'vbwhite', 'vbgreen', 'vbyellow', 'vbred', 'vbblack', 'vbmsgboxhelpbutton']) C[k] = box(C[k], T.LONG);

    const whole = (v) => {
        if (v === NULL) raise(94);
        return bankers(n(v));
    };
    // A whole-number argument that must fit in a Long.
    const long = (v) => {
        const x = whole(v);
        if (x < -2147483648 || x > 2147483647) raise(6);
        return x;
    };
    const LONG = (x) => box(x, T.LONG);
    const DOUBLE = (x) => fit(x, T.DOUBLE);
    const nullOr = (v, f) => (v === NULL ? NULL : f(v));
    // vbBinaryCompare or vbTextCompare.
    function textCompare(mode) {
        if (mode === undefined) return false;
        const m = whole(mode);
        if (m !== 0 && m !== 1) raise(5);
        return m === 1;
    }
    function escapeRegExp(s) { return s.replace(/[.*+?^${}()|[\]\\]/g, '\\$&'); }
    const text = (v) => (v === undefined ? '' : str(v));
    // A value of the same subtype as the one given (Int, Fix, Abs, Round).
    function sameKind(v, x) {
        const t = kindOf(v);
        switch (t) {
        case T.EMPTY: case T.BOOLEAN: return fit(x, T.INTEGER);
        case T.STRING: case T.DATE: return fit(x, T.DOUBLE);
        case T.OBJECT: return sameKind($.defaultValue(v), x);
        default: return fit(x, t);
        }
    }

    // ---- the code page of Japanese Windows, for Asc and Chr
    let sjisCodes = null;
    function sjisTable() {
        if (sjisCodes) return sjisCodes;
        sjisCodes = new Map();
        const decoder = new TextDecoder('shift_jis');
        for (let lead = 0x81; lead <= 0xfc; lead++) {
            if (lead > 0x9f && lead < 0xe0) continue;
            for (let trail = 0x40; trail <= 0xfc; trail++) {
                if (trail === 0x7f) continue;
                const ch = decoder.decode(new Uint8Array([lead, trail]));
                if (ch.length === 1 && ch !== '\ufffd' && !sjisCodes.has(ch)) sjisCodes.set(ch, (lead << 8) | trail);
            }
        }
        for (let b = 0xa1; b <= 0xdf; b++) sjisCodes.set(decoder.decode(new Uint8Array([b])), b);
        return sjisCodes;
    }
    function ansiCode(ch) {
        const c = ch.charCodeAt(0);
        if (c < 0x80) return c;
        const code = sjisTable().get(ch);
        if (code === undefined) return 63; // '?', as the code page writes what it lacks
        return code > 0x7fff ? code - 0x10000 : code;
    }
    function ansiChar(code) {
        const c = code < 0 ? code + 0x10000 : code;
        if (c < 0x80) return String.fromCharCode(c);
        const bytes = c > 0xff ? new Uint8Array([c >> 8, c & 0xff]) : new Uint8Array([c]);
        return new TextDecoder('shift_jis').decode(bytes);
    }

    // ---- Rnd as the language computes it, so that a seed repeats its sequence
    let seed = 0x50000;
    const nextSeed = (s) => Number((BigInt(s) * 0x43FD43FDn + 0xC39EC3n) & 0xFFFFFFn);
    const f32 = new Float32Array(1);
    const u32 = new Uint32Array(f32.buffer);
    const f64 = new Float64Array(1);
    const u64 = new Uint32Array(f64.buffer);
    function rnd(v) {
        const x = v === undefined ? 1 : n(v);
        if (x < 0) {
            f32[0] = x;
            const bits = u32[0];
            seed = ((bits + (bits >>> 24)) & 0xFFFFFF) >>> 0;
        }
        if (x !== 0) seed = nextSeed(seed);
        return new VbNumber(Math.fround(seed / 16777216), T.SINGLE);
    }
    function randomize(v) {
        f64[0] = v === undefined ? n(B.timer()) : n(v);
        const high = u64[1];
        const mixed = (((high & 0xFFFF) ^ (high >>> 16)) << 8) >>> 0;
        seed = ((seed & 0xFF0000FF) | mixed) >>> 0;
    }

    // ---- conversions
    function convert(v, kind) {
        if (v === NULL) raise(94);
        const x = n(v);
        switch (kind) {
        case T.INTEGER: { const r = bankers(x); if (r < -32768 || r > 32767) raise(6); return r; }
        case T.LONG: { const r = bankers(x); if (r < -2147483648 || r > 2147483647) raise(6); return LONG(r); }
        case T.BYTE: { const r = bankers(x); if (r < 0 || r > 255) raise(6); return new VbNumber(r, T.BYTE); }
        case T.SINGLE: if (Math.abs(x) > 3.4028234663852886e38) raise(6); return new VbNumber(Math.fround(x), T.SINGLE);
        case T.CURRENCY: {
            const r = bankers(x * 10000) / 10000;
            if (Math.abs(r) > 922337203685477.5807) raise(6);
            return new VbNumber(r, T.CURRENCY);
        }
        default: return DOUBLE(x);
        }
    }

    function typeName(v) {
        switch (kindOf(v)) {
        case T.EMPTY: return 'Empty';
        case T.NULLTYPE: return 'Null';
        case T.INTEGER: return 'Integer';
        case T.LONG: return 'Long';
        case T.SINGLE: return 'Single';
        case T.DOUBLE: return 'Double';
        case T.CURRENCY: return 'Currency';
        case T.DATE: return 'Date';
        case T.STRING: return 'String';
        case T.BOOLEAN: return 'Boolean';
        case T.BYTE: return 'Byte';
        case T.ARRAY: return 'Variant()';
        default: {
            if (v === null) return 'Nothing';
            if (typeof v === 'function') return 'Object';
            const own = $.typeNameOf ? $.typeNameOf(v) : null;
            if (own) return own;
            if (v.vbTypeName) return v.vbTypeName;
            return (v.constructor && v.constructor.name && v.constructor.name !== 'Object') ? v.constructor.name : 'Object';
        }
        }
    }
    function varType(v) {
        const t = kindOf(v);
        if (t === T.ARRAY) return 8204;
        // An object with a default member reports its value's type.
        if (t === T.OBJECT && v instanceof VB.VbObject && v.vbClass && v.vbClass.defaultMember !== null) return varType(v.vbValue());
        return t;
    }

    // A collection object (Matches, SubMatches): Count, Item(i), For Each; not an array, which the script's own are.
    class ItemCollection {
        constructor(items, typeName) {
            items.forEach((v, i) => { this[i] = v; });
            Object.defineProperty(this, 'length', { value: items.length });
            Object.defineProperty(this, 'vbTypeName', { value: typeName });
        }
        get Count() { return LONG(this.length); }
        Item(i) {
            const k = whole(i);
            if (k < 0 || k >= this.length) raise(5);
            return this[k];
        }
        vbItem(i) { return this.Item(i); }
        get vbDefault() { return undefined; }
        [Symbol.iterator]() { return Array.prototype[Symbol.iterator].call(this); }
    }

    function arrayArgument(a) {
        if (!Array.isArray(a)) raise(13);
        return a;
    }
    function dimension(a, d) {
        const dims = $.dimsOf(arrayArgument(a));
        const k = d === undefined ? 1 : whole(d);
        if (k < 1 || k > dims.length) raise(9);
        return dims[k - 1];
    }

    // A number as Hex or Oct write it: 16 bits for an Integer, 32 for a Long and what rounds to one.
    function radix(v, base) {
        if (v === NULL) return NULL;
        if (v === undefined) return '0';
        const t = kindOf(v);
        let x = long(v);
        if (x < 0) x += (t === T.INTEGER || t === T.BOOLEAN) && x >= -32768 ? 0x10000 : 0x100000000;
        return x.toString(base).toUpperCase();
    }

    const fns = {
        // messages
        MsgBox: (prompt, buttons, title) => {
            const shown = prompt === undefined ? '' : str(prompt === NULL ? '' : prompt);
            return host.msgBox ? host.msgBox(shown, buttons === undefined ? 0 : whole(buttons), title === undefined ? '' : str(title)) : 1;
        },
        InputBox: (prompt, title, def) => {
            const r = host.inputBox ? host.inputBox(text(prompt), text(title), text(def)) : null;
            return r === null || r === undefined ? '' : String(r);
        },
        // strings
        Len: (s) => (s === NULL ? NULL : LONG(text(s).length)),
        LenB: (s) => (s === NULL ? NULL : LONG(text(s).length * 2)),
        Left: (s, k) => {
            const c = whole(k);
            if (c < 0) raise(5);
            return s === NULL ? NULL : text(s).slice(0, c);
        },
        Right: (s, k) => {
            const c = whole(k);
            if (c < 0) raise(5);
            if (s === NULL) return NULL;
            const t = text(s);
            return c === 0 ? '' : t.slice(Math.max(0, t.length - c));
        },
        Mid: (s, start, k) => {
            const i = whole(start);
            if (i < 1) raise(5);
            let c;
            if (k !== undefined) {
                c = whole(k);
                if (c < 0) raise(5);
            }
            if (s === NULL) return NULL;
            const t = text(s);
            return c === undefined ? t.slice(i - 1) : t.substr(i - 1, c);
        },
        InStr: (...a) => {
            if (a.length < 2 || a.length > 4) raise(450);
            let start = 1;
            if (a.length >= 3) {
                start = whole(a.shift());
                if (start < 1) raise(5);
            }
            const [s1, s2, mode] = a;
            const folded = textCompare(mode);
            if (s1 === NULL || s2 === NULL) return NULL;
            let x = text(s1);
            let y = text(s2);
            if (folded) { x = x.toLowerCase(); y = y.toLowerCase(); }
            if (x === '') return LONG(0);
            if (y === '') return LONG(start);
            if (start > x.length) return LONG(0);
            return LONG(x.indexOf(y, start - 1) + 1);
        },
        InStrRev: (s1, s2, start, mode) => {
            const from0 = start === undefined ? -1 : whole(start);
            if (from0 === 0 || from0 < -1) raise(5);
            const folded = textCompare(mode);
            if (s1 === NULL || s2 === NULL) return NULL;
            let x = text(s1);
            let y = text(s2);
            if (folded) { x = x.toLowerCase(); y = y.toLowerCase(); }
            const from = from0 === -1 ? x.length : from0;
            if (y === '') return LONG(from);
            if (from > x.length) return LONG(0);
            if (from < y.length) return LONG(0);
            return LONG(x.lastIndexOf(y, from - y.length) + 1);
        },
        // One pass from the start: text that a replacement brings in is not searched again.
        Replace: (s, find, repl, start, count, mode) => {
            if (s === NULL || find === NULL || repl === NULL) raise(94);
            const from = start === undefined ? 1 : whole(start);
            if (from < 1) raise(5);
            const limit = count === undefined ? -1 : whole(count);
            if (limit < -1) raise(5);
            const folded = textCompare(mode);
            const t = text(s).slice(from - 1);
            const f = text(find);
            if (f === '' || limit === 0) return t;
            const r = text(repl);
            const re = new RegExp(escapeRegExp(f), folded ? 'gi' : 'g');
            let done = 0;
            return t.replace(re, (m) => (limit < 0 || done++ < limit ? r : m));
        },
        Split: (s, delimiter, count, mode) => {
            if (s === NULL || delimiter === NULL) raise(94);
            const limit = count === undefined ? -1 : whole(count);
            if (limit < -1) raise(5);
            const folded = textCompare(mode);
            const t = text(s);
            if (t === '' || limit === 0) return [];
            const d = delimiter === undefined ? ' ' : str(delimiter);
            if (d === '') return [t];
            const parts = folded ? t.split(new RegExp(escapeRegExp(d), 'i')) : t.split(d);
            if (limit > 0 && parts.length > limit) {
                // The last part keeps the rest as it was, delimiters and all.
                let at = 0;
                for (let i = 0; i < limit - 1; i++) at += parts[i].length + d.length;
                return [...parts.slice(0, limit - 1), t.slice(at)];
            }
            return parts;
        },
        Join: (a, delimiter) => {
            const list = arrayArgument(a);
            if ($.dimsOf(list).length !== 1) raise(5);
            return list.map((v) => (v === NULL ? '' : text(v))).join(delimiter === undefined ? ' ' : str(delimiter));
        },
        UCase: (s) => nullOr(s, (v) => text(v).toUpperCase()),
        LCase: (s) => nullOr(s, (v) => text(v).toLowerCase()),
        Trim: (s) => nullOr(s, (v) => text(v).replace(/^ +| +$/g, '')),
        LTrim: (s) => nullOr(s, (v) => text(v).replace(/^ +/, '')),
        RTrim: (s) => nullOr(s, (v) => text(v).replace(/ +$/, '')),
        Space: (k) => { const c = whole(k); if (c < 0) raise(5); return ' '.repeat(c); },
        String: (k, ch) => {
            const c = whole(k);
            if (c < 0) raise(5);
            if (ch === NULL) return NULL;
            let x;
            if (typeof ch === 'string') x = ch.charAt(0);
            else if (ch === undefined) raise(450);
            else x = ansiChar(((long(ch) % 256) + 256) % 256);
            if (x === '') raise(5);
            return x.repeat(c);
        },
        StrReverse: (s) => { if (s === NULL) raise(94); return Array.from(text(s)).reverse().join(''); },
        StrComp: (a, c, mode) => {
            const folded = textCompare(mode);
            if (a === NULL || c === NULL) return NULL;
            let x = text(a);
            let y = text(c);
            if (folded) { x = x.toLowerCase(); y = y.toLowerCase(); }
            return x < y ? -1 : x > y ? 1 : 0;
        },
        Chr: (k) => {
            const c = long(k);
            if (c < -32768 || c > 65535) raise(5);
            return ansiChar(c);
        },
        ChrB: (k) => { const c = long(k); if (c < 0 || c > 255) raise(5); return String.fromCharCode(c); },
        ChrW: (k) => {
            const c = long(k);
            if (c < -32768 || c > 65535) raise(5);
            return String.fromCharCode(c & 0xffff);
        },
        Asc: (s) => { if (s === NULL) raise(94); const t = text(s); if (t === '') raise(5); return ansiCode(t.charAt(0)); },
        AscB: (s) => { if (s === NULL) raise(94); const t = text(s); if (t === '') raise(5); return t.charCodeAt(0) & 0xff; },
        AscW: (s) => {
            if (s === NULL) raise(94);
            const t = text(s);
            if (t === '') raise(5);
            const c = t.charCodeAt(0);
            return c > 0x7fff ? c - 0x10000 : c;
        },
        Escape: (s) => nullOr(s, (v) => escape(text(v))),
        Unescape: (s) => nullOr(s, (v) => unescape(text(v))),
        // conversions
        CStr: (v) => { if (v === NULL) raise(94); return str(v); },
        CInt: (v) => convert(v, T.INTEGER),
        CLng: (v) => convert(v, T.LONG),
        CByte: (v) => convert(v, T.BYTE),
        CDbl: (v) => convert(v, T.DOUBLE),
        CSng: (v) => convert(v, T.SINGLE),
        CCur: (v) => convert(v, T.CURRENCY),
        CBool: (v) => { if (v === NULL) raise(94); return $.toBoolean(v); },
        CDate: (v) => { if (v === NULL) raise(94); return $.toDate(v); },
        // numbers
        Int: (v) => (v === NULL ? NULL : sameKind(v, Math.floor(n(v)))),
        Fix: (v) => (v === NULL ? NULL : sameKind(v, Math.trunc(n(v)))),
        Abs: (v) => (v === NULL ? NULL : sameKind(v, Math.abs(n(v)))),
        Sgn: (v) => { if (v === NULL) raise(94); return Math.sign(n(v)); },
        Sqr: (v) => { const x = n(v); if (x < 0) raise(5); return DOUBLE(Math.sqrt(x)); },
        Exp: (v) => DOUBLE(Math.exp(n(v))),
        Log: (v) => { const x = n(v); if (x <= 0) raise(5); return DOUBLE(Math.log(x)); },
        Sin: (v) => DOUBLE(Math.sin(n(v))),
        Cos: (v) => DOUBLE(Math.cos(n(v))),
        Tan: (v) => DOUBLE(Math.tan(n(v))),
        Atn: (v) => DOUBLE(Math.atan(n(v))),
        Rnd: (v) => rnd(v),
        Randomize: (v) => randomize(v),
        Round: (v, digits) => {
            const d = digits === undefined ? 0 : whole(digits);
            if (d < 0) raise(5);
            if (v === NULL) return NULL;
            const x = n(v);
            const f = Math.pow(10, d);
            const r = bankers(Number((x * f).toPrecision(15))) / f;
            return sameKind(v, r);
        },
        Hex: (v) => radix(v, 16),
        Oct: (v) => radix(v, 8),
        RGB: (r, g, b) => {
            const part = (v) => {
                const x = whole(v);
                if (x < 0) raise(5);
                return Math.min(255, x);
            };
            return LONG(part(r) + part(g) * 256 + part(b) * 65536);
        },
        // tests
        IsNumeric: (v) => {
            switch (kindOf(v)) {
            case T.EMPTY: case T.INTEGER: case T.LONG: case T.SINGLE: case T.DOUBLE: case T.CURRENCY: case T.BYTE: case T.BOOLEAN: return true;
            case T.STRING: return !Number.isNaN($.parseNumber(v));
            default: return false;
            }
        },
        IsEmpty: (v) => v === undefined,
        IsNull: (v) => v === NULL,
        IsObject: (v) => $.isReference(v),
        IsArray: (v) => Array.isArray(v),
        TypeName: (v) => typeName(v),
        VarType: (v) => varType(v),
        // arrays
        UBound: (a, d) => LONG(dimension(a, d) - 1),
        LBound: (a, d) => { dimension(a, d); return LONG(0); },
        Array: (...items) => items,
        Filter: (a, match, include, mode) => {
            const list = arrayArgument(a);
            if (match === NULL) raise(94);
            const folded = textCompare(mode);
            const m = folded ? text(match).toLowerCase() : text(match);
            const keep = include === undefined ? true : $.b(include);
            return list.filter((v) => ((folded ? text(v).toLowerCase() : text(v)).includes(m)) === keep);
        },
        // the script and its host
        GetRef: (name) => {
            const f = VB.globals[str(name).toLowerCase()];
            if (typeof f !== 'function' || !f.$vb) raise(5);
            return f;
        },
        CreateObject: (progId) => {
            const id = str(progId);
            const own = $.objects && $.objects.get(id.toLowerCase());
            if (own) return own();
            if (host.createObject) {
                const o = host.createObject(id);
                if (o) return o;
            }
            raise(429);
            return null;
        },
        GetObject: () => raise(429),
        ScriptEngine: () => 'VBScript',
        ScriptEngineMajorVersion: () => 5,
        ScriptEngineMinorVersion: () => 8,
        ScriptEngineBuildVersion: () => 16384,
        GetLocale: () => LONG(1041),
        SetLocale: () => LONG(1041),
        Eval: (s) => {
            const js = VB.compileExpression(str(s), VB.known);
            // eslint-disable-next-line no-new-func
            return new Function('$', 'G', 'return ' + js)($, VB.globals);
        },
        Execute: (s) => { VB.execute(str(s)); },
        ExecuteGlobal: (s) => { VB.execute(str(s)); },
        newRegExp: () => {
            const re = {
                vbTypeName: 'IRegExp2',
                Pattern: '', IgnoreCase: false, Global: false, MultiLine: false,
                compiled() {
                    try {
                        return new RegExp(str(re.Pattern), (re.IgnoreCase ? 'i' : '') + (re.Global ? 'g' : '') + (re.MultiLine ? 'm' : ''));
                    } catch (e) {
                        raise(5017);
                        return null;
                    }
                },
                Test(s) { return re.compiled().test(text(s)); },
                Replace(s, r) { return text(s).replace(re.compiled(), text(r)); },
                Execute(s) {
                    const out = [];
                    const c = re.compiled();
                    const rx = new RegExp(c.source, c.flags.includes('g') ? c.flags : c.flags + 'g');
                    const t = text(s);
                    let m;
                    while ((m = rx.exec(t)) !== null) {
                        const groups = m.slice(1).map((g) => (g === undefined ? undefined : g));
                        out.push({
                            vbTypeName: 'IMatch2', Value: m[0], FirstIndex: LONG(m.index), Length: LONG(m[0].length), vbDefault: m[0],
                            SubMatches: new ItemCollection(groups, 'ISubMatches'),
                        });
                        if (!re.Global) break;
                        if (m[0] === '') rx.lastIndex++;
                    }
                    return new ItemCollection(out, 'IMatchCollection2');
                },
            };
            return re;
        },
    };
    for (const [k, f] of Object.entries(fns)) B[k.toLowerCase()] = f;
    // Err is an object, not a function: a bare "Err" is the object itself.
    B.err = $.err;
    B.randomize = randomize;
    $.typeName = typeName;

    // Execute and ExecuteGlobal: statements at the script's global level, errors to the caller.
    VB.execute = (source) => {
        const compiled = VB.compile(source, VB.known);
        VB.known = { globals: compiled.globals, procs: compiled.procs };
        // eslint-disable-next-line no-new-func
        new Function('$', 'G', compiled.source)($, VB.globals)();
    };
})(typeof window !== 'undefined' ? window : globalThis);
