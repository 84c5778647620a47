// The solution as a student hands it in: the solved beam drawn below the
// terminal once the report is written, and the whole transcript to copy,
// save as a text file or print.
import { readableTranscript } from './announcer.mjs';
import { drawSolution, readReport } from './beam_figure.mjs';

const FILE_NAME = 'beam-reactions-solution.txt';

export class Solution {
  // `giveBack()` returns the keyboard to where the answers are typed.
  constructor(panel, say, giveBack) {
    this.panel = panel;
    this.figure = panel.querySelector('.figure');
    this.printed = document.getElementById('transcript');
    this.say = say;
    this.giveBack = giveBack;
    const actions = { copy: () => this.copy(), save: () => this.save(), print: () => window.print() };
    for (const [name, act] of Object.entries(actions)) {
      const button = panel.querySelector(`.${name}`);
      // A click or a tap leaves the keyboard with the terminal; a button
      // pressed from the keyboard keeps it, for the next button.
      button.addEventListener('mousedown', (event) => event.preventDefault());
      button.addEventListener('click', async (event) => {
        await act();
        if (event.detail > 0) this.giveBack();
      });
    }
  }

  // The run's report is written: `output` is what the program wrote,
  // `transcript` the screen's text.
  show(output, transcript) {
    const report = readReport(output);
    if (!report) return;
    this.figure.replaceChildren(...drawSolution(report));
    this.printed.replaceChildren(...readableTranscript(transcript));
    this.panel.hidden = false;
  }

  hide() {
    this.panel.hidden = true;
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

  save() {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([this.transcript], { type: 'text/plain;charset=utf-8' }));
    link.download = FILE_NAME;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    this.say(`The solution is saved as ${FILE_NAME}.`);
  }
}
