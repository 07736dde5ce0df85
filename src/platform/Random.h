#pragma once

namespace velto {

// The program's one random number generator, seeded from the clock.
void randomize();

// A uniform value in [0, 1).
double rnd();

} // namespace velto
