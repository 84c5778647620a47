// A worked problem as a link: the answers a student would type ahead on one
// line, form-encoded in the address's fragment (#answers=7+100+0+4+kN+m), so
// that they never reach a server, and `&end` where the input was ended
// (Ctrl+D) after them. Read and written here alone. What a link carries is
// data: only ever typed into the program, one answer a question.

const FIELD = 'answers=';
const END = 'end';
export const LONGEST = 2000; // characters of a fragment; a longer one is refused

// The answers as the program reads them: words between its white space, with
// no control characters, which are keys at a terminal rather than text.
function words(text) {
  return text.split(/[ \t\n\v\f\r]+/).map((word) => word.replace(/[\x00-\x1f\x7f]/g, ''))
    .filter((word) => word !== '');
}

// What the fragment `hash` (with its #) carries: { answers, ended } (no
// answers when it has no answers field), or { refused } saying why its
// answers are not used.
export function readLink(hash) {
  const refused = (why) => ({ answers: [], refused: `${why}, so its answers are not used` });
  if (hash.length > LONGEST) {
    return refused(`The link is longer than ${LONGEST.toLocaleString('en')} characters`);
  }
  const fields = hash.slice(1).split('&');
  const field = fields.find((part) => part.startsWith(FIELD)) ?? FIELD;
  try {
    return { answers: words(decodeURIComponent(field.slice(FIELD.length).replaceAll('+', ' '))),
      ended: fields.includes(END) };
  } catch {
    return refused('The link is not percent-encoded as UTF-8');
  }
}

// The address of this page that answers as `input`, a run's standard input,
// `ended` or not. Where what was typed would make a link the page refuses,
// each answer goes only as far as the program reads it.
export function linkTo(address, input, ended = false) {
  const page = address.split('#')[0];
  const link = (answers) => `${page}#${FIELD}${encodeURIComponent(answers.join(' '))
    .replaceAll('%20', '+')}${ended ? `&${END}` : ''}`;
  const typed = words(input.toWellFormed?.() ?? input);
  const whole = link(typed);
  return whole.length - page.length <= LONGEST ? whole : link(asRead(typed));
}

// The program's six answers as it reads them from `typed`: four numbers, each
// a sign and digits that fit 32 bits, read up to the first character that is
// not one; then a force unit and a length unit, each a word cut between
// characters to the bytes the program keeps. A number that is not one, or
// too large, fails that read and every later one: one word that fails the
// same way stands for them all.
const NUMBERS = 4;
const UNIT_BYTES = [19, 11];
const FAILS = '?';
const encoder = new TextEncoder();

function asRead(typed) {
  let rest = typed.join(' ');
  const answers = [];
  for (let read = 0; read < NUMBERS + UNIT_BYTES.length; read += 1) {
    rest = rest.replace(/^ +/, '');
    if (rest === '') break; // the input ended here
    if (read < NUMBERS) {
      const digits = /^[+-]?\d+/.exec(rest)?.[0];
      const value = digits === undefined ? null : BigInt(digits);
      if (value === null || value < -(2n ** 31n) || value >= 2n ** 31n) return [...answers, FAILS];
      answers.push(String(value));
      rest = rest.slice(digits.length);
    } else {
      const [word] = rest.split(' ', 1);
      answers.push(cut(word, UNIT_BYTES[read - NUMBERS]));
      rest = rest.slice(word.length);
    }
  }
  return answers;
}

// `word` cut between characters to at most `bytes` bytes of UTF-8.
function cut(word, bytes) {
  let kept = '';
  for (const character of word) {
    if (encoder.encode(kept + character).length > bytes) break;
    kept += character;
  }
  return kept;
}
