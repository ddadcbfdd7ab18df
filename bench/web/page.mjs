// The browser client's weight and speed on the real server over the loopback: the bytes the page
// loads (uncompressed), when the join screen is painted after the request, and how long from
// pressing Join until the player is seated. Median of ten fresh page loads.
// Run: node bench/web/page.mjs (after scripts/build.sh and npm ci in tests/web).
import { startServer, launchBrowser } from '../../tests/web/support.mjs';

const RUNS = 10;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const server = await startServer();
const browser = await launchBrowser();
try {
  const bytes = [];
  const painted = [];
  const seated = [];
  for (let run = 0; run < RUNS; run++) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    let loaded = 0;
    page.on('response', (response) => {
      loaded += Number(response.headers()['content-length'] ?? 0);
    });
    await page.goto(server.url, { waitUntil: 'networkidle0' });
    painted.push(await page.evaluate(() => performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN));
    bytes.push(loaded);
    await page.type('#join-name', `P${run}`);
    const took = await page.evaluate(
      () =>
        new Promise((resolve) => {
          const game = document.getElementById('game');
          const start = performance.now();
          new MutationObserver(() => {
            if (!game.hidden) resolve(performance.now() - start);
          }).observe(game, { attributes: true });
          document.getElementById('join-button').click();
        }),
    );
    seated.push(took);
    await context.close();
  }
  console.log(`page weight                       ${(median(bytes) / 1024).toFixed(1)} KiB (limit 200 KB)`);
  console.log(`join screen painted after request ${median(painted).toFixed(0)} ms (limit 300 ms)`);
  console.log(`seated after Join                 ${median(seated).toFixed(0)} ms (limit 100 ms)`);
} finally {
  await browser.close();
  server.stop();
}
