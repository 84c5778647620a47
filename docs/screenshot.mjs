// Makes docs/solved-beam.png, the README's picture of the page with a solved
// beam, from the built site (`cmake --workflow --preset web`) in headless
// Chromium:
//
//   node docs/screenshot.mjs
import { join } from 'node:path';
import puppeteer from '../web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js';
import { serve } from '../web/tests/serve.mjs';

const root = new URL('..', import.meta.url).pathname;
const site = await serve(join(root, 'build/web/site'));
const browser = await puppeteer.launch({
  browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'], headless: true,
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1100, height: 1500 });
  await page.goto(site.url);
  await page.waitForFunction(() => document.getElementById('status').textContent.includes('running'));
  for (const answer of ['7', '100', '0', '4', 'kN', 'm']) {
    await page.keyboard.type(answer);
    await page.keyboard.press('Enter');
  }
  await page.waitForSelector('#solution:not([hidden]) svg');
  await page.screenshot({ path: join(root, 'docs/solved-beam.png'), fullPage: true });
} finally {
  await browser.close();
  await site.close();
}
