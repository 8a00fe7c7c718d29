// Compiles a VBScript block to one JavaScript function, once. Names are
// resolved at compile time where the block says what they are (locals,
// parameters, globals it or an earlier block declares); the rest are looked
// up when they run, the way the browser's script host did.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});

    const COMPARE = { '=': 'eq', '<>': 'ne', '<': 'lt', '>': 'gt', '<=': 'le', '>=': 'ge' };
    const RESERVED_STARTS = new Set(['end', 'else', 'elseif', 'next', 'loop', 'wend', 'case']);

    function jsString(s) { return JSON.stringify(s); }
    function local(lc) { return 'v_' + lc; }

    // What the block declares, found before compiling so that use may precede declaration.
    function scan(tokens) {
        const globals = new Set();
        const procs = new Set();
        const procLocals = new Map(); // token index of the procedure's name -> Set of local names
        let inProc = null;
        let start = true;
        for (let i = 0; i < tokens.length; i++) {
            const t = tokens[i];
            if (t.t === 'nl') { start = true; continue; }
            if (!start) continue;
            start = false;
            let j = i;
            let lc = t.lc;
            if (lc === 'public' || lc === 'private') { j++; lc = tokens[j].lc; if (lc === 'default') { j++; lc = tokens[j].lc; } }
            if (lc === 'end' && (tokens[j + 1].lc === 'sub' || tokens[j + 1].lc === 'function')) { inProc = null; continue; }
            if ((lc === 'sub' || lc === 'function') && tokens[j + 1].t === 'id') {
                procs.add(tokens[j + 1].lc);
                inProc = new Set();
                procLocals.set(j + 1, inProc);
                continue;
            }
            const declared = lc === 'dim' || lc === 'const' || lc === 'redim' ||
                (j > i && (tokens[j].t === 'id') && lc !== 'sub' && lc !== 'function');
            if (declared) {
                let k = (j > i && lc !== 'dim' && lc !== 'const') ? j : j + 1;
                if (tokens[k] && tokens[k].lc === 'preserve') k++;
                // names separated by commas, skipping bounds and initialisers
                let depth = 0;
                let expectName = true;
                for (; tokens[k] && tokens[k].t !== 'nl' && tokens[k].t !== 'eof'; k++) {
                    const tk = tokens[k];
                    if (tk.t === 'op' && tk.v === '(') depth++;
                    else if (tk.t === 'op' && tk.v === ')') depth--;
                    else if (depth === 0 && tk.t === 'op' && tk.v === ',') expectName = true;
                    else if (expectName && depth === 0 && tk.t === 'id') {
                        (inProc || globals).add(tk.lc);
                        expectName = false;
                    } else if (depth === 0 && tk.t === 'op' && tk.v === '=') expectName = false;
                }
                continue;
            }
            if (inProc) {
                // A name assigned without Dim inside a procedure is the procedure's own.
                if (lc === 'for') {
                    const k = tokens[j + 1].lc === 'each' ? j + 2 : j + 1;
                    if (tokens[k] && tokens[k].t === 'id') inProc.add('?' + tokens[k].lc);
                } else if (t.t === 'id' && tokens[j + 1].t === 'op' && tokens[j + 1].v === '=') {
                    inProc.add('?' + lc);
                } else if (lc === 'set' && tokens[j + 1].t === 'id' && tokens[j + 2].v === '=') {
                    inProc.add('?' + tokens[j + 1].lc);
                }
            } else if (t.t === 'id' && tokens[j + 1].t === 'op' && tokens[j + 1].v === '=') {
                globals.add(lc);
            }
        }
        return { globals, procs, procLocals };
    }

    function hasOnError(tokens, from, to) {
        for (let i = from; i < to; i++) if (tokens[i].lc === 'on' && tokens[i + 1] && tokens[i + 1].lc === 'error') return true;
        return false;
    }

    class Compiler {
        constructor(src, known, blockId) {
            this.blockId = blockId === undefined ? 'undefined' : String(Number(blockId));
            this.tokens = VB.lex(src);
            this.pos = 0;
            this.known = known || { globals: new Set(), procs: new Set() };
            const found = scan(this.tokens);
            this.globals = new Set([...this.known.globals, ...found.globals]);
            this.procs = new Set([...this.known.procs, ...found.procs]);
            for (const p of found.procs) this.globals.delete(p);
            this.procLocals = found.procLocals;
            this.proc = null;
            this.withs = [];
            this.loops = [];
            this.temp = 0;
            this.declaredGlobals = found.globals;
            this.declaredProcs = found.procs;
        }

        // ---- tokens
        peek(o = 0) { return this.tokens[this.pos + o]; }
        next() { return this.tokens[this.pos++]; }
        isKw(lc, o = 0) { const t = this.peek(o); return t.t === 'id' && t.lc === lc; }
        isOp(v, o = 0) { const t = this.peek(o); return t.t === 'op' && t.v === v; }
        atEnd() { const t = this.peek(); return t.t === 'nl' || t.t === 'eof'; }
        fail(message, t) { throw new VB.VbSyntaxError(message, (t || this.peek()).line); }
        expectKw(lc) {
            if (!this.isKw(lc)) this.fail('"' + lc + '" がありません。');
            return this.next();
        }
        expectOp(v) {
            if (!this.isOp(v)) this.fail('"' + v + '" がありません。');
            return this.next();
        }
        name() {
            const t = this.peek();
            if (t.t !== 'id') this.fail('名前がありません。');
            this.pos++;
            return t;
        }
        endStatement() {
            const t = this.peek();
            if (t.t === 'nl') { this.pos++; return; }
            if (t.t === 'eof') return;
            this.fail('文の終わりが正しくありません。');
        }
        skipBreaks() { while (this.peek().t === 'nl') this.pos++; }

        // ---- names
        isLocal(lc) {
            return this.proc && (this.proc.locals.has(lc));
        }
        read(lc) {
            if (this.proc && this.proc.isFunction && lc === this.proc.lc) return '$ret';
            if (this.isLocal(lc)) return local(lc);
            if (this.procs.has(lc)) return '$.ci(G[' + jsString(lc) + '],[])';
            if (this.globals.has(lc)) return 'G[' + jsString(lc) + ']';
            return '$.r(' + jsString(lc) + ')';
        }
        // An assignable place for a plain name, or null.
        place(lc) {
            if (this.proc && this.proc.isFunction && lc === this.proc.lc) return '$ret';
            if (this.isLocal(lc)) return local(lc);
            if (this.globals.has(lc) && !this.procs.has(lc)) return 'G[' + jsString(lc) + ']';
            if (!this.proc) { this.globals.add(lc); return 'G[' + jsString(lc) + ']'; }
            return null;
        }

        // ---- expressions
        expr() { return this.binary(0); }

        binary(level) {
            const LEVELS = [
                [['imp', 'imp']], [['eqv', 'eqv']], [['xor', 'xor']], [['or', 'or']], [['and', 'and']],
            ];
            if (level < LEVELS.length) {
                let left = this.binary(level + 1);
                for (;;) {
                    const op = LEVELS[level].find(([kw]) => this.isKw(kw));
                    if (!op) return left;
                    this.pos++;
                    left = '$.' + op[1] + '(' + left + ',' + this.binary(level + 1) + ')';
                }
            }
            return this.notExpr();
        }
        notExpr() {
            if (this.isKw('not')) { this.pos++; return '$.not(' + this.notExpr() + ')'; }
            return this.comparison();
        }
        comparison() {
            let left = this.concat();
            for (;;) {
                const t = this.peek();
                if (t.t === 'op' && COMPARE[t.v]) {
                    this.pos++;
                    left = '$.' + COMPARE[t.v] + '(' + left + ',' + this.concat() + ')';
                } else if (t.t === 'id' && t.lc === 'is') {
                    this.pos++;
                    left = '$.is(' + left + ',' + this.concat() + ')';
                } else return left;
            }
        }
        concat() {
            let left = this.additive();
            while (this.isOp('&')) { this.pos++; left = '$.cat(' + left + ',' + this.additive() + ')'; }
            return left;
        }
        additive() {
            let left = this.modulo();
            for (;;) {
                if (this.isOp('+')) { this.pos++; left = '$.add(' + left + ',' + this.modulo() + ')'; } else if (this.isOp('-')) { this.pos++; left = '$.sub(' + left + ',' + this.modulo() + ')'; } else return left;
            }
        }
        modulo() {
            let left = this.intDivision();
            while (this.isKw('mod')) { this.pos++; left = '$.mod(' + left + ',' + this.intDivision() + ')'; }
            return left;
        }
        intDivision() {
            let left = this.multiplicative();
            while (this.isOp('\\')) { this.pos++; left = '$.idiv(' + left + ',' + this.multiplicative() + ')'; }
            return left;
        }
        multiplicative() {
            let left = this.unary();
            for (;;) {
                if (this.isOp('*')) { this.pos++; left = '$.mul(' + left + ',' + this.unary() + ')'; } else if (this.isOp('/')) { this.pos++; left = '$.div(' + left + ',' + this.unary() + ')'; } else return left;
            }
        }
        unary() {
            if (this.isOp('-')) { this.pos++; return '$.neg(' + this.unary() + ')'; }
            if (this.isOp('+')) { this.pos++; return '$.pos(' + this.unary() + ')'; }
            return this.power();
        }
        power() {
            let left = this.ex(this.postfix());
            while (this.isOp('^')) {
                this.pos++;
                const right = this.isOp('-') ? (this.pos++, '$.neg(' + this.ex(this.postfix()) + ')') : this.ex(this.postfix());
                left = '$.pow(' + left + ',' + right + ')';
            }
            return left;
        }

        // A designator chain or a literal, as a small tree so that a statement can
        // tell a call from an assignment.
        postfix() {
            let node = this.primary();
            for (;;) {
                const t = this.peek();
                if (t.t === 'op' && t.v === '.' && !t.spaceBefore && node.k !== 'lit') {
                    this.pos++;
                    const n = this.name();
                    node = { k: 'mem', o: node, n: n.v };
                } else if (t.t === 'op' && t.v === '(' && node.k !== 'lit' && node.k !== 'paren') {
                    this.pos++;
                    const args = this.argumentList(')');
                    this.expectOp(')');
                    node = { k: 'call', f: node, args };
                } else return node;
            }
        }
        argumentList(close) {
            const args = [];
            if (this.isOp(close)) return args;
            for (;;) {
                if (this.isOp(',')) args.push(null);
                else args.push(this.argument());
                if (!this.isOp(',')) return args;
                this.pos++;
                if (this.isOp(close)) { args.push(null); return args; }
            }
        }
        // An argument keeps its tree when it is a plain name, for ByRef.
        argument() {
            if (this.peek().t !== 'id') return { k: 'js', js: this.expr() };
            const start = this.pos;
            const node = this.postfix();
            if (node.k === 'name' && this.argumentEnds()) return node;
            this.pos = start;
            return { k: 'js', js: this.expr() };
        }
        argumentEnds() {
            const t = this.peek();
            return t.t === 'nl' || t.t === 'eof' || (t.t === 'op' && (t.v === ',' || t.v === ')')) || (t.t === 'id' && t.lc === 'else');
        }
        primary() {
            const t = this.next();
            switch (t.t) {
            case 'num': return { k: 'lit', js: String(t.v) };
            case 'str': return { k: 'lit', js: jsString(t.v) };
            case 'date': return { k: 'lit', js: '$.dateLiteral(' + jsString(t.v) + ')' };
            case 'op':
                if (t.v === '(') {
                    const inner = this.expr();
                    this.expectOp(')');
                    return { k: 'paren', js: '(' + inner + ')' };
                }
                if (t.v === '.') {
                    if (!this.withs.length) this.fail('With の外で "." は使えません。', t);
                    const n = this.name();
                    return { k: 'mem', o: { k: 'js', js: this.withs[this.withs.length - 1] }, n: n.v };
                }
                break;
            case 'id':
                switch (t.lc) {
                case 'true': return { k: 'lit', js: 'true' };
                case 'false': return { k: 'lit', js: 'false' };
                case 'empty': return { k: 'lit', js: 'undefined' };
                case 'null': return { k: 'lit', js: '$.NULL' };
                case 'nothing': return { k: 'lit', js: 'null' };
                case 'new': {
                    const n = this.name();
                    return { k: 'lit', js: '$.create(' + jsString(n.lc) + ')' };
                }
                default:
                    return { k: 'name', n: t.v, lc: t.lc };
                }
            default:
                break;
            }
            this.fail('式が正しくありません。', t);
        }

        ex(node) {
            switch (node.k) {
            case 'lit': case 'paren': case 'js': return node.js;
            case 'name': return this.read(node.lc);
            case 'mem': return '$.g(' + this.ex(node.o) + ',' + jsString(node.n) + ')';
            case 'call': return this.callJs(node.f, node.args);
            default: throw new Error('unknown node');
            }
        }
        args(args) {
            return '[' + args.map((a) => (a === null ? 'undefined' : this.ex(a))).join(',') + ']';
        }
        // Write back arguments that were plain variables, for ByRef parameters.
        writer(args) {
            const back = [];
            args.forEach((a, i) => {
                if (a && a.k === 'name') {
                    const p = this.place(a.lc);
                    if (p && p !== '$ret') back.push(p + '=$a[' + i + ']');
                }
            });
            return back.length ? '($a)=>{' + back.join(';') + '}' : null;
        }
        callJs(f, args) {
            const list = this.args(args);
            if (f.k === 'mem') return '$.cm(' + this.ex(f.o) + ',' + jsString(f.n) + ',' + list + ')';
            if (f.k === 'name') {
                const lc = f.lc;
                const w = this.writer(args);
                if (this.isLocal(lc) || (this.proc && this.proc.isFunction && lc === this.proc.lc && args.length === 0))
                    return '$.ci(' + this.read(lc) + ',' + list + ')';
                if (this.procs.has(lc) || this.globals.has(lc)) {
                    const target = 'G[' + jsString(lc) + ']';
                    return w ? '$.cw(' + target + ',' + list + ',' + w + ')' : '$.ci(' + target + ',' + list + ')';
                }
                return w ? '$.cgw(' + jsString(lc) + ',' + list + ',' + w + ')' : '$.cg(' + jsString(lc) + ',' + list + ')';
            }
            return '$.ci(' + this.ex(f) + ',' + list + ')';
        }
        assignJs(target, value, isSet) {
            const set = isSet ? '$.obj(' + value + ')' : value;
            switch (target.k) {
            case 'name': {
                const p = this.place(target.lc);
                if (p) return p + '=' + set + ';';
                // An undeclared name inside a procedure that is not the procedure's own.
                return '$.w(' + jsString(target.lc) + ',' + set + ');';
            }
            case 'mem': return '$.s(' + this.ex(target.o) + ',' + jsString(target.n) + ',' + set + ');';
            case 'call': {
                const holder = target.f.k === 'mem'
                    ? '$.g(' + this.ex(target.f.o) + ',' + jsString(target.f.n) + ')'
                    : this.ex(target.f);
                return '$.si(' + holder + ',' + this.args(target.args) + ',' + set + ');';
            }
            default: this.fail('代入先が正しくありません。');
            }
            return '';
        }

        // ---- statements
        block(ends) {
            let out = '';
            for (;;) {
                this.skipBreaks();
                const t = this.peek();
                if (t.t === 'eof') {
                    if (ends) this.fail('"' + ends[ends.length - 1].replace(/\b\w/g, (c) => c.toUpperCase()) + '" がありません。');
                    return out;
                }
                if (ends && this.endsHere(ends)) return out;
                out += this.statement(true);
            }
        }
        endsHere(ends) {
            for (const e of ends) {
                const words = e.split(' ');
                if (words.every((w, i) => this.isKw(w, i))) return true;
            }
            return false;
        }
        marked(line, code) {
            if (!code) return '';
            const guarded = this.guard ? 'try{' + code + '}catch($e){if(!$res)throw $e;$.seterr($e)}' : code;
            return '$l=' + line + ';' + guarded + '\n';
        }

        statement(full) {
            const t = this.peek();
            const line = t.line;
            if (t.t !== 'id' && !(t.t === 'op' && t.v === '.')) this.fail('文が正しくありません。', t);
            const lc = t.t === 'id' ? t.lc : '';
            switch (lc) {
            case 'dim': this.pos++; return this.marked(line, this.dim(false));
            case 'redim': this.pos++; return this.marked(line, this.redim());
            case 'const': this.pos++; return this.marked(line, this.constant());
            case 'public': case 'private':
                if (this.isKw('sub', 1) || this.isKw('function', 1) || this.isKw('default', 1)) { this.pos++; if (this.isKw('default')) this.pos++; return this.statement(full); }
                this.pos++;
                if (this.isKw('const')) { this.pos++; return this.marked(line, this.constant()); }
                return this.marked(line, this.dim(false));
            case 'sub': case 'function':
                if (!full || this.proc) this.fail('ここでは手続きを定義できません。');
                this.pos++;
                this.procedure(lc === 'function');
                return '';
            case 'option': this.pos++; this.expectKw('explicit'); this.endStatement(); return '';
            case 'if': this.pos++; return this.ifStatement(line);
            case 'select': this.pos++; return this.selectStatement(line);
            case 'for': this.pos++; return this.isKw('each') ? (this.pos++, this.forEach(line)) : this.forNext(line);
            case 'do': this.pos++; return this.doLoop(line);
            case 'while': this.pos++; return this.whileWend(line);
            case 'with': this.pos++; return this.withStatement(line);
            case 'exit': this.pos++; return this.marked(line, this.exit());
            case 'on': this.pos++; return this.marked(line, this.onError());
            case 'set': {
                this.pos++;
                const target = this.postfix();
                this.expectOp('=');
                const code = this.assignJs(target, this.expr(), true);
                this.endSimple();
                return this.marked(line, code);
            }
            case 'call': {
                this.pos++;
                const target = this.postfix();
                const code = this.callStatement(target, []);
                this.endSimple();
                return this.marked(line, code);
            }
            case 'erase': {
                this.pos++;
                const n = this.name();
                const p = this.place(n.lc);
                this.endSimple();
                return this.marked(line, p ? p + '=$.erase(' + p + ');' : '');
            }
            case 'randomize': {
                this.pos++;
                const seed = this.atEnd() || this.isKw('else') ? 'undefined' : this.expr();
                this.endSimple();
                return this.marked(line, '$.B.randomize(' + seed + ');');
            }
            case 'class': this.fail('Class はこのページでは使えません。');
            // falls through
            default:
                if (RESERVED_STARTS.has(lc)) this.fail('"' + t.v + '" に対応する文がありません。', t);
                return this.marked(line, this.simple());
            }
        }
        endSimple() {
            if (this.singleLine) return;
            this.endStatement();
        }

        // Assignment or a call, with or without parentheses.
        simple() {
            const target = this.postfix();
            if (this.isOp('=')) {
                this.pos++;
                const code = this.assignJs(target, this.expr(), false);
                this.endSimple();
                return code;
            }
            let extra = [];
            if (!this.atEnd() && !this.isKw('else')) {
                if (target.k === 'call' && this.isOp(',')) {
                    // "Foo (a), b": the first parentheses were the first argument.
                    this.pos++;
                    const rest = this.argumentList(null);
                    const first = target.args.length === 1 ? target.args[0] : { k: 'js', js: this.args(target.args) };
                    const code = this.callStatement(target.f, [first, ...rest]);
                    this.endSimple();
                    return code;
                }
                extra = this.argumentList(null);
                const code = this.callStatement(target, extra, true);
                this.endSimple();
                return code;
            }
            const code = this.callStatement(target, []);
            this.endSimple();
            return code;
        }
        callStatement(target, args, bare) {
            if (target.k === 'call' && !bare) return this.callJs(target.f, target.args) + ';';
            if (target.k === 'call' && bare) return this.callJs(target, args) + ';';
            if (target.k === 'name' || target.k === 'mem') return this.callJs(target, args) + ';';
            this.fail('呼び出しが正しくありません。');
            return '';
        }

        bounds() {
            this.expectOp('(');
            const list = this.isOp(')') ? [] : this.argumentList(')').map((a) => this.ex(a));
            this.expectOp(')');
            return list;
        }
        dim() {
            let out = '';
            for (;;) {
                const n = this.name();
                if (this.isOp('(')) {
                    const b = this.bounds();
                    const p = this.place(n.lc) || local(n.lc);
                    out += p + '=$.dim([' + b.join(',') + ']);';
                }
                if (!this.isOp(',')) break;
                this.pos++;
            }
            this.endSimple();
            return out;
        }
        redim() {
            const preserve = this.isKw('preserve') ? (this.pos++, true) : false;
            let out = '';
            for (;;) {
                const n = this.name();
                const b = this.bounds();
                const p = this.place(n.lc) || local(n.lc);
                out += p + '=$.redim(' + p + ',[' + b.join(',') + '],' + preserve + ');';
                if (!this.isOp(',')) break;
                this.pos++;
            }
            this.endSimple();
            return out;
        }
        constant() {
            let out = '';
            for (;;) {
                const n = this.name();
                this.expectOp('=');
                out += (this.place(n.lc) || local(n.lc)) + '=' + this.expr() + ';';
                if (!this.isOp(',')) break;
                this.pos++;
            }
            this.endSimple();
            return out;
        }
        exit() {
            const what = this.name().lc;
            this.endSimple();
            if (what === 'sub' || what === 'function' || what === 'property') {
                if (!this.proc) this.fail('手続きの外で Exit ' + what + ' は使えません。');
                return 'return $ret;';
            }
            const kind = what === 'for' ? 'F' : what === 'do' ? 'D' : null;
            if (!kind) this.fail('Exit の後が正しくありません。');
            for (let i = this.loops.length - 1; i >= 0; i--) if (this.loops[i][0] === kind) return 'break ' + this.loops[i] + ';';
            this.fail('ループの外で Exit ' + what + ' は使えません。');
            return '';
        }
        onError() {
            this.expectKw('error');
            if (this.isKw('resume')) { this.pos++; this.expectKw('next'); this.endSimple(); return '$res=true;$.err.Clear();'; }
            if (this.isKw('goto')) {
                this.pos++;
                const t = this.next();
                if (!(t.t === 'num' && t.v === 0)) this.fail('On Error GoTo 0 のほかは使えません。', t);
                this.endSimple();
                return '$res=false;';
            }
            this.fail('On Error の後が正しくありません。');
            return '';
        }

        ifStatement(line) {
            const cond = this.expr();
            this.expectKw('then');
            if (this.peek().t === 'nl' || this.peek().t === 'eof') {
                this.endStatement();
                let out = 'if($.b(' + cond + ')){\n' + this.block(['elseif', 'else', 'end if']) + '}';
                for (;;) {
                    if (this.isKw('elseif')) {
                        this.pos++;
                        const c = this.expr();
                        this.expectKw('then');
                        this.endStatement();
                        out += 'else if($.b(' + c + ')){\n' + this.block(['elseif', 'else', 'end if']) + '}';
                    } else if (this.isKw('else')) {
                        this.pos++;
                        this.endStatementOrNot();
                        out += 'else{\n' + this.block(['end if']) + '}';
                    } else {
                        this.expectKw('end');
                        this.expectKw('if');
                        this.endStatement();
                        return '$l=' + line + ';' + out + '\n';
                    }
                }
            }
            // Single-line If: statements up to the line's end, an Else part optional.
            const wasSingle = this.singleLine;
            this.singleLine = true;
            const thenPart = this.lineStatements();
            let elsePart = '';
            if (this.isKw('else')) { this.pos++; elsePart = this.lineStatements(); }
            this.singleLine = wasSingle;
            if (this.isKw('end') && this.isKw('if', 1)) { this.pos += 2; }
            if (!wasSingle) this.endStatement();
            return '$l=' + line + ';if($.b(' + cond + ')){' + thenPart + '}' + (elsePart ? 'else{' + elsePart + '}' : '') + '\n';
        }
        endStatementOrNot() {
            if (this.peek().t === 'nl') this.pos++;
        }
        lineStatements() {
            let out = '';
            for (;;) {
                const t = this.peek();
                if (t.t === 'eof' || (t.t === 'nl' && t.v === '\n') || (t.t === 'id' && t.lc === 'else')) return out;
                if (t.t === 'nl') { this.pos++; continue; }
                out += this.statement(false);
            }
        }

        selectStatement(line) {
            this.expectKw('case');
            const subject = '$c' + (++this.temp);
            let out = '$l=' + line + ';{const ' + subject + '=' + this.expr() + ';\n';
            this.endStatement();
            this.skipBreaks();
            let first = true;
            while (!this.endsHere(['end select'])) {
                this.expectKw('case');
                let cond;
                if (this.isKw('else')) {
                    this.pos++;
                    cond = null;
                } else {
                    const parts = [];
                    for (;;) {
                        if (this.isKw('is')) {
                            this.pos++;
                            const op = this.next();
                            if (op.t !== 'op' || !COMPARE[op.v]) this.fail('Case Is の後が正しくありません。', op);
                            parts.push('$.' + COMPARE[op.v] + '(' + subject + ',' + this.concat() + ')');
                        } else {
                            const a = this.expr();
                            if (this.isKw('to')) {
                                this.pos++;
                                parts.push('($.ge(' + subject + ',' + a + ')&&$.le(' + subject + ',' + this.expr() + '))');
                            } else parts.push('$.eq(' + subject + ',' + a + ')');
                        }
                        if (!this.isOp(',')) break;
                        this.pos++;
                    }
                    cond = parts.join('||');
                }
                if (this.peek().t === 'nl') this.pos++;
                const body = this.block(['case', 'end select']);
                out += (first ? '' : 'else ') + (cond === null ? '{' : 'if(' + cond + '){') + '\n' + body + '}';
                first = false;
            }
            this.pos += 2;
            this.endStatement();
            return out + '}\n';
        }

        loopLabel(kind) {
            const label = kind + (++this.temp);
            this.loops.push(label);
            return label;
        }
        forNext(line) {
            const v = this.name();
            const p = this.place(v.lc) || this.fail('ループの変数が使えません。');
            this.expectOp('=');
            const from = this.expr();
            this.expectKw('to');
            const to = this.expr();
            let step = '1';
            if (this.isKw('step')) { this.pos++; step = this.expr(); }
            this.endStatement();
            const label = this.loopLabel('F');
            const n = this.temp;
            const body = this.block(['next']);
            this.loops.pop();
            this.expectKw('next');
            if (this.peek().t === 'id') this.pos++;
            this.endStatementOrEof();
            // A literal step decides the direction here rather than on every turn.
            const literal = /^-?\d+(\.\d+)?$/.test(step) ? Number(step) : null;
            const test = literal === null
                ? '$st' + n + '>=0?' + p + '<=$to' + n + ':' + p + '>=$to' + n
                : p + (literal >= 0 ? '<=' : '>=') + '$to' + n;
            return '$l=' + line + ';{let $k' + n + '=0;const $to' + n + '=$.n(' + to + '),$st' + n + '=$.n(' + step + ');\n' + label + ':for(' + p + '=$.n(' + from + ');' + test + ';' + p + '+=$st' + n + '){' + this.tickJs('$k' + n) + '\n' + body + '}}\n';
        }
        // Every so many turns a loop asks whether it has run too long.
        tickJs(counter) {
            return 'if(++' + counter + '>65535){' + counter + '=0;$.tick()}';
        }
        endStatementOrEof() {
            if (this.singleLine) return;
            this.endStatement();
        }
        forEach(line) {
            const v = this.name();
            const p = this.place(v.lc) || this.fail('ループの変数が使えません。');
            this.expectKw('in');
            const group = this.expr();
            this.endStatement();
            const label = this.loopLabel('F');
            const body = this.block(['next']);
            this.loops.pop();
            this.expectKw('next');
            if (this.peek().t === 'id') this.pos++;
            this.endStatementOrEof();
            const item = '$i' + (++this.temp);
            return '$l=' + line + ';' + label + ':for(const ' + item + ' of $.each(' + group + ')){' + p + '=' + item + ';if(++$.ticks>65535)$.tick();\n' + body + '}\n';
        }
        doLoop(line) {
            let pre = null;
            if (this.isKw('while') || this.isKw('until')) {
                const until = this.next().lc === 'until';
                const c = this.expr();
                pre = until ? '!$.b(' + c + ')' : '$.b(' + c + ')';
            }
            this.endStatement();
            const label = this.loopLabel('D');
            const body = this.block(['loop']);
            this.loops.pop();
            this.expectKw('loop');
            let post = null;
            if (this.isKw('while') || this.isKw('until')) {
                const until = this.next().lc === 'until';
                const c = this.expr();
                post = until ? '!$.b(' + c + ')' : '$.b(' + c + ')';
            }
            this.endStatementOrEof();
            const tick = 'if(++$.ticks>65535)$.tick();';
            if (pre) return '$l=' + line + ';' + label + ':while(' + pre + '){' + tick + '\n' + body + '}\n';
            if (post) return '$l=' + line + ';' + label + ':do{' + tick + '\n' + body + '}while(' + post + ');\n';
            return '$l=' + line + ';' + label + ':for(;;){' + tick + '\n' + body + '}\n';
        }
        whileWend(line) {
            const c = this.expr();
            this.endStatement();
            const label = this.loopLabel('D');
            const body = this.block(['wend']);
            this.loops.pop();
            this.expectKw('wend');
            this.endStatementOrEof();
            return '$l=' + line + ';' + label + ':while($.b(' + c + ')){if(++$.ticks>65535)$.tick();\n' + body + '}\n';
        }
        withStatement(line) {
            const holder = '$w' + (++this.temp);
            const object = this.expr();
            this.endStatement();
            this.withs.push(holder);
            const body = this.block(['end with']);
            this.withs.pop();
            this.pos += 2;
            this.endStatementOrEof();
            return '$l=' + line + ';{const ' + holder + '=' + object + ';\n' + body + '}\n';
        }

        procedure(isFunction) {
            const nameToken = this.name();
            const lc = nameToken.lc;
            const locals = new Set();
            const scanned = this.procLocals.get(this.pos - 1) || new Set();
            const params = [];
            if (this.isOp('(')) {
                this.pos++;
                while (!this.isOp(')')) {
                    let byVal = false;
                    if (this.isKw('byval')) { this.pos++; byVal = true; } else if (this.isKw('byref')) this.pos++;
                    if (this.isKw('optional')) this.pos++;
                    const p = this.name();
                    if (this.isOp('(')) { this.pos++; this.expectOp(')'); }
                    params.push({ lc: p.lc, byVal });
                    locals.add(p.lc);
                    if (!this.isOp(',')) break;
                    this.pos++;
                }
                this.expectOp(')');
            }
            this.endStatement();
            const implicit = [];
            for (const s of scanned) {
                if (s[0] !== '?') { locals.add(s); implicit.push(s); continue; }
                const name = s.slice(1);
                if (!locals.has(name) && !this.globals.has(name) && !this.procs.has(name) && name !== lc) { locals.add(name); implicit.push(name); }
            }
            const bodyStart = this.pos;
            const outer = this.guard;
            this.proc = { lc, isFunction, locals };
            const end = this.findEnd(isFunction ? 'function' : 'sub');
            this.guard = hasOnError(this.tokens, bodyStart, end);
            const body = this.block([isFunction ? 'end function' : 'end sub']);
            this.pos += 2;
            this.endStatementOrEof();
            this.proc = null;
            this.guard = outer;
            const decl = params.map((p, i) => local(p.lc) + '=A[' + i + ']');
            const write = params.map((p, i) => (p.byVal ? null : 'A[' + i + ']=' + local(p.lc))).filter(Boolean);
            const vars = implicit.filter((n) => !params.some((p) => p.lc === n)).map(local);
            const js = 'function(A){let $ret,$l=' + nameToken.line + ',$res=false' + (decl.length ? ',' + decl.join(',') : '') + (vars.length ? ',' + vars.join(',') : '') + ';\n' +
                'try{\n' + body + '}catch($e){throw $.at($e,$l,' + this.blockId + ')}' + (write.length ? 'finally{' + write.join(';') + '}' : '') + '\nreturn $ret}';
            this.procedures.push('G[' + jsString(lc) + ']=$.proc(' + jsString(nameToken.v) + ',' + js + ');\n');
        }
        findEnd(kind) {
            for (let i = this.pos; i < this.tokens.length - 1; i++) if (this.tokens[i].lc === 'end' && this.tokens[i + 1].lc === kind) return i;
            this.fail('"End ' + kind + '" がありません。');
            return 0;
        }

        compile() {
            this.procedures = [];
            this.guard = hasOnError(this.tokens, 0, this.tokens.length) && this.topLevelOnError();
            const top = this.block(null);
            return 'let $l=0,$res=false;\n' + this.procedures.join('') +
                'return function(){try{\n' + top + '}catch($e){throw $.at($e,$l,' + this.blockId + ')}};';
        }
        topLevelOnError() {
            let depth = 0;
            for (let i = 0; i < this.tokens.length - 1; i++) {
                const t = this.tokens[i];
                if ((t.lc === 'sub' || t.lc === 'function') && (i === 0 || this.tokens[i - 1].t === 'nl' || this.tokens[i - 1].lc === 'public' || this.tokens[i - 1].lc === 'private')) depth++;
                else if (t.lc === 'end' && (this.tokens[i + 1].lc === 'sub' || this.tokens[i + 1].lc === 'function')) depth--;
                else if (depth === 0 && t.lc === 'on' && this.tokens[i + 1].lc === 'error') return true;
            }
            return false;
        }
    }

    // Returns { source, globals, procs }: the JavaScript body of function($, G), and the
    // names the block declares so that later blocks resolve them at compile time.
    VB.compile = function compile(src, known, blockId) {
        const c = new Compiler(src, known, blockId);
        const source = c.compile();
        return { source, globals: c.globals, procs: c.procs };
    };
    VB.compileExpression = function compileExpression(src, known) {
        const c = new Compiler(src, known);
        const js = c.expr();
        if (c.peek().t !== 'nl' && c.peek().t !== 'eof') c.fail('式の後に余分なものがあります。');
        return js;
    };
})(typeof window !== 'undefined' ? window : globalThis);
