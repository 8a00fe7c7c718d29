// The VBScript language, without a browser.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { VB, run, value } = require('./vb-harness.js');

test('procedures and arguments', () => {
    assert.deepEqual(run(`
Sub Bump(ByRef a, ByVal b)
  a = a + 1 : b = b + 1
End Sub
Sub Implicit(x)
  x = x * 10
End Sub
Function Fact(n)
  If n <= 1 Then Fact = 1 Else Fact = n * Fact(n - 1)
End Function
Function Early(n)
  Early = "start"
  If n > 0 Then Exit Function
  Early = "end"
End Function
Dim p, q : p = 1 : q = 1
Bump p, q
MsgBox p & "," & q
Implicit p
MsgBox p
Call Bump(p, q)
MsgBox p
MsgBox Fact(10) & " " & Early(1) & " " & Early(0)
MsgBox NotYetDefined(2)
Function NotYetDefined(v)
  Dim local
  local = v * 3
  NotYetDefined = local
End Function
`), ['2,1', '20', '21', '3628800 start end', '6']);
    // A local of one procedure is not the global of the same name.
    assert.deepEqual(run(`
Dim g : g = "global"
Sub Shadow
  Dim g : g = "local"
End Sub
Shadow
MsgBox g
`), ['global']);
});

test('control flow', () => {
    assert.deepEqual(run(`
For i = 10 To 1 Step -4 : s = s & i & " " : Next
MsgBox s
For Each v In Array(1, "two", 3) : t = t & v : Next
MsgBox t
Do Until k >= 3 : k = k + 1 : Loop
MsgBox k
Do : k = k + 1 : If k = 7 Then Exit Do
Loop
MsgBox k
While w < 4 : w = w + 2 : Wend
MsgBox w
For i = 1 To 3
  For j = 1 To 3
    If j = 2 Then Exit For
    c = c + 1
  Next
Next
MsgBox c
Select Case "b"
Case "a", "b" : MsgBox "ab"
Case Else : MsgBox "else"
End Select
Select Case 42
Case Is < 10 : MsgBox "small"
Case 10 To 50 : MsgBox "middle"
End Select
If False Then
  MsgBox "no"
ElseIf 1 Then
  MsgBox "elseif"
Else
  MsgBox "no"
End If
Dim o : Set o = New RegExp
With o
  .Pattern = "b+"
  .Global = True
  MsgBox .Replace("abbcb", "-")
End With
`), ['10 6 2 ', '1two3', '3', '7', '4', '3', 'ab', 'middle', 'elseif', 'a-c-']);
});

test('string and date functions', () => {
    assert.equal(value('Len("あいう") & Left("abc", 2) & Right("abc", 2) & Mid("abcdef", 2, 3) & Mid("abc", 2)'), '3abbcbcdbc');
    assert.equal(value('InStr("abcabc", "c") & InStr(4, "abcabc", "c") & InStr(1, "ABC", "b", 1) & InStrRev("abcabc", "b")'), '3625');
    assert.equal(value('Replace("aXbxc", "x", "-", 1, -1, vbTextCompare)'), 'a-b-c');
    assert.equal(value('Replace("aaa", "a", "aa")'), 'aaaaaa'); // one pass
    assert.equal(value('Join(Split("a,b,,c", ","), "|") & UBound(Split("a b c"))'), 'a|b||c2');
    assert.equal(value('"[" & Trim("  x  ") & "][" & LTrim(" x ") & "][" & RTrim(" x ") & "]"'), '[x][x ][ x]');
    assert.equal(value('UCase("abc") & LCase("DEF") & Space(2) & String(3, "*") & Chr(65) & Asc("a")'), 'ABCdef  ***A97');
    assert.equal(value('Hex(255) & Hex(-1) & RGB(255, 0, 0) & Abs(-3) & Sgn(-2) & Sqr(16) & Int(-1.5) & Fix(-1.5)'), 'FFFFFF2553-14-2-1');
    assert.equal(value('Round(2.5) & Round(3.5) & Round(1.2345, 2)'), '241.23');
    assert.equal(value('IsNumeric("12.5") & IsNumeric("x") & IsEmpty(Empty) & IsObject(Nothing) & IsDate("2026/12/06")'), 'TrueFalseTrueTrueTrue');
    assert.equal(value('Year(#2026/12/06#) & Month(#2026/12/06#) & Day(#2026/12/06#) & Weekday(#2026/12/06#)'), '20261261');
    assert.equal(value('CStr(DateAdd("m", 1, #2026/01/31#))'), '2026/02/28');
    assert.equal(value('DateDiff("d", #2026/12/01#, #2026/12/06#) & DateDiff("yyyy", #2025/12/31#, #2026/01/01#)'), '51');
    assert.equal(value('Hour(#10:30:15#) & Minute(#10:30:15#) & Second(#10:30:15#) & CStr(#10:30:15#)'), '10301510:30:15');
    assert.equal(value('CStr(CDate("2026/12/06 9:05:03"))'), '2026/12/06 9:05:03');
    assert.ok(value('Now') instanceof Date);
});

