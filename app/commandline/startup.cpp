// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/commandline/startup.h"

#include "app/commandline/console.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <string_view>

#ifdef Q_OS_WIN
#include <cwchar>
#include <string>
#include <windows.h>
#endif

namespace korvanta
{
namespace
{

struct QtOption {
    std::string_view name;
    bool takesValue;
};

// The options that Qt's applications take, from QApplication's and QGuiApplication's
// documentation as the qt6options(7) manual page of KDE Frameworks gathers them, and -nograb and
// -dograb, which QGuiApplication's documentation adds. Each is written with one dash or two; one
// that takes a value takes it as the next argument or after "=".
constexpr QtOption kQtOptions[] = {
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
    {"reverse", false},
    {"qmljsdebugger", true},
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"dialogs", true},
    {"fontengine", true},
    {"nograb", false},
    {"dograb", false},
};

const QString kUsage = QStringLiteral(
    "usage: korvanta [Qt's window options], korvanta --read TEXT, korvanta --read -, "
    "korvanta --help, korvanta --help-all or korvanta --version\n");

void refuse(std::string_view option)
{
    joinParentConsole();
    write(stderr,
          QStringLiteral("korvanta: unknown option %1 (korvanta --help lists the options)\n")
              .arg(QString::fromLocal8Bit(option.data(), qsizetype(option.size()))));
    write(stderr, kUsage);
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

std::optional<int> refuseUnknownOptions(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument.size() < 2 || argument[0] != '-')
            continue;
        std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool valueGiven = equals != std::string_view::npos;
        name = name.substr(0, equals);
        const auto known = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                        [name](const QtOption &o) { return o.name == name; });
        if (known == std::end(kQtOptions)) {
            refuse(argument);
            return 2;
        }
        if (known->takesValue && !valueGiven)
            ++i; // its value, whatever it looks like
    }
    return std::nullopt;
}

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
    return std::nullopt;
}

void catchFatalStart()
{
    s_qtHandler = qInstallMessageHandler(failToStart);
}

std::optional<int> windowStarted(const QStringList &arguments)
{
    qInstallMessageHandler(s_qtHandler);
    for (const QString &argument : arguments.sliced(qMin(qsizetype(1), arguments.size()))) {
        if (argument.startsWith(u'-') && argument.size() > 1) {
            refuse(argument.toStdString());
            return 2;
        }
    }
    return std::nullopt;
}

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

} // namespace korvanta
