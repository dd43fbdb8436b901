// SPDX-License-Identifier: GPL-3.0-or-later
// The game as an app on a phone: the manifest and icons as Chromium reads them, and a visit after
// the first that plays level 1 to a win with the server gone.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { freezeClock, launch, newGame, openGame, phone, play, probe } from './harness.mjs';

let session;
before(async () => { session = await launch(); });
after(() => session.close());

const rgb = (hex) => `rgb(${[1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16)).join(', ')})`;

async function checkManifest(page) {
  const cdp = await page.createCDPSession();
  const { url, errors, data } = await cdp.send('Page.getAppManifest');
  assert.equal(url, `${session.url}manifest.json`);
  assert.deepEqual(errors, []);
  const manifest = JSON.parse(data);
  const { name, short_name, display, start_url, theme_color, background_color } = manifest;
  assert.deepEqual({ name, short_name, display, start_url },
                   { name: 'Kelvaro', short_name: 'Kelvaro', display: 'standalone', start_url: '.' });
  // The window around the game takes the menu bar's colour, the splash the page's.
  const colours = await page.evaluate(() => ({
    menu: getComputedStyle(document.getElementById('menu')).backgroundColor,
    page: getComputedStyle(document.body).backgroundColor,
    meta: document.querySelector('meta[name="theme-color"]').content,
  }));
  assert.deepEqual(colours, { menu: rgb(theme_color), page: rgb(background_color), meta: theme_color });
  const icons = await page.evaluate((list) => Promise.all(list.map(async (icon) => {
    const response = await fetch(icon.src);
    const picture = await createImageBitmap(await response.blob());
    return `${icon.sizes} ${icon.purpose || 'any'}: ${response.headers.get('content-type')} ${picture.width}x${picture.height}`;
  })), manifest.icons);
  assert.deepEqual(icons, ['192x192 any: image/png 192x192', '512x512 any: image/png 512x512',
                           '512x512 maskable: image/png 512x512']);
  return cdp;
}

test('installable with its manifest and icons; once visited, level 1 plays to a win with the server stopped', async () => {
  const { page, errors } = await openGame(session, phone);
  const cdp = await checkManifest(page);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  const kept = await page.evaluate(async () => {
    const names = await caches.keys();
    const files = await (await caches.open(names[0])).keys();
    return { names, files: files.map((request) => new URL(request.url).pathname) };
  });
  assert.equal(kept.names.length, 1);
  assert.match(kept.names[0], /^kelvaro-[0-9a-f]{16}$/);
  for (const file of ['/index.html', '/kelvaro.wasm', '/kelvaro.data', '/kelvaro_solver.wasm', '/kelvaro_forge.js',
                      '/sounds/music.ogg', '/sounds/win.wav', '/icons/icon-512.png', '/manifest.json'])
    assert.ok(kept.files.includes(file), `${file} is not kept`);

  await session.stopServer();
  await assert.rejects(fetch(session.url));
  await page.reload();
  await page.waitForFunction(() => window.Page && Page.ready);
  await newGame(page, 1);
  await page.waitForFunction(() => PageAudio.loaded() === 7);
  await freezeClock(page);
  await play(page, 'rrrRrR');
  await page.waitForFunction(() => [...document.querySelectorAll('#stage .label')]
    .some((l) => !l.hidden && l.textContent === 'WINNER!'));
  assert.equal((await probe(page)).playing, false);
  assert.deepEqual(errors, []);
});
