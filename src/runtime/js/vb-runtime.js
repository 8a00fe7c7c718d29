// What compiled VBScript calls besides the Variant operators: names looked up
// without regard to letter case, members of the page's objects and of the
// script's own classes, calls, arrays, the Err object and error reporting.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = VB.rt;
    const G = (VB.globals = VB.globals || Object.create(null));
    const { NULL, VbNumber, raise, MESSAGES, n, str, bankers } = $;

    // The script's own objects (class instances) answer for their members themselves.
    class VbObject {
        vbGet(lc) { raise(438); return lc; }
        vbSet(lc) { raise(438); return lc; }
        vbCall(lc) { raise(438); return lc; }
        vbValue() { raise(438); }
    }
    VB.VbObject = VbObject;
    $.VbObject = VbObject;

    // What the page's JavaScript is handed: numbers as plain numbers.
    const toHost = (v) => (v instanceof VbNumber ? v.v : v === NULL ? null : v);
    $.toHost = toHost;
    // Arguments of the page's functions: dates as the language writes them (document.write Now).
    const hostArgument = (v) => (v instanceof Date ? str(v) : toHost(v));
    const hostArgs = (args) => {
        for (let i = 0; i < args.length; i++) {
            const v = args[i];
            if (v instanceof VbNumber || v === NULL || v instanceof Date) return args.map(hostArgument);
        }
        return args;
    };
    // A text property takes a Boolean, a date or a subtyped number as the language writes it: "True".
    const hostValue = (o, k, v) => ((typeof v === 'boolean' || v instanceof Date || v instanceof VbNumber) && typeof o[k] === 'string' ? str(v) : toHost(v));

    // ---- members of the page's objects, found without regard to letter case
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
    const extensions = ($.extensions = new Map()); // lower-case member -> { get(object), set(object, value) }, for members the page model adds

    const isAllCollection = (o) => typeof HTMLAllCollection !== 'undefined' && o instanceof HTMLAllCollection;
    function objectFor(o, name) {
        if (o === null) raise(91);
        if (o === undefined || o === NULL || (typeof o !== 'object' && typeof o !== 'function' && !isAllCollection(o)) ||
            o instanceof Date || o instanceof VbNumber || Array.isArray(o)) {
            raise(424, MESSAGES[424] + (name ? " ('" + name + "')" : ''));
        }
        return o;
    }
    // A method of the object's kind (on its prototype, not a handler or a value it holds): named
    // without parentheses it is called, as the language calls it.
    function isMethod(o, k) {
        if (Object.prototype.hasOwnProperty.call(o, k)) return false;
        for (let p = Object.getPrototypeOf(o); p && p !== Object.prototype && p !== Function.prototype; p = Object.getPrototypeOf(p)) {
            const d = Object.getOwnPropertyDescriptor(p, k);
            if (d) return 'value' in d && typeof d.value === 'function' && !/^[A-Z]/.test(k);
        }
        return false;
    }
    $.g = (o, name) => {
        if (o instanceof VbObject) return o.vbGet(name.toLowerCase(), false);
        objectFor(o, name);
        const k = key(o, name);
        if (!(k in o)) {
            const ext = extensions.get(name.toLowerCase());
            if (ext) return ext.get(o);
            if (o.vbMembers) return o.vbMembers(name);
        }
        const v = o[k];
        if (typeof v === 'function' && (v.$vbAutoCall || isMethod(o, k))) return v.call(o);
        return v;
    };
    $.s = (o, name, v, isSet) => {
        if (o instanceof VbObject) { o.vbSet(name.toLowerCase(), [], v, isSet, false); return; }
        objectFor(o, name);
        const k = key(o, name);
        if (!(k in o)) {
            const ext = extensions.get(name.toLowerCase());
            if (ext && ext.set) { ext.set(o, toHost(v)); return; }
        }
        o[k] = hostValue(o, k, v);
    };
    $.cm = (o, name, args) => {
        if (o instanceof VbObject) return o.vbCall(name.toLowerCase(), args, false);
        objectFor(o, name);
        const k = key(o, name);
        let v;
        if (k in o) v = o[k];
        else {
            const ext = extensions.get(name.toLowerCase());
            if (ext) v = ext.get(o);
            else raise(438, MESSAGES[438] + " ('" + name + "')");
        }
        if (typeof v === 'function') return v.$vb ? callVb(v, args) : v.apply(o, hostArgs(args));
        return $.ci(v, args);
    };
    $.cmw = (o, name, args, write) => {
        const r = $.cm(o, name, args);
        if (o instanceof VbObject) write(args);
        return r;
    };
    // o.name(args) = v: an indexed property, or an element of an array the member holds.
    $.sm = (o, name, args, v, isSet) => {
        if (o instanceof VbObject) { o.vbSet(name.toLowerCase(), args, v, isSet, false); return; }
        $.si($.g(o, name), args, v, isSet);
    };

    // ---- arrays: one dimension is a JavaScript array; more are kept flat, first subscript
    // fastest as the language stores them, with their sizes in $dims. A dynamic array
    // not yet sized has $dims of length 0.
    function position(a, args) {
        const dims = a.$dims;
        if (dims === undefined) {
            if (args.length !== 1) raise(9);
            const k = subscript(args[0]);
            if (k < 0 || k >= a.length) raise(9);
            return k;
        }
        if (args.length !== dims.length) raise(9);
        let offset = 0;
        for (let i = dims.length - 1; i >= 0; i--) {
            const k = subscript(args[i]);
            if (k < 0 || k >= dims[i]) raise(9);
            offset = offset * dims[i] + k;
        }
        return offset;
    }
    function subscript(v) {
        if (typeof v === 'number' && (v | 0) === v) return v;
        if (v === NULL) raise(94);
        return bankers(n(v));
    }
    $.index = (a, args) => a[position(a, args)];

    function item(coll, args) {
        if (args.length === 0) return coll;
        const a = args[0];
        if (typeof coll.vbItem === 'function') return coll.vbItem(...hostArgs(args));
        if (VB.allItem && (isAllCollection(coll) || (typeof HTMLCollection !== 'undefined' && coll instanceof HTMLCollection))) return VB.allItem(coll, ...hostArgs(args));
        if (typeof coll.item === 'function') {
            if (typeof a === 'string' && typeof coll.namedItem === 'function' && args.length === 1) {
                const r = coll.namedItem(a);
                return r === undefined ? null : r;
            }
            const r = coll.item(...hostArgs(args));
            return r === undefined ? null : r;
        }
        if (typeof a === 'string' && a in coll) return coll[a];
        raise(13);
        return undefined;
    }
    // t(args): a procedure's call, an array's element, a collection's item or an object's default member.
    $.ci = (t, args) => {
        if (Array.isArray(t)) return t[position(t, args)];
        if (typeof t === 'function') return t.$vb ? callVb(t, args) : t.apply(undefined, hostArgs(args));
        if (t instanceof VbObject) return args.length ? t.vbCall('', args, false) : t;
        if (args.length === 0) return t;
        if (t !== null && (typeof t === 'object' || isAllCollection(t)) && t !== NULL && !(t instanceof VbNumber) && !(t instanceof Date)) return item(t, args);
        if (t === null) raise(91);
        raise(13);
        return undefined;
    };
    $.cw = (t, args, write) => {
        if (typeof t === 'function' && t.$vb) {
            const r = callVb(t, args);
            write(args);
            return r;
        }
        return $.ci(t, args);
    };
    $.si = (holder, args, v, isSet) => {
        if (Array.isArray(holder)) {
            holder[position(holder, args)] = isSet ? $.ref(undefined, v) : v;
            return;
        }
        if (holder instanceof VbObject) { holder.vbSet('', args, v, isSet, false); return; }
        if (holder && typeof holder === 'object' && holder !== NULL && args.length === 1 && typeof args[0] === 'string') { $.s(holder, args[0], v); return; }
        if (holder === null) raise(91);
        raise(13);
    };

    function makeArray(bounds) {
        const dims = bounds.map((b) => {
            const size = subscript(b) + 1;
            if (size < 0) raise(9);
            return size;
        });
        const total = dims.reduce((p, d) => p * d, 1);
        if (total > 16777216) raise(7);
        const a = new Array(total).fill(undefined);
        if (dims.length !== 1) a.$dims = dims;
        return a;
    }
    $.dim = (bounds, fixed) => {
        const a = bounds.length ? makeArray(bounds) : Object.assign([], { $dims: [] });
        if (fixed) a.$fixed = true;
        return a;
    };
    const dimsOf = (a) => (a.$dims !== undefined ? a.$dims : [a.length]);
    $.dimsOf = dimsOf;
    $.redim = (old, bounds, preserve) => {
        if (Array.isArray(old) && old.$fixed) raise(10);
        const fresh = makeArray(bounds);
        if (preserve && Array.isArray(old) && !(old.$dims && old.$dims.length === 0)) {
            const from = dimsOf(old);
            const to = dimsOf(fresh);
            // Only the last dimension may change.
            if (from.length !== to.length) raise(9);
            for (let i = 0; i < from.length - 1; i++) if (from[i] !== to[i]) raise(9);
            const keep = Math.min(old.length, fresh.length);
            for (let i = 0; i < keep; i++) fresh[i] = old[i];
        }
        return fresh;
    };
    $.erase = (a) => {
        if (!Array.isArray(a)) raise(13);
        if (a.$fixed) {
            for (let i = 0; i < a.length; i++) a[i] = Array.isArray(a[i]) ? $.dim([], false) : undefined;
            return a;
        }
        return $.dim([], false);
    };
    // An array is a value: assigning or passing it ByVal copies it, arrays within it too.
    function copyArray(a) {
        const b = new Array(a.length);
        for (let i = 0; i < a.length; i++) b[i] = Array.isArray(a[i]) ? copyArray(a[i]) : a[i];
        if (a.$dims !== undefined) b.$dims = a.$dims.slice();
        return b;
    }
    $.copyArray = copyArray;
    // The value an assignment without Set stores.
    $.cp = (v) => (Array.isArray(v) ? copyArray(v) : v instanceof VbObject ? v.vbValue() : v);
    // What Set stores: an object or Nothing.
    $.obj = (v) => {
        if (!$.isReference(v)) raise(424);
        return v;
    };
    // Set keeps count of the variables holding one of the script's objects, so that it ends when the last lets go.
    $.ref = (old, v) => {
        if (v instanceof VbObject) v.vbRefs++;
        if (old instanceof VbObject && old !== v) old.vbRelease();
        return v;
    };
    $.release = (...values) => {
        for (const v of values) if (v instanceof VbObject) v.vbRelease();
    };

    $.each = (group) => {
        if (Array.isArray(group)) return group.$dims !== undefined && group.$dims.length === 0 ? [] : group;
        if (group === null) raise(91);
        if (group === undefined || group === NULL || (typeof group !== 'object' && !isAllCollection(group))) raise(451);
        if (typeof group[Symbol.iterator] === 'function') return Array.from(group);
        if (group instanceof VbObject) raise(451);
        if (typeof group.length === 'number') return Array.from({ length: group.length }, (_, i) => group[i]);
        if (typeof group.Count === 'number' && typeof group.Item === 'function') return Array.from({ length: group.Count }, (_, i) => group.Item(i));
        raise(451);
        return [];
    };

    // The start, end and step of a For loop: numbers, a text read as a Double.
    $.forValue = (v) => {
        if (typeof v === 'number' || v instanceof VbNumber) return v;
        if (typeof v === 'string') return $.fit(n(v), $.T.DOUBLE);
        return n(v);
    };
    // Under On Error Resume Next the language resumes into the block whose header failed:
    // a failing condition counts as true, a failing For Each runs its body once.
    $.SKIP = Object.freeze({});
    $.okc = (resume, condition) => {
        try {
            return $.c(condition());
        } catch (e) {
            if (!resume) throw e;
            $.seterr(e);
            return true;
        }
    };
    $.oke = (resume, group) => {
        try {
            return $.each(group());
        } catch (e) {
            if (!resume) throw e;
            $.seterr(e);
            return [$.SKIP];
        }
    };

    // ---- names a block did not declare: the script's globals, constants and functions,
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
    $.lookup = lookup;
    $.r = (lc) => {
        const f = lookup(lc);
        if (!f) return undefined;
        if (f.where === 'b' && typeof f.v === 'function') return f.v();
        if (typeof f.v === 'function' && f.v.$vb) return callVb(f.v, []);
        return f.v;
    };
    // Under Option Explicit a name nobody declared is an error.
    $.rx = (lc) => {
        if (!lookup(lc)) raise(500, MESSAGES[500] + " ('" + lc + "')");
        return $.r(lc);
    };
    $.cg = (lc, args) => {
        const f = lookup(lc);
        if (!f) raise(13, MESSAGES[13] + " ('" + lc + "')");
        if (typeof f.v === 'function') {
            if (f.v.$vb) return callVb(f.v, args);
            return f.where === 'b' ? f.v(...args) : f.v.apply(f.self, hostArgs(args));
        }
        return $.ci(f.v, args);
    };
    $.cgw = (lc, args, write) => {
        const f = lookup(lc);
        if (f && typeof f.v === 'function' && f.v.$vb) {
            const r = callVb(f.v, args);
            write(args);
            return r;
        }
        return $.cg(lc, args);
    };
    $.w = (lc, v) => {
        if (host.assign && !(lc in G) && host.assign(lc, toHost(v))) return;
        G[lc] = v;
    };
    $.wx = (lc, v) => {
        if (!(lc in G) && !(host.lookup && host.lookup(lc))) raise(500, MESSAGES[500] + " ('" + lc + "')");
        $.w(lc, v);
    };
    // A ByRef argument given by a name the block did not declare: written back to a variable, or to a
    // new one where the name means nothing yet; never to a built-in or a name of the page.
    $.wb = (lc, v) => {
        if (lc in G) {
            if (!(typeof G[lc] === 'function' && G[lc].$vb)) G[lc] = v;
        } else if (!lookup(lc)) G[lc] = v;
    };

    // ---- procedures, errors, runaway loops
    $.ticks = 0;
    $.depth = 0;
    $.started = 0;
    $.timeLimitMs = 10000;
    $.tick = () => {
        $.ticks = 0;
        if (Date.now() - $.started > $.timeLimitMs) {
            const e = new VB.VbError(1031);
            e.vbStop = true;
            throw e;
        }
    };
    // A procedure of the script, or a method of one of its objects (self).
    function callVb(f, args, self) {
        if (args.length > f.$arity || args.length < f.$required) raise(450);
        return f.$vb(args, self);
    }
    $.callVb = callVb;
    $.enter = () => {
        if ($.depth === 0) { $.started = Date.now(); $.ticks = 0; }
        $.depth++;
        if ($.depth > 2000) { $.depth = 0; raise(28); }
    };
    $.leave = (e) => {
        // Leaving VBScript for the JavaScript that called it: the page model reports it if nothing catches it.
        if (e !== undefined && $.depth === 1) {
            $.escaped = e;
            queueMicrotask(() => { $.escaped = null; });
        }
    };
    $.proc = (name, arity, required, body) => {
        const vb = (args, self) => {
            $.enter();
            try {
                return body(args, self);
            } catch (e) {
                $.leave(e);
                throw e;
            } finally {
                $.depth--;
            }
        };
        const f = function (...args) { return toHost(vb(args)); };
        f.$vb = vb;
        f.$arity = arity;
        f.$required = required;
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
            err = new VB.VbError(number, MESSAGES[number] + (message ? ' (' + message + ')' : ''));
        }
        if (err.vbLine === undefined) err.vbLine = line;
        if (err.vbBlock === undefined && block !== undefined) err.vbBlock = block;
        return err;
    };
    const Err = {
        Number: $.box(0, $.T.LONG), Description: '', Source: '', HelpFile: '', HelpContext: 0,
        Clear() { Err.Number = $.box(0, $.T.LONG); Err.Description = ''; Err.Source = ''; Err.HelpFile = ''; Err.HelpContext = 0; },
        Raise(number, source, description, helpFile, helpContext) {
            if (number === undefined) raise(450);
            const code = n(number);
            if (code === 0 || code !== Math.trunc(code)) raise(5);
            const e = new VB.VbError(code, description === undefined ? undefined : str(description), source === undefined ? undefined : str(source));
            if (helpFile !== undefined) e.vbHelpFile = str(helpFile);
            if (helpContext !== undefined) e.vbHelpContext = n(helpContext);
            throw e;
        },
    };
    Object.defineProperty(Err, 'vbDefault', { get: () => Err.Number });
    $.err = Err;
    $.seterr = (e) => {
        if (e && e.vbStop) throw e;
        const v = $.at(e, undefined);
        Err.Number = $.box(v.vbNumber, $.T.LONG);
        Err.Description = v.vbDescription;
        Err.Source = v.vbSource;
        Err.HelpFile = v.vbHelpFile || '';
        Err.HelpContext = v.vbHelpContext || 0;
    };

    // Compiles and runs one block; returns whether it ran without an error.
    VB.known = VB.known || { globals: new Set(), procs: new Set() };
    VB.run = (source, onError, blockId) => {
        let top;
        try {
            const compiled = VB.compile(source, VB.known, blockId);
            VB.known = { globals: compiled.globals, procs: compiled.procs };
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
