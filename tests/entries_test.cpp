// The frame entries' common-processing blocks as com_1st receives them, the
// alias and free-size entries, the host-failure sweep, and no allocation per call.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>
#include <set>
#include <sstream>

#include "entry_cases.h"

namespace {
std::atomic<long> g_allocs{0};
}  // namespace

// Counts every allocation of the test binary, the library's included. (GCC
// takes the free() in a replaced operator delete for a mismatch.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n)
{
    ++g_allocs;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

const double kLen = -1e300;  // stands for the straight length the entry fixed

struct BlockCase {
    const char* name;
    EntryFn fn;
    int first, second;
    char field;
    int h0, h1;
    std::array<uint8_t, 8> bytes;
    std::vector<int> proc;
    const char* ref;  // reference frame, "" when not written
    const char* pts;  // part points copied, "" when not written
    std::array<int, 8> pairs;
    std::vector<double> dbl;
    const char* triples;  // one token per triple; "---" left alone
    std::vector<std::pair<int, double>> values = {};  // (record from 1, value field)
    int size_class = 0;  // int32 at 4 of the flagged records, 0: not checked
};

VECTS ref_frame(const std::string& r)
{
    if (r == "socket") return {{{0, 0, 0}, {0, 100, 0}, {-100, 0, 0}}};
    if (r == "straight") return {{{0, 0, 0}, {-100, 0, 0}, {100, 0, 0}}};
    if (r == "45") return {{{0, 0, 0}, {100, 100, 0}, {0, -100, 0}}};
    if (r == "90") return {{{0, 0, 0}, {100, 0, 0}, {0, -100, 0}}};
    return {};
}

tagRPT3D* point(HEADTBL& h, char c)
{
    switch (c) {
    case 'A': return &h.pt_a;
    case 'B': return &h.pt_b;
    case 'C': return &h.pt_c;
    case 'D': return &h.pt_d;
    }
    return nullptr;
}

bool same(const tagRPT3D& a, const tagRPT3D& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

using H = std::array<uint8_t, 8>;
const H k01{0x00, 0x00, 0x50, 0x00, 0x00, 0x01, 0x00, 0x00};
const H k07{0x00, 0x00, 0x50, 0x00, 0x07, 0x01, 0x00, 0x00};
const H k08{0x00, 0x00, 0x50, 0x00, 0x08, 0x01, 0x00, 0x00};
const std::vector<int> kList92{29, 44, 47, 48, 44, 54, 55, 0, 0, 200, 201};
const std::vector<int> kList92s{24, 44, 47, 48, 44, 49, 50, 0, 0, 76, 77};
const char* const kTee11 = "ABD ABD ABD ABD ABD ABD ABD --- --- ABD ABD";
const char* const kSeven = "ABD ABD ABD ABD ABD ABD ABD";

const BlockCase kBlocks[] = {
    {"jarft01plg", jarft01plg, 50, 0, 0, 6, 2, {0x00, 0x00, 0x50, 0x00, 0x1E, 0x01, 0x01, 0x00},
     {51, 26}, "", "", {50, 60, 0, 0, 0, 0, 0, 0}, {105, 60.5f * 0.5, 0, 0}, "ACB ABC",
     {{1, 60.5f}}},
    // Placed by hand (len_from_pts 0): triples 3 and 4 end at D.
    {"jarft01sa0", jarft01sa0, 80, 0, 0, 26, 3, {0x00, 0x00, 0x50, 0x01, 0x09, 0x00, 0x01, 0x00},
     {25, 25, 51, 52, 25, 61, 62}, "socket", "ADB", {80, 107, 80, 107, 0, 0, 0, 0},
     {41.5, 41.5, 69, 0}, "ABD ABD ADD ADD ABD ABD ABD", {{3, 107}, {4, 107}}},
    {"jarft01sct", jarft01sct, 100, 65, 'b', 2, 2, {0x00, 0x00, 0x50, 0x00, 0x05, 0x00, 0x00, 0x00},
     {35, 35, 51, 52, 35, 61, 62}, "straight", "ABC", {100, 114, 65, 100, 0, 0, 0, 0},
     {kLen, 210}, "ABC ABC ABC ABC ABC ABC ABC", {{3, 65}, {4, 100}}},
    // A second end of 150: fixed diameters and make-up.
    {"jarft01sct", jarft01sct, 200, 150, 'b', 2, 2, {0x00, 0x00, 0x50, 0x00, 0x05, 0x00, 0x00, 0x00},
     {35, 35, 51, 52, 35, 61, 62}, "straight", "ABC", {200, 216, 150, 165, 0, 0, 0, 0},
     {kLen, 366.3}, "ABC ABC ABC ABC ABC ABC ABC", {{3, 150}, {4, 200}}},
    {"jarft41l00", jarft41l00, 100, 0, 0, 0, 2, {0x00, 0x00, 0x50, 0x00, 0x01, 0x01, 0x00, 0x00},
     {21, 44, 41, 42, 56, 63, 64, 202, 203, 123, 124, 204, 205}, "45", "ACB",
     {100, 114, 100, 138, 0, 0, 0, 0}, {kLen, 148},
     "ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC", {}, 9},
    {"jarft41l00", jarft41l00, 250, 0, 0, 0, 2, {0x00, 0x00, 0x50, 0x00, 0x01, 0x01, 0x00, 0x00},
     {21, 44, 41, 42, 56, 63, 64, 202, 203, 123, 124, 204, 205}, "45", "ACB",
     {250, 267, 250, 267, 0, 0, 0, 0}, {158, 308},
     "ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC", {}, 8},
    {"jarft42s00", jarft42s00, 100, 50, 'c', 1, 3, k08, {27, 44, 47, 48, 44, 54, 55, 0, 0, 200, 201},
     "45", "ADB", {100, 114, 100, 138, 50, 79, 0, 0}, {kLen, 245, 215},
     "ABD ABD ABD ABD ABD ABD ABD ABD ABD ABD ABD ABD ABD"},
    // Run and branch from 150: no hub diameter, the branch's own length column.
    {"jarft42s00", jarft42s00, 150, 150, 'c', 1, 3, k08, {27, 44, 47, 48, 44, 54, 55, 0, 0, 200, 201},
     "45", "ADB", {150, 165, 150, 165, 150, 165, 0, 0}, {kLen, 340, 330},
     "ABD ABD ABD ABD ABD ABD ABD ABD ABD ABD ABD ABD ABD"},
    {"jarft42sco", jarft42sco, 100, 50, 'c', 1, 3, k08, {68, 44, 70, 71, 44, 72, 73}, "45", "ADB",
     {100, 114, 100, 200, 50, 79, 0, 0}, {kLen, 256, 215, 0}, kSeven},
    {"jarft42sco", jarft42sco, 200, 150, 'c', 1, 3, k08, {68, 44, 70, 71, 44, 72, 73}, "45", "ADB",
     {200, 216, 200, 320, 150, 165, 0, 0}, {kLen, 400, 370, 0}, kSeven},
    {"jarft42sl0", jarft42sl0, 100, 50, 'c', 1, 3, k08, {38, 44, 47, 48, 44, 54, 55}, "45", "ADB",
     {100, 114, 100, 138, 50, 130, 0, 0}, {kLen, 245, 205, 0}, kSeven},
    {"jarft91l00", jarft91l00, 100, 0, 0, 0, 2, k01, {22, 44, 45, 46, 56, 63, 64, 0, 0, 74, 75}, "90",
     "ACB", {100, 114, 100, 138, 0, 0, 0, 0}, {kLen, 258},
     "ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC ABC", {}, 9},
    {"jarft91w00", jarft91w00, 125, 100, 'b', 0, 2, k01, {39, 44, 45, 46, 56, 63, 64}, "90", "ACB",
     {125, 139, 100, 138, 0, 0, 0, 0}, {kLen, 608, 0, 0}, "ABC ABC ABC ABC ABC ABC ABC"},
    {"jarft92l00", jarft92l00, 100, 50, 'c', 1, 3, k07, kList92, "90", "ADB",
     {100, 114, 100, 138, 50, 79, 0, 0}, {kLen, 116, 210}, kTee11},
    // Runs above 125: the first end takes the outside diameter d1.
    {"jarft92l00", jarft92l00, 150, 100, 'c', 1, 3, k07, kList92, "90", "ADB",
     {150, 165, 150, 165, 100, 138, 0, 0}, {kLen, 310, 335}, kTee11},
    {"jarft92lco", jarft92lco, 100, 50, 'c', 1, 3, k07, {29, 44, 70, 71, 44, 72, 73, 0, 0, 200, 201},
     "90", "ADB", {100, 114, 100, 200, 50, 79, 0, 0}, {kLen, 76, 210, 0}, kTee11},
    // Branch over 125: the socket block's diameter (165.2), not d11 (184).
    {"jarft92lco", jarft92lco, 150, 150, 'c', 1, 3, k07, {29, 44, 70, 71, 44, 72, 73, 0, 0, 200, 201},
     "90", "ADB", {150, 165, 150, 265, 150, 165, 0, 0}, {kLen, 188, 370, 0}, kTee11},
    {"jarft92ll0", jarft92ll0, 100, 50, 'c', 1, 3, k07, {37, 44, 47, 48, 44, 54, 55, 0, 0, 200, 201},
     "90", "ADB", {100, 114, 100, 138, 50, 130, 0, 0}, {kLen, 116, 220}, kTee11},
    {"jarft92s00", jarft92s00, 100, 50, 'c', 1, 3, k07, kList92s, "90", "ADB",
     {100, 114, 100, 138, 50, 79, 0, 0}, {kLen, 180, 157, 0}, kTee11},
    {"jarft92s0t", jarft92s0t, 100, 50, 'c', 1, 3, k07, kList92s, "90", "ADB",
     {100, 114, 100, 138, 50, 79, 0, 0}, {kLen, 165, 132, 0}, kTee11},
};

TEST(EntryBlocks, ReachFirstStage)
{
    for (const BlockCase& c : kBlocks) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.first) + "/" + std::to_string(c.second));
        Part p;
        p.sizes(c.first, c.second, c.field ? c.field : 'b');
        ASSERT_EQ(p.run(c.fn), 0);
        ASSERT_TRUE(arfhost::record().com_1st.has_value());
        const BZI_COM_PRM& b = arfhost::record().com_1st->block;
        const auto& list = arfhost::record().com_1st->proc_list;

        EXPECT_EQ(b.hdr0, c.h0);
        EXPECT_EQ(b.hdr1, c.h1);
        EXPECT_EQ(std::memcmp(b.hdr_bytes, c.bytes.data(), 8), 0);
        std::vector<int> want = c.proc;
        want.resize(kProcListLen, 0);
        EXPECT_EQ(std::vector<int>(list.begin(), list.end()), want);

        const VECTS ref = ref_frame(c.ref);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(same(b.ref.p[i], ref.p[i])) << "reference point " << i;
            const tagRPT3D none{};
            EXPECT_TRUE(same(b.pts.p[i], *c.pts ? *point(p.head, c.pts[i]) : none)) << "point " << i;
        }
        for (int e = 0; e < 4; ++e) {
            EXPECT_EQ(b.pairs[e][0], c.pairs[2 * e]) << "end " << e + 1 << " size";
            EXPECT_EQ(b.pairs[e][1], c.pairs[2 * e + 1]) << "end " << e + 1 << " diameter";
        }
        for (size_t i = 0; i < 4; ++i) {
            const double want_d = i < c.dbl.size() ? (c.dbl[i] == kLen ? p.head.part_len : c.dbl[i]) : 0.0;
            EXPECT_EQ(b.dbl[i], want_d) << "double " << i;
        }
        std::istringstream toks(c.triples);
        std::string t;
        for (int i = 0; i < 17; ++i) {
            if (!(toks >> t)) t = "---";
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(b.triples[i][k], point(p.head, t[k])) << "triple " << i + 1 << " pointer " << k;
        }
        for (auto [rec, v] : c.values) EXPECT_EQ(b.rec[rec - 1].value, v) << "record " << rec;
        for (const COM_REC& r : b.rec) {
            if (c.size_class && r.tag[0] == 1) {
                EXPECT_EQ(r.i4, c.size_class);
            }
        }
    }
}

