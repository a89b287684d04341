#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
# check_format.sh CLANG_FORMAT SOURCE_DIR: fails where a C++ source of the project is not formatted
# as .clang-format says. One version of clang-format decides, so that another one's opinions do
# not fail the build.
set -euo pipefail
format=$1 root=$2
cd "$root"
find catalogue vision app tools tests bench -name '*.cpp' -o -name '*.h' | sort |
    xargs "$format" --dry-run --Werror
