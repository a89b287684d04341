#!/usr/bin/env bash
# Renders the window's views on a virtual X server, at scale 1 and 2, into docs/screenshots/.
source "$(dirname "$0")/common.sh"

ensure_packages
configure_and_build "$BUILD"

render() {
    local out=$1
    shift
    local display=:$((500 + RANDOM % 400))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    env DISPLAY="$display" "$@" "$BUILD/packaging/korvanta_screenshots" "$out"
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
}

render "$ROOT/docs/screenshots" QT_SCALE_FACTOR=1
render "$ROOT/docs/screenshots/scale2" QT_SCALE_FACTOR=2
echo "Screenshots written to $ROOT/docs/screenshots"
