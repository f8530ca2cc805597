// Phones and tablets: on a touch screen the window is scaled to lie whole on the screen, so that
// it is played without panning. Held upright, a phone is too narrow for the window's buttons to
// be tapped, so a notice asks the player to turn it; the game goes on underneath and is there
// again as soon as the device is turned. With a mouse the window keeps one CSS pixel per
// window pixel, so that the browser's zoom scales it.
/* global kelvaroPage */

(function () {
  'use strict';

  const page = kelvaroPage;
  const byId = (id) => document.getElementById(id);
  const touchScreen = window.matchMedia('(pointer: coarse)');
  // Below this the window's rows of buttons, 32 window pixels apart, would lie closer than the
  // 24 CSS pixels a finger needs.
  const smallest = 0.75;
  const largest = 2;
  // The room kept free round the window, in CSS pixels, as style.css's .touch main keeps it.
  const margin = 4;

  // As a popover the notice lies above every box; a browser without popovers (Safari before
  // 17) still shows it, under an open box.
  function showNotice(shown) {
    const notice = byId('turnDevice');
    notice.hidden = !shown;
    if (!notice.showPopover || notice.matches(':popover-open') === shown) return;
    if (shown) notice.showPopover();
    else notice.hidePopover();
  }

  function fitWindow() {
    const frame = byId('window');
    const root = document.documentElement;
    const touch = touchScreen.matches;
    root.classList.toggle('touch', touch);
    if (frame.hidden) return;
    frame.style.zoom = '';
    if (!touch) {
      showNotice(false);
      return;
    }
    const scale = Math.min(largest, (root.clientWidth - 2 * margin) / frame.offsetWidth,
      (root.clientHeight - 2 * margin) / frame.offsetHeight);
    frame.style.zoom = scale;
    // Only turning helps a window that is too small held upright.
    showNotice(scale < smallest && root.clientHeight > root.clientWidth);
  }

  // A box opened while the notice is up goes above it; the notice goes back on top.
  function keepNoticeOnTop(changes) {
    const notice = byId('turnDevice');
    if (notice.hidden || !notice.showPopover) return;
    if (changes.some((change) => change.target.open)) {
      notice.hidePopover();
      notice.showPopover();
    }
  }

  function fitToScreen() {
    window.addEventListener('resize', fitWindow);
    touchScreen.addEventListener('change', fitWindow);
    new MutationObserver(keepNoticeOnTop).observe(document.body,
      { subtree: true, attributes: true, attributeFilter: ['open'] });
    fitWindow();
  }

  Object.assign(page, { fitToScreen, fitWindow });
})();
