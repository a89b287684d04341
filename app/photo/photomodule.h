// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The photo reader's module, loaded at the first photo (never at start-up): nothing of it, nor
// of OpenCV, is in the program before.

#include "vision/photoreader.h"

#include <QString>

#include <memory>

namespace korvanta
{

// A new photo reader from the module, looked for beside the program (as built) and where it is
// installed; none where it is not there, with why in `why`.
std::unique_ptr<vision::PhotoReader> loadPhotoReader(QString &why);

} // namespace korvanta
