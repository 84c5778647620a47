// Writes the site's service worker from its source: the cache named after a
// hash of the site's files, and those files to keep.
//
//   node make_service_worker.mjs SOURCE WORKER FILE...
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';

const [source, worker, ...files] = process.argv.slice(2);
const names = files.map((file) => basename(file));
const hash = createHash('sha256');
files.forEach((file, at) => hash.update(`${names[at]}\n`).update(readFileSync(file)));
writeFileSync(worker, readFileSync(source, 'utf8')
  .replace(/^const CACHE = .*$/m, `const CACHE = 'beam-reactions-${hash.digest('hex').slice(0, 16)}';`)
  .replace(/^const FILES = .*$/m, `const FILES = ${JSON.stringify(['./', ...names])};`));
