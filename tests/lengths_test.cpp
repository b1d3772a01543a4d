// Straight-length rules: raw length from points, sample or part; floors and
// caps; the special cases; NaN passing the bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "arfroutines.h"
#include "entry_cases.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Length an entry writes back for a part placed with part_len x.
double placed(EntryFn fn, const char* name, int first, int second, char field, double x)
{
    Part p;
    p.sizes(first, second, field ? field : 'b');
    p.head.part_len = x;
    EXPECT_EQ(p.run(fn), 0);
    // Written to both d10 of the record and part_len of the part.
    const ArfRecordView v = last_record(name);
    if (!std::isnan(x)) {
        EXPECT_EQ(d(v, 10), p.head.part_len) << name;
    }
    return p.head.part_len;
}

struct Rule {
    const char* name;
    EntryFn fn;
    int first, second;
    char field;
    double floor, cap, sample;
};

// One record per entry: 0 rises to the floor, a huge length falls to the cap,
// a sample takes its fixed value (within the sample record's bounds).
const Rule kRules[] = {
    {"jarft41l00", jarft41l00, 100, 0, 0, 173, 4000, 157},
    {"jarft41l00", jarft41l00, 150, 0, 0, 214, 3000, 157},
    {"jarft91l00", jarft91l00, 100, 0, 0, 283, 4000, 226},
    {"jarft91l00", jarft91l00, 200, 0, 0, 485, 3000, 226},
    {"jarft42s00", jarft42s00, 100, 50, 'c', 55, 3000.0 - 245, 280},
    {"jarft42sl0", jarft42sl0, 100, 50, 'c', 130, 3000.0 - 170, 130},
    {"jarft91w00", jarft91w00, 125, 100, 'b', 496, 1000, 424},
    {"jarft92l00", jarft92l00, 100, 50, 'c', 316 + 75 - 116, 75 + 3000.0 - 116, 340},
    {"jarft92ll0", jarft92ll0, 100, 50, 'c', 316 - 41, 3000.0 - 41, 270},
    {"jarft92s00", jarft92s00, 100, 50, 'c', 205, 2695, 205},
    {"jarft92s0t", jarft92s0t, 100, 50, 'c', 150, 1000.0 - 165 + 75, 150},
};

TEST(LengthRules, FloorCapSampleAndNaN)
{
    for (const Rule& r : kRules) {
        SCOPED_TRACE(std::string(r.name) + " " + std::to_string(r.first));
        EXPECT_DOUBLE_EQ(placed(r.fn, r.name, r.first, r.second, r.field, 0.0), r.floor);
        EXPECT_DOUBLE_EQ(placed(r.fn, r.name, r.first, r.second, r.field, r.floor + 1), r.floor + 1);
        EXPECT_DOUBLE_EQ(placed(r.fn, r.name, r.first, r.second, r.field, 1e6), r.cap);
        EXPECT_DOUBLE_EQ(placed(r.fn, r.name, r.first, r.second, r.field, r.cap), r.cap);
        EXPECT_TRUE(std::isnan(placed(r.fn, r.name, r.first, r.second, r.field, kNaN)));
        Part p;
        p.set.sample_flag = 1;
        p.head.part_len = 12345;
        p.run(r.fn);  // a sample always draws: the status depends on the outline
        EXPECT_DOUBLE_EQ(p.head.part_len, r.sample);
    }
}

// Points 500 apart in plan (and apart in height too, which the rules ignore).
struct ViewCase {
    const char* name;
    EntryFn fn;
    int first, second;
    char field;
    int view;
    double expect;
};

