// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/services/notice.h"

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
    // A window keeps its notice box between showings. Qt does not tell screen readers that a
    // window was destroyed, and Orca 48 goes on asking a destroyed box that it took for the active
    // window about itself, hundreds of times, each a warning from Qt.
    const auto name = QStringLiteral("notice");
    auto *box =
        parent ? parent->findChild<QMessageBox *>(name, Qt::FindDirectChildrenOnly) : nullptr;
    if (!box) {
        box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box->setObjectName(name);
    }
    box->setWindowTitle(title);
    box->setText(text);
    box->exec();
    if (!parent)
        delete box;
}

} // namespace korvanta
