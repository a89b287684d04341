#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
# build-windows.sh [--test] [--qt-only]
#
# Makes Korvanta for Windows (x86-64) on Debian 12, from Debian's own packages. Its steps, each a
# function below, with what it needs and what it leaves behind:
#   install_packages    needs apt; leaves the MinGW-w64 cross compilers (posix threads), Wine, a
#                       virtual X server, CMake, Ninja and the host Qt installed.
#   fetch_qt WORK       needs Debian's source archive; leaves the source of Debian's qt6-base of
#                       the host Qt's version in WORK/src. apt reads its deb-src entry from a
#                       file of its own in WORK and keeps its lists there too, both removed after.
#   build_qt WORK       needs WORK/src; leaves Qt for Windows (Core, Gui, Widgets and Test, with
#                       qtbase's own third-party libraries and their licences) in $QT_WIN, a
#                       cache folder ($KORVANTA_QT_WINDOWS_CACHE, /var/cache/korvanta by default)
#                       keyed by Qt's source version, the compiler and the options, which later
#                       runs reuse. It is built in WORK and moved into place whole.
#   build_opencv WORK   needs Debian's source archive; leaves protobuf (the library, static) and
#                       OpenCV's core, imgproc and dnn (static) for Windows, from the sources of
#                       Debian's own packages of the host's versions, with their licences, in
#                       $OPENCV_WIN, a cache folder beside Qt's keyed the same way.
#   build_qjpeg WORK    needs $QT_WIN and Debian's source archive; leaves Qt's own JPEG plugin
#                       (which the Windows Qt is built without), from the same qtbase source,
#                       against libjpeg-turbo from Debian's source of the host's version, with their
#                       licences, in $QJPEG_WIN, a cache folder beside Qt's keyed the same way.
#   build_korvanta      needs $QT_WIN and $OPENCV_WIN; leaves the build-time tools built for this
#                       machine in build-windows/host, and korvanta.exe, the photo reader's module
#                       and the tests in build-windows/cross.
#   make_zip            needs the cross build; leaves
#                       build-windows/korvanta-VERSION-windows-x86_64.zip (and its folder).
#   make_msi            needs the zip's folder; leaves build-windows/korvanta-VERSION-windows-x86_64.msi,
#                       a per-user installer of the same files made by wixl.
# With --test, in a fresh Wine prefix (build-windows/wineprefix) on a virtual X server:
#   test_under_wine     runs the cross-built tests; leaves ctest's verdict.
#   take_screenshots    leaves every view, light and dark, at scale 1 and 2, in
#                       build-windows/screenshots/.
#   check_unpacked_zip  needs the zip; unpacks it in build-windows/unpacked, starts korvanta.exe
#                       there with no other Qt on the path, leaves build-windows/korvanta-windows.png
#                       and fails unless the window shows, stays up and --read prints its row;
#                       korvanta.com must answer in cmd, from a pipe, read the example photos and
#                       start the window, and the window must read a pasted picture.
#   check_dark_mode     needs the unpacked zip; with Windows' apps set to dark, then light,
#                       starts korvanta.exe and keeps build-windows/screenshots/mode-dark.png and
#                       mode-light.png; fails unless the window is dark, then light.
#   check_msi           needs the MSI; in a fresh prefix of its own installs it, starts the
#                       installed program (build-windows/korvanta-installed.png), reads a photo
#                       with it in cmd and in its window, upgrades it with a
#                       successor, refuses the older one over it, and uninstalls: nothing it wrote
#                       may be left.
# --qt-only stops once Qt, its JPEG plugin and OpenCV are in the cache.
# Needs root (it asks sudo). Apart from the packages it installs, it changes nothing outside the
# cache and build-windows/; its work folders are removed on every way out.
source "$(dirname "$0")/common.sh"
run_as_root KORVANTA_QT_WINDOWS_CACHE "$@"

OUT="$ROOT/build-windows"
CACHE_ROOT=${KORVANTA_QT_WINDOWS_CACHE:-/var/cache/korvanta}
TRIPLE=x86_64-w64-mingw32
MINGW_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 wixl msitools
    libz-mingw-w64-dev protobuf-compiler libopencv-dnn-dev xclip openbox)
