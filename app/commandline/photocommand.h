// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// korvanta --photo FILE...: every plate found in every photo, one a line,
//   FILE <TAB> PLATE <TAB> DOUBT <TAB> the five columns of --read for PLATE
// with DOUBT the places (from 1) of the characters the reader is unsure of, comma-separated;
// a photo with no plate gives "FILE <TAB> <TAB> 没有找到车牌". A file that cannot be read gets a
// line on standard error, and the others are still read.

#include <QStringList>

namespace korvanta
{

// Reads the photos and gives the exit status: 0 when every file gave a plate, 1 when one gave
// none or could not be read (or the photo reader is not there).
int readPhotos(const QStringList &files);

} // namespace korvanta
