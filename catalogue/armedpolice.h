// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Armed-police plates: the two plate styles, the unit numbers with the units that issue them,
// and the branch characters of the style that carries one.

#include "catalogue/table.h"

namespace korvanta::armedpolice
{

// A plate of the catalogue's styles begins with this prefix and the unit's number of this many
// digits; in the style that carries one, one of these branch characters follows.
inline constexpr Text kPlatePrefix = u"WJ";
inline constexpr std::size_t kUnitDigits = 2;
inline constexpr Text kBranchCharacters = u"消边通森金警电";

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

// The items of the three lists that pick the plate starting at `at` of `plate` (normalised as the
// plate reader does it): the style, the unit number, and the branch character where the plate
// carries one ("WJ02消…"); none where no unit number follows the prefix.
std::optional<std::array<Text, 3>> unitPlateAt(std::u16string_view plate, std::size_t at) noexcept;

} // namespace korvanta::armedpolice
