// SPDX-License-Identifier: GPL-3.0-or-later
// The player's things in the browser: level files opened from the device play, a damaged one is
// refused in the desktop's words, an opened set stays in play over a reload, and so does the sound.
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import { answerBox, kept, launch, newGame, openGame, probe, reload, waitForState } from './harness.mjs';

const maps = join(dirname(fileURLToPath(import.meta.url)), '../../../data/Maps');
const shipped = (n) => readFileSync(join(maps, `maze${n}.txt`), 'utf8');

let session, files;
before(async () => {
  session = await launch();
  files = mkdtempSync(join(tmpdir(), 'kelvaro-files-'));
});
after(async () => {
  await session.close();
  rmSync(files, { recursive: true, force: true });
});

// A file on the device for the file picker.
function deviceFile(name, text) {
  const path = join(files, name);
  mkdirSync(dirname(path), { recursive: true });
  writeFileSync(path, text);
  return path;
}

// Files handed to the Open levels menu's picker (`input`), and their arrival in the game waited for.
async function pick(page, input, paths) {
  const opened = await page.evaluate(() => LevelOpener.opened);
  const element = await page.$(input);
  await element.uploadFile(...paths);
  await page.waitForFunction((n) => LevelOpener.opened > n, {}, opened);
}

// Files dropped on the page as a browser drops them: a drop event carrying them.
async function drop(page, named) {
  const opened = await page.evaluate(() => LevelOpener.opened);
  await page.evaluate((list) => {
    const data = new DataTransfer();
    for (const [name, text] of list)
      data.items.add(new File([text], name, { type: 'text/plain' }));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
  }, named);
  await page.waitForFunction((n) => LevelOpener.opened > n, {}, opened);
}

// A set opened opens the chooser on it, as the desktop's Open level folder does: its name, and the
// chooser closed.
async function chooserShown(page) {
  await page.waitForSelector('#chooser[open]');
  const set = await page.$eval('#chooser-sets', (sets) => sets.options[sets.selectedIndex].textContent);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#chooser:not([open])');
  return set;
}

// New game's question, as the box shows it; the box is then cancelled.
async function newGamePrompt(page) {
  await page.click('#menu button[data-command="newGame"]');
  await page.waitForSelector('#box[open]');
  const text = await page.$eval('#box-text', (t) => t.textContent);
  const answered = await page.evaluate(() => Page.boxesAnswered());
  await page.click('#box-buttons button[value="0"]');
  await page.waitForFunction((before) => Page.boxesAnswered() > before, {}, answered);
  return text;
}

const where = (s) => ({ x: s.x, y: s.y, jewel: s.jewel });

// A page of its own storage: what one test keeps is not another's.
async function openFresh() {
  const context = await session.browser.createBrowserContext();
  return { ...(await openGame({ browser: context, url: session.url })), context };
}

test('a level file opened from the device plays at once; a damaged one gives the desktop\'s message and nothing is lost', async () => {
  const { page, errors } = await openFresh();
  await newGame(page, 2);
  const level2 = where(await probe(page));

  await pick(page, '#open-files-input', [deviceFile('my level.txt', shipped(2))]);
  const opened = await waitForState(page, (s) => s.inPlay && s.level === 1);
  assert.deepEqual(where(opened), level2);
  assert.equal(await newGamePrompt(page), 'Enter the level number (1-1)');

  await pick(page, '#open-files-input', [deviceFile('broken.txt', 'this is no level\n')]);
  await page.waitForSelector('#box[open]');
  const message = await page.$eval('#box-text', (t) => t.textContent);
  assert.match(message, /^Level 1 cannot be played\.\n\nThe level file broken\.txt is damaged:\n.+\.$/s);
  await answerBox(page);
  assert.equal((await probe(page)).playing, false);
  assert.equal(await newGamePrompt(page), 'Enter the level number (1-1)', 'the set in play stays');

  await reload(page);
  assert.equal(await newGamePrompt(page), 'Enter the level number (1-1)');
  assert.deepEqual(errors, []);
});

test('a set of two files dropped is in play and stays in play over a reload; a folder opened is a set too', async () => {
  const { page, errors } = await openFresh();
  await newGame(page, 3);
  const level3 = where(await probe(page));

  await drop(page, [['first.txt', shipped(1)], ['second.txt', shipped(3)]]);
  assert.match(await chooserShown(page), /first/);
  assert.equal(await newGamePrompt(page), 'Enter the level number (1-2)');
  await reload(page);
  assert.equal(await newGamePrompt(page), 'Enter the level number (1-2)');
  await newGame(page, 2);
  assert.deepEqual(where(await probe(page)), level3);

  // A folder's files come named under it: mazeN.txt keeps its number.
  const folder = join(files, 'Three');
  for (const n of [1, 2, 5])
    deviceFile(`Three/maze${n}.txt`, shipped(n));
  await pick(page, '#open-folder-input', [folder]);
  assert.match(await chooserShown(page), /Three/);
  assert.equal(await newGamePrompt(page), 'Enter the level number (1-5)');
  await reload(page);
  assert.equal(await newGamePrompt(page), 'Enter the level number (1-5)');
  assert.deepEqual(errors, []);
});

test('sound switched off stays off after a reload and in a new tab, and on again after another reload', async () => {
  const first = await openFresh();
  const sound = '#menu button[data-command="sound"]';
  const pressed = (page) => page.$eval(sound, (b) => b.getAttribute('aria-pressed'));
  assert.equal(await pressed(first.page), 'true');
  await first.page.click(sound);
  assert.equal(await pressed(first.page), 'false');
  await reload(first.page);
  assert.equal(await pressed(first.page), 'false');
  await kept(first.page);
  await first.page.close();

  const { page, errors } = await openGame({ browser: first.context, url: session.url });
  assert.equal(await pressed(page), 'false');
  await page.click(sound);
  await reload(page);
  assert.equal(await pressed(page), 'true');
  assert.deepEqual([...first.errors, ...errors], []);
});
