// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Lists what the search looks through, for makesearch.py to index when the program is built:
// today's places first, then the catalogues in their order. One line a document, fields separated
// by tabs: the kind of plate, the items of the three lists (empty where missing), the letter after
// the province that the catalogue lacks (or nothing), and the text that is searched.
// It also stops the build where a civil key of the catalogue has no row in today's table.
//   searchdocs OUT.tsv

#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/special.h"
#include "catalogue/today.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

using namespace korvanta;

namespace
{

void write(QTextStream &out, const char *kind, Text first, Text second, Text third,
           const QString &text, Text missing = {})
{
    out << kind << '\t' << toQString(first) << '\t' << toQString(second) << '\t' << toQString(third)
        << '\t' << toQString(missing) << '\t' << text << '\n';
}

// Every key that the civil lists offer has a row in today's table: what it means today, or that
// it is no longer issued.
void checkTodayCoversTheCatalogue()
{
    for (Text province : civil::provinces()) {
        for (Text letter : civil::letters(toQString(province))) {
            if (!today::find(toQString(province), toQString(letter)))
                qFatal("today's table has no row for %s%s", qPrintable(toQString(province)),
                       qPrintable(toQString(letter)));
        }
    }
}

// Today's places, found by today's names: a key of the catalogue as its lists pick it, a letter
// the catalogue lacks as its province and that letter.
void writeToday(QTextStream &out)
{
    for (const today::Row &row : today::rows()) {
        if (row.meaning.place.empty())
            continue;
        const Text province = row.key.substr(0, 1);
        const Text letter = row.key.substr(1);
        // The place's own name alone: the first letters of a province's name and a place's
        // together ("省锦州", sjz) would find places that were never typed.
        const QString place = toQString(row.meaning.place);
        if (itemOf(civil::letters(toQString(province)), letter))
            write(out, "Civil", province, letter, {}, place);
        else
            write(out, "Civil", province, {}, {}, place, letter);
    }
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

    checkTodayCoversTheCatalogue();
    writeToday(out);
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
