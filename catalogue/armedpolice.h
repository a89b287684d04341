// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Armed-police plates: the two plate styles, the unit numbers with the units that issue them,
// and the branch characters of the style that carries one.

#include "catalogue/table.h"

namespace korvanta::armedpolice
{

// The two plate styles, in list order.
Items styles() noexcept;
// What the style list shows before a style is picked; not an item.
Text stylePrompt() noexcept;
// The style whose plates carry a branch character, and the one whose plates do not.
Text branchStyle() noexcept;
Text plainStyle() noexcept;

// The 32 unit numbers "01" to "32", and the unit that a number names.
Items numbers() noexcept;
std::optional<Text> describeNumber(QStringView number) noexcept;

// The seven branch characters, and the branch that a character names.
Items branches() noexcept;
std::optional<Text> branchName(QStringView character) noexcept;

} // namespace korvanta::armedpolice
