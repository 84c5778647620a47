// Writes the site one build serves: its page, index.html, and the files the
// page loads, each named after its content (page-<hash>.mjs, the modules
// bundled into one with xterm.js; page-<hash>.css, xterm.js's styles and the
// page's; beam-reactions-<hash>.wasm), so that a page loads only its own
// build's files, whatever is deployed meanwhile; the manifest and the icons;
// and the service worker, which keeps them all for use offline in a cache
// named after the whole build. Everything in SITE before is removed. The same
// bytes from every build.
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
let page = source('index.html');
page = replaced(page, 'href="page.css"', `href="${files.styles}"`);
page = replaced(page, 'href="beam-reactions.wasm"', `href="${files.program}"`);
page = replaced(page, 'src="page.mjs"', `src="${files.script}"`);
const inline = [...page.matchAll(/<script>([^]*?)<\/script>/g)]
  .map(([, text]) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`);
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
