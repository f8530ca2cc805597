// A whole game in the page, in Firefox ESR or WebKitGTK: node whole_game.mjs firefox|webkit.
// The greetings, Buy through its prompt, Wait with whatever the day brings, Save, a reload,
// Load, Info, Quit answered No then Yes, and the page started again with its server gone.
// Where the engine's driver can stop the page's clock and dice (Firefox), every value is the
// one that game always deals; where it cannot (WebKit), the checks are those that hold for
// any game. Serves the page (KELVARO_PAGE_DIR) on a free loopback port of its own.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import readline from 'node:readline';
import { fileURLToPath } from 'node:url';
import { canStopTheClock, engines, shortcutsLeftToThePage } from './browsers.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const engine = process.argv[2];
const pageDir = process.env.KELVARO_PAGE_DIR;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function serve() {
  const server = spawn('/usr/bin/python3',
    [path.join(here, '..', '..', '..', 'scripts', 'lib', 'serve_page.py'), pageDir, '0'],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolve) => readline.createInterface({ input: server.stdout })
    .once('line', (url) => resolve({ url, stop: () => server.kill() })));
}

async function waitFor(what, condition, seconds = 20) {
  for (const end = Date.now() + seconds * 1000; Date.now() < end; await sleep(50)) {
    const value = await condition();
    if (value) return value;
  }
  throw new Error('waited in vain for ' + what);
}

// The open box as [caption, text, icon, buttons], or nothing.
const openBox = (page) => page.js(`
  const box = document.getElementById('dialog');
  if (!box || !box.open) return null;
  const icon = document.getElementById('dialogIcon');
  return [document.getElementById('dialogCaption').textContent,
    document.getElementById('dialogText').textContent,
    icon.hidden ? '' : icon.className.replace('icon', '').trim(),
    [...document.querySelectorAll('#dialogButtons button')].map((b) => b.textContent)];`);

// Answers the open box; done once it has closed or another box has taken its place.
async function answer(page, button, typed) {
  const shown = await waitFor('a box', () => openBox(page));
  const buttons = shown[3];
  if (typed !== undefined) {
    // The field takes the focus a moment after its box opens.
    await waitFor('the prompt\'s field', () =>
      page.js("return document.activeElement.id === 'dialogInput'"));
    await page.type('#dialogInput', typed);
  }
  assert.ok(buttons.includes(button), `no ${button} in ${buttons}`);
  // The first box is shown anew a moment after the page has loaded (for a screen reader); a
  // click that met the box as it was being replaced is lost, and is made again on the new box,
  // as long as the same box still waits for its answer.
  const selector = `#dialogButtons button:nth-child(${buttons.indexOf(button) + 1})`;
  const answered = async () => JSON.stringify(await openBox(page)) !== JSON.stringify(shown);
  for (let tries = 1; ; tries++) {
    try {
      await page.click(selector);
      return await waitFor('the box to be answered', answered, 3);
    } catch (error) {
      if (tries === 5 || (await answered())) throw error;
      await sleep(200);
    }
  }
}

async function expectBox(page, shown) {
  assert.deepEqual(await waitFor('a box', () => openBox(page)), shown);
  await answer(page, shown[3][0]);
}

// Whatever boxes the day brought, each answered OK.
async function dayIsOver(page) {
  await sleep(300);
  for (let shown; (shown = await openBox(page)); await sleep(300)) {
    assert.deepEqual(shown[3], ['OK'], `a box that asks: ${shown}`);
    await answer(page, 'OK');
  }
}

async function startGame(page, name) {
  await expectBox(page, ['Congratulations!', "Congratulations, you've just won a Kelvaro!",
    'information', ['OK']]);
  await expectBox(page, ['No fish!', "One little problem. You don't have any fish!",
    'exclamation', ['OK']]);
  await expectBox(page, ['\u20ac 1000', 'But some nice people \u20ac 1000.', 'information',
    ['OK']]);
  assert.deepEqual(await waitFor('the name prompt', () => openBox(page)),
    ['Name', 'How do you want to call your company?', '', ['OK', 'Cancel']]);
  await answer(page, 'OK', name);
}

const boxes = (page) => page.js(`
  const text = (id) => document.getElementById(id).value;
  return { money: text('txtGeld'), date: text('txtJaar'),
    stock: [1, 2, 3, 4, 5].map((k) => text('txtVissen' + k)),
    prices: [1, 2, 3, 4, 5].map((k) => text('txtMarktprijs' + k)) };`);
