// The countdown under the answer line: minutes and seconds, and a bar that empties over the ten
// seconds of a pause or the last hundred seconds of a turn. It runs on its own from the value a
// phase starts with; the server's next message ends the phase.

export class Countdown {
  constructor(text, bar) {
    this.text = text;
    this.bar = bar;
    this.phase = 0;
    this.seconds = 0;
    this.started = false;
    this.timer = null;
  }

  // Phase 0 is a pause (category pick, after the answer), 1 a drawing turn.
  start(phase, seconds) {
    clearInterval(this.timer);
    this.phase = phase;
    this.seconds = seconds;
    this.started = true;
    this.show();
    this.timer = setInterval(() => {
      this.seconds -= 1;
      if (this.seconds < 0) clearInterval(this.timer);
      this.show();
    }, 1000);
  }

  show() {
    const left = Math.max(0, this.seconds);
    this.text.textContent = this.started ? `${Math.floor(left / 60)}:${String(left % 60).padStart(2, '0')}` : '0';
    const fraction = this.phase === 0 ? left / 10 : Math.min(100, left) / 100;
    this.bar.style.width = `${Math.max(0, Math.min(1, fraction)) * 100}%`;
  }
}
