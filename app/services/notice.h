// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace korvanta
{

// How the window shows a notice: by default a modal box with the text, the title and only an OK
// button. Tests replace it to see the notice without a modal loop.
using NoticeHandler =
    std::function<void(QWidget *parent, const QString &text, const QString &title)>;

// Installs `handler` (an empty one restores the modal box) and returns the one it replaces.
NoticeHandler setNoticeHandler(NoticeHandler handler);

void showNotice(QWidget *parent, const QString &text, const QString &title);

} // namespace korvanta
