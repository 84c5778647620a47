// Lighthouse on the browser edition, built by `cmake --workflow --preset web`,
// as a phone on a slow network meets it (Lighthouse's mobile default and its
// throttling), from a static server that compresses as hosts do:
//
//   node bench/lighthouse.mjs
//
// Fails when performance is below 0.95, or accessibility, best practices or
// SEO below 1.
import { join } from 'node:path';
import * as chromeLauncher from '../web/node_modules/chrome-launcher/dist/index.js';
import lighthouse from '../web/node_modules/lighthouse/core/index.js';
import { serve } from '../web/tests/serve.mjs';

const TARGETS = { performance: 0.95, accessibility: 1, 'best-practices': 1, seo: 1 };
const site = await serve(join(new URL('..', import.meta.url).pathname, 'build/web/site'),
  { compress: true });
const chrome = await chromeLauncher.launch({
  chromePath: '/usr/bin/chromium',
  chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
let lhr;
try {
  ({ lhr } = await lighthouse(site.url, { port: chrome.port, logLevel: 'error' }));
} finally {
  await chrome.kill();
  await site.close();
}

let failed = false;
for (const [category, target] of Object.entries(TARGETS)) {
  const { score } = lhr.categories[category];
  console.log(`${category.padEnd(36)}${score.toFixed(2)} (at least ${target})`);
  failed ||= score < target;
}
// What cost points, so that a failure says where to look.
for (const audit of Object.values(lhr.audits)) {
  if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode === 'binary') {
    console.log(`  ${audit.id}: ${audit.title}`);
  }
}
process.exitCode = failed ? 1 : 0;
