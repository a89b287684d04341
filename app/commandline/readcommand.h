// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The plate reader from the command line, with no display and no window:
//   korvanta --read TEXT   the rows the suggestions would show for TEXT, one a line;
//   korvanta --read -      one text a line from standard input, each answered by its first row.
// Each row is the plate as read, its kind, the whole answer and the type, tab-separated.

#include <QStringList>

#include <optional>
#include <vector>

namespace korvanta
{

// Runs the command line when it asks for --read, --help or --version, and gives the exit status
// (0 every text found something, 1 one found nothing, 2 a usage error); nothing for a command
// line that starts the window.
std::optional<int> runCommandLine(int argc, char *argv[]);

// Before the window's application is made: where there is no display to show the window on, says
// so and gives the exit status; otherwise nothing, and until windowStarted() a failure of Qt to
// open the display ends the program with a clear word and status 1 rather than an abort.
std::optional<int> refuseWithoutDisplay(int argc, char *argv[]);
// Once the window's application is made, with `arguments` what Qt left of the command line:
// an option that neither Qt nor Korvanta knows is a usage error (status 2).
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
