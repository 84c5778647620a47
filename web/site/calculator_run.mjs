// One run of the calculator in the page's terminal, from its start to its
// end. It listens to the terminal itself, from before the program has come:
// what is typed meanwhile is shown and waits for the program, as a console
// keeps what is typed before a program reads it. It types a link's answers
// one at each question, as a user types them, and tells its listeners what
// happens: 'started' when the program has come and starts, 'asked' when it
// waits for an answer, 'report' when its report is written (even where a key
// typed ahead ends the pause at once), and 'ended' when the run is over,
// with how it ended.
//
// The program's host is the terminal in a terminal's line mode: its standard
// input is what is typed there, and its closing key the next key pressed,
// raw and unechoed. What the line shows is what the program reads: Backspace
// erases one character as the screen shows it (a wide one, a letter with its
// accents, an emoji with its joined parts), and a Tab, a vertical tab or a
// form feed, which the program reads as white space between answers, is a
// space. The host keeps the transcript: the screen's text as a terminal
// shows the run, each answer where it was sent.
//
// One module for both, as each module on the page's way to its first
// question costs it time.
import { runProgram } from './driver.mjs';

const CTRL_D = '\x04';

export class CalculatorRun extends EventTarget {
  // `program` the compiled .wasm, or a promise of it; a link's `answers`,
  // and whether its input `ended` after them.
  constructor(terminal, program, { answers = [], ended = false } = {}) {
    super();
    this.terminal = terminal;
    this.program = program;
    this.host = new TerminalHost(terminal);
    this.host.onWait = (kind) => this.waits(kind);
    this.answers = [...answers];
    this.ending = ended;
  }

  // What the program wrote; the screen's text; its standard input, and
  // whether that ended.
  get output() {
    return this.host.output;
  }

  get transcript() {
    return this.host.transcript;
  }

  get answered() {
    return { input: this.host.input, ended: this.host.ended };
  }

  get waitingForKey() {
    return this.host.waitingForKey;
  }

  // Keys typed or pasted, from the terminal or the answer line.
  take(keys) {
    this.host.take(keys);
  }

  // Ends the closing pause, as any key would.
  endPause() {
    if (this.waitingForKey) this.host.take(' ');
  }

  // Runs the program to its end: a promise of how it ended, { interrupted }
  // or { failed } with the error (the program's own loading's where it never
  // started), or neither.
  async run() {
    const listening = this.terminal.onData((keys) => this.take(keys));
    let how = {};
    try {
      const program = await this.program;
      this.dispatchEvent(new Event('started'));
      await runProgram(program, this.host);
    } catch (error) {
      how = error instanceof Interrupted ? { interrupted: true } : { failed: error };
    }
    listening.dispose();
    this.dispatchEvent(new CustomEvent('ended', { detail: how }));
    return how;
  }

  waits(kind) {
    if (kind === 'read' && (this.answers.length > 0 || this.ending)) {
      this.take(this.answers.length > 0 ? `${this.answers.shift()}\r` : CTRL_D);
      return;
    }
    this.answers = []; // the rest belong to no question
    this.dispatchEvent(new Event(kind === 'read' ? 'asked' : 'report'));
  }
}

// The line mode.

const encoder = new TextEncoder();
let characters = null; // made at the first Backspace: it is not free
const BLANKS = new Set(['\t', '\v', '\f']);
const ERASE_BELOW = '\x1b[J';
// Backspace at a row's start goes back to the end of the row a long line
// wrapped from: set with each erasing, as a new run resets it.
const REVERSE_WRAPAROUND = '\x1b[?45h';

class Interrupted extends Error {
  constructor() {
    super('interrupted');
  }
}

