// The reducing mitre bend through its entry and its older part code: every
// record in every view. (Refused writes: outlines_test; the elements: the golden files.)
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

}  // namespace
