#include "rules/random.h"

#include <chrono>
#include <cmath>

void ClockRandom::seedFromClock()
{
    engine_.seed(std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count())
                 ^ std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
}

double ClockRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

QList<int> drawPermutation(RandomSource &random, int n)
{
    random.seedFromClock();
    QList<int> perm;
    if (n <= 0)
        return perm;
    perm.reserve(n);
    std::vector<bool> drawn(size_t(n) + 1, false);
    // A draw of exactly 0 would round to 0, outside 1..n: it is drawn again like a repeat.
    // The bound only guards against a source that never yields the missing values.
    const int maxTries = 1000 * n + 1000;
    int tries = 0;
    while (perm.size() < n && tries < maxTries) {
        ++tries;
        const int r = int(std::nearbyint(random.next() * n + 0.5));
        if (r < 1 || r > n || drawn[size_t(r)])
            continue;
        drawn[size_t(r)] = true;
        perm.append(r);
    }
    for (int r = 1; r <= n && perm.size() < n; ++r) {
        if (!drawn[size_t(r)])
            perm.append(r);
    }
    return perm;
}
