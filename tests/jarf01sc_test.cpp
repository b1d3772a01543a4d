// The socket reducer through its entry: every view of every record, one side
// outline for views 1, 2 and 5, the fixed make-up of a second end from 150,
// the receding views, and a refused element ending the drawing.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "check.h"
#include "curves.h"
#include "elemout.h"
#include "entry_cases.h"

namespace {

using arfhost::Element;
using arfhost::Form;
using Sizes = std::pair<int, int>;

constexpr Sizes kRecords[] = {{50, 40},  {65, 50},  {80, 50},   {80, 65},   {100, 50},  {100, 65},  {100, 80},
                              {125, 65}, {125, 80}, {125, 100}, {150, 100}, {150, 125}, {200, 125}, {200, 150}};

int expected_count(int second, int view)
{
    //                            view: 1   2   3  4   5   6   7
    static const int columns[] = {0, 20, 20, 3, 2, 20, 19, 19};
    static const int fixed[] = {0, 10, 10, 2, 1, 10, 10, 10};
    return (second >= 150 ? fixed : columns)[view];
}

const std::vector<Element>& elements() { return arfhost::record().elements; }

int draw(Sizes s, int view, const std::string& fault = {}, int pen = 0)
{
    Part p;
    p.sizes(s.first, s.second, 'b');
    p.head.draw_mode = 2;
    p.head.view_no = static_cast<uint8_t>(view);
    p.head.pen = pen;
    arfhost::reset();
    if (!fault.empty()) arfhost::fail_at(fault);
    return jarft01sct(&p.head, &p.set);
}

std::string where(Sizes s, int view)
{
    return std::to_string(s.first) + "/" + std::to_string(s.second) + " view " + std::to_string(view);
}

// Counts, finite values, arcs ending on their curves, nothing degenerate or
// twice; views 2 and 5 draw what view 1 draws.
TEST(Jarf01sc, EveryRecordAndViewDrawsItsList)
{
    for (Sizes s : kRecords) {
        std::vector<Element> side;
        for (int view = 1; view <= 7; ++view) {
            SCOPED_TRACE(where(s, view));
            arftool::Drawing dr;
            dr.status = draw(s, view);
            ASSERT_EQ(dr.status, 0);
            dr.host = arfhost::record();
            EXPECT_EQ(int(elements().size()), expected_count(s.second, view));
            for (const arftool::Finding& f : arftool::check_drawing(dr))
                EXPECT_EQ(f.kind, "dangling") << "element " << f.element << ": " << f.detail;
            if (view == 1) side = elements();
            if (view == 2 || view == 5) {
                for (size_t i = 0; i < side.size(); ++i) EXPECT_EQ(elements().at(i).geo, side[i].geo);
            }
        }
    }
}

// From the columns, side-on: the spigot's end face at x = -d10, d1 across; the socket mouth at x = 2·d15, d13 across.
TEST(Jarf01sc, EndsSitWhereTheColumnsPutThem)
{
    for (Sizes s : kRecords) {
        if (s.second >= 150) continue;
        SCOPED_TRACE(where(s, 1));
        ASSERT_EQ(draw(s, 1), 0);
        const ArfRecordView r = last_record("jarft01sct");
        const auto& face = elements()[7].geo;
        const auto& mouth = elements()[15].geo;
        EXPECT_EQ(elements()[7].code, kEnd2);
        EXPECT_EQ(elements()[15].code, kEnd1);
        EXPECT_DOUBLE_EQ(face[0], -d(r, 10));
        EXPECT_DOUBLE_EQ(face[1] - face[3], d(r, 1));
        EXPECT_DOUBLE_EQ(mouth[0], 2 * d(r, 15));
        EXPECT_DOUBLE_EQ(mouth[3] - mouth[1], d(r, 13));
    }
}

// A second end from 150 is the fixed make-up whatever the columns hold but
// the length, drawn with the part's own pen.
TEST(Jarf01sc, FixedMakeUpFromASecondEndOf150)
{
    for (int view = 1; view <= 7; ++view) {
        ASSERT_EQ(draw({200, 150}, view, {}, 4242), 0);
        for (const Element& e : elements()) EXPECT_EQ(e.pen, 4242) << view;
    }
    ASSERT_EQ(draw({200, 150}, 1), 0);
    const double d10 = d(last_record("jarft01sct"), 10);
    auto seg = [](int i) {
        const auto& g = elements()[i].geo;
        return std::array<double, 4>{g[0], g[1], g[2], g[3]};
    };
    EXPECT_EQ(seg(0), (std::array<double, 4>{-d10, -108.15, 0, -108.15}));
    EXPECT_EQ(seg(1), (std::array<double, 4>{0, -108.15, 216.3, -82.6}));
    EXPECT_EQ(seg(3), (std::array<double, 4>{366.3, -82.6, 366.3, 82.6}));
    ASSERT_EQ(draw({200, 150}, 3), 0);
    EXPECT_EQ(elements()[0].geo[2], 108.15);
    EXPECT_EQ(elements()[1].geo[2], 82.6);
    EXPECT_EQ(elements()[1].style, 2);
}

// Receding views: rims are k·r wide; the end facing the viewer shows whole
// (socket mouth in view 6, spigot end in view 7). The hub line comes out from
// behind the mouth's lip rim on its left: in view 6 it starts there, in view 7
// the lip rim runs round the near side to it, past the half.
TEST(Jarf01sc, RecedingViews)
{
    const double k = 0.707106781;
    for (Sizes s : kRecords)
        for (int view : {6, 7}) {
            SCOPED_TRACE(where(s, view));
            ASSERT_EQ(draw(s, view), 0);
            int whole = 0;
            for (const Element& e : elements()) {
                if (e.form != Form::ellipse && e.form != Form::elliptic_arc) continue;
                EXPECT_NEAR(e.geo[2], k * e.geo[3], 1e-9);
                if (e.form == Form::ellipse && e.style == 0) {
                    ++whole;
                    EXPECT_EQ(e.code == (s.second < 150 ? kEnd1 : kEnd2), view == 6);
                }
            }
            EXPECT_EQ(whole, 1);
            if (s.second >= 150) continue;
            const Element& lip = elements()[view == 6 ? 13 : 11];
            const arftool::Conic rim = arftool::conic_of(lip);
            const arftool::P2 out = view == 6 ? arftool::P2{elements()[1].geo[0], elements()[1].geo[1]}
                                              : arftool::P2{lip.geo[7], lip.geo[8]};
            EXPECT_LE(arftool::off_curve(rim, out), 1e-6);
            EXPECT_LT(out.x, rim.c.x);
            const arftool::Span sp = arftool::span_of(lip);
            if (view == 7) {
                EXPECT_GT(sp.t1 - sp.t0, std::acos(-1.0));
            }
        }
}

TEST(Jarf01sc, RefusedElementEndsTheDrawing)
{
    for (Sizes s : {Sizes{100, 65}, Sizes{125, 100}, Sizes{200, 150}})
        for (int view = 1; view <= 7; ++view) {
            ASSERT_EQ(draw(s, view), 0);
            const std::vector<Element> whole = elements();
            for (int n = 1; n <= int(whole.size()); ++n) {
                ASSERT_EQ(draw(s, view, "write:" + std::to_string(n)), 1) << where(s, view) << ' ' << n;
                ASSERT_EQ(int(elements().size()), n - 1);
                for (int i = 0; i < n - 1; ++i) EXPECT_EQ(elements()[i].geo, whole[i].geo);
            }
        }
}

}  // namespace
