// Benchmark of the browser edition's page, built by `cmake --workflow --preset web`:
//
//   node bench/page.mjs [LOADS]
//
// Prints the site's transfer size (every file the page loads, each gzip -9)
// and the median time from navigation to the first question on the screen
// in headless Chromium, against a floor page that writes the same screen
// into the same xterm.js from a string, without WebAssembly, measured in the
// same run. Fails when the site is over 220 KB or the first question takes
// more than 1.25 times the floor page's time.
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import puppeteer from '../web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js';
import { serve } from '../web/tests/serve.mjs';

const LOADS = Number(process.argv[2] ?? 15);
const MAX_TRANSFER_KB = 220;
const MAX_SLOWDOWN = 1.25;
const root = new URL('..', import.meta.url).pathname;
const site = join(root, 'build/web/site');

const transfer = readdirSync(site)
  .reduce((sum, file) => sum + gzipSync(readFileSync(join(site, file)), { level: 9 }).length, 0);

// The floor: the screen and the first question, from a string.
const golden = readFileSync(join(root, 'tests/golden/empty_input.out'), 'latin1');
const firstQuestion = golden.slice(0, golden.indexOf('= ') + 2);
const floor = mkdtempSync(join(tmpdir(), 'floor-'));
for (const file of ['xterm.mjs', 'xterm.css']) copyFileSync(join(site, file), join(floor, file));
writeFileSync(join(floor, 'screen.mjs'), `export default ${JSON.stringify(firstQuestion)};\n`);
writeFileSync(join(floor, 'floor.mjs'), `import { Terminal } from './xterm.mjs';
import screen from './screen.mjs';
const terminal = new Terminal({ cols: 120, rows: 40, convertEol: true, fontSize: 15 });
terminal.open(document.getElementById('terminal'));
window.beamTerminal = terminal;
terminal.write(screen);
`);
writeFileSync(join(floor, 'index.html'), `<!DOCTYPE html><html><head><meta charset="utf-8">
<link rel="stylesheet" href="xterm.css"><script type="module" src="floor.mjs"></script>
</head><body><div id="terminal"></div></body></html>
`);

// Milliseconds from navigation to the first question on the screen.
async function firstQuestionTime(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 800 }); // an ordinary window
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  const elapsed = await page.waitForFunction(() => {
    const buffer = window.beamTerminal?.buffer.active;
    for (let row = 0; buffer && row < buffer.length; row += 1) {
      if (buffer.getLine(row).translateToString(true).includes('Enter Value 1')) {
        return performance.now();
      }
    }
    return false;
  }, { polling: 'raf', timeout: 30000 }).then((handle) => handle.jsonValue());
  await page.close();
  return elapsed;
}

const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

const servers = [await serve(site), await serve(floor)];
const browser = await puppeteer.launch({
  browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'], headless: true,
});
const times = { page: [], floor: [] };
for (let load = 0; load < LOADS; load += 1) { // alternating, so that both see the same load
  times.page.push(await firstQuestionTime(browser, servers[0].url));
  times.floor.push(await firstQuestionTime(browser, servers[1].url));
}
await browser.close();
servers.forEach((server) => server.close());
rmSync(floor, { recursive: true });

const pageMs = median(times.page);
const floorMs = median(times.floor);
console.log(`${'loads'.padEnd(36)}${LOADS}`);
console.log(`${'site transfer size (gzip -9)'.padEnd(36)}${(transfer / 1000).toFixed(1)} KB (at most ${MAX_TRANSFER_KB})`);
console.log(`${'first question, page (median)'.padEnd(36)}${pageMs.toFixed(0)} ms`);
console.log(`${'first question, floor page (median)'.padEnd(36)}${floorMs.toFixed(0)} ms (page at most ${MAX_SLOWDOWN} times)`);
let failed = false;
if (transfer > MAX_TRANSFER_KB * 1000) { console.log('the site is too large'); failed = true; }
if (pageMs > floorMs * MAX_SLOWDOWN) { console.log('the first question is too slow'); failed = true; }
process.exitCode = failed ? 1 : 0;
