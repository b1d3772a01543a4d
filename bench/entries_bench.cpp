// Every entry in every view code it draws, at every record of its table, through
// a host that counts element writes and keeps none, so the figures are the
// library's own work per placed fitting.
//
// Google Benchmark runs frame/ENTRY (one drawing at the sample sizes) and
// redraw/ENTRY/vN (every record of one view per iteration; items are drawings).
// `arf_bench --table` prints instead, per entry and view, the median and worst
// record's cost of one drawing, and the time for a mixed batch of placed
// fittings chosen at random over the whole catalogue.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "arfentry.h"
#include "recorder.h"

namespace {

using EntryFn = int (*)(HEADTBL*, SHOKICH*);

// One placed fitting: the entry and the part record it is handed.
struct Placement {
    EntryFn fn;
    HEADTBL head;
};

struct View {
    std::string entry;
    int view;
    std::vector<Placement> records;
};

HEADTBL part(const char* entry, int view, int first, int second)
{
    HEADTBL h{};
    std::memset(h.part_code, ' ', sizeof h.part_code);
    for (std::size_t i = 0; i < sizeof h.part_code && entry[i]; ++i)
        h.part_code[i] = static_cast<char>(entry[i] >= 'a' && entry[i] <= 'z' ? entry[i] - 32 : entry[i]);
    h.pen = 1;
    h.view_no = static_cast<uint8_t>(view);
    h.draw_mode = 2;
    // The host fills end 2 and end 3 with the second size, or the first when there is none.
    h.size_a = static_cast<int16_t>(first);
    h.size_b = h.size_c = static_cast<int16_t>(second ? second : first);
    return h;
}

EntryFn entry_fn(const char* name) { return reinterpret_cast<EntryFn>(dlsym(RTLD_DEFAULT, name)); }

// The library's own catalogue: every entry, every view code it draws, every record.
const std::vector<View>& catalogue()
{
    static const std::vector<View> views = [] {
        std::vector<View> out;
        for (int i = 0; const char* name = arf_entry_name(i); ++i) {
            const EntryFn fn = entry_fn(name);
            const int n = arf_table_keys(name, nullptr, nullptr, 0);
            std::vector<int> first(n), second(n);
            if (n > 0) arf_table_keys(name, first.data(), second.data(), n);
            const unsigned mask = arf_view_mask(name);
            for (int v = 0; v < 32 && fn; ++v) {
                if (!(mask & (1u << v))) continue;
                View view{name, v, {}};
                for (int k = 0; k < n; ++k) view.records.push_back({fn, part(name, v, first[k], second[k])});
                if (!view.records.empty()) out.push_back(std::move(view));
            }
        }
        return out;
    }();
    return views;
}

SHOKICH settings()
{
    SHOKICH s{};
    s.len_scale = 1.0;
    return s;
}

// One drawing of a placed fitting; the part record is the caller's fresh copy
// because the entry writes its straight length back into it.
int draw(const Placement& p, SHOKICH& set)
{
    HEADTBL head = p.head;
    return p.fn(&head, &set);
}

void redraw(benchmark::State& st, const View* v)
{
    SHOKICH set = settings();
    arfhost::reset();
    arfhost::set_discard(true);
    long drawings = 0;
    for (auto _ : st)
        for (const Placement& p : v->records) {
            benchmark::DoNotOptimize(draw(p, set));
            ++drawings;
        }
    arfhost::set_discard(false);
    st.SetItemsProcessed(drawings);
}

void frame(benchmark::State& st, std::string name)
{
    int first = 0, second = 0;
    arf_sample_sizes(name.c_str(), &first, &second);
    const Placement p{entry_fn(name.c_str()), part(name.c_str(), 1, first, second)};
    SHOKICH set = settings();
    arfhost::reset();
    arfhost::set_discard(true);
    for (auto _ : st) benchmark::DoNotOptimize(draw(p, set));
    arfhost::set_discard(false);
}

void register_all()
{
    for (int i = 0; const char* name = arf_entry_name(i); ++i)
        if (entry_fn(name))
            benchmark::RegisterBenchmark((std::string("frame/") + name).c_str(), frame, std::string(name));
    for (const View& v : catalogue())
        benchmark::RegisterBenchmark(("redraw/" + v.entry + "/v" + std::to_string(v.view)).c_str(), redraw, &v);
}

// The thread's own processor time: what one core spends on the drawings, not
// the time other work on the machine takes from it.
double cpu_ns()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return 1e9 * static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec);
}

// Cost of one drawing of p: the best of several timed batches, the figure
// least disturbed by other work on the machine.
double per_drawing(const Placement& p, SHOKICH& set)
{
    constexpr int kBatches = 7, kReps = 50;
    double best = 1e300;
    for (int b = 0; b < kBatches; ++b) {
        const double t0 = cpu_ns();
        for (int r = 0; r < kReps; ++r) benchmark::DoNotOptimize(draw(p, set));
        best = std::min(best, (cpu_ns() - t0) / kReps);
    }
    return best;
}

int table(int placed, int rounds)
{
    SHOKICH set = settings();
    arfhost::reset();
    arfhost::set_discard(true);
    std::vector<const Placement*> all;
    std::printf("| entry | view | records | median ns | worst ns | worst record |\n|---|---:|---:|---:|---:|---|\n");
    double worst_median = 0, worst_record = 0;
    for (const View& v : catalogue()) {
        std::vector<double> ns;
        const Placement* slowest = nullptr;
        for (const Placement& p : v.records) {
            ns.push_back(per_drawing(p, set));
            if (ns.back() >= *std::max_element(ns.begin(), ns.end())) slowest = &p;
            all.push_back(&p);
        }
        std::sort(ns.begin(), ns.end());
        const std::size_t n = ns.size();
        const double median = n % 2 ? ns[n / 2] : 0.5 * (ns[n / 2 - 1] + ns[n / 2]);
        worst_median = std::max(worst_median, median);
        worst_record = std::max(worst_record, ns.back());
        std::string sizes = std::to_string(slowest->head.size_a);
        if (slowest->head.size_c != slowest->head.size_a) sizes += "x" + std::to_string(slowest->head.size_c);
        std::printf("| %s | %d | %zu | %.0f | %.0f | %s |\n", v.entry.c_str(), v.view, n, median, ns.back(),
                    sizes.c_str());
    }
    // Placed fittings chosen at random (seeded) over every drawing of the catalogue.
    std::mt19937 rng(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, all.size() - 1);
    std::vector<const Placement*> batch(placed);
    for (auto& p : batch) p = all[pick(rng)];
    std::vector<double> ms;
    for (int r = 0; r < rounds; ++r) {
        const double t0 = cpu_ns();
        for (const Placement* p : batch) benchmark::DoNotOptimize(draw(*p, set));
        ms.push_back((cpu_ns() - t0) * 1e-6);
    }
    arfhost::set_discard(false);
    std::sort(ms.begin(), ms.end());
    std::printf("\n%zu views, %zu drawings; largest median %.0f ns, worst record %.0f ns\n", catalogue().size(),
                all.size(), worst_median, worst_record);
    std::printf("%d placed fittings at random over the catalogue: %.2f ms median, %.2f ms best of %d rounds"
                " (processor time of one thread)\n",
                placed, ms[ms.size() / 2], ms.front(), rounds);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--table") == 0) {
        const int placed = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
        return table(placed, 21);
    }
    register_all();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
