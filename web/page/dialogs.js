// The game's modal boxes: a message, a yes/no question and a prompt for a text, each shown in
// the page's one <dialog> while the game waits for the answer (web/page_bridge.cpp calls
// kelvaroPage.dialog through Asyncify). Once the first box is on the screen it runs the step
// that start.js hands to afterFirstDialog.
/* global kelvaroPage */

(function () {
  'use strict';

  const page = kelvaroPage;
  const words = page.vocabulary;
  const byId = (id) => document.getElementById(id);
  // Each icon's sign, by the icon's name; a yes/no question always has the question sign.
  const iconSigns = { information: 'i', exclamation: '!', question: '?' };

  let answer = '';
  let firstShown = false;
  let firstStep = null;

  // The step to run once the first box has been drawn.
  function afterFirstDialog(step) {
    firstStep = step;
  }

  // Shows one modal box and waits for the answer: 0 for a message, 1 for Yes and 0 for No; for
  // a prompt, 0 once the text is typed, which takeAnswer then hands over.
  function dialog(kind, caption, text, icon) {
    const kinds = words.dialogKind;
    const box = byId('dialog');
    const input = byId('dialogInput');
    const buttons = byId('dialogButtons');
    byId('dialogCaption').textContent = caption;
    byId('dialogText').textContent = text;
    const sign = byId('dialogIcon');
    const iconName = kind === kinds.yesNo ? 'question' : page.wordOf('icon', icon);
    const shown = iconName in iconSigns;
    sign.className = 'icon ' + (shown ? iconName : '');
    sign.textContent = shown ? iconSigns[iconName] : '';
    sign.hidden = !shown;
    box.setAttribute('role', kind === kinds.prompt ? 'dialog' : 'alertdialog');
    input.hidden = kind !== kinds.prompt;
    input.value = '';
    const choices =
      kind === kinds.message ? [['OK', 0]]
      : kind === kinds.yesNo ? [['Yes', 1], ['No', 0]]
      : [['OK', null], ['Cancel', '']];
    // Escape and closing answer No, Cancel, or OK for a box that only has OK.
    const cancelled = kind === kinds.prompt ? '' : 0;
    buttons.replaceChildren();
    if (!firstShown) {
      firstShown = true;
      performance.mark('kelvaro-first-dialog');
      if (firstStep) setTimeout(firstStep, 0);
    }
    return new Promise((resolve) => {
      let answered = false;
      const finish = (value) => {
        if (answered) return;
        answered = true;
        box.removeEventListener('keydown', onKey);
        box.removeEventListener('cancel', onCancel);
        if (box.open) box.close();
        if (kind === kinds.prompt) {
          answer = value;
          resolve(0);
        } else resolve(value);
      };
      const answerOf = (choice) => (choice === null ? input.value : choice);
      for (const choice of choices) {
        const label = choice[0];
        const value = choice[1];
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = label;
        button.onclick = () => finish(answerOf(value));
        buttons.append(button);
      }
      const focusables = () => [...box.querySelectorAll('input:not([hidden]), button')];
      const onKey = (event) => {
        if (event.key === 'Escape') {
          event.preventDefault();
          finish(cancelled);
        } else if (event.key === 'Enter') {
          event.preventDefault();
          const index = [...buttons.children].indexOf(event.target);
          finish(answerOf(choices[index >= 0 ? index : 0][1]));
        } else if (event.key === 'Tab') {
          // The focus goes round the box's own controls and never leaves it.
          const all = focusables();
          const here = all.indexOf(document.activeElement);
          event.preventDefault();
          all[(here + (event.shiftKey ? -1 : 1) + all.length) % all.length].focus();
        }
      };
      const onCancel = (event) => {
        event.preventDefault();
        finish(cancelled);
      };
      box.addEventListener('keydown', onKey);
      box.addEventListener('cancel', onCancel);
      box.showModal();
      (kind === kinds.prompt ? input : buttons.firstElementChild).focus();
    });
  }

  const takeAnswer = () => answer;

  Object.assign(page, { dialog, takeAnswer, afterFirstDialog });
})();
