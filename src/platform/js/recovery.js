// Tells the program that the user changed the page, once a task however many
// changes the task made: the program takes its recovery copy of the page when
// the user pauses (timers of this world are held back in the edit page).
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    let reportPending = false;

    T.noteChange = () => {
        if (!T.options || !T.options.editMode || reportPending) return;
        reportPending = true;
        T.nextTask(() => {
            reportPending = false;
            T.sendChanged();
        });
    };
})();
