#!/usr/bin/env bash
# The program's share of one core while it replays a 10 Hz receiver log at speed 1, beside
# the floor of the same program left idle for the same time in the same run. Target: below
# 3 % of one core. Both runs are offscreen, on fresh data folders and settings, and their
# start-up is left out of the measurement. Exits 1 when the replay is over the target.
#
# usage: bench/replay_cpu.sh [BUILD_DIR [SECONDS]]     (defaults: build, 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-60}
settle=3         # start-up, not measured
target=3         # per cent of one core
program="$build/roamquill"
[[ -x $program ]] || { echo "replay_cpu: no $program (build the roamquill target)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The log outlasts the measurement, so the replay never ends inside it.
python3 "$root/scripts/make-demo-log.py" --rate 10 --seconds $((seconds + settle + 30)) \
    "$work/walk10.nmea"
export QT_QPA_PLATFORM=offscreen
ticks=$(getconf CLK_TCK)

# User plus system time of every thread of the process, in clock ticks.
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# measure NAME [ARGS...]: prints the share of one core in per cent over `seconds`.
measure() {
    local name=$1
    shift
    local data="$work/$name"
    mkdir -p "$data"
    ROAMQUILL_REGISTRY="$data/registry.reg" "$program" --data-dir "$data" \
        --quit-after $(((settle + seconds + 5) * 1000)) "$@" >"$work/$name.log" 2>&1 &
    local pid=$!
    sleep "$settle"
    local c0 w0 c1 w1
    c0=$(cpu_ticks "$pid")
    w0=$(date +%s.%N)
    sleep "$seconds"
    c1=$(cpu_ticks "$pid")
    w1=$(date +%s.%N)
    wait "$pid" || { echo "replay_cpu: $name run failed:" >&2; cat "$work/$name.log" >&2; exit 2; }
    # A replay that did not run would measure nothing: it leaves the walk as "my.tk".
    if [[ $name == replay && ! -s $data/tracks/my.tk ]]; then
        echo "replay_cpu: the replay recorded no track" >&2
        exit 2
    fi
    awk -v c="$((c1 - c0))" -v t="$ticks" -v w0="$w0" -v w1="$w1" \
        'BEGIN { printf "%.2f", 100 * c / t / (w1 - w0) }'
}

idle=$(measure idle)
replay=$(measure replay --replay "$work/walk10.nmea" --speed 1)
fixes=$(grep -c GPGGA "$work/walk10.nmea")
printf 'replay of a 10 Hz log (%d fixes) at speed 1 for %d s: %s %% of one core\n' \
    "$fixes" "$seconds" "$replay"
printf 'floor, the same program idle for %d s:               %s %% of one core\n' \
    "$seconds" "$idle"
printf 'target: below %d %%\n' "$target"
awk -v r="$replay" -v t="$target" 'BEGIN { exit !(r < t) }' || { echo "OVER TARGET"; exit 1; }
