// Once the page is parsed: edit mode makes it editable, and the observers start.
'use strict';
(() => {
    const T = window.__tvl;
    const o = T.options || {};
    if (o.editMode) document.designMode = 'on';
    T.applyDisplay();

    T.onMutations = (records) => {
        T.keepStyles(records);
        T.markEdited();
        T.noteChange();
        T.historyRecord(records);
    };
    T.observer = new MutationObserver((records) => T.onMutations(records));
    T.observer.observe(document, { subtree: true, childList: true, characterData: true, attributes: true,
        attributeOldValue: true, characterDataOldValue: true });

    for (const type of ['selectionchange', 'keyup', 'mouseup', 'focus']) document.addEventListener(type, T.reportDisplaySoon, true);

    // The editor's own history serves the keys and the engine's undo requests.
    const NAVIGATION = new Set(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'Home', 'End', 'PageUp', 'PageDown', 'Tab']);
    document.addEventListener('keydown', (e) => {
        if (!o.editMode) return;
        const key = e.key.toLowerCase();
        if ((e.ctrlKey || e.metaKey) && (key === 'z' || key === 'y')) {
            e.preventDefault();
            if (key === 'y' || e.shiftKey) T.redo(); else T.undo();
            T.reportDisplaySoon();
        } else if (NAVIGATION.has(e.key)) {
            T.historyBreak();
        }
    }, true);
    document.addEventListener('beforeinput', (e) => {
        if (e.inputType === 'historyUndo' || e.inputType === 'historyRedo') {
            e.preventDefault();
            if (e.inputType === 'historyUndo') T.undo(); else T.redo();
            T.reportDisplaySoon();
            return;
        }
        T.historyInput(e.inputType);
    }, true);
    document.addEventListener('mousedown', () => T.historyBreak(), true);

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
        queueMicrotask(() => T.asStep(() => document.execCommand('delete')));
    }, true);
    document.addEventListener('paste', (e) => {
        if (!editingClipboard(e)) return;
        const html = e.clipboardData.getData('text/html');
        if (!html) {
            // The engine pastes plain text itself; it still makes a step of its own.
            T.historyBreak();
            T.nextTask(T.historyBreak);
            return;
        }
        e.preventDefault();
        T.asStep(() => T.pasteMarkup(html, ''));
    }, true);

    T.reportDisplaySoon();
})();
