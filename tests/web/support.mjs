// What the browser tests share: the real pictova-server on loopback ports, Debian's Chromium
// driven by puppeteer-core (which never downloads a browser), and a scripted TCP player that
// speaks the game port's protocol as a desktop copy does.
import { spawn } from 'node:child_process';
import net from 'node:net';
import { isUtf8 } from 'node:buffer';
import puppeteer from 'puppeteer-core';

export const SERVER = process.env.PICTOVA_SERVER ?? new URL('../../build/pictova-server', import.meta.url).pathname;
export const CHROMIUM = process.env.PICTOVA_CHROMIUM ?? '/usr/bin/chromium';
const TERMINATOR = 0xff;

export async function freePort() {
  return new Promise((resolve, reject) => {
    const probe = net.createServer();
    probe.once('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// Waits until `check()` is true, polling; fails with `what` after `ms`.
export async function until(check, what, ms = 15000) {
  const end = Date.now() + ms;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await new Promise((r) => setTimeout(r, 25));
  }
}

// The server with its game port and web port on the loopback; resolves once both listen.
export async function startServer(extra = []) {
  const port = await freePort();
  const webPort = await freePort();
  const child = spawn(SERVER, ['--port', String(port), '--web-port', String(webPort), '--max-per-address', '0', ...extra], {
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  const log = [];
  child.stdout.on('data', (d) => log.push(...d.toString().split('\n').filter(Boolean)));
  child.stderr.on('data', (d) => log.push(...d.toString().split('\n').filter(Boolean)));
  await until(async () => {
    try {
      const response = await fetch(`http://127.0.0.1:${webPort}/`);
      return response.ok;
    } catch {
      return false;
    }
  }, 'the server to serve its page');
  return { port, webPort, url: `http://127.0.0.1:${webPort}/`, log, stop: () => child.kill('SIGTERM') };
}

export async function launchBrowser() {
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    // Nothing of the browser's own may leave the machine: no updates, sync or field trials.
    args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update', '--no-first-run',
      '--disable-sync', '--disable-default-apps', '--disable-features=MediaRouter,OptimizationHints,Translate',
      '--metrics-recording-only', '--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1'],
  });
}

export const PHONE = { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 3 };
export const DESKTOP = { width: 1280, height: 800 };

// A browser player in its own context (its own session storage), joined under `name`.
export async function browserPlayer(browser, url, name, viewport = DESKTOP, language = 'en') {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  await page.setViewport(viewport);
  const cdp = await page.createCDPSession();
  await cdp.send('Emulation.setUserAgentOverride', { userAgent: await browser.userAgent(), acceptLanguage: language });
  await page.goto(url);
  await page.type('#join-name', name);
  await page.click('#join-button');
  await page.waitForSelector('#game:not([hidden])', { timeout: 10000 });
  return page;
}

export async function chatLines(page) {
  return page.$$eval('#chat-log p', (lines) => lines.map((l) => l.textContent));
}

// Dark pixels of the board canvas, in board units' rectangle [x0, y0, x1, y1).
export async function inkOf(page, rect = [0, 0, 533, 369]) {
  return page.$eval('#board', (canvas, [x0, y0, x1, y1]) => {
    const sx = canvas.width / 533;
    const sy = canvas.height / 369;
    const data = canvas.getContext('2d').getImageData(x0 * sx, y0 * sy, (x1 - x0) * sx, (y1 - y0) * sy).data;
    let ink = 0;
    for (let i = 0; i < data.length; i += 4) if (data[i] + data[i + 1] + data[i + 2] < 600) ink += 1;
    return ink;
  }, rect);
}

// A player on the game port, as a desktop copy of ours: the same messages, 0xFF after each.
export class TcpPlayer {
  constructor(name, features = 'rejoin,undo,undone,reveal-letters,removal,turn-break') {
    this.name = name;
    this.features = features;
    this.seat = 0;
    this.received = [];
    this.buffer = Buffer.alloc(0);
  }

  async join(port) {
    this.socket = net.connect(port, '127.0.0.1');
    this.socket.on('data', (chunk) => {
      this.buffer = Buffer.concat([this.buffer, chunk]);
      let end;
      while ((end = this.buffer.indexOf(TERMINATOR)) >= 0) {
        // As the desktop reads the wire: UTF-8 when it is, the first version's 8-bit text otherwise.
        const bytes = this.buffer.subarray(0, end);
        const text = bytes.toString(isUtf8(bytes) ? 'utf8' : 'latin1');
        this.buffer = this.buffer.subarray(end + 1);
        if (text) this.onMessage(text);
      }
    });
    await until(() => this.seat !== 0 && this.has(`CMD_newplayerinfo+${this.seat}+`), `${this.name} to log in`);
  }

  onMessage(text) {
    this.received.push(text);
    if (text.startsWith('CMD_sendlogininfo+')) {
      this.seat = Number(text.slice('CMD_sendlogininfo+'.length));
      this.send(`CMD_logininfo+${this.seat}+2.2.4+${this.name}`);
    } else if (text.startsWith('CMD_features+') && this.features !== null) {
      this.send(`CMD_features+${this.seat}+${this.features}`);
    }
  }

  send(text) {
    this.socket.write(Buffer.concat([Buffer.from(text, 'utf8'), Buffer.from([TERMINATOR])]));
  }

  has(prefix) {
    return this.received.some((m) => m.startsWith(prefix));
  }

  all(prefix) {
    return this.received.filter((m) => m.startsWith(prefix));
  }

  close() {
    this.socket?.destroy();
  }
}

// ---- a desktop copy, and the board's pixels -----------------------------------------------------

export const DESKTOP_PLAYER = process.env.PICTOVA_DESKTOP_PLAYER
  ?? new URL('../../build/tests/desktop_player', import.meta.url).pathname;

// The real game window, offscreen, in a process of its own (tests/support/desktopplayer.cpp): one
// command line in, one line of JSON out.
export class DesktopPlayer {
  constructor() {
    this.child = spawn(DESKTOP_PLAYER, [], { stdio: ['pipe', 'pipe', 'pipe'] });
    this.waiting = [];
    this.buffer = '';
    this.stderr = '';
    this.child.stdout.setEncoding('utf8');
    this.child.stdout.on('data', (text) => {
      this.buffer += text;
      let end;
      while ((end = this.buffer.indexOf('\n')) >= 0) {
        const line = this.buffer.slice(0, end);
        this.buffer = this.buffer.slice(end + 1);
        this.waiting.shift()?.(JSON.parse(line));
      }
    });
    this.child.stderr.on('data', (d) => { this.stderr += d; });
  }

  async ask(line) {
    const answer = await new Promise((resolve) => {
      this.waiting.push(resolve);
      this.child.stdin.write(`${line}\n`);
    });
    if (!answer.ok) throw new Error(`desktop player: ${line.slice(0, 40)}: ${answer.error}`);
    return answer;
  }

  state() {
    return this.ask('state');
  }

  async chatLog() {
    return (await this.ask('chatlog')).lines;
  }

  // The window's board, as RGBA at board scale; also a PNG in `file` when given.
  async board(file = '') {
    return pixelsOf(await this.ask(`board ${file}`));
  }

  // `strokes` drawn by a fresh desktop board's drawer.
  async reference(strokes, file = '-') {
    return pixelsOf(await this.ask(`reference ${file} ${strokes.map(strokeText).join(';')}`));
  }

  draw(stroke) {
    return this.ask(`draw ${strokeText(stroke)}`);
  }

  close() {
    this.child.kill('SIGTERM');
  }
}

// A stroke: { colour: a colour text such as 'clRed', width, points: [[x, y], ...] in board units }.
function strokeText({ colour, width, points }) {
  return `${colour} ${width} ${points.map(([x, y]) => `${x},${y}`).join(' ')}`;
}

function pixelsOf({ width, height, rgba }) {
  return { width, height, data: new Uint8Array(Buffer.from(rgba, 'base64')) };
}

// A browser's board canvas brought down to board scale (533 by 369), as RGBA.
export async function browserBoard(page) {
  const { width, height, data } = await page.$eval('#board', (canvas) => {
    const small = document.createElement('canvas');
    small.width = 533;
    small.height = 369;
    const ctx = small.getContext('2d');
    ctx.imageSmoothingQuality = 'high';
    ctx.drawImage(canvas, 0, 0, 533, 369);
    return { width: 533, height: 369, data: Array.from(ctx.getImageData(0, 0, 533, 369).data) };
  });
  return { width, height, data: Uint8Array.from(data) };
}

// One ink mask per colour (CSS #rrggbb): the pixels that are a blend of white and that colour,
// at least half of it, as an antialiased edge leaves them. A pixel of any other colour, a blend
// of two colours included, is in no mask.
const BLEND_RESIDUAL = 40;
function inkMasks({ width, height, data }, colours) {
  return colours.map((css) => {
    const c = [1, 3, 5].map((i) => parseInt(css.slice(i, i + 2), 16));
    const away = c.map((v) => 255 - v);
    const length2 = away.reduce((sum, v) => sum + v * v, 0);
    const mask = new Uint8Array(width * height);
    for (let p = 0; p < width * height; p++) {
      const from = [0, 1, 2].map((k) => 255 - data[p * 4 + k]);
      const share = from.reduce((sum, v, k) => sum + v * away[k], 0) / length2;
      if (share < 0.5) continue;
      const residual = Math.hypot(...from.map((v, k) => v - share * away[k]));
      if (residual <= BLEND_RESIDUAL) mask[p] = 1;
    }
    return mask;
  });
}

function dilate(mask, width, height) {
  const out = new Uint8Array(mask.length);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      if (!mask[y * width + x]) continue;
      for (let dy = -1; dy <= 1; dy++) {
        for (let dx = -1; dx <= 1; dx++) {
          const nx = x + dx;
          const ny = y + dy;
          if (nx >= 0 && ny >= 0 && nx < width && ny < height) out[ny * width + nx] = 1;
        }
      }
    }
  }
  return out;
}

