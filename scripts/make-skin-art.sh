#!/usr/bin/env bash
# Paints the skin images afresh into ui/skin/images and lists them in
# ui/skin/skin.qrc. The painting code is ui/skin/art/SkinArtPainter.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target tst_SkinArt -j2
QT_QPA_PLATFORM=offscreen VELMONT_WRITE_SKIN_ART="$PWD/ui/skin/images" \
    "$BUILD/tests/tst_SkinArt" >/dev/null || true
{
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    echo '<qresource prefix="/skin">'
    for image in ui/skin/images/*.png; do
        name=$(basename "$image")
        echo "    <file alias=\"$name\">images/$name</file>"
    done
    echo '</qresource>'
    echo '</RCC>'
} > ui/skin/skin.qrc
# Rebuild with the new images and check them.
cmake --build "$BUILD" --target tst_SkinArt -j2
QT_QPA_PLATFORM=offscreen "$BUILD/tests/tst_SkinArt"
