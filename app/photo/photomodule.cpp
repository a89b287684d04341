// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/photo/photomodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace korvanta
{

using NewReader = vision::PhotoReader *(*)();

// Beside the program (as built), or where it is installed, in the library folder beside the
// program's folder (bin/../lib/korvanta).
std::unique_ptr<vision::PhotoReader> loadPhotoReader(QString &why)
{
    const QDir programs(QCoreApplication::applicationDirPath());
    const QStringList places = {programs.path(),
                                programs.filePath(QStringLiteral(KORVANTA_PHOTOREADER_DIR))};
    for (const QString &place : places) {
        QLibrary module(QDir(place).filePath(QStringLiteral("korvanta-photoreader")));
        if (const auto make = NewReader(module.resolve("korvanta_new_photo_reader")))
            return std::unique_ptr<vision::PhotoReader>(make());
        why = module.errorString();
    }
    return nullptr;
}

} // namespace korvanta
