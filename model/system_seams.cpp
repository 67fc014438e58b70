#include "model/system_seams.h"

#include <chrono>

QDateTime SystemClock::Now() const
{
    return QDateTime::currentDateTime();
}

SystemRandom::SystemRandom()
{
    std::random_device entropy;
    std::seed_seq seed{entropy(), entropy(), entropy(), entropy()};
    engine_.seed(seed);
}

void SystemRandom::Randomize()
{
    // Mixing the generator's own output with the clock means two reseeds in
    // the same clock tick still give different sequences.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto own = engine_();
    std::seed_seq seed{std::uint32_t(own), std::uint32_t(own >> 32), std::uint32_t(ticks),
                       std::uint32_t(std::uint64_t(ticks) >> 32)};
    engine_.seed(seed);
}

double SystemRandom::Rnd()
{
    // 53 random bits: uniform on [0, 1), never 1.
    return double(engine_() >> 11) * 0x1.0p-53;
}
