// The language's run-time errors: built-ins refuse bad arguments with their numbers,
// Err describes them in Japanese, On Error Resume Next goes on past them.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { run, errorOf, typed } = require('./vb-harness.js');

test('built-ins raise 5, 6, 9, 13 and 94 for arguments they refuse', () => {
    const cases = [
        ['Mid("abc", 0)', 5], ['Mid("abc", 1, -1)', 5], ['Mid("abc", Null)', 94], ['Left("abc", -1)', 5], ['Right("abc", -1)', 5],
        ['InStr(0, "abc", "a")', 5], ['InStr(1, "abc", "a", 3)', 5], ['InStr(Null, "abc", "a")', 94], ['InStrRev("abc", "a", 0)', 5],
        ['InStrRev("abc", "a", -2)', 5], ['Hex(2147483648)', 6], ['Oct("x")', 13], ['LBound("abc")', 13], ['UBound(5)', 13],
        ['UBound(Array(1), 2)', 9], ['UBound(Array(1), 0)', 9], ['Split("a b", " ", -2)', 5], ['Split("a b", " ", -1, 5)', 5],
        ['Split(Null)', 94], ['StrComp("a", "b", 2)', 5], ['Replace("abc", "b", "x", 0)', 5], ['Replace("abc", "b", "x", 1, -2)', 5],
        ['Replace(Null, "a", "b")', 94], ['CInt("x")', 13], ['CLng(1E+10)', 6], ['CByte(300)', 6], ['RGB(-1, 0, 0)', 5],
        ['RGB("a", 0, 0)', 13], ['RGB(Null, 0, 0)', 94], ['Weekday(#2026/12/06#, 8)', 5], ['Weekday(#2026/12/06#, Null)', 94],
        ['DateSerial(-1, 1, 1)', 5], ['DateSerial(10000, 1, 1)', 5], ['DateSerial(Null, 1, 1)', 94], ['Chr(65536)', 5], ['ChrW(-40000)', 5],
        ['Asc("")', 5], ['Space(-1)', 5], ['String(-1, "a")', 5], ['Sqr(-1)', 5], ['Log(0)', 5], ['Round(1.5, -1)', 5],
        ['MonthName(13)', 5], ['WeekdayName(0)', 5], ['DateAdd("x", 1, Now)', 5], ['DateAdd("yyyy", 9000, Now)', 5],
        ['FormatDateTime(Now, 5)', 5], ['FormatNumber("abc")', 13], ['Join("a")', 13], ['Filter("a", "a")', 13], ['GetRef("nothing_here")', 5],
        ['Array(1)(1)', 9], ['CreateObject("No.Such")', 429], ['Eval("1 +")', 1023],
    ];
    for (const [expression, number] of cases) assert.equal(errorOf('x = ' + expression), number, expression);
    // Null passes through the string functions that accept it.
    for (const [expression, want] of [['Mid(Null, 1)', 'Null Null'], ['InStr("a", Null)', 'Null Null'], ['StrComp(Null, "a")', 'Null Null'], ['UCase(Null)', 'Null Null']]) {
        assert.equal(typed(expression), want, expression);
    }
});

test('Err carries the number, a Japanese description and the source', () => {
    assert.deepEqual(run(`
On Error Resume Next
x = Array(1)(5)
MsgBox Err.Number & " " & Err.Description & " " & TypeName(Err.Number)
Err.Clear
Set o = Nothing
o.Go
MsgBox Err.Number & " " & Err.Description
Err.Clear
x = CInt("abc")
MsgBox Err & " " & Err.Description
Err.Raise vbObjectError + 7, "mine", "my own"
MsgBox Err.Number - vbObjectError & " " & Err.Source & " " & Err.Description
Err.Raise 6
MsgBox Err.Number & " " & Err.Description
Err.Raise 0
MsgBox Err.Number
On Error GoTo 0
MsgBox Err.Number
`), [
        '9 インデックスが有効範囲にありません。 Long', '91 オブジェクト変数または With ブロック変数が設定されていません。',
        '13 型が一致しません。', '7 mine my own', '6 オーバーフローしました。', '5', '0',
    ]);
});

test('On Error Resume Next covers If and ElseIf conditions and For Each headers, resuming into the block', () => {
    assert.deepEqual(run(`
On Error Resume Next
If 1 / 0 = 1 Then
  MsgBox "then " & Err.Number
End If
Err.Clear
If False Then
  MsgBox "no"
ElseIf CInt("x") Then
  MsgBox "elseif " & Err.Number
Else
  MsgBox "no"
End If
Err.Clear
For Each z In 5
  MsgBox "once " & Err.Number & " " & IsEmpty(z)
Next
Err.Clear
Do While Len(Null) > CInt("x")
  MsgBox "loop " & Err.Number
  Exit Do
Loop
Sub Careless
  y = 1 / 0
  MsgBox "not reached"
End Sub
Careless
MsgBox "after " & Err.Number
`), ['then 11', 'elseif 13', 'once 451 True', 'loop 13', 'after 11']);
    // Without it the error stops the script at its line.
    assert.throws(() => run('x = 1\nIf 1 / 0 Then x = 2'), (e) => e.vbNumber === 11 && e.vbLine === 2);
    assert.throws(() => run('For Each i In Nothing\nNext'), (e) => e.vbNumber === 91 && e.vbLine === 1);
});

test('an error leaves the procedure without a handler and resumes in the caller that has one', () => {
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
});

test('an error in a loop\'s condition is told at the loop\'s line, on any turn', () => {
    assert.throws(() => run('x = 0\nDo While 10 / (2 - x) > 0\n  x = x + 1\n  y = 1\nLoop'), (e) => e.vbNumber === 11 && e.vbLine === 2);
    assert.throws(() => run('x = 0\nWhile 10 / (2 - x) > 0\n  x = x + 1\n  y = 1\nWend'), (e) => e.vbNumber === 11 && e.vbLine === 2);
    assert.throws(() => run('x = 0\nDo\n  x = x + 1\n  y = 1\nLoop Until 10 / (2 - x) > 100'), (e) => e.vbNumber === 11 && e.vbLine === 2);
});
