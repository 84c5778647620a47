// A worked problem as a link: the answers a student would type ahead on one
// line, form-encoded in the address's fragment (#answers=7+100+0+4+kN+m), so
// that they never reach a server. Read and written here alone. What a link
// carries is data: only ever typed into the program, one answer a question.

const FIELD = 'answers=';
export const LONGEST = 2000; // characters of a fragment; a longer one is refused

// The answers as the program reads them: words between its white space, with
// no control characters, which are keys at a terminal rather than text.
function words(text) {
  return text.split(/[ \t\n\v\f\r]+/).map((word) => word.replace(/[\x00-\x1f\x7f]/g, ''))
    .filter((word) => word !== '');
}

// What the fragment `hash` (with its #) carries: { answers } (none when it
// has no answers field), or { refused } saying why its answers are not used.
export function readLink(hash) {
  const refused = (why) => ({ answers: [], refused: `${why}, so its answers are not used` });
  if (hash.length > LONGEST) {
    return refused(`The link is longer than ${LONGEST.toLocaleString('en')} characters`);
  }
  const field = hash.slice(1).split('&').find((part) => part.startsWith(FIELD)) ?? FIELD;
  try {
    return { answers: words(decodeURIComponent(field.slice(FIELD.length).replaceAll('+', ' '))) };
  } catch {
    return refused('The link is not percent-encoded as UTF-8');
  }
}

// The address of this page that answers as `input`, a run's standard input.
export function linkTo(address, input) {
  const answers = encodeURIComponent(words(input).join(' ')).replaceAll('%20', '+');
  return `${address.split('#')[0]}#${FIELD}${answers}`;
}
