// Loads the VBScript runtime into node for the language tests, in the order run mode loads it.
'use strict';
const path = require('node:path');
const js = path.join(__dirname, '..', '..', 'src', 'runtime', 'js');
const FILES = ['vb-lexer', 'vb-parser', 'vb-scope', 'vb-codegen', 'vb-variant', 'vb-runtime', 'vb-classes', 'vb-builtins', 'vb-dictionary', 'vb-dates', 'vb-format'];
for (const file of FILES) require(path.join(js, file + '.js'));
const VB = globalThis.__tvlvb;
const $ = VB.rt;

// Runs source as a fresh page would and returns what MsgBox showed, in order.
function run(source, answers = []) {
    for (const k of Object.keys(VB.globals)) delete VB.globals[k];
    VB.known = { globals: new Set(), procs: new Set() };
    const shown = [];
    VB.host.msgBox = (text) => { shown.push(text); return answers.length ? answers.shift() : 1; };
    VB.run(source);
    return shown;
}

// The value of one expression after the given statements ran.
function value(expression, setup = '') {
    run(setup + '\nDim result__\nresult__ = ' + expression + '\n');
    return VB.globals.result__;
}

// "Subtype text" of an expression's value as the language reports them: "Long 65535".
function typed(expression, setup = '') {
    const v = value(expression, setup);
    return $.typeName(v) + ' ' + (v === $.NULL ? 'Null' : $.str(v));
}

// The number of the error an expression or a script raises, or null.
function errorOf(source) {
    try {
        run(source);
        return null;
    } catch (e) {
        return e.vbNumber === undefined ? e : e.vbNumber;
    }
}

module.exports = { VB, run, value, typed, errorOf, FILES };
