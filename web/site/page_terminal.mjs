// The page's terminal: xterm.js, 120 columns wide so that every line stands
// as the program writes it, its font fitted to the page's width. A keyboard
// leaves it with Tab and Shift+Tab, as any field, and a screen reader hears
// its field named "Calculator terminal"; "Screen reader mode" adds
// xterm.js's rows, to be read one by one, with xterm.js's own live region
// kept silent: the page's announcer tells what is new, short.
import { Terminal } from './xterm.mjs';

const COLUMNS = 120; // the longest line the program writes is 117 characters
const ROWS = 40;
const TOUCH_ROWS = 24; // the question stays in sight above the answer line and a phone's keyboard
const FONT_SIZE = 15;
const SMALLEST_FONT_SIZE = 12; // below it a phone's text is hard to read: it scrolls instead

// The terminal in `container`, with fewer rows where `touch`; its screen
// reader mode set by the box `screenReader`.
export function openTerminal(container, touch, screenReader) {
  // A smaller font where all 120 columns would not fit the page's width,
  // down to the smallest that reads well; narrower still, the terminal
  // scrolls sideways in its frame. Estimated before the terminal is drawn (a
  // monospace character is about 0.6 of the font size wide), so that it is
  // drawn once, then made right if need be.
  const room = () => container.clientWidth - 8;
  const fitting = (size, width) => Math.max(SMALLEST_FONT_SIZE,
    Math.min(FONT_SIZE, Math.floor((size * room()) / width)));
  Terminal.strings.promptLabel = 'Calculator terminal: type each answer, then Enter. ' +
    'Tab moves on to the controls below it.';
  Terminal.strings.tooMuchOutput = '';
  const terminal = new Terminal({
    cols: COLUMNS, rows: touch ? TOUCH_ROWS : ROWS, convertEol: true,
    fontSize: fitting(FONT_SIZE, COLUMNS * 0.6 * FONT_SIZE),
  });
  terminal.open(container);
  // The program never needs a Tab: its answers are separated by spaces too.
  terminal.attachCustomKeyEventHandler((event) => event.key !== 'Tab');
  const screen = container.querySelector('.xterm-screen');
  const fitFont = () => {
    const { fontSize } = terminal.options;
    const size = fitting(fontSize, screen.offsetWidth);
    if (size !== fontSize) terminal.options.fontSize = size;
  };
  fitFont();
  window.addEventListener('resize', fitFont);

  screenReader.addEventListener('change', () => {
    terminal.options.screenReaderMode = screenReader.checked;
    const echo = container.querySelector('.xterm-accessibility [aria-live]');
    echo?.setAttribute('aria-live', 'off');
    echo?.setAttribute('aria-hidden', 'true');
  });
  return terminal;
}
