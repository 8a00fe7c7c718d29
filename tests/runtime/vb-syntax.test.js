// Statements and their forms, as pages write them.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { VB, run, errorOf } = require('./vb-harness.js');

test('a variable assigned before its Dim in a procedure is the procedure\'s own, and the procedure is there', () => {
    assert.deepEqual(run(`
Sub Late()
  y = 5
  Dim y
  For Each w In Array(1) : Next
  Dim w
  MsgBox "late " & y & w
End Sub
Call Late
Late
MsgBox "global " & IsEmpty(y)
`), ['late 51', 'late 51', 'global True']);
});

test('built-ins given without parentheses stay built-ins afterwards', () => {
    const [first, second] = run(`
MsgBox Hour(Now) & ":" & Minute(Now) & ":" & TypeName(Time) & TypeName(Timer)
Sub Show(a, b, c)
End Sub
Show Now, Err, vbCrLf
Show Time, Timer, Date
MsgBox TypeName(Now) & TypeName(Time) & TypeName(Timer) & TypeName(Date) & Len(vbCrLf) & TypeName(Err.Number) & IsEmpty(now)
`);
    assert.match(first, /^\d{1,2}:\d{1,2}:DateSingle$/);
    assert.equal(second, 'DateDateSingleDate2LongFalse');
});

test('the single-line and block forms of If', () => {
    assert.deepEqual(run(`
If 1 = 1 Then MsgBox "one" Else MsgBox "two" End If
If 1 = 2 Then MsgBox "no" Else MsgBox "else" : MsgBox "else too"
If 1 = 1 Then : MsgBox "colon" : End If
If 1 = 1 Then :
  MsgBox "colon block"
End If
If 1 = 2 Then
  MsgBox "no"
ElseIf 2 = 2 Then MsgBox "elseif same line"
  MsgBox "and the next"
Else MsgBox "no"
End If
If True Then If False Then MsgBox "no" Else MsgBox "inner else"
x = 1 : If x Then y = 2 : z = 3
MsgBox y & z
`), ['one', 'else', 'else too', 'colon', 'colon block', 'elseif same line', 'and the next', 'inner else', '23']);
});

test('statements after a colon, parenthesised calls, Const in blocks, Stop', () => {
    assert.deepEqual(run(`
Sub S1() : x = 1 : MsgBox "s1" : End Sub
S1
f = Array(10, 20)
g = (f)(1)
MsgBox g
Function Twice(n) : Twice = n * 2 : End Function
MsgBox Twice(2) = 4
For k = 1 To 2
  Const C1 = 5
  MsgBox C1 + k
Next
Stop
Sub Pair(a, b) : MsgBox a & "," & b : End Sub
Pair (1), 2
Pair (1) + 1, 2
Call Pair(3, 4)
v = 1
Sub Bump(n) : n = n + 1 : End Sub
Bump (v)
MsgBox v
Bump v
MsgBox v
`), ['s1', '20', 'True', '6', '7', '1,2', '2,2', '3,4', '1', '2']);
    // Parentheses around two arguments of a Sub call are the language's error 1044.
    assert.throws(() => VB.compile('Pair(1, 2)'), (e) => e.vbNumber === 1044);
});

test('loops, Select Case and With', () => {
    assert.deepEqual(run(`
For i = 10 To 1 Step -4 : s = s & i & " " : Next
MsgBox s
For i = 0.5 To 2 Step 0.5 : t = t & i & " " : Next
MsgBox t & TypeName(i)
For i = 1 To 0 : MsgBox "never" : Next
MsgBox i
Do Until k >= 3 : k = k + 1 : Loop
Do : k = k + 1 : If k = 7 Then Exit Do
Loop
Do
  k = k + 1
Loop While k < 10
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
For Each x In Array(42, 200, 0)
  Select Case x
  Case 1, 2, 3 : MsgBox "small"
  Case 10 To 50 : MsgBox "range"
  Case Is > 100 : MsgBox "big"
  Case Else : MsgBox "else"
  End Select
Next
Select Case "b"
Case "a", "b" : MsgBox "text"
End Select
Select Case Null
Case Null : MsgBox "null matches nothing"
Case Else : MsgBox "else for null"
End Select
Set re = New RegExp
With re
  .Pattern = "b+"
  .Global = True
  MsgBox .Replace("abbcb", "-")
End With
`), ['10 6 2 ', '0.5 1 1.5 2 Double', '1', '10', '4', '3', 'range', 'big', 'else', 'text', 'else for null', 'a-c-']);
});

