// The browser client's protocol and game state, run by node's own test runner.
import test from 'node:test';
import assert from 'node:assert/strict';
import { request, fields, splitMessage, strokePoints, featureWords, OUR_FEATURES, languageWord, roomInPath } from '../../web/client/protocol.js';
import { readColour, writeColour } from '../../web/client/colours.js';
import { Game } from '../../web/client/game.js';

test('requests are the bytes the desktop sends, without the terminator', () => {
  const cases = [
    [request.strokeBatch(2, 'clBlack', 3, [[121, 47], [125, 50]]), 'CMD_draw+2+clBlack+3++121,47+125,50+'],
    [request.strokeBatch(2, 'clBlack', 3, []), 'CMD_draw+2+clBlack+3++'],
    [request.strokeStart(2, 'clBlack', 3, 120, 45), 'CMD_moveit+2+clBlack+3+120+45'],
    [request.login(3, 'Ann'), 'CMD_logininfo+3+2.2.4+Ann'],
    [request.chat(3, 'a+b', 'clMaroon'), 'CMD_chat+3+a+b|clMaroon'],
    [request.remove(1, 4), 'CMD_kickhim+1+4+'],
    [request.justWatch(4, true), 'CMD_justwatch+4+1'],
    [request.startGame(1, false, 20, 120), 'CMD_startgame+1+false+20+120'],
    [request.pickCategory(1, 6), 'CMD_pickcatagory+1+6'],
    [request.features(1, ['rejoin', 'undo']), 'CMD_features+1+rejoin,undo'],
    [request.features(1, ['rejoin', languageWord('pt-BR')]), 'CMD_features+1+rejoin,lang-pt-br'],
    [request.joinRoom('K7QXD'), 'CMD_room+join+K7QXD'],
  ];
  for (const [built, expected] of cases) assert.equal(built, expected);
});

test('fields, points, feature words and colours read as the desktop reads them', () => {
  assert.deepEqual(fields('2+Ann chats: a+b', 2), ['2', 'Ann chats: a+b']);
  assert.deepEqual(splitMessage('CMD_full+'), { name: 'full', payload: '' });
  assert.equal(splitMessage('hello'), null);
  assert.deepEqual(strokePoints('+1,2+3,4+x,5+6,7+'), [[1, 2], [3, 4]]);
  assert.deepEqual(featureWords('rejoin,undo'), ['rejoin', 'undo']);
  assert.equal(featureWords('Rejoin'), null);
  assert.equal(featureWords(Array(17).fill('a').join(',')), null);
  assert.equal(readColour('clmaroon'), '#800000');
  assert.equal(readColour('$008AAAAC'), '#acaa8a');
  assert.equal(readColour('255'), '#ff0000');
  assert.equal(readColour('blackish'), null);
  assert.equal(writeColour('#bfd7bf'), '$00BFD7BF');
  assert.equal(writeColour('#ff0000'), 'clRed');
});

function scriptedGame() {
  const lines = [];
  const board = { calls: [], wipe() { this.calls.push('wipe'); }, start(...a) { this.calls.push(['start', ...a]); },
    extend(...a) { this.calls.push(['extend', ...a]); }, takeBack(i) { this.calls.push(['takeBack', i]); } };
  const sent = [];
  const ui = { board, line: (t) => lines.push(t), sound() {}, changed() {}, countdown() {}, turnStarted() {},
    login: (seat) => sent.push(`login ${seat}`), answerFeatures: () => sent.push('features'), keepToken() {},
    arrived() {}, refused() {}, removed() {} };
  const game = new Game(ui, (t) => sent.push(t));
  const feed = (...messages) => {
    for (const m of messages) {
      const { name, payload } = splitMessage(m);
      game.handle(name, payload);
    }
  };
  return { game, lines, board, sent, feed };
}

