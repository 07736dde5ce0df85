#include "platform/Random.h"

#include <QRandomGenerator>

#include <chrono>

namespace velto {

namespace {
QRandomGenerator generator;
} // namespace

void randomize()
{
    generator.seed(
        static_cast<quint32>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double rnd()
{
    return generator.generateDouble();
}

} // namespace velto
