// What the browser knows of the game, kept from the server's messages. It decides nothing: the
// server deals, judges and scores; this turns its messages into state and lines for the screen.

import { BOARD_SEATS, SEATS, featureWords, fields, integer, seatIn, strokePoints, chatLine } from './protocol.js';
import { readColour, STATUS, WATCH, ALERT } from './colours.js';
import { t } from './i18n.js';

export const CATEGORY_NAMES = ['General', 'Action', 'Phrase', 'Music', 'Movies', 'TV Shows', 'Food & Drink'];
// The guesser's points a turn's category shows beside the score (the server gives 2 in all).
const GUESSER_POINTS = ['+2', '+2', '+3', '+3', '+3', '+3', '+2'];
export const PAUSE_SECONDS = 10;

// The server names a team game's winner in English; the two team names read in the player's
// language, a player's name as it is.
export function teamName(name) {
  return name === 'Black Team' || name === 'Maroon Team' ? t(name) : name;
}

function emptySeat() {
  return { name: '', taken: false, score: 0, watching: false };
}

export class Game {
  // `ui` receives what to show: line(text, colour), sound(cue), changed(), board calls and the
  // countdown; `send` sends one request.
  constructor(ui, send) {
    this.ui = ui;
    this.send = send;
    this.reset();
  }

  reset() {
    this.mySeat = 0;
    this.loggedIn = false;
    this.serverFeatures = [];
    this.featuresAnswered = false;
    this.seats = Array.from({ length: SEATS + 1 }, emptySeat);
    this.drawer = 0;
    this.category = -1;
    this.phase = 'idle'; // idle, pick, draw, pause, over
    this.hint = '';
    this.word = '';
    this.guesses = [];
    this.playTo = 20;
    this.seconds = 120;
    this.team = false;
    this.running = false;
    this.winner = '';
    this.points = null; // {drawer, guesser, guesserText}
    this.wipesSent = 0;
    this.closedBy = null;
    this.removed = false;
    this.arrived = false;
  }

  get isPlayerSeat() {
    return this.mySeat >= 1 && this.mySeat <= BOARD_SEATS;
  }

  get isDrawer() {
    return this.mySeat !== 0 && this.drawer === this.mySeat && this.phase === 'draw';
  }

  // The lowest seated player runs the game, as on the server.
  get isGameMaster() {
    if (!this.loggedIn || !this.isPlayerSeat) return false;
    for (let seat = 1; seat < this.mySeat; seat++) if (this.seats[seat].taken) return false;
    return true;
  }

  seatName(seat) {
    return seat >= 1 && seat <= SEATS ? this.seats[seat].name : '';
  }

  hasFeature(word) {
    return this.serverFeatures.includes(word);
  }

  // One received message; false when its name is not one of the game's.
  handle(name, payload) {
    const handler = this.handlers[name];
    if (!handler) return false;
    handler.call(this, payload);
    this.ui.changed();
    return true;
  }

  setScore(seat, text) {
    const score = integer(text);
    if (score !== null && seat >= 1 && seat <= BOARD_SEATS) this.seats[seat].score = score;
  }

  startPause(seconds = PAUSE_SECONDS) {
    this.ui.countdown(0, seconds);
  }

  endTurn() {
    this.drawer = 0;
    this.phase = 'pause';
  }
}

