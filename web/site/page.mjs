// The page: beam-reactions.wasm in an xterm.js terminal, one run after another.
import { Terminal } from './xterm.mjs';
import { Announcer } from './announcer.mjs';
import { runProgram } from './driver.mjs';
import { Interrupted, TerminalHost } from './terminal_host.mjs';

const COLUMNS = 120; // the longest line the program writes is 117 characters
const ROWS = 40;
const TOUCH_ROWS = 24; // the question stays in sight above the answer line and a phone's keyboard
const FONT_SIZE = 15;
const SMALLEST_FONT_SIZE = 12; // below it a phone's text is hard to read: it scrolls instead

// Fetched and compiled while the terminal is made; and a worked problem's
// answers, where the address carries them.
const programLoading = loadProgram();
const linkReading = location.hash === '' ? { answers: [] }
  : import('./link.mjs').then(({ readLink }) => readLink(location.hash), () => ({ answers: [] }));
window.addEventListener('hashchange', () => location.reload()); // another link, pasted here

const status = document.getElementById('status');
const announcer = new Announcer(document.getElementById('told'));
const newRunButton = document.getElementById('new-run');
const screenReader = document.getElementById('screen-reader');
const container = document.getElementById('terminal');

const answerBox = document.getElementById('answer-box');
const touch = matchMedia('(pointer: coarse)').matches;

// A smaller font where all 120 columns would not fit the page's width, down
// to the smallest that reads well; narrower still, the terminal scrolls
// sideways in its frame. Estimated before the terminal is drawn (a monospace
// character is about 0.6 of the font size wide), so that it is drawn once,
// then made right if need be.
const room = () => container.clientWidth - 8;
const fitting = (size, width) => Math.max(SMALLEST_FONT_SIZE,
  Math.min(FONT_SIZE, Math.floor((size * room()) / width)));
// The terminal's text field, as a screen reader names it; and nothing said
// of too much output, which the page's own region tells short.
Terminal.strings.promptLabel = 'Calculator terminal: type each answer, then Enter. ' +
  'Tab moves on to the controls below it.';
Terminal.strings.tooMuchOutput = '';
const terminal = new Terminal({
  cols: COLUMNS, rows: touch ? TOUCH_ROWS : ROWS, convertEol: true,
  fontSize: fitting(FONT_SIZE, COLUMNS * 0.6 * FONT_SIZE),
});
terminal.open(container);
// Tab and Shift+Tab move to the page's other controls, as from any field:
// the program never needs a Tab, its answers are separated by spaces too.
terminal.attachCustomKeyEventHandler((event) => event.key !== 'Tab');
const screenElement = container.querySelector('.xterm-screen');
function fitFont() {
  const { fontSize } = terminal.options;
  const size = fitting(fontSize, screenElement.offsetWidth);
  if (size !== fontSize) terminal.options.fontSize = size;
}
fitFont();
window.addEventListener('resize', fitFont);
window.beamTerminal = terminal; // for the tests, which read the screen

// On a touch device the answers are typed in a line of their own, loaded
// once the first question is on the screen; a tap on the terminal goes
// there, or ends the closing pause.
let answerLine = null;
async function showAnswerLine(shown) {
  if (shown && !answerLine) {
    const { AnswerLine } = await import('./answer_line.mjs');
    answerLine ??= new AnswerLine(document.getElementById('answer-line'), () => host, () => start());
    answerLine.asked(host?.output ?? '');
  }
  answerLine?.show(shown);
  if (shown) answerLine.focus();
}
answerBox.checked = touch;
answerBox.addEventListener('change', () => showAnswerLine(answerBox.checked));
container.addEventListener('pointerup', (event) => {
  if (event.pointerType === 'mouse') return;
  if (host?.waitingForKey) host.take(' ');
  else if (answerLine?.shown) answerLine.focus();
});
terminal.textarea.addEventListener('focus', () => {
  if (touch && answerLine?.shown) answerLine.focus();
});

