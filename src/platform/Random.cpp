#include "platform/Random.h"

#include <chrono>
#include <random>

namespace velto {

namespace {
std::mt19937 generator;
} // namespace

void randomize()
{
    generator.seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double rnd()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

} // namespace velto
