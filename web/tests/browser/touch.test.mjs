// SPDX-License-Identifier: GPL-3.0-or-later
// The game played by touch on a phone: taps walk and push through the pointer plan, swipes walk,
// the page neither scrolls nor zooms, and its layout fits a phone upright and lying down.
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { desktop, freezeClock, launch, newGame, openGame, phone, probe, runFor, runUntil } from './harness.mjs';

const landscape = { ...phone, width: 844, height: 390, isLandscape: true };
const shots = process.env.KELVARO_SHOTS;  // a folder to keep screenshots in, for a look by eye

let session;
before(async () => { session = await launch(); });
after(() => session.close());

async function shoot(page, name) {
  if (!shots)
    return;
  mkdirSync(shots, { recursive: true });
  await page.screenshot({ path: `${shots}/${name}.png` });
}

// The centre of the playfield's cell (x, y) in the page's CSS pixels.
function cellCentre(page, x, y) {
  return page.$eval('#stage', (stage, cx, cy) => {
    const box = stage.getBoundingClientRect(), k = box.width / 737;
    return { x: box.left + (cx + 0.5) * 32 * k, y: box.top + (cy + 0.5) * 32 * k };
  }, x, y);
}

async function tap(page, x, y) {
  const at = await cellCentre(page, x, y);
  await page.touchscreen.tap(at.x, at.y);
}

// A finger put down on cell (x, y) and drawn `dx`, `dy` CSS pixels in a few moves; lifted unless `hold`.
async function swipe(page, x, y, dx, dy, hold) {
  const at = await cellCentre(page, x, y);
  await page.touchscreen.touchStart(at.x, at.y);
  for (let i = 1; i <= 4; ++i)
    await page.touchscreen.touchMove(at.x + dx * i / 4, at.y + dy * i / 4);
  if (hold)
    await delivered(page);
  else
    await page.touchscreen.touchEnd();
  return { x: at.x + dx, y: at.y + dy };
}

// Chromium hands the page a finger's moves with its next frame: once one has been drawn, the page
// has seen them.
function delivered(page) {
  return page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
}

// Two fingers spread apart over `selector`, as a pinch to zoom in.
async function pinch(page, selector) {
  const client = await page.createCDPSession();
  const box = await page.$eval(selector, (e) => { const r = e.getBoundingClientRect(); return { x: r.left + r.width / 2, y: r.top + r.height / 2 }; });
  const points = (d) => [{ x: box.x - d, y: box.y, id: 1 }, { x: box.x + d, y: box.y, id: 2 }];
  await client.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: points(10) });
  for (let d = 20; d <= 120; d += 20)
    await client.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: points(d) });
  await client.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await client.detach();
}

const still = (page) => page.evaluate(() => ({ scrollY: window.scrollY, scrollX: window.scrollX, scale: visualViewport.scale }));

