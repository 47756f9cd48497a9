// The legacy-browser emulation on its own, on a small page that uses each of its parts in ways
// the viewer page does not: the corners where it had to choose, and the errors it throws.
'use strict';

const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');

const { startServer, launchBrowser, Viewer, makeTemporaryRoot } = require('./harness');

const XSL = 'http://www.w3.org/TR/WD-xsl';

const FILES = {
    'records.xml': '<?xml version="1.0"?>\n<db>\n  <rec id="1"><a>b</a><b>2</b></rec>\n'
        + '  <rec id="2"><a>a</a><b>3</b></rec>\n  <rec id="3"><a>b</a><b>1</b></rec>\n</db>\n',
    'broken.xml': '<db><rec></db>',
    'two-keys.xsl': `<db><xsl:for-each select="rec" order-by="+ a; - b" xmlns:xsl="${XSL}">`
        + '<rec><a><xsl:value-of select="a"/></a><b><xsl:value-of select="b"/></b></rec></xsl:for-each></db>',
    'apply.xsl': `<db xmlns:xsl="${XSL}"><xsl:apply-templates/></db>`,
    'sheet.xsl': `<xsl:stylesheet xmlns:xsl="${XSL}"><xsl:template match="/"/></xsl:stylesheet>`,
    'corners.htm': `<HTML><BODY>
<![if IE 4]><span class=shown>ie4</span><![endif]>
<![if lt IE 7]><span class=shown>lt7</span><![endif]>
<![if gte IE 7]><span class=shown>gte7</span><![endif]>
<![if !IE]><span class=shown>notie</span><![endif]>
<![if IE]><span class=shown>ie</span><![endif]>
<![if IE 6]><span class=shown>ie6</span><![endif]>
<XML id=records src="records.xml"></XML>
<XML id=broken src="broken.xml"></XML>
<XML id=absent src="absent.xml"></XML>
<XML id=twoKeys src="two-keys.xsl"></XML>
<XML id=apply src="apply.xsl"></XML>
<XML id=sheet src="sheet.xsl"></XML>
<XML id=scratch></XML>
<TABLE id=bound DATASRC="#scratch"><TR><TD><SPAN DATAFLD="a"></SPAN></TD><TD><INPUT DATAFLD="b"></TD></TR></TABLE>
<P>One fish, two fish. Fishing <B>fi</B>sh.</P>
<TABLE><TR><TD>left</TD><TD>right</TD></TR></TABLE>
<INPUT NAME=single value=fish><INPUT NAME=twice><INPUT NAME=twice><INPUT NAME=alert>
<SCRIPT>
var inScript = 'fish';
function matches(word, flags) {
    var found = [], range = document.body.createTextRange();
    while (range.findText(word, 0, flags)) {
        range.select();
        found.push(String(window.getSelection()));
        range.collapse(false);
    }
    return found;
}
function boundRows() {
    return Array.from(bound.querySelectorAll('tbody tr'), function (row) {
        return [row.querySelector('span').textContent, row.querySelector('input').value];
    });
}
</SCRIPT>
</BODY></HTML>`,
};

let root;
let server;
let browser;
let viewer;

before(async () => {
    root = makeTemporaryRoot();
    for (const [name, text] of Object.entries(FILES)) {
        fs.writeFileSync(path.join(root, name), text);
    }
    server = await startServer(root);
    browser = await launchBrowser();
    viewer = await Viewer.create(browser);
});

after(async () => {
    await browser?.close();
    await server?.close();
    fs.rmSync(root, { recursive: true, force: true });
});

// Runs body (an expression, or a promise of one) in a fresh copy of the page and gives its value,
// or the error it threw as "name: message".
async function evaluateInPage(body) {
    await viewer.open(`${server.origin}/corners.htm`);
    const outcome = await viewer.page.evaluate(async (source) => {
        try {
            return { value: await (0, eval)(source) };
        } catch (error) {
            return { error: `${error.name}: ${error.message}` };
        }
    }, body);
    assert.deepEqual(viewer.errors, [], 'the page loads without errors');
    return outcome;
}

