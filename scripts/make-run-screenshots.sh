#!/usr/bin/env bash
# Writes the README's pictures of the running program: each of the four views six
# seconds into a replay of the demo walk at speed 20 on a 240 x 320 screen, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
names=(map satellite compass info)
for view in 0 1 2 3; do
    mkdir -p "$work/$view"
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\GPS]\n"Last View"=dword:%08x\n' \
        "$view" >"$work/$view.reg"
    ROAMQUILL_REGISTRY="$work/$view.reg" QT_QPA_PLATFORM=offscreen build/roamquill \
        --data-dir "$work/$view" --screen 240x320 --replay samples/demo.nmea --speed 20 \
        --screenshot "docs/run-${names[$view]}.png" --after 6000 --quit-after 6500
done
