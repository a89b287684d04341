#pragma once

// What a person does to the window, done through the real widgets.

#include "app/notice.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

inline QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// Opens the list and clicks the item at `index`, as a mouse user picks it.
inline void pickIndex(QComboBox *list, int index)
{
    QVERIFY(list->isEnabled());
    list->showPopup();
    QAbstractItemView *view = list->view();
    const QModelIndex item = view->model()->index(index, list->modelColumn());
    QVERIFY(item.isValid());
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
}

inline void pick(QComboBox *list, const QString &text)
{
    const int index = itemsOf(list).indexOf(text);
    QVERIFY2(index >= 0, qPrintable(QStringLiteral("no item '%1'").arg(text)));
    pickIndex(list, index);
    QCOMPARE(list->currentText(), text);
}

inline void clickOption(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QVERIFY(button->isChecked());
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