function runCases(cases) {
    for (const { name, body, value, error } of cases) {
        it(name, async () => {
            assert.deepEqual(await evaluateInPage(body), error === undefined ? { value } : { error });
        });
    }
}

describe('XML documents', () => runCases([
    {
        name: 'childNodes is callable and has item(); white-space-only text is dropped on load',
        body: `const list = records.documentElement.childNodes;
            [list.length, list(0) === list.item(0), list(0).text, list(3), list.item(-1)]`,
        value: [3, true, 'b2', null, null],
    },
    { name: 'text joins the text of every descendant', body: 'records.documentElement.text', value: 'b2a3b1' },
    {
        name: 'cloneNode(true) of an island gives a separate document',
        body: `const copy = records.cloneNode(true);
            const root = copy.documentElement;
            root.replaceChild(root.childNodes(1).cloneNode(true), root.childNodes(0));
            [root.text, records.documentElement.text, copy.async]`,
        value: ['a3a3b1', 'b2a3b1', true],
    },
    {
        name: 'replaceChild returns the old child and takes a node from another document',
        body: `const root = records.documentElement;
            const old = root.childNodes(0);
            const returned = root.replaceChild(records.cloneNode(true).documentElement.childNodes(2), old);
            [returned === old, root.text]`,
        value: [true, 'b1a3b1'],
    },
    {
        name: 'replaceChild without an old child throws',
        body: 'records.documentElement.replaceChild(records.documentElement.childNodes(0).cloneNode(true), null)',
        error: 'LegacyError: replaceChild: there is no old child to replace',
    },
    {
        name: 'replaceChild of a node that is not a child throws',
        body: `const root = records.documentElement;
            root.replaceChild(root.childNodes(0).cloneNode(true), root.childNodes(0).childNodes(0))`,
        error: 'LegacyError: replaceChild: the old child is not a child of this node',
    },
    {
        name: 'replaceChild with something other than a node throws',
        body: 'records.documentElement.replaceChild("<rec/>", records.documentElement.childNodes(0))',
        error: 'LegacyError: replaceChild: the new child is not an XML node',
    },
    {
        name: 'a file that is missing or not well-formed loads as an empty document and load says false',
        body: '[absent.documentElement, broken.documentElement, (broken.async = false, broken.load("broken.xml")), (scratch.async = false, scratch.load("absent.xml"))]',
        value: [null, null, false, false],
    },
    {
        name: 'with async true, load returns at once and the document follows',
        body: `scratch.async = true;
            const returned = scratch.load('records.xml');
            const atOnce = scratch.documentElement;
            new Promise((resolve) => setTimeout(resolve, 0)).then(async function wait() {
                while (!scratch.documentElement) await new Promise((resolve) => setTimeout(resolve, 10));
                return [returned, atOnce, scratch.documentElement.text];
            })`,
        value: [true, null, 'b2a3b1'],
    },
]));

describe('XSL patterns of selectSingleNode', () => {
    const patterns = [
        { pattern: "rec[. = 'a3']", value: 'a3' },
        { pattern: "rec[a = 'b']", value: 'b2' },
        { pattern: "rec[a = 'b'][b = '1']", value: 'b1' },
        { pattern: '*[b = "1"]', value: 'b1' },
        { pattern: 'rec/b', value: '2' },
        { pattern: "rec[a = 'z']", value: null },
        { pattern: "rec[. = 'b']", value: null },
        { pattern: "rec[@id = '1']", error: 'LegacyError: XSL pattern "rec[@id = \'1\']": expected a name at position 4' },
        { pattern: "rec[. = 'it's']", error: 'LegacyError: XSL pattern "rec[. = \'it\'s\']": expected "]" at position 12' },
        { pattern: 'rec[. = b]', error: 'LegacyError: XSL pattern "rec[. = b]": expected a quoted literal at position 8' },
        { pattern: '//rec', error: 'LegacyError: XSL pattern "//rec": expected a name at position 0' },
    ];
    runCases(patterns.map(({ pattern, value, error }) => ({
        name: `selectSingleNode("${pattern}")`,
        body: `const found = records.documentElement.selectSingleNode(${JSON.stringify(pattern)}); found && found.text`,
        value,
        error,
    })));
});

