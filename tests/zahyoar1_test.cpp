// The branch-fitting socket profile: which entries each placement writes, the
// points that place it, and the axonometric turns.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "arfhost.h"
#include "arfroutines.h"

namespace {

constexpr double k = 0.707106781;

// Run 100, branch 50 of the 45-degree branch table, with a branch end
// distance for the tee placements (the 45-degree table carries 0 there).
ARF_SIZE2 block()
{
    ARF_SIZE2 b{};
    b.main_size = 100, b.branch_size = 50;
    b.d1 = 138.3f, b.d2 = 114.3f, b.d3 = 105, b.d4 = 75, b.d5 = 245, b.d6 = 300;
    b.d7 = 3.5f, b.d8 = 4.5f, b.d9 = 183, b.d10 = 400;
    b.d11 = 79.5f, b.d12 = 60.5f, b.d13 = 80, b.d14 = 60, b.d15 = 215, b.d17 = 2.8f, b.d18 = 3.8f;
    b.d19 = 150;
    return b;
}

constexpr double kSentinel = -12345.0;

void fill_sentinel()
{
    for (int i = 0; i < kDataPoints; ++i) data[i] = {kSentinel, kSentinel};
}

// Entries whose x or y changed.
std::set<int> written()
{
    std::set<int> s;
    for (int n = 0; n < kDataPoints; ++n)
        if (data[n].x != kSentinel || data[n].y != kSentinel) s.insert(n);
    return s;
}

std::set<int> range(int a, int b, std::set<int> s = {})
{
    for (int n = a; n <= b; ++n) s.insert(n);
    return s;
}

TEST(Zahyoar1, EachModeWritesOnlyItsEntries)
{
    const ARF_SIZE2 b = block();
    const struct {
        int mode;
        std::set<int> entries;
    } cases[] = {
        {10, range(70, 85)},          {20, range(70, 84)}, {21, range(70, 85)}, {30, range(70, 84)},
        {31, range(70, 82)},          {32, range(70, 88)}, {33, range(90, 95, range(70, 83))},
        {34, range(90, 95, range(70, 83))}, {40, range(70, 84)}, {41, range(70, 85)},
        {0, {}}, {9, {}}, {11, {}}, {22, {}}, {35, {}}, {42, {}}, {100, {}}, {-10, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        fill_sentinel();
        EXPECT_EQ(zahyoar1(c.mode, 7, &b), 0);
        EXPECT_EQ(written(), c.entries);
    }
    // The run socket's extra mark sets x only.
    fill_sentinel();
    zahyoar1(10, 0, &b);
    EXPECT_EQ(data[85].y, kSentinel);
}

// Points that fix each placement: axis point, pipe line, steps, end face and
// the marks, written out from the socket's dimensions.
TEST(Zahyoar1, PlacementPoints)
{
    const ARF_SIZE2 b = block();
    const double d1 = b.d1, d2 = b.d2, d3 = b.d3, d4 = b.d4, d5 = b.d5;
    const double d11 = b.d11, d12 = b.d12, d13 = b.d13, d14 = b.d14, e = b.d15, t = b.d19;
    const struct {
        int mode, n;
        double x, y;
    } cases[] = {
        // Run socket up +y, near side at negative x, mirrored to the far side.
        {10, 70, 0, d5 - d3},
        {10, 72, -0.5 * d2, d5 - d3 + 0.125 * d3},
        {10, 74, -0.25 * (d2 + d1), d5 - d4 + 0.2 * d4},
        {10, 76, -0.5 * d1, d5},
        {10, 77, 0.5 * d1, d5},
        {10, 82, 0.5 * d2, d5 - d3},
        {10, 84, 0.4 * d2, d5 - d4},
        // Branch along +x, end face at d19 (mode 20) or d15 (mode 40).
        {20, 70, t - d13, 0},
        {20, 76, t, 0.5 * d11},
        {20, 79, t - d14 + 0.2 * d14, -0.25 * (d12 + d11)},
        {20, 84, t - d14, -0.4 * d12},
        {40, 75, e - 0.6 * d14, 0.5 * d11},
        // Slanted: mode 21 keeps the pipe at full length, mode 41 shortens it too.
        {21, 70, t - d13, 0},
        {21, 82, t - d13, -0.5 * d12},
        {21, 72, t - d13 + 0.125 * k * d13, 0.5 * d12},
        {21, 76, k * t, 0.5 * d11},
        {21, 85, k * t, 0.5 * d11 - b.d18},
        {41, 70, k * (e - d13), 0},
        {41, 81, k * (e - d13) + 0.125 * k * d13, -0.5 * d12},
        {41, 83, k * (e - d14), 0.4 * d12},
        {41, 85, k * e, 0.5 * d11 - b.d18},
        // On the diagonal.
        {30, 70, k * (e - d13), k * (e - d13)},
        {30, 76, k * (e - 0.5 * d11), k * (e + 0.5 * d11)},
        {30, 77, k * (e + 0.5 * d11), k * (e - 0.5 * d11)},
        // End-on from the run: the pipe point half a radius short of the axis point.
        {31, 70, k * (e - d13), 0},
        {31, 71, k * (e - d13) - 0.5 * k * d12, 0.5 * d12},
        {31, 72, k * (e - 0.875 * d13), 0.5 * d12},
        {31, 77, k * e, -0.5 * d11},
        {31, 82, k * (e - d13) - 0.5 * k * d12, -0.5 * d12},
        // Upright from the run surface: the pipe starts where the 45-degree
        // line meets the run pipe's side, at height d2/2.
        {32, 70, 0, 0},
        {32, 71, -0.5 * d12, 0.5 * d2},
        {32, 73, -0.5 * d12, k * (e - 0.875 * d13)},
        {32, 77, -0.5 * d11, k * e},
        {32, 78, 0.5 * d11, k * e},
        {32, 84, 0.5 * d12, 0.5 * d2},
        {32, 86, e, e},
        {32, 87, 0.5 * d2, d4 - d3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + "/" + std::to_string(c.n));
        fill_sentinel();
        zahyoar1(c.mode, 0, &b);
        EXPECT_NEAR(data[c.n].x, c.x, 1e-9);
        EXPECT_NEAR(data[c.n].y, c.y, 1e-9);
    }
    // Mode 10's mark: a tenth of the socket length inside the far pipe line.
    zahyoar1(10, 0, &b);
    EXPECT_EQ(data[85].x, 0.5 * d2 - d4 / 10.0);
}

// Entries another placement wrote before survive a mode that does not write them.
TEST(Zahyoar1, EarlierEntriesSurvive)
{
    const ARF_SIZE2 b = block();
    zahyoar1(41, 0, &b);
    const tagRPT p83 = data[83], p85 = data[85];
    zahyoar1(31, 0, &b);
    EXPECT_EQ(data[83].x, p83.x);
    EXPECT_EQ(data[83].y, p83.y);
    EXPECT_EQ(data[85].y, p85.y);
}

// The axonometric turns: the branch axis runs at about 54.74 degrees (33) or
// 35.26 degrees (34); axis points swap x and y between the two; every rim point
// lies on its section ellipse (semi-axes R/2 along the axis and R across).
TEST(Zahyoar1, TurnedPlacements)
{
    const ARF_SIZE2 b = block();
    const struct {
        int mode;
        double angle;
    } cases[] = {{33, 54.73561032}, {34, 35.26438968}};
    tagRPT axis33[6] = {};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        zahyoar1(c.mode, 0, &b);
        EXPECT_NEAR(std::atan2(data[95].y, data[95].x) * 180 / M_PI, c.angle, 1e-7);
        // The end face's axis point sits d15 along the axis, foreshortened by the cosine of 30 degrees.
        EXPECT_NEAR(std::hypot(data[95].x, data[95].y), std::sqrt(0.75) * b.d15, 1e-9);
        for (int i = 0; i < 6; ++i) {
            if (c.mode == 33) axis33[i] = data[90 + i];
            else {
                EXPECT_DOUBLE_EQ(data[90 + i].x, axis33[i].y);
                EXPECT_DOUBLE_EQ(data[90 + i].y, axis33[i].x);
            }
        }
        const double a = c.angle * M_PI / 180;
        // Rim point, its axis point, its radius.
        const struct {
            int n, centre;
            double r;
        } rims[] = {{70, 90, 0.5 * b.d12}, {81, 90, 0.5 * b.d12}, {71, 91, 0.5 * b.d12},
                    {72, 92, 0.25 * (b.d12 + b.d11)}, {79, 92, 0.25 * (b.d12 + b.d11)},
                    {73, 93, 0.25 * (b.d12 + b.d11)}, {74, 94, 0.5 * b.d11},
                    {75, 95, 0.5 * b.d11}, {76, 95, 0.5 * b.d11}, {82, 92, 0.4 * b.d12}};
        for (const auto& rim : rims) {
            const double dx = data[rim.n].x - data[rim.centre].x, dy = data[rim.n].y - data[rim.centre].y;
            const double u = dx * std::cos(a) + dy * std::sin(a), v = -dx * std::sin(a) + dy * std::cos(a);
            EXPECT_NEAR(u * u / (0.25 * rim.r * rim.r) + v * v / (rim.r * rim.r), 1.0, 1e-9) << rim.n;
        }
    }
}

}  // namespace
