// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Answers a typed text from the catalogues: the plates it holds, and the entries whose text
// contains it, in Chinese or in pinyin (full, or the first letters of a place name).

#include "catalogue/reading.h"

#include <QStringView>

namespace korvanta::search
{

// How a row was found, in the order the rows come in.
enum class Found : std::uint8_t {
    Plate,    // a complete plate reading, special items first
    Chinese,  // the text of a place or unit contains what was typed
    Pinyin,   // ... in full pinyin
    Initials, // ... by the first letters of its characters' readings
    Begun,    // ... by the start of one character's reading ("ga" of "gang")
    Partial,  // a plate reading that lacks its answer's part (a province alone)
};

struct Row {
    Found found = Found::Plate;
    Reading reading;
    friend bool operator==(const Row &, const Row &) = default;
};

constexpr std::size_t kMaxRows = 10;
using Rows = Bounded<Row, kMaxRows>;

// The rows for `text`, at most ten, each reading once; within each kind of row in catalogue
// order. Allocates nothing.
Rows lookUp(QStringView text) noexcept;

} // namespace korvanta::search
