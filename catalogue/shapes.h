// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The shapes that plates on the road have, character by character, and what each says beyond
// the catalogues: a green plate's kind of power, a trailer's or a police car's last character,
// or a plate whose characters mean something else than a catalogue key (an emergency-rescue
// team, a 2012-style military or armed-police plate).

#include "catalogue/reading.h"

#include <QString>

#include <span>
#include <string_view>

namespace korvanta::shapes
{

// What the first characters of a plate of a shape name.
enum class Names : std::uint8_t {
    CivilKey,        // a province and its letter: a key of the civil catalogue
    ArmedPoliceUnit, // "WJ" and a unit number of the armed-police catalogue
    SpecialItem,     // a special item of the catalogue, whatever its characters
    NoListItem,      // something no list offers: the plate is read by its shape alone
};

// How far a text fits a shape from a given place.
enum class Fit : std::uint8_t {
    None,   // a character that the shape does not allow
    Prefix, // every character fits, and the text ends before the shape does
    Whole,  // the shape is all there, and no letter or digit follows it
};

// How many shapes there are; a shape's id is its place in the table, the order in which they
// are tried.
std::size_t count() noexcept;

Names names(ShapeId id) noexcept;
PlateKind kind(ShapeId id) noexcept;
// What a plate of the shape is ("新能源汽车（纯电动）"); empty for an ordinary plate.
Text type(ShapeId id) noexcept;
// How many characters a whole plate of the shape has.
std::size_t length(ShapeId id) noexcept;

// Whether a plate of shape `id` may have the character `c` at place `place` (from 0), taken
// alone: what a reader that weighs every character of each place keeps.
bool allows(ShapeId id, std::size_t place, char16_t c) noexcept;

// Whether some shape may start with the character at `at`; where none may, no shape fits there.
bool mayStart(std::u16string_view plate, std::size_t at) noexcept;

// How `plate` (normalised as the plate reader does it) fits shape `id` from `from` on.
Fit fit(ShapeId id, std::u16string_view plate, std::size_t from) noexcept;

// What a plate of shape `id` that fits whole at `from` shows: the shape, its province and the
// letters that vary from plate to plate, as views of constant text.
Shown shown(ShapeId id, std::u16string_view plate, std::size_t from) noexcept;
// How a plate read by its shape alone is written in a row: "WJ琼", "VA", "粤X…应急".
QString plateText(const Shown &shown);
// The unit or place that a plate of a shape names by its shape alone ("武警总部"), if any.
Text unit(ShapeId id) noexcept;
// The special item that a plate of a shape is ("使aaaaa"), if any.
Text item(ShapeId id) noexcept;
// Whether a shape is the ordinary plate's: a civil key and five digits or capitals.
bool isOrdinary(ShapeId id) noexcept;

// Whether a plate may start at `at`: one whose first character is a letter or digit starts
// where a run of letters and digits does, and not after a province character (浙BV12345 holds
// no plate BV12345, WJK12345 none JK12345).
bool startsHere(std::u16string_view plate, std::size_t at) noexcept;

// The one capital letter `c` as constant text, or nothing where `c` is not a capital A to Z.
Text capital(char16_t c) noexcept;

} // namespace korvanta::shapes
