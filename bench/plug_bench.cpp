// One plug drawing through a host that counts element writes and keeps none,
// so the figure is the library's own work per placed fitting.
#include <benchmark/benchmark.h>

#include <cstring>

#include "arfentry.h"
#include "recorder.h"

static void BM_PlugSideView(benchmark::State& state)
{
    HEADTBL head{};
    SHOKICH set{};
    std::memcpy(head.part_code, "JARFT01PLG", 10);
    head.size_a = 80;
    head.view_no = static_cast<uint8_t>(state.range(0));
    head.draw_mode = 2;
    arfhost::reset();
    arfhost::set_discard(true);
    for (auto _ : state) benchmark::DoNotOptimize(jarft01plg(&head, &set));
    arfhost::set_discard(false);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlugSideView)->Arg(1)->Arg(2);