TEST(EntryBlocks, SocketAdaptorPlacedFromPointsKeepsB)
{
    Part p(80);
    p.set.len_from_pts = 1;
    ASSERT_EQ(p.run(jarft01sa0), 0);
    const BZI_COM_PRM& b = arfhost::record().com_1st->block;
    EXPECT_EQ(b.triples[2][1], &p.head.pt_b);
    EXPECT_EQ(b.triples[3][1], &p.head.pt_b);
    EXPECT_EQ(p.head.part_len, 500.0);  // no length rule
}

TEST(AliasEntry, RenamesAndDrawsAsTheReducingBend)
{
    Part p(125, 90);
    std::memcpy(p.head.part_code, "JARFT42W00", 10);
    ASSERT_EQ(p.run(jarft42w00), 0);
    EXPECT_EQ(std::string(p.head.part_code, 10), "JARFT91W00");
    EXPECT_EQ(arfhost::record().com_1st->proc_list[0], 39);
    const ArfRecordView v = last_record("jarft42w00");
    EXPECT_EQ(v.keys[0], 125);
    EXPECT_EQ(v.keys[1], 100);
    EXPECT_EQ(arf_view_mask("jarft42w00"), arf_view_mask("jarft91w00"));
}

// Free-size tees.
Part free_tee(int s, int t)
{
    Part p(s, 0, t);
    std::memcpy(p.head.part_code, "JARFT92LFR", 10);
    return p;
}

