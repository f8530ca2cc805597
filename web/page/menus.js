// The menu bar: builds the game's menus from the entries the module hands over
// (kelvaroPage.addMenuEntry, from web/entry.cpp), opens them by mouse and keyboard as a desktop
// menu bar does, and passes a chosen command to game.js. keys.js opens it with F10. As in the
// window, the focus goes back after a command to where it was before the menu bar took it.
/* global kelvaroPage */

(function () {
  'use strict';

  const page = kelvaroPage;
  const words = page.vocabulary;
  const menuEntries = [];
  const byId = (id) => document.getElementById(id);
  // Where the focus was before the menu bar took it; null when nowhere in particular.
  let focusBefore = null;

  const addMenuEntry = (level, name, caption, shortcut, enabled, command) =>
    menuEntries.push({ level, name, caption, shortcut, enabled, command });

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
    // A tap or click may leave the focus where it was (as Safari does), or move it to the bar.
    const noteFocusBefore = (element) => {
      if (!bar.contains(element)) focusBefore = element === document.body ? null : element;
    };
    bar.addEventListener('pointerdown', () => noteFocusBefore(document.activeElement), true);
    bar.addEventListener('focusin', (event) => noteFocusBefore(event.relatedTarget));
    document.addEventListener('pointerdown', (event) => {
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

  // Leaves the menus: the focus goes back to where it was, or to the money box.
  function leaveMenus() {
    const back = focusBefore;
    focusBefore = null;
    closeMenus();
    if (back && document.contains(back)) back.focus();
    else page.elementWithRole(words.role.money).focus();
  }

  function choose(item) {
    if (item.getAttribute('aria-disabled') === 'true') return;
    if (item.getAttribute('aria-haspopup')) {
      openMenu(item, true);
      return;
    }
    leaveMenus();
    const command = Number(item.dataset.command);
    if (command !== words.menuCommand.none) page.act(words.action.menu, 0, command);
  }

  function onMenuClick(event) {
    const button = event.target.closest('.menu-top > button');
    if (button) {
      if (button.getAttribute('aria-expanded') === 'true') leaveMenus();
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
      else if (event.key === 'Escape' && target.getAttribute('aria-expanded') === 'true')
        closeMenus();
      else if (event.key === 'Escape') leaveMenus();
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

  Object.assign(page, { addMenuEntry, drawMenus, closeMenus, topButtons });
})();
