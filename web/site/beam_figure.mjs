// The solved beam as a student draws it: the free-body diagram, the shear
// force and the bending moment, each an SVG image under its heading, named by
// what it shows for a screen reader; a keyboard passes them by. Every value
// is the report's own, as the program wrote it; the moment at C is the one
// value worked out here. Every arrow points the way the report takes it to act
// (the load down, Ay and By up, Ax to the right, Bx to the left), labelled
// with the value the report gives, whatever its sign. Every label fits: one
// too wide for its place breaks between its words, and is made smaller
// where a word still is.

const SVG = 'http://www.w3.org/2000/svg';
const A = 70; // where A, C and B stand across the figure
const C = 200;
const B = 330;
const WIDTH = 400;
const EDGE = 4; // kept clear at the figure's sides
const FONT = 'system-ui, sans-serif';
const SIZE = 14;
const SMALLEST = 10; // a label is made no smaller than this; it takes more lines
const NOT_FOUND = 'By and Ay cannot be found because the length of the beam is 0.'; // a zero length

const negated = (value) => (value.startsWith('-') ? value.slice(1) : value === '0' ? value : `-${value}`);
const withUnit = (value, unit) => (unit ? `${value} ${unit}` : value);
const reactionLabel = (reaction, unit) => `${reaction.name} = ${withUnit(reaction.value, unit)}`;
const WHERE = { A, B };
const WAY = { right: 1, left: -1 };

// The force times the length over four, exact at any size: in quarters.
export function momentAtCentre(force, length) {
  const quarters = BigInt(force) * BigInt(length);
  const magnitude = quarters < 0n ? -quarters : quarters;
  return `${quarters < 0n ? '-' : ''}${magnitude / 4n}${['', '.25', '.5', '.75'][magnitude % 4n]}`;
}

function element(name, attributes, text) {
  const made = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, value);
  if (text !== undefined) made.textContent = text;
  return made;
}

// An arrow from (x1, y1) to its head at (x2, y2).
function arrow(x1, y1, x2, y2) {
  const angle = Math.atan2(y2 - y1, x2 - x1);
  const wing = (turn) => `${x2 - 9 * Math.cos(angle + turn)},${y2 - 9 * Math.sin(angle + turn)}`;
  const drawn = element('g', { class: 'arrow' });
  drawn.append(element('line', { x1, y1, x2, y2 }),
    element('polygon', { points: `${x2},${y2} ${wing(0.45)} ${wing(-0.45)}` }));
  return drawn;
}

let measuring = null;
function widthOf(text, size) {
  measuring ??= document.createElement('canvas').getContext('2d');
  measuring.font = `${size}px ${FONT}`;
  return measuring.measureText(text).width;
}

// `text` set to fit `room` across: on one line where it fits, else broken
// between words (never between a name and its "="), each line filled; a word
// too wide for a line of its own broken after its "·"; at the usual size,
// or smaller, down to SMALLEST, where a piece is still too wide, and that
// piece broken where even that is. Its `width` and `height` are those of its
// box.
function fitted(text, room) {
  const fits = (piece, size) => widthOf(piece.trimEnd(), size) <= room;
  const words = text.split(/(?<= )(?!= )/).flatMap((word) => (fits(word, SIZE) ? [word] : word.split(/(?<=·)/)));
  const widest = Math.max(...words.map((word) => widthOf(word.trimEnd(), SIZE)));
  const size = widest <= room ? SIZE : Math.max(SMALLEST, Math.floor((SIZE * room) / widest));
  const pieces = words.flatMap((word) => (fits(word, size) ? [word] : [...word]));
  const lines = [''];
  for (const piece of pieces) {
    if (lines.at(-1) !== '' && widthOf((lines.at(-1) + piece).trimEnd(), size) > room) lines.push('');
    lines[lines.length - 1] += piece;
  }
  const trimmed = lines.map((line) => line.trimEnd());
  const lineHeight = Math.round(size * 1.25);
  return { lines: trimmed, size, lineHeight, height: trimmed.length * lineHeight,
    width: Math.max(...trimmed.map((line) => widthOf(line, size))) };
}

