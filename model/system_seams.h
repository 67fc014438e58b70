#pragma once
// The real clock and random generator.

#include <random>

#include "model/seams.h"

class SystemClock : public Clock {
public:
    QDateTime Now() const override;
};

class SystemRandom : public RandomSource {
public:
    SystemRandom();
    void Randomize() override;
    double Rnd() override;

private:
    std::mt19937_64 engine_;
};
