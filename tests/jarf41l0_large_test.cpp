// The 45-degree bend from 150 up, drawn through its entry: every view of every
// large record is whole (no stray ends, nothing off its curve, nothing twice),
// the lists change where the end-1 straight disappears, and a refused element
// ends the drawing at once.
#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "check.h"
#include "curves.h"
#include "entry_cases.h"

namespace {

constexpr int kViews[] = {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13};
constexpr int kSizes[] = {150, 200, 250, 300, 350};

// Elements per view: sizes 150 to 249 keep an end-1 straight and its seam,
// 250 and above draw the end-1 face where the bend starts.
int expected_count(int size, int view)
{
    //                         view: 1  2  3  4  5  6   7   8  9  10  11  12 13
    static const int with_straight[] = {0, 10, 9, 8, 6, 9, 11, 10, 0, 0, 12, 12, 7, 6};
    static const int fixed_length[] = {0, 7, 9, 7, 5, 9, 8, 7, 0, 0, 9, 9, 6, 5};
    return (size < 250 ? with_straight : fixed_length)[view];
}

// A placed bend with a 500 mm part length: 150 and 200 keep it as their
// straight, 250 and above fix their own length.
struct Bend : Part {
    Bend(int size, int view, int pen = 0)
        : Part(size)
    {
        head.draw_mode = 2;
        head.view_no = static_cast<uint8_t>(view);
        head.pen = pen;
    }
    int draw(const std::string& fault = {})
    {
        arfhost::reset();
        if (!fault.empty()) arfhost::fail_at(fault);
        return jarft41l00(&head, &set);
    }
};

arftool::Drawing recorded(int status)
{
    arftool::Drawing d;
    d.req.entry = "jarft41l00";
    d.status = status;
    d.host = arfhost::record();
    return d;
}

TEST(Jarf41l0Large, EveryViewDrawsItsWholeList)
{
    for (int size : kSizes)
        for (int view : kViews) {
            SCOPED_TRACE("size " + std::to_string(size) + " view " + std::to_string(view));
            Bend bend(size, view);
            const arftool::Drawing d = recorded(bend.draw());
            ASSERT_EQ(d.status, 0);
            EXPECT_EQ(int(d.host.elements.size()), expected_count(size, view));
            // Finite values, arc ends on their curves within 1e-6 mm, every end met, nothing drawn twice.
            for (const arftool::Finding& f : arftool::check_drawing(d))
                ADD_FAILURE() << "element " << f.element << ": " << f.kind << " " << f.detail;
            // Bend sides and rims never sweep more than half way round: a start and end
            // swapped would draw the long way.
            for (const arfhost::Element& e : d.host.elements)
                if (e.form == arfhost::Form::arc || e.form == arfhost::Form::elliptic_arc) {
                    const arftool::Span s = arftool::span_of(e);
                    EXPECT_LE(s.t1 - s.t0, std::numbers::pi + 1e-9) << "code " << e.code;
                }
        }
}

// The end-1 face sits at the foot of the straight while there is one, and on
// the bend-start line from 250 up; either way exactly one face.
TEST(Jarf41l0Large, EndOneFaceFollowsTheStraight)
{
    for (int size : kSizes) {
        SCOPED_TRACE(size);
        Bend bend(size, 1);
        ASSERT_EQ(bend.draw(), 0);
        const ArfRecordView r = last_record("jarft41l00");
        const double foot = size < 250 ? -500.0 : -(d(r, 5) - d(r, 3));
        int faces = 0;
        for (const arfhost::Element& e : arfhost::record().elements)
            if (e.code == 1520) {
                ++faces;
                EXPECT_EQ(e.form, arfhost::Form::segment);
                EXPECT_NEAR(e.geo[1], foot, 1e-9);
                EXPECT_NEAR(e.geo[3], foot, 1e-9);
            }
        EXPECT_EQ(faces, 1);
    }
}

// Views 10 and 11 see end 1 tilted, its face and the bend-start seam upright
// half ellipses about the leg's axis. The solid halves are the near (lower)
// ones; what is drawn thin lies on the far side in view 10, which looks through
// the face, and on the near side in view 11, which sees only the face's near
// half.
TEST(Jarf41l0Large, TiltedEndOneShowsTheHalvesTheViewSees)
{
    for (int size : kSizes)
        for (int view : {10, 11}) {
            SCOPED_TRACE("size " + std::to_string(size) + " view " + std::to_string(view));
            Bend bend(size, view);
            ASSERT_EQ(bend.draw(), 0);
            int upright = 0;
            for (const arfhost::Element& e : arfhost::record().elements) {
                if (e.form != arfhost::Form::elliptic_arc || e.geo[4] != 0 || e.geo[0] != 0) continue;
                ++upright;
                const arftool::Span sp = arftool::span_of(e);
                const arftool::P2 m = arftool::point_at(arftool::conic_of(e), 0.5 * (sp.t0 + sp.t1));
                const bool far_half = e.style == 2 && view == 10;
                EXPECT_EQ(m.y > e.geo[1], far_half) << "code " << e.code << " style " << e.style;
            }
            EXPECT_EQ(upright, size < 250 ? (view == 10 ? 3 : 2) : (view == 10 ? 2 : 1));
        }
}

// A refused element ends the view with 1, the elements before it kept as drawn.
TEST(Jarf41l0Large, RefusedWriteStopsTheView)
{
    for (int size : {200, 300})
        for (int view : kViews) {
            SCOPED_TRACE("size " + std::to_string(size) + " view " + std::to_string(view));
            Bend bend(size, view);
            ASSERT_EQ(bend.draw(), 0);
            const std::vector<arfhost::Element> whole = arfhost::record().elements;
            for (int n = 1; n <= int(whole.size()); ++n) {
                ASSERT_EQ(bend.draw("write:" + std::to_string(n)), 1) << n;
                const auto& got = arfhost::record().elements;
                ASSERT_EQ(int(got.size()), n - 1);
                for (int i = 0; i < n - 1; ++i) EXPECT_EQ(got[i].geo, whole[i].geo) << n << ' ' << i;
            }
        }
}

// The large variants leave the pen as the host holds it, whatever the part's.
TEST(Jarf41l0Large, PenLeftAsTheHostHoldsIt)
{
    for (int view : kViews) {
        Bend bend(300, view, 9);
        ASSERT_EQ(bend.draw(), 0) << view;
        for (const arfhost::Element& e : arfhost::record().elements) EXPECT_EQ(e.pen, 0) << view;
    }
}

}  // namespace