// A label fitted to [lo, hi] across, centred on `x` or as near it as it
// stays inside, its box's top at `top`.
function label(text, x, top, [lo, hi] = [EDGE, WIDTH - EDGE]) {
  const fit = fitted(text, hi - lo);
  const centre = Math.min(Math.max(x, lo + fit.width / 2), hi - fit.width / 2);
  const shown = element('text', { x: centre, y: top + fit.size, 'text-anchor': 'middle' });
  if (fit.size !== SIZE) shown.setAttribute('font-size', fit.size);
  if (fit.lines.length === 1) shown.textContent = text;
  else {
    shown.append(...fit.lines.map((line, at) => element('tspan',
      { x: centre, dy: at === 0 ? 0 : fit.lineHeight }, line)));
  }
  return { shown, bottom: top + fit.height, height: fit.height };
}

// A label whose box ends at `bottom`.
function labelAbove(text, x, bottom, across) {
  const height = fitted(text, across ? across[1] - across[0] : WIDTH - 2 * EDGE).height;
  return label(text, x, bottom - height, across);
}

// Each half of the figure, apart by the load's arrow at C.
const LEFT = [EDGE, C - 8];
const RIGHT = [C + 8, WIDTH - EDGE];

// A diagram under its title, a heading a screen reader can jump to: an SVG
// image, `height` high, named by what it shows.
function diagram(title, height, said, shapes) {
  const heading = document.createElement('h3');
  heading.textContent = title;
  const drawn = element('svg', { viewBox: `0 0 ${WIDTH} ${Math.ceil(height)}`, role: 'img',
    class: 'beam-figure', 'aria-label': said, 'font-family': FONT, 'font-size': SIZE });
  drawn.append(...shapes);
  return [heading, drawn];
}

// From the top: the load's label and its arrow down to the beam, with the
// horizontal reactions' labels beside it, above their arrows; the beam on
// its supports; Ay and By up to it and their labels; the length.
function freeBody(report, unit, said) {
  const load = label(withUnit(report.force, unit), C, EDGE);
  const horizontal = report.horizontal.map((reaction) =>
    [reaction, fitted(reactionLabel(reaction, unit), C - 8 - EDGE).height]);
  const top = Math.max(load.bottom + 64, load.bottom + 16 + Math.max(...horizontal.map(([, high]) => high)));
  const shapes = [load.shown, arrow(C, load.bottom + 6, C, top - 4),
    element('rect', { x: A, y: top, width: B - A, height: 10, class: 'beam' }),
    // The pin at A, and the rocker on its rollers at B, as the legend draws them.
    element('polygon', { points: `${A},${top + 10} ${A - 12},${top + 32} ${A + 12},${top + 32}`, class: 'support' }),
    element('polygon', { points: `${B},${top + 10} ${B - 12},${top + 26} ${B + 12},${top + 26}`, class: 'support' }),
    element('circle', { cx: B - 6, cy: top + 29, r: 3, class: 'support' }),
    element('circle', { cx: B + 6, cy: top + 29, r: 3, class: 'support' }),
    label('A', A, top + 34).shown, label('C', C, top + 14).shown, label('B', B, top + 34).shown];
  for (const [reaction] of horizontal) {
    const [x, points] = [WHERE[reaction.at], WAY[reaction.toward]];
    shapes.push(labelAbove(reactionLabel(reaction, unit), x, top - 12, reaction.at === 'A' ? LEFT : RIGHT).shown,
      arrow(x - 50 * points, top + 5, x - 6 * points, top + 5));
  }
  let bottom = top + 52;
  if (report.Ay !== undefined) {
    const reactions = [[A, 'Ay', LEFT], [B, 'By', RIGHT]].map(([x, name, side]) => {
      shapes.push(arrow(x, top + 96, x, top + 52));
      const named = label(`${name} = ${withUnit(report[name], unit)}`, x, top + 98, side);
      shapes.push(named.shown);
      return named.bottom;
    });
    bottom = Math.max(...reactions);
  }
  const length = label(`L = ${withUnit(report.length, report.lengthUnit)}`, C, bottom + 4);
  const line = length.bottom + 6;
  shapes.push(length.shown,
    element('line', { x1: A, y1: line, x2: B, y2: line, class: 'dimension' }),
    element('line', { x1: A, y1: line - 7, x2: A, y2: line + 7, class: 'dimension' }),
    element('line', { x1: B, y1: line - 7, x2: B, y2: line + 7, class: 'dimension' }));
  bottom = line + 7;
  if (report.Ay === undefined) {
    const sentence = label(NOT_FOUND, C, bottom + 16, [A - 30, B + 30]);
    shapes.push(sentence.shown);
    bottom = sentence.bottom;
  }
  return diagram('Free-body diagram', bottom + 8, said, shapes);
}

