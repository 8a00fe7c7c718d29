// Dates: reading them from text as a Japanese system does (year first), and the
// language's date and time functions. A Date is a JavaScript Date in local time;
// the time of day alone is a Date on 1899/12/30.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = VB.rt;
    const { n, str, raise, bankers, NULL, VbNumber, box, T, numberToDate, dateToNumber } = $;
    const B = $.B;

    // Any year, months and days past their ends carried over as the language does.
    function makeDate(y, month0, day, h = 0, mi = 0, s = 0) {
        const d = new Date(2000, 0, 1, 0, 0, 0, 0);
        d.setFullYear(y, month0, day);
        d.setHours(h, mi, s, 0);
        return d;
    }
    const inRange = (d) => {
        const y = d.getFullYear();
        return y >= 100 && y <= 9999;
    };
    const checked = (d) => {
        if (Number.isNaN(d.getTime()) || !inRange(d)) raise(5);
        return d;
    };
    // Two-digit years: 00 to 29 are this century's, 30 to 99 the last.
    const fullYear = (y) => (y < 30 ? 2000 + y : y < 100 ? 1900 + y : y);

    const MONTHS = ['jan', 'feb', 'mar', 'apr', 'may', 'jun', 'jul', 'aug', 'sep', 'oct', 'nov', 'dec'];
    const TIME = /^(午前|午後)?\s*(\d{1,2})(?::|時)(\d{1,2})(?:(?::|分)(\d{1,2})(?:秒)?)?(?:分)?\s*([AaPp][Mm]?)?$/;
    function hours(h, ampm, jp) {
        let x = parseInt(h, 10);
        const pm = ampm ? /^p/i.test(ampm) : jp === '午後';
        const am = ampm ? /^a/i.test(ampm) : jp === '午前';
        if (pm && x < 12) x += 12;
        if (am && x === 12) x = 0;
        return x;
    }
    function parseTime(text) {
        const t = TIME.exec(text.trim());
        if (!t) return null;
        const h = hours(t[2], t[5], t[1]);
        const mi = +t[3];
        const s = +(t[4] || 0);
        if (h > 23 || mi > 59 || s > 59) return null;
        return [h, mi, s];
    }
    function validDate(y, m, d) {
        if (m < 1 || m > 12 || d < 1 || d > 31 || y < 100 || y > 9999) return null;
        const date = makeDate(y, m - 1, d);
        return date.getMonth() === m - 1 ? date : null;
    }
    // Three numbers of a date: year first as in Japan, else month, day, year.
    function fromParts(parts, texts) {
        if (parts.length === 2) {
            const [a, b] = parts;
            if (texts[0].length >= 3 || a > 31) return validDate(fullYear(a), b, 1);
            return validDate(new Date().getFullYear(), a, b) || validDate(fullYear(a), b, 1);
        }
        const [a, b, c] = parts;
        if (texts[2].length >= 3 || (texts[0].length <= 2 && c > 31)) {
            return validDate(fullYear(c), a, b) || validDate(fullYear(c), b, a);
        }
        return validDate(fullYear(a), b, c) || validDate(fullYear(c), a, b) || validDate(fullYear(c), b, a);
    }
    function parseDateOnly(text) {
        const t = text.trim();
        let m = /^(\d{1,4})\s*年\s*(\d{1,2})\s*月(?:\s*(\d{1,2})\s*日)?$/.exec(t);
        if (m) return validDate(fullYear(+m[1]), +m[2], +(m[3] || 1));
        m = /^(\d{1,2})\s*月\s*(\d{1,2})\s*日$/.exec(t);
        if (m) return validDate(new Date().getFullYear(), +m[1], +m[2]);
        m = /^(\d{1,4})[/.-](\d{1,2})(?:[/.-](\d{1,4}))?$/.exec(t);
        if (m) {
            const texts = m.slice(1).filter((x) => x !== undefined);
            return fromParts(texts.map(Number), texts);
        }
        // English month names: "Dec 6, 2026", "6 December 2026".
        m = /^([A-Za-z]{3,})\.?\s+(\d{1,2}),?\s+(\d{1,4})$/.exec(t) || null;
        if (m) {
            const mo = MONTHS.indexOf(m[1].slice(0, 3).toLowerCase());
            return mo < 0 ? null : validDate(fullYear(+m[3]), mo + 1, +m[2]);
        }
        m = /^(\d{1,2})\s+([A-Za-z]{3,})\.?,?\s+(\d{1,4})$/.exec(t);
        if (m) {
            const mo = MONTHS.indexOf(m[2].slice(0, 3).toLowerCase());
            return mo < 0 ? null : validDate(fullYear(+m[3]), mo + 1, +m[1]);
        }
        return null;
    }
    // A date, a time, or both, from text; null when it is none of them.
    $.parseDate = (text) => {
        const t = String(text).trim();
        if (t === '') return null;
        const time = parseTime(t);
        if (time) return makeDate(1899, 11, 30, ...time);
        // The date part ends where a time begins.
        const m = /^(.*?\d|.*?日)\s+((?:午前|午後)?\s*\d{1,2}(?::|時)[\d:時分秒\s]*(?:[AaPp][Mm]?)?)$/.exec(t);
        if (m) {
            const day = parseDateOnly(m[1]);
            const at = parseTime(m[2]);
            if (day && at) return makeDate(day.getFullYear(), day.getMonth(), day.getDate(), ...at);
        }
        return parseDateOnly(t);
    };
    function toDate(v) {
        if (v instanceof Date) return v;
        if (v === NULL) raise(94);
        if (typeof v === 'string') {
            const d = $.parseDate(v);
            if (d) return d;
            raise(13);
        }
        if (v !== null && typeof v === 'object' && !(v instanceof VbNumber) && !Array.isArray(v)) return toDate($.defaultValue(v));
        return numberToDate(n(v));
    }
    $.toDate = toDate;
    $.dateLiteral = (text) => {
        const d = $.parseDate(text);
        if (!d) throw new VB.VbSyntaxError(1063, 0, 0);
        return d;
    };

    const whole = (v) => {
        if (v === NULL) raise(94);
        return bankers(n(v));
    };
    const LONG = (x) => box(x, T.LONG);
    const part = (v, f) => (v === NULL ? NULL : f(toDate(v)));
    const INTERVALS = { yyyy: 'yyyy', q: 'q', m: 'm', y: 'y', d: 'd', w: 'w', ww: 'ww', h: 'h', n: 'n', s: 's' };
    function interval(v) {
        const i = INTERVALS[str(v).toLowerCase()];
        if (!i) raise(5);
        return i;
    }
    // vbSunday .. vbSaturday; 0 is the system's first day, Sunday in Japan.
    function firstDay(v) {
        if (v === undefined) return 1;
        const f = whole(v);
        if (f < 0 || f > 7) raise(5);
        return f === 0 ? 1 : f;
    }
    function firstWeek(v) {
        if (v === undefined) return 1;
        const f = whole(v);
        if (f < 0 || f > 3) raise(5);
        return f === 0 ? 1 : f;
    }
    const weekday = (d, first) => ((d.getDay() + 1 - first + 7) % 7) + 1;
    const dayNumber = (d) => Math.floor(dateToNumber(d) + 1e-9);
    function dayOfYear(d) {
        return dayNumber(d) - dayNumber(makeDate(d.getFullYear(), 0, 1)) + 1;
    }
    // The week of the year by the first day of the week and the rule for the year's first week.
    function weekOfYear(d, first, rule) {
        const jan1 = makeDate(d.getFullYear(), 0, 1);
        const lead = weekday(jan1, first) - 1; // days of the week before 1 January
        let start = dayNumber(jan1) - lead; // the first day of the week holding 1 January
        if (rule === 2 && 7 - lead < 4) start += 7;
        if (rule === 3 && lead > 0) start += 7;
        const week = Math.floor((dayNumber(d) - start) / 7) + 1;
        if (week < 1) return weekOfYear(makeDate(d.getFullYear() - 1, 11, 31), first, rule);
        return week;
    }
    const DAY_NAMES = '日月火水木金土';

    const fns = {
        Now: () => { const d = new Date(); d.setMilliseconds(0); return d; },
        Date: () => { const d = new Date(); return makeDate(d.getFullYear(), d.getMonth(), d.getDate()); },
        Time: () => { const d = new Date(); return makeDate(1899, 11, 30, d.getHours(), d.getMinutes(), d.getSeconds()); },
        Timer: () => {
            const d = new Date();
            return new VbNumber(Math.fround(d.getHours() * 3600 + d.getMinutes() * 60 + d.getSeconds() + Math.floor(d.getMilliseconds() / 10) / 100), T.SINGLE);
        },
        Hour: (v) => part(v, (d) => d.getHours()),
        Minute: (v) => part(v, (d) => d.getMinutes()),
        Second: (v) => part(v, (d) => d.getSeconds()),
        Day: (v) => part(v, (d) => d.getDate()),
        Month: (v) => part(v, (d) => d.getMonth() + 1),
        Year: (v) => part(v, (d) => d.getFullYear()),
        Weekday: (v, first) => {
            const f = firstDay(first);
            return part(v, (d) => weekday(d, f));
        },
        MonthName: (m, abbreviate) => {
            const k = whole(m);
            if (k < 1 || k > 12) raise(5);
            void abbreviate;
            return k + '月';
        },
        WeekdayName: (w, abbreviate, first) => {
            const k = whole(w);
            if (k < 1 || k > 7) raise(5);
            const f = firstDay(first);
            const name = DAY_NAMES.charAt((k - 1 + f - 1) % 7);
            return abbreviate !== undefined && $.b(abbreviate) ? name : name + '曜日';
        },
        DateSerial: (y, m, d) => {
            const year = whole(y);
            if (year < 0) raise(5);
            return checked(makeDate(fullYear(year), whole(m) - 1, whole(d)));
        },
        TimeSerial: (h, m, s) => numberToDate((whole(h) * 3600 + whole(m) * 60 + whole(s)) / 86400),
        DateValue: (v) => part(v, (d) => makeDate(d.getFullYear(), d.getMonth(), d.getDate())),
        TimeValue: (v) => part(v, (d) => makeDate(1899, 11, 30, d.getHours(), d.getMinutes(), d.getSeconds())),
        IsDate: (v) => v instanceof Date || (typeof v === 'string' && $.parseDate(v) !== null),
        DateAdd: (iv, k, v) => {
            const which = interval(iv);
            const c = whole(k);
            if (v === NULL) return NULL;
            const from = toDate(v);
            const y = from.getFullYear();
            const mo = from.getMonth();
            const at = [from.getHours(), from.getMinutes(), from.getSeconds()];
            const months = (count) => {
                const target = makeDate(y, mo + count, 1);
                const last = makeDate(target.getFullYear(), target.getMonth() + 1, 0).getDate();
                return makeDate(target.getFullYear(), target.getMonth(), Math.min(from.getDate(), last), ...at);
            };
            let d;
            switch (which) {
            case 'yyyy': d = months(12 * c); break;
            case 'q': d = months(3 * c); break;
            case 'm': d = months(c); break;
            case 'y': case 'd': case 'w': d = makeDate(y, mo, from.getDate() + c, ...at); break;
            case 'ww': d = makeDate(y, mo, from.getDate() + 7 * c, ...at); break;
            case 'h': d = numberToDate(dateToNumber(from) + c / 24); break;
            case 'n': d = numberToDate(dateToNumber(from) + c / 1440); break;
            default: d = numberToDate(dateToNumber(from) + c / 86400); break;
            }
            return checked(d);
        },
        DateDiff: (iv, a, c, first, rule) => {
            const which = interval(iv);
            const f = firstDay(first);
            firstWeek(rule);
            if (a === NULL || c === NULL) return NULL;
            const x = toDate(a);
            const y = toDate(c);
            const seconds = (d) => Math.round(dateToNumber(d) * 86400);
            switch (which) {
            case 'yyyy': return LONG(y.getFullYear() - x.getFullYear());
            case 'q': return LONG((y.getFullYear() * 4 + Math.floor(y.getMonth() / 3)) - (x.getFullYear() * 4 + Math.floor(x.getMonth() / 3)));
            case 'm': return LONG((y.getFullYear() * 12 + y.getMonth()) - (x.getFullYear() * 12 + x.getMonth()));
            case 'y': case 'd': return LONG(dayNumber(y) - dayNumber(x));
            case 'w': return LONG(Math.trunc((dayNumber(y) - dayNumber(x)) / 7));
            case 'ww': {
                // Weeks begun between them, by the first day of the week.
                const weekStart = (d) => dayNumber(d) - (weekday(d, f) - 1);
                return LONG(Math.round((weekStart(y) - weekStart(x)) / 7));
            }
            case 'h': return LONG(Math.floor(seconds(y) / 3600) - Math.floor(seconds(x) / 3600));
            case 'n': return LONG(Math.floor(seconds(y) / 60) - Math.floor(seconds(x) / 60));
            default: return LONG(seconds(y) - seconds(x));
            }
        },
        DatePart: (iv, v, first, rule) => {
            const which = interval(iv);
            const f = firstDay(first);
            const r = firstWeek(rule);
            return part(v, (d) => {
                switch (which) {
                case 'yyyy': return d.getFullYear();
                case 'q': return Math.floor(d.getMonth() / 3) + 1;
                case 'm': return d.getMonth() + 1;
                case 'y': return dayOfYear(d);
                case 'd': return d.getDate();
                case 'w': return weekday(d, f);
                case 'ww': return weekOfYear(d, f, r);
                case 'h': return d.getHours();
                case 'n': return d.getMinutes();
                default: return d.getSeconds();
                }
            });
        },
    };
    for (const [k, f] of Object.entries(fns)) B[k.toLowerCase()] = f;
    $.makeDate = makeDate;
})(typeof window !== 'undefined' ? window : globalThis);
