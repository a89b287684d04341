// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

namespace korvanta
{

// Registers the window's own faces from the program's resources and maps the form's font
// families to them. Runs once, after the application object exists and before the first widget
// is built; later calls do nothing.
void installFontSubstitutes();

// The families of the window's own faces, as registered: the serif for the form's 宋体 and
// 华文中宋, the sans for 华文细黑 and the Latin face of the "About..." button.
QStringList windowFamilies();

} // namespace korvanta
