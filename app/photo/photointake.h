// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The ways a photo comes to the window: a file or a picture dropped anywhere on it, a picture (or
// an image file) pasted with the keys of Paste, and the field's context menu's "打开照片…".

#include "app/photo/photowork.h"

#include <QObject>

class QComboBox;
class QLineEdit;
class QMimeData;

namespace korvanta
{

// The photo that a clipboard's or a drop's contents give: the first local file, or else a
// picture; none for text alone (which goes to the field as ever).
std::optional<PhotoSource> photoIn(const QMimeData *data);

class PhotoIntake : public QObject
{
    Q_OBJECT

public:
    // Watches `window` for drops and the editable `list` for pastes, drops and its field's
    // context menu.
    PhotoIntake(QWidget *window, QComboBox *list);

    // Whether the clipboard holds a photo; if so, gives it.
    bool pasteFromClipboard();

signals:
    void given(const korvanta::PhotoSource &photo);
    void openAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool contextMenu(QLineEdit *field, const QPoint &at);
};

} // namespace korvanta
