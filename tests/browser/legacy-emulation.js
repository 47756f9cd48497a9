/*
 * Legacy browser emulation for the Tabloom viewer page.
 *
 * A folder published by Tabloom holds db.htm, findT.js, db.css, db.xml and the sort stylesheets
 * by1.xsl to by4.xsl. The page was written for Internet Explorer 5 and 6 and relies on features
 * that no current browser has. This script gives a current browser (written against Chromium,
 * plain ES2020 and standard DOM only) exactly those features, as the page uses them:
 *
 *   1. XML documents        the MSXML-style object model: childNodes(i) and .item(i), .text,
 *                           cloneNode, replaceChild, load and async
 *   2. XSL patterns         selectSingleNode for simple paths with [. = 'literal'] filters
 *   3. WD-xsl               transformNodeToObject with literal result elements, xsl:for-each
 *                           (select, order-by) and xsl:value-of
 *   4. XML data islands     <XML id=... src=...> elements: XMLDocument, documentElement, async,
 *                           load, cloneNode
 *   5. Data binding         DATASRC on a TABLE repeats its TBODY per record, DATAFLD fills
 *                           elements, and the table follows its island's document
 *   6. Text ranges          document.body.createTextRange(), findText, collapse, select,
 *                           getBookmark, moveToBookmark, and document.selection.empty()
 *   7. Names and innerText  elements reached by their NAME as globals, innerText where missing
 *   8. Conditional markup   <![if ...]> ... <![endif]> blocks judged as Internet Explorer 6
 *
 * It must run before the page's own scripts: as a browser extension's content script at
 * document_start, or in tests through an init script. Where the old engine's behaviour is not
 * known for a corner case, the emulation throws rather than guess, so that a page relying on
 * it fails loudly.
 */
