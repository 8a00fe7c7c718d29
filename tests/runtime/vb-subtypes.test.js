// Variant subtypes and conversions, as the language reference defines them.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { typed, value, errorOf, run } = require('./vb-harness.js');

const expectAll = (cases) => {
    for (const [expression, want] of cases) assert.equal(typed(expression), want, expression);
};
const failAll = (cases) => {
    for (const [expression, number] of cases) assert.equal(errorOf('x = ' + expression), number, expression);
};

test('a literal has the subtype its form gives', () => {
    expectAll([
        ['1', 'Integer 1'], ['32767', 'Integer 32767'], ['32768', 'Long 32768'], ['2147483647', 'Long 2147483647'],
        ['2147483648', 'Double 2147483648'], ['0.0', 'Double 0'], ['1e2', 'Double 100'], ['1.5', 'Double 1.5'], ['.5', 'Double 0.5'],
        ['&HFF', 'Integer 255'], ['&HFFFF', 'Integer -1'], ['&H8000', 'Integer -32768'], ['&HFFFF&', 'Long 65535'],
        ['&H10000', 'Long 65536'], ['&HFFFFFFFF', 'Long -1'], ['&O17', 'Integer 15'], ['&17', 'Integer 15'],
        ['-32768', 'Long -32768'], ['-1', 'Integer -1'], ['-2147483648', 'Double -2147483648'],
        ['"x"', 'String x'], ['True', 'Boolean True'], ['Empty', 'Empty '], ['Null', 'Null Null'], ['#2026/12/06#', 'Date 2026/12/06'],
    ]);
});

test('conversions give their subtype and refuse what does not fit', () => {
    expectAll([
        ['CInt(2.5)', 'Integer 2'], ['CInt(3.5)', 'Integer 4'], ['CInt(" 12 ")', 'Integer 12'], ['CInt("1e2")', 'Integer 100'],
        ['CInt("&H10")', 'Integer 16'], ['CInt(True)', 'Integer -1'], ['CInt(Empty)', 'Integer 0'], ['CInt("1,000")', 'Integer 1000'],
        ['CLng(5)', 'Long 5'], ['CLng(-2.5)', 'Long -2'], ['CDbl(1)', 'Double 1'], ['CDbl("1.5")', 'Double 1.5'],
        ['CSng(1.1)', 'Single 1.1'], ['CSng(1) / 3', 'Single 0.3333333'], ['CCur(1.23456)', 'Currency 1.2346'], ['CCur(1) / 3', 'Double 0.333333333333333'],
        ['CByte(255)', 'Byte 255'], ['CByte("7")', 'Byte 7'], ['CBool("true")', 'Boolean True'], ['CBool(0)', 'Boolean False'],
        ['CBool("#TRUE#")', 'Boolean True'], ['CBool("#FALSE#")', 'Boolean False'], ['CBool(-0.5)', 'Boolean True'],
        ['CStr(1.5)', 'String 1.5'], ['CStr(True)', 'String True'], ['CStr(Empty)', 'String '], ['CDate("2026/12/06 9:05:03")', 'Date 2026/12/06 9:05:03'],
        ['CDate(1)', 'Date 1899/12/31'],
    ]);
    failAll([
        ['CInt(32768)', 6], ['CInt(-32768.6)', 6], ['CByte(-1)', 6], ['CByte(256)', 6], ['CLng(2147483648)', 6], ['CSng(1e39)', 6],
        ['CCur(1e15)', 6], ['CInt("abc")', 13], ['CDbl("")', 13], ['CInt(Null)', 94], ['CStr(Null)', 94], ['CBool("yes")', 13],
        ['CDate("tomorrow")', 13], ['CBool(Null)', 94],
    ]);
});

test('functions return the subtypes of the language', () => {
    expectAll([
        ['Len("abc")', 'Long 3'], ['UBound(Array(1, 2))', 'Long 1'], ['LBound(Array(1, 2))', 'Long 0'], ['InStr("abc", "c")', 'Long 3'],
        ['InStrRev("abc", "a")', 'Long 1'], ['Asc("A")', 'Integer 65'], ['AscW("あ")', 'Integer 12354'], ['Sgn(-2.5)', 'Integer -1'],
        ['Round(2.5)', 'Double 2'], ['Round(3.5)', 'Double 4'], ['Round(CInt(3))', 'Integer 3'], ['Round(CSng(1.25), 1)', 'Single 1.2'],
        ['Round(CCur(2.5))', 'Currency 2'], ['Int(1.5)', 'Double 1'], ['Int(-1.5)', 'Double -2'], ['Int(CInt(3))', 'Integer 3'],
        ['Int("2.5")', 'Double 2'], ['Fix(CSng(-1.5))', 'Single -1'], ['Fix(-1.5)', 'Double -1'], ['Abs(-32768)', 'Long 32768'],
        ['Abs(CCur(-2))', 'Currency 2'], ['Abs(-1)', 'Integer 1'], ['Abs(Empty)', 'Integer 0'], ['Sqr(4)', 'Double 2'],
        ['Exp(0)', 'Double 1'], ['Log(1)', 'Double 0'], ['Atn(0)', 'Double 0'], ['RGB(255, 0, 0)', 'Long 255'],
        ['TypeName(Timer)', 'String Single'], ['TypeName(Rnd)', 'String Single'], ['TypeName(Now)', 'String Date'],
        ['Hour(#10:30:15#)', 'Integer 10'], ['DateDiff("d", #2026/12/01#, #2026/12/06#)', 'Long 5'], ['Weekday(#2026/12/06#)', 'Integer 1'],
        ['VarType(1)', 'Integer 2'], ['Err.Number', 'Long 0'], ['Int(Null)', 'Null Null'], ['Len(Null)', 'Null Null'],
    ]);
});

