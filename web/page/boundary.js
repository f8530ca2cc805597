// The page's side of the boundary with the module: text in and out of the module's memory, and
// the numbers of the game's enumerations, which the module hands over by name at the start
// (web/vocabulary.cpp). Every other file of the page reaches the module's strings and numbers
// through here, and shares the one kelvaroPage object that the module's calls go to.
/* global HEAPU8, _malloc, _free, _kelvaro_receive_text */

var kelvaroPage = {};

(function () {
  'use strict';

  const decoder = new TextDecoder();
  const encoder = new TextEncoder();

  // The text in size bytes of the module's memory from pointer, NULs and all.
  const textAt = (pointer, size) => decoder.decode(HEAPU8.subarray(pointer, pointer + size));

  // Copies the bytes into the module's memory for the time use(pointer, size) takes, which may
  // be a promise; false when the module has no room for them.
  async function withBytes(bytes, use) {
    const pointer = _malloc(bytes.length + 1);
    if (!pointer) return { fits: false };
    HEAPU8.set(bytes, pointer);
    try {
      return { fits: true, value: await use(pointer, bytes.length) };
    } finally {
      _free(pointer);
    }
  }

  // The same for a text's UTF-8 bytes.
  const withText = (text, use) => withBytes(encoder.encode(text), use);

  // Puts the text into the module's std::string at target; false, leaving it as it was, when
  // the module has no room for it.
  function giveText(target, text) {
    const bytes = encoder.encode(text);
    const pointer = _malloc(bytes.length + 1);
    if (!pointer) return false;
    HEAPU8.set(bytes, pointer);
    _kelvaro_receive_text(target, pointer, bytes.length);
    _free(pointer);
    return true;
  }

  // vocabulary.role.buy is the module's number for a Buy button; wordOf('role', n) its name.
  const vocabulary = {};
  function addWord(table, word, number) {
    if (!vocabulary[table]) vocabulary[table] = {};
    vocabulary[table][word] = number;
  }
  function wordOf(table, number) {
    const words = vocabulary[table];
    return Object.keys(words).find((word) => words[word] === number);
  }

  Object.assign(kelvaroPage, { textAt, withBytes, withText, giveText, vocabulary, addWord, wordOf });
})();
