# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

# Debian 12 packages the build, the tests (the screen reader check among them) and the
# screenshots need.
PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    libbenchmark-dev
    fonts-noto-cjk fonts-comic-neue python3-fonttools
    xvfb xauth x11-utils imagemagick
    desktop-file-utils appstream file
    orca speech-dispatcher at-spi2-core dbus openbox xdotool
)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${PACKAGES[@]}"; do
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

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    fi
    cmake --build "$dir" -- -j"$(nproc)"
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
