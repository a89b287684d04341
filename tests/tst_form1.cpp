// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/form1.h"
#include "app/services/fonts.h"
#include "tools/drive/drive.h"

#include <QFontInfo>
#include <QImage>
#include <QTimer>

#include <memory>

using namespace korvanta;

class TestForm1 : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    NoticeRecorder recorder;

    // The control named `name` as the form makes it, or null: QVERIFY the result, so that a
    // missing control stops the test that asks for it.
    template <typename T> T *find(const char *name) const
    {
        return form->findChild<T *>(QString::fromLatin1(name));
    }

private slots:
    void init() { form = std::make_unique<Form1>(); }
    void cleanup() { form.reset(); }

    void window()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Korvantix"));
        QCOMPARE(form->size(), QSize(408, 287));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const auto *title = find<QLabel>("Label1");
        QVERIFY(title);
        QCOMPARE(title->text(), QStringLiteral("Korvanta"));
        QVERIFY(!form->windowIcon().isNull());
    }

    // Each control where the design puts it, relative to its parent. The design measures in
    // twips (1/1440 inch, 15 to a pixel at 96 dpi); the rows keep its figures as written, so
    // that a row can be read against the design.
    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        // clang-format off
        QTest::newRow("Label1") << "Label1" << "Form1" << QRect(120, 0, 6375, 615);
        QTest::newRow("Frame1") << "Frame1" << "Form1" << QRect(120, 600, 5895, 1455);
        QTest::newRow("Option2") << "Option2" << "Frame1" << QRect(2040, 240, 1095, 255);
        QTest::newRow("Option4") << "Option4" << "Frame1" << QRect(4680, 240, 1095, 255);
        QTest::newRow("Combo2") << "Combo2" << "Frame1" << QRect(2880, 600, 2535, 300);
        QTest::newRow("Combo3") << "Combo3" << "Frame1" << QRect(120, 960, 2535, 300);
        QTest::newRow("Text3") << "Text3" << "Frame1" << QRect(2880, 1080, 2535, 270);
        QTest::newRow("Frame2") << "Frame2" << "Form1" << QRect(120, 2160, 3735, 2055);
        QTest::newRow("Label4") << "Label4" << "Frame2" << QRect(120, 240, 3375, 1095);
        QTest::newRow("Label5") << "Label5" << "Frame2" << QRect(120, 1200, 3495, 735);
        QTest::newRow("Frame3") << "Frame3" << "Form1" << QRect(3960, 2160, 2055, 2055);
        QTest::newRow("Command1") << "Command1" << "Frame3" << QRect(240, 1440, 1575, 495);
        QTest::newRow("Image6") << "Image6" << "Frame3" << QRect(480, 600, 480, 480);
        QTest::newRow("Image12") << "Image12" << "Frame3" << QRect(240, 480, 480, 480);
        QTest::newRow("Frame4") << "Frame4" << "Form1" << QRect(2760, 2040, 5775, 3495);
        QTest::newRow("Text1") << "Text1" << "Frame4" << QRect(120, 240, 5535, 3135);
        QTest::newRow("Text2") << "Text2" << "Frame4" << QRect(240, 2400, 5415, 975);
        // clang-format on
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        QWidget *widget = form->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    }

    // The form's family names stay; each resolves to the program's own face for it.
    void fontsKeepTheirNamesAndRender_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("face");
        // clang-format off
        QTest::newRow("Label1") << "Label1" << "华文中宋" << 24.0 << true << "Korvanta Serif";
        QTest::newRow("Option1") << "Option1" << "宋体" << 9.0 << false << "Korvanta Serif";
        QTest::newRow("Label4") << "Label4" << "宋体" << 12.0 << false << "Korvanta Serif";
        QTest::newRow("Command1") << "Command1" << "Comic Sans MS" << 15.0 << false << "Korvanta Comic";
        QTest::newRow("Text1") << "Text1" << "华文细黑" << 10.5 << false << "Korvanta Sans";
        QTest::newRow("Text2") << "Text2" << "宋体" << 12.0 << false << "Korvanta Serif";
        // clang-format on
    }
    void fontsKeepTheirNamesAndRender()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(QString, face);
        const QFont font = form->findChild<QWidget *>(name)->font();
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        // A face missing from the resources would fall back to a system font here.
        const QFontInfo used(font);
        QCOMPARE(used.family(), face);
        QCOMPARE(used.bold(), bold);
        QVERIFY(korvanta::windowFamilies().contains(face));
        QCOMPARE(form->font().pointSizeF(), 10.5);
    }

    void blueResultTexts()
    {
        for (const char *name : {"Label1", "Label4", "Label5"}) {
            const auto *label = find<QLabel>(name);
            QVERIFY2(label, name);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        }
        const auto *contact = find<QPlainTextEdit>("Text2");
        QVERIFY(contact);
        QCOMPARE(contact->palette().color(QPalette::Text), QColor(0, 0, 255));
    }

    void startUpState()
    {
        for (const char *name : {"Option1", "Option2", "Option3", "Option4"}) {
            const auto *option = find<QRadioButton>(name);
            QVERIFY2(option, name);
            QVERIFY(!option->isChecked());
        }
        QCOMPARE(form->Option3->text(), QStringLiteral("武警车辆"));
        const std::pair<const char *, const char *> lists[] = {
            {"Combo1", "汉字部分"}, {"Combo2", "英文部分"}, {"Combo3", "武警专用"}};
        for (auto [name, text] : lists) {
            auto *list = find<QComboBox>(name);
            QVERIFY2(list, name);
            QCOMPARE(list->count(), 0);
            QCOMPARE(list->currentText(), QString::fromUtf8(text));
            QVERIFY(list->isEnabled());
            QVERIFY(list->isEditable());
            QCOMPARE(list->insertPolicy(), QComboBox::NoInsert);
            QVERIFY(!list->completer());
        }
        QVERIFY(form->PUB_massage.isEmpty());
        QVERIFY(form->GIVE_massage.isEmpty());
        QVERIFY(form->Label4->text().isEmpty());
        QVERIFY(form->Label5->text().isEmpty());
        QCOMPARE(form->X, 1);
        QCOMPARE(form->Y, 1);
        const auto *line = find<QLineEdit>("Text3");
        QVERIFY(line);
        const QString scrolling = line->text();
        QCOMPARE(scrolling.size(), 45);
        QCOMPARE(scrolling,
                 QString(16, QLatin1Char(' ')) +
                     QStringLiteral("绿色小巧的资料软件会拥有更大的用户群! 我会让他们记住您。"));
    }

    void visibilityAfterShow()
    {
        form->show();
        // The animations show their first pictures at their first ticks, not before; checked at
        // once, for a slow platform (Wine) may take longer than a tick to show the window.
        for (const char *name : {"Image13", "Image14"}) {
            const auto *animation = find<QLabel>(name);
            QVERIFY2(animation, name);
            QVERIFY(animation->pixmap().isNull());
        }
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (int i = 1; i <= 12; ++i) {
            const QByteArray name = "Image" + QByteArray::number(i);
            auto *holder = find<QLabel>(name.constData());
            QVERIFY2(holder, name.constData());
            QVERIFY(!holder->isVisible());
            QCOMPARE(holder->pixmap().deviceIndependentSize(), QSizeF(32, 32));
        }
        for (const char *name : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
            const auto *frame = find<QGroupBox>(name);
            QVERIFY2(frame, name);
            QCOMPARE(frame->isVisible(), qstrcmp(name, "Frame4") != 0);
        }
    }

    void timersRun()
    {
        auto *timer1 = find<QTimer>("Timer1");
        auto *timer2 = find<QTimer>("Timer2");
        QVERIFY(timer1 && timer2);
        QVERIFY(timer1->isActive());
        QVERIFY(timer2->isActive());
        QCOMPARE(timer1->interval(), 300);
        QCOMPARE(timer2->interval(), 500);
        QCOMPARE(timer2->parent()->objectName(), QStringLiteral("Frame3"));
    }

    void tabOrder()
    {
        QStringList order;
        QWidget *widget = find<QRadioButton>("Option1");
        QVERIFY(widget);
        for (int i = 0; i < 9; ++i) {
            order << widget->objectName();
            widget = widget->nextInFocusChain();
            // An editable list's edit field takes the focus on the list's behalf.
            while (!(widget->focusPolicy() & Qt::TabFocus) ||
                   qobject_cast<QComboBox *>(widget->parentWidget()))
                widget = widget->nextInFocusChain();
        }
        QCOMPARE(
            order.join(u' '),
            QStringLiteral("Option1 Option2 Option3 Option4 Combo1 Combo2 Combo3 Command1 Text1"));
        for (const char *name :
             {"Text2", "Text3", "Label1", "Label4", "Label5", "Frame1", "Frame4"}) {
            const auto *control = find<QWidget>(name);
            QVERIFY2(control, name);
            QVERIFY(!(control->focusPolicy() & Qt::TabFocus));
        }
    }

    void tooltips()
    {
        const auto *about = find<QPushButton>("Command1");
        const auto *note = find<QPlainTextEdit>("Text1");
        QVERIFY(about && note);
        QCOMPARE(about->toolTip(), QStringLiteral("软件信息"));
        QCOMPARE(note->toolTip(), QStringLiteral("单击此处返回"));
    }

    void minCnpart()
    {
        form->Combo2->addItem(QStringLiteral("A"));
        form->Combo3->addItem(QStringLiteral("消"));
        for (int run = 0; run < 2; ++run) {
            form->Min_cnpart();
            const QStringList items = itemsOf(form->Combo1);
            QCOMPARE(items.size(), 31);
            QCOMPARE(items.at(0), QStringLiteral("京"));
            QCOMPARE(items.at(3), QStringLiteral("渝"));
            QCOMPARE(items.at(9), QStringLiteral("晋"));
            QCOMPARE(items.at(20), QStringLiteral("宁"));
            QCOMPARE(items.at(29), QStringLiteral("琼"));
            QCOMPARE(items.at(30), QStringLiteral("贵"));
            QCOMPARE(form->Combo2->count(), 0);
            QCOMPARE(form->Combo3->count(), 0);
            // Filling sets no list's text.
            QVERIFY(form->Combo1->currentText().isEmpty());
            QCOMPARE(form->Combo1->currentIndex(), -1);
        }
    }

    // The window paints its controls and pictures, not a blank area.
    void rendersSomething()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->Timer1_Timer();
        form->Timer2_Timer();
        const QImage image = form->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
        const QImage smiley = form->Image14->grab().toImage();
        const QColor centre = smiley.pixelColor(smiley.width() / 4, smiley.height() / 2);
        QVERIFY2(centre.red() > 200 && centre.green() > 150 && centre.blue() < 120,
                 qPrintable(centre.name()));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
