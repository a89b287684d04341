// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// What is decided before the window opens, for a command line that is not the reader's: whether
// its options are ones the window takes, whether there is a display to show it on, what Qt's
// fatal words at start-up become, the command line the window's application is made with (on
// Windows, following its dark mode), and for the Windows console program, starting the window.

#include <QStringList>

#include <optional>
#include <vector>

namespace korvanta
{

// An option that neither Korvanta nor Qt knows is a usage error: says so with the usage line and
// gives the exit status 2, with or without a display; nothing for a command line the window
// takes (Qt's own options, such as -style fusion, -reverse, -platform NAME).
std::optional<int> refuseUnknownOptions(int argc, char *argv[]);

// Where there is no display to show the window on, says so and gives the exit status 1.
std::optional<int> refuseWithoutDisplay(int argc, char *argv[]);

// Until windowStarted(), a failure of Qt to open the display ends the program with a clear word
// and status 1 rather than an abort.
void catchFatalStart();
// Once the window's application is made, with `arguments` what Qt left of the command line: Qt's
// messages go where they went before, and an option that Qt did not take after all is a usage
// error (status 2).
std::optional<int> windowStarted(const QStringList &arguments);

// The command line the window's application is made with: the one given, and on Windows
// "-platform windows:darkmode=2" where it names no platform, so that the window follows Windows'
// dark mode (Qt 6.4 gives a dark palette only when asked). Lives as long as the application.
class WindowCommandLine
{
public:
    WindowCommandLine(int argc, char *argv[]);
    int &count() { return m_count; }
    char **arguments() { return m_arguments.data(); }

private:
    std::vector<char *> m_arguments;
    int m_count = 0;
};

#ifdef Q_OS_WIN
// For the console program: starts the windowed program beside it with the same command line, and
// gives the exit status (0, or 1 where it could not be started).
int startWindowProgram();
#endif

} // namespace korvanta
