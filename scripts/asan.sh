#!/usr/bin/env bash
# Builds the core, Rendix and velmont-cli with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer into build-asan/ and runs their
# suites there: the end-to-end tests run the instrumented Rendix and CLI,
# so any finding in them fails a test as well.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build-asan}
JOBS=${JOBS:-2}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMONT_ASAN=ON >/dev/null
cmake --build "$BUILD" -j"$JOBS" --target platform_tests model_tests convert_tests \
    rendix_tests cli_tests
export ASAN_OPTIONS="detect_leaks=1 abort_on_error=0 ${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1 ${UBSAN_OPTIONS:-}"
# The encoder's own output is parsed: keep the suppression report out of it.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp print_suppressions=0 ${LSAN_OPTIONS:-}"
ctest --test-dir "$BUILD" --output-on-failure -j"$JOBS"
