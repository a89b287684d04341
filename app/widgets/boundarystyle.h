// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProxyStyle>

namespace korvanta
{

// Draws the controls a person acts on so that each one's edge can be seen against the panel it
// sits on, in light and dark schemes alike: a round button's ring and its dot, a list's and a
// field's frame, a push button's frame. The base style draws everything else; its own edges are
// often a shade too close to the panel (Fusion's are 2:1 on a light panel and 1.2:1 on a dark
// one). The colour comes from the palette each time, so a scheme changed while the window is open
// is followed.
class ClearBoundaryStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

} // namespace korvanta
