// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/widgets/pictureholder.h"

#include <QEvent>
#include <QPainter>

namespace korvanta
{

PictureHolder::PictureHolder(QWidget *parent)
    : QLabel(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureHolder::paintEvent(QPaintEvent *event)
{
    const qreal dpr = devicePixelRatioF();
    if (m_behind.isNull() || m_behind.devicePixelRatio() != dpr) {
        // What the parent paints here, without any of its children.
        m_behind = QPixmap(size() * dpr);
        m_behind.setDevicePixelRatio(dpr);
        parentWidget()->render(&m_behind, QPoint(), QRegion(geometry()),
                               QWidget::DrawWindowBackground);
    }
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_behind);
    }
    QLabel::paintEvent(event);
}

void PictureHolder::resizeEvent(QResizeEvent *event)
{
    m_behind = QPixmap();
    QLabel::resizeEvent(event);
}

void PictureHolder::moveEvent(QMoveEvent *event)
{
    m_behind = QPixmap();
    QLabel::moveEvent(event);
}

void PictureHolder::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        m_behind = QPixmap();
    QLabel::changeEvent(event);
}

} // namespace korvanta
