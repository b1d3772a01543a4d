// The entry frame and the element protocol, on the plug.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "arfentry.h"
#include "recorder.h"

namespace {

struct PlugCall {
    HEADTBL head{};
    SHOKICH set{};

    PlugCall(int size, int view, int draw_mode = 2, bool sample = false)
    {
        std::memcpy(head.part_code, "JARFT01PLG", 10);
        head.pen = 7;
        head.size_a = static_cast<int16_t>(size);
        head.view_no = static_cast<uint8_t>(view);
        head.draw_mode = static_cast<uint8_t>(draw_mode);
        set.sample_flag = sample ? 1 : 0;
        arfhost::reset();
    }
    int run(const char* fail = nullptr)
    {
        if (fail) {
            EXPECT_TRUE(arfhost::fail_at(fail));
        }
        return jarft01plg(&head, &set);
    }
};

const arfhost::Record& rec() { return arfhost::record(); }

std::vector<std::string> calls() { return rec().calls; }

TEST(PlugFrame, SideViewOfSize50)
{
    PlugCall c(50, 2);
    ASSERT_EQ(c.run(), 0);
    EXPECT_EQ(calls(), (std::vector<std::string>{"com_1st", "com_2nd"}));
    const auto& el = rec().elements;
    ASSERT_EQ(el.size(), 9u);
    const double poly[8][2] = {{-30.25, -105}, {-30.25, 0},    {-15.125, 0}, {-15.125, 0.3 * 60.5},
                               {15.125, 0.3 * 60.5}, {15.125, 0}, {30.25, 0},   {30.25, -105}};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(el[i].form, arfhost::Form::segment);
        EXPECT_EQ(el[i].code, 1282);
        EXPECT_EQ(el[i].style, 0);
        EXPECT_DOUBLE_EQ(el[i].geo[0], poly[i][0]);
        EXPECT_DOUBLE_EQ(el[i].geo[1], poly[i][1]);
        EXPECT_DOUBLE_EQ(el[i].geo[2], poly[i + 1][0]);
        EXPECT_DOUBLE_EQ(el[i].geo[3], poly[i + 1][1]);
    }
    EXPECT_EQ(el[7].code, 1520);  // end face joins the polyline's two ends
    EXPECT_EQ((std::array<double, 4>{el[7].geo[0], el[7].geo[1], el[7].geo[2], el[7].geo[3]}),
              (std::array<double, 4>{-30.25, -105, 30.25, -105}));
    EXPECT_EQ(el[8].code, 1282);  // the seam under the head
    EXPECT_EQ(el[8].style, 2);
    EXPECT_DOUBLE_EQ(el[8].geo[0], -15.125);
    EXPECT_DOUBLE_EQ(el[8].geo[2], 15.125);
    for (const auto& e : el) {
        EXPECT_EQ(e.pen, 7);  // the plug copies the part's pen
        EXPECT_EQ(e.rec_len, 72);
        EXPECT_EQ(e.elem_tag, 16);
        EXPECT_EQ(e.line_type, B_CIfLineType::Solid().bits);
    }
}

TEST(PlugFrame, EndViewUsesStoredSinglePrecisionDiameter)
{
    PlugCall c(40, 1);
    ASSERT_EQ(c.run(), 0);
    const auto& el = rec().elements;
    ASSERT_EQ(el.size(), 2u);
    EXPECT_EQ(el[0].form, arfhost::Form::circle);
    EXPECT_EQ(el[0].rec_len, 64);
    EXPECT_EQ(el[0].code, 1520);
    EXPECT_EQ(el[0].geo[2], 0.5 * double(48.6f));  // 48.599998474121094, not 48.6
    EXPECT_NE(el[0].geo[2], 24.3);
    EXPECT_EQ(el[1].form, arfhost::Form::segment);
    EXPECT_EQ(el[1].code, 1282);
    EXPECT_EQ(el[1].geo[0], 0.25 * double(48.6f));
}

TEST(PlugFrame, CommonBlockReachesFirstStage)
{
    PlugCall c(40, 2);
    ASSERT_EQ(c.run(), 0);
    ASSERT_TRUE(rec().com_1st);
    const BZI_COM_PRM& b = rec().com_1st->block;
    EXPECT_EQ(b.hdr0, 6);
    EXPECT_EQ(b.hdr1, 2);
    const uint8_t hdr[8] = {0x00, 0x00, 0x50, 0x00, 0x1E, 0x01, 0x01, 0x00};
    EXPECT_EQ(std::memcmp(b.hdr_bytes, hdr, 8), 0);
    EXPECT_EQ(b.rec[0].value, double(48.6f));
    EXPECT_EQ(b.rec[0].i4, 9);
    EXPECT_EQ(b.rec[0].v32, 1049.0);
    EXPECT_EQ(b.rec[1].v48, double(1.3f));
    EXPECT_EQ(b.pairs[0][0], 40);
    EXPECT_EQ(b.pairs[0][1], 48);  // truncated, not rounded
    EXPECT_EQ(b.pairs[1][0], 0);
    EXPECT_EQ(b.dbl[0], 105.0);
    EXPECT_EQ(b.dbl[1], double(48.6f) * 0.5);
    EXPECT_EQ(b.triples[0][0], &c.head.pt_a);
    EXPECT_EQ(b.triples[0][1], &c.head.pt_c);
    EXPECT_EQ(b.triples[0][2], &c.head.pt_b);
    EXPECT_EQ(b.triples[1][1], &c.head.pt_b);
    EXPECT_EQ(b.triples[1][2], &c.head.pt_c);
    const auto& pl = rec().com_1st->proc_list;
    EXPECT_EQ(pl[0], 51);
    EXPECT_EQ(pl[1], 26);
    for (int i = 2; i < kProcListLen; ++i) EXPECT_EQ(pl[i], 0);
}

