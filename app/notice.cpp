// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/notice.h"

#include <QMessageBox>

namespace korvanta
{
namespace
{

NoticeHandler &currentHandler()
{
    static NoticeHandler handler;
    return handler;
}

} // namespace

NoticeHandler setNoticeHandler(NoticeHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

void showNotice(QWidget *parent, const QString &text, const QString &title)
{
    if (const NoticeHandler &handler = currentHandler()) {
        handler(parent, text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace korvanta
