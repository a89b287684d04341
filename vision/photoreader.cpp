// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "vision/photoreader.h"

#include "vision/check.h"
#include "vision/finder.h"
#include "vision/model.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace korvanta::vision
{
namespace
{

// A candidate is a plate where the reader is this sure of it on the whole (the geometric mean
// of its characters' likelihoods) and no more than two of its characters are in doubt: three
// let a noise picture's stripes pass for a plate.
constexpr double kPlateSureness = 0.7;
constexpr qsizetype kMostDoubtful = 2;

PhotoReading failed(PhotoProblem problem, const QString &why)
{
    PhotoReading reading;
    reading.problem = problem;
    reading.error = why;
    return reading;
}

struct Candidate {
    FoundPlate plate;
    double likelihood;
    cv::Rect bounds;
};

// The pixels of an RGB888 picture as OpenCV sees them, without a copy: valid while `image` is.
cv::Mat pixelsOf(const QImage &image)
{
    return cv::Mat(image.height(), image.width(), CV_8UC3, const_cast<uchar *>(image.constBits()),
                   std::size_t(image.bytesPerLine()));
}

double overlap(const cv::Rect &a, const cv::Rect &b)
{
    const double shared = (a & b).area();
    return shared / std::max(1.0, double(std::min(a.area(), b.area())));
}

class Reader : public PhotoReader
{
public:
    PhotoReading readFile(const QString &file) override
    {
        const QFileInfo info(file);
        if (!info.exists())
            return failed(PhotoProblem::Missing, QStringLiteral("no such file"));
        if (info.isDir())
            return failed(PhotoProblem::Folder, QStringLiteral("a folder, not a picture"));
        QImageReader reader(file);
        return readFrom(reader);
    }

    PhotoReading readBytes(const QByteArray &bytes) override
    {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer);
        return readFrom(reader);
    }

    // Decodes a picture only where it is one, of a bounded size, and reads it.
    PhotoReading readFrom(QImageReader &reader)
    {
        reader.setAutoTransform(true);
        if (!reader.canRead())
            return failed(
                PhotoProblem::NotAPicture,
                QStringLiteral("not a picture that can be read (%1)").arg(reader.errorString()));
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > kMostSide || size.height() > kMostSide ||
                               qint64(size.width()) * size.height() > kMostPixels))
            return failed(PhotoProblem::TooLarge,
                          QStringLiteral("a picture too large to read (%1 × %2 pixels)")
                              .arg(size.width())
                              .arg(size.height()));
        const QImage image = reader.read();
        if (image.isNull())
            return failed(
                PhotoProblem::Undecodable,
                QStringLiteral("the picture cannot be decoded (%1)").arg(reader.errorString()));
        return readImage(image);
    }

    PhotoReading readImage(const QImage &image) override
    {
        if (image.isNull())
            return failed(PhotoProblem::NotAPicture, QStringLiteral("an empty picture"));
        if (const QString why = m_model.load(); !why.isEmpty())
            return failed(PhotoProblem::NoModel, why);
        const QImage rgbImage = image.convertToFormat(QImage::Format_RGB888);
        const cv::Mat rgb = pixelsOf(rgbImage);
        cv::Mat bgr;
        cv::cvtColor(rgb, bgr, cv::COLOR_RGB2BGR);

        // Every candidate cut out and straightened, then read at once.
        const std::vector<Corners> candidates = findCandidates(bgr);
        std::vector<cv::Mat> cuts;
        for (const Corners &corners : candidates)
            cuts.push_back(straighten(rgb, corners, cv::Size(kPlateWidth, kPlateHeight)));
        const std::vector<Likelihoods> likelihoods = m_model.read(cuts);
        std::vector<Candidate> plates;
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const Corners &corners = candidates[i];
            const std::optional<Checked> checked = check(likelihoods[i]);
            if (!checked || checked->doubtful.size() > kMostDoubtful)
                continue;
            const double sureness =
                std::pow(checked->likelihood, 1.0 / double(checked->text.size() + 1));
            if (sureness < kPlateSureness)
                continue;
            const cv::Mat shown = straighten(
                rgb, corners,
                cv::Size(kPlateWidth * kShownPlateScale, kPlateHeight * kShownPlateScale));
            Candidate c{plateOf(*checked, shown), checked->likelihood,
                        cv::boundingRect(std::vector<cv::Point2f>(corners.begin(), corners.end()))};
            for (std::size_t corner = 0; corner < 4; ++corner)
                c.plate.corners[corner] = QPointF(corners[corner].x, corners[corner].y);
            plates.push_back(std::move(c));
        }
        // Where candidates overlap, they are one plate: the likelier reading stays.
        std::sort(plates.begin(), plates.end(), [](const Candidate &a, const Candidate &b) {
            return a.likelihood > b.likelihood;
        });
        std::vector<Candidate> kept;
        for (Candidate &c : plates) {
            if (std::none_of(kept.begin(), kept.end(),
                             [&](const Candidate &k) { return overlap(k.bounds, c.bounds) > 0.3; }))
                kept.push_back(std::move(c));
        }
        // Reading order: by rows from the top, then from the left.
        std::sort(kept.begin(), kept.end(), [](const Candidate &a, const Candidate &b) {
            const int row = std::max(a.bounds.height, b.bounds.height) / 2;
            if (std::abs(a.bounds.y - b.bounds.y) > row)
                return a.bounds.y < b.bounds.y;
            return a.bounds.x < b.bounds.x;
        });
        PhotoReading reading;
        reading.picture = image;
        for (Candidate &c : kept)
            reading.plates << std::move(c.plate);
        return reading;
    }

    std::optional<FoundPlate> readPlate(const QImage &plate) override
    {
        if (plate.isNull() || !m_model.load().isEmpty())
            return std::nullopt;
        const QImage rgbImage =
            plate.convertToFormat(QImage::Format_RGB888)
                .scaled(kPlateWidth, kPlateHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const cv::Mat cut = pixelsOf(rgbImage);
        const std::optional<Checked> checked = check(m_model.read({cut}).front());
        if (!checked)
            return std::nullopt;
        FoundPlate found = plateOf(*checked, cut);
        found.corners = {QPointF(0, 0), QPointF(plate.width(), 0),
                         QPointF(plate.width(), plate.height()), QPointF(0, plate.height())};
        return found;
    }

private:
    static FoundPlate plateOf(const Checked &checked, const cv::Mat &cut)
    {
        FoundPlate plate;
        plate.colour = checked.colour;
        plate.text = checked.text;
        plate.sureness = checked.sureness;
        plate.doubtful = checked.doubtful;
        plate.straightened =
            QImage(cut.data, cut.cols, cut.rows, int(cut.step), QImage::Format_RGB888).copy();
        return plate;
    }

    Model m_model;
};

} // namespace

std::unique_ptr<PhotoReader> newPhotoReader()
{
    return std::make_unique<Reader>();
}

} // namespace korvanta::vision