TEST(PlugFrame, SizeBracketsToNextLargerRecordAndClamps)
{
    const int cases[][2] = {{30, 40}, {40, 40}, {45, 50}, {66, 80}, {100, 100}, {150, 100}, {-5, 40}};
    for (const auto& cs : cases) {
        SCOPED_TRACE(cs[0]);
        PlugCall c(cs[0], 2);
        ASSERT_EQ(c.run(), 0);
        EXPECT_EQ(rec().com_1st->block.pairs[0][0], cs[1]);
    }
}

TEST(PlugFrame, SampleTakesSize65AndAlwaysDraws)
{
    PlugCall c(40, 2, /*draw_mode=*/1, /*sample=*/true);
    ASSERT_EQ(c.run(), 0);
    EXPECT_EQ(rec().com_1st->block.pairs[0][0], 65);
    EXPECT_EQ(rec().elements.size(), 9u);
    EXPECT_DOUBLE_EQ(rec().elements[0].geo[0], -0.5 * double(76.3f));
}

TEST(PlugFrame, DrawModeOtherThanTwoRunsStagesOnly)
{
    for (int mode : {0, 1, 3}) {
        PlugCall c(50, 2, mode);
        ASSERT_EQ(c.run(), 0);
        EXPECT_EQ(calls(), (std::vector<std::string>{"com_1st", "com_2nd"}));
        EXPECT_TRUE(rec().elements.empty());
    }
}

TEST(PlugFrame, ViewWithoutFunctionFailsBeforeSecondStage)
{
    for (int view : {0, 3, 255}) {
        PlugCall c(50, view);
        EXPECT_EQ(c.run(), 1);
        EXPECT_EQ(calls(), (std::vector<std::string>{"com_1st"}));
        EXPECT_TRUE(rec().elements.empty());
    }
    PlugCall c(50, 3, /*draw_mode=*/1);  // nothing to draw, so nothing missing
    EXPECT_EQ(c.run(), 0);
}

TEST(PlugFrame, HostFailuresStopTheCall)
{
    {
        PlugCall c(50, 2);
        EXPECT_EQ(c.run("com_1st"), 1);
        EXPECT_EQ(calls(), (std::vector<std::string>{"com_1st"}));
        EXPECT_TRUE(rec().elements.empty());
    }
    {
        PlugCall c(50, 2);
        EXPECT_EQ(c.run("com_2nd"), 1);
        EXPECT_EQ(rec().elements.size(), 9u);  // nothing written is taken back
    }
    // Every element write of both views, failing in turn.
    for (int view : {1, 2}) {
        const std::size_t n = view == 1 ? 2 : 9;
        for (std::size_t k = 1; k <= n; ++k) {
            SCOPED_TRACE(std::to_string(view) + "/" + std::to_string(k));
            PlugCall c(50, view);
            EXPECT_EQ(c.run(("write:" + std::to_string(k)).c_str()), 1);
            EXPECT_EQ(rec().elements.size(), k - 1);
            EXPECT_EQ(calls(), (std::vector<std::string>{"com_1st"}));
        }
    }
}

TEST(ElementProtocol, FormFieldsChangeOnlyWithForm)
{
    PlugCall c(50, 1);
    ASSERT_EQ(c.run(), 0);
    // After the circle, the segment must carry the segment's length and tag, not the circle's.
    EXPECT_EQ(bzifile.rec_len, 72);
    EXPECT_EQ(bzi_wrt_t.rec_len, 72);
    EXPECT_EQ(bzifile.elem_tag, 16);
    EXPECT_EQ(bzi_wrt_t.elem_code, 1282);
    EXPECT_EQ(bzi_wrt_t.head, &c.head);
}

TEST(ElementProtocol, PenIsCopiedAtFirstElementAndStyleReset)
{
    PlugCall c(50, 2);
    bzifile.line_style = 2;  // left over by an earlier drawing
    bzifile.pen = 99;
    ASSERT_EQ(c.run(), 0);
    EXPECT_EQ(rec().elements[0].style, 0);
    EXPECT_EQ(rec().elements[0].pen, 7);
}

TEST(ModuleExports, CoverageAndSamples)
{
    EXPECT_EQ(arf_view_mask("jarft01plg"), 0b110u);
    EXPECT_EQ(arf_view_mask("nosuch"), 0u);
    int a = 0, b = 0;
    EXPECT_EQ(arf_sample_sizes("jarft01plg", &a, &b), 1);
    EXPECT_EQ(a, 65);
    EXPECT_STREQ(arf_entry_name(0), "jarft01plg");
}

}  // namespace
