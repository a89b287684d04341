#!/usr/bin/env bash
# screenshot.sh OUT.png [command...]: runs the program (or the given command, which shows the
# Korvanta window) on a virtual X server and saves the window to OUT.png.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
out=$1
shift
[ $# -gt 0 ] || set -- "$ROOT/build/app/korvanta"

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

export DISPLAY=$display
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$@" &
app=$!

window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Korvantix"/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the Korvanta window did not appear" >&2; exit 1; }
# Let the first timer ticks run, so the animations show a picture.
sleep "${KORVANTA_SHOT_DELAY:-1.2}"
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
