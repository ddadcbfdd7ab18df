// The shared board: 533 by 369 board units, scaled to fit its box with the aspect kept and drawn
// at the device's pixel ratio. It keeps the strokes since the last wipe, so that it can draw
// them again at a new size and take one back when the server says the drawer undid it.

export const BOARD_WIDTH = 533;
export const BOARD_HEIGHT = 369;
// Past this many kept points a board stops keeping (a drawing that large is redrawn from what it
// had, and nothing more can be taken back until the next wipe), as the server stops at its cap.
const MAX_KEPT_POINTS = 250000;

export class Board {
  constructor(canvas) {
    this.canvas = canvas;
    this.ctx = canvas.getContext('2d');
    this.strokes = []; // since the last wipe: each a list of parts {colour, width, points}
    this.keptPoints = 0;
    this.overflowed = false;
    this.pen = [0, 0];
    this.scale = 1;
    this.ratio = 1;
  }

  // Sizes the canvas to the largest 533:369 rectangle inside `width` by `height` CSS pixels.
  fit(width, height) {
    const scale = Math.max(0.1, Math.min(width / BOARD_WIDTH, height / BOARD_HEIGHT));
    const ratio = window.devicePixelRatio || 1;
    const cssWidth = Math.floor(BOARD_WIDTH * scale);
    const cssHeight = Math.floor(BOARD_HEIGHT * scale);
    this.canvas.style.width = `${cssWidth}px`;
    this.canvas.style.height = `${cssHeight}px`;
    this.canvas.width = Math.round(cssWidth * ratio);
    this.canvas.height = Math.round(cssHeight * ratio);
    this.scale = cssWidth / BOARD_WIDTH;
    this.ratio = ratio;
    this.redraw();
  }

  // Board units of a pointer event.
  boardPoint(event) {
    const rect = this.canvas.getBoundingClientRect();
    return [
      Math.round(((event.clientX - rect.left) / rect.width) * BOARD_WIDTH),
      Math.round(((event.clientY - rect.top) / rect.height) * BOARD_HEIGHT),
    ];
  }

  wipe() {
    this.strokes = [];
    this.keptPoints = 0;
    this.overflowed = false;
    this.paintWhite();
  }

  // A stroke starts: a dot at the press point.
  start(colour, width, x, y) {
    const part = { colour, width, points: [[x, y]] };
    this.keep([part], 1);
    this.pen = [x, y];
    this.paint(part);
  }

  // Further points of the stroke, each continuing the line from the point before it.
  extend(colour, width, points) {
    if (points.length === 0) return;
    const part = { colour, width, points: [this.pen, ...points] };
    const current = this.strokes[this.strokes.length - 1];
    if (current && !this.overflowed) {
      current.push(part);
      this.count(points.length);
    }
    this.pen = points[points.length - 1];
    this.paint(part);
  }

  // Takes back stroke `index` (counted from 0 since the last wipe) and draws the rest again.
  takeBack(index) {
    if (this.overflowed || index < 0 || index >= this.strokes.length) return false;
    const [gone] = this.strokes.splice(index, 1);
    for (const part of gone) this.keptPoints -= part.points.length;
    this.redraw();
    return true;
  }

  get strokeCount() {
    return this.strokes.length;
  }

  keep(stroke, points) {
    if (this.overflowed) return;
    this.strokes.push(stroke);
    this.count(points);
  }

  count(points) {
    this.keptPoints += points;
    if (this.keptPoints > MAX_KEPT_POINTS) {
      this.strokes = [];
      this.keptPoints = 0;
      this.overflowed = true;
    }
  }

  paintWhite() {
    const { ctx, canvas } = this;
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = '#ffffff';
    ctx.fillRect(0, 0, canvas.width, canvas.height);
  }

  redraw() {
    this.paintWhite();
    for (const stroke of this.strokes) for (const part of stroke) this.paint(part);
  }

  paint(part) {
    const { ctx } = this;
    const s = this.scale * this.ratio;
    ctx.setTransform(s, 0, 0, s, 0, 0);
    // Widths 0 and 1 both draw the thinnest line, as on the desktop board.
    const width = Math.max(1, part.width);
    ctx.strokeStyle = part.colour;
    ctx.fillStyle = part.colour;
    ctx.lineWidth = width;
    ctx.lineCap = 'round';
    ctx.lineJoin = 'round';
    const pts = part.points;
    if (pts.length === 1) {
      ctx.beginPath();
      ctx.arc(pts[0][0], pts[0][1], width / 2, 0, Math.PI * 2);
      ctx.fill();
      return;
    }
    ctx.beginPath();
    ctx.moveTo(pts[0][0], pts[0][1]);
    for (let i = 1; i < pts.length; i++) ctx.lineTo(pts[i][0], pts[i][1]);
    ctx.stroke();
  }
}

// The drawer's pen: turns pointer moves into the messages the desktop board sends, a start and
// then batches of at most 11 points, or fewer once the oldest waiting point is 16 ms old, and
// the rest at release.
export class PenSender {
  constructor(send, now = () => performance.now(), schedule = (fn, ms) => setTimeout(fn, ms)) {
    this.send = send; // (kind, points) where kind is 'start' or 'batch'
    this.now = now;
    this.schedule = schedule;
    this.pending = [];
    this.oldest = 0;
    this.timer = null;
    this.down = false;
  }

  press(point) {
    this.down = true;
    this.pending = [];
    this.send('start', [point]);
  }

  // `at` is when the move happened (the event's time stamp): browsers hand moves over once a
  // frame, so the oldest may already have waited its 16 ms when it arrives.
  move(point, at = this.now()) {
    if (!this.down) return;
    if (this.pending.length === 0) {
      this.oldest = at;
      const wait = Math.max(0, 16 - (this.now() - at));
      this.timer = this.schedule(() => this.flush(), wait);
    }
    this.pending.push(point);
    if (this.pending.length >= 11 || this.now() - this.oldest >= 16) this.flush();
  }

  release() {
    if (!this.down) return;
    this.flush();
    this.down = false;
  }

  flush() {
    if (this.timer !== null) clearTimeout(this.timer);
    this.timer = null;
    if (this.pending.length === 0) return;
    const points = this.pending;
    this.pending = [];
    this.send('batch', points);
  }
}
