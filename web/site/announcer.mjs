// What the page tells a screen reader, whether or not one is running: in the
// one live region the page keeps, each question once as it is asked, the
// report's results and the closing message when the report is written, and
// what the status line says. Short, and once: never the whole screen. It is
// given what to say; the program's text is read elsewhere.
//
// A screen reader hears each announcement once, in the order the page makes
// them; a keyboard never meets the region, which is not shown.

const APART = 400; // milliseconds at least between announcements

export class Announcer {
  constructor(region) {
    this.region = region;
    this.asked = -1; // where the question last told stands in this run's output
    this.gathering = null; // the lines told in this moment
    this.waiting = []; // announcements not yet added
    this.pause = null; // while the last one added stands alone
  }

  // What the status line says.
  say(text) {
    this.tell([text]);
  }

  // A run begins: its first question is told again, and the last run's
  // announcements go. A run's own stay until then: a screen reader on a busy
  // machine may come to one a second or more after it was added, and finds
  // nothing where it is gone.
  runStarts() {
    this.asked = -1;
    this.region.replaceChildren();
  }

  // The program asks `question` (as the program's text gives it). A question
  // typed ahead of is not told, nor one asked again for an empty line.
  ask(question) {
    if (question.at === this.asked) return;
    this.asked = question.at;
    this.tell([question.text]);
  }

  // What is told in one moment is one announcement, one paragraph, its lines
  // said in their order. Announcements are added one at a time, apart, in
  // the order they are made: a browser may report nodes added together in
  // any order, and a screen reader still busy may pass over an announcement
  // when the next one is already waiting.
  tell(lines) {
    if (this.gathering) {
      this.gathering.push(...lines);
      return;
    }
    this.gathering = [...lines];
    queueMicrotask(() => {
      this.waiting.push(this.gathering.join('\n'));
      this.gathering = null;
      if (!this.pause) this.next();
    });
  }

  next() {
    this.pause = null;
    if (this.waiting.length === 0) return;
    const told = document.createElement('p');
    told.textContent = this.waiting.shift();
    this.region.append(told);
    this.pause = setTimeout(() => this.next(), APART);
  }
}
