// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Photos read off the window's thread: the window stays as quick as ever while a photo is read,
// and a newer photo replaces one still being read.

#include "vision/photoreader.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

namespace korvanta
{

// A photo as a person gives it: a file (dropped or opened), or a picture (pasted).
struct PhotoSource {
    QString file;
    QImage picture;
};

// A photo as read, for the window: the plates (corners in the small picture's pixels), and a
// small copy of the picture to show them in.
struct ReadPhoto {
    vision::PhotoProblem problem = vision::PhotoProblem::None;
    QList<vision::FoundPlate> plates;
    QImage picture;
};

// The small copy of a photo that the window shows is at most this many pixels each way.
constexpr int kShownPhotoWidth = 480;
constexpr int kShownPhotoHeight = 320;

// `reading`'s picture made small, and its plates' corners with it.
ReadPhoto shownPhoto(vision::PhotoReading reading);

class PhotoWork : public QObject
{
    Q_OBJECT

public:
    explicit PhotoWork(QObject *parent);
    ~PhotoWork() override;

    // Starts reading `photo`; one still being read is given up, and its result never comes.
    void read(const PhotoSource &photo);
    bool reading() const { return m_waiting; }

signals:
    void done(const korvanta::ReadPhoto &photo);

private:
    class Worker;
    QThread *m_thread;
    Worker *m_worker;
    // The last photo asked for: a photo of an older number is not read, nor its result given.
    std::shared_ptr<std::atomic<int>> m_latest;
    int m_asked = 0;
    bool m_waiting = false;
};

} // namespace korvanta
