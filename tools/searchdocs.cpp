// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Lists what the search looks through, in catalogue order, for makesearch.py to index when the
// program is built. One line a document, fields separated by tabs: the kind of plate, the items of
// the three lists (empty where missing), and the text that is searched.
//   searchdocs OUT.tsv

#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/special.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

using namespace korvanta;

namespace
{

void write(QTextStream &out, const char *kind, Text first, Text second, Text third,
           const QString &text)
{
    out << kind << '\t' << toQString(first) << '\t' << toQString(second) << '\t' << toQString(third)
        << '\t' << text << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        qFatal("usage: searchdocs OUT.tsv");
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", argv[1]);
    QTextStream out(&file);

    for (Text key : civil::describedKeys())
        write(out, "Civil", key.substr(0, 1), key.substr(1), {},
              toQString(*civil::describe(toQString(key.substr(0, 1)), toQString(key.substr(1)))));
    for (Text first : military::firstLevel())
        write(out, "Military", first, {}, {},
              toQString(*military::describeFirstLevel(toQString(first))));
    for (Text second : military::secondLevel())
        write(out, "Military", {}, second, {},
              toQString(*military::describeSecondLevel(toQString(second))));
    for (Text unit : armedpolice::numbers())
        write(out, "ArmedPolice", armedpolice::plainStyle(), unit, {},
              toQString(*armedpolice::describeNumber(toQString(unit))));
    for (Text branch : armedpolice::branches())
        write(out, "ArmedPolice", armedpolice::branchStyle(), {}, branch,
              toQString(*armedpolice::branchName(toQString(branch))));
    // A special item is found by its own text as well as by its remark.
    for (Text item : special::items())
        write(out, "Special", item, {}, {},
              toQString(item) + QChar(0x3000) + toQString(*special::describe(toQString(item))));
    return 0;
}
