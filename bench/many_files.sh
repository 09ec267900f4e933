#!/bin/sh
# A music folder of 1,000 one-second wav files (10 artists x 10 albums x 10
# tracks) to mp3: velmont-cli -r against the ffmpeg tool run by
# `xargs -P$(nproc)`, in the same run. Prints both wall times and their ratio.
# Usage: bench/many_files.sh [path/to/velmont-cli] [files per album]
# Run it on a quiet machine; it is not part of the test suite.
set -eu

CLI=${1:-$(dirname "$0")/../build/bin/velmont-cli}
TRACKS=${2:-10}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmont-many-XXXXXX")
trap 'rm -rf "$WORK"' EXIT INT TERM

echo "Making $((100 * TRACKS)) one-second songs in $WORK ..."
ffmpeg -nostdin -v error -f lavfi -i "sine=f=440:d=1" -ac 2 -ar 44100 -c:a pcm_s16le "$WORK/one.wav"
for a in $(seq -w 1 10); do
    for b in $(seq -w 1 10); do
        mkdir -p "$WORK/music/Artist $a/Album $b"
        for t in $(seq 1 "$TRACKS"); do
            cp "$WORK/one.wav" "$WORK/music/Artist $a/Album $b/track$t.wav"
        done
    done
done

seconds() {
    start=$(date +%s.%N)
    "$@"
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

# The ffmpeg loop writes the same tree; its folders are made before the clock runs.
ffmpeg_loop() {
    (cd "$WORK/music" && find . -name '*.wav' -printf '%p\0../ffmpeg/%p.mp3\0') |
        (cd "$WORK/music" && xargs -0 -n2 -P"$(nproc)" ffmpeg -nostdin -v error -y -i)
}
(cd "$WORK/music" && find . -type d -exec mkdir -p "../ffmpeg/{}" \;)

velmont=$(seconds "$CLI" -q -r -f mp3 -o "$WORK/velmont" "$WORK/music")
ffmpeg=$(seconds ffmpeg_loop)
echo "files:              $(find "$WORK/velmont" -name '*.mp3' | wc -l) and $(find "$WORK/ffmpeg" -name '*.mp3' | wc -l)"
echo "cores:              $(nproc)"
printf "velmont-cli -r:     %6.2f s\n" "$velmont"
printf "ffmpeg, xargs -P%s: %6.2f s\n" "$(nproc)" "$ffmpeg"
printf "velmont-cli takes %.2f of the ffmpeg loop's time\n" "$(echo "$velmont / $ffmpeg" | bc -l)"