TEST(LengthRules, FromPointsWithViewFactors)
{
    const double r2 = std::sqrt(2.0);
    const ViewCase cases[] = {
        {"jarft41l00", jarft41l00, 100, 0, 0, 1, 500},
        {"jarft41l00", jarft41l00, 100, 0, 0, 8, 500 * r2},
        {"jarft41l00", jarft41l00, 100, 0, 0, 17, 500 * r2},
        {"jarft41l00", jarft41l00, 100, 0, 0, 2, 173},  // end-on: d6
        {"jarft91l00", jarft91l00, 100, 0, 0, 9, 500},
        {"jarft91l00", jarft91l00, 100, 0, 0, 11, 500 * r2},
        {"jarft42s00", jarft42s00, 100, 50, 'c', 10, 500 * 1.414213562},
        {"jarft42s00", jarft42s00, 100, 50, 'c', 5, 245},
        {"jarft42sl0", jarft42sl0, 100, 50, 'c', 10, 500},
        {"jarft42sl0", jarft42sl0, 100, 50, 'c', 2, 130},
        {"jarft91w00", jarft91w00, 125, 100, 'b', 11, 500},
        {"jarft91w00", jarft91w00, 125, 100, 'b', 5, 496},
        {"jarft92l00", jarft92l00, 100, 50, 'c', 11, 500 * 1.414213562},
        {"jarft92l00", jarft92l00, 100, 50, 'c', 2, 275},
        {"jarft92ll0", jarft92ll0, 100, 50, 'c', 10, 500 / 0.707106781},
        {"jarft92s00", jarft92s00, 100, 50, 'c', 11, 500 / 0.707106781},
        {"jarft92s00", jarft92s00, 100, 50, 'c', 6, 500},
        {"jarft92s0t", jarft92s0t, 100, 50, 'c', 10, 500},
    };
    for (const ViewCase& c : cases) {
        Part p;
        p.sizes(c.first, c.second, c.field ? c.field : 'b');
        p.head.view_no = static_cast<uint8_t>(c.view);
        p.set.len_from_pts = 1;
        p.head.pt_a = {10, 20, 0};
        p.head.pt_b = {310, 420, 999};
        EXPECT_EQ(p.run(c.fn), 0);
        EXPECT_DOUBLE_EQ(p.head.part_len, c.expect) << c.name << " view " << c.view;
    }
    // The plan distance is scaled by the settings' length scale.
    Part p(100);
    p.set.len_from_pts = 1;
    p.set.len_scale = 2.0;
    p.head.pt_b = {p.head.pt_a.x + 300, p.head.pt_a.y + 400, 0};
    EXPECT_EQ(p.run(jarft92s00), 0);  // 100/0 selects 100/50
    EXPECT_DOUBLE_EQ(p.head.part_len, 1000);
}

TEST(LengthRules, BendsAbove200AreFixedLength)
{
    for (int s : {250, 300, 350})
        for (int mode = 0; mode < 3; ++mode) {
            Part p(s);
            p.head.part_len = 5000;
            p.set.len_from_pts = mode == 1;
            p.set.sample_flag = mode == 2;
            p.head.view_no = 9;
            if (mode == 2) continue;  // a sample is size 65
            EXPECT_EQ(p.run(jarft41l00), 0);
            EXPECT_EQ(p.head.part_len, last_record("jarft41l00").d[5]) << s;
            EXPECT_EQ(p.run(jarft91l00), 0);
            EXPECT_EQ(p.head.part_len, last_record("jarft91l00").d[5]) << s;
        }
    EXPECT_EQ(placed(jarft41l00, "jarft41l00", 250, 0, 0, kNaN), 158);
}

TEST(LengthRules, BranchClearsItsSocketAndNeverGoesBelowTen)
{
    // 250/250: d6 - d5 = -60, so the socket clearance is what holds the run.
    const double clear = 267.4f * 0.5 * 1.414213562 + 10.0 - 267.4f * 0.5;
    EXPECT_DOUBLE_EQ(placed(jarft42s00, "jarft42s00", 250, 250, 'c', 0.0), clear);
    for (int m : {40, 100, 150, 250, 300, 350})
        for (int b : {40, 100, 150, 250, 350})
            EXPECT_GE(placed(jarft42s00, "jarft42s00", m, b, 'c', 0.0), 10.0) << m << "/" << b;
    EXPECT_TRUE(std::isnan(placed(jarft42s00, "jarft42s00", 250, 250, 'c', kNaN)));
}

ARF_SIZE1 reducer(int second, double d6, double d15, double d16)
{
    ARF_SIZE1 b{};
    b.size = 100;
    b.size2 = static_cast<int16_t>(second);
    b.d6 = d6, b.d15 = d15, b.d16 = d16;
    return b;
}

