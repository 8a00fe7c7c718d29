// What a block declares, found on its syntax tree before any code is written, so
// that use may come before declaration: the block's globals, procedures and
// classes, each procedure's locals and each class's members. Names are kept in
// lower case; a name declared twice in one scope is the language's error 1041.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});

    // Calls visit(statement) for every statement, nested blocks included, procedures and classes not entered.
    function walk(list, visit) {
        for (const s of list) {
            visit(s);
            switch (s.k) {
            case 'if':
                for (const b of s.branches) walk(b.body, visit);
                if (s.otherwise) walk(s.otherwise, visit);
                break;
            case 'select': for (const c of s.cases) walk(c.body, visit); break;
            case 'for': case 'foreach': case 'do': case 'while': case 'with': walk(s.body, visit); break;
            default: break;
            }
        }
    }
    VB.walkStatements = walk;

    function redefined(at) {
        throw new VB.VbSyntaxError(1041, at.line, at.col);
    }

    // Names a statement gives a value to without declaring them.
    function assignedName(s) {
        switch (s.k) {
        case 'assign': return s.target.k === 'name' ? s.target : null;
        case 'for': case 'foreach': return s.v;
        default: return null;
        }
    }

    function declareOnce(scope, lc, at) {
        if (scope.has(lc)) redefined(at);
        scope.add(lc);
    }

    function classMembers(cls) {
        const members = new Map();
        const add = (lc, member, at) => {
            const old = members.get(lc);
            if (old && !(old.kind === 'prop' && member.kind === 'prop')) redefined(at);
            if (old) {
                for (const part of ['get', 'let', 'set']) {
                    if (member[part]) {
                        if (old[part]) redefined(at);
                        old[part] = member[part];
                    }
                }
                if (member.access === 'public') old.access = 'public';
                return;
            }
            members.set(lc, member);
        };
        let defaultMember = null;
        for (const m of cls.members) {
            if (m.k === 'dim') for (const v of m.vars) add(v.lc, { kind: 'field', access: m.access, name: v.name, bounds: v.bounds }, v);
            else if (m.k === 'const') for (const v of m.vars) add(v.lc, { kind: 'const', access: 'private', name: v.name, value: v.value }, v);
            else if (m.k === 'proc') {
                if (m.kind === 'sub' || m.kind === 'function') add(m.lc, { kind: 'method', access: m.access, name: m.name, proc: m }, m);
                else add(m.lc, { kind: 'prop', access: m.access, name: m.name, [m.kind]: m }, m);
                if (m.isDefault) defaultMember = m.lc;
            }
        }
        return { members, defaultMember };
    }

    // Fills in program.scope and each procedure's .scope; known: what earlier blocks declared.
    VB.analyse = function analyse(program, known) {
        const globals = new Set();
        const procs = new Map();
        const classes = new Map();
        const consts = new Set();
        const declared = new Set(); // this block's top-level declarations, for 1041
        let explicit = false;

        for (const s of program.body) {
            if (s.k === 'proc') {
                declareOnce(declared, s.lc, s);
                procs.set(s.lc, s);
            } else if (s.k === 'class') {
                if (classes.has(s.lc)) redefined(s);
                classes.set(s.lc, s);
                const info = classMembers(s);
                s.table = info.members;
                s.defaultMember = info.defaultMember;
            }
        }
        walk(program.body, (s) => {
            if (s.k === 'option') explicit = true;
            if (s.k === 'dim' || s.k === 'const') {
                for (const v of s.vars) {
                    declareOnce(declared, v.lc, v);
                    globals.add(v.lc);
                    if (s.k === 'const') consts.add(v.lc);
                }
            } else if (s.k === 'redim') {
                for (const v of s.vars) globals.add(v.lc);
            } else if (!explicit) {
                const n = assignedName(s);
                if (n && !procs.has(n.lc)) globals.add(n.lc);
            }
        });
        for (const p of procs.keys()) globals.delete(p);

        const isGlobal = (lc) => globals.has(lc) || known.globals.has(lc);
        const isProc = (lc) => procs.has(lc) || known.procs.has(lc);
        const procScope = (proc, cls) => {
            const locals = new Set();
            const procConsts = new Set();
            const setTargets = new Set();
            for (const p of proc.params) locals.add(p.lc);
            walk(proc.body, (s) => {
                if (s.k === 'dim' || s.k === 'const') {
                    for (const v of s.vars) {
                        declareOnce(locals, v.lc, v);
                        if (s.k === 'const') procConsts.add(v.lc);
                    }
                }
            });
            // A name the procedure assigns without declaring is its own, unless the block or the class knows it.
            const implicit = new Set();
            const ownName = proc.kind === 'function' || proc.kind === 'get' ? proc.lc : null;
            const claim = (lc) => {
                if (locals.has(lc) || lc === ownName || (cls && cls.table.has(lc)) || isGlobal(lc) || isProc(lc)) return;
                implicit.add(lc);
            };
            walk(proc.body, (s) => {
                if (s.k === 'redim') for (const v of s.vars) if (!explicit) claim(v.lc);
                if (s.k === 'assign' && s.set && s.target.k === 'name') setTargets.add(s.target.lc);
                const n = assignedName(s);
                if (n && !explicit) claim(n.lc);
            });
            for (const lc of implicit) locals.add(lc);
            proc.scope = { locals, consts: procConsts, implicit, setTargets, ownName };
        };
        for (const p of procs.values()) procScope(p, null);
        for (const c of classes.values()) for (const m of c.members) if (m.k === 'proc') procScope(m, c);

        program.scope = { globals, procs, classes, consts, explicit };
        return program.scope;
    };
})(typeof window !== 'undefined' ? window : globalThis);
