// A real screen reader for the page's tests: Debian's Orca on a virtual
// display, with a session bus, the accessibility bus and a small window
// manager, reading Chromium or Firefox ESR as a user's desktop would. Orca
// makes no sound here: what it says is read from its debug log, one
// "SPEECH OUTPUT:" entry a phrase. Every process is started here and stopped
// by its PID, with whatever it started itself.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';

export const NEEDED = ['/usr/bin/Xvfb', '/usr/bin/dbus-daemon', '/usr/libexec/at-spi-bus-launcher',
  '/usr/bin/orca', '/usr/bin/xdotool', '/usr/bin/matchbox-window-manager'];
const PATIENCE = 30000;

// Orca, started as its launcher would, but with its log written a line at a
// time (the launcher's is held in a buffer and lost when Orca is stopped),
// without the launcher's refusal of a second Orca, and with no speech server.
const ORCA = `
import sys
from orca import debug
debug.debugLevel = debug.LEVEL_INFO
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
from orca import orca
manager = orca.getSettingsManager()
manager.activate(sys.argv[2], {"speechServerFactory": ""})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
`;

// Each browser read, as it is installed.
export const BROWSER_PROGRAMS = { chromium: '/usr/bin/chromium', firefox: '/usr/bin/firefox-esr' };
const BROWSERS = {
  chromium: (url, home) => [BROWSER_PROGRAMS.chromium, ['--no-sandbox', `--user-data-dir=${home}`,
    '--no-first-run', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--disable-quic', '--disable-gpu', '--force-renderer-accessibility', url], {}],
  firefox: (url, home) => {
    writeFileSync(join(home, 'user.js'), ['browser.shell.checkDefaultBrowser', 'browser.aboutwelcome.enabled',
      'datareporting.policy.dataSubmissionEnabled'].map((name) => `user_pref("${name}", false);\n`).join(''));
    return [BROWSER_PROGRAMS.firefox, ['--no-remote', '--profile', home, url], { GNOME_ACCESSIBILITY: '1' }];
  },
};

async function firstLine(stream) {
  let text = '';
  for await (const chunk of stream) {
    text += chunk;
    if (text.includes('\n')) return text.split('\n')[0].trim();
  }
  throw new Error('ended before its first line');
}

export async function startScreenReader() {
  const folder = mkdtempSync(join(tmpdir(), 'orca-'));
  const log = join(folder, 'orca.log');
  const running = [];
  let env = { PATH: process.env.PATH, HOME: folder, XDG_RUNTIME_DIR: folder, LANG: 'C.UTF-8' };
  // Each in a process group of its own, to be stopped with all it started.
  const start = (command, args, stdio = 'ignore', extra = {}) => {
    const child = spawn(command, args, { env: { ...env, ...extra }, stdio, detached: true });
    running.push(child);
    return child;
  };
  const stopped = async (child) => {
    if (child.exitCode !== null || child.signalCode !== null) return;
    const ended = once(child, 'exit');
    const signal = (name) => {
      try {
        process.kill(-child.pid, name);
      } catch {
        // the group has ended meanwhile
      }
    };
    signal('SIGTERM');
    if (await Promise.race([ended.then(() => true), sleep(5000)]) !== true) signal('SIGKILL');
  };

  const display = start('/usr/bin/Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    ['ignore', 'ignore', 'ignore', 'pipe']);
  env = { ...env, DISPLAY: `:${await firstLine(display.stdio[3])}` };
  const bus = start('/usr/bin/dbus-daemon', ['--session', '--nofork', '--print-address=1'], ['ignore', 'pipe', 'ignore']);
  env = { ...env, DBUS_SESSION_BUS_ADDRESS: await firstLine(bus.stdout) };
  start('/usr/libexec/at-spi-bus-launcher', ['--launch-immediately']);
  start('/usr/bin/matchbox-window-manager', ['-use_titlebar', 'no']);
  start('/usr/bin/python3', ['-c', ORCA, log, join(folder, 'settings')]);

  // Each phrase Orca has said, in order.
  const said = () => (existsSync(log) ? readFileSync(log, 'utf8') : '')
    .split(/^\d\d:\d\d:\d\d\.\d+ - /m).map((entry) => /^SPEECH OUTPUT: '([^]*)' ?\{[^{}]*\}\s*$/.exec(entry))
    .filter(Boolean).map(([, phrase]) => phrase.replace(/\n {18}/g, '\n'));
  // Until `heard(phrases)` holds, or it fails with what was said.
  async function until(heard, what) {
    for (const deadline = Date.now() + PATIENCE; !heard(said()); await sleep(100)) {
      if (Date.now() > deadline) throw new Error(`Orca never said ${what}; it said:\n${said().join('\n')}`);
    }
    return said();
  }
  await until((phrases) => phrases.includes('Screen reader on.'), '"Screen reader on."');

  let browser = null;
  return {
    said,
    until,
    // `name`, a key of BROWSERS, opened at `url` on a profile of its own.
    async open(name, url) {
      const profile = mkdtempSync(join(folder, `${name}-`));
      const [command, args, extra] = BROWSERS[name](url, profile);
      browser = start(command, args, 'ignore', extra);
    },
    // Typed at the active window, then Enter.
    async type(text) {
      const typing = start('/usr/bin/xdotool', ['type', '--delay', '40', text]);
      await once(typing, 'exit');
      await once(start('/usr/bin/xdotool', ['key', 'Return']), 'exit');
    },
    async close() {
      if (browser) await stopped(browser);
      browser = null;
    },
    async stop() {
      for (const child of running.toReversed()) await stopped(child);
      rmSync(folder, { recursive: true, force: true });
    },
  };
}
