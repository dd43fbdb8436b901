// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the web build in headless Chromium, plays level 1 a little (keys, a click, a hint, Records, a win kept over a reload) and saves a screenshot of each step: a look by hand, not a test.
// node --experimental-websocket tools/web/look.mjs URL OUT_PREFIX   (Node 20; Node 22 needs no flag)
import { spawn } from 'node:child_process';
import { writeFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const [url = 'http://localhost:8080/', out = 'web-look'] = process.argv.slice(2);
const port = 9300 + Math.floor(Math.random() * 600);
const browser = spawn('chromium', ['--headless=new', '--no-sandbox', '--disable-gpu', `--remote-debugging-port=${port}`,
  `--user-data-dir=${mkdtempSync(join(tmpdir(), 'kelvaro-look-'))}`, '--window-size=800,620', 'about:blank'],
  { stdio: ['ignore', 'ignore', 'pipe'] });
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

async function pageSocket() {
  for (let i = 0; i < 100; ++i) {
    try {
      const targets = await (await fetch(`http://127.0.0.1:${port}/json`)).json();
      const page = targets.find((t) => t.type === 'page');
      if (page) return page.webSocketDebuggerUrl;
    } catch {}
    await sleep(100);
  }
  throw new Error('no browser');
}

const ws = new WebSocket(await pageSocket());
await new Promise((done) => ws.addEventListener('open', done));
let next = 1;
const waiting = new Map();
ws.addEventListener('message', (event) => {
  const message = JSON.parse(event.data);
  if (message.id && waiting.has(message.id)) {
    waiting.get(message.id)(message);
    waiting.delete(message.id);
  } else if (message.method === 'Runtime.consoleAPICalled') {
    console.log('console:', message.params.args.map((a) => a.value).join(' '));
  } else if (message.method === 'Runtime.exceptionThrown') {
    console.log('exception:', JSON.stringify(message.params.exceptionDetails).slice(0, 400));
  }
});
const send = (method, params = {}) => new Promise((done) => {
  const id = next++;
  waiting.set(id, done);
  ws.send(JSON.stringify({ id, method, params }));
});
const evaluate = async (expression) => (await send('Runtime.evaluate', { expression, returnByValue: true })).result?.result?.value;
const until = async (expression) => {
  for (let i = 0; i < 100; ++i) {
    if (await evaluate(expression)) return;
    await sleep(100);
  }
  throw new Error(`never: ${expression}`);
};
const shot = async (name) => {
  const { result } = await send('Page.captureScreenshot', { format: 'png' });
  writeFileSync(`${out}-${name}.png`, Buffer.from(result.data, 'base64'));
  console.log(`saved ${out}-${name}.png`);
};
const key = async (name, code, type) =>
  send('Input.dispatchKeyEvent', { type, key: name, code: name, windowsVirtualKeyCode: code, nativeVirtualKeyCode: code });
const press = async (name, code, hold = 60) => {
  await key(name, code, 'rawKeyDown');
  await sleep(hold);
  await key(name, code, 'keyUp');
};

await send('Runtime.enable');
await send('Page.enable');
await send('Page.navigate', { url });
await until("document.querySelector('.label') !== null");
await sleep(300);
await shot('start');
await evaluate("document.querySelector('[data-command=newGame]').click()");
await until("document.getElementById('box').open");
await shot('ask');
await evaluate("document.getElementById('box-input').value = '1'; document.querySelector('#box-buttons button').click()");
await sleep(4000);  // the start effect's rings
await shot('level1');
await press('ArrowRight', 39, 500);
await sleep(500);
await shot('walked');
// A click on the playfield's cell (5, 3) walks there.
const box = await evaluate("(() => { const r = document.getElementById('scene').getBoundingClientRect(); return [r.left, r.top, r.width / 737]; })()");
const click = { x: box[0] + (5 * 32 + 16) * box[2], y: box[1] + (3 * 32 + 16) * box[2], button: 'left', clickCount: 1 };
await send('Input.dispatchMouseEvent', { type: 'mousePressed', ...click });
await send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...click });
await sleep(1000);
await shot('clicked');
await evaluate("document.querySelector('[data-command=hint]').click()");
await sleep(500);
await shot('hint');
await evaluate("document.querySelector('[data-command=records]').click()");
await until("document.getElementById('box').open");
await shot('records');
await evaluate("document.querySelector('#box-buttons button').click()");
// Win the level (P ends the pause Records left), then load the page again: the records are kept
// in the browser's storage.
await press('p', 80);
await key('Control', 17, 'rawKeyDown');  // Ctrl pushes
await press('ArrowRight', 39, 2500);
await key('Control', 17, 'keyUp');
await sleep(1500);
await shot('won');
await send('Page.navigate', { url });
await until("document.querySelector('.label') !== null");
await evaluate("document.querySelector('[data-command=records]').click()");
await until("document.getElementById('box').open");
console.log('records after a reload:', await evaluate("document.getElementById('box-text').textContent.split('\\n')[0]"));
console.log('sounds loaded:', await evaluate('Page.soundsLoaded()'));
console.log('labels:', await evaluate("Array.from(document.querySelectorAll('.label')).filter(l => !l.hidden).map(l => l.textContent).join(' | ')"));
ws.close();
browser.kill();
