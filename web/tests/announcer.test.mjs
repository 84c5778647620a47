// What the page's live region tells of a run, from the program's own output
// in tests/golden: the results of each case of the report. (The questions
// are checked as told in the browsers.)
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { results } from '../site/announcer.mjs';

const output = (name) => readFileSync(join(process.env.BEAM_GOLDEN, `${name}.out`), 'latin1');

test('the results of each case, arrows left out, and the closing message', () => {
  const AY_BY = ['Ay = 50 kN', 'By = 50 kN'];
  for (const [name, told] of [
    ['worked_example', [...AY_BY, 'Ax - Bx = 0 kN, Acting On The Entire Beam',
      'Ax = 0.00 kN, And , Bx = 0.00 kN']],
    ['only_at_b', [...AY_BY, 'Bx = 4 kN, Acting Towards The Left Side Of The Beam']],
    ['only_at_a', [...AY_BY, 'Ax = 3 kN, Acting Towards The Right Side OF The Beam']],
    ['at_both', [...AY_BY, 'Ax - Bx = 3 kN, Acting On The Entire Beam',
      'Next Equation And Topic(s) To Be Resolved Later...............']],
    ['zero_length', ['By And Ay Cannot Be Found, The Length Of The Beam Is 0',
      'Ax = -3 kN, Acting Towards The Right Side OF The Beam']],
    ['empty_unit_neither', ['Ay = 50', 'By = 50', 'Ax - Bx = 0, Acting On The Entire Beam',
      'Ax = 0.00 , And , Bx = 0.00']],
  ]) {
    assert.deepEqual(results(output(name)), [...told, 'Press Any Key To Continue'], name);
  }
});
