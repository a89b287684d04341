// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Photos: a picture dropped on the window, pasted, or opened is read off the window's thread
// (app/photo), and what was read goes into the first list's field as if typed (app/typedplate).

#include "app/form1.h"
#include "app/photo/photointake.h"
#include "app/photo/photowork.h"
#include "app/typedplate/typedplate.h"

#include <QFileDialog>
#include <QImageReader>
#include <QShortcut>
#include <QStandardPaths>

using namespace korvanta;

namespace
{

// The dialog's filter: every kind of picture Qt can read here.
QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QStringLiteral("图片 (%1)").arg(patterns.join(u' '));
}

} // namespace

void Form1::setUpPhotos()
{
    m_photoIntake = new PhotoIntake(this, Combo1);
    connect(m_photoIntake, &PhotoIntake::given, this, &Form1::readPhoto);
    connect(m_photoIntake, &PhotoIntake::openAsked, this, &Form1::openPhoto);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            &Form1::openPhoto);
}

bool Form1::pastePhoto()
{
    return m_photoIntake->pasteFromClipboard();
}

// The platform's own dialog, window-modal: the window goes on drawing behind it.
void Form1::openPhoto()
{
    auto *dialog = new QFileDialog(
        this, QStringLiteral("打开照片"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), pictureFilter());
    dialog->setObjectName(QStringLiteral("photoDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString &file) { readPhoto(PhotoSource{file, {}}); });
    dialog->open();
}

// Read while the window goes on; a photo given while the information view shows brings the
// query view back, where its reading shows.
void Form1::readPhoto(const PhotoSource &photo)
{
    if (!Frame1->isVisible())
        showInQueryView();
    if (!m_photoWork) {
        m_photoWork = new PhotoWork(this);
        connect(m_photoWork, &PhotoWork::done, m_typed, &TypedPlate::showPhoto);
    }
    m_photoWork->read(photo);
}
