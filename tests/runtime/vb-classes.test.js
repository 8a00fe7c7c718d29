// The script's own classes: Class ... End Class, New, members, properties, Me, Nothing.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { run, errorOf } = require('./vb-harness.js');

const COUNTER = `
Class Counter
  Private m_count
  Public Name
  Public Items(2)
  Private Sub Class_Initialize()
    m_count = 10
    Name = "new"
  End Sub
  Private Sub Class_Terminate()
    MsgBox "ended " & Name
  End Sub
  Public Default Property Get Count()
    Count = m_count
  End Property
  Public Property Let Count(v)
    If v < 0 Then Err.Raise 5
    m_count = v
  End Property
  Public Property Get Self()
    Set Self = Me
  End Property
  Public Function Bump(by)
    m_count = m_count + by
    Bump = m_count
  End Function
  Sub Reset
    Count = 0
    Me.Name = "reset"
  End Sub
  Private Function Secret()
    Secret = "hidden"
  End Function
  Function Tell()
    Tell = Secret() & " " & Bump(1)
  End Function
End Class
`;

test('members, properties, the default member and Me', () => {
    assert.deepEqual(run(COUNTER + `
Dim c
Set c = New Counter
MsgBox c.Count & " " & c & " " & c.Name & " " & (c + 1)
c.Count = 5
MsgBox c.Bump(3) & " " & TypeName(c) & " " & VarType(c) & " " & IsObject(c)
c.Items(1) = "x"
MsgBox c.Items(1) & UBound(c.Items)
c.Reset
MsgBox c.Count & " " & c.Name & " " & c.Tell & " " & (c.Self Is c)
x = c
MsgBox TypeName(x) & " " & x
`), ['10 10 new 11', '8 Counter 2 True', 'x2', '0 reset hidden 1 True', 'Integer 1']);
});

test('Class_Initialize at New; Class_Terminate when the last variable lets the object go', () => {
    assert.deepEqual(run(COUNTER + `
Dim a, b
Set a = New Counter
a.Name = "first"
Set b = a
Set a = Nothing
MsgBox "still " & b.Name & " " & (a Is Nothing)
Set b = Nothing
Sub Local
  Dim c
  Set c = New Counter
  c.Name = "local"
End Sub
Local
MsgBox "done"
`), ['still first True', 'ended first', 'ended local', 'done']);
});

test('Public and Private, and the errors of objects', () => {
    const errors = [
        ['Set c = New Counter\nx = c.m_count', 438],
        ['Set c = New Counter\nx = c.Secret', 438],
        ['Set c = New Counter\nc.Count = -1', 5],
        ['Set c = New Counter\nc.Bump', 450],
        ['Set c = New Counter\nc.Bump 1, 2', 450],
        ['Set c = New Counter\nc.Self = 1', 450],
        ['Set c = New Missing', 506],
        ['Set c = Nothing\nx = c.Name', 91],
        ['Set c = Nothing\nc.Name = 1', 91],
        ['Dim c\nx = c.Name', 424],
        ['Set c = 5', 424],
        ['c = Nothing', 91],
        ['x = 5 Is Nothing', 424],
        ['Set c = New Counter\nFor Each i In c : Next', 451],
    ];
    for (const [source, number] of errors) assert.equal(errorOf(COUNTER + source), number, source);
    assert.equal(errorOf('Class NoDefault\nPublic v\nEnd Class\nSet o = New NoDefault\nx = o'), 438);
});

test('properties with arguments, Property Set, objects in arrays and fields', () => {
    assert.deepEqual(run(`
Class Bag
  Private items
  Private m_owner
  Private Sub Class_Initialize
    ReDim items(2)
  End Sub
  Public Property Get Item(i)
    Item = items(i)
  End Property
  Public Property Let Item(i, v)
    items(i) = v
  End Property
  Public Property Set Owner(o)
    Set m_owner = o
  End Property
  Public Property Get Owner()
    Set Owner = m_owner
  End Property
End Class
Class Person
  Public Name
End Class
Dim bag, p, list(1)
Set bag = New Bag
bag.Item(1) = "one"
Set p = New Person
p.Name = "Hanako"
Set bag.Owner = p
MsgBox bag.Item(1) & " " & bag.Owner.Name & " " & (bag.Owner Is p)
Set list(0) = New Person
list(0).Name = "zero"
Set list(1) = p
For Each q In list : s = s & q.Name & ";" : Next
MsgBox s
With bag.Owner
  .Name = "Taro"
  MsgBox .Name & " " & p.Name
End With
`), ['one Hanako True', 'zero;Hanako;', 'Taro Taro']);
});

test('a class may be used before its block defines it, and methods call each other without Me', () => {
    assert.deepEqual(run(`
Set s = New Stack
s.Push 1 : s.Push "two"
MsgBox s.Size & " " & s.Pop & " " & s.Size
Class Stack
  Private data(), n
  Sub Class_Initialize : n = 0 : ReDim data(4) : End Sub
  Public Sub Push(v)
    data(n) = v
    n = n + 1
  End Sub
  Public Function Pop()
    n = n - 1
    Pop = data(n)
  End Function
  Public Property Get Size : Size = n : End Property
End Class
`), ['2 two 1']);
});

test('Scripting.Dictionary: keys, items, the default Item, For Each over the keys', () => {
    assert.deepEqual(run(`
Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d.Add 2, "two"
d("c") = "see"
d.Item("a") = 10
MsgBox d.Count & " " & d("a") & " " & d(2) & " " & d.Exists("c") & " " & d.Exists("C") & " " & TypeName(d) & " " & IsEmpty(d("missing")) & " " & d.Count
For Each k In d : s = s & k & "=" & d(k) & ";" : Next
MsgBox s & " " & Join(d.Keys, ",") & " " & UBound(d.Items)
d.Key("a") = "A"
d.Remove "missing"
MsgBox d.Exists("A") & d.Exists("a") & d.Count
d.RemoveAll
d.CompareMode = vbTextCompare
d.Add "Key", 1
MsgBox d.Exists("KEY") & " " & d.Count
`), ['3 10 two True False Dictionary True 4', 'a=10;2=two;c=see;missing=; a,2,c,missing 3', 'TrueFalse3', 'True 1']);
    for (const [source, number] of [
        ['Set d = CreateObject("Scripting.Dictionary")\nd.Add 1, 1\nd.Add 1, 2', 457],
        ['Set d = CreateObject("Scripting.Dictionary")\nd.Remove "x"', 32811],
        ['Set d = CreateObject("Scripting.Dictionary")\nd.Add 1, 1\nd.CompareMode = 1', 5],
        ['Set f = CreateObject("Scripting.FileSystemObject")', 429],
    ]) assert.equal(errorOf(source), number, source);
});
