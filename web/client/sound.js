// The game's sound cues through Web Audio. Browsers let a page make sound only after the player
// has touched it, so nothing loads or plays before the first tap; the cues are fetched then, not
// with the page.

const CUES = ['turn', 'correct', 'entered', 'gameover', 'noanswer', 'pass',
  'cat0', 'cat1', 'cat2', 'cat3', 'cat4', 'cat5', 'cat6'];

export class Sounds {
  constructor() {
    this.context = null;
    this.buffers = new Map();
    this.playing = null;
    this.enabled = true;
  }

  // Called from the first tap or key press.
  unlock() {
    if (this.context) return;
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    this.context = new Context();
    for (const cue of CUES) {
      fetch(`/sounds/${cue}.wav`)
        .then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error(r.status))))
        .then((bytes) => this.context.decodeAudioData(bytes))
        .then((buffer) => this.buffers.set(cue, buffer))
        .catch(() => {});
    }
  }

  // Each cue cuts off the one before it, as on the desktop.
  play(cue) {
    if (!this.enabled || !this.context) return;
    const buffer = this.buffers.get(cue);
    if (!buffer) return;
    if (this.playing) {
      try {
        this.playing.stop();
      } catch {
        // already ended
      }
    }
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    source.start();
    this.playing = source;
  }
}