test('names, comments and line continuation', () => {
    assert.deepEqual(run(`
Dim Abc
abc = 1 + _
  2
MSGBOX ABC ' a comment
Rem another comment
[my name] = "bracketed" : MsgBox [my name]
Dim 名前 : 名前 = "日本語の名前" : MsgBox 名前
x = "a ""quoted"" text" : MsgBox x
`), ['3', 'bracketed', '日本語の名前', 'a "quoted" text']);
});

test('Option Explicit makes a name nobody declared an error', () => {
    assert.equal(errorOf('Option Explicit\nDim a\na = 1\nb = 2'), 500);
    assert.equal(errorOf('Option Explicit\nx = undeclared'), 500);
    assert.equal(errorOf('Option Explicit\nSub P\n  z = 1\nEnd Sub\nP'), 500);
    assert.equal(errorOf('Option Explicit\nDim a\nSub P\n  a = 1\nEnd Sub\nP\nMsgBox a'), null);
});

test('a constant cannot be assigned; a Sub cannot be assigned to', () => {
    assert.equal(errorOf('Const K = 1\nK = 2'), 501);
    assert.equal(errorOf('Sub P\nEnd Sub\nP = 1'), 501);
});

test('Execute, ExecuteGlobal and Eval run text as script', () => {
    assert.deepEqual(run(`
Execute "a = 5"
ExecuteGlobal "Function Added(x) : Added = x + a : End Function"
MsgBox Eval("Added(2) * 10")
`), ['70']);
});

test('procedures: ByRef and ByVal, recursion, the wrong number of arguments', () => {
    assert.deepEqual(run(`
Sub Bump(ByRef a, ByVal b)
  a = a + 1 : b = b + 1
End Sub
Function Fact(n)
  If n <= 1 Then Fact = 1 Else Fact = n * Fact(n - 1)
End Function
Dim p, q : p = 1 : q = 1
Bump p, q
MsgBox p & "," & q & " " & Fact(10) & " " & TypeName(Fact(10))
`), ['2,1 3628800 Long']);
    assert.equal(errorOf('Sub Two(a, b)\nEnd Sub\nTwo 1'), 450);
    assert.equal(errorOf('Function One(a)\nEnd Function\nx = One(1, 2)'), 450);
    assert.equal(errorOf('x = NoSuchProcedure(1)'), 13);
});

test('a block sees what earlier blocks declared, and calls procedures of later ones when they run', () => {
    const shown = run('Dim shared(2)\nshared(0) = 5\nSub First()\n  MsgBox "first " & Later()\nEnd Sub');
    VB.run('Sub Clear\n  Erase shared\n  total = shared(0)\nEnd Sub\nFunction Later()\n  Later = "later"\nEnd Function\nFirst\nClear\nMsgBox UBound(shared) & IsEmpty(shared(0)) & IsEmpty(total)');
    assert.deepEqual(shown, ['first later', '2TrueTrue']);
});

test('a ByRef argument that names nothing yet becomes a variable; one that names a built-in does not', () => {
    assert.deepEqual(run(`
Sub GetValue(ByRef out) : out = 5 : End Sub
GetValue result
GetValue vbCrLf
MsgBox result & " " & Len(vbCrLf)
`), ['5 2']);
});

test('values the block makes once keep apart from the names of its loops', () => {
    // A Long literal and a Double literal are made once per block; loops count in names of their own.
    assert.deepEqual(run(`
For i = 1 To 2
  For j = 1 To 2
    s = s & TypeName(&HFF&) & TypeName(1.0) & " "
  Next
Next
MsgBox s
`), ['LongDouble LongDouble LongDouble LongDouble ']);
});