test('error handling', () => {
    assert.deepEqual(run(`
On Error Resume Next
x = 1 / 0
MsgBox Err.Number & " " & Err.Description
Err.Clear
MsgBox Err.Number
Err.Raise 1234, "mine", "my own"
MsgBox Err.Number & " " & Err.Description
On Error GoTo 0
MsgBox "after"
`), ['11 0 で除算しました。', '0', '1234 my own', 'after']);
    // Resume Next belongs to the procedure that says it.
    assert.throws(() => run(`
Sub Careless
  y = 1 / 0
End Sub
Sub Careful
  On Error Resume Next
  Careless
  MsgBox "continued " & Err.Number
End Sub
Careful
Careless
`), (e) => e.vbNumber === 11 && e.vbLine === 3);
    assert.throws(() => run('If x Then\nMsgBox 1\n'), (e) => e instanceof VB.VbSyntaxError && e.vbNumber === 1014 && e.message === "'End' がありません。");
    // A runaway loop is stopped.
    VB.rt.timeLimitMs = 200;
    try {
        assert.throws(() => run('Do\n  n = n + 1\nLoop'), (e) => e.vbNumber === 1031);
    } finally {
        VB.rt.timeLimitMs = 10000;
    }
});

test('MsgBox and InputBox reach the host', () => {
    const calls = [];
    VB.host.inputBox = (text, title, def) => { calls.push([text, title, def]); return 'typed'; };
    assert.deepEqual(run('r = MsgBox("q", vbYesNo, "t")\nMsgBox r & InputBox("name", "who", "me")', [6]), ['q', '6typed']);
    assert.deepEqual(calls, [['name', 'who', 'me']]);
});

test('a method of a page object named without parentheses is called; a handler or a value it holds is not', () => {
    class Shape {
        constructor() { this.own = () => 'own value'; this.calls = 0; }
        area() { this.calls++; return 12; }
        get onclick() { return () => 'handler'; }
    }
    const shape = new Shape();
    const before = VB.host.lookup;
    VB.host.lookup = (lc) => (lc === 'shape' ? { v: shape, where: 'e' } : null);
    try {
        assert.deepEqual(run('x = shape.area\nSet h = shape.onclick\nSet o = shape.own\nMsgBox x & " " & TypeName(h) & " " & TypeName(o) & " " & shape.Area()'), ['12 Object Object 12']);
        assert.equal(shape.calls, 2);
    } finally {
        VB.host.lookup = before;
    }
});

test('run mode loads every runtime file, the language first and in the order the tests load it', () => {
    const fs = require('node:fs');
    const path = require('node:path');
    const { FILES } = require('./vb-harness.js');
    const root = path.join(__dirname, '..', '..');
    const cpp = fs.readFileSync(path.join(root, 'src', 'platform', 'RunTimeScripts.cpp'), 'utf8');
    const listed = [.../for \(const char \*name : \{([^}]*)\}/.exec(cpp)[1].matchAll(/"([^"]+)"/g)].map((m) => m[1]);
    // The standalone host takes the program's place in the runtime file of exported pages, not in run mode.
    const present = fs.readdirSync(path.join(root, 'src', 'runtime', 'js')).filter((f) => f.endsWith('.js') && f !== 'host-standalone.js').map((f) => f.slice(0, -3));
    assert.deepEqual([...listed].sort(), [...present].sort());
    assert.deepEqual(listed.slice(0, FILES.length), FILES);
    assert.equal(listed[listed.length - 1], 'ie-page');
});
