// The page's terminal: xterm.js, 120 columns wide so that every line stands
// as the program writes it, its font fitted to the page's width. A keyboard
// leaves it with Tab and Shift+Tab, as any field, and a screen reader hears
// its field named "Calculator terminal"; "Screen reader mode" adds
// xterm.js's rows, to be read one by one, with xterm.js's own live region
// kept silent: the page's announcer tells what is new, short.
//
// Where the 120 columns are wider than the page (a phone, or a window
// zoomed in to 400 %), the terminal scrolls sideways in its frame, which
// follows the cursor: what is typed, and the end of the question it
// answers, stay in view; and the frame is then a Tab stop of its own, to be
// scrolled with the arrow keys.
import { Terminal } from '@xterm/xterm';

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
  requestAnimationFrame(fitFont); // where the page lays itself out anyway
  window.addEventListener('resize', fitFont);
  followCursor(terminal, container, screen);

  screenReader.addEventListener('change', () => {
    terminal.options.screenReaderMode = screenReader.checked;
    const echo = container.querySelector('.xterm-accessibility [aria-live]');
    echo?.setAttribute('aria-live', 'off');
    echo?.setAttribute('aria-hidden', 'true');
  });
  return terminal;
}

// The cursor kept in view: in its frame, with a few columns to spare to its
// right, the question before it as far as the frame shows; and in the
// window, where the terminal has the keyboard. xterm.js keeps its text field
// at the cursor.
function followCursor(terminal, frame, screen) {
  const SPARE = 2; // columns
  const scrolls = () => frame.scrollWidth > frame.clientWidth;
  const scrolling = { tabindex: '0', role: 'region', 'aria-label': 'The terminal, wider than the page: ' +
    'the arrow keys scroll it' };
  const markScrolling = () => Object.entries(scrolling).forEach(([name, value]) => {
    if (scrolls()) frame.setAttribute(name, value);
    else frame.removeAttribute(name);
  });
  requestAnimationFrame(markScrolling);
  window.addEventListener('resize', markScrolling);
  let moved = false; // once a frame, before it is drawn
  terminal.onCursorMove(() => {
    if (!moved) requestAnimationFrame(follow);
    moved = true;
  });
  function follow() {
    moved = false;
    if (scrolls()) {
      const cell = screen.offsetWidth / terminal.cols;
      const right = screen.offsetLeft + (terminal.buffer.active.cursorX + 1 + SPARE) * cell;
      const shown = frame.scrollLeft + frame.clientWidth;
      if (right > shown || right - (1 + SPARE) * cell < frame.scrollLeft) {
        frame.scrollLeft = Math.max(0, right - frame.clientWidth);
      }
    }
    if (document.activeElement === terminal.textarea) {
      terminal.textarea.scrollIntoView({ block: 'nearest', inline: 'nearest' });
    }
  }
}
