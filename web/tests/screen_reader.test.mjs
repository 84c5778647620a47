// The page as a real screen reader says it: Orca reading Firefox ESR and
// Chromium, a typed run (also with the machine busy, two processes taking
// its cores beside it) and a link's run. Each question is said before its
// answer is typed; the report's results and the closing message are said in
// the program's order, once.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { existsSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { serve } from './serve.mjs';
import { LINK, TOLD_AT_PAUSE } from './screen.mjs';
import { BROWSER_PROGRAMS, NEEDED, startScreenReader } from './orca.mjs';

const notInstalled = (files) => {
  const missing = files.filter((file) => !existsSync(file));
  return missing.length > 0 && `not installed: ${missing.join(', ')}`;
};
const skip = notInstalled(NEEDED);
const QUESTIONS = [['10', 'Enter Value 1 '], ['100', 'Enter Value 2 '], ['0', 'Enter Value 3 '],
  ['4', 'Enter Value 4 '], ['kN', 'Enter The Unit For The Weight'], ['m', 'Enter The Unit For The Length']];

let site;
let reader;
before(async () => {
  if (skip) return;
  site = await serve(process.env.BEAM_SITE);
  reader = await startScreenReader();
});
after(async () => {
  await reader?.stop();
  await site?.close();
});

// What is said from here on, once `heard` holds of it.
async function heardNext(heard, what) {
  const from = reader.said().length;
  return (await reader.until((phrases) => heard(phrases.slice(from)), what)).slice(from);
}

const saysResults = (phrases) => phrases.includes(TOLD_AT_PAUSE);

// Two processes that take the machine's time until they are stopped.
function busy() {
  const loads = [0, 1].map(() => spawn(process.execPath, ['-e', 'for (;;);'], { stdio: 'ignore' }));
  return () => loads.forEach((load) => load.kill('SIGKILL'));
}

for (const browser of ['firefox', 'chromium']) {
  const skipped = { skip: skip || notInstalled([BROWSER_PROGRAMS[browser]]) };
  for (const loaded of [false, true]) {
    test(`${browser}: a typed run${loaded ? ', the machine busy' : ''}`, skipped, async () => {
      const idle = loaded ? busy() : () => {};
      try {
        const focus = heardNext((phrases) => phrases.includes('Focus mode') &&
          phrases.some((phrase) => phrase.startsWith(QUESTIONS[0][1])), 'focus mode and the first question');
        await reader.open(browser, site.url);
        await focus;
        for (const [at, [answer]] of QUESTIONS.entries()) {
          const next = QUESTIONS[at + 1];
          const heard = heardNext((phrases) => (next ? phrases.some((phrase) => phrase.startsWith(next[1]))
            : saysResults(phrases)), next ? `"${next[1]}"` : 'the results');
          await reader.type(answer);
          const said = await heard;
          if (!next) assert.deepEqual(said.slice(said.indexOf(TOLD_AT_PAUSE)), [TOLD_AT_PAUSE]);
        }
      } finally {
        idle();
        await reader.close();
      }
    });
  }

  test(`${browser}: a link's run`, skipped, async () => {
    const heard = heardNext(saysResults, 'the results');
    await reader.open(browser, site.url + LINK);
    const said = await heard;
    assert.deepEqual(said.slice(said.indexOf(TOLD_AT_PAUSE)), [TOLD_AT_PAUSE]);
    await reader.close();
  });
}
