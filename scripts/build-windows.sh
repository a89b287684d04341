#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
# build-windows.sh [--test] [--qt-only]
#
# Makes Korvanta for Windows (x86-64) on Debian, from Debian's own packages:
#   1. installs what is missing: the MinGW-w64 cross compilers (posix threads), Wine, a virtual
#      X server, CMake, Ninja and the host Qt;
#   2. fetches the source of Debian's qt6-base of the host Qt's version and cross-builds Core,
#      Gui, Widgets and Test from it, with its bundled third-party libraries, into a cache folder
#      ($KORVANTA_QT_WINDOWS_CACHE, /var/cache/korvanta by default) that later runs reuse;
#   3. cross-builds Korvanta and its tests with that Qt, the build-time tools staying host
#      programs (a host build in build-windows/host makes them);
#   4. makes build-windows/korvanta-VERSION-windows-x86_64.zip and prints its path.
# With --test it then runs the cross-built tests under Wine on a virtual X server, starts the
# program from the unpacked zip and keeps screenshots. --qt-only stops after step 2.
# Needs root (it asks sudo). Apart from the packages it installs, it changes nothing outside the
# cache and build-windows/: the deb-src entry lives in a file of its own there, removed on every
# way out, and apt's lists for it are kept beside it.
set -euo pipefail

usage() {
    echo "usage: $0 [--test] [--qt-only]" >&2
    exit 2
}
run_tests=0
qt_only=0
for arg in "$@"; do
    case $arg in
    --test) run_tests=1 ;;
    --qt-only) qt_only=1 ;;
    *) usage ;;
    esac
done

if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=KORVANTA_QT_WINDOWS_CACHE,CI "$0" "$@"
fi

source "$(dirname "$0")/common.sh"
OUT="$ROOT/build-windows"
CACHE_ROOT=${KORVANTA_QT_WINDOWS_CACHE:-/var/cache/korvanta}
TRIPLE=x86_64-w64-mingw32
MINGW_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64)

started=$SECONDS
step() {
    echo "== [windows, $((SECONDS - started)) s] $*"
}

