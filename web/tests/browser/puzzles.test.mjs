// SPDX-License-Identifier: GPL-3.0-or-later
// Generated and daily puzzles in the browser: the same levels as the desktop's level_forge writes,
// won with kel_check's moves, shared, kept over a reload, and a long forge cancelled while the page answers.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { answerBox, freezeClock, kept, launch, menu, newGame, openGame, play, probe, runUntil, step, waitForState } from './harness.mjs';

const here = dirname(fileURLToPath(import.meta.url));
// The desktop's tools of the default build (KELVARO_BUILD names another build folder).
const build = resolve(process.env.KELVARO_BUILD || join(here, '../../../build/default'));
const tools = { level_forge: join(build, 'tools/level_forge'), kel_check: join(build, 'app/kel_check') };

let session, scratch;
before(async () => {
  session = await launch();
  scratch = mkdtempSync(join(tmpdir(), 'kelvaro-puzzles-'));
});
after(() => {
  rmSync(scratch, { recursive: true, force: true });
  return session.close();
});

function run(program, args) {
  const done = spawnSync(tools[program], args, { encoding: 'utf8' });
  assert.equal(done.status, 0, `${program} ${args.join(' ')}: ${done.error || done.stderr}`);
  return done.stdout;
}

// The desktop's level file of a code or a day ('--code', 'E-00042' or '--daily', '2026-12-08'),
// its code, and a shortest solution as kel_check finds it.
function desktopPuzzle(kind, what) {
  const file = join(scratch, `${what}.txt`);
  const said = run('level_forge', [kind, what, file]);
  const moves = run('kel_check', ['--moves', file]).match(/^\s*moves\s+([rludRLUD]+)\s*$/m);
  assert.ok(moves, `no moves for ${what}`);
  return { code: said.match(/\b[EMHX]-\d{5}\b/)[0], bytes: readFileSync(file, 'utf8'), moves: moves[1] };
}

// The puzzle forged and its start effect waited out on the frozen clock.
async function puzzlePlayed(page) {
  await page.waitForFunction(() => Page.puzzleFile() !== '' && !document.querySelector('#progress').open);
  return runUntil(page, (s) => s.inPlay);
}

async function won(page) {
  await page.waitForFunction(() => [...document.querySelectorAll('#stage .label')]
    .some((l) => !l.hidden && l.textContent === 'WINNER!'));
}

test('the daily puzzle of a day is the desktop\'s; once won, Share gives its line, shared or copied', async () => {
  const desktop = desktopPuzzle('--daily', '2026-12-08');
  const { page, errors } = await openGame(session);
  await page.evaluate(() => Page.testDay(2026, 12, 8));
  await freezeClock(page);
  assert.equal(await page.$eval('#share', (b) => b.hidden), true);
  await menu(page, 'daily');
  await puzzlePlayed(page);
  assert.equal(await page.evaluate(() => Page.puzzleFile()), desktop.bytes);
  assert.equal(await page.title(), `KELVARO — ${desktop.code}`);
  await play(page, desktop.moves);
  await won(page);
  const { timeleft } = await probe(page);
  const line = `Kelvaro daily 2026-12-08 (${desktop.code}): solved, ${timeleft} s left, ` +
               `${desktop.moves.length} actions (par ${desktop.moves.length})`;

  // Without the Web Share API the line goes to the clipboard, and the page says so.
  const copied = await page.evaluate(async () => {
    Object.defineProperty(navigator, 'share', { value: undefined, configurable: true });
    const written = [];
    Object.defineProperty(navigator, 'clipboard', { value: { writeText: async (text) => { written.push(text); } },
                                                   configurable: true });
    document.getElementById('share').click();
    await new Promise((done) => setTimeout(done));
    return { written, said: document.getElementById('share-said').textContent,
             shown: !document.getElementById('share-said').hidden };
  });
  assert.deepEqual(copied, { written: [line], said: 'Copied', shown: true });
  const shared = await page.evaluate(async () => {
    const sheets = [];
    Object.defineProperty(navigator, 'share', { value: async (data) => { sheets.push(data); }, configurable: true });
    document.getElementById('share').click();
    return sheets;
  });
  assert.deepEqual(shared, [{ text: line }]);
  assert.equal(await page.$eval('#share', (b) => b.textContent), 'Share');

  // The Records window's daily pane has the day.
  await menu(page, 'records');
  await page.waitForSelector('#records[open]');
  const day = await page.$eval('#records-daily tbody tr', (row) => row.cells[0].textContent);
  assert.equal(day, '2026-12-08');
  assert.match(await page.$eval('#records-tally', (p) => p.textContent), /Current run: 1 day/);
  await page.click('#records .box-buttons button');
  await page.waitForSelector('#records:not([open])');
  assert.deepEqual(errors, []);
});