class TerminalHost {
  constructor(terminal) {
    this.terminal = terminal;
    this.line = ''; // the line being typed
    this.lines = []; // lines sent with Enter and not yet read
    this.ended = false; // Ctrl+D on an empty line: the end of the input
    this.interrupted = false; // Ctrl+C before the program waited
    this.reader = null; // the read or the key wait that is waiting
    this.output = ''; // what the program wrote
    this.input = ''; // its standard input: each line as it was sent
    this.transcript = ''; // that, and each line as it was sent
    this.decoder = new TextDecoder();
    this.onWait = () => {}; // told 'read' or 'key' when the program waits
  }

  get waitingForKey() {
    return this.reader?.kind === 'key';
  }

  // Standard input: a line once Enter sends it; null after Ctrl+D.
  read() {
    if (this.interrupted) return Promise.reject(new Interrupted());
    if (this.lines.length > 0) return Promise.resolve(this.lines.shift());
    if (this.ended) return Promise.resolve(null);
    return this.waitForInput('read');
  }

  write(bytes) {
    this.terminal.write(bytes);
    const text = this.decoder.decode(bytes, { stream: true });
    this.output += text;
    this.transcript += text;
  }

  // The closing pause: a key typed ahead ends it at once, the report written
  // all the same.
  waitForKey() {
    if (this.lines.length > 0 || this.line !== '') {
      this.lines = [];
      this.line = '';
      this.onWait('key');
      return Promise.resolve();
    }
    return this.waitForInput('key');
  }

  waitForInput(kind) {
    const waiting = new Promise((resolve, reject) => {
      this.reader = { kind, resolve, reject };
    });
    this.onWait(kind);
    return waiting;
  }

  // What xterm.js says was typed or pasted, a key's bytes at a time.
  take(data) {
    if (this.reader?.kind === 'key') {
      this.answer();
      return;
    }
    for (const key of keysOf(data)) {
      this.takeKey(key);
    }
  }

  takeKey(key) {
    if (key === '\r' || key === '\n') {
      this.terminal.write('\r\n');
      this.send(`${this.line}\n`);
    } else if (key === '\x7f' || key === '\b') {
      characters ??= new Intl.Segmenter('en', { granularity: 'grapheme' });
      this.erase([...characters.segment(this.line)].at(-1)?.segment ?? '');
    } else if (key === '\x15') { // Ctrl+U
      this.erase(this.line);
    } else if (key === CTRL_D) { // the line as it is, or the end
      if (this.line === '') this.ended = true;
      this.send(this.line);
    } else if (BLANKS.has(key)) {
      this.type(' ');
    } else if (key === '\x03') { // Ctrl+C
      this.terminal.write('^C');
      this.interrupted = !this.reader;
      this.reader?.reject(new Interrupted());
      this.reader = null;
    } else if (key >= ' ') { // arrows and other controls do nothing
      this.type(key);
    }
  }

  type(text) {
    this.line += text;
    this.terminal.write(text);
  }

  // Erases `end`, the end of the line: back over the cells the terminal
  // gave it, and clear from there.
  erase(end) {
    if (end === '') return;
    this.line = this.line.slice(0, -end.length);
    this.terminal.write(`${REVERSE_WRAPAROUND}${'\b'.repeat(cellsOf(this.terminal, end))}${ERASE_BELOW}`);
  }

  send(text) {
    this.input += text;
    this.transcript += text;
    this.line = '';
    if (text !== '') this.lines.push(encoder.encode(text));
    if (this.reader?.kind === 'read') this.answer(this.lines.shift() ?? null);
  }

  answer(value) {
    const { resolve } = this.reader;
    this.reader = null;
    resolve(value);
  }
}

// How many cells `text` takes on the terminal's screen, by the terminal's own
// rule for each character's width: xterm.js keeps it to itself.
function cellsOf(terminal, text) {
  return terminal._core.unicodeService.getStringCellWidth(text);
}

// Splits typed text into keys: each character, or one escape sequence whole.
function keysOf(data) {
  return data.match(/\x1b(\[[\x20-\x3f]*[\x40-\x7e]?|O.?|.?)|[\s\S]/gu) ?? [];
}
