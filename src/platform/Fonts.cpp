#include "Fonts.h"


namespace velto {

namespace {

// Measured on the captions whose design sizes come from the text itself (the
// labels sized to their text): DejaVu Sans averages 0.998 of the designed
// widths (0.96 to 1.10), DejaVu Sans Condensed 0.90 and Liberation Sans 0.84.
// The closest widths keep the designed line breaks of the word-wrapped texts.
constexpr auto FallbackFamily = "DejaVu Sans";

QString familyOf(Face face)
{
    return face == Face::Verdana ? QStringLiteral("Verdana") : QStringLiteral("MS Sans Serif");
}

} // namespace

void installFontSubstitutions()
{
    // A substitute is used only where the family itself is missing, so there
    // is no need to ask the font database first (which would load it before
    // the first window needs it).
    for (const Face face : {Face::Verdana, Face::MsSansSerif})
        QFont::insertSubstitution(familyOf(face), QString::fromLatin1(FallbackFamily));
}

QFont designFont(Face face, double pointSize, bool bold, bool underline)
{
    QFont font(familyOf(face));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace velto
