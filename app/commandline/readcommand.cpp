// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/commandline/readcommand.h"

#include "catalogue/description.h"
#include "catalogue/search.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#ifdef Q_OS_WIN
#include <cwchar>
#endif

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace korvanta
{
namespace
{

// What an option of ours asks for.
enum class Action : std::uint8_t { Read, Help, HelpAll, Version };

struct Option {
    Action action;
    // Its names: one character for a short option ("-h"), more for a long one ("--help").
    std::array<const char *, 3> names;
    const char *description;
    // The name of its value, for an option that takes one.
    const char *valueName = nullptr;
};

// Every option of ours. The window's own options, such as -style or -reverse, are Qt's: a
// command line with none of these starts the window, which reads them.
constexpr Option kOptions[] = {
    {Action::Read,
     {"read"},
     "Print the rows that the suggestions show for TEXT: the plate as read, its kind, the answer "
     "and the type, tab-separated. With - it reads one text a line from standard input and "
     "prints each with its first row.",
     "TEXT"},
    {Action::Help, {"h", "help", "?"}, "Displays help on commandline options."},
    {Action::HelpAll, {"help-all"}, "Displays help, with the window's own options."},
    {Action::Version, {"v", "version"}, "Displays version information."},
};

// What --help-all adds: the window's own options, which Qt reads.
const QString kWindowOptions = QStringLiteral(
    "\nWithout these options Korvanta opens its window, which also takes Qt's own options,\n"
    "such as -style NAME, -platform NAME and -reverse.\n");

// Whether `argument` names `option`: "--name" or "--name=value" for a long name, "-c" alone for a
// short one.
bool names(const Option &option, std::string_view argument)
{
    for (const char *name : option.names) {
        if (name == nullptr)
            continue;
        const std::string_view wanted(name);
        if (wanted.size() == 1 && argument.size() == 2 && argument[0] == '-' &&
            argument[1] == wanted[0])
            return true;
        if (wanted.size() > 1 && argument.starts_with("--") &&
            argument.substr(2, wanted.size()) == wanted &&
            (argument.size() == wanted.size() + 2 || argument[wanted.size() + 2] == '='))
            return true;
    }
    return false;
}

// Whether the command line is one for the reader rather than for the window.
bool asksForReader(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const Option &option : kOptions) {
            if (names(option, argv[i]))
                return true;
        }
    }
    return false;
}

// The first name of the option that asks for `action`, by which the parser knows it.
QString nameOf(Action action)
{
    for (const Option &option : kOptions) {
        if (option.action == action)
            return QString::fromLatin1(option.names[0]);
    }
    return {};
}

QCommandLineOption parserOption(const Option &option)
{
    QStringList names;
    for (const char *name : option.names) {
        if (name != nullptr)
            names << QString::fromLatin1(name);
    }
    return QCommandLineOption(names, QString::fromUtf8(option.description),
                              QString::fromLatin1(option.valueName));
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
    const Answer a = describe(row.reading);
    return QStringList{a.plate, kindName(a.kind), a.answer, typeOrKind(a), a.today}.join(u'\t');
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
    bool allFound = true;
    // Read to the end of the input, however slowly a pipe delivers it: one line out a line in.
    std::string bytes;
    while (std::getline(std::cin, bytes)) {
        QString line = QString::fromUtf8(bytes);
        if (line.endsWith(u'\r'))
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

// Whether the command line names a Qt platform of its own ("-platform NAME").
bool namesPlatform(int argc, char *argv[])
{
    return std::any_of(argv + 1, argv + argc, [](const char *a) {
        const std::string_view argument(a);
        return argument == "-platform" || argument == "--platform" ||
               argument.starts_with("-platform=") || argument.starts_with("--platform=");
    });
}

const QString kNoDisplay = QStringLiteral(
    "korvanta: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY "
    "is set); korvanta --read TEXT answers without one");

QtMessageHandler s_qtHandler = nullptr;

// While the window's application is made: Qt's word that it cannot open the display ends the
// program with that word and a clear one of ours, instead of an abort.
void failToStart(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (s_qtHandler)
            s_qtHandler(type, context, message);
        return;
    }
    write(stderr, message + u'\n');
    write(stderr, QStringLiteral("korvanta: the window cannot be shown here; korvanta --read "
                                 "TEXT answers without a display\n"));
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

std::optional<int> refuseWithoutDisplay(int argc, char *argv[])
{
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    const bool platformGiven =
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || namesPlatform(argc, argv);
    if (!platformGiven && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        write(stderr, kNoDisplay + u'\n');
        return 1;
    }
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
    s_qtHandler = qInstallMessageHandler(failToStart);
    return std::nullopt;
}

std::optional<int> windowStarted(const QStringList &arguments)
{
    qInstallMessageHandler(s_qtHandler);
    for (const QString &argument : arguments.sliced(qMin(qsizetype(1), arguments.size()))) {
        if (argument.startsWith(u'-') && argument.size() > 1) {
            write(stderr, QStringLiteral("korvanta: unknown option %1 (korvanta --help lists "
                                         "the options)\n")
                              .arg(argument));
            return 2;
        }
    }
    return std::nullopt;
}

#ifdef Q_OS_WIN
int startWindowProgram()
{
    // This program's folder, and the rest of its own command line after the program's name
    // (quoted or not), handed on as it stands.
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    path.resize(length);
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"korvanta.exe";
    const wchar_t *rest = GetCommandLineW();
    if (*rest == L'"') {
        rest = std::wcschr(rest + 1, L'"');
        rest = rest ? rest + 1 : L"";
    } else {
        while (*rest && *rest != L' ' && *rest != L'\t')
            ++rest;
    }
    std::wstring line = L"\"" + path + L"\"" + rest;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        write(stderr,
              QStringLiteral("korvanta: cannot start %1\n").arg(QString::fromStdWString(path)));
        return 1;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
}
#endif

WindowCommandLine::WindowCommandLine(int argc, char *argv[])
    : m_arguments(argv, argv + argc)
{
#ifdef Q_OS_WIN
    static char platform[] = "-platform";
    static char darkMode[] = "windows:darkmode=2";
    if (!namesPlatform(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        m_arguments.push_back(platform);
        m_arguments.push_back(darkMode);
    }
#endif
    m_count = int(m_arguments.size());
    m_arguments.push_back(nullptr);
}

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
    for (const Option &option : kOptions)
        parser.addOption(parserOption(option));
    if (!parser.parse(app.arguments())) {
        write(stderr, parser.errorText() + u'\n');
        return 2;
    }
    const auto isSet = [&parser](Action action) {
        return parser.isSet(nameOf(action));
    };
    if (isSet(Action::Help) || isSet(Action::HelpAll)) {
        write(stdout, parser.helpText() + (isSet(Action::HelpAll) ? kWindowOptions : QString()));
        return 0;
    }
    if (isSet(Action::Version)) {
        write(stdout, app.applicationName() + u' ' + app.applicationVersion() + u'\n');
        return 0;
    }
    const QStringList texts = parser.values(nameOf(Action::Read));
    if (texts.size() != 1 || !parser.positionalArguments().isEmpty()) {
        write(stderr, QStringLiteral("usage: korvanta --read TEXT, or korvanta --read -\n"));
        return 2;
    }
    const bool found = texts.front() == u'-' ? readLines() : readOne(texts.front());
    std::fflush(stdout);
    return found ? 0 : 1;
}

} // namespace korvanta
