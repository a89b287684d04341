// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Colours that stay readable in light and dark colour schemes, measured as the contrast ratio of
// the Web Content Accessibility Guidelines: 1:1 for two equal colours up to 21:1 for black on
// white. Ordinary text needs 4.5:1.

#include <QColor>
#include <QPalette>

class QStyle;

namespace korvanta
{

constexpr double kReadableText = 4.5;
// What the colours below are chosen for: a margin above readable, so that the text stays readable
// however its strokes fall on the pixels.
constexpr double kChosenText = 5.0;
// Enough for a control's face to stand apart from the panel it sits on.
constexpr double kDistinctFace = 1.4;
// What a control's boundary (a ring, a frame) needs against what it sits on, and what the colour
// below is chosen for: a margin above it, for a line's smoothed edges.
constexpr double kVisibleBoundary = 3.0;
constexpr double kChosenBoundary = 4.0;

// The contrast ratio of two colours, from 1 to 21.
double contrast(const QColor &a, const QColor &b);

// Whether a scheme is dark: its window colour's lightness is below the middle.
bool isDark(const QColor &window);

// The form's answer blue: pure blue on a light background; on a dark one the darkest light blue
// that reads at 5:1 on it (or the lightest, where none does).
QColor answerBlue(const QColor &background);

// The colour of a control's boundary on `panel`: the grey nearest the panel's lightness, towards
// the text's, that stands at 4:1 against it (the text's colour where none does).
QColor boundaryColour(const QColor &panel, const QColor &text);

// A button face that stands apart from `panel` and keeps `text` readable: `preferred` where it
// does both, or else the nearest shade from the panel's lightness towards the text's.
QColor distinctFace(const QColor &preferred, const QColor &panel, const QColor &text);

// Windows' own styles draw controls as the system does, light whatever the scheme: on a dark
// scheme their text and the frames' captions could not be read. There the program is drawn by
// Fusion, which follows the scheme, with the scheme's palette completed: Qt 6.4's dark palette
// for Windows leaves some of the shades Fusion draws with light. Call it once the scheme is set.
void useStyleThatFollowsScheme();
// A dark palette with every shade Fusion draws with, from `given`'s window and text colours,
// keeping its highlight and links.
QPalette completedDark(const QPalette &given);
// Whether `style` is one of those.
bool drawsAsTheSystem(const QStyle *style);

} // namespace korvanta
