// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Closing the window ends the program: the event loop returns 0 once the window is closed, and in
// the sanitizer build LeakSanitizer then finds nothing left behind.

#include "app/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form1 window;
    window.show();
    // Close it as a person does, after the first ticks of both timers.
    QTimer::singleShot(1200, &window, &QWidget::close);
    QTimer::singleShot(10000, &app, [] {
        qCritical("closing the window did not end the program");
        QCoreApplication::exit(1);
    });
    return app.exec();
}
