#!/usr/bin/env node
// Writes the ready-made holiday lists that ship beside the program: one list
// file per country and per region (state, province) that the date-holidays
// data knows, holding the public holidays of a fixed span of years, and an
// index of them, so that the program can offer them by name without reading
// every file. The index also gives each list its country's work week, from
// the Unicode CLDR week data. Everything is UTF-8: each list has English
// names, and where the country speaks another language first, a second file
// has the names in that language and its own script.
//   make_holidays.js OUTDIR FIRSTYEAR LASTYEAR
// The output depends only on the data, the years and Node's ICU (the
// languages' names): never on today's date, the time zone or the order in
// which the data lists its countries.
'use strict';

const fs = require('fs');
const path = require('path');
const Holidays = require('date-holidays');
const source = require('date-holidays/package.json');
const cldr = require('cldr-core/package.json');
const { weekData } = require('cldr-core/supplemental/weekData.json').supplemental;

const [outDir, firstArg, lastArg] = process.argv.slice(2);
const firstYear = Number(firstArg);
const lastYear = Number(lastArg);
if (!outDir || !Number.isInteger(firstYear) || !Number.isInteger(lastYear) || firstYear > lastYear) {
  console.error('usage: make_holidays.js OUTDIR FIRSTYEAR LASTYEAR');
  process.exit(2);
}

const kCredit =
  `! Source: date-holidays ${source.version} by commenthol and contributors, ` +
  'https://github.com/commenthol/date-holidays; data licence CC BY-SA 3.0, ' +
  'https://creativecommons.org/licenses/by-sa/3.0/. This list is derived from it.';

const kCldrCredit =
  `! Work weeks: Unicode CLDR ${cldr.version} (cldr-core), https://cldr.unicode.org; ` +
  'Copyright (C) 2004-2026 Unicode, Inc., Unicode License v3, https://www.unicode.org/license.txt.';

// Windows-1252: Latin-1 but for 0x80..0x9F, which hold these characters.
// English names fall back on a language whose names fit it, so that the
// English lists read on old systems of any Western code page.
const kHighRow = '\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u008d\u017d\u008f' +
                 '\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u009d\u017e\u0178';
const kHighChars = new Set();
for (let i = 0; i < kHighRow.length; ++i) {
  if (![0x81, 0x8d, 0x8f, 0x90, 0x9d].includes(0x80 + i)) kHighChars.add(kHighRow.charCodeAt(i));
}

function fitsCp1252(text) {
  for (const ch of text.normalize('NFC')) {
    const c = ch.codePointAt(0);
    if (!(c < 0x80 || (c >= 0xa0 && c <= 0xff) || kHighChars.has(c))) return false;
  }
  return true;
}

// The data's language codes that are not Windows' (ISO 639-1) ones; a
// regional code ("de-at") stands for its language.
const kWindowsLanguage = { jp: 'ja', ge: 'ka', cz: 'cs', no: 'nb' };

function windowsLanguage(code) {
  const base = code.split('-')[0];
  return kWindowsLanguage[base] || base;
}

// The language's own name for itself, capitalised as a language menu shows
// it ("Français", not "français"); Georgian has no capitals in running text
// (its Mtavruli letters are for all-capital titles).
function languageName(language) {
  const name = new Intl.DisplayNames([language], { type: 'language' }).of(language);
  if (language === 'ka') return name;
  const first = String.fromCodePoint(name.codePointAt(0));
  return first.toLocaleUpperCase(language) + name.slice(first.length);
}

// A name as one list field: no bar or line break inside, and no leading "!"
// that would make the line a comment.
function fieldText(name) {
  const text = name.replace(/[|\r\n\t]+/g, ' ').replace(/ {2,}/g, ' ').trim();
  return text.startsWith('!') ? ' ' + text : text;
}

