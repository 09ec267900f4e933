#!/bin/sh
# Frames per second of the AV1 encoders on a short 640x360 clip, to decide
# whether AV1 belongs in the converter's lists and with which encoder.
# Usage: bench/av1_speed.sh [seconds of clip]
# Run it by hand on a quiet machine; it is not part of the test suite.
#
# Measured on the development machine (2 shared cores, Debian 12, FFmpeg 5.1,
# 4 s clip):
#   libaom-av1 -cpu-used 8 -row-mt 1 -crf 32:       4 fps  235 kB
#   libsvtav1  -preset 10 -crf 35:                 80 fps  344 kB
#   libsvtav1  -preset 8  -crf 35:                 52 fps  294 kB
#   libvpx-vp9 -deadline good -cpu-used 4 -crf 31: 24 fps  401 kB (for comparison)
# libaom's fastest setting is far too slow for a desktop converter (a
# minute of 1080p would take close to an hour), so AV1 is coded with libsvtav1 at
# preset 8: twice VP9's speed here, with smaller files. libaom-av1 stays
# usable from Rendix's command line (-vcodec libaom-av1).
set -eu

SECONDS_OF_CLIP=${1:-4}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/av1-bench-XXXXXX")
trap 'rm -rf "$WORK"' EXIT INT TERM

FF="ffmpeg -nostdin -hide_banner -y"
$FF -v error -f lavfi -i "testsrc2=s=640x360:r=25:d=$SECONDS_OF_CLIP" -pix_fmt yuv420p \
    -c:v ffv1 "$WORK/clip.mkv"
FRAMES=$((SECONDS_OF_CLIP * 25))

# Encodes the clip with the given encoder options and prints "fps size".
encode() {
    name=$1
    shift
    if ! ffmpeg -hide_banner -encoders 2>/dev/null | grep -q " $name "; then
        printf '%-44s not available\n' "$*"
        return
    fi
    start=$(date +%s.%N)
    SVT_LOG=1 $FF -v error -i "$WORK/clip.mkv" -an -c:v "$name" "$@" "$WORK/out.mkv"
    end=$(date +%s.%N)
    size=$(stat -c %s "$WORK/out.mkv")
    awk -v n="$name $*" -v f="$FRAMES" -v s="$start" -v e="$end" -v b="$size" \
        'BEGIN { printf "%-44s %6.1f fps %8d bytes\n", n, f / (e - s), b }'
}

encode libaom-av1 -cpu-used 8 -row-mt 1 -crf 32 -b:v 0
encode libsvtav1 -preset 10 -crf 35
encode libsvtav1 -preset 8 -crf 35
encode libvpx-vp9 -deadline good -cpu-used 4 -row-mt 1 -crf 31 -b:v 0
