// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/form1.h"
#include "tools/drive/drive.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace korvanta;

class TestQueryFlow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    std::unique_ptr<NoticeRecorder> recorder;

    QString label4() const { return form->Label4->text(); }
    QString label5() const { return form->Label5->text(); }

private slots:
    void init()
    {
        recorder = std::make_unique<NoticeRecorder>();
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        recorder.reset();
    }

    void civilQuery()
    {
        QVERIFY(clickOption(form->Option1));
        QVERIFY(form->Combo1->isEnabled() && form->Combo2->isEnabled());
        QVERIFY(!form->Combo3->isEnabled());
        QCOMPARE(form->Combo1->count(), 31);
        QVERIFY(pick(form->Combo1, QStringLiteral("冀")));
        QCOMPARE(itemsOf(form->Combo2).join(QString()), QStringLiteral("ABCDEFGHJRT"));
        QVERIFY(form->Combo2->currentText().isEmpty());
        QVERIFY(label4().isEmpty());
        QVERIFY(pick(form->Combo2, QStringLiteral("A")));
        QCOMPARE(label4(), QStringLiteral("河北省石家庄市车辆"));
        QVERIFY(label5().isEmpty());
    }

    void militaryQuery()
    {
        QVERIFY(clickOption(form->Option2));
        QVERIFY(!form->Combo3->isEnabled());
        QVERIFY(pick(form->Combo1, QStringLiteral("庚")));
        QCOMPARE(label4(), QStringLiteral("庚----中国人民解放军北京军区"));
        QCOMPARE(itemsOf(form->Combo2).join(QString()), QStringLiteral("ABCDENGHKPS"));
        QVERIFY(pick(form->Combo2, QStringLiteral("K")));
        QCOMPARE(label4(), QStringLiteral("中国人民解放军北京军区"));
        QCOMPARE(label5(), QStringLiteral("K----驻当地铁路、航空、水运单位军代处"));
    }

    void armedPoliceQuery()
    {
        QVERIFY(clickOption(form->Option3));
        QVERIFY(form->Combo3->isEnabled());
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("选择样式"));
        QVERIFY(pick(form->Combo1, QStringLiteral("WJxx-Xaaaa")));
        QCOMPARE(form->Combo2->count(), 32);
        QCOMPARE(itemsOf(form->Combo3).join(QString()), QStringLiteral("消边通森金警电"));
        QVERIFY(pick(form->Combo2, QStringLiteral("02")));
        QCOMPARE(label4(), QStringLiteral("河北省"));
        QVERIFY(pick(form->Combo3, QStringLiteral("消")));
        QCOMPARE(label4(), QStringLiteral("河北省武装警察消防部队"));
        QCOMPARE(form->GIVE_massage, QStringLiteral("武装警察消防部队"));
        // A number picked after a branch shows the unit alone until the next branch pick.
        QVERIFY(pick(form->Combo2, QStringLiteral("03")));
        QCOMPARE(label4(), QStringLiteral("内蒙古"));
        QVERIFY(pick(form->Combo3, QStringLiteral("电")));
        QCOMPARE(label4(), QStringLiteral("内蒙古武装警察水电部队"));
        // The plain style has no branch.
        QVERIFY(pick(form->Combo1, QStringLiteral("WJxx-aaaaa")));
        QVERIFY(!form->Combo3->isEnabled());
        QCOMPARE(form->Combo3->count(), 0);
    }

    void specialQuery()
    {
        int itemsWhenNoticed = -1;
        korvanta::setNoticeHandler([&](QWidget *, const QString &text, const QString &title) {
            recorder->notices << QStringList{title, text};
            itemsWhenNoticed = form->Combo1->count();
        });
        QVERIFY(clickOption(form->Option1));
        QVERIFY(clickOption(form->Option4));
        const QStringList notice{QStringLiteral("提示信息"),
                                 QStringLiteral("这个部分将对一些特殊的车牌号进行告示!")};
        QCOMPARE(recorder->notices, QList<QStringList>{notice});
        QCOMPARE(itemsWhenNoticed, 31); // the notice comes before anything changes
        QVERIFY(form->Combo1->isEnabled());
        QVERIFY(!form->Combo2->isEnabled() && !form->Combo3->isEnabled());
        QVERIFY(pick(form->Combo1, QStringLiteral("京A 88")));
        QCOMPARE(label4(), QStringLiteral("钓鱼台----中国政府的后花园    "));
        QVERIFY(pick(form->Combo1, QStringLiteral("901")));
        QCOMPARE(label4(), QStringLiteral("金融通行证，以前也叫“免检通行证”"));
    }

    // Without the test's recorder the window shows a real modal box: no icon, only OK.
    void specialNoticeIsAModalBox()
    {
        const korvanta::NoticeHandler recording = korvanta::setNoticeHandler({});
        QString seen;
        QTimer::singleShot(0, this, [&seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = QStringList{box->windowTitle(), box->text(),
                               QString::number(box->icon() == QMessageBox::NoIcon),
                               QString::number(box->buttons().size())}
                       .join(u'|');
            box->button(QMessageBox::Ok)->click();
        });
        QVERIFY(clickOption(form->Option4));
        korvanta::setNoticeHandler(recording);
        QCOMPARE(seen, QStringLiteral("提示信息|这个部分将对一些特殊的车牌号进行告示!|1|1"));
        QCOMPARE(form->Combo1->count(), 24);
    }

    void anotherCategoryEmptiesTheLetters_data()
    {
        QTest::addColumn<int>("option");
        // clang-format off
        QTest::newRow("military") << 2;
        QTest::newRow("armed police") << 3;
        QTest::newRow("special") << 4;
        // clang-format on
    }
    void anotherCategoryEmptiesTheLetters()
    {
        QFETCH(int, option);
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("粤")));
        QCOMPARE(form->Combo2->count(), 24);
        QVERIFY(clickOption(QList{form->Option2, form->Option3, form->Option4}.at(option - 2)));
        QCOMPARE(form->Combo2->count(), 0);
        QCOMPARE(form->Combo3->count(), 0);
        QVERIFY(!itemsOf(form->Combo1).contains(QStringLiteral("粤")));
    }

    // A key with no entry shows nothing, never the answer to an earlier query.
    void missAfterAnAnswerShowsNothing_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<QString>("letter");
        // clang-format off
        QTest::newRow("晋G") << "晋" << "G";
        QTest::newRow("川G") << "川" << "G";
        // clang-format on
    }
    void missAfterAnAnswerShowsNothing()
    {
        QFETCH(QString, province);
        QFETCH(QString, letter);
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("冀")));
        QVERIFY(pick(form->Combo2, QStringLiteral("A")));
        QCOMPARE(label4(), QStringLiteral("河北省石家庄市车辆"));
        QVERIFY(pick(form->Combo1, province));
        QVERIFY(pick(form->Combo2, letter));
        QVERIFY2(label4().isEmpty(), qPrintable(label4()));
    }

    void newCategoryForgetsTheLastAnswer()
    {
        QVERIFY(clickOption(form->Option2));
        QVERIFY(pick(form->Combo1, QStringLiteral("甲")));
        QVERIFY(clickOption(form->Option3));
        QVERIFY(pick(form->Combo1, QStringLiteral("WJxx-Xaaaa")));
        // A branch picked before any number shows the branch alone.
        QVERIFY(pick(form->Combo3, QStringLiteral("边")));
        QCOMPARE(label4(), QStringLiteral("武装警察边防部队"));
    }

    void typedTextIsUsedAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        // clang-format off
        QTest::newRow("another province") << "冀" << "河北省石家庄市车辆";
        QTest::newRow("trailing space") << "冀 " << "";
        QTest::newRow("full-width") << "ＸＹ" << "";
        // clang-format on
    }
    void typedTextIsUsedAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("京")));
        typeInto(form->Combo1, typed);
        QCOMPARE(form->Combo1->currentText(), typed);
        QCOMPARE(form->Combo1->count(), 31);
        QVERIFY(pick(form->Combo2, QStringLiteral("A")));
        QCOMPARE(label4(), answer);
        QCOMPARE(form->Combo1->currentText(), typed);
    }

    // Behaviour that may look odd but is how the program works: the military button leaves the
    // second line as it was, and a civil province pick refills the letters but leaves the answer.
    void surprisingButIntended()
    {
        QVERIFY(clickOption(form->Option2));
        QVERIFY(pick(form->Combo1, QStringLiteral("庚")));
        QVERIFY(pick(form->Combo2, QStringLiteral("N")));
        const QString militaryAnswer = QStringLiteral("N----第二炮兵部队");
        QCOMPARE(label5(), militaryAnswer);
        // The military button leaves the second line as it was.
        QVERIFY(clickOption(form->Option1));
        QVERIFY(label5().isEmpty());
        QVERIFY(clickOption(form->Option2));
        QVERIFY(pick(form->Combo1, QStringLiteral("甲")));
        QVERIFY(pick(form->Combo2, QStringLiteral("B")));
        QVERIFY(clickOption(form->Option2));
        QVERIFY(label4().isEmpty());
        QCOMPARE(label5(), QStringLiteral("B----解放军总政治部"));
        // A civil province pick refills the letters but leaves the answer shown.
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("贵")));
        QVERIFY(pick(form->Combo2, QStringLiteral("A")));
        QVERIFY(pick(form->Combo1, QStringLiteral("琼")));
        QCOMPARE(label4(), QStringLiteral("贵州省贵阳市车辆"));
        QCOMPARE(itemsOf(form->Combo2).join(QString()), QStringLiteral("ABC"));
    }

    // A pick can be reported twice; the second run leaves the state of the first.
    void handlersRunTwiceLeaveTheSameState_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("picks"); // Combo1, then Combo2, then Combo3 when given
        // clang-format off
        QTest::newRow("civil") << 1 << QStringList{QStringLiteral("桂"), QStringLiteral("G")};
        QTest::newRow("military") << 2 << QStringList{QStringLiteral("戍"), QStringLiteral("S")};
        QTest::newRow("armed police") << 3 << QStringList{QStringLiteral("WJxx-Xaaaa"), QStringLiteral("31"), QStringLiteral("金")};
        QTest::newRow("special") << 4 << QStringList{QStringLiteral("国A  置于挡风下端")};
        // clang-format on
    }
    void handlersRunTwiceLeaveTheSameState()
    {
        QFETCH(int, option);
        QFETCH(QStringList, picks);
        const QList<QRadioButton *> options{form->Option1, form->Option2, form->Option3,
                                            form->Option4};
        const QList<QComboBox *> lists{form->Combo1, form->Combo2, form->Combo3};
        const QList<void (Form1::*)()> handlers{&Form1::Combo1_Click, &Form1::Combo2_Click,
                                                &Form1::Combo3_Click};
        QVERIFY(clickOption(options.at(option - 1)));
        QStringList state = snapshot(*form);
        form->findChild<QRadioButton *>(options.at(option - 1)->objectName())->click();
        QCOMPARE(snapshot(*form), state);
        for (int i = 0; i < picks.size(); ++i) {
            QVERIFY(pick(lists.at(i), picks.at(i)));
            state = snapshot(*form);
            (form.get()->*handlers.at(i))();
            QCOMPARE(snapshot(*form), state);
        }
        QVERIFY(!form->Label4->text().isEmpty());
    }

    void keyboardOnlyQuery()
    {
        form->Option1->setFocus();
        QTest::keyClick(form->Option1, Qt::Key_Space);
        QVERIFY(form->Option1->isChecked());
        QCOMPARE(form->Combo1->count(), 31);
        form->Combo1->setFocus();
        QTest::keyClick(form->Combo1, Qt::Key_Down);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("京"));
        QCOMPARE(form->Combo2->count(), 7);
        form->Combo2->setFocus();
        QTest::keyClick(form->Combo2, Qt::Key_Down);
        QTest::keyClick(form->Combo2, Qt::Key_Down);
        QCOMPARE(form->Combo2->currentText(), QStringLiteral("C"));
        QCOMPARE(label4(),
                 QStringLiteral(
                     "北京城区的车辆,一般指东城、西城、崇文、宣武、海淀、朝阳、丰台、石景山"));
        // Arrow keys move between the category buttons and choose them.
        form->Option1->setFocus();
        QTest::keyClick(form->Option1, Qt::Key_Right);
        QVERIFY(form->Option2->isChecked());
        QCOMPARE(form->Combo1->count(), 13);
    }
};

QTEST_MAIN(TestQueryFlow)
#include "tst_queryflow.moc"