// How far two boards agree, colour by colour: of each side's ink, the share that lies within one
// pixel of the other side's ink of the same colour, and how much ink one has for the other's.
// Antialiasing moves an edge by a pixel at most; a missing stroke, one shifted by a few board
// units or of another colour lowers the share, one of another width the amount.
export function inkAgreement(actual, expected, colours) {
  const { width, height } = expected;
  const a = inkMasks(actual, colours);
  const e = inkMasks(expected, colours);
  return colours.map((colour, i) => {
    const near = (mask, other) => {
      const grown = dilate(other, width, height);
      let ink = 0;
      let within = 0;
      for (let p = 0; p < mask.length; p++) {
        if (!mask[p]) continue;
        ink += 1;
        within += grown[p];
      }
      return { ink, share: ink === 0 ? 1 : within / ink };
    };
    const found = near(a[i], e[i]);
    const wanted = near(e[i], a[i]);
    return {
      colour,
      actualInk: found.ink,
      expectedInk: wanted.ink,
      agreement: Math.min(found.share, wanted.share),
      inkRatio: wanted.ink === 0 ? Infinity : found.ink / wanted.ink,
    };
  });
}

export const INK_AGREEMENT = 0.95;
export const INK_RATIO = [0.8, 1.25];

// Fails unless, for every colour, the agreement reaches INK_AGREEMENT and the ink ratio lies
// within INK_RATIO; a colour the expected board has no ink of may have none on the other either.
export function assertSameDrawing(actual, expected, colours, what) {
  const agreement = inkAgreement(actual, expected, colours);
  const poor = agreement.filter((c) => (c.expectedInk === 0 ? c.actualInk > 0
    : c.agreement < INK_AGREEMENT || c.inkRatio < INK_RATIO[0] || c.inkRatio > INK_RATIO[1]));
  if (poor.length > 0) throw new Error(`${what}: the drawings differ: ${JSON.stringify(agreement)}`);
  return agreement;
}
