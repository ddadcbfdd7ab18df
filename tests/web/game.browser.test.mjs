// A whole game on the real server between two browser players (one a phone held upright, with
// touch), the real desktop game window (offscreen) and two scripted players on the game port, as
// a desktop copy of ours and as a first-version copy. What the browser draws is compared with what
// the desktop board shows, and what the desktop draws with the browsers' canvases, pixel by pixel
// against the same strokes drawn by a desktop board of its own.
import test from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import {
  startServer, launchBrowser, browserPlayer, chatLines, inkOf, until, TcpPlayer, PHONE, DESKTOP,
  DesktopPlayer, browserBoard, assertSameDrawing,
} from './support.mjs';
import { readColour } from '../../web/client/colours.js';

// Until `strokes` drawn by a desktop board's drawer and `board()` agree in their colours' ink, and
// `board()` has none of the colours of `gone`.
async function untilSameDrawing(desk, board, strokes, what, gone = []) {
  const expected = await desk.reference(strokes);
  const colours = [...new Set([...strokes, ...gone].map((s) => readColour(s.colour)))];
  let last;
  try {
    await until(async () => {
      try {
        assertSameDrawing(await board(), expected, colours, what);
        return true;
      } catch (e) {
        last = e;
        return false;
      }
    }, what, 10000);
  } catch {
    throw last;
  }
}

