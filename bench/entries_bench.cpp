// One full frame per entry, with the host keeping no copies of what it is handed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "arfentry.h"
#include "recorder.h"

namespace {

using EntryFn = int (*)(HEADTBL*, SHOKICH*);

struct Bench {
    const char* name;
    EntryFn fn;
    int a, b, c;
};

const Bench kBenches[] = {
    {"jarft01sa0", jarft01sa0, 80, 0, 0},     {"jarft01sct", jarft01sct, 100, 65, 0},
    {"jarft41l00", jarft41l00, 100, 0, 0},    {"jarft42s00", jarft42s00, 100, 0, 50},
    {"jarft42sco", jarft42sco, 150, 0, 150},  {"jarft42sl0", jarft42sl0, 100, 0, 50},
    {"jarft42w00", jarft42w00, 125, 100, 0},  {"jarft91l00", jarft91l00, 100, 0, 0},
    {"jarft91w00", jarft91w00, 125, 100, 0},  {"jarft92l00", jarft92l00, 300, 0, 250},
    {"jarft92lco", jarft92lco, 200, 0, 150},  {"jarft92lfr", jarft92lfr, 250, 0, 40},
    {"jarft92ll0", jarft92ll0, 100, 0, 50},   {"jarft92s00", jarft92s00, 100, 0, 50},
    {"jarft92s0t", jarft92s0t, 100, 0, 50},   {"jarft92sfr", jarft92sfr, 400, 0, 400},
    {"jarftx1s00", jarftx1s00, 100, 0, 0},
};

void run_entry(benchmark::State& st, const Bench& b)
{
    HEADTBL head{};
    SHOKICH set{};
    head.size_a = static_cast<int16_t>(b.a);
    head.size_b = static_cast<int16_t>(b.b);
    head.size_c = static_cast<int16_t>(b.c);
    head.draw_mode = 2;
    head.view_no = 1;
    head.part_len = 500;
    head.pt_b = {300, 400, 0};
    set.len_scale = 1.0;
    arfhost::set_discard(true);
    for (auto _ : st) {
        arfhost::reset();
        head.part_len = 500;
        benchmark::DoNotOptimize(b.fn(&head, &set));
    }
    arfhost::set_discard(false);
}

// A zoom redraw: every view code the entry draws, at every record of its table.
// Items are drawings, so items_per_second reads as placed fittings per second.
void redraw_all(benchmark::State& st, const Bench& b)
{
    int first[128], second[128];
    const int n = std::min(arf_table_keys(b.name, first, second, 128), 128);
    const unsigned mask = arf_view_mask(b.name);
    HEADTBL head{};
    SHOKICH set{};
    head.draw_mode = 2;
    set.len_scale = 1.0;
    arfhost::set_discard(true);
    long drawings = 0;
    for (auto _ : st) {
        for (int v = 1; v < 32; ++v) {
            if (!(mask & (1u << v))) continue;
            head.view_no = static_cast<uint8_t>(v);
            for (int i = 0; i < n; ++i) {
                arfhost::reset();
                head.size_a = static_cast<int16_t>(first[i]);
                head.size_b = head.size_c = static_cast<int16_t>(second[i]);
                head.part_len = 500;
                benchmark::DoNotOptimize(b.fn(&head, &set));
                ++drawings;
            }
        }
    }
    arfhost::set_discard(false);
    st.SetItemsProcessed(drawings);
}

const int kRegistered = [] {
    for (const Bench& b : kBenches) {
        benchmark::RegisterBenchmark((std::string("frame/") + b.name).c_str(),
                                     [&b](benchmark::State& st) { run_entry(st, b); });
        if (arf_view_mask(b.name) != 0)
            benchmark::RegisterBenchmark((std::string("redraw/") + b.name).c_str(),
                                         [&b](benchmark::State& st) { redraw_all(st, b); });
    }
    return 0;
}();

}  // namespace
