#pragma once

#include <QFont>

namespace velto {

enum class Face { Verdana, MsSansSerif };

// Maps the design faces to installed fonts where they are missing. Call once,
// after the application object exists and before any window is built.
void installFontSubstitutions();

// The font of a control as designed: face, point size, weight, underline.
QFont designFont(Face face, double pointSize, bool bold = false, bool underline = false);

// Most controls are set in Verdana.
inline QFont verdana(double pointSize, bool bold = false, bool underline = false)
{
    return designFont(Face::Verdana, pointSize, bold, underline);
}

} // namespace velto
