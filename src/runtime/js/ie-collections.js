// Run mode only: the collections of the target browser's page model answer
// item(name, index) and document.all(name, index): the index-th of the elements
// that have the name, one element when only one has it, a collection when more
// do. Names match without regard to letter case where no name matches exactly.
'use strict';
(function () {
    if (location.protocol === 'tvl:' && /-[a-z]*e[a-z]*$/.test(location.hostname)) return; // edit mode
    const VB = window.__tvlvb;
    if (!VB || VB.collectionsReady) return;
    VB.collectionsReady = true;

    const nativeAllItem = HTMLAllCollection.prototype.item;
    const nativeItem = HTMLCollection.prototype.item;

    const isNumeric = (v) => typeof v === 'number' || (typeof v === 'string' && /^\s*\d+\s*$/.test(v));
    const nameOf = (el) => [el.id || '', (el.getAttribute && el.getAttribute('name')) || ''];

    // Elements as a collection of the page model: indexed, length, item, namedItem, tags (not an array,
    // which the script's own arrays are).
    class ElementCollection {
        constructor(list) {
            list.forEach((el, i) => { this[i] = el; });
            Object.defineProperty(this, 'length', { value: list.length });
        }
        item(name, index) { return itemOf(Array.from(this), name, index); }
        namedItem(name) { return itemOf(Array.from(this), name); }
        tags(tag) { return collectionOf(Array.from(this).filter((el) => el.tagName && el.tagName.toLowerCase() === String(tag).toLowerCase())); }
        [Symbol.iterator]() { return Array.prototype[Symbol.iterator].call(this); }
    }
    const collectionOf = (list) => new ElementCollection(list);
    function named(list, name) {
        const text = String(name);
        let found = list.filter((el) => nameOf(el).includes(text));
        if (!found.length) {
            const lc = text.toLowerCase();
            found = list.filter((el) => nameOf(el).some((n) => n.toLowerCase() === lc));
        }
        return found;
    }
    // item(name[, index]) of any collection given as its elements.
    function itemOf(list, name, index) {
        if (name === undefined || name === null) return null;
        if (isNumeric(name) && index === undefined) return list[Number(name)] || null;
        const found = named(list, name);
        if (index !== undefined && index !== null) return found[Number(index)] || null;
        if (!found.length) return null;
        return found.length === 1 ? found[0] : collectionOf(found);
    }
    // The engine's own lookup first: the whole collection is read only when no name matches exactly.
    function fromCollection(coll, name, index) {
        if (name === undefined || name === null) return null;
        if (isNumeric(name) && index === undefined) return coll[Number(name)] || null;
        // document.all's own lookup gives every element of the name; other collections' only the first.
        const exact = coll instanceof HTMLAllCollection ? coll.namedItem(String(name)) : null;
        if (exact) {
            const list = exact instanceof Element ? [exact] : Array.from(exact);
            if (index !== undefined && index !== null) return list[Number(index)] || null;
            return list.length === 1 ? list[0] : collectionOf(list);
        }
        return itemOf(Array.from(coll), name, index);
    }
    VB.collectionItem = fromCollection;
    // What the VBScript runtime calls for document.all(...) and a collection's (...).
    VB.allItem = VB.collectionItem;

    Object.defineProperty(HTMLAllCollection.prototype, 'item', {
        value(name, index) {
            if (index === undefined && (isNumeric(name) || name === undefined)) return nativeAllItem.call(this, name);
            return fromCollection(this, name, index);
        },
        writable: true,
        configurable: true,
    });
    Object.defineProperty(HTMLCollection.prototype, 'item', {
        value(name, index) {
            if (index === undefined && (isNumeric(name) || name === undefined)) return nativeItem.call(this, name);
            return fromCollection(this, name, index);
        },
        writable: true,
        configurable: true,
    });
})();
