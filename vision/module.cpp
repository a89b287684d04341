// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The module the program loads at the first photo, and its one entry.
#include "vision/photoreader.h"

korvanta::vision::PhotoReader *korvanta_new_photo_reader()
{
    return korvanta::vision::newPhotoReader().release();
}
