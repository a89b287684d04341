// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The civil plate prefixes in use today, with today's place of each: what a plate seen on the road
// today means, beside the catalogue's words of the 1990s (which stay as they are).

#include "catalogue/table.h"

namespace korvanta::today
{

// What a prefix means today, measured against the catalogue's words for it.
enum class Status : std::uint8_t {
    Same,           // the place the catalogue names, by the name it had or a spelling of its own
    Changed,        // another place, or the catalogue's place under another name or status
    NoLongerIssued, // the letter is not issued any more
};

// How today's place is known.
enum class Evidence : std::uint8_t {
    Notice,    // a public-security notice reported in the press
    PlacePage, // an encyclopaedia's or a government's page of the place
    Lists,     // public lists of plate letters that agree (they copy one another)
    None,      // no source says: only the province (or the city) is said
};

struct Meaning {
    // Today's place within the province, by today's name ("滨州市"); empty for a city's own
    // letters, or where the sources split, when only the province or city is said.
    Text place;
    Status status;
    // What changed, and when, for a prefix whose meaning changed ("原莱芜市2019年并入济南市，
    // 今用鲁S"); may be empty.
    Text change;
    Evidence evidence;
};

// What `province` followed by `letter` means today, or none where no source says.
std::optional<Meaning> find(QStringView province, QStringView letter) noexcept;

// Every prefix, in the catalogue's province order, each with what it means today.
struct Row {
    Text key;
    Meaning meaning;
};
std::span<const Row> rows() noexcept;

// Whether `text` from `at` on begins with the first two characters of today's name of a place
// ("鄂尔多斯" is a place, not 鄂 and 尔多斯).
bool placeNameAt(std::u16string_view text, std::size_t at) noexcept;

} // namespace korvanta::today
