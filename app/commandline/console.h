// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Writing to the console the program was started from: on Windows a windowed program has none
// until it joins its parent's, and a console takes UTF-16 whatever its code page; elsewhere, and
// for a file or a pipe, the text is written as UTF-8.

#include <QString>

#include <cstdio>

namespace korvanta
{

// Writes `text` to `stream` (stdout or stderr) as the console or the file behind it reads it.
void write(FILE *stream, const QString &text);

// On Windows, joins the console of the program that started this one (cmd, PowerShell), unless
// the output already goes to a file or a pipe; elsewhere nothing.
void joinParentConsole();

} // namespace korvanta
