// Writes the single-file edition, for a page opened from a download: the
// site's page with its modules bundled into one script, its styles, and the
// program's .wasm (base64) inline, under a Content-Security-Policy that
// names its one script by hash. The same bytes from every build.
//
//   node make_single_file.mjs SITE OUTPUT
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { buildSync } from 'esbuild';

const [site, output] = process.argv.slice(2);
const read = (file, encoding = 'utf8') => readFileSync(join(site, file), encoding);

const [bundle] = buildSync({
  entryPoints: [join(site, 'page.mjs')], bundle: true, format: 'esm', minify: true,
  target: 'es2022', write: false, legalComments: 'eof',
}).outputFiles;
const script = bundle.text;
if (script.includes('</script')) throw new Error('the bundle would end its script element early');
const hash = createHash('sha256').update(script).digest('base64');
const policy = `default-src 'none'; script-src 'sha256-${hash}' 'wasm-unsafe-eval'; ` +
  "style-src 'unsafe-inline'; img-src data:";

// Each change to the page, made exactly once.
function replaced(page, pattern, by) {
  const matches = page.match(new RegExp(pattern, 'gm'))?.length ?? 0;
  if (matches === 0) throw new Error(`index.html no longer has ${pattern}`);
  return page.replace(new RegExp(pattern, 'gm'), by);
}
let page = read('index.html');
// What is fetched beside the page: its files, and the notice for a page
// opened from a file, which this edition does not need.
page = replaced(page, '^<link rel="(stylesheet|preload|modulepreload)".*\\n', '');
page = replaced(page, '^<script( type="module" src=.*|>[^]*?</script>)\\n', '');
page = replaced(page, 'content="default-src [^"]*"', `content="${policy}"`);
page = replaced(page, 'href="icon-192.png"', `href="data:image/png;base64,${read('icon-192.png', 'base64')}"`);
page = replaced(page, '^</head>', () => `<style>\n${read('xterm.css')}\n${read('page.css')}</style>\n` +
  `<script type="module">${script}</script>\n</head>`);
page = replaced(page, '^</body>', () => '<script type="application/octet-stream" id="program-bytes">' +
  `${read('beam-reactions.wasm', 'base64')}</script>\n</body>`);
writeFileSync(output, page);
