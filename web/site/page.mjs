// The page: beam-reactions.wasm in an xterm.js terminal, one run after
// another. This module only puts the parts together; what the program says
// flows one way, from the run, through the one reader of its text, to what
// shows or tells it. The build bundles it with all it imports into one file:
// a page has everything it will need, of its own build, from its start, and
// a network lost later takes nothing from it.
import { AnswerLine } from './answer_line.mjs';
import { Announcer } from './announcer.mjs';
import { CalculatorRun } from './calculator_run.mjs';
import { loadProgram } from './driver.mjs';
import { readLink } from './link.mjs';
import { keepForOffline, watchForNewBuild } from './offline.mjs';
import { openTerminal } from './page_terminal.mjs';
import { questionAsked, readReport, transcriptParts } from './program_text.mjs';
import { Solution } from './solution.mjs';

const RUNNING = 'The calculator is running: answer its questions in the terminal.';
const PAUSED = 'The report is written: press any key in the terminal to end the run.';
const SHOWN = 'Its solution is below.';
const NOT_SHOWN = 'Its solution cannot be drawn for this run.';

// Fetched and compiled while the terminal is made, from the page's start
// (index.html begins it): the program index.html names. A run started
// meanwhile waits for it.
const programLoading = loadProgram(document.getElementById('program')?.href, window.beamProgram);
programLoading.catch(() => {}); // said by the run that meets it
window.addEventListener('hashchange', () => location.reload()); // another link, pasted here

const status = document.getElementById('status');
const announcer = new Announcer(document.getElementById('told'));
const newRunButton = document.getElementById('new-run');
const answerBox = document.getElementById('answer-box');
const touch = matchMedia('(pointer: coarse)').matches;
const terminal = openTerminal(document.getElementById('terminal'), touch,
  document.getElementById('screen-reader'));
window.beamTerminal = terminal; // for the tests, which read the screen

// What the status line says, and a screen reader is told; a new build,
// once found, is told once and stays in the status line.
let newBuild = '';
function say(text) {
  status.textContent = [text, newBuild].join(' ').trim();
  announcer.say(text);
}
watchForNewBuild((text) => {
  newBuild = text;
  status.textContent += ` ${text}`;
  announcer.say(text);
});

let run = null; // the run going on, or null between runs
let runs = 0;

// The answer line, shown on a touch device or when asked for.
let answerLine = null;
function showAnswerLine(shown) {
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

// `work`, once what the terminal has been given is on the screen: off the
// way of its drawing.
function onceDrawn(work) {
  terminal.write('', () => {
    const drawn = terminal.onRender(() => {
      drawn.dispose();
      setTimeout(work);
    });
  });
}

// Once the first question is on the screen and the page is idle: the answer
// line, and the site kept for use offline.
let settled = false;
function firstQuestionShown() {
  if (settled) return;
  settled = true;
  const whenIdle = window.requestIdleCallback ?? ((work) => setTimeout(work, 100));
  onceDrawn(() => whenIdle(() => {
    showAnswerLine(answerBox.checked);
    keepForOffline();
  }));
}

let solution = null;
function showSolution(report, of) {
  solution ??= new Solution(document.getElementById('solution'), say, giveKeyboardBack);
  solution.show(report, transcriptParts(of.transcript), of.answered);
}

terminal.onData((keys) => {
  if (!run && keys === '\r') start();
});
newRunButton.addEventListener('click', () => start());

// A run, answered from a link where `answers` are given (and its input
// `ended` after them); `refused` says why a link's answers were not used.
// Started at once, before the program has come, so that what is typed
// meanwhile is kept for it.
async function start({ answers, ended, refused } = {}) {
  if (run) return;
  if (runs++ > 0) terminal.reset(); // a new run on a clear screen
  newRunButton.hidden = true;
  solution?.hide();
  const current = new CalculatorRun(terminal, programLoading, { answers, ended });
  run = current;
  announcer.runStarts();
  let started = false;
  current.addEventListener('started', () => {
    started = true;
    say(refused ? `${refused}: answer the questions in the terminal.` : RUNNING);
  });
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
    if (report) {
      announcer.tell(report.told);
      showSolution(report, current);
    }
    if (!current.waitingForKey) return; // a key typed ahead has ended the pause
    say(`${PAUSED} ${report ? SHOWN : NOT_SHOWN}`);
    status.scrollIntoView({ block: 'nearest' }); // the report's end in view, and this
  });
  const { interrupted, failed } = await current.run();
  run = null;
  if (!started) {
    document.getElementById('terminal').hidden = true;
    say(`The calculator could not be loaded: ${failed.message}.`);
    return;
  }
  newRunButton.hidden = false;
  const ending = failed ? `The run failed: ${failed.message}.`
    : interrupted ? 'The run was interrupted.' : 'The run has ended.';
  say(`${ending} Press Enter or the New run button for another.`);
}

start(location.hash === '' ? {} : readLink(location.hash));