VERSION=$(sed -n 's/^project(korvanta VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
HOST="$OUT/host"
CROSS="$OUT/cross"
STAGE="$OUT/korvanta-$VERSION-windows-x86_64"
ZIP="$STAGE.zip"
MSI="$STAGE.msi"
UNPACKED="$OUT/unpacked"
STEP_LABEL=windows

# The work folders of this run, removed on every way out (the cache is moved into place whole at
# the end of a successful Qt build, so an interrupted one leaves nothing half made there).
cleanup_dirs=()
cleanup() {
    local dir
    for dir in "${cleanup_dirs[@]}"; do
        case $dir in
        "$OUT"/* | "$CACHE_ROOT"/*-windows-*.partial.*) rm -rf --one-file-system "$dir" ;;
        esac
    done
    stop_window_manager
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

# The options protobuf and OpenCV are configured with; part of their cache's key. Static
# libraries, linked into the photo reader's module. Of protobuf the library alone: the host's
# protoc (protobuf-compiler, of the same source) writes OpenCV's ONNX and Caffe readers. Of OpenCV
# core, imgproc and dnn, without what needs OpenCV's own third-party folder (Debian's source leaves
# it out) or a library this build has not, and compiled once for the baseline x86-64: copies for
# later processors would double its build for a model that reads a plate in a millisecond.
PROTOBUF_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -Dprotobuf_BUILD_TESTS=OFF
    -Dprotobuf_BUILD_EXAMPLES=OFF
    -Dprotobuf_BUILD_PROTOC_BINARIES=OFF
    -Dprotobuf_BUILD_LIBPROTOC=OFF
    -Dprotobuf_WITH_ZLIB=OFF
)
OPENCV_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DBUILD_LIST=core,imgproc,dnn
    -DBUILD_TESTS=OFF -DBUILD_PERF_TESTS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOCS=OFF
    -DBUILD_opencv_apps=OFF -DBUILD_JAVA=OFF -DBUILD_opencv_python2=OFF -DBUILD_opencv_python3=OFF
    -DWITH_PROTOBUF=ON -DBUILD_PROTOBUF=OFF -DPROTOBUF_UPDATE_FILES=ON
    -DBUILD_ZLIB=OFF
    -DCPU_DISPATCH=
    -DWITH_OPENCL=OFF -DOPENCV_DNN_OPENCL=OFF -DWITH_IPP=OFF -DWITH_ITT=OFF -DWITH_EIGEN=OFF
    -DWITH_LAPACK=OFF -DWITH_ADE=OFF -DWITH_OPENMP=OFF -DWITH_TBB=OFF -DWITH_DIRECTX=OFF
    -DWITH_DSHOW=OFF -DWITH_MSMF=OFF -DWITH_VTK=OFF -DWITH_FFMPEG=OFF -DWITH_GSTREAMER=OFF
    -DWITH_QUIRC=OFF -DWITH_WIN32UI=OFF -DWITH_CUDA=OFF -DWITH_VULKAN=OFF -DWITH_HALIDE=OFF
    -DWITH_INF_ENGINE=OFF -DWITH_NGRAPH=OFF -DWITH_WEBNN=OFF -DWITH_TIMVX=OFF -DWITH_CAROTENE=OFF
    -DWITH_OPENVX=OFF -DWITH_IMGCODEC_HDR=OFF -DWITH_JPEG=OFF -DWITH_PNG=OFF -DWITH_TIFF=OFF
    -DWITH_WEBP=OFF -DWITH_OPENJPEG=OFF -DWITH_JASPER=OFF -DWITH_OPENEXR=OFF
    -DENABLE_PRECOMPILED_HEADERS=OFF -DOPENCV_DOWNLOAD_TRIES_LIST= -DOPENCV_GENERATE_SETUPVARS=OFF
    -DBUILD_INFO_SKIP_TIMESTAMP=ON -DCV_TRACE=OFF
)

# libjpeg-turbo's options: the static library alone, without the SIMD code (which needs NASM).
JPEG_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_SIMD=OFF
    -DWITH_TURBOJPEG=OFF
)

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

# cache_dir NAME VERSIONS OPTION...: the cache folder for NAME built from sources of VERSIONS
# (one a line) with OPTIONS, by this compiler and toolchain.
cache_dir() {
    local name=$1 versions=$2 key
    shift 2
    key=$({
        printf '%s\n' "$versions"
        $TRIPLE-g++-posix --version | head -n 1
        printf '%s\n' "$@"
        write_toolchain /dev/stdout
    } | sha256sum | cut -c1-16)
    echo "$CACHE_ROOT/$name-windows-$key"
}

qt_cache_dir() {
    cache_dir qt "$(qt_source_version)" "${QT_OPTIONS[@]}"
}

# The host's OpenCV and protobuf source versions, the ones whose sources are fetched.
opencv_source_version() {
    dpkg-query -W -f='${source:Version}' libopencv-dnn-dev
}
protobuf_source_version() {
    dpkg-query -W -f='${source:Version}' protobuf-compiler
}

# Keyed by the OpenCV and protobuf sources and options.
opencv_cache_dir() {
    cache_dir opencv "$(opencv_source_version)"$'\n'"$(protobuf_source_version)" \
        "${PROTOBUF_OPTIONS[@]}" "${OPENCV_OPTIONS[@]}"
}

# The host's libjpeg-turbo source version, and the cache folder of Qt's JPEG plugin built
# against it for this Qt and compiler.
jpeg_source_version() {
    dpkg-query -W -f='${source:Version}' libjpeg62-turbo
}
qjpeg_cache_dir() {
    cache_dir qjpeg "$(qt_source_version)"$'\n'"$(jpeg_source_version)" "${JPEG_OPTIONS[@]}" \
        "$(cat "$ROOT/packaging/windows/qjpeg/CMakeLists.txt")"
}

# The folder of the MinGW runtime DLLs that the program loads.
gcc_dlls() {
    dirname "$($TRIPLE-g++-posix -print-libgcc-file-name)"
}

install_packages() {
    mkdir -p "$OUT" "$CACHE_ROOT"
    ensure_packages "${MINGW_PACKAGES[@]}" "${PROGRAM_PACKAGES[@]}"
}

# WORK: a work folder for building NAME (qt, opencv), beside the cache so that the result is
# moved, not copied. (Not called in a subshell: the folder must be in cleanup_dirs for the
# cleanup.)
new_work() {
    WORK=$(mktemp -d "$CACHE_ROOT/$1-windows-XXXXXX.partial.build")
    cleanup_dirs+=("$WORK")
}

# fetch_source DIR PACKAGE VERSION: Debian's source of PACKAGE at VERSION, in DIR/PACKAGE. apt
# reads its deb-src entry from a file of its own in DIR and keeps its lists there, both removed.
fetch_source() {
    local dir=$1 package=$2 version=$3 mirror suite apt_opts
    mirror=$(debian_mirror)
    suite=$(debian_codename)
    step "Fetching Debian's source of $package $version"
    mkdir -p "$dir/apt/lists/partial" "$dir/apt/archives/partial" "$dir/fetched"
    echo "deb-src $mirror $suite main" >"$dir/apt/korvanta-src.list"
    apt_opts=(-o "Dir::Etc::SourceList=$dir/apt/korvanta-src.list"
        -o "Dir::Etc::SourceParts=/nonexistent" -o "Dir::State::Lists=$dir/apt/lists"
        -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=" -o "APT::Sandbox::User=root")
    if ! apt-get "${apt_opts[@]}" update -qq; then
        echo "cannot read the source lists of $mirror $suite" >&2
        return 1
    fi
    if ! (cd "$dir/fetched" && apt-get "${apt_opts[@]}" source -qq "$package=$version" >/dev/null); then
        rm -rf "$dir/apt" "$dir/fetched"
        echo "Debian's source of $package $version cannot be had from $mirror:" \
            "what is built for Windows is built from exactly the host's source" >&2
        return 1
    fi
    rm -rf "$dir/apt"
    mv "$dir"/fetched/*/ "$dir/$package"
    rm -rf "$dir/fetched"
}

fetch_qt() {
    fetch_source "$1" qt6-base "$(qt_source_version)" && mv "$1/qt6-base" "$1/src"
}

# copy_qt_licences SOURCE DEST: Qt's licences and those of the libraries built into its DLLs.
copy_qt_licences() {
    local src=$1 dest=$2 third=$1/src/3rdparty
    mkdir -p "$dest"
    cp "$src/LICENSES/LGPL-3.0-only.txt" "$src/LICENSES/GPL-3.0-only.txt" "$dest/"
    cp "$third/freetype/docs/FTL.TXT" "$dest/FreeType-FTL.txt"
    cp "$third/harfbuzz-ng/COPYING" "$dest/HarfBuzz-COPYING.txt"
    cp "$third/pcre2/LICENCE" "$dest/PCRE2-LICENCE.txt"
    cp "$third/libpng/LICENSE" "$dest/libpng-LICENSE.txt"
    cp "$third/zlib/LICENSE" "$dest/zlib-LICENSE.txt"
    cp "$third/double-conversion/LICENSE" "$dest/double-conversion-LICENSE.txt"
    cp "$third/md4c/LICENSE.md" "$dest/md4c-LICENSE.md.txt"
}

build_qt() {
    local work=$1 begun=$SECONDS
    write_toolchain "$work/toolchain.cmake"
    cross_build "qtbase (on $(nproc) cores; about 20 minutes)" "$work/src" "$work/build" \
        "$work/install" "$work/toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        "${QT_OPTIONS[@]}"
    mkdir -p "$work/install/share/korvanta"
    copy_qt_licences "$work/src" "$work/install/share/korvanta/licenses"
    qt_source_version >"$work/install/share/korvanta/qt-source-version"
    cp "$work/toolchain.cmake" "$work/install/share/korvanta/toolchain.cmake"
    mv "$work/install" "$QT_WIN"
    step "Qt for Windows built in $((SECONDS - begun)) s: $QT_WIN ($(du -sh "$QT_WIN" | cut -f1))"
}

# cross_build NAME SOURCE BUILD INSTALL TOOLCHAIN OPTION...: configures, builds and installs one
# library for Windows, its logs in BUILD's folder, their end shown where a step fails.
cross_build() {
    local name=$1 src=$2 build=$3 install=$4 toolchain=$5
    shift 5
    step "Configuring $name for $TRIPLE"
    cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$install" "$@" >"$build.configure.log" 2>&1 || {
        tail -n 60 "$build.configure.log" >&2
        return 1
    }
    step "Building $name"
    cmake --build "$build" --parallel "$(nproc)" >"$build.log" 2>&1 || {
        tail -n 60 "$build.log" >&2
        return 1
    }
    cmake --install "$build" >/dev/null
}

