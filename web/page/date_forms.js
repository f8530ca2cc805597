// What each language's date and time look like in this browser, from Intl: the description of
// a language's form that the module reads (browser_date_forms.cpp asks for it by language tag,
// the empty tag meaning the browser's own language). The module writes and reads the saved
// game's dates itself, and names the languages it consults at the start (addDateLanguage);
// start.js has prepareDateForms make them once the first greeting is up.
/* global kelvaroPage */

(function () {
  'use strict';

  const languages = [];
  const addDateLanguage = (tag) => languages.push(tag);

  // Dates are formatted from their fields alone, as UTC, so no time zone can shift them.
  const utc = { timeZone: 'UTC', calendar: 'gregory' };
  const morning = new Date(Date.UTC(2001, 1, 3, 4, 5, 6));
  const afternoon = new Date(Date.UTC(2001, 1, 3, 16, 5, 6));

  const quoted = (text) => "'" + text.replace(/'/g, "''") + "'";
  const width = (value) => ([...value].length > 1 ? 2 : 1);

  // A pattern from parts (d, M, yyyy, H, h, m, s, a and quoted text); null for a part that a
  // saved date cannot carry.
  function patternOf(parts, twelveHour) {
    let pattern = '';
    for (const part of parts) {
      const letter = {
        day: 'd', month: 'M', year: 'y', hour: twelveHour ? 'h' : 'H', minute: 'm', second: 's',
      }[part.type];
      if (part.type === 'literal') pattern += quoted(part.value);
      else if (part.type === 'dayPeriod') pattern += 'a';
      else if (part.type === 'year') pattern += 'yyyy';
      else if (part.type === 'month' && !/^\p{Nd}+$/u.test(part.value)) pattern += 'MMM';
      else if (letter) pattern += letter.repeat(width(part.value));
      else return null;
    }
    return pattern;
  }

  // The time of day with seconds, as parts, less its zone and the blanks, comma and brackets
  // around it ("15時04分05秒" in Japanese, where the medium time is "15:04:05").
  function timeParts(format, date) {
    const parts = format.formatToParts(date).map((part) => ({ type: part.type, value: part.value }));
    const zone = parts.findIndex((part) => part.type === 'timeZoneName');
    if (zone < 0) return parts;
    const before = parts[zone - 1];
    const after = parts[zone + 1];
    if (before && before.type === 'literal')
      before.value = before.value.replace(/[,\s]*[([]?$/u, '');
    if (after && after.type === 'literal') after.value = after.value.replace(/^[)\]]?/u, '');
    const kept = parts.filter((part, i) => i !== zone);
    if (kept.length && kept[0].type === 'literal') kept[0].value = kept[0].value.trimStart();
    const last = kept[kept.length - 1];
    if (last && last.type === 'literal') last.value = last.value.trimEnd();
    return kept.filter((part) => part.type !== 'literal' || part.value);
  }

  const period = (parts) => (parts.find((part) => part.type === 'dayPeriod') || {}).value || '';

  // The description of a language's form, or null when this browser does not know the language.
  function describe(language) {
    const tag = language || undefined;
    if (tag && Intl.DateTimeFormat.supportedLocalesOf([tag]).length === 0) return null;
    const dateFormat = new Intl.DateTimeFormat(tag, Object.assign({ dateStyle: 'short' }, utc));
    const timeFormat = new Intl.DateTimeFormat(tag, Object.assign({ timeStyle: 'full' }, utc));
    const options = timeFormat.resolvedOptions();
    const twelveHour = options.hourCycle === 'h12' || options.hourCycle === 'h11';
    const dateParts = dateFormat.formatToParts(morning);
    const datePattern = patternOf(dateParts, false);
    const morningParts = timeParts(timeFormat, morning);
    const timePattern = patternOf(morningParts, twelveHour);
    if (datePattern === null || timePattern === null) return null;
    const digits = new Intl.NumberFormat(tag, { numberingSystem: options.numberingSystem, useGrouping: false });
    // The day's halves as AM and PM, not the flexible periods (早上, 凌晨) some languages' times
    // use: the morning and the afternoon that every platform writes.
    const halves = new Intl.DateTimeFormat(tag, Object.assign({ hour: 'numeric', hourCycle: 'h12' }, utc));
    const lines = [datePattern, timePattern, [...Array(10).keys()].map((d) => digits.format(d)).join(''),
      period(halves.formatToParts(morning)), period(halves.formatToParts(afternoon))];
    const monthFormat = new Intl.DateTimeFormat(tag, Object.assign({ day: 'numeric', month: 'short' }, utc));
    for (let month = 0; month < 12; month++) {
      const parts = monthFormat.formatToParts(new Date(Date.UTC(2001, month, 15)));
      lines.push((parts.find((part) => part.type === 'month') || {}).value || '');
    }
    return lines.map((line) => line.replace(/\n/g, ' ')).join('\n');
  }

  // Making a language's formats is what costs (its data is looked up), so each is made once.
  const described = new Map();
  function formText(language) {
    if (!described.has(language)) described.set(language, describe(language));
    return described.get(language);
  }

  // Every language the module asks about, made while the page is idle, so that a first Save or
  // Load does not wait for them; one asked for before its turn is made at once.
  function prepare() {
    const waiting = [''].concat(languages);
    const idle = window.requestIdleCallback || ((work) => setTimeout(() => work(null), 50));
    const step = (deadline) => {
      do formText(waiting.shift());
      while (waiting.length && deadline && deadline.timeRemaining() > 5);
      if (waiting.length) idle(step);
    };
    idle(step);
  }

  Object.assign(kelvaroPage, {
    addDateLanguage, dateFormText: formText, prepareDateForms: prepare,
  });
})();
