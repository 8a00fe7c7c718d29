// The display options of this load travel in the document's address
// (tvl://d12-ekbd/...), so that they are known before anything is parsed.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const m = location.protocol === 'tvl:' ? /-([a-z]*)$/.exec(location.hostname || '') : null;
    const flags = m ? m[1] : '';
    T.options = {
        editMode: flags.includes('e'),
        keepForeignStyles: flags.includes('k'),
        showBorders: flags.includes('b'),
        showDetails: flags.includes('d'),
    };
})();
