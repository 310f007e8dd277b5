#!/usr/bin/env python3
"""Writes golden.trk from the byte layout alone, independent of the C++ writer.

The track: short name "Walk", owner "me@example", a fix snapshot, three points
(newest first) and the category "General" with two POIs. TrackFileTest builds the same
track in C++ and compares SaveTrack's output with this file byte for byte.
Run: python3 make_golden.py  (from this folder)
"""
import struct

def text(s, units):
    b = s.encode("utf-16-le")[: 2 * (units - 1)]
    return b + b"\0" * (2 * units - len(b))

h = bytearray()
h += struct.pack("<I", 0xF2D83716)
h += text("Walk", 11)
h += text("me@example", 128)
h += struct.pack("<dd", 48.1173, 11.5167)
h += struct.pack("<7f", 545.4, 84.4, 0.5, 1.2, 2.3, 2.6, 81.2)
h += struct.pack("<BB", 9, 7)
h += struct.pack("<III", 3, 2, 1)
sats = [(1, 5, 40, 270, 42), (1, 12, 65, 100, 38), (0, 29, 10, 45, 0)]
sats += [(0, -1, 0, 0, 0)] * (24 - len(sats))
for s in sats:
    h += struct.pack("<iiiii", *s)
h += struct.pack("<II", 3, 1)
assert len(h) == 828

points = [  # newest first: lat, lon, milestone, distance, course, timeKey
    (48.1200, 11.5167, 0, 300.25, 84.4, 0),
    (48.1190, 11.5167, 1, 189.0, 0.0, 0),
    (48.1173, 11.5167, 0, 0.0, 0.0, 0),
]
body = bytearray()
for lat, lon, ms, dist, course, key in points:
    body += struct.pack("<ddIddI", lat, lon, ms, dist, course, key)

cat = struct.pack("<I", 0x12345678) + text("General", 128) + struct.pack("<I", 2)
pois = [("Cafe Kreuz", 31, 48.1180, 11.5170), ("ATM", 23, -33.8578, 151.2)]
for name, kind, lat, lon in pois:
    cat += text(name, 128) + struct.pack("<Idd", kind, lat, lon)

data = bytes(h + body + cat)
assert len(data) == 1764
open("golden.trk", "wb").write(data)
