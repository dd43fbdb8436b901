// SPDX-License-Identifier: GPL-3.0-or-later
// The web game's figures in headless Chromium: what a first visit transfers (gzip) up to the first
// playable frame, how soon that frame shows, the page's CPU in play with no key held and idle,
// and the step pace with a key held. Run after scripts/web.sh --build-only:
//   node bench/web_bench.mjs [--loads N]
import { readFileSync, statSync } from 'node:fs';
import { basename, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { answerBox, desktop, launch, newGame, openGame, site } from '../web/tests/browser/harness.mjs';

const loads = Number(process.argv[process.argv.indexOf('--loads') + 1]) || 7;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

// Every file a first visit asks for before the first playable frame, and the short sounds, which
// the page fetches at the player's first touch; the music comes after, on its own.
async function transferred(session) {
  const page = await session.browser.newPage();
  const files = new Set();
  page.on('request', (request) => files.add(new URL(request.url()).pathname.slice(1) || 'index.html'));
  await page.goto(session.url);
  await page.waitForFunction(() => window.Page && Page.ready);
  await page.close();
  const sounds = ['hurryup', 'lose', 'moving', 'ready', 'sfyrixtra', 'win'].map((s) => `sounds/${s}.wav`);
  let total = 0;
  const rows = [...files, ...sounds].map((file) => {
    const zipped = gzipSync(readFileSync(join(site, file)), { level: 9 }).length;
    total += zipped;
    return `  ${file.padEnd(22)} ${kb(statSync(join(site, file)).size).padStart(10)} ${kb(zipped).padStart(10)} gzip`;
  });
  console.log(`Up to the first playable frame, with the short sounds:\n${rows.join('\n')}`);
  console.log(`  total ${kb(total)} gzip (goal: at most 1536 KB)`);
  for (const music of ['music.ogg', 'music.wav'])
    console.log(`  after it: sounds/${music} ${kb(gzipSync(readFileSync(join(site, 'sounds', music))).length)} gzip`);
}

// Navigation to the first frame drawn, each load with an empty cache.
async function firstFrame(session) {
  const times = [];
  for (let i = 0; i < loads; ++i) {
    const page = await session.browser.newPage();
    await page.setCacheEnabled(false);
    await page.setBypassServiceWorker(true);  // the first load's worker would serve the others from its cache
    await page.setViewport(desktop);
    await page.goto(session.url);
    await page.waitForFunction(() => window.Page && Page.ready);
    times.push(await page.evaluate(() => new Promise((shown) => requestAnimationFrame(() => shown(performance.now())))));
    await page.close();
  }
  console.log(`First playable frame after navigation: median ${median(times).toFixed(0)} ms of ${loads} loads ` +
              `(min ${Math.min(...times).toFixed(0)}, max ${Math.max(...times).toFixed(0)}; goal: at most 1500 ms)`);
}

// Processor time of Chromium's processes over `seconds`, in % of a core: the page's renderer, and
// all of them (the browser and GPU processes draw and composite what the page shows).
async function cpu(session, seconds) {
  const client = await session.browser.target().createCDPSession();
  const times = async () => {
    const { processInfo } = await client.send('SystemInfo.getProcessInfo');
    const sum = (list) => list.reduce((total, p) => total + p.cpuTime, 0);
    return { renderer: sum(processInfo.filter((p) => p.type === 'renderer')), all: sum(processInfo) };
  };
  const before = await times();
  await new Promise((done) => setTimeout(done, seconds * 1000));
  const after = await times();
  await client.detach();
  const share = (key) => ((after[key] - before[key]) / seconds * 100).toFixed(2);
  return `${share('renderer')} % of a core in the page's renderer, ${share('all')} % in all Chromium's processes`;
}

// What any page costs Chromium for a word whose colour changes ten times a second, as the
// waiting banner's does: the floor under the idle figure.
async function floor(session) {
  const page = await session.browser.newPage();
  await page.goto('data:text/html,<b id=word>Waiting</b>');
  await page.evaluate(() => {
    let n = 0;
    setInterval(() => { document.getElementById('word').style.color = ++n % 2 ? 'red' : 'green'; }, 100);
  });
  await new Promise((done) => setTimeout(done, 3000));
  console.log(`CPU, a bare page changing a word's colour ten times a second: ${await cpu(session, 10)}`);
  await page.close();
}

async function loop(session) {
  const { page } = await openGame(session);
  // Measured once the start-up's work is over: the module's optimising compile, the sounds, and
  // the par and lost-position searches a level starts in the solver's worker.
  const settled = async () => {
    await new Promise((done) => setTimeout(done, 3000));
    await page.waitForFunction(() => Page.probe().solving === 0, { timeout: 60000 });
  };
  await settled();
  console.log(`CPU, idle before a game: ${await cpu(session, 10)}`);
  await newGame(page, 1);
  await settled();
  console.log(`CPU, level 1 in play, no key held, the music playing: ${await cpu(session, 10)}`);
  // Level 1 gives 20 s: each phase starts it again.
  const restart = async () => {
    await page.keyboard.press('F3');
    await answerBox(page);
    await page.waitForFunction(() => Page.probe().inPlay && Page.probe().moves === 0);
  };
  await page.click('#menu button[data-command="sound"]');
  await restart();
  await settled();
  console.log(`CPU, the same with Sound off: ${await cpu(session, 10)}`);
  await restart();
  // Back and forth between the start and the jewel, a key held all the while.
  await page.evaluate(() => { Page.wakes = []; });
  for (let i = 0; i < 4; ++i) {
    for (const key of ['ArrowRight', 'ArrowLeft']) {
      await page.keyboard.down(key);
      await new Promise((done) => setTimeout(done, 700));
      await page.keyboard.up(key);
    }
  }
  const wakes = await page.evaluate(() => Page.wakes);
  const gaps = wakes.slice(1).map((t, i) => t - wakes[i]);
  const mean = gaps.reduce((a, b) => a + b, 0) / gaps.length;
  console.log(`Step pace with a key held: median ${median(gaps).toFixed(1)} ms, mean ${mean.toFixed(1)} ms, over ` +
              `${gaps.length} wake-ups (goal: 25 ms)`);
  await page.close();
}

const session = await launch();
try {
  console.log(`Site: ${site}\n`);
  await transferred(session);
  await firstFrame(session);
  await loop(session);
  await floor(session);
} finally {
  await session.close();
}