TEST(FreeSizeTee, CataloguePairDrawsAsStandardTee)
{
    Part p = free_tee(100, 50);
    ASSERT_EQ(p.run(jarft92lfr), 0);
    EXPECT_EQ(std::string(p.head.part_code, 10), "JARFT92L00");
    EXPECT_EQ(p.head.size_a, 100);
    EXPECT_EQ(p.head.size_b, 100);
    EXPECT_EQ(p.head.size_c, 50);
    EXPECT_EQ(arfhost::record().calls,
              (std::vector<std::string>{"pipesrch", "pipesrch", "com_1st", "com_2nd"}));
    EXPECT_EQ(arfhost::record().com_1st->proc_list[0], 29);
    EXPECT_EQ(last_record("jarft92l00").keys[1], 50);

    // A sample (250/150, also in the catalogue) keeps its part code.
    Part q = free_tee(40, 40);
    q.set.sample_flag = 1;
    q.run(jarft92lfr);
    EXPECT_EQ(std::string(q.head.part_code, 10), "JARFT92LFR");
    EXPECT_EQ(q.head.size_a, 250);
    EXPECT_EQ(q.head.size_c, 150);
}

TEST(FreeSizeTee, BeyondCatalogueUsesFallbackWidths)
{
    Part p = free_tee(400, 400);
    ASSERT_EQ(p.run(jarft92lfr), 0);
    EXPECT_EQ(arfhost::record().calls, (std::vector<std::string>{"pipesrch", "zscSizeFreeTeesDraw"}));
    EXPECT_EQ(host_arg("zscSizeFreeTeesDraw", "sizes"), (std::vector<double>{400, 400, 400, 0}));
    const std::vector<double> v = host_arg("zscSizeFreeTeesDraw", "values");
    ASSERT_EQ(v.size(), 16u);
    const double P = 406.4, Q = 406.4 - 2 * 7.9;  // the replacement host's pipe
    EXPECT_EQ(v[0], Q);
    EXPECT_EQ(v[1], Q);
    EXPECT_EQ(v[2], Q);
    EXPECT_EQ(v[4], P);
    EXPECT_EQ(v[6], P);
    EXPECT_EQ(v[8], P * 0.5 + 50.0);
    EXPECT_EQ(v[9], P * 0.5 + 50.0);
    EXPECT_EQ(v[10], P * 0.5 + 50.0);
    for (int i : {3, 7, 11, 12, 13, 14, 15}) EXPECT_EQ(v[i], 0.0) << i;
    EXPECT_EQ(host_arg("zscSizeFreeTeesDraw", "proc_list")[0], 29);
    EXPECT_EQ(host_arg("zscSizeFreeTeesDraw", "com_header"), (std::vector<double>{1, 3}));
}

