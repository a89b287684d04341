// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/commandline/readcommand.h"

#include "app/commandline/console.h"
#include "app/commandline/photocommand.h"

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

namespace korvanta
{
namespace
{

// What an option of ours asks for.
enum class Action : std::uint8_t { Read, Photo, Help, HelpAll, Version };

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
     "Print the rows that the suggestions show for TEXT, five tab-separated columns: the plate "
     "as read, its kind, the answer, the type and today's place. With - it reads one text a "
     "line from standard input and prints each with its first row.",
     "TEXT"},
    {Action::Photo,
     {"photo"},
     "Read the plates in each photo FILE (more files may follow): a line for each plate, the "
     "file, the plate, the places of the characters it is unsure of, and the five columns of "
     "--read for the plate.",
     "FILE"},
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

QString rowLine(const search::Row &row)
{
    return readColumns(describe(row.reading));
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

} // namespace

QString readColumns(const Answer &a)
{
    return QStringList{a.plate, kindName(a.kind), a.answer, typeOrKind(a), a.today}.join(u'\t');
}

std::optional<int> runCommandLine(int argc, char *argv[])
{
    if (!asksForReader(argc, argv))
        return std::nullopt;
    joinParentConsole();
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
    if (isSet(Action::Photo)) {
        if (isSet(Action::Read)) {
            write(stderr,
                  QStringLiteral("usage: korvanta --photo FILE..., or korvanta --read TEXT\n"));
            return 2;
        }
        return readPhotos(parser.values(nameOf(Action::Photo)) + parser.positionalArguments());
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
