// What the page tells a screen reader, whether or not one is running: in the
// one live region the page keeps, each question once as it is asked, the
// report's results and the closing message when the report is written, and
// what the status line says. Short, and once: never the whole screen. The
// transcript, to be read line by line, has a text alternative in place of the
// drawing of the beam in characters.

const KEPT = 3; // announcements left in the region; older ones go
const APART = 400; // milliseconds at least between announcements
const DASH_RULE = `${'-'.repeat(58)} `;
const DRAWING_TOP = `${' '.repeat(29)}!`;
const DRAWING_BOTTOM = 'Length(L)';
const DRAWING = 'A drawing of the beam: a force pointing down at its centre C, the pin joint at ' +
  'Pt-A on the left, the rocker at Pt-B on the right, and the length L from A to B.';

// A report line as it is said: its arrows left out and its spaces single.
const spoken = (line) => line.replace(/\s*(-->|<--),/g, ',').replace(/\s+/g, ' ').trim();

// The question the program asks last in `output`.
export function question(output) {
  return spoken(output.slice(output.lastIndexOf('Enter ')));
}

// The report's results in `output`: Ay and By (or the sentence for a zero
// length), the lines of the horizontal case from its last arrow, and the
// closing message.
export function results(output) {
  const sections = [[]];
  for (const line of output.split('\n')) {
    if (line === DASH_RULE) sections.push([]);
    else if (line.trim() !== '') sections.at(-1).push(line);
  }
  // The worked solution; Ay and By, unless the length is 0; the horizontal
  // case; the closing message.
  const [worked = [], ...rest] = sections.filter((lines) => lines.length > 0);
  const vertical = rest.length === 3 ? rest[0] : worked.slice(-1);
  const horizontal = rest.at(-2) ?? [];
  const arrow = Math.max(0, horizontal.findLastIndex((line) => /(-->|<--),/.test(line)));
  return [...vertical, ...horizontal.slice(arrow), ...(rest.at(-1) ?? [])].map(spoken);
}

// The transcript as nodes of a <pre>: its text, with the drawing of the beam
// as an image named by what it shows. Its text stays the transcript's own.
export function readableTranscript(transcript) {
  const top = transcript.indexOf(DRAWING_TOP);
  const bottom = transcript.indexOf('\n', transcript.indexOf(DRAWING_BOTTOM)) + 1;
  if (top < 0 || bottom <= top) return [transcript];
  const start = transcript.lastIndexOf('\n', top) + 1;
  const drawing = document.createElement('span');
  drawing.setAttribute('role', 'img');
  drawing.setAttribute('aria-label', DRAWING);
  drawing.textContent = transcript.slice(start, bottom);
  return [transcript.slice(0, start), drawing, transcript.slice(bottom)];
}

export class Announcer {
  constructor(region) {
    this.region = region;
    this.asked = -1; // where the question last told stands in this run's output
    this.gathering = null; // the lines told in this moment
    this.waiting = []; // announcements not yet added
    this.pause = null; // while the last one added stands alone
  }

  // What the status line says.
  say(text) {
    this.tell([text]);
  }

  // A run begins: its first question is told again.
  runStarts() {
    this.asked = -1;
  }

  // The program waits for an answer (`kind` 'read') or for its closing key;
  // `output` is all it has written in this run. A question typed ahead of is
  // not told, nor one asked again for an empty line.
  waits(kind, output) {
    if (kind !== 'read') {
      this.tell(results(output));
      return;
    }
    const at = output.lastIndexOf('Enter ');
    if (at === this.asked) return;
    this.asked = at;
    this.tell([question(output)]);
  }

  // What is told in one moment is one announcement, one paragraph, its lines
  // said in their order. Announcements are added one at a time, apart, in
  // the order they are made: a browser may report nodes added together in
  // any order, and a screen reader still busy may pass over an announcement
  // when the next one is already waiting.
  tell(lines) {
    if (this.gathering) {
      this.gathering.push(...lines);
      return;
    }
    this.gathering = [...lines];
    queueMicrotask(() => {
      this.waiting.push(this.gathering.join('\n'));
      this.gathering = null;
      if (!this.pause) this.next();
    });
  }

  next() {
    this.pause = null;
    if (this.waiting.length === 0) return;
    const told = document.createElement('p');
    told.textContent = this.waiting.shift();
    this.region.append(told);
    while (this.region.childElementCount > KEPT) this.region.firstElementChild.remove();
    this.pause = setTimeout(() => this.next(), APART);
  }
}
