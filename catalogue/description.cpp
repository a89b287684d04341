// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/description.h"

#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/shapes.h"
#include "catalogue/special.h"

#include <QStringList>

namespace korvanta
{
namespace
{

const QString kGap = QStringLiteral("　");
const QString kStop = QStringLiteral("。");

QString text(std::optional<Text> found)
{
    return found ? toQString(*found) : QString();
}

// "北京市（目录中没有京N）"
QString unlistedLetter(const Reading &r)
{
    const QString key = toQString(r.parts[0]) + toQString(r.unlisted);
    return toQString(shapes::provinceName(r.parts[0])) + QStringLiteral("（目录中没有") + key +
           QStringLiteral("）");
}

QString joined(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + kStop + second;
}

} // namespace

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
    Description d;
    const QString first = toQString(r.parts[0]);
    const QString second = toQString(r.parts[1]);
    const QString third = toQString(r.parts[2]);
    if (r.shape != kNoShape)
        d.type = toQString(shapes::type(r.shape));

    if (r.own) {
        d.plate = shapes::ownPlate(r.shape, r.parts);
        QString where = toQString(shapes::ownUnit(r.shape));
        if (where.isEmpty())
            where = toQString(shapes::provinceName(r.parts[0]));
        d.answer = where.isEmpty() ? kindName(r.kind) : where;
        d.beyond = joined(where, d.type);
        return d;
    }

    switch (r.kind) {
    case PlateKind::Civil:
        if (second.isEmpty()) {
            d.plate = first + (r.unlisted.empty() ? QStringLiteral("…") : toQString(r.unlisted));
            d.answer = r.unlisted.empty() ? kindName(r.kind) : unlistedLetter(r);
            d.beyond = joined(r.unlisted.empty() ? QString() : d.answer, d.type);
            return d;
        }
        d.plate = first + second;
        d.answer = text(civil::describe(first, second));
        break;
    case PlateKind::Military: {
        d.plate = first.isEmpty() ? QString(u'…' + second) : QString(first + second);
        QStringList said;
        if (!first.isEmpty())
            said << text(military::describeFirstLevel(first));
        if (!second.isEmpty())
            said << text(military::describeSecondLevel(second));
        d.answer = said.join(kGap);
        break;
    }
    case PlateKind::ArmedPolice:
        d.plate = QStringLiteral("WJ") + (second.isEmpty() ? QStringLiteral("…") : second) +
                  (third.isEmpty() ? QString() : QStringLiteral("-") + third);
        d.answer = text(armedpolice::describeNumber(second)) + text(armedpolice::branchName(third));
        break;
    case PlateKind::Special:
        d.plate = first;
        d.answer = text(special::describe(first));
        break;
    }
    d.beyond = d.type;
    return d;
}

} // namespace korvanta
