// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Military plates: a first-level character naming the organisation and a second-level letter
// naming the kind of unit, each described on its own.

#include "catalogue/table.h"

namespace korvanta::military
{

// The 13 first-level characters, in table order.
Items firstLevel() noexcept;
std::optional<Text> describeFirstLevel(QStringView character) noexcept;

// The 11 second-level letters, in table order (N comes between E and G).
Items secondLevel() noexcept;
std::optional<Text> describeSecondLevel(QStringView letter) noexcept;

} // namespace korvanta::military
