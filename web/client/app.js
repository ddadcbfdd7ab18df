// The browser client: joins the game on this page's server over a WebSocket, shows the game and
// sends what the player does. Every text a peer sends is shown as plain text.

import { request, splitMessage, roomInPath, MAX_LINE, OUR_FEATURES, languageWord } from './protocol.js';
import { PALETTE, WIDTHS, writeColour } from './colours.js';
import { Board, PenSender } from './board.js';
import { Connection } from './connection.js';
import { Game, CATEGORY_NAMES, teamName } from './game.js';
import { Sounds } from './sound.js';
import { t, pickLanguage, setLanguage, translatePage } from './i18n.js';
import { addLine } from './chatlog.js';
import { Countdown } from './countdown.js';
import { renderList, renderSeats } from './seatsview.js';

const $ = (id) => document.getElementById(id);
const NAME_KEY = 'pictova.name';
const SESSION_KEY = 'pictova.session';

const board = new Board($('board'));
const sounds = new Sounds();
const brush = { colour: '#000000', width: 3 };
let playerName = '';
let token = '';
let renderQueued = false;
const countdown = new Countdown($('timer-text'), $('timer-bar'));
const language = pickLanguage(navigator.languages ?? [navigator.language]);
const turn = { passUsed: false, pressed: false };

function loadSession() {
  try {
    return JSON.parse(sessionStorage.getItem(SESSION_KEY) ?? 'null');
  } catch {
    return null;
  }
}
function saveSession() {
  sessionStorage.setItem(SESSION_KEY, JSON.stringify({ name: playerName, token }));
}

const ui = {
  board,
  login(seat) {
    connection.send(request.login(seat, playerName));
  },
  answerFeatures() {
    connection.send(request.features(game.mySeat, [...OUR_FEATURES, languageWord(language)]));
  },
  keepToken(newToken) {
    token = newToken;
    saveSession();
  },
  arrived() {
    connection.joined();
    // Back after a drop or a reload: the server gives the seat's score back for the token.
    if (token && game.hasFeature('rejoin')) connection.send(request.rejoin(game.mySeat, token));
    hideBanner();
    $('join').hidden = true;
    $('game').hidden = false;
    fitBoard();
  },
  refused(text) {
    connection.stop();
    showJoin(text);
  },
  removed() {
    connection.stop();
    forgetSession();
    showBanner(t('You were removed from the game.'), { retry: true, giveUp: t('Back') });
  },
  line: (text, colour, boldHead) => addLine($('chat-log'), text, colour, boldHead),
  sound: (cue) => sounds.play(cue),
  changed: queueRender,
  countdown: (phase, seconds) => countdown.start(phase, seconds),
  turnStarted() {
    brush.colour = '#000000';
    brush.width = 3;
    turn.passUsed = false;
    turn.pressed = false;
    closePopups();
  },
};

const connection = new Connection({
  onMessage(text) {
    const message = splitMessage(text);
    if (message) game.handle(message.name, message.payload);
  },
  onOpen(again) {
    // A room's page asks for its room before the server says anything.
    const room = roomInPath(location.pathname);
    if (room) connection.send(request.joinRoom(room));
    // A new connection starts from nothing but the chat: the server sends the game again.
    game.reset();
    board.wipe();
    if (!again) ui.line(t('Loading Multi-player Game.. Please Wait.'), '#acaa8a');
    queueRender();
  },
  onDrop() {
    if (game.removed) return;
    if (game.closedBy !== null) {
      forgetSession();
      const text = game.closedBy
        ? t('{name} closed the game.', { name: game.closedBy })
        : t('The connection to the game was closed.');
      showBanner(text, { retry: true, giveUp: t('Back') });
      return;
    }
    if (!game.arrived && !token) {
      showJoin(t('Could not join the game. Try again in a moment.'));
      return;
    }
    markAway();
    connection.reconnectLater();
  },
  onAttempt(attempt) {
    showBanner(t('Connection lost, reconnecting… ({n})', { n: attempt }), { giveUp: t('Give Up') });
  },
  onGaveUp() {
    showBanner(t('The connection to the game was lost.'), { retry: true, giveUp: t('Back') });
  },
});

