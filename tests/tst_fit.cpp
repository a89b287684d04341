// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Every answer the result labels can show, the whole note and the contact line are shown in
// full. Run at scale 1 and 2 (QT_SCALE_FACTOR).

#include "app/form1.h"
#include "catalogue/civil.h"
#include "catalogue/today.h"
#include "tools/drive/drive.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>

#include <memory>

using namespace korvanta;

class TestFit : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    NoticeRecorder recorder;
    QStringList clipped;
    int answers = 0;

    void checkAnswers()
    {
        auto *plateLine = form->findChild<QLabel *>(QStringLiteral("plateLine"));
        for (QLabel *label : {form->Label4, form->Label5, plateLine}) {
            if (label->text().isEmpty())
                continue;
            ++answers;
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                clipped << QStringLiteral("%1 '%2' needs %3 px of %4")
                               .arg(label->objectName(), label->text())
                               .arg(needed)
                               .arg(label->height());
        }
    }

    // Picks every item of `list`, and after each pick every item of `next` in turn.
    void walk(QComboBox *list, QComboBox *next, QComboBox *last)
    {
        for (int i = 0; i < list->count(); ++i) {
            choose(list, i);
            checkAnswers();
            if (next)
                walk(next, last, nullptr);
        }
    }

private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(atTheAskedScale(form.get()));
        clipped.clear();
        answers = 0;
    }
    void cleanup() { form.reset(); }

    void everyAnswerFitsItsLabel_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("civil") << "Option1" << 360;
        QTest::newRow("military") << "Option2" << 300;
        QTest::newRow("armed police") << "Option3" << 250;
        QTest::newRow("special") << "Option4" << 24;
    }
    void everyAnswerFitsItsLabel()
    {
        QFETCH(QString, category);
        QFETCH(int, atLeast);
        auto *option = form->findChild<QRadioButton *>(category);
        QVERIFY(option);
        QVERIFY(clickOption(option));
        // Each pick of the first list fills the second, and an armed-police style the third.
        walk(form->Combo1, form->Combo2, form->Combo3);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
        QVERIFY2(answers >= atLeast, qPrintable(QString::number(answers)));
    }

    // The plate line's and the plate answer's longest texts fit them: a green plate of every
    // province behind a letter the catalogue lacks, of every prefix that today's table names
    // beyond the catalogue or whose meaning changed since, and every armed-police corps' 2012-style
    // plate.
    void plateLineFits()
    {
        auto *answer = form->findChild<QLabel *>(QStringLiteral("plateAnswer"));
        QVERIFY(answer);
        QStringList typed;
        for (Text provinceText : civil::provinces()) {
            const QString province = toQString(provinceText);
            const Items letters = civil::letters(province);
            for (char16_t c = u'Z'; c >= u'A'; --c) {
                if (c == u'O' || c == u'I')
                    continue;
                const Text letter(&c, 1);
                if (std::find(letters.begin(), letters.end(), letter) == letters.end()) {
                    typed << province + QChar(c) + QStringLiteral("·F12345");
                    break;
                }
            }
            typed << QStringLiteral("WJ") + province + QStringLiteral("·1234X");
        }
        for (const today::Row &row : today::rows()) {
            const QString key = toQString(row.key);
            const bool listed = civil::describe(key.first(1), key.sliced(1)).has_value();
            if (!listed || row.meaning.status != today::Status::Same)
                typed << key + QStringLiteral("·F12345");
        }
        for (const QString &plate : typed) {
            typeInto(form->Combo1, plate);
            QTest::keyClick(form->Combo1, Qt::Key_Return);
            QLabel *line = answer->text().isEmpty()
                               ? form->findChild<QLabel *>(QStringLiteral("plateLine"))
                               : answer;
            QVERIFY2(!line->text().isEmpty(), qPrintable(plate));
            const int needed = line->heightForWidth(line->width());
            if (needed > line->height())
                clipped << QStringLiteral("'%1' needs %2 px of %3")
                               .arg(line->text())
                               .arg(needed)
                               .arg(line->height());
            if (QApplication::activePopupWidget())
                QApplication::activePopupWidget()->close();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }

    // The note scrolls within the part of its box that the contact box leaves free, and ends
    // there; the contact line fits its box without a scroll bar.
    void informationViewShowsEverything()
    {
        form->Command1_Click();
        QTRY_VERIFY(form->Text1->isVisible());
        const QWidget *note = form->Text1->viewport();
        const QRect noteArea(note->mapTo(form->Frame4, QPoint(0, 0)), note->size());
        QVERIFY2(noteArea.bottom() < form->Text2->y(),
                 qPrintable(QString::number(noteArea.bottom())));

        QScrollBar *bar = form->Text1->verticalScrollBar();
        bar->setValue(bar->maximum());
        QTextCursor end(form->Text1->document());
        end.movePosition(QTextCursor::End);
        const QRect last = form->Text1->cursorRect(end);
        QVERIFY2(last.top() >= 0 && last.bottom() < note->height(),
                 qPrintable(QStringLiteral("%1..%2 of %3")
                                .arg(last.top())
                                .arg(last.bottom())
                                .arg(note->height())));
        if (bar->maximum() > 0) {
            const QRect barArea(bar->mapTo(form->Frame4, QPoint(0, 0)), bar->size());
            QVERIFY(bar->isVisible());
            QVERIFY(barArea.bottom() < form->Text2->y());
        }

        QVERIFY(!form->Text2->verticalScrollBar()->isVisible());
        QCOMPARE(form->Text2->verticalScrollBar()->maximum(), 0);
        end = QTextCursor(form->Text2->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(form->Text2->cursorRect(end).bottom() < form->Text2->viewport()->height());
    }
};

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
