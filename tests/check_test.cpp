// The outline checker on hand-made outlines with known faults, and as the tool runs it.
#include <limits>
#include <numbers>

#include "check.h"
#include "tool_support.h"

namespace {

using namespace tooltest;

// "kind@element" for each finding, in order.
std::vector<std::string> found(std::vector<Element> els, int status = 0)
{
    auto d = drawing_of(std::move(els));
    d.status = status;
    std::vector<std::string> out;
    for (const auto& f : arftool::check_drawing(d)) out.push_back(f.kind + "@" + std::to_string(f.element));
    return out;
}

using V = std::vector<std::string>;

TEST(Check, ClosedOutlinesAreClean)
{
    // A square, a slot of two lines and two half circles, a circle, an ellipse, whole-turn arcs.
    EXPECT_EQ(found({seg(0, 0, 10, 0), seg(10, 0, 10, 10), seg(10, 10, 0, 10), seg(0, 10, 0, 0)}), V{});
    EXPECT_EQ(found({seg(0, 0, 20, 0), arc_deg(20, 5, 5, -90, 90), seg(20, 10, 0, 10), arc_deg(0, 5, 5, 90, 270)}),
              V{});
    EXPECT_EQ(found({elem(Form::circle, {0, 0, 3}), elem(Form::ellipse, {0, 0, 3, 9, 20}), arc_deg(1, 1, 2, 30, 30),
                     earc_deg(1, 1, 2, 5, 10, 200, 200)}),
              V{});
}

TEST(Check, EndsMeetingInteriorsAreMet)
{
    // A T: the stem ends on the bar's interior; the bar's own ends are free.
    EXPECT_EQ(found({seg(-5, 0, 5, 0), seg(0, 0, 0, -5), seg(0, -5, 3, -5), seg(3, -5, 3, 0)}),
              (V{"dangling@1", "dangling@1"}));
    // A chord of a circle, and a line ending on an elliptic arc inside its span.
    EXPECT_EQ(found({elem(Form::circle, {0, 0, 5}), seg(-3, -4, 3, -4)}), V{});
    const Element ea = earc_deg(0, 0, 10, 4, 30, 0, 180);
    EXPECT_EQ(found({ea, seg(ea.geo[5], ea.geo[6], ea.geo[7], ea.geo[8]),
                     seg(0, 0, -4 * std::sin(30 * std::numbers::pi / 180), 4 * std::cos(30 * std::numbers::pi / 180))}),
              V{});
}

TEST(Check, EndOnTheCurveButOutsideTheArcDangles)
{
    // The arc runs from 0 to 90 degrees; the line's far end touches its circle at 180 degrees.
    EXPECT_EQ(found({arc_deg(0, 0, 5, 0, 90), seg(5, 0, 0, 5), seg(0, 5, -5, 0)}), (V{"dangling@3"}));
    // The same arc the other way round (90 to 0, three quarters) does pass 180 degrees.
    EXPECT_EQ(found({arc_deg(0, 0, 5, 90, 0), seg(5, 0, 0, 5), seg(0, 5, -5, 0)}), V{});
}

TEST(Check, FaultyElements)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(found({seg(0, 0, 1, 0), seg(1, 0, 0, 0), seg(0, 0, nan, 0)}), (V{"non_finite@3", "duplicate@2"}));
    EXPECT_EQ(found({seg(0, 0, 1, 0), seg(1, 0, 0, 0), seg(1, 0, 1, 0), elem(Form::circle, {0, 0, 0}),
                     elem(Form::ellipse, {0, 0, 2, -1, 0})}),
              (V{"degenerate@3", "degenerate@4", "degenerate@5", "duplicate@2"}));
    // An arc whose end point is a little off its circle.
    Element a = arc_deg(0, 0, 5, 0, 180);
    a.geo[5] -= 1e-3;
    EXPECT_EQ(found({a, seg(5, 0, -5, 0)}), (V{"off_curve@1", "dangling@1"}));
    // Start and end a hair apart: neither a sliver nor a full turn for sure.
    Element sliver = arc_deg(0, 0, 5, 10, 10);
    sliver.geo[6] += 1e-8;
    EXPECT_EQ(found({sliver}), (V{"degenerate@1"}));
    Element unknown = seg(0, 0, 1, 1);
    unknown.form = Form::unknown;
    EXPECT_EQ(found({unknown}), (V{"unknown_form@1"}));
}

