#!/usr/bin/env python3
"""Writes the seed inputs of the binary fuzz targets from the record layouts alone:

  poi_load_fuzz/         .poi files: header, categories, POIs
  trk_load_fuzz/         .trk files: header with fix snapshot, points, POI categories
  message_handler_fuzz/  position datagrams of the three kinds, and near misses

nmea_parse_fuzz/ holds one line of each sentence kind found in the receiver logs the
corpus tests use, copied as they are. Run from tests/fuzz: python3 make_seeds.py
"""
import os
import struct

UNSET = -987654321.123


def text(s, units):
    b = s.encode("utf-16-le")[: 2 * (units - 1)]
    return b + b"\0" * (2 * units - len(b))


def save(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# --- .poi -------------------------------------------------------------------------
def poi_category(name, pois, count=None, magic=0x12345678):
    body = struct.pack("<I", magic) + text(name, 128)
    body += struct.pack("<I", len(pois) if count is None else count)
    for pname, kind, lat, lon in pois:
        body += text(pname, 128) + struct.pack("<Idd", kind, lat, lon)
    return body


def poi_file(categories, count=None):
    data = struct.pack("<II", 0xA82ECD01, len(categories) if count is None else count)
    return data + b"".join(categories)


cafe = ("Caf\u00e9 \u2615 \U0001F600", 40, -33.8578, 151.2093)
home = ("Home", 6, 48.1173, 11.516666666666667)
poi_seeds = {
    "no-category.poi": poi_file([]),
    "general-empty.poi": poi_file([poi_category("General", [])]),
    "general-one.poi": poi_file([poi_category("General", [home])]),
    "two-categories.poi": poi_file(
        [poi_category("General", [home, cafe]), poi_category("Friends", [("", 33, UNSET, UNSET)])]
    ),
    "same-name-twice.poi": poi_file([poi_category("Cafes", [home]), poi_category("Cafes", [cafe])]),
    "long-names.poi": poi_file([poi_category("N" * 200, [("P" * 200, 1, 1.0, 2.0)])]),
    "name-127-units.poi": poi_file([poi_category("C" * 127, [("P" * 127, 2, 0.0, 0.0)])]),
    "every-type.poi": poi_file([poi_category("Types", [("t%d" % k, k, k, -k) for k in range(0, 36)])]),
    "extreme-coordinates.poi": poi_file(
        [poi_category("Edges", [("n", 1, 90.0, 180.0), ("s", 1, -90.0, -180.0), ("x", 1, 91.0, 1e300)])]
    ),
    "nan-coordinates.poi": poi_file([poi_category("NaN", [("nan", 1, float("nan"), float("inf"))])]),
    "big-type.poi": poi_file([poi_category("Types", [("big", 0xFFFFFFFF, 1.0, 1.0)])]),
    "many-categories.poi": poi_file([poi_category("c%d" % i, [home]) for i in range(12)]),
    "latin-names.poi": poi_file([poi_category("General", [("a\u00ff\u0100", 1, 1, 1)])]),
    "trailing-bytes.poi": poi_file([poi_category("General", [home])]) + b"\x01\x02\x03",
    "count-too-small.poi": poi_file([poi_category("A", [home]), poi_category("B", [cafe])], count=1),
    "empty-names.poi": poi_file([poi_category("", [("", 0, 0.0, 0.0)] * 3)]),
    "emoji-names.poi": poi_file([poi_category("\U0001F600" * 60, [("\U0001F680" * 70, 5, 1, 1)])]),
    "general-last.poi": poi_file([poi_category("Cafes", [cafe]), poi_category("General", [home])]),
    "general-twice.poi": poi_file([poi_category("General", [home]), poi_category("General", [cafe])]),
    "hundred-pois.poi": poi_file([poi_category("Many", [("p%d" % i, i % 34, i, -i) for i in range(100)])]),
    "negative-zero.poi": poi_file([poi_category("Zero", [("z", 1, -0.0, -0.0)])]),
    "unset-one-coordinate.poi": poi_file([poi_category("Half", [("h", 1, UNSET, 11.5)])]),
    "control-characters.poi": poi_file([poi_category("a\tb\r\n", [("\x01\x7f", 1, 1, 1)])]),
    "categories-without-pois.poi": poi_file([poi_category("c%d" % i, []) for i in range(5)]),
}
for name, data in poi_seeds.items():
    save("poi_load_fuzz", name, data)


# --- .trk -------------------------------------------------------------------------
def trk_file(points, categories=(), name="Walk", owner="me@example", sats_used=3,
             point_count=None, category_count=None):
    h = bytearray(struct.pack("<I", 0xF2D83716))
    h += text(name, 11) + text(owner, 128)
    h += struct.pack("<dd", 48.1173, 11.5167)
    h += struct.pack("<7f", 545.4, 84.4, 0.5, 1.2, 2.3, 2.6, 81.2)
    h += struct.pack("<BB", 9, 7)
    h += struct.pack("<III", 3, 2, 1)
    sats = [(1, 5, 40, 270, 42), (1, 12, 65, 100, 38), (0, 29, 10, 45, 0)][:sats_used]
    sats += [(0, -1, 0, 0, 0)] * (24 - len(sats))
    for s in sats:
        h += struct.pack("<iiiii", *s)
    h += struct.pack("<II", len(points) if point_count is None else point_count,
                     len(categories) if category_count is None else category_count)
    for lat, lon, ms, dist, course, key in points:
        h += struct.pack("<ddIddI", lat, lon, ms, dist, course, key)
    for c in categories:
        h += c
    return bytes(h)


walk = [
    (48.1200, 11.5167, 0, 300.25, 84.4, 0),
    (48.1190, 11.5167, 1, 189.0, 0.0, 0),
    (48.1173, 11.5167, 0, 0.0, 0.0, 0),
]
keyed = [(1.0 + i * 1e-4, 2.0, 0, i * 11.1, 0.0, 1000 - i) for i in range(20)]
trk_seeds = {
    "golden-like.trk": trk_file(walk, [poi_category("General", [home, cafe])]),
    "no-points.trk": trk_file([]),
    "one-point.trk": trk_file(walk[:1]),
    "keyed-points.trk": trk_file(keyed),
    "unset-points.trk": trk_file([(UNSET, UNSET, 0, 0.0, 0.0, 0)] * 3),
    "milestones.trk": trk_file([(p[0], p[1], 1, p[3], p[4], p[5]) for p in walk]),
    "nan-distance.trk": trk_file([(1.0, 2.0, 0, float("nan"), float("inf"), 0)]),
    "two-categories.trk": trk_file(walk, [poi_category("A", [home]), poi_category("B", [])]),
    "long-names.trk": trk_file(walk, name="N" * 30, owner="O" * 300),
    "no-satellites.trk": trk_file(walk, sats_used=0),
    "big-milestone.trk": trk_file([(1.0, 2.0, 0xFFFFFFFF, 1.0, 2.0, 0xFFFFFFFF)]),
    "trailing-bytes.trk": trk_file(walk) + b"\xff" * 7,
    "fifty-points.trk": trk_file([(i * 0.001, -i * 0.001, i % 5 == 0, i * 1.5, i * 7.0, 0) for i in range(50)]),
    "same-points.trk": trk_file([(48.0, 11.0, 0, 0.0, 0.0, 0)] * 8),
    "keys-rising.trk": trk_file([(1.0, 2.0, 0, 0.0, 0.0, k) for k in range(10)]),
    "emoji-name.trk": trk_file(walk, name="\U0001F600" * 6, owner="\U0001F680" * 70),
    "empty-names.trk": trk_file(walk, name="", owner=""),
    "pole-and-antimeridian.trk": trk_file([(90.0, 180.0, 0, 0.0, 0.0, 0), (-90.0, -180.0, 0, 1.0, 0.0, 0)]),
    "out-of-range-points.trk": trk_file([(91.0, 181.0, 0, 0.0, 0.0, 0), (1e300, -1e300, 0, 0.0, 0.0, 0)]),
    "category-with-many-pois.trk": trk_file(walk, [poi_category("General", [("p%d" % i, i, i, i) for i in range(30)])]),
    "negative-distance.trk": trk_file([(1.0, 1.0, 0, -5.0, -90.0, 0)]),
    "count-too-small.trk": trk_file(walk, point_count=2),
    "categories-count-zero.trk": trk_file(walk, [poi_category("General", [home])], category_count=0),
}
for name, data in trk_seeds.items():
    save("trk_load_fuzz", name, data)


# --- datagrams --------------------------------------------------------------------
def message(kind, size, body, made_at=1157068800, magic=0xA1B2C3D4, size_field=None):
    m = bytearray(size)
    struct.pack_into("<IIII", m, 0, magic, size if size_field is None else size_field, kind, made_at)
    m[16 : 16 + len(body)] = body[: size - 16]
    return bytes(m)


def position(lat, lon, name="Ann", alt=500.0, course=90.0, speed=3.0, hdop=1.0, view=9, used=6):
    body = struct.pack("<ddffffBB", lat, lon, alt, course, speed, hdop, view, used)
    return message(0x11, 72, body + text(name, 11)[:20])


def position_text(lat, lon, s):
    return message(0x12, 114, struct.pack("<dd", lat, lon) + text(s, 41))


def poi_message(lat, lon, kind, name):
    return message(0x13, 118, struct.pack("<ddI", lat, lon, kind) + text(name, 41))


sms_seeds = {
    "position.bin": position(48.5, 11.5),
    "position-south-west.bin": position(-33.86, -70.65, name="Bob"),
    "position-long-name.bin": position(1.0, 2.0, name="Abcdefghijklmn"),
    "position-unset.bin": position(UNSET, UNSET),
    "position-out-of-range.bin": position(95.0, 200.0),
    "position-nan.bin": position(float("nan"), 1.0),
    "position-huge-values.bin": position(10.0, 10.0, alt=3e38, course=-1e9, speed=1e30, hdop=-1),
    "position-zero-time.bin": message(0x11, 72, struct.pack("<dd", 1.0, 1.0), made_at=0),
    "position-max-time.bin": message(0x11, 72, struct.pack("<dd", 1.0, 1.0), made_at=0xFFFFFFFF),
    "text.bin": position_text(48.1, 11.6, "Meet here at noon"),
    "text-40-units.bin": position_text(1.0, 1.0, "x" * 40),
    "text-unterminated.bin": message(0x12, 114, struct.pack("<dd", 1, 1) + ("y" * 49).encode("utf-16-le")),
    "text-empty.bin": position_text(0.0, 0.0, ""),
    "poi.bin": poi_message(48.137154, 11.576124, 6, "Marienplatz"),
    "poi-unknown-type.bin": poi_message(1.0, 1.0, 0xFFFFFFFF, "odd"),
    "poi-unset.bin": poi_message(UNSET, UNSET, 1, "nowhere"),
    "wrong-magic.bin": message(0x11, 72, b"", magic=0xA1B2C3D5),
    "unknown-kind.bin": message(0x14, 72, b""),
    "short-position.bin": position(48.5, 11.5)[:40],
    "short-text.bin": position_text(1, 1, "cut")[:33],
    "short-poi.bin": poi_message(1, 1, 1, "cut")[:35],
    "header-only.bin": message(0x11, 16, b""),
    "magic-only.bin": struct.pack("<I", 0xA1B2C3D4),
    "lying-size.bin": message(0x11, 72, struct.pack("<dd", 1, 1), size_field=0xFFFFFFFF),
    "long-datagram.bin": position(2.0, 3.0) + b"\x55" * 200,
    "empty.bin": b"",
}
for name, data in sms_seeds.items():
    save("message_handler_fuzz", name, data)
