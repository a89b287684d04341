// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The floor for the idle cost: a window whose two timers tick at the window's rates and each show
// another 32 x 32 picture, with no text to lay out. With --no-timers, the same window with
// nothing ticking: the floor for a minimised window.

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(408, 287);
    QLabel first(&window);
    QLabel second(&window);
    first.setGeometry(280, 168, 32, 32);
    second.setGeometry(344, 168, 32, 32);
    QPixmap pictures[2] = {QPixmap(32, 32), QPixmap(32, 32)};
    pictures[0].fill(Qt::yellow);
    pictures[1].fill(Qt::gray);
    int step = 0;
    QTimer fast;
    QTimer slow;
    QObject::connect(&fast, &QTimer::timeout, [&] { first.setPixmap(pictures[++step % 2]); });
    QObject::connect(&slow, &QTimer::timeout, [&] { second.setPixmap(pictures[++step % 2]); });
    if (!app.arguments().contains(QStringLiteral("--no-timers"))) {
        fast.start(300);
        slow.start(500);
    }
    window.show();
    return app.exec();
}
