// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/widgets/partlycoveredtextedit.h"

namespace korvanta
{

void PartlyCoveredTextEdit::keepClearOf(const QWidget *cover)
{
    const int covered = qMax(0, contentsRect().bottom() + 1 - (cover->y() - y()));
    setViewportMargins(0, 0, 0, covered);
    // The scroll bar spans the whole box; an empty piece below it lifts it clear of the cover.
    auto *underCover = new QWidget(this);
    underCover->setFixedHeight(covered);
    addScrollBarWidget(underCover, Qt::AlignBottom);
}

} // namespace korvanta
