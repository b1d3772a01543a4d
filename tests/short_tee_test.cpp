// The two short tees through their entries, and the free-size tees drawing
// catalogue pairs through the standard tees.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "arfhost.h"
#include "arfroutines.h"
#include "check.h"
#include "curves.h"
#include "elemout.h"
#include "entry_cases.h"

namespace {

using arfhost::Element;
using arfhost::Form;

constexpr int kViews[] = {1, 2, 3, 4, 5, 6, 7, 10, 11};

const EntryCase kTees[] = {{"jarft92s00", jarft92s00, 'c'}, {"jarft92s0t", jarft92s0t, 'c'}};

struct Pair {
    int m, b;
};
std::vector<Pair> pairs(const char* entry)
{
    int first[32], second[32];
    const int n = arf_table_keys(entry, first, second, 32);
    std::vector<Pair> v;
    for (int i = 0; i < n; ++i) v.push_back({first[i], second[i]});
    return v;
}

const std::vector<Element>& elements() { return arfhost::record().elements; }

// Pieces of the upright line at x, h either side of the axis, clear of the
// circle of radius rho about the axis.
int pieces(double x, double h, double rho)
{
    if (x >= rho) return 1;
    return h > std::sqrt(rho * rho - x * x) ? 2 : 0;
}

// Elements each outline writes. What varies with the pair: whether the branch
// socket reaches past the run pipe's sides (views 3, 4), how much of the
// branch the circle in front hides (views 2, 5 of the long spigot) and the run
// hides (view 7), and whether the long spigot's first step crosses the run's
// side (views 1, 10, 11).
int expected_count(bool s00, const ArfRecordView& r, int view)
{
    const int m = r.keys[0], b = r.keys[1];
    const double R = 0.5 * d(r, 2), rb = 0.5 * d(r, 11);
    if (s00) {
        const bool overlap = m == 50 || m == 65 || (m == 80 && b == 65);
        const bool arc7 = 0.707106781 * (d(r, 15) - d(r, 13)) > R;  // the arc under the branch clears the run
        const int counts[12] = {0, 35, 22, overlap ? 21 : 19, overlap ? 19 : 17, 19, 31, arc7 ? 35 : 33, 0, 0, 35, 35};
        return counts[view];
    }
    const double e = d(r, 19), rp = 0.5 * d(r, 12), mid = 0.25 * (d(r, 12) + d(r, 11));
    const bool cut = e - 0.875 * d(r, 13) < R;  // the first step starts inside the run
    const bool sides = rb >= R;                 // the socket's circle crosses the run's sides
    switch (view) {
    case 1: case 10: case 11: return cut ? 30 : 32;
    case 2: case 5: {
        // The outline runs from the corner past the circle in front: the
        // upper profile corners P1 .. P6, then back on the lower side.
        const double rho = view == 2 ? R : 0.5 * d(r, 1);
        const double cx[6] = {e - d(r, 13), e - 0.875 * d(r, 13), e - d(r, 14), e - 0.8 * d(r, 14), e - 0.6 * d(r, 14), e};
        const double cy[6] = {rp, rp, mid, mid, rb, rb};
        int from = 1;
        while (from < 6 && std::hypot(cx[from - 1], cy[from - 1]) <= rho) ++from;
        return 15 - 2 * from + pieces(cx[0], rp, rho) + pieces(cx[4], rb, rho) + pieces(cx[2], 0.4 * d(r, 12), rho) +
               (view == 2 ? 4 : 2);
    }
    case 3: return sides ? 21 : 19;
    case 4: return sides ? 23 : 17;
    case 6: return 29;
    default: {
        // The run hides whatever of the branch lies within its width: the
        // profile's pieces (each with its mirror) ending past the run's side
        // and the step rims reaching past it, besides the run's 17 and the face.
        const double k = 0.707106781;
        const double x[5] = {k * (e - 0.875 * d(r, 13)), k * (e - d(r, 14)), k * (e - 0.8 * d(r, 14)),
                             k * (e - 0.6 * d(r, 14)), k * e};
        const double y[4] = {rp, mid, mid, rb};
        int n = 18;
        for (int j = 0; j < 5; ++j) n += x[j] > R ? 2 : 0;
        for (int j = 0; j < 4; ++j) n += x[j] + k * y[j] > R ? 1 : 0;
        return n;
    }
    }
}

// Status 0, the list's element count, finite values, arc ends on their curves
// within 1e-6 mm and every end met, save the pipe marks the outlines declare.
TEST(ShortTee, EveryRecordAndViewDrawsItsWholeList)
{
    for (const EntryCase& t : kTees)
        for (const Pair& pr : pairs(t.name))
            for (int view : kViews) {
                SCOPED_TRACE(std::string(t.name) + " " + std::to_string(pr.m) + "/" + std::to_string(pr.b) +
                             " view " + std::to_string(view));
                arftool::Drawing dr;
                dr.status = draw_pair(t.fn, pr.m, pr.b, view);
                ASSERT_EQ(dr.status, 0);
                dr.host = arfhost::record();
                const ArfRecordView r = last_record(t.name);
                EXPECT_EQ(int(elements().size()), expected_count(t.fn == jarft92s00, r, view));
                std::vector<int> declared;
                for (int i = 0, n = arf_intended(0, nullptr, nullptr, nullptr); i < n; ++i) {
                    int el = 0;
                    arf_intended(i, &el, nullptr, nullptr);
                    declared.push_back(el);
                }
                for (const Element& e : elements()) EXPECT_TRUE(arftool::all_finite(e));
                for (const arftool::Finding& f : arftool::check_drawing(dr)) {
                    const bool mark = f.kind == "dangling" &&
                                      std::find(declared.begin(), declared.end(), f.element) != declared.end();
                    EXPECT_TRUE(mark) << "element " << f.element << ": " << f.kind << " " << f.detail;
                }
            }
}

// View 7: the branch recedes behind the run, so nothing of it is drawn within
// the run pipe's width; view 6: it comes forward, and the run's right side
// stops at the branch's outline, above and below it.
TEST(ShortTee, HiddenPartsOfTheInclinedViews)
{
    for (const EntryCase& t : kTees)
        for (const Pair& pr : pairs(t.name)) {
            SCOPED_TRACE(std::string(t.name) + " " + std::to_string(pr.m) + "/" + std::to_string(pr.b));
            ASSERT_EQ(draw_pair(t.fn, pr.m, pr.b, 7), 0);
            const double R = 0.5 * d(last_record(t.name), 2);
            for (size_t i = 17; i < elements().size(); ++i) {  // after the run's own 17
                std::array<arftool::P2, 2> ends;
                const int n = arftool::end_points(elements()[i], ends);
                for (int j = 0; j < n; ++j) EXPECT_GE(ends[j].x, R - 1e-9) << "element " << i + 1;
            }
            ASSERT_EQ(draw_pair(t.fn, pr.m, pr.b, 6), 0);
            int side = 0;
            for (const Element& e : elements()) {
                if (e.form != Form::segment || std::abs(e.geo[0] - R) > 1e-9 || std::abs(e.geo[2] - R) > 1e-9) continue;
                ++side;
                EXPECT_FALSE(std::min(e.geo[1], e.geo[3]) < 0 && std::max(e.geo[1], e.geo[3]) > 0);
            }
            EXPECT_EQ(side, 3);  // the run socket's pipe, the side above the branch and below it
        }
}

// The long spigot's view 1 at 125/65: its first step starts inside the run,
// so the run's side and the step stop where they cross, and the opening is
// drawn between the two crossings; with the crossing not found (the host's
// segment routine failing) the outline is drawn whole.
TEST(ShortTee, LongSpigotTrimsWhereItsStepCrossesTheRun)
{
    ASSERT_EQ(draw_pair(jarft92s0t, 125, 65, 1), 0);
    const std::vector<Element> cut = elements();
    ASSERT_EQ(cut.size(), 30u);
    const auto& side = cut[12].geo;  // P13 -> P31, down the run's right side, then P31 -> P16
    EXPECT_EQ(side[0], side[2]);
    EXPECT_TRUE(side[2] == cut[13].geo[0] && side[3] == cut[13].geo[1]);
    const auto& open = cut.back().geo;  // the opening from P31 to its mirror
    EXPECT_TRUE(open[5] == side[2] && open[6] == side[3] && open[8] == -side[3]);
    ASSERT_EQ(draw_pair(jarft92s0t, 125, 65, 1, "GCG164"), 0);
    EXPECT_EQ(elements().size(), 32u);
}

// Each element write refused in turn, in every view: the call fails and what
// was written before stays as it was.
TEST(ShortTee, RefusedElementEndsTheDrawing)
{
    for (const EntryCase& t : kTees)
        for (const Pair& pr : {Pair{65, 50}, Pair{100, 50}})
            for (int view : kViews) {
                ASSERT_EQ(draw_pair(t.fn, pr.m, pr.b, view), 0);
                const std::vector<Element> whole = elements();
                for (int n = 1; n <= int(whole.size()); ++n) {
                    ASSERT_EQ(draw_pair(t.fn, pr.m, pr.b, view, "write:" + std::to_string(n)), 1) << t.name << ' ' << view;
                    ASSERT_EQ(int(elements().size()), n - 1);
                    for (int i = 0; i < n - 1; ++i) EXPECT_EQ(elements()[i].geo, whole[i].geo);
                }
            }
}

// The free-size tees in true shape: a catalogue pair becomes the standard tee
// and draws its outline; any other pair still goes to the host's routine.
TEST(ShortTee, FreeSizeTeesDrawCataloguePairsAsStandardTees)
{
    struct Case {
        EntryFn free, standard;
        const char* code;
        const char* becomes;
        int m, b;  // a pair the standard tee's table lacks
    };
    for (const Case& c : {Case{jarft92sfr, jarft92s00, "JARFT92SFR", "JARFT92S00", 100, 40},
                          Case{jarft92lfr, jarft92l00, "JARFT92LFR", "JARFT92L00", 250, 40}})
        for (int view : kViews) {
            SCOPED_TRACE(std::string(c.code) + " view " + std::to_string(view));
            ASSERT_EQ(draw_pair(c.standard, 100, 50, view), 0);
            const std::vector<Element> standard = elements();
            ASSERT_FALSE(standard.empty());
            Part p(100, 0, 50);
            std::memcpy(p.head.part_code, c.code, 10);
            p.head.draw_mode = 2;
            p.head.view_no = static_cast<uint8_t>(view);
            ASSERT_EQ(p.run(c.free), 0);
            EXPECT_EQ(std::string(p.head.part_code, 10), c.becomes);
            ASSERT_EQ(elements().size(), standard.size());
            for (size_t i = 0; i < standard.size(); ++i) EXPECT_EQ(elements()[i].geo, standard[i].geo);

            Part q(c.m, 0, c.b);
            std::memcpy(q.head.part_code, c.code, 10);
            q.head.draw_mode = 2;
            q.head.view_no = static_cast<uint8_t>(view);
            ASSERT_EQ(q.run(c.free), 0);
            EXPECT_EQ(std::string(q.head.part_code, 10), c.code);
            EXPECT_EQ(arfhost::record().calls.back(), "zscSizeFreeTeesDraw");
            EXPECT_TRUE(elements().empty());
        }
}

}  // namespace