build_opencv() {
    local work=$1 begun=$SECONDS licences=$1/install/share/korvanta/licenses
    fetch_source "$work" protobuf "$(protobuf_source_version)"
    fetch_source "$work" opencv "$(opencv_source_version)"
    write_toolchain "$work/toolchain.cmake"
    cross_build protobuf "$work/protobuf" "$work/protobuf-build" "$work/install" \
        "$work/toolchain.cmake" "${PROTOBUF_OPTIONS[@]}"
    cross_build "OpenCV (core, imgproc, dnn; about 6 minutes)" "$work/opencv" \
        "$work/opencv-build" "$work/install" "$work/toolchain.cmake" "${OPENCV_OPTIONS[@]}" \
        -DProtobuf_INCLUDE_DIR="$work/install/include" \
        -DProtobuf_LIBRARY="$work/install/lib/libprotobuf.a" \
        -DProtobuf_PROTOC_EXECUTABLE=/usr/bin/protoc \
        -DZLIB_INCLUDE_DIR=/usr/$TRIPLE/include -DZLIB_LIBRARY=/usr/$TRIPLE/lib/libz.a
    mkdir -p "$licences"
    cp "$work/opencv/LICENSE" "$licences/OpenCV-LICENSE.txt"
    cp "$work/protobuf/LICENSE" "$licences/protobuf-LICENSE.txt"
    cp /usr/share/doc/libz-mingw-w64-dev/copyright "$licences/zlib-mingw-w64-copyright.txt"
    { opencv_source_version; echo; protobuf_source_version; echo; } \
        >"$work/install/share/korvanta/opencv-source-versions"
    mv "$work/install" "$OPENCV_WIN"
    step "OpenCV for Windows built in $((SECONDS - begun)) s: $OPENCV_WIN ($(du -sh "$OPENCV_WIN" | cut -f1))"
}

