// Firefox ESR and WebKitGTK (Safari's engine), each behind the same few calls, so that one
// scenario plays the page in both: open, run a script, click, type, reload, close. Firefox is
// driven by puppeteer-core over WebDriver BiDi (Debian has no geckodriver); WebKitGTK's own
// WebDriver drives its MiniBrowser on a private X server, over plain W3C WebDriver. Each browser
// has a fresh profile in a temporary HOME, removed at close.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// A page script as a statement list that may `return`, with its arguments, as one expression:
// evaluated by the driver, so the page's Content-Security-Policy (no eval) does not apply.
const expression = (body, args) =>
  `(function () { ${body} }).apply(null, ${JSON.stringify(args)})`;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function temporaryHome(engine) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `kelvaro-${engine}-`));
}

async function firefox({ language, beforeLoad }) {
  const home = temporaryHome('firefox');
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    userDataDir: path.join(home, 'profile'),
    env: { ...process.env, HOME: home, LANG: language.replace('-', '_') + '.UTF-8' },
    extraPrefsFirefox: { 'intl.locale.requested': language, 'intl.accept_languages': language },
  });
  const page = await browser.newPage();
  if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
  return {
    engine: 'firefox',
    version: browser.version(),
    goto: (url) => page.goto(url),
    js: (body, ...args) => page.evaluate(expression(body, args)),
    click: (selector) => page.click(selector),
    type: async (selector, text) => {
      await page.focus(selector);
      await page.keyboard.type(text);
    },
    // A chord such as ['Control', 's'], or one key such as ['F1'].
    press: async (keys) => {
      for (const key of keys) await page.keyboard.down(key);
      for (const key of [...keys].reverse()) await page.keyboard.up(key);
    },
    reload: () => page.reload(),
    async close() {
      await browser.close();
      fs.rmSync(home, { recursive: true, force: true });
    },
  };
}

// A display of our own: Xvfb picks a free number and writes it once it takes clients.
function privateDisplay() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x800x24', '-nolisten',
    'tcp', '-noreset'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  return new Promise((resolve, reject) => {
    xvfb.once('exit', () => reject(new Error('no X server could be started')));
    xvfb.stdio[3].once('data', (data) => resolve({ xvfb, display: ':' + String(data).trim() }));
  });
}

function freePort() {
  return new Promise((resolve) => {
    const server = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

// The W3C WebDriver code points of the keys the scenario presses.
const webDriverKeys = { Control: '\uE009', F1: '\uE031' };

async function webkit({ language }) {
  const home = temporaryHome('webkit');
  const { xvfb, display } = await privateDisplay();
  const port = await freePort();
  const locale = language.replace('-', '_') + '.UTF-8';
  const driver = spawn('/usr/bin/WebKitWebDriver', ['--port=' + port], {
    env: { ...process.env, DISPLAY: display, HOME: home, LANG: locale, LC_ALL: locale },
    stdio: 'ignore',
  });
  const base = `http://127.0.0.1:${port}`;
  let session = '';
  async function call(method, where, body) {
    const response = await fetch(`${base}${session ? '/session/' + session : ''}${where}`, {
      method, headers: { 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${where}: ${value.error}: ${value.message}`);
    return value;
  }
  // The driver takes requests once it listens; until then fetch is refused.
  let started = null;
  for (let tries = 0; !started; tries++) {
    started = await call('POST', '/session', { capabilities: { alwaysMatch: {
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
    } } }).catch((error) => {
      if (tries > 100) throw error;
      return sleep(100).then(() => null);
    });
  }
  session = started.sessionId;
  const element = (selector) =>
    call('POST', '/element', { using: 'css selector', value: selector })
      .then((found) => Object.values(found)[0]);
  return {
    engine: 'webkit',
    version: Promise.resolve('WebKitGTK ' + started.capabilities.browserVersion),
    goto: (url) => call('POST', '/url', { url }),
    js: (body, ...args) => call('POST', '/execute/sync', { script: body, args }),
    click: async (selector) => call('POST', `/element/${await element(selector)}/click`, {}),
    type: async (selector, text) =>
      call('POST', `/element/${await element(selector)}/value`, { text }),
    press: (keys) => {
      const values = keys.map((key) => webDriverKeys[key] || key);
      return call('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions: [
        ...values.map((value) => ({ type: 'keyDown', value })),
        ...values.reverse().map((value) => ({ type: 'keyUp', value }))] }] });
    },
    reload: () => call('POST', '/refresh', {}),
    async close() {
      await call('DELETE', '', undefined).catch(() => {});
      driver.kill();
      xvfb.kill();
      fs.rmSync(home, { recursive: true, force: true });
    },
  };
}

export const engines = { firefox, webkit };
// What each engine's driver cannot do: WebKit's runs no script before the page's own, so its
// game plays with the real clock and dice.
export const canStopTheClock = { firefox: true, webkit: false };
// The game's shortcuts each browser leaves to the page: WebKitGTK's browser keeps Ctrl+L (the
// address bar) for itself.
export const shortcutsLeftToThePage = {
  firefox: ['Control+s', 'Control+l', 'F1'],
  webkit: ['Control+s', 'F1'],
};
