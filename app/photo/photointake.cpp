// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/photo/photointake.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace korvanta
{

std::optional<PhotoSource> photoIn(const QMimeData *data)
{
    if (!data)
        return std::nullopt;
    if (data->hasUrls()) {
        for (const QUrl &url : data->urls()) {
            if (url.isLocalFile())
                return PhotoSource{url.toLocalFile(), {}};
        }
    }
    if (data->hasImage()) {
        const QImage picture = qvariant_cast<QImage>(data->imageData());
        if (!picture.isNull())
            return PhotoSource{{}, picture};
    }
    return std::nullopt;
}

PhotoIntake::PhotoIntake(QWidget *window, QComboBox *list)
    : QObject(window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    list->installEventFilter(this);
    // The field takes dropped text itself: a dropped photo is taken from it first.
    list->lineEdit()->installEventFilter(this);
}

bool PhotoIntake::pasteFromClipboard()
{
    const std::optional<PhotoSource> photo = photoIn(QApplication::clipboard()->mimeData());
    if (photo)
        emit given(*photo);
    return photo.has_value();
}

bool PhotoIntake::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!photoIn(drag->mimeData()))
            break;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const std::optional<PhotoSource> photo = photoIn(drop->mimeData());
        if (!photo)
            break;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        emit given(*photo);
        return true;
    }
    case QEvent::KeyPress:
        // The list passes its keys to its field, which would paste the clipboard's text.
        if (qobject_cast<QComboBox *>(watched) &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
            return pasteFromClipboard();
        break;
    case QEvent::ContextMenu:
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            return contextMenu(field, static_cast<QContextMenuEvent *>(event)->globalPos());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The field's own menu, with "打开照片…" at its head.
bool PhotoIntake::contextMenu(QLineEdit *field, const QPoint &at)
{
    QMenu *menu = field->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("fieldMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *open = new QAction(QStringLiteral("打开照片…"), menu);
    open->setObjectName(QStringLiteral("openPhotoAction"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &PhotoIntake::openAsked);
    const QList<QAction *> actions = menu->actions();
    menu->insertAction(actions.isEmpty() ? nullptr : actions.first(), open);
    menu->insertSeparator(actions.isEmpty() ? nullptr : actions.first());
    menu->popup(at);
    return true;
}

} // namespace korvanta
