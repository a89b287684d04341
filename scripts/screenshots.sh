#!/usr/bin/env bash
# Renders the window's views on a virtual X server, at scale 1 and 2, into docs/screenshots/.
source "$(dirname "$0")/common.sh"

ensure_packages
configure_and_build "$BUILD"
trap stop_xvfb EXIT

render() {
    local out=$1 scale=$2
    start_xvfb
    QT_SCALE_FACTOR=$scale "$BUILD/packaging/korvanta_screenshots" "$out"
    stop_xvfb
}

render "$ROOT/docs/screenshots" 1
render "$ROOT/docs/screenshots/scale2" 2
echo "Screenshots written to $ROOT/docs/screenshots"
