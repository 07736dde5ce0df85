#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace velto {

namespace {

// Measured on the captions whose design sizes come from the text itself (the
// labels sized to their text): DejaVu Sans averages 0.998 of the designed
// widths (0.96 to 1.10), DejaVu Sans Condensed 0.90 and Liberation Sans 0.84.
// The closest widths keep the designed line breaks of the word-wrapped texts.
const QString FallbackFamily = QStringLiteral("DejaVu Sans");

constexpr std::array Faces{Face::Verdana, Face::MsSansSerif};

QString designedFamily(Face face)
{
    return face == Face::Verdana ? QStringLiteral("Verdana") : QStringLiteral("MS Sans Serif");
}

// Until resolved, the designed names; Qt then picks its own fallback.
std::array<QString, Faces.size()> resolvedFamilies{designedFamily(Face::Verdana),
                                                   designedFamily(Face::MsSansSerif)};

} // namespace

void resolveDesignFonts()
{
    fonts::waitForConfiguration();
    // A font asked for by a missing family sends Qt through fontconfig's
    // fallback search for every new size and weight, a few milliseconds at
    // start-up; naming the installed stand-in directly skips that search.
    const QStringList installed = QFontDatabase::families();
    const bool fallbackInstalled = installed.contains(FallbackFamily, Qt::CaseInsensitive);
    for (const Face face : Faces) {
        const QString designed = designedFamily(face);
        const bool useFallback = !installed.contains(designed, Qt::CaseInsensitive) && fallbackInstalled;
        resolvedFamilies[static_cast<std::size_t>(face)] = useFallback ? FallbackFamily : designed;
    }
}

QString familyFor(Face face)
{
    return resolvedFamilies[static_cast<std::size_t>(face)];
}

QFont designFont(Face face, double pointSize, bool bold, bool underline)
{
    QFont font(familyFor(face));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace velto
