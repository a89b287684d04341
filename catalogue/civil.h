// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Civil plates: the province characters, the letters each province issues, and the
// description of every province-and-letter key.

#include "catalogue/table.h"

namespace korvanta::civil
{

// The 31 province characters, in the catalogue's own order.
Items provinces() noexcept;

// The letters that `province` issues, in the catalogue's order; empty when it has no row.
Items letters(QStringView province) noexcept;

// The description of the key `province` followed by `letter`, or none.
std::optional<Text> describe(QStringView province, QStringView letter) noexcept;

// Every key that has a description, in catalogue order.
Items describedKeys() noexcept;

} // namespace korvanta::civil
