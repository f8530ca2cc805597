// The saved game in the browser: the settings text kept whole under one localStorage key, read
// and written for the module (web/local_storage_settings.cpp) with every byte, NULs included;
// and the saved game's download as a quira.conf and the opening of one, which the module checks
// before it is kept. Texts pass through boundary.js; the key comes from area.js.
/* global kelvaroPage, ccall */

(function () {
  'use strict';

  const page = kelvaroPage;
  // A settings file is a few hundred bytes; anything far larger is not one.
  const largestSettingsFile = 64 * 1024;
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

  // A settings file goes into the browser's store only when a Load would take it; otherwise
  // the player sees why and the store keeps what it had.
  async function openSavedGame(event) {
    const file = event.target.files[0];
    event.target.value = '';
    if (!file || page.isBusy()) return;
    if (file.size > largestSettingsFile) {
      say(file.name + ' was not opened: it is too large to be a saved game. Nothing changed.');
      return;
    }
    const text = await file.text();
    const checked = await page.whileBusy(() => page.withText(text, (pointer, size) =>
      ccall('kelvaro_check_saved_text', 'number', ['number', 'number'], [pointer, size],
        { async: true })));
    if (!checked.fits) {
      say(file.name + ' was not opened: ' + noRoom + ' Nothing changed.');
      return;
    }
    if (!checked.value) {
      say(file.name + ' was not opened: it holds no saved game that can be loaded. Nothing changed.');
      return;
    }
    const refused = store(page.area.savedGameKey, text);
    if (refused) say(file.name + ' was not opened: ' + refused + ' Nothing changed.');
    else say(file.name + ' was opened: choose File > Load to play it.');
  }

  function offerSavedGame() {
    document.getElementById('downloadSavedGame').onclick = downloadSavedGame;
    document.getElementById('openSavedGame').onchange = openSavedGame;
  }

  Object.assign(page, { storageRead, storageWrite, offerSavedGame });
})();
