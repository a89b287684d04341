// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/platereader.h"

#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/provinces.h"
#include "catalogue/shapes.h"
#include "catalogue/special.h"
#include "catalogue/today.h"

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
    case u'.':
    case u'\uFF0E': // ．
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

// How the text from one place on fits the shapes.
struct ShapesHere {
    // The first shape that the text fits whole of those whose first characters are a civil key,
    // of those whose first characters are an armed-police unit, and of any.
    ShapeId civil = kNoShape;
    ShapeId unit = kNoShape;
    ShapeId any = kNoShape;
    // The shapes it fits whole whose plates no list offers, and those whose plates are a special
    // item, in table order.
    Bounded<ShapeId, 4> byShapeAlone;
    Bounded<ShapeId, 2> specialItems;
    // Whether the ordinary plate's shape is among those it fits whole.
    bool ordinary = false;
    // Whether every shape that it fits, or can still become, gives the first characters another
    // meaning than a catalogue key: 粤X before 1234应急 is a rescue team's letter, not 顺德.
    bool noKeyHere = false;
    // Whether some shape fits whole and ends where the text ends.
    bool toTheEnd = false;
};

ShapesHere scanShapes(std::u16string_view plate, std::size_t at)
{
    ShapesHere here;
    if (!shapes::mayStart(plate, at))
        return here;
    bool keyMayBe = false;
    bool noListItemMayBe = false;
    for (ShapeId id = 0; id < shapes::count(); ++id) {
        const shapes::Fit fit = shapes::fit(id, plate, at);
        if (fit == shapes::Fit::None)
            continue;
        const shapes::Names names = shapes::names(id);
        keyMayBe |= names == shapes::Names::CivilKey || names == shapes::Names::ArmedPoliceUnit;
        noListItemMayBe |= names == shapes::Names::NoListItem;
        if (fit != shapes::Fit::Whole)
            continue;
        here.toTheEnd |= at + shapes::length(id) == plate.size();
        if (here.any == kNoShape)
            here.any = id;
        if (names == shapes::Names::CivilKey && here.civil == kNoShape)
            here.civil = id;
        if (names == shapes::Names::ArmedPoliceUnit && here.unit == kNoShape)
            here.unit = id;
        here.ordinary |= shapes::isOrdinary(id);
        if (names == shapes::Names::NoListItem)
            here.byShapeAlone.push(id);
        if (names == shapes::Names::SpecialItem)
            here.specialItems.push(id);
    }
    here.noKeyHere = noListItemMayBe && !keyMayBe;
    return here;
}

// The readings found so far, each once, the complete ones apart from the partial ones; and which
// of them read the whole text as one plate.
class Found
{
public:
    explicit Found(std::u16string_view plate)
        : m_plate(plate)
    {
    }

    void add(const Reading &reading, std::size_t at)
    {
        Readings &readings = reading.complete() ? m_complete : m_partial;
        if (!readings.contains(reading))
            readings.push(reading);
        const ShapeId shape = reading.shown.shape;
        if (at == 0 && shape != kNoShape && shapes::length(shape) == m_plate.size() &&
            !m_ofWholePlate.contains(reading))
            m_ofWholePlate.push(reading);
    }

    // Every reading, the complete ones first. Where the text is one whole plate of some shape,
    // only the readings of that plate stay, not those it merely starts with; special items read
    // the plate by their own text, and stay with it.
    Readings all(bool textIsOnePlate) const
    {
        Readings out;
        for (const Readings *readings : {&m_complete, &m_partial}) {
            for (const Reading &reading : *readings) {
                const bool ofThePlate =
                    m_ofWholePlate.contains(reading) ||
                    (reading.kind == PlateKind::Special && !reading.byShapeAlone());
                if ((!textIsOnePlate || ofThePlate) && !out.contains(reading))
                    out.push(reading);
            }
        }
        return out;
    }

private:
    std::u16string_view m_plate;
    Readings m_complete;
    Readings m_partial;
    Readings m_ofWholePlate;
};

// The special items that read the text from `at` on, by their own text or by a plate's shape.
// An item that is only a plate's first characters holds for an ordinary plate, not for one whose
// shape says what else it is: 京A·8066警 is a police car, not 京A 80.
void readSpecialItems(std::u16string_view plate, std::size_t at, const ShapesHere &here,
                      Found &found)
{
    const Items items = special::items();
    const bool anotherPlate = here.any != kNoShape && !here.ordinary;
    const std::size_t tried = special::mayStart(plate, at) ? items.size() : 0;
    for (std::size_t item = 0; item < tried; ++item) {
        if (special::startsAPlate(item) && anotherPlate)
            continue;
        if (special::readsAt(item, plate, at) > 0)
            found.add({PlateKind::Special, {items[item]}, {.shape = here.any}}, at);
    }
    for (ShapeId id : here.specialItems) {
        if (const auto item = itemOf(items, shapes::item(id)))
            found.add({PlateKind::Special, {*item}, {.shape = id}}, at);
    }
}

// The plates from `at` on that no list offers, read by their shape alone.
void readByShape(std::u16string_view plate, std::size_t at, const ShapesHere &here, Found &found)
{
    for (ShapeId id : here.byShapeAlone)
        found.add({shapes::kind(id), {}, shapes::shown(id, plate, at)}, at);
}

// The catalogues' keys at `at`: a civil province and its letter (or the province alone), a
// military first level and its second, an armed-police unit's plate.
void readCatalogueKeys(std::u16string_view plate, std::size_t at, const ShapesHere &here,
                       Found &found)
{
    const std::u16string_view next = plate.substr(at + 1, 1);
    // A place whose name begins with a province's character is that place: 鄂尔多斯 is no
    // plate of 湖北.
    const Text province = provinces::at(plate, at);
    if (!province.empty() && !here.noKeyHere && !today::placeNameAt(plate, at)) {
        const auto letter = itemOf(civil::letters(toQString(province)), next);
        if (letter && civil::describe(toQString(province), toQString(*letter))) {
            found.add({PlateKind::Civil, {province, *letter}, {.shape = here.civil}}, at);
        } else {
            const Text missing = next.empty() ? Text{} : shapes::capital(next.front());
            found.add(
                {PlateKind::Civil, {province}, {.shape = here.civil, .missingLetter = missing}},
                at);
        }
    }
    if (const auto first = itemOf(military::firstLevel(), plate.substr(at, 1))) {
        const auto second = itemOf(military::secondLevel(), next);
        found.add({PlateKind::Military, {*first, second.value_or(Text{})}}, at);
    }
    if (const auto unit = armedpolice::unitPlateAt(plate, at);
        unit && !here.noKeyHere && shapes::startsHere(plate, at))
        found.add({PlateKind::ArmedPolice, *unit, {.shape = here.unit}}, at);
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
    Found found(plate);
    bool textIsOnePlate = false;
    for (std::size_t at = 0; at < plate.size(); ++at) {
        const ShapesHere here = scanShapes(plate, at);
        textIsOnePlate |= at == 0 && here.toTheEnd;
        readSpecialItems(plate, at, here, found);
        // A special item comes before the plate of its own shape that it also is.
        readByShape(plate, at, here, found);
        readCatalogueKeys(plate, at, here, found);
    }
    return found.all(textIsOnePlate);
}

} // namespace korvanta::plates
