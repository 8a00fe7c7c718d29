// Once the page is parsed: edit mode makes it editable, and the observers start.
'use strict';
(() => {
    const T = window.__tvl;
    const o = T.options || {};
    if (o.editMode) document.designMode = 'on';
    T.applyDisplay();

    new MutationObserver((records) => {
        T.keepStyles(records);
        T.markEdited();
    }).observe(document, { subtree: true, childList: true, characterData: true, attributes: true, attributeOldValue: true });

    for (const type of ['selectionchange', 'keyup', 'mouseup', 'focus']) document.addEventListener(type, T.reportDisplaySoon, true);

    function editingClipboard(e) { return o.editMode && e.clipboardData; }

    // Copy and cut in the program's form of the markup, so that a paste keeps
    // what the engine's own copy would rewrite.
    document.addEventListener('copy', (e) => {
        if (!editingClipboard(e)) return;
        const html = T.selectionHtml();
        if (html === null) return;
        e.clipboardData.setData('text/html', html);
        e.clipboardData.setData('text/plain', document.getSelection().toString());
        e.preventDefault();
    }, true);
    document.addEventListener('cut', (e) => {
        if (!editingClipboard(e)) return;
        const html = T.selectionHtml();
        if (html === null) return;
        e.clipboardData.setData('text/html', html);
        e.clipboardData.setData('text/plain', document.getSelection().toString());
        e.preventDefault();
        // The engine refuses a command inside another; the deletion follows the cut at once.
        queueMicrotask(() => document.execCommand('delete'));
    }, true);
    document.addEventListener('paste', (e) => {
        if (!editingClipboard(e)) return;
        const html = e.clipboardData.getData('text/html');
        if (!html) return;
        e.preventDefault();
        T.pasteMarkup(html, '');
    }, true);

    T.reportDisplaySoon();
})();
