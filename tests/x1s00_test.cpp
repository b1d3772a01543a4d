// The free-radius bend: part set-up, what the host's free-radius routines
// receive, and the conversion arithmetic on the part's points.
#include <gtest/gtest.h>

#include "entry_cases.h"

namespace {

// Settings whose attribute entry 2 carries pen 77, line type 0x0F0F and word 5.
Part bend(int size)
{
    Part p(size);
    p.head.attr_idx = 2;
    auto put = [&](int at, const void* v, size_t n) {
        std::memcpy(reinterpret_cast<unsigned char*>(&p.set) + 28 * 2 + at, v, n);
    };
    const int32_t word = 5, pen = 77;
    const uint16_t lt = 0x0F0F;
    put(4, &word, 4);
    put(20, &pen, 4);
    put(24, &lt, 2);
    p.set.len_scale = 2.0;
    p.set.size_threshold = 80;
    p.head.pt_a = {100, 200, 5};
    p.head.pt_b = {10, 20, 30};
    p.head.pt_c = {-4, 8, 2};
    return p;
}

const std::vector<std::string>& calls() { return arfhost::record().calls; }

TEST(FreeRadiusBend, SampleDrawsAsView1InStandardColour)
{
    Part p = bend(30);
    p.set.sample_flag = 1;
    p.head.view_no = 9;
    const int32_t colour5 = B_CIfColor::StandardColorNo(5).value;
    ASSERT_EQ(p.run(jarftx1s00), 0);
    EXPECT_EQ(p.head.view_no, 1);
    EXPECT_EQ(p.head.pen, colour5);
    EXPECT_EQ(p.head.line_type, B_CIfLineType::Solid().bits);
    EXPECT_EQ(p.head.size_a, 100);
    EXPECT_EQ(p.head.dia_a, 114);
    EXPECT_EQ(p.head.draw_mode, 2);
    EXPECT_EQ(p.set.i328, 0);
    EXPECT_EQ(p.set.flag282, 2);
    EXPECT_EQ(p.set.flag280, 1);
    EXPECT_EQ(host_arg("zlcFreeRadErboVectMake_OfDbl", "conv"),
              (std::vector<double>{1049, 225, 1, 0, 0, 1, 0, 2.5}));
    EXPECT_EQ(host_arg("zlcFreeRadErboDraw_OfDbl", "draw"),
              (std::vector<double>{283, 114.3f, 100, 0}));
    EXPECT_EQ(host_arg("gohkpat", "view_list")[0], 23);
    EXPECT_EQ(calls(), (std::vector<std::string>{"B_CIfColor::StandardColorNo", "gohkpat",
                                                 "zlcFreeRadErboVectMake_OfDbl", "gfbziwt",
                                                 "zlcFreeRadErboDraw_OfDbl", "denpvect"}));
    for (int v : {2, 7, 10, 11}) {
        p.head.view_no = static_cast<uint8_t>(v);
        p.run(jarftx1s00);
        EXPECT_EQ(p.head.view_no, v);
    }
}

TEST(FreeRadiusBend, PartRecordSetUp)
{
    Part p = bend(65);
    p.head.draw_mode = 2;
    ASSERT_EQ(p.run(jarftx1s00), 0);
    EXPECT_EQ(p.head.hdr_len, 88);
    EXPECT_EQ(p.head.hdr_tag, 80);
    EXPECT_EQ(p.head.npts, 2);
    EXPECT_EQ(p.head.b100, 1);
    EXPECT_EQ(p.head.pen, 77);
    EXPECT_EQ(p.head.line_type, 0x0F0F);
    EXPECT_EQ(p.head.attr, 5);
    EXPECT_EQ(p.head.size_b, 65);
    EXPECT_EQ(p.head.dia_b, 76);
    EXPECT_EQ(p.head.size_c, 0);
    EXPECT_EQ(p.set.i328, -1);
    EXPECT_EQ(bzifile.pen, 77);
    EXPECT_EQ(bzifile.attr, 5);
    EXPECT_EQ(bzifile.line_type, 0x0F0F);
    EXPECT_EQ(bzi_wrt_t.mode, 1);  // back to element records after the header
    // Placement check against the 90-degree frame with points A, C, B.
    EXPECT_EQ(host_arg("hinechk", "ref"), (std::vector<double>{0, 0, 0, 100, 0, 0, 0, -100, 0}));
    EXPECT_EQ(host_arg("hinechk", "pts"), (std::vector<double>{100, 200, 5, -4, 8, 2, 10, 20, 30}));
    EXPECT_EQ(calls(), (std::vector<std::string>{"hinechk", "bzi_nmst", "hoonatu",
                                                 "zlcFreeRadErboVectMake_OfDbl", "gfbziwt",
                                                 "zlcFreeRadErboDraw_OfDbl", "center_line",
                                                 "denpvect"}));
}

TEST(FreeRadiusBend, DrawModeByThreshold)
{
    struct Case {
        int size, mode, expect;
    } cases[] = {{65, 0, 1}, {80, 0, 1}, {100, 0, 2}, {100, 1, 1}, {40, 3, 2}, {40, 2, 2}};
    for (const Case& c : cases) {
        Part p = bend(c.size);
        p.head.draw_mode = static_cast<uint8_t>(c.mode);
        ASSERT_EQ(p.run(jarftx1s00), 0);
        EXPECT_EQ(p.head.draw_mode, c.expect) << c.size << " mode " << c.mode;
    }
}

TEST(FreeRadiusBend, SingleLineTurnsThenMapsPointsBackTwice)
{
    Part p = bend(65);
    p.head.draw_mode = 0;
    arfhost::reset();
    henkan.m[0] = 0, henkan.m[1] = -1, henkan.m[2] = 1, henkan.m[3] = 0;  // a quarter turn
    ASSERT_EQ(jarftx1s00(&p.head, &p.set), 0);
    EXPECT_EQ(p.head.draw_mode, 1);
    // B (10, 20, 30) turns to (-20, 10), C (-4, 8, 2) to (-8, -4); scale 2, origin A (100, 200, 5).
    EXPECT_EQ(host_arg("tanstugi3d", "points"),
              (std::vector<double>{100, 200, 5, 90, 205, 20, 96, 198, 6}));
    EXPECT_EQ(host_arg("denpvect", "points"),
              (std::vector<double>{100, 200, 5, 145, 302.5, 15, 148, 299, 8}));
    EXPECT_EQ(host_arg("denpvect", "conv"), (std::vector<double>{100, 200, 1, 0, 0, 1, 0, 2}));
    EXPECT_EQ(host_arg("zlcFreeRadErboVectMake_OfDbl", "conv"),
              (std::vector<double>{100, 200, 0, -1, 1, 0, 0, 2}));
    EXPECT_EQ(std::count(calls().begin(), calls().end(), "zlcFreeRadErboDraw_OfDbl"), 0);
}

TEST(FreeRadiusBend, SizeClampsToTheBendTable)
{
    Part p = bend(30);
    p.run(jarftx1s00);
    EXPECT_EQ(p.head.size_a, 40);
    EXPECT_EQ(p.head.dia_a, 48);
    EXPECT_EQ(host_arg("zlcFreeRadErboVectMake_OfDbl", "draw"), (std::vector<double>{188, 48.6f, 40, 0}));
    p = bend(400);
    p.run(jarftx1s00);
    EXPECT_EQ(p.head.size_a, 350);
    EXPECT_EQ(p.head.dia_a, 355);
    EXPECT_EQ(last_record("jarftx1s00").keys[0], 350);
}

TEST(FreeRadiusBend, NoPlacementCheckFromPointsOrOtherViews)
{
    Part p = bend(65);
    p.set.len_from_pts = 1;
    p.run(jarftx1s00);
    EXPECT_EQ(calls().front(), "bzi_nmst");
    p = bend(65);
    p.head.view_no = 3;
    p.run(jarftx1s00);
    EXPECT_EQ(calls().front(), "bzi_nmst");
}

}  // namespace
