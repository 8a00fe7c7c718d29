// Work for the next task. The engine holds back timers in every world of a page
// whose own scripts are off (the edit page), so the editor queues through a
// message port, which it still delivers.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const queue = [];
    const channel = new MessageChannel();
    channel.port1.onmessage = () => {
        const work = queue.shift();
        if (work) work();
    };
    T.nextTask = (work) => {
        queue.push(work);
        channel.port2.postMessage(0);
    };
})();
