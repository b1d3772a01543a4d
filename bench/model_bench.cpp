// The exact hidden-line projection of a fitting beside the library's drawing
// of the same view: what checking a drawing against the solid costs next to
// drawing it. One bend and one tee, in view 1 (edges seen edge-on) and view 6.
#include <benchmark/benchmark.h>

#include "arfentry.h"
#include "model.h"
#include "recorder.h"
#include "views.h"

namespace {

struct Fitting {
    const char* name;
    int (*entry)(HEADTBL*, SHOKICH*);
    int size, branch;
};
const Fitting kFittings[] = {{"jarft41l00", jarft41l00, 100, 0}, {"jarft92l00", jarft92l00, 100, 65}};

HEADTBL part(const Fitting& f, int view)
{
    HEADTBL head{};
    head.size_a = static_cast<int16_t>(f.size);
    head.size_c = static_cast<int16_t>(f.branch);
    head.draw_mode = 2;
    head.view_no = static_cast<uint8_t>(view);
    head.part_len = 500;
    return head;
}

void BM_Draw(benchmark::State& st)
{
    const Fitting& f = kFittings[st.range(0)];
    HEADTBL head = part(f, static_cast<int>(st.range(1)));
    SHOKICH set{};
    set.len_scale = 1.0;
    arfhost::set_discard(true);
    for (auto _ : st) {
        arfhost::reset();
        head.part_len = 500;
        benchmark::DoNotOptimize(f.entry(&head, &set));
    }
    arfhost::set_discard(false);
    st.SetLabel(f.name);
}

ArfRecordView record(const Fitting& f)
{
    HEADTBL head = part(f, 1);
    SHOKICH set{};
    set.len_scale = 1.0;
    arfhost::reset();
    f.entry(&head, &set);
    ArfRecordView r{};
    arf_last_record(f.name, &r);
    return r;
}

void BM_BuildSolid(benchmark::State& st)
{
    const Fitting& f = kFittings[st.range(0)];
    const ArfRecordView r = record(f);
    for (auto _ : st) benchmark::DoNotOptimize(arfmodel::build(f.name, r).impl.get());
    st.SetLabel(f.name);
}

void BM_HiddenLine(benchmark::State& st)
{
    const Fitting& f = kFittings[st.range(0)];
    const int view = static_cast<int>(st.range(1));
    const arfmodel::Solid s = arfmodel::build(f.name, record(f));
    const arfmodel::Camera cam = arfmodel::view_info(f.name, view)->cam;
    for (auto _ : st) benchmark::DoNotOptimize(arfmodel::project(s, cam).size());
    st.SetLabel(f.name);
}

}  // namespace

BENCHMARK(BM_Draw)->ArgsProduct({{0, 1}, {1, 6}});
BENCHMARK(BM_BuildSolid)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HiddenLine)->ArgsProduct({{0, 1}, {1, 6}})->Unit(benchmark::kMillisecond);
