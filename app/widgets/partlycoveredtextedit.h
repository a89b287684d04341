// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPlainTextEdit>

namespace korvanta
{

// A text box whose lower part a sibling box covers: its text scrolls within the part that shows,
// so that no line is ever hidden under the sibling.
class PartlyCoveredTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    // Ends the visible text area, and the scroll bar beside it, where `cover` begins. Both boxes
    // have the same parent.
    void keepClearOf(const QWidget *cover);
};

} // namespace korvanta
