// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime, with the
// regional settings of Japanese Windows: two decimals for numbers and percents,
// yen without decimals, dates year first.
'use strict';
(function (root) {
    const VB = (root.__tvlvb = root.__tvlvb || {});
    const $ = VB.rt;
    const { n, raise, bankers, NULL, T, kindOf } = $;
    const B = $.B;

    const TRISTATE_DEFAULT = -2;
    const whole = (v) => {
        if (v === NULL) raise(94);
        return bankers(n(v));
    };
    // vbTrue, vbFalse or vbUseDefault.
    function tristate(v, fallback) {
        if (v === undefined) return fallback;
        const t = whole(v);
        if (t === TRISTATE_DEFAULT) return fallback;
        if (t !== 0 && t !== -1) raise(5);
        return t === -1;
    }
    function digits(v, fallback) {
        if (v === undefined) return fallback;
        const d = whole(v);
        if (d === -1) return fallback;
        if (d < -1 || d > 255) raise(5);
        return d;
    }
    // The digits after rounding half away from zero on the decimal digits the number shows
    // (1.005 is 1.01), as the formatting functions do.
    function fixed(x, places) {
        const a = Number(Math.abs(x).toPrecision(15));
        const [mantissa, exponent] = a.toExponential().split('e');
        const scaled = Math.floor(Number(mantissa + 'e' + (Number(exponent) + places)) + 0.5);
        return Number(scaled + 'e-' + places).toFixed(places);
    }
    function numeric(v) {
        const t = kindOf(v);
        if (t === T.STRING) {
            const x = $.parseNumber(v);
            if (Number.isNaN(x)) raise(13);
            return x;
        }
        if (t === T.DATE) return $.dateToNumber(v);
        return n(v);
    }
    // The number laid out: decimals, leading zero, grouping and a sign or parentheses for negatives.
    function layout(x, places, leading, parens, group, wrap) {
        let body = fixed(x, places);
        if (!leading && body.startsWith('0.')) body = body.slice(1);
        if (group) {
            const [int, frac] = body.split('.');
            body = int.replace(/\B(?=(\d{3})+(?!\d))/g, ',') + (frac !== undefined ? '.' + frac : '');
        }
        const negative = x < 0 && /[1-9]/.test(body);
        const shown = wrap(body);
        if (!negative) return shown;
        return parens ? '(' + shown + ')' : '-' + shown;
    }
    function format(v, placesArg, leadingArg, parensArg, groupArg, defaultPlaces, scale, wrap) {
        const places = digits(placesArg, defaultPlaces);
        const leading = tristate(leadingArg, true);
        const parens = tristate(parensArg, false);
        const group = tristate(groupArg, true);
        if (v === NULL) raise(13);
        return layout(numeric(v) * scale, places, leading, parens, group, wrap);
    }

    const pad = (x) => String(x).padStart(2, '0');
    const fns = {
        FormatNumber: (v, p, l, par, g) => format(v, p, l, par, g, 2, 1, (s) => s),
        FormatCurrency: (v, p, l, par, g) => format(v, p, l, par, g, 0, 1, (s) => '¥' + s),
        FormatPercent: (v, p, l, par, g) => format(v, p, l, par, g, 2, 100, (s) => s + '%'),
        FormatDateTime: (v, how) => {
            const f = how === undefined ? 0 : whole(how);
            if (f < 0 || f > 4) raise(5);
            if (v === NULL) raise(13);
            const d = $.toDate(v);
            switch (f) {
            case 1: return d.getFullYear() + '年' + (d.getMonth() + 1) + '月' + d.getDate() + '日';
            case 2: return d.getFullYear() + '/' + pad(d.getMonth() + 1) + '/' + pad(d.getDate());
            case 3: return d.getHours() + ':' + pad(d.getMinutes()) + ':' + pad(d.getSeconds());
            case 4: return pad(d.getHours()) + ':' + pad(d.getMinutes());
            default: return $.formatDate(d);
            }
        },
    };
    for (const [k, f] of Object.entries(fns)) B[k.toLowerCase()] = f;
})(typeof window !== 'undefined' ? window : globalThis);
