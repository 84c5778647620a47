// The page installed and used offline, a link's answers too (Chromium), and
// both editions opened from disk with nothing installed (Chromium and
// Firefox).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';
import {
  BROWSERS, CANNOT_RUN, LINK, PATIENCE, PAUSED, answered, indexFromDisk, onDisk, shows, status,
} from './screen.mjs';

const SITE = process.env.BEAM_SITE;
const SOURCES = new URL('..', import.meta.url).pathname;

// Served from `folder`, once the page's worker has it.
async function visited(browser, folder) {
  const site = await serve(folder);
  const page = await browser.newPage(); // not in a private context, where nothing installs
  await page.goto(site.url);
  await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: PATIENCE });
  return { site, page };
}

let browser;
before(async () => { browser = await puppeteer.launch({ headless: true, ...BROWSERS.chromium }); });
after(() => browser?.close());

test('chromium: installable, and after one visit the whole dialogue with the server stopped', async () => {
  const { site, page } = await visited(browser, SITE);
  const protocol = await page.createCDPSession();
  assert.deepEqual((await protocol.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  await site.close();
  await page.setOfflineMode(true);
  await page.reload();
  await answered(page);
  await page.goto(site.url + LINK); // a link pasted in: the page loads again and answers from it
  await shows(page, ' Enter The Unit For The Length = m');
  await page.close();
});

// A rebuilt site, as a deploy brings it: the introduction and the figure's
// heading changed, and an export renamed.
function nextBuild() {
  const sources = mkdtempSync(join(tmpdir(), 'sources-'));
  cpSync(join(SOURCES, 'site'), sources, { recursive: true });
  const edit = (file, from, to) => writeFileSync(join(sources, file),
    readFileSync(join(sources, file), 'utf8').replaceAll(from, to));
  edit('index.html', 'Works out', 'The next build works out');
  edit('beam_figure.mjs', "'Free-body diagram'", "'The next free-body diagram'");
  edit('solution.mjs', 'class Solution', 'class WorkedSolution');
  edit('page.mjs', 'Solution', 'WorkedSolution');
  const folder = mkdtempSync(join(tmpdir(), 'site-'));
  execFileSync(process.execPath, [join(SOURCES, 'scripts/make_site.mjs'), sources,
    process.env.BEAM_WASM, folder, join(SITE, 'icon-192.png'), join(SITE, 'icon-512.png')]);
  return folder;
}

// The build a page is of, as it shows at the pause: its introduction's
// opening and its figure's heading.
async function shownBuild(page) {
  await page.waitForSelector('#solution:not([hidden]) svg', { timeout: PATIENCE });
  return page.evaluate(() => [document.querySelector('.introduction').textContent.slice(0, 14),
    document.querySelector('#solution .figure h3').textContent]);
}

// A page and all it loads are of one build: pages open when a new build is
// deployed go on with theirs, and are told once that a reload will use the
// new one; the next load is the new build, and the old cache goes once no
// page of it is open.
test('chromium: a new build under a page mid-run and a returning visitor\'s reload', async () => {
  const live = mkdtempSync(join(tmpdir(), 'live-'));
  cpSync(SITE, live, { recursive: true });
  const { site, page: midRun } = await visited(await browser.createBrowserContext(), live);
  await shows(midRun, 'Enter Value 1');
  await midRun.keyboard.type('7 100 0\n');
  const next = nextBuild();
  rmSync(live, { recursive: true });
  cpSync(next, live, { recursive: true });

  const returning = await midRun.browserContext().newPage();
  await returning.goto(site.url);
  for (const page of [midRun, returning]) {
    await page.waitForFunction(() => document.getElementById('status').textContent
      .includes('A new version of the calculator is ready'), { timeout: PATIENCE, polling: 100 });
  }
  assert.equal((await returning.evaluate(() => caches.keys())).length, 2, 'both builds kept');
  await midRun.keyboard.type('4 kN m\n');
  await answered(returning, '7 100 0 4 kN m');
  for (const page of [midRun, returning]) {
    assert.deepEqual(await shownBuild(page), ['Works out the ', 'Free-body diagram']);
  }
  await midRun.close();
  await returning.reload();
  await answered(returning, '7 100 0 4 kN m');
  assert.deepEqual(await shownBuild(returning), ['The next build', 'The next free-body diagram']);
  await returning.waitForFunction(async () => (await caches.keys()).length === 1,
    { timeout: PATIENCE, polling: 100 });
  await site.close();
});

for (const [name, launch] of Object.entries(BROWSERS)) {
  // The server gone once the first question shows, the worker's fetch with
  // it: the solution still drawn, as promised; the site kept once it is back.
  test(`${name}: the network lost after the first question, then back`, async () => {
    const opened = name === 'chromium' ? browser : await puppeteer.launch({ headless: true, ...launch });
    const site = await serve(SITE, { held: /service_worker\.js$/ });
    const page = await opened.newPage();
    await page.goto(site.url);
    await shows(page, 'Enter Value 1');
    await site.close();
    await answered(page, '7 100 0 4 kN m');
    await page.waitForSelector('#solution:not([hidden]) svg', { timeout: PATIENCE });
    assert.equal(await status(page), PAUSED);
    const back = await serve(SITE, { port: site.port });
    await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: PATIENCE, polling: 100 });
    await back.close();
    if (opened !== browser) await opened.close();
  });

  test(`${name}: both editions opened from disk`, async () => {
    const opened = await puppeteer.launch({ headless: true, ...launch });
    const page = await opened.newPage();
    await page.goto(onDisk('beam-reactions.html'));
    await answered(page);
    // index.html runs from disk where the browser lets it, and says so at once where not.
    const said = await indexFromDisk(page);
    if (name === 'firefox') await answered(page);
    else assert.match(said, CANNOT_RUN);
    await opened.close();
  });
}