test('a code in the address opens its puzzle; won with kel_check\'s moves and kept, the chooser has it after a reload', async () => {
  const desktop = desktopPuzzle('--code', 'E-00042');
  const { page, errors } = await openGame(session, undefined, '?code=E-00042');
  await freezeClock(page);
  await puzzlePlayed(page);
  assert.equal(await page.evaluate(() => Page.puzzleFile()), desktop.bytes);
  assert.equal(await page.title(), 'KELVARO — E-00042');
  assert.equal(await page.$eval('#menu [data-command="keepLevel"]', (b) => b.disabled), true);
  await play(page, desktop.moves);
  await won(page);
  assert.equal(await page.$eval('#share', (b) => b.hidden), true);  // no daily puzzle
  await menu(page, 'keepLevel');
  await page.waitForSelector('#box[open]');
  assert.match(await page.$eval('#box-text', (p) => p.textContent), /^The level E-00042 is kept as /);
  await answerBox(page);
  await kept(page);

  await page.goto(session.url + '#E-00001');
  await page.waitForFunction(() => window.Page && Page.ready);
  await freezeClock(page);
  await page.waitForFunction(() => document.title === 'KELVARO — E-00001');
  await runUntil(page, (s) => s.inPlay);
  await menu(page, 'chooseLevel');
  await page.waitForSelector('#chooser[open]');
  const sets = await page.$$eval('#chooser-sets option', (options) => options.map((o) => o.textContent));
  const generated = sets.findIndex((name) => name.startsWith('Generated'));
  assert.notEqual(generated, -1, sets.join(', '));
  await page.select('#chooser-sets', String(generated));
  await page.waitForFunction(() => document.querySelectorAll('#chooser-levels .tile').length === 1);
  assert.match(await page.$eval('#chooser-levels .tile', (t) => t.title), /maze1\.txt/);
  assert.deepEqual(errors, []);
});

test('Cancel during an Expert forge: the page answers all along, and plays on, taking back a move', async () => {
  const { page, errors } = await openGame(session);
  await menu(page, 'generated');
  await page.waitForSelector('#puzzle[open]');
  await page.select('#puzzle-grade', '3');
  await page.type('#puzzle-code', 'X-00005');
  await page.click('#puzzle .box-buttons button[value="1"]');
  await page.waitForSelector('#progress[open]');
  // The forge runs in its worker: the page's probe answers while it works.
  const asked = Date.now();
  assert.equal((await probe(page)).inPlay, false);
  const answeredIn = Date.now() - asked;
  await page.click('#progress .box-buttons button');
  await page.waitForSelector('#progress:not([open])');
  assert.equal(await page.title(), 'KELVARO');
  await newGame(page, 1);
  await freezeClock(page);
  await step(page, 'ArrowRight');
  assert.equal((await probe(page)).moves, 1);
  await page.click('#menu button[data-character="8"]');  // Take back
  await runUntil(page, (s) => s.moves === 0);
  // A cancelled forge's worker is gone: the next puzzle comes from a fresh one.
  await menu(page, 'generated');
  await page.waitForSelector('#puzzle[open]');
  await page.type('#puzzle-code', 'E-00003');
  await page.click('#puzzle .box-buttons button[value="1"]');
  await page.waitForFunction(() => document.title === 'KELVARO — E-00003');
  console.log(`the probe answered in ${answeredIn} ms during the forge`);
  assert.deepEqual(errors, []);
});
