// The page: beam-reactions.wasm in an xterm.js terminal, one run after
// another. This module only puts the parts together; what the program says
// flows one way, from the run, through the one reader of its text, to what
// shows or tells it.
import { Announcer } from './announcer.mjs';
import { CalculatorRun } from './calculator_run.mjs';
import { loadProgram } from './driver.mjs';
import { openTerminal } from './page_terminal.mjs';
import { questionAsked, readReport, transcriptParts } from './program_text.mjs';

const RUNNING = 'The calculator is running: answer its questions in the terminal.';
const PAUSED = 'The report is written: press any key in the terminal to end the run. ' +
  'Its solution is below.';

// Fetched and compiled while the terminal is made; and a worked problem's
// answers, where the address carries them.
const programLoading = loadProgram();
const linkReading = location.hash === '' ? {}
  : import('./link.mjs').then(({ readLink }) => readLink(location.hash), () => ({}));
window.addEventListener('hashchange', () => location.reload()); // another link, pasted here

const status = document.getElementById('status');
const announcer = new Announcer(document.getElementById('told'));
const newRunButton = document.getElementById('new-run');
const answerBox = document.getElementById('answer-box');
const touch = matchMedia('(pointer: coarse)').matches;
const terminal = openTerminal(document.getElementById('terminal'), touch,
  document.getElementById('screen-reader'));
window.beamTerminal = terminal; // for the tests, which read the screen

function say(text) {
  status.textContent = text;
  announcer.say(text);
}

let run = null; // the run going on, or null between runs
let latest = null; // the last run started

// The answer line, shown on a touch device or when asked for; loaded once
// the first question is on the screen.
let answerLine = null;
async function showAnswerLine(shown) {
  const { AnswerLine } = await import('./answer_line.mjs');
  answerLine ??= new AnswerLine(document.getElementById('answer-line'), terminal, () => run, () => start());
  answerLine.asked(run && questionAsked(run.output));
  answerLine.show(shown);
  if (shown) answerLine.focus();
}
answerBox.checked = touch;
answerBox.addEventListener('change', () => showAnswerLine(answerBox.checked));

// Where the answers are typed, and the closing key pressed.
function giveKeyboardBack() {
  if (answerLine?.shown) answerLine.focus();
  else terminal.focus();
}

// Once the first question is on the screen and the page is idle: the answer
// line, and the site kept for use offline.
let settled = false;
function firstQuestionShown() {
  if (settled) return;
  settled = true;
  const whenIdle = window.requestIdleCallback ?? ((work) => setTimeout(work, 100));
  const drawn = terminal.onRender(() => {
    drawn.dispose();
    whenIdle(() => {
      showAnswerLine(answerBox.checked);
      import('./offline.mjs').then(({ keepForOffline }) => keepForOffline(say));
    });
  });
}

// The solution, drawn at the pause: loaded the first time it is needed, and
// shown only if no other run has started meanwhile.
let solution = null;
async function showSolution(of, report) {
  const { Solution } = await import('./solution.mjs');
  solution ??= new Solution(document.getElementById('solution'), say, giveKeyboardBack);
  if (of === latest) solution.show(report, transcriptParts(of.transcript), of.answered);
}

terminal.onData((keys) => {
  if (!run && keys === '\r') start();
});
newRunButton.addEventListener('click', () => start());

let program = null;
// A run, answered from a link where `answers` are given (and its input
// `ended` after them); `refused` says why a link's answers were not used.
async function start({ answers, ended, refused } = {}) {
  if (run) return;
  if (latest) terminal.reset(); // a new run on a clear screen
  newRunButton.hidden = true;
  solution?.hide();
  const current = new CalculatorRun(terminal, program, { answers, ended });
  run = latest = current;
  announcer.runStarts();
  let first = true;
  const waits = () => { // once the first question is on its way to the screen
    if (first) giveKeyboardBack();
    first = false;
    firstQuestionShown();
  };
  current.addEventListener('asked', () => {
    waits();
    const question = questionAsked(current.output);
    announcer.ask(question);
    answerLine?.asked(question);
  });
  current.addEventListener('report', () => {
    waits();
    const report = readReport(current.output);
    if (report) { // none only where the output is not this program's
      announcer.tell(report.told);
      showSolution(current, report);
    }
    if (!current.waitingForKey) return; // a key typed ahead has ended the pause
    say(PAUSED);
    status.scrollIntoView({ block: 'nearest' }); // the report's end in view, and this
  });
  say(refused ? `${refused}: answer the questions in the terminal.` : RUNNING);
  const { interrupted, failed } = await current.run();
  run = null;
  newRunButton.hidden = false;
  const ending = failed ? `The run failed: ${failed.message}.`
    : interrupted ? 'The run was interrupted.' : 'The run has ended.';
  say(`${ending} Press Enter or the New run button for another.`);
}

try {
  program = await programLoading;
} catch (error) {
  document.getElementById('terminal').hidden = true;
  say(`The calculator could not be loaded: ${error.message}.`);
}
if (program) start(await linkReading);
