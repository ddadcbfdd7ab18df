// The game's text protocol as the browser speaks it. A message is "CMD_" and its name, "+", the
// fields joined by "+"; over the WebSocket each message is one text frame without the
// terminator byte the game port uses. A receiver takes fields off the front; the last field is
// the rest of the payload and may itself hold "+".

export const VERSION = '2.2.4';

// The feature words this client understands; the server's own list decides what is switched on.
export const OUR_FEATURES = ['rejoin', 'undo', 'undone', 'reveal-letters', 'removal', 'turn-break', 'rooms'];

// The language the player reads goes with them as one more word, "lang-" and the tag in lower
// case; the server writes its own lines (close guesses, slow down, …) to this client in it.
export function languageWord(language) {
  return `lang-${String(language).toLowerCase()}`;
}

export const SEATS = 15;
export const BOARD_SEATS = 10;
export const MAX_LINE = 400;

export function compose(name, fields) {
  return `CMD_${name}+${fields.join('+')}`;
}

// Splits a received message into its name (without "CMD_") and payload; null for anything that
// is not a message of the game.
export function splitMessage(text) {
  if (typeof text !== 'string' || !text.startsWith('CMD_')) return null;
  const plus = text.indexOf('+');
  if (plus < 0) return { name: text.slice(4), payload: '' };
  return { name: text.slice(4, plus), payload: text.slice(plus + 1) };
}

// Takes `count` fields off the front of `payload`; the last element is the rest.
export function fields(payload, count) {
  const out = [];
  let rest = payload;
  for (let i = 0; i < count - 1; i++) {
    const plus = rest.indexOf('+');
    if (plus < 0) {
      out.push(rest);
      rest = '';
      continue;
    }
    out.push(rest.slice(0, plus));
    rest = rest.slice(plus + 1);
  }
  out.push(rest);
  return out;
}

// A decimal integer in the game's form (optional sign, digits); null otherwise.
export function integer(text) {
  if (!/^\s*[-+]?\d{1,10}$/.test(text)) return null;
  const value = Number.parseInt(text, 10);
  return value >= -2147483648 && value <= 2147483647 ? value : null;
}

export function seatIn(text, low = 1, high = SEATS) {
  const seat = integer(text);
  return seat !== null && seat >= low && seat <= high ? seat : null;
}

// Our requests, built once here so every screen sends the same bytes as the desktop.
export const request = {
  // The very first message of a connection meant for a room; it names no seat.
  joinRoom: (code) => compose('room', ['join', code]),
  login: (seat, name) => compose('logininfo', [seat, VERSION, name]),
  features: (seat, words = OUR_FEATURES) => compose('features', [seat, words.join(',')]),
  rejoin: (seat, token) => compose('rejoin', [seat, token]),
  chat: (seat, text, colour) => compose('chat', [seat, `${text}|${colour}`]),
  action: (seat, text, colour) => compose('action', [seat, `${text}|${colour}`]),
  startOptions: (seat, options) => compose('startoptions', [seat, options.join(',')]),
  startGame: (seat, team, playTo, seconds) => compose('startgame', [seat, team ? 'true' : 'false', playTo, seconds]),
  strokeStart: (seat, colour, width, x, y) => compose('moveit', [seat, colour, width, x, y]),
  // Every point begins with "+" and the batch ends with one more: "…+3++1,2+4,5+".
  strokeBatch: (seat, colour, width, points) =>
    `CMD_draw+${seat}+${colour}+${width}+${points.map(([x, y]) => `+${x},${y}`).join('')}+`,
  wipe: (seat) => compose('clearmain', [seat]),
  undo: (seat) => compose('undo', [seat]),
  answer: (seat, guess) => compose('answer', [seat, guess]),
  pickCategory: (seat, category) => compose('pickcatagory', [seat, category]),
  pass: (seat) => compose('pass', [seat]),
  justWatch: (seat, watch) => compose('justwatch', [seat, watch ? '1' : '2']),
  remove: (sender, seat) => compose('kickhim', [sender, seat, '']),
};

// Feature words: [a-z0-9-], at most 16 words of at most 24 characters, joined by ",".
export function featureWords(text) {
  if (text === '') return [];
  const words = text.split(',');
  if (words.length > 16) return null;
  return words.every((w) => /^[a-z0-9-]{1,24}$/.test(w)) ? words : null;
}

// The points of a stroke batch, "+X,Y" items ended by "+"; stops at the first item that is not a
// point, keeping what came before it.
export function strokePoints(text, max = 4096) {
  const points = [];
  for (const item of text.split('+')) {
    if (item === '') continue;
    const m = /^(-?\d{1,6}),(-?\d{1,6})$/.exec(item);
    if (!m) break;
    points.push([Number(m[1]), Number(m[2])]);
    if (points.length >= max) break;
  }
  return points;
}

// A relayed chat or action line: text before the first "|", colour text after it.
export function chatLine(payload) {
  const bar = payload.indexOf('|');
  if (bar < 0) return { text: payload, colour: null };
  return { text: payload.slice(0, bar), colour: payload.slice(bar + 1) };
}

// The room code of a room's page, "/r/<CODE>"; null on any other page.
export function roomInPath(path) {
  const match = /^\/r\/([23456789abcdefghjkmnpqrstuvwxyz]{5})\/?$/i.exec(path);
  return match ? match[1].toUpperCase() : null;
}
