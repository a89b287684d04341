#pragma once

namespace korvanta
{

// Maps the form's font families, which Debian does not ship, to installed ones. Runs once,
// before the first widget is built; later calls do nothing.
void installFontSubstitutes();

} // namespace korvanta
