// A worked problem as a link, in Chromium and Firefox: written by hand, with
// two answers and the rest typed, hostile, in the single file from disk, and
// in a course's page on another origin; in Chromium, Copy link's round trip.
import assert from 'node:assert/strict';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import { serve } from './serve.mjs';
import {
  BROWSERS, LINK, REPORT_END, TOLD_AT_PAUSE, browserAndSite, ends, onDisk, paste, recordTold, screen, shows,
  status, told,
} from './screen.mjs';

// Each answer echoed after its own question, then the report.
const ANSWERED = /Above = 7\n.*Above = 100\n.* = 0\n.* = 4\n.* = kN\n.*Length = m\n[\s\S]* Bx = 4 kN <--,/;

for (const [name, launch] of Object.entries(BROWSERS)) {
  describe(name, () => {
    const held = browserAndSite(launch);
    async function opened(url) {
      const page = await held.browser.newPage();
      page.on('pageerror', (error) => assert.fail(error));
      page.on('dialog', (dialog) => assert.fail(dialog.message()));
      await page.evaluateOnNewDocument(recordTold);
      await page.goto(url);
      return page;
    }

    test('a link written by hand answers each question, told as typed; then a new run', async () => {
      for (const url of [`${held.site.url}index.html${LINK}`, onDisk('beam-reactions.html') + LINK]) {
        const page = await opened(url);
        await shows(page, REPORT_END);
        assert.match(await screen(page), ANSWERED);
        await page.waitForSelector('#solution:not([hidden]) svg');
        await told(page, TOLD_AT_PAUSE);
        await page.keyboard.press('q');
        await ends(page);
        await page.keyboard.press('Enter');
        await shows(page, 'Enter Value 1');
        assert.doesNotMatch(await screen(page), / = 7/);
      }
    });

    test('two answers from the link, the rest typed; hostile links', async () => {
      const page = await opened(`${held.site.url}#answers=7%20100`);
      await shows(page, 'Enter Value 3');
      await page.keyboard.type('0 4 kN m\n');
      await shows(page, REPORT_END);
      assert.match(await screen(page), /Above = 7\n.*Above = 100\nEnter Value 3 .* = 0 4 kN m\n/);
      for (const [hash, said, shown] of [['#answers=<img+src=x+onerror=alert(1)>', /report is written/, 'Above = <img'],
        [`#answers=${'9'.repeat(1e6)}`, /longer than 2,000 characters/, 'Enter Value 1'],
        ['#answers=7+%E9+%zz', /not percent-encoded/, 'Enter Value 1']]) {
        const hostile = await opened(held.site.url + hash);
        await shows(hostile, shown);
        assert.match(await status(hostile), said);
        assert.equal(await hostile.$('body img'), null);
        await hostile.close();
      }
    });

    test('in a course page on another origin, 720 px wide', async () => {
      const folder = mkdtempSync(join(tmpdir(), 'course-'));
      writeFileSync(join(folder, 'index.html'), `<!DOCTYPE html><title>Statics</title><h1>Statics</h1>
        <iframe src="${held.site.url}${LINK}" title="beam-reactions" width="720" height="1000"></iframe>`);
      const course = await serve(folder); // another port: another origin
      const page = await opened(course.url);
      const frame = await (await page.waitForSelector('iframe')).contentFrame();
      await shows(frame, REPORT_END);
      assert.match(await screen(frame), ANSWERED);
      assert.deepEqual(await frame.evaluate(() => [document.querySelector('h1').offsetHeight,
        document.querySelector('.introduction').offsetHeight, document.documentElement.scrollWidth <= innerWidth]),
      [0, 0, true]);
      await frame.click('.copy-link'); // this frame may not write to the clipboard: the link is shown
      await frame.waitForFunction(() => /clipboard|by hand/.test(document.getElementById('status').textContent));
      if (name === 'chromium') {
        assert.deepEqual(await frame.$eval('.link-field input', (field) => [document.activeElement === field,
          field.selectionStart, field.selectionEnd === field.value.length, field.value.endsWith('#answers=7+100+0+4+kN+m')]),
        [true, 0, true, true]);
      }
      await frame.click('.save');
      assert.match(await status(frame), /saved as/);
      await frame.click('#terminal');
      await page.keyboard.press('Enter');
      await ends(frame);
      await page.keyboard.press('Enter');
      await shows(frame, 'Enter Value 1');
      await course.close();
    });

    if (name !== 'chromium') return;

    test('Copy link brings the same run back, whatever was typed', async () => {
      await held.browser.defaultBrowserContext().overridePermissions(held.site.url.slice(0, -1),
        ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
      for (const [typed, endInput, hash] of [
        ['10 100 -3 0 N·m² #&%+?/\n', false, '#answers=10+100+-3+0+N%C2%B7m%C2%B2+%23%26%25%2B%3F%2F'],
        [`7 100 0 4 ${'中'.repeat(250)} m\n`, false, `#answers=7+100+0+4+${'%E4%B8%AD'.repeat(6)}+m`],
        ['7\n100\n', true, '#answers=7+100&end'],
      ]) {
        const page = await opened(held.site.url);
        await shows(page, 'Enter Value 1');
        await paste(page, typed);
        if (endInput) {
          await page.keyboard.down('Control');
          await page.keyboard.press('d');
          await page.keyboard.up('Control');
        }
        await page.waitForSelector('#solution:not([hidden]) svg');
        await page.click('#solution .copy-link');
        const link = await page.evaluate(() => navigator.clipboard.readText());
        assert.equal(link, held.site.url + hash);
        const again = await opened(link);
        await shows(again, REPORT_END);
        const report = async (shown) => (await screen(shown)).split('(+/-)Ax')[1];
        assert.equal(await report(again), await report(page));
        await again.close();
        await page.close();
      }
    });
  });
}
