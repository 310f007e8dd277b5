#!/usr/bin/env bash
# Installs what the build needs, builds, and starts Roamquill on the bundled demo data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target roamquill
demo=build/demo-data
mkdir -p "$demo/logs"
cp samples/*.nmea "$demo/logs/" 2>/dev/null || true
# Language modules are looked up beside the program's data, as on the device.
cp build/LanChsPpc.dll build/LanChtPpc.dll "$demo/"
# The demo walk replays at once, eight times its pace, so the map moves from the start.
exec build/roamquill --data-dir "$demo" --replay "$demo/logs/demo.nmea" --speed 8 "$@"
