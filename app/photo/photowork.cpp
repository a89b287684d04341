// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/photo/photowork.h"

#include "app/photo/photomodule.h"

#include <QThread>

namespace korvanta
{

ReadPhoto shownPhoto(vision::PhotoReading reading)
{
    ReadPhoto photo{reading.problem, std::move(reading.plates), {}};
    const QImage &picture = reading.picture;
    if (picture.isNull())
        return photo;
    photo.picture = picture.width() <= kShownPhotoWidth && picture.height() <= kShownPhotoHeight
                        ? picture
                        : picture.scaled(kShownPhotoWidth, kShownPhotoHeight, Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
    const double scale = double(photo.picture.width()) / picture.width();
    for (vision::FoundPlate &plate : photo.plates) {
        for (QPointF &corner : plate.corners)
            corner *= scale;
    }
    return photo;
}

// Lives on the reading thread, with the reader, which it loads at the first photo.
class PhotoWork::Worker : public QObject
{
public:
    ReadPhoto read(const PhotoSource &photo)
    {
        if (!m_reader && !m_tried) {
            m_tried = true;
            QString why;
            m_reader = loadPhotoReader(why);
        }
        if (!m_reader)
            return {vision::PhotoProblem::NoModel, {}, {}};
        return shownPhoto(photo.file.isEmpty() ? m_reader->readImage(photo.picture)
                                               : m_reader->readFile(photo.file));
    }

private:
    std::unique_ptr<vision::PhotoReader> m_reader;
    bool m_tried = false;
};

PhotoWork::PhotoWork(QObject *parent)
    : QObject(parent)
    , m_thread(new QThread(this))
    , m_worker(new Worker)
    , m_latest(std::make_shared<std::atomic<int>>(0))
{
    m_thread->setObjectName(QStringLiteral("photo reader"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);
}

PhotoWork::~PhotoWork()
{
    // A photo being read is read to its end (a few seconds for the largest picture) while the
    // window, already closed, goes; its reading is dropped.
    m_latest->store(-1);
    m_thread->quit();
    m_thread->wait();
}

void PhotoWork::read(const PhotoSource &photo)
{
    const int number = ++m_asked;
    m_latest->store(number);
    m_waiting = true;
    QMetaObject::invokeMethod(
        m_worker,
        [this, worker = m_worker, latest = m_latest, number, photo] {
            if (latest->load() != number)
                return;
            ReadPhoto read = worker->read(photo);
            if (latest->load() != number)
                return;
            QMetaObject::invokeMethod(
                this,
                [this, number, read = std::move(read)] {
                    if (m_latest->load() != number)
                        return;
                    m_waiting = false;
                    emit done(read);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

} // namespace korvanta
