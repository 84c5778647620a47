// The solved beam as a student draws it: the free-body diagram, the shear
// force and the bending moment, as one SVG. Every value is the report's own,
// read from its lines as the program wrote them; the moment at C is the one
// value added here.

const SVG = 'http://www.w3.org/2000/svg';
const LAST_QUESTION = ' Enter The Unit For The Length = ';
const A = 70; // where A, C and B stand across the figure
const C = 200;
const B = 330;
const WIDTH = 400;

// The report's values, from the program's output: null when it holds no
// whole report (a run interrupted).
export function readReport(output) {
  const start = output.lastIndexOf(LAST_QUESTION);
  const lines = output.slice(start + LAST_QUESTION.length).split('\n');
  if (start < 0 || !lines[0].endsWith(' Eq-1')) return null;
  const force = lines[0].slice('Ay + By = '.length, -' Eq-1'.length);
  const length = lines[5].slice(' ==> '.length, lines[5].indexOf(' / 2 = '));
  const centre = lines[6].slice(' The Center Of The Force = '.length);
  const report = {
    force,
    length,
    forceUnit: lines[3].slice(` The Acting Vertial Force Is ${force} `.length),
    lengthUnit: centre.slice(centre.indexOf(' ') + 1),
    horizontal: horizontalReactions(lines),
  };
  if (length !== '0') {
    report.Ay = numberAfter(lines[19], ' Ay = ');
    report.By = numberAfter(lines[20], ' By = ');
  }
  return report;
}

function numberAfter(line, start) {
  return line.slice(start.length).split(' ')[0];
}

// The horizontal reactions as the report's case gives them: a label and the
// way its arrow points (none for a zero reaction), at A or at B.
function horizontalReactions(lines) {
  const line = (start, end) => lines.find((text) => text.startsWith(start) && text.includes(end));
  const onlyAtB = line(' Bx = ', ' <--, Acting Towards The Left');
  if (onlyAtB) return [{ at: B, label: 'Bx', value: numberAfter(onlyAtB, ' Bx = '), points: -1 }];
  const onlyAtA = line(' Ax  = ', ' -->, Acting Towards The Right');
  if (onlyAtA) return [{ at: A, label: 'Ax', value: numberAfter(onlyAtA, ' Ax  = '), points: 1 }];
  if (line(' Next Equation', '')) {
    const net = line(' Ax  - Bx = ', ' -->, Acting On The Entire Beam');
    return [{ at: A, label: 'Ax - Bx', value: numberAfter(net, ' Ax  - Bx = '), points: 1 }];
  }
  return [{ at: A, label: 'Ax', value: '0.00', points: 0 }, { at: B, label: 'Bx', value: '0.00', points: 0 }];
}

const negated = (value) => (value.startsWith('-') ? value.slice(1) : value === '0' ? value : `-${value}`);
const withUnit = (value, unit) => (unit ? `${value} ${unit}` : value);
const reactionLabel = (reaction, unit) => `${reaction.label} = ${withUnit(reaction.value, unit)}`;

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

function label(x, y, text, anchor = 'middle') {
  return element('text', { x, y, 'text-anchor': anchor }, text);
}

// Which way a value as written points: 1, -1, or 0 for a zero.
const signOf = (value) => Math.sign(Number(value));

// A diagram under its title, a heading a screen reader can jump to: an SVG
// image, `height` high, named by what it shows.
function diagram(title, height, said) {
  const heading = document.createElement('h3');
  heading.textContent = title;
  const drawn = element('svg', { viewBox: `0 0 ${WIDTH} ${height}`, role: 'img',
    class: 'beam-figure', 'aria-label': said });
  return [heading, drawn];
}

