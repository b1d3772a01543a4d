// The reducing mitre bend through its entry and its older part code: every
// record in every view, where the bend's pieces sit, and a refused element
// ending the drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "check.h"
#include "curves.h"
#include "elemout.h"
#include "entry_cases.h"
#include "findings.h"

namespace {

using arfhost::Element;
using arfhost::Form;

struct Rec {
    int run, branch;
};
constexpr Rec kRecords[] = {{100, 80}, {125, 80}, {125, 100}, {150, 100}};
constexpr int kViews[] = {1, 2, 3, 4, 5, 6, 7};
//                            view: 1   2   3  4   5   6   7
constexpr int kCount[] = {0, 29, 24, 10, 7, 22, 25, 29};

const std::vector<Element>& elements() { return arfhost::record().elements; }
bool near(double a, double b) { return std::abs(a - b) <= 1e-6; }

int draw(EntryFn fn, Rec r, int view, const std::string& fault = {}, HEADTBL* out = nullptr)
{
    Part p;
    p.sizes(r.run, r.branch, 'b');
    p.head.draw_mode = 2;
    p.head.view_no = static_cast<uint8_t>(view);
    arfhost::reset();
    if (!fault.empty()) arfhost::fail_at(fault);
    const int status = fn(&p.head, &p.set);
    if (out) *out = p.head;
    return status;
}

std::string trace(Rec r, int view)
{
    return std::to_string(r.run) + "x" + std::to_string(r.branch) + " view " + std::to_string(view);
}

// Counts, finite values, arc ends on their curves and every end met; the older
// part code draws the same elements and leaves the part renamed.
TEST(Jarf91w0, EveryRecordAndViewDrawsItsWholeList)
{
    for (Rec r : kRecords)
        for (int view : kViews) {
            SCOPED_TRACE(trace(r, view));
            ASSERT_EQ(draw(jarft91w00, r, view), 0);
            EXPECT_EQ(int(elements().size()), kCount[view]);
            EXPECT_EQ(undeclared(), "");  // only the socket-bottom mark stands free, declared so

            const std::vector<Element> own = elements();
            HEADTBL head{};
            ASSERT_EQ(draw(jarft42w00, r, view, {}, &head), 0);
            EXPECT_EQ(std::string(head.part_code, sizeof head.part_code).substr(0, 10), "JARFT91W00");
            ASSERT_EQ(elements().size(), own.size());
            for (size_t i = 0; i < own.size(); ++i) {
                EXPECT_EQ(elements()[i].geo, own[i].geo) << i;
                EXPECT_EQ(elements()[i].code, own[i].code) << i;
            }
        }
}

// Side-on: the pipe end of width d1 at y = -d10, the socket end face at
// x = d15, and the two mitre pieces' side lines at 45 degrees and d1 apart.
TEST(Jarf91w0, SideViewEndsAndMitrePiece)
{
    for (Rec r : kRecords) {
        SCOPED_TRACE(trace(r, 1));
        ASSERT_EQ(draw(jarft91w00, r, 1), 0);
        const ArfRecordView v = last_record("jarft91w00");
        const double d1 = d(v, 1);
        const auto& g1 = elements()[21].geo;  // pipe end
        EXPECT_EQ(elements()[21].code, kEnd1);
        EXPECT_TRUE(near(g1[1], -d(v, 10)) && near(g1[3], -d(v, 10)) && near(std::abs(g1[0] - g1[2]), d1));
        const auto& g2 = elements()[10].geo;  // socket end face
        EXPECT_EQ(elements()[10].code, kEnd2);
        EXPECT_TRUE(near(g2[0], d(v, 15)) && near(g2[2], d(v, 15)));
        const auto& outer = elements()[2].geo;
        const auto& inner = elements()[18].geo;
        EXPECT_NEAR(outer[2] - outer[0], outer[3] - outer[1], 1e-6);
        EXPECT_NEAR(inner[2] - inner[0], inner[3] - inner[1], 1e-6);
        // Distance between the parallel lines x - y = c.
        EXPECT_NEAR(((inner[0] - inner[1]) - (outer[0] - outer[1])) / std::sqrt(2.0), d1, 1e-6);
    }
}

}  // namespace
