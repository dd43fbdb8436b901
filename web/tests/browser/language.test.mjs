// SPDX-License-Identifier: GPL-3.0-or-later
// The page in every language: the browser's by default, the one chosen in the menu kept, the page's
// own words and the game's worded from the same translations, and none left untranslated.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import { answerBox, launch, menu, openGame, reload, shownLabels, waitForState } from './harness.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../../..');

let session;
before(async () => { session = await launch(); });
after(() => session.close());

// A browser whose languages are `tags`, as navigator.languages reports them.
const speaking = (tags) => (page) => page.evaluateOnNewDocument((list) => {
  Object.defineProperty(navigator, 'languages', { get: () => list });
  Object.defineProperty(navigator, 'language', { get: () => list[0] });
}, tags);

const menuText = (page, command) => page.$eval(`#menu button[data-command="${command}"]`, (b) => b.textContent);
const boxText = (page) => page.$eval('#box', (box) => ({
  title: box.querySelector('#box-title').textContent,
  text: box.querySelector('#box-text').textContent,
  buttons: [...box.querySelectorAll('#box-buttons button')].map((b) => b.textContent),
}));

// Closes the open box with its last button (No, Cancel), once the game has the answer.
async function dismissBox(page) {
  const answered = await page.evaluate(() => Page.boxesAnswered());
  await page.click('#box-buttons button:last-child');
  await page.waitForFunction((before) => Page.boxesAnswered() > before, {}, answered);
}

test('German under the browser\'s language: menus, boxes and the scene in German; a language chosen is kept', async () => {
  const { page, errors } = await openGame(session, undefined, '', speaking(['de-DE', 'de', 'en-US']));
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
  assert.equal(await menuText(page, 'newGame'), 'Neues Spiel');
  assert.equal(await menuText(page, 'restart'), 'Neu starten');
  assert.equal(await menuText(page, 'records'), 'Bestleistungen');
  assert.equal(await page.$eval('#more', (b) => b.getAttribute('aria-label')), 'Menü');
  assert.equal(await page.$eval('#language', (s) => s.value), 'de');
  assert.ok((await shownLabels(page)).some((label) => label.startsWith('ZEIT :')), String(await shownLabels(page)));

  await page.click('#menu button[data-command="newGame"]');
  await page.waitForSelector('#box[open]');
  assert.deepEqual(await boxText(page), { title: 'Levelauswahl', text: 'Levelnummer eingeben (1–50)', buttons: ['OK', 'Abbrechen'] });
  await dismissBox(page);
  await menu(page, 'help');
  await page.waitForSelector('#box[open]');
  const help = await boxText(page);
  assert.equal(help.title, 'HILFE');
  assert.match(help.text, /Bewege Kelvaro mit den Pfeiltasten\./);
  await answerBox(page);

  // French chosen in the menu: the page and the scene at once, and again after a reload,
  // though the browser still speaks German.
  await page.select('#language', 'fr');
  await page.waitForFunction(() => document.documentElement.lang === 'fr');
  assert.equal(await menuText(page, 'newGame'), 'Nouvelle partie');
  await page.waitForFunction(() => [...document.querySelectorAll('#stage .label')].some((l) => !l.hidden && l.textContent.startsWith('TEMPS')));
  await reload(page);
  assert.equal(await menuText(page, 'newGame'), 'Nouvelle partie');
  assert.equal(await page.$eval('#language', (s) => s.value), 'fr');
  assert.deepEqual(errors, []);
});

// The pseudo-translation of the German one's sources, as the desktop's test makes it: every
// text wrapped in ⟦ ⟧.
function pseudoTranslation() {
  const scratch = mkdtempSync(join(tmpdir(), 'kelvaro-pseudo-'));
  try {
    execFileSync('python3', [join(root, 'tools/i18n/pseudo_ts.py'), join(root, 'translations/kelvaro_de.ts'), join(scratch, 'eo.ts')]);
    execFileSync('python3', [join(root, 'tools/i18n/ts_json.py'), scratch, join(scratch, 'eo.ts')]);
    return { list: readFileSync(join(scratch, 'languages.js')), table: readFileSync(join(scratch, 'eo.json')) };
  } finally {
    rmSync(scratch, { recursive: true, force: true });
  }
}

// The page in the pseudo language: its list of languages and its translation answered by the test.
const pseudo = (files) => async (page) => {
  // The offline page's service worker, kept from an earlier page, would answer before the test.
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const path = new URL(request.url()).pathname;
    if (path.endsWith('/i18n/languages.js'))
      request.respond({ contentType: 'text/javascript', body: files.list });
    else if (path.endsWith('/i18n/eo.json'))
      request.respond({ contentType: 'application/json', body: files.table });
    else
      request.continue();
  });
  await page.evaluateOnNewDocument(() => {
    if (location.protocol === 'http:')
      localStorage.setItem('kelvaro.language', 'eo');
  });
};

// What the player reads that is not within the markers: the visible texts, titles and labels,
// the markers' texts taken out (a nested message within its phrase's), the program's name let be.
function unmarked(page) {
  return page.evaluate(() => {
    const found = [];
    const check = (text, where) => {
      let rest = text;
      for (let before = ''; before !== rest;) {
        before = rest;
        rest = rest.replace(/⟦[^⟦⟧]*⟧/g, '');
      }
      if (/\p{L}/u.test(rest.replace(/kelvaro/gi, '')))
        found.push(`${where}: ${JSON.stringify(text)}`);
    };
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const element = node.parentElement;
      if (!node.textContent.trim() || element.closest('#language') || !element.checkVisibility())
        continue;
      check(node.textContent, element.id || element.tagName);
    }
    // Titles and labels also where they are hidden now (the pad, the phone's menu button).
    for (const element of document.querySelectorAll('[title], [aria-label]'))
      ['title', 'aria-label'].forEach((name) => element.hasAttribute(name) && check(element.getAttribute(name), name));
    return found;
  });
}

test('The pseudo-translation leaves no text unmarked: menus, the scene, Help, About, Records, the puzzle box and a message box', async () => {
  const { page, errors } = await openGame(session, undefined, '', pseudo(pseudoTranslation()));
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'eo');
  const seen = [];
  const look = async (what) => seen.push(...(await unmarked(page)).map((text) => `${what}: ${text}`));
  await look('menu and scene');
  for (const command of ['help', 'about']) {
    await menu(page, command);
    await page.waitForSelector('#box[open]');
    await look(command);
    await answerBox(page);
  }
  await menu(page, 'records');
  await page.waitForSelector('#records[open]');
  await look('records');
  await page.click('#records-tabs [data-pane="records-daily"]');
  await look('daily records');
  await page.click('#records .box-buttons button');
  await menu(page, 'generated');
  await page.waitForSelector('#puzzle[open]');
  await look('puzzle box');
  await page.click('#puzzle .box-buttons button[value="0"]');
  await page.waitForSelector('#puzzle:not([open])');
  await page.click('#menu button[data-command="newGame"]');
  await page.waitForSelector('#box[open]');
  await look('level box');
  await answerBox(page, '1');
  await waitForState(page, (s) => s.inPlay && s.level === 1);
  await look('level 1');
  await menu(page, 'endGame');
  await page.waitForSelector('#box[open]');
  await look('message box');
  await dismissBox(page);
  assert.deepEqual(seen, []);
  assert.deepEqual(errors, []);
});
