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

} // namespace korvanta::special
