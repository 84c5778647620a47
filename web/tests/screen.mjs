// What the page tests share: the browsers they run, the site they serve,
// and the screen xterm.js shows, read in the page.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before } from 'node:test';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';

export const BROWSERS = {
  chromium: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] },
  firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' },
};
// A browser and the site, opened before a group's tests and closed after them.
export function browserAndSite(launch) {
  const held = {};
  before(async () => {
    held.site = await serve(process.env.BEAM_SITE);
    held.browser = await puppeteer.launch({ headless: true, protocolTimeout: 60000, ...launch });
  });
  after(async () => {
    await held.browser?.close();
    await held.site?.close();
  });
  return held;
}

export const PATIENCE = 20000; // Firefox takes seconds to start here
export const REPORT_END = 'Press Any Key To Continue';
export const PAUSED = 'The report is written: press any key in the terminal to end the run. ' +
  'Its solution is below.';

// The whole screen, its lines' trailing spaces dropped; run in the page.
export function screenText() {
  const buffer = window.beamTerminal?.buffer.active;
  return !buffer ? '' : Array.from({ length: buffer.length },
    (_, row) => buffer.getLine(row).translateToString(true)).join('\n').trimEnd();
}

export const screen = (page) => page.evaluate(screenText);

export async function shows(page, text) {
  try {
    await page.waitForFunction(`(${screenText})().includes(${JSON.stringify(text)})`,
      { timeout: PATIENCE, polling: 50 });
  } catch {
    assert.fail(`${JSON.stringify(text)} never shown; the screen ended with:\n` +
      (await screen(page)).split('\n').slice(-8).join('\n'));
  }
}

// Run in the page from its start: the text added to its live regions.
export function recordTold() {
  window.told = [];
  new MutationObserver((records) => records.forEach(({ addedNodes }) => addedNodes.forEach((node) => {
    const live = node.parentElement?.closest('[aria-live]:not([aria-live="off"])');
    if (live && node.textContent) window.told.push(node.textContent);
  }))).observe(document, { subtree: true, childList: true });
}

// What was told, once its last announcement is `last`.
export async function told(page, last) {
  await page.waitForFunction((text) => window.told.at(-1) === text, { timeout: PATIENCE }, last);
  return page.evaluate(() => window.told);
}

// What is told at the pause of a run whose report has only Bx: its results
// and closing message, and the status line.
export const TOLD_AT_PAUSE = 'Ay = 50 kN\nBy = 50 kN\nBx = 4 kN, Acting Towards The Left Side Of The Beam\n' +
  `${REPORT_END}\n${PAUSED}`;

export const status = (page) => page.$eval('#status', (element) => element.textContent);

// A file of the built site, opened from disk.
export const onDisk = (file) => pathToFileURL(join(process.env.BEAM_SITE, file)).href;

// index.html opened from disk: within a second its status line says that it
// runs, or that it cannot (CANNOT_RUN) and where to go instead.
export const CANNOT_RUN = /cannot run the calculator .* open beam-reactions\.html/;
export async function indexFromDisk(page) {
  await page.goto(onDisk('index.html'));
  await page.waitForFunction(() => !document.getElementById('status').textContent
    .startsWith('Loading'), { timeout: 1000 });
  return status(page);
}

export async function ends(page, how = 'The run has ended.') {
  await page.waitForFunction((text) => document.getElementById('status').textContent
    .startsWith(text), { timeout: PATIENCE, polling: 50 }, how);
}

// A whole dialogue answered one question a line, ending at the report of a
// force at B only.
export const ONE_A_LINE = /Above = 10\n.*Above = 100\n[\s\S]*Length = m\n[\s\S]* Bx = 4 kN <--,/;

// A worked problem as a link: 7 m, 100 kN at the centre, 4 kN at B.
export const LINK = '#answers=7+100+0+4+kN+m';

export async function answered(page, answers = '10 100 0 4 kN m') {
  await shows(page, 'Enter Value 1');
  await page.keyboard.type(`${answers}\n`);
  await shows(page, REPORT_END);
}

// `text` pasted into the field `selector` (the terminal's own by default);
// its clipboard set on the event itself, as Firefox gives a made event one
// of its own.
export const paste = (page, text, selector = '.xterm-helper-textarea') => page.$eval(selector,
  (field, pasted) => {
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', pasted);
    const event = new ClipboardEvent('paste', { bubbles: true, cancelable: true });
    Object.defineProperty(event, 'clipboardData', { value: clipboardData });
    field.dispatchEvent(event);
  }, text);

// The line break an iOS keyboard ends a line with, in the answer line.
export const lineBreak = (page) => page.$eval('#answer', (field) => field.dispatchEvent(
  new InputEvent('beforeinput', { inputType: 'insertLineBreak', bubbles: true, cancelable: true })));
