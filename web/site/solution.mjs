// The solution as a student hands it in: the solved beam drawn below the
// terminal once the report is written, and the whole transcript to copy,
// save as a text file or print. A keyboard reaches Copy solution, Copy link,
// Save solution and Print in turn, and a button worked from it keeps the
// focus; a screen reader finds the transcript under its own heading, the
// banner's drawing in characters read as one image named by what it shows.
import { drawSolution } from './beam_figure.mjs';
import { linkTo } from './link.mjs';

const FILE_NAME = 'beam-reactions-solution.txt';
const DRAWING = 'A drawing of the beam: a force pointing down at its centre C, the pin joint at ' +
  'Pt-A on the left, the rocker at Pt-B on the right, and the length L from A to B.';

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

  // The run's report is written: `report` its values, `transcript` the
  // screen's text in its parts, and `answered` what the run read, its
  // `input` and whether that `ended`.
  show(report, { before, drawing, after }, answered) {
    const named = document.createElement('span');
    named.setAttribute('role', 'img');
    named.setAttribute('aria-label', DRAWING);
    named.textContent = drawing;
    this.figure.replaceChildren(...drawSolution(report));
    this.printed.replaceChildren(before, ...(drawing ? [named] : []), after);
    this.answered = answered;
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
