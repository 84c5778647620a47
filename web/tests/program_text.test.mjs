// The page's one reader of the program's text, in node, against the
// program's own output in tests/golden: one case of each kind of report with
// its values and what is told of it, every other case read whole, the
// question asked, and the transcript's drawing.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { questionAsked, readReport, transcriptParts } from '../site/program_text.mjs';

const golden = (file) => new TextDecoder().decode(readFileSync(join(process.env.BEAM_GOLDEN, file)));
const CASES = golden('cases.txt').split('\n').map((line) => line.split(/\s/)[0])
  .filter((name) => name && !name.startsWith('#'));
const CLOSING = 'Press Any Key To Continue';
const NEITHER = (unit) => [{ name: 'Ax', at: 'A', toward: 'right', value: '0.00' },
  { name: 'Bx', at: 'B', toward: 'left', value: '0.00' }, `Ax - Bx = 0 ${unit}, Acting On The Entire Beam`,
  `Ax = 0.00 ${unit}, And , Bx = 0.00 ${unit}`];
const reaction = (name, at, toward, value) => ({ name, at, toward, value });
const DEFERRED = 'Next Equation And Topic(s) To Be Resolved Later...............';

// Each case: force, its unit, length, its unit, Ay, By (none for a zero
// length), the horizontal reactions, and the lines told before the closing
// message.
const REPORTS = {
  worked_example: ['100', 'kN', '10', 'm', '50', '50', NEITHER('kN').slice(0, 2),
    ['Ay = 50 kN', 'By = 50 kN', ...NEITHER('kN').slice(2)]],
  only_at_b: ['100', 'kN', '10', 'm', '50', '50', [reaction('Bx', 'B', 'left', '4')],
    ['Ay = 50 kN', 'By = 50 kN', 'Bx = 4 kN, Acting Towards The Left Side Of The Beam']],
  only_at_a: ['100', 'kN', '10', 'm', '50', '50', [reaction('Ax', 'A', 'right', '3')],
    ['Ay = 50 kN', 'By = 50 kN', 'Ax = 3 kN, Acting Towards The Right Side OF The Beam']],
  at_both: ['100', 'kN', '10', 'm', '50', '50', [reaction('Ax - Bx', 'A', 'right', '3')],
    ['Ay = 50 kN', 'By = 50 kN', 'Ax - Bx = 3 kN, Acting On The Entire Beam', DEFERRED]],
  zero_length: ['100', 'kN', '0', 'm', undefined, undefined, [reaction('Ax', 'A', 'right', '-3')],
    ['By And Ay Cannot Be Found, The Length Of The Beam Is 0', 'Ax = -3 kN, Acting Towards The Right Side OF The Beam']],
  smallest_length_largest_force: ['2147483647', 'kN', '-2147483648', 'm', '1073741823.5', '1073741823.5',
    [reaction('Ax - Bx', 'A', 'right', '-4294967295')], ['Ay = 1073741823.5 kN', 'By = 1073741823.5 kN',
      'Ax - Bx = -4294967295 kN, Acting On The Entire Beam', DEFERRED]],
  half_below_zero: ['-1', 'kN', '2', 'm', '-0.5', '-0.5', NEITHER('kN').slice(0, 2),
    ['Ay = -0.5 kN', 'By = -0.5 kN', ...NEITHER('kN').slice(2)]],
  empty_unit_neither: ['100', '', '10', '', '50', '50', NEITHER('').slice(0, 2),
    ['Ay = 50', 'By = 50', 'Ax - Bx = 0, Acting On The Entire Beam', 'Ax = 0.00 , And , Bx = 0.00']],
  cyrillic_unit: ['2', 'килоньюто', '1', 'м', '1', '1', [reaction('Ax - Bx', 'A', 'right', '-1')],
    ['Ay = 1 килоньюто', 'By = 1 килоньюто', 'Ax - Bx = -1 килоньюто, Acting On The Entire Beam', DEFERRED]],
  other_units: ['100', 'lbf', '10', 'ft', '50', '50', NEITHER('lbf').slice(0, 2),
    ['Ay = 50 lbf', 'By = 50 lbf', ...NEITHER('lbf').slice(2)]],
};

test('each kind of report: its values and what is told of it', () => {
  for (const [name, [force, forceUnit, length, lengthUnit, Ay, By, horizontal, told]] of Object.entries(REPORTS)) {
    const expected = { force, forceUnit, length, lengthUnit, horizontal, told: [...told, CLOSING] };
    if (Ay !== undefined) Object.assign(expected, { Ay, By });
    assert.deepEqual(readReport(golden(`${name}.out`)), expected, name);
  }
});

test('every other case read whole', () => {
  for (const name of CASES.filter((other) => !(other in REPORTS))) {
    assert.equal(readReport(golden(`${name}.out`))?.told.at(-1), CLOSING, name);
  }
  // Output it cannot read, cut short or a line it reads worded otherwise:
  // none, never a throw.
  const output = golden('only_at_b.out');
  assert.equal(readReport(output.slice(0, output.indexOf(' Ay = '))), null, 'cut short');
  for (const opening of ['Ay + By = ', ' The Acting Vertial', ' ==> ', ' The Center Of The Force',
    ' Bx = 4 kN', `${'-'.repeat(58)} `, 'Press Any Key']) {
    assert.equal(readReport(output.replaceAll(opening, ` Worded otherwise${opening}`)), null, opening);
  }
});

test('the question asked, and the drawing in the transcript', () => {
  const output = golden('worked_example.out');
  for (const [before, text, answer] of [
    ['Enter Value 2', 'Enter Value 1 For The Length OF The Figure(Shape) Above =', 'number'],
    ['Enter Value 4', 'Enter Value 3 For The Horizonatl Force At Point A If Available =', 'number'],
    [' Enter The Unit For The Length', 'Enter The Unit For The Weight(Acting Force, Mass) Vertically Downward =', 'unit'],
    ['Ay + By', 'Enter The Unit For The Length =', 'unit'],
  ]) {
    const { at, ...asked } = questionAsked(output.slice(0, output.indexOf(before)));
    assert.deepEqual(asked, { text, answer });
    assert.equal(output.slice(at).trimStart().startsWith(text), true);
  }
  assert.equal(questionAsked(output.slice(0, 800)), null);
  const { before, drawing, after } = transcriptParts(golden('typed_ahead.screen').replaceAll('\r\n', '\n'));
  assert.deepEqual([drawing.split('\n')[0], drawing.split('\n').at(-2)],
    [`${' '.repeat(29)}!${' '.repeat(25)}`, '      |<--------------------Length(L)----------------->|']);
  assert.match(before, /Shape\) Shown Below\n\n$/);
  assert.match(after, /^\nEnter Value 1 /);
});
