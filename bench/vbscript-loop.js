// A 1,000,000-iteration VBScript loop beside the same loop in JavaScript.
'use strict';
const { VB, run } = require('../tests/runtime/vb-harness.js');

const vbSource = `
Function Work(n)
  Dim i, total, s
  total = 0
  For i = 1 To n
    total = total + (i Mod 7) * 2
    If total > 100000 Then total = total - 100000
  Next
  Work = total
End Function
`;
function work(n) {
    let total = 0;
    for (let i = 1; i <= n; i++) {
        total = total + (i % 7) * 2;
        if (total > 100000) total = total - 100000;
    }
    return total;
}
function median(f) {
    const times = [];
    for (let k = 0; k < 7; k++) {
        const t = process.hrtime.bigint();
        f();
        times.push(Number(process.hrtime.bigint() - t) / 1e6);
    }
    return times.sort((a, b) => a - b)[3];
}
run(vbSource);
const vbWork = VB.globals.work;
if (vbWork(1000000) !== work(1000000)) throw new Error('the two loops disagree');
const t0 = process.hrtime.bigint();
VB.compile(vbSource + vbSource.replace(/Work/g, 'Work2'));
const compileMs = Number(process.hrtime.bigint() - t0) / 1e6;
const vb = median(() => vbWork(1000000));
const js = median(() => work(1000000));
console.log('measure (median ms)                            vbscript     javascript');
console.log(`1,000,000-iteration loop                     ${vb.toFixed(1).padStart(10)} ${js.toFixed(1).padStart(14)}   (${(vb / js).toFixed(1)}x)`);
console.log(`compiling a 20-line block twice              ${compileMs.toFixed(1).padStart(10)}`);
