// Takes the README's two pictures of a published page: docs/viewer-emulated.png with the
// legacy-browser emulation, docs/viewer-plain.png as a current browser shows it without.
//
// Usage: TABLOOM_PUBLISH_TOOL=build-test/tests/browser/publish_folder node tests/browser/screenshots.js
'use strict';

const fs = require('node:fs');
const path = require('node:path');

const { publish, startServer, launchBrowser, Viewer, makeTemporaryRoot } = require('./harness');

const DOCS = path.join(__dirname, '..', '..', 'docs');
const VIEWPORT = { width: 820, height: 420 };
const CAPTIONS = ['Fruit', 'Colour', 'Taste', 'More'];
const RECORDS = [
    ['Lemon', 'Yellow', 'sour', 'http://en.wikipedia.org/wiki/Lemon'],
    ['Apple', 'Red', 'sweet', ''],
    ['Cherry', 'Dark red', 'sweet', ''],
    ['Banana', 'Yellow', 'mild', 'http://en.wikipedia.org/wiki/Banana'],
];

async function main() {
    const root = makeTemporaryRoot();
    const server = await startServer(root);
    const browser = await launchBrowser();
    try {
        const folder = publish(root, 'fruit', RECORDS, CAPTIONS);
        for (const [emulation, file] of [[true, 'viewer-emulated.png'], [false, 'viewer-plain.png']]) {
            const viewer = await Viewer.create(browser, { emulation, viewport: VIEWPORT });
            await viewer.open(`${server.origin}/${folder}/db.htm`);
            await viewer.page.screenshot({ path: path.join(DOCS, file) });
            await viewer.close();
            console.log(`wrote docs/${file}`);
        }
    } finally {
        await browser.close();
        await server.close();
        fs.rmSync(root, { recursive: true, force: true });
    }
}

main().catch((error) => {
    console.error(error);
    process.exitCode = 1;
});