test('taps walk and push, swipes walk one cell or on while held, and level 1 is won by taps alone', async () => {
  const { page, errors } = await openGame(session, phone);
  await newGame(page, 1);
  await freezeClock(page);
  const start = await probe(page);

  // A swipe right walks one cell, and only one; the finger back where it began walks back.
  await swipe(page, start.x, start.y, 40, 0);
  let now = await runFor(page, 1000);
  assert.deepEqual([now.x, now.y, now.moves], [start.x + 1, start.y, 1]);
  await shoot(page, 'phone-play');
  // Swiped in the room below the scene, where a tap does nothing.
  const below = await page.$eval('#pad', (pad) => { const r = pad.getBoundingClientRect(); return { x: r.left + 20, y: r.top + 20 }; });
  await page.touchscreen.tap(below.x, below.y);
  await page.touchscreen.touchStart(below.x + 40, below.y);
  await page.touchscreen.touchMove(below.x + 10, below.y + 5);
  await page.touchscreen.touchMove(below.x, below.y + 5);
  await page.touchscreen.touchEnd();
  now = await runFor(page, 1000);
  assert.deepEqual([now.x, now.y, now.moves], [start.x, start.y, 2]);

  // Held at its end, a swipe walks on; turned back, it walks back; lifted, the walk under way
  // ends on its cell.
  const finger = await swipe(page, now.x, now.y, 40, 0, true);
  now = await runUntil(page, (s, x) => s.x >= x + 2, start.x);
  await page.touchscreen.touchMove(finger.x - 50, finger.y);
  await delivered(page);
  now = await runUntil(page, (s, x) => s.x < x, now.x);
  await page.touchscreen.touchEnd();
  const held = await runFor(page, 1000);
  assert.ok(held.x >= now.x - 1 && held.x <= now.x, `walked back to ${held.x} from ${now.x}`);
  assert.deepEqual(await still(page), { scrollY: 0, scrollX: 0, scale: 1 });

  // Back to the start by a tap, then level 1 won by taps.
  await tap(page, start.x, start.y);
  now = await runUntil(page, (s, x) => s.x === x, start.x);
  assert.equal(now.y, start.y);
  await winByTaps(page, start, tap);
  // Neither a pinch, a double tap nor a drag on the page zooms or scrolls it.
  for (const where of ['#stage', '#pad', '#menu']) {
    await pinch(page, where);
    const at = await page.$eval(where, (e) => { const r = e.getBoundingClientRect(); return { x: r.left + 5, y: r.bottom - 5 }; });
    await page.touchscreen.tap(at.x, at.y);
    await page.touchscreen.tap(at.x, at.y);
    await page.touchscreen.touchStart(at.x, at.y);
    await page.touchscreen.touchMove(at.x, at.y - 200);
    await page.touchscreen.touchEnd();
    assert.deepEqual(await still(page), { scrollY: 0, scrollX: 0, scale: 1 }, where);
  }
  assert.equal(await page.evaluate(() => getComputedStyle(document.body).userSelect), 'none');
  await shoot(page, 'phone-won');
  assert.deepEqual(errors, []);
});

// Level 1's rrrRrR from `start`, a tap (or click) a cell: a tap three cells on walks there, a tap
// on the object beside the figure pushes it (the figure stays), a tap on the cell it left walks.
async function winByTaps(page, start, touch, shot) {
  await touch(page, start.x + 3, start.y);
  let now = await runUntil(page, (s, x) => s.x === x, start.x + 3);
  if (shot)
    await shoot(page, shot);
  const walked = now.moves;
  await touch(page, start.x + 4, start.y);
  await runUntil(page, (s, n) => s.moves > n, walked);
  now = await runFor(page, 500);
  assert.deepEqual([now.x, now.y, now.moves], [start.x + 3, start.y, walked + 1]);
  await touch(page, start.x + 4, start.y);
  await runUntil(page, (s, x) => s.x === x, start.x + 4);
  await touch(page, start.x + 5, start.y);
  await runUntil(page, (s) => !s.playing);
  await page.waitForFunction(() => [...document.querySelectorAll('#stage .label')]
    .some((l) => !l.hidden && l.textContent === 'WINNER!'));
}

test('the pad walks a cell a press and pushes with its toggle on; a menu button leaves the keys to the game', async () => {
  const { page, errors } = await openGame(session, phone);
  await newGame(page, 1);
  assert.equal(await page.evaluate(() => document.activeElement === document.body), true);  // not New game
  await freezeClock(page);
  const start = await probe(page);
  const press = async (arrow) => {
    const button = await page.$(`#pad [data-arrow="${arrow}"]`);
    await button.tap();
  };
  await press(1);
  let now = await runFor(page, 1000);
  assert.deepEqual([now.x, now.moves], [start.x + 1, 1]);
  // A press during a walk is not lost: it walks once the walk under way is over.
  await press(1);
  await press(1);
  now = await runFor(page, 1000);
  assert.deepEqual([now.x, now.moves], [start.x + 3, 3]);
  // The push toggle on: the arrow pushes what the figure faces, and the figure stays.
  await (await page.$('#pad [data-push]')).tap();
  assert.equal(await page.$eval('#pad [data-push]', (b) => b.getAttribute('aria-pressed')), 'true');
  await press(1);
  now = await runFor(page, 1000);
  assert.deepEqual([now.x, now.moves], [start.x + 3, 4]);
  await (await page.$('#pad [data-push]')).tap();

  // The menu's other commands behind its button; one chosen folds it, and the arrows still play.
  assert.equal(await page.$eval('#menu [data-command="sound"]', (b) => b.offsetParent), null);
  await (await page.$('#more')).tap();
  await shoot(page, 'phone-menu');
  await (await page.$('#menu [data-command="sound"]')).tap();
  assert.equal(await page.$eval('#menu [data-command="sound"]', (b) => b.getAttribute('aria-pressed')), 'false');
  assert.equal(await page.$eval('#menu', (m) => m.classList.contains('open')), false);
  await (await page.$('#menu [data-command="hint"]')).tap();
  assert.equal(await page.evaluate(() => document.activeElement === document.body), true);
  await page.keyboard.down('ArrowLeft');
  now = await runUntil(page, (s, n) => s.moves > n, 4);
  await page.keyboard.up('ArrowLeft');
  assert.equal(now.x, start.x + 2);
  assert.deepEqual(errors, []);
});

