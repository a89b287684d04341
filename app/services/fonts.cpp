// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/services/fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace korvanta
{
namespace
{

const QString kSerif = QStringLiteral("Korvanta Serif");
const QString kSans = QStringLiteral("Korvanta Sans");
const QString kComic = QStringLiteral("Korvanta Comic");

} // namespace

QStringList windowFamilies()
{
    return {kSerif, kSans, kComic};
}

void installFontSubstitutes()
{
    static const bool installed = [] {
        for (const char *face : {"KorvantaSerif-Regular", "KorvantaSerif-Bold",
                                 "KorvantaSans-Regular", "KorvantaComic-Regular"}) {
            const QString file = QStringLiteral(":/fonts/%1.otf").arg(QLatin1String(face));
            if (QFontDatabase::addApplicationFont(file) < 0)
                qWarning("Korvanta: the face %s could not be registered", face);
        }
        // Our faces hold only the characters the program shows; what a person types beyond them
        // is drawn from the system's fonts, the ones named after ours first.
        const QStringList serif = {kSerif, QStringLiteral("Noto Serif CJK SC")};
        const QStringList sans = {kSans, QStringLiteral("Noto Sans CJK SC")};
        for (const char *family : {"宋体", "SimSun", "华文中宋", "STZhongsong"})
            QFont::insertSubstitutions(QString::fromUtf8(family), serif);
        for (const char *family : {"华文细黑", "STXihei"})
            QFont::insertSubstitutions(QString::fromUtf8(family), sans);
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                                   {kComic, QStringLiteral("Comic Neue")});
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace korvanta
