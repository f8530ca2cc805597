// The game's modal boxes: a message, a yes/no question and a prompt for a text, each shown in
// a <dialog> of its own while the game waits for the answer (web/page_bridge.cpp calls
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

  // Milliseconds between a prompt's opening and its field taking the focus.
  const promptFocusDelay = 300;

  // Shows one modal box and waits for the answer: 0 for a message, 1 for Yes and 0 for No; for
  // a prompt, 0 once the text is typed, which takeAnswer then hands over.
  function dialog(kind, caption, text, icon) {
    const kinds = words.dialogKind;
    const choices =
      kind === kinds.message ? [['OK', 0]]
      : kind === kinds.yesNo ? [['Yes', 1], ['No', 0]]
      : [['OK', null], ['Cancel', '']];
    // Escape and closing answer No, Cancel, or OK for a box that only has OK.
    const cancelled = kind === kinds.prompt ? '' : 0;
    const first = !firstShown;
    if (first) {
      firstShown = true;
      performance.mark('kelvaro-first-dialog');
      if (firstStep) setTimeout(firstStep, 0);
    }
    return new Promise((resolve) => {
      let answered = false;
      let box = null;
      // Each box is a new element: a screen reader takes a reused one, with its new text and
      // button, for the box it has already read, and says nothing. The next one is put in
      // place as soon as a box closes, so that it is new to the page when it opens.
      const close = () => {
        box.close();
        box.replaceWith(box.cloneNode(true));
      };
      const finish = (value) => {
        if (answered) return;
        answered = true;
        close();
        if (kind === kinds.prompt) {
          answer = value;
          resolve(0);
        } else resolve(value);
      };
      const show = () => {
        if (box) close();
        box = byId('dialog');
        fillDialog(box, kind, caption, text, icon);
        const input = box.querySelector('#dialogInput');
        const buttons = box.querySelector('#dialogButtons');
        const answerOf = (choice) => (choice === null ? input.value : choice);
        for (const choice of choices) {
          const button = document.createElement('button');
          button.type = 'button';
          button.textContent = choice[0];
          button.onclick = () => finish(answerOf(choice[1]));
          buttons.append(button);
        }
        box.addEventListener('keydown', (event) => {
          if (kind === kinds.prompt && event.key.length === 1 && !event.ctrlKey &&
              !event.altKey && !event.metaKey)
            showField(box);
          if (event.key === 'Escape') {
            event.preventDefault();
            finish(cancelled);
          } else if (event.key === 'Enter' ||
                     (event.key === ' ' && event.target === box && kind !== kinds.prompt)) {
            event.preventDefault();
            const index = [...buttons.children].indexOf(event.target);
            finish(answerOf(choices[index >= 0 ? index : 0][1]));
          } else if (event.key === 'Tab') {
            // The focus goes round the box's own controls and never leaves it.
            const all = [...box.querySelectorAll('input:not([hidden]), button')];
            const here = all.indexOf(document.activeElement);
            event.preventDefault();
            all[(here + (event.shiftKey ? -1 : 1) + all.length) % all.length].focus();
          }
        });
        box.addEventListener('cancel', (event) => {
          event.preventDefault();
          finish(cancelled);
        });
        box.showModal();
        // The box itself takes the focus, so that a screen reader reads its caption and text
        // (on a button it would take the box for the last one, whose button is gone); Enter,
        // Escape and Tab work from there. A prompt's field appears and takes the focus a moment
        // later, or at the first key typed, so that the screen reader meets it as a new field,
        // turns to its focus mode and leaves the typing to the field.
        box.focus();
        // On a touch screen the field is there at once, while the tap that opened the box still
        // lets the page bring up the on-screen keyboard.
        if (kind === kinds.prompt && matchMedia('(pointer: coarse)').matches) showField(box);
        else if (kind === kinds.prompt) setTimeout(() => showField(box), promptFocusDelay);
      };
      show();
      if (first) page.whenPageSettled(() => answered || show());
    });
  }

  // A prompt's field, kept out of sight until the box has been read, is shown and focused.
  function showField(box) {
    const input = box.querySelector('#dialogInput');
    if (!box.open || input.style.visibility !== 'hidden') return;
    input.style.visibility = '';
    input.focus();
  }

  // Puts a box's caption, text, icon and field in place; its buttons are added by the caller.
  function fillDialog(box, kind, caption, text, icon) {
    const part = (id) => box.querySelector('#' + id);
    part('dialogCaption').textContent = caption;
    part('dialogText').textContent = text;
    const sign = part('dialogIcon');
    const iconName = kind === words.dialogKind.yesNo ? 'question' : page.wordOf('icon', icon);
    const shown = iconName in iconSigns;
    sign.className = 'icon ' + (shown ? iconName : '');
    sign.textContent = shown ? iconSigns[iconName] : '';
    sign.hidden = !shown;
    // A dialog, not an alert dialog: a screen reader reads an alert's box again each time
    // the browser reports it added, which it does twice.
    box.setAttribute('role', 'dialog');
    const input = part('dialogInput');
    input.hidden = kind !== words.dialogKind.prompt;
    input.style.visibility = 'hidden';
    input.value = '';
    part('dialogButtons').replaceChildren();
  }

  const takeAnswer = () => answer;

  Object.assign(page, { dialog, takeAnswer, afterFirstDialog });
})();
