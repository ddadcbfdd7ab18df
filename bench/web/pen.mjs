// Pen to pixel with a browser at one end, on the real server over the loopback, at 60 and 125
// moves a second:
//  - a browser drawer (input synthesized in Chromium) to a player on the game port: from each
//    move's input event to the bytes of the batch carrying it at the desktop's socket (the
//    desktop board's own receive-to-pixel time is what bench_pen measures);
//  - a drawer on the game port, batching as the desktop board does (11 points or 16 ms), to a
//    browser guesser: from each move to the first animation frame after the board drew it.
// Prints p50 and p99 in milliseconds. Run: node bench/web/pen.mjs (after scripts/build.sh and
// npm ci in tests/web).
import { performance } from 'node:perf_hooks';
import { startServer, launchBrowser, browserPlayer, TcpPlayer, until } from '../../tests/web/support.mjs';

const MOVES = 400;
const now = () => performance.timeOrigin + performance.now();
const sleepUntil = async (t) => {
  while (now() < t) await new Promise((r) => setTimeout(r, Math.max(0, Math.min(2, t - now() - 1))));
};
function report(what, values) {
  const sorted = [...values].sort((a, b) => a - b);
  const p = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))].toFixed(1);
  console.log(`${what.padEnd(46)} p50 ${p(0.5)} ms  p99 ${p(0.99)} ms  (${values.length} moves)`);
}
const pointsIn = (text) => text.split('+').length - 6; // name, seat, colour, width, '' … ''

async function browserToDesktop(browser, rate) {
  const server = await startServer();
  try {
    const ann = await browserPlayer(browser, server.url, 'Ann');
    const dan = new TcpPlayer('Dan');
    const arrived = [];
    const onMessage = dan.onMessage.bind(dan);
    dan.onMessage = (text) => {
      if (text.startsWith('CMD_draw+')) arrived.push([now(), pointsIn(text)]);
      onMessage(text);
    };
    await dan.join(server.port);
    await ann.click('#start');
    await ann.click('#start-confirm');
    await ann.waitForSelector('#tools:not([hidden])', { timeout: 20000 });
    const cdp = await ann.createCDPSession();
    const box = await (await ann.$('#board')).boundingBox();
    const at = (i) => ({ x: box.x + 10 + (i % 100) * (box.width / 110), y: box.y + 10 + (Math.floor(i / 100) % 10) * 30 + (i % 2) * 8 });
    await cdp.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...at(0), button: 'left', clickCount: 1 });
    const moved = [];
    let next = now();
    for (let i = 1; i <= MOVES; i++) {
      next += 1000 / rate;
      await sleepUntil(next);
      moved.push(now());
      await cdp.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...at(i), button: 'left', buttons: 1 });
    }
    await cdp.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...at(MOVES), button: 'left', clickCount: 1 });
    await until(() => arrived.reduce((n, [, k]) => n + k, 0) >= MOVES, 'every point at the desktop');
    const latencies = [];
    let index = 0;
    for (const [when, count] of arrived) for (let k = 0; k < count && index < moved.length; k++) latencies.push(when - moved[index++]);
    report(`browser drawer to desktop, ${rate} moves/s`, latencies);
    dan.close();
  } finally {
    server.stop();
  }
}

async function desktopToBrowser(browser, rate) {
  const server = await startServer();
  try {
    const dan = new TcpPlayer('Dan');
    await dan.join(server.port);
    const context = await browser.createBrowserContext();
    const probe = await context.newPage();
    // Each stroke batch's arrival and the frame after the board drew it.
    await probe.evaluateOnNewDocument(() => {
      window.painted = [];
      const add = WebSocket.prototype.addEventListener;
      WebSocket.prototype.addEventListener = function wrapped(type, listener, options) {
        if (type !== 'message') return add.call(this, type, listener, options);
        return add.call(this, type, (event) => {
          listener(event);
          if (typeof event.data === 'string' && event.data.startsWith('CMD_draw+')) {
            const points = event.data.split('+').length - 6;
            requestAnimationFrame(() => window.painted.push([performance.timeOrigin + performance.now(), points]));
          }
        }, options);
      };
    });
    await probe.goto(server.url);
    await probe.type('#join-name', 'Bob');
    await probe.click('#join-button');
    await probe.waitForSelector('#game:not([hidden])');
    dan.send(`CMD_startgame+${dan.seat}+false+20+120`);
    await until(() => dan.has('CMD_givedraweranswer+'), 'Dan to draw', 30000);
    const seat = dan.seat;
    dan.send(`CMD_moveit+${seat}+clBlack+3+10+10`);
    const moved = [];
    let pending = [];
    let oldest = 0;
    const flush = () => {
      dan.send(`CMD_draw+${seat}+clBlack+3+${pending.map(([x, y]) => `+${x},${y}`).join('')}+`);
      pending = [];
    };
    let next = now();
    for (let i = 1; i <= MOVES; i++) {
      next += 1000 / rate;
      // The desktop board's timer sends a batch whose oldest point has waited 16 ms.
      while (now() < next) {
        if (pending.length && now() - oldest >= 16) flush();
        await new Promise((r) => setTimeout(r, 1));
      }
      moved.push(now());
      if (!pending.length) oldest = now();
      pending.push([10 + (i % 500), 10 + (Math.floor(i / 500) % 300)]);
      if (pending.length >= 11) flush();
    }
    if (pending.length) flush();
    const painted = await until(async () => {
      const seen = await probe.evaluate(() => window.painted);
      return seen.reduce((n, [, k]) => n + k, 0) >= MOVES ? seen : null;
    }, 'every point in the browser');
    const latencies = [];
    let index = 0;
    for (const [when, count] of painted) for (let k = 0; k < count && index < moved.length; k++) latencies.push(when - moved[index++]);
    report(`desktop drawer to browser, ${rate} moves/s`, latencies);
    dan.close();
    await context.close();
  } finally {
    server.stop();
  }
}

const browser = await launchBrowser();
try {
  for (const rate of [60, 125]) {
    await browserToDesktop(browser, rate);
    await desktopToBrowser(browser, rate);
  }
} finally {
  await browser.close();
}