build_qjpeg() {
    local work=$1 begun=$SECONDS licences=$1/install/share/korvanta/licenses
    fetch_source "$work" libjpeg-turbo "$(jpeg_source_version)"
    fetch_source "$work" qt6-base "$(qt_source_version)"
    write_toolchain "$work/toolchain.cmake"
    cross_build libjpeg-turbo "$work/libjpeg-turbo" "$work/jpeg-build" "$work/jpeg" \
        "$work/toolchain.cmake" "${JPEG_OPTIONS[@]}"
    cross_build "Qt's JPEG plugin" "$ROOT/packaging/windows/qjpeg" "$work/qjpeg-build" \
        "$work/install" "$QT_WIN/lib/cmake/Qt6/qt.toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$QT_WIN/share/korvanta/toolchain.cmake" \
        -DQT_SOURCE="$work/qt6-base" -DJPEG_INCLUDE_DIR="$work/jpeg/include" \
        -DJPEG_LIBRARY="$work/jpeg/lib/libjpeg.a"
    mkdir -p "$licences"
    cp "$work/libjpeg-turbo/LICENSE.md" "$licences/libjpeg-turbo-LICENSE.md.txt"
    cp "$work/libjpeg-turbo/README.ijg" "$licences/libjpeg-turbo-README.ijg.txt"
    jpeg_source_version >"$work/install/share/korvanta/jpeg-source-version"
    mv "$work/install" "$QJPEG_WIN"
    step "Qt's JPEG plugin for Windows built in $((SECONDS - begun)) s: $QJPEG_WIN"
}

# The build-time tools run here, never under Wine: a host build makes them.
build_korvanta() {
    step "Building the build-time tools for this machine"
    configure "$HOST" -DBUILD_TESTING=OFF -DKORVANTA_BENCHMARKS=OFF
    build "$HOST" svgrender searchdocs >/dev/null
    step "Cross-building Korvanta and its tests"
    configure "$CROSS" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QT_WIN/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$QT_WIN/share/korvanta/toolchain.cmake" \
        -DKORVANTA_HOST_TOOLS="$HOST/tools" -DKORVANTA_BENCHMARKS=OFF \
        -DKORVANTA_OPENCV_DIR="$OPENCV_WIN" \
        -DKORVANTA_TEST_EMULATOR=wine -DKORVANTA_TEST_PLATFORM=windows -DKORVANTA_WERROR=ON
    build "$CROSS" >/dev/null
}

# The Windows styles plugin of this Qt (Qt 6.8 renamed it).
qt_styles_plugin() {
    local name
    for name in qmodernwindowsstyle qwindowsvistastyle; do
        [ -f "$QT_WIN/plugins/styles/$name.dll" ] && echo "styles/$name.dll" && return
    done
    echo "no Windows styles plugin in $QT_WIN" >&2
    return 1
}

