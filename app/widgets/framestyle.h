// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProxyStyle>

namespace korvanta
{

// Draws a captioned frame the way the form was laid out for: the border runs through the middle
// of the caption, which sits a little in from the left edge with the line broken around it. The
// form's controls sit just below that line. Frames without a caption are drawn as the base style
// draws them. The geometry is the base style's own: its caption rectangle, moved in a little.
class CaptionOnBorderStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    bool drawsBorderBelowCaption() const;
};

} // namespace korvanta
