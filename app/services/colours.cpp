// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/services/colours.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <QtMath>

namespace korvanta
{
namespace
{

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

constexpr int kBlueHue = 225;

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (qMax(first, second) + 0.05) / (qMin(first, second) + 0.05);
}

bool isDark(const QColor &window)
{
    return window.lightness() < 128;
}

QColor answerBlue(const QColor &background)
{
    if (!isDark(background))
        return QColor(0, 0, 255);
    QColor blue;
    for (int lightness = 160; lightness <= 250; lightness += 5) {
        blue = QColor::fromHsl(kBlueHue, 255, lightness);
        if (contrast(blue, background) >= kChosenText)
            break;
    }
    return blue;
}

QColor distinctFace(const QColor &preferred, const QColor &panel, const QColor &text)
{
    const auto fits = [&](const QColor &face) {
        return contrast(face, panel) >= kDistinctFace && contrast(face, text) >= kChosenText;
    };
    if (fits(preferred))
        return preferred;
    const int from = panel.lightness();
    const int step = text.lightness() > from ? 4 : -4;
    for (int lightness = from; lightness >= 0 && lightness <= 255; lightness += step) {
        const QColor face = QColor::fromHsl(panel.hslHue(), panel.hslSaturation(), lightness);
        if (fits(face))
            return face;
    }
    return preferred;
}

QColor boundaryColour(const QColor &panel, const QColor &text)
{
    const int from = panel.lightness();
    const int step = text.lightness() > from ? 4 : -4;
    for (int lightness = from; lightness >= 0 && lightness <= 255; lightness += step) {
        const QColor grey = QColor::fromHsl(panel.hslHue(), panel.hslSaturation(), lightness);
        if (contrast(grey, panel) >= kChosenBoundary)
            return grey;
    }
    return text;
}

bool drawsAsTheSystem(const QStyle *style)
{
    const QString name = style->name();
    return name.compare(QStringLiteral("windowsvista"), Qt::CaseInsensitive) == 0 ||
           name.compare(QStringLiteral("windows11"), Qt::CaseInsensitive) == 0;
}

QPalette completedDark(const QPalette &given)
{
    const QColor window = given.color(QPalette::Window);
    const QColor text = given.color(QPalette::WindowText);
    // The shades Fusion draws frames, edges and fields with, as on a dark Linux desktop: the
    // button the window's colour, lighter and darker shades of it, fields darker still.
    const QColor field = window.darker(126);
    QPalette dark(text, window, window.lighter(170), window.darker(166), field, text,
                  QColor(Qt::white), field, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(text.red(), text.green(), text.blue(), 128));
    dark.setColor(QPalette::ToolTipBase, field);
    dark.setColor(QPalette::ToolTipText, text);
    // What stands out keeps the system's colours: its accent, and links.
    for (const QPalette::ColorRole role :
         {QPalette::Highlight, QPalette::HighlightedText, QPalette::Link, QPalette::LinkVisited}) {
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            dark.setColor(group, role, given.color(group, role));
    }
    return dark;
}

void useStyleThatFollowsScheme()
{
    if (drawsAsTheSystem(QApplication::style()) &&
        isDark(QApplication::palette().color(QPalette::Window))) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(completedDark(QApplication::palette()));
    }
}

} // namespace korvanta