# The DLLs korvanta.exe loads: there is no windeployqt for a cross build, so they are listed here,
# and check_unpacked_zip runs the unpacked zip with no other Qt on the path.
make_zip() {
    local dlls dll
    dlls=$(gcc_dlls)
    step "Making the zip"
    rm -rf --one-file-system "$STAGE" "$ZIP"
    mkdir -p "$STAGE/platforms" "$STAGE/styles" "$STAGE/imageformats" "$STAGE/licenses"
    # qt_standard_project_setup puts Windows programs at the top
    cp "$CROSS/korvanta.exe" "$CROSS/korvanta.com" "$CROSS/korvanta-photoreader.dll" "$STAGE/"
    for dll in Qt6Core Qt6Gui Qt6Widgets; do
        cp "$QT_WIN/bin/$dll.dll" "$STAGE/"
    done
    cp "$QT_WIN/plugins/platforms/qwindows.dll" "$STAGE/platforms/"
    cp "$QT_WIN/plugins/$(qt_styles_plugin)" "$STAGE/styles/"
    cp "$QJPEG_WIN/plugins/imageformats/qjpeg.dll" "$STAGE/imageformats/"
    cp "$dlls/libgcc_s_seh-1.dll" "$dlls/libstdc++-6.dll" "/usr/$TRIPLE/lib/libwinpthread-1.dll" \
        "$STAGE/"
    find "$STAGE" -name '*.dll' -o -name '*.exe' | xargs $TRIPLE-strip --strip-unneeded
    cp "$ROOT/packaging/windows/README.txt" "$STAGE/README.txt"
    sed -i "s/@VERSION@/$VERSION/g; s/@QT_SOURCE@/$(cat "$QT_WIN/share/korvanta/qt-source-version")/g
        s/@OPENCV_SOURCE@/$(sed -n 1p "$OPENCV_WIN/share/korvanta/opencv-source-versions")/g
        s/@PROTOBUF_SOURCE@/$(sed -n 2p "$OPENCV_WIN/share/korvanta/opencv-source-versions")/g
        s/@JPEG_SOURCE@/$(cat "$QJPEG_WIN/share/korvanta/jpeg-source-version")/g" \
        "$STAGE/README.txt"
    cp "$ROOT/LICENSE" "$STAGE/LICENSE.txt"
    cp "$QT_WIN/share/korvanta/licenses/"* "$OPENCV_WIN/share/korvanta/licenses/"* \
        "$QJPEG_WIN/share/korvanta/licenses/"* "$STAGE/licenses/"
    cp "$ROOT/LICENSES/OFL-1.1.txt" "$STAGE/licenses/fonts-OFL-1.1.txt"
    # Whose each part of Korvanta is, the Unicode data licence of its pinyin index among them.
    cp "$ROOT/packaging/copyright" "$STAGE/licenses/korvanta-copyright.txt"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$STAGE/licenses/GCC-runtime-copyright.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$STAGE/licenses/mingw-w64-winpthreads-copyright.txt"
    # Text files with Windows line ends, for Notepad before Windows 10 1809.
    find "$STAGE" -name '*.txt' -exec sed -i 's/\r\?$/\r/' {} +
    (cd "$OUT" && python3 -m zipfile -c "$ZIP" "$(basename "$STAGE")")
    step "Made $ZIP ($(du -h "$ZIP" | cut -f1))"
}

# The Chinese texts of the installer's source, as queries that write them into its tables.
msi_texts() {
    python3 - "$1" <<'PY'
import re
import sys
import xml.etree.ElementTree as ET
wix = "{http://schemas.microsoft.com/wix/2006/wi}"
source = open(sys.argv[1], encoding="utf-8").read()
defined = dict(re.findall(r'<\?define\s+(\w+)\s*=\s*"([^"]*)"\s*\?>', source))
def value(text):
    return re.sub(r"\$\(var\.(\w+)\)", lambda m: defined[m.group(1)], text)
root = ET.fromstring(source)
for c in root.iter(wix + "Condition"):
    print(f"UPDATE `LaunchCondition` SET `Description` = '{value(c.get('Message'))}' "
          f"WHERE `Condition` = '{c.text.strip()}'")
for s in root.iter(wix + "Shortcut"):
    print(f"UPDATE `Shortcut` SET `Description` = '{value(s.get('Description'))}' "
          f"WHERE `Shortcut` = '{s.get('Id')}'")
PY
}

# make_msi VERSION FILE: the installer of the zip's folder, as version VERSION.
make_msi() {
    local version=$1 msi=$2 work=$OUT/msi query
    step "Making the installer $(basename "$msi")"
    rm -rf --one-file-system "$work"
    mkdir -p "$work"
    (cd "$OUT" && find "$(basename "$STAGE")" -type f | sort |
        wixl-heat --prefix "$(basename "$STAGE")/" --directory-ref INSTALLDIR \
            --component-group KorvantaFiles --var var.SourceDir --win64) >"$work/files.wxs"
    # (wixl reads files by paths relative to where it runs.)
    (cd "$OUT" && wixl -a x64 -D Version="$version" -D SourceDir="$(basename "$STAGE")" \
        -D Icon="${CROSS#"$OUT"/}/app/korvanta.ico" -D Win64=yes -o "$msi" \
        "$ROOT/packaging/windows/korvanta.wxs" "$work/files.wxs")
    # wixl sets no code page for the tables, and leaves out what is not ASCII: UTF-8, and the
    # texts again.
    printf '\r\n\r\n65001\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
    msibuild "$msi" -i "$work/_ForceCodepage.idt"
    while IFS= read -r query; do
        msibuild "$msi" -q "$query"
    done < <(msi_texts "$ROOT/packaging/windows/korvanta.wxs")
    step "Made $msi ($(du -h "$msi" | cut -f1))"
}

# new_prefix DIR: a throw-away Wine prefix; no Mono or Gecko prompt waits for a network, and no
# menu entry of this machine is made for what is installed in it.
new_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64
    wineserver -k 2>/dev/null || true
    rm -rf --one-file-system "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver -w
}

# A Wine prefix under the build folder, on a virtual X server.
# A window manager on the virtual display, as on any desktop: without one, Wine waits two seconds
# for each window it hides to be taken off the screen by it (a test that opens and closes the
# window for each case took a minute, not seconds).
start_window_manager() {
    local _
    openbox --sm-disable </dev/null >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "the window manager did not start" >&2
    return 1
}

