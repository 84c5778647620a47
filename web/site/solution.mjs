// The solution as a student hands it in: the solved beam drawn below the
// terminal once the report is written, and the whole transcript to copy,
// save as a text file or print.
import { readableTranscript } from './announcer.mjs';
import { drawSolution, readReport } from './beam_figure.mjs';
import { linkTo } from './link.mjs';

const FILE_NAME = 'beam-reactions-solution.txt';

export class Solution {
  // `giveBack()` returns the keyboard to where the answers are typed.
  constructor(panel, say, giveBack) {
    this.panel = panel;
    this.figure = panel.querySelector('.figure');
    this.printed = document.getElementById('transcript');
    this.say = say;
    this.giveBack = giveBack;
    this.linkField = panel.querySelector('.link-field');
    const actions = { copy: () => this.copy(), 'copy-link': () => this.copyLink(),
      save: () => this.save(), print: () => window.print() };
    for (const [name, act] of Object.entries(actions)) {
      const button = panel.querySelector(`.${name}`);
      // A click or a tap leaves the keyboard with the terminal; a button
      // pressed from the keyboard keeps it, for the next button; a link to
      // copy by hand takes it.
      button.addEventListener('mousedown', (event) => event.preventDefault());
      button.addEventListener('click', async (event) => {
        if (!await act() && event.detail > 0) this.giveBack();
      });
    }
  }

  // The run's report is written: its `output` is what the program wrote,
  // its `transcript` the screen's text, its `input` what was answered, and
  // whether that `ended`.
  show({ output, transcript, input, ended }) {
    const report = readReport(output);
    if (!report) return;
    this.figure.replaceChildren(...drawSolution(report));
    this.printed.replaceChildren(...readableTranscript(transcript));
    this.answered = { input, ended };
    this.panel.hidden = false;
  }

  hide() {
    this.panel.hidden = true;
    this.linkField.hidden = true;
    this.figure.replaceChildren();
    this.printed.textContent = '';
  }

  // The run's transcript, as the page prints it.
  get transcript() {
    return this.printed.textContent;
  }

  async copy() {
    try {
      await navigator.clipboard.writeText(this.transcript);
      this.say('The solution is on the clipboard.');
    } catch {
      this.say('The browser did not let the page copy: use Save solution instead.');
    }
  }

  // The link that brings this run back; where the clipboard is refused
  // (in a frame not allowed to write to it), shown selected, to copy by hand.
  async copyLink() {
    const link = linkTo(location.href, this.answered.input, this.answered.ended);
    try {
      await navigator.clipboard.writeText(link);
      this.say('The link to this problem is on the clipboard.');
      return false;
    } catch {
      const field = this.linkField.querySelector('input');
      field.value = link;
      this.linkField.hidden = false;
      field.focus();
      field.select();
      this.say('The browser did not let the page copy: the link is selected below, to copy by hand.');
      return true;
    }
  }

  save() {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([this.transcript], { type: 'text/plain;charset=utf-8' }));
    link.download = FILE_NAME;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    this.say(`The solution is saved as ${FILE_NAME}.`);
  }
}
