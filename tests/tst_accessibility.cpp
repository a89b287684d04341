// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/form1.h"
#include "app/services/accessibility.h"
#include "tools/drive/drive.h"

#include <QMenu>

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QVBoxLayout>

#include <memory>

using namespace korvanta;

namespace
{

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(kind) : QString();
}

bool hasChinese(const QString &text)
{
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return han.match(text).hasMatch();
}

// What screen readers would be told: the window's own handler passes on to this one what it lets
// through (it is installed before the window's, which keeps it as the next).
struct Told {
    QString object;
    QAccessible::Event type;
    QVariant value;
    QAccessible::State states;
};
QList<Told> s_told;

void listen(QAccessibleEvent *event)
{
    Told told{event->object() ? event->object()->objectName() : QString(), event->type(), {}, {}};
    if (event->type() == QAccessible::ValueChanged)
        told.value = static_cast<QAccessibleValueChangeEvent *>(event)->value();
    if (event->type() == QAccessible::StateChanged)
        told.states = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
    s_told << told;
}

QStringList toldInShort()
{
    QStringList told;
    for (const Told &event : std::as_const(s_told))
        told << QStringLiteral("%1 %2").arg(event.object).arg(int(event.type), 0, 16);
    return told;
}

QString inShort(const char *object, QAccessible::Event type)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(object)).arg(int(type), 0, 16);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    NoticeRecorder recorder;

