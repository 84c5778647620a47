// The page in WebKit, the engine of Safari and of every browser on iOS:
// WebKitGTK's MiniBrowser through W3C WebDriver, typed at as a person would.
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { serve } from './serve.mjs';
import {
  CANNOT_RUN, ONE_A_LINE, PATIENCE, REPORT_END, ends, indexFromDisk, lineBreak, onDisk, screen, shows,
} from './screen.mjs';
import { ENTER, WEBKIT_DRIVER, startWebKit } from './webdriver.mjs';

const skip = !existsSync(WEBKIT_DRIVER) && 'WebKitGTK is not installed (webkit2gtk-driver, xvfb)';
let page;
let site;
before(async () => {
  if (skip) return;
  site = await serve(process.env.BEAM_SITE);
  page = await startWebKit();
});
after(async () => {
  await page?.close();
  await site?.close();
});

async function opened(url = site.url) {
  await page.goto(url);
  await shows(page, 'Enter Value 1');
}

test('webkit: the whole dialogue typed at the terminal', { skip }, async () => {
  await opened();
  for (const [answer, next] of [['10', 'Enter Value 2'], ['100', 'Enter Value 3'],
    ['0 4', 'For The Weight'], ['kN m', REPORT_END]]) {
    await page.type('.xterm-helper-textarea', answer + ENTER);
    await shows(page, next);
  }
  assert.match(await screen(page), /Above = 10\n.*Above = 100\n[\s\S]* Bx = 4 kN <--,/);
  await page.type('.xterm-helper-textarea', 'a');
  await ends(page);
});

test('webkit: the answer line, Enter and a line break', { skip }, async () => {
  await opened();
  await page.click('#answer-box');
  await page.waitForFunction(() => !document.getElementById('answer-line').hidden, // loaded once asked for
    { timeout: PATIENCE });
  for (const answer of ['10', '100', '0', '4', 'kN']) await page.type('#answer', answer + ENTER);
  await page.type('#answer', 'm');
  await lineBreak(page);
  await shows(page, REPORT_END);
  assert.match(await screen(page), ONE_A_LINE);
  await page.click('#answer'); // a tap on the line ends the pause
  await ends(page);
});

test('webkit: both editions opened from disk', { skip }, async () => {
  await opened(onDisk('beam-reactions.html'));
  await page.type('.xterm-helper-textarea', `10 100 0 4 kN m${ENTER}`);
  await shows(page, ' Bx = 4 kN <--,');
  assert.match(await indexFromDisk(page), CANNOT_RUN);
});
