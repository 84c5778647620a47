// The solved beam below the terminal, in Chromium and Firefox: its labels for
// the report's cases; in Chromium, the solution copied, saved and printed,
// and the keyboard left with the terminal.
import assert from 'node:assert/strict';
import { existsSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import { setTimeout as sleep } from 'node:timers/promises';
import { BROWSERS, PATIENCE, browserAndSite, ends, shows } from './screen.mjs';

const FIGURE = ['Free-body diagram', '100 kN', 'A', 'C', 'B'];
// The answers on one line, where the load's arrow ends (82 below it, 28
// above), and the headings and labels: all of them, or (…) some.
const CASES = [
  ['7 100 0 4 kN m', 82, [...FIGURE, 'L = 7 m', 'Bx = 4 kN', 'Ay = 50 kN', 'By = 50 kN',
    'Shear force diagram', 'V = 50 kN', 'V = -50 kN', 'Bending moment diagram', 'M = 175 kN·m',
    '0', '0']],
  ['0 100 0 0 kN m', 82, [...FIGURE, 'L = 0 m', 'Ax = 0.00 kN', 'Bx = 0.00 kN',
    'By and Ay cannot be found because the length of the beam is 0.']],
  ['7 9 3 0 kN m', 82, ['…', 'Ax = 3 kN', 'Ay = 4.5 kN', 'By = 4.5 kN', 'V = -4.5 kN', 'M = 15.75 kN·m']],
  ['10 5 5 2 N mm', 82, ['…', 'Ax - Bx = 3 N', 'Ay = 2.5 N', 'M = 12.5 N·mm']],
  ['2147483647 2147483647 0 0 N mm', 82, ['…', 'Ay = 1073741823.5 N', 'Ax = 0.00 N',
    'M = 1152921503533105152.25 N·mm']],
  ['9 -3 0 0 kN m', 28, ['…', '-3 kN', 'Ay = -1.5 kN', 'V = 1.5 kN', 'M = -6.75 kN·m']],
];

async function solved(page, answers) {
  await shows(page, 'Enter Value 1');
  await page.keyboard.type(`${answers}\n`);
  await page.waitForSelector('#solution:not([hidden]) svg', { timeout: PATIENCE });
  return page.$$eval('#solution .figure :is(h3, text)', (texts) => texts.map((text) => text.textContent));
}

for (const [name, launch] of Object.entries(BROWSERS)) {
  describe(name, () => {
    const held = browserAndSite(launch);

    test('the figure of each case, drawn at the pause, gone in a new run', async () => {
      const page = await held.browser.newPage();
      await page.goto(held.site.url);
      for (const [answers, loadEnd, [some, ...expected]] of CASES) {
        const drawn = await solved(page, answers);
        if (some !== '…') assert.deepEqual(drawn, [some, ...expected]);
        else assert.deepEqual(expected.filter((text) => !drawn.includes(text)), [], answers);
        assert.equal(await page.$eval('#solution .arrow line', (line) => line.getAttribute('y2')),
          String(loadEnd), answers);
        await page.keyboard.press('q');
        await ends(page);
        await page.keyboard.press('Enter');
        assert.equal(await page.$eval('#solution', (panel) => panel.hidden), true);
      }
    });

    if (name !== 'chromium') return;

    test('copy, save and print the solution; the keyboard stays with the terminal', async () => {
      const page = await held.browser.newPage();
      await page.goto(held.site.url);
      await held.browser.defaultBrowserContext().overridePermissions(held.site.url.slice(0, -1),
        ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
      const folder = mkdtempSync(join(tmpdir(), 'saved-'));
      await (await page.createCDPSession()).send('Browser.setDownloadBehavior',
        { behavior: 'allow', downloadPath: folder });
      await solved(page, '10 100 0 0 kN m');
      assert.match(await page.$eval('#solution svg', (svg) => svg.getAttribute('aria-label')),
        /reactions Ay = 50 kN at A and By = 50 kN at B, Ax = 0.00 kN and Bx = 0.00 kN\./);
      const transcript = readFileSync(join(process.env.BEAM_GOLDEN, 'typed_ahead.screen'), 'latin1')
        .replaceAll('\r\n', '\n');
      await page.click('#solution .copy');
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), transcript);
      await page.click('#solution .save');
      const saved = join(folder, 'beam-reactions-solution.txt');
      for (const deadline = Date.now() + PATIENCE; !existsSync(saved); await sleep(50)) {
        assert.ok(Date.now() < deadline, 'nothing saved');
      }
      assert.equal(readFileSync(saved, 'latin1'), transcript);

      await page.emulateMediaType('print');
      await page.setViewport({ width: 703, height: 1000 }); // A4 within its margins, at 96 dpi
      assert.deepEqual(await page.evaluate(() => {
        const shown = (selector) => getComputedStyle(document.querySelector(selector)).display !== 'none';
        const printed = document.getElementById('transcript');
        const line = printed.appendChild(document.createElement('span'));
        line.textContent = 'x'.repeat(120); // the widest line fits
        const fits = line.getBoundingClientRect().width <= printed.clientWidth;
        line.remove();
        return [fits, /monospace/.test(getComputedStyle(printed).fontFamily), printed.textContent,
          ['#terminal', '#status', '.controls', '#solution .actions', '#solution svg'].map(shown)];
      }), [true, true, transcript, [false, false, false, false, true]]);
      await page.emulateMediaType('screen');

      await page.click('#terminal'); // Enter at the terminal ends the pause, as before
      await page.keyboard.press('Enter');
      await ends(page);
    });
  });
}
