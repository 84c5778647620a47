// The page by keyboard alone and as a screen reader meets it, in Chromium and
// Firefox: Tab at every stage, the buttons worked by keys, what the live
// region is told through a run, and axe-core's WCAG 2.2 A and AA rules; in
// Chromium also the accessibility tree, focus rings, forced colours, 320 and
// 640 pixels, and a dark theme.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { describe, test } from 'node:test';
import {
  BROWSERS, PAUSED, TOLD_AT_PAUSE, browserAndSite, ends, recordTold, shows, status, told,
} from './screen.mjs';

const AXE = readFileSync(new URL('../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
const AUDIT = `${AXE}; axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa',
  'wcag22aa'] }).then(({ violations }) => violations.map(({ id, nodes }) => id + nodes.map((node) => node.target)))`;
const TERMINAL = 'xterm-helper-textarea';
const RUNNING = 'The calculator is running: answer its questions in the terminal.';
const FIRST = 'Enter Value 1 For The Length OF The Figure(Shape) Above =';
const SETTINGS = ['answer-box', 'screen-reader'];
const SOLUTION = ['copy', 'copy-link', 'save', 'print'];

const focused = (page) => page.evaluate(() => document.activeElement.id || document.activeElement.className);
// Tab (or Shift+Tab) `times` times, or until the terminal has the keyboard:
// the controls reached on the way. Tab is not pressed past the last control:
// beyond the window's edge, headless Firefox's buttons take no more Enter.
async function tabs(page, times = 12, shift = false) {
  const reached = [];
  while (reached.length < times) {
    if (shift) await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    if (shift) await page.keyboard.up('Shift');
    const at = await focused(page);
    if (at === TERMINAL) break;
    reached.push(at);
  }
  return reached;
}

// At each stage: Tab goes through the controls and Shift+Tab comes back to
// the terminal; Shift+Tab leaves it too, and Tab comes back; axe finds nothing.
async function stage(page, name, controls) {
  assert.deepEqual(await tabs(page, controls.length), controls, name);
  assert.deepEqual(await tabs(page, 12, true), controls.toReversed().slice(1), name);
  assert.notEqual((await tabs(page, 1, true), await focused(page)), TERMINAL, name);
  assert.deepEqual(await tabs(page, 1), [], name);
  assert.deepEqual(await page.evaluate(AUDIT), [], name);
}

for (const [name, launch] of Object.entries(BROWSERS)) {
  describe(name, () => {
    const held = browserAndSite(launch);

    async function opened(record = false) {
      const page = await held.browser.newPage();
      if (record) await page.evaluateOnNewDocument(recordTold);
      await page.goto(held.site.url);
      await shows(page, 'Enter Value 1');
      return page;
    }

    test('a whole run by keyboard alone, told to a screen reader', async () => {
      const page = await opened(true);
      assert.equal(await focused(page), TERMINAL);
      assert.match(await page.$eval(`.${TERMINAL}`, (field) => field.ariaLabel), /^Calculator terminal: .* Tab /);
      await stage(page, 'the first question', SETTINGS);
      await page.keyboard.type('10 100\n');
      await stage(page, 'mid-dialogue', SETTINGS);
      await page.keyboard.type('0 4 kN m\n');
      await page.waitForSelector('#solution:not([hidden]) svg');
      await stage(page, 'the pause', [...SETTINGS, ...SOLUTION]);
      assert.equal(await status(page), PAUSED); // Tab did not end the pause
      await tabs(page, 3); // to Copy solution
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => /\bcopy|clipboard/.test(document.getElementById('status').textContent));
      const copied = await status(page);
      assert.equal(await focused(page), 'copy');
      await tabs(page, 12, true);
      await page.keyboard.press('x');
      await ends(page);
      await stage(page, 'after the run', ['new-run', ...SETTINGS, ...SOLUTION]);
      await tabs(page, 1);
      await page.keyboard.press(' '); // New run
      await shows(page, 'Enter Value 1');
      assert.equal(await focused(page), TERMINAL);
      assert.deepEqual(await told(page, FIRST), [RUNNING, FIRST,
        'Enter Value 3 For The Horizonatl Force At Point A If Available =', TOLD_AT_PAUSE, copied,
        'The run has ended. Press Enter or the New run button for another.', RUNNING, FIRST]);
      await page.close();
    });

    // Zoomed in to 400 % and 500 % on a laptop (320 and 256 CSS pixels
    // wide), and on a phone as narrow: as each answer is typed, at later
    // questions too, the cursor and the question's end before it are in view,
    // in the terminal's frame and in the window; and the frame scrolls by
    // keyboard alone.
    test('zoomed in, what is typed stays in view', async () => {
      const inView = (typed) => {
        const frame = document.getElementById('terminal').getBoundingClientRect();
        const cursor = window.beamTerminal.textarea.getBoundingClientRect();
        const cell = document.querySelector('.xterm-screen').offsetWidth / window.beamTerminal.cols;
        return cursor.left - (typed + 2) * cell >= frame.left && cursor.right <= frame.right &&
          cursor.top >= 0 && cursor.bottom <= innerHeight;
      };
      const sizes = [[320, 200, false], [256, 160, false], ...(name === 'chromium' ? [[256, 480, true]] : [])];
      for (const [width, height, touch] of sizes) {
        const page = await held.browser.newPage();
        await page.setViewport({ width, height, hasTouch: touch, isMobile: touch });
        await page.goto(held.site.url);
        await shows(page, 'Enter Value 1');
        for (const answer of ['10', '100', '0']) {
          await (touch ? page.type('#answer', answer) : page.keyboard.type(answer));
          await page.waitForFunction(`(${inView})(${touch ? 0 : answer.length})`, { timeout: 5000 })
            .catch(async () => assert.fail(`${width} px${touch ? ', touch' : ''}: ${answer} out of view: ` +
              await page.evaluate(() => JSON.stringify([document.getElementById('terminal').getBoundingClientRect(),
                window.beamTerminal.textarea.getBoundingClientRect(), innerWidth, innerHeight]))));
          await page.keyboard.press('Enter');
        }
        if (!touch) {
          await shows(page, 'Enter Value 4');
          await page.evaluate(() => new Promise((drawn) => { requestAnimationFrame(() => setTimeout(drawn)); }));
          await tabs(page, 1, true); // to the frame
          const scrolled = () => page.$eval('#terminal', (frame) => frame.scrollLeft);
          const before = await scrolled();
          await page.keyboard.press('ArrowLeft');
          await page.waitForFunction((at) => document.getElementById('terminal').scrollLeft < at,
            { timeout: 5000 }, before).catch(() => assert.fail(`${width} px: the frame scrolls by keyboard`));
        }
        await page.close();
      }
    });

    if (name !== 'chromium') return;

    test('the tree a screen reader reads, focus rings, forced colours, 320 and 640 px', async () => {
      const page = await opened();
      await page.keyboard.type('10 100 0 4 kN m\n');
      await page.waitForSelector('#solution:not([hidden]) svg');
      const tree = await page.accessibility.snapshot();
      const named = (node, role) => [...(node.role === role ? [node.name] : []),
        ...(node.children ?? []).flatMap((child) => named(child, role))];
      assert.deepEqual(named(tree, 'heading'), ['beam-reactions', 'The solution', 'Transcript',
        'Free-body diagram', 'Shear force diagram', 'Bending moment diagram']);
      assert.match(named(tree, 'image').join('\n'), /^A drawing of the beam: .*\n.* By = 50 kN at B, Bx = 4 kN\.\nShear .*\n.* M = 250 kN·m at C\.$/);
      assert.match(named(tree, 'textbox')[0], /^Calculator terminal/);

      // Just above the terminal and each control, where the ring is drawn:
      // with the keyboard there, and elsewhere; the page scrolled back from
      // the report's end.
      await page.evaluate(() => scrollTo(0, 0));
      const strip = async (selector) => {
        const { x, y, width } = await (await page.$(selector)).boundingBox();
        return page.screenshot({ clip: { x, y: y - 4, width, height: 3 } });
      };
      const selectors = ['#terminal', ...[...SETTINGS, ...SOLUTION].map((control) => `#${control}, .${control}`)];
      const elsewhere = await Promise.all(selectors.map(strip));
      const there = [elsewhere[0]];
      for (const selector of selectors.slice(1)) there.push((await tabs(page, 1), await strip(selector)));
      elsewhere[0] = await strip('#terminal');
      selectors.forEach((selector, at) => assert.ok(!there[at].equals(elsewhere[at]), selector));

      await (await page.createCDPSession()).send('Emulation.setEmulatedMedia', { features: [
        { name: 'forced-colors', value: 'active' }, { name: 'prefers-color-scheme', value: 'dark' }] });
      assert.deepEqual(await page.evaluate(() => { // every shape in the theme's colours
        const probe = document.body.appendChild(document.createElement('i'));
        const [ink, paper] = ['CanvasText', 'Canvas'].map((colour) => {
          probe.style.color = colour;
          return getComputedStyle(probe).color;
        });
        const off = (colour) => ![ink, paper, 'none'].includes(colour);
        return [...document.querySelectorAll('.beam-figure :is(text, line, polygon, rect, circle)')]
          .filter((shape) => {
            const { fill, stroke } = getComputedStyle(shape);
            if (shape.localName === 'text') return fill !== ink;
            return off(stroke) || (shape.localName !== 'line' && off(fill));
          }).map((shape) => `${shape.localName}.${shape.getAttribute('class')}`);
      }), []);

      for (const width of [320, 640]) {
        await page.setViewport({ width, height: 800 });
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), `${width} px`);
      }
      await page.close();
    });

    // A dark system theme: the page dark with light text, the figure's text
    // and shapes with enough contrast on its background (4.5 and 3), axe
    // clean at the first question and at the pause; on paper, dark on white.
    test('a dark theme, and dark on white in print', async () => {
      const page = await held.browser.newPage();
      await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
      await page.goto(held.site.url);
      await shows(page, 'Enter Value 1');
      assert.deepEqual(await page.evaluate(AUDIT), [], 'the first question');
      await page.keyboard.type('7 -100 0 4 kN m\n');
      await page.waitForSelector('#solution:not([hidden]) svg');
      assert.deepEqual(await page.evaluate(AUDIT), [], 'the pause');
      const colours = () => page.evaluate(() => {
        const luminance = (colour) => {
          const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((value) => {
            const channel = value / 255;
            return channel <= 0.04045 ? channel / 12.92 : ((channel + 0.055) / 1.055) ** 2.4;
          });
          return 0.2126 * r + 0.7152 * g + 0.0722 * b;
        };
        const contrast = (one, other) => {
          const [light, dark] = [luminance(one), luminance(other)].sort((a, b) => b - a);
          return (light + 0.05) / (dark + 0.05);
        };
        const body = getComputedStyle(document.body);
        const paper = getComputedStyle(document.querySelector('.figure')).backgroundColor;
        const faint = [...document.querySelectorAll('.beam-figure :is(text, line, polygon, rect, circle)')]
          .filter((shape) => {
            const { fill, stroke } = getComputedStyle(shape);
            const seen = Math.max(...[fill, stroke].filter((colour) => colour.startsWith('rgb'))
              .map((colour) => contrast(colour, paper)));
            return seen < (shape.localName === 'text' ? 4.5 : 3);
          }).map((shape) => `${shape.localName}.${shape.getAttribute('class')}`);
        return [luminance(body.backgroundColor) < 0.05, contrast(body.color, body.backgroundColor) >= 7,
          luminance(paper) < 0.05, faint];
      });
      assert.deepEqual(await colours(), [true, true, true, []]);
      await page.emulateMediaType('print');
      assert.deepEqual(await colours(), [false, true, false, []]);
      await page.close();
    });
  });
}
