# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT

# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

# Debian packages (12 and 13) that building, running and packaging the program need (a virtual X
# server too, for run.sh without a display; dpkg-dev and file for the package's dependencies;
# unicode-data for the pinyin of the search).
PROGRAM_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    fonts-noto-cjk fonts-comic-neue python3-fonttools
    xvfb xauth x11-utils imagemagick dpkg-dev file unicode-data
)
# What the tests, the benchmarks and the screenshots need besides (the screen reader check
# among them, and clang's libFuzzer for the fuzzing run).
TEST_PACKAGES=(
    libbenchmark-dev
    desktop-file-utils appstream
    orca speech-dispatcher at-spi2-core dbus openbox xdotool clang-format-19
    clang-19 libclang-rt-19-dev
)

# ensure_packages PACKAGE...: installs those that are missing.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# configure DIR [cmake options...]: configures a build folder. It runs every time, so that what
# was installed since is found; it is quick when nothing changed, and says only what it left out.
# A folder configured before keeps its generator (a plain `cmake -S . -B build` makes Makefiles).
configure() {
    local dir=$1
    shift
    local generator=()
    [ -f "$dir/CMakeCache.txt" ] || generator=(-G Ninja)
    local out
    if ! out=$(cmake -S "$ROOT" -B "$dir" "${generator[@]}" "$@" 2>&1); then
        echo "$out" >&2
        return 1
    fi
    grep -i 'left out' <<<"$out" || true
}

# build DIR [TARGET...]: builds those targets, or everything.
build() {
    local dir=$1
    shift
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}

# Starts a virtual X server and exports DISPLAY; stop_xvfb ends it.
start_xvfb() {
    local started
    started=$("$ROOT/scripts/start-xvfb") || return 1
    export DISPLAY=${started% *}
    XVFB_PID=${started#* }
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] || return 0
    kill "$XVFB_PID" 2>/dev/null || true
    local _
    for _ in $(seq 50); do
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    XVFB_PID=
}

# The Debian archive that this machine's apt sources name, or Debian's own.
debian_mirror() {
    local url
    url=$(grep -hoE '^(URIs:[[:space:]]*|deb[[:space:]]+(\[[^]]*\][[:space:]]+)?)[a-z]+://[^[:space:]]+/debian/?([[:space:]]|$)' \
        /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
        2>/dev/null | grep -oE '[a-z]+://[^[:space:]]+' | head -n 1 || true)
    echo "${url:-http://deb.debian.org/debian}"
}
