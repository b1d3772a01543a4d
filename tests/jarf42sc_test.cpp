// The 45-degree branch with a flanged run through its entry: every record in
// every view, the switch to the large-branch outlines above 125, the flange's
// bolt-hole mark in views 2 and 5, and the faults a drawing must survive or
// stop at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "check.h"
#include "entry_cases.h"

namespace {

using arfhost::Element;

struct Shot {
    int status;
    arftool::Drawing dr;
    long writes;
    int pekes;
    const std::vector<Element>& els() const { return dr.host.elements; }
};

Shot draw(int m, int b, int view, const std::string& fault = {})
{
    Part p;
    p.sizes(m, b, 'c');
    p.head.view_no = static_cast<uint8_t>(view);
    p.head.draw_mode = 2;
    arfhost::reset();
    if (!fault.empty()) {
        EXPECT_TRUE(arfhost::fail_at(fault)) << fault;
    }
    Shot s{jarft42sco(&p.head, &p.set), {}, 0, 0};
    s.dr.status = s.status;
    s.dr.host = arfhost::record();
    s.writes = s.dr.host.writes;
    s.pekes = static_cast<int>(std::count(s.dr.host.calls.begin(), s.dr.host.calls.end(), "peke"));
    for (int i = 0, n = arf_intended(0, nullptr, nullptr, nullptr); i < n; ++i) {
        arftool::Declared x{};
        const char* why = nullptr;
        arf_intended(i, &x.element, &x.kind, &why);
        x.reason = why ? why : "";
        s.dr.declared.push_back(x);
    }
    return s;
}

std::string where(int m, int b, int view)
{
    return std::to_string(m) + "/" + std::to_string(b) + " view " + std::to_string(view);
}

// Element counts in table order, views 1 to 7. The small branch draws 27
// elements in view 1 and 19 in view 2 for every pair; view 3 has two more
// where the branch socket is wider than the run and cuts both run lines; view
// 4 shows the run alone (10) unless the socket reaches past the run's pipe;
// in view 5 the flange hides the rims' halves towards the run as far as it
// reaches; in views 6 and 7 the trims follow each pair. The large branch
// (150 and 200) draws the same counts for every pair, but for view 3 of a
// branch as wide as the run, whose side lines are the run's own.
struct Counts {
    int m, b, n[7];
};
constexpr Counts kCounts[] = {
    {80, 50, {27, 19, 24, 10, 19, 28, 24}},    {80, 65, {27, 19, 26, 18, 18, 30, 26}},
    {80, 80, {27, 19, 26, 24, 17, 30, 26}},    {100, 50, {27, 19, 24, 10, 18, 28, 21}},
    {100, 65, {27, 19, 24, 10, 17, 30, 24}},   {100, 80, {27, 19, 24, 10, 18, 30, 24}},
    {100, 100, {27, 19, 24, 10, 16, 28, 24}},  {125, 65, {27, 19, 24, 10, 18, 30, 24}},
    {125, 80, {27, 19, 24, 10, 18, 30, 24}},   {125, 100, {27, 19, 24, 10, 18, 28, 21}},
    {125, 125, {27, 19, 26, 24, 18, 26, 20}},  {150, 80, {27, 19, 24, 10, 18, 30, 24}},
    {150, 100, {27, 19, 24, 10, 18, 28, 21}},  {150, 125, {27, 19, 24, 10, 18, 26, 20}},
    {150, 150, {14, 6, 13, 10, 6, 17, 13}},    {200, 100, {27, 19, 24, 10, 18, 28, 21}},
    {200, 125, {27, 19, 24, 10, 18, 26, 20}},  {200, 150, {14, 6, 15, 10, 6, 17, 13}},
    {200, 200, {14, 6, 13, 10, 6, 17, 13}},
};

// Pitch circle, holes and hole diameter of the flange by run size.
struct Bolts {
    int m;
    double pitch, n, hole;
};
constexpr Bolts kBolts[] = {{80, 150, 8, 19}, {100, 175, 8, 19}, {125, 210, 8, 23}, {150, 240, 8, 23}, {200, 290, 12, 23}};

TEST(Jarf42sc, EveryRecordDrawsEveryViewWithoutUndeclaredFindings)
{
    int first[32], second[32];
    const int n = arf_table_keys("jarft42sco", first, second, 32);
    ASSERT_EQ(n, static_cast<int>(std::size(kCounts)));
    for (int r = 0; r < n; ++r) {
        const Counts& c = kCounts[r];
        ASSERT_EQ(first[r], c.m);
        ASSERT_EQ(second[r], c.b);
        for (int view = 1; view <= 7; ++view) {
            SCOPED_TRACE(where(c.m, c.b, view));
            const Shot s = draw(c.m, c.b, view);
            ASSERT_EQ(s.status, 0);
            EXPECT_EQ(static_cast<int>(s.els().size()), c.n[view - 1]);
            // Arc ends lie on their curves within 1e-6 mm (off_curve), nothing is
            // non-finite, and every free end is declared.
            for (const arftool::Finding& f : arftool::check_drawing(s.dr))
                if (!f.declared()) ADD_FAILURE() << f.kind << " at element " << f.element << ": " << f.detail;
            int codes[4] = {};
            for (const Element& e : s.els()) codes[e.code == 1520 ? 1 : e.code == 1521 ? 2 : e.code == 1522 ? 3 : 0]++;
            EXPECT_GE(codes[1], view == 5 ? 0 : 1);  // end 1 hides behind the flange from end 2
            EXPECT_GE(codes[2], 1);                  // the flange face shows in every view
            EXPECT_EQ(codes[3] > 0, view != 4 || c.n[3] > 10);  // the branch end, unless hidden behind the run
            // The bolt holes go on the flange once, about the run's axis, in views 2 and 5.
            EXPECT_EQ(s.pekes, view == 2 || view == 5 ? 1 : 0);
            if (s.pekes) {
                const std::vector<double> got = host_arg("peke", "x,y,a,n,w");
                const Bolts* k = std::find_if(std::begin(kBolts), std::end(kBolts), [&](const Bolts& q) { return q.m == c.m; });
                ASSERT_NE(k, std::end(kBolts));
                EXPECT_EQ(got, (std::vector<double>{0, 0, k->pitch, k->n, k->hole}));
            }
        }
    }
}

// The widest branch-end element: the length of the end-face segment in view
// 1, else twice the largest semi-axis of an end-3 ellipse or arc.
double branch_end_width(const Shot& s)
{
    double w = 0;
    for (const Element& e : s.els()) {
        if (e.code != 1522) continue;
        if (e.form == arfhost::Form::segment) w = std::max(w, std::hypot(e.geo[2] - e.geo[0], e.geo[3] - e.geo[1]));
        else w = std::max({w, 2 * e.geo[2], 2 * e.geo[3]});
    }
    return w;
}

// A branch of 125 keeps the small outlines (its socket, d11 across); from 150
// the large ones draw a plain pipe as wide as the large-branch block's a5,
// with the run of 150 on either side of the switch.
TEST(Jarf42sc, DispatchSwitchesAbove125OnTheBranch)
{
    struct Case {
        int m, b;
        double width;  // 0: the record's d11
    };
    const Case cases[] = {{125, 125, 0}, {150, 125, 0}, {150, 150, 165.2}, {200, 125, 0}, {200, 150, 165.2}, {200, 200, 216.3}};
    for (const Case& c : cases)
        for (int view : {1, 2, 3, 5, 6, 7}) {
            SCOPED_TRACE(where(c.m, c.b, view));
            const Shot s = draw(c.m, c.b, view);
            const double want = c.width != 0 ? c.width : d(last_record("jarft42sco"), 11);
            EXPECT_NEAR(branch_end_width(s), want, 1e-6);
        }
    // The large view 1 is the run of the opening routine and three segments.
    EXPECT_EQ(draw(150, 150, 1).els().size(), 14u);
    EXPECT_EQ(draw(150, 125, 1).els().size(), 27u);
}

// View 1 of the small branch: the run's opening is as wide as the branch pipe,
// so the branch pipe lines leave its ends along the 45-degree axis.
TEST(Jarf42sc, SmallBranchPipeLeavesTheRunOpeningOnTheDiagonal)
{
    for (const Counts& c : kCounts) {
        if (c.b > 125) continue;
        SCOPED_TRACE(where(c.m, c.b, 1));
        const Shot s = draw(c.m, c.b, 1);
        const ArfRecordView r = last_record("jarft42sco");
        const double x = 0.5 * d(r, 2), h = d(r, 12) / 1.414213562;
        const Element& up = s.els().at(11);
        const Element& low = s.els().at(23);
        EXPECT_EQ(up.geo[0], x);
        EXPECT_NEAR(up.geo[1], x + h, 1e-9);
        EXPECT_NEAR(up.geo[3] - up.geo[1], up.geo[2] - up.geo[0], 1e-6);
        EXPECT_EQ(low.geo[2], x);
        EXPECT_NEAR(low.geo[3], x - h, 1e-9);
        EXPECT_NEAR(low.geo[3] - low.geo[1], low.geo[2] - low.geo[0], 1e-6);
    }
}

// Every record and view: a refused write ends the drawing with 1, the
// elements before it kept as drawn and no bolt mark (it follows the last
// write); a refused second stage comes after the mark. An intersection
// routine that finds nothing leaves the drawing whole and finite: each
// outline keeps a point of its own then.
TEST(Jarf42sc, FaultsStopTheDrawingOrLeaveItWhole)
{
    for (const Counts& c : kCounts)
        for (int view = 1; view <= 7; ++view) {
            const Shot whole = draw(c.m, c.b, view);
            const long before = whole.writes - static_cast<long>(whole.els().size());
            const int n = static_cast<int>(whole.els().size());
            for (int k = 1; k <= n; ++k) {
                SCOPED_TRACE(where(c.m, c.b, view) + " write " + std::to_string(k));
                const Shot cut = draw(c.m, c.b, view, "write:" + std::to_string(before + k));
                ASSERT_EQ(cut.status, 1);
                ASSERT_EQ(static_cast<int>(cut.els().size()), k - 1);
                for (int i = 0; i < k - 1; ++i) ASSERT_EQ(cut.els()[i].geo, whole.els()[i].geo);
                EXPECT_EQ(cut.pekes, 0);
                // The run with its opening comes first in view 1: a refusal there
                // writes nothing of the branch.
                if (view == 1 && k <= 11) {
                    for (const Element& e : cut.els()) EXPECT_NE(e.code, 1522);
                }
            }
            SCOPED_TRACE(where(c.m, c.b, view));
            const Shot late = draw(c.m, c.b, view, "com_2nd");
            EXPECT_EQ(late.status, 1);
            EXPECT_EQ(late.pekes, whole.pekes);
            for (const char* routine : {"GCG064", "GCG065", "GCG110", "GCG111", "GCG122"}) {
                const Shot miss = draw(c.m, c.b, view, routine);
                EXPECT_EQ(miss.status, 0) << routine;
                for (const arftool::Finding& f : arftool::check_drawing(miss.dr))
                    EXPECT_NE(f.kind, "non_finite") << routine << " element " << f.element;
            }
        }
}

}  // namespace
