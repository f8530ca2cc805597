// The game's course in the page: starts a game in the module, runs one action of the player's
// at a time (from area.js, menus.js and keys.js), and shows that the game has ended. The module
// tells it so through kelvaroPage.endGame (web/page_bridge.cpp).
/* global kelvaroPage, ccall, _kelvaro_new_game, _kelvaro_delete_game */

(function () {
  'use strict';

  const page = kelvaroPage;
  const byId = (id) => document.getElementById(id);
  const moneyBox = () => page.elementWithRole(page.vocabulary.role.money);

  let game = 0;
  let busy = false;
  let ended = false;

  // Whether the player may start an action now: a game runs and nothing else is running.
  const ready = () => game !== 0 && !busy;

  // Runs work, which may be a promise, while the game takes no other action.
  async function whileBusy(work) {
    busy = true;
    try {
      return await work();
    } finally {
      busy = false;
    }
  }

  async function act(kind, fish, command) {
    if (!ready()) return;
    const back = document.activeElement;
    page.beginAction();
    const over = await whileBusy(() => ccall('kelvaro_act', 'number',
      ['number', 'number', 'number', 'number'], [game, kind, fish, command], { async: true }));
    if (over || ended) {
      finishGame();
      return;
    }
    if (back && back !== document.body && document.contains(back)) back.focus();
    else moneyBox().focus();
    page.endAction();
  }

  async function newGame() {
    page.resetArea();
    byId('gameEnded').hidden = true;
    // Like the window, the game area is shown only once the game start has filled it.
    byId('window').classList.add('starting');
    ended = false;
    game = _kelvaro_new_game();
    const over = await whileBusy(() =>
      ccall('kelvaro_begin', 'number', ['number'], [game], { async: true }));
    byId('window').classList.remove('starting');
    if (over || ended) {
      finishGame();
      return;
    }
    moneyBox().focus();
  }

  // No further step of the game runs: the game is let go and the page says that it is over.
  function finishGame() {
    if (game) _kelvaro_delete_game(game);
    game = 0;
    page.closeMenus();
    byId('window').hidden = true;
    byId('gameEnded').hidden = false;
    document.title = 'Kelvaro';
    byId('startNewGame').focus();
    page.gameEnded(byId('gameEnded').querySelector('p').textContent);
  }

  function endGame() {
    ended = true;
  }

  const playing = () => game !== 0;
  const isBusy = () => busy;

  Object.assign(page, { act, newGame, endGame, ready, playing, isBusy, whileBusy });
})();
