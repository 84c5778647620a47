// The page installed and used offline, a link's answers too (Chromium), and
// both editions opened from disk with nothing installed (Chromium and
// Firefox).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';
import {
  BROWSERS, CANNOT_RUN, LINK, PATIENCE, answered, indexFromDisk, onDisk, shows,
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

test('installable, and after one visit the whole dialogue with the server stopped', async () => {
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

test('a new build: said in the status line, the old cache gone after the reload', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'site-'));
  cpSync(SITE, folder, { recursive: true });
  const { site, page } = await visited(await browser.createBrowserContext(), folder);
  const [first] = await page.evaluate(() => caches.keys());
  appendFileSync(join(folder, 'page.css'), '/* the next build */\n');
  execFileSync(process.execPath, [join(SOURCES, 'scripts/make_service_worker.mjs'),
    join(SOURCES, 'site/service_worker.js'), join(folder, 'service_worker.js'),
    ...readdirSync(folder).filter((file) => !/^(service_worker\.js|beam-reactions\.html)$/.test(file))
      .map((file) => join(folder, file))]);
  await page.reload();
  await page.waitForFunction(() => document.getElementById('status').textContent
    .startsWith('A new version of the calculator is ready'), { timeout: PATIENCE });
  await page.reload();
  const [now, ...others] = await page.evaluate(() => caches.keys());
  assert.ok(now !== first && others.length === 0, `${first} then ${now}, ${others}`);
  assert.match(await page.evaluate(() => fetch('page.css').then((r) => r.text())), /the next build/);
  await site.close();
});

for (const [name, launch] of Object.entries(BROWSERS)) {
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
