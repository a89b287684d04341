// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/form1.h"
#include "tools/drive/drive.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>

#include <memory>

using namespace korvanta;

class TestInfoView : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    NoticeRecorder recorder;

    void openView()
    {
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QVERIFY(form->Frame4->isVisible());
    }

    void verifyQueryView()
    {
        QVERIFY(!form->Frame4->isVisible());
        QVERIFY(form->Frame1->isVisible() && form->Frame2->isVisible() &&
                form->Frame3->isVisible());
        QCOMPARE(form->Label1->text(), QStringLiteral("Korvanta"));
        QCOMPARE(form->Frame4->pos(), QPoint(8, 40));
    }

private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(atTheAskedScale(form.get()));
        // The tests drive the ticks themselves.
        form->Timer1->stop();
        form->Timer2->stop();
    }
    void cleanup() { form.reset(); }

    void opensInPlaceOfTheQueryPanels()
    {
        openView();
        QVERIFY(!form->Frame1->isVisible() && !form->Frame2->isVisible() &&
                !form->Frame3->isVisible());
        QCOMPARE(form->Label1->text(), QStringLiteral("关于软件的信息,谢谢观看"));
        QCOMPARE(form->Frame4->pos(), QPoint(8, 40));
        QVERIFY(form->Text1->hasFocus());
    }

    void thankYouNoteShape()
    {
        openView();
        const QString note = form->Text1->toPlainText();
        QCOMPARE(note.size(), 235);
        static const QRegularExpression shape(
            QStringLiteral("^ {5}(\\S{99}) {3}(\\S{81}) {4}(\\S{43})$"));
        QVERIFY2(shape.match(note).hasMatch(), qPrintable(note));
        QVERIFY(!note.contains(QLatin1Char('\n')) && !note.contains(QLatin1Char('\r')));
    }

    void contactLineShape()
    {
        openView();
        static const QRegularExpression shape(
            QStringLiteral("^E-mail:[a-z]+@example\\.com {3}[a-z]+@example\\.com {16}"
                           "程序设计:\\S+ {2}Ver:1\\.0 {4}$"));
        QVERIFY2(shape.match(form->Text2->toPlainText()).hasMatch(),
                 qPrintable(form->Text2->toPlainText()));
    }

    void clickInEitherBoxCloses_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QPoint>("where");
        // clang-format off
        QTest::newRow("Text1 top") << "Text1" << QPoint(10, 10);
        QTest::newRow("Text1 middle") << "Text1" << QPoint(150, 60);
        QTest::newRow("Text2") << "Text2" << QPoint(20, 20);
        // clang-format on
    }
    void clickInEitherBoxCloses()
    {
        QFETCH(QString, box);
        QFETCH(QPoint, where);
        openView();
        const QString note = form->Text1->toPlainText();
        auto *edit = form->findChild<QPlainTextEdit *>(box);
        QVERIFY(edit->isReadOnly());
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, where);
        verifyQueryView();
        QCOMPARE(form->Text1->toPlainText(), note);
        QVERIFY(form->Command1->hasFocus());
    }

    void keysClose_data()
    {
        QTest::addColumn<int>("key");
        // clang-format off
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        // clang-format on
    }
    void keysClose()
    {
        QFETCH(int, key);
        openView();
        QTest::keyClick(form->Text1, Qt::Key(key));
        verifyQueryView();
        // In the query view the same keys do nothing to the views.
        QTest::keyClick(form->Command1, Qt::Key_Escape);
        verifyQueryView();
    }

    void otherKeysKeepTheViewOpen()
    {
        openView();
        QTest::keyClick(form->Text1, Qt::Key_Down);
        QTest::keyClick(form->Text1, Qt::Key_A);
        QVERIFY(form->Frame4->isVisible());
    }

    void reopeningRewritesTheTexts()
    {
        openView();
        const QString note = form->Text1->toPlainText();
        const QString contact = form->Text2->toPlainText();
        form->Text1->setPlainText(QStringLiteral("edited"));
        form->Text2->setPlainText(QString());
        QTest::mouseClick(form->Text2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        openView();
        QCOMPARE(form->Text1->toPlainText(), note);
        QCOMPARE(form->Text2->toPlainText(), contact);
    }

    void queryStateIsKept()
    {
        QVERIFY(clickOption(form->Option1));
        QVERIFY(pick(form->Combo1, QStringLiteral("蒙")));
        QVERIFY(pick(form->Combo2, QStringLiteral("B")));
        const QStringList before = snapshot(*form);
        openView();
        QTest::mouseClick(form->Text1->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(snapshot(*form), before);
        QCOMPARE(form->Label4->text(), QStringLiteral("内蒙古呼包头市车辆"));
        QVERIFY(form->Option1->isChecked());
    }

    void scrolling()
    {
        const QString start = form->Text3->text();
        form->Timer1_Timer();
        QCOMPARE(form->Text3->text(), start.sliced(1) + start.first(1));
        QCOMPARE(form->Text3->cursorPosition(), 0);
        for (int tick = 1; tick < 45; ++tick)
            form->Timer1_Timer();
        QCOMPARE(form->Text3->text(), start);
    }

    // The scrolling line draws each turn of its text as a line edit showing that text would.
    void scrollingLineLooksLikeALineEdit()
    {
        QLineEdit plain(form->Text3->parentWidget());
        plain.setFrame(false);
        plain.setFont(form->Text3->font());
        plain.setPalette(form->Text3->palette());
        plain.setGeometry(form->Text3->geometry());
        plain.show();
        for (int turn = 0; turn < 45; ++turn) {
            plain.setText(form->Text3->text());
            plain.setCursorPosition(0);
            const auto format = QImage::Format_RGB32;
            const QImage expected = plain.grab().toImage().convertToFormat(format);
            const QImage drawn = form->Text3->grab().toImage().convertToFormat(format);
            QVERIFY2(drawn == expected, qPrintable(QStringLiteral("turn %1").arg(turn)));
            form->Timer1_Timer();
        }
    }

    // The animated pictures paint the panel behind them themselves, as it looks there.
    void picturesSitOnThePanel()
    {
        for (int tick = 0; tick < 3; ++tick) {
            form->Timer1_Timer();
            form->Timer2_Timer();
        }
        for (QLabel *holder : {form->Image13, form->Image14}) {
            QVERIFY(holder->testAttribute(Qt::WA_OpaquePaintEvent));
            const auto format = QImage::Format_RGB32;
            const QImage drawn = holder->grab().toImage().convertToFormat(format);
            holder->hide();
            QImage expected =
                form->Frame3->grab(holder->geometry()).toImage().convertToFormat(format);
            holder->show();
            QPainter painter(&expected);
            painter.drawPixmap(0, 0, holder->pixmap());
            painter.end();
            QVERIFY2(drawn == expected, qPrintable(holder->objectName()));
        }
    }

    void scrolltext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rotated");
        // clang-format off
        QTest::newRow("one character") << "我" << "我";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("two") << "ab" << "ba";
        QTest::newRow("surrogate pair first") << "\U0001F600ab" << "ab\U0001F600";
        QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + u'a' << u'a' + QString(QChar(0xD83D));
        // clang-format on
    }
    void scrolltext()
    {
        QFETCH(QString, text);
        QFETCH(QString, rotated);
        QCOMPARE(form->scrolltext(text), rotated);
    }

    void pictureCycles()
    {
        const QList<QLabel *> smileys{form->Image7, form->Image3, form->Image8,
                                      form->Image4, form->Image9, form->Image2};
        const QList<QLabel *> stones{form->Image1,  form->Image5,  form->Image6,
                                     form->Image11, form->Image10, form->Image12};
        for (int step = 0; step < 6; ++step) {
            form->Timer1_Timer();
            QCOMPARE(form->Image14->pixmap().cacheKey(), smileys.at(step)->pixmap().cacheKey());
            QCOMPARE(form->X, step == 5 ? 1 : step + 2);
            QCOMPARE(form->Y, 1); // the stone cycle runs on its own timer
        }
        for (int step = 0; step < 6; ++step) {
            form->Timer2_Timer();
            QCOMPARE(form->Image13->pixmap().cacheKey(), stones.at(step)->pixmap().cacheKey());
        }
        QCOMPARE(form->Y, 1);
        QCOMPARE(form->X, 1);
        // Shown at 32 x 32 from the holder's top-left corner.
        QCOMPARE(form->Image14->pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(form->Image14->pos(), QPoint(80, 24));
        QVERIFY(form->Image14->width() >= 32 && form->Image14->height() >= 32);
        QVERIFY(form->Image14->alignment() & Qt::AlignTop);
    }

    void stepOutOfRangeChangesNoPicture()
    {
        form->Timer1_Timer();
        const qint64 shown = form->Image14->pixmap().cacheKey();
        form->X = 7;
        const QString text = form->Text3->text();
        form->Timer1_Timer();
        QCOMPARE(form->X, 7);
        QCOMPARE(form->Image14->pixmap().cacheKey(), shown);
        QVERIFY(form->Text3->text() != text); // the text still scrolls
    }

    void animationsRunInTheInformationView()
    {
        openView();
        QSignalSpy scrolls(form->Timer1, &QTimer::timeout);
        QSignalSpy swaps(form->Timer2, &QTimer::timeout);
        form->Timer1->start();
        form->Timer2->start();
        QTRY_VERIFY_WITH_TIMEOUT(scrolls.count() >= 2 && swaps.count() >= 1, scaledWait(2000));
        // Each tick moved its picture on by one, from the first of six.
        QCOMPARE(form->X, scrolls.count() % 6 + 1);
        QCOMPARE(form->Y, swaps.count() % 6 + 1);
        QVERIFY(form->Frame4->isVisible());
    }

    // Nobody can see a minimised or hidden window: its timers rest and go on from where they
    // were; timers a test stopped itself stay stopped.
    void timersRestWhileNobodySees()
    {
        form->Timer1->start();
        form->Timer1_Timer();
        const QString scrolled = form->Text3->text();
        const qint16 step = form->X;
        form->showMinimized();
        QTRY_VERIFY(!form->Timer1->isActive());
        QTest::qWait(scaledWait(400));
        QCOMPARE(form->Text3->text(), scrolled);
        QCOMPARE(form->X, step);
        form->showNormal();
        QTRY_VERIFY(form->Timer1->isActive());
        QVERIFY(!form->Timer2->isActive());
        form->hide();
        QVERIFY(!form->Timer1->isActive());
        form->show();
        QVERIFY(form->Timer1->isActive());
        QTRY_VERIFY(form->X != step);
    }
};

QTEST_MAIN(TestInfoView)
#include "tst_infoview.moc"
