// ComputeReading cost on typed-looking names. Reports nanoseconds per
// character (the "ns_per_char" counter); the cost must grow linearly.
#include "engine/Reading.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

// Capital letters with a blank every few characters, as a typed name looks.
std::u16string typedName(std::size_t length)
{
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> letter(0, 25);
    std::uniform_int_distribution<int> word(2, 9);
    std::u16string name;
    name.reserve(length);
    int untilBlank = word(rng);
    while (name.size() < length) {
        if (untilBlank-- == 0) {
            name += u' ';
            untilBlank = word(rng);
        } else {
            name += static_cast<char16_t>(u'A' + letter(rng));
        }
    }
    return name;
}

void BM_ComputeReading(benchmark::State& state)
{
    const std::u16string name = typedName(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        velto::Reading r = velto::ComputeReading(name);
        benchmark::DoNotOptimize(r);
    }
    state.counters["ns_per_char"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(name.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(name.size()));
}
BENCHMARK(BM_ComputeReading)->Arg(10)->Arg(1000)->Arg(32767)->Arg(1000000);

void BM_ReduceNumber(benchmark::State& state)
{
    std::int16_t n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velto::ReduceNumber(n));
        n = static_cast<std::int16_t>((n + 7919) & 0x7FFF);
    }
}
BENCHMARK(BM_ReduceNumber);

} // namespace