describe('WD-xsl and data binding', () => runCases([
    {
        name: 'a bound table starts empty and follows its island through a transform with two order-by keys',
        body: `const before = boundRows();
            records.documentElement.transformNodeToObject(twoKeys.XMLDocument.documentElement, scratch.XMLDocument);
            [before, scratch.documentElement.text, boundRows()]`,
        value: [[], 'a3b2b1', [['a', '3'], ['b', '2'], ['b', '1']]],
    },
    {
        name: 'a bound table follows replaceChild in its island',
        body: `records.documentElement.transformNodeToObject(twoKeys.XMLDocument, scratch.XMLDocument);
            const root = scratch.documentElement;
            root.replaceChild(root.childNodes(2).cloneNode(true), root.childNodes(0));
            boundRows()`,
        value: [['b', '1'], ['b', '2'], ['b', '1']],
    },
    {
        name: 'an XSL instruction other than for-each and value-of throws',
        body: 'records.documentElement.transformNodeToObject(apply.documentElement, scratch.XMLDocument)',
        error: 'LegacyError: WD-xsl: xsl:apply-templates is not supported',
    },
    {
        name: 'a stylesheet with an xsl:stylesheet root throws',
        body: 'records.documentElement.transformNodeToObject(sheet.documentElement, scratch.XMLDocument)',
        error: 'LegacyError: WD-xsl: only a literal result element is supported as the stylesheet root, not xsl:stylesheet',
    },
    {
        name: 'a transform into something other than an XML document throws',
        body: 'records.documentElement.transformNodeToObject(twoKeys.documentElement, {})',
        error: 'LegacyError: transformNodeToObject: the output object is not an XML document',
    },
]));

describe('text ranges', () => runCases([
    {
        name: 'findText ignores case, finds across inline elements, and skips fields and scripts',
        body: 'matches("fish", 0)',
        value: ['fish', 'fish', 'Fish', 'fish'],
    },
    { name: 'flag 2 matches whole words only', body: 'matches("fish", 2)', value: ['fish', 'fish', 'fish'] },
    { name: 'flag 4 matches case', body: 'matches("Fish", 4)', value: ['Fish'] },
    { name: 'no match crosses table cells', body: '[matches("left right", 0), matches("leftright", 0)]', value: [[], []] },
    { name: 'an empty word is never found', body: 'matches("", 0)', value: [] },
    {
        name: 'a negative count searches backwards from the end of the range',
        body: `const range = document.body.createTextRange();
            const found = range.findText('fish', -100000);
            range.collapse(false);
            [found, range.findText('fish')]`,
        value: [true, false],
    },
    {
        name: 'collapse() without an argument goes to the start, collapse(false) to the end',
        body: `const range = document.body.createTextRange();
            range.findText('two');
            const copy = document.body.createTextRange();
            copy.moveToBookmark(range.getBookmark());
            range.collapse();
            copy.collapse(false);
            [range.findText('two'), copy.findText('two')]`,
        value: [true, false],
    },
    {
        name: 'a bookmark brings a range back to its text, a foreign one is refused',
        body: `const range = document.body.createTextRange();
            range.findText('two');
            const other = document.body.createTextRange();
            const results = [other.moveToBookmark(range.getBookmark()), other.moveToBookmark('nonsense')];
            other.select();
            results.concat(String(window.getSelection()))`,
        value: [true, false, 'two'],
    },
    {
        name: 'document.selection.empty() clears the selection',
        body: `const range = document.body.createTextRange();
            range.findText('fish');
            range.select();
            const selected = String(window.getSelection());
            document.selection.empty();
            [selected, window.getSelection().rangeCount]`,
        value: ['fish', 0],
    },
]));

describe('names and conditional markup', () => runCases([
    {
        name: 'an element with a NAME is a global, several with one NAME a collection, existing globals stay',
        body: '[single.value, twice.length, typeof alert]',
        value: ['fish', 2, 'function'],
    },
    {
        name: 'conditional blocks are shown as Internet Explorer 6 would',
        body: 'Array.from(document.querySelectorAll(".shown"), (element) => element.textContent)',
        value: ['lt7', 'ie', 'ie6'],
    },
]));
