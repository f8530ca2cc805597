// The game's shortcuts: Ctrl+S, Ctrl+L and F1 belong to the game while the page has the focus,
// also over the browser's own use of them, and F10 takes the focus to the menu bar (menus.js).
// The module says which key chooses which command; game.js runs it.
/* global kelvaroPage, _kelvaro_shortcut */

(function () {
  'use strict';

  const page = kelvaroPage;
  const byId = (id) => document.getElementById(id);

  function onShortcut(event) {
    const words = page.vocabulary;
    let letter = 0;
    let functionKey = 0;
    if (event.ctrlKey && !event.altKey && !event.metaKey && /^[a-z]$/i.test(event.key))
      letter = event.key.toUpperCase().charCodeAt(0);
    const match = /^F([0-9]{1,2})$/.exec(event.key);
    if (match && !event.ctrlKey && !event.altKey) functionKey = Number(match[1]);
    if (functionKey === 10 && !byId('dialog').open && page.playing()) {
      // F10 takes the focus to the menu bar, as in a window.
      event.preventDefault();
      page.topButtons()[0].focus();
      return;
    }
    if (letter === 0 && functionKey === 0) return;
    const command = _kelvaro_shortcut(letter ? 1 : 0, letter, functionKey);
    if (command === words.menuCommand.none) return;
    event.preventDefault();
    if (byId('dialog').open || !page.ready()) return;
    page.closeMenus();
    page.act(words.action.menu, 0, command);
  }

  const listenForShortcuts = () => document.addEventListener('keydown', onShortcut, true);

  Object.assign(page, { listenForShortcuts });
})();
