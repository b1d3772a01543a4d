#include "geomcalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr tagRPT kUnset{-777.0, 555.0};  // what the caller left in the output

// Point of the ellipse at parameter t, from the definition.
tagRPT on(const tagRELL& e, double t)
{
    const double r = e.rot * kPi / 180.0, x = e.a * std::cos(t), y = e.b * std::sin(t);
    return {e.x + x * std::cos(r) - y * std::sin(r), e.y + x * std::sin(r) + y * std::cos(r)};
}

void expectAt(tagRPT p, tagRPT q, double tol = 1e-9)
{
    EXPECT_NEAR(p.x, q.x, tol);
    EXPECT_NEAR(p.y, q.y, tol);
}
tagRSEG through(tagRPT a, tagRPT b) { return {a.x, a.y, b.x, b.y}; }
int valid(const int* f) { return f[0] + f[1] + f[2] + f[3]; }

TEST(GeomLines, CrossingParallelAndSegmentFlag)
{
    tagRPT p[1] = {kUnset};
    int res = -1;
    const tagRSEG run{5, 20, 5, 10}, branch{2, 12, 9, 14}, shortRun{5, 20, 5, 13.5}, beside{6, 20, 6, 10},
        point{1, 1, 1, 1};
    EXPECT_EQ(GCG064(&run, &beside, p), 1);
    EXPECT_EQ(GCG064(&run, &point, p), 1);
    expectAt(p[0], kUnset, 0);
    ASSERT_EQ(GCG164(&run, &branch, p, &res), 0);
    expectAt(p[0], {5, 12 + 6.0 / 7.0});
    EXPECT_EQ(res, 0);
    EXPECT_EQ(GCG164(&shortRun, &branch, p, &res), 0);  // the lines cross, the segments do not
    EXPECT_EQ(res, 1);
    EXPECT_EQ(GCG164(&branch, &shortRun, p, &res), 0);
    EXPECT_EQ(res, 1);
    EXPECT_EQ(GCG164(&run, &beside, p, &res), 1);
    EXPECT_EQ(res, 1);
}

TEST(GeomLineCircle, PointsComeInTheLinesOrder)
{
    const tagRCIR c{0, 0, 5};
    tagRPT p[2];
    for (auto [t0, t1] : {std::pair{0.3, 2.0}, {4.4, 1.1}}) {
        const tagRPT a{5 * std::cos(t0), 5 * std::sin(t0)}, b{5 * std::cos(t1), 5 * std::sin(t1)};
        const tagRSEG ab = through(a, b);
        ASSERT_EQ(GCG065(&ab, &c, p), 0);
        expectAt(p[0], a);
        expectAt(p[1], b);
    }
    // Equal x: walking up the line, the upper crossing is the second point.
    const tagRSEG up{3, -10, 3, 0};
    ASSERT_EQ(GCG065(&up, &c, p), 0);
    expectAt(p[1], {3, 4});

    int res = -1;  // segment form: bit i marks p[i] off the segment
    const tagRSEG firstOnly{-6, 3, 0, 3}, neither{-1, 3, 1, 3}, outside{-6, 9, 6, 9};
    EXPECT_EQ(GCG165(&firstOnly, &c, p, &res), 0);
    EXPECT_EQ(res, 2);
    EXPECT_EQ(GCG165(&neither, &c, p, &res), 0);
    EXPECT_EQ(res, 3);
    EXPECT_EQ(GCG165(&outside, &c, p, &res), 1);
    EXPECT_EQ(res, 3);
}

