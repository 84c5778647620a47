// One run of the calculator in the page's terminal, from its start to its
// end. It listens to the terminal itself, types a link's answers one at each
// question, as a user types them, and tells its listeners what happens:
// 'asked' when the program waits for an answer, 'report' when its report is
// written (even where a key typed ahead ends the pause at once), and 'ended'
// when the run is over, with how it ended.
import { runProgram } from './driver.mjs';
import { Interrupted, TerminalHost } from './terminal_host.mjs';

const CTRL_D = '\x04';

export class CalculatorRun extends EventTarget {
  // `program` the compiled .wasm; a link's `answers`, and whether its input
  // `ended` after them.
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
  // or { failed } with the error, or neither.
  async run() {
    const listening = this.terminal.onData((keys) => this.take(keys));
    let how = {};
    try {
      await runProgram(this.program, this.host);
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