test('a turn as a guesser sees it', () => {
  const { game, lines, board, sent, feed } = scriptedGame();
  feed('CMD_sendlogininfo+2', 'CMD_features+rejoin,undo,undone', 'CMD_newplayerinfo+2+Bob',
    'CMD_existingplayers+1+Ann', 'CMD_existingplayers+3+', 'CMD_newplayerinfo+3+Cid', 'CMD_newplayerinfo+3+Cid');
  assert.deepEqual(sent, ['login 2', 'features']);
  assert.deepEqual(lines, ['You are Connected.', 'Ann is Connected.', 'Cid is Connected.']);
  assert.equal(game.isGameMaster, false);
  feed('CMD_refreshplayerlist+1+Ann', 'CMD_startgame+1+false+20+120', 'CMD_pickcatagory+1',
    'CMD_nextplayer+1+0+___ ', 'CMD_moveit+1+clRed+5+10+20', 'CMD_draw+1+clRed+5++11,21+12,22+',
    'CMD_undone+1+0+0', 'CMD_myguessed+3+CAT', 'CMD_correctanswer+3+2+1+1+FAN');
  assert.equal(game.phase, 'pause');
  assert.equal(game.hint, 'FAN');
  assert.deepEqual([game.seats[1].score, game.seats[3].score], [1, 2]);
  assert.deepEqual(game.guesses, ['Cid answered: CAT']);
  assert.deepEqual(board.calls, ['wipe', ['start', '#ff0000', 5, 10, 20], ['extend', '#ff0000', 5, [[11, 21], [12, 22]]], ['takeBack', 0]]);
  assert.ok(lines.includes('Ann has started a game.'));
  assert.ok(lines.includes('Cid has guessed the answer!'));
  feed('CMD_winner+Cid', 'CMD_chat+Ann chats: gg|clMaroon', 'CMD_removed+3+Cid', 'CMD_bogus+1');
  assert.equal(game.winner, 'Cid');
  assert.deepEqual(lines.slice(-3), ['Cid has Won the Game!', 'Ann chats: gg', 'Cid was removed from the game.']);
  assert.equal(game.seats[3].taken, false);
});

test('malformed payloads change nothing', () => {
  const { game, feed } = scriptedGame();
  feed('CMD_sendlogininfo+16', 'CMD_sendlogininfo+x', 'CMD_newplayerinfo+0+Ann', 'CMD_passed+99+3',
    'CMD_gamestats+a+b+c', 'CMD_undone+1+-1+0', 'CMD_moveit+1+clRed+w+1+2', 'CMD_nextplayer+x');
  assert.equal(game.mySeat, 0);
  assert.ok(game.seats.every((s) => !s.taken));
  assert.equal(game.phase, 'idle');
});

test('every text of the page and the code has its translation in each language', async () => {
  const { readFileSync, readdirSync } = await import('node:fs');
  const { keysOf, LANGUAGES, pickLanguage } = await import('../../web/client/i18n.js');
  const dir = new URL('../../web/client/', import.meta.url);
  const used = new Set();
  const html = readFileSync(new URL('index.html', dir), 'utf8').replaceAll('&amp;', '&');
  for (const m of html.matchAll(/data-i18n(?:-placeholder|-label)?="([^"]+)"/g)) used.add(m[1]);
  for (const file of readdirSync(dir).filter((f) => f.endsWith('.js') && f !== 'i18n.js')) {
    const code = readFileSync(new URL(file, dir), 'utf8');
    for (const m of code.matchAll(/\bt\(\s*(['"])((?:(?!\1).)+)\1/g)) used.add(m[2]);
    for (const m of code.matchAll(/\?\s*'([^']+)'\s*:\s*'([^']+)',\s*\{/g)) used.add(m[1]).add(m[2]);
  }
  for (const name of ['General', 'Action', 'Phrase', 'Music', 'Movies', 'TV Shows', 'Food & Drink', 'Black Team', 'Maroon Team'])
    used.add(name);
  for (const language of LANGUAGES.filter((l) => l !== 'en')) {
    const keys = new Set(keysOf(language));
    assert.deepEqual([...used].filter((k) => !keys.has(k)), [], `${language} lacks these`);
    assert.deepEqual([...keys].filter((k) => !used.has(k)), [], `${language} has texts nobody uses`);
  }
  assert.deepEqual(['de-AT', 'pt-PT', 'ja', 'es-419'].map((l) => pickLanguage([l])), ['de', 'pt-BR', 'en', 'es']);
  // Each language goes to the server as a feature word it accepts.
  for (const language of LANGUAGES)
    assert.deepEqual(featureWords([...OUR_FEATURES, languageWord(language)].join(',')), [...OUR_FEATURES, languageWord(language)]);
});

test("a room's page names its room; no other page does", () => {
  for (const [path, room] of [['/r/k7qxd', 'K7QXD'], ['/r/K7QXD/', 'K7QXD'], ['/', null], ['/r/K7QX0', null],
    ['/r/K7QXDD', null], ['/r/', null], ['/x/K7QXD', null]])
    assert.equal(roomInPath(path), room, path);
});
