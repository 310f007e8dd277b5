#!/usr/bin/env python3
"""Writes samples/demo.nmea: a four-minute walk round a park, one fix a second.

Each fix carries GGA, RMC, GSA, three GSV, VTG and GLL with correct checksums and
CR LF line ends, as a receiver at 4800 baud sends them. Deterministic: the same file
every run. --rate 10 writes the same walk as a 10 Hz receiver reports it (times with
tenths, every sentence ten times a second), for measuring the program under a fast
receiver; --seconds sets the length.

usage: scripts/make-demo-log.py [--rate HZ] [--seconds N] [OUTPUT]
"""
import argparse
import math
from datetime import datetime, timedelta, timezone

START = datetime(2008, 3, 15, 14, 5, 9, tzinfo=timezone.utc)
SECONDS = 240
LAT0, LON0 = 51.50320, -0.15280  # walk start
SPEED_MS = 1.4                  # a steady walk
SATS = [(3, 62, 110, 44), (6, 35, 47, 40), (9, 18, 300, 31), (12, 71, 210, 46),
        (15, 24, 160, 36), (18, 9, 20, 22), (21, 48, 270, 42), (24, 13, 330, 27),
        (27, 55, 80, 43)]
USED = [3, 6, 12, 15, 21, 27]


def checksum(body):
    c = 0
    for ch in body:
        c ^= ord(ch)
    return "%02X" % c


def sentence(body):
    return "$%s*%s\r\n" % (body, checksum(body))


def nmea_lat(lat):
    a = abs(lat)
    d = int(a)
    return "%02d%07.4f" % (d, (a - d) * 60), "N" if lat >= 0 else "S"


def nmea_lon(lon):
    a = abs(lon)
    d = int(a)
    return "%03d%07.4f" % (d, (a - d) * 60), "E" if lon >= 0 else "W"


def heading_at(t):
    # A rounded rectangle: four legs joined by gentle turns.
    leg = int(t // 60)
    within = t % 60
    base = [70.0, 160.0, 250.0, 340.0][leg % 4]
    if within > 50:
        base += (within - 50) * 9.0
    return base % 360.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rate", type=int, default=1)
    parser.add_argument("--seconds", type=int, default=SECONDS)
    parser.add_argument("output", nargs="?", default="samples/demo.nmea")
    args = parser.parse_args()
    lat, lon = LAT0, LON0
    lines = []
    for step in range(args.seconds * args.rate):
        # Whole seconds stay integers, so the one-a-second file does not change.
        t = step // args.rate if args.rate == 1 else step / args.rate
        now = START + timedelta(seconds=t)
        hhmmss = now.strftime("%H%M%S") + ".%02d" % (step % args.rate * 100 // args.rate)
        ddmmyy = now.strftime("%d%m%y")
        course = heading_at(t)
        speed = SPEED_MS * (1.0 + 0.05 * math.sin(t / 7.0))
        knots = speed / 0.514444
        alt = 35.0 + 3.0 * math.sin(t / 40.0)
        hdop = 0.9 + 0.2 * math.sin(t / 30.0)
        la, ns = nmea_lat(lat)
        lo, ew = nmea_lon(lon)
        lines.append(sentence("GPGGA,%s,%s,%s,%s,%s,1,%02d,%.1f,%.1f,M,47.0,M,,"
                              % (hhmmss, la, ns, lo, ew, len(USED), hdop, alt)))
        lines.append(sentence("GPRMC,%s,A,%s,%s,%s,%s,%.2f,%.1f,%s,2.5,W"
                              % (hhmmss, la, ns, lo, ew, knots, course, ddmmyy)))
        used = [str(p) for p in USED] + [""] * (12 - len(USED))
        lines.append(sentence("GPGSA,A,3,%s,%.1f,%.1f,%.1f"
                              % (",".join(used), hdop + 0.8, hdop, hdop + 0.5)))
        for m in range(3):
            groups = []
            for prn, el, az, snr in SATS[m * 4:m * 4 + 4]:
                wobble = int(2 * math.sin((t + prn) / 5.0))
                groups.append("%02d,%02d,%03d,%02d" % (prn, el, az, snr + wobble))
            lines.append(sentence("GPGSV,3,%d,%02d,%s" % (m + 1, len(SATS), ",".join(groups))))
        lines.append(sentence("GPVTG,%.1f,T,%.1f,M,%.2f,N,%.2f,K"
                              % (course, (course + 2.5) % 360.0, knots, speed * 3.6)))
        lines.append(sentence("GPGLL,%s,%s,%s,%s,%s,A" % (la, ns, lo, ew, hhmmss)))
        # Move on for the next fix.
        rad = math.radians(course)
        step_m = speed / args.rate
        lat += step_m * math.cos(rad) / 111200.162632
        lon += step_m * math.sin(rad) / (111200.162632 * math.cos(math.radians(lat)))
    with open(args.output, "w", newline="") as f:
        f.write("".join(lines))


if __name__ == "__main__":
    main()
