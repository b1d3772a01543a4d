// What the replacement host refuses, which faults it can inject, and the
// entries' contract with it over random records (fuzz/contract.h).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <limits>
#include <random>

#include "contract.h"
#include "entry_cases.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const arfhost::Record& rec() { return arfhost::record(); }

// The first failure the host kept, or null.
const arfhost::Failure* first_failure()
{
    return rec().failures.empty() ? nullptr : &rec().failures.front();
}

// A part drawn in full (draw mode 2) in view 1.
Part drawn(int a, int b = 0, int c = 0)
{
    Part p(a, b, c);
    p.head.draw_mode = 2;
    return p;
}

// The standard tee's table keeps the run length of its last call; the
// free-size tee reads it. Leaves a finite one.
void finite_tee_length()
{
    Part l = drawn(250, 0, 50);
    l.run(jarft92l00);
}

// Lengths and points no drawing can carry: each call fails at the first host
// routine handed a non-finite value, with nothing taken after it.
TEST(HostRefusals, NonFiniteValuesFailTheCallThatCarriesThem)
{
    struct Case {
        const char* label;
        std::function<int()> run;
        const char* routine;  // the one that refuses
        const char* why;      // in its reason
    };
    const Case cases[] = {
        {"bend with a NaN straight length",
         [] { Part p = drawn(50); p.head.part_len = kNaN; return p.run(jarft41l00); }, "gfbziwt", "(segment, write 1): geometry value 2 of 4 is nan"},
        {"reducer with an overflowing distance times a zero scale",
         [] {
             Part p = drawn(100, 50);
             p.set.len_from_pts = 1;
             p.set.len_scale = 0;
             p.head.pt_a = {-1e308, 0, 0};
             p.head.pt_b = {1e308, 0, 0};
             return p.run(jarft01sct);
         },
         "gfbziwt", "is nan"},
        {"free-size tee after a standard tee left a NaN length",
         [] {
             Part l = drawn(250, 0, 50);
             l.head.part_len = kNaN;
             l.run(jarft92l00);
             Part p = drawn(250, 0, 40);
             std::memcpy(p.head.part_code, "JARFT92LFR", 10);
             return p.run(jarft92lfr);
         },
         "zscSizeFreeTeesDraw", "values[8] is nan"},
        {"free-radius bend placed at an infinite point",
         [] { Part p = drawn(100); p.head.pt_b = {kInf, 0, 0}; return p.run(jarftx1s00); }, "hinechk",
         "pts[6] is inf"},
        {"free-radius bend whose scale sends its points to infinity",
         [] {
             Part p(100);  // single line: the points go back through the scale first
             p.set.len_scale = 1e-300;
             p.head.pt_b = {1e10, 0, 0};
             return p.run(jarftx1s00);
         },
         "tanstugi3d", "is inf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.run(), 1);
        const arfhost::Failure* f = first_failure();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->routine, c.routine);
        EXPECT_FALSE(f->injected);
        EXPECT_NE(f->reason.find(c.why), std::string::npos) << f->reason;
        EXPECT_EQ(rec().elements.size(), f->elements);
        for (const arfhost::HostArg& a : rec().args)
            for (double v : a.values) EXPECT_TRUE(std::isfinite(v)) << a.routine << ' ' << a.name;
    }
    finite_tee_length();
}

