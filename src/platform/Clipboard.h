#pragma once

namespace velto {

// Empties the clipboard and, where the platform has one, the X11 selection,
// so that nothing selected or copied survives in either.
void emptyClipboard();

} // namespace velto
