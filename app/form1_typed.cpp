// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The typed plate: the first list's field also takes the plate a person saw, a place or its
// pinyin, and applies what they choose as the same clicks and picks would (app/typedplate).

#include "app/form1.h"
#include "app/lists.h"
#include "app/services/notice.h"
#include "app/typedplate/typedplate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

using namespace korvanta;

void Form1::setUpTypedPlate()
{
    m_typed = new TypedPlate(Combo1, m_answers,
                             [this](const Reading &reading) { applyReading(reading); });
    for (QRadioButton *option : {Option1, Option2, Option3, Option4})
        connect(option, &QRadioButton::clicked, m_typed, &TypedPlate::close);
    connect(Command1, &QPushButton::clicked, m_typed, &TypedPlate::close);

    // Ctrl+F and Ctrl+L go to the field, and a paste anywhere else in the query view lands there.
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_L)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            if (Frame1->isVisible())
                m_typed->focusField();
        });
    }
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, [this] {
        const QString pasted = QGuiApplication::clipboard()->text();
        if (Frame1->isVisible() && !pasted.trimmed().isEmpty())
            m_typed->pasteIntoField(pasted);
    });
}

// The category button's click (with no notice box: that belongs to a click on the special
// button), then each list's pick in turn, as QComboBox reports a pick; a part that the reading
// lacks leaves its list open for the person to choose.
void Form1::applyReading(const Reading &reading)
{
    QRadioButton *const buttons[] = {Option1, Option2, Option3, Option4};
    const NoticeHandler notices =
        setNoticeHandler([](QWidget *, const QString &, const QString &) {});
    buttons[int(reading.kind)]->click();
    setNoticeHandler(notices);

    QComboBox *const lists[] = {Combo1, Combo2, Combo3};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !lists[i]->isEnabled())
            return; // a list that this category does not use
        const QString part = toQString(reading.parts[i]);
        const int index = indexOfItem(lists[i], part);
        if (part.isEmpty() || index < 0) {
            lists[i]->setFocus(Qt::OtherFocusReason);
            lists[i]->showPopup();
            return;
        }
        lists[i]->setCurrentIndex(index);
        emit lists[i]->activated(index);
    }
}
