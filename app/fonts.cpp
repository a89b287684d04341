#include "app/fonts.h"

#include <QFont>
#include <QStringList>

namespace korvanta
{

void installFontSubstitutes()
{
    static const bool installed = [] {
        const QStringList serif = {QStringLiteral("Noto Serif CJK SC"),
                                   QStringLiteral("AR PL UMing CN")};
        const QStringList sans = {QStringLiteral("Noto Sans CJK SC"),
                                  QStringLiteral("WenQuanYi Zen Hei")};
        for (const char *family : {"宋体", "SimSun", "华文中宋", "STZhongsong"})
            QFont::insertSubstitutions(QString::fromUtf8(family), serif);
        for (const char *family : {"华文细黑", "STXihei"})
            QFont::insertSubstitutions(QString::fromUtf8(family), sans);
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                                   {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace korvanta