# The work folders of this run, removed on every way out (the cache is moved into place whole at
# the end of a successful Qt build, so an interrupted one leaves nothing half made there).
cleanup_dirs=()
cleanup() {
    local dir
    for dir in "${cleanup_dirs[@]}"; do
        case $dir in
        "$OUT"/* | "$CACHE_ROOT"/qt-windows-*.partial.*) rm -rf --one-file-system "$dir" ;;
        esac
    done
    stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The options Qt is configured with; they are part of the cache's key.
QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DQT_BUILD_MANUAL_TESTS=OFF
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
    -DQT_FEATURE_pkg_config=OFF
    # Core, Gui, Widgets and Test; nothing else of qtbase
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_testlib=ON
    -DFEATURE_widgets=ON
    # Debian's source leaves out the Wintab headers
    -DFEATURE_tabletevent=OFF
    # qtbase 6.4's Windows platform plugin does not build without OpenGL: dynamic, as by default
    -DFEATURE_opengl_dynamic=ON
    # Pictures are PNG; the third-party libraries are qtbase's own copies
    -DFEATURE_png=ON
    -DFEATURE_jpeg=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_sql_sqlite=OFF
    -DFEATURE_openssl=OFF
    -DINPUT_openssl=no
)

# The Debian archive that this machine's apt sources name, with its suite, e.g.
# "http://deb.debian.org/debian bookworm".
debian_archive() {
    local url suite
    url=$(grep -hoE '^(URIs:[[:space:]]*|deb[[:space:]]+(\[[^]]*\][[:space:]]+)?)[a-z]+://[^[:space:]]+/debian/?([[:space:]]|$)' \
        /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
        2>/dev/null | grep -oE '[a-z]+://[^[:space:]]+' | head -n 1 || true)
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "${url:-http://deb.debian.org/debian} $suite"
}

write_toolchain() {
    cat >"$1" <<EOF
# Cross-compiling for Windows x86-64 with Debian's MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $TRIPLE-gcc-posix)
set(CMAKE_CXX_COMPILER $TRIPLE-g++-posix)
set(CMAKE_RC_COMPILER $TRIPLE-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$TRIPLE)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
EOF
}

# The host Qt's source version (e.g. 6.4.2+dfsg-10), the one whose source is fetched.
qt_source_version() {
    dpkg-query -W -f='${source:Version}' qt6-base-dev
}

# The cache folder for this Qt version, compiler and set of options.
qt_cache_dir() {
    local key
    key=$({
        qt_source_version
        echo
        $TRIPLE-g++-posix --version | head -n 1
        printf '%s\n' "${QT_OPTIONS[@]}"
        write_toolchain /dev/stdout
    } | sha256sum | cut -c1-16)
    echo "$CACHE_ROOT/qt-windows-$key"
}

# fetch_qt_source DIR: unpacks Debian's qt6-base source of the host Qt's version into DIR/src.
# apt reads a deb-src entry from a file of this run's own and keeps its lists beside it, so
# the machine's apt state is left as it was.
fetch_qt_source() {
    local dir=$1 version archive apt_opts
    version=$(qt_source_version)
    archive=$(debian_archive)
    mkdir -p "$dir/apt/lists/partial" "$dir/apt/archives/partial"
    echo "deb-src ${archive% *} ${archive#* } main" >"$dir/apt/korvanta-qt-src.list"
    apt_opts=(-o "Dir::Etc::SourceList=$dir/apt/korvanta-qt-src.list"
        -o "Dir::Etc::SourceParts=/nonexistent" -o "Dir::State::Lists=$dir/apt/lists"
        -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=" -o "APT::Sandbox::User=root")
    if ! apt-get "${apt_opts[@]}" update -qq; then
        echo "cannot read the source lists of ${archive}" >&2
        return 1
    fi
    if ! (cd "$dir" && apt-get "${apt_opts[@]}" source -qq "qt6-base=$version" >/dev/null); then
        rm -rf "$dir/apt"
        echo "Debian's source of qt6-base $version cannot be had from ${archive% *}:" \
            "the Qt for Windows is built from exactly the host Qt's source" >&2
        return 1
    fi
    rm -rf "$dir/apt"
    mv "$dir"/qt6-base-*/ "$dir/src"
}

# build_qt CACHE: cross-builds qtbase into CACHE (a folder made elsewhere and moved into place).
build_qt() {
    local cache=$1 work
    work=$(mktemp -d "$CACHE_ROOT/qt-windows-XXXXXX.partial.build")
    cleanup_dirs+=("$work")
    step "Fetching Debian's source of qt6-base $(qt_source_version)"
    fetch_qt_source "$work"
    write_toolchain "$work/toolchain.cmake"
    step "Configuring qtbase for $TRIPLE"
    local begun=$SECONDS
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$work/install" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        "${QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 || {
        tail -n 60 "$work/configure.log" >&2
        return 1
    }
    step "Building qtbase (on $(nproc) cores; about 20 minutes)"
    cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 || {
        tail -n 60 "$work/build.log" >&2
        return 1
    }
    cmake --install "$work/build" >/dev/null
    mkdir -p "$work/install/share/korvanta"
    qt_source_version >"$work/install/share/korvanta/qt-source-version"
    cp "$work/toolchain.cmake" "$work/install/share/korvanta/toolchain.cmake"
    mv "$work/install" "$cache"
    step "Qt for Windows built in $((SECONDS - begun)) s: $cache ($(du -sh "$cache" | cut -f1))"
}

mkdir -p "$OUT" "$CACHE_ROOT"
ensure_packages "${MINGW_PACKAGES[@]}" "${PROGRAM_PACKAGES[@]}"
QT_WIN=$(qt_cache_dir)
if [ -d "$QT_WIN" ]; then
    step "Qt for Windows from the cache: $QT_WIN"
else
    build_qt "$QT_WIN"
fi
[ $qt_only = 0 ] || exit 0
