// The page in headless Chromium and Firefox, typed at as a person would; each
// scenario checks the screen xterm.js shows and the status line beside it.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { serve } from './serve.mjs';
import {
  BROWSERS, ONE_A_LINE, PATIENCE, REPORT_END, answered, browserAndSite, ends, lineBreak, paste,
  screen, shows, status,
} from './screen.mjs';

async function pressWithControl(page, key) {
  await page.keyboard.down('Control');
  await page.keyboard.press(key);
  await page.keyboard.up('Control');
}

for (const [name, launch] of Object.entries(BROWSERS)) {
  describe(name, () => {
    const held = browserAndSite(launch);

    async function opened() {
      const page = await held.browser.newPage();
      await page.goto(held.site.url);
      await shows(page, 'Enter Value 1');
      return page;
    }

    test('answers one a line, then a key', async () => {
      const page = await opened();
      for (const [value, next] of [['10', 'Enter Value 2'], ['100', 'Enter Value 3'],
        ['0', 'Enter Value 4'], ['4', 'Vertically Downward'], ['kN', 'For The Length'],
        ['m', REPORT_END]]) {
        await page.keyboard.type(`${value}\n`);
        await shows(page, next);
      }
      assert.match(await screen(page), ONE_A_LINE);
      assert.match(await status(page), /press any key/);
      await page.keyboard.press('a');
      await ends(page);
    });

    // What the screen shows is what the program reads: Backspace erases a
    // character as shown (wide, accented, joined), Ctrl+U the whole line, and
    // pasted Tabs separate answers.
    test('answers typed ahead on one line; Backspace erases a whole character', async () => {
      const page = await opened();
      await page.keyboard.type('10 100 5 2 kNé');
      await page.keyboard.press('Backspace'); // the key itself, as xterm.js sends it
      await answered(page, ' m');
      assert.match(await screen(page), /Above = 10 100 5 2 kN m\nEnter Value 2[\s\S]* Ax - Bx = 3 kN\n/);
      await page.keyboard.press('q');
      await ends(page);
      await page.keyboard.press('Enter');
      await shows(page, 'Enter Value 1');
      for (const character of ['中', 'e\u0301', '👩\u200d👧', '👍🏽']) {
        await page.keyboard.type(`9${character}`);
        await page.keyboard.press('Backspace');
      }
      assert.match(await screen(page), /Above = 9999$/);
      await pressWithControl(page, 'u');
      assert.match(await screen(page), /Above =$/);
      await page.keyboard.type('12 中文字');
      await pressWithControl(page, 'u');
      await paste(page, '7\t100\t0\v4\fk中\tm\n');
      await shows(page, REPORT_END);
      assert.match(await screen(page), /Above = 7 100 0 4 k中 m\n[\s\S]* Force Is 100 k中\n[\s\S]* 7 \/ 2 = /);
    });

    // Typed ahead, the empty line ends the pause at once: the report is
    // still told, drawn and there to copy.
    test('a paste ending in an empty line', async () => {
      const page = await opened();
      await paste(page, '7 100 0 4 kN m\n\n');
      await ends(page);
      await page.waitForSelector('#solution:not([hidden]) svg', { timeout: PATIENCE });
      await page.waitForFunction(() => document.getElementById('told').textContent.includes('Bx = 4 kN'),
        { timeout: PATIENCE });
      await page.click('#solution .save');
      assert.match(await status(page), /saved as/);
    });

    test('Ctrl+D at the first question ends the answers', async () => {
      const page = await opened();
      await pressWithControl(page, 'd');
      await shows(page, REPORT_END);
      assert.match(await screen(page), /By And Ay Cannot Be Found/);
    });

    test('at the pause a modifier alone waits, an arrow ends it; then a new run', async () => {
      const page = await opened();
      await answered(page);
      for (const modifier of ['Shift', 'Control', 'Alt']) await page.keyboard.press(modifier);
      await new Promise((resolve) => { setTimeout(resolve, 300); });
      assert.match(await status(page), /press any key/);
      await page.keyboard.press('ArrowUp');
      await ends(page);
      await page.keyboard.press('Enter'); // on a clear screen
      await shows(page, 'Enter Value 1');
      assert.doesNotMatch(await screen(page), /Ay = /);
      assert.match(await status(page), /running/);
    });

    // The answer line as a phone's browser feeds it: typed keys, the end of
    // a composition, then a line break in place of Enter.
    test('answers in the answer line', async () => {
      const page = await opened();
      await page.click('#answer-box');
      await page.waitForSelector('#answer', { visible: true }); // loaded once asked for
      for (const value of ['10', '100', '0', '4', 'kN', 'm']) {
        await page.type('#answer', value);
        await page.$eval('#answer', (field) => field.dispatchEvent(
          new CompositionEvent('compositionend', { data: field.value })));
        await lineBreak(page);
      }
      await shows(page, REPORT_END);
      assert.match(await screen(page), ONE_A_LINE);
      await page.type('#answer', 'x'); // ends the pause
      await ends(page);
      await page.keyboard.press('Enter');
      await shows(page, 'Enter Value 1');
      await paste(page, '7\t100\r\n0\t4\nkN\tm', '#answer'); // a row and a column of cells
      await lineBreak(page);
      await shows(page, REPORT_END);
      assert.match(await screen(page), /Above = 7 100 0 4 kN m\n[\s\S]* Bx = 4 kN <--,/);
    });

    // As a console keeps what is typed before a program reads it: shown as
    // typed, and read once the program has come.
    test('keys typed while the program loads are kept for it', async () => {
      const slow = await serve(process.env.BEAM_SITE, { held: /\.wasm$/ });
      const page = await held.browser.newPage();
      await page.goto(slow.url);
      await page.click('#terminal');
      await page.keyboard.type('10\n100 0 4 kN m\n');
      assert.match(await status(page), /^Loading/);
      slow.release();
      await shows(page, REPORT_END);
      assert.match(await screen(page), /^10\n100 0 4 kN m\n +Quorvane[\s\S]*Above = Enter Value 2[\s\S]* Bx = 4 kN <--,/);
      await page.close();
      await slow.close();
    });

    test('Ctrl+C interrupts the run', async () => {
      const page = await opened();
      await pressWithControl(page, 'c');
      await ends(page, 'The run was interrupted.');
    });
  });
}