// An element write with a non-finite coordinate is refused and named; the
// same element with finite values is taken.
TEST(HostRefusals, ElementWriteNamesTheRefusedValue)
{
    struct Case {
        int tag, count, bad;
        const char* form;
    } cases[] = {{16, 4, 1, "segment"}, {64, 3, 2, "circle"}, {72, 7, 6, "arc"}, {88, 9, 0, "elliptic_arc"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        for (double bad : {kNaN, -kInf, 1.0}) {
            arfhost::reset();
            bzifile.elem_tag = static_cast<uint8_t>(c.tag);
            bzifile.rec_len = bzi_wrt_t.rec_len = 40 + 8 * c.count;
            for (int i = 0; i < 9; ++i) bzifile.geo[i] = i + 1.0;
            bzifile.geo[c.bad] = bad;
            const int st = gfbziwt(&bzi_wrt_t, 1);
            if (std::isfinite(bad)) {
                EXPECT_EQ(st, 0);
                EXPECT_EQ(rec().elements.size(), 1u);
                continue;
            }
            EXPECT_EQ(st, 1);
            EXPECT_TRUE(rec().elements.empty());
            ASSERT_EQ(rec().failures.size(), 1u);
            const std::string want = std::string("element 1 (") + c.form + ", write 1): geometry value " +
                                     std::to_string(c.bad + 1) + " of " + std::to_string(c.count) + " is " +
                                     (std::isnan(bad) ? "nan" : "-inf");
            EXPECT_NE(rec().failures[0].reason.find(want), std::string::npos) << rec().failures[0].reason;
        }
    }
}

// Runs the entry on a fresh host with the fault armed.
int with_fault(Part p, EntryFn fn, std::string_view fault)
{
    arfhost::reset();
    EXPECT_TRUE(arfhost::fail_at(fault)) << fault;
    return fn(&p.head, &p.set);
}

// Every fault name the host takes fires on a call that reaches it; names of
// routines with no failure to report are not taken.
TEST(HostFaults, EveryNameFiresOnAnEntryThatCallsIt)
{
    finite_tee_length();
    Part plug = drawn(50), plug_side = drawn(50), bend_symbol = drawn(50), tee = drawn(250, 0, 40);
    plug_side.head.view_no = 2;
    bend_symbol.head.view_no = 14;
    std::memcpy(tee.head.part_code, "JARFT92LFR", 10);
    Part free_bend = drawn(100), single_line(100), sample = drawn(100);
    sample.set.sample_flag = 1;
    sample.head.view_no = 2;
    const std::map<std::string, std::pair<const Part*, EntryFn>> reach = {
        {"com_1st", {&plug, jarft01plg}},
        {"com_2nd", {&plug, jarft01plg}},
        {"gfbziwt", {&plug_side, jarft01plg}},
        {"hyojun41", {&bend_symbol, jarft41l00}},
        {"pipesrch", {&tee, jarft92lfr}},
        {"zscSizeFreeTeesDraw", {&tee, jarft92lfr}},
        {"hinechk", {&free_bend, jarftx1s00}},
        {"bzi_nmst", {&free_bend, jarftx1s00}},
        {"hoonatu", {&free_bend, jarftx1s00}},
        {"zlcFreeRadErboVectMake_OfDbl", {&free_bend, jarftx1s00}},
        {"zlcFreeRadErboDraw_OfDbl", {&free_bend, jarftx1s00}},
        {"center_line", {&free_bend, jarftx1s00}},
        {"denpvect", {&free_bend, jarftx1s00}},
        {"tanstugi3d", {&single_line, jarftx1s00}},
        {"gohkpat", {&sample, jarftx1s00}},
    };
    const auto fired = [](std::string_view name) {
        for (const arfhost::Failure& f : rec().failures)
            if (f.routine == name && f.injected) return true;
        return false;
    };
    // A routine without a case above is looked for in every view of every
    // entry, drawn at every table size and as a sample.
    const auto found_anywhere = [&](std::string_view name) {
        for (const arfcontract::Entry& e : arfcontract::entries())
            for (int v = 1; v < 32; ++v) {
                if (!(e.views & (1u << v))) continue;
                for (std::size_t k = 0; k <= e.keys.size(); ++k) {
                    const bool sample = k == e.keys.size();
                    const auto key = e.keys[sample ? 0 : k];
                    Part p = drawn(key[0], key[1], key[1]);
                    p.head.view_no = static_cast<uint8_t>(v);
                    p.set.sample_flag = sample ? 1 : 0;
                    with_fault(p, e.fn, name);
                    if (fired(name)) return true;
                }
            }
        return false;
    };
    for (std::string_view name : arfhost::fault_routines()) {
        SCOPED_TRACE(name);
        if (name == "GCG165") {
            // No outline calls it yet: the host's own call must fire.
            arfhost::reset();
            ASSERT_TRUE(arfhost::fail_at(name));
            const tagRSEG l{-10, 0, 10, 0};
            const tagRCIR c{0, 0, 5};
            tagRPT p[2];
            int res = 0;
            GCG165(&l, &c, p, &res);
            EXPECT_TRUE(fired(name));
            continue;
        }
        const auto it = reach.find(std::string(name));
        if (it == reach.end()) {
            EXPECT_TRUE(found_anywhere(name)) << "no entry reaches " << name;
            continue;
        }
        with_fault(*it->second.first, it->second.second, name);
        EXPECT_TRUE(fired(name)) << name << " never fired";
    }
    // gfbziwt fails every write, the first one included.
    EXPECT_EQ(with_fault(plug_side, jarft01plg, "gfbziwt"), 1);
    EXPECT_TRUE(rec().elements.empty());
    EXPECT_EQ(rec().writes, 1);
    for (const char* never : {"peke", "B_CIfColor::StandardColorNo", "gfbziwt ", "write:0", "write:-1", "write:+1"}) {
        EXPECT_FALSE(arfhost::is_fault(never)) << never;
        EXPECT_FALSE(arfhost::fail_at(never)) << never;
    }
}

// The contract over records decoded from seeded random bytes: every entry of
// the catalogue, special lengths and points, injected faults, calls in a row.
TEST(HostContract, SeededRandomRecords)
{
    std::mt19937_64 rng(20261206);
    std::vector<uint8_t> bytes;
    for (int n = 0; n < 20000; ++n) {
        bytes.resize(rng() % 160);
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
        const std::string why = arfcontract::check_bytes(bytes.data(), bytes.size());
        ASSERT_TRUE(why.empty()) << "input " << n << ": " << why;
    }
}

// The fuzz corpus in the repository, kept crash inputs included, still holds.
TEST(HostContract, CorpusHolds)
{
    namespace fs = std::filesystem;
    int files = 0;
    for (const auto& e : fs::directory_iterator(ARF_SOURCE_DIR "/fuzz/corpus")) {
        std::ifstream f(e.path(), std::ios::binary);
        const std::string s{std::istreambuf_iterator<char>(f), {}};
        const std::string why = arfcontract::check_bytes(reinterpret_cast<const uint8_t*>(s.data()), s.size());
        EXPECT_TRUE(why.empty()) << e.path() << ": " << why;
        ++files;
    }
    EXPECT_GT(files, 0);
}

}  // namespace
