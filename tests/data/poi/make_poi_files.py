#!/usr/bin/env python3
"""Writes the reference .poi files of the POI tests from the record layout alone
(struct.pack, little-endian, no padding), independently of the C++ writer:

  poi/golden.poi            the collection built by PoiFile.GoldenFile
  poi/load_changes.poi      records that loading reorders and merges, and bytes after them
  malformed/poi/*.poi       damaged files every loader must refuse

Run from tests/data:  python3 poi/make_poi_files.py
"""
import struct

UNSET = -987654321.123


def name_field(text):
    raw = text.encode("utf-16-le")[: 127 * 2]
    return raw + b"\0" * (256 - len(raw))


def header(count, magic=0xA82ECD01):
    return struct.pack("<II", magic, count)


def category(name, count, magic=0x12345678):
    return struct.pack("<I", magic) + name_field(name) + struct.pack("<I", count)


def poi(name, kind, lat, lon):
    return name_field(name) + struct.pack("<Idd", kind, lat, lon)


golden = (
    header(2)
    + category("General", 2)
    + poi("Home", 6, 48.1173, 11.516666666666667)
    + poi("Caf\u00e9 \u2615 \U0001F600", 40, -33.8578, 151.2093)
    + category("Friends", 2)
    + poi("Marienplatz", 0, 48.137154, 11.576124)
    + poi("", 33, UNSET, UNSET)
)
with open("poi/golden.poi", "wb") as f:
    f.write(golden)

# A "Cafes" record before and after "General", and three bytes no record announces.
load_changes = (
    header(3)
    + category("Cafes", 1)
    + poi("a", 1, 1, 1)
    + category("General", 1)
    + poi("b", 2, 2, 2)
    + category("Cafes", 1)
    + poi("c", 3, 3, 3)
    + b"xyz"
)
with open("poi/load_changes.poi", "wb") as f:
    f.write(load_changes)

three = category("Cafes", 5) + poi("a", 1, 1, 1) + poi("b", 2, 2, 2)
third = poi("c", 3, 3, 3)
malformed = {
    "empty.poi": b"",
    "short_header.poi": header(1)[:6],
    "bad_magic.poi": header(1, magic=0xA82ECD02) + category("General", 0),
    "bad_category_magic.poi": header(2) + category("General", 0)
    + category("Cafes", 0, magic=0x12345679),
    "cut_in_category_record.poi": header(1) + category("Cafes", 0)[:200],
    "cut_in_third_poi.poi": header(1) + three + third[:100],
    "lying_category_count.poi": header(0xFFFFFFFF) + category("Cafes", 1) + poi("a", 1, 1, 1),
    "lying_poi_count.poi": header(1) + category("Cafes", 0xFFFFFFFF) + poi("a", 1, 1, 1),
    "missing_second_category.poi": header(2) + category("Cafes", 1) + poi("a", 1, 1, 1),
}
for file_name, data in malformed.items():
    with open("malformed/poi/" + file_name, "wb") as f:
        f.write(data)
