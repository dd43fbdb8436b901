// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the browser as a player meets it: it loads clean, New game plays a level, keys win it,
// the record and the solution it leaves survive a reload, the keys take back and redo, and keys of
// the player's choosing play.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { answerBox, freezeClock, launch, menu, newGame, openGame, play, probe, reload, runUntil, shownLabels, step, waitForState } from './harness.mjs';

let session;
before(async () => { session = await launch(); });
after(() => session.close());

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

  await reload(page);
  await page.click('#menu button[data-command="records"]');
  await page.waitForSelector('#records[open]');
  const level1 = await page.$eval('#records-levels tbody tr', (row) => [...row.cells].map((cell) => cell.textContent));
  assert.deepEqual(level1.slice(0, 2), ['1', 'yes']);
  await page.click('#records .box-buttons button');
  await page.waitForSelector('#records:not([open])');
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

test('sound: fetched at the first touch, music with the level, the audio context at rest once all is silent', async () => {
  const { page, errors } = await openGame(session);
  assert.equal((await page.evaluate(() => PageAudio.state())).context, 'none');
  await page.keyboard.press('Shift');
  await page.waitForFunction(() => PageAudio.loaded() === 7);
  await newGame(page, 1);
  await page.waitForFunction(() => PageAudio.state().context === 'running' && PageAudio.state().playing > 0);
  await menu(page, 'sound');
  await page.waitForFunction(() => PageAudio.state().playing === 0 && PageAudio.state().context === 'suspended');
  await menu(page, 'sound');
  await page.keyboard.press('F3');
  await answerBox(page);
  await page.waitForFunction(() => PageAudio.state().context === 'running' && PageAudio.state().playing > 0);
  assert.deepEqual(errors, []);
});

test('Shift+Backspace and Shift+U redo what Backspace and U took back; the win\'s moves, kept over a reload, replay to WINNER!', async () => {
  const { page, errors } = await openGame(session);
  await newGame(page, 1);
  await freezeClock(page);
  await play(page, 'rrr');
  const walked = await probe(page);
  for (const [back, again] of [['Backspace', 'Backspace'], ['u', 'U']]) {
    await page.keyboard.press(back);
    await runUntil(page, (s, before) => s.moves === before.moves - 1 && s.x === before.x - 1, walked);
    await page.keyboard.down('Shift');
    await page.keyboard.press(again);
    await page.keyboard.up('Shift');
    await runUntil(page, (s, before) => s.moves === before.moves && s.x === before.x, walked);
  }
  await play(page, 'RrR');
  await runUntil(page, (s) => !s.playing);
  await reload(page);
  await newGame(page, 1);
  await freezeClock(page);
  await menu(page, 'replay');
  const won = await runUntil(page, (s) => !s.playing, undefined, 20000);
  assert.equal(won.moves, 6);
  assert.ok((await shownLabels(page)).includes('WINNER!'));
  assert.deepEqual(errors, []);
});

test('Keys: WASD chosen in the box walks with D and pushes with Space+D, and is kept over a reload', async () => {
  const { page, errors } = await openGame(session);
  const slot = (action, n) => page.$eval(`[data-slot="${action}:${n}"]`, (b) => b.textContent);
  await menu(page, 'keys');
  await page.waitForSelector('#keys[open]');
  await page.click('#keys-sets button[data-set="1"]');
  await page.click('[data-slot="8:1"]');
  await page.keyboard.press('KeyD');
  await page.click('#keys-ok');
  await page.waitForFunction(() => !document.getElementById('keys-refusal').hidden);
  assert.equal(await page.$eval('#keys-refusal', (p) => p.textContent), 'The key D is chosen for both Walk right and Hint.');
  await page.click('[data-slot="8:1"]');
  await page.keyboard.press('KeyG');
  assert.equal(await slot(8, 1), 'G');
  await page.click('#keys-ok');
  await page.waitForSelector('#keys:not([open])');

  await newGame(page, 1);
  await freezeClock(page);
  for (const move of 'rrrRrR') {
    const { moves } = await probe(page);
    const push = move === 'R';
    if (push)
      await page.keyboard.down('Space');
    await page.keyboard.down('KeyD');
    await runUntil(page, (s, before) => s.moves > before || !s.inPlay, moves);
    await page.keyboard.up('KeyD');
    if (push)
      await page.keyboard.up('Space');
  }
  await runUntil(page, (s) => !s.playing);
  assert.ok((await shownLabels(page)).includes('WINNER!'));

  await reload(page);
  await menu(page, 'help');
  await page.waitForSelector('#box[open]');
  assert.match(await page.$eval('#box-text', (p) => p.textContent), /Move Kelvaro using the W A S D keys\./);
  await answerBox(page);
  await menu(page, 'keys');
  await page.waitForSelector('#keys[open]');
  assert.deepEqual([await slot(0, 0), await slot(1, 0), await slot(2, 0), await slot(3, 0), await slot(4, 0), await slot(8, 1)],
                   ['A', 'D', 'W', 'S', 'Space', 'G']);
  await page.click('#keys .box-buttons button[value="0"]');
  await page.waitForSelector('#keys:not([open])');
  assert.deepEqual(errors, []);
});
