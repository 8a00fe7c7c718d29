// Run mode only: the animation control the redirect filter draws into
// (<OBJECT CLASSID="CLSID:B6FFC24C-...">), as far as pages use it: the
// element's image from filters.item(0).elementImage(), turned, scaled or
// moved (at a rate or once), shown by setting the control's Image and Start.
'use strict';
(function () {
    if (location.protocol === 'tvl:' && /-[a-z]*e[a-z]*$/.test(location.hostname)) return; // edit mode
    const VB = window.__tvlvb;
    if (!VB || VB.animationReady) return;
    VB.animationReady = true;

    const CONTROL = /B6FFC24C-7E13-11D0-9B47-00C04FC2F51D/i;
    const isControl = (el) => CONTROL.test(el.getAttribute('classid') || '');

    // An image: an element's picture and the transforms applied to it, outermost last.
    class AnimatedImage {
        constructor(source, transforms) {
            this.source = source;
            this.transforms = transforms || [];
        }
        Transform(t) { return new AnimatedImage(this.source, [...this.transforms, t]); }
        transform(t) { return this.Transform(t); }
        // CSS for the time t seconds after the start.
        cssAt(t) {
            return this.transforms.map((x) => x.cssAt(t)).reverse().join(' ');
        }
    }
    const fixed = (css) => ({ cssAt: () => css });
    // Angles count anticlockwise, as in the control; the screen's y axis points down.
    const library = {
        Rotate2RateDegrees: (rate) => ({ cssAt: (t) => 'rotate(' + (-Number(rate) * t) + 'deg)' }),
        Rotate2Rate: (rate) => ({ cssAt: (t) => 'rotate(' + (-Number(rate) * t) + 'rad)' }),
        Rotate2Degrees: (a) => fixed('rotate(' + (-Number(a)) + 'deg)'),
        Rotate2: (a) => fixed('rotate(' + (-Number(a)) + 'rad)'),
        Scale2: (x, y) => fixed('scale(' + Number(x) + ',' + Number(y) + ')'),
        Scale2Uniform: (s) => fixed('scale(' + Number(s) + ')'),
        Translate2: (x, y) => fixed('translate(' + Number(x) + 'px,' + (-Number(y)) + 'px)'),
    };
    for (const k of Object.keys(library)) library[k.toLowerCase()] = library[k];

    const state = new WeakMap();
    function stageOf(el) {
        let s = state.get(el);
        if (!s) {
            s = { image: null, timer: 0, began: 0, stage: null };
            state.set(el, s);
        }
        return s;
    }
    function draw(el) {
        const s = stageOf(el);
        if (!s.image || !s.stage || !s.stage.firstChild) return;
        const t = (performance.now() - s.began) / 1000;
        s.css = s.image.cssAt(t);
        s.stage.firstChild.style.transform = s.css;
    }
    // The block as it is now, answering to none of the page's names.
    function copyOf(source) {
        const copy = source.cloneNode(true);
        for (const el of [copy, ...copy.querySelectorAll('[id],[name]')]) {
            el.removeAttribute('id');
            el.removeAttribute('name');
        }
        copy.style.visibility = 'visible';
        copy.style.filter = '';
        copy.style.position = 'static';
        return copy;
    }
    function showCopy(s) {
        const copy = copyOf(s.image.source);
        if (s.css) copy.style.transform = s.css;
        s.stage.replaceChildren(copy);
    }
    const members = {
        PixelLibrary: { get() { return isControl(this) ? library : undefined; } },
        MeterLibrary: { get() { return isControl(this) ? library : undefined; } },
        Image: {
            get() { return stageOf(this).image; },
            set(image) { stageOf(this).image = image; },
        },
        Start: {
            value() {
                const s = stageOf(this);
                if (!s.image || !(s.image instanceof AnimatedImage)) return;
                if (!s.stage) {
                    // The control shows its picture centred in its own box.
                    s.stage = document.createElement('div');
                    s.stage.style.cssText = 'position:absolute;inset:0;display:flex;align-items:center;justify-content:center;overflow:visible;pointer-events:none';
                    if (getComputedStyle(this).position === 'static') this.style.position = 'relative';
                    if (getComputedStyle(this).display === 'inline') this.style.display = 'inline-block';
                    this.appendChild(s.stage);
                }
                // The filter drew its block live: each Start copies it afresh, and a change to it is copied again.
                s.css = '';
                showCopy(s);
                if (s.watch) s.watch.disconnect();
                s.watch = new MutationObserver(() => {
                    if (s.pending) return;
                    s.pending = true;
                    setTimeout(() => { s.pending = false; showCopy(s); }, 0);
                });
                s.watch.observe(s.image.source, { subtree: true, childList: true, characterData: true, attributes: true });
                s.began = performance.now();
                clearInterval(s.timer);
                s.timer = setInterval(() => draw(this), 30);
                draw(this);
            },
        },
        Stop: {
            value() {
                clearInterval(stageOf(this).timer);
            },
        },
    };
    for (const [name, d] of Object.entries(members)) {
        Object.defineProperty(HTMLObjectElement.prototype, name, Object.assign({ enumerable: true, configurable: true }, d));
        const lower = name.toLowerCase();
        Object.defineProperty(HTMLObjectElement.prototype, lower, Object.assign({ enumerable: false, configurable: true }, d));
    }

    // The redirect filter hands its element's picture to the control; the element itself is then not drawn.
    VB.redirectImage = (el) => {
        el.style.visibility = 'hidden';
        return new AnimatedImage(el);
    };
})();
