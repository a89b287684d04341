#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
# screenshot.sh OUT.png: runs the built program on a virtual X server and saves its window.
source "$(dirname "$0")/common.sh"
out=$1

app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    stop_xvfb
}
trap cleanup EXIT

start_xvfb
"$BUILD/app/korvanta" &
app=$!

window=$(wait_for_window Korvantix "$app") ||
    { echo "the Korvanta window did not appear within $WINDOW_WAIT s" >&2; exit 1; }
# Let the first timer ticks run, so the animations show a picture.
sleep "${KORVANTA_SHOT_DELAY:-1.2}"
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
