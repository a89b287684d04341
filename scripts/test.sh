#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite; ends with ctest's summary.
source "$(dirname "$0")/common.sh"

ensure_packages
configure_and_build "$BUILD"
cd "$BUILD"
ctest --output-on-failure -j"$(nproc)"