// A plot along the beam: the shape through its points, 40 high at most,
// and each label above its height, or below a negative one, across the
// room it is given.
function plot(title, said, points, labels) {
  const HIGH = 40;
  const room = (above) => Math.max(HIGH, ...labels.map(([, height, text, across]) => {
    const box = fitted(text, across[1] - across[0]).height;
    return (height >= 0) === above ? Math.abs(height) + 6 + box : 0;
  }));
  const axis = EDGE + room(true);
  const shapes = [
    element('polygon', { points: points.map(([x, y]) => `${x},${axis - y}`).join(' '), class: 'plot' }),
    element('line', { x1: A, y1: axis, x2: B, y2: axis, class: 'axis' })];
  for (const [x, height, text, across] of labels) {
    shapes.push((height >= 0 ? labelAbove(text, x, axis - height - 6, across)
      : label(text, x, axis - height + 6, across)).shown);
  }
  return diagram(title, axis + room(false) + EDGE, said, shapes);
}

// The solution's diagrams, each under its heading: the free-body diagram,
// and where the reactions are found, the shear force and the bending moment.
export function drawSolution(report) {
  const unit = report.forceUnit;
  const horizontal = report.horizontal.map((reaction) => reactionLabel(reaction, unit)).join(' and ');
  const beam = `The solved beam: a load of ${withUnit(report.force, unit)} at C, ` +
    `the length L = ${withUnit(report.length, report.lengthUnit)}`;
  if (report.Ay === undefined) {
    return freeBody(report, unit, `${beam}, ${horizontal}; ${NOT_FOUND}`);
  }
  const left = report.Ay;
  const right = negated(report.By);
  const atCentre = momentAtCentre(report.force, report.length);
  const moment = withUnit(atCentre, [unit, report.lengthUnit].filter(Boolean).join('\u00B7'));
  // Heights in proportion, the larger of the two shears 40 high.
  const largest = Math.max(Math.abs(Number(left)), Math.abs(Number(right))) || 1;
  const high = (value) => (40 * Number(value)) / largest;
  const peak = 40 * Math.sign(Number(atCentre));
  return [
    ...freeBody(report, unit, `${beam}, reactions Ay = ${withUnit(left, unit)} at A and ` +
      `By = ${withUnit(report.By, unit)} at B, ${horizontal}.`),
    ...plot('Shear force diagram', `Shear force V = ${withUnit(left, unit)} from A to C and ` +
      `V = ${withUnit(right, unit)} from C to B.`,
    [[A, 0], [A, high(left)], [C, high(left)], [C, high(right)], [B, high(right)], [B, 0]],
    [[(A + C) / 2, high(left), `V = ${withUnit(left, unit)}`, LEFT],
      [(C + B) / 2, high(right), `V = ${withUnit(right, unit)}`, RIGHT]]),
    // The moment's label kept between A and B where it is as low as the
    // zeros beside them.
    ...plot('Bending moment diagram', `Bending moment 0 at A and B and M = ${moment} at C.`,
      [[A, 0], [C, peak], [B, 0]],
      [[C, peak, `M = ${moment}`, peak === 0 ? [A, B] : [EDGE, WIDTH - EDGE]],
        [A - 12, 0, '0', [EDGE, A - 4]], [B + 12, 0, '0', [B + 4, WIDTH - EDGE]]]),
  ];
}
