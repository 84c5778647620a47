// The answer line: a native text field under the terminal for touch devices.
// A phone's keyboard composes and predicts words, which xterm.js's hidden
// text area loses on Enter; a native field holds each answer as it is shown,
// and Enter or Send hands it over whole, once. A pasted row or column of
// cells keeps its answers apart: its Tabs and line ends are spaces.
//
// A keyboard reaches the field, then End input and Stop, which stand for
// Ctrl+D and Ctrl+C; a screen reader hears the field named "Answer". On a
// touch screen a tap on the terminal brings up the field's keyboard, or ends
// the closing pause.

const MODIFIERS = new Set(['Shift', 'Control', 'Alt', 'AltGraph', 'Meta', 'CapsLock', 'NumLock',
  'ScrollLock', 'Fn', 'Unidentified', 'Process']);

// iOS offers no number keyboard with a minus sign: its full keyboard there.
// Elsewhere the number pad, which Android's keyboards give a minus.
const IOS = /iPhone|iPad|iPod/.test(navigator.userAgent) ||
  (/Macintosh/.test(navigator.userAgent) && navigator.maxTouchPoints > 1);
const NUMBER_KEYBOARD = IOS ? 'text' : 'numeric';
const TOUCH = matchMedia('(pointer: coarse)').matches;

export class AnswerLine {
  // `terminal` is the page's; `run()` the run going on, or null between
  // runs; `idle()` is called for Enter between runs.
  constructor(form, terminal, run, idle) {
    this.form = form;
    this.field = form.querySelector('input');
    this.run = run;
    this.idle = idle;
    this.sent = false; // the last thing that happened was a send
    this.field.addEventListener('keydown', (event) => this.keyDown(event));
    this.field.addEventListener('beforeinput', (event) => this.beforeInput(event));
    this.field.addEventListener('input', () => { this.sent = false; });
    this.field.addEventListener('pointerup', () => this.endPause());
    this.field.addEventListener('paste', (event) => this.paste(event));
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.lineBreak();
    });
    form.querySelector('.end-input').addEventListener('click', () => this.control('\x04'));
    form.querySelector('.stop').addEventListener('click', () => this.control('\x03'));
    terminal.element.parentElement.addEventListener('pointerup', (event) => {
      if (event.pointerType === 'mouse') return;
      if (this.run()?.waitingForKey) this.endPause();
      else if (this.shown) this.focus();
    });
    terminal.textarea.addEventListener('focus', () => {
      if (TOUCH && this.shown) this.focus();
    });
  }

  get shown() {
    return !this.form.hidden;
  }

  show(shown) {
    this.form.hidden = !shown;
  }

  focus() {
    this.field.focus();
  }

  // The program asks `question`: digits and a minus sign for a number, the
  // full keyboard for a unit.
  asked(question) {
    this.field.inputMode = question?.answer === 'unit' ? 'text' : NUMBER_KEYBOARD;
  }

  keyDown(event) {
    if (event.key === 'Tab') return; // it leaves the line, as from any field
    if (this.run()?.waitingForKey) {
      if (!MODIFIERS.has(event.key)) {
        event.preventDefault();
        this.sent = false; // a key of its own, not the end of the last answer
        this.endPause();
      }
      return;
    }
    if (event.key === 'Enter' || event.keyCode === 13) {
      event.preventDefault();
      this.lineBreak();
    } else {
      this.sent = false;
    }
  }

  // iOS ends a line during a prediction with Enter, then a line break, for
  // one press: the second belongs to the first, even where the first
  // answered the last question and the pause has begun.
  beforeInput(event) {
    const lineBreak = event.inputType === 'insertLineBreak' || event.inputType === 'insertParagraph';
    if (lineBreak && this.sent) {
      event.preventDefault();
    } else if (this.run()?.waitingForKey) {
      event.preventDefault();
      this.endPause();
    } else if (lineBreak) {
      event.preventDefault();
      this.lineBreak();
    }
  }

  // A text field drops a paste's line ends, running the answers together.
  paste(event) {
    const pasted = event.clipboardData?.getData('text/plain');
    if (!pasted) return;
    event.preventDefault();
    if (this.run()?.waitingForKey) {
      this.endPause();
      return;
    }
    const { field } = this;
    field.setRangeText(pasted.replace(/\r\n|[\t\n\v\f\r]/g, ' '), field.selectionStart,
      field.selectionEnd, 'end');
    this.sent = false;
  }

  lineBreak() {
    if (this.sent) return;
    if (!this.run()) {
      this.idle();
      return;
    }
    this.sent = true;
    this.hand(`${this.field.value}\r`);
  }

  // What the field shows, as if typed at the terminal: echoed and sent.
  // Emptying the field also ends a word the keyboard is still composing, so
  // that nothing of it comes back into the next answer.
  hand(keys) {
    this.run()?.take(keys);
    this.field.value = '';
  }

  // Ctrl+D and Ctrl+C, for keyboards without them: the line as it is, then
  // the key.
  control(key) {
    if (this.run()?.waitingForKey) {
      this.endPause();
      return;
    }
    this.hand(this.field.value + key);
    this.focus();
  }

  endPause() {
    this.run()?.endPause();
  }
}
