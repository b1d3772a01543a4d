// Golden drawings: every drawing of the full catalogue redrawn and held against
// tests/golden; then the comparison's tolerance and messages, the file format,
// and the promote command that adds, changes and drops drawings.
#include <sstream>

#include "golden.h"
#include "tool_support.h"

namespace {

using namespace tooltest;
using namespace arftool;

TEST(Golden, EveryCatalogueDrawingAgreesWithItsGoldenFile)
{
    const Library lib;
    const GoldenReport rep = compare_golden(lib, ARF_SOURCE_DIR "/tests/golden");
    EXPECT_GT(rep.drawings, 0);
    EXPECT_TRUE(rep.ok()) << rep.text;
}

// A drawing about 100 by 50 mm (diagonal 111.8), so the tolerance is about 1.1e-7 mm.
Drawing base()
{
    return drawing_of({seg(0, 0, 100, 0), arc_deg(50, 0, 50, 0, 180), earc_deg(50, 0, 40, 20, 30, 0, 90)}, "jarft99abc");
}

GoldenDrawing golden_of(const Drawing& d)
{
    std::stringstream s;
    write_golden(s, {&d, 1});
    return read_golden(s, "golden").at(0);
}

TEST(Golden, DifferencesNameTheElementAndValueBeyondTheTolerance)
{
    constexpr double kTol = 111.8e-9, kRadian = 180 / 3.141592653589793;
    struct Case {
        const char* what;
        void (*change)(Drawing&);
        const char* expect;  // in the first difference; empty: the drawings agree
    };
    const Case cases[] = {
        {"moved within the tolerance", [](Drawing& d) { d.host.elements[0].geo[2] += 0.5 * kTol; }, ""},
        {"moved past it", [](Drawing& d) { d.host.elements[0].geo[2] += 1.5 * kTol; },
         "element 1 (segment): geo[2] 100.0000001677, golden 100 (off by 1.7e-07, tolerance 1.1e-07 mm)"},
        {"arc centre moved", [](Drawing& d) { d.host.elements[1].geo[1] -= 2 * kTol; }, "element 2 (arc): geo[1]"},
        {"turned within a nanoradian", [](Drawing& d) { d.host.elements[2].geo[4] += 0.5e-9 * kRadian; }, ""},
        {"turned past it", [](Drawing& d) { d.host.elements[2].geo[4] += 2e-9 * kRadian; },
         "element 3 (elliptic_arc): geo[4] 30.0000001"},
        {"not a number", [](Drawing& d) { d.host.elements[2].geo[8] = std::nan(""); }, "geo[8] nan"},
        {"code", [](Drawing& d) { d.host.elements[1].code = 1520; }, "element 2 (arc): code 1520, golden 1282"},
        {"style", [](Drawing& d) { d.host.elements[0].style = 2; }, "element 1 (segment): style 2, golden 0"},
        {"pen", [](Drawing& d) { d.host.elements[2].pen = 3; }, "element 3 (elliptic_arc): pen 3, golden 1"},
        {"form", [](Drawing& d) { d.host.elements[1].form = Form::circle; }, "element 2 (arc): form circle"},
        {"element left out", [](Drawing& d) { d.host.elements.pop_back(); }, "2 elements, golden 3"},
        {"status", [](Drawing& d) { d.status = 1; }, "status 1, golden 0"},
    };
    const GoldenDrawing g = golden_of(base());
    for (const Case& c : cases) {
        Drawing d = base();
        c.change(d);
        const auto diffs = golden_differences(d, g, 3);
        if (!*c.expect) {
            EXPECT_TRUE(diffs.empty()) << c.what << ": " << diffs.at(0);
            continue;
        }
        ASSERT_EQ(diffs.size(), 1u) << c.what;
        EXPECT_NE(diffs[0].find(c.expect), std::string::npos) << c.what << ": " << diffs[0];
    }

    // Everything moved: the first few differences, then a count of the rest.
    Drawing d = base();
    for (Element& e : d.host.elements) e.geo[0] += 1;
    const auto diffs = golden_differences(d, g, 2);
    ASSERT_EQ(diffs.size(), 3u);
    EXPECT_EQ(diffs[2], "... and 1 more difference(s)");
}

TEST(Golden, FileKeepsEveryDoubleAndNamesTheLineItCannotRead)
{
    Drawing d = base();
    d.host.elements[0].geo = {0.1 + 0.2, 1.0 / 3, -38.150001525878906, 5e-324};
    d.host.elements[1].geo[2] = 1e300;
    const GoldenDrawing g = golden_of(d);
    EXPECT_EQ(g.stem, "jarft99abc_v1_0");
    ASSERT_EQ(g.elements.size(), d.host.elements.size());
    for (std::size_t i = 0; i < g.elements.size(); ++i)
        for (int k = 0; k < arfhost::geo_count(g.elements[i].form); ++k)
            EXPECT_EQ(g.elements[i].geo[k], d.host.elements[i].geo[k]) << i << " " << k;

    const std::pair<const char*, const char*> bad[] = {
        {"[\"segment\",1282,0,1,[0,0,1,1]]\n", "f:1: an element before"},
        {"a_v1_40 status 0\n\n[\"segment\",1282,0,1,[0,0,1]]\n", "f:3: segment wants 4 geo values, has 3"},
        {"a_v1_40 status 0\n[\"spline\",1282,0,1,[0,0,1,1]]\n", "f:2: unknown form"},
        {"a_v1_40 status 0\n[\"circle\",1282,0,1,[0,0,1]\n", "f:2: "},
        {"a_v1_40 status 0 extra\n", "f:1: want 'STEM status N'"},
    };
    for (const auto& [text, expect] : bad) {
        std::istringstream in(text);
        try {
            read_golden(in, "f");
            ADD_FAILURE() << text << " was read";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(expect, 0), 0u) << e.what();
        }
    }
}

