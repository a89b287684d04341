// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/widgets/framestyle.h"

#include <QGroupBox>
#include <QLibraryInfo>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace korvanta
{

namespace
{

// How far the caption stands in from the frame's left edge, and the gap around it.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionGap = 2;

const QStyleOptionGroupBox *captioned(QStyle::ComplexControl control,
                                      const QStyleOptionComplex *option)
{
    if (control != QStyle::CC_GroupBox)
        return nullptr;
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    return box && !box->text.isEmpty() ? box : nullptr;
}

} // namespace

QRect CaptionOnBorderStyle::subControlRect(ComplexControl control,
                                           const QStyleOptionComplex *option, SubControl part,
                                           const QWidget *widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (!captioned(control, option))
        return rect;
    const QRect caption = QProxyStyle::subControlRect(control, option, SC_GroupBoxLabel, widget)
                              .translated(kCaptionIndent, 0);
    if (part == SC_GroupBoxLabel)
        return caption;
    if (part == SC_GroupBoxFrame)
        rect.setTop(caption.top() + caption.height() / 2);
    return rect;
}

// Fusion before Qt 6.8 draws a group box's border a caption's height (and 3 pixels) below the top
// of the rectangle it is given, to leave room for the caption above it, and no rectangle of the
// style says so. Fusion since 6.8, the Windows style and the others draw it at the top.
bool CaptionOnBorderStyle::drawsBorderBelowCaption() const
{
    static const bool oldFusion = QLibraryInfo::version() < QVersionNumber(6, 8);
    return oldFusion &&
           baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

void CaptionOnBorderStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                         QPainter *painter, const QWidget *widget) const
{
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    if (element != PE_FrameGroupBox || !box || box->title().isEmpty() ||
        !drawsBorderBelowCaption()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The rectangle we give already starts at the caption's middle: undo the style's own offset.
    QStyleOptionFrame frame;
    frame.QStyleOption::operator=(*option);
    if (const auto *given = qstyleoption_cast<const QStyleOptionFrame *>(option))
        frame = *given;
    const int fusionTop = qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                               option->fontMetrics.height()) +
                          3;
    frame.rect.setTop(frame.rect.top() - fusionTop);
    QProxyStyle::drawPrimitive(element, &frame, painter, widget);
}

void CaptionOnBorderStyle::drawComplexControl(ComplexControl control,
                                              const QStyleOptionComplex *option, QPainter *painter,
                                              const QWidget *widget) const
{
    const QStyleOptionGroupBox *box = captioned(control, option);
    if (!box || !(box->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The border first, broken where the caption stands; then the caption on its own.
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    QStyleOptionGroupBox part(*box);
    part.subControls = SC_GroupBoxFrame;
    painter->save();
    painter->setClipRegion(QRegion(box->rect) -
                           QRegion(caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0)));
    QProxyStyle::drawComplexControl(control, &part, painter, widget);
    painter->restore();
    part.subControls = box->subControls & ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &part, painter, widget);
}

} // namespace korvanta
