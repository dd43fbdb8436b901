// SPDX-License-Identifier: GPL-3.0-or-later
// The page draws what the desktop draws: level 1 played with the same keys at the same moments of
// the stopped clock, here and in the desktop's real window (scene_shots, from the default build),
// shows the same pixels at 1x during the start effect, in play, halfway through a push and once
// won; the labels and buttons over them say the same words at the same places.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import { answerBox, freezeClock, launch, openGame, probe, runUntil } from './harness.mjs';
import { decodePng } from './png.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const sceneShots = resolve(process.env.KELVARO_SCENE_SHOTS || join(here, '../../../build/default/game/desktop/scene_shots'));
// Where both sides' pictures go (NAME.png and NAME-surface.png from the desktop, NAME-web*.png
// from the page); by default a folder kept only when the test fails.
const kept = process.env.KELVARO_PIXELS_OUT;

// A browser draws text with its own rasteriser and hinting: the box around a caption's ink may
// reach this many pixels further or less far than Qt's on any side (a digit's antialiased edge
// lands a pixel apart). Everything else must match exactly.
const inkTolerance = 1;
// Exactly the scene's width: the page shows it at 1x, pixel for pixel.
const view = { width: 737, height: 800 };

let session;
before(async () => { session = await launch(); });
after(() => session.close());

// The game's clock in the page, counted from when the test stopped it.
const clock = (page) => page.evaluate(() => testNow);

// What the page shows: the engine's surface at 1x, the stage as seen, and the widgets over it;
// the pictures both as PNG files and as pixels.
async function capture(page) {
  const url = await page.$eval('#scene', (canvas) => canvas.toDataURL('image/png'));
  const surfaceBytes = Buffer.from(url.slice(url.indexOf(',') + 1), 'base64');
  const stage = await page.$eval('#stage', (s) => {
    const r = s.getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  });
  const seenBytes = Buffer.from(await page.screenshot({ clip: stage }));
  const widgets = await page.evaluate(() => {
    const of = (selector) => [...document.querySelectorAll(selector)].map((e) => ({
      text: e.textContent, x: e.offsetLeft, y: e.offsetTop, width: e.offsetWidth, height: e.offsetHeight, visible: !e.hidden,
    }));
    return { labels: of('#stage .label'), buttons: of('#stage .scene-button') };
  });
  return { surface: shrink(decodePng(surfaceBytes), 737, 534), surfaceBytes, seen: decodePng(seenBytes), seenBytes, widgets };
}

// The 1x pixels of a canvas CrispCanvas enlarged by a whole factor.
function shrink(image, width, height) {
  const f = image.width / width;
  if (f === 1)
    return image;
  const data = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x)
      image.data.copy(data, (y * width + x) * 4, ((y * f) * image.width + x * f) * 4, ((y * f) * image.width + x * f) * 4 + 4);
  return { width, height, data };
}

// Level 1 played to its win by its shortest solution, rrrRrR, on the stopped clock; the script of
// what was done when (for scene_shots), and what the page showed at the named moments.
async function playOnPage(page) {
  const script = [], shots = {};
  await freezeClock(page);
  const start = await clock(page);
  const note = async (action, arg) => script.push(`${(await clock(page)) - start} ${action} ${arg}`);
  const shot = async (name) => {
    shots[name] = await capture(page);
    await note('shot', name);
  };
  const key = async (name, down) => {
    await (down ? page.keyboard.down(name) : page.keyboard.up(name));
    await note(down ? 'down' : 'up', name.replace('Arrow', ''));
  };
  // The clock moved on by `ms` in its 25 ms steps.
  const wait = (ms) => clock(page).then((now) => runUntil(page, (s, end) => testNow >= end, now + ms));
  // A move, or with `midway` a push stopped halfway through its animation for a shot.
  const move = async (push, midway) => {
    const { moves } = await probe(page);
    if (push)
      await key('Control', true);
    await key('ArrowRight', true);
    if (midway) {
      await wait(100);
      assert.equal((await probe(page)).moves, moves, 'the push is still under way');
      await shot(midway);
    }
    await runUntil(page, (s, before) => s.moves > before || !s.inPlay, moves);
    await key('ArrowRight', false);
    if (push)
      await key('Control', false);
  };

  await page.click('#menu button[data-command="newGame"]');
  await answerBox(page, '1');
  await note('new', '1');
  await wait(400);
  await shot('start');
  await runUntil(page, (s) => s.inPlay && s.level === 1);
  await move(false);
  await move(false);
  await wait(200);
  await shot('play');
  await move(false);
  await move(true, 'push');
  await move(false);
  await move(true);
  await runUntil(page, () => [...document.querySelectorAll('#stage .label')].some((l) => !l.hidden && l.textContent === 'WINNER!'));
  await wait(200);
  await shot('win');
  return { script, shots };
}

