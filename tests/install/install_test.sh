#!/usr/bin/env bash
# Installs the built program into a folder its user cannot write and runs it
# offscreen twice, in its check mode (VELMONT_CONVERT_AND_QUIT=1: press Go,
# wait for the batch, close the window the ordinary way):
#  - the first start converts with the defaults into the user's music folder;
#  - the output folder it closed with is remembered by the second start;
#  - nothing is written beside the executable.
# As root, the program runs as `nobody` (root may write anywhere).
# Usage: install_test.sh <build folder>
set -euo pipefail
BUILD=$(cd "$1" && pwd)

WORK=$(mktemp -d)
trap 'chmod -R u+w "$WORK" 2>/dev/null || true; rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
PREFIX=$WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
chmod -R a-w "$PREFIX"

USER_HOME=$WORK/home
MEDIA=$WORK/media
mkdir -p "$USER_HOME" "$MEDIA"
ffmpeg -nostdin -v error -y -f lavfi -i sine=frequency=440:duration=1 "$MEDIA/first.wav"
ffmpeg -nostdin -v error -y -f lavfi -i sine=frequency=660:duration=1 "$MEDIA/second.wav"
chmod -R a+rX "$MEDIA"

RUN_AS=()
if [[ $(id -u) -eq 0 ]]; then
    chown -R nobody "$USER_HOME"
    RUN_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

touch "$WORK/started"
sleep 1 # so that anything written later is newer than the mark

run() {
    env -i PATH=/usr/bin:/bin HOME="$USER_HOME" QT_QPA_PLATFORM=offscreen \
        VELMONT_CONVERT_AND_QUIT=1 "${RUN_AS[@]}" "$PREFIX/bin/velmont-converter" "$@"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

MUSIC="$USER_HOME/Music/Velmont Converter"
RECORD="$USER_HOME/.config/velmont-converter/record.ini"

run "$MEDIA/first.wav" || fail "the first conversion did not succeed"
[[ -s "$MUSIC/first.mp3" ]] || fail "no output in the default folder $MUSIC"
grep -q "directory=\"$MUSIC\"" "$RECORD" || fail "record.ini does not hold $MUSIC"

# The second start takes the remembered folder, not the default: point the
# default elsewhere through the user's param.ini.
cat >"$USER_HOME/.config/velmont-converter/param.ini" <<XML
<root><param><aac OutputDir="$USER_HOME/elsewhere"/></param></root>
XML
run "$MEDIA/second.wav" || fail "the second conversion did not succeed"
[[ -s "$MUSIC/second.mp3" ]] || fail "the second start forgot the output folder"
[[ ! -e "$USER_HOME/elsewhere" ]] || fail "the second start used the default folder"

written=$(find "$PREFIX" -newer "$WORK/started" -print)
[[ -z "$written" ]] || fail "written beside the program: $written"
echo "install test passed"
