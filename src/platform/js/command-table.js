// The program's table of command ids and states (EditCommands), handed over
// when the scripts are installed, so that the commands are named as the
// program names them.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    T.useCommandTable = (table) => {
        T.DECMD = Object.freeze(table.ids);
        T.DECMDF = Object.freeze(table.states);
    };
})();
