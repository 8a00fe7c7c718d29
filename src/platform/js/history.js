// Undo and redo of everything that changes the page: the editor keeps its own
// log of the document's mutations, grouped in steps (one command, one paste,
// one typed run), because its own commands (tables, positioning) change the
// page outside the engine's history. Undoing replays a step's mutations
// backwards, which is exact whatever made them.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const undoSteps = [];
    const redoSteps = [];
    let open = null;      // the step that incoming mutations join (a typed run)
    let joinable = null;  // a command's step, joined by its own late mutations this task
    let replaying = false;
    let lastInputKind = '';
    const LIMIT = 1000;

    // Runs f in a task of its own right after this one. A posted message, not a
    // timer: a hidden page holds its timers back, and the next call would come first.
    const afterThisTask = (() => {
        const channel = new MessageChannel();
        const waiting = [];
        channel.port1.onmessage = () => { const f = waiting.shift(); if (f) f(); };
        return (f) => { waiting.push(f); channel.port2.postMessage(0); };
    })();

    function toEntry(r) {
        if (r.type === 'childList') {
            return { type: r.type, target: r.target, added: Array.from(r.addedNodes), removed: Array.from(r.removedNodes),
                prev: r.previousSibling, next: r.nextSibling };
        }
        return { type: r.type, target: r.target, name: r.attributeName, oldValue: r.oldValue, newValue: undefined };
    }

    function push(step) {
        undoSteps.push(step);
        if (undoSteps.length > LIMIT) undoSteps.shift();
        redoSteps.length = 0;
    }

    // Mutations seen by the document's observer.
    T.historyRecord = (records) => {
        if (replaying || !records.length) return;
        const entries = records.map(toEntry);
        const step = open || joinable;
        if (step) { step.push(...entries); return; }
        open = entries;
        push(open);
    };

    function takePending() {
        if (T.observer) {
            const pending = T.observer.takeRecords();
            if (pending.length) T.onMutations(pending);
        }
    }

    // Closes the step in progress: what follows starts a new one.
    T.historyBreak = () => {
        takePending();
        open = null;
        joinable = null;
        lastInputKind = '';
    };

    // Runs change as one step of its own.
    T.asStep = (change) => {
        T.historyBreak();
        const step = [];
        open = step;
        let result;
        try { result = change(); } finally {
            takePending();
            open = null;
            if (step.length) {
                push(step);
                joinable = step;
                afterThisTask(() => { if (joinable === step) joinable = null; });
            }
        }
        return result;
    };

    function attributeValue(e) {
        if (e.type === 'attributes') return e.target.getAttribute(e.name);
        return e.target.data;
    }
    function setAttributeValue(e, value) {
        if (e.type === 'attributes') {
            if (value === null) e.target.removeAttribute(e.name);
            else e.target.setAttribute(e.name, value);
        } else {
            e.target.data = value;
        }
    }
    function place(parent, node, prev, next) {
        if (next && next.parentNode === parent) parent.insertBefore(node, next);
        else if (prev && prev.parentNode === parent) parent.insertBefore(node, prev.nextSibling);
        else parent.appendChild(node);
    }

    function undoEntry(e) {
        if (e.type === 'childList') {
            for (const n of e.added) if (n.parentNode === e.target) e.target.removeChild(n);
            for (const n of e.removed) place(e.target, n, e.prev, e.next);
            return e.removed[e.removed.length - 1] || e.prev || e.target;
        }
        e.newValue = attributeValue(e);
        setAttributeValue(e, e.oldValue);
        return e.target;
    }
    function redoEntry(e) {
        if (e.type === 'childList') {
            for (const n of e.removed) if (n.parentNode === e.target) e.target.removeChild(n);
            let after = e.prev;
            for (const n of e.added) {
                if (after && after.parentNode === e.target) e.target.insertBefore(n, after.nextSibling);
                else place(e.target, n, null, e.next);
                after = n;
            }
            return e.added[e.added.length - 1] || e.prev || e.target;
        }
        setAttributeValue(e, e.newValue);
        return e.target;
    }

    function caretAt(node) {
        if (!node || !document.body || !document.body.contains(node)) return;
        const r = document.createRange();
        if (node === document.body) r.selectNodeContents(node);
        else r.setStartAfter(node);
        r.collapse(true);
        const sel = getSelection();
        sel.removeAllRanges();
        sel.addRange(r);
    }

    function replay(step, backwards) {
        replaying = true;
        let last = null;
        try {
            if (backwards) for (let i = step.length - 1; i >= 0; i--) last = undoEntry(step[i]) || last;
            else for (const e of step) last = redoEntry(e) || last;
            if (T.observer) T.observer.takeRecords();
        } finally { replaying = false; }
        caretAt(last);
        T.markEdited && T.markEdited();
    }

    T.canUndo = () => { takePending(); return undoSteps.length > 0; };
    T.canRedo = () => redoSteps.length > 0;
    T.undo = () => {
        T.historyBreak();
        const step = undoSteps.pop();
        if (!step) return false;
        replay(step, true);
        redoSteps.push(step);
        return true;
    };
    T.redo = () => {
        T.historyBreak();
        const step = redoSteps.pop();
        if (!step) return false;
        replay(step, false);
        undoSteps.push(step);
        return true;
    };

    // A typed run goes on while the user keeps typing or keeps deleting.
    T.historyInput = (inputType) => {
        const kind = inputType.startsWith('insert') ? (inputType === 'insertText' ? 'type' : inputType)
            : inputType.startsWith('delete') ? 'delete' : inputType;
        if (kind !== lastInputKind || (kind !== 'type' && kind !== 'delete')) {
            T.historyBreak();
            lastInputKind = kind;
        }
    };
})();
