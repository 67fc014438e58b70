#pragma once
// The real clock and random generator.

#include <array>
#include <cstdint>

#include "model/seams.h"

class SystemClock : public Clock {
public:
    QDateTime Now() const override;
};

// xoshiro256**: small and fast, so that reseeding it from the clock several
// times a tick costs next to nothing, as a tank that idles for months must.
class SystemRandom : public RandomSource {
public:
    SystemRandom();
    void Randomize() override;
    double Rnd() override;

private:
    std::uint64_t Next();
    void Seed(std::uint64_t value);

    std::array<std::uint64_t, 4> state_{};
};