// The desktop's window run through the same script.
function desktopShots(script, folder) {
  if (!existsSync(sceneShots))
    throw new Error(`no ${sceneShots}: build the default preset's scene_shots`);
  const scriptFile = join(folder, 'script.txt');
  writeFileSync(scriptFile, script.join('\n') + '\n');
  const run = spawnSync(sceneShots, [scriptFile, folder], { encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  assert.equal(run.status, 0, `scene_shots failed: ${run.stderr}`);
  const read = (name) => decodePng(readFileSync(join(folder, name)));
  return (name) => ({ seen: read(`${name}.png`), surface: read(`${name}-surface.png`),
                      widgets: JSON.parse(readFileSync(join(folder, `${name}.json`), 'utf8')) });
}

const inside = (x, y, r) => x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;

// The pixels that differ outside `skipped` rectangles: how many, and the first few.
function differences(a, b, skipped = []) {
  assert.deepEqual([a.width, a.height], [b.width, b.height], 'the same size');
  let count = 0;
  const first = [];
  for (let y = 0; y < a.height; ++y)
    for (let x = 0; x < a.width; ++x) {
      const p = (y * a.width + x) * 4;
      const same = a.data[p] === b.data[p] && a.data[p + 1] === b.data[p + 1] && a.data[p + 2] === b.data[p + 2];
      if (same || skipped.some((r) => inside(x, y, r)))
        continue;
      if (++count <= 3)
        first.push(`(${x},${y}) ${[...a.data.subarray(p, p + 3)]} vs ${[...b.data.subarray(p, p + 3)]}`);
    }
  return count ? `${count} pixels differ, first ${first.join('; ')}` : '';
}

// The box around a caption's ink within `r`: on a label what is brighter than its black ground;
// on a button what is darker than its face, inside its frame (whose look is the platform's).
function ink(image, r, button) {
  const inset = button ? 4 : 0;
  let left = Infinity, top = Infinity, right = -1, bottom = -1;
  for (let y = r.y + inset; y < r.y + r.height - inset; ++y)
    for (let x = r.x + inset; x < r.x + r.width - inset; ++x) {
      const p = (y * image.width + x) * 4;
      const bright = Math.max(image.data[p], image.data[p + 1], image.data[p + 2]);
      if (button ? bright < 100 : bright > 80) {
        left = Math.min(left, x); right = Math.max(right, x);
        top = Math.min(top, y); bottom = Math.max(bottom, y);
      }
    }
  return { left, top, right, bottom };
}

const shown = (list) => list.filter((w) => w.visible).map(({ text, x, y, width, height }) => ({ text, x, y, width, height }))
  .sort((a, b) => a.text.localeCompare(b.text));

// One moment compared: the surface exactly, the scene as seen exactly outside the labels and
// buttons, and their words, places and ink.
function compare(name, web, desktop, folder) {
  const problems = [];
  const surface = differences(web.surface, desktop.surface);
  if (surface)
    problems.push(`the engine's surface: ${surface}`);
  const labels = shown(web.widgets.labels), buttons = shown(web.widgets.buttons);
  assert.deepEqual(labels, shown(desktop.widgets.labels), `${name}: the labels shown`);
  assert.deepEqual(buttons, shown(desktop.widgets.buttons), `${name}: the buttons shown`);
  const seen = differences(web.seen, desktop.seen, [...labels, ...buttons]);
  if (seen)
    problems.push(`the scene outside the labels and buttons: ${seen}`);
  for (const [widget, button] of [...labels.map((l) => [l, false]), ...buttons.map((b) => [b, true])]) {
    const a = ink(web.seen, widget, button), b = ink(desktop.seen, widget, button);
    const off = Math.max(...['left', 'top', 'right', 'bottom'].map((side) => Math.abs(a[side] - b[side])));
    if (!(off <= inkTolerance))
      problems.push(`"${widget.text}": ink ${JSON.stringify(a)} in the page, ${JSON.stringify(b)} on the desktop`);
  }
  assert.deepEqual(problems, [], `${name} (the pictures are in ${folder})`);
}

test('the page shows the desktop\'s pixels starting, in play, halfway through a push and won', async () => {
  const folder = kept ? resolve(kept) : mkdtempSync(join(tmpdir(), 'kelvaro-pixels-'));
  mkdirSync(folder, { recursive: true });
  const { page, errors } = await openGame(session, view);
  const { script, shots } = await playOnPage(page);
  const desktop = desktopShots(script, folder);
  for (const [name, web] of Object.entries(shots)) {
    writeFileSync(join(folder, `${name}-web.png`), web.seenBytes);
    writeFileSync(join(folder, `${name}-web-surface.png`), web.surfaceBytes);
  }
  for (const [name, web] of Object.entries(shots))
    compare(name, web, desktop(name), folder);
  assert.deepEqual(errors, []);
  if (!kept)
    rmSync(folder, { recursive: true, force: true });
});
