// Sources the language refuses: the compile error's number, line and column.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { VB } = require('./vb-harness.js');

const FAILURES = [
    // source, number, line, column
    ['If x Then\nMsgBox 1\n', 1014, 3, 1],
    ['x = (1 + 2', 1006, 1, 11],
    ['x = 1 +', 1023, 1, 8],
    ['x = 1 2', 1025, 1, 7],
    ['For i = 1 10\nNext', 1013, 1, 11],
    ['For i = 1 To 3\n  x = 1\n', 1020, 3, 1],
    ['For Each v Of a\nNext', 1046, 1, 12],
    ['For 1 = 1 To 2\nNext', 1040, 1, 5],
    ['Do\n  x = 1\n', 1019, 3, 1],
    ['Do While x Until y\nLoop', 1025, 1, 12],
    ['While x\n  x = 1\n', 1018, 3, 1],
    ['Sub A\nEnd Function', 1016, 2, 5],
    ['Function A\nEnd Sub', 1015, 2, 5],
    ['If x Then\nEnd Sub', 1012, 2, 5],
    ['Select Case x\nEnd With', 1021, 2, 1],
    ['Select x', 1021, 1, 8],
    ['Select Case x\n  MsgBox 1\nEnd Select', 1021, 2, 3],
    ['With x\n  .y = 1\n', 1014, 3, 1],
    ['MsgBox "abc', 1033, 1, 8],
    ['x = 1 $ 2', 1032, 1, 7],
    ['x = [abc', 1007, 1, 5],
    ['Foo(1, 2)', 1044, 1, 4],
    ['obj.Method(1, 2)', 1044, 1, 11],
    ['Dim a, a', 1041, 1, 8],
    ['Sub A(b, b)\nEnd Sub', 1041, 1, 10],
    ['Sub A(b)\n  Dim b\nEnd Sub', 1041, 2, 7],
    ['Sub A\nEnd Sub\nSub a\nEnd Sub', 1041, 3, 1],
    ['Dim 1x', 1010, 1, 5],
    ['Dim If', 1010, 1, 5],
    ['x.', 1010, 1, 3],
    ['Call', 1010, 1, 5],
    ['Exit Do', 1039, 1, 6],
    ['For i = 1 To 2\n  Exit Do\nNext', 1039, 2, 8],
    ['Sub A\n  Exit Function\nEnd Sub', 1039, 2, 8],
    ['Next', 1055, 1, 1],
    ['Loop', 1038, 1, 1],
    ['End If', 1024, 1, 1],
    ['x = #13/45/2026#', 1063, 1, 5],
    ['x = 1 Then', 1025, 1, 7],
    ['If x y = 1', 1017, 1, 6],
    ['Property Get P\nEnd Property', 1048, 1, 1],
    ['Private Default Function F\nEnd Function', 1057, 1, 9],
    ['Class C\n  Public Default Property Let X(v)\n  End Property\nEnd Class', 1058, 2, 18],
    ['Class C\n  Public Default Function A\n  End Function\n  Public Default Function B\n  End Function\nEnd Class', 1052, 4, 3],
    ['Class C\n  Sub Class_Initialize(x)\n  End Sub\nEnd Class', 1053, 2, 3],
    ['Class C\n  Property Let P\n  End Property\nEnd Class', 1054, 2, 16],
    ['Class C\n  Property P\n  End Property\nEnd Class', 1049, 2, 12],
    ['Class C\n  x = 1\nEnd Class', 1024, 2, 3],
    ['Class C\n  Sub A\n  End Sub\n', 1014, 4, 1],
    ['Sub A\n  Sub B\n  End Sub\nEnd Sub', 1024, 2, 3],
    ['On Error GoTo Handler', 1002, 1, 15],
    ['x = Not', 1023, 1, 8],
    ['y = .x', 1023, 1, 5],
    ['For i = 1 To 3 x = 1\nNext', 1025, 1, 16],
    ['With a b\nEnd With', 1025, 1, 8],
];

test('the parser refuses with the language\'s number, at the line and column of the fault', () => {
    for (const [source, number, line, column] of FAILURES) {
        let error = null;
        try {
            VB.compile(source);
        } catch (e) {
            error = e;
        }
        assert.ok(error instanceof VB.VbSyntaxError, JSON.stringify(source) + ' compiled: ' + error);
        assert.deepEqual([error.vbNumber, error.vbLine, error.vbColumn], [number, line, column], JSON.stringify(source) + ': ' + error.message);
        assert.equal(error.vbDescription, VB.COMPILE_MESSAGES[number] + (number === 1032 ? ' ($)' : ''), JSON.stringify(source));
    }
});

test('a compile error says its place in Japanese through the error it raises', () => {
    assert.throws(() => VB.run('x = 1\nIf x Then\n'), (e) => e.vbNumber === 1014 && e.vbLine === 3 && e.message === "'End' がありません。");
    assert.throws(() => VB.compile('Sub A\n  x = )\nEnd Sub'), (e) => e.vbNumber === 1023 && e.vbLine === 2 && e.vbColumn === 7 && e.message === '式がありません。');
});

test('what the parser accepts beside them', () => {
    for (const source of [
        'If x Then y = 1 Else', 'If x Then y = 1 End If', 'If x Then : y = 1 : End If', 'x = 1 : End Sub'.replace(' : End Sub', ''),
        'Sub A : x = 1 : End Sub', 'Select Case x : Case 1 : y = 1 : End Select', 'Do : Loop Until True', 'obj.Next = 1', 'x = obj.End + obj.Loop',
        'Dim a(), b(2, 3)', 'ReDim Preserve a(1)', 'Const A = 1, B = "x"', 'Public Const C = -5', 'Private p', 'x = -&HFF + -1.5E-3',
        'Call obj.Method(1, , 3)', 'obj.Method , 2', 'x = a(1)(2).b(3)', "x = 1 ' comment", 'x = 1 : Rem comment', 'x = "a" & _\n  "b"',
        'Set x = Nothing', 'x = y Is Nothing', 'With a : .b = .c : End With', 'If x Then Exit Sub'.replace('Exit Sub', 'Stop'),
    ]) {
        assert.doesNotThrow(() => VB.compile(source), JSON.stringify(source));
    }
});
