// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Build tool: renders an SVG picture to PNG files of the sizes given.
// svgrender PICTURE.svg OUT.png:SIZE...   writes each OUT.png at SIZE x SIZE pixels.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: svgrender PICTURE.svg OUT.png:SIZE...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return 1;
    for (int i = 2; i < argc; ++i) {
        const QString target = QString::fromLocal8Bit(argv[i]);
        const qsizetype colon = target.lastIndexOf(QLatin1Char(':'));
        const int size = target.sliced(colon + 1).toInt();
        if (colon < 0 || size <= 0)
            return 2;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (!image.save(target.first(colon)))
            return 1;
    }
    return 0;
}
