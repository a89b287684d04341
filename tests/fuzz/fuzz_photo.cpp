// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// A photo comes from anywhere: the photo reader must take any bytes as a file's (malformed,
// truncated, claiming to be huge), and any small picture as pixels (tiny, flat, noise).

#include "vision/photoreader.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::unique_ptr<korvanta::vision::PhotoReader> reader =
        korvanta::vision::newPhotoReader();
    if (size < 3)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));
    if (data[0] & 1) {
        (void)reader->readBytes(rest);
        return 0;
    }
    // A picture of up to 256 × 256 pixels, its pixels the bytes over again.
    const int width = data[1] + 1, height = data[2] + 1;
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < 3 * width; ++x)
            line[x] = rest.isEmpty() ? 0 : uchar(rest[(y * 3 * width + x) % rest.size()]);
    }
    const korvanta::vision::PhotoReading reading = reader->readImage(image);
    for (const auto &plate : reading.plates) {
        if (plate.text.size() < 7 || plate.text.size() > 8)
            __builtin_trap();
    }
    return 0;
}
