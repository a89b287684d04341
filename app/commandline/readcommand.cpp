// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/commandline/readcommand.h"

#include "catalogue/description.h"
#include "catalogue/search.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace korvanta
{
namespace
{

// Whether the command line is one for the reader rather than for the window (whose own options,
// such as -platform or -style, Qt reads).
bool asksForReader(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option :
             {"--read", "--help", "-h", "--help-all", "-?", "--version", "-v"}) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    }
    return false;
}

#ifdef Q_OS_WIN
// The program is a windowed one, which Windows starts with no console: to print where it was
// started from (cmd, PowerShell), it joins the console of the program that started it, unless
// its output already goes to a file or a pipe.
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

// Text for a console is written as UTF-16, whatever its code page; for a file or a pipe, UTF-8.
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
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}
#else
void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}
#endif

QString rowLine(const search::Row &row)
{
    const Columns c = columns(row.reading);
    return QStringList{c.plate, c.kind, c.answer, c.type}.join(u'\t');
}

// Every row for one text; whether there was any.
bool readOne(const QString &text)
{
    const search::Rows rows = search::lookUp(text);
    if (rows.empty()) {
        write(stdout, toQString(kNothingFound) + u'\n');
        return false;
    }
    for (const search::Row &row : rows)
        write(stdout, rowLine(row) + u'\n');
    return true;
}

// One line of output a line of input: the input and its first row.
bool readLines()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return false;
    bool allFound = true;
    while (!in.atEnd()) {
        QString line = QString::fromUtf8(in.readLine());
        while (line.endsWith(u'\n') || line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            write(stdout, line + u'\n');
            continue;
        }
        const search::Rows rows = search::lookUp(line);
        allFound &= !rows.empty();
        write(stdout,
              line + u'\t' + (rows.empty() ? toQString(kNothingFound) : rowLine(rows[0])) + u'\n');
        std::fflush(stdout);
    }
    return allFound;
}

} // namespace

std::optional<int> runCommandLine(int argc, char *argv[])
{
    if (!asksForReader(argc, argv))
        return std::nullopt;
#ifdef Q_OS_WIN
    joinParentConsole();
#endif
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Korvanta: where a Chinese number plate comes from.\n"
                       "Without options it opens its window."));
    const QCommandLineOption read(
        QStringLiteral("read"),
        QStringLiteral("Print the rows that the suggestions show for TEXT: the plate as read, "
                       "its kind, the answer and the type, tab-separated. With - it reads one "
                       "text a line from standard input and prints each with its first row."),
        QStringLiteral("TEXT"));
    parser.addOption(read);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(app.arguments())) {
        write(stderr, parser.errorText() + u'\n');
        return 2;
    }
    if (parser.isSet(help)) {
        write(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        write(stdout, app.applicationName() + u' ' + app.applicationVersion() + u'\n');
        return 0;
    }
    const QStringList texts = parser.values(read);
    if (texts.size() != 1 || !parser.positionalArguments().isEmpty()) {
        write(stderr, QStringLiteral("usage: korvanta --read TEXT, or korvanta --read -\n"));
        return 2;
    }
    const bool found = texts.front() == u'-' ? readLines() : readOne(texts.front());
    std::fflush(stdout);
    return found ? 0 : 1;
}

} // namespace korvanta
