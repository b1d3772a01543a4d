// The host's conic pairs alone: a seeded set of crossing ellipse pairs of the
// sizes the outlines hand over (socket rims and bend sections seen aslant).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "geomcalc.h"

namespace {

struct Pair {
    tagRELL a, b;
};

std::vector<Pair> pairs()
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> pos(-40, 40), axis(20, 200), angle(0, 360);
    std::vector<Pair> out(1000);
    for (Pair& p : out) {
        p.a = {pos(rng), pos(rng), axis(rng), axis(rng), angle(rng)};
        p.b = {pos(rng), pos(rng), axis(rng), axis(rng), angle(rng)};
    }
    return out;
}

void BM_EllipsePairs(benchmark::State& st)
{
    const std::vector<Pair> set = pairs();
    tagRPT p[4];
    int flags[4];
    for (auto _ : st)
        for (const Pair& q : set) benchmark::DoNotOptimize(GCG111(&q.a, &q.b, p, flags));
    st.SetItemsProcessed(st.iterations() * static_cast<long>(set.size()));
}
BENCHMARK(BM_EllipsePairs);

}  // namespace
