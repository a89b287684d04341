// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/description.h"

#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/provinces.h"
#include "catalogue/shapes.h"
#include "catalogue/special.h"
#include "catalogue/today.h"

#include <QStringList>

namespace korvanta
{
namespace
{

QString words(Part part, Text text, Text letter = {})
{
    const auto found = describe(part, toQString(text), toQString(letter));
    return found ? toQString(*found) : QString();
}

using Meaning = std::optional<today::Meaning>;

Meaning meaningOf(Text province, Text letter)
{
    return today::find(toQString(province), toQString(letter));
}

// Today's place of a prefix in full ("山东省滨州市"): the province or city alone where no source
// says more, nothing for a letter no longer issued or a prefix no source gives.
QString placeToday(Text province, const Meaning &meaning)
{
    if (!meaning || meaning->status == today::Status::NoLongerIssued)
        return {};
    return toQString(provinces::name(province)) + toQString(meaning->place);
}

// "今：湖北省襄阳市", "今已不再发放", or nothing where the prefix means the same today.
QString inShort(Text province, const Meaning &meaning)
{
    if (!meaning || meaning->status == today::Status::Same)
        return {};
    if (meaning->status == today::Status::NoLongerIssued)
        return QStringLiteral("今已不再发放");
    return QStringLiteral("今：") + placeToday(province, meaning);
}

// The plate line's words for it: in short, and what changed where the table says.
QString noteOf(Text province, const Meaning &meaning)
{
    const QString shortly = inShort(province, meaning);
    if (shortly.isEmpty() || meaning->change.empty())
        return shortly;
    return shortly + QStringLiteral("（") + toQString(meaning->change) + u'）';
}

// Whether the sources give the place of a prefix today (the city itself, for a city's own
// letters): a letter that the catalogue lacks is then answered by that place.
bool placeKnown(const Meaning &meaning)
{
    return meaning && meaning->evidence != today::Evidence::None &&
           meaning->status != today::Status::NoLongerIssued;
}

Answer byShapeAlone(const Reading &r, const QString &type)
{
    Answer a;
    a.plate = shapes::plateText(r.shown);
    a.kind = r.kind;
    a.type = type;
    a.answer = toQString(shapes::unit(r.shown.shape));
    if (a.answer.isEmpty())
        a.answer = toQString(provinces::name(r.shown.province));
    a.standsAlone = true;
    return a;
}

// A civil plate whose letter the lists do not give: its province, and the letter it shows,
// answered by today's place where the sources give it ("四川省广安市（目录中没有川X）"), else by
// the province alone ("北京市（目录中没有京N）").
Answer provinceAlone(const Reading &r, const QString &type)
{
    const Text province = r.picks[0];
    const Text letter = r.shown.missingLetter;
    Answer a;
    a.kind = PlateKind::Civil;
    a.type = type;
    if (letter.empty()) {
        a.plate = toQString(province) + QStringLiteral("…");
        a.answer = toQString(provinces::name(province));
        return a;
    }
    const Meaning meaning = meaningOf(province, letter);
    a.plate = toQString(province) + toQString(letter);
    a.today = placeToday(province, meaning);
    a.standsAlone = placeKnown(meaning);
    const QString place = a.today.isEmpty() ? toQString(provinces::name(province)) : a.today;
    a.answer = place + QStringLiteral("（目录中没有") + a.plate + QStringLiteral("）");
    return a;
}

} // namespace

std::optional<Text> describe(Part part, QStringView text, QStringView letter) noexcept
{
    switch (part) {
    case Part::CivilKey:
        return civil::describe(text, letter);
    case Part::MilitaryFirstLevel:
        return military::describeFirstLevel(text);
    case Part::MilitarySecondLevel:
        return military::describeSecondLevel(text);
    case Part::ArmedPoliceUnit:
        return armedpolice::describeNumber(text);
    case Part::ArmedPoliceBranch:
        return armedpolice::branchName(text);
    case Part::SpecialItem:
        return special::describe(text);
    }
    return std::nullopt;
}

QString kindName(PlateKind kind)
{
    switch (kind) {
    case PlateKind::Civil:
        return QStringLiteral("民用车辆");
    case PlateKind::Military:
        return QStringLiteral("军用车辆");
    case PlateKind::ArmedPolice:
        return QStringLiteral("武警车辆");
    case PlateKind::Special:
        return QStringLiteral("特种牌照");
    }
    return {};
}

Answer describe(const Reading &r)
{
    const QString type =
        r.shown.shape == kNoShape ? QString() : toQString(shapes::type(r.shown.shape));
    if (r.byShapeAlone())
        return byShapeAlone(r, type);

    const auto [first, second, third] = r.picks;
    Answer a;
    a.kind = r.kind;
    a.type = type;
    switch (r.kind) {
    case PlateKind::Civil: {
        if (second.empty())
            return provinceAlone(r, type);
        a.plate = toQString(first) + toQString(second);
        a.answer = words(Part::CivilKey, first, second);
        if (a.answer.isEmpty()) {
            // A letter the lists offer without words (川G): as a letter the catalogue lacks.
            Reading alone = r;
            alone.picks[1] = {};
            alone.shown.missingLetter = second;
            return provinceAlone(alone, type);
        }
        const Meaning meaning = meaningOf(first, second);
        a.today = placeToday(first, meaning);
        a.todayInShort = inShort(first, meaning);
        a.todayNote = noteOf(first, meaning);
        break;
    }
    case PlateKind::Military: {
        a.plate = (first.empty() ? QStringLiteral("…") : toQString(first)) + toQString(second);
        QStringList said;
        if (!first.empty())
            said << words(Part::MilitaryFirstLevel, first);
        if (!second.empty())
            said << words(Part::MilitarySecondLevel, second);
        a.answer = said.join(toQString(kGap));
        break;
    }
    case PlateKind::ArmedPolice:
        a.plate = toQString(armedpolice::kPlatePrefix) +
                  (second.empty() ? QStringLiteral("…") : toQString(second)) +
                  (third.empty() ? QString() : QStringLiteral("-") + toQString(third));
        a.answer = words(Part::ArmedPoliceUnit, second) + words(Part::ArmedPoliceBranch, third);
        break;
    case PlateKind::Special:
        a.plate = toQString(first);
        a.answer = words(Part::SpecialItem, first);
        break;
    }
    return a;
}

QString typeOrKind(const Answer &answer)
{
    if (answer.type.isEmpty() && answer.kind == PlateKind::Special && !answer.standsAlone)
        return kindName(PlateKind::Special);
    return answer.type;
}

QString sentences(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + u'。' + second;
}

QString todayNote(QStringView province, QStringView letter)
{
    return noteOf(toText(province), today::find(province, letter));
}

} // namespace korvanta
