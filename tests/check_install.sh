#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
# check_install.sh install|layout|validate|starts BUILD_DIR STAGE_DIR APP_ID
# Checks what `cmake --install` puts into a staging directory.
set -euo pipefail
mode=$1 build=$2 stage=$3 id=$4

case $mode in
install)
    rm -rf "$stage"
    cmake --install "$build" --prefix "$stage" >/dev/null
    ;;
layout)
    expected=(
        bin/korvanta
        "share/applications/$id.desktop"
        "share/metainfo/$id.metainfo.xml"
        "share/icons/hicolor/scalable/apps/$id.svg"
        share/man/man1/korvanta.1.gz
        share/doc/korvanta/copyright
        share/doc/korvanta/changelog.gz
    )
    for size in 16 22 24 32 48 64 128 256; do
        expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
    done
    status=0
    for file in "${expected[@]}"; do
        [ -s "$stage/$file" ] || { echo "missing: $file"; status=1; }
    done
    [ -x "$stage/bin/korvanta" ] || { echo "not executable: bin/korvanta"; status=1; }
    file "$stage/share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48' ||
        { echo "the 48x48 icon is not 48 x 48"; status=1; }
    gzip -t "$stage/share/man/man1/korvanta.1.gz" || status=1
    exit $status
    ;;
validate)
    # desktop-file-validate exits 0 on some errors: any output is a failure.
    out=$(desktop-file-validate "$stage/share/applications/$id.desktop" 2>&1)
    [ -z "$out" ] || { echo "$out"; exit 1; }
    appstreamcli validate --no-net --pedantic "$stage/share/metainfo/$id.metainfo.xml"
    ;;
starts)
    # Still running after three seconds means it started; timeout reports that as 124.
    set +e
    QT_QPA_PLATFORM=offscreen timeout 3 "$stage/bin/korvanta"
    rc=$?
    set -e
    [ $rc -eq 124 ] || { echo "korvanta ended with $rc"; exit 1; }
    ;;
*)
    echo "unknown mode $mode" >&2
    exit 2
    ;;
esac
