// Festivals and fasts of a range of Hebrew years, in the Diaspora (D) and in
// Israel (I), from @hebcal/core, an independent library.
//
//   npm install            (in this folder, once)
//   node festivals.mjs 5750 5899 > ../../tests/data/events/fetes_reference.tsv
//
// One line per Hebrew year and place: the year, the place, then each day
// as month/day:index, separated by blanks. Months are numbered 1 Tichri ..
// 6 Adar / Adar I, 7 Adar II .. 13 Eloul; the index is that of our festival
// table (1 Roch-Hachana, 2 Jeûne Guedalia, 32 Soukot (YomTov), 29 HolAmoed
// Soukot …). The days of the State of Israel (Yom Hazikaron, Yom
// Haatsmaout, Yom Yérouchalaïm) are given from 5764 only: before that year
// the library moves them by rules of its own. Dates are Hebrew dates, so
// the library's proleptic Gregorian dates before 1582 play no part.
import { HebrewCalendar } from '@hebcal/core';

const [first, last] = process.argv.slice(2).map(Number);
if (!first || !last || last < first) {
  console.error('usage: node festivals.mjs FIRST_YEAR LAST_YEAR');
  process.exit(2);
}

const ourMonth = (m) => (m >= 7 ? m - 6 : m + 7);
const modernFrom = 5764;

// The index of our table for a library event, or 0 when we do not list it.
function ourIndex(desc, il, year) {
  const exact = {
    'Rosh Hashana II': 1,
    'Tzom Gedaliah': 2,
    'Yom Kippur': 3,
    'Sukkot I': 32,
    'Sukkot II': 32,
    'Sukkot VII (Hoshana Raba)': 21,
    'Shmini Atzeret': il ? 31 : 22,
    'Simchat Torah': 23,
    "Asara B'Tevet": 6,
    'Tu BiShvat': 7,
    "Ta'anit Esther": 8,
    Purim: 9,
    'Shushan Purim': 17,
    "Ta'anit Bechorot": 25,
    'Pesach I': 33,
    'Pesach II': 33,
    'Pesach VII': 33,
    'Pesach VIII': 33,
    'Pesach Sheni': 28,
    'Lag BaOmer': 11,
    'Shavuot I': 12,
    'Shavuot II': 12,
    Shavuot: 12,
    'Tzom Tammuz': 13,
    "Tish'a B'Av": 14,
    "Tu B'Av": 15,
  };
  if (desc in exact) return exact[desc];
  if (/^Rosh Hashana \d+$/.test(desc)) return 1;
  if (/^Sukkot (II|III|IV|V|VI) \(CH''M\)$/.test(desc)) return 29;
  if (/^Pesach (II|III|IV|V|VI) \(CH''M\)$/.test(desc)) return 30;
  if (desc.startsWith('Chanukah:') && desc !== 'Chanukah: 1 Candle') return 5;
  if (year >= modernFrom) {
    if (desc === 'Yom HaZikaron') return 34;
    if (desc === "Yom HaAtzma'ut") return 26;
    if (desc === 'Yom Yerushalayim') return 24;
  }
  return 0;
}

const lines = [];
for (let year = first; year <= last; year++) {
  for (const [place, il] of [['D', false], ['I', true]]) {
    const events = HebrewCalendar.calendar({
      year,
      isHebrewYear: true,
      il,
      noRoshChodesh: true,
      noSpecialShabbat: true,
    });
    const days = [];
    for (const ev of events) {
      const hd = ev.getDate();
      if (hd.getFullYear() !== year) continue;
      // A fast kept on another day is named "(observed)".
      const index = ourIndex(ev.getDesc().replace(/ \(observed\)$/, ''), il, year);
      if (index) days.push(`${ourMonth(hd.getMonth())}/${hd.getDate()}:${index}`);
    }
    lines.push([year, place, days.join(' ')].join('\t'));
  }
}
process.stdout.write(lines.join('\n') + '\n');
