// The page: draws the game's window from the layout the game hands over, shows the game's
// dialogs, and passes the player's clicks and keys to the game. It runs inside the module's own
// script, after the module's loader, so it reaches the module's memory and functions directly.
/* global Module, HEAP32, UTF8ToString, stringToUTF8, lengthBytesUTF8, ccall, _malloc, _free,
   _kelvaro_describe_page, _kelvaro_new_game, _kelvaro_delete_game, _kelvaro_shortcut */

var kelvaroPage = (function () {
  'use strict';

  // The game's enumerations, in the order the game declares them.
  const controlType = { label: 0, textBox: 1, readOnlyTextBox: 2, button: 3 };
  const fontFamilies = [
    'Verdana, "DejaVu Sans", sans-serif',
    'Tahoma, "DejaVu Sans Condensed", "DejaVu Sans", sans-serif',
    'system-ui, "DejaVu Sans", sans-serif',
  ];
  const alignments = ['left', 'center', 'right'];
  const action = { buy: 0, sell: 1, wait: 2, menu: 3 };
  const dialogKind = { message: 0, yesNo: 1, prompt: 2 };
  const icons = ['', 'information', 'exclamation', 'question'];
  const iconSigns = ['', 'i', '!', '?'];
  // Milliseconds between a prompt's opening and its field taking the focus.
  const promptFocusDelay = 300;
  // A settings file is a few hundred bytes; anything far larger is not one.
  const largestSettingsFile = 64 * 1024;

  const area = { width: 0, height: 0, twipsPerPixel: 15, savedGameKey: '', titleBefore: '' };
  const controls = [];
  const lines = [];
  const tabStops = [];
  const menuEntries = [];

  let game = 0;
  let busy = false;
  let ended = false;
  let answer = '';
  let storageText = '';
  let firstDialogShown = false;

  const byId = (id) => document.getElementById(id);
  const pixels = (twips) => twips / area.twipsPerPixel + 'px';
  const rgb = (colour) =>
    'rgb(' + (colour >> 16) + ',' + ((colour >> 8) & 255) + ',' + (colour & 255) + ')';
  const controlId = (name, index) => (index > 0 ? name + index : name);

  // ---- What the game hands over before the page is drawn ----

  function describeArea(width, height, twipsPerPixel, savedGameKey, titleBefore) {
    Object.assign(area, { width, height, twipsPerPixel, savedGameKey, titleBefore });
  }
  const addControl = (control) => controls.push(control);
  const addLine = (name, points, colour, pixelWidth) =>
    lines.push({ name, points, colour, pixelWidth });
  const addTabStop = (name, index) => tabStops.push(controlId(name, index));
  const addMenuEntry = (level, name, caption, shortcut, enabled, command) =>
    menuEntries.push({ level, name, caption, shortcut, enabled, command });

  // ---- The game area ----

  function controlElement(control) {
    let element;
    if (control.type === controlType.button) {
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = control.caption;
    } else if (control.type === controlType.label) {
      element = document.createElement('div');
      element.className = 'label';
      element.textContent = control.caption;
    } else {
      element = document.createElement('input');
      element.type = 'text';
      element.value = control.caption;
      element.readOnly = control.type === controlType.readOnlyTextBox;
      element.spellcheck = false;
      element.autocomplete = 'off';
    }
    element.id = controlId(control.name, control.index);
    element.dataset.caption = control.caption;
    Object.assign(element.style, {
      left: pixels(control.rect[0]),
      top: pixels(control.rect[1]),
      width: pixels(control.rect[2]),
      height: pixels(control.rect[3]),
      fontFamily: fontFamilies[control.face],
      fontSize: control.points + 'pt',
      fontWeight: control.bold ? 'bold' : 'normal',
      textAlign: alignments[control.alignment],
    });
    if (control.textColour >= 0) element.style.color = rgb(control.textColour);
    if (control.backgroundColour >= 0) element.style.backgroundColor = rgb(control.backgroundColour);
    // A label is read by its text; the boxes and buttons by the window's accessible names.
    if (control.accessibleName && control.type !== controlType.label)
      element.setAttribute('aria-label', control.accessibleName);
    if (control.description) element.setAttribute('aria-description', control.description);
    return element;
  }

  function lineElement(line) {
    const ends = line.points.map((twips) => twips / area.twipsPerPixel);
    const fromX = ends[0];
    const fromY = ends[1];
    const toX = ends[2];
    const toY = ends[3];
    const element = document.createElement('div');
    element.className = 'rule';
    element.id = line.name;
    element.setAttribute('aria-hidden', 'true');
    // The rule is centred on its points, as a pen of that width draws it.
    const half = Math.floor(line.pixelWidth / 2);
    Object.assign(element.style, {
      left: Math.min(fromX, toX) - (fromX === toX ? half : 0) + 'px',
      top: Math.min(fromY, toY) - (fromY === toY ? half : 0) + 'px',
      width: (fromX === toX ? line.pixelWidth : Math.abs(toX - fromX) + 1) + 'px',
      height: (fromY === toY ? line.pixelWidth : Math.abs(toY - fromY) + 1) + 'px',
      backgroundColor: rgb(line.colour),
    });
    return element;
  }

  // Labels and rules first, then the controls that take the focus in the order of the Tab key,
  // so that the page's own order is the window's focus order.
  function drawArea() {
    const client = byId('clientArea');
    client.style.width = pixels(area.width);
    client.style.height = pixels(area.height);
    lines.forEach((line) => client.append(lineElement(line)));
    const elements = new Map(
      controls.map((control) => [controlId(control.name, control.index), controlElement(control)]),
    );
    for (const id of elements.keys()) if (!tabStops.includes(id)) client.append(elements.get(id));
    for (const id of tabStops) if (elements.has(id)) client.append(elements.get(id));
    for (const control of controls) {
      const element = elements.get(controlId(control.name, control.index));
      const row = control.index;
      if (control.name === 'cmdKopen') element.onclick = () => act(action.buy, row, 0);
      if (control.name === 'cmdVerkopen') element.onclick = () => act(action.sell, row, 0);
      if (control.name === 'cmdWachten') element.onclick = () => act(action.wait, 0, 0);
    }
  }

  function resetArea() {
    for (const control of controls) {
      const element = byId(controlId(control.name, control.index));
      if (element instanceof HTMLInputElement) element.value = control.caption;
      else element.textContent = control.caption;
    }
    document.title = area.titleBefore;
    byId('windowTitle').textContent = area.titleBefore;
  }

  // ---- The menus ----

  function menuItemElement(entry) {
    const item = document.createElement('li');
    item.id = entry.name;
    item.setAttribute('role', 'menuitem');
    item.tabIndex = -1;
    const caption = document.createElement('span');
    caption.className = 'caption';
    caption.textContent = entry.caption;
    item.append(caption);
    if (entry.shortcut) {
      const shortcut = document.createElement('span');
      shortcut.className = 'shortcut';
      shortcut.textContent = entry.shortcut;
      item.append(shortcut);
      item.setAttribute('aria-keyshortcuts', entry.shortcut.replace('Ctrl', 'Control'));
    }
    if (!entry.enabled) item.setAttribute('aria-disabled', 'true');
    item.dataset.command = entry.command;
    return item;
  }

  function drawMenus() {
    const bar = byId('menubar');
    const parents = [bar];
    let lastItem = null;
    for (const entry of menuEntries) {
      if (entry.level === 1) {
        const top = document.createElement('div');
        top.className = 'menu-top';
        const button = document.createElement('button');
        button.type = 'button';
        button.id = entry.name;
        button.textContent = entry.caption;
        button.setAttribute('role', 'menuitem');
        button.setAttribute('aria-haspopup', 'menu');
        button.setAttribute('aria-expanded', 'false');
        button.tabIndex = bar.querySelector('button') ? -1 : 0;
        const menu = document.createElement('ul');
        menu.setAttribute('role', 'menu');
        menu.setAttribute('aria-label', entry.caption);
        menu.hidden = true;
        top.append(button, menu);
        bar.append(top);
        parents.length = 1;
        parents[1] = menu;
        lastItem = button;
        continue;
      }
      if (entry.level > parents.length) {
        // The item before opens a sub-menu holding this one.
        const menu = document.createElement('ul');
        menu.setAttribute('role', 'menu');
        menu.setAttribute('aria-label', lastItem.textContent);
        menu.hidden = true;
        lastItem.setAttribute('aria-haspopup', 'menu');
        lastItem.setAttribute('aria-expanded', 'false');
        lastItem.append(menu);
        parents[entry.level - 1] = menu;
      }
      parents.length = entry.level;
      lastItem = menuItemElement(entry);
      parents[entry.level - 1].append(lastItem);
    }
    bar.addEventListener('click', onMenuClick);
    bar.addEventListener('keydown', onMenuKey);
    document.addEventListener('mousedown', (event) => {
      if (!bar.contains(event.target)) closeMenus();
    });
    bar.addEventListener('focusout', (event) => {
      if (!bar.contains(event.relatedTarget)) closeMenus();
    });
  }

  const topButtons = () => [...byId('menubar').querySelectorAll('.menu-top > button')];
  const ownMenu = (element) => element.querySelector(':scope > ul[role=menu]');
  const itemsOf = (menu) =>
    [...menu.children].filter((item) => item.getAttribute('aria-disabled') !== 'true');

  function closeMenus() {
    for (const menu of byId('menubar').querySelectorAll('ul[role=menu]')) menu.hidden = true;
    for (const opener of byId('menubar').querySelectorAll('[aria-expanded]'))
      opener.setAttribute('aria-expanded', 'false');
  }

  function openMenu(opener, focusFirst) {
    const menu = opener.matches('button') ? opener.nextElementSibling : ownMenu(opener);
    if (opener.matches('button')) closeMenus();
    menu.hidden = false;
    opener.setAttribute('aria-expanded', 'true');
    if (focusFirst && itemsOf(menu).length) itemsOf(menu)[0].focus();
  }

  function choose(item) {
    if (item.getAttribute('aria-disabled') === 'true') return;
    if (item.getAttribute('aria-haspopup')) {
      openMenu(item, true);
      return;
    }
    closeMenus();
    const command = Number(item.dataset.command);
    if (command !== 0) act(action.menu, 0, command);
  }

  function onMenuClick(event) {
    const button = event.target.closest('.menu-top > button');
    if (button) {
      if (button.getAttribute('aria-expanded') === 'true') closeMenus();
      else openMenu(button, false);
      return;
    }
    const item = event.target.closest('li[role=menuitem]');
    if (item) {
      event.stopPropagation();
      choose(item);
    }
  }

  function onMenuKey(event) {
    const tops = topButtons();
    const target = event.target;
    const moveTop = (step) => {
      const here = tops.indexOf(target.closest('.menu-top').querySelector('button'));
      const next = tops[(here + step + tops.length) % tops.length];
      tops.forEach((button) => (button.tabIndex = button === next ? 0 : -1));
      const wasOpen = !target.matches('.menu-top > button') ||
        target.getAttribute('aria-expanded') === 'true';
      closeMenus();
      next.focus();
      if (wasOpen) openMenu(next, true);
    };
    if (target.matches('.menu-top > button')) {
      if (['ArrowDown', 'Enter', ' '].includes(event.key)) openMenu(target, true);
      else if (event.key === 'ArrowRight') moveTop(1);
      else if (event.key === 'ArrowLeft') moveTop(-1);
      else if (event.key === 'Escape') closeMenus();
      else return;
      event.preventDefault();
      return;
    }
    const items = itemsOf(target.parentElement);
    const here = items.indexOf(target);
    const inSubMenu = target.parentElement.parentElement.matches('li');
    if (event.key === 'ArrowDown') items[(here + 1) % items.length].focus();
    else if (event.key === 'ArrowUp') items[(here - 1 + items.length) % items.length].focus();
    else if (event.key === 'Enter' || event.key === ' ') choose(target);
    else if (event.key === 'ArrowRight' && target.getAttribute('aria-haspopup')) openMenu(target, true);
    else if ((event.key === 'ArrowLeft' || event.key === 'Escape') && inSubMenu) {
      const opener = target.parentElement.parentElement;
      target.parentElement.hidden = true;
      opener.setAttribute('aria-expanded', 'false');
      opener.focus();
    } else if (event.key === 'ArrowRight') moveTop(1);
    else if (event.key === 'ArrowLeft') moveTop(-1);
    else if (event.key === 'Escape') {
      const top = target.closest('.menu-top').querySelector('button');
      closeMenus();
      top.focus();
    } else if (event.key === 'Tab') {
      closeMenus();
      return;
    } else return;
    event.preventDefault();
  }

  // ---- The dialogs ----

  // Shows one modal box and waits for the answer: 0 or 1 for a message (always 0) or a yes/no
  // question (1 for Yes), the UTF-8 size of the typed text for a prompt (takeAnswer has it).
  function dialog(kind, caption, text, icon) {
    const choices =
      kind === dialogKind.message ? [['OK', 0]]
      : kind === dialogKind.yesNo ? [['Yes', 1], ['No', 0]]
      : [['OK', null], ['Cancel', '']];
    // Escape and closing answer No, Cancel, or OK for a box that only has OK.
    const cancelled = kind === dialogKind.prompt ? '' : 0;
    const first = !firstDialogShown;
    if (first) {
      firstDialogShown = true;
      performance.mark('kelvaro-first-dialog');
      // The icon, the manifest and the files kept for playing offline wait until the player
      // sees the game, so that nothing else is fetched or drawn before the first greeting. The
      // window, and with it its caption's icon, is still hidden then.
      setTimeout(() => {
        byId('captionIcon').src = 'icon.svg';
        prepareReaders();
        const links = { icon: 'icon.svg', manifest: 'manifest.webmanifest' };
        for (const rel of Object.keys(links)) {
          const link = document.createElement('link');
          link.rel = rel;
          link.href = links[rel];
          document.head.append(link);
        }
        if ('serviceWorker' in navigator)
          navigator.serviceWorker.register('sw.js').catch(() => {});
      }, 0);
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
        if (kind === dialogKind.prompt) {
          answer = value;
          resolve(lengthBytesUTF8(value));
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
          if (kind === dialogKind.prompt && event.key.length === 1 && !event.ctrlKey &&
              !event.altKey && !event.metaKey)
            showField(box);
          if (event.key === 'Escape') {
            event.preventDefault();
            finish(cancelled);
          } else if (event.key === 'Enter' ||
                     (event.key === ' ' && event.target === box && kind !== dialogKind.prompt)) {
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
        if (kind === dialogKind.prompt) setTimeout(() => showField(box), promptFocusDelay);
      };
      show();
      if (first) kelvaroAnnouncements.whenPageSettled(() => answered || show());
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
    sign.className = 'icon ' + icons[icon];
    sign.textContent = iconSigns[icon];
    sign.hidden = icon === 0;
    // A dialog, not an alert dialog: a screen reader reads an alert's box again each time
    // the browser reports it added, which it does twice.
    box.setAttribute('role', 'dialog');
    const input = part('dialogInput');
    input.hidden = kind !== dialogKind.prompt;
    input.style.visibility = 'hidden';
    input.value = '';
    part('dialogButtons').replaceChildren();
  }

  const takeAnswer = () => answer;

  // ---- The game ----

  async function act(kind, fish, command) {
    if (!game || busy) return;
    busy = true;
    const back = document.activeElement;
    kelvaroAnnouncements.beginAction();
    const over = await ccall('kelvaro_act', 'number', ['number', 'number', 'number', 'number'],
      [game, kind, fish, command], { async: true });
    busy = false;
    if (over || ended) {
      finishGame();
      return;
    }
    if (back && back !== document.body && document.contains(back)) back.focus();
    else byId('txtGeld').focus();
    kelvaroAnnouncements.endAction();
  }

  async function newGame() {
    resetArea();
    byId('gameEnded').hidden = true;
    // Like the window, the game area is shown only once the game start has filled it.
    byId('window').classList.add('starting');
    ended = false;
    busy = true;
    game = _kelvaro_new_game();
    const over = await ccall('kelvaro_begin', 'number', ['number'], [game], { async: true });
    busy = false;
    byId('window').classList.remove('starting');
    if (over || ended) {
      finishGame();
      return;
    }
    byId('txtGeld').focus();
  }

  // No further step of the game runs: the game is let go and the page says that it is over.
  function finishGame() {
    if (game) _kelvaro_delete_game(game);
    game = 0;
    closeMenus();
    byId('window').hidden = true;
    byId('gameEnded').hidden = false;
    document.title = 'Kelvaro';
    byId('startNewGame').focus();
    kelvaroAnnouncements.gameEnded(byId('gameEnded').querySelector('p').textContent);
  }

  function setControlText(id, text) {
    const element = byId(id);
    const before = element instanceof HTMLInputElement ? element.value : element.textContent;
    kelvaroAnnouncements.valueShown(element, before, text);
    if (element instanceof HTMLInputElement) element.value = text;
    else element.textContent = text;
  }

  function setTitle(title) {
    document.title = title;
    byId('windowTitle').textContent = title;
  }

  function endGame() {
    ended = true;
  }

  // Ctrl+S, Ctrl+L and F1 belong to the game while the page has the focus, also over the
  // browser's own use of them; the game says which keys choose which command.
  function onShortcut(event) {
    let letter = 0;
    let functionKey = 0;
    if (event.ctrlKey && !event.altKey && !event.metaKey && /^[a-z]$/i.test(event.key))
      letter = event.key.toUpperCase().charCodeAt(0);
    const match = /^F([0-9]{1,2})$/.exec(event.key);
    if (match && !event.ctrlKey && !event.altKey) functionKey = Number(match[1]);
    if (functionKey === 10 && !byId('dialog').open && game) {
      // F10 takes the focus to the menu bar, as in a window.
      event.preventDefault();
      topButtons()[0].focus();
      return;
    }
    if (letter === 0 && functionKey === 0) return;
    const command = _kelvaro_shortcut(letter ? 1 : 0, letter, functionKey);
    if (command === 0) return;
    event.preventDefault();
    if (byId('dialog').open || busy || !game) return;
    closeMenus();
    act(action.menu, 0, command);
  }

  // ---- The platform services ----

  function localNow(fields) {
    const now = new Date();
    const values = [now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(),
      now.getMinutes(), Math.min(now.getSeconds(), 59)];
    values.forEach((value, i) => (HEAP32[(fields >> 2) + i] = value));
  }

  const ticks = () => Math.floor((performance.timeOrigin + performance.now()) * 1e6);
  const randomWord = () => crypto.getRandomValues(new Uint32Array(1))[0];

  // Dates are formatted from their fields alone, as UTC, so no time zone can shift them.
  const dateOptions = { timeZone: 'UTC', calendar: 'gregory', numberingSystem: 'latn' };
  const plainBlanks = (text) => text.replace(/[\u00a0\u202f\u2009]/g, ' ');

  function utcDate(year, month, day, hour, minute, second) {
    const date = new Date(0);
    date.setUTCFullYear(year, month - 1, day);
    date.setUTCHours(hour, minute, second, 0);
    return date;
  }

  function monthName(month, abbreviated) {
    if (month < 1 || month > 12) return '';
    const format = new Intl.DateTimeFormat(undefined,
      Object.assign({ day: 'numeric', month: abbreviated ? 'short' : 'long' }, dateOptions));
    const date = utcDate(2000, month, 15, 12, 0, 0);
    const part = format.formatToParts(date).find((p) => p.type === 'month');
    // Where a date writes its month as a bare number with a sign after it (3月), the name is
    // the month on its own, sign included.
    if (!part || /^[0-9]+$/.test(part.value)) {
      return new Intl.DateTimeFormat(undefined,
        Object.assign({ month: abbreviated ? 'short' : 'long' }, dateOptions)).format(date);
    }
    return part.value;
  }

  // Languages whose reading of a saved date is asked before the browser's own form is written,
  // one for each way of writing a short date and a time that the browser knows; American dates
  // also with a 24-hour clock and British ones with a 12-hour clock, as people write them.
  const otherLanguages = ['en-US', 'en-US-u-hc-h23', 'en-GB', 'en-GB-u-hc-h12', 'en-CA', 'en-AU', 'en-IN', 'en-ZA', 'de', 'de-CH',
    'fr', 'fr-CA', 'fr-CH', 'es', 'es-MX', 'es-US', 'it', 'nl', 'nl-BE', 'pt', 'pt-BR', 'sv',
    'da', 'nb', 'fi', 'is', 'pl', 'cs', 'sk', 'sl', 'hr', 'sr-Latn', 'bs', 'hu', 'ro', 'bg', 'ru',
    'uk', 'be', 'el', 'tr', 'az', 'kk', 'uz', 'ka', 'hy', 'he', 'ar', 'fa', 'ur', 'hi', 'bn',
    'mr', 'gu', 'pa', 'ta', 'te', 'kn', 'ml', 'si', 'ne', 'th', 'lo', 'km', 'my', 'vi', 'id',
    'ms', 'fil', 'ja', 'ko', 'zh-CN', 'zh-TW', 'zh-HK', 'mn', 'lt', 'lv', 'et', 'ga', 'cy',
    'eu', 'ca', 'gl', 'sq', 'mk', 'af', 'sw', 'zu', 'am', 'yo', 'ha'];

  // Making a language's format is what costs (its data is looked up), so each is made once.
  const formats = new Map();
  function formatOf(language, style) {
    const key = language + ' ' + style;
    if (!formats.has(key)) {
      const options = style === 'date' ? { dateStyle: 'short' } : { timeStyle: style };
      formats.set(key, new Intl.DateTimeFormat(language, Object.assign(options, dateOptions)));
    }
    return formats.get(key);
  }

  // A language's short date with the year in full, as parts.
  const datePartsOf = (language, date) => formatOf(language, 'date').formatToParts(date);

  // A language's time of day with seconds, as parts. The desktop writes the language's full
  // time without its zone ("15時04分05秒" in Japanese, where the medium time is "15:04:05"),
  // taking the blanks, comma and brackets around the zone with it.
  function timePartsOf(language, date, style) {
    const parts = formatOf(language, style).formatToParts(date)
      .map((part) => ({ type: part.type, value: part.value }));
    const zone = parts.findIndex((part) => part.type === 'timeZoneName');
    if (zone < 0) return parts;
    const before = parts[zone - 1];
    const after = parts[zone + 1];
    if (before && before.type === 'literal')
      before.value = before.value.replace(/[,\s]*[([]?$/, '');
    if (after && after.type === 'literal') after.value = after.value.replace(/^[)\]]?/, '');
    const kept = parts.filter((part, i) => i !== zone);
    if (kept[0].type === 'literal') kept[0].value = kept[0].value.trimStart();
    const last = kept[kept.length - 1];
    if (last.type === 'literal') last.value = last.value.trimEnd();
    return kept.filter((part) => part.type !== 'literal' || part.value);
  }

  // The language's short date with the year in full, then, unless it is midnight, its time of
  // day with seconds: the form the desktop writes for the same language.
  function languageForm(language, year, month, day, hour, minute, second) {
    const date = utcDate(year, month, day, hour, minute, second);
    const datePart = datePartsOf(language, date)
      .map((p) => (p.type === 'year' ? String(year).padStart(4, '0') : p.value)).join('');
    if (hour === 0 && minute === 0 && second === 0) return plainBlanks(datePart);
    const timePart = timePartsOf(language, date, 'full').map((p) => p.value).join('');
    return plainBlanks(datePart + ' ' + timePart);
  }

  const escaped = (text) => text.replace(/[.*+?^${}()|[\]\\/]/g, '\\$&');
  const periodKey = (text) => plainBlanks(text).toLowerCase().replace(/[.\s]/g, '');

  // Digits of any script read as 0-9: the desktop writes "١٩/٣/٢٠٢٥" in Arabic and Persian.
  let digitValues = null;
  function latinDigits(text) {
    if (!/[^\x00-\x7f]/.test(text)) return text;
    if (!digitValues) {
      digitValues = new Map();
      const systems = Intl.supportedValuesOf ? Intl.supportedValuesOf('numberingSystem') : [];
      for (const system of systems) {
        const format = new Intl.NumberFormat('en', { numberingSystem: system, useGrouping: false });
        for (let digit = 0; digit <= 9; digit++) {
          const shown = format.format(digit);
          if ([...shown].length === 1 && shown !== String(digit))
            digitValues.set(shown, String(digit));
        }
      }
    }
    return [...text].map((c) => digitValues.get(c) || c).join('');
  }

  // How a language's forms read: patterns with their numbers and their half of the day
  // captured, blanks taken loosely, and the fields the captures fill, in order; the time as
  // the desktop writes it and as the language's medium time. Kept per language.
  const readers = new Map();
  function readerOf(language) {
    if (readers.has(language)) return readers.get(language);
    const morning = utcDate(2001, 2, 3, 4, 5, 6);
    const afternoon = utcDate(2001, 2, 3, 16, 5, 6);
    const period = (parts) => (parts.find((p) => p.type === 'dayPeriod') || {}).value;
    const source = (parts, fields) => parts.map((p) => {
      if (p.type === 'literal') return escaped(plainBlanks(p.value)).replace(/ +/g, '\\s*');
      fields.push(p.type);
      return p.type === 'dayPeriod' ? '([^\\s0-9]+(?:\\s[^\\s0-9]+)?)' : '([0-9]{1,5})';
    }).join('');
    const dateFields = [];
    const dateSource = source(datePartsOf(language, morning), dateFields);
    const forms = [{ pattern: new RegExp('^\\s*' + dateSource + '\\s*$'), fields: dateFields }];
    const timeSources = new Set();
    for (const style of ['full', 'medium']) {
      const timeFields = [];
      const morningParts = timePartsOf(language, morning, style);
      const timeSource = source(morningParts, timeFields);
      if (timeSources.has(timeSource)) continue;
      timeSources.add(timeSource);
      const am = period(morningParts);
      const pm = period(timePartsOf(language, afternoon, style));
      forms.push({
        pattern: new RegExp('^\\s*' + dateSource + '\\s+' + timeSource + '\\s*$'),
        fields: dateFields.concat(timeFields),
        am: am ? periodKey(am) : null,
        pm: pm ? periodKey(pm) : null,
      });
    }
    readers.set(language, forms);
    return forms;
  }

  function isRealMoment(v) {
    const date = utcDate(v[0], v[1], v[2], v[3], v[4], v[5]);
    return v[1] >= 1 && v[1] <= 12 && v[2] >= 1 && v[3] <= 23 && v[4] <= 59 && v[5] <= 59 &&
      date.getUTCFullYear() === v[0] && date.getUTCMonth() === v[1] - 1 && date.getUTCDate() === v[2];
  }

  // The moment a text means in a language's form, or null when that language cannot read it.
  function readIn(language, text) {
    const plain = latinDigits(plainBlanks(text));
    for (const form of readerOf(language)) {
      const match = form.pattern.exec(plain);
      if (!match) continue;
      const value = { year: 0, month: 0, day: 0, hour: 0, minute: 0, second: 0 };
      let period = null;
      let unknown = false;
      form.fields.forEach((field, i) => {
        if (field === 'dayPeriod') period = periodKey(match[i + 1]);
        else if (field in value) value[field] = Number(match[i + 1]);
        else unknown = true;
      });
      if (unknown) continue;
      if (period !== null) {
        if (period !== form.am && period !== form.pm) continue;
        if (value.hour < 1 || value.hour > 12) continue;
        value.hour = (value.hour % 12) + (period === form.pm ? 12 : 0);
      }
      const moment = [value.year, value.month, value.day, value.hour, value.minute, value.second];
      if (isRealMoment(moment)) return moment;
    }
    return null;
  }

  // Each language's form is made once, from its data; for a hundred languages that takes the
  // better part of a second. It is done while the page is idle, so a first Save or Load does
  // not wait for it.
  function prepareReaders() {
    const waiting = [Intl.DateTimeFormat().resolvedOptions().locale].concat(otherLanguages);
    const idle = window.requestIdleCallback || ((work) => setTimeout(() => work(null), 50));
    const prepare = (deadline) => {
      do readerOf(waiting.shift());
      while (waiting.length && deadline && deadline.timeRemaining() > 5);
      if (waiting.length) idle(prepare);
      else latinDigits('\u0660');
    };
    idle(prepare);
  }

  const sameMoment = (a, b) => a !== null && b !== null && a.every((value, i) => value === b[i]);

  // The one moment every other language that reads the text reads; null when none reads it or
  // two read two different moments.
  function readByOthers(text) {
    let agreed = null;
    for (const language of otherLanguages) {
      const moment = readIn(language, text);
      if (moment === null) continue;
      if (agreed !== null && !sameMoment(agreed, moment)) return null;
      agreed = moment;
    }
    return agreed;
  }

  // ISO 8601 as the game writes it, local time with no zone: "2026-01-09", "2026-01-09T15:04:05".
  function readIso(text) {
    const match = /^([0-9]{4})-([0-9]{2})-([0-9]{2})(?:T([0-9]{2}):([0-9]{2})(?::([0-9]{2})(?:\.[0-9]+)?)?)?$/
      .exec(text.trim());
    if (!match) return null;
    const moment = match.slice(1).map((value) => Number(value || 0));
    return isRealMoment(moment) ? moment : null;
  }

  function isoText(v) {
    const two = (n) => String(n).padStart(2, '0');
    const date = String(v[0]).padStart(4, '0') + '-' + two(v[1]) + '-' + two(v[2]);
    return v[3] === 0 && v[4] === 0 && v[5] === 0 ? date
      : date + 'T' + two(v[3]) + ':' + two(v[4]) + ':' + two(v[5]);
  }

  // The browser's language's form, as the desktop writes it; but a text that this language
  // cannot read back, or that another reads as another moment ("09/01/2026" is 9 January in
  // Britain and 1 September in America), is written in ISO 8601, which every language reads.
  function dateTimeText(fields) {
    const moment = [0, 1, 2, 3, 4, 5].map((i) => HEAP32[(fields >> 2) + i]);
    const own = Intl.DateTimeFormat().resolvedOptions().locale;
    const text = languageForm(own, moment[0], moment[1], moment[2], moment[3], moment[4], moment[5]);
    if (!sameMoment(readIn(own, text), moment) || !sameMoment(readByOthers(text), moment))
      return isoText(moment);
    return text;
  }

  // ISO 8601 first, then the browser's language's form, then what every other language agrees on.
  function readDateTime(text, fields) {
    if (text.length > 100 || !/[0-9]/.test(latinDigits(text))) return false;
    const own = Intl.DateTimeFormat().resolvedOptions().locale;
    const moment = readIso(text) || readIn(own, text) || readByOthers(text);
    if (!moment) return false;
    moment.forEach((value, i) => (HEAP32[(fields >> 2) + i] = value));
    return true;
  }

  // ---- The saved game in the browser's store ----

  function refusal(error) {
    if (error && error.name === 'QuotaExceededError')
      return 'The browser\'s storage for this page is full.';
    if (error && error.name === 'SecurityError')
      return 'The browser does not let this page keep anything (its storage is switched off).';
    return 'The browser refused to keep it: ' + (error && error.message ? error.message : error);
  }

  // The size of the text read, or, when the browser refuses, minus one more than the size of
  // why; takeStorageText has the text.
  function storageRead(key) {
    try {
      const text = window.localStorage.getItem(key);
      storageText = text === null ? '' : text;
      return lengthBytesUTF8(storageText);
    } catch (error) {
      storageText = refusal(error);
      return -(lengthBytesUTF8(storageText) + 1);
    }
  }

  // 0 when stored; otherwise one more than the size of why, which takeStorageText has.
  function storageWrite(key, text) {
    try {
      window.localStorage.setItem(key, text);
      return 0;
    } catch (error) {
      storageText = refusal(error);
      return lengthBytesUTF8(storageText) + 1;
    }
  }

  const takeStorageText = () => storageText;

  function say(text) {
    byId('savedGameStatus').textContent = text;
  }

  function downloadSavedGame() {
    let text;
    try {
      text = window.localStorage.getItem(area.savedGameKey);
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
    if (!file || busy) return;
    if (file.size > largestSettingsFile) {
      say(file.name + ' was not opened: it is too large to be a saved game. Nothing changed.');
      return;
    }
    const text = await file.text();
    busy = true;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    const sound = await ccall('kelvaro_check_saved_text', 'number', ['number'], [copy], { async: true });
    _free(copy);
    busy = false;
    if (!sound) {
      say(file.name + ' was not opened: it holds no saved game that can be loaded. Nothing changed.');
      return;
    }
    const refused = storageWrite(area.savedGameKey, text);
    if (refused) say(file.name + ' was not opened: ' + storageText + ' Nothing changed.');
    else say(file.name + ' was opened: choose File > Load to play it.');
  }

  // ---- The start ----

  function start() {
    _kelvaro_describe_page();
    drawArea();
    drawMenus();
    document.addEventListener('keydown', onShortcut, true);
    byId('downloadSavedGame').onclick = downloadSavedGame;
    byId('openSavedGame').onchange = openSavedGame;
    byId('startNewGame').onclick = () => {
      byId('window').hidden = false;
      newGame();
    };
    newGame();
  }

  return {
    describeArea, addControl, addLine, addTabStop, addMenuEntry,
    setControlText, setTitle, endGame, dialog, takeAnswer,
    localNow, ticks, randomWord, monthName, dateTimeText, readDateTime,
    storageRead, storageWrite, takeStorageText, start,
  };
})();

Module['onRuntimeInitialized'] = kelvaroPage.start;
