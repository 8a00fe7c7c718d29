// The VBScript runtime's speed: a 1,000,000-iteration loop beside the same loop in
// JavaScript, and the time to compile a script block of 2,000 lines.
// The two loops run in turns, so that the machine's load falls on both alike.
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

// A block as long pages have them: procedures with the usual statements, 2,000 lines in all.
function longBlock(lines) {
    const out = ['Option Explicit', 'Dim counter, names(10), table', 'Const LIMIT = 100'];
    for (let k = 0; out.length < lines - 30; k++) {
        out.push(
            'Function Measure' + k + '(text, ByVal times)',
            '  Dim i, total, part',
            '  total = 0',
            '  For i = 1 To times',
            '    part = Mid(text, (i Mod Len(text)) + 1, 2)',
            '    If part = "ab" Then',
            '      total = total + i * 2',
            '    ElseIf IsNumeric(part) Then',
            '      total = total + CInt(part)',
            '    Else',
            '      total = total - 1',
            '    End If',
            '  Next',
            '  Select Case total Mod 3',
            '    Case 0: Measure' + k + ' = "zero"',
            '    Case 1, 2: Measure' + k + ' = "some " & total',
            '    Case Else: Measure' + k + ' = Empty',
            '  End Select',
            'End Function',
            'Sub Show' + k + '()',
            '  On Error Resume Next',
            '  document.all("out' + k + '").innerText = Measure' + k + '("abcabc", LIMIT) & " " & UCase(names(' + (k % 10) + '))',
            '  Do While counter < LIMIT',
            '    counter = counter + 1',
            '    If counter > 50 Then Exit Do',
            '  Loop',
            '  window.setTimeout "Show' + k + '", 1000, "VBScript"',
            'End Sub',
        );
    }
    while (out.length < lines) out.push("' " + out.length);
    return out.join('\r\n');
}

function time(f) {
    const t = process.hrtime.bigint();
    f();
    return Number(process.hrtime.bigint() - t) / 1e6;
}
const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
const least = (list) => Math.min(...list);

run(vbSource);
const vbWork = VB.globals.work;
if (Number(vbWork(1000000)) !== work(1000000)) throw new Error('the two loops disagree');
const vbTimes = [];
const jsTimes = [];
for (let k = 0; k < 31; k++) {
    vbTimes.push(time(() => vbWork(1000000)));
    jsTimes.push(time(() => work(1000000)));
}

const block = longBlock(2000);
const compileTimes = [];
for (let k = 0; k < 9; k++) compileTimes.push(time(() => VB.compile(block, { globals: new Set(), procs: new Set() })));

const row = (label, vb, js) => label.padEnd(44) + vb.toFixed(1).padStart(10) + (js === undefined ? '' : js.toFixed(1).padStart(14) + '   (' + (vb / js).toFixed(1) + 'x)');
console.log('measure (ms)                                  vbscript     javascript');
console.log(row('1,000,000-iteration loop, best of 31', least(vbTimes), least(jsTimes)));
console.log(row('1,000,000-iteration loop, median of 31', median(vbTimes), median(jsTimes)));
console.log(row('compiling a 2,000-line block, median of 9', median(compileTimes)));
