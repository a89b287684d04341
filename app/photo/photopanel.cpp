// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/photo/photopanel.h"

#include "app/services/colours.h"

#include <QPainter>
#include <QPainterPath>

namespace korvanta
{
namespace
{

// The panel's parts, in the window's pixels: the photo in a box of 3 : 2, the plate as large as
// the reader reads it twice over, and the reading under it.
constexpr int kMargin = 6;
constexpr int kGap = 10;
constexpr QSize kPictureBox(150, 100);
constexpr QSize kPlateBox(192, 48);
constexpr int kReadingHeight = 46;

QPolygonF quadrilateral(const vision::FoundPlate &plate, const QTransform &to)
{
    QPolygonF corners;
    for (const QPointF &corner : plate.corners)
        corners << to.map(corner);
    return corners;
}

} // namespace

QString problemSentence(vision::PhotoProblem problem)
{
    using vision::PhotoProblem;
    const auto why = [problem] {
        switch (problem) {
        case PhotoProblem::Missing:
            return QStringLiteral("文件不存在");
        case PhotoProblem::Folder:
            return QStringLiteral("这是文件夹，不是图片");
        case PhotoProblem::TooLarge:
            return QStringLiteral("图片太大");
        case PhotoProblem::Undecodable:
            return QStringLiteral("图片不完整或已损坏");
        case PhotoProblem::NoModel:
            return QStringLiteral("没有安装读照片的部分");
        case PhotoProblem::NotAPicture:
        case PhotoProblem::None:
            break;
        }
        return QStringLiteral("不是能读的图片");
    };
    return QStringLiteral("照片读不了：") + why();
}

QString readingSentence(const ReadPhoto &photo)
{
    QStringList plates;
    for (const vision::FoundPlate &plate : photo.plates) {
        const QString doubt = doubtSentence(plate.doubtful);
        plates << (doubt.isEmpty() ? plate.text : plate.text + u'，' + doubt);
    }
    if (plates.size() == 1)
        return QStringLiteral("照片里的车牌：") + plates.front();
    return QStringLiteral("照片里有%1块车牌：").arg(plates.size()) + plates.join(u'；');
}

QString doubtSentence(const QList<int> &doubtful)
{
    if (doubtful.isEmpty())
        return {};
    QStringList places;
    for (int place : doubtful)
        places << QString::number(place);
    return QStringLiteral("第%1位看不清").arg(places.join(u'、'));
}

PhotoPanel::PhotoPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("photoPanel"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PhotoPanel::sizeHint() const
{
    return {kMargin + kPictureBox.width() + kGap + kPlateBox.width() + kMargin,
            kMargin + kPictureBox.height() + kMargin};
}

void PhotoPanel::showPhoto(const ReadPhoto &photo)
{
    m_photo = photo;
    m_current = photo.plates.isEmpty() ? -1 : 0;
    update();
}

void PhotoPanel::setCurrent(int plate)
{
    m_current = plate >= 0 && plate < m_photo.plates.size() ? plate : -1;
    update();
}

QRect PhotoPanel::pictureBox() const
{
    return {QPoint(kMargin, kMargin), kPictureBox};
}

QRect PhotoPanel::plateBox() const
{
    return {QPoint(kMargin + kPictureBox.width() + kGap, kMargin), kPlateBox};
}

QRect PhotoPanel::readingBox() const
{
    const QRect plate = plateBox();
    return {plate.left(), plate.bottom() + 1 + 4, plate.width(), kReadingHeight};
}

void PhotoPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintPicture(painter);
    if (m_current < 0)
        return;
    const vision::FoundPlate &plate = m_photo.plates[m_current];
    paintPlate(painter, plate);
    paintReading(painter, plate);
}

// The photo fitted to its box, each plate outlined: the current one in the highlight's colour,
// edged on both sides so that it shows on any photo, the others thin.
void PhotoPanel::paintPicture(QPainter &painter)
{
    const QImage &picture = m_photo.picture;
    if (picture.isNull())
        return;
    const QSize fitted = picture.size().scaled(pictureBox().size(), Qt::KeepAspectRatio);
    const QRect target(pictureBox().topLeft() +
                           QPoint((pictureBox().width() - fitted.width()) / 2,
                                  (pictureBox().height() - fitted.height()) / 2),
                       fitted);
    painter.drawImage(target, picture);
    QTransform to;
    to.translate(target.left(), target.top());
    to.scale(double(target.width()) / picture.width(), double(target.height()) / picture.height());
    for (int i = 0; i < m_photo.plates.size(); ++i) {
        if (i == m_current)
            continue;
        painter.setPen(QPen(Qt::white, 1.0, Qt::DashLine));
        painter.drawPolygon(quadrilateral(m_photo.plates[i], to));
    }
    if (m_current >= 0) {
        const QPolygonF corners = quadrilateral(m_photo.plates[m_current], to);
        painter.setPen(QPen(Qt::black, 4.0));
        painter.drawPolygon(corners);
        painter.setPen(QPen(QColor(255, 220, 0), 2.0));
        painter.drawPolygon(corners);
    }
}

void PhotoPanel::paintPlate(QPainter &painter, const vision::FoundPlate &plate)
{
    const QImage &cut = plate.straightened;
    if (cut.isNull())
        return;
    const QSize fitted = cut.size().scaled(plateBox().size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(plateBox().topLeft(), fitted), cut);
}

// What was read, each character on its own, those in doubt boxed; then the places in doubt.
void PhotoPanel::paintReading(QPainter &painter, const vision::FoundPlate &plate)
{
    const QPalette &colours = palette();
    const QColor text = colours.color(QPalette::Text);
    const QColor mark = colours.color(QPalette::Highlight);
    QFont large = font();
    large.setPointSizeF(font().pointSizeF() * 1.5);
    large.setBold(true);
    painter.setFont(large);
    const QFontMetrics metrics(large);
    const int lineHeight = metrics.height();
    QRect box = readingBox();
    int x = box.left();
    for (int i = 0; i < plate.text.size(); ++i) {
        const QString character = plate.text.at(i);
        const int width = metrics.horizontalAdvance(character) + 4;
        const QRect cell(x, box.top(), width, lineHeight);
        if (plate.doubtful.contains(i + 1)) {
            QColor tint = mark;
            tint.setAlpha(60);
            painter.setPen(QPen(mark, 1.5));
            painter.setBrush(tint);
            painter.drawRoundedRect(QRectF(cell).adjusted(0.75, 0.75, -0.75, -0.75), 3, 3);
            painter.setBrush(Qt::NoBrush);
        }
        painter.setPen(text);
        painter.drawText(cell, Qt::AlignCenter, character);
        x += width + (i == 1 ? 6 : 1);
    }
    painter.setFont(font());
    painter.setPen(text);
    painter.drawText(
        QRect(box.left(), box.top() + lineHeight + 1, box.width(), box.height() - lineHeight - 1),
        Qt::AlignLeft | Qt::AlignTop, doubtSentence(plate.doubtful));
}

} // namespace korvanta
