// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Reads the plates in a text as people type or paste it: "冀A·12345", "冀a 12345",
// "冀Ａ１２３４５", "前面那辆冀A12345的车", "WJ 02-消1234", "京A80123".

#include "catalogue/reading.h"

#include <QStringView>

#include <string_view>

namespace korvanta::plates
{

// Only the start of a longer text is read.
constexpr std::size_t kReadLength = 256;

// A text made ready for reading: spaces (U+3000 too), the middle dots "·" "•" "・", full stops and
// the hyphens "-" "－" left out, full-width Latin letters and digits made ASCII, Latin letters made
// upper case. Nothing else changes: no look-alike characters are folded.
class Normalised
{
public:
    explicit Normalised(QStringView text) noexcept;
    std::u16string_view view() const noexcept { return {m_text.data(), m_length}; }

private:
    std::array<char16_t, kReadLength> m_text{};
    std::size_t m_length = 0;
};

// Every reading of the plates in `text`, most specific first: the complete readings (a special
// item before the civil or military plate it also is), then the partial ones (a province or a
// first level alone, an armed-police unit without its style's branch). Each reading once.
using Readings = Bounded<Reading, 16>;
Readings read(QStringView text) noexcept;

} // namespace korvanta::plates
