// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// What a person does to the window, done through the real widgets: for the tests, the
// benchmarks and the screenshot tool.

#include "app/form1.h"
#include "app/photo/photowork.h"
#include "app/services/notice.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPalette>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QUrl>

namespace korvanta
{

// A wait of `ms` on a quick machine, made as much longer as the run is slower: the tests under
// Wine and under the sanitizers are told how much (KORVANTA_TIMEOUT_FACTOR).
inline int scaledWait(int ms)
{
    return ms * qMax(1, qEnvironmentVariableIntValue("KORVANTA_TIMEOUT_FACTOR"));
}

// Whether `window` is drawn at the scale the run asked for (KORVANTA_TEST_SCALE, 1 where it says
// none): a scale that was asked for and did not take would test the first scale twice.
inline bool atTheAskedScale(const QWidget *window)
{
    const qreal asked = qEnvironmentVariableIsSet("KORVANTA_TEST_SCALE")
                            ? qEnvironmentVariable("KORVANTA_TEST_SCALE").toDouble()
                            : 1.0;
    return qFuzzyCompare(window->devicePixelRatio(), asked);
}

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

// Everything a query can change, to compare states.
inline QStringList snapshot(const Form1 &form)
{
    QStringList state;
    for (const QComboBox *list : {form.Combo1, form.Combo2, form.Combo3})
        state << itemsOf(list).join(QLatin1Char('|')) << list->currentText()
              << QString::number(list->isEnabled());
    state << form.Label4->text() << form.Label5->text() << form.PUB_massage << form.GIVE_massage;
    return state;
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

// Picks the item whose text is `text` as QComboBox reports a pick (see choose()).
[[nodiscard]] inline bool chooseText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return failed(QStringLiteral("%1 has no item '%2'").arg(list->objectName(), text));
    choose(list, index);
    return true;
}

// A query as a person makes it: the button of a category (1 civil, 2 military, 3 armed police,
// 4 special), then an item of each list in turn. Show no notice box while it runs (see
// NoticeRecorder, or setNoticeHandler).
struct Query {
    int category;
    QStringList items;
};

[[nodiscard]] inline bool run(Form1 &form, const Query &query)
{
    QRadioButton *const buttons[] = {form.Option1, form.Option2, form.Option3, form.Option4};
    buttons[query.category - 1]->click();
    QComboBox *const lists[] = {form.Combo1, form.Combo2, form.Combo3};
    for (int i = 0; i < query.items.size(); ++i) {
        if (!chooseText(lists[i], query.items.at(i)))
            return false;
    }
    return true;
}

// A query of each category, the ones the screenshots show.
inline const QList<Query> &queryOfEachCategory()
{
    static const QList<Query> queries{
        {1, {QStringLiteral("冀"), QStringLiteral("A")}},
        {2, {QStringLiteral("甲"), QStringLiteral("A")}},
        {3, {QStringLiteral("WJxx-Xaaaa"), QStringLiteral("02"), QStringLiteral("消")}},
        {4, {QStringLiteral("塑封G023、323")}},
    };
    return queries;
}

[[nodiscard]] inline bool clickOption(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    return button->isChecked() ||
           failed(QStringLiteral("%1 is not selected after a click").arg(button->objectName()));
}

// Waits for the photo given to the window to be read.
[[nodiscard]] inline bool photoRead(Form1 &form, int wait = 20000)
{
    auto *work = form.findChild<PhotoWork *>();
    if (!work)
        return failed(QStringLiteral("nothing reads photos"));
    return QTest::qWaitFor([work] { return !work->reading(); }, scaledWait(wait)) ||
           failed(QStringLiteral("the photo was never read"));
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

// Drops `file` on the window as a file manager does, and waits for its reading (up to `wait`
// milliseconds).
[[nodiscard]] inline bool dropPhoto(Form1 &form, const QString &file, int wait = 20000)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    const QPoint at = form.Frame2->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &enter);
    if (!enter.isAccepted())
        return failed(QStringLiteral("the window refused the drag"));
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &drop);
    return photoRead(form, wait);
}

// Records the notices the window shows instead of opening a modal box.
class NoticeRecorder
{
public:
    NoticeRecorder()
    {
        m_previous = setNoticeHandler([this](QWidget *, const QString &text, const QString &title) {
            notices << QStringList{title, text};
        });
    }
    ~NoticeRecorder() { setNoticeHandler(std::move(m_previous)); }
    NoticeRecorder(const NoticeRecorder &) = delete;
    NoticeRecorder &operator=(const NoticeRecorder &) = delete;

    QList<QStringList> notices;

private:
    NoticeHandler m_previous;
};

} // namespace korvanta
