// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include "catalogue/table.h"

#include <QStringList>
#include <QTest>

inline QStringList toList(korvanta::Items items)
{
    QStringList list;
    for (korvanta::Text item : items)
        list << korvanta::toQString(item);
    return list;
}

// "A C E" -> {"A", "C", "E"}
inline QStringList words(const char *spaced)
{
    return QString::fromUtf8(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

inline QString describedOrMiss(std::optional<korvanta::Text> text)
{
    return text ? korvanta::toQString(*text) : QStringLiteral("<none>");
}
