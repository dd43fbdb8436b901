// SPDX-License-Identifier: GPL-3.0-or-later
// The solver works in a Web Worker: a hint is answered later, off the page's thread, and a
// search the play overtook never shows.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { freezeClock, launch, newGame, openGame, probe, runUntil, step, waitForState } from './harness.mjs';

let session;
before(async () => { session = await launch(); });
after(() => session.close());

// Whether the overlay canvas holds anything drawn at the cell (the hint's outline).
function overlayMarked(page, x, y) {
  return page.evaluate((cx, cy) => {
    const overlay = document.getElementById('overlay');
    const f = overlay.width / 737;
    const pixels = overlay.getContext('2d').getImageData(cx * 32 * f, cy * 32 * f, 32 * f, 32 * f).data;
    return pixels.some((value, i) => i % 4 === 3 && value > 0);
  }, x, y);
}

test('Hint on level 1 is answered by the worker and outlines the next push, then hides', async () => {
  const { page, errors } = await openGame(session);
  await newGame(page, 1);
  await freezeClock(page);
  const start = await probe(page);
  // Asked and looked at in one task of the page: had the page searched itself, the outline
  // would be there already.
  const asked = await page.evaluate(() => {
    document.querySelector('#menu button[data-command="hint"]').click();
    return Page.probe();
  });
  assert.equal(asked.hint[0], false);
  assert.equal(asked.solving, 1);
  // Level 1 is won by rrrRrR: the first push is made three cells right of the start.
  const shown = await waitForState(page, (s) => s.hint[0]);
  assert.deepEqual(shown.hint, [true, start.x + 4, start.y, start.x + 3, start.y]);
  assert.equal(shown.solving, 0);
  assert.ok(await overlayMarked(page, start.x + 4, start.y));
  // It shows for two seconds of the game's time.
  await runUntil(page, (s) => !s.hint[0], undefined, 2100);
  assert.equal(await overlayMarked(page, start.x + 4, start.y), false);
  assert.deepEqual(errors, []);
});

test('a hint overtaken by a push never shows, and the fresh worker answers the next', async () => {
  const { page, errors } = await openGame(session);
  await newGame(page, 1);
  await freezeClock(page);
  for (let i = 0; i < 3; ++i)
    await step(page, 'ArrowRight');
  const before = await probe(page);
  // The hint is asked and the push made in the same task: the worker is still searching the
  // position before the push when the push cancels it.
  const pushed = await page.evaluate(() => {
    const key = (type, name) => window.dispatchEvent(new KeyboardEvent(type, { key: name }));
    document.querySelector('#menu button[data-command="hint"]').click();
    const moves = Page.probe().moves;
    key('keydown', 'Control');
    key('keydown', 'ArrowRight');
    for (let spent = 0; spent < 2000 && Page.probe().moves === moves; spent += 25) {
      testNow += 25;
      Page.testClock(testNow);
    }
    key('keyup', 'ArrowRight');
    key('keyup', 'Control');
    return Page.probe();
  });
  assert.equal(pushed.moves, before.moves + 1);
  assert.deepEqual(pushed.jewel, [before.x + 2, before.y]);
  // The push asks whether the new position can still be won; once the fresh worker has
  // answered that, no outline of the old position has come.
  const settled = await waitForState(page, (s) => s.solving === 0);
  assert.equal(settled.hint[0], false);
  assert.equal(await overlayMarked(page, before.x + 1, before.y), false);
  await page.click('#menu button[data-command="hint"]');
  const shown = await waitForState(page, (s) => s.hint[0]);
  assert.deepEqual(shown.hint, [true, before.x + 2, before.y, before.x + 1, before.y]);
  assert.deepEqual(errors, []);
});

test('the forge\'s module forges the level of a code in a worker of its own, reporting its progress', async () => {
  const { page, errors } = await openGame(session);
  const reports = await page.evaluate(() => new Promise((done) => {
    const heard = [];
    const worker = new Worker('kelvaro_forge.js');
    worker.onmessage = (event) => {
      heard.push(event.data);
      if (event.data.startsWith('forged')) {
        worker.terminate();
        done(heard);
      }
    };
    worker.postMessage('forge 7 code 0 42');
  }));
  const outcome = reports.pop().split(' ');
  assert.deepEqual(outcome.slice(0, 5), ['forged', '7', '1', '0', '42']);
  // A quick forge may spend too little of its budget to report any.
  const shares = reports.map((report) => Number(report.match(/^progress 7 (\d+)$/)[1]));
  assert.deepEqual(shares, [...shares].sort((a, b) => a - b));
  assert.deepEqual(errors, []);
});
