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

function freeBody(figure, report, unit) {
  const load = withUnit(report.force, unit);
  const down = signOf(report.force) >= 0;
  figure.append(label(4, 14, 'Free-body diagram', 'start'),
    label(C, 34, load), down ? arrow(C, 42, C, 96) : arrow(C, 96, C, 42),
    element('rect', { x: A, y: 100, width: B - A, height: 10, class: 'beam' }),
    // The pin at A, and the rocker on its rollers at B, as the legend draws them.
    element('polygon', { points: `${A},110 ${A - 12},132 ${A + 12},132`, class: 'support' }),
    element('polygon', { points: `${B},110 ${B - 12},126 ${B + 12},126`, class: 'support' }),
    element('circle', { cx: B - 6, cy: 129, r: 3, class: 'support' }),
    element('circle', { cx: B + 6, cy: 129, r: 3, class: 'support' }),
    label(A, 148, 'A'), label(C, 126, 'C'), label(B, 148, 'B'),
    element('line', { x1: A, y1: 228, x2: B, y2: 228, class: 'dimension' }),
    element('line', { x1: A, y1: 221, x2: A, y2: 235, class: 'dimension' }),
    element('line', { x1: B, y1: 221, x2: B, y2: 235, class: 'dimension' }),
    label(C, 222, `L = ${withUnit(report.length, report.lengthUnit)}`));
  for (const reaction of report.horizontal) {
    const edge = reaction.at === A ? [4, 'start'] : [WIDTH - 4, 'end'];
    figure.append(label(edge[0], 84, reactionLabel(reaction, unit), edge[1]));
    if (reaction.points !== 0) {
      const tail = reaction.at - 50 * reaction.points;
      figure.append(arrow(tail, 105, reaction.at - 6 * reaction.points, 105));
    }
  }
  if (report.Ay === undefined) return;
  for (const [x, name] of [[A, 'Ay'], [B, 'By']]) {
    const up = signOf(report[name]) >= 0;
    figure.append(up ? arrow(x, 196, x, 152) : arrow(x, 152, x, 196),
      label(x, 212, `${name} = ${withUnit(report[name], unit)}`));
  }
}

// A plot along the beam under the free-body diagram, its axis at `axis`: the
// shape through its points, each label above its height, or below a negative one.
function plot(figure, title, axis, points, labels) {
  figure.append(label(4, axis - 76, title, 'start'),
    element('polygon', { points: points.map(([x, y]) => `${x},${axis - y}`).join(' '), class: 'plot' }),
    element('line', { x1: A, y1: axis, x2: B, y2: axis, class: 'axis' }));
  for (const [x, height, text, anchor] of labels) {
    figure.append(label(x, height >= 0 ? axis - height - 6 : axis - height + 16, text, anchor));
  }
}

export function drawSolution(report) {
  const unit = report.forceUnit;
  const found = report.Ay !== undefined;
  const height = found ? 530 : 290;
  const figure = element('svg', { viewBox: `0 0 ${WIDTH} ${height}`, role: 'img', class: 'beam-figure' });
  freeBody(figure, report, unit);
  const horizontal = report.horizontal.map((reaction) => reactionLabel(reaction, unit));
  const said = [`The solved beam: a load of ${withUnit(report.force, unit)} at C`,
    `the length L = ${withUnit(report.length, report.lengthUnit)}`];
  if (!found) {
    const sentence = label(C, 262, '');
    sentence.append(element('tspan', { x: C }, 'By and Ay cannot be found '),
      element('tspan', { x: C, dy: 18 }, 'because the length of the beam is 0.'));
    figure.append(sentence);
    said.push(`${horizontal.join(' and ')}; ${sentence.textContent}`);
    figure.setAttribute('aria-label', said.join(', '));
    return figure;
  }
  const left = report.Ay;
  const right = negated(report.By);
  const moment = momentAtCentre(report.force, report.length);
  const momentUnit = [unit, report.lengthUnit].filter(Boolean).join('\u00B7');
  // Heights in proportion, the larger of the two shears 40 high.
  const largest = Math.max(Math.abs(Number(left)), Math.abs(Number(right))) || 1;
  const high = (value) => (40 * Number(value)) / largest;
  plot(figure, 'Shear force diagram', 340, [[A, 0], [A, high(left)], [C, high(left)],
    [C, high(right)], [B, high(right)], [B, 0]],
  [[(A + C) / 2, high(left), `V = ${withUnit(left, unit)}`],
    [(C + B) / 2, high(right), `V = ${withUnit(right, unit)}`]]);
  const peak = 40 * signOf(moment);
  plot(figure, 'Bending moment diagram', 490, [[A, 0], [C, peak], [B, 0]],
    [[C, peak, `M = ${withUnit(moment, momentUnit)}`], [A - 8, 0, '0', 'end'],
      [B + 8, 0, '0', 'start']]);
  said.push(`reactions Ay = ${withUnit(left, unit)} at A and By = ${withUnit(report.By, unit)} at B`,
    `${horizontal.join(' and ')}; shear force V = ${withUnit(left, unit)} from A to C and ` +
    `V = ${withUnit(right, unit)} from C to B; bending moment 0 at A and B and ` +
    `M = ${withUnit(moment, momentUnit)} at C.`);
  figure.setAttribute('aria-label', said.join(', '));
  return figure;
}