// Where the answers are typed, and the closing key pressed.
function giveKeyboardBack() {
  if (answerLine?.shown) answerLine.focus();
  else terminal.focus();
}

// Once the first question is on the screen and the page is idle: the answer
// line on a touch device, and the site kept for use offline.
let started = false;
function firstQuestionShown() {
  if (started) return;
  started = true;
  const whenIdle = window.requestIdleCallback ?? ((work) => setTimeout(work, 100));
  const drawn = terminal.onRender(() => {
    drawn.dispose();
    whenIdle(() => {
      if (touch) showAnswerLine(true);
      import('./offline.mjs').then(({ keepForOffline }) => keepForOffline(say));
    });
  });
}

// The solution, drawn at the pause: loaded the first time it is needed, and
// shown only if no other run has started meanwhile.
let solution = null;
let runs = 0;
async function showSolution(run) {
  const shownFor = runs;
  const { Solution } = await import('./solution.mjs');
  solution ??= new Solution(document.getElementById('solution'), say, giveKeyboardBack);
  if (shownFor === runs) solution.show(run);
}

// xterm.js's rows, to be read one by one. What is told stays with the page's
// own region: xterm.js's live region, which repeats the screen and gives up
// past 20 lines, is made silent.
screenReader.addEventListener('change', () => {
  terminal.options.screenReaderMode = screenReader.checked;
  const echo = container.querySelector('.xterm-accessibility [aria-live]');
  echo?.setAttribute('aria-live', 'off');
  echo?.setAttribute('aria-hidden', 'true');
});

let host = null; // the host of the run going on, or null once it has ended
terminal.onData((data) => {
  if (host) host.take(data);
  else if (data === '\r') start();
});
newRunButton.addEventListener('click', () => start());

const RUNNING = 'The calculator is running: answer its questions in the terminal.';
const PAUSED = 'The report is written: press any key in the terminal to end the run. ' +
  'Its solution is below.';

function say(text) {
  status.textContent = text;
  announcer.say(text);
}

async function loadProgram() {
  if (typeof WebAssembly !== 'object') {
    throw new Error('this browser does not run WebAssembly');
  }
  // The single-file edition carries the program in the page itself.
  const carried = document.getElementById('program-bytes');
  if (carried) return WebAssembly.compile(fromBase64(carried.textContent));
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

function fromBase64(text) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let at = 0; at < binary.length; at += 1) bytes[at] = binary.charCodeAt(at);
  return bytes;
}

let program = null;
// A run: `answers` (a link's) are typed one at each question the program
// asks, as a user types them, and the input is ended after them where the
// link was `ended`; `refused` says why a link's were not.
async function start({ answers = [], ended = false, refused } = {}) {
  if (host) return;
  if (started) terminal.reset(); // a new run on a clear screen
  runs += 1;
  newRunButton.hidden = true;
  solution?.hide();
  const run = new TerminalHost(terminal);
  host = run;
  announcer.runStarts();
  let waited = false;
  run.onWait = (kind) => {
    if (!waited) giveKeyboardBack(); // once the first question is on its way to the screen
    waited = true;
    firstQuestionShown();
    if (kind === 'read' && (answers.length > 0 || ended)) {
      run.take(answers.length > 0 ? `${answers.shift()}\r` : '\x04');
      return;
    }
    answers = []; // the rest belong to no question
    announcer.waits(kind, run.output);
    if (kind === 'read') {
      answerLine?.asked(run.output);
      return;
    }
    showSolution(run); // the report is written, even where a key typed ahead ends the pause
    if (run.waitingForKey) {
      say(PAUSED);
      status.scrollIntoView({ block: 'nearest' }); // the report's end in view, and this
    }
  };
  say(refused ? `${refused}: answer the questions in the terminal.` : RUNNING);
  let ending = 'The run has ended.';
  try {
    await runProgram(program, run);
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
if (program) start(await linkReading);
