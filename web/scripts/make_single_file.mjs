// Writes the single-file edition, for a page opened from a download: the
// site's page with its one script, its styles and the program's .wasm
// (base64) inline, under a Content-Security-Policy that names its script by
// hash. The same bytes from every build.
//
//   node make_single_file.mjs SITE OUTPUT
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [site, output] = process.argv.slice(2);
const read = (file, encoding = 'utf8') => readFileSync(join(site, file), encoding);
let page = read('index.html');
// The file the page names in `pattern`'s first group.
const named = (pattern) => {
  const file = new RegExp(pattern).exec(page)?.[1];
  if (!file) throw new Error(`index.html no longer has ${pattern}`);
  return file;
};
const script = read(named('<script type="module" src="([^"]+)"'));
const styles = read(named('<link rel="stylesheet" href="([^"]+)"'));
const program = read(named('<link id="program" rel="preload" href="([^"]+)"'), 'base64');
if (script.includes('</script')) throw new Error('the bundle would end its script element early');
const hash = createHash('sha256').update(script).digest('base64');
const policy = `default-src 'none'; script-src 'sha256-${hash}' 'wasm-unsafe-eval'; ` +
  "style-src 'unsafe-inline'; img-src data:";

// Each change to the page, made exactly once.
function replaced(pattern, by) {
  const matches = page.match(new RegExp(pattern, 'gm'))?.length ?? 0;
  if (matches === 0) throw new Error(`index.html no longer has ${pattern}`);
  page = page.replace(new RegExp(pattern, 'gm'), by);
}
// What is fetched beside the page: its files, and the notice for a page
// opened from a file, which this edition does not need.
replaced('^<link (id="program" )?rel="(stylesheet|preload)".*\\n', '');
replaced('^<script( type="module" src=.*|>[^]*?</script>)\\n', '');
replaced('content="default-src [^"]*"', `content="${policy}"`);
replaced('href="icon-192.png"', `href="data:image/png;base64,${read('icon-192.png', 'base64')}"`);
replaced('^</head>', () => `<style>\n${styles}\n</style>\n<script type="module">${script}</script>\n</head>`);
replaced('^</body>', () => '<script type="application/octet-stream" id="program-bytes">' +
  `${program}</script>\n</body>`);
writeFileSync(output, page);
