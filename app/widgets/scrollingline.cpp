// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/widgets/scrollingline.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace korvanta
{

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
    m_layout.setCacheEnabled(true); // keep the shaped glyphs, not only the line

    m_layout.beginLayout();
    m_layout.createLine();
    m_layout.endLayout();
    const QTextLine line = m_layout.lineAt(0);
    m_turnStarts.clear();
    for (int i = 0; i <= m_whole.size(); ++i)
        m_turnStarts << line.cursorToX(i);
    // Every turn has the same glyphs, so the same height.
    const QFontMetrics metrics = fontMetrics();
    m_textHeight = qMax(metrics.boundingRect(m_whole).height(), metrics.height());
}

void ScrollingLine::paintEvent(QPaintEvent *)
{
    // The background as QLineEdit paints it; QLineEdit::paintEvent would measure the whole text
    // again on every tick.
    QStyleOptionFrame option;
    initStyleOption(&option);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
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
    const QRect area = style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                           .marginsRemoved(textMargins());
    // Placed as QLineEdit places its text: centred by the glyphs' height, on the font's ascent.
    const int top = area.y() + (area.height() - m_textHeight + 1) / 2;
    const QPointF start(area.x() + kTextMargin - m_turnStarts.at(turn),
                        top - (line.ascent() - fontMetrics().ascent()));
    // The characters before the first shown are there too, left of the margin: keep them out.
    painter.setClipRect(area.adjusted(kTextMargin, 0, 0, 0));
    painter.setPen(palette().color(QPalette::Text));
    m_layout.draw(&painter, start);
    const QPointF again = start + QPointF(m_turnStarts.last(), 0);
    if (again.x() < area.right())
        m_layout.draw(&painter, again);
}

} // namespace korvanta