TEST(FreeSizeTee, WidensToNextStandardTee)
{
    // The run length comes from the last jarft92l00 call on the 250/50 record.
    Part l(250, 0, 50);
    l.head.part_len = 1234;
    ASSERT_EQ(l.run(jarft92l00), 0);
    Part p = free_tee(250, 40);
    ASSERT_EQ(p.run(jarft92lfr), 0);
    std::vector<double> v = host_arg("zscSizeFreeTeesDraw", "values");
    ASSERT_EQ(v.size(), 16u);
    EXPECT_EQ(v[8], 1234);
    EXPECT_EQ(v[9], 410);
    EXPECT_EQ(v[10], 320);
    EXPECT_EQ(v[0], (267.4f * 0.5 - 6.6f) * 2.0);  // run shared with 250/50: its bore
    EXPECT_EQ(v[4], double(267.4f));                // main above 125: d1
    EXPECT_EQ(v[2], 48.6 - 2 * 3.5);                // branch not shared: the pipe's
    EXPECT_EQ(v[6], 48.6);
    EXPECT_EQ(std::string(p.head.part_code, 10), "JARFT92LFR");

    // The short tee: run length d6, run diameter always d2.
    Part s = free_tee(100, 40);
    ASSERT_EQ(s.run(jarft92sfr), 0);
    v = host_arg("zscSizeFreeTeesDraw", "values");
    ASSERT_EQ(v.size(), 16u);
    EXPECT_EQ(v[8], 205);
    EXPECT_EQ(v[9], 180);
    EXPECT_EQ(v[10], 157);
    EXPECT_EQ(v[4], double(114.3f));
    EXPECT_EQ(v[0], (114.3f * 0.5 - 3.5f) * 2.0);
    EXPECT_EQ(host_arg("zscSizeFreeTeesDraw", "proc_list")[0], 24);
}

