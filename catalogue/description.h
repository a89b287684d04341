// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The words for a plate, whichever way it came in: the catalogue's words for what the window's
// lists picked, and what a reading of a typed plate says in a row, in the window's plate line
// and on the command line.

#include "catalogue/reading.h"

#include <QString>

namespace korvanta
{

// What a search that finds nothing says, in the suggestions and on the command line.
inline constexpr Text kNothingFound = u"没有找到与此相符的车牌、地名或拼音";
// What stands between the columns of a row, and between two answers on one line.
inline constexpr Text kGap = u"　";

// The parts of a plate that the catalogues have words for, as the window's lists pick them.
enum class Part : std::uint8_t {
    CivilKey,            // a province followed by its letter
    MilitaryFirstLevel,  // a military plate's first character
    MilitarySecondLevel, // its letter
    ArmedPoliceUnit,     // an armed-police unit number
    ArmedPoliceBranch,   // an armed-police branch character
    SpecialItem,         // a special plate or windscreen pass
};

// The catalogue's words for a part, found exactly as the lists' texts stand (a civil key is
// `text` immediately followed by `letter`); none where the catalogue has no entry.
std::optional<Text> describe(Part part, QStringView text, QStringView letter = {}) noexcept;

// What a reading of a typed plate says. The suggestions' rows, the window's answers and plate
// line, and the command line each show it in their own way.
struct Answer {
    // The plate as read: the catalogue's key ("冀A", "甲A", "WJ02-消"), a special item, or what
    // a plate read by its shape alone shows ("WJ琼", "VA").
    QString plate;
    PlateKind kind = PlateKind::Civil;
    // The whole answer: the catalogue's words, the province of a plate whose letter the
    // catalogue lacks or that has no letter yet, or the place or unit that a plate read by its
    // shape alone names; empty where none of these is known.
    QString answer;
    // What the plate is by its shape ("新能源汽车（纯电动）"), or nothing.
    QString type;
    // Today's place of a civil plate's prefix ("山东省滨州市"), the province or city alone where
    // no source says more; nothing for another kind of plate, or a letter no longer issued.
    QString today;
    // For a prefix whose meaning changed since the catalogue: "今：山东省滨州市", or
    // "今已不再发放"; nothing otherwise.
    QString todayInShort;
    // The same with what changed, where the table says: "今：山东省滨州市（公开名单均作滨州）".
    QString todayNote;
    // The answer is all there is to it, and no list has more to pick: a plate read by its shape
    // alone, or a letter the catalogue lacks whose place today the sources give.
    bool standsAlone = false;
};

Answer describe(const Reading &reading);

// What a row says the plate is: its type, or for a special item without one, that it is a
// special plate.
QString typeOrKind(const Answer &answer);

// Two sentences of one line: "广东省深圳市车辆。新能源汽车（纯电动）"; either alone where the
// other is empty.
QString sentences(const QString &first, const QString &second);

// What the plate line says after a pick of `province` and `letter` whose meaning changed since
// the catalogue: "今：山东省滨州市（公开名单均作滨州）", or for a letter no longer issued
// "今已不再发放（…）"; nothing for a prefix that means the same today.
QString todayNote(QStringView province, QStringView letter);

// The kind of plate as the category buttons name it.
QString kindName(PlateKind kind);

} // namespace korvanta
