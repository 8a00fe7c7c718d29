// Parses a block's tokens into a small syntax tree. Every node carries the line
// and column where it begins; a fault is a VbSyntaxError with the language's
// number and the place it was found.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});

    // Words that cannot name a variable.
    const RESERVED = new Set(['and', 'byref', 'byval', 'call', 'case', 'class', 'const', 'dim', 'do', 'each', 'else', 'elseif',
        'empty', 'end', 'eqv', 'exit', 'false', 'for', 'function', 'if', 'imp', 'in', 'is', 'loop', 'me', 'mod', 'new',
        'next', 'not', 'nothing', 'null', 'on', 'option', 'or', 'private', 'public', 'redim', 'select', 'set', 'sub',
        'then', 'to', 'true', 'until', 'wend', 'while', 'with', 'xor']);
    const COMPARISONS = { '=': 'eq', '<>': 'ne', '<': 'lt', '>': 'gt', '<=': 'le', '>=': 'ge' };
    const LOGICAL = [['imp'], ['eqv'], ['xor'], ['or'], ['and']];
    // What each block statement waits for, and the error when the source ends first.
    const EXPECTED_END = { if: 1014, select: 1014, with: 1014, sub: 1014, function: 1014, property: 1014, class: 1014, for: 1020, do: 1019, while: 1018 };
    // "End" followed by the wrong word: the word the open block wants.
    const EXPECTED_WORD = { if: 1012, select: 1022, with: 1029, sub: 1016, function: 1015, property: 1050, class: 1047 };

    class Parser {
        constructor(src) {
            this.tokens = VB.lex(src);
            this.pos = 0;
            this.withDepth = 0;
            this.loops = []; // 'for' and 'do', innermost last
            this.proc = null; // the procedure being parsed
            this.inClass = false;
        }

        // ---- tokens
        peek(o = 0) { return this.tokens[Math.min(this.pos + o, this.tokens.length - 1)]; }
        next() { return this.tokens[this.pos++]; }
        isKw(lc, o = 0) { const t = this.peek(o); return t.t === 'id' && t.lc === lc && !t.bracketed; }
        isOp(v, o = 0) { const t = this.peek(o); return t.t === 'op' && t.v === v; }
        atLineEnd() { const t = this.peek(); return t.t === 'nl' || t.t === 'eof'; }
        fail(number, t, detail) {
            const at = t || this.peek();
            throw new VB.VbSyntaxError(number, at.line, at.col, detail);
        }
        expectKw(lc, number) {
            if (!this.isKw(lc)) this.fail(number);
            return this.next();
        }
        expectOp(v, number) {
            if (!this.isOp(v)) this.fail(number);
            return this.next();
        }
        identifier() {
            const t = this.peek();
            if (t.t !== 'id' || (RESERVED.has(t.lc) && !t.bracketed)) this.fail(1010);
            this.pos++;
            return t;
        }
        // After a '.', any word names a member.
        memberName() {
            const t = this.peek();
            if (t.t !== 'id') this.fail(1010);
            this.pos++;
            return t;
        }
        node(k, t, props) { return Object.assign({ k, line: t.line, col: t.col }, props); }
        endOfStatement() {
            const t = this.peek();
            if (t.t === 'nl') { this.pos++; return; }
            if (t.t !== 'eof') this.fail(1025);
        }
        skipBreaks() { while (this.peek().t === 'nl') this.pos++; }
        // A block's header ends its statement.
        headerEnds() { if (!this.atLineEnd()) this.fail(1025); }

        // ---- program
        program() {
            const body = this.statements(null);
            return { k: 'program', body, line: 1, col: 1 };
        }

        // Statements up to one of the given ends (not consumed); null: to the end of the source.
        statements(ends, opener) {
            const list = [];
            for (;;) {
                this.skipBreaks();
                const t = this.peek();
                if (t.t === 'eof') {
                    if (ends) this.fail(EXPECTED_END[opener] || 1014);
                    return list;
                }
                if (ends && this.endsHere(ends)) return list;
                if (ends && this.isKw('end') && EXPECTED_WORD[opener] && ends.some((e) => e[0] === 'end')) this.fail(EXPECTED_WORD[opener], this.peek(1));
                list.push(this.statement());
                this.endOfStatement();
            }
        }
        endsHere(ends) {
            for (const e of ends) {
                if (e.length === 1 ? this.isKw(e[0]) : (this.isKw(e[0]) && this.isKw(e[1], 1))) return true;
            }
            return false;
        }

        statement() {
            const t = this.peek();
            if (t.t === 'op' && t.v === '.' && this.withDepth) return this.simple();
            if (t.t !== 'id') this.fail(1024);
            if (t.bracketed) return this.simple();
            switch (t.lc) {
            case 'dim': this.pos++; return this.dim(t, 'dim');
            case 'redim': this.pos++; return this.redim(t);
            case 'const': this.pos++; return this.constant(t, 'private');
            case 'public': case 'private': return this.accessStatement(t);
            case 'sub': case 'function':
                this.pos++;
                return this.procedure(t, t.lc, 'public', false);
            case 'property':
                this.fail(1048);
                break;
            case 'class': this.pos++; return this.classStatement(t);
            case 'option':
                this.pos++;
                this.expectKw('explicit', 1002);
                return this.node('option', t);
            case 'if': this.pos++; return this.ifStatement(t);
            case 'select': this.pos++; return this.selectStatement(t);
            case 'for': this.pos++; return this.isKw('each') ? (this.pos++, this.forEach(t)) : this.forNext(t);
            case 'do': this.pos++; return this.doLoop(t);
            case 'while': this.pos++; return this.whileWend(t);
            case 'with': this.pos++; return this.withStatement(t);
            case 'exit': this.pos++; return this.exit(t);
            case 'on': this.pos++; return this.onError(t);
            case 'set': {
                this.pos++;
                const target = this.designator(true);
                this.expectOp('=', 1011);
                const value = this.expression();
                return this.node('assign', t, { target: this.assignable(target), value, set: true });
            }
            case 'call': {
                this.pos++;
                const target = this.designator(false);
                if (target.k === 'index') return this.node('call', t, { target: target.target, args: target.args, explicit: true });
                return this.node('call', t, { target, args: [], explicit: true });
            }
            case 'erase': {
                this.pos++;
                return this.node('erase', t, { target: this.assignable(this.designator(true)) });
            }
            case 'randomize': {
                this.pos++;
                const seed = this.atLineEnd() || this.isKw('else') || this.isEndIf() ? null : this.expression();
                return this.node('randomize', t, { seed });
            }
            case 'stop': this.pos++; return this.node('stop', t);
            case 'next': this.fail(1055); break;
            case 'loop': this.fail(1038); break;
            case 'end': case 'else': case 'elseif': case 'wend': case 'case': this.fail(1024); break;
            default: return this.simple();
            }
            return null;
        }
        isEndIf() { return this.isKw('end') && this.isKw('if', 1); }

        accessStatement(t) {
            this.pos++;
            const access = t.lc;
            let isDefault = false;
            if (this.isKw('default')) {
                if (access !== 'public') this.fail(1057);
                isDefault = true;
                this.pos++;
            }
            const w = this.peek();
            if (this.isKw('sub') || this.isKw('function')) { this.pos++; return this.procedure(w, w.lc, access, isDefault); }
            if (this.isKw('property')) {
                if (!this.inClass) this.fail(1048);
                this.pos++;
                return this.property(w, access, isDefault);
            }
            if (isDefault) this.fail(1056);
            if (this.isKw('const')) { this.pos++; return this.constant(t, access); }
            if (this.isKw('dim')) this.pos++;
            return this.dim(t, access);
        }

        dim(t, access) {
            const vars = [];
            for (;;) {
                const name = this.identifier();
                let bounds = null;
                if (this.isOp('(')) {
                    this.pos++;
                    bounds = [];
                    if (!this.isOp(')')) {
                        for (;;) {
                            bounds.push(this.expression());
                            if (!this.isOp(',')) break;
                            this.pos++;
                        }
                    }
                    this.expectOp(')', 1006);
                }
                vars.push({ name: name.v, lc: name.lc, bounds, line: name.line, col: name.col });
                if (!this.isOp(',')) break;
                this.pos++;
            }
            return this.node('dim', t, { vars, access });
        }
        redim(t) {
            const preserve = this.isKw('preserve') ? (this.pos++, true) : false;
            const vars = [];
            for (;;) {
                const name = this.identifier();
                this.expectOp('(', 1005);
                const bounds = [];
                for (;;) {
                    bounds.push(this.expression());
                    if (!this.isOp(',')) break;
                    this.pos++;
                }
                this.expectOp(')', 1006);
                vars.push({ name: name.v, lc: name.lc, bounds, line: name.line, col: name.col });
                if (!this.isOp(',')) break;
                this.pos++;
            }
            return this.node('redim', t, { preserve, vars });
        }
        constant(t, access) {
            const vars = [];
            for (;;) {
                const name = this.identifier();
                this.expectOp('=', 1011);
                vars.push({ name: name.v, lc: name.lc, value: this.expression(), line: name.line, col: name.col });
                if (!this.isOp(',')) break;
                this.pos++;
            }
            return this.node('const', t, { vars, access });
        }

        // ---- procedures and classes
        parameters() {
            const params = [];
            if (!this.isOp('(')) return params;
            this.pos++;
            while (!this.isOp(')')) {
                let byVal = false;
                if (this.isKw('byval')) { this.pos++; byVal = true; } else if (this.isKw('byref')) this.pos++;
                const optional = this.isKw('optional') && this.peek(1).t === 'id' ? (this.pos++, true) : false;
                const p = this.identifier();
                if (this.isOp('(')) { this.pos++; this.expectOp(')', 1006); }
                if (params.some((q) => q.lc === p.lc)) this.fail(1041, p);
                params.push({ name: p.v, lc: p.lc, byVal, optional, line: p.line, col: p.col });
                if (!this.isOp(',')) break;
                this.pos++;
            }
            this.expectOp(')', 1006);
            return params;
        }
        procedure(t, kind, access, isDefault) {
            if (this.proc) this.fail(1024, t);
            const name = this.identifier();
            const params = this.parameters();
            const proc = this.node('proc', t, { kind, name: name.v, lc: name.lc, params, access, isDefault, body: null });
            this.procBody(proc, kind, kind === 'sub' ? 1016 : 1015);
            return proc;
        }
        property(t, access, isDefault) {
            let kind;
            if (this.isKw('get')) kind = 'get';
            else if (this.isKw('let')) kind = 'let';
            else if (this.isKw('set')) kind = 'set';
            else this.fail(1049);
            this.pos++;
            if (isDefault && kind !== 'get') this.fail(1058, t);
            const name = this.identifier();
            const params = this.parameters();
            if (kind !== 'get' && params.length === 0) this.fail(1054, name);
            const proc = this.node('proc', t, { kind, name: name.v, lc: name.lc, params, access, isDefault, body: null });
            this.procBody(proc, 'property', 1050);
            return proc;
        }
        procBody(proc, word, expected) {
            const outerLoops = this.loops;
            this.loops = [];
            this.proc = proc;
            // Statements may follow the declaration on its line after ':'.
            if (!this.atLineEnd()) this.fail(1025);
            proc.body = this.statements([['end', word]], word === 'property' ? 'property' : word);
            this.pos++;
            if (!this.isKw(word)) this.fail(expected);
            this.pos++;
            this.proc = null;
            this.loops = outerLoops;
        }
        classStatement(t) {
            if (this.proc || this.inClass) this.fail(1024, t);
            const name = this.identifier();
            const members = [];
            this.inClass = true;
            let hasDefault = false;
            for (;;) {
                this.skipBreaks();
                if (this.peek().t === 'eof') this.fail(1014);
                if (this.isKw('end') && this.isKw('class', 1)) { this.pos += 2; break; }
                const m = this.peek();
                let member;
                if (this.isKw('public') || this.isKw('private')) member = this.accessStatement(m);
                else if (this.isKw('dim')) { this.pos++; member = this.dim(m, 'public'); } else if (this.isKw('sub') || this.isKw('function')) { this.pos++; member = this.procedure(m, m.lc, 'public', false); } else if (this.isKw('property')) { this.pos++; member = this.property(m, 'public', false); } else if (this.isKw('const')) { this.pos++; member = this.constant(m, 'private'); } else this.fail(1024);
                if (member.k === 'proc') {
                    if (member.isDefault) {
                        if (hasDefault) this.fail(1052, m);
                        hasDefault = true;
                    }
                    if ((member.lc === 'class_initialize' || member.lc === 'class_terminate') && member.params.length) this.fail(1053, m);
                }
                members.push(member);
                this.endOfStatement();
            }
            this.inClass = false;
            return this.node('class', t, { name: name.v, lc: name.lc, members });
        }

        // ---- control statements
        // A condition's statements on the same line, up to the line's end, Else or End If.
        lineStatements() {
            const list = [];
            for (;;) {
                const t = this.peek();
                if (t.t === 'eof' || (t.t === 'nl' && t.v === '\n') || this.isKw('else') || this.isEndIf()) return list;
                if (t.t === 'nl') { this.pos++; continue; }
                list.push(this.statement());
            }
        }
        ifStatement(t) {
            const cond = this.expression();
            this.expectKw('then', 1017);
            if (this.atLineEnd()) {
                // "If c Then :" begins a block as a line break would; failing that, the line is the whole If.
                if (this.peek().v === ':') {
                    const start = this.pos;
                    try {
                        return this.blockIf(t, cond);
                    } catch (e) {
                        if (!(e instanceof VB.VbSyntaxError)) throw e;
                        this.pos = start;
                        try {
                            return this.lineIf(t, cond);
                        } catch (second) {
                            throw e;
                        }
                    }
                }
                return this.blockIf(t, cond);
            }
            return this.lineIf(t, cond);
        }
        blockIf(t, cond) {
            const ends = [['elseif'], ['else'], ['end', 'if']];
            const branches = [{ cond, body: this.statements(ends, 'if') }];
            let otherwise = null;
            for (;;) {
                if (this.isKw('elseif')) {
                    const e = this.next();
                    const c = this.expression();
                    this.expectKw('then', 1017);
                    branches.push({ cond: c, body: this.statements(ends, 'if'), line: e.line, col: e.col });
                } else if (this.isKw('else')) {
                    this.pos++;
                    otherwise = this.statements([['end', 'if']], 'if');
                } else {
                    this.pos += 2;
                    return this.node('if', t, { branches, otherwise });
                }
            }
        }
        lineIf(t, cond) {
            const then = this.lineStatements();
            let otherwise = null;
            if (this.isKw('else')) { this.pos++; otherwise = this.lineStatements(); }
            if (this.isEndIf()) this.pos += 2;
            return this.node('if', t, { branches: [{ cond, body: then }], otherwise, single: true });
        }

        selectStatement(t) {
            this.expectKw('case', 1021);
            const subject = this.expression();
            this.endOfStatement();
            this.skipBreaks();
            const cases = [];
            while (!(this.isKw('end') && this.isKw('select', 1))) {
                const c = this.peek();
                if (c.t === 'eof') this.fail(1014);
                this.expectKw('case', 1021);
                let tests = null;
                if (this.isKw('else')) this.pos++;
                else {
                    tests = [];
                    for (;;) {
                        const at = this.peek();
                        if (this.isKw('is')) {
                            this.pos++;
                            const op = this.next();
                            if (op.t !== 'op' || !COMPARISONS[op.v]) this.fail(1002, op);
                            tests.push(this.node('is', at, { op: COMPARISONS[op.v], e: this.concatenation() }));
                        } else {
                            const a = this.expression();
                            if (this.isKw('to')) {
                                this.pos++;
                                tests.push(this.node('range', at, { lo: a, hi: this.expression() }));
                            } else tests.push(this.node('eq', at, { e: a }));
                        }
                        if (!this.isOp(',')) break;
                        this.pos++;
                    }
                }
                const body = this.statements([['case'], ['end', 'select']], 'select');
                cases.push({ tests, body, line: c.line, col: c.col });
            }
            this.pos += 2;
            return this.node('select', t, { subject, cases });
        }

        loopBody(kind, ends, opener) {
            this.loops.push(kind);
            const body = this.statements(ends, opener);
            this.loops.pop();
            return body;
        }
        loopVariable() {
            const v = this.peek();
            if (v.t !== 'id' || (RESERVED.has(v.lc) && !v.bracketed)) this.fail(1040);
            this.pos++;
            return this.node('name', v, { name: v.v, lc: v.lc });
        }
        closeNext() {
            this.expectKw('next', 1020);
            if (this.peek().t === 'id' && !this.isKw('else') && !this.isEndIf()) this.pos++;
        }
        forNext(t) {
            const v = this.loopVariable();
            this.expectOp('=', 1011);
            const from = this.expression();
            this.expectKw('to', 1013);
            const to = this.expression();
            let step = null;
            if (this.isKw('step')) { this.pos++; step = this.expression(); }
            this.headerEnds();
            const body = this.loopBody('for', [['next']], 'for');
            this.closeNext();
            return this.node('for', t, { v, from, to, step, body });
        }
        forEach(t) {
            const v = this.loopVariable();
            this.expectKw('in', 1046);
            const group = this.expression();
            this.headerEnds();
            const body = this.loopBody('for', [['next']], 'for');
            this.closeNext();
            return this.node('foreach', t, { v, group, body });
        }
        loopCondition() {
            if (this.isKw('while') || this.isKw('until')) {
                const until = this.next().lc === 'until';
                return { until, cond: this.expression() };
            }
            return null;
        }
        doLoop(t) {
            const pre = this.loopCondition();
            this.headerEnds();
            const body = this.loopBody('do', [['loop']], 'do');
            this.pos++;
            const post = pre ? null : this.loopCondition();
            if (pre && (this.isKw('while') || this.isKw('until'))) this.fail(1025);
            return this.node('do', t, { pre, post, body });
        }
        whileWend(t) {
            const cond = this.expression();
            this.headerEnds();
            const body = this.loopBody('do-while', [['wend']], 'while');
            this.pos++;
            return this.node('while', t, { cond, body });
        }
        withStatement(t) {
            const obj = this.expression();
            this.headerEnds();
            this.withDepth++;
            const body = this.statements([['end', 'with']], 'with');
            this.withDepth--;
            this.pos += 2;
            return this.node('with', t, { obj, body });
        }
        exit(t) {
            const w = this.peek();
            if (w.t !== 'id') this.fail(1039);
            this.pos++;
            const what = w.lc;
            if (what === 'do' || what === 'for') {
                if (!this.loops.includes(what)) this.fail(1039, w);
            } else if (what === 'sub' || what === 'function' || what === 'property') {
                const kind = this.proc ? (this.proc.kind === 'sub' || this.proc.kind === 'function' ? this.proc.kind : 'property') : null;
                if (kind !== what) this.fail(1039, w);
            } else this.fail(1039, w);
            return this.node('exit', t, { what });
        }
        onError(t) {
            this.expectKw('error', 1002);
            if (this.isKw('resume')) {
                this.pos++;
                this.expectKw('next', 1002);
                return this.node('onerror', t, { resume: true });
            }
            if (this.isKw('goto')) {
                this.pos++;
                const z = this.next();
                if (!(z.t === 'num' && z.v === 0)) this.fail(1002, z);
                return this.node('onerror', t, { resume: false });
            }
            this.fail(1002);
            return null;
        }

        // ---- assignment and calls
        assignable(target) {
            if (target.k === 'name' || target.k === 'mem' || target.k === 'dot' || target.k === 'index') return target;
            this.fail(1002, target);
            return null;
        }
        // An assignment, or a call with or without parentheses.
        simple() {
            const start = this.peek();
            const target = this.designator(true);
            if (this.isOp('=')) {
                this.pos++;
                return this.node('assign', start, { target: this.assignable(target), value: this.expression(), set: false });
            }
            if (this.statementEnds()) {
                if (target.k === 'index') {
                    // "Foo(x)" passes x in parentheses; "Foo(x, y)" is not a Sub call.
                    if (target.args.length > 1) this.fail(1044, target.open);
                    const args = target.args.length === 1 && target.args[0] ? [this.node('paren', target.open, { e: target.args[0] })] : target.args;
                    return this.node('call', start, { target: target.target, args, explicit: false });
                }
                if (target.k === 'paren' || target.k === 'new') this.fail(1024, start);
                return this.node('call', start, { target, args: [], explicit: false });
            }
            // "Foo (a) + 1, b": the parentheses began the first argument.
            if (target.k === 'index') {
                if (target.args.length > 1 || target.target.k === 'index') this.fail(1025);
                this.pos = target.openPos;
                return this.node('call', start, { target: target.target, args: this.argumentList(), explicit: false });
            }
            return this.node('call', start, { target, args: this.argumentList(), explicit: false });
        }
        statementEnds() {
            return this.atLineEnd() || this.isKw('else') || this.isEndIf();
        }
        // Arguments of a call without parentheses, up to the statement's end.
        argumentList() {
            const args = [];
            for (;;) {
                if (this.isOp(',')) args.push(null);
                else args.push(this.expression());
                if (!this.isOp(',')) break;
                this.pos++;
                if (this.statementEnds()) { args.push(null); break; }
            }
            if (!this.statementEnds()) this.fail(1025);
            return args;
        }
        // Arguments inside parentheses; the '(' is already taken.
        parenArguments() {
            const args = [];
            if (this.isOp(')')) { this.pos++; return args; }
            for (;;) {
                if (this.isOp(',') || this.isOp(')')) args.push(null);
                else args.push(this.expression());
                if (this.isOp(')')) { this.pos++; return args; }
                this.expectOp(',', 1006);
            }
        }

        // A name, member chain or call, as in a statement: "a.b(1).c".
        designator(statement) {
            const t = this.peek();
            let node;
            if (this.isOp('.')) {
                if (!this.withDepth) this.fail(1002);
                this.pos++;
                const n = this.memberName();
                node = this.node('dot', t, { name: n.v, lc: n.lc });
            } else if (this.isKw('me')) {
                this.pos++;
                node = this.node('me', t);
            } else if (statement && this.isOp('(')) {
                this.fail(1024);
            } else {
                const n = this.identifier();
                node = this.node('name', n, { name: n.v, lc: n.lc });
            }
            return this.postfix(node);
        }
        postfix(start) {
            let node = start;
            for (;;) {
                const t = this.peek();
                if (t.t === 'op' && t.v === '.') {
                    // Inside With, " .x" after a complete value starts a new argument.
                    if (t.space && this.withDepth) return node;
                    this.pos++;
                    const n = this.memberName();
                    node = this.node('mem', t, { obj: node, name: n.v, lc: n.lc });
                } else if (t.t === 'op' && t.v === '(') {
                    const openPos = this.pos;
                    this.pos++;
                    const args = this.parenArguments();
                    node = Object.assign(this.node('index', start, { target: node, args }), { open: t, openPos });
                } else return node;
            }
        }

        // ---- expressions, loosest first: Imp Eqv Xor Or And, Not, comparisons, &, + -, Mod, \, * /, ^, unary.
        expression() { return this.logical(0); }
        logical(level) {
            if (level === LOGICAL.length) return this.negation();
            let left = this.logical(level + 1);
            const [word] = LOGICAL[level];
            while (this.isKw(word)) {
                const t = this.next();
                left = this.node('bin', t, { op: word, l: left, r: this.logical(level + 1) });
            }
            return left;
        }
        negation() {
            if (this.isKw('not')) {
                const t = this.next();
                return this.node('un', t, { op: 'not', e: this.negation() });
            }
            return this.comparison();
        }
        comparison() {
            let left = this.concatenation();
            for (;;) {
                const t = this.peek();
                if (t.t === 'op' && COMPARISONS[t.v]) {
                    this.pos++;
                    left = this.node('bin', t, { op: COMPARISONS[t.v], l: left, r: this.concatenation() });
                } else if (this.isKw('is')) {
                    this.pos++;
                    left = this.node('bin', t, { op: 'is', l: left, r: this.concatenation() });
                } else return left;
            }
        }
        concatenation() {
            let left = this.additive();
            while (this.isOp('&')) {
                const t = this.next();
                left = this.node('bin', t, { op: 'cat', l: left, r: this.additive() });
            }
            return left;
        }
        additive() {
            let left = this.modulo();
            for (;;) {
                if (!this.isOp('+') && !this.isOp('-')) return left;
                const t = this.next();
                left = this.node('bin', t, { op: t.v === '+' ? 'add' : 'sub', l: left, r: this.modulo() });
            }
        }
        modulo() {
            let left = this.intDivision();
            while (this.isKw('mod')) {
                const t = this.next();
                left = this.node('bin', t, { op: 'mod', l: left, r: this.intDivision() });
            }
            return left;
        }
        intDivision() {
            let left = this.multiplicative();
            while (this.isOp('\\')) {
                const t = this.next();
                left = this.node('bin', t, { op: 'idiv', l: left, r: this.multiplicative() });
            }
            return left;
        }
        multiplicative() {
            let left = this.power();
            for (;;) {
                if (!this.isOp('*') && !this.isOp('/')) return left;
                const t = this.next();
                left = this.node('bin', t, { op: t.v === '*' ? 'mul' : 'div', l: left, r: this.power() });
            }
        }
        // The sign binds before '^': -3 ^ 2 is 9.
        power() {
            let left = this.unary();
            while (this.isOp('^')) {
                const t = this.next();
                left = this.node('bin', t, { op: 'pow', l: left, r: this.unary() });
            }
            return left;
        }
        unary() {
            if (this.isOp('-') || this.isOp('+')) {
                const t = this.next();
                return this.node('un', t, { op: t.v === '-' ? 'neg' : 'pos', e: this.unary() });
            }
            return this.primary();
        }
        primary() {
            const t = this.peek();
            switch (t.t) {
            case 'num': this.pos++; return this.node('num', t, { v: t.v, kind: t.kind });
            case 'str': this.pos++; return this.node('str', t, { v: t.v });
            case 'date': this.pos++; return this.node('date', t, { v: t.v });
            case 'op':
                if (t.v === '(') {
                    this.pos++;
                    const e = this.expression();
                    this.expectOp(')', 1006);
                    return this.postfix(this.node('paren', t, { e }));
                }
                if (t.v === '.' && this.withDepth) return this.designator(false);
                break;
            case 'id':
                if (t.bracketed) return this.designator(false);
                switch (t.lc) {
                case 'true': case 'false': case 'empty': case 'null': case 'nothing':
                    this.pos++;
                    return this.node('const', t, { v: t.lc });
                case 'new': {
                    this.pos++;
                    const n = this.identifier();
                    return this.node('new', t, { name: n.v, lc: n.lc });
                }
                case 'me': return this.designator(false);
                default:
                    if (RESERVED.has(t.lc)) break;
                    return this.designator(false);
                }
                break;
            default:
                break;
            }
            this.fail(1023);
            return null;
        }
    }

    VB.parse = function parse(src) {
        return new Parser(src).program();
    };
    // One expression and nothing after it.
    VB.parseExpression = function parseExpression(src) {
        const p = new Parser(src);
        p.skipBreaks();
        const e = p.expression();
        p.skipBreaks();
        if (p.peek().t !== 'eof') p.fail(1025);
        return e;
    };
})(typeof window !== 'undefined' ? window : globalThis);
