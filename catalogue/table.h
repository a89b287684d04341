// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The two shapes every plate catalogue is made of: an ordered list of items that a drop-down
// list shows, and a table that maps a key to a value by exact text equality. Both are built by
// the compiler; nothing is allocated or computed when the program starts.

#include <QString>
#include <QStringView>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace korvanta
{

// A piece of constant catalogue text, stored as UTF-16 exactly as the user sees it.
using Text = std::u16string_view;

// The items of a list, in the order in which the list shows them.
using Items = std::span<const Text>;

// Wraps constant catalogue text in a QString without copying it.
inline QString toQString(Text text)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(text.data()),
                                static_cast<qsizetype>(text.size()));
}

inline Text toText(QStringView view)
{
    return {view.utf16(), static_cast<std::size_t>(view.size())};
}

// Whether a text of the window is exactly a catalogue text, code unit by code unit. Compare the
// two kinds of string through this alone: since Qt 6.8 a QStringView also converts to
// std::u16string_view, and a plain `==` between them no longer compiles.
inline bool sameText(QStringView text, Text catalogue) noexcept
{
    return toText(text) == catalogue;
}

// The catalogue's own text of the item of `items` that is exactly `text`, or none.
constexpr std::optional<Text> itemOf(Items items, Text text) noexcept
{
    for (Text item : items) {
        if (item == text)
            return item;
    }
    return std::nullopt;
}

namespace detail
{

// FNV-1a over UTF-16 code units; the same function runs at compile time and at run time.
constexpr std::uint32_t hashUnits(std::uint32_t hash, Text units)
{
    for (char16_t unit : units) {
        hash ^= unit;
        hash *= 16777619u;
    }
    return hash;
}
constexpr std::uint32_t kHashBasis = 2166136261u;

constexpr std::size_t slotCount(std::size_t rows)
{
    return std::bit_ceil(rows * 2 + 1);
}

} // namespace detail

// A constant table of rows keyed by text. `find` compares whole keys code unit by code unit:
// no trimming, no case or width folding. Keys must be unique; a duplicate stops the build.
template <typename Value, std::size_t N> class KeyedTable
{
public:
    struct Row {
        Text key;
        Value value;
    };

    consteval explicit KeyedTable(const Row (&rows)[N])
    {
        m_slots.fill(kEmpty);
        for (std::size_t i = 0; i < N; ++i) {
            m_rows[i] = rows[i];
            m_keys[i] = rows[i].key;
            std::size_t slot = detail::hashUnits(detail::kHashBasis, rows[i].key) & kMask;
            while (m_slots[slot] != kEmpty) {
                if (m_rows[m_slots[slot]].key == rows[i].key)
                    throw "duplicate key in a catalogue table";
                slot = (slot + 1) & kMask;
            }
            m_slots[slot] = static_cast<std::uint16_t>(i);
        }
    }

    // The row whose key is `first` immediately followed by `second`, or none.
    std::optional<Value> find(QStringView first, QStringView second = {}) const noexcept
    {
        const Text a = toText(first);
        const Text b = toText(second);
        const std::uint32_t hash = detail::hashUnits(detail::hashUnits(detail::kHashBasis, a), b);
        for (std::size_t slot = hash & kMask; m_slots[slot] != kEmpty; slot = (slot + 1) & kMask) {
            const Row &row = m_rows[m_slots[slot]];
            if (row.key.size() == a.size() + b.size() && row.key.starts_with(a) &&
                row.key.ends_with(b))
                return row.value;
        }
        return std::nullopt;
    }

    // The keys in table order: the items of the list that offers them.
    constexpr Items keys() const noexcept { return m_keys; }
    constexpr std::span<const Row> rows() const noexcept { return m_rows; }
    static constexpr std::size_t size() noexcept { return N; }

private:
    static_assert(N < 0xFFFF, "a catalogue table holds fewer than 65535 rows");
    static constexpr std::uint16_t kEmpty = 0xFFFF;
    static constexpr std::size_t kMask = detail::slotCount(N) - 1;

    std::array<Row, N> m_rows{};
    std::array<Text, N> m_keys{};
    std::array<std::uint16_t, detail::slotCount(N)> m_slots{};
};

} // namespace korvanta
