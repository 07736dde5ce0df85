#pragma once

#include <QFont>

namespace velto {

enum class Face { Verdana, MsSansSerif };

// Starts reading the font configuration (fontconfig, slow) on a thread of its
// own while Qt connects to the display, or at once where no thread can start.
// Call at most once, before the application exists.
void preloadFontConfiguration();

// Chooses an installed stand-in for each missing design face. Call once,
// after the application exists and before any window is built.
void resolveDesignFonts();

QString familyFor(Face face);

QFont designFont(Face face, double pointSize, bool bold = false, bool underline = false);

// Most controls are set in Verdana.
inline QFont verdana(double pointSize, bool bold = false, bool underline = false)
{
    return designFont(Face::Verdana, pointSize, bold, underline);
}

namespace fonts {

// Each system's half: waits until what preloadFontConfiguration() started is done.
void waitForConfiguration();

} // namespace fonts

} // namespace velto