// File names stay plain ASCII, valid on Windows: accents dropped, anything
// else that Windows or an 8-bit code page could refuse replaced.
function fileNameText(name) {
  return name.normalize('NFD').replace(/[\u0300-\u036f]/g, '')
    .replace(/[^\x20-\x7e]/g, '_').replace(/[<>:"/\\|?*]/g, '_')
    .replace(/[. ]+$/, '').trim();
}

function pad(n, width) {
  return String(n).padStart(width, '0');
}

// The date of a holiday as the list format writes it (yyyy/mm/dd), from the
// library's local date text "yyyy-mm-dd hh:mm:ss", plus `days` days.
function listDate(localText, days) {
  const [y, m, d] = localText.slice(0, 10).split('-').map(Number);
  const day = new Date(Date.UTC(y, m - 1, d + days));
  return { year: day.getUTCFullYear(),
           text: `${pad(day.getUTCFullYear(), 4)}/${pad(day.getUTCMonth() + 1, 2)}/${pad(day.getUTCDate(), 2)}` };
}

// A year's holidays named in `languages`, each name in the first of them
// the data has, then in the list's own languages, then in English.
// (setLanguages rather than getHolidays' language: that one adds the
// language to the instance's own list and so changes the next call's.)
function holidaysIn(hd, languages, year) {
  hd.setLanguages(languages);
  return hd.getHolidays(year);
}

// A holiday's name in English where the data has it, else in the country's
// language; where that cannot be written in Windows-1252 (Arabic script, for
// one), the first of the country's other languages that can.
function englishHolidays(hd, languages, year) {
  const english = holidaysIn(hd, 'en', year);
  const names = english.map((h) => h.name);
  const unfit = names.map((n, i) => (fitsCp1252(n) ? -1 : i)).filter((i) => i >= 0);
  if (unfit.length > 0) {
    for (const lang of languages) {
      const other = holidaysIn(hd, lang, year);
      if (other.length !== english.length) continue;
      for (const i of unfit) {
        if (!fitsCp1252(names[i]) && other[i].rule === english[i].rule && fitsCp1252(other[i].name)) {
          names[i] = other[i].name;
        }
      }
    }
  }
  return english.map((h, i) => ({ ...h, name: names[i] }));
}

// The public holidays (substitute days included) within the span, a line
// per day for holidays that last several days, sorted by date. `holidays`
// gives a year's holidays with their names. `named` counts the lines whose
// holiday the data names in `language` (when given).
function publicHolidays(holidays, hd, language) {
  const seen = new Set();
  const lines = [];
  let named = 0;
  for (let year = firstYear; year <= lastYear; ++year) {
    for (const h of holidays(year)) {
      if (h.type !== 'public') continue;
      const names = (hd.holidays[h.rule] || {}).name;
      const inLanguage = language && typeof names === 'object' &&
        (names[language] || names[language.split('-')[0]]);
      // Whole days, rounded: a day's length changes with daylight saving.
      const days = Math.max(1, Math.round((h.end - h.start) / 86400000));
      const name = fieldText(h.name);
      for (let i = 0; i < days; ++i) {
        const date = listDate(h.date, i);
        const line = `${name}|${date.text}`;
        if (date.year < firstYear || date.year > lastYear || seen.has(line)) continue;
        seen.add(line);
        lines.push({ date: date.text, line });
        if (inLanguage) ++named;
      }
    }
  }
  // Stable: holidays of one day keep the data's order.
  lines.sort((a, b) => (a.date < b.date ? -1 : a.date > b.date ? 1 : 0));
  return { lines: lines.map((l) => l.line), named };
}

// A country's work week as the index writes it: Monday to Sunday, 1 for a
// working day, 0 for a day of its weekend. The weekend runs from CLDR's
// weekendStart to its weekendEnd (around the end of the week where it must);
// a country CLDR does not list has the world's ("001"), Saturday and Sunday.
const kDays = ['mon', 'tue', 'wed', 'thu', 'fri', 'sat', 'sun'];
function workWeek(country) {
  const day = (table) => kDays.indexOf(table[country] || table['001']);
  const start = day(weekData.weekendStart);
  const end = day(weekData.weekendEnd);
  if (start < 0 || end < 0) throw new Error(`CLDR weekend of ${country}: not a day`);
  const week = Array(7).fill('1');
  for (let d = start; ; d = (d + 1) % 7) {
    week[d] = '0';
    if (d === end) break;
  }
  return week.join('');
}

function writeList(fileName, title, lines) {
  const text = ['!Version: 1.0', kCredit, `! Public holidays of ${title}, ${firstYear} to ${lastYear}.`, ...lines]
    .join('\r\n') + '\r\n';
  fs.writeFileSync(path.join(outDir, fileName), text.normalize('NFC'), 'utf8');
}

// Every country, then its states, then their regions, each as one list.
function collectLists() {
  const all = new Holidays();
  const lists = [];
  const add = (codes, names) => {
    const fileBase = names.map(fileNameText).join(' - ') || codes.join('-');
    lists.push({ codes, country: fieldText(names[0]), region: names.slice(1).map(fieldText).join(' - '),
                 fileBase });
  };
  const countries = all.getCountries('en');
  for (const c of Object.keys(countries).sort()) {
    add([c], [countries[c]]);
    const states = all.getStates(c, 'en') || {};
    for (const s of Object.keys(states).sort()) {
      add([c, s], [countries[c], states[s]]);
      const regions = all.getRegions(c, s, 'en') || {};
      for (const r of Object.keys(regions).sort()) add([c, s, r], [countries[c], states[s], regions[r]]);
    }
  }
  // Two names that read alike as file names are told apart by their codes.
  const count = new Map();
  for (const l of lists) count.set(l.fileBase.toLowerCase(), (count.get(l.fileBase.toLowerCase()) || 0) + 1);
  for (const l of lists) {
    if (count.get(l.fileBase.toLowerCase()) > 1) l.fileBase += ` (${l.codes.join('-')})`;
    l.fileName = l.fileBase + '.tvh';
  }
  return lists;
}

// The list in the country's first language (its data code), beside the
// English one, where that language is not English and the data names most
// of the list's days in it; a day it does not name keeps the data's next
// name. Returns the index's language field, empty without such a list.
function writeLanguageList(list, hd, code, title) {
  const language = windowsLanguage(code);
  if (language === 'en') return '';
  const own = publicHolidays((year) => holidaysIn(hd, [code, code.split('-')[0]], year), hd, code);
  if (own.named * 2 <= own.lines.length) return '';
  writeList(`${list.fileBase}.${language}.tvh`, title, own.lines);
  return `${language}:${languageName(language)}`;
}

function main() {
  fs.rmSync(outDir, { recursive: true, force: true });
  fs.mkdirSync(outDir, { recursive: true });
  const entries = [];
  const firstLanguage = new Map();  // by country code
  for (const list of collectLists()) {
    const country = list.codes[0];
    if (!firstLanguage.has(country)) firstLanguage.set(country, new Holidays(country).getLanguages()[0]);
    const hd = new Holidays(...list.codes);
    const languages = [...hd.getLanguages()];
    const english = publicHolidays((year) => englishHolidays(hd, languages, year), hd);
    if (english.lines.length === 0) continue;
    const title = list.region ? `${list.country} - ${list.region}` : list.country;
    writeList(list.fileName, title, english.lines);
    list.language = writeLanguageList(list, hd, firstLanguage.get(country), title);
    entries.push(list);
  }
  // By country as an English reader looks names up ("Åland Islands" among
  // the A's, not after Zimbabwe), the country's own list before its regions.
  const collator = new Intl.Collator('en');
  entries.sort((a, b) => collator.compare(a.country, b.country) || collator.compare(a.region, b.region));
  const index = [
    '!Version: 1.0',
    '! Ready-made holiday lists: file|country|region (empty for the whole country)|first year|last year|' +
      'work week (Monday to Sunday, 1 for a working day)|language:its own name (empty for English only; ' +
      'the list in that language is file.language.tvh)',
    kCredit,
    kCldrCredit,
    ...entries.map((l) => `${l.fileName}|${l.country}|${l.region}|${firstYear}|${lastYear}|${workWeek(l.codes[0])}|` +
                          l.language),
  ];
  fs.writeFileSync(path.join(outDir, 'index.txt'), (index.join('\r\n') + '\r\n').normalize('NFC'), 'utf8');
  const translated = entries.filter((l) => l.language).length;
  console.log(`${entries.length} holiday lists (${translated} also in their country's language), ` +
              `${firstYear} to ${lastYear}, in ${outDir}`);
}

main();
