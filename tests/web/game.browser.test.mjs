// A whole game on the real server between two browser players (one a phone held upright, with
// touch) and a player on the game port, as a desktop copy of ours and as a first-version copy.
import test from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import {
  startServer, launchBrowser, browserPlayer, chatLines, inkOf, until, TcpPlayer, PHONE, DESKTOP,
} from './support.mjs';

test('browser and desktop players play one game together', { timeout: 120000 }, async (t) => {
  const server = await startServer();
  const browser = await launchBrowser();
  const dan = new TcpPlayer('Dan');
  const old = new TcpPlayer('Old', null); // announces nothing, as the first version
  t.after(async () => {
    dan.close();
    old.close();
    await browser.close();
    server.stop();
  });

  const ann = await browserPlayer(browser, server.url, 'Ann', DESKTOP);
  const bob = await browserPlayer(browser, server.url, 'Bob', PHONE);
  await dan.join(server.port);
  await old.join(server.port);
  await until(async () => (await chatLines(ann)).includes('Old is Connected.'), 'Ann to see Old');
  assert.ok(dan.has('CMD_newplayerinfo+2+Bob') || dan.has('CMD_existingplayers+2+Bob'), 'Dan sees the phone player');
  assert.equal(await ann.$eval('#start', (b) => b.hidden), false, 'the first seat runs the game');
  assert.equal(await bob.$eval('#start', (b) => b.hidden), true);

  // Start, pick, and draw in the browser with a mouse.
  await ann.click('#start');
  await ann.click('#start-confirm');
  await ann.waitForSelector('#categories:not([hidden])');
  await ann.click('#categories button[data-category="0"]');
  await ann.waitForSelector('#tools:not([hidden])', { timeout: 20000 });
  const box = await (await ann.$('#board')).boundingBox();
  const at = (x, y) => [box.x + (x * box.width) / 533, box.y + (y * box.height) / 369];
  await ann.mouse.move(...at(40, 40));
  await ann.mouse.down();
  for (let i = 1; i <= 25; i++) await ann.mouse.move(...at(40 + i * 8, 40 + (i % 2) * 20));
  await ann.mouse.up();
  await until(async () => (await inkOf(bob, [30, 30, 260, 70])) > 200, 'the stroke on the phone');
  const batches = dan.all('CMD_draw+1+');
  assert.ok(dan.has('CMD_moveit+1+clBlack+3+40+40'), 'the stroke starts as the desktop board starts one');
  assert.ok(batches.length >= 3, 'sent in batches');
  for (const batch of batches) assert.ok(batch.split('+').length - 6 <= 11, `at most 11 points: ${batch}`);

  // A second stroke, taken back: ours are told which, the first version gets the board again.
  await ann.mouse.move(...at(40, 300));
  await ann.mouse.down();
  await ann.mouse.move(...at(300, 300));
  await ann.mouse.up();
  await until(async () => (await inkOf(bob, [30, 290, 310, 310])) > 100, 'the second stroke');
  await ann.click('#undo');
  await until(async () => (await inkOf(bob, [30, 290, 310, 310])) === 0, 'the undo on the phone');
  assert.ok(await inkOf(bob, [30, 30, 260, 70]) > 200, 'the first stroke stays');
  await until(() => dan.has('CMD_undone+1+1+0'), 'Dan told which stroke went');
  await until(() => old.has('CMD_clearmain+1'), 'the first-version copy gets a wipe and the strokes again');

  // Chat from the phone, guesses, and the answer found by the phone player.
  await bob.type('#chat', 'hello from a phone');
  await bob.keyboard.press('Enter');
  await until(() => dan.has('CMD_chat+Bob chats: hello from a phone|clMaroon'), 'the chat at Dan');
  dan.send(`CMD_answer+${dan.seat}+zebra crossing`);
  await until(async () => (await bob.$$eval('#guesses li', (l) => l.map((i) => i.textContent))).includes('Dan answered: ZEBRA CROSSING'), 'Dan\'s guess on the phone');
  const word = await ann.$eval('#word', (w) => w.textContent);
  assert.ok(word.length > 0, 'the drawer sees the word');
  await bob.type('#guess', word.toLowerCase());
  await bob.keyboard.press('Enter');
  await until(async () => (await chatLines(ann)).includes('Bob has guessed the answer!'), 'the answer found');
  await until(() => dan.has('CMD_correctanswer+2+2+1+1+'), 'Dan sees the scores');

  // The phone reloads and comes back to its seat with its score.
  await bob.reload();
  await bob.waitForSelector('#game:not([hidden])', { timeout: 10000 });
  await until(async () => (await bob.$$eval('#seats li', (l) => l.map((i) => i.textContent))).some((s) => s.startsWith('Bob') && s.endsWith('2')), 'Bob back with 2 points');

  // Just watch, seen by everyone.
  await bob.click('#watch');
  await until(async () => (await chatLines(ann)).includes('Bob is just watching'), 'Bob watching');
  await until(() => old.has('CMD_justwatching+2+1'), 'the first-version copy sees it');
  assert.deepEqual([...ann.errors, ...bob.errors], []);
});

// The server's own lines reach each player in the language it reads: a browser set to German, a
// copy of ours reading French, and a first-version copy in English as it always has.
test('the server writes its own lines in each player\'s language', { timeout: 60000 }, async (t) => {
  const words = mkdtempSync(join(tmpdir(), 'pictova-words-'));
  for (const name of ['general', 'actions', 'phrases', 'music', 'movies', 'tvshows', 'fooddrink'])
    writeFileSync(join(words, `${name}.txt`), 'zebra crossing\n');
  const server = await startServer(['--words', words]);
  const browser = await launchBrowser();
  const old = new TcpPlayer('Old', null);
  const dan = new TcpPlayer('Dan', 'rejoin,undo,lang-fr');
  t.after(async () => {
    old.close();
    dan.close();
    await browser.close();
    server.stop();
    rmSync(words, { recursive: true, force: true });
  });

  const eva = await browserPlayer(browser, server.url, 'Eva', DESKTOP, 'de');
  await old.join(server.port);
  await dan.join(server.port);
  await eva.click('#start');
  await eva.click('#start-confirm');
  await eva.waitForSelector('#categories:not([hidden])');
  await eva.click('#categories button[data-category="0"]');
  await eva.waitForSelector('#tools:not([hidden])', { timeout: 20000 });

  // The drawer may not say the answer; the guessers who do have it taken as a guess.
  await eva.type('#chat', 'zebra');
  await eva.keyboard.press('Enter');
  await until(async () => (await chatLines(eva)).includes(
    'Server: Deine Zeile enthielt ein Wort der Antwort und wurde nicht gesendet.'), 'the German notice');
  old.send(`CMD_chat+${old.seat}+a zebra?|clBlack`);
  await until(() => old.has('CMD_chat+Server: Your line held a word of the answer, so it was taken as a guess.|clBlue'),
    'the first version\'s notice');
  dan.send(`CMD_chat+${dan.seat}+crossing!|clBlack`);
  await until(() => dan.has('CMD_chat+Serveur : Ta ligne contenait un mot de la réponse : elle a compté comme proposition.|clBlue'),
    'the French notice');
  assert.equal(old.all('CMD_chat+Serv').length, 1, 'nobody else\'s notice reaches the first version');
  assert.deepEqual(eva.errors, []);
});
