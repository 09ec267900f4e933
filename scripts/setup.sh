#!/usr/bin/env bash
# Makes a Debian 12 machine ready to build, run and test the converter.
# Installs only what is missing, so a second run is quick.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
    libtinyxml2-dev libsystemd-dev
    libopencore-amrnb-dev libvo-amrwbenc-dev
    libgtest-dev
    ffmpeg
    lame flac sox opus-tools eyed3 mkvtoolnix
    xvfb xauth imagemagick
    python3
    xdg-utils
    dbus-daemon python3-dbus python3-gi
    dpkg-dev lintian appstream
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

SUDO=()
if [[ $(id -u) -ne 0 ]]; then
    SUDO=(sudo)
fi

echo "Installing: ${missing[*]}"
"${SUDO[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
