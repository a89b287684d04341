// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The plate reader from the command line, with no display and no window:
//   korvanta --read TEXT   the rows the suggestions would show for TEXT, one a line;
//   korvanta --read -      one text a line from standard input, each answered by its first row.
// Each row is five columns, tab-separated: the plate as read, its kind, the whole answer, the type
// and today's place.

#include <QStringList>

#include <optional>

namespace korvanta
{

struct Answer;

// The five columns of --read for an answer, tab-separated: the plate, its kind, the whole
// answer, the type and today's place. --photo prints them for each plate too.
QString readColumns(const Answer &answer);

// Runs the command line when it asks for --read, --help or --version, and gives the exit status
// (0 every text found something, 1 one found nothing, 2 a usage error); nothing for a command
// line that starts the window.
std::optional<int> runCommandLine(int argc, char *argv[]);

} // namespace korvanta
