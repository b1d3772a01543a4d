// The hidden-line trimmer: segments and elliptic arcs behind straight and
// curved cover outlines, each visible piece's ends where the exact crossings are.
#include <gtest/gtest.h>

#include <cmath>
#include <array>
#include <vector>

#include "hidden.h"
#include "recorder.h"

namespace {

const double h3 = std::sqrt(0.75);  // sin 60

Cover square(double x0, double y0, double x1, double y1)
{
    Cover c;
    for (tagRPT q : {pt(x0, y0), pt(x1, y0), pt(x1, y1), pt(x0, y1)}) c.add(q);
    return c;
}

// The half of ellipse e from s counter-clockwise to t, closed by the chord t-s.
Cover half(const tagRELL& e, tagRPT s, tagRPT t)
{
    Cover c;
    c.add(s);
    c.add_arc(e, s, t);
    c.add(t);
    return c;
}

tagRPT turned(tagRPT p, double deg)
{
    const double r = deg * std::acos(-1.0) / 180.0;
    return {p.x * std::cos(r) - p.y * std::sin(r), p.x * std::sin(r) + p.y * std::cos(r)};
}

struct Case {
    const char* what;
    Cover cover;
    bool arc;  // the element: an elliptic arc of e from a to b, else the segment a-b
    tagRELL e;
    tagRPT a, b;
    std::vector<std::array<double, 4>> pieces;  // each visible piece's start and end
};

TEST(Hidden, VisiblePiecesEndOnTheExactCrossings)
{
    const tagRELL unit = {0, 0, 1, 1, 0};
    const tagRELL tall = {0, 0, 1, 2, 120};  // the ellipse 2 by 1 turned 30 degrees, its axes swapped
    const tagRPT w1 = turned({1, h3}, 30), w2 = turned({1, -h3}, 30);
    const std::vector<Case> cases = {
        {"segment through a square", square(-1, -1, 1, 1), false, {}, {-3, 0}, {3, 0}, {{-3, 0, -1, 0}, {1, 0, 3, 0}}},
        {"segment along the square's side: hidden there", square(-1, -1, 1, 1), false, {}, {-1, -2}, {-1, 2},
         {{-1, -2, -1, -1}, {-1, 1, -1, 2}}},
        {"segment under a half disc, only through its curve", half(unit, {1, 0}, {-1, 0}), false, {}, {-2, 0.5},
         {2, 0.5}, {{-2, 0.5, -h3, 0.5}, {h3, 0.5, 2, 0.5}}},
        {"segment below the half disc's chord", half(unit, {1, 0}, {-1, 0}), false, {}, {-2, -0.1}, {2, -0.1},
         {{-2, -0.1, 2, -0.1}}},
        {"circle arc behind a strip", square(-0.5, 0, 0.5, 2), true, unit, {1, 0}, {-1, 0},
         {{1, 0, 0.5, h3}, {-0.5, h3, -1, 0}}},
        {"circle arc partly along the cover's own curve: hidden there", half(unit, {1, 0}, {-1, 0}), true, unit,
         {0, -1}, {0, 1}, {{0, -1, 1, 0}}},
        {"circle behind a circle's half", half({1, 0, 1, 1, 0}, {1, 1}, {1, -1}), true, unit, {0, -1}, {0, 1},
         {{0, -1, 0.5, -h3}, {0.5, h3, 0, 1}}},
        {"turned ellipse behind the half of one alike, axes swapped",
         half({turned({2, 0}, 30).x, turned({2, 0}, 30).y, 2, 1, 30}, turned({2, 1}, 30), turned({2, -1}, 30)),
         true, tall, turned({0, -1}, 30), turned({0, 1}, 30),
         {{turned({0, -1}, 30).x, turned({0, -1}, 30).y, w2.x, w2.y}, {w1.x, w1.y, turned({0, 1}, 30).x,
                                                                        turned({0, 1}, 30).y}}},
        {"circle behind an ellipse's half (host conic routine)", half({1, 0, 2, 1, 0}, {1, 1}, {1, -1}), true, unit,
         {0, -1}, {0, 1}, {{0, -1, 1.0 / 3, -std::sqrt(8.0) / 3}, {1.0 / 3, std::sqrt(8.0) / 3, 0, 1}}},
    };
    HEADTBL head{};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arfhost::reset();
        bzi_wrt_t.head = &head;
        Out o(&bzi_wrt_t);
        ASSERT_EQ(c.arc ? earc_outside(o, c.cover, c.e, c.a, c.b) : seg_outside(o, c.cover, c.a, c.b), 0);
        const auto& got = arfhost::record().elements;
        ASSERT_EQ(got.size(), c.pieces.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            const int at = c.arc ? 5 : 0;  // an elliptic arc's start and end follow its five curve values
            for (int j = 0; j < 4; ++j) EXPECT_NEAR(got[i].geo[at + j], c.pieces[i][j], 1e-9) << "piece " << i;
        }
    }
}

}  // namespace