(function installLegacyEmulation(global) {
    'use strict';

    if (global.legacyEmulation) {
        return;
    }

    const document = global.document;
    const XSL_NAMESPACE = 'http://www.w3.org/TR/WD-xsl';
    const EMULATED_IE_VERSION = 6;

    class LegacyError extends Error {
        constructor(message) {
            super(message);
            this.name = 'LegacyError';
        }
    }

    // ---------------------------------------------------------------------------------------
    // 1. XML documents
    //
    // MSXML nodes are wrappers around the browser's own XML DOM nodes. A native node always
    // gives the same wrapper, so that comparing two wrappers compares the nodes.
    // ---------------------------------------------------------------------------------------

    const wrappers = new WeakMap();

    function wrap(native) {
        if (native === null || native === undefined) {
            return null;
        }
        const wrapper = wrappers.get(native);
        return wrapper || (native.nodeType === Node.DOCUMENT_NODE ? new LegacyDocument(native) : new LegacyNode(native));
    }

    function unwrap(value, what) {
        if (!(value instanceof LegacyNode)) {
            throw new LegacyError(what + ' is not an XML node');
        }
        return value.native;
    }

    // The text of a node and its descendants: text and CDATA joined with nothing between them.
    function textOf(native) {
        if (native.nodeType === Node.TEXT_NODE || native.nodeType === Node.CDATA_SECTION_NODE) {
            return native.data;
        }
        let text = '';
        for (const child of native.childNodes) {
            if (child.nodeType !== Node.COMMENT_NODE && child.nodeType !== Node.PROCESSING_INSTRUCTION_NODE) {
                text += textOf(child);
            }
        }
        return text;
    }

    // MSXML drops white-space-only text when it loads a document (preserveWhiteSpace false).
    function dropWhiteSpaceText(native) {
        for (const child of Array.from(native.childNodes)) {
            if (child.nodeType === Node.TEXT_NODE && child.data.trim() === '') {
                native.removeChild(child);
            } else if (child.nodeType === Node.ELEMENT_NODE) {
                dropWhiteSpaceText(child);
            }
        }
    }

    // childNodes is both a function, childNodes(i), and a live list with length and item(i).
    function childNodeList(native) {
        const item = (index) => wrap(native.childNodes[index] || null);
        const list = function childNodes(index) {
            return item(index);
        };
        Object.defineProperty(list, 'length', { get: () => native.childNodes.length });
        list.item = item;
        return list;
    }

    class LegacyNode {
        constructor(native) {
            this.native = native;
            wrappers.set(native, this);
        }

        get childNodes() {
            return childNodeList(this.native);
        }

        get text() {
            return textOf(this.native);
        }

        cloneNode(deep) {
            return wrap(this.native.cloneNode(Boolean(deep)));
        }

        // A node of another document is taken over, as MSXML allows.
        replaceChild(newChild, oldChild) {
            const newNative = unwrap(newChild, 'replaceChild: the new child');
            if (oldChild === null || oldChild === undefined) {
                throw new LegacyError('replaceChild: there is no old child to replace');
            }
            const oldNative = unwrap(oldChild, 'replaceChild: the old child');
            if (oldNative.parentNode !== this.native) {
                throw new LegacyError('replaceChild: the old child is not a child of this node');
            }
            this.native.replaceChild(newNative, oldNative);
            documentChanged(this.native);
            return oldChild;
        }

        selectSingleNode(pattern) {
            const found = selectNodes(this.native, parsePattern(pattern));
            return wrap(found.length ? found[0] : null);
        }

        transformNodeToObject(stylesheet, outputObject) {
            let stylesheetNative = unwrap(stylesheet, 'transformNodeToObject: the stylesheet');
            if (stylesheetNative.nodeType === Node.DOCUMENT_NODE) {
                stylesheetNative = stylesheetNative.documentElement;
            }
            if (!stylesheetNative) {
                throw new LegacyError('transformNodeToObject: the stylesheet document is empty');
            }
            if (!(outputObject instanceof LegacyDocument)) {
                throw new LegacyError('transformNodeToObject: the output object is not an XML document');
            }
            const sourceNative = this.native.nodeType === Node.DOCUMENT_NODE ? this.native.documentElement : this.native;
            outputObject.replaceContent(transform(sourceNative, stylesheetNative));
        }
    }

    const changeListeners = new WeakMap();

    function onDocumentChange(nativeDocument, listener) {
        if (!changeListeners.has(nativeDocument)) {
            changeListeners.set(nativeDocument, []);
        }
        changeListeners.get(nativeDocument).push(listener);
    }

    function documentChanged(native) {
        const nativeDocument = native.nodeType === Node.DOCUMENT_NODE ? native : native.ownerDocument;
        for (const listener of changeListeners.get(nativeDocument) || []) {
            listener();
        }
    }

    function newNativeDocument() {
        return document.implementation.createDocument(null, null, null);
    }

    class LegacyDocument extends LegacyNode {
        constructor(native) {
            super(native || newNativeDocument());
            this.async = true;
        }

        get documentElement() {
            return wrap(this.native.documentElement);
        }

        // Makes root (a native element of any document, or null) the document's only content.
        replaceContent(rootNative) {
            this.native.replaceChildren();
            if (rootNative) {
                this.native.appendChild(this.native.importNode(rootNative, true));
            }
            documentChanged(this.native);
        }

        // Returns true once the document is loaded when async is false; a failed load leaves the
        // document empty. With async true it returns at once and the document follows later.
        load(url) {
            const request = new XMLHttpRequest();
            const asynchronous = Boolean(this.async);
            request.open('GET', String(url), asynchronous);
            request.overrideMimeType('text/xml');
            const finish = () => {
                const loaded = readXmlResponse(request);
                this.replaceContent(loaded ? loaded.documentElement : null);
                return loaded !== null;
            };
            if (asynchronous) {
                request.onloadend = finish;
                request.send();
                return true;
            }
            try {
                request.send();
            } catch (networkError) {
                this.replaceContent(null);
                return false;
            }
            return finish();
        }
    }

    function readXmlResponse(request) {
        const succeeded = request.status === 200 || (request.status === 0 && request.responseText !== '');
        const parsed = succeeded ? request.responseXML : null;
        if (!parsed || !parsed.documentElement || parsed.getElementsByTagName('parsererror').length) {
            return null;
        }
        dropWhiteSpaceText(parsed);
        return parsed;
    }

    // ---------------------------------------------------------------------------------------
    // 2. XSL patterns
    //
    // The subset the page builds: steps separated by "/", each a child element name or "*",
    // each with any number of filters [. = 'literal'] or [name = 'literal']. A node's value in a
    // filter is its text. Literals have no escapes, so a quote inside one ends it; anything
    // outside the subset throws.
    // ---------------------------------------------------------------------------------------

    function parsePattern(source) {
        const text = String(source);
        let position = 0;

        const fail = (expected) => {
            throw new LegacyError('XSL pattern "' + text + '": expected ' + expected + ' at position ' + position);
        };
        const skipBlanks = () => {
            while (position < text.length && /\s/.test(text[position])) {
                position++;
            }
        };
        const take = (token) => {
            skipBlanks();
            if (text.startsWith(token, position)) {
                position += token.length;
                return true;
            }
            return false;
        };
        const name = () => {
            skipBlanks();
            const match = /^(\*|[A-Za-z_][\w.-]*(:[A-Za-z_][\w.-]*)?)/.exec(text.slice(position));
            if (!match) {
                fail('a name');
            }
            position += match[0].length;
            return match[0];
        };
        const literal = () => {
            skipBlanks();
            const quote = text[position];
            if (quote !== "'" && quote !== '"') {
                fail('a quoted literal');
            }
            const end = text.indexOf(quote, position + 1);
            if (end < 0) {
                fail('the closing quote');
            }
            const value = text.slice(position + 1, end);
            position = end + 1;
            return value;
        };

        const steps = [];
        do {
            const step = { name: name(), filters: [] };
            while (take('[')) {
                const operand = take('.') ? '.' : name();
                if (!take('=')) {
                    fail('"="');
                }
                step.filters.push({ operand, value: literal() });
                if (!take(']')) {
                    fail('"]"');
                }
            }
            steps.push(step);
        } while (take('/'));
        skipBlanks();
        if (position !== text.length) {
            fail('the end of the pattern');
        }
        return steps;
    }

    function childElements(native, name) {
        return Array.from(native.childNodes).filter(
            (child) => child.nodeType === Node.ELEMENT_NODE && (name === '*' || child.nodeName === name));
    }

    function passesFilter(native, filter) {
        if (filter.operand === '.') {
            return textOf(native) === filter.value;
        }
        return childElements(native, filter.operand).some((child) => textOf(child) === filter.value);
    }

    function selectNodes(contextNative, steps) {
        let nodes = [contextNative];
        for (const step of steps) {
            nodes = nodes.flatMap((node) => childElements(node, step.name))
                .filter((node) => step.filters.every((filter) => passesFilter(node, filter)));
        }
        return nodes;
    }

    // ---------------------------------------------------------------------------------------
    // 3. WD-xsl
    //
    // A stylesheet whose root is a literal result element is a template for the node it is
    // applied to. Inside it: literal elements and text are copied (white-space-only text is
    // not), xsl:for-each repeats its content for each node that select gives, in the order of
    // its order-by keys ("+ name" ascending, "- name" descending, separated by ";"), and
    // xsl:value-of writes the text of the first node its select gives. Keys are compared as
    // strings, code unit by code unit; equal keys keep document order.
    // ---------------------------------------------------------------------------------------

    function transform(sourceNative, stylesheetRoot) {
        if (stylesheetRoot.namespaceURI === XSL_NAMESPACE) {
            throw new LegacyError('WD-xsl: only a literal result element is supported as the stylesheet root, not xsl:'
                + stylesheetRoot.localName);
        }
        const output = newNativeDocument();
        const holder = output.createElement('result');
        instantiate(stylesheetRoot, sourceNative, holder);
        const produced = childElements(holder, '*');
        if (produced.length !== 1 || holder.childNodes.length !== 1) {
            throw new LegacyError('WD-xsl: the stylesheet must produce exactly one root element');
        }
        return produced[0];
    }

    function instantiate(templateNative, contextNative, outputParent) {
        if (templateNative.nodeType === Node.TEXT_NODE || templateNative.nodeType === Node.CDATA_SECTION_NODE) {
            if (templateNative.data.trim() !== '') {
                outputParent.appendChild(outputParent.ownerDocument.createTextNode(templateNative.data));
            }
            return;
        }
        if (templateNative.nodeType !== Node.ELEMENT_NODE) {
            return;
        }
        if (templateNative.namespaceURI === XSL_NAMESPACE) {
            runInstruction(templateNative, contextNative, outputParent);
            return;
        }
        const literal = outputParent.ownerDocument.createElementNS(templateNative.namespaceURI, templateNative.nodeName);
        for (const attribute of templateNative.attributes) {
            if (attribute.namespaceURI !== 'http://www.w3.org/2000/xmlns/') {
                literal.setAttributeNS(attribute.namespaceURI, attribute.name, attribute.value);
            }
        }
        outputParent.appendChild(literal);
        for (const child of templateNative.childNodes) {
            instantiate(child, contextNative, literal);
        }
    }

    function runInstruction(instruction, contextNative, outputParent) {
        const select = instruction.getAttribute('select');
        switch (instruction.localName) {
        case 'for-each': {
            if (select === null) {
                throw new LegacyError('WD-xsl: xsl:for-each needs a select attribute');
            }
            const nodes = sortByKeys(selectNodes(contextNative, parsePattern(select)), instruction.getAttribute('order-by'));
            for (const node of nodes) {
                for (const child of instruction.childNodes) {
                    instantiate(child, node, outputParent);
                }
            }
            return;
        }
        case 'value-of': {
            const found = select === null ? [contextNative] : selectNodes(contextNative, parsePattern(select));
            if (found.length) {
                outputParent.appendChild(outputParent.ownerDocument.createTextNode(textOf(found[0])));
            }
            return;
        }
        default:
            throw new LegacyError('WD-xsl: xsl:' + instruction.localName + ' is not supported');
        }
    }

    function sortByKeys(nodes, orderBy) {
        if (orderBy === null || orderBy.trim() === '') {
            return nodes;
        }
        const keys = orderBy.split(';').map((key) => {
            const match = /^\s*([+-]?)\s*(.+?)\s*$/.exec(key);
            if (!match) {
                throw new LegacyError('WD-xsl: order-by "' + orderBy + '" has an empty key');
            }
            return { direction: match[1] === '-' ? -1 : 1, steps: parsePattern(match[2]) };
        });
        const keyText = (node, key) => {
            const found = selectNodes(node, key.steps);
            return found.length ? textOf(found[0]) : '';
        };
        const rows = nodes.map((node) => ({ node, values: keys.map((key) => keyText(node, key)) }));
        rows.sort((left, right) => {
            for (let index = 0; index < keys.length; index++) {
                const a = left.values[index];
                const b = right.values[index];
                if (a !== b) {
                    return (a < b ? -1 : 1) * keys[index].direction;
                }
            }
            return 0;
        });
        return rows.map((row) => row.node);
    }

    // ---------------------------------------------------------------------------------------
    // 4. XML data islands
    //
    // Current browsers parse <XML> as an unknown element. Each such element is given an XML
    // document, created on first use; a src attribute is loaded into it at once and
    // synchronously, so the island is ready before any script can use it. Like the old engine,
    // the element stands for its document: async, load, documentElement and cloneNode act on
    // the document, and XMLDocument returns it. Inline island content is not read.
    // ---------------------------------------------------------------------------------------

    const islandDocuments = new WeakMap();

    function isIsland(element) {
        return element instanceof HTMLElement && element.localName === 'xml';
    }

    function islandDocument(island) {
        let xmlDocument = islandDocuments.get(island);
        if (!xmlDocument) {
            xmlDocument = new LegacyDocument();
            islandDocuments.set(island, xmlDocument);
            const source = island.getAttribute('src');
            if (source !== null) {
                xmlDocument.async = false;
                xmlDocument.load(source);
                xmlDocument.async = true;
            }
        }
        return xmlDocument;
    }

    function defineIslandMember(name, descriptorFor) {
        const prototype = HTMLUnknownElement.prototype;
        const inherited = Object.getOwnPropertyDescriptor(Element.prototype, name)
            || Object.getOwnPropertyDescriptor(Node.prototype, name);
        Object.defineProperty(prototype, name, Object.assign({ configurable: true }, descriptorFor(inherited)));
    }

    // On other unknown elements the names behave as ordinary properties.
    function expandoFallback(element, name, value) {
        Object.defineProperty(element, name, { value, writable: true, configurable: true, enumerable: true });
    }

    defineIslandMember('XMLDocument', () => ({
        get() { return isIsland(this) ? islandDocument(this) : undefined; },
        set(value) { expandoFallback(this, 'XMLDocument', value); },
    }));
    defineIslandMember('documentElement', () => ({
        get() { return isIsland(this) ? islandDocument(this).documentElement : undefined; },
        set(value) { expandoFallback(this, 'documentElement', value); },
    }));
    defineIslandMember('async', () => ({
        get() { return isIsland(this) ? islandDocument(this).async : undefined; },
        set(value) {
            if (isIsland(this)) {
                islandDocument(this).async = value;
            } else {
                expandoFallback(this, 'async', value);
            }
        },
    }));
    defineIslandMember('load', () => ({
        get() {
            if (!isIsland(this)) {
                return undefined;
            }
            const island = this;
            return function load(url) { return islandDocument(island).load(url); };
        },
        set(value) { expandoFallback(this, 'load', value); },
    }));
    defineIslandMember('cloneNode', (inherited) => ({
        writable: true,
        value: function cloneNode(deep) {
            return isIsland(this) ? islandDocument(this).cloneNode(deep) : inherited.value.call(this, deep);
        },
    }));

    // ---------------------------------------------------------------------------------------
    // 5. Data binding
    //
    // A TABLE with DATASRC="#island" shows one copy of its TBODY for every record, a record
    // being a child element of the island's root. In each copy an element with DATAFLD="name"
    // gets the text of the record's child element of that name (an empty text when it has
    // none): form fields as their value, other elements as their text. The table is drawn when
    // the page has been read and again whenever the island's document changes.
    // ---------------------------------------------------------------------------------------

    function bindTable(table) {
        const source = table.getAttribute('datasrc') || '';
        const island = source.startsWith('#') ? document.getElementById(source.slice(1)) : null;
        if (!island || !isIsland(island)) {
            throw new LegacyError('data binding: DATASRC "' + source + '" names no XML data island');
        }
        const templates = Array.from(table.tBodies);
        templates.forEach((body) => body.remove());
        let drawn = [];
        const draw = () => {
            drawn.forEach((body) => body.remove());
            const root = islandDocument(island).native.documentElement;
            const records = root ? childElements(root, '*') : [];
            drawn = records.flatMap((record) => templates.map((template) => fillTemplate(template, record)));
            drawn.forEach((body) => table.appendChild(body));
        };
        onDocumentChange(islandDocument(island).native, draw);
        draw();
    }

    function fillTemplate(template, record) {
        const copy = template.cloneNode(true);
        for (const element of copy.querySelectorAll('[datafld]')) {
            const field = childElements(record, element.getAttribute('datafld'))[0];
            const value = field ? textOf(field) : '';
            if (element instanceof HTMLInputElement || element instanceof HTMLTextAreaElement
                || element instanceof HTMLSelectElement) {
                element.value = value;
            } else {
                element.textContent = value;
            }
        }
        return copy;
    }

    // ---------------------------------------------------------------------------------------
    // 6. Text ranges
    //
    // A text range covers a stretch of the page's visible text. That text is modelled as one
    // string: white space runs count as one blank, and a line break stands between blocks,
    // table cells and at BR, so no match crosses them. Form fields, scripts and islands hold no
    // page text. Positions are offsets into that string; a bookmark records them, so it keeps
    // its place only while the page text stays the same. Searches ignore case unless flag 4 is
    // given; flag 2 asks for whole words, flag 1 searches backwards.
    // ---------------------------------------------------------------------------------------

    const SKIPPED_ELEMENTS = new Set(['SCRIPT', 'STYLE', 'XML', 'TEXTAREA', 'SELECT', 'INPUT', 'NOSCRIPT', 'TEMPLATE']);
    const BOOKMARK_PREFIX = 'legacy-text-range:';
    const DEFAULT_SEARCH_COUNT = 1073741823;
    const MATCH_BACKWARDS = 1;
    const MATCH_WHOLE_WORD = 2;
    const MATCH_CASE = 4;

    function isBlock(element) {
        const display = global.getComputedStyle(element).display;
        return element.nodeName === 'BR' || !display.startsWith('inline');
    }

    function buildTextModel(root) {
        let text = '';
        const points = [];
        const addBreak = () => {
            if (text !== '' && !text.endsWith('\n')) {
                text += '\n';
                points.push(null);
            }
        };
        const visit = (node) => {
            if (node.nodeType === Node.TEXT_NODE) {
                for (let offset = 0; offset < node.data.length; offset++) {
                    const character = node.data[offset];
                    if (/\s/.test(character)) {
                        if (text === '' || /\s$/.test(text)) {
                            continue;
                        }
                        text += ' ';
                    } else {
                        text += character;
                    }
                    points.push({ node, offset });
                }
                return;
            }
            if (node.nodeType !== Node.ELEMENT_NODE || SKIPPED_ELEMENTS.has(node.nodeName)) {
                return;
            }
            if (global.getComputedStyle(node).display === 'none') {
                return;
            }
            const block = isBlock(node);
            if (block) {
                addBreak();
            }
            node.childNodes.forEach(visit);
            if (block) {
                addBreak();
            }
        };
        visit(root);
        return { text, points };
    }

    function normalizeNeedle(needle) {
        return String(needle).replace(/\s+/g, ' ');
    }

    function foldCase(text) {
        return Array.from(text, (character) => {
            const lower = character.toLowerCase();
            return lower.length === character.length ? lower : character;
        }).join('');
    }

    function isWordCharacter(character) {
        return character !== undefined && /[\p{L}\p{N}_]/u.test(character);
    }

    class TextRange {
        constructor(root, start, end) {
            this.root = root;
            this.start = start;
            this.end = end;
        }

        model() {
            return buildTextModel(this.root);
        }

        findText(searchText, count, flags) {
            const needle = normalizeNeedle(searchText);
            if (needle === '') {
                return false;
            }
            const model = this.model();
            const options = Number(flags) || 0;
            const scope = this.searchScope(count === undefined ? DEFAULT_SEARCH_COUNT : Number(count), model.text.length);
            const backwards = scope.backwards || (options & MATCH_BACKWARDS) !== 0;
            const matchCase = (options & MATCH_CASE) !== 0;
            const haystack = matchCase ? model.text : foldCase(model.text);
            const wanted = matchCase ? needle : foldCase(needle);
            const fits = (at) => {
                if (haystack.substr(at, wanted.length) !== wanted) {
                    return false;
                }
                return (options & MATCH_WHOLE_WORD) === 0
                    || (!isWordCharacter(model.text[at - 1]) && !isWordCharacter(model.text[at + wanted.length]));
            };
            const last = scope.to - wanted.length;
            for (let step = 0; step <= last - scope.from; step++) {
                const at = backwards ? last - step : scope.from + step;
                if (fits(at)) {
                    this.start = at;
                    this.end = at + wanted.length;
                    return true;
                }
            }
            return false;
        }

        // Which stretch of text a search covers: count characters on from the start (back from
        // the end when negative); 0 means the range itself, or the rest of the page for a
        // collapsed range.
        searchScope(count, textLength) {
            if (count > 0) {
                return { from: this.start, to: Math.min(textLength, this.start + count), backwards: false };
            }
            if (count < 0) {
                return { from: Math.max(0, this.end + count), to: this.end, backwards: true };
            }
            if (this.start === this.end) {
                return { from: this.start, to: textLength, backwards: false };
            }
            return { from: this.start, to: this.end, backwards: false };
        }

        collapse(toStart) {
            if (toStart === undefined || toStart) {
                this.end = this.start;
            } else {
                this.start = this.end;
            }
        }

        select() {
            const model = this.model();
            const selection = global.getSelection();
            selection.removeAllRanges();
            selection.addRange(domRangeFor(model, this.start, this.end));
        }

        getBookmark() {
            return BOOKMARK_PREFIX + this.start + ':' + this.end;
        }

        moveToBookmark(bookmark) {
            const match = new RegExp('^' + BOOKMARK_PREFIX + '(\\d+):(\\d+)$').exec(String(bookmark));
            const length = this.model().text.length;
            if (!match || Number(match[2]) > length || Number(match[1]) > Number(match[2])) {
                return false;
            }
            this.start = Number(match[1]);
            this.end = Number(match[2]);
            return true;
        }
    }

    // The DOM position of a text offset: just before its character, or after the last
    // character before it when the offset is at the end or at a break.
    function domPoint(model, offset) {
        for (let index = offset; index < model.points.length; index++) {
            const point = model.points[index];
            if (point) {
                if (index === offset) {
                    return point;
                }
                break;
            }
        }
        for (let index = offset - 1; index >= 0; index--) {
            const point = model.points[index];
            if (point) {
                return { node: point.node, offset: point.offset + 1 };
            }
        }
        return { node: document.body, offset: 0 };
    }

    function domRangeFor(model, start, end) {
        const range = document.createRange();
        const from = domPoint(model, start);
        range.setStart(from.node, from.offset);
        if (end === start) {
            range.collapse(true);
        } else {
            const to = domPoint(model, end - 1);
            range.setEnd(to.node, to.offset + 1);
        }
        return range;
    }

    Object.defineProperty(HTMLBodyElement.prototype, 'createTextRange', {
        configurable: true,
        writable: true,
        value: function createTextRange() {
            return new TextRange(this, 0, buildTextModel(this).text.length);
        },
    });

    Object.defineProperty(Document.prototype, 'selection', {
        configurable: true,
        get() {
            return {
                empty() {
                    global.getSelection().removeAllRanges();
                },
            };
        },
    });

    // ---------------------------------------------------------------------------------------
    // 7. Names and innerText
    //
    // The old engine made every element with a NAME a global of the page, as current browsers
    // still do for ids: one element as itself, several as a collection. A name that is already
    // a global, or becomes one by a script, is left alone. innerText is standard now and is
    // only supplied where a browser lacks it.
    // ---------------------------------------------------------------------------------------

    function exposeName(element) {
        const name = element.getAttribute('name');
        if (!name || name in global) {
            return;
        }
        Object.defineProperty(global, name, {
            configurable: true,
            enumerable: false,
            get() {
                const named = document.getElementsByName(name);
                return named.length === 1 ? named[0] : named;
            },
            set(value) {
                Object.defineProperty(global, name, { value, writable: true, configurable: true, enumerable: true });
            },
        });
    }

    // Exposes the names of element (when it has one) and of its descendants.
    function exposeNames(element) {
        if (element.matches('[name]')) {
            exposeName(element);
        }
        element.querySelectorAll('[name]').forEach(exposeName);
    }

    if (!('innerText' in HTMLElement.prototype)) {
        Object.defineProperty(HTMLElement.prototype, 'innerText', {
            configurable: true,
            get() { return this.textContent; },
            set(value) { this.textContent = value; },
        });
    }

    // ---------------------------------------------------------------------------------------
    // 8. Conditional markup
    //
    // Current browsers read <![if IE 4]> and <![endif]> as comments and show what stands
    // between them. The old engine showed it only when the condition held; here the condition
    // is judged for Internet Explorer 6, and what it excludes is removed from the page.
    // Conditions are "IE", "IE n", "!IE", and "lt", "lte", "gt", "gte" before "IE n".
    // ---------------------------------------------------------------------------------------

    function conditionHolds(condition) {
        const match = /^\s*(!)?\s*(?:(lt|lte|gt|gte)\s+)?IE(?:\s+(\d+(?:\.\d+)?))?\s*$/i.exec(condition);
        if (!match) {
            throw new LegacyError('conditional markup: the condition "' + condition + '" is not understood');
        }
        const version = match[3] === undefined ? null : Number(match[3]);
        let holds = true;
        if (version !== null) {
            const comparisons = {
                lt: EMULATED_IE_VERSION < version,
                lte: EMULATED_IE_VERSION <= version,
                gt: EMULATED_IE_VERSION > version,
                gte: EMULATED_IE_VERSION >= version,
            };
            holds = match[2] ? comparisons[match[2].toLowerCase()] : Math.floor(version) === EMULATED_IE_VERSION;
        }
        return match[1] ? !holds : holds;
    }

    function applyConditionalMarkup(root) {
        const walker = document.createTreeWalker(root, NodeFilter.SHOW_COMMENT);
        const openings = [];
        while (walker.nextNode()) {
            const condition = /^\[if\s+(.*)\]$/.exec(walker.currentNode.data);
            if (condition) {
                openings.push({ comment: walker.currentNode, condition: condition[1] });
            }
        }
        for (const { comment, condition } of openings) {
            if (conditionHolds(condition)) {
                continue;
            }
            let node = comment.nextSibling;
            while (node && !(node.nodeType === Node.COMMENT_NODE && node.data === '[endif]')) {
                const next = node.nextSibling;
                node.remove();
                node = next;
            }
            if (!node) {
                throw new LegacyError('conditional markup: [if ' + condition + '] has no [endif] beside it');
            }
        }
    }

    // ---------------------------------------------------------------------------------------
    // Start-up: names become globals as the page is read, so a script can use one as soon as
    // its element is there; islands, conditional markup and bound tables are dealt with once
    // the whole page has been read, before its load event.
    // ---------------------------------------------------------------------------------------

    new MutationObserver((mutations) => {
        for (const mutation of mutations) {
            mutation.addedNodes.forEach((node) => {
                if (node.nodeType === Node.ELEMENT_NODE) {
                    exposeNames(node);
                }
            });
        }
    }).observe(document, { childList: true, subtree: true });

    document.addEventListener('DOMContentLoaded', () => {
        exposeNames(document.documentElement);
        applyConditionalMarkup(document);
        document.querySelectorAll('xml').forEach((island) => islandDocument(island));
        document.querySelectorAll('table[datasrc]').forEach(bindTable);
    }, { once: true });

    global.legacyEmulation = { version: EMULATED_IE_VERSION, LegacyError };
})(window);
