// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The 31 provinces of mainland China by the one character a plate starts with, and their names.

#include "catalogue/table.h"

namespace korvanta::provinces
{

// The province character at `at` of `plate` as constant text, or nothing.
Text at(std::u16string_view plate, std::size_t at) noexcept;

// The name of the province whose character is `province` ("北京市" for "京"); empty for any
// other text.
Text name(Text province) noexcept;

} // namespace korvanta::provinces
