// SPDX-License-Identifier: GPL-3.0-or-later
// What every browser test shares: the built site served as scripts/web.sh serves it, a headless
// Chromium driven by puppeteer-core, and the page's console watched for errors.
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = dirname(fileURLToPath(import.meta.url));
export const site = resolve(process.env.KELVARO_SITE || join(here, '../../../build/web/site'));
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

export const desktop = { width: 1280, height: 800 };
export const phone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

function freePort() {
  return new Promise((done, fail) => {
    const probe = createServer();
    probe.once('error', fail);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => done(port));
    });
  });
}

// Python's own server on the site, as the README serves it; resolves once it answers.
async function serve() {
  if (!existsSync(join(site, 'kelvaro.wasm')))
    throw new Error(`no web build in ${site}: run scripts/web.sh --build-only`);
  const port = await freePort();
  const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', site],
                       { stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}/`;
  for (;;) {
    if (server.exitCode !== null)
      throw new Error('the web server did not start');
    try {
      if ((await fetch(url)).ok)
        return { server, url };
    } catch {}
    await new Promise((done) => setTimeout(done, 50));
  }
}

// One server and one browser for a test file; each test opens its own page (a fresh profile keeps
// nothing from an earlier run).
export async function launch() {
  const { server, url } = await serve();
  const profile = mkdtempSync(join(tmpdir(), 'kelvaro-browser-'));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--hide-scrollbars', '--autoplay-policy=no-user-gesture-required'],
  });
  return {
    url,
    browser,
    async close() {
      await browser.close();
      server.kill();
      rmSync(profile, { recursive: true, force: true });
    },
    // The site gone from the network, as for a phone offline; resolves once nothing answers there.
    async stopServer() {
      if (server.exitCode === null && server.signalCode === null) {
        const ended = new Promise((done) => server.once('exit', done));
        server.kill();
        await ended;
      }
    },
  };
}

// Opens the game at `view` and waits until it has started; `errors` collects what the page
// reports as an error (console errors, uncaught exceptions, failed requests). `prepare(page)`,
// if given, runs before the page is loaded (a browser's language, requests answered by the test).
export async function openGame(session, view = desktop, query = '', prepare = null) {
  const page = await session.browser.newPage();
  const errors = [];
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('response', (response) => { if (response.status() >= 400) errors.push(`${response.url()}: ${response.status()}`); });
  page.on('requestfailed', (request) => errors.push(`${request.url()}: ${request.failure()?.errorText}`));
  await page.setViewport(view);
  if (prepare)
    await prepare(page);
  await page.goto(session.url + query);
  await page.waitForFunction(() => window.Page && Page.ready);
  return { page, errors };
}

// The page's files kept: IndexedDB is written behind the game's back, a moment after the change.
export const kept = (page) => page.waitForFunction(() => !Module.kelvaroKeep || !(Module.kelvaroKeep.running || Module.kelvaroKeep.again));

// Reloads the page once what it has written is kept, as a player's reload a moment later would find it.
export async function reload(page) {
  await kept(page);
  await page.reload();
  await page.waitForFunction(() => window.Page && Page.ready);
}

export const probe = (page) => page.evaluate(() => Page.probe());

// Waits until the run's state satisfies `test(state, value)`, a function run in the page.
export async function waitForState(page, test, value) {
  await page.waitForFunction((code, v) => (0, eval)(code)(Page.probe(), v), { polling: 'raf' }, String(test), value);
  return probe(page);
}

// Stops the page's clock where it stands: from then on time moves only by runUntil.
export function freezeClock(page) {
  return page.evaluate(() => {
    window.testNow = Math.floor(performance.now());
    Page.testClock(testNow);
  });
}

// Moves the frozen clock on in the game's 25 ms steps until `test(state, value)` holds, at most
// `limit` milliseconds; the state then.
export async function runUntil(page, test, value, limit = 60000) {
  const reached = await page.evaluate((code, v, most) => {
    const holds = (0, eval)(code);
    for (let spent = 0; spent <= most; spent += 25) {
      if (holds(Page.probe(), v))
        return true;
      testNow += 25;
      Page.testClock(testNow);
    }
    return false;
  }, String(test), value, limit);
  if (!reached)
    throw new Error(`not reached in ${limit} ms of the game's time: ${test}`);
  return probe(page);
}

// Moves the frozen clock on by `milliseconds` of the game's time; the state then.
export async function runFor(page, milliseconds) {
  await page.evaluate((ms) => {
    for (let spent = 0; spent < ms; spent += 25) {
      testNow += 25;
      Page.testClock(testNow);
    }
  }, milliseconds);
  return probe(page);
}

// The texts of the visible labels over the scene, as the player reads them.
export function shownLabels(page) {
  return page.$$eval('#stage .label', (labels) => labels.filter((l) => !l.hidden).map((l) => l.textContent));
}

// Answers the open box: `text` typed into it if it asks for one, then its first button (OK, Yes);
// resolves once the game has the answer.
export async function answerBox(page, text) {
  await page.waitForSelector('#box[open]');
  if (text !== undefined)
    await page.type('#box-input', text);
  const answered = await page.evaluate(() => Page.boxesAnswered());
  await page.click('#box-buttons button');
  // The game hears the answer from the box's close event, a task after the box shuts: a frozen
  // clock moved on before then would run the game with the box still open.
  await page.waitForFunction((before) => Page.boxesAnswered() > before, {}, answered);
}

// A menu command as the player reaches it: on a phone the less used ones sit behind the menu button.
export async function menu(page, command) {
  const button = await page.$(`#menu button[data-command="${command}"]`);
  if (!(await button.isVisible()))
    await page.click('#more');
  await button.click();
}

// New game, level `number` typed into its box, and the start effect waited out.
export async function newGame(page, number) {
  await page.click('#menu button[data-command="newGame"]');
  await answerBox(page, String(number));
  await waitForState(page, (s, n) => s.inPlay && s.level === n, number);
}

// Walks or pushes one cell: the key held, on the frozen clock, until the move is done.
export async function step(page, key, ctrl) {
  const { moves } = await probe(page);
  if (ctrl)
    await page.keyboard.down('Control');
  await page.keyboard.down(key);
  await runUntil(page, (s, before) => s.moves > before || !s.inPlay, moves);
  await page.keyboard.up(key);
  if (ctrl)
    await page.keyboard.up('Control');
}

// Moves as kel_check --moves writes them (lower case walks, upper case pushes), on the frozen clock.
export async function play(page, moves) {
  const keys = { r: 'ArrowRight', l: 'ArrowLeft', u: 'ArrowUp', d: 'ArrowDown' };
  for (const move of moves)
    await step(page, keys[move.toLowerCase()], move !== move.toLowerCase());
}
