// Every golden case through the site's .wasm, run by web/run.mjs with the
// page's driver: exactly the native program's standard output, exit 0.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

const golden = process.env.BEAM_GOLDEN;
const wasm = process.env.BEAM_WASM;
const runner = new URL('../run.mjs', import.meta.url).pathname;
const cases = readFileSync(join(golden, 'cases.txt'), 'utf8').split('\n')
  .map((line) => line.split(/\s/)[0]).filter((name) => name && !name.startsWith('#'));

for (const name of cases) {
  test(name, () => {
    const run = spawnSync(process.execPath, [runner, wasm], {
      input: readFileSync(join(golden, `${name}.in`)), timeout: 20000,
    });
    assert.equal(run.stderr.toString(), '');
    assert.equal(run.status, 0);
    assert.ok(run.stdout.equals(readFileSync(join(golden, `${name}.out`))),
      `${name}: the output differs:\n${run.stdout.toString().slice(-400)}`);
  });
}
