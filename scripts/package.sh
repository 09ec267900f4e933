#!/usr/bin/env bash
# Builds the Debian package (build/velmont-converter_*.deb) and checks it
# with lintian, which must report no errors. Install it with
#     sudo apt install ./build/velmont-converter_1.0_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
BUILD=${BUILD:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" -j2
(cd "$BUILD" && cpack -G DEB)
package=$(ls -t "$BUILD"/velmont-converter_*.deb | head -n 1)
lintian --info "$package" | tee "$BUILD/lintian.txt"
if grep -q '^E:' "$BUILD/lintian.txt"; then
    echo "lintian found errors in $package" >&2
    exit 1
fi
echo "$package"