// Host routines whose result the entries test; the others are called and ignored.
const std::set<std::string> kTested = {"com_1st",     "com_2nd",      "pipesrch",
                                       "zscSizeFreeTeesDraw", "hinechk", "bzi_nmst",
                                       "gfbziwt",     "zlcFreeRadErboDraw_OfDbl",
                                       "center_line", "tanstugi3d"};

void sweep(const std::string& label, const Part& base, EntryFn fn)
{
    SCOPED_TRACE(label);
    Part clean = base;
    ASSERT_EQ(clean.run(fn), 0);
    const std::vector<std::string> all = arfhost::record().calls;
    std::set<std::string> seen;
    for (size_t i = 0; i < all.size(); ++i) {
        if (!seen.insert(all[i]).second) continue;
        if (!arfhost::is_fault(all[i])) continue;  // a routine with no failure to report
        Part p = base;
        arfhost::reset();
        ASSERT_TRUE(arfhost::fail_at(all[i]));
        const int st = fn(&p.head, &p.set);
        if (kTested.count(all[i])) {
            EXPECT_EQ(st, 1) << all[i];
            EXPECT_EQ(arfhost::record().calls,
                      std::vector<std::string>(all.begin(), all.begin() + i + 1))
                << "calls after a failed " << all[i];
        } else {
            EXPECT_EQ(st, 0) << all[i];
            EXPECT_EQ(arfhost::record().calls, all) << all[i];
        }
    }
}

TEST(HostFailures, EachFailureStopsTheCall)
{
    for (const EntryCase& e : all_entries()) {
        if (std::string(e.name) == "jarft92lfr" || std::string(e.name) == "jarft92sfr" ||
            std::string(e.name) == "jarftx1s00")
            continue;
        Part p;
        p.sizes(100, 50, e.second ? e.second : 'b');
        sweep(e.name, p, e.fn);
    }
    sweep("lfr catalogue", free_tee(100, 50), jarft92lfr);
    sweep("lfr beyond", free_tee(400, 400), jarft92lfr);
    sweep("lfr widened", free_tee(250, 40), jarft92lfr);
    sweep("sfr catalogue", free_tee(100, 50), jarft92sfr);
    sweep("sfr beyond", free_tee(300, 200), jarft92sfr);

    Part x(100);
    x.head.draw_mode = 2;
    sweep("x1 true shape", x, jarftx1s00);
    x.head.draw_mode = 1;
    sweep("x1 single line", x, jarftx1s00);
    x.set.sample_flag = 1;
    sweep("x1 sample", x, jarftx1s00);
}

TEST(HostFailures, PipeSizeUnknownToHost)
{
    Part p = free_tee(100, 45);
    EXPECT_EQ(p.run(jarft92lfr), 1);
    EXPECT_EQ(arfhost::record().calls, (std::vector<std::string>{"pipesrch", "pipesrch"}));
}

TEST(NoAllocation, EntriesAllocateNothingPerCall)
{
    auto calls = [] {
        for (const EntryCase& e : all_entries()) {
            for (int mode : {1, 2})
                for (int view = 1; view <= 17; ++view)  // every outline that exists
                    for (int size : {50, 125, 200, 300})
                        for (int second : {50, size}) {  // equal sizes reach the large-branch outlines
                            Part p;
                            p.sizes(size, second, e.second ? e.second : 'b');
                            p.head.draw_mode = static_cast<uint8_t>(mode);
                            p.head.view_no = static_cast<uint8_t>(view);
                            p.run(e.fn);
                        }
            Part s(100, 50, 50);
            s.set.sample_flag = 1;
            s.run(e.fn);
        }
        Part a = free_tee(400, 400), b = free_tee(250, 40);
        a.run(jarft92lfr);
        b.run(jarft92lfr);
    };
    arfhost::set_discard(true);
    calls();  // warm-up: the host's own containers settle
    const long before = g_allocs;
    calls();
    const long n = g_allocs - before;
    arfhost::set_discard(false);
    EXPECT_EQ(n, 0);
}

}  // namespace