TEST(GeomLineCircle, TangentMissAndPointCircle)
{
    const tagRCIR c{1, 1, 2}, dot{2, 2, 0};
    tagRPT p[2] = {kUnset, kUnset};
    const tagRSEG missing{-5, 3 + 1e-6, 5, 3 + 1e-6}, point{1, 1, 1, 1}, grazing{-5, 3 + 1e-12, 5, 3 + 1e-12};
    EXPECT_EQ(GCG065(&missing, &c, p), 1);
    EXPECT_EQ(GCG065(&point, &c, p), 1);
    expectAt(p[0], kUnset, 0);
    expectAt(p[1], kUnset, 0);
    ASSERT_EQ(GCG065(&grazing, &c, p), 0);
    expectAt(p[0], {1, 3});
    expectAt(p[1], {1, 3});
    const tagRSEG throughDot{0, 0, 1, 1}, besideDot{0, 0.01, 1, 1.01};
    ASSERT_EQ(GCG065(&throughDot, &dot, p), 0);
    expectAt(p[1], {2, 2});
    EXPECT_EQ(GCG065(&besideDot, &dot, p), 1);
}

TEST(GeomCircleCircle, OrderTangentsAndMisses)
{
    // Fillet circles centred on a branch's lower pipe line, the first at the
    // pipe end: the arc centre, below the line, is the second point.
    const tagRCIR pipeEnd{60, -25, 25}, runSide{30, -25, 25};
    tagRPT p[2] = {kUnset, kUnset};
    ASSERT_EQ(GCG005(&pipeEnd, &runSide, p), 0);
    expectAt(p[0], {45, -5});
    expectAt(p[1], {45, -45});

    const tagRCIR a{0, 0, 3}, outside{5, 0, 2}, around{1, 0, 4}, far{9, 0, 2}, within{0.5, 0, 1};
    ASSERT_EQ(GCG005(&a, &outside, p), 0);
    expectAt(p[1], {3, 0});
    ASSERT_EQ(GCG005(&a, &around, p), 0);
    expectAt(p[0], {-3, 0});
    p[0] = p[1] = kUnset;
    EXPECT_EQ(GCG005(&a, &far, p), 1);
    EXPECT_EQ(GCG005(&a, &within, p), 1);
    EXPECT_EQ(GCG005(&a, &a, p), 1);
    expectAt(p[0], kUnset, 0);
}

TEST(GeomLineEllipse, ChordsAndTangentsOfRotatedEllipses)
{
    for (double rot : {0.0, 45.0, 35.26438968, 54.73561032, 270.0})
        for (double b : {3.0, 7.5}) {  // b == a: a circle
            const tagRELL e{-4, 11, 7.5, b, rot};
            const tagRPT a = on(e, 0.2), z = on(e, 2.9), q = on(e, 4.0), q2 = on(e, 4.001);
            tagRPT p[2];
            const tagRSEG chord = through(a, z), shortChord = through(q2, q);
            ASSERT_EQ(GCG110(&chord, &e, p), 0);
            expectAt(p[0], a);
            expectAt(p[1], z);
            ASSERT_EQ(GCG110(&shortChord, &e, p), 0);  // two points, not a touch
            expectAt(p[0], q2);
            expectAt(p[1], q);
            // The tangent at q, from the ellipse's derivative.
            const double r = rot * kPi / 180.0, dx = -e.a * std::sin(4.0), dy = e.b * std::cos(4.0);
            const tagRPT d{dx * std::cos(r) - dy * std::sin(r), dx * std::sin(r) + dy * std::cos(r)};
            const tagRSEG tangent{q.x - d.x, q.y - d.y, q.x + d.x, q.y + d.y};
            ASSERT_EQ(GCG110(&tangent, &e, p), 0);
            expectAt(p[0], q);
            expectAt(p[1], q);
        }
    tagRPT p[2] = {kUnset, kUnset};
    const tagRSEG axis{-10, 0, 10, 0}, far{100, 0, 100, 1};
    const tagRELL flat{0, 0, 5, 0, 0}, e{0, 0, 5, 2, 30};
    EXPECT_EQ(GCG110(&axis, &flat, p), 1);
    EXPECT_EQ(GCG110(&far, &e, p), 1);
    expectAt(p[0], kUnset, 0);
}

