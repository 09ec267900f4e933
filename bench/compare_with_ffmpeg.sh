#!/bin/sh
# Times Rendix against the ffmpeg tool doing the same conversions on the same
# generated inputs, and prints each pair's wall and CPU times and ratios.
# Usage: bench/compare_with_ffmpeg.sh [path/to/Rendix] [rounds]
# Run it on a quiet machine; it is not part of the test suite.
set -eu

RENDIX=${1:-$(dirname "$0")/../build/bin/Rendix}
ROUNDS=${2:-3}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/rendix-bench-XXXXXX")
trap 'rm -rf "$WORK"' EXIT INT TERM

FF="ffmpeg -nostdin -v error -y"
echo "Making inputs in $WORK ..."
$FF -f lavfi -i "sine=f=440:d=600" -f lavfi -i "sine=f=550:d=600" \
    -filter_complex "[0][1]amerge=inputs=2" -ac 2 -c:a pcm_s16le "$WORK/ten minutes.wav"
$FF -f lavfi -i "testsrc2=s=640x480:r=25:d=30" -f lavfi -i "sine=f=440:d=30" -ac 2 \
    -pix_fmt yuv420p -c:v mpeg4 -q:v 3 -c:a pcm_s16le "$WORK/thirty seconds.avi"

# Seconds of wall and CPU time of one command: "wall cpu".
measure() {
    /usr/bin/time -f "%e %U %S" -o "$WORK/time" "$@" > /dev/null 2>&1
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' "$WORK/time"
}

# Best of ROUNDS runs for both tools, alternating so load changes hit both.
compare() {
    name=$1
    rendix_cmd=$2
    ffmpeg_cmd=$3
    best_rw=999999 best_rc=0 best_fw=999999 best_fc=0
    i=0
    while [ "$i" -lt "$ROUNDS" ]; do
        set -- $(eval "measure $rendix_cmd")
        if awk "BEGIN { exit !($1 < $best_rw) }"; then best_rw=$1 best_rc=$2; fi
        set -- $(eval "measure $ffmpeg_cmd")
        if awk "BEGIN { exit !($1 < $best_fw) }"; then best_fw=$1 best_fc=$2; fi
        i=$((i + 1))
    done
    awk -v n="$name" -v rw="$best_rw" -v rc="$best_rc" -v fw="$best_fw" -v fc="$best_fc" 'BEGIN {
        printf "%-28s Rendix %7.2fs (cpu %7.2fs)  ffmpeg %7.2fs (cpu %7.2fs)  wall ratio %.3f  cpu ratio %.3f\n",
               n, rw, rc, fw, fc, rw / fw, rc / fc }'
}

A="$WORK/ten minutes.wav"
V="$WORK/thirty seconds.avi"
compare "10 min stereo -> mp3" \
    "'$RENDIX' -i '$A' -y -f mp3 -ab 128000 -ar 44100 -ac 2 -vol 256 -acodec libmp3lame '$WORK/r.mp3'" \
    "$FF -i '$A' -f mp3 -b:a 128000 -ar 44100 -ac 2 -c:a libmp3lame '$WORK/f.mp3'"
compare "30 s 640x480 -> mp4" \
    "'$RENDIX' -i '$V' -y -f mp4 -ab 128000 -ar 44100 -ac 2 -vol 256 -acodec libfaac -s 320*240 -b 768000 -qscale 4.00 -pass 1 -vcodec libx264 -level 21 '$WORK/r.mp4'" \
    "$FF -i '$V' -f mp4 -b:a 128000 -ar 44100 -ac 2 -c:a aac -s 320x240 -b:v 768000 -c:v libx264 -level 21 '$WORK/f.mp4'"
compare "30 s 640x480 -> avi" \
    "'$RENDIX' -i '$V' -y -f avi -ab 128000 -ar 44100 -ac 2 -vol 256 -acodec libmp3lame -b 768000 -qscale 4.00 -pass 1 -vcodec libx264 -level 21 '$WORK/r.avi'" \
    "$FF -i '$V' -f avi -b:a 128000 -ar 44100 -ac 2 -c:a libmp3lame -b:v 768000 -c:v libx264 -level 21 '$WORK/f.avi'"
compare "30 s 640x480 -> mpg" \
    "'$RENDIX' -i '$V' -y -f mpeg -ab 128000 -ar 44100 -ac 2 -vol 256 -acodec mp2 -b 768000 -qscale 4.00 -pass 1 -vcodec mpeg1video '$WORK/r.mpg'" \
    "$FF -i '$V' -f mpeg -b:a 128000 -ar 44100 -ac 2 -c:a mp2 -b:v 768000 -q:v 4 -c:v mpeg1video '$WORK/f.mpg'"
