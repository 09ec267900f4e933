#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# The ThreadSanitizer run of the conversion worker and the AddressSanitizer
# run of the core, Rendix and the CLI come first so that the full suite's
# summary is the last thing printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/tsan.sh
scripts/asan.sh
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
