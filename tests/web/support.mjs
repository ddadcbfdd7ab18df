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
