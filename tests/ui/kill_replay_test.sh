#!/usr/bin/env bash
# kill -9 during a replay loses at most the last save interval of the track and never a
# file saved before. The program replays the demo walk fast with the once-a-minute save
# shortened (ROAMQUILL_AUTOSAVE_MS) and is killed at moments spread over the interval,
# again and again on the same data folder. After each kill "my.tk" must load whole, keep
# every point of the track it held before, and be no older than one interval (plus slack
# for a busy machine); an earlier saved track and the settings must be untouched. A first
# run killed after the replay ended must have saved the whole walk.
#
# usage: tests/ui/kill_replay_test.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
program="$build/roamquill"
tool="$build/roamquill-tool"
log="$root/samples/demo.nmea"
speed=60
interval_ms=300
slack=2.5 # seconds a loaded machine may add to the interval

work=$(mktemp -d)
data="$work/data"
pid=""
trap '[[ -n $pid ]] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$data/tracks"
export QT_QPA_PLATFORM=offscreen ROAMQUILL_REGISTRY="$data/registry.reg"
export ROAMQUILL_AUTOSAVE_MS=$interval_ms
track="$data/tracks/my.tk"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
now() { date +%s.%N; }
later() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
stamp() { if [[ -e $1 ]]; then date -r "$1" +%s.%N; else echo 0; fi; }
# The point count of a whole track file; fails on a damaged one (assign it: a failure
# inside a condition would go unnoticed).
points() {
    "$tool" dump "$1" >"$work/dump" 2>&1 || fail "$1 does not load: $(cat "$work/dump")"
    sed -n '1s/.*"points":\([0-9]*\).*/\1/p' "$work/dump"
}
start() {
    "$program" --data-dir "$data" --replay "$log" --speed "$speed" --quit-after 60000 \
        2>>"$work/stderr" &
    pid=$!
}
stop() {
    { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true
    pid=""
}
# Waits until "my.tk" was written after `since`, and returns its time in `saved_at`.
await_save() {
    local since=$1 deadline
    deadline=$(awk -v t="$(now)" 'BEGIN { printf "%.3f", t + 20 }')
    while ! later "$(stamp "$track")" "$since"; do
        later "$(now)" "$deadline" && fail "no save within 20 s"
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$work/stderr")"
        sleep 0.02
    done
    saved_at=$(stamp "$track")
}

# A track saved before, which no kill may touch.
"$tool" track "$log" -o "$data/tracks/earlier.trk" >/dev/null
cp "$data/tracks/earlier.trk" "$work/earlier.trk"
whole=$(points "$work/earlier.trk")

# First run: the replay ends (every fix modifies the track, so saves stop one interval
# later), then the kill loses nothing.
start
await_save 0
deadline=$(awk -v t="$(now)" 'BEGIN { printf "%.3f", t + 30 }')
saved=0
while [[ $saved -lt $whole ]] || later 1 "$(awk -v t="$(now)" -v s="$(stamp "$track")" \
    'BEGIN { printf "%.3f", t - s }')"; do
    later "$(now)" "$deadline" && fail "the whole walk ($whole points) was never saved"
    sleep 0.2
    saved=$(points "$track")
done
stop
saved=$(points "$track")
[[ $saved -eq $whole ]] || fail "the finished walk ($whole points) was saved as $saved"

# Then kills in the middle of replays, at moments spread over the save interval.
before=$whole
for delay in 0.05 0.13 0.29 0.41 0.77 1.1; do
    started=$(now)
    start
    await_save "$started"
    sleep "$delay"
    killed=$(now)
    stop
    now_points=$(points "$track")
    [[ $now_points -ge $before ]] ||
        fail "kill after ${delay}s: my.tk went from $before to $now_points points"
    age=$(awk -v k="$killed" -v s="$(stamp "$track")" 'BEGIN { printf "%.3f", k - s }')
    later "$age" "$(awk -v i=$interval_ms -v s=$slack 'BEGIN { print i / 1000 + s }')" &&
        fail "kill after ${delay}s: the last save was ${age}s old"
    cmp -s "$data/tracks/earlier.trk" "$work/earlier.trk" || fail "the earlier track changed"
    before=$now_points
done
# Kills during start-up, while the settings and "my.tk" are read, lose nothing either.
for delay in 0.1 0.25; do
    start
    sleep "$delay"
    stop
    now_points=$(points "$track")
    [[ $now_points -ge $before ]] || fail "kill at start-up: my.tk lost points"
done
# The settings survived the kills too: a damaged store is reported at start.
grep -q "roamquill:" "$work/stderr" && fail "$(cat "$work/stderr")"
echo "kill -9: 9 kills, my.tk whole each time, $before points, earlier file intact"
