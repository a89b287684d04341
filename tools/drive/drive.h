// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// What a person does to the window, done through the real widgets.

#include "app/services/notice.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

// A dark scheme as desktops ship it: light text on dark grey panels and darker fields.
inline QPalette darkPalette()
{
    const QColor text(0xEE, 0xEE, 0xEE);
    QPalette dark(text, QColor(0x35, 0x35, 0x35), QColor(0x5A, 0x5A, 0x5A),
                  QColor(0x20, 0x20, 0x20), QColor(0x2A, 0x2A, 0x2A), text,
                  QColor(0xFF, 0xFF, 0xFF), QColor(0x2A, 0x2A, 0x2A), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, text);
    return dark;
}

inline QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// What QComboBox does when a person picks item `index`: the item becomes current, then the list
// reports the pick. Quicker than opening the popup, for tests that pick many items.
inline void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The helpers below do what a person does and return whether it worked; a test checks that with
// QVERIFY at the call, so that a step that fails stops the test there. A failure says why.
inline bool failed(const QString &why)
{
    qWarning("%s", qPrintable(why));
    return false;
}

// Opens the list and clicks the item at `index`, as a mouse user picks it.
[[nodiscard]] inline bool pickIndex(QComboBox *list, int index)
{
    if (!list->isEnabled())
        return failed(QStringLiteral("%1 is disabled").arg(list->objectName()));
    list->showPopup();
    QAbstractItemView *view = list->view();
    const QModelIndex item = view->model()->index(index, list->modelColumn());
    if (!item.isValid())
        return failed(QStringLiteral("%1 has no item %2").arg(list->objectName()).arg(index));
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    if (!QTest::qWaitFor([view] { return !view->isVisible(); }))
        return failed(QStringLiteral("the list of %1 stayed open").arg(list->objectName()));
    return true;
}

[[nodiscard]] inline bool pick(QComboBox *list, const QString &text)
{
    const int index = int(itemsOf(list).indexOf(text));
    if (index < 0)
        return failed(QStringLiteral("%1 has no item '%2'").arg(list->objectName(), text));
    if (!pickIndex(list, index))
        return false;
    if (list->currentText() != text)
        return failed(QStringLiteral("%1 shows '%2' after picking '%3'")
                          .arg(list->objectName(), list->currentText(), text));
    return true;
}

[[nodiscard]] inline bool clickOption(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    return button->isChecked() ||
           failed(QStringLiteral("%1 is not selected after a click").arg(button->objectName()));
}

// Replaces the edit field's text as typing does, Chinese included.
inline void typeInto(QComboBox *list, const QString &text)
{
    list->setFocus();
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
    if (!text.isEmpty())
        QTest::sendKeyEvent(QTest::Click, list->lineEdit(), Qt::Key_unknown, text, {});
}

// Records the notices the window shows instead of opening a modal box.
class NoticeRecorder
{
public:
    NoticeRecorder()
    {
        m_previous = korvanta::setNoticeHandler(
            [this](QWidget *, const QString &text, const QString &title) {
                notices << QStringList{title, text};
            });
    }
    ~NoticeRecorder() { korvanta::setNoticeHandler(std::move(m_previous)); }
    NoticeRecorder(const NoticeRecorder &) = delete;
    NoticeRecorder &operator=(const NoticeRecorder &) = delete;

    QList<QStringList> notices;

private:
    korvanta::NoticeHandler m_previous;
};