const game = new Game(ui, (text) => connection.send(text));

// ---- joining ---------------------------------------------------------------------------------

function showJoin(problem = '') {
  $('game').hidden = true;
  $('join').hidden = false;
  $('join-problem').textContent = problem;
  $('join-button').disabled = false;
}

function forgetSession() {
  token = '';
  sessionStorage.removeItem(SESSION_KEY);
}

function join(name) {
  playerName = name.trim().slice(0, 30);
  if (!playerName) return;
  localStorage.setItem(NAME_KEY, playerName);
  saveSession();
  $('join-button').disabled = true;
  $('join-problem').textContent = '';
  connection.open();
}

$('join-form').addEventListener('submit', (event) => {
  event.preventDefault();
  sounds.unlock();
  join($('join-name').value);
});

async function showGameInfo() {
  try {
    const response = await fetch('/game.json', { cache: 'no-store' });
    if (!response.ok) return;
    const info = await response.json();
    $('game-name').textContent = typeof info.name === 'string' ? info.name : '';
    const list = $('game-players');
    list.replaceChildren();
    for (const player of Array.isArray(info.players) ? info.players.slice(0, 15) : []) {
      const item = document.createElement('li');
      item.textContent = String(player);
      list.append(item);
    }
  } catch {
    // The join screen works without it.
  }
}

// ---- the banner over the board ---------------------------------------------------------------

function showBanner(text, { retry = false, giveUp = t('Give Up') } = {}) {
  $('join').hidden = true;
  $('game').hidden = false;
  $('banner-text').textContent = text;
  $('banner-retry').hidden = !retry;
  $('banner-give-up').textContent = giveUp;
  $('banner').hidden = false;
}
function hideBanner() {
  $('banner').hidden = true;
}
$('banner-give-up').addEventListener('click', () => {
  connection.stop();
  forgetSession();
  hideBanner();
  showJoin();
});
$('banner-retry').addEventListener('click', () => {
  hideBanner();
  game.reset();
  connection.open();
});

function markAway() {
  for (const item of $('seats').children) item.classList.add('away');
}

// ---- the chat log ----------------------------------------------------------------------------

$('chat-form').addEventListener('submit', (event) => {
  event.preventDefault();
  const input = $('chat');
  const text = input.value.slice(0, MAX_LINE);
  input.value = '';
  if (!text || !game.loggedIn) return;
  if (!text.startsWith('/')) connection.send(request.chat(game.mySeat, text, 'clMaroon'));
  else if (text.startsWith('/me')) connection.send(request.action(game.mySeat, text.slice(4), 'clBlack'));
});

// ---- guessing --------------------------------------------------------------------------------

$('guess-form').addEventListener('submit', (event) => {
  event.preventDefault();
  const input = $('guess');
  const text = input.value.slice(0, MAX_LINE);
  input.value = '';
  if (game.loggedIn) connection.send(request.answer(game.mySeat, text));
});

// ---- the drawer's tools ----------------------------------------------------------------------