TEST(ReducerLength, OverallLengthHeldBetweenD6And3000)
{
    HEADTBL h{};
    SHOKICH s{};
    HENKAN conv{};
    conv.scale = 1.0;
    ARF_SIZE1 b = reducer(65, 262, 105, 75);
    h.part_len = 100;  // total 235 <= 262
    EXPECT_EQ(arfset(&b, &h, &s, &conv), 0);
    EXPECT_DOUBLE_EQ(h.part_len, (75 + 262.0) - 2.0 * 105);
    EXPECT_EQ(b.d10, h.part_len);
    h.part_len = 2900;  // total 3035
    arfset(&b, &h, &s, &conv);
    EXPECT_DOUBLE_EQ(h.part_len, (3000.0 + 75) - 2.0 * 105);
    h.part_len = 1000;
    arfset(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 1000);
    h.part_len = kNaN;
    arfset(&b, &h, &s, &conv);
    EXPECT_TRUE(std::isnan(b.d10));

    // A sample seen obliquely is longer by 1/0.707106781.
    s.sample_flag = 1;
    h.view_no = 6;
    arfset(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 494.97474696116655);
    h.view_no = 1;
    arfset(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 350.0);
}

TEST(ReducerLength, SecondEnd150HasFixedMakeUp)
{
    HEADTBL h{};
    SHOKICH s{};
    HENKAN conv{};
    ARF_SIZE1 b = reducer(150, 483, 221.4f, 76.5f);
    s.sample_flag = 1;
    h.view_no = 1;
    arfset(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 350.0);  // 716.3 > d6
    s.sample_flag = 0;
    h.part_len = 2700;
    arfset(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 2633.7);
    h.part_len = 50;
    arfset(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 483 - 366.3);
}

TEST(ReducerLength, PointsUse3DDistanceTimesPrivateScale)
{
    Part p(200, 150);
    p.set.len_from_pts = 1;
    p.set.len_scale = 2.0;
    p.head.pt_a = {0, 0, 0};
    p.head.pt_b = {300, 400, 1200};  // 1300 apart in space
    EXPECT_EQ(p.run(jarft01sct), 0);
    EXPECT_DOUBLE_EQ(p.head.part_len, 2600);
    // A sample keeps the scale the last real part left.
    p.set.sample_flag = 1;
    p.set.len_scale = 5.0;
    p.head.pt_b = {30, 40, 120};  // 130 apart
    p.run(jarft01sct);            // sample 125/65
    EXPECT_DOUBLE_EQ(p.head.part_len, 260);
    p.head.view_no = 6;
    p.run(jarft01sct);
    EXPECT_DOUBLE_EQ(p.head.part_len, 260 / 0.707106781);
}

TEST(TeeHubLength, HubPlusLengthHeldBetweenD6And3000)
{
    HEADTBL h{};
    SHOKICH s{};
    HENKAN conv{};
    ARF_SIZE2 b{};
    b.d4 = 240, b.d6 = 370;
    h.part_len = 3000.0 - 240;  // exactly 3000: the same value comes back
    EXPECT_EQ(arfset2(&b, &h, &s, &conv), 0);
    EXPECT_EQ(h.part_len, 3000.0 - 240);
    h.part_len = 5000;
    arfset2(&b, &h, &s, &conv);
    EXPECT_EQ(b.d10, 2760);
    h.part_len = 100;
    arfset2(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 130);
    h.part_len = kNaN;
    arfset2(&b, &h, &s, &conv);
    EXPECT_TRUE(std::isnan(h.part_len));
    s.sample_flag = 1;
    arfset2(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 340);
    // From points: end-on views take d6 - d4, others the 3-D distance.
    s.len_from_pts = 1;
    h.view_no = 5;
    arfset2(&b, &h, &s, &conv);
    EXPECT_EQ(h.part_len, 130);
}

TEST(TeeHubLength, EntriesKeepScaleOverSamples)
{
    for (EntryFn fn : {jarft42sco, jarft92lco}) {
        Part p(150, 0, 150);
        p.set.len_from_pts = 1;
        p.set.len_scale = 3.0;
        p.head.view_no = 1;
        p.head.pt_a = {0, 0, 0};
        p.head.pt_b = {0, 300, 400};
        EXPECT_EQ(p.run(fn), 0);
        EXPECT_DOUBLE_EQ(p.head.part_len, 1500);
        p.set.sample_flag = 1;
        p.set.len_scale = 7.0;
        p.run(fn);
        EXPECT_DOUBLE_EQ(p.head.part_len, 1500);
    }
}

}  // namespace
