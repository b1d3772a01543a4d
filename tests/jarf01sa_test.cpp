// The socket adaptor's outlines: every record in every view, and how the
// paired views relate (5 extends 2, 7 mirrors 6). Write failures are swept
// with the bend's views.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "check.h"
#include "findings.h"
#include "entry_cases.h"

namespace {

using arfhost::Element;
using Elements = std::vector<Element>;

// The elements of one view; the drawing must succeed.
Elements draw(int size, int view)
{
    Part p(size);
    p.head.view_no = static_cast<uint8_t>(view);
    p.head.draw_mode = 2;
    EXPECT_EQ(p.run(jarft01sa0), 0) << "size " << size << " view " << view;
    return arfhost::record().elements;
}

std::vector<int> sizes()
{
    int first[16], second[16];
    const int n = arf_table_keys("jarft01sa0", first, second, 16);
    return std::vector<int>(first, first + n);
}

// Each view's elements by end code: 0 body, 1 end 1, 2 end 2.
const char* const kCodes[8] = {"", "010200000", "0102", "22222", "11111", "01022222", "0002212221", "0001121112"};

std::string codes(const Elements& els)
{
    std::string out;
    for (const Element& e : els) out += e.code == 1520 ? '1' : e.code == 1521 ? '2' : e.code == 1282 ? '0' : '?';
    return out;
}

TEST(AdaptorViews, EveryRecordDrawsItsElementsWhole)
{
    ASSERT_EQ(sizes().size(), 8u);
    for (int size : sizes())
        for (int view = 1; view <= 7; ++view) {
            SCOPED_TRACE("size " + std::to_string(size) + " view " + std::to_string(view));
            const Elements s = draw(size, view);
            EXPECT_EQ(codes(s), kCodes[view]);
            EXPECT_EQ(faults(s, {"non_finite", "off_curve", "degenerate", "duplicate"}), "");
            // Only view 1's bolt-hole marks stand free.
            if (view != 1) {
                EXPECT_EQ(faults(s, {"dangling"}), "");
            }
        }
}

// Size 40: d1 53, d2 38, d3 6, d5 66; the flange top at 1.5 d3 + d2 = 47.
TEST(AdaptorViews, SideViewStandsOnTheSocketFace)
{
    const Elements s = draw(40, 1);
    const Element& top = s[2];
    EXPECT_EQ(top.geo[1], 47.0);
    EXPECT_EQ(top.geo[3], 47.0);
}

TEST(AdaptorViews, EndViewFiveAddsTheRimAndFlangeLines)
{
    const Elements two = draw(40, 2), five = draw(40, 5);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(two[i].geo, five[i].geo);
    const double ys[] = {-0.5 * 66 * 0.866025403, 0.5 * 66 * 0.866025403, -66.0 / 4, 66.0 / 4};
    for (int i = 0; i < 4; ++i) {
        const auto& g = five[4 + i].geo;
        EXPECT_EQ(five[4 + i].code, 1521);
        EXPECT_EQ((std::vector<double>{g[0], g[1], g[2], g[3]}), (std::vector<double>{-26.5, ys[i], 26.5, ys[i]}));
    }
}

// View 7 is view 6 mirrored in x: each element's x values negated, the end
// codes exchanged, and the face's half arc running the other way.
TEST(AdaptorViews, ViewSevenMirrorsViewSix)
{
    auto swap_code = [](int c) { return c == 1520 ? 1521 : c == 1521 ? 1520 : c; };
    for (int size : sizes()) {
        SCOPED_TRACE(size);
        const Elements six = draw(size, 6), seven = draw(size, 7);
        for (int i = 0; i < 10; ++i) {
            const Element &a = six[i], &b = seven[i];
            EXPECT_EQ(b.form, a.form);
            EXPECT_EQ(b.code, swap_code(a.code)) << i;
            EXPECT_EQ(b.geo[0], -a.geo[0]);
            EXPECT_EQ(b.geo[1], a.geo[1]);
        }
        const auto& g = six[9].geo;
        const auto& h = seven[9].geo;
        EXPECT_EQ((std::vector<double>{h[5], h[6], h[7], h[8]}), (std::vector<double>{-g[7], g[8], -g[5], g[6]}));
    }
}

}  // namespace
