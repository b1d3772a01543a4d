// The 45-degree bend's outlines: every record in every view, the size classes
// the view functions switch between, write failures (with the socket
// adaptor's), and which half of each rim a view shows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "check.h"
#include "findings.h"
#include "curves.h"
#include "entry_cases.h"

namespace {

using arfhost::Element;
using arfhost::Form;

struct Shot {
    int status;
    std::vector<Element> els;
    long writes;
};

Shot draw(int size, int view, const std::string& fail = {}, int pen = 0, EntryFn fn = jarft41l00)
{
    Part p(size);
    p.head.view_no = static_cast<uint8_t>(view);
    p.head.draw_mode = 2;
    p.head.pen = pen;
    arfhost::reset();
    if (!fail.empty()) arfhost::fail_at(fail);
    const int st = fn(&p.head, &p.set);
    return {st, arfhost::record().elements, arfhost::record().writes};
}

std::vector<int> sizes(const char* entry = "jarft41l00")
{
    int first[32], second[32];
    const int n = arf_table_keys(entry, first, second, 32);
    return std::vector<int>(first, first + n);
}

std::string faults(const Shot& s, std::initializer_list<const char*> kinds) { return ::faults(s.els, kinds, s.status); }

// Each view's elements by end code and line style, by size range: digits
// are solid (0 body, 1 end 1, 2 end 2), letters style 2 (a body, b end 1,
// c end 2). The plain (above 125) variants of views 1 to 7 and 10 to 13 add
// their rows here.
struct Listed {
    int lo, hi, view;
    std::string codes;
};
constexpr int kAny = 32767;
std::string body_run(int n) { return std::string(n, '0'); }
const Listed kListed[] = {
    {0, 125, 1, "0000002000000100aaaa"},
    {0, 125, 2, "00000020000001" "b" "aaaaab"},
    {0, 125, 3, "000020000" "1aaaaaacc"},
    {0, 125, 4, "000000020000000" "1aaaaaac"},
    {0, 125, 5, "00002000" "01aaaaacc"},
    {0, 80, 6, "1" + body_run(15) + "2caaaaa"},
    {100, 100, 6, "1" + body_run(13) + "2caaaaa"},
    {125, 125, 6, "1" + body_run(11) + "2caaaaa"},
    {0, 80, 7, "1" + body_run(15) + "2aaaaa"},
    {100, 100, 7, "1" + body_run(13) + "2aaaaa"},
    {125, 125, 7, "1" + body_run(11) + "2aaaaa"},
    {0, 80, 10, body_run(14) + "2bbaaaaaa"},
    {100, 100, 10, body_run(12) + "2bbaaaaaa"},
    {125, 125, 10, body_run(10) + "2bbaaaaaa"},
    {0, 80, 11, body_run(14) + "2cbaaaaaa"},
    {100, 100, 11, body_run(12) + "2cbaaaaaa"},
    {125, 125, 11, body_run(10) + "2cbaaaaaa"},
    {0, 125, 12, "000000" "2" + body_run(9) + "b"},
    {0, 125, 13, "000000" "2" + body_run(9) + "b"},
    {0, 125, 8, "220010"},
    {150, 249, 8, "220010"},
    {250, kAny, 8, "22001"},
    {0, 125, 9, "2200110"},
    {150, 249, 9, "200110"},
    {250, kAny, 9, "20011"},
    {0, kAny, 14, ""},
    {0, kAny, 15, ""},
    {0, kAny, 16, ""},
    {0, kAny, 17, ""},
};

std::string codes(const Shot& s)
{
    std::string out;
    for (const Element& e : s.els) {
        const int c = e.code == 1282 ? 0 : e.code == 1520 ? 1 : e.code == 1521 ? 2 : 9;
        out += static_cast<char>((e.style == 2 ? 'a' : '0') + c);
    }
    return out;
}

TEST(Bend45Views, EveryRecordDrawsItsElementsFiniteWithArcEndsOnTheirCurves)
{
    int checked = 0;
    for (int size : sizes())
        for (const Listed& c : kListed) {
            if (size < c.lo || size > c.hi) continue;
            SCOPED_TRACE("size " + std::to_string(size) + " view " + std::to_string(c.view));
            const Shot s = draw(size, c.view);
            ASSERT_EQ(s.status, 0);
            EXPECT_EQ(codes(s), c.codes);
            EXPECT_EQ(faults(s, {"non_finite", "off_curve", "degenerate"}), "");
            ++checked;
        }
    EXPECT_EQ(checked, 6 * 13 + 5 * 2 + 11 * 4);
}

// The views whose outline is closed: every end meets another element. (Views
// 1, 4, 8, 12 and 13 carry free-standing lines by design: the socket bottom
// seen through the wall, the bend end's near half; in view 3 from 125 the
// bend end's far half reaches above the pipe's side lines, inside the hub.)
TEST(Bend45Views, ClosedViewsHaveNoLooseEnds)
{
    for (int size : sizes()) {
        if (size > 125) continue;
        for (int view : {2, 3, 5, 6, 7, 9, 10, 11}) {
            if (view == 3 && size == 125) continue;
            SCOPED_TRACE("size " + std::to_string(size) + " view " + std::to_string(view));
            EXPECT_EQ(faults(draw(size, view), {"dangling", "duplicate"}), "");
        }
    }
}

// Both socket-end entries of this family: the bend's hubbed views and every
// view of the socket adaptor.
TEST(Bend45Views, AnyFailedWriteStopsTheViewWithTheEarlierElementsKept)
{
    const struct {
        const char* name;
        EntryFn fn;
        int views;
    } entries[] = {{"jarft41l00", jarft41l00, 13}, {"jarft01sa0", jarft01sa0, 7}};
    for (const auto& en : entries)
        for (int size : sizes(en.name)) {
            if (size > 125) continue;
            for (int view = 1; view <= en.views; ++view) {
                const Shot whole = draw(size, view, {}, 0, en.fn);
                const long before = whole.writes - static_cast<long>(whole.els.size());  // the stages' own
                for (int k = 1; k <= static_cast<int>(whole.els.size()); ++k) {
                    SCOPED_TRACE(std::string(en.name) + " size " + std::to_string(size) + " view " +
                                 std::to_string(view) + " write " + std::to_string(k));
                    const Shot cut = draw(size, view, "write:" + std::to_string(before + k), 0, en.fn);
                    ASSERT_EQ(cut.status, 1);
                    ASSERT_EQ(cut.els.size(), static_cast<size_t>(k - 1));
                    for (int i = 0; i < k - 1; ++i) ASSERT_EQ(cut.els[i].geo, whole.els[i].geo);
                }
            }
        }
}

// Up to 125 the hubbed lists draw; above, the plain variants. A hubless record
// (d4 = 0, d1 = d2) run through the hubbed lists would collapse the hub's flat
// to zero-length lines, so whatever the plain variant answers, it draws nothing
// degenerate.
TEST(Bend45Views, Size125IsHubbedAnd150IsNot)
{
    for (int view : {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13}) {
        SCOPED_TRACE("view " + std::to_string(view));
        const Shot hubbed = draw(125, view);
        EXPECT_EQ(hubbed.status, 0);
        EXPECT_GE(hubbed.els.size(), 17u);
        const Shot plain = draw(150, view);
        EXPECT_EQ(d(last_record("jarft41l00"), 4), 0.0);
        EXPECT_EQ(faults(plain, {"degenerate", "non_finite"}), "");
        if (plain.status != 0) {
            EXPECT_TRUE(plain.els.empty());
        }
    }
}

// Views 8 and 9 change their lists at 150 and 250: up to 125 the pipe's side
// lines stop on the hub's outside circle, above it they run to the axis; the
// bend end's arc has the pipe's radius (and from 250 is gone).
TEST(Bend45Views, EndViewsSwitchListsAt150And250)
{
    for (int size : {125, 150, 250}) {
        SCOPED_TRACE(size);
        const Shot s = draw(size, 8);
        const ArfRecordView r = last_record("jarft41l00");
        const auto& side = s.els[2].geo;  // P0' -> P1'
        EXPECT_NEAR(side[1], 0.5 * d(r, 2), 1e-9);
        EXPECT_NEAR(std::hypot(side[0], side[1]), size < 150 ? 0.5 * d(r, 1) : side[1], 1e-9);
        if (size < 250) {
            EXPECT_NEAR(s.els[5].geo[2], 0.5 * d(r, 2), 1e-9);
        }
    }
    // View 9 opens with the hub's outside arc while there is a hub, else the pipe's.
    EXPECT_EQ(draw(125, 9).els[0].geo[2], 0.5 * double(164.8f));
    EXPECT_EQ(draw(150, 9).els[0].geo[2], 0.5 * double(165.25f));
}

TEST(Bend45Views, EndViewsCopyThePartPenOthersKeepTheHosts)
{
    for (int view : {8, 9}) {
        const Shot s = draw(65, view, {}, 77);
        for (const Element& e : s.els) EXPECT_EQ(e.pen, 77) << view;
    }
    for (int view : {1, 6, 12}) {
        const Shot s = draw(65, view, {}, 77);
        for (const Element& e : s.els) EXPECT_NE(e.pen, 77) << view;
    }
}

TEST(Bend45Views, SymbolViewsAreTheHostsStandardMark)
{
    for (int size : {50, 150, 300})
        for (int view = 14; view <= 17; ++view) {
            const Shot s = draw(size, view);
            EXPECT_EQ(s.status, 0);
            EXPECT_TRUE(s.els.empty());
            EXPECT_EQ(host_arg("hyojun41", "mode"), std::vector<double>{0});
            EXPECT_EQ(draw(size, view, "hyojun41").status, 1);
        }
}

arftool::P2 arc_middle(const Element& e)
{
    const arftool::Span sp = arftool::span_of(e);
    return arftool::point_at(arftool::conic_of(e), 0.5 * (sp.t0 + sp.t1));
}

// Of each rim seen through the wall (the arcs in style 2) a view shows one
// half: towards the pipe end in view 2 (+x), towards the bend in view 5 (-x);
// looking along the socket leg, below the axis in view 3 and above it in view
// 4. In the axonometric views the halves lie towards the bend when the mouth
// faces the viewer (6, 11), towards the mouth otherwise; the leg's axis runs
// from the bend end's rim (the last rim arc) to the full-radius rim.
TEST(Bend45Views, RimsShowTheHalfTheViewSees)
{
    for (int size : sizes()) {
        if (size > 125) continue;
        for (int view : {2, 3, 4, 5, 6, 7, 10, 11}) {
            SCOPED_TRACE("size " + std::to_string(size) + " view " + std::to_string(view));
            const Shot s = draw(size, view);
            std::vector<Element> rims;
            for (const Element& e : s.els)
                if (e.form == Form::elliptic_arc && e.style == 2) rims.push_back(e);
            tagRPT side = view == 2 ? tagRPT{1, 0} : view == 5 ? tagRPT{-1, 0} : view == 3 ? tagRPT{0, -1} : tagRPT{0, 1};
            if (view >= 6) {
                if (view >= 10) rims.pop_back();  // the bend start's rim, not the leg's
                rims.erase(rims.begin(), rims.end() - 5);
                const double sense = view == 6 || view == 11 ? -1 : 1;
                side = {sense * (rims[0].geo[0] - rims[4].geo[0]), sense * (rims[0].geo[1] - rims[4].geo[1])};
            }
            ASSERT_GE(rims.size(), 5u);
            for (const Element& e : rims) {
                const arftool::P2 m = arc_middle(e);
                EXPECT_GT((m.x - e.geo[0]) * side.x + (m.y - e.geo[1]) * side.y, 0.0);
            }
        }
    }
}

}  // namespace
