// A dialog window's page, in the page's own world: what its opener handed
// over (window.dialogArguments), and the mark by which the run-time's host
// answers as a dialog. The program calls this with the arguments.
'use strict';
((args) => {
    window.__tvlDialog = true;
    window.dialogArguments = args;
})