// Handlers by message name (without "CMD_"); `this` is the Game.
Game.prototype.handlers = {
  sendlogininfo(payload) {
    const seat = seatIn(payload);
    if (seat === null) return;
    this.mySeat = seat;
    this.loggedIn = true;
    this.ui.login(seat);
  },
  full() {
    this.ui.refused(t('The game is full.'));
  },
  inroom(payload) {
    this.room = fields(payload, 3)[0];
  },
  roomrefused(payload) {
    this.ui.refused(payload);
  },
  features(payload) {
    const words = featureWords(payload);
    if (!words || this.featuresAnswered || this.mySeat === 0) return;
    this.serverFeatures = words;
    this.featuresAnswered = true;
    this.ui.answerFeatures();
  },
  rejointoken(payload) {
    if (this.hasFeature('rejoin') && /^[0-9a-f]{32}$/.test(payload)) this.ui.keepToken(payload);
  },
  newplayerinfo(payload) {
    const [seatText, name] = fields(payload, 2);
    const seat = seatIn(seatText);
    // A seat whose log-in has not arrived yet has no name to show.
    if (seat === null || name === '') return;
    const me = seat === this.mySeat;
    const known = this.seats[seat].taken && this.seats[seat].name === name;
    this.seats[seat].name = name;
    this.seats[seat].taken = true;
    if (!known) this.ui.line(me ? t('You are Connected.') : t('{name} is Connected.', { name }), STATUS);
    if (seat > BOARD_SEATS && !known) this.ui.line(me ? t('You are spying.') : t('{name} is spying.', { name }), STATUS);
    if (!known) this.ui.sound('entered');
    if (me && !this.arrived) {
      this.arrived = true;
      this.ui.arrived();
    }
  },
  playerdisconnected(payload) {
    const [seatText, name] = fields(payload, 2);
    const seat = seatIn(seatText);
    if (seat === null || seat === this.mySeat) return;
    const shown = this.seats[seat];
    if (shown.taken) this.ui.line(seat > BOARD_SEATS ? t('{name} has left.', { name }) : t('{name} disconnected.', { name: shown.name }), STATUS);
    this.seats[seat] = { ...emptySeat(), score: shown.score };
  },
  removed(payload) {
    const [seatText, name] = fields(payload, 2);
    const seat = seatIn(seatText);
    if (seat === null) return;
    if (seat === this.mySeat) {
      this.removed = true;
      this.ui.removed();
      return;
    }
    this.ui.line(t('{name} was removed from the game.', { name }), STATUS);
    const score = this.team ? this.seats[seat].score : 0;
    this.seats[seat] = { ...emptySeat(), score };
  },
  gameclosed(payload) {
    this.closedBy = payload;
  },
  justwatching(payload) {
    const [seatText, flag] = fields(payload, 2);
    const seat = seatIn(seatText, 1, BOARD_SEATS);
    if (seat === null) return;
    const watching = flag === '1';
    this.ui.line(t(watching ? '{name} is just watching' : '{name} now playing again', { name: this.seatName(seat) }), WATCH);
    this.seats[seat].watching = watching;
  },
  startgame(payload) {
    const [starterText, team, playTo, seconds] = fields(payload, 4);
    const starter = seatIn(starterText);
    const name = starter === null ? '' : this.seatName(starter);
    if (this.running && this.phase !== 'over') this.ui.line(t('{name} started a new game.', { name }), WATCH);
    for (let seat = 1; seat <= BOARD_SEATS; seat++) {
      this.seats[seat].score = 0;
      this.seats[seat].watching = false;
    }
    this.team = team === 'true';
    this.playTo = integer(playTo) ?? this.playTo;
    this.seconds = integer(seconds) ?? this.seconds;
    this.running = true;
    this.winner = '';
    this.points = null;
    this.phase = 'idle';
    this.ui.line(t(this.team ? '{name} has started a TEAM game.' : '{name} has started a game.', { name }), WATCH);
  },
  teamgame() {
    this.team = true;
  },
  refreshplayerlist(payload) {
    const [seatText, name] = fields(payload, 2);
    const seat = seatIn(seatText);
    if (seat === null) return;
    this.seats[seat].name = name;
    this.seats[seat].taken = name !== '' || this.seats[seat].taken;
  },
  pickcatagory(payload) {
    const seat = seatIn(payload);
    if (seat === null) return;
    this.drawer = seat;
    this.phase = 'pick';
    this.winner = '';
    this.category = -1;
    if (seat === this.mySeat) this.ui.sound('turn');
    this.startPause();
  },
  nextplayer(payload) {
    const [drawerText, categoryText, hint] = fields(payload, 3);
    const drawer = seatIn(drawerText);
    if (drawer === null) return;
    this.drawer = drawer;
    this.category = integer(categoryText) ?? -1;
    this.hint = hint;
    this.word = '';
    this.guesses = [];
    this.winner = '';
    this.phase = 'draw';
    this.running = true;
    this.wipesSent = 0;
    this.points = {
      drawer,
      guesser: 0,
      guesserText: GUESSER_POINTS[this.category] ?? '+2',
      shown: false,
    };
    this.ui.board.wipe();
    if (this.category >= 0 && this.category <= 6) this.ui.sound(`cat${this.category}`);
    this.ui.turnStarted();
    this.ui.countdown(1, this.seconds);
  },
  givedraweranswer(payload) {
    this.word = payload;
  },
  passed(payload) {
    const [seatText, score] = fields(payload, 2);
    const seat = seatIn(seatText);
    if (seat === null) return;
    this.ui.sound('pass');
    this.setScore(seat, score);
    this.ui.line(t('{name} has bought a different phrase for one point.', { name: this.seatName(seat) }), STATUS);
  },
  updateanswer(payload) {
    const [flag, text] = fields(payload, 2);
    if (flag === 'true') {
      this.ui.sound('noanswer');
      this.ui.line(t('No one guessed!'), STATUS);
      this.endTurn();
      this.startPause();
    }
    this.hint = text;
  },
  guessed(payload) {
    const [seatText, guess] = fields(payload, 2);
    const seat = seatIn(seatText);
    if (seat !== null) this.guesses.push(t('{name} guessed: {guess}', { name: this.seatName(seat), guess }));
  },
  myguessed(payload) {
    const [seatText, guess] = fields(payload, 2);
    const seat = seatIn(seatText);
    if (seat !== null) this.guesses.push(t('{name} answered: {guess}', { name: this.seatName(seat), guess }));
  },
  teamscore(payload) {
    payload.split('+').slice(0, BOARD_SEATS).forEach((score, i) => this.setScore(i + 1, score));
  },
  correctanswer(payload) {
    const [guesserText, guesserScore, drawerText, drawerScore, phrase] = fields(payload, 5);
    const guesser = seatIn(guesserText);
    const drawer = seatIn(drawerText);
    if (guesser === null || drawer === null) return;
    this.startPause();
    this.endTurn();
    this.setScore(guesser, guesserScore);
    this.setScore(drawer, drawerScore);
    this.ui.line(t('{name} has guessed the answer!', { name: this.seatName(guesser) }), STATUS);
    if (guesser === this.mySeat || drawer === this.mySeat) this.ui.sound('correct');
    if (this.points) this.points = { ...this.points, guesser, shown: true };
    this.hint = phrase;
  },
  gamestats(payload) {
    const parts = payload.split('+');
    this.playTo = integer(parts[0] ?? '') ?? this.playTo;
    this.seconds = integer(parts[1] ?? '') ?? this.seconds;
    parts.slice(2, 2 + BOARD_SEATS).forEach((score, i) => this.setScore(i + 1, score));
    this.running = true;
  },
  winner(payload) {
    this.ui.sound('gameover');
    this.ui.line(t('{name} has Won the Game!', { name: teamName(payload) }), STATUS);
    this.winner = payload;
    this.phase = 'over';
    this.running = false;
  },
  turnbreak(payload) {
    const [secondsText, phrase] = fields(payload, 2);
    this.endTurn();
    this.hint = phrase;
    this.startPause(integer(secondsText) ?? PAUSE_SECONDS);
  },
  havewrongversion(payload) {
    this.ui.line(t('{name} has a different version of the game then you.', { name: payload }), ALERT);
  },
  wrongversion() {
    this.ui.line(t('You have a different version of the game then the host.'), ALERT);
  },
  chat(payload) {
    this.chatLine(payload);
  },
  action(payload) {
    this.chatLine(payload);
  },
  clearmain() {
    this.ui.board.wipe();
  },
  moveit(payload) {
    const [, colour, width, x, y] = fields(payload, 5);
    const px = integer(x);
    const py = integer(y);
    const w = integer(width);
    if (px === null || py === null || w === null) return;
    this.ui.board.start(readColour(colour) ?? '#000000', w, px, py);
  },
  draw(payload) {
    const [, colour, width, points] = fields(payload, 4);
    const w = integer(width);
    if (w === null) return;
    this.ui.board.extend(readColour(colour) ?? '#000000', w, strokePoints(points));
  },
  undone(payload) {
    const [seatText, strokeText, wipesText] = fields(payload, 3);
    const seat = seatIn(seatText);
    const stroke = integer(strokeText);
    const wipes = integer(wipesText);
    if (seat === null || stroke === null || wipes === null || stroke < 0 || wipes < 0) return;
    // A wipe of ours the server had not seen yet has already taken the stroke away.
    if (seat === this.mySeat && wipes !== this.wipesSent) return;
    this.ui.board.takeBack(stroke);
  },
  updatetime() {},
};

Game.prototype.chatLine = function chatLineOf(payload) {
  const { text, colour } = chatLine(payload);
  this.ui.line(text, colour === null ? '#ffffff' : readColour(colour) ?? '#ffffff', true);
};

// A player already present reads as one who just came.
Game.prototype.handlers.existingplayers = Game.prototype.handlers.newplayerinfo;
