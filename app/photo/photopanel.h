// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// What a person sees of a photo, above the suggestions: the photo small, with the plates found in
// it outlined (the one whose row is highlighted boldly), and that plate as cut from the photo and
// straightened, with what was read under it, the characters the reader is unsure of boxed.

#include "app/photo/photowork.h"

#include <QWidget>

namespace korvanta
{

// What a person reads and hears of a photo:
// that it holds no plate,
inline const QString kNoPlateInPhoto = QStringLiteral("照片里没有找到车牌");
// why it could not be read ("照片读不了：……"),
QString problemSentence(vision::PhotoProblem problem);
// the places the reader is unsure of ("第5位看不清", "第3、5位看不清"; empty for none),
QString doubtSentence(const QList<int> &doubtful);
// and what was read ("照片里的车牌：皖A12345，第5位看不清"; for several plates, each).
QString readingSentence(const ReadPhoto &photo);

class PhotoPanel : public QWidget
{
    Q_OBJECT

public:
    explicit PhotoPanel(QWidget *parent);

    void showPhoto(const ReadPhoto &photo);
    // The plate whose row is highlighted; -1 for none.
    void setCurrent(int plate);
    int current() const { return m_current; }
    const ReadPhoto &photo() const { return m_photo; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect pictureBox() const;
    QRect plateBox() const;
    QRect readingBox() const;
    void paintPicture(QPainter &painter);
    void paintPlate(QPainter &painter, const vision::FoundPlate &plate);
    void paintReading(QPainter &painter, const vision::FoundPlate &plate);

    ReadPhoto m_photo;
    int m_current = -1;
};

} // namespace korvanta
