#include "platform/Fonts.h"

namespace velto {

// The system's font list is read by Qt itself, quickly: nothing to start.
void preloadFontConfiguration()
{
}

void fonts::waitForConfiguration()
{
}

} // namespace velto