function buildTools() {
  const palette = $('palette');
  for (const colour of PALETTE) {
    const swatch = document.createElement('button');
    swatch.type = 'button';
    swatch.style.background = colour;
    swatch.setAttribute('role', 'radio');
    swatch.setAttribute('aria-label', colour);
    swatch.dataset.colour = colour;
    swatch.addEventListener('click', () => {
      brush.colour = colour;
      closePopups();
      queueRender();
    });
    palette.append(swatch);
  }
  const widths = $('widths');
  for (const width of WIDTHS) {
    const choice = document.createElement('button');
    choice.type = 'button';
    choice.setAttribute('role', 'radio');
    choice.setAttribute('aria-label', t('Width {n}', { n: width }));
    choice.dataset.width = String(width);
    const dot = document.createElement('span');
    dot.style.width = dot.style.height = `${Math.min(30, Math.max(2, width))}px`;
    choice.append(dot);
    choice.addEventListener('click', () => {
      brush.width = width;
      closePopups();
      queueRender();
    });
    widths.append(choice);
  }
  $('colour-button').addEventListener('click', () => togglePopup('palette'));
  $('width-button').addEventListener('click', () => togglePopup('widths'));
  $('wipe').addEventListener('click', () => {
    if (!game.isDrawer) return;
    connection.send(request.wipe(game.mySeat));
    game.wipesSent += 1;
    board.wipe();
    queueRender();
  });
  $('undo').addEventListener('click', () => {
    if (game.isDrawer && game.hasFeature('undo')) connection.send(request.undo(game.mySeat));
  });
  $('pass').addEventListener('click', () => {
    if (game.isDrawer) connection.send(request.pass(game.mySeat));
    turn.passUsed = true;
    queueRender();
  });
  for (const button of document.querySelectorAll('#categories button')) {
    button.addEventListener('click', () => {
      if (game.drawer !== game.mySeat || game.phase !== 'pick') return;
      for (const other of document.querySelectorAll('#categories button')) other.removeAttribute('aria-pressed');
      button.setAttribute('aria-pressed', 'true');
      connection.send(request.pickCategory(game.mySeat, button.dataset.category));
    });
  }
}

function togglePopup(id) {
  const popup = $(id);
  const open = popup.hidden;
  closePopups();
  popup.hidden = !open;
}
function closePopups() {
  $('palette').hidden = true;
  $('widths').hidden = true;
}

// ---- drawing ---------------------------------------------------------------------------------

const pen = new PenSender((kind, points) => {
  const colour = writeColour(brush.colour);
  if (kind === 'start') connection.send(request.strokeStart(game.mySeat, colour, brush.width, ...points[0]));
  else connection.send(request.strokeBatch(game.mySeat, colour, brush.width, points));
});
let lastPoint = null;

const canvas = $('board');
canvas.addEventListener('pointerdown', (event) => {
  sounds.unlock();
  if (!game.isDrawer || !event.isPrimary || event.button > 0) return;
  event.preventDefault();
  canvas.setPointerCapture(event.pointerId);
  closePopups();
  turn.pressed = true;
  lastPoint = board.boardPoint(event);
  board.start(brush.colour, brush.width, ...lastPoint);
  pen.press(lastPoint);
  queueRender();
});
canvas.addEventListener('pointermove', (event) => {
  if (!pen.down || !event.isPrimary) return;
  event.preventDefault();
  const moves = typeof event.getCoalescedEvents === 'function' ? event.getCoalescedEvents() : [event];
  for (const move of moves.length ? moves : [event]) {
    const point = board.boardPoint(move);
    if (lastPoint && point[0] === lastPoint[0] && point[1] === lastPoint[1]) continue;
    lastPoint = point;
    board.extend(brush.colour, brush.width, [point]);
    pen.move(point, move.timeStamp);
  }
});
for (const end of ['pointerup', 'pointercancel', 'lostpointercapture']) {
  canvas.addEventListener(end, () => {
    if (!pen.down) return;
    pen.release();
    queueRender();
  });
}
// No scrolling or page zoom while a finger draws.
canvas.addEventListener('touchstart', (event) => game.isDrawer && event.preventDefault(), { passive: false });
canvas.addEventListener('touchmove', (event) => game.isDrawer && event.preventDefault(), { passive: false });

function fitBoard() {
  const area = $('board-area');
  const width = area.clientWidth;
  const height = area.clientHeight;
  if (width > 0 && height > 0) board.fit(width - 4, height - 4);
}
new ResizeObserver(fitBoard).observe($('board-area'));

// ---- the start of a game ---------------------------------------------------------------------

