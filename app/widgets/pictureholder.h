// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>
#include <QPixmap>

namespace korvanta
{

// A label that shows a picture over a copy of what lies behind it. The picture changes on a
// timer; painting the background itself, the label repaints only its own pixels, where a
// transparent label would have the panel behind it painted again each time.
class PictureHolder : public QLabel
{
    Q_OBJECT

public:
    explicit PictureHolder(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPixmap m_behind;
};

} // namespace korvanta
