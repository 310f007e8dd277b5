#!/usr/bin/env python3
"""Writes samples/demo.poi: a few points of interest beside the demo walk, in the
.poi layout (little-endian, UTF-16 names in fields of 128 units). Deterministic.

usage: scripts/make-demo-poi.py [OUTPUT]
"""
import struct
import sys

# (category, [(name, type, latitude, longitude)]); types are rows of the POI type table.
CATEGORIES = [
    ("General", [("Cafe", 31, 51.5041, -0.1535), ("Bus", 19, 51.5038, -0.1517),
                 ("", 0, 51.5040, -0.1510)]),
    ("Sights", [("Museum", 3, 51.5025, -0.1542), ("Park", 12, 51.5020, -0.1515),
                ("Hospital", 14, 51.5045, -0.1545)]),
]


def name_field(text):
    units = text.encode("utf-16-le")[:127 * 2]
    return units + b"\0" * (256 - len(units))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "samples/demo.poi"
    data = struct.pack("<II", 0xA82ECD01, len(CATEGORIES))
    for category, pois in CATEGORIES:
        data += struct.pack("<I", 0x12345678) + name_field(category) + struct.pack("<I", len(pois))
        for name, kind, lat, lon in pois:
            data += name_field(name) + struct.pack("<Idd", kind, lat, lon)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
