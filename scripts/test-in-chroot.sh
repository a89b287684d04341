#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
# test-in-chroot.sh RELEASE [--install-only]
#
# Tries Korvanta on a Debian release as a person who has just installed it would (RELEASE is a
# Debian code name: trixie, bookworm):
#   1. a minimal root of RELEASE is made with debootstrap once and kept, untouched, as a tarball;
#   2. a fresh copy of it gets this tree and runs the test command (./scripts/test.sh, without the
#      sanitizer build), then makes the Debian package; with --install-only it builds the program
#      and the package alone;
#   3. a second fresh copy, which never gets the build packages, installs the package with apt
#      and starts korvanta on a virtual X server of this machine: the window must appear and the
#      program must stay up.
# Copies are thrown away on every way out, their mounts undone first. Needs root (it asks sudo).
# The tarball and the downloaded package files are kept in $KORVANTA_CHROOT_CACHE
# (/var/cache/korvanta/chroot); only package files are shared between copies, never what was
# installed.
set -euo pipefail

usage() {
    echo "usage: $0 RELEASE [--install-only]" >&2
    exit 2
}
[ $# -ge 1 ] || usage
release=$1
mode=full
case ${2:-} in
"") ;;
--install-only) mode=install-only ;;
*) usage ;;
esac
case $release in
*[!a-z]* | "") usage ;;
esac

source "$(dirname "$0")/common.sh"
run_as_root KORVANTA_CHROOT_CACHE "$@"
CACHE=${KORVANTA_CHROOT_CACHE:-/var/cache/korvanta/chroot}
BASE="$CACHE/$release-base.tar"
ARCHIVES="$CACHE/archives-$release"

STEP_LABEL=$release

make_base() {
    [ -s "$BASE" ] && return 0
    local root
    root=$(mktemp -d /var/tmp/korvanta-base.XXXXXX)
    step "making a minimal $release root with debootstrap (once; kept in $BASE)"
    if ! debootstrap --variant=minbase "$release" "$root" "$(debian_mirror)" >"$root.log" 2>&1; then
        tail -n 20 "$root.log" >&2
        rm -rf --one-file-system "$root" "$root.log"
        echo "debootstrap of $release failed" >&2
        return 1
    fi
    mkdir -p "$CACHE"
    tar --numeric-owner -C "$root" -cf "$BASE.part" .
    mv "$BASE.part" "$BASE"
    rm -rf --one-file-system "$root" "$root.log"
}

# The copies made by this run, and every mount made inside them.
COPIES=()
XVFB_PID=
PROGRAM_PID=

mounts_under() {
    awk -v dir="$1" '$2 == dir || index($2, dir "/") == 1 {print $2}' /proc/self/mounts |
        sort -r
}

unmount_all() {
    local dir=$1 mnt
    for mnt in $(mounts_under "$dir"); do
        umount "$mnt" 2>/dev/null || umount -l "$mnt"
    done
}

discard_copy() {
    local dir=$1
    case $dir in
    /var/tmp/korvanta-?*) ;;
    *) return 0 ;;
    esac
    unmount_all "$dir"
    if [ -n "$(mounts_under "$dir")" ]; then
        echo "still mounted under $dir; not deleting it:" >&2
        mounts_under "$dir" >&2
        return 1
    fi
    rm -rf --one-file-system "$dir"
}

