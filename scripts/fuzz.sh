#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/, RQ_FUZZ=ON) and runs each for the
# given number of seconds, one after the other, on its committed seeds and past findings.
# Every sanitizer report ends a run. New inputs go to build-fuzz/corpus/<target>/, a
# finding to build-fuzz/findings/<target>/; commit a finding under
# tests/data/malformed/<kind>/ once it is mended, so the test command replays it.
#
#   scripts/fuzz.sh SECONDS [TARGET...]     (default: every target)
# Exit status: 0 when no target found anything.
set -u
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi

if [ -f /work/wt/env.sh ]; then source /work/wt/env.sh; fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRQ_FUZZ=ON -DRQ_UI=OFF -DRQ_TESTS=OFF -DRQ_BENCH=OFF >/dev/null || exit 2
cmake --build build-fuzz -j2 --target "${targets[@]}" || exit 2

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export TZ=${TZ:-UTC}
status=0
for t in "${targets[@]}"; do
    kind=$(echo "$t" | grep -o '^[a-z]*')
    seeds=(tests/fuzz/"$t")
    [ -d tests/data/malformed/"$kind" ] && seeds+=(tests/data/malformed/"$kind")
    mkdir -p build-fuzz/corpus/"$t" build-fuzz/findings/"$t"
    log=build-fuzz/findings/"$t"/run.log
    build-fuzz/"$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$t"/ \
        build-fuzz/corpus/"$t" "${seeds[@]}" >"$log" 2>&1
    rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    if [ $rc -eq 0 ]; then
        echo "$t: ${runs:-?} executions in ${seconds} s, nothing found"
    else
        echo "$t: FOUND something after ${runs:-?} executions (exit $rc), see $log"
        ls build-fuzz/findings/"$t"/ | grep -v run.log
        status=1
    fi
done
exit $status
