// The script's own classes: Class ... End Class, New, fields, methods,
// Property Get/Let/Set, a Public Default member, Class_Initialize and
// Class_Terminate (when the last variable holding the object lets it go).
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = VB.rt;
    const { raise, MESSAGES } = $;

    const classes = ($.classes = new Map()); // lower-case name -> class

    // A member is { kind: 'field' | 'const' | 'method' | 'prop', pub, method, get, let, set, bounds }.
    class VbInstance extends VB.VbObject {
        constructor(cls) {
            super();
            this.vbClass = cls;
            this.f = Object.create(null);
            this.vbRefs = 0;
            this.vbEnded = false;
        }
        // From outside only Public members answer; from the class's own code, all.
        member(lc, inside) {
            const m = this.vbClass.members.get(lc);
            if (!m || (!m.pub && !inside)) raise(438, MESSAGES[438] + " ('" + (m ? m.name : lc) + "')");
            return m;
        }
        defaultMember() {
            const lc = this.vbClass.defaultMember;
            if (lc === null) raise(438);
            return lc;
        }
        vbGet(lc, inside) {
            const m = this.member(lc, inside);
            switch (m.kind) {
            case 'field': case 'const': return this.f[lc];
            case 'method': return $.callVb(m.method, [], this);
            default:
                if (!m.get) raise(450);
                return $.callVb(m.get, [], this);
            }
        }
        vbCall(lc, args, inside) {
            const name = lc === '' ? this.defaultMember() : lc;
            const m = this.member(name, inside || lc === '');
            switch (m.kind) {
            case 'field': case 'const': return $.ci(this.f[name], args);
            case 'method': return $.callVb(m.method, args, this);
            default:
                if (!m.get) raise(450);
                return $.callVb(m.get, args, this);
            }
        }
        // Assignment to a member, with arguments for an indexed property or a field's array.
        vbSet(lc, args, v, isSet, inside) {
            const name = lc === '' ? this.defaultMember() : lc;
            const m = this.member(name, inside || lc === '');
            switch (m.kind) {
            case 'field':
                if (args.length) $.si(this.f[name], args, v, isSet);
                else this.f[name] = isSet ? $.ref(this.f[name], $.obj(v)) : $.cp(v);
                return;
            case 'prop': {
                const setter = isSet ? m.set : m.let;
                if (!setter) raise(450);
                $.callVb(setter, [...args, isSet ? $.obj(v) : v], this);
                return;
            }
            default:
                raise(501);
            }
        }
        vbValue() {
            return this.vbGet(this.defaultMember(), true);
        }
        vbRelease() {
            this.vbRefs--;
            if (this.vbRefs <= 0 && !this.vbEnded) {
                this.vbEnded = true;
                const end = this.vbClass.members.get('class_terminate');
                if (end && end.kind === 'method') {
                    // An error in Class_Terminate is not the caller's.
                    try {
                        $.callVb(end.method, [], this);
                    } catch (e) {
                        if (e && e.vbStop) throw e;
                    }
                }
                for (const k of Object.keys(this.f)) if (this.f[k] instanceof VB.VbObject) this.f[k].vbRelease();
            }
        }
    }
    VB.VbInstance = VbInstance;

    // members: lower-case name -> member, as the code generator writes them; the default member's name or null.
    $.defineClass = (name, members, defaultMember) => {
        classes.set(name.toLowerCase(), { name, members, defaultMember });
    };
    // A method's body takes its object first: function(self, args).
    $.method = (name, arity, required, body) => $.proc(name, arity, required, (args, self) => body(self, args));

    $.create = (lc) => {
        if (lc === 'regexp') return $.B.newregexp();
        const cls = classes.get(lc);
        if (!cls) raise(506, MESSAGES[506] + " ('" + lc + "')");
        const o = new VbInstance(cls);
        for (const [k, m] of cls.members) {
            if (m.kind === 'field') {
                const bounds = m.bounds ? m.bounds() : null;
                o.f[k] = bounds ? $.dim(bounds, bounds.length > 0) : undefined;
            } else if (m.kind === 'const') o.f[k] = m.value();
        }
        const init = cls.members.get('class_initialize');
        if (init && init.kind === 'method') $.callVb(init.method, [], o);
        return o;
    };
    // Members from the class's own code.
    $.mg = (self, lc) => self.vbGet(lc, true);
    $.mc = (self, lc, args) => self.vbCall(lc, args, true);
    $.mcw = (self, lc, args, write) => {
        const r = self.vbCall(lc, args, true);
        write(args);
        return r;
    };
    $.ms = (self, lc, args, v, isSet) => self.vbSet(lc, args, v, isSet, true);

    $.typeNameOf = (o) => (o instanceof VbInstance ? o.vbClass.name : null);
})(typeof window !== 'undefined' ? window : globalThis);
