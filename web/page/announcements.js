// What a screen reader is told beside what the page draws: the values an action changed, read
// out once through one polite live region (index.html's #valueChanges), and the end of the
// game as an alert (#gameOver). area.js tells it each value shown, game.js when an action
// begins and ends and when the game is over, dialogs.js when the first box must be shown again
// for a screen reader to speak it.
/* global kelvaroPage */

(function () {
  'use strict';

  const page = kelvaroPage;
  // The boxes whose changes are read out, by their roles: the date, the company's size and the
  // stocks. The prices change every day and are read when the focus comes to them.
  const announced = () => {
    const role = page.vocabulary.role;
    return [role.date, role.workers, role.money, role.stock];
  };

  // id -> { name, before, now } of each box shown during the action, in the order first shown.
  let changes = null;

  const region = (id) => document.getElementById(id);

  // The next action's changes are gathered from here on.
  function beginAction() {
    changes = new Map();
  }

  // A box with this role is given a new value: noted, if it is one that is read out, with its
  // value before.
  function valueShown(role, element, before, text) {
    if (!changes || !announced().includes(role)) return;
    const seen = changes.get(element.id);
    if (seen) seen.now = text;
    else changes.set(element.id, { name: element.getAttribute('aria-label'), before, now: text });
  }

  // Sets a live region's text so that it is spoken even when it is the same as the last.
  function speak(id, text) {
    const element = region(id);
    if (element.textContent !== text) {
      element.textContent = text;
      return;
    }
    element.textContent = '';
    setTimeout(() => (element.textContent = text), 100);
  }

  // After the action, with every box closed: each box that ends with another value than it
  // had, by its name, in the order the game showed them, once. It is said a moment later:
  // while a box was open the rest of the page was out of a screen reader's reach, and Firefox
  // takes a region changed as it comes back for new content, which it does not read out.
  function endAction() {
    if (!changes) return;
    const said = [...changes.values()].filter((change) => change.now !== change.before)
      .map((change) => change.name + ' ' + change.now);
    changes = null;
    if (said.length) setTimeout(() => speak('valueChanges', said.join(', ') + '.'), 300);
  }

  // The game is over (bankruptcy, or Quit): said at once, over anything still to be said.
  function gameEnded(text) {
    changes = null;
    region('valueChanges').textContent = '';
    speak('gameOver', text);
  }

  // A box open when the page has finished loading is not spoken: the screen reader announces
  // the finished page instead, and takes the box's button for part of it. The box is shown
  // again, as a new box, a moment after that.
  function whenPageSettled(show) {
    const later = () => setTimeout(show, 700);
    if (document.readyState === 'complete') later();
    else window.addEventListener('load', later, { once: true });
  }

  Object.assign(page, { beginAction, valueShown, endAction, gameEnded, whenPageSettled });
})();
