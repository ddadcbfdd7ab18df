// The WebSocket to the game's server, and coming back after a drop: tries again after 1, 2, 4,
// 8, 16, 16 … seconds for up to two minutes, as the desktop does, unless told to stop.

const BACKOFF_MS = [1000, 2000, 4000, 8000, 16000];
const GIVE_UP_AFTER_MS = 120000;

export class Connection {
  constructor({ onMessage, onOpen, onDrop, onAttempt, onGaveUp }) {
    this.handlers = { onMessage, onOpen, onDrop, onAttempt, onGaveUp };
    this.socket = null;
    this.attempt = 0;
    this.lostAt = 0;
    this.retry = null;
    this.stopped = false;
  }

  static address() {
    const scheme = location.protocol === 'https:' ? 'wss' : 'ws';
    return `${scheme}://${location.host}/ws`;
  }

  open() {
    this.stopped = false;
    const socket = new WebSocket(Connection.address());
    this.socket = socket;
    socket.addEventListener('open', () => this.handlers.onOpen(this.attempt > 0));
    socket.addEventListener('message', (event) => {
      if (typeof event.data === 'string') this.handlers.onMessage(event.data);
    });
    socket.addEventListener('close', () => {
      if (this.socket !== socket) return;
      this.socket = null;
      if (this.stopped) return;
      this.handlers.onDrop();
    });
  }

  send(text) {
    if (this.socket && this.socket.readyState === WebSocket.OPEN) this.socket.send(text);
  }

  // After a drop: schedules the next attempt, or gives up after two minutes.
  reconnectLater() {
    if (this.stopped) return;
    if (this.attempt === 0) this.lostAt = Date.now();
    if (Date.now() - this.lostAt > GIVE_UP_AFTER_MS) {
      this.handlers.onGaveUp();
      return;
    }
    const delay = BACKOFF_MS[Math.min(this.attempt, BACKOFF_MS.length - 1)];
    this.attempt += 1;
    this.handlers.onAttempt(this.attempt);
    this.retry = setTimeout(() => {
      this.retry = null;
      this.open();
    }, delay);
  }

  // A phone woke up or the network came back: try at once rather than at the next step.
  wakeUp() {
    if (this.stopped || this.socket || this.retry === null) return;
    clearTimeout(this.retry);
    this.retry = null;
    this.open();
  }

  joined() {
    this.attempt = 0;
  }

  // Closes for good: no attempt follows.
  stop() {
    this.stopped = true;
    clearTimeout(this.retry);
    if (this.socket) this.socket.close();
    this.socket = null;
  }
}
