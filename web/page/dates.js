// The platform's clock and dates: the local time, ticks and random words, the month names, and
// the saved game's date text written and read in the browser's language (Intl), for
// web/page_ports.cpp. start.js prepares each language's readers once the first greeting is up.
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

  Object.assign(kelvaroPage, {
    localNow, ticks, randomWord, monthName, dateTimeText, readDateTime, prepareReaders,
  });
})();
