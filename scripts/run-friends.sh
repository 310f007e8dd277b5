#!/usr/bin/env bash
# Starts two Roamquill instances side by side as each other's friend: "a" bound to
# 127.0.0.2 replays the demo walk, "b" bound to 127.0.0.3 waits. Each has its own data
# folder and settings file under build/friends/, and lists the other in "friends.ini".
# Send from either one with "Menu", "Friends", "Send My Position" / "Send Position
# Message", or "Send To Friend" in the POI manager.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ! -x build/roamquill ]]; then
    scripts/install-deps.sh
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build -j2 --target roamquill
root=build/friends

# name, own address, friend's name, friend's address
setup() {
    local dir="$root/$1"
    mkdir -p "$dir/logs"
    cp samples/demo.nmea "$dir/logs/"
    # Settings on first use: the datagram bind address, English without asking.
    if [[ ! -e "$root/$1.reg" ]]; then
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\WDP]\n"Bind Address"="%s"\n\n[HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\GPS]\n"Language Id"=dword:00000001\n' \
            "$2" >"$root/$1.reg"
    fi
    # "friends.ini": UTF-16LE lines "number;name;checked".
    if [[ ! -e "$dir/friends.ini" ]]; then
        printf '%s;%s;checked\n' "$4" "$3" | iconv -f UTF-8 -t UTF-16LE >"$dir/friends.ini"
    fi
}
setup a 127.0.0.2 b 127.0.0.3
setup b 127.0.0.3 a 127.0.0.2

ROAMQUILL_REGISTRY="$root/a.reg" build/roamquill --data-dir "$root/a" \
    --replay "$root/a/logs/demo.nmea" --speed 4 "$@" &
ROAMQUILL_REGISTRY="$root/b.reg" build/roamquill --data-dir "$root/b" "$@" &
wait
