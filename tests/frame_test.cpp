// The entry frame and the element protocol, on the plug.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>
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

// The golden files pin the plug's elements; what the host reads besides: each element's record
// length and tag by its form, a solid line type, and the plug's slot line declared free.
TEST(PlugFrame, ElementsCarryTheirFormsLengthAndTag)
{
    for (int view : {1, 2}) {
        PlugCall c(50, view);
        ASSERT_EQ(c.run(), 0);
        EXPECT_EQ(calls(), (std::vector<std::string>{"com_1st", "com_2nd"}));
        for (const auto& e : rec().elements) {
            const bool circle = e.form == arfhost::Form::circle;
            EXPECT_TRUE(circle || e.form == arfhost::Form::segment);
            EXPECT_EQ(e.rec_len, circle ? 64 : 72);
            EXPECT_EQ(e.elem_tag, circle ? 64 : 16);
            EXPECT_EQ(e.line_type, B_CIfLineType::Solid().bits);
        }
        int element = 0, kind = 0;
        EXPECT_EQ(arf_intended(0, &element, &kind, nullptr), view == 1 ? 1 : 0);
        if (view == 1) {
            EXPECT_EQ(std::pair(element, kind), std::pair(2, 1));
        }
    }
}

// What the block table of the entry tests leaves out: the plug's record fields, and its end
// diameter truncated (48.6 gives 48), not rounded.
TEST(PlugFrame, CommonBlockRecordFields)
{
    PlugCall c(40, 2);
    ASSERT_EQ(c.run(), 0);
    ASSERT_TRUE(rec().com_1st);
    const BZI_COM_PRM& b = rec().com_1st->block;
    EXPECT_EQ(b.rec[0].value, double(48.6f));
    EXPECT_EQ(b.rec[0].i4, 9);
    EXPECT_EQ(b.rec[0].v32, 1049.0);
    EXPECT_EQ(b.rec[1].v48, double(1.3f));
    EXPECT_EQ(b.pairs[0][0], 40);
    EXPECT_EQ(b.pairs[0][1], 48);
}

TEST(PlugFrame, SampleTakesSize65AndAlwaysDraws)
{
    PlugCall c(40, 2, /*draw_mode=*/1, /*sample=*/true);
    ASSERT_EQ(c.run(), 0);
    EXPECT_EQ(rec().com_1st->block.pairs[0][0], 65);
    EXPECT_EQ(rec().elements.size(), 9u);
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

// A failed second stage fails the call; nothing written is taken back. (Every host failure and
// every refused write of every entry are swept in the entry and outline tests.)
TEST(PlugFrame, FailedSecondStageKeepsTheElements)
{
    PlugCall c(50, 2);
    EXPECT_EQ(c.run("com_2nd"), 1);
    EXPECT_EQ(rec().elements.size(), 9u);
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
