// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// How well and how fast the photo reader reads, measured on photos it never trained on.
//   bench_photos PHOTOS [RENDERED]
// PHOTOS holds crops/ (plates cut from photos, each named by its plate) and scenes/ (whole
// photos, with labels.tsv); of the crops only those the training holds apart are measured (it
// keeps a crop apart where the first byte of the SHA-256 of its name is 128 or more). RENDERED
// holds rendered photos named NNNN-PLATE.jpg (tools/train/examples.py --many). For each set it
// prints exact plates, right origins (the first two characters), confident wrong origins (a wrong
// first or second character not marked as in doubt), and for whole photos the plates found and
// the false finds; then the time per photo against decoding the same JPEG with QImage, measured
// in the same run, and the time per crop.

#include "vision/photoreader.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korvanta::vision;

namespace
{

struct Tally {
    int plates = 0;      // plates there are to read
    int found = 0;       // of those, found
    int exact = 0;       // read exactly
    int origin = 0;      // first two characters right
    int wrongOrigin = 0; // first or second wrong and not marked
    int falseFinds = 0;  // plates claimed where there is none
    int photosWithout = 0;

    void add(const QString &truth, const FoundPlate *read)
    {
        ++plates;
        if (!read)
            return;
        ++found;
        exact += read->text == truth;
        const bool originRight = read->text.left(2) == truth.left(2);
        origin += originRight;
        for (int place : {1, 2}) {
            if (read->text.size() >= place && truth.size() >= place &&
                read->text[place - 1] != truth[place - 1] && !read->doubtful.contains(place)) {
                ++wrongOrigin;
                break;
            }
        }
    }
};

QString percent(int part, int whole)
{
    return whole == 0 ? QStringLiteral("-")
                      : QStringLiteral("%1 %").arg(100.0 * part / whole, 0, 'f', 1);
}

void print(const QString &set, const Tally &t, bool photos)
{
    std::printf("%-26s %6d  %8s  %8s  %8s", qPrintable(set), t.plates,
                qPrintable(percent(t.exact, t.plates)), qPrintable(percent(t.origin, t.plates)),
                qPrintable(percent(t.wrongOrigin, t.plates)));
    if (photos)
        std::printf("  %8s  %d in %d photos without a plate",
                    qPrintable(percent(t.found, t.plates)), t.falseFinds, t.photosWithout);
    std::printf("\n");
}

double median(std::vector<double> times)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The plate read in a photo that shows `truth`: the one with the most characters in place.
const FoundPlate *bestMatch(const PhotoReading &reading, const QString &truth)
{
    const FoundPlate *best = nullptr;
    int most = -1;
    for (const FoundPlate &plate : reading.plates) {
        int same = 0;
        for (qsizetype i = 0; i < std::min(plate.text.size(), truth.size()); ++i)
            same += plate.text[i] == truth[i];
        if (same > most)
            std::tie(best, most) = std::tuple(&plate, same);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_photos PHOTOS [RENDERED]\n");
        return 2;
    }
    const QDir photos(QString::fromLocal8Bit(argv[1]));
    const std::unique_ptr<PhotoReader> reader = newPhotoReader();
    std::printf("%-26s %6s  %8s  %8s  %8s  %8s  %s\n", "set", "plates", "exact", "origin", "wrong",
                "found", "false finds");

    // Crops the training held apart.
    Tally crops;
    std::vector<double> perCrop;
    const QDir cropDir(photos.filePath(QStringLiteral("crops")));
    for (const QString &name : cropDir.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
        if (quint8(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256)[0]) < 128)
            continue;
        const QImage image(cropDir.filePath(name));
        QElapsedTimer timer;
        timer.start();
        const std::optional<FoundPlate> plate = reader->readPlate(image);
        perCrop.push_back(double(timer.nsecsElapsed()) / 1e6);
        crops.add(QFileInfo(name).completeBaseName(), plate ? &*plate : nullptr);
    }
    print(QStringLiteral("real crops, held apart"), crops, false);

    // Whole photos, none trained on.
    Tally scenes;
    std::vector<double> decoding, reading;
    QFile labels(photos.filePath(QStringLiteral("scenes/labels.tsv")));
    if (labels.open(QIODevice::ReadOnly)) {
        QTextStream in(&labels);
        in.readLine();
        while (!in.atEnd()) {
            const QStringList row = in.readLine().split(u'\t');
            if (row.size() < 2)
                continue;
            const QString file = photos.filePath(QStringLiteral("scenes/") + row[0]);
            QElapsedTimer timer;
            timer.start();
            const QImage decoded = QImageReader(file).read();
            decoding.push_back(double(timer.nsecsElapsed()) / 1e6);
            timer.restart();
            const PhotoReading read = reader->readFile(file);
            reading.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (row[1] == QStringLiteral("NONE")) {
                ++scenes.photosWithout;
                scenes.falseFinds += int(read.plates.size());
            } else if (row[1] != QStringLiteral("UNREADABLE")) {
                scenes.add(row[1], bestMatch(read, row[1]));
            }
        }
    }
    print(QStringLiteral("real photos"), scenes, true);

    // Rendered photos the training never drew.
    if (argc > 2) {
        Tally rendered;
        const QDir dir(QString::fromLocal8Bit(argv[2]));
        for (const QString &name : dir.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
            const QString truth = QFileInfo(name).completeBaseName().section(u'-', 1);
            rendered.add(truth, bestMatch(reader->readFile(dir.filePath(name)), truth));
        }
        print(QStringLiteral("rendered photos"), rendered, true);
    }

    std::printf("\ntime per photo (720 x 1160): %.1f ms, decoding it with QImage %.1f ms: %.1fx\n",
                median(reading), median(decoding),
                median(reading) / std::max(1e-9, median(decoding)));
    std::printf("time per crop: %.2f ms\n", median(perCrop));
    return 0;
}
