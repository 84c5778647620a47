// Writes the site one build serves: its page, index.html, and the files the
// page loads, each named after its content (page-<hash>.mjs, the modules
// bundled into one with xterm.js; page-<hash>.css, xterm.js's styles and the
// page's; beam-reactions-<hash>.wasm), so that a page loads only its own
// build's files, whatever is deployed meanwhile; the manifest and the icons;
// the service worker, which keeps them all for use offline in a cache named
// after the whole build; and the single-file edition, beam-reactions.html,
// for a page opened from a download: the same page with its script, its
// styles and the program (base64) inside it, under a Content-Security-Policy
// that names its script by hash. Everything in SITE before is removed. The
// same bytes from every build.
//
//   node make_site.mjs SOURCES WASM SITE ICON...
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { basename, join } from 'node:path';
import { buildSync, transformSync } from 'esbuild';

const [sources, wasm, site, ...icons] = process.argv.slice(2);
const source = (file) => readFileSync(join(sources, file), 'utf8');
const packages = new URL('../node_modules', import.meta.url).pathname;
const xtermStyles = readFileSync(join(packages, '@xterm/xterm/css/xterm.css'), 'utf8');

const [script] = buildSync({
  entryPoints: [join(sources, 'page.mjs')], bundle: true, format: 'esm', minify: true,
  target: 'es2022', write: false, legalComments: 'eof', nodePaths: [packages],
}).outputFiles;
const styles = transformSync(`${xtermStyles}\n${source('page.css')}`, { loader: 'css', minify: true }).code;

rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });
// `name-<hash>.extension`, holding `content`.
const hashed = (name, content) => {
  const [stem, extension] = name.split(/(?=\.[^.]+$)/);
  const file = `${stem}-${createHash('sha256').update(content).digest('hex').slice(0, 12)}${extension}`;
  writeFileSync(join(site, file), content);
  return file;
};
const files = {
  script: hashed('page.mjs', script.text),
  styles: hashed('page.css', styles),
  program: hashed('beam-reactions.wasm', readFileSync(wasm)),
};

// Each change to the page, made exactly once.
function replaced(page, pattern, by) {
  const matches = page.match(new RegExp(pattern, 'gm'))?.length ?? 0;
  if (matches === 0) throw new Error(`index.html no longer has ${pattern}`);
  return page.replace(new RegExp(pattern, 'gm'), by);
}
const sha256 = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
let page = source('index.html');
page = replaced(page, 'href="page.css"', `href="${files.styles}"`);
page = replaced(page, 'href="beam-reactions.wasm"', `href="${files.program}"`);
page = replaced(page, 'src="page.mjs"', `src="${files.script}"`);
const inline = [...page.matchAll(/<script>([^]*?)<\/script>/g)].map(([, text]) => sha256(text));
page = replaced(page, "script-src 'self'", `script-src 'self' ${inline.join(' ')}`);
writeFileSync(join(site, 'index.html'), page);
copyFileSync(join(sources, 'manifest.webmanifest'), join(site, 'manifest.webmanifest'));
for (const icon of icons) copyFileSync(icon, join(site, basename(icon)));

// The worker: every file but itself, the cache named after all of them.
const kept = readdirSync(site).sort();
const build = createHash('sha256');
for (const file of kept) build.update(`${file}\n`).update(readFileSync(join(site, file)));
writeFileSync(join(site, 'service_worker.js'), source('service_worker.js')
  .replace(/^const CACHE = .*$/m, `const CACHE = 'beam-reactions-${build.digest('hex').slice(0, 16)}';`)
  .replace(/^const FILES = .*$/m, `const FILES = ${JSON.stringify(['./', ...kept])};`));

// The single-file edition: what index.html fetches beside it, and the notice
// for a page opened from a file, which this edition does not need, in it.
if (script.text.includes('</script')) throw new Error('the bundle would end its script element early');
let single = source('index.html');
single = replaced(single, '^<link (id="program" )?rel="(stylesheet|preload)".*\\n', '');
single = replaced(single, '^<script( type="module" src=.*|>[^]*?</script>)\\n', '');
single = replaced(single, 'content="default-src [^"]*"', `content="default-src 'none'; script-src ${
  sha256(script.text)} 'wasm-unsafe-eval'; style-src 'unsafe-inline'; img-src data:"`);
single = replaced(single, 'href="icon-192.png"', () => 'href="data:image/png;base64,' +
  `${readFileSync(join(site, 'icon-192.png'), 'base64')}"`);
single = replaced(single, '^</head>', () => `<style>\n${styles}\n</style>\n` +
  `<script type="module">${script.text}</script>\n</head>`);
single = replaced(single, '^</body>', () => '<script type="application/octet-stream" ' +
  `id="program-bytes">${readFileSync(wasm, 'base64')}</script>\n</body>`);
writeFileSync(join(site, 'beam-reactions.html'), single);
