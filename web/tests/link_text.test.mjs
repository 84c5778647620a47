// A run's answers as Copy link writes them, read back as the page reads a
// link: as typed, with the end of the input, and where what was typed is too
// long for a link, each answer only as far as the program reads it.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { LONGEST, linkTo, readLink } from '../site/link.mjs';

const PAGE = 'https://example.org/beam/index.html';
const LONG = 'x'.repeat(LONGEST);

test('Copy link, read back', () => {
  for (const [input, ended, hash, answers] of [
    ['7 100 0 4 kN\tm\n', false, '#answers=7+100+0+4+kN+m', ['7', '100', '0', '4', 'kN', 'm']],
    ['7\n100', true, '#answers=7+100&end', ['7', '100']],
    [`7 100 0 4 ${'中'.repeat(250)} m\n`, false, `#answers=7+100+0+4+${'%E4%B8%AD'.repeat(6)}+m`,
      ['7', '100', '0', '4', '中'.repeat(6), 'm']],
    [`0012abc 100 0 4 kN m ${LONG}\n`, false, '#answers=12+%3F', ['12', '?']],
    [`+5 -0 99999999999 4 kN m ${LONG}`, false, '#answers=5+0+%3F', ['5', '0', '?']],
    [`1 2 3 4kN ${'é'.repeat(LONGEST)}`, true, `#answers=1+2+3+4+kN+${'%C3%A9'.repeat(5)}&end`,
      ['1', '2', '3', '4', 'kN', 'ééééé']],
    [`1 2 3 4 ${'W'.repeat(30)} ${'m'.repeat(30)} ${LONG}`, false,
      `#answers=1+2+3+4+${'W'.repeat(19)}+${'m'.repeat(11)}`, ['1', '2', '3', '4', 'W'.repeat(19), 'm'.repeat(11)]],
  ]) {
    assert.equal(linkTo(`${PAGE}#answers=9`, input, ended), PAGE + hash);
    assert.deepEqual(readLink(hash), { answers, ended });
  }
});
