// Run mode only: the visual filters of the page's style attributes
// (filter: revealTrans(...) Shadow(...) ...) as element.filters, drawn with
// CSS filters and masks, and the reveal and blend transitions played on them.
// Standard DOM and CSS only, so that the same drawing works in any of today's browsers.
'use strict';
(function () {
    if (location.protocol === 'tvl:' && /-[a-z]*e[a-z]*$/.test(location.hostname)) return; // edit mode
    const VB = window.__tvlvb;
    if (!VB || VB.filtersReady) return;
    VB.filtersReady = true;

    // ---- reading "filter:" from the style attribute's own text
    const KINDS = {
        revealtrans: 'revealTrans', blendtrans: 'blendTrans', shadow: 'Shadow', glow: 'Glow', wave: 'Wave',
        alpha: 'Alpha', dropshadow: 'DropShadow', redirect: 'redirect', gray: 'Gray', invert: 'Invert',
        fliph: 'FlipH', flipv: 'FlipV', blur: 'Blur', light: 'Light',
    };
    const DEFAULTS = {
        revealTrans: { Transition: 0, Duration: 1 },
        blendTrans: { Duration: 1 },
        Shadow: { Color: '#666666', Direction: 225, Strength: 5 },
        Glow: { Color: '#ff0000', Strength: 5 },
        Wave: { Add: 0, Freq: 3, LightStrength: 100, Phase: 0, Strength: 5 },
        Alpha: { Opacity: 100, FinishOpacity: 0, Style: 0, StartX: 0, StartY: 0, FinishX: 100, FinishY: 100 },
        DropShadow: { Color: '#000000', OffX: 5, OffY: 5, Positive: 1 },
        Blur: { Add: 1, Direction: 270, Strength: 5 },
        redirect: {}, Gray: {}, Invert: {}, FlipH: {}, FlipV: {}, Light: {},
    };

    function filterText(el) {
        const style = el.getAttribute('style') || '';
        const m = /(?:^|;)\s*filter\s*:\s*([^;]*)/i.exec(style);
        return m ? m[1] : '';
    }
    function parseFilters(text) {
        const out = [];
        const re = /(?:progid\s*:\s*DXImageTransform\.Microsoft\.)?([A-Za-z]+)\s*(?:\(([^)]*)\))?/g;
        let m;
        while ((m = re.exec(text)) !== null) {
            const kind = KINDS[m[1].toLowerCase()];
            if (!kind) continue;
            const params = {};
            for (const part of (m[2] || '').split(',')) {
                const eq = part.indexOf('=');
                if (eq < 0) continue;
                params[part.slice(0, eq).trim().toLowerCase()] = part.slice(eq + 1).trim().replace(/^['"]|['"]$/g, '');
            }
            out.push({ kind, params });
        }
        return out;
    }

    // ---- colours as the filters take them: names, #rrggbb, #aarrggbb
    function cssColor(v) {
        const s = String(v).trim();
        if (/^#[0-9a-f]{8}$/i.test(s)) {
            const a = parseInt(s.slice(1, 3), 16) / 255;
            return 'rgba(' + parseInt(s.slice(3, 5), 16) + ',' + parseInt(s.slice(5, 7), 16) + ',' + parseInt(s.slice(7, 9), 16) + ',' + a.toFixed(3) + ')';
        }
        if (/^[0-9a-f]{6}$/i.test(s)) return '#' + s;
        if (typeof v === 'number') {
            const n = v >>> 0;
            return 'rgb(' + (n & 255) + ',' + ((n >> 8) & 255) + ',' + ((n >> 16) & 255) + ')';
        }
        return s;
    }
    const num = (v, d) => {
        const x = Number(v);
        return Number.isFinite(x) ? x : d;
    };

    // ---- drawing the static filters
    // A mask by the standard property, and by the prefixed one for engines that only know that.
    function setMask(style, image, size) {
        style.maskImage = image;
        style.webkitMaskImage = image;
        style.maskSize = size;
        style.webkitMaskSize = size;
    }
    let svgHolder = null;
    let svgCount = 0;
    // Wave: each row of the content shifted sideways along a sine running down the element
    // (Freq waves over its height, starting at Phase percent of a wave, Strength pixels either
    // way), rows lit and darkened with the wave by LightStrength, over the content when Add.
    function waveFilter(el, f) {
        const w = Math.max(1, el.offsetWidth);
        const h = Math.max(1, el.offsetHeight);
        const canvas = document.createElement('canvas');
        canvas.width = 1;
        canvas.height = Math.min(h, 512);
        const g = canvas.getContext('2d');
        const freq = num(f.Freq, 3);
        const phase = num(f.Phase, 0) / 100 * 2 * Math.PI;
        for (let y = 0; y < canvas.height; y++) {
            const v = Math.round(128 + 127 * Math.sin(2 * Math.PI * freq * y / canvas.height + phase));
            g.fillStyle = 'rgb(' + v + ',128,128)';
            g.fillRect(0, y, 1, 1);
        }
        if (!svgHolder) {
            svgHolder = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
            svgHolder.setAttribute('width', '0');
            svgHolder.setAttribute('height', '0');
            svgHolder.setAttribute('aria-hidden', 'true');
            svgHolder.style.position = 'absolute';
        }
        if (!svgHolder.isConnected) (document.body || document.documentElement).appendChild(svgHolder);
        let id = el.__tvlWaveId;
        if (!id) { id = 'tvl-wave-' + (++svgCount); el.__tvlWaveId = id; }
        let filter = svgHolder.querySelector('#' + id);
        if (!filter) {
            filter = document.createElementNS('http://www.w3.org/2000/svg', 'filter');
            filter.id = id;
            filter.setAttribute('x', '-10%');
            filter.setAttribute('width', '120%');
            // The map's values are offsets as they stand, not light to be converted.
            filter.setAttribute('color-interpolation-filters', 'sRGB');
            svgHolder.appendChild(filter);
        }
        const strength = num(f.Strength, 5);
        const light = Math.max(0, Math.min(100, num(f.LightStrength, 100))) / 100 * 0.6;
        const add = f.Add === true || /^(1|true|-1)$/i.test(String(f.Add));
        filter.innerHTML = '<feImage href="' + canvas.toDataURL() + '" x="0" y="0" width="' + w + '" height="' + h + '" preserveAspectRatio="none" result="m"/>' +
            '<feDisplacementMap in="SourceGraphic" in2="m" scale="' + (strength * 2) + '" xChannelSelector="R" yChannelSelector="G" result="w"/>' +
            '<feColorMatrix in="m" type="matrix" values="1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 0 0 0 1 0" result="l"/>' +
            '<feComposite in="w" in2="l" operator="arithmetic" k1="0" k2="1" k3="' + light + '" k4="' + (-light / 2) + '" result="lit"/>' +
            '<feComposite in="lit" in2="w" operator="in" result="waved"/>' +
            (add ? '<feMerge><feMergeNode in="SourceGraphic"/><feMergeNode in="waved"/></feMerge>' : '');
        return 'url(#' + id + ')';
    }
    // Alpha: Opacity over the whole (Style 0), or a gradient to FinishOpacity: along the line
    // from StartX,StartY to FinishX,FinishY in percent of the element (1), from the middle out
    // to the middles of the sides (2), from the sides in to the middle (3).
    function alphaMask(el, f) {
        const a = Math.max(0, Math.min(100, num(f.Opacity, 100))) / 100;
        const b = Math.max(0, Math.min(100, num(f.FinishOpacity, 0))) / 100;
        const c = (x) => 'rgba(0,0,0,' + x + ')';
        switch (num(f.Style, 0)) {
        case 1: {
            const w = Math.max(1, el.offsetWidth);
            const h = Math.max(1, el.offsetHeight);
            const x0 = num(f.StartX, 0) * w / 100;
            const y0 = num(f.StartY, 0) * h / 100;
            const dx = num(f.FinishX, 100) * w / 100 - x0;
            const dy = num(f.FinishY, 100) * h / 100 - y0;
            if (dx === 0 && dy === 0) return c(a);
            const angle = Math.atan2(dx, -dy);
            const ux = Math.sin(angle);
            const uy = -Math.cos(angle);
            const length = Math.abs(w * ux) + Math.abs(h * uy);
            const at = (x, y) => (((x - w / 2) * ux + (y - h / 2) * uy) / length + 0.5) * 100;
            return 'linear-gradient(' + (angle * 180 / Math.PI).toFixed(2) + 'deg,' + c(a) + ' ' + at(x0, y0).toFixed(2) + '%,' +
                c(b) + ' ' + at(x0 + dx, y0 + dy).toFixed(2) + '%)';
        }
        case 2: return 'radial-gradient(closest-side,' + c(a) + ',' + c(b) + ')';
        case 3: {
            // Drawn on a small square and stretched over the element: the lines of equal opacity are its own shape.
            const n = 64;
            const canvas = document.createElement('canvas');
            canvas.width = n;
            canvas.height = n;
            const g = canvas.getContext('2d');
            const pixels = g.createImageData(n, n);
            for (let y = 0; y < n; y++) {
                for (let x = 0; x < n; x++) {
                    const t = Math.min(x + 0.5, n - x - 0.5, y + 0.5, n - y - 0.5) / (n / 2);
                    pixels.data[(y * n + x) * 4 + 3] = Math.round((a + (b - a) * t) * 255);
                }
            }
            g.putImageData(pixels, 0, 0);
            return 'url(' + canvas.toDataURL() + ')';
        }
        default: return null;
        }
    }
    function render(el) {
        const state = stateOf(el);
        const parts = [];
        let mask = null;
        let opacity = null;
        let transform = null;
        for (const f of state.list) {
            if (f.enabled === false || f.enabled === 0) continue;
            switch (f.kind) {
            case 'Shadow': {
                // A solid silhouette of the content in Color, drawn out Strength pixels toward
                // Direction (0 up, 90 right, in steps of 45 degrees).
                const s = Math.max(0, Math.min(100, Math.round(num(f.Strength, 5))));
                const d = ((Math.round(num(f.Direction, 225) / 45) % 8) + 8) % 8;
                const step = [0, 1, 1, 1, 0, -1, -1, -1][d] + 'px ' + [-1, -1, 0, 1, 1, 1, 0, -1][d] + 'px 0 ' + cssColor(f.Color);
                for (let i = 0; i < s; i++) parts.push('drop-shadow(' + step + ')');
                break;
            }
            case 'DropShadow':
                parts.push('drop-shadow(' + num(f.OffX, 5) + 'px ' + num(f.OffY, 5) + 'px 0 ' + cssColor(f.Color) + ')');
                break;
            case 'Glow': {
                // A halo in Color around the content, fading out over Strength pixels.
                const s = Math.max(0, num(f.Strength, 5));
                if (s > 0) {
                    const colour = cssColor(f.Color);
                    parts.push('drop-shadow(0 0 ' + Math.max(1, s / 4) + 'px ' + colour + ')', 'drop-shadow(0 0 ' + (s / 2) + 'px ' + colour + ')',
                        'drop-shadow(0 0 ' + s + 'px ' + colour + ')');
                }
                break;
            }
            case 'Wave': parts.push(waveFilter(el, f)); break;
            case 'Blur': parts.push('blur(' + (num(f.Strength, 5) / 2) + 'px)'); break;
            case 'Gray': parts.push('grayscale(1)'); break;
            case 'Invert': parts.push('invert(1)'); break;
            case 'FlipH': transform = (transform || '') + ' scaleX(-1)'; break;
            case 'FlipV': transform = (transform || '') + ' scaleY(-1)'; break;
            case 'Alpha': {
                const m = alphaMask(el, f);
                if (m) mask = m; else opacity = Math.max(0, Math.min(100, num(f.Opacity, 100))) / 100;
                break;
            }
            default: break;
            }
        }
        el.style.filter = parts.join(' ');
        if (mask !== null || state.hadMask) {
            setMask(el.style, mask || '', mask ? '100% 100%' : '');
            state.hadMask = mask !== null;
        }
        if (opacity !== null || state.hadOpacity) {
            if (!state.transitioning) el.style.opacity = opacity === null ? '' : String(opacity);
            state.hadOpacity = opacity !== null;
        }
        if (transform !== null) el.style.transform = transform;
    }

    // ---- transitions
    // Which part of the new picture shows at progress p (0..1), drawn white on a mask.
    function drawReveal(g, kind, w, h, p, random) {
        g.fillStyle = '#fff';
        const R = Math.hypot(w, h) / 2;
        const cells = (nx, ny, visible) => {
            const cw = w / nx;
            const ch = h / ny;
            for (let x = 0; x < nx; x++) for (let y = 0; y < ny; y++) if (visible(x, y)) g.fillRect(x * cw, y * ch, cw + 0.5, ch + 0.5);
        };
        switch (kind) {
        case 0: g.fillRect(0, 0, w, h); g.clearRect(w * p / 2, h * p / 2, w * (1 - p), h * (1 - p)); break;
        case 1: g.fillRect(w * (1 - p) / 2, h * (1 - p) / 2, w * p, h * p); break;
        case 2: g.fillRect(0, 0, w, h); g.globalCompositeOperation = 'destination-out'; g.beginPath(); g.arc(w / 2, h / 2, R * (1 - p), 0, 2 * Math.PI); g.fill(); g.globalCompositeOperation = 'source-over'; break;
        case 3: g.beginPath(); g.arc(w / 2, h / 2, R * p, 0, 2 * Math.PI); g.fill(); break;
        case 4: g.fillRect(0, h * (1 - p), w, h * p); break;
        case 5: g.fillRect(0, 0, w, h * p); break;
        case 6: g.fillRect(0, 0, w * p, h); break;
        case 7: g.fillRect(w * (1 - p), 0, w * p, h); break;
        case 8: for (let i = 0; i < 10; i++) g.fillRect(i * w / 10, 0, w / 10 * p, h); break;
        case 9: for (let i = 0; i < 10; i++) g.fillRect(0, i * h / 10, w, h / 10 * p); break;
        case 10: {
            const s = Math.max(4, w / 8);
            for (let y = 0, r = 0; y < h; y += s, r++) for (let x = -(r % 2) * s; x < w; x += 2 * s) g.fillRect(x, y, 2 * s * p, s);
            break;
        }
        case 11: {
            const s = Math.max(4, h / 8);
            for (let x = 0, c = 0; x < w; x += s, c++) for (let y = -(c % 2) * s; y < h; y += 2 * s) g.fillRect(x, y, s, 2 * s * p);
            break;
        }
        case 12: {
            const n = random.length;
            const nx = Math.ceil(Math.sqrt(n * w / Math.max(1, h)));
            const ny = Math.ceil(n / nx);
            cells(nx, ny, (x, y) => random[(y * nx + x) % n] < p);
            break;
        }
        case 13: g.fillRect(0, 0, w * p / 2, h); g.fillRect(w - w * p / 2, 0, w * p / 2, h); break;
        case 14: g.fillRect(w * (1 - p) / 2, 0, w * p, h); break;
        case 15: g.fillRect(0, 0, w, h * p / 2); g.fillRect(0, h - h * p / 2, w, h * p / 2); break;
        case 16: g.fillRect(0, h * (1 - p) / 2, w, h * p); break;
        case 17: cells(16, 16, (x, y) => (15 - x) + y < p * 31 + 0.5); break;
        case 18: cells(16, 16, (x, y) => (15 - x) + (15 - y) < p * 31 + 0.5); break;
        case 19: cells(16, 16, (x, y) => x + y < p * 31 + 0.5); break;
        case 20: cells(16, 16, (x, y) => x + (15 - y) < p * 31 + 0.5); break;
        case 21: { const n = Math.max(1, Math.round(h / 2)); for (let i = 0; i < n; i++) if (random[i % random.length] < p) g.fillRect(0, i * h / n, w, h / n + 0.5); break; }
        case 22: { const n = Math.max(1, Math.round(w / 2)); for (let i = 0; i < n; i++) if (random[i % random.length] < p) g.fillRect(i * w / n, 0, w / n + 0.5, h); break; }
        default: g.fillRect(0, 0, w * p, h); break;
        }
    }

    function maskFrame(kind, w, h, p, random, inverse) {
        const scale = Math.min(1, 256 / Math.max(w, h, 1));
        const cw = Math.max(1, Math.round(w * scale));
        const ch = Math.max(1, Math.round(h * scale));
        const canvas = document.createElement('canvas');
        canvas.width = cw;
        canvas.height = ch;
        const g = canvas.getContext('2d');
        if (p >= 1) g.fillRect(0, 0, cw, ch);
        else if (p > 0) drawReveal(g, kind, cw, ch, p, random);
        if (inverse) {
            g.globalCompositeOperation = 'xor';
            g.fillStyle = '#fff';
            g.fillRect(0, 0, cw, ch);
        }
        return 'url(' + canvas.toDataURL() + ')';
    }

    // What the element looked like when Apply was called, laid over it until Play ends.
    function snapshot(el) {
        if (getComputedStyle(el).visibility === 'hidden' || getComputedStyle(el).display === 'none') return null;
        const copy = el.cloneNode(true);
        // The copy answers to none of the page's names and runs none of its handlers.
        for (const part of [copy, ...copy.querySelectorAll('*')]) {
            for (const a of [...part.attributes]) if (a.name === 'id' || a.name === 'name' || a.name.startsWith('on')) part.removeAttribute(a.name);
        }
        const cs = getComputedStyle(el);
        copy.style.position = 'absolute';
        copy.style.left = '0px';
        copy.style.top = '0px';
        copy.style.width = el.offsetWidth + 'px';
        copy.style.height = el.offsetHeight + 'px';
        copy.style.margin = '0';
        copy.style.boxSizing = 'border-box';
        copy.style.pointerEvents = 'none';
        copy.style.zIndex = String((parseInt(cs.zIndex, 10) || 0) + 1);
        copy.style.filter = el.style.filter;
        copy.__tvlSnapshot = true;
        el.parentNode.insertBefore(copy, el.nextSibling);
        // offsetLeft counts from a table cell, the copy from its containing block: measure both.
        const at = el.getBoundingClientRect();
        const placed = copy.getBoundingClientRect();
        copy.style.left = (at.left - placed.left) + 'px';
        copy.style.top = (at.top - placed.top) + 'px';
        return copy;
    }

    function transitionObject(el, state, f) {
        f.status = 0;
        f.Apply = () => {
            finish(el, f);
            f.before = snapshot(el);
            f.savedOpacity = el.style.opacity;
            el.style.opacity = '0';
            state.transitioning = true;
            f.status = 1;
        };
        f.Play = (duration) => {
            if (f.status !== 1) f.Apply();
            const seconds = duration === undefined || duration === null ? num(f.Duration, 1) : num(duration, num(f.Duration, 1));
            el.style.opacity = f.savedOpacity || '';
            f.status = 2;
            const kind = f.kind === 'blendTrans' ? -1 : (num(f.Transition, 0) === 23 ? Math.floor(Math.random() * 23) : Math.max(0, Math.min(22, Math.round(num(f.Transition, 0)))));
            const random = Array.from({ length: 400 }, Math.random);
            const run = {};
            f.run = run;
            let began = null;
            const step = () => {
                if (f.status !== 2 || f.run !== run) return;
                const p = began === null ? 0 : Math.min(1, (performance.now() - began) / Math.max(1, seconds * 1000));
                if (kind < 0) {
                    el.style.opacity = String(p * (f.savedOpacity ? Number(f.savedOpacity) : 1));
                    if (f.before) f.before.style.opacity = String(1 - p);
                } else {
                    const w = el.offsetWidth;
                    const h = el.offsetHeight;
                    setMask(el.style, maskFrame(kind, w, h, p, random, false), '100% 100%');
                    if (f.before) setMask(f.before.style, maskFrame(kind, w, h, p, random, true), '100% 100%');
                }
                if (p >= 1) finish(el, f);
                // A timer rather than animation frames: a hidden page finishes its transitions too.
                else if (began !== null) f.frame = setTimeout(step, 16);
            };
            const start = () => {
                if (f.status !== 2 || f.run !== run || began !== null) return;
                began = performance.now();
                step();
            };
            step();
            // A picture whose source has just changed plays once it can be drawn, as the target
            // browser waited for its download: a slow picture would otherwise pop in at the end.
            if (el instanceof HTMLImageElement && !el.complete && typeof el.decode === 'function') el.decode().then(start, start);
            else start();
        };
        f.Stop = () => finish(el, f);
        f.apply = f.Apply;
        f.play = f.Play;
        f.stop = f.Stop;
    }
    function finish(el, f) {
        if (f.frame) clearTimeout(f.frame);
        f.frame = 0;
        const wasPlaying = f.status === 2;
        if (f.before) { f.before.remove(); f.before = null; }
        if (f.status !== 0) {
            el.style.opacity = f.savedOpacity || '';
            setMask(el.style, '', '');
        }
        const state = stateOf(el);
        state.transitioning = false;
        f.status = 0;
        render(el);
        if (wasPlaying) {
            el.dispatchEvent(new Event('filterchange'));
            if (typeof el.onfilterchange === 'function') el.onfilterchange(new Event('filterchange'));
        }
    }

    // ---- element.filters
    const states = new WeakMap();
    function stateOf(el) {
        let s = states.get(el);
        if (s) return s;
        s = { list: [], hadMask: false, hadOpacity: false, transitioning: false };
        states.set(el, s);
        for (const { kind, params } of parseFilters(filterText(el))) {
            const f = { kind };
            const values = Object.assign({}, DEFAULTS[kind] || {});
            for (const name of Object.keys(values)) {
                const given = params[name.toLowerCase()];
                if (given !== undefined) values[name] = /^-?\d+(\.\d+)?$/.test(given) ? Number(given) : given;
            }
            values.enabled = params.enabled === undefined ? true : !/^(false|0)$/i.test(params.enabled);
            for (const name of Object.keys(values)) {
                let v = values[name];
                const property = {
                    get: () => v,
                    set: (x) => { v = x; if (!s.transitioning || f.kind === 'revealTrans' || f.kind === 'blendTrans') render(el); },
                    enumerable: true,
                    configurable: true,
                };
                Object.defineProperty(f, name, property);
                if (name.toLowerCase() !== name) Object.defineProperty(f, name.toLowerCase(), property);
            }
            if (kind === 'revealTrans' || kind === 'blendTrans') transitionObject(el, s, f);
            if (kind === 'Light' && VB.lightFilter) VB.lightFilter(el, f);
            if (kind === 'redirect') {
                f.elementImage = () => (VB.redirectImage ? VB.redirectImage(el) : null);
                f.ElementImage = f.elementImage;
            }
            s.list.push(f);
        }
        const coll = {};
        s.list.forEach((f, i) => {
            coll[i] = f;
            if (!(f.kind in coll)) coll[f.kind] = f;
            if (!(f.kind.toLowerCase() in coll)) coll[f.kind.toLowerCase()] = f;
        });
        Object.defineProperty(coll, 'length', { value: s.list.length, enumerable: false });
        coll.item = (k) => {
            if (typeof k === 'number') return coll[k];
            // Filters are also named by their full name: "DXImageTransform.Microsoft.Light".
            const name = String(k).replace(/^\s*(?:progid\s*:\s*)?DXImageTransform\.Microsoft\./i, '');
            return coll[name] || coll[name.toLowerCase()] || null;
        };
        coll.vbItem = coll.item;
        coll.Item = coll.item;
        coll.Count = s.list.length;
        s.collection = coll;
        return s;
    }
    Object.defineProperty(HTMLElement.prototype, 'filters', {
        get() { return stateOf(this).collection; },
        enumerable: true,
        configurable: true,
    });
    VB.renderFilters = render;

    function drawAll() {
        for (const el of document.querySelectorAll('[style*="filter" i]')) {
            if (el.__tvlSnapshot) continue;
            if (stateOf(el).list.length) render(el);
        }
    }
    // onfilterchange is not an attribute the engine knows: its handler text becomes the property.
    function adoptFilterHandlers() {
        for (const el of document.querySelectorAll('[onfilterchange]')) {
            if (typeof el.onfilterchange === 'function') continue;
            const code = el.getAttribute('onfilterchange');
            try {
                // eslint-disable-next-line no-new-func
                el.onfilterchange = new Function('event', code);
            } catch (e) {
                // Handlers in VBScript are taken over by the page model.
            }
        }
    }
    // Read each element's filters as the parser adds it, before a script can restyle it
    // (the engine rewrites the style attribute without the declarations it does not know).
    const early = new MutationObserver((records) => {
        for (const r of records) {
            for (const n of r.addedNodes) {
                if (n.nodeType !== 1) continue;
                if (n.hasAttribute('style') && /filter/i.test(n.getAttribute('style'))) stateOf(n);
                for (const el of n.querySelectorAll ? n.querySelectorAll('[style*="filter" i]') : []) stateOf(el);
            }
        }
    });
    early.observe(document, { childList: true, subtree: true });
    document.addEventListener('DOMContentLoaded', () => { early.disconnect(); adoptFilterHandlers(); drawAll(); }, { once: true });
})();
