#!/usr/bin/env bash
# Line and branch coverage of src/ by the whole test command (front end included):
# builds build-cov/ with gcov instrumentation, runs ctest there, prints gcovr's summary.
#   scripts/coverage.sh            (needs gcovr: apt-get install gcovr)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -f /work/wt/env.sh ]; then source /work/wt/env.sh; fi
export TZ=UTC
cmake -S . -B build-cov -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRQ_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage \
    -DCMAKE_SHARED_LINKER_FLAGS=--coverage >/dev/null
cmake --build build-cov -j2
find build-cov -name '*.gcda' -delete
ctest --test-dir build-cov -j2 --timeout 900 --output-on-failure || true
gcovr --root . --filter 'src/' --object-directory build-cov --print-summary \
    --gcov-ignore-parse-errors \
    -o build-cov/coverage.txt "$@"
