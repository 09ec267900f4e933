#!/usr/bin/env bash
# Screenshot of the skin widgets (the main window with rows, tab control,
# list, log, disabled button) under Xvfb, written to docs/gallery.png.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
OUT=${1:-docs/gallery.png}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target velmont-gallery -j2
mkdir -p "$(dirname "$OUT")"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    QT_QPA_PLATFORM=xcb VELMONT_GALLERY_SECONDS=6 "$1" >/dev/null 2>&1 &
    gallery=$!
    sleep 4
    import -window root "$2"
    wait "$gallery"
' gallery "$BUILD/tools/velmont-gallery" "$OUT"
echo "Wrote $OUT"
