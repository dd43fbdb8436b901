// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the browser as a player meets it: it loads clean, New game plays a level, keys win it,
// and the record it leaves survives a reload.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { answerBox, freezeClock, launch, newGame, openGame, probe, runUntil, shownLabels, step, waitForState } from './harness.mjs';

let session;
before(async () => { session = await launch(); });
after(() => session.close());

// Level 1's shortest solution, as kel_check --moves gives it: lower case walks, upper case pushes.
async function play(page, moves) {
  const keys = { r: 'ArrowRight', l: 'ArrowLeft', u: 'ArrowUp', d: 'ArrowDown' };
  for (const move of moves)
    await step(page, keys[move.toLowerCase()], move !== move.toLowerCase());
}

test('the page loads clean, New game plays level 1 and keys win it, the record kept over a reload', async () => {
  const { page, errors } = await openGame(session);
  assert.deepEqual(await shownLabels(page), ['LEVEL :', 'TIME :', 'Waiting to play ...', 'P = PAUSE']);
  await newGame(page, 1);
  assert.ok((await shownLabels(page)).includes('LEVEL : 1'));
  await freezeClock(page);
  await play(page, 'rrrRrR');
  await page.waitForFunction(() => [...document.querySelectorAll('#stage .label')]
    .some((l) => !l.hidden && l.textContent === 'WINNER!'));
  assert.equal((await probe(page)).playing, false);

  await page.reload();
  await page.waitForFunction(() => window.Page && Page.ready);
  await page.click('#menu button[data-command="records"]');
  await page.waitForSelector('#box[open]');
  const records = await page.$eval('#box-text', (text) => text.textContent);
  assert.match(records, /\b1\b/);
  await answerBox(page);
  assert.deepEqual(errors, []);
});

test('the desktop\'s menu keys: F2 asks for a level, F3 and F4 ask first, then restart and end it', async () => {
  const { page, errors } = await openGame(session);
  await page.keyboard.press('F2');
  await answerBox(page, '2');
  await waitForState(page, (s) => s.inPlay && s.level === 2);
  await freezeClock(page);
  await step(page, 'ArrowRight');
  await page.keyboard.press('F3');
  assert.match(await page.$eval('#box-title', (title) => title.textContent), /restart/i);
  await answerBox(page);
  await runUntil(page, (s) => s.inPlay && s.moves === 0);
  await page.keyboard.press('F4');
  await answerBox(page);
  await runUntil(page, (s) => !s.playing);
  assert.deepEqual(errors, []);
});
