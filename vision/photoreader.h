// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The photo reader: every plate in a picture, where it is, its colour, its characters as read
// and how sure the reader is of each. It lives in a module of its own (korvanta_photoreader),
// which the program loads at the first photo: nothing of it, nor of OpenCV, is loaded before.

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace korvanta::vision
{

// A plate's colour, as GA 36-2018 gives them.
enum class PlateColour : std::uint8_t { Blue, Yellow, Green, YellowGreen, White, Black };

struct FoundPlate {
    // Where the plate is in the picture: its corners, clockwise from the top left.
    std::array<QPointF, 4> corners{};
    PlateColour colour = PlateColour::Blue;
    // The plate as read, without a dot; always of a shape that plates have.
    QString text;
    // How sure the reader is of each character, from 0 to 1.
    QList<float> sureness;
    // The places (from 1) of the characters it is unsure of.
    QList<int> doubtful;
    // The plate as cut from the picture and straightened, kShownPlateScale times the reader's own
    // cut, for a person to see.
    QImage straightened;
};

// Why a picture was not read.
enum class PhotoProblem : std::uint8_t {
    None,
    Missing,
    Folder,
    NotAPicture, // not a format that can be read, or empty
    TooLarge,    // larger than kMostSide or kMostPixels
    Undecodable, // a picture's header, but its pixels cannot be decoded (a truncated file)
    NoModel,     // the reader's model cannot be loaded
};

struct PhotoReading {
    // Empty where the picture could be read; else why not, in a sentence.
    QString error;
    PhotoProblem problem = PhotoProblem::None;
    // In reading order: top to bottom, then left to right.
    QList<FoundPlate> plates;
    // The picture as decoded (upright), which the corners are in; null where it was not read.
    QImage picture;
};

class PhotoReader
{
public:
    virtual ~PhotoReader() = default;
    // Reads the picture in `file`, decoding it only where it is a picture of a bounded size.
    virtual PhotoReading readFile(const QString &file) = 0;
    virtual PhotoReading readImage(const QImage &image) = 0;
    // The same for a picture's bytes (pasted, or dropped from another program).
    virtual PhotoReading readBytes(const QByteArray &bytes) = 0;
    // Reads a picture that is a plate already cut and straightened (a crop), without finding it
    // first: its likeliest reading, whatever its sureness; none where no shape fits at all.
    virtual std::optional<FoundPlate> readPlate(const QImage &plate) = 0;
};

// The longest side and the most pixels of a picture that is decoded; a larger one is refused
// before its pixels are read.
constexpr int kMostSide = 12000;
constexpr qint64 kMostPixels = 40'000'000;
// How much larger than the cut the reader reads a straightened plate is shown: 384 × 96 pixels,
// crisp on a screen of twice the usual density.
constexpr int kShownPlateScale = 3;

// A new reader, which loads the model at its first picture.
std::unique_ptr<PhotoReader> newPhotoReader();

} // namespace korvanta::vision

// The module's one entry (module.cpp): newPhotoReader(), for a program that loads the module.
extern "C" Q_DECL_EXPORT korvanta::vision::PhotoReader *korvanta_new_photo_reader();