test('browser and desktop players play one game together', { timeout: 120000 }, async (t) => {
  // Words of four letters or more, so that a guess one letter off is close.
  const words = mkdtempSync(join(tmpdir(), 'pictova-words-'));
  writeFileSync(join(words, 'general.txt'), 'lighthouse\numbrella\nelephant\nvolcano\n');
  const server = await startServer(['--words', words]);
  const browser = await launchBrowser();
  const desk = new DesktopPlayer();
  const dan = new TcpPlayer('Dan');
  const old = new TcpPlayer('Old', null); // announces nothing, as the first version
  t.after(async () => {
    desk.close();
    dan.close();
    old.close();
    await browser.close();
    server.stop();
    rmSync(words, { recursive: true, force: true });
  });

  const ann = await browserPlayer(browser, server.url, 'Ann', DESKTOP);
  await desk.ask(`join Desk ${server.port}`);
  await until(async () => (await desk.state()).loggedIn, 'the desktop copy to log in');
  assert.equal((await desk.state()).seat, 2);
  const bob = await browserPlayer(browser, server.url, 'Bob', PHONE);
  await dan.join(server.port);
  await old.join(server.port);
  await until(async () => (await chatLines(ann)).includes('Old is Connected.'), 'Ann to see Old');
  assert.ok(dan.has('CMD_newplayerinfo+3+Bob') || dan.has('CMD_existingplayers+3+Bob'), 'Dan sees the phone player');
  assert.equal(await ann.$eval('#start', (b) => b.hidden), false, 'the first seat runs the game');
  assert.equal(await bob.$eval('#start', (b) => b.hidden), true);

  // Start, pick, and draw in the browser with a mouse.
  await ann.click('#start');
  await ann.click('#start-confirm');
  await ann.waitForSelector('#categories:not([hidden])');
  const info = await (await fetch(`${server.url}game.json`)).json();
  assert.deepEqual(info.players, ['Ann', 'Desk', 'Bob', 'Dan', 'Old']);
  assert.equal(info.running, true);
  await ann.click('#categories button[data-category="0"]');
  await ann.waitForSelector('#tools:not([hidden])', { timeout: 20000 });
  const box = await (await ann.$('#board')).boundingBox();
  const at = (x, y) => [box.x + (x * box.width) / 533, box.y + (y * box.height) / 369];
  const drawInBrowser = async ({ points }) => {
    await ann.mouse.move(...at(...points[0]));
    await ann.mouse.down();
    for (const point of points.slice(1)) await ann.mouse.move(...at(...point));
    await ann.mouse.up();
  };
  const zigzag = { colour: 'clBlack', width: 3, points: [[40, 40]] };
  for (let i = 1; i <= 25; i++) zigzag.points.push([40 + i * 8, 40 + (i % 2) * 20]);
  await drawInBrowser(zigzag);
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

  // Another colour and width; the desktop board shows what the browser drew, as a desktop
  // drawer's board would have drawn it.
  await ann.click('#colour-button');
  await ann.click('#palette button[data-colour="#ff0000"]');
  await ann.click('#width-button');
  await ann.click('#widths button[data-width="10"]');
  const red = { colour: 'clRed', width: 10, points: [[100, 200], [180, 150], [260, 230], [420, 180], [480, 320]] };
  await drawInBrowser(red);
  await untilSameDrawing(desk, () => desk.board(), [zigzag, red], 'the browser\'s strokes on the desktop board');

  // Chat from the phone, guesses, and the answer found by the phone player.
  await bob.type('#chat', 'hello from a phone');
  await bob.keyboard.press('Enter');
  await until(() => dan.has('CMD_chat+Bob chats: hello from a phone|clMaroon'), 'the chat at Dan');
  await until(async () => (await desk.chatLog()).some((l) => l.includes('Bob chats: hello from a phone')), 'the chat on the desktop');
  dan.send(`CMD_answer+${dan.seat}+zebra crossing`);
  await until(async () => (await bob.$$eval('#guesses li', (l) => l.map((i) => i.textContent))).includes('Dan answered: ZEBRA CROSSING'), 'Dan\'s guess on the phone');
  const word = await ann.$eval('#word', (w) => w.textContent);
  assert.ok(word.length > 0, 'the drawer sees the word');
  const close = `${word.toLowerCase().slice(0, -1)}${word.toLowerCase().endsWith('x') ? 'y' : 'x'}`;
  await bob.type('#guess', close);
  await bob.keyboard.press('Enter');
  await until(async () => (await chatLines(bob)).includes(`Server: '${close.toUpperCase()}' is close!`), 'the close guess told to the phone');
  await bob.type('#guess', word.toLowerCase());
  await bob.keyboard.press('Enter');
  await until(async () => (await chatLines(ann)).includes('Bob has guessed the answer!'), 'the answer found');
  await until(() => dan.has('CMD_correctanswer+3+2+1+1+'), 'Dan sees the scores');

  // The phone reloads and comes back to its seat with its score.
  await bob.reload();
  await bob.waitForSelector('#game:not([hidden])', { timeout: 10000 });
  await until(async () => (await bob.$$eval('#seats li', (l) => l.map((i) => i.textContent))).some((s) => s.startsWith('Bob') && s.endsWith('2')), 'Bob back with 2 points');

  // The desktop copy draws next: each browser's canvas, the phone's at three device pixels to the
  // unit, shows its strokes as the desktop board draws them; its undo and chat reach them too.
  await until(async () => (await desk.state()).drawer === 2, 'the desktop copy to be asked to pick', 20000);
  await desk.ask('pick 0');
  await until(async () => (await desk.state()).answer.length > 0, 'the desktop copy\'s word');
  const box2 = { colour: 'clBlue', width: 6, points: [[60, 60], [470, 60], [470, 300], [60, 300], [60, 60]] };
  const line = { colour: 'clBlack', width: 1, points: [[100, 100], [430, 260]] };
  const wave = { colour: 'clGreen', width: 16, points: [[120, 180], [200, 120], [280, 220], [360, 140]] };
  for (const stroke of [box2, line, wave]) await desk.draw(stroke);
  await until(() => dan.all('CMD_draw+2+').length >= 3, 'the desktop strokes at Dan');
  await desk.ask('undo');
  for (const page of [ann, bob]) {
    await untilSameDrawing(desk, () => browserBoard(page), [box2, line], 'the desktop\'s strokes in the browser', [wave]);
  }
  await desk.ask('chat hello from the desktop');
  await until(async () => (await chatLines(bob)).includes('Desk chats: hello from the desktop'), 'the desktop chat on the phone');

  // Ann finds the desktop's word; the phone draws next, with a finger, and the desktop guesses.
  const deskWord = (await desk.state()).answer;
  await ann.type('#guess', deskWord.toLowerCase());
  await ann.keyboard.press('Enter');
  await until(async () => (await chatLines(bob)).includes('Ann has guessed the answer!'), 'the desktop\'s word found');
  await bob.waitForSelector('#categories:not([hidden])', { timeout: 20000 });
  await bob.tap('#categories button[data-category="0"]');
  await bob.waitForSelector('#tools:not([hidden])', { timeout: 20000 });
  const phoneBox = await (await bob.$('#board')).boundingBox();
  const onPhone = (x, y) => [phoneBox.x + (x * phoneBox.width) / 533, phoneBox.y + (y * phoneBox.height) / 369];
  const finger = { colour: 'clBlack', width: 3, points: [[50, 330], [150, 250], [250, 330], [350, 250], [450, 330]] };
  await bob.touchscreen.touchStart(...onPhone(...finger.points[0]));
  for (const point of finger.points.slice(1)) await bob.touchscreen.touchMove(...onPhone(...point));
  await bob.touchscreen.touchEnd();
  await untilSameDrawing(desk, () => desk.board(), [finger], 'the phone\'s finger stroke on the desktop board');
  const phoneWord = await bob.$eval('#word', (w) => w.textContent);
  await desk.ask(`guess ${phoneWord.toLowerCase()}`);
  await until(async () => (await chatLines(bob)).includes('Desk has guessed the answer!'), 'the phone\'s word found by the desktop');

  // Just watch, seen by everyone.
  await bob.tap('#watch');
  await until(async () => (await chatLines(ann)).includes('Bob is just watching'), 'Bob watching');
  await until(() => old.has('CMD_justwatching+3+1'), 'the first-version copy sees it');
  await until(async () => (await desk.chatLog()).some((l) => l.includes('Bob is just watching')), 'the desktop sees it');
  const watched = await (await fetch(`${server.url}game.json`)).json();
  assert.deepEqual([watched.players, watched.watchers], [['Ann', 'Desk', 'Dan', 'Old'], 1]);
  assert.deepEqual([...ann.errors, ...bob.errors], []);
});

