// Tables: insert a new one at the caret, and insert or delete cells, rows and
// columns at the caret's cell. Cells spanning rows or columns are worked on
// through the table's grid, so that every row keeps the same width.
'use strict';
(() => {
    const T = (window.__tvl = window.__tvl || {});
    const DECMD = T.DECMD;

    // grid[r][c] is the cell covering that slot (or undefined); pos gives each cell's top-left slot.
    function gridOf(table) {
        const rows = Array.from(table.rows);
        const grid = rows.map(() => []);
        const pos = new Map();
        rows.forEach((tr, r) => {
            let c = 0;
            for (const cell of tr.cells) {
                while (grid[r][c]) c++;
                const rs = Math.max(1, cell.rowSpan || 1);
                const cs = Math.max(1, cell.colSpan || 1);
                pos.set(cell, { row: r, col: c, rows: Math.min(rs, rows.length - r), cols: cs });
                for (let i = r; i < Math.min(r + rs, rows.length); i++)
                    for (let j = c; j < c + cs; j++) grid[i][j] = cell;
                c += cs;
            }
        });
        const width = grid.reduce((w, row) => Math.max(w, row.length), 0);
        return { rows, grid, pos, width };
    }

    function cellAt(s) { return s.cell; }

    // A span of one is no span: the attribute goes.
    function setSpan(cell, name, n) {
        if (n > 1) cell.setAttribute(name, String(n));
        else cell.removeAttribute(name);
    }

    // The slots from the selection's first cell to its last: whole cells, or
    // (for rows and columns) the rows and columns where those cells begin.
    function span(g, s, wholeCells) {
        const first = g.pos.get(s.cell);
        let last = first;
        const r = s.range;
        if (r && !r.collapsed) {
            const end = r.endContainer.nodeType === Node.ELEMENT_NODE ? r.endContainer : r.endContainer.parentElement;
            const endCell = end && end.closest('td, th');
            if (endCell && g.pos.has(endCell)) last = g.pos.get(endCell);
        }
        const extent = (p, key, size) => p[key] + (wholeCells ? p[size] - 1 : 0);
        return {
            top: Math.min(first.row, last.row), bottom: Math.max(extent(first, 'row', 'rows'), extent(last, 'row', 'rows')),
            left: Math.min(first.col, last.col), right: Math.max(extent(first, 'col', 'cols'), extent(last, 'col', 'cols')),
        };
    }

    // A new cell like its neighbour: same kind and attributes, without spans or id.
    function newCellLike(model, tr) {
        const cell = document.createElement(model ? model.tagName.toLowerCase() : 'td');
        if (model) for (const a of model.attributes) {
            if (!/^(colspan|rowspan|id)$/i.test(a.name)) cell.setAttribute(a.name, a.value);
        }
        if (tr) tr.appendChild(cell);
        return cell;
    }

    // The first cell of row r that starts at or after column c (to insert before), or null.
    function cellStartingFrom(g, r, c) {
        for (const cell of g.rows[r].cells) if (g.pos.get(cell).col >= c) return cell;
        return null;
    }

    function caretInto(cell) {
        const range = document.createRange();
        range.selectNodeContents(cell);
        range.collapse(true);
        const sel = getSelection();
        sel.removeAllRanges();
        sel.addRange(range);
    }

    function tableOf(cell) { return cell.closest('table'); }

    function insertRow(cell) {
        const table = tableOf(cell);
        const g = gridOf(table);
        const r = g.pos.get(cell).row;
        const tr = document.createElement('tr');
        const widened = new Set();
        let firstNew = null;
        for (let c = 0; c < g.width; c++) {
            const over = g.grid[r][c];
            if (over && g.pos.get(over).row < r) {
                if (!widened.has(over)) { setSpan(over, 'rowspan', g.pos.get(over).rows + 1); widened.add(over); }
                continue;
            }
            const made = newCellLike(over || cell, tr);
            firstNew = firstNew || made;
        }
        g.rows[r].parentNode.insertBefore(tr, g.rows[r]);
        if (firstNew) caretInto(firstNew);
        return true;
    }

    function insertCol(cell) {
        const table = tableOf(cell);
        const g = gridOf(table);
        const c = g.pos.get(cell).col;
        const widened = new Set();
        g.rows.forEach((tr, r) => {
            const over = g.grid[r][c];
            if (!over) { newCellLike(cell, tr); return; }
            const p = g.pos.get(over);
            if (p.col < c) {
                if (!widened.has(over)) { setSpan(over, 'colspan', p.cols + 1); widened.add(over); }
                return;
            }
            if (p.row < r) return; // the new cell of the row above spans this one too
            const made = newCellLike(over, null);
            setSpan(made, 'rowspan', p.rows);
            tr.insertBefore(made, over);
        });
        return true;
    }

    function insertCell(cell) {
        const table = tableOf(cell);
        const g = gridOf(table);
        const p = g.pos.get(cell);
        cell.parentNode.insertBefore(newCellLike(cell, null), cell);
        // Every other row grows by one slot at its end, so that the table stays rectangular.
        g.rows.forEach((tr, r) => { if (r !== p.row) newCellLike(null, tr); });
        return true;
    }

    function deleteRows(s) {
        const table = tableOf(s.cell);
        const g = gridOf(table);
        const { top, bottom } = span(g, s, false);
        const count = bottom - top + 1;
        if (count >= g.rows.length) { table.remove(); return true; }
        const moved = new Set();
        for (let r = top; r <= bottom; r++) for (let c = 0; c < g.width; c++) {
            const cell = g.grid[r][c];
            if (!cell || moved.has(cell)) continue;
            moved.add(cell);
            const p = g.pos.get(cell);
            const end = p.row + p.rows - 1;
            const kept = (Math.max(0, top - p.row)) + Math.max(0, end - bottom);
            if (kept === 0) continue;
            setSpan(cell, 'rowspan', kept);
            if (p.row >= top) {
                // It began in a deleted row and goes on below: it moves down to the first kept row.
                const below = bottom + 1;
                g.rows[below].insertBefore(cell, cellStartingFrom(g, below, p.col));
            }
        }
        for (let r = top; r <= bottom; r++) g.rows[r].remove();
        const next = table.rows[Math.min(top, table.rows.length - 1)];
        if (next && next.cells[0]) caretInto(next.cells[0]);
        return true;
    }

    function deleteCols(s) {
        const table = tableOf(s.cell);
        const g = gridOf(table);
        const { left, right } = span(g, s, false);
        if (right - left + 1 >= g.width) { table.remove(); return true; }
        for (const [cell, p] of g.pos) {
            const overlap = Math.min(right, p.col + p.cols - 1) - Math.max(left, p.col) + 1;
            if (overlap <= 0) continue;
            if (overlap >= p.cols) cell.remove();
            else setSpan(cell, 'colspan', p.cols - overlap);
        }
        const row = table.rows[0];
        if (row && row.cells[0]) caretInto(row.cells[0]);
        return true;
    }

    function deleteCells(s) {
        const table = tableOf(s.cell);
        const g = gridOf(table);
        const b = span(g, s, true);
        const doomed = [];
        for (const [cell, p] of g.pos) {
            if (p.row >= b.top && p.row + p.rows - 1 <= b.bottom && p.col >= b.left && p.col + p.cols - 1 <= b.right)
                doomed.push([cell, p]);
        }
        if (!doomed.length) doomed.push([s.cell, g.pos.get(s.cell)]);
        for (const [cell, p] of doomed) {
            cell.remove();
            // The row closes up and is filled again at its end, so that it keeps its width.
            for (let r = p.row; r < p.row + p.rows; r++) {
                const filler = newCellLike(null, g.rows[r]);
                setSpan(filler, 'colspan', p.cols);
            }
        }
        return true;
    }

    // "border=1 width=5%" as attributes of el, the way the parser reads them in a tag.
    function applyAttributes(el, text) {
        if (!text) return;
        const tpl = document.createElement('template');
        tpl.innerHTML = '<div ' + text + '></div>';
        const parsed = tpl.content.firstElementChild;
        if (!parsed) return;
        for (const a of parsed.attributes) el.setAttribute(a.name, a.value);
    }

    const WHOLE = /^\s*\d+\s*$/;
    T.tableCounts = (rows, cols) => {
        const ok = (v) => WHOLE.test(String(v)) && Number(v) >= 1 && Number(v) <= 1000;
        return ok(rows) && ok(cols);
    };

    function insertTable(param) {
        if (!param || !T.tableCounts(param.NumRows, param.NumCols)) return 'badcounts';
        const rows = Number(param.NumRows);
        const cols = Number(param.NumCols);
        const table = document.createElement('table');
        applyAttributes(table, param.TableAttrs);
        if (param.Caption) {
            const caption = document.createElement('caption');
            caption.textContent = param.Caption;
            table.appendChild(caption);
        }
        const model = document.createElement('td');
        applyAttributes(model, param.CellAttrs);
        const body = document.createElement('tbody');
        const row = document.createElement('tr');
        for (let c = 0; c < cols; c++) row.appendChild(model.cloneNode(false));
        for (let r = 0; r < rows; r++) body.appendChild(r ? row.cloneNode(true) : row);
        table.appendChild(body);
        if (!T.insertNodeAtSelection(table)) return false;
        caretInto(table.rows[0].cells[0]);
        return true;
    }

    const inCell = (s) => T.editing() && s.inBody && !!cellAt(s);
    Object.assign(T.commands, {
        [DECMD.INSERTTABLE]: { enabled: () => T.editing() && !!document.body, run: (option, param) => insertTable(param) },
        [DECMD.INSERTROW]: { enabled: inCell, run: () => insertRow(T.selectionState().cell) },
        [DECMD.INSERTCOL]: { enabled: inCell, run: () => insertCol(T.selectionState().cell) },
        [DECMD.INSERTCELL]: { enabled: inCell, run: () => insertCell(T.selectionState().cell) },
        [DECMD.DELETEROWS]: { enabled: inCell, run: () => deleteRows(T.selectionState()) },
        [DECMD.DELETECOLS]: { enabled: inCell, run: () => deleteCols(T.selectionState()) },
        [DECMD.DELETECELLS]: { enabled: inCell, run: () => deleteCells(T.selectionState()) },
    });
    T.tableGrid = gridOf;
})();