stop_window_manager() {
    [ -n "${WM_PID:-}" ] || return 0
    kill "$WM_PID" 2>/dev/null || true
    wait "$WM_PID" 2>/dev/null || true
    WM_PID=
}

start_wine() {
    start_xvfb
    start_window_manager
    step "Making a Wine prefix ($(wine --version))"
    new_prefix "$OUT/wineprefix"
}

# show_window EXE PICTURE: starts EXE under Wine, waits for its window, sees that it stays up a
# few seconds, saves a picture of it to PICTURE and ends it (and Wine's server); fails where no
# window shows or the program does not stay up.
show_window() {
    local exe=$1 picture=$2 app window
    wine "$exe" >/dev/null 2>&1 &
    app=$!
    window=$(wait_for_window Korvantix) ||
        { echo "$exe showed no window \"Korvantix\" within $WINDOW_WAIT s" >&2; return 1; }
    sleep 3
    kill -0 $app 2>/dev/null || { echo "$exe did not stay up" >&2; return 1; }
    mkdir -p "$(dirname "$picture")"
    import -window "$window" "$picture"
    kill $app 2>/dev/null || true
    wineserver -k 2>/dev/null || true
}

# The tests find Qt's DLLs through WINEPATH and its plugins (the JPEG one apart) through
# QT_PLUGIN_PATH (which Wine hands on from WINEQT_PLUGIN_PATH: it leaves out the QT_ variables of
# this machine).
with_cross_qt() {
    local dlls
    dlls=$(gcc_dlls)
    WINEPATH="Z:${QT_WIN//\//\\}\\bin;Z:${dlls//\//\\};Z:\\usr\\$TRIPLE\\lib" \
        WINEQT_PLUGIN_PATH="Z:$QT_WIN/plugins;Z:$QJPEG_WIN/plugins" "$@"
}

test_under_wine() {
    step "The cross-built tests under Wine"
    export KORVANTA_RANDOM_EVENTS=${KORVANTA_RANDOM_EVENTS:-300}
    # One Wine server for all of them, with Wine's own services, started apart: what the first
    # test started would hold that test's output open until the last test ended.
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
    # One at a time: the windows of two tests on one display would take each other's focus.
    with_cross_qt ctest --test-dir "$CROSS" --output-on-failure
}

# Every view of the window as Windows draws it (its own style, Vista's where Wine draws it),
# light and dark, at scale 1 and 2: docs/screenshots/windows/ holds these.
take_screenshots() {
    local scale scheme shots args
    step "Screenshots of every view under Wine"
    for scale in 1 2; do
        for scheme in light dark; do
            shots="$OUT/screenshots/$scheme"
            [ $scale = 1 ] || shots="$shots/scale2"
            args=("Z:$shots")
            [ $scheme = light ] || args+=(dark)
            WINEQT_SCALE_FACTOR=$scale WINEQT_QPA_PLATFORM=windows with_cross_qt \
                wine "$CROSS/korvanta_screenshots.exe" "${args[@]}" </dev/null >/dev/null 2>&1 ||
                { echo "no screenshots in $shots" >&2; return 1; }
        done
    done
}

check_unpacked_zip() {
    local exe read_out
    step "Starting korvanta.exe from the unpacked zip"
    rm -rf --one-file-system "$UNPACKED"
    mkdir -p "$UNPACKED"
    (cd "$UNPACKED" && python3 -m zipfile -e "$ZIP" .)
    exe="$UNPACKED/$(basename "$STAGE")/korvanta.exe"
    show_window "$exe" "$OUT/korvanta-windows.png" || return 1
    step "The window showed and stayed up; a picture of it: $OUT/korvanta-windows.png"
    check_pasted_photo "$exe" "$OUT/korvanta-windows-pasted.png" || return 1
    # What --read prints through Wine's console.
    read_out=$(wine "$exe" --read 冀A12345 2>/dev/null | tr -d '\r')
    case $read_out in
    冀A*河北省石家庄市车辆*) step "korvanta.exe --read prints: $read_out" ;;
    *)
        echo "korvanta.exe --read printed: $read_out" >&2
        return 1
        ;;
    esac
    check_console "$(dirname "$exe")"
}

# check_console DIR: "korvanta" typed at cmd's prompt in DIR runs korvanta.com, which cmd waits
# for: its rows in UTF-8, one a line from a pipe, 1 where nothing is found; without options of
# ours it starts the window and returns.
check_console() {
    local dir=$1 out status=0
    step "korvanta.com at cmd's prompt"
    out=$(cd "$dir" && LANG=C.UTF-8 wine cmd /c "korvanta --read 冀A12345" 2>/dev/null | tr -d '\r')
    case $out in
    冀A*河北省石家庄市车辆*) step "korvanta --read in cmd prints: $out" ;;
    *)
        echo "korvanta --read in cmd printed: $out" >&2
        return 1
        ;;
    esac
    out=$(cd "$dir" && printf '冀A12345\n\n京B12345\n' |
        LANG=C.UTF-8 wine cmd /c "korvanta --read -" 2>/dev/null | tr -d '\r')
    if [ "$(printf '%s\n' "$out" | wc -l)" -ne 3 ] || [[ $out != 冀A12345*京B12345* ]]; then
        echo "korvanta --read - in cmd printed: $out" >&2
        return 1
    fi
    (cd "$dir" && LANG=C.UTF-8 wine cmd /c "korvanta --read xyzzy" >/dev/null 2>&1) || status=$?
    [ $status = 1 ] || { echo "a text that finds nothing ended with $status" >&2; return 1; }
    check_console_photos "$dir" || return 1
    (cd "$dir" && timeout 30 wine cmd /c korvanta </dev/null >/dev/null 2>&1) ||
        { echo "korvanta.com without options did not return" >&2; return 1; }
    wait_for_window Korvantix >/dev/null ||
        { echo "korvanta.com without options started no window" >&2; return 1; }
    wineserver -k 2>/dev/null || true
    step "korvanta.com answers in cmd, from a pipe, and starts the window"
}

