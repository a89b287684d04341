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
    echo "== The reader, the search and the photo reader under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer"
    configure "$ROOT/build-fuzz" -DKORVANTA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-19
    build "$ROOT/build-fuzz" fuzz_reader
    if grep -q '^fuzz_photo:' <(ninja -C "$ROOT/build-fuzz" -t targets all 2>/dev/null); then
        build "$ROOT/build-fuzz" fuzz_photo
    fi
    fuzz_log="$ROOT/build-fuzz/fuzz.log"
    if ctest --test-dir "$ROOT/build-fuzz" --output-on-failure -V >"$fuzz_log" 2>&1; then
        grep -E '^[0-9]+: (INFO: seed|#[0-9]+ +DONE|stat::number|stat::average)' "$fuzz_log" || true
    else
        tail -n 80 "$fuzz_log"
        echo "the fuzzer found a fault (all of it in $fuzz_log)" >&2
        exit 1
    fi
fi

echo "== The suite, the installed files and the benchmarks"
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