TEST(GeomConics, CrossedPairGivesFourPointsRoundTheFirst)
{
    for (double rot : {0.0, 45.0, 35.26438968, 54.73561032}) {
        const tagRELL e1{3, -2, 8, 3, rot}, e2{3, -2, 3, 8, rot};
        tagRPT p[4];
        int flags[4];
        ASSERT_EQ(GCG111(&e1, &e2, p, flags), 0);
        ASSERT_EQ(valid(flags), 4);
        const double t = std::atan(8.0 / 3.0);  // the crossings lie on the diagonals
        const double ts[4] = {t, kPi - t, kPi + t, 2 * kPi - t};
        for (int i = 0; i < 4; ++i) expectAt(p[i], on(e1, ts[i]));
    }
    const tagRCIR c{1, 2, 5};  // circle: counted from its point of largest x
    const tagRELL e{1, 2, 8, 3, 0};
    tagRPT p[4];
    int flags[4];
    ASSERT_EQ(GCG122(&c, &e, p, flags), 0);
    ASSERT_EQ(valid(flags), 4);
    EXPECT_GT(p[0].x, 1);
    EXPECT_GT(p[0].y, 2);
    EXPECT_LT(p[1].x, 1);
    EXPECT_LT(p[2].y, 2);
    EXPECT_GT(p[3].x, 1);
}

TEST(GeomConics, TouchCountsTwiceAndMissesLeaveThePoints)
{
    const tagRELL e1{0, 0, 4, 2, 0}, outsideTouch{6, 0, 2, 1, 0}, insideTouch{1, 0, 3, 1.5, 0},
        touchAndCross{0, 1, 4, 1, 0};
    tagRPT p[4];
    int flags[4];
    for (const tagRELL* other : {&outsideTouch, &insideTouch}) {
        ASSERT_EQ(GCG111(&e1, other, p, flags), 0);
        ASSERT_EQ(valid(flags), 2);
        expectAt(p[0], {4, 0});
        expectAt(p[1], {4, 0});
    }
    ASSERT_EQ(GCG111(&e1, &touchAndCross, p, flags), 0);
    EXPECT_EQ(valid(flags), 4);
    const tagRCIR resting{0, -7, 3}, onIt{4, 0, 0};
    const tagRELL run{0, -10, 12, 6, 0};
    ASSERT_EQ(GCG122(&resting, &run, p, flags), 0);
    ASSERT_EQ(valid(flags), 2);
    expectAt(p[1], {0, -4});
    ASSERT_EQ(GCG122(&onIt, &e1, p, flags), 0);
    expectAt(p[1], {4, 0});

    const tagRELL far{20, 0, 4, 2, 30}, inner{0, 0, 2, 1, 10}, same{0, 0, 4, 2, 180}, flat{0, 0, 4, 0, 0};
    for (const tagRELL* other : {&far, &inner, &same, &flat}) {
        std::fill(p, p + 4, kUnset);
        std::fill(flags, flags + 4, 7);
        EXPECT_EQ(GCG111(&e1, other, p, flags), 1);
        EXPECT_EQ(valid(flags), 0);
        expectAt(p[0], kUnset, 0);
    }
}

// Random pairs against an independent solver: conic_compare_test.

TEST(GeomCompare, ToleranceIsAbsoluteBelowOneAndRelativeAbove)
{
    EXPECT_EQ(DCOMPARE_Cover(1.0, 1.0 + 5e-7), 0);
    EXPECT_EQ(DCOMPARE_Cover(0.0, 2e-6), -1);
    EXPECT_EQ(DCOMPARE_Cover(2e-6, 0.0), 1);
    EXPECT_EQ(DCOMPARE_Cover(1000.0, 1000.0005), 0);
    EXPECT_EQ(DCOMPARE_Cover(-1000.0, -1000.002), 1);
}

}  // namespace
