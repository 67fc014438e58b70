#include "model/system_seams.h"

#include <chrono>
#include <random>

namespace {

// splitmix64: spreads one 64-bit value over a whole state.
std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

}  // namespace

QDateTime SystemClock::Now() const
{
    return QDateTime::currentDateTime();
}

SystemRandom::SystemRandom()
{
    std::random_device entropy;
    Seed((std::uint64_t(entropy()) << 32) ^ entropy());
}

void SystemRandom::Seed(std::uint64_t value)
{
    for (std::uint64_t& word : state_) {
        word = SplitMix(value);
    }
}

void SystemRandom::Randomize()
{
    // The generator's own output mixed with the clock: two reseeds within the
    // same clock tick still give different sequences.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Seed(Next() ^ std::uint64_t(ticks));
}

std::uint64_t SystemRandom::Next()
{
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

double SystemRandom::Rnd()
{
    // 53 random bits: uniform on [0, 1), never 1.
    return double(Next() >> 11) * 0x1.0p-53;
}
