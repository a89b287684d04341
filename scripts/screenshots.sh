#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
# Renders the window's views on a virtual X server, at scale 1 and 2, into docs/screenshots/.
source "$(dirname "$0")/common.sh"

ensure_packages "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure "$BUILD"
build "$BUILD" korvanta_screenshots
trap stop_xvfb EXIT

render() {
    local out=$1 scale=$2
    shift 2
    start_xvfb
    QT_SCALE_FACTOR=$scale "$BUILD/app/korvanta_screenshots" "$out" "$@"
    stop_xvfb
}

render "$ROOT/docs/screenshots" 1
render "$ROOT/docs/screenshots/scale2" 2
render "$ROOT/docs/screenshots/dark" 1 dark
render "$ROOT/docs/screenshots/dark/scale2" 2 dark
echo "Screenshots written to $ROOT/docs/screenshots"