test('arithmetic widens from Integer to Long to Double, as the language promotes', () => {
    expectAll([
        ['32767 + 1', 'Long 32768'], ['-32768 - 1', 'Long -32769'], ['200 * 200', 'Long 40000'], ['2147483647 + 1', 'Double 2147483648'],
        ['65536 * 65536', 'Double 4294967296'], ['Len("ab") + 1', 'Long 3'], ['1 + Len("ab")', 'Long 3'], ['Len("ab") * 2', 'Long 4'],
        ['1.5 + 1.5', 'Double 3'], ['0.5 * 4', 'Double 2'], ['CDbl(1) + 1', 'Double 2'], ['CByte(200) + CByte(55)', 'Byte 255'],
        ['CByte(200) + CByte(100)', 'Integer 300'], ['CByte(1) + 1', 'Integer 2'], ['CSng(1.5) * 2', 'Single 3'],
        ['CLng(1) + CSng(1)', 'Double 2'], ['CCur(1) + 1', 'Currency 2'], ['CCur(1) + 0.5', 'Currency 1.5'],
        ['10 / 4', 'Double 2.5'], ['4 / 2', 'Double 2'], ['10 \\ 4', 'Integer 2'], ['100000 \\ 3', 'Long 33333'], ['7.5 \\ 2', 'Long 4'],
        ['7 Mod 3', 'Integer 1'], ['-7 Mod 3', 'Integer -1'], ['7.5 Mod 2', 'Long 0'], ['2 ^ 2', 'Double 4'], ['2 ^ -1', 'Double 0.5'],
        ['-3 ^ 2', 'Double 9'], ['-(2 ^ 2)', 'Double -4'], ['"1" + 1', 'Double 2'], ['"1" + "2"', 'String 12'], ['Empty + Empty', 'Integer 0'],
        ['Empty + "a"', 'String a'], ['Empty + CLng(2)', 'Long 2'], ['True + True', 'Integer -2'], ['-CInt(-32768)', 'Long 32768'],
        ['#2026/12/06# + 1', 'Date 2026/12/07'], ['#2026/12/07# - #2026/12/06#', 'Double 1'], ['#2026/12/06# - 1', 'Date 2026/12/05'],
        ['1 & 2', 'String 12'], ['Null & "x"', 'String x'], ['Null + 1', 'Null Null'],
    ]);
    failAll([['1 / 0', 11], ['0 / 0', 6], ['1 \\ 0', 11], ['1 Mod 0', 11], ['"a" * 2', 13], ['1 + "a"', 13], ['3e9 \\ 1', 6], ['(-8) ^ (1 / 3)', 5], ['1.7E+308 * 10', 6]]);
});

test('the bit operators and Not keep whole subtypes; Null is decided where the other side decides', () => {
    expectAll([
        ['Not 5', 'Integer -6'], ['Not CLng(5)', 'Long -6'], ['Not True', 'Boolean False'], ['Not Empty', 'Integer -1'],
        ['True And 5', 'Integer 5'], ['6 And 3', 'Integer 2'], ['5 Xor 3', 'Integer 6'], ['5 Or CLng(8)', 'Long 13'],
        ['True Or False', 'Boolean True'], ['True Eqv False', 'Boolean False'], ['False Imp False', 'Boolean True'],
        ['Null Or True', 'Boolean True'], ['True Or Null', 'Boolean True'], ['Null And False', 'Boolean False'],
        ['Null Or False', 'Null Null'], ['Null And True', 'Null Null'], ['Null Xor True', 'Null Null'], ['Not Null', 'Null Null'],
        ['Null Imp True', 'Boolean True'], ['False Imp Null', 'Boolean True'], ['True Imp Null', 'Null Null'], ['Null And 0', 'Integer 0'],
    ]);
});

