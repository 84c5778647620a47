// The page on phones, in Chromium's emulation with touch: legible text that
// scrolls sideways, and answers from a soft keyboard's own key sequences,
// replayed through the DevTools protocol with no wait between them.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { KnownDevices } from 'puppeteer-core';
import { BROWSERS, ONE_A_LINE, browserAndSite, ends, lineBreak, screen, shows } from './screen.mjs';

const held = browserAndSite(BROWSERS.chromium);

async function opened(device) {
  const page = await held.browser.newPage();
  await page.emulate(device);
  await page.goto(held.site.url);
  await shows(page, 'Enter Value 1');
  await page.waitForSelector('#answer', { visible: true }); // the answer line of a touch device
  return page;
}

const sideways = ({ viewport, ...device }) => ({ ...device,
  viewport: { ...viewport, width: viewport.height, height: viewport.width, isLandscape: true } });

test('chromium on phones: from 320 to 430 px the text is 12 px or more and every column can be seen', async () => {
  for (const [name, device, scrolls] of [['iPhone SE', KnownDevices['iPhone SE'], true],
    ['Galaxy S8', KnownDevices['Galaxy S8'], true], ['iPhone 13', KnownDevices['iPhone 13'], true],
    ['iPhone 14 Pro Max', KnownDevices['iPhone 14 Pro Max'], true],
    ['iPad Pro on its side', sideways(KnownDevices['iPad Pro']), false]]) {
    const page = await opened(device);
    assert.deepEqual(await page.evaluate(() => {
      const frame = document.getElementById('terminal');
      frame.scrollLeft = frame.scrollWidth;
      return [window.beamTerminal.options.fontSize >= 12,
        document.querySelector('.xterm-rows > div').getBoundingClientRect().height >= 12,
        frame.scrollWidth > frame.clientWidth,
        document.querySelector('.xterm-screen').getBoundingClientRect().right <=
          frame.getBoundingClientRect().right, document.documentElement.scrollWidth <= innerWidth];
    }), [true, true, scrolls, true, true], name);
    await page.close();
  }
});

// Each answer as a keyboard sends it; then the report, and a tap ends the pause.
const ENTER = ['key', { key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13 }];
const composing = (text) => ['Input.imeSetComposition',
  { text, selectionStart: text.length, selectionEnd: text.length }];
const KEYBOARDS = {
  'composed, committed, then Enter at once': (text) => [composing(text),
    ['Input.insertText', { text }], ENTER],
  'Enter while still composing': (text) => [composing(text), ENTER],
  'keys reported as 229, Enter too': (text) => [...[...text].flatMap((character) => [
    ['key', { key: 'Unidentified', windowsVirtualKeyCode: 229 }],
    ['Input.insertText', { text: character }]]),
  ['key', { key: 'Enter', windowsVirtualKeyCode: 229 }], ENTER],
  'Enter, then a line break (iOS)': (text) => [['Input.insertText', { text }], ENTER, ['lineBreak']],
};

for (const [keyboard, events] of Object.entries(KEYBOARDS)) {
  test(`chromium on phones: answers from a soft keyboard: ${keyboard}`, async () => {
    const page = await opened(KnownDevices[keyboard.includes('iOS') ? 'iPhone 13' : 'Pixel 5']);
    const protocol = await page.createCDPSession();
    await page.tap('#terminal'); // a tap on the terminal raises the line's keyboard
    assert.equal(await page.evaluate(() => document.activeElement.id), 'answer');
    for (const [method, parameters] of ['10', '100', '0', '4', 'kN', 'm'].flatMap(events)) {
      if (method === 'lineBreak') {
        await lineBreak(page);
      } else if (method === 'key') {
        for (const type of ['keyDown', 'keyUp']) {
          await protocol.send('Input.dispatchKeyEvent', { type, ...parameters });
        }
      } else {
        await protocol.send(method, parameters);
      }
    }
    await shows(page, 'Press Any Key');
    assert.match(await screen(page), ONE_A_LINE);
    await page.touchscreen.tap(100, 300);
    await ends(page);
    await page.close();
  });
}

test('chromium on phones: End input and Stop for keyboards without Ctrl', async () => {
  const page = await opened(KnownDevices['Pixel 5']);
  await page.type('#answer', '10 100');
  await page.tap('.end-input'); // the line as it is, as Ctrl+D sends it
  await shows(page, 'Enter Value 2');
  await page.tap('.end-input'); // on an empty line: the end of the input
  await shows(page, 'Press Any Key');
  assert.match(await screen(page), /Above = 10 100Enter Value 2[\s\S]* By = 50\n/);
  await page.tap('#answer'); // the pause ends on a tap on the line too
  await ends(page);
  await page.tap('#answer');
  await page.keyboard.press('Enter'); // a new run
  await shows(page, 'Enter Value 1');
  await page.tap('.stop');
  await ends(page, 'The run was interrupted.');
});
