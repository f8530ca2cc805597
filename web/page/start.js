// The page's start: once the module runs, it asks the module for the game's vocabulary,
// layout and menus (boundary.js, area.js, menus.js), draws them, fits them to a touch screen
// (fit.js), listens for the shortcuts (keys.js) and the saved game's buttons (storage.js) and
// starts a game (game.js). What the first greeting need not wait for is done by settleIn,
// after that greeting is on the screen.
/* global Module, kelvaroPage, _kelvaro_describe_page */

(function () {
  'use strict';

  const page = kelvaroPage;
  const byId = (id) => document.getElementById(id);

  // The caption's icon, the manifest, the files kept for playing offline and each language's date
  // readers wait until the player sees the game, so that nothing else is fetched or drawn
  // before the first greeting. The window, and with it its caption's icon, is still hidden then.
  function settleIn() {
    byId('captionIcon').src = 'icon.svg';
    page.prepareDateForms();
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  }

  function start() {
    _kelvaro_describe_page();
    page.drawArea();
    page.drawMenus();
    page.listenForShortcuts();
    page.offerSavedGame();
    page.fitToScreen();
    page.afterFirstDialog(settleIn);
    byId('startNewGame').onclick = () => {
      byId('window').hidden = false;
      page.fitWindow();
      page.newGame();
    };
    page.newGame();
  }

  // The module's script comes asynchronously and may run while the page is still being read;
  // the game starts once every element it draws into and shows its boxes in is there.
  Module['onRuntimeInitialized'] = () => {
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
    else start();
  };
})();