const dateIsWhole = (page) => page.js(`
  const box = document.getElementById('txtJaar');
  return box.scrollWidth <= box.clientWidth;`);
const savedGame = (page) => page.js("return localStorage.getItem('quira/quira.conf')");
const savedValue = (text, key) => text.split('\n').find((line) => line.startsWith(key + '='))
  .slice(key.length + 1);

async function choose(page, menu, item) {
  await page.click('#' + menu);
  await page.click('#' + item);
}

async function play() {
  const server = await serve();
  const stopped = canStopTheClock[engine];
  // 30 September: the widest date the date box must hold.
  const beforeLoad = stopped ? 'self.kelvaroStoppedAt = [2025, 8, 30, 15, 4, 5];\n' +
    fs.readFileSync(path.join(here, '..', 'stopped_clock.js'), 'utf8') : '';
  const page = await engines[engine]({ language: 'en-US', beforeLoad });
  try {
    console.log('engine:', await page.version);
    await page.goto(server.url);
    await startGame(page, 'Vis BV');
    const start = await boxes(page);
    assert.equal(start.money, '1000');
    assert.deepEqual(start.stock, ['0', '0', '0', '0', '0']);
    // The whole date: two digits, the month's name, the four digits of the year, none cut.
    assert.match(start.date, /^\d\d \S+ \d{4}$/);
    assert.ok(await dateIsWhole(page), start.date);
    if (stopped) assert.equal(start.date, '30 September 2025');
    if (stopped) assert.deepEqual(start.prices, ['57', '75', '64', '78', '76']);

    await page.click('#cmdKopen1');
    assert.deepEqual(await waitFor('the Buy prompt', () => openBox(page)),
      ['Kelvaro', 'How many fish do you want to buy?', '', ['OK', 'Cancel']]);
    await answer(page, 'OK', '3');
    await dayIsOver(page);
    const bought = await boxes(page);
    assert.notEqual(bought.date, start.date);
    if (stopped) {
      assert.deepEqual(bought, { money: '829', date: '01 October 2025',
        stock: ['3', '0', '0', '0', '0'], prices: ['83', '97', '60', '86', '73'] });
    }
    await page.click('#cmdWachten');
    await dayIsOver(page);

    const shortcuts = shortcutsLeftToThePage[engine];
    const shortcut = async (keys) => {
      if (!shortcuts.includes(keys)) return false;
      await page.press(keys.split('+'));
      return true;
    };
    // Save by its shortcut, with the focus in the window.
    await page.click('#txtGeld');
    assert.ok(await shortcut('Control+s'));
    const saved = await waitFor('the saved game', () => savedGame(page));
    assert.ok(saved.startsWith('[kelvaro]\n'), saved);
    if (stopped) assert.equal(savedValue(saved, 'datum'), '2025-10-02T15:04:05');

    await page.reload();
    await startGame(page, 'Terug');
    await page.click('#txtGeld');
    if (!(await shortcut('Control+l'))) await choose(page, 'Bestand', 'laden');
    assert.deepEqual(await waitFor('the name prompt', () => openBox(page)),
      ['Kelvaro', 'Please give a new name:', '', ['OK', 'Cancel']]);
    await answer(page, 'OK', 'Vis BV');
    const loaded = await boxes(page);
    assert.equal(loaded.money, savedValue(saved, 'geld'));
    assert.equal(loaded.date, savedValue(saved, 'datum'));
    assert.deepEqual(loaded.stock, [1, 2, 3, 4, 5].map((k) => savedValue(saved, 'vissen' + k)));
    assert.ok(await dateIsWhole(page), loaded.date);

    assert.ok(await shortcut('F1'));
    const info = await waitFor('the Info box', () => openBox(page));
    assert.deepEqual([info[0], info[2], info[3]], ['Info', 'information', ['OK']]);
    await answer(page, 'OK');
    await choose(page, 'Bestand', 'afsluiten');
    await answer(page, 'No');
    await choose(page, 'Bestand', 'afsluiten');
    await answer(page, 'Yes');
    await waitFor('the end', () => page.js("return !document.getElementById('gameEnded').hidden"));

    // With the server gone the kept copy starts the game.
    await waitFor('the service worker', () =>
      page.js('return !!navigator.serviceWorker.controller'));
    server.stop();
    await page.reload();
    await startGame(page, 'Offline');
  } finally {
    await page.close();
    server.stop();
  }
}

play().then(() => console.log(`${engine}: the whole game played`), (error) => {
  console.error(`${engine}: ${error.stack || error}`);
  process.exit(1);
});
