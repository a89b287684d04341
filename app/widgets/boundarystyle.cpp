// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/widgets/boundarystyle.h"

#include "app/services/colours.h"

#include <QPainter>
#include <QStyleOption>

namespace korvanta
{
namespace
{

// The boundary's colour for a control drawn with `option`: against the window's colour, which
// is the panel every control of the form sits on. A disabled control keeps the base style's
// quieter look.
QColor boundaryOf(const QStyleOption *option)
{
    return boundaryColour(option->palette.color(QPalette::Window),
                          option->palette.color(QPalette::WindowText));
}

// A frame with the keyboard focus keeps the base style's sign of it, the highlight's colour, where
// that stands out as well as a boundary must.
QColor frameOf(const QStyleOption *option)
{
    const QColor highlight = option->palette.color(QPalette::Highlight);
    if ((option->state & QStyle::State_HasFocus) &&
        contrast(highlight, option->palette.color(QPalette::Window)) >= kVisibleBoundary)
        return highlight;
    return boundaryOf(option);
}

bool enabled(const QStyleOption *option)
{
    return option->state & QStyle::State_Enabled;
}

// A rounded frame along the outermost pixels of `rect`, over what the base style drew there.
void drawFrame(QPainter *painter, const QRect &rect, const QColor &colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();
}

} // namespace

void ClearBoundaryStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *painter, const QWidget *widget) const
{
    if (element != PE_IndicatorRadioButton || !enabled(option)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A ring on the field's colour, and where the button is on, a dot of the text's colour. The
    // ring is a pixel and a half wide: a one-pixel circle is smoothed into lighter pixels
    // wherever it falls between them.
    constexpr qreal ringWidth = 1.5;
    const qreal side = qMin(option->rect.width(), option->rect.height());
    const QRectF ring = QRectF(QPointF(0, 0), QSizeF(side, side))
                            .translated(QRectF(option->rect).center() - QPointF(side, side) / 2)
                            .adjusted(ringWidth / 2, ringWidth / 2, -ringWidth / 2, -ringWidth / 2);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(boundaryOf(option), ringWidth));
    painter->setBrush(option->palette.color(QPalette::Base));
    painter->drawEllipse(ring);
    if (option->state & State_On) {
        const qreal inset = side * 0.27;
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.color(QPalette::Text));
        painter->drawEllipse(ring.adjusted(inset, inset, -inset, -inset));
    }
    painter->restore();
}

void ClearBoundaryStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex *option, QPainter *painter,
                                            const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && enabled(option))
        drawFrame(painter, option->rect, frameOf(option));
}

void ClearBoundaryStyle::drawControl(ControlElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButtonBevel && enabled(option))
        drawFrame(painter, option->rect, boundaryOf(option));
}

} // namespace korvanta
