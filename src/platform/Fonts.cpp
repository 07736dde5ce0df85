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

// By Face; the designed names until resolved, Qt then picking its own fallback.
std::array<QString, 2> families{QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")};

} // namespace

void resolveDesignFonts()
{
    fonts::waitForConfiguration();
    // A missing family sends Qt through fontconfig's fallback search for
    // every new size and weight, a few milliseconds at start-up; naming the
    // installed stand-in skips it.
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(FallbackFamily, Qt::CaseInsensitive))
        return;
    for (QString& family : families) {
        if (!installed.contains(family, Qt::CaseInsensitive))
            family = FallbackFamily;
    }
}

QString familyFor(Face face)
{
    return families[static_cast<std::size_t>(face)];
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