# check_console_photos DIR: "korvanta --photo" at cmd's prompt in DIR reads the example photos: a
# line for each plate, a photo without one said so, and 1 for it.
check_console_photos() {
    local dir=$1 out status=0
    cp "$ROOT"/tests/data/photos/{fn1,rot2,np0}.jpg "$dir/"
    out=$(cd "$dir" && LANG=C.UTF-8 wine cmd /c "korvanta --photo fn1.jpg rot2.jpg np0.jpg" \
        2>/dev/null | tr -d '\r') || status=$?
    rm -f "$dir"/{fn1,rot2,np0}.jpg
    printf '%s\n' "$out"
    if ! printf '%s\n' "$out" | awk -F'\t' '$1 == "fn1.jpg" && $2 != "" {a = 1}
            $1 == "rot2.jpg" && $2 != "" {b = 1} $0 == "np0.jpg\t\t没有找到车牌" {c = 1}
            END {exit !(a && b && c)}' || [ $status != 1 ]; then
        echo "korvanta --photo in cmd printed the above and ended with $status" >&2
        return 1
    fi
    step "korvanta --photo in cmd reads the example photos"
}

# check_pasted_photo EXE PICTURE: starts EXE, puts a photo on the clipboard as a picture (as a
# screenshot tool leaves it), presses Ctrl+V over the window, and sees the reading show under
# the field, where nothing moves otherwise; keeps a picture of the screen in PICTURE.
check_pasted_photo() {
    local exe=$1 picture=$2 app window at area png=$OUT/pasted.png changed _
    wine "$exe" >/dev/null 2>&1 &
    app=$!
    window=$(wait_for_window Korvantix) ||
        { echo "$exe showed no window \"Korvantix\" within $WINDOW_WAIT s" >&2; return 1; }
    sleep 3
    convert "$ROOT/tests/data/photos/rendered-粤BD12345.jpg" "$png"
    xclip -selection clipboard -t image/png -i "$png"
    # Under the field, left of the pictures: the answers' frame, still while nothing is asked.
    at=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    area="240x170+$((${at% *} + 10))+$((${at#* } + 100))"
    import -window root -crop "$area" "$OUT/before-paste.png"
    xdotool mousemove --window "$window" 200 150 key ctrl+v
    for _ in $(seq 30); do
        sleep 0.5
        import -window root -crop "$area" "$OUT/after-paste.png"
        changed=$(compare -metric AE "$OUT/before-paste.png" "$OUT/after-paste.png" null: 2>&1 || true)
        [ "${changed%%.*}" -gt 8000 ] 2>/dev/null && break
    done
    import -window root "$picture"
    kill $app 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -f "$png" "$OUT/before-paste.png" "$OUT/after-paste.png"
    [ "${changed%%.*}" -gt 8000 ] 2>/dev/null ||
        { echo "nothing showed under the field after a paste ($changed pixels changed)" >&2; return 1; }
    step "a pasted picture was read in the window ($changed pixels changed); the screen: $picture"
}

# With Windows' apps set to dark the window is dark, with them set to light it is light.
check_dark_mode() {
    local exe="$UNPACKED/$(basename "$STAGE")/korvanta.exe" scheme light grey
    for scheme in dark light; do
        light=0
        [ $scheme = dark ] || light=1
        step "korvanta.exe with Windows' apps set to $scheme"
        wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
            /v AppsUseLightTheme /t REG_DWORD /d $light /f >/dev/null 2>&1
        wineserver -w
        show_window "$exe" "$OUT/screenshots/mode-$scheme.png" || return 1
        grey=$(convert "$OUT/screenshots/mode-$scheme.png" -colorspace Gray -format '%[fx:mean]' info:)
        step "the window's mean grey: $grey"
        if [ $scheme = dark ]; then
            awk -v g="$grey" 'BEGIN {exit !(g < 0.35)}' || { echo "not dark: $grey" >&2; return 1; }
        else
            awk -v g="$grey" 'BEGIN {exit !(g > 0.7)}' || { echo "not light: $grey" >&2; return 1; }
        fi
    done
}

