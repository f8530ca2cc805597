// 7 March 2025, 15:04:05 in Amsterdam (or the moment in self.kelvaroStoppedAt), and a fixed stream of random words: run before the
// page's own scripts, so that a game always deals the same prices and events.
(() => {
  const RealDate = Date;
  const fixed = new RealDate(...(self.kelvaroStoppedAt || [2025, 2, 7, 15, 4, 5])).getTime();
  function StoppedDate(...args) {
    if (!new.target) return new RealDate(fixed).toString();
    return args.length ? new RealDate(...args) : new RealDate(fixed);
  }
  StoppedDate.prototype = RealDate.prototype;
  StoppedDate.now = () => fixed;
  StoppedDate.UTC = RealDate.UTC;
  StoppedDate.parse = RealDate.parse;
  window.Date = StoppedDate;
  performance.now = () => 1000;
  Object.defineProperty(performance, 'timeOrigin', { value: 1700000000000 });
  let word = 0x2545f491;
  crypto.getRandomValues = (array) => {
    for (let i = 0; i < array.length; i++) {
      word = (Math.imul(word, 1664525) + 1013904223) >>> 0;
      array[i] = word;
    }
    return array;
  };
})();
