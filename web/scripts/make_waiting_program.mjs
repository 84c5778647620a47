// Makes the site's beam-reactions.wasm able to wait for the page: binaryen's
// asyncify, told which functions can be on the program's stack while it waits
// (waiting_functions.txt), then optimised for size. A name in that list that
// the program no longer has fails the build, named: after a function is
// renamed in beam/, the page would otherwise fail only when it runs.
//
//   node make_waiting_program.mjs WASM_OPT INPUT OUTPUT
import { spawnSync } from 'node:child_process';
import { readFileSync, rmSync } from 'node:fs';

const [wasmOpt, input, output] = process.argv.slice(2);
const names = readFileSync(new URL('waiting_functions.txt', import.meta.url), 'utf8').split('\n')
  .filter((line) => line !== '' && !line.startsWith('#'));
const made = spawnSync(wasmOpt, [input, '--asyncify',
  '--pass-arg=asyncify-imports@wasi_snapshot_preview1.fd_read,beam.wait_for_key',
  `--pass-arg=asyncify-onlylist@${names.join(',')}`,
  '-Oz', '--strip-debug', '--strip-producers', '-o', output], { encoding: 'utf8' });
process.stderr.write(made.stderr ?? '');
const gone = [...(made.stderr ?? '').matchAll(/non-matching pattern: (.*) \(/g)].map(([, name]) => name);
if (gone.length > 0) {
  rmSync(output, { force: true });
  console.error(`web/scripts/waiting_functions.txt names what the program no longer has: ${gone.join('; ')}. ` +
    'Name each as the linker now names it.');
  process.exit(1);
}
process.exit(made.status ?? 1);
