// SPDX-License-Identifier: GPL-3.0-or-later
// The page's boxes and windows as on the desktop: Help and About with the core's lines, Records as
// its table, and the level chooser by keys and by touch, on a desktop's screen and a phone's.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { answerBox, desktop, freezeClock, launch, menu, newGame, openGame, phone, play, probe, waitForState } from './harness.mjs';

let session;
before(async () => { session = await launch(); });
after(() => session.close());

// KELVARO_SHOTS=folder keeps a screenshot of each window for a look by eye.
async function shot(page, name) {
  if (process.env.KELVARO_SHOTS)
    await page.screenshot({ path: join(process.env.KELVARO_SHOTS, `${name}.png`) });
}

// Level 1 won with its shortest solution on the frozen clock: lower case walks, upper case pushes.
async function winLevel1(page) {
  await newGame(page, 1);
  await freezeClock(page);
  await play(page, 'rrrRrR');
  await waitForState(page, (s) => !s.playing);
}

// A table as the player reads it: the headings, then each row's cells.
function tableText(page, selector) {
  return page.$eval(selector, (table) => [...table.rows].map((row) => [...row.cells].map((cell) => cell.textContent)));
}

function tileTexts(page) {
  return page.$$eval('#chooser-levels .tile', (tiles) => tiles.map((tile) => tile.getAttribute('aria-label')));
}

test('Help and About show their lines under their titles, and OK closes them', async () => {
  const { page, errors } = await openGame(session);
  await menu(page, 'help');
  await page.waitForSelector('#box.text-window[open]');
  assert.equal(await page.$eval('#box-title', (title) => title.textContent), 'HELP');
  const help = await page.$eval('#box-text', (text) => text.textContent.split('\n'));
  assert.deepEqual(help, ['', '  This is simple:', '  Move Kelvaro using the arrow keys.',
                          '  Use the Ctrl key to push the obstacles.', "  If you move the ball on the 'goal' point",
                          '  before time expires,you win!']);
  await shot(page, 'help-desktop');
  await answerBox(page);

  // A page of its own: a phone's touch screen is set up by loading the page anew.
  const { page: small, errors: smallErrors } = await openGame(session, phone);
  await menu(small, 'about');
  await small.waitForSelector('#box.text-window[open]');
  assert.equal(await small.$eval('#box-title', (title) => title.textContent), 'About Kelvaro');
  assert.match(await small.$eval('#box-text', (text) => text.textContent), /^Kelvaro 1\.0 - a push puzzle for the desktop\n/);
  const width = await small.$eval('#box', (box) => box.getBoundingClientRect().right);
  assert.ok(width <= phone.width, `the box ends at ${width}`);
  await shot(small, 'about-phone');
  await answerBox(small);
  assert.deepEqual(errors, []);
  assert.deepEqual(smallErrors, []);
});

test('Records shows level 1 won in the desktop table, and the daily puzzles\' tally', async () => {
  const { page, errors } = await openGame(session);
  await winLevel1(page);
  const { timeleft } = await probe(page);
  await menu(page, 'records');
  await page.waitForSelector('#records[open]');
  assert.equal(await page.$eval('#records-title', (title) => title.textContent), 'Records');
  const levels = await tableText(page, '#records-levels table');
  assert.deepEqual(levels[0], ['Level', 'Solved', 'Best time left', 'Fewest actions', 'Par']);
  assert.equal(levels.length, 51);  // the shipped set's 50 levels
  assert.deepEqual(levels[1].slice(0, 4), ['1', 'yes', String(timeleft), '6']);
  assert.deepEqual(levels[2].slice(0, 4), ['2', 'no', '', '']);
  await shot(page, 'records-desktop');

  await page.click('#records-tabs [data-pane="records-daily"]');
  assert.equal(await page.$eval('#records-tally', (tally) => tally.textContent),
               '0 days solved\nCurrent run: 0 days\nLongest run: 0 days');
  assert.deepEqual(await tableText(page, '#records-daily table'), [['Day', 'Best time left', 'Fewest actions']]);
  await page.click('#records .box-buttons button');
  await page.waitForSelector('#records:not([open])');
  assert.deepEqual(errors, []);
});

test('the chooser plays a level by arrows and Enter, and Esc closes it', async () => {
  const { page, errors } = await openGame(session);
  await newGame(page, 1);
  await menu(page, 'chooseLevel');
  await page.waitForSelector('#chooser[open]');
  assert.equal(await page.$eval('#chooser-title', (title) => title.textContent), 'Choose level');
  assert.equal(await page.$eval('#chooser-play', (play) => play.textContent), 'Play');
  assert.match(await page.$eval('#chooser-info', (info) => info.textContent), /\n50 levels, numbered 1 to 50$/);
  const tiles = await tileTexts(page);
  assert.equal(tiles.length, 50);
  assert.match(tiles[1], /^2: not solved, best time left –, fewest actions –, par /);
  // The level in play is the one in focus, drawn by the core.
  assert.equal(await page.evaluate(() => document.activeElement.dataset.number), '1');
  assert.ok(await page.$eval('#chooser-levels .tile canvas', (c) => c.width > 0 && c.width <= 136 && c.height <= 128));
  // Pars come in while it is open (level 1, won before in this browser, says its solution is kept).
  await page.waitForFunction(() => /par \d+(, solution kept)?$/.test(document.querySelector('#chooser-levels .tile').getAttribute('aria-label')));
  await shot(page, 'chooser-desktop');

  await page.keyboard.press('ArrowRight');
  assert.equal(await page.evaluate(() => document.activeElement.dataset.number), '2');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#chooser:not([open])');
  await waitForState(page, (s) => s.level === 2 && s.inPlay);

  await menu(page, 'chooseLevel');
  await page.waitForSelector('#chooser[open]');
  assert.equal(await page.evaluate(() => document.activeElement.dataset.number), '2');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Escape');
  await page.waitForSelector('#chooser:not([open])');
  assert.equal((await probe(page)).level, 2);

  assert.deepEqual(errors, []);
});

test('on a phone the chooser fits the screen and a tap on a level plays it', async () => {
  const { page, errors } = await openGame(session, phone);
  await newGame(page, 2);
  await menu(page, 'chooseLevel');
  await page.waitForSelector('#chooser[open]');
  assert.equal(await page.evaluate(() => document.activeElement.dataset.number), '2');
  const box = await page.$eval('#chooser', (chooser) => {
    const r = chooser.getBoundingClientRect();
    return { left: r.left, right: r.right, top: r.top, bottom: r.bottom };
  });
  assert.ok(box.left >= 0 && box.right <= phone.width && box.top >= 0 && box.bottom <= phone.height, JSON.stringify(box));
  await shot(page, 'chooser-phone');
  await page.tap('#chooser-levels .tile[data-number="3"]');
  await page.waitForSelector('#chooser:not([open])');
  await waitForState(page, (s) => s.level === 3 && s.inPlay);

  await menu(page, 'records');
  await page.waitForSelector('#records[open]');
  const right = await page.$eval('#records', (records) => records.getBoundingClientRect().right);
  assert.ok(right <= phone.width, `Records end at ${right}`);
  await shot(page, 'records-phone');
  await page.tap('#records .box-buttons button');
  await page.waitForSelector('#records:not([open])');
  assert.deepEqual(errors, []);
});