// The scene's shown box, the page's size, and whether the menu's visible buttons sit in one row.
function measure(page) {
  return page.evaluate(() => {
    const box = (element) => {
      const r = element.getBoundingClientRect();
      return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
    };
    const scene = box(document.getElementById('stage'));
    const shown = [...document.querySelectorAll('#menu button')].filter((b) => b.offsetParent);
    return {
      scene,
      menuRows: new Set(shown.map((b) => b.offsetTop)).size,
      menuColumns: new Set(shown.map((b) => b.offsetLeft)).size,
      buttons: shown.length,
      pad: box(document.getElementById('pad')),
      smooth: document.getElementById('scene').style.imageRendering === 'auto',
      page: { width: document.documentElement.scrollWidth, height: document.documentElement.scrollHeight },
    };
  });
}

test('the page fits a phone upright and lying down, and a desktop as before', async () => {
  const upright = await openGame(session, phone);
  await newGame(upright.page, 1);
  let m = await measure(upright.page);
  assert.equal(Math.round(m.scene.width), 390);  // the whole width, smoothly brought down
  assert.ok(m.smooth);
  assert.equal(m.menuRows, 1);
  assert.ok(m.pad.top >= m.scene.bottom - 1 && m.pad.bottom <= 844, JSON.stringify(m.pad));
  assert.deepEqual(m.page, { width: 390, height: 844 });
  assert.deepEqual(upright.errors, []);

  const lying = await openGame(session, landscape);
  await newGame(lying.page, 1);
  await freezeClock(lying.page);
  m = await measure(lying.page);
  assert.equal(m.menuColumns, 1);
  assert.ok(m.scene.height <= 390 && m.scene.height >= 0.9 * 390, JSON.stringify(m.scene));
  assert.ok(m.pad.left >= m.scene.right - 1 && m.pad.right <= 844, JSON.stringify(m.pad));
  assert.deepEqual(m.page, { width: 844, height: 390 });
  await (await lying.page.$('#more')).tap();
  await shoot(lying.page, 'landscape-menu');
  await (await lying.page.$('#more')).tap();
  // A tap on the jewel far off picks it and marks where it can go; a tap on the mark beyond it
  // walks up to it and pushes it there.
  const start = await probe(lying.page);
  await tap(lying.page, start.jewel[0], start.jewel[1]);
  await shoot(lying.page, 'landscape-play');
  await tap(lying.page, start.jewel[0] + 1, start.jewel[1]);
  await runUntil(lying.page, (s) => !s.playing);
  assert.deepEqual((await probe(lying.page)).jewel, [start.jewel[0] + 1, start.jewel[1]]);
  await shoot(lying.page, 'landscape-won');
  assert.deepEqual(lying.errors, []);

  const wide = await openGame(session, desktop);
  m = await measure(wide.page);
  assert.equal(m.buttons, 20);  // every command in the bar (Copy level, Paste level and Keys too), no menu button, no pad
  assert.equal(m.pad.width, 0);
  const menu = await wide.page.$eval('#menu', (bar) => bar.offsetHeight);
  assert.equal(Math.round(m.scene.height), 800 - menu);  // the room below the menu, as before
  assert.deepEqual(m.page, { width: 1280, height: 800 });
  await newGame(wide.page, 1);
  await freezeClock(wide.page);
  // The mouse's clicks go through the same plan.
  await winByTaps(wide.page, await probe(wide.page), async (page, x, y) => {
    const at = await cellCentre(page, x, y);
    await page.mouse.click(at.x, at.y);
  }, 'desktop-play');
  await shoot(wide.page, 'desktop-won');
  assert.deepEqual(wide.errors, []);
});
