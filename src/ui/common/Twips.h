#pragma once

namespace velto {

// Designs are laid out in twips; 15 twips make one device-independent pixel
// (96 dpi). Qt's high-DPI scaling takes it from there.
constexpr int twips(int t)
{
    return t >= 0 ? (t + 7) / 15 : -((-t + 7) / 15);
}

} // namespace velto
