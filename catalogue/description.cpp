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

// "四川省广安市（目录中没有川X）", or the province alone where no source gives the letter.
QString missingLetter(const Reading &r)
{
    const QString key = toQString(r.picks[0]) + toQString(r.shown.missingLetter);
    QString place = placeToday(r.picks[0], meaningOf(r.picks[0], r.shown.missingLetter));
    if (place.isEmpty())
        place = toQString(provinces::name(r.picks[0]));
    return place + QStringLiteral("（目录中没有") + key + QStringLiteral("）");
}

QString joined(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + u'。' + second;
}

Description byShapeAlone(const Reading &r, const QString &type)
{
    Description d;
    d.plate = shapes::plateText(r.shown);
    d.type = type;
    d.answer = toQString(shapes::unit(r.shown.shape));
    if (d.answer.isEmpty())
        d.answer = toQString(provinces::name(r.shown.province));
    d.plateLine = joined(d.answer, type);
    return d;
}

// A civil plate whose letter the lists do not give: its province, and the letter it shows.
Description provinceAlone(const Reading &r, const QString &type)
{
    const bool lettered = !r.shown.missingLetter.empty();
    Description d;
    d.plate =
        toQString(r.picks[0]) + (lettered ? toQString(r.shown.missingLetter) : QStringLiteral("…"));
    d.type = type;
    d.answer = lettered ? missingLetter(r) : toQString(provinces::name(r.picks[0]));
    d.plateLine = joined(lettered ? d.answer : QString(), type);
    if (lettered)
        d.today = placeToday(r.picks[0], meaningOf(r.picks[0], r.shown.missingLetter));
    return d;
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

Description describe(const Reading &r)
{
    const QString type =
        r.shown.shape == kNoShape ? QString() : toQString(shapes::type(r.shown.shape));
    if (r.byShapeAlone())
        return byShapeAlone(r, type);

    const auto [first, second, third] = r.picks;
    Description d;
    d.type = type;
    d.plateLine = type;
    switch (r.kind) {
    case PlateKind::Civil: {
        if (second.empty())
            return provinceAlone(r, type);
        d.plate = toQString(first) + toQString(second);
        d.answer = words(Part::CivilKey, first, second);
        if (d.answer.isEmpty()) {
            // A letter the lists offer without words (川G): as a letter the catalogue lacks.
            Reading alone = r;
            alone.picks[1] = {};
            alone.shown.missingLetter = second;
            return provinceAlone(alone, type);
        }
        const Meaning meaning = meaningOf(first, second);
        d.today = placeToday(first, meaning);
        d.todayInShort = inShort(first, meaning);
        d.plateLine = joined(type, noteOf(first, meaning));
        break;
    }
    case PlateKind::Military: {
        d.plate = (first.empty() ? QStringLiteral("…") : toQString(first)) + toQString(second);
        QStringList said;
        if (!first.empty())
            said << words(Part::MilitaryFirstLevel, first);
        if (!second.empty())
            said << words(Part::MilitarySecondLevel, second);
        d.answer = said.join(toQString(kGap));
        break;
    }
    case PlateKind::ArmedPolice:
        d.plate = toQString(armedpolice::kPlatePrefix) +
                  (second.empty() ? QStringLiteral("…") : toQString(second)) +
                  (third.empty() ? QString() : QStringLiteral("-") + toQString(third));
        d.answer = words(Part::ArmedPoliceUnit, second) + words(Part::ArmedPoliceBranch, third);
        break;
    case PlateKind::Special:
        d.plate = toQString(first);
        d.answer = words(Part::SpecialItem, first);
        break;
    }
    return d;
}

QString todayNote(QStringView province, QStringView letter)
{
    return noteOf(toText(province), today::find(province, letter));
}

Columns columns(const Reading &reading)
{
    const Description d = describe(reading);
    QString type = d.type;
    if (type.isEmpty() && reading.kind == PlateKind::Special && !reading.byShapeAlone())
        type = kindName(PlateKind::Special);
    return {d.plate, kindName(reading.kind), d.answer, type, d.today, d.todayInShort};
}

} // namespace korvanta
