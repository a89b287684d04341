// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Renders the real window in each of its views to PNG files, for the README and the metainfo.
// korvanta_screenshots OUTDIR [dark]   (run it on an X server; QT_SCALE_FACTOR=2 renders at 2x;
// "dark" renders in a dark colour scheme)

#include "app/form1.h"
#include "app/services/colours.h"
#include "app/services/notice.h"
#include "tools/drive/drive.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QScreen>
#include <QTest>

using namespace korvanta;

namespace
{

void save(Form1 &form, const QDir &out, const QString &name)
{
    QTest::qWait(700); // both animations show a picture, and the window is painted
    const QString path = out.filePath(name + QStringLiteral(".png"));
    if (!form.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3 || (argc == 3 && qstrcmp(argv[2], "dark") != 0))
        qFatal("usage: korvanta_screenshots OUTDIR [dark]");
    if (argc == 3) {
        QApplication::setPalette(darkPalette());
        korvanta::useStyleThatFollowsScheme();
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    korvanta::setNoticeHandler([](QWidget *, const QString &, const QString &) {});

    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the window was not shown");

    save(form, out, QStringLiteral("start"));

    const QStringList names{QStringLiteral("civil"), QStringLiteral("military"),
                            QStringLiteral("armedpolice"), QStringLiteral("special")};
    for (const Query &query : queryOfEachCategory()) {
        if (!run(form, query))
            qFatal("a query did not run");
        save(form, out, names.at(query.category - 1));
    }

    // The suggestions for a typed place, and for a plate with its type: a window of their own,
    // so the screen is taken.
    const auto withSuggestions = [&](const QString &name) {
        QTest::qWait(700);
        const auto *popup = form.Combo1->findChild<QListWidget *>(QStringLiteral("suggestionList"));
        if (!popup || !popup->window()->isVisible())
            qFatal("the suggestions did not show");
        const QRect area = form.frameGeometry().united(popup->window()->frameGeometry());
        const QString shot = out.filePath(name + QStringLiteral(".png"));
        if (!form.screen()
                 ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                 .save(shot))
            qFatal("cannot write %s", qPrintable(shot));
    };
    const auto suggestions = [&](const QString &typed, const QString &name) {
        typeInto(form.Combo1, typed);
        withSuggestions(name);
    };
    suggestions(QStringLiteral("河北"), QStringLiteral("suggestions"));
    QTest::keyClick(form.Combo1, Qt::Key_Escape);
    suggestions(QStringLiteral("京A·1234警"), QStringLiteral("suggestions-plate"));
    QTest::keyClick(form.Combo1, Qt::Key_Escape);
    suggestions(QStringLiteral("xiangyang"), QStringLiteral("suggestions-today"));
    QTest::keyClick(form.Combo1, Qt::Key_Escape);

    // A key that means another place today, picked: today's place beside the catalogue's words.
    if (!run(form, {1, {QStringLiteral("鲁"), QStringLiteral("M")}}))
        qFatal("a query did not run");
    save(form, out, QStringLiteral("today-picked"));

    // Typed plates applied: what a green plate says beside its city, a letter the catalogue lacks
    // with today's place, and a plate that no list gives, said whole where answers show.
    for (const auto &[typed, name] :
         {std::pair{QStringLiteral("粤B·D12345"), QStringLiteral("typed-greenplate")},
          std::pair{QStringLiteral("川X·F12345"), QStringLiteral("typed-today")},
          std::pair{QStringLiteral("WJ新·1234X"), QStringLiteral("typed-armedpolice2012")}}) {
        typeInto(form.Combo1, typed);
        QTest::keyClick(form.Combo1, Qt::Key_Return);
        save(form, out, name);
    }

#ifdef KORVANTA_EXAMPLE_PHOTOS
    // Photos dropped on the window: a plate read, a plate with characters in doubt, two plates.
    for (const auto &[photo, name] :
         {std::pair{QStringLiteral("rendered-鲁B8K2S7.jpg"), QStringLiteral("photo")},
          std::pair{QStringLiteral("rendered-WJ琼12345.jpg"), QStringLiteral("photo-doubt")},
          std::pair{QStringLiteral("rendered-two-皖A12345-粤BD12345.jpg"),
                    QStringLiteral("photo-two")}}) {
        if (!dropPhoto(form, QStringLiteral(KORVANTA_EXAMPLE_PHOTOS "/") + photo))
            qFatal("a photo was not read");
        withSuggestions(name);
        QTest::keyClick(form.Combo1, Qt::Key_Escape);
    }
#endif

    form.Command1->click();
    save(form, out, QStringLiteral("information"));
    return 0;
}
