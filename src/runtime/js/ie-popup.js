// Run mode only: window.createPopup. The popup is a borderless box over the page
// with a document of its own; show(x, y, width, height[, element]) places it
// from the screen's corner or from the element's, hide() and a click elsewhere
// close it, and one popup shows at a time.
'use strict';
(function () {
    if (location.protocol === 'tvl:' && /-[a-z]*e[a-z]*$/.test(location.hostname)) return; // edit mode
    const VB = window.__tvlvb;
    if (!VB || VB.popupReady) return;
    VB.popupReady = true;

    // Where the page's corner is on the screen, as the latest mouse event tells it.
    const screenOffset = { x: null, y: null };
    window.addEventListener('mousemove', (e) => { screenOffset.x = e.screenX - e.clientX; screenOffset.y = e.screenY - e.clientY; }, true);
    window.addEventListener('mousedown', (e) => { screenOffset.x = e.screenX - e.clientX; screenOffset.y = e.screenY - e.clientY; }, true);
    const fromScreen = (x, y) => [
        x - (screenOffset.x === null ? (window.screenX || 0) : screenOffset.x),
        y - (screenOffset.y === null ? (window.screenY || 0) : screenOffset.y),
    ];

    let shown = null;
    const number = (v) => (Number.isFinite(Number(v)) ? Number(v) : 0);

    class Popup {
        constructor() {
            const frame = document.createElement('iframe');
            frame.setAttribute('frameborder', '0');
            frame.style.cssText = 'position:fixed;display:none;border:0;margin:0;padding:0;z-index:2147483647;background:#fff';
            (document.body || document.documentElement).appendChild(frame);
            const doc = frame.contentDocument;
            doc.open();
            doc.write('<!DOCTYPE html><html><head><style>html,body{overflow:hidden;margin:0;height:100%;box-sizing:border-box}</style></head><body></body></html>');
            doc.close();
            this.frame = frame;
        }
        get document() { return this.frame.contentDocument; }
        get isOpen() { return shown === this; }
        show(x, y, width, height, element) {
            if (shown && shown !== this) shown.hide();
            let left;
            let top;
            if (element && typeof element.getBoundingClientRect === 'function') {
                const r = element.getBoundingClientRect();
                left = r.left + number(x);
                top = r.top + number(y);
            } else {
                [left, top] = fromScreen(number(x), number(y));
            }
            const style = this.frame.style;
            style.left = left + 'px';
            style.top = top + 'px';
            style.width = Math.max(0, number(width)) + 'px';
            style.height = Math.max(0, number(height)) + 'px';
            style.display = 'block';
            shown = this;
        }
        hide() {
            this.frame.style.display = 'none';
            if (shown === this) shown = null;
        }
    }
    // The spellings pages use.
    for (const [name, lower] of [['Show', 'show'], ['Hide', 'hide']]) Popup.prototype[name] = Popup.prototype[lower];
    Object.defineProperty(Popup.prototype, 'IsOpen', { get() { return this.isOpen; } });
    Object.defineProperty(Popup.prototype, 'Document', { get() { return this.document; } });

    window.createPopup = () => new Popup();
    document.addEventListener('mousedown', () => { if (shown) shown.hide(); }, true);
})();
