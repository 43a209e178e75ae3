#pragma once
// The random numbers behind every shuffle (test items, answer choices, printed sheets).
#include <QList>
#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual double next() = 0; // uniform in [0, 1)
};

class ClockRandom final : public RandomSource {
public:
    void seedFromClock() override;
    double next() override;
private:
    std::mt19937_64 engine_{5489u};
};

// Seeds from the clock, then draws a permutation perm(1..n) of 1..n: each value is
// u * n + 0.5 rounded half to even, drawn again while it was drawn before.
// Returns the values in order (element i - 1 is perm(i)).
QList<int> drawPermutation(RandomSource &random, int n);
