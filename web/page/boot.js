// The page's first script: fetches and compiles the module while the game's script is still
// coming, then loads that script, and says on the page whatever keeps the game from starting.
// It talks to the module's loader (kelvaro.js) through the global Module the loader expects,
// and to index.html's #cannotStart. Every file it asks for carries this build's mark, taken
// from its own address, so that the page never runs the files of two builds together.
var Module = (function () {
  'use strict';
  const build = new URL(document.currentScript.src).search;
  // The compiler gets the bytes as they arrive, and the loader only instantiates what is ready.
  const wasm = fetch('kelvaro.wasm' + build, { credentials: 'same-origin' });
  const compiled = WebAssembly.compileStreaming(wasm).catch(() =>
    fetch('kelvaro.wasm' + build, { credentials: 'same-origin' })
      .then((response) => response.arrayBuffer())
      .then((bytes) => WebAssembly.compile(bytes)));
  // Whatever keeps the game from starting, or stops it, is said on the page, not left as an
  // empty or frozen window.
  function say(text) {
    const shown = document.getElementById('cannotStart');
    if (!shown) {
      document.addEventListener('DOMContentLoaded', () => say(text));
      return;
    }
    shown.textContent = text;
    shown.hidden = false;
  }
  const reasonOf = (error) => (error && error.message ? error.message : String(error));
  const cannotStart = (reason) =>
    say('The game could not be started (' + reason + '). Reload the page to try again.');
  const loader = document.createElement('script');
  loader.src = 'kelvaro.js' + build;
  loader.async = true;
  loader.onerror = () => cannotStart('kelvaro.js could not be fetched');
  document.head.append(loader);
  return {
    instantiateWasm(imports, done) {
      compiled.then((module) => WebAssembly.instantiate(module, imports)
        .then((instance) => done(instance, module)))
        .catch((error) => cannotStart(reasonOf(error)));
      return {};
    },
    onAbort: (what) => say('The game stopped on a fault (' + reasonOf(what) + '). Reload the ' +
      'page to play again; the last saved game is kept.'),
    cannotStart,
  };
})();
