// The program's own text, read in this module alone: its questions, the
// openings of its report's lines, its dash rule, its closing message and its
// drawing of the beam. From what the program wrote it gives what the page
// needs: the question asked, the report's values and the lines to tell of
// it, and the transcript's parts. Lines are found by how they open, never by
// where they stand.

const QUESTIONS = [
  'Enter Value 1 For The Length OF The Figure(Shape) Above = ',
  'Enter Value 2 For The Acting Vertical Force At Point C Of The Figure Above = ',
  'Enter Value 3 For The Horizonatl Force At Point A If Available = ',
  'Enter Value 4 For The Horizonatl Force At Point B If Available = ',
  ' Enter The Unit For The Weight(Acting Force, Mass) Vertically Downward = ',
  ' Enter The Unit For The Length = ',
];
const NUMBERS = 4; // the questions that ask for a number; the others, for a unit
const DASH_RULE = `${'-'.repeat(58)} `;
const CLOSING = 'Press Any Key To Continue';
const ZERO_LENGTH = ' By And Ay Cannot Be Found, The Length Of The Beam Is 0';
const ARROW = /\s*(-->|<--),/g;
const DRAWING_TOP = `${' '.repeat(29)}!`;
const DRAWING_BOTTOM = 'Length(L)';

const DEFERRED = ' Next Equation And Topic(s) To Be Resolved Later...............  ';
const HAS_ARROW = /(-->|<--),/;

// A line as it is said: its arrows left out and its spaces single.
const spoken = (line) => line.replace(ARROW, ',').replace(/\s+/g, ' ').trim();

// The question the program asks last in `output`, or null before the first:
// where it stands there (each asking has its own place), the question as it
// is said, and whether its answer is a 'number' or a 'unit'.
export function questionAsked(output) {
  const [at, asked] = QUESTIONS.map((text, number) => [output.lastIndexOf(text), number])
    .reduce((last, next) => (next[0] > last[0] ? next : last));
  if (at < 0) return null;
  return { at, text: spoken(QUESTIONS[asked]), answer: asked < NUMBERS ? 'number' : 'unit' };
}

// The report's values in `output`, each as the program wrote it, or null
// where it holds no whole report it can read (cut short, or worded other
// than here): the force and its unit, the length and its unit, Ay and By
// (none for a zero length), the horizontal reactions of its case, and
// `told`, the lines a listener is told: Ay and By (or the sentence for a
// zero length), the case's result lines from its last arrow, and the closing
// message, as they are said.
export function readReport(output) {
  const start = output.lastIndexOf(QUESTIONS.at(-1));
  const lines = output.slice(start + QUESTIONS.at(-1).length).split('\n');
  const find = (opening, ending = '') => lines.find((line) => line.startsWith(opening) && line.endsWith(ending));
  const after = (opening, ending = '') => find(opening, ending)?.slice(opening.length, -ending.length || undefined);
  const force = after('Ay + By = ', ' Eq-1');
  const centre = after(' The Center Of The Force = ');
  const report = {
    force,
    forceUnit: after(` The Acting Vertial Force Is ${force} `),
    length: after(' ==> ')?.split(' / 2 = ')[0],
    lengthUnit: centre?.slice(centre.indexOf(' ') + 1),
    horizontal: horizontalReactions(find),
  };
  let vertical = [ZERO_LENGTH];
  if (!lines.includes(ZERO_LENGTH)) {
    vertical = [lines.findLast((line) => line.startsWith(' Ay = ')), lines.findLast((line) => line.startsWith(' By = '))];
    report.Ay = wordAfter(vertical[0], ' Ay = ');
    report.By = wordAfter(vertical[1], ' By = ');
  }
  const arrow = lines.findLastIndex((line) => HAS_ARROW.test(line));
  const rule = lines.indexOf(DASH_RULE, arrow);
  const read = [force, centre, report.forceUnit, report.length, ...vertical,
    ...report.horizontal.map(({ value }) => value)];
  if (start < 0 || read.includes(undefined) || arrow < 0 || rule < 0 || !lines.includes(CLOSING)) return null;
  report.told = [...vertical, ...lines.slice(arrow, rule), CLOSING].map(spoken);
  return report;
}

const wordAfter = (line, opening) => line?.slice(opening.length).split(' ')[0];

// The horizontal reactions of the report's case, each named as the report
// names it, with where it acts, the way the report takes it to act, and its
// value (undefined where it cannot be read).
function horizontalReactions(find) {
  const acting = (name, at, toward, value) => ({ name, at, toward, value });
  const onlyAtB = find(' Bx = ', ' <--, Acting Towards The Left Side Of The Beam');
  if (onlyAtB) return [acting('Bx', 'B', 'left', wordAfter(onlyAtB, ' Bx = '))];
  const onlyAtA = find(' Ax  = ', ' -->, Acting Towards The Right Side OF The Beam ');
  if (onlyAtA) return [acting('Ax', 'A', 'right', wordAfter(onlyAtA, ' Ax  = '))];
  if (find(DEFERRED)) {
    const net = find(' Ax  - Bx = ', ' -->, Acting On The Entire Beam  ');
    return [acting('Ax - Bx', 'A', 'right', wordAfter(net, ' Ax  - Bx = '))];
  }
  if (find(' Ax = 0.00 ')) return [acting('Ax', 'A', 'right', '0.00'), acting('Bx', 'B', 'left', '0.00')];
  return [acting('Ax', 'A', 'right', undefined)]; // none of the four: no value read
}

// The transcript in its parts: what comes before the drawing of the beam in
// characters, the drawing's lines, and what comes after; the drawing empty
// where there is none.
export function transcriptParts(transcript) {
  const top = transcript.indexOf(DRAWING_TOP);
  const bottom = transcript.indexOf('\n', transcript.indexOf(DRAWING_BOTTOM)) + 1;
  if (top < 0 || bottom <= top) return { before: transcript, drawing: '', after: '' };
  const start = transcript.lastIndexOf('\n', top) + 1;
  return { before: transcript.slice(0, start), drawing: transcript.slice(start, bottom),
    after: transcript.slice(bottom) };
}
