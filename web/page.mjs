// The page: beam-reactions.wasm in an xterm.js terminal, one run after another.
import { Terminal } from './xterm.mjs';
import { runProgram } from './driver.mjs';
import { Interrupted, TerminalHost } from './terminal_host.mjs';

const COLUMNS = 120; // the longest line the program writes is 117 characters
const ROWS = 40;

// Fetched and compiled while the terminal is made.
const programLoading = loadProgram();

const status = document.getElementById('status');
const newRunButton = document.getElementById('new-run');
const screenReader = document.getElementById('screen-reader');
const container = document.getElementById('terminal');

const terminal = new Terminal({ cols: COLUMNS, rows: ROWS, convertEol: true, fontSize: 15 });
terminal.open(container);
// A smaller font where all 120 columns would not fit the page's width.
const width = container.querySelector('.xterm-screen').offsetWidth;
const room = container.clientWidth - 8;
if (width > room) {
  terminal.options.fontSize = Math.max(6, Math.floor((terminal.options.fontSize * room) / width));
}
window.beamTerminal = terminal; // for the tests, which read the screen

screenReader.addEventListener('change', () => {
  terminal.options.screenReaderMode = screenReader.checked;
});

let host = null; // the host of the run going on, or null once it has ended
terminal.onData((data) => {
  if (host) host.take(data);
  else if (data === '\r') start();
});
newRunButton.addEventListener('click', () => start());

function say(text) {
  status.textContent = text;
}

async function loadProgram() {
  if (typeof WebAssembly !== 'object') {
    throw new Error('this browser does not run WebAssembly');
  }
  const fetchProgram = () => fetch('beam-reactions.wasm', { credentials: 'same-origin' });
  try {
    return await WebAssembly.compileStreaming(fetchProgram()); // compiled as it arrives
  } catch {
    // Sent with another content type, or not at all: compiled from its bytes.
    const response = await fetchProgram();
    if (!response.ok) throw new Error(`the server answered ${response.status}`);
    return WebAssembly.compile(await response.arrayBuffer());
  }
}

let program = null;
async function start() {
  if (host) return;
  terminal.reset();
  newRunButton.hidden = true;
  host = new TerminalHost(terminal);
  say('The calculator is running: answer its questions in the terminal.');
  terminal.focus();
  let ending = 'The run has ended.';
  try {
    await runProgram(program, host);
  } catch (error) {
    ending = error instanceof Interrupted ? 'The run was interrupted.'
      : `The run failed: ${error.message}.`;
  }
  host = null;
  newRunButton.hidden = false;
  say(`${ending} Press Enter or the New run button for another.`);
}

try {
  program = await programLoading;
} catch (error) {
  container.hidden = true;
  say(`The calculator could not be loaded: ${error.message}.`);
}
if (program) start();
