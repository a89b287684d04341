// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// What a reading of a typed plate says, in the words a row, the window's plate line and the
// command line show.

#include "catalogue/reading.h"

#include <QString>

namespace korvanta
{

struct Description {
    // The plate as read: the catalogue's key ("冀A", "甲A", "WJ02-消"), a special item, or what
    // a plate of its own shape shows ("WJ琼", "VA").
    QString plate;
    // The whole answer: the catalogue's text, the province behind a letter the catalogue lacks,
    // or the place or unit that a plate of its own shape names (else the kind of plate).
    QString answer;
    // What the plate is by its shape ("新能源汽车（纯电动）"), or nothing.
    QString type;
    // What the plate says beyond what the picks answer: the window's plate line. For a reading
    // that no list offers, all of it.
    QString beyond;
};

Description describe(const Reading &reading);

// The kind of plate as the category buttons name it.
QString kindName(PlateKind kind);

} // namespace korvanta
