#!/usr/bin/env bash
# Builds the core and its tests with ThreadSanitizer into build-tsan/ and
# runs the conversion worker's tests there: the button presses against a
# running batch, many rounds, any data race or deadlock fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build-tsan}
JOBS=${JOBS:-2}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMONT_TSAN=ON >/dev/null
cmake --build "$BUILD" --target convert_tests -j"$JOBS"
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}"
export VELMONT_STRESS_ROUNDS=${VELMONT_STRESS_ROUNDS:-20}
ctest --test-dir "$BUILD" --output-on-failure -R 'WorkerTest|WorkerStressTest|RunnerTest'
