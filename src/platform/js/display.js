// What edit mode shows beyond the page: elements the page hides are shown
// marked, and tables without borders get faint cell lines. Adopted style
// sheets are no part of the document, so none of this reaches its text.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const hiddenMarks = new CSSStyleSheet();
    hiddenMarks.replaceSync(`
        [style*="visibility:hidden" i], [style*="visibility: hidden" i], [style*="visibility :hidden" i] {
            visibility: visible !important;
            outline: 1px dashed #7f7fff !important;
            background-image: repeating-linear-gradient(135deg, rgba(127,127,255,.14) 0 4px, transparent 4px 8px) !important;
        }`);
    const cellLines = new CSSStyleSheet();
    cellLines.replaceSync(`
        table:not([border]) > * > tr > td, table:not([border]) > * > tr > th,
        table[border="0"] > * > tr > td, table[border="0"] > * > tr > th {
            outline: 1px dotted #b4b4b4; outline-offset: -1px;
        }
        table:not([border]), table[border="0"] { outline: 1px dotted #b4b4b4; }`);

    // Empty cells stay big enough to click into while editing.
    const emptyCells = new CSSStyleSheet();
    emptyCells.replaceSync('td:empty, th:empty { min-width: 1em; height: 1.2em; }');

    T.applyDisplay = () => {
        const o = T.options || {};
        const sheets = o.editMode ? [emptyCells] : [];
        if (o.editMode && o.showDetails) sheets.push(hiddenMarks);
        if (o.editMode && o.showBorders) sheets.push(cellLines);
        document.adoptedStyleSheets = sheets;
    };

    // The program changed the options of the page it shows.
    T.setDisplayOptions = (options) => {
        T.options = options;
        T.applyDisplay();
    };
})();
