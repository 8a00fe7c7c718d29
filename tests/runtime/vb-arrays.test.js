// Arrays: values that copy, fixed and dynamic ones, several dimensions.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { run, errorOf } = require('./vb-harness.js');

test('an array is copied by assignment and by ByVal, shared by ByRef', () => {
    assert.deepEqual(run(`
Dim a, b
a = Array(1, 2, 3)
b = a
b(0) = 99
MsgBox a(0) & " " & b(0)
Sub ByValue(ByVal p)
  p(1) = "changed"
End Sub
Sub ByReference(p)
  p(2) = "shared"
End Sub
ByValue a
ByReference a
MsgBox a(1) & " " & a(2)
Function Give()
  Dim kept(1)
  kept(0) = "k"
  Give = kept
End Function
c = Give()
c(0) = "c"
MsgBox Give()(0) & c(0)
Dim nested(1)
nested(0) = Array("x")
d = nested
d(0)(0) = "y"
MsgBox nested(0)(0) & d(0)(0)
`), ['1 99', '2 shared', 'kc', 'xy']);
});

test('Dim, ReDim and ReDim Preserve follow the language: fixed arrays stay, only the last dimension grows', () => {
    assert.deepEqual(run(`
Dim a(2), m(1, 2)
a(0) = "x" : a(2) = "z"
m(1, 2) = 5
MsgBox UBound(a) & UBound(m, 1) & UBound(m, 2) & m(1, 2) & Join(a, "-")
Dim d()
ReDim d(1)
d(1) = "one"
ReDim Preserve d(3)
MsgBox UBound(d) & d(1) & IsArray(d)
ReDim d(1, 2)
d(1, 2) = "kept"
ReDim Preserve d(1, 4)
MsgBox d(1, 2) & UBound(d, 2)
ReDim Preserve d(1, 1)
MsgBox UBound(d, 2)
`), ['2125x--z', '3oneTrue', 'kept4', '1']);
    const errors = [
        ['Dim a(2)\nReDim a(3)', 10], ['Dim a(2)\nReDim Preserve a(3)', 10], ['ReDim d(1, 2)\nReDim Preserve d(2, 2)', 9],
        ['ReDim d(1, 2)\nReDim Preserve d(1)', 9], ['Dim d()\nx = UBound(d)', 9], ['Dim d()\nx = d(0)', 9], ['Dim a(1)\na(2) = 1', 9],
        ['Dim m(1, 1)\nx = m(0)', 9], ['Dim m(1, 1)\nx = m(0, 2)', 9], ['Dim a(1)\nx = a(-1)', 9], ['ReDim a(-2)', 9], ['Dim a(1)\nx = a(Null)', 94],
        ['x = 5\ny = x(0)', 13],
    ];
    for (const [source, number] of errors) assert.equal(errorOf(source), number, source);
    assert.throws(() => run('Dim a(1)\na(2) = 1'), (e) => e.vbNumber === 9 && e.vbLine === 2);
});

test('For Each visits a two-dimensional array first subscript fastest, as the language stores it', () => {
    assert.deepEqual(run(`
Dim m(1, 2)
For i = 0 To 1
  For j = 0 To 2
    m(i, j) = i & j
  Next
Next
For Each v In m : s = s & v & " " : Next
MsgBox s
Dim e()
For Each v In e : t = t & "x" : Next
MsgBox "[" & t & "]"
`), ['00 10 01 11 02 12 ', '[]']);
});

test('Erase empties a fixed array and frees a dynamic one', () => {
    assert.deepEqual(run(`
Dim f(2)
f(0) = 1
Erase f
MsgBox UBound(f) & IsEmpty(f(0))
Dim d()
ReDim d(3)
Erase d
On Error Resume Next
x = UBound(d)
MsgBox Err.Number
`), ['2True', '9']);
});

test('Array, Split, Join and Filter', () => {
    assert.deepEqual(run(`
a = Array("a", "b", "c")
MsgBox Join(a) & "|" & Join(a, "") & "|" & UBound(Array()) & "|" & UBound(Split("")) & "|" & IsArray(Split("x"))
s = Split("a,b,,c", ",")
MsgBox UBound(s) & Join(s, "+") & "|" & Join(Split("a,b,c", ",", 2), "+") & "|" & Join(Split("aXbxc", "x", -1, vbTextCompare), "+")
MsgBox Join(Filter(Array("apple", "Banana", "cherry"), "an")) & "|" & Join(Filter(Array("apple", "Banana"), "A", False, vbTextCompare))
j = Array(Array(1, 2), Array(3, 4))
MsgBox j(1)(0) & UBound(j(0))
`), ['a b c|abc|-1|-1|True', '3a+b++c|a+b,c|a+b+c', 'Banana|', '31']);
});
