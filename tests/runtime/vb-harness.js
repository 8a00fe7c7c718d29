// Loads the VBScript runtime into node for the language tests.
'use strict';
const path = require('node:path');
const js = path.join(__dirname, '..', '..', 'src', 'runtime', 'js');
for (const file of ['vb-lexer.js', 'vb-compiler.js', 'vb-runtime.js', 'vb-builtins.js']) require(path.join(js, file));
const VB = globalThis.__tvlvb;

// Runs source as a fresh page would and returns what MsgBox showed, in order.
function run(source, answers = []) {
    for (const k of Object.keys(VB.globals)) delete VB.globals[k];
    VB.known = { globals: new Set(), procs: new Set() };
    const shown = [];
    VB.host.msgBox = (text, buttons, title) => { shown.push(text); return answers.length ? answers.shift() : 1; };
    VB.run(source);
    return shown;
}

// The value of one expression after the given statements ran.
function value(expression, setup = '') {
    run(setup + '\nDim result__\nresult__ = ' + expression + '\n');
    return VB.globals.result__;
}

module.exports = { VB, run, value };
