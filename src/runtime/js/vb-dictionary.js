// CreateObject("Scripting.Dictionary"): keys and items, For Each over the keys,
// Item as the default member (reading a missing key adds it, as the object does).
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = VB.rt;
    const { raise, n, NULL, VbNumber, T, box } = $;

    $.MESSAGES[457] = 'このキーは既にこのコレクションの要素に割り当てられています。';
    $.MESSAGES[32811] = '要素が見つかりません。';

    class Dictionary extends VB.VbObject {
        constructor() {
            super();
            this.entries = new Map(); // normalised key -> [key, item]
            this.compareMode = 0;
            this.vbRefs = 0;
        }
        // Numbers are one key whatever their subtype; text by the compare mode; objects by identity.
        normal(key) {
            if (key === NULL) raise(94);
            if (Array.isArray(key)) raise(13);
            if (typeof key === 'string') return 's' + (this.compareMode === 1 ? key.toLowerCase() : key);
            if (typeof key === 'number' || key instanceof VbNumber) return 'n' + Number(key);
            if (typeof key === 'boolean') return 'b' + key;
            if (key === undefined) return 'e';
            if (key instanceof Date) return 'd' + $.dateToNumber(key);
            return key;
        }
        vbGet(lc) {
            switch (lc) {
            case 'count': return box(this.entries.size, T.LONG);
            case 'comparemode': return this.compareMode;
            case 'keys': return [...this.entries.values()].map((e) => e[0]);
            case 'items': return [...this.entries.values()].map((e) => e[1]);
            case 'removeall': this.entries.clear(); return undefined;
            default: raise(lc === 'item' || lc === 'exists' || lc === 'add' || lc === 'remove' || lc === 'key' ? 450 : 438);
            }
            return undefined;
        }
        vbCall(lc, args) {
            const name = lc === '' ? 'item' : lc;
            if (args.length === 0) return this.vbGet(name);
            switch (name) {
            case 'item': {
                const k = this.normal(args[0]);
                if (!this.entries.has(k)) this.entries.set(k, [args[0], undefined]);
                return this.entries.get(k)[1];
            }
            case 'exists': return this.entries.has(this.normal(args[0]));
            case 'add': {
                if (args.length !== 2) raise(450);
                const k = this.normal(args[0]);
                if (this.entries.has(k)) raise(457);
                this.entries.set(k, [args[0], args[1]]);
                return undefined;
            }
            case 'remove': {
                const k = this.normal(args[0]);
                if (!this.entries.delete(k)) raise(32811);
                return undefined;
            }
            default: raise(450);
            }
            return undefined;
        }
        vbSet(lc, args, v, isSet) {
            const name = lc === '' ? 'item' : lc;
            const value = isSet ? $.obj(v) : v;
            switch (name) {
            case 'item': {
                if (args.length !== 1) raise(450);
                const k = this.normal(args[0]);
                const old = this.entries.get(k);
                this.entries.set(k, [old ? old[0] : args[0], value]);
                return;
            }
            case 'key': {
                if (args.length !== 1) raise(450);
                const k = this.normal(args[0]);
                const old = this.entries.get(k);
                if (!old) raise(32811);
                if (this.entries.has(this.normal(value))) raise(457);
                this.entries.delete(k);
                this.entries.set(this.normal(value), [value, old[1]]);
                return;
            }
            case 'comparemode': {
                if (this.entries.size) raise(5);
                const mode = n(value);
                if (mode < 0 || mode > 2) raise(5);
                this.compareMode = mode;
                return;
            }
            default: raise(438);
            }
        }
        vbValue() { raise(450); }
        vbRelease() { this.vbRefs--; }
        [Symbol.iterator]() { return [...this.entries.values()].map((e) => e[0])[Symbol.iterator](); }
        get vbTypeName() { return 'Dictionary'; }
    }
    $.objects = $.objects || new Map();
    $.objects.set('scripting.dictionary', () => new Dictionary());
})(typeof window !== 'undefined' ? window : globalThis);
