// The game area: draws the window's controls and rules from the layout the module hands over
// (kelvaroPage.addControl and friends, called from web/entry.cpp), and shows the values the game
// sends by their controls' roles. Its Buy, Sell and Wait buttons call game.js; the numbers it
// reads come from boundary.js.
/* global kelvaroPage */

(function () {
  'use strict';

  const page = kelvaroPage;
  const words = page.vocabulary;
  // Its size, its twips per pixel, the saved game's storage key and the title before a game.
  const area = {};
  const controls = [];
  const lines = [];
  const tabStops = [];
  // Each control's element by its role and kind number, once the area is drawn.
  const byRole = new Map();
  const roleKey = (role, index) => role + '/' + (index || 0);
  const dateSamples = [];

  const byId = (id) => document.getElementById(id);
  const pixels = (twips) => twips / area.twipsPerPixel + 'px';
  const rgb = (colour) =>
    'rgb(' + (colour >> 16) + ',' + ((colour >> 8) & 255) + ',' + (colour & 255) + ')';
  const controlId = (name, index) => (index > 0 ? name + index : name);
  const idOf = (control) => controlId(control.name, control.index);

  const fontFamilies = {
    verdana: 'Verdana, "DejaVu Sans", sans-serif',
    tahoma: 'Tahoma, "DejaVu Sans", sans-serif',
    userInterface: 'system-ui, "DejaVu Sans", sans-serif',
  };
  const alignments = { left: 'left', centre: 'center', right: 'right' };

  // ---- What the game hands over before the page is drawn ----

  function describeArea(width, height, twipsPerPixel, savedGameKey, titleBefore) {
    Object.assign(area, { width, height, twipsPerPixel, savedGameKey, titleBefore });
  }
  const addControl = (control) => controls.push(control);
  const addLine = (name, points, colour, pixelWidth) =>
    lines.push({ name, points, colour, pixelWidth });
  const addTabStop = (name, index) => tabStops.push(controlId(name, index));
  const addDateSample = (text) => dateSamples.push(text);

  // The element of the control with this role (and kind number for a row's control).
  const elementWithRole = (role, index) => byRole.get(roleKey(role, index)) || null;

  // ---- Drawing ----

  function controlElement(control) {
    let element;
    if (control.type === words.controlType.button) {
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = control.caption;
    } else if (control.type === words.controlType.label) {
      element = document.createElement('div');
      element.className = 'label';
      element.textContent = control.caption;
    } else {
      element = document.createElement('input');
      element.type = 'text';
      element.value = control.caption;
      element.readOnly = control.type === words.controlType.readOnlyTextBox;
      element.spellcheck = false;
      element.autocomplete = 'off';
    }
    element.id = idOf(control);
    element.dataset.caption = control.caption;
    Object.assign(element.style, {
      left: pixels(control.rect[0]),
      top: pixels(control.rect[1]),
      width: pixels(control.rect[2]),
      height: pixels(control.rect[3]),
      fontFamily: fontFamilies[page.wordOf('fontFace', control.face)],
      fontSize: control.points + 'pt',
      fontWeight: control.bold ? 'bold' : 'normal',
      // Where Tahoma is missing its stand-in is DejaVu Sans's condensed face, as in the window.
      fontStretch: page.wordOf('fontFace', control.face) === 'tahoma' ? 'condensed' : 'normal',
      textAlign: alignments[page.wordOf('alignment', control.alignment)],
    });
    if (control.textColour >= 0) element.style.color = rgb(control.textColour);
    if (control.backgroundColour >= 0) element.style.backgroundColor = rgb(control.backgroundColour);
    // A label is read by its text; the boxes and buttons by the window's accessible names.
    if (control.accessibleName && control.type !== words.controlType.label)
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
    const elements = new Map(controls.map((control) => [idOf(control), controlElement(control)]));
    for (const id of elements.keys()) if (!tabStops.includes(id)) client.append(elements.get(id));
    for (const id of tabStops) if (elements.has(id)) client.append(elements.get(id));
    const action = words.action;
    const clicks = new Map([
      [words.role.buy, (row) => page.act(action.buy, row, 0)],
      [words.role.sell, (row) => page.act(action.sell, row, 0)],
      [words.role.wait, () => page.act(action.wait, 0, 0)],
    ]);
    for (const control of controls) {
      const element = elements.get(idOf(control));
      if (control.role !== words.role.decoration)
        byRole.set(roleKey(control.role, control.index), element);
      const click = clicks.get(control.role);
      if (click) element.onclick = () => click(control.index);
    }
    // Fonts arrive after the first drawing, and the zoom changes what a pixel holds.
    fitDateBox();
    document.fonts.ready.then(fitDateBox);
    addEventListener('resize', fitDateBox);
  }

  function resetArea() {
    for (const control of controls) {
      const element = byId(idOf(control));
      if (element instanceof HTMLInputElement) element.value = control.caption;
      else element.textContent = control.caption;
    }
    document.title = area.titleBefore;
    byId('windowTitle').textContent = area.titleBefore;
    fitDateBox();
  }

  // ---- The date box's font ----

  // As the window does: the box's font one pixel smaller at a time, down to 6 pixels, until
  // every month's widest date fits, measured in the face the box really draws with (its
  // condensed stand-in too); a text shown later that is wider still (a loaded date) shrinks it
  // further while it is shown.
  const smallestPixels = 6;
  let datePixels = 0;

  function fitsAt(box, pixels, texts) {
    const style = getComputedStyle(box);
    const room = box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    const ruler = document.createElement('span');
    ruler.setAttribute('aria-hidden', 'true');
    Object.assign(ruler.style, {
      position: 'absolute', visibility: 'hidden', whiteSpace: 'pre',
      fontFamily: style.fontFamily, fontWeight: style.fontWeight, fontStyle: style.fontStyle,
      fontStretch: style.fontStretch, fontSize: pixels + 'px',
    });
    document.body.append(ruler);
    const fits = texts.every((text) => {
      ruler.textContent = text;
      return ruler.getBoundingClientRect().width <= room;
    });
    ruler.remove();
    return fits;
  }

  function largestFitting(box, from, texts) {
    let pixels = from;
    while (pixels > smallestPixels && !fitsAt(box, pixels, texts)) pixels--;
    return pixels;
  }

  function fitDateBox() {
    const control = controls.find((c) => c.role === words.role.date);
    const box = control && byId(idOf(control));
    // A window not drawn (the game ended) has nothing to measure by.
    if (!box || !box.clientWidth) return;
    datePixels = largestFitting(box, Math.round((control.points * 96) / 72), dateSamples);
    showDate(box, box.value);
  }

  function showDate(box, text) {
    box.value = text;
    box.style.fontSize = largestFitting(box, datePixels, [text]) + 'px';
  }

  // ---- What the game shows ----

  function setControlText(role, index, text) {
    const element = elementWithRole(role, index);
    const before = element instanceof HTMLInputElement ? element.value : element.textContent;
    page.valueShown(role, element, before, text);
    if (role === words.role.date && datePixels) showDate(element, text);
    else if (element instanceof HTMLInputElement) element.value = text;
    else element.textContent = text;
  }

  function setTitle(title) {
    document.title = title;
    byId('windowTitle').textContent = title;
  }

  Object.assign(page, {
    area, describeArea, addControl, addLine, addTabStop, addDateSample, drawArea, resetArea,
    elementWithRole, setControlText, setTitle,
  });
})();
