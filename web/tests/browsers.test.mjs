// The page in headless Chromium and Firefox, typed at as a person would; each
// scenario checks the screen xterm.js shows and the status line beside it.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';

const BROWSERS = {
  chromium: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] },
  firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' },
};
const PATIENCE = 20000; // Firefox takes seconds to start here
const REPORT_END = 'Press Any Key To Continue';

// The whole screen, its lines' trailing spaces dropped; run in the page.
function screenText() {
  const buffer = window.beamTerminal?.buffer.active;
  return !buffer ? '' : Array.from({ length: buffer.length },
    (_, row) => buffer.getLine(row).translateToString(true)).join('\n').trimEnd();
}

const screen = (page) => page.evaluate(screenText);

async function shows(page, text) {
  try {
    await page.waitForFunction(`(${screenText})().includes(${JSON.stringify(text)})`,
      { timeout: PATIENCE, polling: 50 });
  } catch {
    assert.fail(`${JSON.stringify(text)} never shown; the screen ended with:\n` +
      (await screen(page)).split('\n').slice(-8).join('\n'));
  }
}

const status = (page) => page.$eval('#status', (element) => element.textContent);

async function ends(page, how = 'The run has ended.') {
  await page.waitForFunction((text) => document.getElementById('status').textContent
    .startsWith(text), { timeout: PATIENCE, polling: 50 }, how);
}

async function pressWithControl(page, key) {
  await page.keyboard.down('Control');
  await page.keyboard.press(key);
  await page.keyboard.up('Control');
}

async function answer(page, text) {
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
}

for (const [name, launch] of Object.entries(BROWSERS)) {
  describe(name, () => {
    let browser;
    let site;
    before(async () => {
      site = await serve(process.env.BEAM_SITE);
      browser = await puppeteer.launch({ headless: true, protocolTimeout: 60000, ...launch });
    });
    after(async () => {
      await browser?.close();
      site?.close();
    });

    async function opened() {
      const page = await browser.newPage();
      await page.goto(site.url);
      await shows(page, 'Enter Value 1');
      return page;
    }

    test('answers one a line, then a key', async () => {
      const page = await opened();
      for (const [value, next] of [['10', 'Enter Value 2'], ['100', 'Enter Value 3'],
        ['0', 'Enter Value 4'], ['0', 'Vertically Downward'], ['kN', 'For The Length']]) {
        await answer(page, value);
        await shows(page, next);
      }
      await answer(page, 'm');
      await shows(page, REPORT_END);
      assert.match(await screen(page), /Above = 10\n.*Above = 100\n[\s\S]* Ay = 50 kN\n By = 50 kN/);
      assert.match(await status(page), /running/);
      await page.keyboard.press('a');
      await ends(page);
    });

    test('answers typed ahead on one line', async () => {
      const page = await opened();
      await answer(page, '10 100 5 2 kN m');
      await shows(page, REPORT_END);
      assert.match(await screen(page), /Above = 10 100 5 2 kN m\nEnter Value 2/);
      assert.match(await screen(page), / Ax - Bx = 3 kN/);
    });

    test('Backspace erases a whole character', async () => {
      const page = await opened();
      await page.keyboard.type('10 100 0 0 kNé');
      await page.keyboard.press('Backspace');
      await answer(page, ' m');
      await shows(page, REPORT_END);
      assert.match(await screen(page), / By = 50 kN\n/);
    });

    test('Ctrl+D at the first question ends the answers', async () => {
      const page = await opened();
      await pressWithControl(page, 'd');
      await shows(page, REPORT_END);
      assert.match(await screen(page), /By And Ay Cannot Be Found/);
    });

    test('at the pause a modifier alone waits, an arrow ends it', async () => {
      const page = await opened();
      await answer(page, '10 100 0 0 kN m');
      await shows(page, REPORT_END);
      for (const modifier of ['Shift', 'Control', 'Alt']) {
        await page.keyboard.press(modifier);
      }
      await new Promise((resolve) => { setTimeout(resolve, 300); });
      assert.match(await status(page), /running/);
      await page.keyboard.press('ArrowUp');
      await ends(page);
    });

    test('a second run on a clear screen', async () => {
      const page = await opened();
      await answer(page, '10 100 0 0 kN m');
      await shows(page, REPORT_END);
      await page.keyboard.press('q');
      await ends(page);
      await page.keyboard.press('Enter');
      await shows(page, 'Enter Value 1');
      assert.doesNotMatch(await screen(page), /Ay = /);
      assert.match(await status(page), /running/);
    });

    test('Ctrl+C interrupts the run', async () => {
      const page = await opened();
      await pressWithControl(page, 'c');
      await ends(page, 'The run was interrupted.');
    });
  });
}
