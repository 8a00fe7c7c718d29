// Tells the program what happens in the page: selection changes with the
// command states that go with them, the first change of the page, and each
// change after it (for the program's recovery copy).
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    let bridge = null;
    let pendingDisplay = false;
    let pendingEdited = false;
    let scheduled = false;
    T.edited = false;

    function flush() {
        scheduled = false;
        if (!bridge) return;
        if (pendingEdited) { pendingEdited = false; bridge.reportEdited(); }
        if (pendingDisplay) { pendingDisplay = false; bridge.reportDisplay(T.commandStates()); }
    }

    function schedule() {
        if (scheduled) return;
        scheduled = true;
        T.nextTask(flush);
    }

    T.reportDisplaySoon = () => { pendingDisplay = true; schedule(); };
    T.sendChanged = () => { if (bridge) bridge.reportChanged(); };
    T.markEdited = () => {
        if (T.edited) return;
        T.edited = true;
        pendingEdited = true;
        schedule();
    };

    new QWebChannel(qt.webChannelTransport, (channel) => {
        bridge = channel.objects.surfaceBridge;
        schedule();
    });
})();