test('the join screen shows the game, its players and its watchers', { timeout: 60000 }, async (t) => {
  const server = await startServer(['--name', 'Friday <b>game</b>']);
  const browser = await launchBrowser();
  const dan = new TcpPlayer('Dan & <i>Co</i>');
  const eve = new TcpPlayer('Eve');
  t.after(async () => {
    dan.close();
    eve.close();
    await browser.close();
    server.stop();
  });
  await dan.join(server.port);
  await eve.join(server.port);
  eve.send(`CMD_justwatch+${eve.seat}+1`);
  await until(() => dan.has(`CMD_justwatching+${eve.seat}+1`), 'Eve watching');

  const response = await fetch(`${server.url}game.json`);
  assert.equal(response.status, 200);
  assert.equal(response.headers.get('content-type'), 'application/json');
  assert.equal(response.headers.get('cache-control'), 'no-store');
  assert.equal(response.headers.get('content-security-policy'), "default-src 'self'");
  assert.equal(response.headers.get('x-content-type-options'), 'nosniff');
  assert.equal(response.headers.get('referrer-policy'), 'no-referrer');
  assert.deepEqual(await response.json(), { name: 'Friday <b>game</b>', players: ['Dan & <i>Co</i>'], watchers: 1, running: false });

  // The names are text on the page, never markup.
  const page = await (await browser.createBrowserContext()).newPage();
  await page.setViewport(PHONE);
  await page.goto(server.url);
  await until(async () => (await page.$eval('#game-name', (p) => p.textContent)) === 'Friday <b>game</b>', 'the game\'s name');
  assert.deepEqual(await page.$$eval('#game-players li', (l) => l.map((i) => i.textContent)), ['Dan & <i>Co</i>']);
  assert.equal(await page.$$eval('#join b, #join i', (l) => l.length), 0);
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