$('start').addEventListener('click', () => {
  $('start-warning').hidden = !game.running;
  $('start-reveal-label').hidden = !game.hasFeature('reveal-letters');
  $('start-team').checked = game.team;
  $('start-dialog').showModal();
});
$('start-dialog').addEventListener('close', () => {
  if ($('start-dialog').returnValue !== 'start' || !game.isGameMaster) return;
  const playTo = Number($('start-play-to').value) || 20;
  const seconds = Number($('start-seconds').value) || 120;
  if (game.hasFeature('reveal-letters'))
    connection.send(request.startOptions(game.mySeat, $('start-reveal').checked ? ['reveal-letters'] : []));
  connection.send(request.startGame(game.mySeat, $('start-team').checked, playTo, seconds));
});
$('watch').addEventListener('change', () => {
  if (game.isPlayerSeat) connection.send(request.justWatch(game.mySeat, $('watch').checked));
});
$('sound').addEventListener('change', () => {
  sounds.enabled = $('sound').checked;
});

// ---- showing the game ------------------------------------------------------------------------

function queueRender() {
  if (renderQueued) return;
  renderQueued = true;
  requestAnimationFrame(() => {
    renderQueued = false;
    render();
  });
}

function render() {
  const me = game.mySeat;
  const drawerName = game.seatName(game.drawer);
  $('hint').textContent = game.hint || 'Pictova';
  $('word').textContent = game.isDrawer ? game.word : '';
  $('category').textContent =
    game.phase === 'draw' || game.phase === 'pause' ? t(CATEGORY_NAMES[game.category] ?? '') : '';
  $('play-to').textContent = game.running || game.phase === 'over' ? t('Play to score: {n}', { n: game.playTo }) : '';
  $('turn-time').textContent = game.running || game.phase === 'over' ? t('Time per turn: {n}', { n: game.seconds }) : '';
  let turnText = '';
  if (game.phase === 'pick')
    turnText = game.drawer === me ? t('Your turn to choose a category') : t('{name} is choosing a category', { name: drawerName });
  else if (game.phase === 'draw')
    turnText = game.drawer === me ? t('Your turn to draw') : t("{name}'s turn to draw.", { name: drawerName });
  $('turn').textContent = turnText;

  const picking = game.phase === 'pick' && game.drawer === me;
  $('categories').hidden = !picking;
  if (!picking) for (const b of document.querySelectorAll('#categories button')) b.removeAttribute('aria-pressed');
  $('winner').hidden = !game.winner;
  $('winner-name').textContent = teamName(game.winner);

  $('tools').hidden = !game.isDrawer;
  if (!game.isDrawer) closePopups();
  $('pass').hidden = !game.isDrawer || turn.passUsed || turn.pressed;
  $('undo').disabled = board.strokeCount === 0 || !game.hasFeature('undo');
  $('colour-swatch').style.background = brush.colour;
  const dot = Math.min(26, Math.max(3, brush.width));
  $('width-swatch').style.width = $('width-swatch').style.height = `${dot}px`;
  for (const s of $('palette').children) s.setAttribute('aria-checked', String(s.dataset.colour === brush.colour));
  for (const w of $('widths').children) w.setAttribute('aria-checked', String(Number(w.dataset.width) === brush.width));

  const guessing = game.phase === 'draw' && !game.isDrawer && game.isPlayerSeat;
  const guessForm = $('guess-form');
  if (guessForm.hidden === guessing) guessForm.hidden = !guessing;
  renderList($('guesses'), game.guesses);
  renderSeats(game, { seats: $('seats'), watchers: $('watchers'), totals: $('team-totals') });

  $('start').hidden = !game.isGameMaster;
  $('watch-label').hidden = !game.isPlayerSeat || game.team;
  $('watch').checked = game.isPlayerSeat && game.seats[me].watching;
}

// ---- start -----------------------------------------------------------------------------------

setLanguage(language);
document.documentElement.lang = language;
translatePage(document);
document.addEventListener('keydown', () => sounds.unlock(), { once: true });
document.addEventListener('visibilitychange', () => document.visibilityState === 'visible' && connection.wakeUp());
window.addEventListener('online', () => connection.wakeUp());
buildTools();
$('join-name').value = localStorage.getItem(NAME_KEY) ?? '';
const session = loadSession();
if (session && session.name) {
  // A reload or a phone that slept comes back to its seat.
  token = typeof session.token === 'string' ? session.token : '';
  join(session.name);
} else {
  showGameInfo();
}
