// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// What a typed text can mean: a plate of one of the four kinds, named by the items that the
// window's three lists would hold for it.

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

struct Reading {
    PlateKind kind = PlateKind::Civil;
    // The item of the first, second and third list, in the lists' own text; an empty part is
    // missing. Each is a view of the catalogue's constant text. A reading that no list offers
    // (`own`) keeps here the province and the letters its plate shows.
    std::array<Text, 3> parts{};
    // The shape that the typed plate fits whole, which says what the plate is; none while a
    // plate is being typed, or where it fits no shape.
    ShapeId shape = kNoShape;
    // A province alone: the letter that followed it, which the civil catalogue does not list.
    Text unlisted{};
    // Read by its shape alone: the characters mean something that no list offers (an
    // emergency-rescue team, a 2012-style military or armed-police plate).
    bool own = false;

    // Whether the part that gives the answer is there: the letter of a civil or military plate,
    // the unit of an armed-police plate, the item of a special one; a reading of its own shape
    // is complete by being whole.
    bool complete() const noexcept
    {
        if (own)
            return true;
        switch (kind) {
        case PlateKind::Civil:
        case PlateKind::Military:
            return !parts[0].empty() && !parts[1].empty();
        case PlateKind::ArmedPolice:
            return !parts[1].empty();
        case PlateKind::Special:
            return !parts[0].empty();
        }
        return false;
    }

    friend bool operator==(const Reading &, const Reading &) = default;
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
