// Run mode only: the Light filter. Its lights (ambient, point and cone) are
// drawn on a canvas laid over the element and multiplied with what it shows:
// where no light falls the element is dark, coloured light tints it.
'use strict';
(function () {
    if (location.protocol === 'tvl:' && /-[a-z]*e[a-z]*$/.test(location.hostname)) return; // edit mode
    const VB = window.__tvlvb;
    if (!VB || VB.lightReady) return;
    VB.lightReady = true;

    const number = (v) => (Number.isFinite(Number(v)) ? Number(v) : 0);
    const truthy = (v) => v === true || (v !== false && number(v) !== 0);
    const clamp = (x, lo, hi) => Math.max(lo, Math.min(hi, x));

    // The canvas over the element: a child where the element can hold one, else a sibling placed over it.
    function overlayFor(el) {
        const canvas = document.createElement('canvas');
        canvas.style.cssText = 'position:absolute;pointer-events:none;mix-blend-mode:multiply;margin:0;padding:0;border:0';
        canvas.__tvlSnapshot = true;
        const holds = !/^(IMG|INPUT|TEXTAREA|SELECT|IFRAME|OBJECT|EMBED|CANVAS|VIDEO|BR|HR)$/.test(el.tagName);
        if (holds) {
            if (getComputedStyle(el).position === 'static') el.style.position = 'relative';
            canvas.style.left = '0';
            canvas.style.top = '0';
            el.appendChild(canvas);
        } else {
            el.parentNode.insertBefore(canvas, el.nextSibling);
        }
        return { canvas, holds };
    }
    function place(el, overlay) {
        const w = Math.max(1, el.offsetWidth);
        const h = Math.max(1, el.offsetHeight);
        const { canvas } = overlay;
        canvas.width = Math.min(w, 1024);
        canvas.height = Math.min(h, 1024);
        canvas.style.width = w + 'px';
        canvas.style.height = h + 'px';
        if (overlay.holds) {
            // Over the padding box's corner: the border is the element's own.
            canvas.style.left = -el.clientLeft + 'px';
            canvas.style.top = -el.clientTop + 'px';
        } else {
            canvas.style.left = '0px';
            canvas.style.top = '0px';
            const at = el.getBoundingClientRect();
            const placed = canvas.getBoundingClientRect();
            canvas.style.left = (at.left - placed.left) + 'px';
            canvas.style.top = (at.top - placed.top) + 'px';
        }
        return [w, h];
    }

    function draw(el, state) {
        // The page may have replaced the element's content, canvas and all.
        if (!state.overlay || !state.overlay.canvas.isConnected) state.overlay = overlayFor(el);
        const { canvas } = state.overlay;
        canvas.style.display = state.filter.enabled === false || state.filter.enabled === 0 ? 'none' : '';
        const [w, h] = place(el, state.overlay);
        const g = canvas.getContext('2d');
        g.setTransform(canvas.width / w, 0, 0, canvas.height / h, 0, 0);
        g.globalCompositeOperation = 'source-over';
        g.fillStyle = '#000';
        g.fillRect(0, 0, w, h);
        g.globalCompositeOperation = 'lighter';
        for (const light of state.lights) {
            const s = clamp(light.strength, 0, 100) / 100;
            const rgba = (a) => 'rgba(' + clamp(light.r, 0, 255) + ',' + clamp(light.g, 0, 255) + ',' + clamp(light.b, 0, 255) + ',' + a + ')';
            if (light.kind === 'ambient') {
                g.fillStyle = rgba(s);
                g.fillRect(0, 0, w, h);
                continue;
            }
            let cx;
            let cy;
            let radius;
            if (light.kind === 'point') {
                cx = light.x;
                cy = light.y;
                // Higher above the element it lights a wider circle.
                radius = Math.max(16, Math.abs(light.z) * 2);
            } else {
                // A cone lights a spot round its target, wider the higher its source and its spread.
                cx = light.x2;
                cy = light.y2;
                const distance = Math.hypot(light.x2 - light.x1, light.y2 - light.y1, light.z1);
                radius = Math.max(8, distance * Math.tan(clamp(light.spread, 0, 89) * Math.PI / 180));
            }
            const gradient = g.createRadialGradient(cx, cy, 0, cx, cy, radius);
            gradient.addColorStop(0, rgba(s));
            gradient.addColorStop(0.5, rgba(s * 0.7));
            gradient.addColorStop(1, rgba(0));
            g.fillStyle = gradient;
            g.fillRect(0, 0, w, h);
        }
    }

    VB.lightFilter = (el, f) => {
        const state = { filter: f, lights: [], overlay: null };
        const redraw = () => draw(el, state);
        const light = (n) => state.lights[number(n)] || null;
        const methods = {
            addAmbient(r, g, b, strength) {
                state.lights.push({ kind: 'ambient', r: number(r), g: number(g), b: number(b), strength: number(strength) });
                redraw();
            },
            addPoint(x, y, z, r, g, b, strength) {
                state.lights.push({ kind: 'point', x: number(x), y: number(y), z: number(z), r: number(r), g: number(g), b: number(b), strength: number(strength) });
                redraw();
            },
            addCone(x1, y1, z1, x2, y2, r, g, b, strength, spread) {
                state.lights.push({
                    kind: 'cone', x1: number(x1), y1: number(y1), z1: number(z1), x2: number(x2), y2: number(y2),
                    r: number(r), g: number(g), b: number(b), strength: number(strength), spread: number(spread),
                });
                redraw();
            },
            changeColor(n, r, g, b, absolute) {
                const l = light(n);
                if (!l) return;
                const abs = truthy(absolute);
                l.r = abs ? number(r) : l.r + number(r);
                l.g = abs ? number(g) : l.g + number(g);
                l.b = abs ? number(b) : l.b + number(b);
                redraw();
            },
            changeStrength(n, strength, absolute) {
                const l = light(n);
                if (!l) return;
                l.strength = truthy(absolute) ? number(strength) : l.strength + number(strength);
                redraw();
            },
            // A point light's source moves; a cone light's focus moves; an ambient light has no place.
            moveLight(n, x, y, z, absolute) {
                const l = light(n);
                if (!l || l.kind === 'ambient') return;
                const abs = truthy(absolute);
                if (l.kind === 'point') {
                    l.x = abs ? number(x) : l.x + number(x);
                    l.y = abs ? number(y) : l.y + number(y);
                    l.z = abs ? number(z) : l.z + number(z);
                } else {
                    l.x2 = abs ? number(x) : l.x2 + number(x);
                    l.y2 = abs ? number(y) : l.y2 + number(y);
                }
                redraw();
            },
            clear() {
                state.lights.length = 0;
                redraw();
            },
        };
        for (const [name, fn] of Object.entries(methods)) {
            f[name] = fn;
            f[name.charAt(0).toUpperCase() + name.slice(1)] = fn;
        }
        let enabled = f.enabled;
        const enabling = { get: () => enabled, set: (v) => { enabled = v; redraw(); }, enumerable: true, configurable: true };
        Object.defineProperty(f, 'enabled', enabling);
        Object.defineProperty(f, 'Enabled', enabling);
        // filters.Light(0) in VBScript is the filter itself.
        f.vbItem = () => f;
        f.lightCount = () => state.lights.length;
        // The element is dark until a light falls on it; drawn once the page is laid out.
        if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', redraw, { once: true });
        else redraw();
        window.addEventListener('resize', () => { if (state.overlay) redraw(); });
        new MutationObserver(() => { if (state.overlay && !state.overlay.canvas.isConnected) redraw(); }).observe(el, { childList: true });
    };
})();
