// Serves a folder over HTTP on the loopback, on a port of its own (or
// `port`, to start again where it stopped), as any static host would; with
// `compress`, gzip to browsers that take it, as hosts do; with `held`, the
// files whose path it matches are sent only once `release()` is called, as
// over a slow network.
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { gzipSync } from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.mjs': 'text/javascript',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

export async function serve(folder, { compress = false, port = 0, held = null } = {}) {
  let release;
  const released = new Promise((resolve) => { release = resolve; });
  const server = createServer(async (request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    if (held?.test(path)) await released;
    const file = join(folder, normalize(path === '/' ? '/index.html' : path));
    try {
      let body = await readFile(file);
      const headers = { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream' };
      if (compress && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
        body = gzipSync(body);
        headers['Content-Encoding'] = 'gzip';
      }
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => { server.listen(port, '127.0.0.1', resolve); });
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    port: server.address().port,
    release,
    close: () => new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();
    }),
  };
}
