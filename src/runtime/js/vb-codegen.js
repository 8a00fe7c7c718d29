// Writes a block's syntax tree as one JavaScript function, once. Names are
// resolved here where the block says what they are (locals, parameters, class
// members, globals it or an earlier block declares); the rest are looked up
// when they run, the way the browser's script host did.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});

    const jsString = (s) => JSON.stringify(s);
    // A JavaScript name for a VBScript one: letters and digits kept, anything else spelt out.
    const local = (lc) => 'v_' + lc.replace(/[^a-z0-9_]/g, (c) => '$' + c.charCodeAt(0).toString(16) + '$');
    const global = (lc) => 'G[' + jsString(lc) + ']';
    const COMPARISONS = new Set(['eq', 'ne', 'lt', 'gt', 'le', 'ge']);
    const DESIGNATORS = new Set(['name', 'mem', 'dot', 'index', 'me', 'paren']);
    // The subtype a plain number stands for, as the runtime reads it.
    const natural = (x) => ((x | 0) === x ? (x >= -32768 && x <= 32767 ? 2 : 3) : 5);

    function containsOnError(list) {
        let found = false;
        VB.walkStatements(list, (s) => { if (s.k === 'onerror') found = true; });
        return found;
    }
    const isLiteral = (e) => e.k === 'num' || e.k === 'str' || (e.k === 'un' && e.op === 'neg' && e.e.k === 'num');
    // Expressions whose value is True, False or Null: a condition on them is a plain test for true.
    const LOGICAL = new Set(['and', 'or', 'xor', 'eqv', 'imp']);
    function isTruth(e) {
        if (e.k === 'paren') return isTruth(e.e);
        if (e.k === 'const') return e.v === 'true' || e.v === 'false';
        if (e.k === 'bin') return COMPARISONS.has(e.op) || e.op === 'is' || (LOGICAL.has(e.op) && isTruth(e.l) && isTruth(e.r));
        if (e.k === 'un') return e.op === 'not' && isTruth(e.e);
        return false;
    }

    class Generator {
        constructor(program, known, blockId) {
            this.block = blockId === undefined ? 'undefined' : String(Number(blockId));
            this.known = known;
            const scope = program.scope;
            this.scope = scope;
            this.globals = new Set([...known.globals, ...scope.globals]);
            this.procs = new Set([...known.procs, ...scope.procs.keys()]);
            for (const p of scope.procs.keys()) this.globals.delete(p);
            this.explicit = scope.explicit;
            this.proc = null;
            this.cls = null;
            this.withs = [];
            this.loops = [];
            this.temp = 0;
            this.constants = [];
            this.guard = false;
        }

        // ---- hoisted values: subtyped numbers and dates, made once per block
        constant(js) {
            const name = '$h' + this.constants.length;
            this.constants.push(name + '=' + js);
            return name;
        }
        number(v, kind) {
            if (kind === natural(v)) return String(v);
            return this.constant('$.fit(' + v + ',' + kind + ')');
        }

        // ---- names
        resolve(lc) {
            if (this.proc) {
                const s = this.proc.scope;
                if (s.ownName === lc) return { k: 'ret' };
                if (s.locals.has(lc)) return { k: 'local', js: local(lc), isConst: s.consts.has(lc) };
            }
            if (this.cls && this.cls.table.has(lc)) {
                const m = this.cls.table.get(lc);
                return { k: 'member', m, isConst: m.kind === 'const' };
            }
            if (this.procs.has(lc)) return { k: 'proc', js: global(lc) };
            if (this.globals.has(lc)) return { k: 'global', js: global(lc), isConst: this.scope.consts.has(lc) };
            return { k: 'unknown' };
        }
        // The procedure named, not its return value: F(...) inside F calls it again.
        callee(lc) {
            const r = this.resolve(lc);
            if (r.k !== 'ret') return r;
            if (this.cls) return { k: 'member', m: this.cls.table.get(lc) };
            return { k: 'proc', js: global(lc) };
        }
        read(lc) {
            const r = this.resolve(lc);
            switch (r.k) {
            case 'ret': return '$ret';
            case 'local': case 'global': return r.js;
            case 'member': return r.m.kind === 'field' || r.m.kind === 'const' ? 'M.f[' + jsString(lc) + ']' : '$.mg(M,' + jsString(lc) + ')';
            case 'proc': return '$.ci(' + r.js + ',[])';
            default: return (this.explicit ? '$.rx(' : '$.r(') + jsString(lc) + ')';
            }
        }
        withObject(node) {
            if (!this.withs.length) this.fail(1002, node);
            return this.withs[this.withs.length - 1];
        }
        fail(number, node) {
            throw new VB.VbSyntaxError(number, node.line, node.col);
        }

        // ---- expressions
        ex(e) {
            switch (e.k) {
            case 'num': return this.number(e.v, e.kind);
            case 'str': return jsString(e.v);
            case 'date': {
                if (VB.rt && VB.rt.parseDate && !VB.rt.parseDate(e.v)) this.fail(1063, e);
                return this.constant('$.dateLiteral(' + jsString(e.v) + ')');
            }
            case 'const':
                return { true: 'true', false: 'false', empty: 'undefined', null: '$.NULL', nothing: 'null' }[e.v];
            case 'name': return this.read(e.lc);
            case 'me': return this.cls && this.proc ? 'M' : '$.r("me")';
            case 'dot': return '$.g(' + this.withObject(e) + ',' + jsString(e.name) + ')';
            case 'mem': return '$.g(' + this.ex(e.obj) + ',' + jsString(e.name) + ')';
            case 'index': return this.call(e.target, e.args);
            case 'paren': return '(' + this.ex(e.e) + ')';
            case 'new': return '$.create(' + jsString(e.lc) + ')';
            case 'un':
                if (e.op === 'neg' && e.e.k === 'num') return this.negativeNumber(e.e);
                return '$.' + e.op + '(' + this.ex(e.e) + ')';
            case 'bin': {
                const l = this.ex(e.l);
                const r = this.ex(e.r);
                if (COMPARISONS.has(e.op)) {
                    const literal = isLiteral(e.l) ? 1 : isLiteral(e.r) ? 2 : 0;
                    return '$.' + e.op + '(' + l + ',' + r + (literal ? ',' + literal : '') + ')';
                }
                return '$.' + e.op + '(' + l + ',' + r + ')';
            }
            default:
                this.fail(1002, e);
                return '';
            }
        }
        // -32768 is a Long (the negated Long 32768), -2147483648 a Double, as the language reads them.
        negativeNumber(num) {
            const v = num.v === 0 ? 0 : -num.v;
            let kind = num.kind;
            if (kind === 2 && num.v === 32768) kind = 3;
            if (num.v === 32768 && kind === 3) return this.constant('$.fit(-32768,3)');
            if (num.v === 2147483648 && kind === 5) return this.constant('$.fit(-2147483648,5)');
            return v < 0 && kind === natural(v) ? '(' + v + ')' : this.number(v, kind);
        }
        args(list) {
            return '[' + list.map((a) => (a === null ? 'undefined' : this.ex(a))).join(',') + ']';
        }
        // Arguments that are variables get back what a ByRef parameter made of them.
        writer(list) {
            const back = [];
            list.forEach((a, i) => {
                if (!a || a.k !== 'name') return;
                const r = this.resolve(a.lc);
                const got = '$a[' + i + ']';
                switch (r.k) {
                case 'ret': back.push('$ret=' + got); break;
                case 'local': case 'global': if (!r.isConst) back.push(r.js + '=' + got); break;
                case 'member': if (r.m.kind === 'field') back.push('M.f[' + jsString(a.lc) + ']=' + got); break;
                case 'unknown': back.push('$.wb(' + jsString(a.lc) + ',' + got + ')'); break;
                default: break;
                }
            });
            return back.length ? '($a)=>{' + back.join(';') + '}' : null;
        }
        call(target, list) {
            const args = this.args(list);
            const w = this.writer(list);
            switch (target.k) {
            case 'name': {
                const r = this.callee(target.lc);
                const lc = jsString(target.lc);
                switch (r.k) {
                case 'local': return '$.ci(' + r.js + ',' + args + ')';
                case 'member': return w ? '$.mcw(M,' + lc + ',' + args + ',' + w + ')' : '$.mc(M,' + lc + ',' + args + ')';
                case 'proc': case 'global': return w ? '$.cw(' + r.js + ',' + args + ',' + w + ')' : '$.ci(' + r.js + ',' + args + ')';
                default: return w ? '$.cgw(' + lc + ',' + args + ',' + w + ')' : '$.cg(' + lc + ',' + args + ')';
                }
            }
            case 'mem': {
                const o = this.ex(target.obj);
                return w ? '$.cmw(' + o + ',' + jsString(target.name) + ',' + args + ',' + w + ')' : '$.cm(' + o + ',' + jsString(target.name) + ',' + args + ')';
            }
            case 'dot': {
                const o = this.withObject(target);
                return w ? '$.cmw(' + o + ',' + jsString(target.name) + ',' + args + ',' + w + ')' : '$.cm(' + o + ',' + jsString(target.name) + ',' + args + ')';
            }
            default: return '$.ci(' + this.ex(target) + ',' + args + ')';
            }
        }
        // The value an assignment stores: an object for Set; a copy of an array, an object's default value otherwise.
        value(e, isSet) {
            const js = this.ex(e);
            if (isSet) return '$.obj(' + js + ')';
            // Nothing has no value to store without Set.
            if (e.k === 'const' && e.v === 'nothing') return '$.raise(91)';
            return DESIGNATORS.has(e.k) ? '$.cp(' + js + ')' : js;
        }
        assign(target, valueNode, isSet) {
            const v = this.value(valueNode, isSet);
            const set = isSet ? '1' : '0';
            switch (target.k) {
            case 'name': {
                const r = this.resolve(target.lc);
                switch (r.k) {
                case 'ret': return '$ret=' + v + ';';
                case 'local': case 'global':
                    if (r.isConst) return '$.raise(501);';
                    return r.js + '=' + (isSet ? '$.ref(' + r.js + ',' + v + ')' : v) + ';';
                case 'member': {
                    const f = 'M.f[' + jsString(target.lc) + ']';
                    if (r.m.kind === 'field') return f + '=' + (isSet ? '$.ref(' + f + ',' + v + ')' : v) + ';';
                    if (r.m.kind === 'prop') return '$.ms(M,' + jsString(target.lc) + ',[],' + v + ',' + set + ');';
                    return '$.raise(501);';
                }
                case 'proc': return '$.raise(501);';
                default:
                    if (this.explicit) return '$.wx(' + jsString(target.lc) + ',' + v + ');';
                    return '$.w(' + jsString(target.lc) + ',' + v + ');';
                }
            }
            case 'mem': return '$.s(' + this.ex(target.obj) + ',' + jsString(target.name) + ',' + v + ',' + set + ');';
            case 'dot': return '$.s(' + this.withObject(target) + ',' + jsString(target.name) + ',' + v + ',' + set + ');';
            case 'index': {
                const args = this.args(target.args);
                const t = target.target;
                if (t.k === 'name') {
                    const r = this.resolve(t.lc);
                    if (r.k === 'member' && r.m.kind !== 'field') return '$.ms(M,' + jsString(t.lc) + ',' + args + ',' + v + ',' + set + ');';
                    if (r.k === 'proc') return '$.raise(501);';
                }
                if (t.k === 'mem') return '$.sm(' + this.ex(t.obj) + ',' + jsString(t.name) + ',' + args + ',' + v + ',' + set + ');';
                if (t.k === 'dot') return '$.sm(' + this.withObject(t) + ',' + jsString(t.name) + ',' + args + ',' + v + ',' + set + ');';
                return '$.si(' + this.ex(t) + ',' + args + ',' + v + ',' + set + ');';
            }
            default:
                this.fail(1002, target);
                return '';
            }
        }
        // Where a plain name's value is kept, for Dim, ReDim, For and Erase; null for a name
        // the procedure does not know under Option Explicit (an error when it runs).
        place(nameNode) {
            const r = this.resolve(nameNode.lc);
            switch (r.k) {
            case 'ret': return '$ret';
            case 'local': case 'global': return r.js;
            case 'member': if (r.m.kind === 'field') return 'M.f[' + jsString(nameNode.lc) + ']'; break;
            case 'unknown': return this.proc ? null : global(nameNode.lc);
            default: break;
            }
            this.fail(1040, nameNode);
            return '';
        }
        undeclared(nameNode) {
            return '$.raise(500,$.MESSAGES[500]+' + jsString(" ('" + nameNode.name + "')") + ');';
        }

        // ---- statements
        statements(list) {
            let out = '';
            for (const s of list) out += this.statement(s);
            return out;
        }
        marked(s, code) {
            if (!code) return '';
            const guarded = this.guard ? 'try{' + code + '}catch($e){if(!$res)throw $e;$.seterr($e)}' : code;
            return '$l=' + s.line + ';' + guarded + '\n';
        }
        // A condition: under On Error Resume Next a failing one counts as true, as the language resumes into the block.
        condition(e) {
            if (!this.guard) return isTruth(e) ? this.ex(e) + '===true' : '$.c(' + this.ex(e) + ')';
            return '$.okc($res,()=>' + this.ex(e) + ')';
        }
        tick(counter) {
            return 'if(++' + counter + '>65535){' + counter + '=0;$.tick()}';
        }
        statement(s) {
            switch (s.k) {
            case 'assign': return this.marked(s, this.assign(s.target, s.value, s.set));
            case 'call': return this.marked(s, this.call(s.target, s.args) + ';');
            case 'dim': return this.marked(s, this.dim(s));
            case 'redim': return this.marked(s, s.vars.map((v) => {
                const p = this.place(v);
                return p ? p + '=$.redim(' + p + ',' + this.args(v.bounds) + ',' + s.preserve + ');' : this.undeclared(v);
            }).join(''));
            case 'const': return this.marked(s, s.vars.map((v) => this.place(v) + '=' + this.ex(v.value) + ';').join(''));
            case 'proc': this.procedure(s); return '';
            case 'class': this.classDefinition(s); return '';
            case 'option': case 'stop': return '';
            case 'if': return this.ifStatement(s);
            case 'select': return this.selectStatement(s);
            case 'for': return this.forNext(s);
            case 'foreach': return this.forEach(s);
            case 'do': return this.doLoop(s);
            case 'while': return this.whileWend(s);
            case 'with': return this.withStatement(s);
            case 'exit': return this.marked(s, this.exit(s));
            case 'onerror': return this.marked(s, s.resume ? '$res=true;$.err.Clear();' : '$res=false;$.err.Clear();');
            case 'erase': {
                const p = s.target.k === 'name' ? this.place(s.target) : null;
                if (p) return this.marked(s, p + '=$.erase(' + p + ');');
                // A global of another block: erased where it lives.
                if (s.target.k === 'name') return this.marked(s, '$.w(' + jsString(s.target.lc) + ',$.erase(' + this.ex(s.target) + '));');
                return this.marked(s, '$.erase(' + this.ex(s.target) + ');');
            }
            case 'randomize': return this.marked(s, '$.B.randomize(' + (s.seed ? this.ex(s.seed) : '') + ');');
            default:
                this.fail(1024, s);
                return '';
            }
        }
        dim(s) {
            let out = '';
            for (const v of s.vars) {
                const p = this.place(v);
                if (v.bounds !== null) out += p + '=$.dim(' + this.args(v.bounds) + ',' + (v.bounds.length > 0) + ');';
                else if (!this.proc) out += jsString(v.lc) + ' in G||(' + p + '=undefined);';
            }
            return out;
        }
        exit(s) {
            if (s.what === 'sub' || s.what === 'function' || s.what === 'property') return 'return $ret;';
            for (let i = this.loops.length - 1; i >= 0; i--) if (this.loops[i].kind === s.what) return 'break ' + this.loops[i].label + ';';
            this.fail(1039, s);
            return '';
        }
        ifStatement(s) {
            let out = '$l=' + s.line + ';';
            s.branches.forEach((b, i) => {
                const line = b.line !== undefined ? '$l=' + b.line + ',' : '';
                out += (i ? 'else ' : '') + 'if(' + (i && line ? '(' + line + this.condition(b.cond) + ')' : this.condition(b.cond)) + '){\n' + this.statements(b.body) + '}';
            });
            if (s.otherwise) out += 'else{\n' + this.statements(s.otherwise) + '}';
            return out + '\n';
        }
        selectStatement(s) {
            const subject = '$c' + (++this.temp);
            let out = '$l=' + s.line + ';{let ' + subject + ';';
            out += this.guard ? 'try{' + subject + '=' + this.ex(s.subject) + '}catch($e){if(!$res)throw $e;$.seterr($e)}\n' : subject + '=' + this.ex(s.subject) + ';\n';
            let first = true;
            for (const c of s.cases) {
                let cond = null;
                if (c.tests) {
                    cond = c.tests.map((t) => {
                        if (t.k === 'eq') return '$.c($.eq(' + subject + ',' + this.ex(t.e) + (isLiteral(t.e) ? ',2' : '') + '))';
                        if (t.k === 'is') return '$.c($.' + t.op + '(' + subject + ',' + this.ex(t.e) + (isLiteral(t.e) ? ',2' : '') + '))';
                        return '($.c($.ge(' + subject + ',' + this.ex(t.lo) + (isLiteral(t.lo) ? ',2' : '') + '))&&$.c($.le(' + subject + ',' + this.ex(t.hi) + (isLiteral(t.hi) ? ',2' : '') + ')))';
                    }).join('||');
                    cond = '($l=' + c.line + ',' + cond + ')';
                }
                out += (first ? '' : 'else ') + (cond === null ? '{' : 'if(' + cond + '){') + '\n' + this.statements(c.body) + '}';
                first = false;
            }
            return out + '}\n';
        }
        loop(kind, body) {
            const label = (kind === 'for' ? 'F' : 'D') + (++this.temp);
            this.loops.push({ kind, label });
            const js = this.statements(body);
            this.loops.pop();
            return { label, js };
        }
        forNext(s) {
            const p = this.place(s.v);
            if (!p) return this.marked(s, this.undeclared(s.v));
            const n = ++this.temp;
            const end = '$e' + n;
            const step = '$s' + n;
            const counter = '$k' + n;
            const stepNode = s.step;
            const literalStep = stepNode === null ? 1 : stepNode.k === 'num' ? stepNode.v : (stepNode.k === 'un' && stepNode.op === 'neg' && stepNode.e.k === 'num' ? -stepNode.e.v : null);
            let head = 'let ' + counter + '=0,' + end + ',' + step + ';';
            const setup = p + '=$.forValue(' + this.ex(s.from) + ');' + end + '=$.forValue(' + this.ex(s.to) + ');' + step + '=' + (stepNode === null ? '1' : '$.forValue(' + this.ex(stepNode) + ')') + ';';
            head += this.guard ? 'try{' + setup + '}catch($e){if(!$res)throw $e;$.seterr($e)}' : setup;
            const test = literalStep === null
                ? '(' + step + '>=0?' + p + '<=' + end + ':' + p + '>=' + end + ')'
                : p + (literalStep >= 0 ? '<=' : '>=') + end;
            const { label, js } = this.loop('for', s.body);
            // Whole numbers count on directly; anything else goes through the language's addition.
            const next = Number.isInteger(literalStep) && Math.abs(literalStep) < 32768
                ? p + '=(' + p + '|0)===' + p + '?' + p + '+' + '(' + literalStep + '):$.add(' + p + ',' + step + ')'
                : p + '=$.add(' + p + ',' + step + ')';
            return '$l=' + s.line + ';{' + head + '\n' + label + ':for(;' + test + ';' + next + '){' + this.tick(counter) + '\n' + js + '}}\n';
        }
        forEach(s) {
            const p = this.place(s.v);
            if (!p) return this.marked(s, this.undeclared(s.v));
            const item = '$i' + (++this.temp);
            const counter = '$k' + this.temp;
            const group = this.guard ? '$.oke($res,()=>' + this.ex(s.group) + ')' : '$.each(' + this.ex(s.group) + ')';
            const { label, js } = this.loop('for', s.body);
            const take = this.guard ? 'if(' + item + '!==$.SKIP)' + p + '=' + item + ';' : p + '=' + item + ';';
            return '$l=' + s.line + ';{let ' + counter + '=0;\n' + label + ':for(const ' + item + ' of ' + group + '){' + take + this.tick(counter) + '\n' + js + '}}\n';
        }
        doLoop(s) {
            const counter = '$k' + (++this.temp);
            // Tested again on every turn: the line is the loop's for an error in it.
            const test = (c) => '($l=' + s.line + ',' + (c.until ? '!' : '') + this.condition(c.cond) + ')';
            const { label, js } = this.loop('do', s.body);
            const head = '$l=' + s.line + ';{let ' + counter + '=0;\n';
            if (s.pre) return head + label + ':while(' + test(s.pre) + '){' + this.tick(counter) + '\n' + js + '}}\n';
            if (s.post) return head + label + ':do{' + this.tick(counter) + '\n' + js + '}while(' + test(s.post) + ');}\n';
            return head + label + ':for(;;){' + this.tick(counter) + '\n' + js + '}}\n';
        }
        whileWend(s) {
            const counter = '$k' + (++this.temp);
            const { label, js } = this.loop('while', s.body);
            return '$l=' + s.line + ';{let ' + counter + '=0;\n' + label + ':while(($l=' + s.line + ',' + this.condition(s.cond) + ')){' + this.tick(counter) + '\n' + js + '}}\n';
        }
        withStatement(s) {
            const holder = '$w' + (++this.temp);
            const obj = this.ex(s.obj);
            const head = this.guard ? 'let ' + holder + ';try{' + holder + '=' + obj + '}catch($e){if(!$res)throw $e;$.seterr($e)}' : 'const ' + holder + '=' + obj + ';';
            this.withs.push(holder);
            const body = this.statements(s.body);
            this.withs.pop();
            return '$l=' + s.line + ';{' + head + '\n' + body + '}\n';
        }

        // ---- procedures and classes
        // function(A) for a procedure, function(M, A) for a method; parameters by reference are written back to A.
        functionJs(proc) {
            const outer = { proc: this.proc, guard: this.guard, loops: this.loops, withs: this.withs };
            this.proc = proc;
            this.guard = containsOnError(proc.body);
            this.loops = [];
            this.withs = [];
            const body = this.statements(proc.body);
            const params = proc.params;
            const decl = params.map((p, i) => local(p.lc) + '=' + (p.byVal ? '$.cp(A[' + i + '])' : 'A[' + i + ']'));
            const others = [...proc.scope.locals].filter((lc) => !params.some((p) => p.lc === lc)).map(local);
            const back = params.map((p, i) => (p.byVal ? null : 'A[' + i + ']=' + local(p.lc))).filter(Boolean);
            const held = [...proc.scope.setTargets].filter((lc) => proc.scope.locals.has(lc) && !params.some((p) => p.lc === lc)).map(local);
            if (held.length) back.push('$.release(' + held.join(',') + ')');
            const js = 'function(' + (this.cls ? 'M,' : '') + 'A){let $ret,$l=' + proc.line + ',$res=false' +
                (decl.length ? ',' + decl.join(',') : '') + (others.length ? ',' + others.join(',') : '') + ';\n' +
                'try{\n' + body + '}catch($e){throw $.at($e,$l,' + this.block + ')}' + (back.length ? 'finally{' + back.join(';') + '}' : '') + '\nreturn $ret}';
            Object.assign(this, outer);
            return js;
        }
        arity(proc) {
            const required = proc.params.filter((p) => !p.optional).length;
            return proc.params.length + ',' + required;
        }
        procedure(proc) {
            const js = this.functionJs(proc);
            this.definitions.push(global(proc.lc) + '=$.proc(' + jsString(proc.name) + ',' + this.arity(proc) + ',' + js + ');\n');
        }
        classDefinition(cls) {
            const outer = this.cls;
            this.cls = cls;
            const entries = [];
            for (const [lc, m] of cls.table) {
                const pub = m.access === 'public';
                const parts = ['kind:' + jsString(m.kind), 'pub:' + pub, 'name:' + jsString(m.name)];
                if (m.kind === 'field' && m.bounds) parts.push('bounds:()=>' + this.args(m.bounds));
                if (m.kind === 'const') parts.push('value:()=>' + this.ex(m.value));
                if (m.kind === 'method') parts.push('method:$.method(' + jsString(m.name) + ',' + this.arity(m.proc) + ',' + this.functionJs(m.proc) + ')');
                for (const part of ['get', 'let', 'set']) {
                    if (m[part]) parts.push(part + ':$.method(' + jsString(m.name) + ',' + this.arity(m[part]) + ',' + this.functionJs(m[part]) + ')');
                }
                entries.push('[' + jsString(lc) + ',{' + parts.join(',') + '}]');
            }
            this.definitions.push('$.defineClass(' + jsString(cls.name) + ',new Map([' + entries.join(',\n') + ']),' + jsString(cls.defaultMember) + ');\n');
            this.cls = outer;
        }

        program(program) {
            this.definitions = [];
            this.guard = containsOnError(program.body.filter((s) => s.k !== 'proc' && s.k !== 'class'));
            const top = this.statements(program.body);
            return 'let $l=0,$res=false' + (this.constants.length ? ',' + this.constants.join(',') : '') + ';\n' + this.definitions.join('') +
                'return function(){try{\n' + top + '}catch($e){throw $.at($e,$l,' + this.block + ')}};';
        }
    }

    // Returns { source, globals, procs }: the JavaScript body of function($, G), and the
    // names the block declares so that later blocks resolve them at compile time.
    VB.compile = function compile(src, known, blockId) {
        const knownNames = known || { globals: new Set(), procs: new Set() };
        const program = VB.parse(src);
        VB.analyse(program, knownNames);
        const g = new Generator(program, knownNames, blockId);
        const source = g.program(program);
        return { source, globals: g.globals, procs: g.procs };
    };
    // One expression in the script's global scope, as a JavaScript expression of $ and G.
    VB.compileExpression = function compileExpression(src, known) {
        const knownNames = known || { globals: new Set(), procs: new Set() };
        const program = { k: 'program', body: [] };
        VB.analyse(program, knownNames);
        const g = new Generator(program, knownNames);
        const js = g.ex(VB.parseExpression(src));
        return g.constants.length ? '(()=>{const ' + g.constants.join(',') + ';return ' + js + '})()' : js;
    };
})(typeof window !== 'undefined' ? window : globalThis);
