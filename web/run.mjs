// Runs the site's beam-reactions.wasm under node, through the page's own
// driver: the answers from standard input, the report to standard output,
// and no pause, as a run with no console has none.
//
//   node web/run.mjs [beam-reactions.wasm] < answers.txt
import { readFileSync, writeSync } from 'node:fs';
import { setTimeout as nextTick } from 'node:timers/promises';
import { runProgram } from './site/driver.mjs';

const wasm = process.argv[2] ??
  new URL('../build/web/web/beam-reactions.wasm', import.meta.url);
const module = await WebAssembly.compile(readFileSync(wasm));

// The answers are handed over a line at a time, each after a timer tick, so
// that every read waits for the host as it does in the page.
const answers = readFileSync(0);
let at = 0;
async function read() {
  await nextTick(0);
  if (at >= answers.length) return null;
  const lineEnd = answers.indexOf(10, at);
  const end = lineEnd < 0 ? answers.length : lineEnd + 1;
  const line = answers.subarray(at, end);
  at = end;
  return line;
}

process.exitCode = await runProgram(module, {
  read,
  write: (bytes) => writeSync(1, bytes),
  waitForKey: async () => {},
});
