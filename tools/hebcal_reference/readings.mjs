// Weekly readings of every Saturday of a range of Hebrew years, in the
// Diaspora (D) and in Israel (I), from @hebcal/core, an independent library.
//
//   npm install            (in this folder, once)
//   node readings.mjs 5700 5999 > ../../tests/data/events/lectures_reference.tsv
//   node readings.mjs 3860 13759 --days > /tmp/every_saturday.tsv
//
// One line per Hebrew year and place: the year, the place, then the reading
// of each Saturday of the year in order, separated by blanks: the index of
// our reading table (51 Berèchit .. 103 Haazinou), two indexes joined by "+"
// for a double reading, or "-" for a festival Saturday. With --days, one
// line per Saturday instead: year, place, month, day (months numbered
// 1 Tichri .. 6 Adar / Adar I, 7 Adar II .. 13 Eloul), reading. The
// comparison is by Hebrew date only, so the library's proleptic Gregorian
// dates before 1582 play no part.
import { HDate, Sedra, parshiot } from '@hebcal/core';

const days = process.argv.includes('--days');
const [first, last] = process.argv.slice(2).filter((a) => a !== '--days').map(Number);
if (!first || !last || last < first) {
  console.error('usage: node readings.mjs FIRST_YEAR LAST_YEAR');
  process.exit(2);
}

// Library months: 1 Nisan .. 6 Elul, 7 Tishrei .. 12 Adar (I), 13 Adar II.
const ourMonth = (m) => (m >= 7 ? m - 6 : m + 7);
// Our reading table starts with Berèchit at 51, in the library's order.
const ourIndex = (name) => {
  const i = parshiot.indexOf(name);
  if (i < 0) throw new Error(`unknown reading ${name}`);
  return i + 51;
};

const lines = [];
for (let year = first; year <= last; year++) {
  for (const [place, il] of [['D', false], ['I', true]]) {
    const sedra = new Sedra(year, il);
    const start = new HDate(1, 'Tishrei', year).abs();
    const end = new HDate(1, 'Tishrei', year + 1).abs();
    const readings = [];
    for (let abs = start; abs < end; abs++) {
      const hd = new HDate(abs);
      if (hd.getDay() !== 6) continue;
      const r = sedra.lookup(hd);
      const reading = r.chag ? '-' : r.parsha.map(ourIndex).join('+');
      if (days) {
        lines.push([year, place, ourMonth(hd.getMonth()), hd.getDate(), reading].join('\t'));
      } else {
        readings.push(reading);
      }
    }
    if (!days) lines.push([year, place, readings.join(' ')].join('\t'));
  }
}
process.stdout.write(lines.join('\n') + '\n');