private slots:
    void initTestCase() { QAccessible::installUpdateHandler(listen); }

    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    // Every control that takes the focus or shows an answer can be named by a screen reader.
    void everyControlHasAName()
    {
        QStringList missing;
        const QList<QWidget *> widgets = form->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
                continue; // parts of a control, such as an edit field or a scroll bar
            const bool focusable = widget->focusPolicy() != Qt::NoFocus;
            const bool showsText =
                qobject_cast<QLabel *>(widget) && !widget->objectName().startsWith(u"Image");
            if (!focusable && !showsText)
                continue;
            const QString name = accessibleText(widget, QAccessible::Name);
            // The title line shows the program's Latin name; every other name is Chinese.
            const bool latinTitle = widget == form->Label1;
            if (name.trimmed().isEmpty() || (!latinTitle && !hasChinese(name)))
                missing << QStringLiteral("%1: '%2'").arg(widget->objectName(), name);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void namesMatchWhatIsShown()
    {
        QCOMPARE(accessibleText(form->Option1, QAccessible::Name), QStringLiteral("民用车辆"));
        QCOMPARE(accessibleText(form->Combo2, QAccessible::Name), QStringLiteral("英文部分"));
        QCOMPARE(accessibleText(form->Text1, QAccessible::Name), QStringLiteral("感谢信"));
        QVERIFY(accessibleText(form->Text1, QAccessible::Description).contains(u"单击此处返回"));
        QCOMPARE(accessibleText(form->Label4, QAccessible::Name), QStringLiteral("查询结果"));
        QCOMPARE(accessibleText(form->Label5, QAccessible::Name), QStringLiteral("补充结果"));
    }

    void answersAreAnnounced()
    {
        // QLabel::setText announces a new text as a name change only while the label has no
        // fixed accessible name; the names of the result labels come from their answers.
        QVERIFY(form->Label4->accessibleName().isEmpty());
        QVERIFY(form->Label5->accessibleName().isEmpty());
        QVERIFY(clickOption(form->Option2));
        QVERIFY(pick(form->Combo1, QStringLiteral("辰")));
        QVERIFY(pick(form->Combo2, QStringLiteral("H")));
        QCOMPARE(accessibleText(form->Label4, QAccessible::Name),
                 QStringLiteral("中国人民解放军成都军区"));
        QCOMPARE(accessibleText(form->Label5, QAccessible::Name),
                 QStringLiteral("H----仓库、干休所"));
        QCOMPARE(accessibleText(form->Label5, QAccessible::Description),
                 QStringLiteral("补充结果"));
    }

    void resultTextCanBeCopied()
    {
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("粤")));
        QVERIFY(pick(form->Combo2, QStringLiteral("Z")));
        const QString answer = QStringLiteral("香港、澳门特别行政区进入内地车辆");
        QCOMPARE(form->Label4->text(), answer);
        QVERIFY(form->Label4->textInteractionFlags() & Qt::TextSelectableByMouse);
        // Selecting takes the focus by click only; the labels stay out of the tab order.
        QCOMPARE(form->Label4->focusPolicy(), Qt::ClickFocus);
        QTest::mouseClick(form->Label4, Qt::LeftButton, {}, QPoint(3, 8));
        form->Label4->setSelection(0, 5);
        QTest::keySequence(form->Label4, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), answer.first(5));
        QCOMPARE(form->Label4->text(), answer);
    }
    // A list says what it is for; what it shows is its value, and an empty disabled one has none.
    void listsSayWhatTheyAreFor()
    {
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("冀")));
        QCOMPARE(accessibleText(form->Combo1, QAccessible::Name), QStringLiteral("汉字部分"));
        QCOMPARE(accessibleText(form->Combo1, QAccessible::Value), QStringLiteral("冀"));
        QVERIFY(!form->Combo3->isEnabled());
        QCOMPARE(accessibleText(form->Combo3, QAccessible::Name), QStringLiteral("武警专用"));
        QCOMPARE(accessibleText(form->Combo3, QAccessible::Value), QString());
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(form->Combo1);
        QCOMPARE(list->role(), QAccessible::ComboBox);
        QVERIFY(list->state().editable && list->state().expandable);
        QCOMPARE(list->childCount(), 2);
        QCOMPARE(list->child(1)->object(), form->Combo1->lineEdit());
    }

    // The scrolling line is read once, whole; the pictures are not controls.
    void decorationsAreStaticText()
    {
        QAccessibleInterface *line = QAccessible::queryAccessibleInterface(form->Text3);
        QCOMPARE(line->role(), QAccessible::StaticText);
        QVERIFY(!line->textInterface());
        form->Timer1_Timer();
        QCOMPARE(line->text(QAccessible::Name),
                 QStringLiteral("绿色小巧的资料软件会拥有更大的用户群! 我会让他们记住您。"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form->Image14)->role(),
                 QAccessible::StaticText);
    }

    // Each pick that shows something new is spoken once, both lines where both change; a pick
    // that shows nothing new is not.
    void newAnswersAreAnnounced()
    {
        auto *announcer = form->findChild<korvanta::Announcer *>();
        QVERIFY(announcer);
        QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->role(),
                 QAccessible::Notification);
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("冀")));
        QVERIFY(pick(form->Combo2, QStringLiteral("A")));
        QTRY_COMPARE(announcer->lastAnnouncement(), QStringLiteral("河北省石家庄市车辆"));
        QVERIFY(pick(form->Combo1, QStringLiteral("晋")));
        QVERIFY(pick(form->Combo2, QStringLiteral("G"))); // no entry: the line empties
        QTest::qWait(scaledWait(120));
        QCOMPARE(announcer->lastAnnouncement(), QStringLiteral("河北省石家庄市车辆"));

        QVERIFY(clickOption(form->Option2));
        QVERIFY(pick(form->Combo1, QStringLiteral("甲")));
        QTRY_COMPARE(announcer->lastAnnouncement(), QStringLiteral("甲----中国人民解放军总部"));
        QVERIFY(pick(form->Combo2, QStringLiteral("A")));
        QTRY_VERIFY(announcer->lastAnnouncement().startsWith(u"中国人民解放军总部。A----"));

        form->Command1->setFocus();
        QTest::keyClick(form->Command1, Qt::Key_Return); // Enter opens it as Space does
        QVERIFY(form->Frame4->isVisible());
        QVERIFY(announcer->lastAnnouncement().startsWith(u"关于软件的信息,谢谢观看。感谢您"));
    }

    // Held news goes out when the last holder goes: for each object its last value, its changed
    // states together, the caret of the text the keyboard is in (no text of another), the last
    // of any other kind, in the order each last happened; nothing of a widget gone meanwhile,
    // or of the parts a list is made of; an announcement at once.
    void heldNewsTellsTheOutcomeOnce()
    {
        // The window's handler: events are handed to it here, for Qt passes none on to it while
        // no screen reader listens.
        const QAccessible::UpdateHandler filter = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(filter);
        QVERIFY(filter && filter != listen);
        auto send = [filter](QAccessibleEvent &&event) {
            filter(&event);
        };

        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *box = new QComboBox;
        box->addItems({QStringLiteral("a"), QStringLiteral("b")});
        auto *field = new QLineEdit;
        auto *other = new QLineEdit;
        auto *list = new QListWidget;
        for (auto [widget, name] : {std::pair<QWidget *, const char *>{box, "box"},
                                    {field, "field"},
                                    {other, "other"},
                                    {list, "list"}}) {
            widget->setObjectName(QLatin1String(name));
            layout->addWidget(widget);
        }
        auto *gone = new QLineEdit(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        auto *announcer = form->findChild<Announcer *>();

        s_told.clear();
        QAccessible::State disabled, focused;
        disabled.disabled = true;
        focused.focused = true;
        {
            const HeldNews outer;
            {
                const HeldNews inner;
                send(QAccessibleValueChangeEvent(box, QStringLiteral("a")));
                send(QAccessibleStateChangeEvent(box, disabled));
                send(QAccessibleEvent(box, QAccessible::NameChanged));
                send(QAccessibleTextInsertEvent(field, 0, QStringLiteral("京")));
                send(QAccessibleTextRemoveEvent(field, 0, QStringLiteral("京")));
                send(QAccessibleTextInsertEvent(other, 0, QStringLiteral("A")));
                send(QAccessibleStateChangeEvent(list->verticalScrollBar(), disabled));
                send(QAccessibleEvent(gone, QAccessible::ObjectShow));
                send(QAccessibleEvent(announcer, QAccessible::NameChanged));
                send(QAccessibleValueChangeEvent(box, QStringLiteral("b")));
                send(QAccessibleStateChangeEvent(box, focused));
                send(QAccessibleEvent(list, QAccessible::Focus));
                send(QAccessibleEvent(box, QAccessible::NameChanged));
            }
            delete gone;
            QCOMPARE(toldInShort(), QStringList{inShort("announcer", QAccessible::NameChanged)});
        }
        const QStringList expected{
            inShort("announcer", QAccessible::NameChanged),
            inShort("field", QAccessible::TextCaretMoved),
            inShort("box", QAccessible::ValueChanged),
            inShort("box", QAccessible::StateChanged),
            inShort("list", QAccessible::Focus),
            inShort("box", QAccessible::NameChanged),
        };
        QCOMPARE(toldInShort(), expected);
        QCOMPARE(s_told.at(2).value, QVariant(QStringLiteral("b")));
        QVERIFY(s_told.at(3).states.disabled && s_told.at(3).states.focused);

        // Let go, news goes out as it comes.
        s_told.clear();
        send(QAccessibleTextInsertEvent(other, 0, QStringLiteral("A")));
        QCOMPARE(toldInShort(), QStringList{inShort("other", QAccessible::TextInserted)});

        // A list that is typed into has the keyboard in its edit field.
        box->setEditable(true);
        box->lineEdit()->setObjectName(QStringLiteral("boxField"));
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);
        s_told.clear();
        {
            const HeldNews once;
            send(QAccessibleTextInsertEvent(box->lineEdit(), 0, QStringLiteral("冀")));
            send(QAccessibleTextInsertEvent(field, 0, QStringLiteral("A")));
        }
        QCOMPARE(toldInShort(), QStringList{inShort("boxField", QAccessible::TextCaretMoved)});
    }

    void answersHaveACopyMenu()
    {
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("冀")));
        QVERIFY(pick(form->Combo2, QStringLiteral("A")));
        QMenu *menu = nullptr;
        QTimer::singleShot(0, this, [&] {
            menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (menu)
                menu->actions().at(1)->trigger(); // select all
        });
        emit form->Label4->customContextMenuRequested(QPoint(5, 5));
        QTRY_VERIFY(menu);
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("复制"));
        QTRY_COMPARE(form->Label4->selectedText(), form->Label4->text());
        menu->close();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
