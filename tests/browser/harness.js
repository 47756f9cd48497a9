// What the browser tests share: publishing a folder with the real publish tool, serving folders
// on 127.0.0.1, and opening the viewer page in headless Chromium with or without the emulation.
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');

let chromium;
try {
    ({ chromium } = require('playwright-core'));
} catch (error) {
    throw new Error('playwright-core is missing: run `npm ci --prefix tests/browser` first', { cause: error });
}

const EMULATION = path.join(__dirname, 'legacy-emulation.js');

const CHROMIUM_ARGUMENTS = [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

const CONTENT_TYPES = {
    '.htm': 'text/html',
    '.js': 'text/javascript',
    '.css': 'text/css',
    '.xml': 'text/xml',
    '.xsl': 'text/xml',
};

function publishTool() {
    const tool = process.env.TABLOOM_PUBLISH_TOOL;
    if (!tool) {
        throw new Error('TABLOOM_PUBLISH_TOOL must name the publish_folder tool (ctest sets it)');
    }
    return tool;
}

// Publishes records (arrays of up to four cells) with captions into a new folder under root,
// through the publish_folder tool, and returns the folder's name.
function publish(root, name, records, captions) {
    const folder = path.join(root, name);
    fs.mkdirSync(folder);
    const input = records.map((cells) => cells.join('\t') + '\n').join('');
    execFileSync(publishTool(), [folder, ...captions], { input, stdio: ['pipe', 'inherit', 'inherit'] });
    return name;
}

// Serves the files under root; every requested path is kept in `requests`.
async function startServer(root) {
    const requests = [];
    const server = http.createServer((request, response) => {
        const urlPath = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        requests.push(urlPath);
        const file = path.join(root, path.normalize(urlPath));
        if (!file.startsWith(root + path.sep)) {
            response.writeHead(403).end();
            return;
        }
        fs.readFile(file, (error, bytes) => {
            if (error) {
                response.writeHead(404).end();
                return;
            }
            const type = CONTENT_TYPES[path.extname(file)] || 'application/octet-stream';
            response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' }).end(bytes);
        });
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        origin: `http://127.0.0.1:${server.address().port}`,
        requests,
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}

function launchBrowser() {
    return chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_ARGUMENTS });
}

// One browser page that opens page after page, with or without the emulation. Alerts are
// answered and kept in `alerts`, uncaught script errors in `errors`; both lists start empty at
// every open.
class Viewer {
    static async create(browser, { emulation = true, viewport } = {}) {
        const context = await browser.newContext(viewport ? { viewport } : {});
        const page = await context.newPage();
        if (emulation) {
            await page.addInitScript({ path: EMULATION });
        }
        return new Viewer(context, page);
    }

    constructor(context, page) {
        this.context = context;
        this.page = page;
        this.alerts = [];
        this.errors = [];
        page.on('dialog', (dialog) => {
            this.alerts.push(dialog.message());
            dialog.accept();
        });
        page.on('pageerror', (error) => this.errors.push(error.message));
    }

    async open(url) {
        this.alerts.length = 0;
        this.errors.length = 0;
        await this.page.goto(url, { waitUntil: 'load' });
        return this;
    }

    close() {
        return this.context.close();
    }
}

function makeTemporaryRoot() {
    return fs.realpathSync(fs.mkdtempSync(path.join(os.tmpdir(), 'tabloom-browser-')));
}

module.exports = { publish, startServer, launchBrowser, Viewer, makeTemporaryRoot };
