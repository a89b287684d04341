#pragma once

#include <QPixmap>
#include <QString>

namespace korvanta
{

// Renders the picture `name` (one of the SVG files under :/pictures) at `size` logical pixels,
// sharp at the device pixel ratio `dpr`.
QPixmap renderPicture(const QString &name, int size, qreal dpr);

} // namespace korvanta
