// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The two things every catalogue operation does to the window: put a table's items into a
// drop-down list, and keep an answer when the table has one.

#include "catalogue/table.h"

#include <QComboBox>

namespace korvanta
{

// Removes every item and empties the edit field (QComboBox::clear alone keeps the edit text of
// a list that held no items).
inline void clearList(QComboBox *list)
{
    list->clear();
    list->clearEditText();
}

// Appends `items` at the end of `list` in table order, leaving the edit text as it was: the first
// item added to an empty QComboBox would otherwise become its text.
inline void appendItems(QComboBox *list, Items items)
{
    const int index = list->currentIndex();
    const QString text = list->currentText();
    for (Text item : items)
        list->addItem(toQString(item));
    if (index == -1 && list->currentIndex() != -1) {
        list->setCurrentIndex(-1);
        list->setEditText(text);
    }
}

// The index of the item whose text is exactly `text`, code unit by code unit, or -1.
inline int indexOfItem(const QComboBox *list, const QString &text)
{
    return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// A key with no entry leaves the answer as it was.
inline void storeIfFound(QString &answer, std::optional<Text> text)
{
    if (text)
        answer = toQString(*text);
}

} // namespace korvanta
