// Dates and the formatting functions, with the regional settings of Japanese Windows.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { typed, value, run } = require('./vb-harness.js');

const expectAll = (cases) => {
    for (const [expression, want] of cases) assert.equal(typed(expression), want, expression);
};

test('DateSerial and TimeSerial carry over, and read two-digit years as the language does', () => {
    expectAll([
        ['DateSerial(2026, 12, 6)', 'Date 2026/12/06'], ['Year(DateSerial(0, 2, 1))', 'Integer 2000'], ['Year(DateSerial(29, 1, 1))', 'Integer 2029'],
        ['Year(DateSerial(30, 1, 1))', 'Integer 1930'], ['Year(DateSerial(99, 1, 1))', 'Integer 1999'], ['DateSerial(2026, 13, 1)', 'Date 2027/01/01'],
        ['DateSerial(2026, 3, 0)', 'Date 2026/02/28'], ['DateSerial(2026, 1, -1)', 'Date 2025/12/30'], ['DateSerial(2024, 2, 29)', 'Date 2024/02/29'],
        ['TimeSerial(10, 30, 15)', 'Date 10:30:15'], ['TimeSerial(10, 90, 0)', 'Date 11:30:00'], ['CDbl(TimeSerial(12, 0, 0))', 'Double 0.5'],
        ['CDbl(#1900/01/01#)', 'Double 2'], ['CDate(-1.25)', 'Date 1899/12/29 6:00:00'], ['CDbl(DateSerial(100, 1, 1))', 'Double -657434'],
    ]);
});

test('text read as a date: year first, Japanese and English forms, times with AM, PM, 午前 and 午後', () => {
    expectAll([
        ['CDate("2026/12/06")', 'Date 2026/12/06'], ['CDate("2026-12-06 21:05")', 'Date 2026/12/06 21:05:00'], ['CDate("26/12/06")', 'Date 2026/12/06'],
        ['CDate("12/6/2026")', 'Date 2026/12/06'], ['CDate("2026年12月6日")', 'Date 2026/12/06'], ['CDate("2026年12月6日 9時5分3秒")', 'Date 2026/12/06 9:05:03'],
        ['CDate("9:05:03 PM")', 'Date 21:05:03'], ['CDate("午後 9:05")', 'Date 21:05:00'], ['CDate("12:00 AM")', 'Date 0:00:00'],
        ['CDate("Dec 6, 2026")', 'Date 2026/12/06'], ['CDate("6 December 2026")', 'Date 2026/12/06'],
        ['IsDate("2026/02/30")', 'Boolean False'], ['IsDate("2026/02/28")', 'Boolean True'], ['IsDate("hello")', 'Boolean False'], ['IsDate(5)', 'Boolean False'],
    ]);
});

test('the parts of a date, Weekday with its first day, and the names', () => {
    expectAll([
        ['Year(#2026/12/06#) & Month(#2026/12/06#) & Day(#2026/12/06#)', 'String 2026126'], ['Weekday(#2026/12/06#)', 'Integer 1'],
        ['Weekday(#2026/12/06#, vbMonday)', 'Integer 7'], ['Weekday(#2026/12/06#, vbUseSystemDayOfWeek)', 'Integer 1'],
        ['Hour(#21:30:15#) & Minute(#21:30:15#) & Second(#21:30:15#)', 'String 213015'], ['Year(Null)', 'Null Null'],
        ['MonthName(12)', 'String 12月'], ['WeekdayName(1)', 'String 日曜日'], ['WeekdayName(1, True)', 'String 日'],
        ['WeekdayName(1, False, vbMonday)', 'String 月曜日'], ['DatePart("q", #2026/12/06#)', 'Integer 4'], ['DatePart("y", #2026/02/01#)', 'Integer 32'],
        ['DatePart("w", #2026/12/06#)', 'Integer 1'], ['DatePart("ww", #2026/01/01#)', 'Integer 1'], ['DatePart("ww", #2026/12/31#)', 'Integer 53'],
        ['DatePart("ww", #2027/01/01#, vbSunday, vbFirstFullWeek)', 'Integer 52'], ['DatePart("ww", #2026/01/04#, vbSunday, vbFirstFourDays)', 'Integer 1'],
        ['DateValue("2026/12/06 10:00")', 'Date 2026/12/06'], ['TimeValue("2026/12/06 10:00")', 'Date 10:00:00'],
    ]);
});

