// The page's text as the program reads it (serializer.js writes it).
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});

    // The document as it is now: the recovery copy.
    T.documentText = () => T.serializeDocument(document);
    // The document for the program; an untouched page loaded as new has no
    // text yet, unless the program says that it has one.
    T.editedDocumentText = (evenUntouched) => (evenUntouched || T.edited ? T.serializeDocument(document) : '');
    // What run mode runs: the document when the user changed it, else null (the text it was loaded from).
    T.changedDocumentText = () => (T.edited ? T.serializeDocument(document) : null);
    // A page's text as this page would write it, parsed and never run.
    T.serializeText = (html) => T.serializeDocument(new DOMParser().parseFromString(html, 'text/html'));
})();