TEST(Check, DrawingLevelFindings)
{
    EXPECT_EQ(found({}), (V{"empty@0"}));
    EXPECT_EQ(found({}, 1), (V{"failed@0"}));
    EXPECT_EQ(found({seg(0, 0, 1, 0), seg(1, 0, 0, 0)}, 1), (V{"failed@0", "duplicate@2"}));
}

// A declaration excuses exactly the finding it names: its element and its kind.
TEST(Check, DeclarationsExcuseOnlyWhatTheyName)
{
    // A line drawn twice, a declared mark, and a free line nobody declared.
    auto d = drawing_of({seg(0, 0, 10, 0), seg(0, 5, 3, 5), seg(0, 0, 10, 0), seg(20, 20, 25, 20)});
    d.declared = {{2, 1, "a mark"}, {3, 3, "wrong kind: the element is repeated, not zero length"}};
    const auto f = arftool::check_drawing(d);
    std::vector<std::string> got;
    for (const auto& x : f) got.push_back(x.kind + "@" + std::to_string(x.element) + (x.declared() ? "*" : ""));
    EXPECT_EQ(got, (V{"dangling@2*", "dangling@2*", "duplicate@3", "dangling@4", "dangling@4"}));
    EXPECT_EQ(arftool::undeclared(f), 3);
}

// An arc whose listed ends lie a hair off its curve: lines ending there still meet it, and only the
// off_curve finding remains, which the entry may declare (kind 5) and nothing else excuses.
TEST(Check, ArcEndsOffTheirCurveStillMeetWhatEndsThere)
{
    Element a = arc_deg(0, 0, 5, 0, 180);
    a.geo[3] += 5e-4, a.geo[5] -= 5e-4;  // both ends (3-4, 5-6) 0.0005 outside the circle
    const Element base = seg(a.geo[3], a.geo[4], a.geo[5], a.geo[6]);
    EXPECT_EQ(found({a, base}), (V{"off_curve@1", "off_curve@1"}));
    auto d = drawing_of({a, base});
    d.declared = {{1, 1, "a free end is not what this is"}};
    EXPECT_EQ(arftool::undeclared(arftool::check_drawing(d)), 2);
    d.declared = {{1, 5, "stored constants put the ends off the curve"}};
    EXPECT_EQ(arftool::undeclared(arftool::check_drawing(d)), 0);
}

TEST(Check, ToolReportsAndExits)
{
    ToolRun r = arfdraw("check jarft01plg --size 50 --view 2");
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["drawings"], 1);
    EXPECT_EQ(j["findings"], 0);

    // The plug's end view: a slot line inside the circle, free at both ends on purpose,
    // which the entry declares; the report lists it apart and the check passes.
    r = arfdraw("check jarft01plg --size 50 --view 1");
    EXPECT_EQ(r.code, 0) << r.out;
    j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["flagged_drawings"].empty());
    EXPECT_EQ(j["intended"], 2);
    ASSERT_EQ(j["declared"].size(), 1u);
    EXPECT_EQ(j["declared"][0]["element"], 2);
    EXPECT_EQ(j["declared"][0]["kind"], "dangling");
    EXPECT_NE(j["declared"][0]["reason"].get<std::string>().find("slot line"), std::string::npos);

    // Every drawing of every record: whatever the checker finds there, the entry declared.
    r = arfdraw("check --all");
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(r.code, 0) << j["flagged_drawings"].dump(1).substr(0, 4000);
    EXPECT_EQ(j["findings"], 0);
    EXPECT_GT(j["drawings"].get<int>(), 0);
    int per_entry = 0;
    for (const auto& [name, e] : j["by_entry"].items()) per_entry += e["drawings"].get<int>();
    EXPECT_EQ(per_entry, j["drawings"].get<int>());

    // One entry's every record and view.
    r = arfdraw("check jarft01sa0 --all");
    EXPECT_EQ(r.code, 0);
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["by_entry"].size(), 1u);
    EXPECT_EQ(j["by_entry"]["jarft01sa0"]["drawings"], j["drawings"]);

    for (const char* bad : {"check nosuchentry", "check nosuchentry --all", "check jarft01plg --view 999"}) {
        r = arfdraw(bad);
        EXPECT_EQ(r.code, 2) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << bad << ": " << r.err;
    }
}

}  // namespace
