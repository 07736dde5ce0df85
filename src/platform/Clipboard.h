#pragma once

namespace velto {

// Empties the clipboard and, where the platform has one, the X11 selection.
void emptyClipboard();

} // namespace velto
