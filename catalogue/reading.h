// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// What a typed text can mean: a plate of one of the four kinds, named by the items that the
// window's three lists would pick for it, and what its shape shows beyond them.

#include "catalogue/table.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvanta
{

enum class PlateKind : std::uint8_t { Civil, Military, ArmedPolice, Special };

// A shape of the plate-shape table (catalogue/shapes.h), by its place in the table.
using ShapeId = std::uint8_t;
constexpr ShapeId kNoShape = 0xFF;

// What a typed plate shows that no list picks: the shape it fits, and for a plate read by its
// shape alone the province and the letters it shows. Each text is a view of constant text.
struct Shown {
    // The shape that the typed plate fits whole, which says what the plate is; none while a
    // plate is being typed, or where it fits no shape.
    ShapeId shape = kNoShape;
    // The province the plate shows ("琼" of WJ琼12345), and the letters that vary from plate to
    // plate of its shape ("X" of 粤X·1234应急).
    Text province{};
    std::array<Text, 2> letters{};
    // The letter after a province that the civil catalogue does not list ("N" of 京N·12345).
    Text missingLetter{};
};

struct Reading {
    PlateKind kind = PlateKind::Civil;
    // The items that the window's first, second and third list would pick, in the lists' own
    // text (views of the catalogue's constant text); an empty item is one left for the person to
    // choose. A plate whose characters mean something that no list offers (an emergency-rescue
    // team, a 2012-style military or armed-police plate) has none, and is read by its shape alone.
    std::array<Text, 3> picks{};
    Shown shown{};

    bool byShapeAlone() const noexcept
    {
        return picks[0].empty() && picks[1].empty() && picks[2].empty();
    }

    // Whether the pick that gives the answer is there: the letter of a civil or military plate,
    // the unit of an armed-police plate, the item of a special one. A plate read by its shape
    // alone is complete by being whole.
    bool complete() const noexcept
    {
        switch (kind) {
        case PlateKind::Civil:
        case PlateKind::Military:
            return byShapeAlone() || (!picks[0].empty() && !picks[1].empty());
        case PlateKind::ArmedPolice:
            return byShapeAlone() || !picks[1].empty();
        case PlateKind::Special:
            return byShapeAlone() || !picks[0].empty();
        }
        return false;
    }

    // Two readings are the same when a person is shown the same row: the same kind, picks and
    // letter the catalogue lacks, and for a plate read by its shape alone the same province and
    // letters. What else the plate's shape says stays with the first of them.
    friend bool operator==(const Reading &a, const Reading &b) noexcept
    {
        if (a.kind != b.kind || a.picks != b.picks ||
            a.shown.missingLetter != b.shown.missingLetter)
            return false;
        return !a.byShapeAlone() ||
               (a.shown.province == b.shown.province && a.shown.letters == b.shown.letters);
    }
};

// A small list of fixed capacity, so that reading and searching allocate nothing.
template <typename T, std::size_t N> class Bounded
{
public:
    bool push(const T &value) noexcept
    {
        if (m_count == N)
            return false;
        m_items[m_count++] = value;
        return true;
    }
    bool contains(const T &value) const noexcept
    {
        for (std::size_t i = 0; i < m_count; ++i) {
            if (m_items[i] == value)
                return true;
        }
        return false;
    }
    bool full() const noexcept { return m_count == N; }
    std::size_t size() const noexcept { return m_count; }
    bool empty() const noexcept { return m_count == 0; }
    const T &operator[](std::size_t i) const noexcept { return m_items[i]; }
    const T *begin() const noexcept { return m_items.data(); }
    const T *end() const noexcept { return m_items.data() + m_count; }

private:
    std::array<T, N> m_items{};
    std::size_t m_count = 0;
};

} // namespace korvanta
