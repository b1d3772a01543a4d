// The 90-degree tee through its entry: every record in every view code, which
// outline the sizes choose, where the ends sit, and a refused element ending
// the drawing.
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
bool near(double a, double b, double tol = 1e-6) { return std::abs(a - b) <= tol; }

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

// The point a dangling finding names: "... start (x, y) meets no other element".
arftool::P2 named_point(const arftool::Finding& f)
{
    arftool::P2 p{NAN, NAN};
    const auto at = f.detail.find('(');
    if (at != std::string::npos) std::sscanf(f.detail.c_str() + at, "(%lf, %lf)", &p.x, &p.y);
    return p;
}

// What the outlines draw on purpose that the checker flags.
struct Named {
    const ArfRecordView& r;
    int view;
    O outline;
    std::vector<arftool::P2> loose;  // ends of the openings drawn with the short stored cos 45

    bool operator()(const arftool::Finding& f) const
    {
        const int m = r.keys[0], b = r.keys[1];
        const Element& e = elements()[f.element - 1];
        const arftool::P2 p = named_point(f);
        // The socket's pipe marks stop inside the socket: 0.4 d2 off the run
        // axis, 0.4 d12 off the branch axis.
        const bool mark = near(std::abs(p.x), 0.4 * d(r, 2)) || near(std::abs(p.y), 0.4 * d(r, 12));
        if (f.kind == "dangling" && e.style == 2 && mark) return true;
        // Openings whose axis is 0.7071 d12 where their ends are 0.707106781 d12
        // off centre: the ends lie up to 1e-3 off the ellipse, and the lines
        // meeting them there are flagged too.
        const bool small_opening = outline != O::large_branch && (view == 1 || view == 6);
        if (f.kind == "off_curve" && small_opening && e.form == Form::elliptic_arc && e.style == 2 &&
            std::abs(e.geo[3] - 0.7071 * d(r, 12)) < 1e-9)
            return true;
        for (const arftool::P2& q : loose)
            if (f.kind == "dangling" && near(p.x, q.x) && near(p.y, q.y)) return true;
        // The large branch's view 1 draws its end-2 face again as a seam line.
        if (f.kind == "duplicate" && view == 1 && outline == O::large_branch) return true;
        if (outline != O::small && !(outline == O::large_run && view == 6)) return false;
        // View 6: the run side ends on the leg's upper line extended, which the
        // outline leaves before it reaches the run side.
        if (f.kind == "dangling" && view == 6 && e.form == Form::segment && near(p.x, 0.5 * d(r, 2))) return true;
        if (outline != O::small) return false;
        // View 7, the kinked pairs: the opening ends on the outer turn's circle, beside G.
        const bool kinked7 = (m == 65 && b == 50) || (m == 80 && one_of(b, {50, 65})) || (m == 100 && b == 80);
        if (view == 7 && kinked7 && f.element == int(elements().size()) && f.kind == "off_curve") return true;
        // View 3: the run's pipe-end line ends inside the branch circle, where the sides are cut.
        if (view == 3 && f.kind == "dangling" && near(std::abs(p.x), 0.5 * d(r, 2)) && near(p.y, d(r, 5) - d(r, 3)))
            return true;
        // View 4, equal sizes 50 to 80: the socket's arcs end on the run's pipe line inside the socket.
        return view == 4 && m == b && f.kind == "dangling" && e.form == Form::arc;
    }
};

// Status 0, the element count of the list, finite values, arc ends on their
// curves and every end met, save what the outlines draw on purpose.
TEST(Jarf92l0, EveryRecordAndViewDrawsItsWholeList)
{
    for (const Pair& pr : table_pairs())
        for (int view : kViews) {
            SCOPED_TRACE(std::to_string(pr.m) + "/" + std::to_string(pr.b) + " view " + std::to_string(view));
            arftool::Drawing dr;
            dr.status = draw(pr.m, pr.b, view);
            ASSERT_EQ(dr.status, 0);
            dr.host = arfhost::record();
            const ArfRecordView r = last_record("jarft92l00");
            EXPECT_EQ(int(elements().size()), expected_count(r, view));
            Named named{r, view, tee_outline(view, pr.m, pr.b), {}};
            const std::vector<arftool::Finding> found = arftool::check_drawing(dr);
            for (const arftool::Finding& f : found)
                if (f.kind == "off_curve" && named(f)) {
                    std::array<arftool::P2, 2> ends;
                    arftool::end_points(elements()[f.element - 1], ends);
                    named.loose.insert(named.loose.end(), ends.begin(), ends.end());
                }
            for (const arftool::Finding& f : found)
                EXPECT_TRUE(named(f)) << "element " << f.element << ": " << f.kind << " " << f.detail;
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

// View 1: the run's end faces at y = -d10 and, with its socket, at d5; the
// branch end face upright at d15 (d8 for a large branch); the run straight
// along y and the branch level along x at its end.
TEST(Jarf92l0, View1EndsSitWhereTheRecordPutsThem)
{
    for (const Pair& pr : table_pairs()) {
        SCOPED_TRACE(std::to_string(pr.m) + "/" + std::to_string(pr.b));
        ASSERT_EQ(draw(pr.m, pr.b, 1), 0);
        const ArfRecordView r = last_record("jarft92l00");
        const bool big = tee_outline(1, pr.m, pr.b) == O::large_branch;
        const double x3 = big ? d(r, 8) : d(r, 15);
        int end1 = 0, end2 = 0, end3 = 0;
        for (const Element& e : elements()) {
            if (e.form != Form::segment || e.style != 0) continue;
            const auto& g = e.geo;
            end1 += near(g[1], -d(r, 10)) && near(g[3], -d(r, 10));
            end2 += near(g[1], d(r, 5)) && near(g[3], d(r, 5));
            end3 += e.code == kEnd3 && near(g[0], x3) && near(g[2], x3);
        }
        EXPECT_EQ(end1, 1);
        EXPECT_EQ(end2, 1);
        EXPECT_EQ(end3, 1);
    }
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

// Each element write refused in turn, for each outline in each view: the call
// fails and what was written before stays as it was.
TEST(Jarf92l0, RefusedElementEndsTheDrawing)
{
    for (const Pair& pr : {Pair{100, 50}, Pair{65, 65}, Pair{200, 65}, Pair{250, 200}})
        for (int view : kViews) {
            ASSERT_EQ(draw(pr.m, pr.b, view), 0);
            const std::vector<Element> whole = elements();
            for (int n = 1; n <= int(whole.size()); ++n) {
                ASSERT_EQ(draw(pr.m, pr.b, view, "write:" + std::to_string(n)), 1) << pr.m << '/' << pr.b << ' ' << view;
                ASSERT_EQ(int(elements().size()), n - 1);
                for (int i = 0; i < n - 1; ++i) EXPECT_EQ(elements()[i].geo, whole[i].geo);
            }
        }
}

}  // namespace
