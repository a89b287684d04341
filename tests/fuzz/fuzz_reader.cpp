// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Pasted text comes from anywhere: the plate reader, the search and the description of every row
// they give must take any text, as UTF-8 or as raw UTF-16 (lone surrogates and all).

#include "catalogue/description.h"
#include "catalogue/platereader.h"
#include "catalogue/search.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    QString text;
    if (data[0] & 1) {
        text.resize(qsizetype((size - 1) / 2));
        std::memcpy(text.data(), data + 1, std::size_t(text.size()) * 2);
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    }
    const korvanta::plates::Readings readings = korvanta::plates::read(text);
    for (const korvanta::Reading &reading : readings)
        (void)korvanta::describe(reading);
    const korvanta::search::Rows rows = korvanta::search::lookUp(text);
    for (const korvanta::search::Row &row : rows) {
        // Every row names a plate, and says where it comes from or what it is.
        const korvanta::Answer a = korvanta::describe(row.reading);
        if (a.plate.isEmpty() || (a.answer.isEmpty() && korvanta::typeOrKind(a).isEmpty()))
            __builtin_trap();
    }
    return 0;
}