cleanup() {
    local status=$?
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null
    stop_xvfb
    local dir
    for dir in "${COPIES[@]}"; do
        discard_copy "$dir" || status=1
    done
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# new_copy: unpacks a fresh copy of the base, mounts what programs inside expect, and leaves its
# folder in COPY. (Not called in a subshell: the copy must be in COPIES for the cleanup.)
new_copy() {
    local dir
    dir=$(mktemp -d /var/tmp/korvanta-$release.XXXXXX)
    COPIES+=("$dir")
    COPY=$dir
    chmod 755 "$dir" # the root of a system: apt's own user walks through it
    tar --numeric-owner -C "$dir" -xf "$BASE"
    mount -t proc proc "$dir/proc"
    mount --bind /dev "$dir/dev"
    mount --bind /dev/pts "$dir/dev/pts"
    mount -t tmpfs tmpfs "$dir/dev/shm"
    mount -t sysfs sysfs "$dir/sys"
    mkdir -p "$ARCHIVES/partial"
    mount --bind "$ARCHIVES" "$dir/var/cache/apt/archives"
    cat /etc/resolv.conf >"$dir/etc/resolv.conf"
    # Packages installed here start no services.
    printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
    chmod +x "$dir/usr/sbin/policy-rc.d"
}

# inside DIR COMMAND: runs a shell command in a copy, with a clean environment.
inside() {
    local dir=$1
    shift
    chroot "$dir" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI="${CI:-}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive bash -c "$1"
}

copy_tree() {
    local dest=$1
    mkdir -p "$dest"
    if git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$ROOT" ls-files -z --cached --others --exclude-standard |
            (cd "$ROOT" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
            tar -C "$ROOT" --null -T - -cf - | tar -C "$dest" -xf -
    else
        tar -C "$ROOT" --exclude='./build*' -cf - . | tar -C "$dest" -xf -
    fi
}

ensure_packages debootstrap xvfb x11-utils imagemagick
make_base

# 2. Build, test and package in one copy.
new_copy
build_copy=$COPY
copy_tree "$build_copy/src"
if [ $mode = full ]; then
    step "the test command, in a fresh $release copy"
    inside "$build_copy" 'cd /src && ./scripts/test.sh --no-sanitizers'
    step "making the package"
    inside "$build_copy" 'cd /src/build && cpack -G DEB >/dev/null'
    deb_dir=$build_copy/src/build
else
    step "building the program and its package, in a fresh $release copy"
    inside "$build_copy" 'cd /src && source scripts/common.sh &&
        ensure_packages "${PROGRAM_PACKAGES[@]}" &&
        configure "$ROOT/build-package" -DBUILD_TESTING=OFF &&
        build "$ROOT/build-package" && cd "$ROOT/build-package" && cpack -G DEB >/dev/null'
    deb_dir=$build_copy/src/build-package
fi
deb=$(ls "$deb_dir"/korvanta_*.deb)
echo "package: $(basename "$deb")"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
[ -n "$(dpkg-deb -f "$deb" Depends)" ] || { echo "the package has no Depends" >&2; exit 1; }
opencv=$({ dpkg-deb -f "$deb" Depends | grep -o 'libopencv-[a-z0-9.+-]*' || true; } | tr '\n' ' ')
echo "OpenCV's libraries it depends on: ${opencv:-none}"

# 3. Install it into a clean copy and start it there.
new_copy
clean_copy=$COPY
cp "$deb" "$clean_copy/tmp/"
discard_copy "$build_copy"
step "installing $(basename "$deb") into a clean $release copy"
# What installing it takes on a clean system, and what of that OpenCV's libraries are.
inside "$clean_copy" "apt-get update -qq"
[ -z "$opencv" ] || inside "$clean_copy" "apt-get install -s --no-install-recommends $opencv \
    >/tmp/opencv.log && { grep -i 'additional disk space' /tmp/opencv.log | sed 's/^/OpenCV alone: /' || true; }"
inside "$clean_copy" "apt-get install -y --no-install-recommends /tmp/$(basename "$deb") \
    >/tmp/install.log && { grep -i 'additional disk space' /tmp/install.log || true; }"

start_xvfb
mkdir -p "$clean_copy/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$clean_copy/tmp/.X11-unix"
step "starting korvanta there on display $DISPLAY"
log=$(mktemp)
chroot "$clean_copy" /usr/bin/env -i HOME=/root LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR=/tmp PATH=/usr/bin:/bin korvanta >"$log" 2>&1 &
PROGRAM_PID=$!
if ! window=$(wait_for_window Korvantix "$PROGRAM_PID"); then
    echo "FAILED: the installed korvanta showed no window within $WINDOW_WAIT s; it printed:" >&2
    cat "$log" >&2
    exit 1
fi
sleep 3
shot=/var/tmp/korvanta-$release-installed.png
import -window "$window" "$shot" && echo "what it showed: $shot"
if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
    echo "FAILED: the installed korvanta ended after showing its window; it printed:" >&2
    cat "$log" >&2
    exit 1
fi
kill "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=

# A photo read there, with no display.
cp "$ROOT/tests/data/photos/rendered-粤BD12345.jpg" "$clean_copy/tmp/photo.jpg"
step "reading a photo there"
read_out=$(chroot "$clean_copy" /usr/bin/env -i HOME=/root LANG=C.UTF-8 PATH=/usr/bin:/bin \
    korvanta --photo /tmp/photo.jpg 2>&1) || true
echo "$read_out"
case $read_out in
/tmp/photo.jpg$'\t'粤B*广东省深圳市车辆*) ;;
*)
    echo "FAILED: the installed korvanta --photo did not read the photo" >&2
    exit 1
    ;;
esac
step "PASSED: installed on a clean $release, the window appeared, the program stayed up and read a photo"
