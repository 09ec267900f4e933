#!/usr/bin/env bash
# velmont-cli keeps the computer awake while it converts: against a fake
# logind on a private bus it takes a "sleep:idle" lock naming the number of
# files, and the lock goes when the batch ends and when Ctrl-C stops it.
# Usage: sleep_inhibit_test.sh <build folder> <source folder>
set -euo pipefail
BIN=$(cd "$1" && pwd)/bin
FAKE=$(cd "$2" && pwd)/tests/support/fake_desktop_bus.py
if [[ -z ${VELMONT_PRIVATE_BUS:-} ]]; then
    export VELMONT_PRIVATE_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi
WORK=$(mktemp -d)
trap 'kill "${FAKE_PID:-}" 2>/dev/null || true; rm -rf "$WORK"' EXIT
cd "$WORK"
# Programs and settings of the test's own: nothing left beside the build's
# programs or in the user's settings is read. Copies, not links: a
# stray-encoder sweep matches the executable file.
mkdir program config
cp "$BIN/velmont-cli" "$BIN/Rendix" program/
BIN=$WORK/program
export XDG_CONFIG_HOME=$WORK/config

ffmpeg -nostdin -v error -f lavfi -i sine=duration=1 one.wav
cp one.wav two.wav
ffmpeg -nostdin -v error -f lavfi -i anullsrc=r=1000:cl=mono -t 36000 -c:a flac endless.flac

/usr/bin/python3 "$FAKE" "$WORK/log" >fake.out &
FAKE_PID=$!
for _ in $(seq 100); do grep -q ready fake.out && break; sleep 0.1; done
grep -q ready fake.out || { echo "FAIL: the fake bus services did not start"; exit 1; }
export DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS

fail() { echo "FAIL: $*"; cat log; exit 1; }
wait_for() { for _ in $(seq 100); do grep -qxF "$1" log && return 0; sleep 0.1; done; fail "no line: $1"; }

"$BIN/velmont-cli" -q -f mp3 -o out one.wav two.wav || fail "conversion failed"
[[ -s out/one.mp3 && -s out/two.mp3 ]] || fail "outputs missing"
wait_for "inhibit sleep:idle|Velmont Media Converter|Converting 2 files|block"
wait_for "released Converting 2 files"

"$BIN/velmont-cli" -q -f mp3 -o out endless.flac &
CLI_PID=$!
wait_for "inhibit sleep:idle|Velmont Media Converter|Converting 1 file|block"
kill -INT "$CLI_PID"
wait "$CLI_PID" && fail "a stopped run exited 0" || true
wait_for "released Converting 1 file"
echo "sleep inhibitor taken and released"
