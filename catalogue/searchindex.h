// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The search index, generated when the program is built (tools/makesearch.py): what the search
// looks through, in catalogue order, and the readings of its characters.

#include "catalogue/reading.h"

#include <span>
#include <string_view>

namespace korvanta::search::index
{

struct Document {
    PlateKind kind;
    std::array<Text, 3> picks;
    Text missingLetter; // a letter after the province that the catalogue lacks
    Text text;          // what is searched
};

std::span<const Document> documents() noexcept;

// The characters of every document's text, one document after another: where each document's
// text starts (and, last, where they all end), which document each character is of, the first
// letters of the character's readings (bit 0 for "a"), and its readings (numbers of syllables).
std::span<const std::uint32_t> textStarts() noexcept;
std::span<const std::uint16_t> documentOf() noexcept;
std::span<const std::uint32_t> initials() noexcept;
std::span<const std::uint32_t> readingStarts() noexcept;
std::span<const std::uint16_t> readings() noexcept;

// Every syllable, sorted, and for each the characters that read so; for each letter from "a" to
// "z", the characters with a reading that starts with it.
std::span<const std::string_view> syllables() noexcept;
std::span<const std::uint32_t> syllableStarts() noexcept;
std::span<const std::uint32_t> syllablePlaces() noexcept;
std::span<const std::uint32_t> initialStarts() noexcept;
std::span<const std::uint32_t> initialPlaces() noexcept;

} // namespace korvanta::search::index