function freeBody(report, unit, said) {
  const [heading, figure] = diagram('Free-body diagram', report.Ay === undefined ? 290 : 240, said);
  const load = withUnit(report.force, unit);
  const down = signOf(report.force) >= 0;
  figure.append(label(C, 20, load), down ? arrow(C, 28, C, 82) : arrow(C, 82, C, 28),
    element('rect', { x: A, y: 86, width: B - A, height: 10, class: 'beam' }),
    // The pin at A, and the rocker on its rollers at B, as the legend draws them.
    element('polygon', { points: `${A},96 ${A - 12},118 ${A + 12},118`, class: 'support' }),
    element('polygon', { points: `${B},96 ${B - 12},112 ${B + 12},112`, class: 'support' }),
    element('circle', { cx: B - 6, cy: 115, r: 3, class: 'support' }),
    element('circle', { cx: B + 6, cy: 115, r: 3, class: 'support' }),
    label(A, 134, 'A'), label(C, 112, 'C'), label(B, 134, 'B'),
    element('line', { x1: A, y1: 214, x2: B, y2: 214, class: 'dimension' }),
    element('line', { x1: A, y1: 207, x2: A, y2: 221, class: 'dimension' }),
    element('line', { x1: B, y1: 207, x2: B, y2: 221, class: 'dimension' }),
    label(C, 208, `L = ${withUnit(report.length, report.lengthUnit)}`));
  for (const reaction of report.horizontal) {
    const edge = reaction.at === A ? [4, 'start'] : [WIDTH - 4, 'end'];
    figure.append(label(edge[0], 70, reactionLabel(reaction, unit), edge[1]));
    if (reaction.points !== 0) {
      const tail = reaction.at - 50 * reaction.points;
      figure.append(arrow(tail, 91, reaction.at - 6 * reaction.points, 91));
    }
  }
  if (report.Ay === undefined) {
    const sentence = label(C, 248, '');
    sentence.append(element('tspan', { x: C }, 'By and Ay cannot be found '),
      element('tspan', { x: C, dy: 18 }, 'because the length of the beam is 0.'));
    figure.append(sentence);
    return [heading, figure];
  }
  for (const [x, name] of [[A, 'Ay'], [B, 'By']]) {
    const up = signOf(report[name]) >= 0;
    figure.append(up ? arrow(x, 182, x, 138) : arrow(x, 138, x, 182),
      label(x, 198, `${name} = ${withUnit(report[name], unit)}`));
  }
  return [heading, figure];
}

// A plot along the beam, its axis 60 down: the shape through its points,
// each label above its height, or below a negative one.
function plot(title, said, points, labels) {
  const [heading, figure] = diagram(title, 120, said);
  const axis = 60;
  figure.append(
    element('polygon', { points: points.map(([x, y]) => `${x},${axis - y}`).join(' '), class: 'plot' }),
    element('line', { x1: A, y1: axis, x2: B, y2: axis, class: 'axis' }));
  for (const [x, height, text, anchor] of labels) {
    figure.append(label(x, height >= 0 ? axis - height - 6 : axis - height + 16, text, anchor));
  }
  return [heading, figure];
}

// The solution's diagrams, each under its heading: the free-body diagram,
// and where the reactions are found, the shear force and the bending moment.
export function drawSolution(report) {
  const unit = report.forceUnit;
  const horizontal = report.horizontal.map((reaction) => reactionLabel(reaction, unit)).join(' and ');
  const beam = `The solved beam: a load of ${withUnit(report.force, unit)} at C, ` +
    `the length L = ${withUnit(report.length, report.lengthUnit)}`;
  if (report.Ay === undefined) {
    return freeBody(report, unit, `${beam}, ${horizontal}; ` +
      'By and Ay cannot be found because the length of the beam is 0.');
  }
  const left = report.Ay;
  const right = negated(report.By);
  const atCentre = momentAtCentre(report.force, report.length);
  const moment = withUnit(atCentre, [unit, report.lengthUnit].filter(Boolean).join('\u00B7'));
  // Heights in proportion, the larger of the two shears 40 high.
  const largest = Math.max(Math.abs(Number(left)), Math.abs(Number(right))) || 1;
  const high = (value) => (40 * Number(value)) / largest;
  const peak = 40 * signOf(atCentre);
  return [
    ...freeBody(report, unit, `${beam}, reactions Ay = ${withUnit(left, unit)} at A and ` +
      `By = ${withUnit(report.By, unit)} at B, ${horizontal}.`),
    ...plot('Shear force diagram', `Shear force V = ${withUnit(left, unit)} from A to C and ` +
      `V = ${withUnit(right, unit)} from C to B.`,
    [[A, 0], [A, high(left)], [C, high(left)], [C, high(right)], [B, high(right)], [B, 0]],
    [[(A + C) / 2, high(left), `V = ${withUnit(left, unit)}`],
      [(C + B) / 2, high(right), `V = ${withUnit(right, unit)}`]]),
    ...plot('Bending moment diagram', `Bending moment 0 at A and B and M = ${moment} at C.`,
      [[A, 0], [C, peak], [B, 0]],
      [[C, peak, `M = ${moment}`], [A - 8, 0, '0', 'end'], [B + 8, 0, '0', 'start']]),
  ];
}
