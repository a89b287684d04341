#include "app/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace korvanta
{

QPixmap renderPicture(const QString &name, int size, qreal dpr)
{
    const int pixels = qCeil(size * dpr);
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(dpr);
    return picture;
}

} // namespace korvanta
