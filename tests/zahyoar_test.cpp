// The single-size socket profile in each of its placements.
#include <gtest/gtest.h>

#include <cmath>

#include "arfroutines.h"
#include "arfhost.h"

namespace {

// Size 50 of the bend table.
ARF_SIZE1_HALF block50()
{
    ARF_SIZE1_HALF b{};
    b.size = 50;
    b.d1 = 79.5f, b.d2 = 60.5f, b.d3 = 80, b.d4 = 60, b.d5 = 112, b.d6 = 162;
    b.d7 = 2.8f, b.d8 = 3.8f, b.d9 = 52, b.d10 = 30.0;
    return b;
}

constexpr double kSentinel = -12345.0;

void fill_sentinel()
{
    for (int i = 0; i < kDataPoints; ++i) data[i] = {kSentinel, kSentinel};
}

bool untouched(int n) { return data[n].x == kSentinel && data[n].y == kSentinel; }

bool holds(double x, double y)
{
    for (int n = 70; n <= 95; ++n)
        if (data[n].x == x && data[n].y == y) return true;
    return false;
}

TEST(Zahyoar, UnlistedModesLeaveTheFlatProfileOnly)
{
    const ARF_SIZE1_HALF b = block50();
    for (int mode : {1, 0, 8, -3}) {
        SCOPED_TRACE(mode);
        fill_sentinel();
        EXPECT_EQ(zahyoar(mode, 0, &b), 0);
        for (int n = 70; n <= 80; ++n) EXPECT_FALSE(untouched(n)) << n;
        for (int n = 81; n <= 95; ++n) EXPECT_TRUE(untouched(n)) << n;
        EXPECT_TRUE(untouched(69));
        EXPECT_EQ(data[70].y, -30.0);                      // straight length below the socket
        EXPECT_EQ(data[71].x, -0.5 * double(60.5f));
        EXPECT_EQ(data[72].y, -(112.0 - 80.0));
        EXPECT_EQ(data[73].x, 112.0 - 80.0);
        EXPECT_EQ(data[75].y, 0.5 * double(60.5f) + 0.25 * (double(79.5f) - double(60.5f)));
        EXPECT_EQ(data[76].x, 52.0 + 60.0 / 5.0);
        EXPECT_EQ(data[77].y, 0.5 * double(79.5f));
        EXPECT_EQ(data[80].x, double(2.8f));
        EXPECT_EQ(data[80].y, double(3.8f));
    }
}

TEST(Zahyoar, WhereTheReferencePointEndsUp)
{
    const ARF_SIZE1_HALF b = block50();
    const double x = b.d7, y = b.d8;
    fill_sentinel();
    zahyoar(2, 0, &b);
    EXPECT_FALSE(holds(x, y));
    for (int mode : {3, 4}) {
        fill_sentinel();
        zahyoar(mode, 0, &b);
        EXPECT_EQ(data[78].x, x);
        EXPECT_EQ(data[78].y, y);
        EXPECT_EQ(data[80].x, x);
        EXPECT_EQ(data[80].y, y);
    }
    fill_sentinel();
    zahyoar(5, 0, &b);
    EXPECT_EQ(data[80].x, x);
    EXPECT_EQ(data[80].y, y);
    EXPECT_EQ(data[81].x, 0.707106781 * 112.0);
    EXPECT_EQ(data[82].y, 0.5 * double(79.5f) - y);
}

TEST(Zahyoar, HalfTurnMirrorsAndTurnsBy45Degrees)
{
    const ARF_SIZE1_HALF b = block50();
    fill_sentinel();
    zahyoar(2, 0, &b);
    const double k = 0.707106781;
    // The socket mouth corner (d5, d1/2) turned by 45 degrees with the stored factor.
    const double x = 112.0, y = 0.5 * double(79.5f);
    EXPECT_DOUBLE_EQ(data[78].x, x * k - y * k);
    EXPECT_DOUBLE_EQ(data[78].y, x * k + y * k);
    // Its mirror image across the axis, turned the same way.
    EXPECT_DOUBLE_EQ(data[79].x, x * k + y * k);
    EXPECT_DOUBLE_EQ(data[79].y, x * k - y * k);
    // The pipe-end corners are mirrored across y but not turned; 87 is a plain copy of 71.
    EXPECT_EQ(data[86].x, 0.5 * double(60.5f));
    EXPECT_EQ(data[87].x, data[71].x);
    EXPECT_EQ(data[87].y, data[71].y);
    EXPECT_EQ(data[70].y, -30.0);
}

TEST(Zahyoar, AxonometricModesScaleBeforeTurning)
{
    const ARF_SIZE1_HALF b = block50();
    const double r = std::sqrt(0.75), r2 = 1.0 / std::sqrt(2.0);
    for (int mode : {6, 7}) {
        SCOPED_TRACE(mode);
        fill_sentinel();
        zahyoar(mode, 0, &b);
        const double u = mode == 6 ? 0.5 / r : r2 / r, v = mode == 6 ? r2 / r : 0.5 / r;
        // Axis points lie on y = 0 before the turn, so they end at (r x u, r x v).
        const double xs[] = {112.0 - 80.0 + 10.0, 52.0, 52.0 + 12.0, 52.0 + 24.0, 112.0, 112.0 - 80.0};
        for (int i = 0; i < 6; ++i) {
            EXPECT_DOUBLE_EQ(data[90 + i].x, r * xs[i] * u) << 90 + i;
            EXPECT_DOUBLE_EQ(data[90 + i].y, r * xs[i] * v) << 90 + i;
        }
        const double ky = mode == 7 ? 0.707106781 : 1.0;  // only the pipe end shortens in y
        EXPECT_EQ(data[70].y, -30.0 * ky);
        EXPECT_EQ(data[72].y, -32.0 * ky);
        EXPECT_EQ(data[87].y, data[71].y);
    }
    // Roughly 54.74 and 35.26 degrees.
    fill_sentinel();
    zahyoar(6, 0, &b);
    EXPECT_NEAR(std::atan2(data[94].y, data[94].x) * 180 / M_PI, 54.7356, 1e-4);
    zahyoar(7, 0, &b);
    EXPECT_NEAR(std::atan2(data[94].y, data[94].x) * 180 / M_PI, 35.2644, 1e-4);
}

TEST(Zahyoar, AllZeroBlockGivesZeros)
{
    const ARF_SIZE1_HALF z{};
    for (int mode = 1; mode <= 7; ++mode) {
        fill_sentinel();
        EXPECT_EQ(zahyoar(mode, 0, &z), 0);
        for (int n = 70; n <= 95; ++n)
            if (!untouched(n)) {
                EXPECT_EQ(data[n].x, 0.0) << mode << "/" << n;
                EXPECT_EQ(data[n].y, 0.0) << mode << "/" << n;
            }
    }
}

}  // namespace