test('DateAdd and DateDiff by interval', () => {
    expectAll([
        ['DateAdd("m", 1, #2026/01/31#)', 'Date 2026/02/28'], ['DateAdd("yyyy", 1, #2024/02/29#)', 'Date 2025/02/28'], ['DateAdd("q", -1, #2026/05/31#)', 'Date 2026/02/28'],
        ['DateAdd("d", 30, #2026/12/06#)', 'Date 2027/01/05'], ['DateAdd("ww", 1, #2026/12/06#)', 'Date 2026/12/13'], ['DateAdd("h", 25, #2026/12/06#)', 'Date 2026/12/07 1:00:00'],
        ['DateAdd("n", -1, #2026/12/06#)', 'Date 2026/12/05 23:59:00'], ['DateAdd("s", 90, #10:00:00#)', 'Date 10:01:30'],
        ['DateDiff("d", #2026/12/01#, #2026/12/06#)', 'Long 5'], ['DateDiff("yyyy", #2025/12/31#, #2026/01/01#)', 'Long 1'], ['DateDiff("m", #2026/01/31#, #2026/02/01#)', 'Long 1'],
        ['DateDiff("w", #2026/12/01#, #2026/12/15#)', 'Long 2'], ['DateDiff("ww", #2026/12/05#, #2026/12/06#)', 'Long 1'], ['DateDiff("h", #10:59:00#, #11:00:00#)', 'Long 1'],
        ['DateDiff("s", #10:00:00#, #10:01:30#)', 'Long 90'], ['DateDiff("d", #2026/12/06#, #2026/12/01#)', 'Long -5'],
    ]);
});

test('FormatNumber, FormatCurrency, FormatPercent and FormatDateTime', () => {
    expectAll([
        ['FormatNumber(1234.5)', 'String 1,234.50'], ['FormatNumber(1234.5, 0)', 'String 1,235'], ['FormatNumber(1.005, 2)', 'String 1.01'],
        ['FormatNumber(0.5, 1, vbFalse)', 'String .5'], ['FormatNumber(-1234.5, 1, , vbTrue)', 'String (1,234.5)'], ['FormatNumber(1234.5, 1, , , vbFalse)', 'String 1234.5'],
        ['FormatNumber("12")', 'String 12.00'], ['FormatNumber(-0.001)', 'String 0.00'], ['FormatCurrency(1234.5)', 'String ¥1,235'],
        ['FormatCurrency(-1234.5, 2)', 'String -¥1,234.50'], ['FormatPercent(0.1234)', 'String 12.34%'], ['FormatPercent(1, 0)', 'String 100%'],
        ['FormatDateTime(#2026/12/06 09:05:03#)', 'String 2026/12/06 9:05:03'], ['FormatDateTime(#2026/12/06 09:05:03#, vbLongDate)', 'String 2026年12月6日'],
        ['FormatDateTime(#2026/12/06 09:05:03#, vbShortDate)', 'String 2026/12/06'], ['FormatDateTime(#2026/12/06 09:05:03#, vbLongTime)', 'String 9:05:03'],
        ['FormatDateTime(#2026/12/06 09:05:03#, vbShortTime)', 'String 09:05'], ['FormatDateTime(#2026/12/06#)', 'String 2026/12/06'],
    ]);
});

test('Now, Date, Time and Timer tell the present', () => {
    const [now, date, time, timer] = run('MsgBox CDbl(Now)\nMsgBox CDbl(Date)\nMsgBox CDbl(Time)\nMsgBox Timer');
    const days = Number(now);
    const expected = (Date.now() - new Date(1899, 11, 30).getTime()) / 864e5;
    assert.ok(Math.abs(days - expected) < 2, now);
    assert.equal(Number(date), Math.floor(days));
    assert.ok(Math.abs(Number(time) - (days - Math.floor(days))) < 0.001);
    assert.ok(Math.abs(Number(timer) - (days - Math.floor(days)) * 86400) < 60);
    assert.equal(value('Year(Now) = Year(Date)'), true);
});
