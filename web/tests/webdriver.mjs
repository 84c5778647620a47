// A W3C WebDriver client as small as the WebKit tests need, with the few
// calls of puppeteer's page that the shared helpers make: WebKitGTK's
// MiniBrowser, driven by WebKitWebDriver on a virtual display.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { createServer } from 'node:net';
import { setTimeout as sleep } from 'node:timers/promises';

export const WEBKIT_DRIVER = '/usr/bin/WebKitWebDriver';
const MINI_BROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';
export const ENTER = '\uE007';

export async function startWebKit() {
  const free = createServer().listen(0, '127.0.0.1');
  await once(free, 'listening');
  const { port } = free.address();
  free.close();
  // A process group of its own, so that the display and the browser end with it.
  const driver = spawn('xvfb-run', ['-a', WEBKIT_DRIVER, `--port=${port}`],
    { stdio: 'ignore', detached: true });
  async function call(method, path, body) {
    const response = await fetch(`http://127.0.0.1:${port}${path}`, { method,
      body: body && JSON.stringify(body), headers: { 'Content-Type': 'application/json' } });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`${path}: ${value.error}: ${value.message}`);
    return value;
  }
  for (let tries = 0; !(await call('GET', '/status').catch(() => null)); tries += 1) {
    if (tries > 100) throw new Error('WebKitWebDriver never answered');
    await sleep(100);
  }
  const { sessionId } = await call('POST', '/session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: MINI_BROWSER, args: ['--automation'] } } } });
  const session = (path, body) => call('POST', `/session/${sessionId}${path}`, body);
  const element = async (selector) => (await session('/element',
    { using: 'css selector', value: selector }))[ELEMENT];
  const page = {
    goto: (url) => session('/url', { url }),
    evaluate: (fn, ...args) => session('/execute/sync',
      { script: `return (${fn}).apply(null, arguments);`, args }),
    async waitForFunction(condition, { timeout }, ...args) {
      for (const deadline = Date.now() + timeout; Date.now() < deadline; await sleep(50)) {
        if (await page.evaluate(typeof condition === 'string' ? `() => ${condition}` : condition,
          ...args)) return;
      }
      throw new Error('waited in vain');
    },
    $eval: (selector, fn) => page.evaluate(`() => (${fn})(document.querySelector(${JSON.stringify(selector)}))`),
    type: async (selector, text) => session(`/element/${await element(selector)}/value`, { text }),
    click: async (selector) => session(`/element/${await element(selector)}/click`, {}),
    async close() {
      await call('DELETE', `/session/${sessionId}`).catch(() => {});
      process.kill(-driver.pid, 'SIGTERM');
    },
  };
  return page;
}