test('Hex and Oct write 16 bits for an Integer and 32 for a Long', () => {
    expectAll([
        ['Hex(-1)', 'String FFFF'], ['Hex(-32768)', 'String FFFF8000'], ['Hex(CInt(-32768))', 'String 8000'], ['Hex(CLng(-1))', 'String FFFFFFFF'],
        ['Hex(255)', 'String FF'], ['Hex(1.5)', 'String 2'], ['Hex(Empty)', 'String 0'], ['Hex(Null)', 'Null Null'], ['Hex(&HFFFF&)', 'String FFFF'],
        ['Oct(-1)', 'String 177777'], ['Oct(8)', 'String 10'], ['Hex(True)', 'String FFFF'],
    ]);
    failAll([['Hex(3e9)', 6], ['Hex("x")', 13], ['Oct(-3e9)', 6]]);
});

test('TypeName and VarType name every subtype', () => {
    assert.equal(value('TypeName(1) & TypeName(40000) & TypeName(1.5) & TypeName("") & TypeName(Empty) & TypeName(Null) & TypeName(Nothing) & TypeName(True)'),
        'IntegerLongDoubleStringEmptyNullNothingBoolean');
    assert.equal(value('TypeName(CSng(1)) & TypeName(CCur(1)) & TypeName(CByte(1)) & TypeName(Date) & TypeName(Array())'), 'SingleCurrencyByteDateVariant()');
    assert.deepEqual(run(`
Dim a(2)
MsgBox VarType(Empty) & " " & VarType(Null) & " " & VarType(1) & " " & VarType(40000) & " " & VarType(CSng(1)) & " " & VarType(1.5)
MsgBox VarType(CCur(1)) & " " & VarType(Now) & " " & VarType("s") & " " & VarType(Nothing) & " " & VarType(True) & " " & VarType(CByte(1)) & " " & VarType(a)
MsgBox vbEmpty & vbNull & vbInteger & vbLong & vbSingle & vbDouble & vbCurrency & vbDate & vbString & vbObject & vbError & vbBoolean & vbVariant & vbDataObject & vbDecimal & vbByte & vbArray
`), ['0 1 2 3 4 5', '6 7 8 9 11 17 8204', '01234567891011121314178192']);
});

test('numbers as text: fifteen digits for a Double, seven for a Single, four places for Currency', () => {
    expectAll([
        ['CStr(0.1 + 0.2)', 'String 0.3'], ['CStr(1E+21)', 'String 1E+21'], ['CStr(1E+15)', 'String 1E+15'], ['CStr(123456789012345)', 'String 123456789012345'],
        ['CStr(1 / 3)', 'String 0.333333333333333'], ['CStr(CSng(1) / 3)', 'String 0.3333333'], ['CStr(CSng(12345678))', 'String 1.234568E+07'],
        ['CStr(CCur(10) / CCur(4))', 'String 2.5'], ['CStr(CCur(1234567.891))', 'String 1234567.891'], ['CStr(-0.5)', 'String -0.5'], ['CStr(1.5E-10)', 'String 1.5E-10'],
    ]);
});

test('text and numbers compare as the language compares them', () => {
    // Against a literal the other side takes the literal's type; between variables a number is less than any text.
    assert.deepEqual(run(`
a = "10" : b = 10
MsgBox ("10" = 10) & " " & (a = 10) & " " & (b = "10") & " " & (a = b) & " " & (b < a) & " " & (a > b)
MsgBox ("abc" < "abd") & " " & ("B" < "a") & " " & (Empty = 0) & " " & (Empty = "") & " " & IsNull(Null = 1) & " " & (True = -1)
`), ['True True True False True True', 'True True True True True True']);
    assert.equal(errorOf('a = "abc"\nIf a = 1 Then x = 1'), 13);
});

test('Rnd repeats its sequence for a negative seed, and Randomize with a number after Rnd(-1)', () => {
    assert.equal(typed('Rnd(-1)'), 'Single 0.224007');
    const [first, again] = run(`
Rnd -1
Randomize 5
a = Rnd & " " & Rnd
Rnd -1
Randomize 5
b = Rnd & " " & Rnd
MsgBox a
MsgBox b
`);
    assert.equal(first, again);
    assert.match(first, /^0\.\d+ 0\.\d+$/);
    assert.deepEqual(run('x = Rnd(-3) : y = Rnd(0) : z = Rnd\nMsgBox (x = y) & " " & (x = z)'), ['True False']);
});

test('the script engine names itself; the constants the reference lists are there', () => {
    expectAll([
        ['ScriptEngine', 'String VBScript'], ['TypeName(ScriptEngineMajorVersion)', 'String Integer'], ['ScriptEngineMajorVersion >= 5', 'Boolean True'],
        ['TypeName(ScriptEngineMinorVersion) & TypeName(ScriptEngineBuildVersion)', 'String IntegerInteger'],
        ['vbFirstFourDays + vbFirstFullWeek', 'Integer 5'], ['vbDatabaseCompare', 'Integer 2'], ['vbMsgBoxHelpButton', 'Long 16384'],
        ['vbMsgBoxSetForeground + vbMsgBoxRight + vbMsgBoxRtlReading', 'Long 1638400'], ['vbObjectError', 'Long -2147221504'],
    ]);
});