# Where an installer puts things for the person, in prefix PREFIX.
installed_dir() { echo "$1"/drive_c/users/*/AppData/Local/Programs/Korvanta; }
shortcut() { echo "$1"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/Korvanta.lnk; }
# The versions of Korvanta that the prefix lists among the installed programs.
listed_versions() {
    grep -h -A30 'CurrentVersion\\\\Uninstall\\\\{' "$1"/system.reg "$1"/user.reg 2>/dev/null |
        awk '/"DisplayName"="Korvanta"/ {k = 1} /^\[/ {k = 0} k && /"DisplayVersion"/ {print}' |
        sed 's/.*="\(.*\)"/\1/'
}

check_msi() {
    local prefix=$OUT/wineprefix-msi next_version next left
    next_version=${VERSION%.*}.$((${VERSION##*.} + 1))
    next="$OUT/korvanta-$next_version-windows-x86_64.msi"
    make_msi "$next_version" "$next"
    step "Installing $(basename "$MSI") in a fresh Wine prefix"
    new_prefix "$prefix"
    wine msiexec /i "Z:$MSI" /qn || { echo "msiexec /i failed" >&2; return 1; }
    wineserver -w
    [ -f "$(installed_dir "$prefix")/korvanta.exe" ] || { echo "nothing in Programs/Korvanta" >&2; return 1; }
    [ -f "$(shortcut "$prefix")" ] || { echo "no Start-menu shortcut" >&2; return 1; }
    [ "$(listed_versions "$prefix")" = "$VERSION" ] ||
        { echo "installed programs list: $(listed_versions "$prefix")" >&2; return 1; }

    step "Starting the installed korvanta.exe (the shortcut's target)"
    show_window "$(installed_dir "$prefix")/korvanta.exe" "$OUT/korvanta-installed.png" || return 1
    check_console_photos "$(installed_dir "$prefix")" || return 1
    check_pasted_photo "$(installed_dir "$prefix")/korvanta.exe" "$OUT/korvanta-installed-pasted.png" ||
        return 1

    step "Upgrading to $next_version, and refusing $VERSION over it"
    wine msiexec /i "Z:$next" /qn || { echo "the upgrade failed" >&2; return 1; }
    wineserver -w
    [ "$(listed_versions "$prefix")" = "$next_version" ] ||
        { echo "after the upgrade: $(listed_versions "$prefix")" >&2; return 1; }
    if wine msiexec /i "Z:$MSI" /qn; then
        echo "the older installer replaced the newer" >&2
        return 1
    fi
    wineserver -w
    [ "$(listed_versions "$prefix")" = "$next_version" ] ||
        { echo "after the older installer: $(listed_versions "$prefix")" >&2; return 1; }

    step "Uninstalling"
    wine msiexec /x "Z:$next" /qn || { echo "msiexec /x failed" >&2; return 1; }
    wineserver -w
    left=$( (ls -d "$(installed_dir "$prefix")" "$(shortcut "$prefix")" 2>/dev/null
        grep -h -i -n 'korvanta' "$prefix/user.reg" "$prefix/system.reg") || true)
    [ -z "$left" ] || { printf 'left after uninstalling:\n%s\n' "$left" >&2; return 1; }
    step "Installed, started, upgraded, refused the older and uninstalled, leaving nothing"
}

# RUN_TESTS and QT_ONLY from the command line.
parse_options() {
    local arg
    RUN_TESTS=0
    QT_ONLY=0
    for arg in "$@"; do
        case $arg in
        --test) RUN_TESTS=1 ;;
        --qt-only) QT_ONLY=1 ;;
        *)
            echo "usage: $0 [--test] [--qt-only]" >&2
            exit 2
            ;;
        esac
    done
}

# Made and tested on Debian 12: its Qt 6.4 is the one this build's options and DLL list were
# worked out and tried for under Wine. Debian 13's Qt 6.8 has not been tried.
require_bookworm() {
    [ "$(debian_codename)" = bookworm ] && return 0
    echo "build-windows.sh makes the Windows zip on Debian 12 (bookworm) only: this is" \
        "$(. /etc/os-release && echo "$PRETTY_NAME"), whose Qt for Windows has not been tried." >&2
    exit 1
}

main() {
    local status=0
    parse_options "$@"
    require_bookworm
    install_packages
    QT_WIN=$(qt_cache_dir)
    if [ -d "$QT_WIN" ]; then
        step "Qt for Windows from the cache: $QT_WIN"
    else
        new_work qt
        fetch_qt "$WORK"
        build_qt "$WORK"
    fi
    QJPEG_WIN=$(qjpeg_cache_dir)
    if [ -d "$QJPEG_WIN" ]; then
        step "Qt's JPEG plugin for Windows from the cache: $QJPEG_WIN"
    else
        new_work qjpeg
        build_qjpeg "$WORK"
    fi
    OPENCV_WIN=$(opencv_cache_dir)
    if [ -d "$OPENCV_WIN" ]; then
        step "OpenCV for Windows from the cache: $OPENCV_WIN"
    else
        new_work opencv
        build_opencv "$WORK"
    fi
    [ $QT_ONLY = 0 ] || return 0

    build_korvanta
    make_zip
    make_msi "$VERSION" "$MSI"
    [ $RUN_TESTS = 1 ] || { echo "$ZIP"; echo "$MSI"; return 0; }

    start_wine
    test_under_wine || status=$?
    take_screenshots
    check_unpacked_zip
    check_dark_mode
    check_msi
    return $status
}

main "$@"
