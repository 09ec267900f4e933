#!/bin/sh
# A batch of eight two-minute songs to mp3, one at a time against the
# Automatic number at once (one per core), through velmont-cli and so through
# the same worker as the window. Prints both wall times and their ratio.
# Usage: bench/batch_speed.sh [path/to/velmont-cli]
# Run it on a quiet machine; it is not part of the test suite.
set -eu

CLI=${1:-$(dirname "$0")/../build/bin/velmont-cli}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmont-batch-XXXXXX")
trap 'rm -rf "$WORK"' EXIT INT TERM

echo "Making eight two-minute songs in $WORK ..."
mkdir "$WORK/songs"
for i in 1 2 3 4 5 6 7 8; do
    ffmpeg -nostdin -v error -y -f lavfi -i "sine=f=$((200 + 50 * i)):d=120" \
        -f lavfi -i "anoisesrc=d=120:a=0.05" -filter_complex "[0][1]amix,aformat=channel_layouts=stereo" \
        -ar 44100 -c:a pcm_s16le "$WORK/songs/song $i.wav"
done

run() {
    rm -rf "$WORK/out"
    start=$(date +%s.%N)
    "$CLI" -q -f mp3 --jobs "$1" -o "$WORK/out" "$WORK/songs"
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

one=$(run 1)
auto=$(run auto)
echo "cores:              $(nproc)"
printf "one at a time:      %6.2f s\n" "$one"
printf "Automatic:          %6.2f s\n" "$auto"
printf "Automatic is %.2f times as fast\n" "$(echo "$one / $auto" | bc -l)"
