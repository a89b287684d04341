// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/platereader.h"

#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
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
    const auto add = [](Readings &readings, const Reading &reading) {
        if (!readings.contains(reading))
            readings.push(reading);
    };
    const Items specialItems = special::items();
    const Text branchStyle = armedpolice::branchStyle();
    const Text plainStyle = armedpolice::plainStyle();

    for (std::size_t at = 0; at < plate.size(); ++at) {
        for (std::size_t item = 0; item < specialItems.size(); ++item) {
            if (special::readsAt(item, plate, at) > 0)
                add(complete, {PlateKind::Special, {specialItems[item]}});
        }

        const std::u16string_view here = plate.substr(at, 1);
        const std::u16string_view next = plate.substr(at + 1, 1);
        if (const auto province = itemOf(civil::provinces(), here)) {
            const auto letter = itemOf(civil::letters(toQString(*province)), next);
            if (letter && civil::describe(toQString(*province), toQString(*letter)))
                add(complete, {PlateKind::Civil, {*province, *letter}});
            else
                add(partial, {PlateKind::Civil, {*province}});
        }
        if (const auto first = itemOf(military::firstLevel(), here)) {
            if (const auto second = itemOf(military::secondLevel(), next))
                add(complete, {PlateKind::Military, {*first, *second}});
            else
                add(partial, {PlateKind::Military, {*first}});
        }
        if (plate.substr(at, 2) == u"WJ") {
            if (const auto unit = itemOf(armedpolice::numbers(), plate.substr(at + 2, 2))) {
                if (const auto branch = itemOf(armedpolice::branches(), plate.substr(at + 4, 1)))
                    add(complete, {PlateKind::ArmedPolice, {branchStyle, *unit, *branch}});
                else
                    add(complete, {PlateKind::ArmedPolice, {plainStyle, *unit}});
            }
        }
    }

    Readings all = complete;
    for (const Reading &reading : partial)
        add(all, reading);
    return all;
}

} // namespace korvanta::plates
