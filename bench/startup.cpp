// Starts the application, shows one window and ends once its first frame is painted. Built three
// times: with Korvanta's window; with an empty window of the same size, the floor to compare with;
// and with that window showing one line of Chinese in the window's font, the floor for any window
// that has to load the Chinese fonts at all.

#include <QApplication>
#include <QEvent>

#if defined(KORVANTA_EMPTY_WINDOW)
#include <QWidget>
#elif defined(KORVANTA_TEXT_WINDOW)
#include "app/fonts.h"
#include <QLabel>
#else
#include "app/form1.h"
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
#if defined(KORVANTA_EMPTY_WINDOW) || defined(KORVANTA_TEXT_WINDOW)
    QWidget window;
    window.setWindowTitle(QStringLiteral("Korvantix"));
    window.setFixedSize(408, 287);
#endif
#if defined(KORVANTA_TEXT_WINDOW)
    korvanta::installFontSubstitutes();
    QLabel line(QStringLiteral("你见到的车牌"), &window);
    line.setFont(QFont(QStringLiteral("宋体"), 9));
    line.move(8, 40);
#elif !defined(KORVANTA_EMPTY_WINDOW)
    Form1 window;
#endif
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
