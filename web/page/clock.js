// The platform's clock and month names for web/page_ports.cpp: the local time, ticks and random
// words, and the month names of the browser's language (Intl). What each language's saved
// date looks like is date_forms.js's.
/* global kelvaroPage, HEAP32 */

(function () {
  'use strict';

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

  Object.assign(kelvaroPage, { localNow, ticks, randomWord, monthName });
})();