TEST(GoldenCommand, PromoteAddsChangesAndDropsDrawings)
{
    TempDir t("golden");
    const std::string dir = " --dir " + (t.path / "g").string();
    const ToolRun first = arfdraw("golden --update" + dir);
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_NE(first.out.find("0 changed"), std::string::npos) << first.out;
    const fs::path plug = t.path / "g" / "jarft01plg.golden";
    const std::string promoted = slurp(plug);
    EXPECT_EQ(arfdraw("golden" + dir).code, 0);

    // Drop one drawing, move one number of another, and leave a file of an entry no longer drawn.
    std::istringstream in(promoted);
    std::ostringstream edited;
    std::string line, block;
    int moved = 0;
    while (std::getline(in, line)) {
        if (line[0] != '[') block = line.substr(0, line.find(' '));
        if (block == "jarft01plg_v1_50") continue;
        if (block == "jarft01plg_v2_65" && line[0] == '[' && !moved++) {
            auto j = nlohmann::ordered_json::parse(line);
            j[4][1] = j[4][1].get<double>() + 1e-6;
            line = j.dump();
        }
        edited << line << '\n';
    }
    std::ofstream(plug) << edited.str();
    std::ofstream(t.path / "g" / "jarft99abc.golden") << "jarft99abc_v1_sample status 0\n";

    const ToolRun check = arfdraw("golden" + dir);
    EXPECT_EQ(check.code, 1);
    for (const char* expect :
         {"1 of ", "jarft01plg 65 view 2 (jarft01plg_v2_65):\n  element 1 (segment): geo[1] ",
          "1 drawing(s) not in the golden files", "jarft01plg_v1_50; new drawings are added by promoting: run arfdraw golden --update",
          "1 drawing(s) in the golden files", "are no longer drawn: jarft99abc_v1_sample"})
        EXPECT_NE(check.out.find(expect), std::string::npos) << expect << " in\n" << check.out;

    const ToolRun again = arfdraw("golden --update" + dir);
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_NE(again.out.find("1 changed, 1 added, 1 dropped\nrewritten: jarft01plg.golden\nremoved: jarft99abc.golden\n"),
              std::string::npos)
        << again.out;
    EXPECT_EQ(slurp(plug), promoted);
    EXPECT_FALSE(fs::exists(t.path / "g" / "jarft99abc.golden"));
}

}  // namespace
