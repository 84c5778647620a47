// The program's host in the page: its standard input is what is typed at an
// xterm.js terminal, in a terminal's line mode, and its closing key is the
// next key pressed there, raw and unechoed. It keeps the transcript: the
// screen's text as a terminal shows the run, each answer where it was sent.

const encoder = new TextEncoder();

export class Interrupted extends Error {
  constructor() {
    super('interrupted');
  }
}

export class TerminalHost {
  constructor(terminal) {
    this.terminal = terminal;
    this.line = []; // the characters of the line being typed
    this.lines = []; // lines sent with Enter and not yet read
    this.ended = false; // Ctrl+D on an empty line: the end of the input
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

  // The closing pause: a key typed ahead ends it at once.
  waitForKey() {
    if (this.lines.length > 0 || this.line.length > 0) {
      this.lines = [];
      this.line = [];
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
      this.send(`${this.line.join('')}\n`);
    } else if (key === '\x7f' || key === '\b') {
      if (this.line.pop() !== undefined) this.terminal.write('\b \b');
    } else if (key === '\x15') { // Ctrl+U
      this.terminal.write('\b \b'.repeat(this.line.length));
      this.line = [];
    } else if (key === '\x04') { // Ctrl+D: the line as it is, or the end
      if (this.line.length === 0) this.ended = true;
      this.send(this.line.join(''));
    } else if (key === '\x03') { // Ctrl+C
      this.terminal.write('^C');
      this.reader?.reject(new Interrupted());
      this.reader = null;
    } else if (key >= ' ' && key !== '\x7f') { // arrows and other controls do nothing
      this.line.push(key);
      this.terminal.write(key);
    }
  }

  send(text) {
    this.input += text;
    this.transcript += text;
    this.line = [];
    if (text !== '') this.lines.push(encoder.encode(text));
    if (this.reader?.kind === 'read') this.answer(this.lines.shift() ?? null);
  }

  answer(value) {
    const { resolve } = this.reader;
    this.reader = null;
    resolve(value);
  }
}

// Splits typed text into keys: each character, or one escape sequence whole.
function keysOf(data) {
  return data.match(/\x1b(\[[\x20-\x3f]*[\x40-\x7e]?|O.?|.?)|[\s\S]/gu) ?? [];
}
