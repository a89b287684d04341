// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>
#include <QTextLayout>

namespace korvanta
{

// A read-only line whose text turns round, a character at a time. A line edit lays its text out
// anew on every change; this one lays out the whole text once and draws each turn of it from
// that layout, shifted. Its text() is the turned text, as for any line edit.
class ScrollingLine : public QLineEdit
{
    Q_OBJECT

public:
    explicit ScrollingLine(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void layOut();

    QString m_whole;
    QTextLayout m_layout;
    // Where each turn starts in the laid-out text, and where the text ends.
    QList<qreal> m_turnStarts;
    int m_textHeight = 0;
};

} // namespace korvanta
