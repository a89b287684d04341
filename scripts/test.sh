#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds, and runs the whole test suite; ends with ctest's summary.
#   test.sh [--no-sanitizers]   the second leaves out the build and run under the sanitizers
source "$(dirname "$0")/common.sh"

sanitizers=1
case ${1:-} in
"") ;;
--no-sanitizers) sanitizers=0 ;;
*)
    echo "usage: $0 [--no-sanitizers]" >&2
    exit 2
    ;;
esac

ensure_packages "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure "$BUILD" -DKORVANTA_WERROR=ON
build "$BUILD"
if [ $sanitizers = 1 ]; then
    configure "$ROOT/build-asan" -DKORVANTA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DKORVANTA_WERROR=ON
    build "$ROOT/build-asan"
    echo "== The suite under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
    ctest --test-dir "$ROOT/build-asan" --output-on-failure -j"$(nproc)"
fi

echo "== The suite, the installed files and the benchmarks"
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
