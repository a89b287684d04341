# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT

# What two or more of the scripts do: install what is missing, configure and build, run as root,
# say which step runs, start a virtual X server and wait for a window on it, and name this
# Debian release and its archive. Every script in this folder sources it.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

# Debian packages (12 and 13) that building, running and packaging the program need (a virtual X
# server too, for run.sh without a display; dpkg-dev and file for the package's dependencies;
# unicode-data for the pinyin of the search; OpenCV's dnn and imgproc for the photo reader).
PROGRAM_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    fonts-noto-cjk fonts-comic-neue python3-fonttools
    xvfb xauth x11-utils imagemagick dpkg-dev file unicode-data
    libopencv-dnn-dev libopencv-imgproc-dev
)
# What the tests, the benchmarks and the screenshots need besides (the screen reader check
# among them, clang's libFuzzer for the fuzzing run, and for a step of the photo reader's
# training torch, Pillow, onnx, which Debian 13's torch exports with, and the condensed faces).
TEST_PACKAGES=(
    libbenchmark-dev
    desktop-file-utils appstream
    orca speech-dispatcher at-spi2-core dbus openbox xdotool xclip clang-format-19
    clang-19 libclang-rt-19-dev
    python3-torch python3-pil python3-onnx fonts-dejavu-extra fonts-urw-base35
)

# run_as_root VARIABLES "$@": unless this is root, runs the calling script again through sudo,
# with its arguments and the environment variables named (comma-separated); CI is always kept.
run_as_root() {
    local keep=$1
    shift
    [ "$(id -u)" -eq 0 ] || exec sudo --preserve-env="$keep,CI" "$0" "$@"
}

# step TEXT...: a banner for the step that starts, with the seconds since the script started;
# STEP_LABEL names the run (the script's name by default).
STEP_STARTED=$SECONDS
step() {
    echo "== [${STEP_LABEL:-$(basename "$0" .sh)}, $((SECONDS - STEP_STARTED)) s] $*"
}

# The code name of this machine's Debian release (bookworm, trixie).
debian_codename() {
    (. /etc/os-release && echo "$VERSION_CODENAME")
}

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

# How long a program may take to show its window (under Wine on a busy machine, the longest).
WINDOW_WAIT=20

# wait_for_window TITLE [PID]: prints the id of the first window titled TITLE on $DISPLAY once it
# shows; fails after WINDOW_WAIT seconds, or as soon as the program PID, if given, has ended.
wait_for_window() {
    local title=$1 pid=${2:-} window _
    for _ in $(seq $((WINDOW_WAIT * 10))); do
        window=$(xwininfo -root -tree 2>/dev/null |
            awk -v title="\"$title\"" 'index($0, title) {print $1; exit}')
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# The Debian archive that this machine's apt sources name, or Debian's own.
debian_mirror() {
    local url
    url=$(grep -hoE '^(URIs:[[:space:]]*|deb[[:space:]]+(\[[^]]*\][[:space:]]+)?)[a-z]+://[^[:space:]]+/debian/?([[:space:]]|$)' \
        /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
        2>/dev/null | grep -oE '[a-z]+://[^[:space:]]+' | head -n 1 || true)
    echo "${url:-http://deb.debian.org/debian}"
}
