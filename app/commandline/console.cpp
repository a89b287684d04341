// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/commandline/console.h"

#include <QByteArray>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace korvanta
{
namespace
{

void writeUtf8(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

} // namespace

#ifdef Q_OS_WIN
void write(FILE *stream, const QString &text)
{
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                      &written, nullptr);
        return;
    }
    writeUtf8(stream, text);
}

// The program is a windowed one, which Windows starts with no console: to print where it was
// started from, it joins the console of the program that started it.
void joinParentConsole()
{
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN)
        return;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
        if (GetStdHandle(STD_INPUT_HANDLE) == nullptr)
            std::freopen("CONIN$", "r", stdin);
    }
}
#else
void write(FILE *stream, const QString &text)
{
    writeUtf8(stream, text);
}

void joinParentConsole() {}
#endif

} // namespace korvanta
