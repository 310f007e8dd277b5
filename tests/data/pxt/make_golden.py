#!/usr/bin/env python3
"""Writes pxt/golden.pxt, the position texts PositionTextList.RecordsHaveTheirLayout
saves, from the record layout alone (struct.pack, little-endian, no padding),
independently of the C++ writer: magic, count, then per text latitude and longitude
(doubles), the sender in 128 UTF-16 units and the text in 41, each zero-filled with at
least one zero unit.

Run from tests/data:  python3 pxt/make_golden.py
"""
import struct


def field(text, units):
    raw = text.encode("utf-16-le")[: (units - 1) * 2]
    return raw + b"\0" * (units * 2 - len(raw))


def record(lat, lon, sender, text):
    return struct.pack("<dd", lat, lon) + field(sender, 128) + field(text, 41)


golden = (
    struct.pack("<II", 0xC8374011, 2)
    + record(48.5, -11.25, "+49170", "t" * 45)
    + record(1, 2, "s" * 130, "two")
)
with open("pxt/golden.pxt", "wb") as f:
    f.write(golden)
