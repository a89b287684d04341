// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/commandline/photocommand.h"

#include "app/commandline/console.h"
#include "app/commandline/readcommand.h"
#include "app/photo/photomodule.h"
#include "catalogue/description.h"
#include "catalogue/search.h"
#include "vision/photoreader.h"

#include <memory>

namespace korvanta
{
namespace
{

const QString kNoPlate = QStringLiteral("没有找到车牌");
// What the answer adds where the province or the letter is in doubt: the origin is too.
const QString kDoubtfulOrigin = QStringLiteral("（来历存疑）");

// A plate's line: the file, the plate, its doubtful places, and what --read says of it.
QString plateLine(const QString &file, const vision::FoundPlate &plate)
{
    QStringList doubt;
    for (int place : plate.doubtful)
        doubt << QString::number(place);
    QStringList columns{file, plate.text, doubt.join(u',')};
    const search::Rows rows = search::lookUp(plate.text);
    if (rows.empty()) {
        columns << toQString(kNothingFound);
        return columns.join(u'\t');
    }
    Answer a = describe(rows[0].reading);
    if (plate.doubtful.contains(1) || plate.doubtful.contains(2))
        a.answer += kDoubtfulOrigin;
    return columns.join(u'\t') + u'\t' + readColumns(a);
}

} // namespace

int readPhotos(const QStringList &files)
{
    QString why;
    const std::unique_ptr<vision::PhotoReader> reader = loadPhotoReader(why);
    if (!reader) {
        write(stderr,
              QStringLiteral("korvanta: the photo reader is not installed (%1)\n").arg(why));
        return 1;
    }
    bool everyFileHadAPlate = true;
    for (const QString &file : files) {
        const vision::PhotoReading reading = reader->readFile(file);
        if (!reading.error.isEmpty()) {
            write(stderr, QStringLiteral("korvanta: %1: %2\n").arg(file, reading.error));
            everyFileHadAPlate = false;
            continue;
        }
        if (reading.plates.isEmpty()) {
            write(stdout, file + QStringLiteral("\t\t") + kNoPlate + u'\n');
            everyFileHadAPlate = false;
        }
        for (const vision::FoundPlate &plate : reading.plates)
            write(stdout, plateLine(file, plate) + u'\n');
        std::fflush(stdout);
    }
    return everyFileHadAPlate ? 0 : 1;
}

} // namespace korvanta
