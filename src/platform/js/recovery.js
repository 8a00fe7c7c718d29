// Keeps the program's recovery copy of the page a few seconds behind the
// user: a copy once they pause after a change, and at least every few
// seconds while they go on changing it, taken when the page is idle.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const PAUSE_MS = 1000;
    const MOST_BEHIND_MS = 5000;
    let firstChange = 0;
    let timer = 0;
    let idleRequest = 0;
    let changeReported = false;

    function take() {
        idleRequest = 0;
        firstChange = 0;
        changeReported = false;
        T.sendCopy(T.serializeDocument(document));
    }

    function takeWhenIdle() {
        timer = 0;
        if (idleRequest) return;
        idleRequest = requestIdleCallback(take, { timeout: PAUSE_MS });
    }

    T.noteChange = () => {
        if (!T.options || !T.options.editMode) return;
        const now = performance.now();
        if (!firstChange) firstChange = now;
        if (!changeReported) {
            changeReported = true;
            T.sendChangedSinceCopy();
        }
        clearTimeout(timer);
        timer = setTimeout(takeWhenIdle, now - firstChange >= MOST_BEHIND_MS - PAUSE_MS ? 0 : PAUSE_MS);
    };
})();
