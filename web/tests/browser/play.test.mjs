// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the browser as a player meets it: it loads clean, New game plays a level, keys win it,
// the record and the solution it leaves survive a reload, the keys take back and redo, keys of the
// player's choosing play, and levels go to and come from the clipboard.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
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
  // The game's own keys again, for the tests after this one in the same browser.
  await page.click('#keys-sets button[data-set="3"]');
  await page.click('#keys-ok');
  await page.waitForSelector('#keys:not([open])');
  assert.deepEqual(errors, []);
});

test('Copy level puts the level\'s file on the clipboard; Paste level and Ctrl+V play a level pasted, and a damaged one is said', async () => {
  await session.browser.defaultBrowserContext().overridePermissions(session.url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const { page, errors } = await openGame(session);
  const levelFile = (n) => readFileSync(new URL(`../../../data/Maps/maze${n}.txt`, import.meta.url), 'latin1');
  const lines = (text) => text.replace(/\r\n/g, '\n').trimEnd();
  await freezeClock(page);  // the start effects run on the test's clock, at once
  await menu(page, 'newGame');
  await answerBox(page, '7');
  await runUntil(page, (s) => s.inPlay && s.level === 7);
  await menu(page, 'copyLevel');
  assert.equal(lines(await page.evaluate(() => navigator.clipboard.readText())), lines(levelFile(7)));
  // Ctrl+C is the page's copy event: the text goes into the event's own clipboard.
  const copied = await page.evaluate(() => {
    const event = new ClipboardEvent('copy', { clipboardData: new DataTransfer(), bubbles: true, cancelable: true });
    document.dispatchEvent(event);
    return { text: event.clipboardData.getData('text/plain'), taken: event.defaultPrevented };
  });
  assert.deepEqual({ ...copied, text: lines(copied.text) }, { text: lines(levelFile(7)), taken: true });

  // The menu's item reads the clipboard; Ctrl+V hands over its paste event's text.
  await page.evaluate((text) => navigator.clipboard.writeText(text), levelFile(1));
  await page.click('#paste-level');
  await page.waitForFunction(() => [...document.querySelectorAll('#stage .label')].some((l) => !l.hidden && l.textContent === 'LEVEL :'));
  await runUntil(page, (s) => s.inPlay);
  const pasteKeys = (text) => page.evaluate((t) => {
    const data = new DataTransfer();
    data.setData('text/plain', t);
    document.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  }, text);
  await pasteKeys('time 30\n#####\n#S*G+\n#####\n');
  await page.waitForSelector('#box[open]');
  assert.match(await page.$eval('#box-text', (t) => t.textContent), /line 3, column 5/);
  await answerBox(page);
  await play(page, 'rrrRrR');  // the pasted level 1 plays on
  assert.equal((await runUntil(page, (s) => !s.playing)).moves, 6);

  // A browser that keeps its clipboard from the page: the player is told to paste by the keys.
  await page.evaluate(() => Object.defineProperty(navigator, 'clipboard', { value: { readText: () => Promise.reject(new Error('denied')) } }));
  await page.click('#paste-level');
  await page.waitForSelector('#box[open]');
  assert.equal(await page.$eval('#box-text', (t) => t.textContent), 'The browser did not let the page read the clipboard. Press Ctrl+V to paste.');
  await answerBox(page);
  assert.deepEqual(errors, []);
});
