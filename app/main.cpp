// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/commandline/readcommand.h"
#include "app/commandline/startup.h"
#include "app/form1.h"
#include "app/services/colours.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("korvanta"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANTA_VERSION));
    if (const std::optional<int> status = korvanta::runCommandLine(argc, argv))
        return *status;
    if (const std::optional<int> status = korvanta::refuseUnknownOptions(argc, argv))
        return *status;
#ifdef KORVANTA_CONSOLE
    return korvanta::startWindowProgram();
#endif
    if (const std::optional<int> status = korvanta::refuseWithoutDisplay(argc, argv))
        return *status;
    korvanta::catchFatalStart();
    korvanta::WindowCommandLine line(argc, argv);
    QApplication app(line.count(), line.arguments());
    if (const std::optional<int> status = korvanta::windowStarted(app.arguments()))
        return *status;
    korvanta::useStyleThatFollowsScheme();
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVANTA_APP_ID));
    Form1 window;
    window.show();
    return app.exec();
}
