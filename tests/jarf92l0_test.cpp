// The 90-degree tee through its entry: every record in every view code, which
// outline the sizes choose, and intersections that find nothing. (Refused
// writes: outlines_test; where each element sits: the golden files.)
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "check.h"
#include "curves.h"
#include "elemout.h"
#include "arfhost.h"
#include "arfroutines.h"
#include "arftable.h"
#include "entry_cases.h"
#include "findings.h"
#include "jarf92l0.h"

namespace {

using arfhost::Element;
using arfhost::Form;
using O = TeeOutline;

constexpr int kViews[] = {1, 2, 3, 4, 5, 6, 7, 10, 11};
constexpr double kS = 1.414213562;

using Pair = SizePair;
std::vector<Pair> table_pairs() { return ::table_pairs("jarft92l00"); }
int draw(int m, int b, int view, const std::string& fault = {}) { return draw_pair(jarft92l00, m, b, view, fault); }

const std::vector<Element>& elements() { return arfhost::record().elements; }

bool one_of(int v, std::initializer_list<int> l)
{
    for (int x : l)
        if (v == x) return true;
    return false;
}

// Elements each outline writes, from its element list. The small tee's views
// 3, 4 and 6 vary with the pair: whether the branch socket's circle crosses
// the run's side, its pipe-end line and its pipe mark; which pairs show the
// socket's arcs behind the run; which pairs take the view-6 case with a kink.
int expected_count(const ArfRecordView& r, int view)
{
    const int m = r.keys[0], b = r.keys[1];
    const double rb = 0.5 * d(r, 11);
    switch (tee_outline(view, m, b)) {
    case O::large_branch: {
        // View 10/11: the leg's opening ends on end 1's rim when it would reach past it.
        const double low = (0.5 * d(r, 1) - d(r, 9)) / kS - rb / 0.816496581;
        const int ten = low > -d(r, 10) / kS ? 17 : 16;
        const int counts[12] = {0, 16, 7, 10, 4, 7, 16, 12, 0, 0, ten, ten};
        return counts[view];
    }
    case O::large_run: {
        const int counts[12] = {0, 25, 19, 9, 4, 19, 19, 23, 0, 0, 28, 28};
        return counts[view];
    }
    case O::small: break;
    }
    const bool mark_cut = std::abs(d(r, 5) - d(r, 4)) <= rb;   // the pipe mark crosses the branch circle
    const bool end_cut = std::abs(d(r, 5) - d(r, 3)) <= rb;    // so does the pipe-end line
    switch (view) {
    case 3:
        if (m != b) return 13 + 1 + (end_cut ? 2 : 1) + 1 + 2 + (mark_cut ? 2 : 1) + 2 + 1;
        return 1 + 1 + (mark_cut ? 9 : 11) + 4 + (m != 125 ? (mark_cut ? 2 : 1) : 0) + 4;
    case 4:
        return 17 + (m == b || (m == 50 && b == 40) || (m == 65 && b == 50) || (m == 80 && b == 65) ? 2 : 0);
    case 6: {
        const bool kinked = (m == 65 && b == 50) || (one_of(m, {80, 100}) && one_of(b, {50, 65}));
        return 33 + (kinked ? 1 : 0);
    }
    default: {
        const int counts[12] = {0, 38, 23, 0, 0, 19, 0, 37, 0, 0, 41, 39};
        return counts[view];
    }
    }
}

// Status 0, the element count of the list, finite values, arc ends on their
// curves and every end met, save what the outline declares it draws so.
TEST(Jarf92l0, EveryRecordAndViewDrawsItsWholeList)
{
    for (const Pair& pr : table_pairs())
        for (int view : kViews) {
            SCOPED_TRACE(std::to_string(pr.m) + "/" + std::to_string(pr.b) + " view " + std::to_string(view));
            ASSERT_EQ(draw(pr.m, pr.b, view), 0);
            EXPECT_EQ(int(elements().size()), expected_count(last_record("jarft92l00"), view));
            EXPECT_EQ(undeclared(), "");
        }
}

// The outline by sizes at both thresholds: 125 and 150 for the branch, with
// views 1 and 6 taking every branch above 125 as large; the run likewise,
// with only view 1 taking a run above 125 as large.
TEST(Jarf92l0, SizesChooseTheOutline)
{
    struct Case {
        int view, m, b;
        O want;
    };
    const Case cases[] = {
        {1, 125, 125, O::small},        {1, 150, 126, O::large_branch}, {1, 126, 100, O::large_run},
        {1, 150, 125, O::large_run},    {2, 150, 126, O::large_run},    {2, 125, 149, O::small},
        {2, 150, 150, O::large_branch}, {2, 149, 100, O::small},        {5, 150, 100, O::large_run},
        {3, 150, 149, O::large_run},    {4, 140, 140, O::small},        {3, 200, 150, O::large_branch},
        {6, 150, 130, O::large_branch}, {7, 150, 130, O::large_run},    {6, 140, 100, O::small},
        {6, 125, 126, O::large_branch}, {7, 125, 126, O::small},        {10, 150, 149, O::large_run},
        {11, 149, 149, O::small},       {11, 300, 150, O::large_branch},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tee_outline(c.view, c.m, c.b), c.want) << c.view << " " << c.m << "/" << c.b;
    // Through the entry, the records either side of both thresholds.
    for (const auto& [m, b, n1, n2] : {std::tuple{125, 125, 38, 23}, {150, 125, 25, 19}, {150, 150, 16, 7}}) {
        ASSERT_EQ(draw(m, b, 1), 0);
        EXPECT_EQ(int(elements().size()), n1) << m << "/" << b;
        ASSERT_EQ(draw(m, b, 2), 0);
        EXPECT_EQ(int(elements().size()), n2) << m << "/" << b;
    }
}

// The small tee's view 1 is exported: called on the block the entry chose, it
// writes what the entry wrote.
TEST(Jarf92l0, Ar920aIsCallableOnItsOwn)
{
    ASSERT_EQ(draw(100, 50, 1), 0);
    const std::vector<Element> via_entry = elements();
    const ArfRecordView r = last_record("jarft92l00");
    ARF_SIZE2 blk{};
    blk.main_size = static_cast<int16_t>(r.keys[0]);
    blk.branch_size = static_cast<int16_t>(r.keys[1]);
    for (int n = 1; n <= Cols<ARF_SIZE2>::n; ++n) blk.*Cols<ARF_SIZE2>::d[n] = d(r, n);
    arfhost::reset();
    ASSERT_EQ(ar920a(&bzi_wrt_t, &blk), 0);
    ASSERT_EQ(elements().size(), via_entry.size());
    for (size_t i = 0; i < via_entry.size(); ++i) EXPECT_EQ(elements()[i].geo, via_entry[i].geo) << i;
}

// Each intersection routine the views call, made to find nothing. The outlines
// take the points as they stand, so every drawing still completes with finite
// values; the views that ask whether a crossing was found draw the crossed
// lines whole (view 3 of a reducing pair: 22 elements).
TEST(Jarf92l0, IntersectionsThatFindNothing)
{
    for (const char* routine : {"GCG064", "GCG065", "GCG005", "GCG110", "GCG111", "GCG122"})
        for (const Pair& pr : {Pair{100, 50}, Pair{65, 50}, Pair{65, 65}, Pair{200, 65}, Pair{250, 200}})
            for (int view : kViews) {
                SCOPED_TRACE(std::string(routine) + " " + std::to_string(pr.m) + "/" + std::to_string(pr.b) +
                             " view " + std::to_string(view));
                ASSERT_EQ(draw(pr.m, pr.b, view, routine), 0);
                for (const Element& e : elements()) EXPECT_TRUE(arftool::all_finite(e));
                if (view == 3 && pr.m != pr.b && pr.m < 150 && std::string(routine) == "GCG065") {
                    EXPECT_EQ(elements().size(), 22u);
                }
            }
}

}  // namespace
