// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Special plates and windscreen passes, each offered as one whole item with a remark.

#include "catalogue/table.h"

namespace korvanta::special
{

// The 24 items, in list order.
Items items() noexcept;
std::optional<Text> describe(QStringView item) noexcept;

// How many characters of `plate`, from `at` on, the item number `item` (in list order) reads as,
// or 0 where it does not fit there. `plate` is normalised as the plate reader does it: no spaces,
// dots or hyphens, Latin letters and digits in ASCII, letters in upper case. An item reads by its
// own text: a small 'a' stands for one digit or capital letter, a space may be left out, "、"
// lists alternatives that replace as many trailing characters as they have, "--" is an inclusive
// range of equal width, an item shorter than a plate is the start of one (the rest of the serial
// follows), and an item of letters and digits alone stands as a whole token.
std::size_t readsAt(std::size_t item, std::u16string_view plate, std::size_t at) noexcept;

// Whether the item number `item` is only the first characters of a plate ("京A 80"), which the
// rest of a serial follows.
bool startsAPlate(std::size_t item) noexcept;

// Whether some item may start at `at` of `plate`; where none may, no item reads there.
bool mayStart(std::u16string_view plate, std::size_t at) noexcept;

} // namespace korvanta::special
