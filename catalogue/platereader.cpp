// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/platereader.h"

#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/shapes.h"
#include "catalogue/special.h"

#include <optional>

namespace korvanta::plates
{
namespace
{

bool leftOut(char16_t c)
{
    switch (c) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\r':
    case u'\u3000': // ideographic space
    case u'\u00B7': // ·
    case u'\u2022': // •
    case u'\u30FB': // ・
    case u'-':
    case u'\uFF0D': // －
        return true;
    default:
        return false;
    }
}

char16_t plain(char16_t c)
{
    if (c >= u'\uFF10' && c <= u'\uFF19') // full-width digits
        return static_cast<char16_t>(u'0' + (c - u'\uFF10'));
    if (c >= u'\uFF21' && c <= u'\uFF3A') // full-width capitals
        return static_cast<char16_t>(u'A' + (c - u'\uFF21'));
    if (c >= u'\uFF41' && c <= u'\uFF5A') // full-width small letters
        return static_cast<char16_t>(u'A' + (c - u'\uFF41'));
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(u'A' + (c - u'a'));
    return c;
}

// The catalogue's own text of the item of `items` that is exactly `text`.
std::optional<Text> itemOf(Items items, std::u16string_view text)
{
    for (Text item : items) {
        if (item == text)
            return item;
    }
    return std::nullopt;
}

} // namespace

Normalised::Normalised(QStringView text) noexcept
{
    const std::u16string_view units = toText(text.first(qMin(text.size(), qsizetype(kReadLength))));
    for (char16_t c : units) {
        if (!leftOut(c))
            m_text[m_length++] = plain(c);
    }
}

Readings read(QStringView text) noexcept
{
    const Normalised normalised(text);
    const std::u16string_view plate = normalised.view();
    Readings complete;
    Readings partial;
    // Whether the text is one whole plate of some shape: then only the readings of that plate
    // stay, not those it merely starts with.
    bool whole = false;
    Readings ofWhole;
    const auto add = [&](Readings &readings, const Reading &reading, std::size_t at,
                         ShapeId shape) {
        if (!readings.contains(reading))
            readings.push(reading);
        if (at == 0 && shape != kNoShape && shapes::length(shape) == plate.size() &&
            !ofWhole.contains(reading))
            ofWhole.push(reading);
    };
    const Items specialItems = special::items();
    const Text branchStyle = armedpolice::branchStyle();
    const Text plainStyle = armedpolice::plainStyle();
    const auto shapeCount = static_cast<ShapeId>(shapes::count());

    for (std::size_t at = 0; at < plate.size(); ++at) {
        // How the text from here on fits each shape: the first shape it fits whole of those
        // whose first characters are a catalogue's key, and whether it fits, or can still become,
        // a plate whose first characters name that key.
        ShapeId civilShape = kNoShape;
        ShapeId unitShape = kNoShape;
        ShapeId anyShape = kNoShape;
        bool civilMayBe = false;
        bool unitMayBe = false;
        bool ownMayBe = false;
        std::array<ShapeId, 4> owns{};
        std::size_t ownCount = 0;
        const ShapeId tried = shapes::mayStart(plate, at) ? shapeCount : 0;
        for (ShapeId id = 0; id < tried; ++id) {
            const shapes::Fit fit = shapes::fit(id, plate, at);
            if (fit == shapes::Fit::None)
                continue;
            const shapes::Names names = shapes::names(id);
            civilMayBe |= names == shapes::Names::CivilKey;
            unitMayBe |= names == shapes::Names::ArmedPoliceUnit;
            ownMayBe |= names == shapes::Names::Own;
            if (fit != shapes::Fit::Whole)
                continue;
            if (at == 0 && shapes::length(id) == plate.size())
                whole = true;
            if (anyShape == kNoShape)
                anyShape = id;
            if (names == shapes::Names::CivilKey && civilShape == kNoShape)
                civilShape = id;
            if (names == shapes::Names::ArmedPoliceUnit && unitShape == kNoShape)
                unitShape = id;
            if (names == shapes::Names::Own && ownCount < owns.size())
                owns[ownCount++] = id;
        }
        // Characters that can only be a plate in which they mean something else are no
        // catalogue key: 粤X before 1234应急 is a rescue team's letter, not 顺德.
        const bool onlyOwn = ownMayBe && !civilMayBe && !unitMayBe;

        for (std::size_t item = 0; item < specialItems.size(); ++item) {
            if (special::readsAt(item, plate, at) > 0)
                add(complete, {PlateKind::Special, {specialItems[item]}, anyShape}, at, anyShape);
        }

        // A special item comes before the plate of its own shape that it also is.
        for (std::size_t i = 0; i < ownCount; ++i) {
            Reading own{shapes::kind(owns[i]), shapes::ownParts(owns[i], plate, at), owns[i]};
            own.own = true;
            add(complete, own, at, owns[i]);
        }

        const std::u16string_view here = plate.substr(at, 1);
        const std::u16string_view next = plate.substr(at + 1, 1);
        // The province characters of the shapes are the civil catalogue's (a test holds them
        // to it), found by a binary search.
        if (const Text province = shapes::provinceAt(plate, at); !province.empty() && !onlyOwn) {
            const auto letter = itemOf(civil::letters(toQString(province)), next);
            if (letter && civil::describe(toQString(province), toQString(*letter))) {
                add(complete, {PlateKind::Civil, {province, *letter}, civilShape}, at, civilShape);
            } else {
                Reading alone{PlateKind::Civil, {province}, civilShape};
                if (!next.empty())
                    alone.unlisted = shapes::capital(next.front());
                add(partial, alone, at, civilShape);
            }
        }
        if (const auto first = itemOf(military::firstLevel(), here)) {
            if (const auto second = itemOf(military::secondLevel(), next))
                add(complete, {PlateKind::Military, {*first, *second}}, at, kNoShape);
            else
                add(partial, {PlateKind::Military, {*first}}, at, kNoShape);
        }
        if (plate.substr(at, 2) == u"WJ" && !onlyOwn) {
            if (const auto unit = itemOf(armedpolice::numbers(), plate.substr(at + 2, 2))) {
                if (const auto branch = itemOf(armedpolice::branches(), plate.substr(at + 4, 1)))
                    add(complete,
                        {PlateKind::ArmedPolice, {branchStyle, *unit, *branch}, unitShape}, at,
                        unitShape);
                else
                    add(complete, {PlateKind::ArmedPolice, {plainStyle, *unit}, unitShape}, at,
                        unitShape);
            }
        }
    }

    if (whole) {
        // Special items read the plate by their own text, and stay with it.
        const auto ofThePlate = [&ofWhole](const Reading &reading) {
            return ofWhole.contains(reading) ||
                   (reading.kind == PlateKind::Special && !reading.own);
        };
        Readings kept;
        for (const Readings *readings : {&complete, &partial}) {
            for (const Reading &reading : *readings) {
                if (ofThePlate(reading))
                    kept.push(reading);
            }
        }
        return kept;
    }
    Readings all = complete;
    for (const Reading &reading : partial) {
        if (!all.contains(reading))
            all.push(reading);
    }
    return all;
}

} // namespace korvanta::plates
