// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Starts the application, shows one window and ends once its first frame is painted. Built three
// times: with Korvanta's window; with an empty window of the same size, the floor for any window;
// and with the same form and its faces but no handlers, lists, pictures or timers, the floor for
// this window.

#include <QApplication>
#include <QEvent>

#if defined(KORVANTA_EMPTY_WINDOW)
#include <QWidget>
#else
#include "app/form1.h" // Ui::Form1, the form alone
#include "app/services/fonts.h"
#endif

namespace
{

class QuitAfterFirstPaint : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#if defined(KORVANTA_EMPTY_WINDOW)
    QWidget window;
    window.setWindowTitle(QStringLiteral("Korvantix"));
    window.setFixedSize(408, 287);
#elif defined(KORVANTA_BARE_FORM)
    korvanta::installFontSubstitutes();
    QWidget window;
    Ui::Form1 form;
    form.setupUi(&window);
    form.Frame4->hide();
#else
    Form1 window;
#endif
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
