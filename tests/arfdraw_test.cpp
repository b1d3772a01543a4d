// The drawing tool as a user runs it: exit codes, messages, output files.
#include "tool_support.h"

namespace {

using tooltest::arfdraw;
using tooltest::ToolRun;
namespace fs = std::filesystem;

nlohmann::json json_of(const ToolRun& r) { return nlohmann::json::parse(r.out); }

TEST(Arfdraw, PlugSideViewAsJson)
{
    const ToolRun r = arfdraw("draw jarft01plg --size 50 --view 2 --format json");
    ASSERT_EQ(r.code, 0) << r.err;
    const auto j = json_of(r);
    EXPECT_EQ(j["status"], 0);
    EXPECT_EQ(j["host_calls"], (nlohmann::json{"com_1st", "com_2nd"}));
    EXPECT_EQ(j["part"]["part_code"], "JARFT01PLG");
    ASSERT_EQ(j["elements"].size(), 9u);  // each one pinned by the golden file
    EXPECT_EQ(j["elements"][7]["code"], 1520);
    EXPECT_EQ(j["com_1st"]["pairs"][0], (nlohmann::json{50, 60}));
    EXPECT_EQ(j["com_1st"]["value_fields"][0], 60.5);
    EXPECT_EQ(j["com_1st"]["process_list"].size(), 18u);
}

TEST(Arfdraw, NumbersRoundTrip)
{
    const auto j = json_of(arfdraw("draw jarft01plg --size 40 --view 1"));
    EXPECT_EQ(j["elements"][0]["geo"][2].get<double>(), 0.5 * double(48.6f));
}

TEST(Arfdraw, SampleAndDrawModes)
{
    auto j = json_of(arfdraw("draw jarft01plg --size 40 --sample --draw-mode 1 --view 2"));
    EXPECT_EQ(j["com_1st"]["pairs"][0][0], 65);
    EXPECT_EQ(j["elements"].size(), 9u);
    j = json_of(arfdraw("draw jarft01plg --size 40 --draw-mode 1 --view 2"));
    EXPECT_EQ(j["host_calls"], (nlohmann::json{"com_1st", "com_2nd"}));
    EXPECT_TRUE(j["elements"].empty());
    for (auto [size, key] : {std::pair{30, 40}, {45, 50}, {150, 100}})
        EXPECT_EQ(json_of(arfdraw("draw jarft01plg --view 2 --size " + std::to_string(size)))["com_1st"]["pairs"][0][0],
                  key);
}

TEST(Arfdraw, InjectedFailuresKeepWhatWasWritten)
{
    ToolRun r = arfdraw("draw jarft01plg --size 50 --view 2 --fail-at write:3");
    EXPECT_EQ(r.code, 1);
    auto j = json_of(r);
    EXPECT_EQ(j["status"], 1);
    EXPECT_EQ(j["elements"].size(), 2u);
    EXPECT_EQ(j["host_calls"], (nlohmann::json{"com_1st"}));
    r = arfdraw("draw jarft01plg --size 50 --view 2 --fail-at com_1st");
    EXPECT_EQ(r.code, 1);
    j = json_of(r);
    EXPECT_TRUE(j["elements"].empty());
    EXPECT_EQ(j["host_calls"], (nlohmann::json{"com_1st"}));
}

TEST(Arfdraw, BadInputIsOneLineAndExitTwo)
{
    const std::string too_long = "draw jarft01plg -o " + (fs::temp_directory_path() / std::string(300, 'a')).string() + ".svg";
    const std::string bad[] = {
        "draw nosuchentry",
        "draw jarft01plg --size abc",
        "draw jarft01plg --size 99999",
        "draw jarft01plg --view 300",
        "draw jarft01plg --pt-a 1,2",
        "draw jarft01plg --pt-a 1,2,x",
        "draw jarft01plg --fail-at write:0",
        "draw jarft01plg --fail-at no_such_routine",
        "draw jarft01plg --format pdf",
        "draw jarft01plg --format dxf -o x.svg",
        "draw jarft01plg --format SVG -o x.DXF",
        "draw jarft01plg -o /nonexistent-dir/x.svg",
        "draw jarft01plg -o out.unknownext",
        "draw jarft01plg -o ''",
        "draw jarft01plg --format ''",
        "draw jarft01plg --fail-at ''",
        "draw jarft01plg --part-len nan",
        "draw jarft01plg --len-scale nan",
        "check jarft01plg --part-len nan",
        "draw jarft01plg --fail-at write:99999999999999999999999",
        "frobnicate",
        // Numbers are plain decimals.
        "draw jarft01plg --size 0x10",
        "draw jarft01plg --size ' 50'",
        "draw jarft01plg --view 1e1",
        "draw jarft41l00 --part-len 0x1p3",
        "draw jarft41l00 --part-len '500 '",
        "draw jarft41l00 --part-len inf",
        "draw jarft41l00 --pt-a 0x1,0,0",
        "draw jarft41l00 --pt-a ' 1,0,0'",
        "draw jarft41l00 --pt-a 1e999,0,0",
        // Points that cannot make a finite length.
        "draw jarft41l00 --size 50 --view 1 --len-from-pts --pt-a=-1e308,0,0 --pt-b 1e308,0,0 --len-scale 0",
        "draw jarft01sct --len-from-pts --pt-a=-1e308,0,0 --pt-b 1e308,0,0",
        "draw jarft91l00 --len-from-pts --pt-b 1,0,0 --len-scale 0",
        // Routines with no failure to report.
        "draw jarftx1s00 --fail-at peke",
        "draw jarftx1s00 --fail-at B_CIfColor::StandardColorNo",
        too_long,
    };
    for (const std::string& args : bad) {
        SCOPED_TRACE(args);
        const ToolRun r = arfdraw(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;  // exactly one line
        EXPECT_EQ(r.err.rfind("arfdraw: ", 0), 0u);
    }
}

// The one line names the option at fault, however odd its value.
TEST(Arfdraw, BadValueMessageNamesTheOption)
{
    const std::pair<const char*, const char*> cases[] = {
        {"draw jarft01plg --fail-at write:99999999999999999999999", "--fail-at"},
        {"draw jarft41l00 --part-len nan", "--part-len"},
        {"draw jarft41l00 --len-from-pts --len-scale -nan", "--len-scale"},
        {"draw jarft01plg -o ''", "-o"},
    };
    for (const auto& [args, option] : cases) {
        SCOPED_TRACE(args);
        const ToolRun r = arfdraw(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(option), std::string::npos) << r.err;
    }
}

// What the host refused or was made to fail reaches the user: the failure in
// the JSON, the refusal on the one error line, never a non-finite number.
TEST(Arfdraw, HostFailuresAreReported)
{
    ToolRun r = arfdraw("draw jarft01plg --size 50 --view 2 --fail-at gfbziwt");
    EXPECT_EQ(r.code, 1);
    auto j = json_of(r);
    EXPECT_TRUE(j["elements"].empty());
    EXPECT_EQ(j["host_failures"][0]["routine"], "gfbziwt");
    EXPECT_EQ(j["host_failures"][0]["write"], 1);

    // A scale that sends the bend's points to infinity on their way back.
    r = arfdraw("draw jarftx1s00 --size 100 --draw-mode 1 --len-scale 1e-300 --pt-b 1e10,0,0");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("tanstugi3d refused the call: points[3] is inf"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("null"), std::string::npos);
    j = json_of(r);
    EXPECT_EQ(j["host_failures"][0]["injected"], false);

    // Plain decimals in every accepted spelling.
    r = arfdraw("draw jarft41l00 --size +50 --part-len 1.5e2 --len-scale .5 --pt-a -1,+2,.5 --pt-b 3.,4E1,-0");
    EXPECT_EQ(r.code, 0) << r.err;
}

TEST(Arfdraw, SvgFileIsWrittenWholeOrNotAtAll)
{
    tooltest::TempDir t("arfdraw");
    const fs::path svg = t.path / "plug.svg";
    ToolRun r = arfdraw("draw jarft01plg --size 50 --view 2 -o " + svg.string());
    ASSERT_EQ(r.code, 0) << r.err;
    std::ifstream f(svg);
    const std::string text{std::istreambuf_iterator<char>(f), {}};
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("</svg>"), std::string::npos);
    EXPECT_NE(text.find("class=\"c1282 s2\""), std::string::npos);  // the seam, dashed
    EXPECT_NE(text.find("scale(1,-1)"), std::string::npos);         // y up

    // A failing draw into an existing file: status 1, but what was drawn is still written.
    r = arfdraw("draw jarft01plg --size 50 --view 2 --fail-at write:3 -o " + svg.string());
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(fs::exists(svg));
    for (const auto& e : fs::directory_iterator(t.path)) EXPECT_EQ(e.path().extension(), ".svg");
}

TEST(Arfdraw, ListShowsNamesCoverageAndSizes)
{
    const ToolRun r = arfdraw("list");
    ASSERT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("jarft01plg  plug  views 1-2  sample 65  sizes 40,50,65,80,100\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("jarft41l00  45-degree bend  views 1-17"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("sizes 50/40,65/50,"), std::string::npos) << r.out;
}

// What a user types in the ways users type it: any case, a version query, a library
// that is not the drawing library, sizes that are not in the table.
TEST(Arfdraw, CommandLineConventions)
{
    ToolRun r = arfdraw("--version");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "arfdraw " ARF_VERSION "\n");

    tooltest::TempDir t("conventions");
    for (const char* name : {"PLUG.DXF", "plug.Svg"}) {
        r = arfdraw("draw jarft01plg --view 2 -o " + (t.path / name).string());
        EXPECT_EQ(r.code, 0) << name << r.err;
    }
    EXPECT_EQ(tooltest::slurp(t.path / "PLUG.DXF").rfind("999\njarft01plg 65 view 2\n", 0), 0u);
    EXPECT_NE(tooltest::slurp(t.path / "plug.Svg").find("<svg"), std::string::npos);
    r = arfdraw("draw jarft01plg --view 2 --format SVG");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("jarft01plg 65 view 2"), std::string::npos);  // the title names the record
    r = arfdraw("draw jarft01plg --format dxf -o " + (t.path / "x.svg").string());
    EXPECT_EQ(r.code, 2);
    EXPECT_FALSE(fs::exists(t.path / "x.svg"));

    const std::string host = (fs::path(ARFDRAW_PATH).parent_path() / "libarfhost.so").string();
    for (const char* cmd : {"list", "catalogue --out x", "draw jarft01plg"}) {
        r = arfdraw("--library " + host + " " + cmd);
        EXPECT_EQ(r.code, 2) << cmd;
        EXPECT_NE(r.err.find(host + " exports no fitting entry"), std::string::npos) << r.err;
    }

    // Sizes the table does not have: the entry picks its record, the tool says which.
    const std::pair<const char*, const char*> substituted[] = {
        {"draw jarft01plg --size 1000 --view 2", "drew its 100 record"},
        {"draw jarft01plg --size 55 --view 2", "drew its 65 record"},
        {"draw jarft01sct --size 50 --size-b 350", "drew its 50/40 record"},
    };
    for (const auto& [args, note] : substituted) {
        r = arfdraw(args);
        EXPECT_EQ(r.code, 0) << args;
        EXPECT_NE(r.err.find(note), std::string::npos) << args << ": " << r.err;
    }
    EXPECT_EQ(arfdraw("draw jarft01sct --size 125 --size-b 65").err, "");
}

}  // namespace
