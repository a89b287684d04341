// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/scrollingline.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace
{

// The gap QLineEdit leaves between its contents rectangle and the text.
constexpr int kTextMargin = 2;

} // namespace

ScrollingLine::ScrollingLine(QWidget *parent)
    : QLineEdit(parent)
{
    // The line edit keeps the text but lays out and draws nothing of it; paintEvent shows it.
    setEchoMode(QLineEdit::NoEcho);
}

void ScrollingLine::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_whole.clear();
    QLineEdit::changeEvent(event);
}

void ScrollingLine::layOut()
{
    m_layout.setText(m_whole);
    m_layout.setFont(font());
    m_layout.beginLayout();
    m_layout.createLine();
    m_layout.endLayout();
    // Every turn has the same glyphs, so the same height.
    const QFontMetrics metrics = fontMetrics();
    m_textHeight = qMax(metrics.boundingRect(m_whole).height(), metrics.height());
}

void ScrollingLine::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event); // the background
    const QString shown = text();
    if (shown.isEmpty())
        return;
    // Which turn of the whole text is shown; another text becomes the whole one.
    qsizetype turn =
        m_whole.size() == shown.size() ? QString(m_whole + m_whole).indexOf(shown) : -1;
    if (turn < 0) {
        m_whole = shown;
        layOut();
        turn = 0;
    }
    const QTextLine line = m_layout.lineAt(0);

    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect area = style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                           .marginsRemoved(textMargins());
    // Placed as QLineEdit places its text: centred by the glyphs' height, on the font's ascent.
    const int top = area.y() + (area.height() - m_textHeight + 1) / 2;
    const QPointF start(area.x() + kTextMargin - line.cursorToX(int(turn)),
                        top - (line.ascent() - fontMetrics().ascent()));
    QPainter painter(this);
    // The characters before the first shown are there too, left of the margin: keep them out.
    painter.setClipRect(area.adjusted(kTextMargin, 0, 0, 0));
    painter.setPen(palette().color(QPalette::Text));
    m_layout.draw(&painter, start);
    m_layout.draw(&painter, start + QPointF(line.cursorToX(int(m_whole.size())), 0));
}
