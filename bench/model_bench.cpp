// The exact hidden-line projection of one fitting beside the library's drawing
// of the same view: what checking a drawing against the solid costs next to
// drawing it.
#include <benchmark/benchmark.h>

#include "arfentry.h"
#include "model.h"
#include "recorder.h"
#include "views.h"

namespace {

HEADTBL bend_part(int view)
{
    HEADTBL head{};
    head.size_a = 100;
    head.draw_mode = 2;
    head.view_no = static_cast<uint8_t>(view);
    head.part_len = 500;
    return head;
}

void BM_DrawBend45(benchmark::State& st)
{
    HEADTBL head = bend_part(static_cast<int>(st.range(0)));
    SHOKICH set{};
    set.len_scale = 1.0;
    arfhost::set_discard(true);
    for (auto _ : st) {
        arfhost::reset();
        head.part_len = 500;
        benchmark::DoNotOptimize(jarft41l00(&head, &set));
    }
    arfhost::set_discard(false);
}

ArfRecordView bend_record(int view)
{
    HEADTBL head = bend_part(view);
    SHOKICH set{};
    set.len_scale = 1.0;
    arfhost::reset();
    jarft41l00(&head, &set);
    ArfRecordView r{};
    arf_last_record("jarft41l00", &r);
    return r;
}

void BM_BuildBend45(benchmark::State& st)
{
    const ArfRecordView r = bend_record(1);
    for (auto _ : st) benchmark::DoNotOptimize(arfmodel::build("jarft41l00", r).impl.get());
}

void BM_HiddenLineBend45(benchmark::State& st)
{
    const int view = static_cast<int>(st.range(0));
    const arfmodel::Solid s = arfmodel::build("jarft41l00", bend_record(view));
    const arfmodel::Camera cam = arfmodel::view_info("jarft41l00", view)->cam;
    for (auto _ : st) benchmark::DoNotOptimize(arfmodel::project(s, cam).size());
}

}  // namespace

BENCHMARK(BM_DrawBend45)->Arg(1)->Arg(6);
BENCHMARK(BM_BuildBend45)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HiddenLineBend45)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);
