// The saved game in the browser: the settings text kept whole under one localStorage key, read
// and written for the module (web/local_storage_settings.cpp) with every byte, NULs included;
// and the saved game's download as a quira.conf and the opening of one, which the module checks
// and keeps or refuses (web/entry.cpp). Texts pass through boundary.js; the key comes from area.js.
/* global kelvaroPage, ccall, _kelvaro_largest_settings_file */

(function () {
  'use strict';

  const page = kelvaroPage;
  const noRoom = 'The page has no room in its memory for the saved game.';

  function refusal(error) {
    if (error && error.name === 'QuotaExceededError')
      return 'The browser\'s storage for this page is full.';
    if (error && error.name === 'SecurityError')
      return 'The browser does not let this page keep anything (its storage is switched off).';
    return 'The browser refused to keep it: ' + (error && error.message ? error.message : error);
  }

  // Keeps the whole text under the key: null when kept, otherwise why not; the text kept before
  // stays when the browser refuses.
  function store(key, text) {
    try {
      window.localStorage.setItem(key, text);
      return null;
    } catch (error) {
      return refusal(error);
    }
  }

  // 1 with the whole stored text ('' when there is none) in the module's string at target; 0
  // with why not there instead.
  function storageRead(key, target) {
    let text;
    try {
      text = window.localStorage.getItem(key);
    } catch (error) {
      page.giveText(target, refusal(error));
      return 0;
    }
    if (page.giveText(target, text === null ? '' : text)) return 1;
    page.giveText(target, noRoom);
    return 0;
  }

  // 1 when the whole text is kept; 0 with why not in the module's string at refusalTarget.
  function storageWrite(key, text, refusalTarget) {
    const refused = store(key, text);
    if (refused === null) return 1;
    page.giveText(refusalTarget, refused);
    return 0;
  }

  function say(text) {
    document.getElementById('savedGameStatus').textContent = text;
  }

  function downloadSavedGame() {
    let text;
    try {
      text = window.localStorage.getItem(page.area.savedGameKey);
    } catch (error) {
      say(refusal(error));
      return;
    }
    if (text === null) {
      say('There is no saved game to download yet: choose File > Save first.');
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    link.download = 'quira.conf';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    say('The saved game was downloaded as quira.conf.');
  }

  // The module decides whether a settings file becomes the saved game; it is handed at most one
  // byte more than it takes, so that a huge file is never read whole.
  async function openSavedGame(event) {
    const file = event.target.files[0];
    event.target.value = '';
    if (!file || page.isBusy()) return;
    let bytes = null;
    try {
      const first = file.slice(0, _kelvaro_largest_settings_file() + 1);
      bytes = new Uint8Array(await first.arrayBuffer());
    } catch (error) {
      bytes = null;
    }
    const handed = await page.whileBusy(() => page.withText(file.name, (name, nameSize) =>
      page.withBytes(bytes || new Uint8Array(0), (pointer, size) =>
        ccall('kelvaro_open_saved_file', null, ['number', 'number', 'number', 'number', 'number'],
          [name, nameSize, pointer, size, bytes ? 1 : 0], { async: true }))));
    if (!handed.fits || !handed.value.fits)
      say(file.name + ' was not opened: ' + noRoom + ' Nothing changed.');
  }

  function offerSavedGame() {
    document.getElementById('downloadSavedGame').onclick = downloadSavedGame;
    document.getElementById('openSavedGame').onchange = openSavedGame;
  }

  Object.assign(page, { storageRead, storageWrite, offerSavedGame, sayAboutSavedGame: say });
})();
