#pragma once

#include <QFont>

namespace velto {

enum class Face { Verdana, MsSansSerif };

// Starts reading the font configuration on a thread of its own, while Qt
// connects to the display, where that is slow (fontconfig); where no thread
// can start, reads it at once. Call at most once, before the application
// object exists; resolveDesignFonts() waits for it.
void preloadFontConfiguration();

// Chooses an installed font for each design face where the face itself is
// missing. Call once, after the application object exists and before any
// window is built.
void resolveDesignFonts();

// The family a design face is set in.
QString familyFor(Face face);

// The font of a control as designed: face, point size, weight, underline.
QFont designFont(Face face, double pointSize, bool bold = false, bool underline = false);

// Most controls are set in Verdana.
inline QFont verdana(double pointSize, bool bold = false, bool underline = false)
{
    return designFont(Face::Verdana, pointSize, bold, underline);
}

namespace fonts {

// Each system's half: waits until what preloadFontConfiguration() started
// is done.
void waitForConfiguration();

} // namespace fonts

} // namespace velto
