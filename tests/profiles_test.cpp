// The socket profiles, single-size (zahyoar) and branch (zahyoar1): which entries each placement
// writes and leaves, the turns that the drawn views take from them, and the tee placements no
// drawing pins yet. What the drawn outlines take from the profiles, the golden drawings pin.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>

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

// Size 50 of the bend table.
ARF_SIZE1_HALF block50()
{
    ARF_SIZE1_HALF b{};
    b.size = 50;
    b.d1 = 79.5f, b.d2 = 60.5f, b.d3 = 80, b.d4 = 60, b.d5 = 112, b.d6 = 162;
    b.d7 = 2.8f, b.d8 = 3.8f, b.d9 = 52, b.d10 = 30.0;
    return b;
}

// The single-size profile always writes its flat outline (70 to 80); the closing segment of mode
// 5 and the whole mirrored, turned profile of modes 2, 6 and 7 write on, and an all-zero block
// gives zeros wherever it writes.
TEST(Zahyoar, EachModeWritesOnlyItsEntries)
{
    const ARF_SIZE1_HALF b = block50(), zero{};
    const struct {
        int mode;
        std::set<int> entries;
    } cases[] = {{1, range(70, 80)}, {0, range(70, 80)}, {8, range(70, 80)}, {-3, range(70, 80)},
                 {3, range(70, 80)}, {4, range(70, 80)}, {5, range(70, 82)}, {2, range(70, 95)},
                 {6, range(70, 95)}, {7, range(70, 95)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        fill_sentinel();
        EXPECT_EQ(zahyoar(c.mode, 0, &b), 0);
        EXPECT_EQ(written(), c.entries);
        fill_sentinel();
        EXPECT_EQ(zahyoar(c.mode, 0, &zero), 0);
        for (int n : written()) EXPECT_EQ(std::pair(data[n].x, data[n].y), std::pair(0.0, 0.0)) << n;
    }
}

// Mode 2 turns the mirrored profile 45 degrees with the stored k; modes 6 and 7 shorten x by the
// cosine of 30 degrees first and turn to about 54.74 and 35.26 degrees.
TEST(Zahyoar, TurnedProfiles)
{
    const ARF_SIZE1_HALF b = block50();
    zahyoar(2, 0, &b);
    const double x = 112.0, y = 0.5 * double(79.5f);  // the socket mouth corner (d5, d1/2)
    EXPECT_DOUBLE_EQ(data[78].x, x * k - y * k);
    EXPECT_DOUBLE_EQ(data[78].y, x * k + y * k);
    for (auto [mode, angle] : {std::pair(6, 54.7356), std::pair(7, 35.2644)}) {
        zahyoar(mode, 0, &b);
        EXPECT_NEAR(std::atan2(data[94].y, data[94].x) * 180 / M_PI, angle, 1e-4) << mode;
    }
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

// The tee placements (modes 20 and 21) that no drawn outline takes yet, which the golden
// drawings therefore do not pin: branch along +x, end face at d19; mode 21 slants the socket by k
// but keeps the pipe at full length.
TEST(Zahyoar1, TeePlacementPoints)
{
    const ARF_SIZE2 b = block();
    const double d11 = b.d11, d12 = b.d12, d13 = b.d13, d14 = b.d14, t = b.d19;
    const struct {
        int mode, n;
        double x, y;
    } cases[] = {
        {20, 70, t - d13, 0},
        {20, 76, t, 0.5 * d11},
        {20, 79, t - d14 + 0.2 * d14, -0.25 * (d12 + d11)},
        {20, 84, t - d14, -0.4 * d12},
        {21, 70, t - d13, 0},
        {21, 82, t - d13, -0.5 * d12},
        {21, 72, t - d13 + 0.125 * k * d13, 0.5 * d12},
        {21, 76, k * t, 0.5 * d11},
        {21, 85, k * t, 0.5 * d11 - b.d18},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + "/" + std::to_string(c.n));
        fill_sentinel();
        zahyoar1(c.mode, 0, &b);
        EXPECT_NEAR(data[c.n].x, c.x, 1e-9);
        EXPECT_NEAR(data[c.n].y, c.y, 1e-9);
    }
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
