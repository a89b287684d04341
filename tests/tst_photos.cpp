// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// A photo given to the window, dropped, pasted or opened: what was read goes into the field as if
// typed, the doubtful character is selected, several plates give several rows, a photo without a
// plate or a file that is no picture says so, and the window goes on while a photo is read.

#include "app/form1.h"
#include "app/photo/photopanel.h"
#include "app/photo/photowork.h"
#include "app/services/accessibility.h"
#include "app/typedplate/typedplate.h"
#include "catalogue/search.h"
#include "tools/drive/drive.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

using namespace korvanta;

namespace
{

QString photo(const QString &name)
{
    return QStringLiteral(KORVANTA_TEST_PHOTOS "/") + name;
}

QListWidget *suggestions(const Form1 &form)
{
    return form.Combo1->findChild<QListWidget *>(QStringLiteral("suggestionList"));
}

QStringList rowsShown(const Form1 &form)
{
    QStringList rows;
    const QListWidget *list = suggestions(form);
    for (int i = 0; list && i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QStringList stateOf(const Form1 &form)
{
    QStringList state = snapshot(form);
    for (const QRadioButton *option : {form.Option1, form.Option2, form.Option3, form.Option4})
        state << QString::number(option->isChecked());
    return state;
}

QString heard(const Form1 &form)
{
    return form.findChild<Announcer *>()->lastAnnouncement();
}

PhotoPanel *panelOf(const Form1 &form)
{
    return form.Combo1->findChild<PhotoPanel *>();
}

// A plate as the reader could give it, at a place of a picture of 400 × 300.
vision::FoundPlate plate(const QString &text, QList<int> doubtful, QPointF at)
{
    vision::FoundPlate found;
    found.text = text;
    found.doubtful = std::move(doubtful);
    found.corners = {at, at + QPointF(120, 0), at + QPointF(120, 36), at + QPointF(0, 36)};
    found.straightened = QImage(384, 96, QImage::Format_RGB888);
    found.straightened.fill(QColor(18, 62, 170));
    return found;
}

ReadPhoto readPhoto(QList<vision::FoundPlate> plates)
{
    QImage picture(400, 300, QImage::Format_RGB888);
    picture.fill(Qt::darkGray);
    return {vision::PhotoProblem::None, std::move(plates), picture};
}

enum class Way { Drop, Paste, Open };

} // namespace

class TestPhotos : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    std::unique_ptr<NoticeRecorder> notices;

    // Gives the photo in `file` to the window the way a person would, and waits for its reading.
    [[nodiscard]] bool give(Way way, const QString &file)
    {
        switch (way) {
        case Way::Drop:
            return dropPhoto(*form, file);
        case Way::Paste:
            QGuiApplication::clipboard()->setImage(QImage(file));
            form->Combo1->setFocus();
            QTest::keySequence(form->Combo1, QKeySequence::Paste);
            break;
        case Way::Open: {
            form->Option1->setFocus();
            QTest::keySequence(form.get(), QKeySequence::Open);
            auto *dialog = form->findChild<QFileDialog *>(QStringLiteral("photoDialog"));
            if (!dialog || !dialog->isVisible())
                return failed(QStringLiteral("no dialog opened"));
            // With its drive, on Windows: the dialog takes a path without one for a name.
            dialog->selectFile(QFileInfo(file).absoluteFilePath());
            static_cast<QDialog *>(dialog)->accept();
            // The desktop makes the window active again when its dialog closes.
            form->activateWindow();
            break;
        }
        }
        return photoRead(*form);
    }

    TypedPlate *typed() const { return form->Combo1->findChild<TypedPlate *>(); }

private slots:
    void initTestCase()
    {
        // Qt's own dialog, which a test can answer, where the platform has one of its own.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }
    void init()
    {
        notices = std::make_unique<NoticeRecorder>();
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        notices.reset();
    }

#ifdef Q_OS_LINUX
    // Nothing of the reader is loaded before the first photo (the first test, for a module once
    // loaded stays).
    void readerLoadsAtTheFirstPhoto()
    {
        const auto loaded = [] {
            QFile maps(QStringLiteral("/proc/self/maps"));
            return maps.open(QIODevice::ReadOnly) &&
                   maps.readAll().contains("korvanta-photoreader");
        };
        QVERIFY(!loaded());
        QVERIFY(give(Way::Drop, photo(QStringLiteral("np0.jpg"))));
        QVERIFY(loaded());
    }
#endif

    // Dropped, pasted or opened, a photo's plate is in the field as if typed, with the rows typing
    // it gives; Return then leaves the window as typing it and Return do.
    void sameStateAsTyping_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("file");
        QTest::newRow("drop") << Way::Drop << photo(QStringLiteral("rendered-粤BD12345.jpg"));
        QTest::newRow("paste") << Way::Paste << photo(QStringLiteral("rendered-鲁B8K2S7.jpg"));
        QTest::newRow("open") << Way::Open << photo(QStringLiteral("rendered-皖A12345.jpg"));
    }
    void sameStateAsTyping()
    {
        QFETCH(Way, way);
        QFETCH(QString, file);
        QVERIFY(give(way, file));
        const QString read = form->Combo1->currentText();
        QVERIFY2(read.size() >= 7, qPrintable(rowsShown(*form).join(u'/')));
        QVERIFY(form->Combo1->hasFocus());
        QVERIFY(panelOf(*form) && panelOf(*form)->isVisible());
        QVERIFY(heard(*form).startsWith(QStringLiteral("照片里的车牌：") + read));

        Form1 typedForm;
        typedForm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&typedForm));
        typeInto(typedForm.Combo1, read);
        QCOMPARE(rowsShown(*form), rowsShown(typedForm));
        QTest::keyClick(typedForm.Combo1, Qt::Key_Return);
        QTest::keyClick(form->Combo1, Qt::Key_Return);
        QCOMPARE(stateOf(*form), stateOf(typedForm));
        QVERIFY(!panelOf(*form)->isVisible());
        QVERIFY(notices->notices.isEmpty());
    }

    // The first character the reader is unsure of is selected, so that typing replaces it; the
    // field and the panel say which places are in doubt, and screen readers hear it.
    void doubtfulCharacterSelected()
    {
        typed()->showPhoto(readPhoto({plate(QStringLiteral("苏E12345"), {3, 5}, {40, 200})}));
        QLineEdit *field = form->Combo1->lineEdit();
        QCOMPARE(field->text(), QStringLiteral("苏E12345"));
        QCOMPARE(field->selectionStart(), 2);
        QCOMPARE(field->selectedText(), QStringLiteral("1"));
        QVERIFY(field->accessibleDescription().startsWith(QStringLiteral("第3、5位看不清")));
        QCOMPARE(heard(*form), QStringLiteral("照片里的车牌：苏E12345，第3、5位看不清"));
        QCOMPARE(rowsShown(*form).first(), QStringLiteral("苏E　江苏省苏州市车辆"));

        // Typing the right character reads the plate anew, below the same photo.
        QTest::keyClicks(form->Combo1, QStringLiteral("7"));
        QCOMPARE(field->text(), QStringLiteral("苏E72345"));
        QVERIFY(panelOf(*form)->isVisible());
        QVERIFY(!field->accessibleDescription().contains(QStringLiteral("看不清")));
    }

    // The window going inactive and back (the open dialog closing, a person going to another
    // window and back) keeps the photo's rows; leaving the field closes them.
    void rowsComeBackWithTheWindow()
    {
        typed()->showPhoto(readPhoto({plate(QStringLiteral("京A12345"), {}, {40, 200})}));
        QWidget *popup = suggestions(*form)->window();
        QVERIFY(popup->isVisible());
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(form->Combo1, &away);
        QVERIFY(!popup->isVisible());
        QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(form->Combo1, &back);
        QVERIFY(popup->isVisible());
        QVERIFY(panelOf(*form)->isVisible());
        QCOMPARE(rowsShown(*form).size(), 1);

        QFocusEvent tabbed(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(form->Combo1, &tabbed);
        QVERIFY(!popup->isVisible());
        QApplication::sendEvent(form->Combo1, &back);
        QVERIFY(!popup->isVisible());
    }

    // A photo's plate applied is heard, after a plate that no list gives as well.
    void answerHeard()
    {
        typeInto(form->Combo1, QStringLiteral("WJ琼12345"));
        QTest::keyClick(form->Combo1, Qt::Key_Return);
        QTRY_VERIFY(heard(*form).contains(QStringLiteral("海南省")));
        QGuiApplication::clipboard()->setImage(
            QImage(photo(QStringLiteral("rendered-粤BD12345.jpg"))));
        QTest::keySequence(form->Combo1, QKeySequence::Paste);
        QVERIFY(photoRead(*form));
        QTRY_VERIFY(heard(*form).startsWith(QStringLiteral("照片里的车牌：")));
        QTest::keyClick(form->Combo1, Qt::Key_Return);
        QTRY_COMPARE(heard(*form), QStringLiteral("广东省深圳市车辆。新能源汽车（纯电动）"));
    }

    // A plate with no doubt leaves the cursor at its end, as typing would.
    void sureReadingAsTyped()
    {
        typed()->showPhoto(readPhoto({plate(QStringLiteral("京A12345"), {}, {40, 200})}));
        QCOMPARE(form->Combo1->lineEdit()->selectedText(), QString());
        QCOMPARE(form->Combo1->lineEdit()->cursorPosition(), 7);
        QCOMPARE(heard(*form), QStringLiteral("照片里的车牌：京A12345"));
    }

    // Several plates: a row each, in reading order; the highlighted row's plate is in the field
    // and outlined in the photo, and heard with its doubt; Return applies it.
    void severalPlates()
    {
        typed()->showPhoto(readPhoto({plate(QStringLiteral("京A12345"), {}, {20, 100}),
                                      plate(QStringLiteral("粤B12345"), {5}, {220, 100})}));
        QCOMPARE(rowsShown(*form).size(), 2);
        QVERIFY(rowsShown(*form).at(0).startsWith(QStringLiteral("京A")));
        QVERIFY(rowsShown(*form).at(1).startsWith(QStringLiteral("粤B")));
        QCOMPARE(heard(*form), QStringLiteral("照片里有2块车牌：京A12345；粤B12345，第5位看不清"));
        QCOMPARE(panelOf(*form)->current(), 0);

        QTest::keyClick(form->Combo1, Qt::Key_Down);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("粤B12345"));
        QCOMPARE(form->Combo1->lineEdit()->selectedText(), QStringLiteral("3"));
        QCOMPARE(panelOf(*form)->current(), 1);
        QVERIFY(heard(*form).endsWith(QStringLiteral("，第5位看不清")));
        QTest::keyClick(form->Combo1, Qt::Key_Return);
        QVERIFY(form->Option1->isChecked());
        QCOMPARE(form->Combo2->currentText(), QStringLiteral("B"));
        QTRY_VERIFY(!form->Label4->text().isEmpty());
    }

    // A plate that gives no row is left out of the rows, and the field takes the first row's.
    void plateWithoutARow()
    {
        QVERIFY(search::lookUp(QStringLiteral("xyzzy")).empty());
        typed()->showPhoto(readPhoto({plate(QStringLiteral("xyzzy"), {}, {20, 100}),
                                      plate(QStringLiteral("粤B12345"), {}, {220, 100})}));
        QCOMPARE(rowsShown(*form).size(), 1);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("粤B12345"));
        QCOMPARE(panelOf(*form)->current(), 1);
    }

    // The reader itself, on a rendered photo of two plates.
    void twoPlatesInAPhoto()
    {
        QVERIFY(give(Way::Drop, photo(QStringLiteral("rendered-two-皖A12345-粤BD12345.jpg"))));
        QCOMPARE(rowsShown(*form).size(), 2);
        QCOMPARE(panelOf(*form)->photo().plates.size(), 2);
    }

    // No plate, or a file that is no picture: said where the rows show and heard; the field and
    // the answers stay as they were.
    void nothingRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("said");
        QTest::newRow("no plate") << photo(QStringLiteral("np0.jpg"))
                                  << QStringLiteral("照片里没有找到车牌");
        QTest::newRow("text") << QStringLiteral(KORVANTA_TEST_PHOTOS "/README.md")
                              << QStringLiteral("照片读不了：不是能读的图片");
        QTest::newRow("folder") << QStringLiteral(KORVANTA_TEST_PHOTOS)
                                << QStringLiteral("照片读不了：这是文件夹，不是图片");
        QTest::newRow("missing") << photo(QStringLiteral("nowhere.jpg"))
                                 << QStringLiteral("照片读不了：文件不存在");
    }
    void nothingRead()
    {
        QFETCH(QString, file);
        QFETCH(QString, said);
        QVERIFY(run(*form, {1, {QStringLiteral("冀"), QStringLiteral("A")}}));
        QTRY_COMPARE(heard(*form), form->Label4->text()); // the answer is heard a moment later
        const QStringList before = stateOf(*form);
        QVERIFY(give(Way::Drop, file));
        QCOMPARE(rowsShown(*form), QStringList{said});
        QCOMPARE(heard(*form), said);
        QCOMPARE(stateOf(*form), before);
        QTest::keyClick(form->Combo1, Qt::Key_Return);
        QCOMPARE(stateOf(*form), before);
    }

    // A truncated JPEG and a picture too large to decode say why, without decoding it.
    void badPictures()
    {
        QTemporaryDir dir;
        QFile whole(photo(QStringLiteral("fn1.jpg")));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QFile cut(dir.filePath(QStringLiteral("cut.jpg")));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(400));
        cut.close();
        QVERIFY(give(Way::Drop, cut.fileName()));
        QVERIFY(rowsShown(*form).first().startsWith(QStringLiteral("照片读不了：")));
    }

    // A photo given while the information view shows brings the query view back with it.
    void fromTheInformationView()
    {
        form->Command1->click();
        QVERIFY(!form->Frame1->isVisible());
        QVERIFY(give(Way::Drop, photo(QStringLiteral("rendered-粤BD12345.jpg"))));
        QVERIFY(form->Frame1->isVisible());
        QVERIFY(!form->Combo1->currentText().isEmpty());
    }

    // The field's menu opens a photo too, from its first entry.
    void openFromTheFieldsMenu()
    {
        QLineEdit *field = form->Combo1->lineEdit();
        QContextMenuEvent asked(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &asked);
        auto *menu = field->findChild<QMenu *>(QStringLiteral("fieldMenu"));
        QVERIFY(menu);
        QAction *open = menu->actions().value(0);
        QVERIFY(open && open->objectName() == QStringLiteral("openPhotoAction"));
        open->trigger();
        auto *dialog = form->findChild<QFileDialog *>(QStringLiteral("photoDialog"));
        QVERIFY(dialog && dialog->isVisible());
        dialog->reject();
        menu->close();
    }

    // A text on the clipboard still goes to the field.
    void textStillPastes()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("冀B·12345"));
        QTest::keySequence(form.get(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QTest::keySequence(form->Combo1, QKeySequence::Paste);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("冀B·12345"));
        QVERIFY(!form->findChild<PhotoWork *>());
    }

    // A large photo is read while the window goes on; a newer photo given meanwhile replaces it,
    // and only its reading shows.
    void windowGoesOnWhileReading()
    {
        QImage large(6000, 4000, QImage::Format_RGB888);
        auto *random = QRandomGenerator::global();
        for (int y = 0; y < large.height(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(large.scanLine(y));
            for (int x = 0; x < large.width() * 3 / 4; ++x)
                line[x] = random->generate();
        }
        QGuiApplication::clipboard()->setImage(large);
        form->Combo1->setFocus();
        QTest::keySequence(form->Combo1, QKeySequence::Paste);
        auto *work = form->findChild<PhotoWork *>();
        QVERIFY(work && work->reading());

        // The event loop turns all the while: the longest wait between ticks stays short.
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        qint64 longest = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] {
            longest = qMax(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start(5);
        QVERIFY(QTest::qWaitFor([work] { return !work->reading(); }, scaledWait(60000)));
        const qint64 took = clock.elapsed();
        qInfo("read in %lld ms, the longest wait between ticks %lld ms", took, longest);
        QVERIFY(longest < scaledWait(100));

        // A newer photo while one is read: only the newer one's reading comes.
        QSignalSpy done(work, &PhotoWork::done);
        QGuiApplication::clipboard()->setImage(large);
        QTest::keySequence(form->Combo1, QKeySequence::Paste);
        QVERIFY(give(Way::Drop, photo(QStringLiteral("rendered-粤BD12345.jpg"))));
        QTest::qWait(scaledWait(50));
        QCOMPARE(done.size(), 1);
        QVERIFY(!form->Combo1->currentText().isEmpty());
    }
};

QTEST_MAIN(TestPhotos)
#include "tst_photos.moc"
