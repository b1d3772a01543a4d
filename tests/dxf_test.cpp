// DXF export read back by ezdxf: structure a strict reader accepts, and every
// recorded element coming back with its geometry, layer and line type.
#include <algorithm>
#include <map>
#include <numbers>
#include <sstream>
#include <stdexcept>

#include "curves.h"
#include "tool_support.h"
#include "writer.h"

namespace {

using namespace tooltest;
using arftool::Drawing;

constexpr double kTol = 1e-9;

void write_file(const Drawing& d, const fs::path& path, const char* format)
{
    std::ofstream f(path, std::ios::binary);
    arftool::make_writer(format)->write(f, d);
}

void expect_point(const nlohmann::json& got, arftool::P2 want, const char* what)
{
    ASSERT_TRUE(got.is_array()) << what;
    EXPECT_NEAR(got[0].get<double>(), want.x, kTol) << what;
    EXPECT_NEAR(got[1].get<double>(), want.y, kTol) << what;
}

// The entity ezdxf read must be the element as the host recorded it: same
// layer and line type, same geometry, arcs starting and ending at the recorded
// points and passing through the recorded arc's mid point (so they run the same way).
void expect_same(const nlohmann::json& ent, const Element& e)
{
    static const std::map<int, std::string> layers = {{1282, "body"}, {1520, "end1"}, {1521, "end2"}, {1522, "end3"}};
    const auto l = layers.find(e.code);
    EXPECT_EQ(ent["layer"], l == layers.end() ? "code" + std::to_string(e.code) : l->second);
    EXPECT_EQ(ent["linetype"], e.style == 2 ? "DASHED" : e.style == 1 ? "DASHDOT" : "BYLAYER");
    const auto& g = e.geo;
    const arftool::Conic k = arftool::conic_of(e);
    switch (e.form) {
    case Form::segment:
        EXPECT_EQ(ent["type"], "LINE");
        expect_point(ent["start"], {g[0], g[1]}, "start");
        expect_point(ent["end"], {g[2], g[3]}, "end");
        return;
    case Form::circle:
        EXPECT_EQ(ent["type"], "CIRCLE");
        expect_point(ent["center"], k.c, "centre");
        EXPECT_NEAR(ent["radius"].get<double>(), g[2], kTol);
        return;
    case Form::ellipse:
    case Form::elliptic_arc: {
        EXPECT_EQ(ent["type"], "ELLIPSE");
        expect_point(ent["center"], k.c, "centre");
        const double major = std::hypot(ent["major"][0].get<double>(), ent["major"][1].get<double>());
        EXPECT_NEAR(major, std::max(k.a, k.b), kTol);
        EXPECT_NEAR(ent["ratio"].get<double>(), std::min(k.a, k.b) / std::max(k.a, k.b), kTol);
        if (e.form == Form::ellipse || (g[5] == g[7] && g[6] == g[8])) {
            EXPECT_NEAR(ent["sweep"].get<double>(), 2 * std::numbers::pi, kTol);
            // A full ellipse starts on its major axis.
            const double t = k.a >= k.b ? 0.0 : std::numbers::pi / 2;
            expect_point(ent["start"], arftool::point_at(k, t), "start");
            return;
        }
        break;
    }
    case Form::arc: {
        const bool whole = g[3] == g[5] && g[4] == g[6];
        EXPECT_EQ(ent["type"], whole ? "CIRCLE" : "ARC");
        expect_point(ent["center"], k.c, "centre");
        EXPECT_NEAR(ent["radius"].get<double>(), g[2], kTol);
        if (whole) return;
        break;
    }
    case Form::unknown: FAIL() << "no unknown forms in these drawings"; return;
    }
    std::array<arftool::P2, 2> ends{};
    arftool::end_points(e, ends);
    expect_point(ent["start"], ends[0], "start");
    expect_point(ent["end"], ends[1], "end");
    const arftool::Span s = arftool::span_of(e);
    expect_point(ent["mid"], arftool::point_at(k, 0.5 * (s.t0 + s.t1)), "mid point");
}

void expect_read_back(const std::vector<Drawing>& drawings)
{
    TempDir t("dxf");
    std::vector<fs::path> files;
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        files.push_back(t.path / ("d" + std::to_string(i) + ".dxf"));
        write_file(drawings[i], files.back(), "dxf");
        // The same drawings as SVG must render too.
        write_file(drawings[i], t.path / ("d" + std::to_string(i) + ".svg"), "svg");
        expect_renders(t.path / ("d" + std::to_string(i) + ".svg"), t.path / ("d" + std::to_string(i) + ".png"));
    }
    const nlohmann::json got = read_dxf(files);
    ASSERT_EQ(got.size(), drawings.size());
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        SCOPED_TRACE("drawing " + std::to_string(i));
        expect_clean(got[i]);
        const auto& els = drawings[i].host.elements;
        const auto& ents = got[i]["entities"];
        ASSERT_EQ(ents.size(), els.size());
        for (std::size_t j = 0; j < els.size(); ++j) {
            SCOPED_TRACE("element " + std::to_string(j + 1) + " " + arfhost::form_name(els[j].form));
            expect_same(ents[j], els[j]);
        }
    }
}

TEST(Dxf, ArcsInEveryQuadrantAndAcrossZero)
{
    std::vector<Element> els;
    for (double a0 : {10.0, 100.0, 190.0, 280.0}) {
        els.push_back(arc_deg(12.5, -7.25, 30, a0, a0 + 60));
        els.push_back(arc_deg(-3, 4, 0.75, a0, a0 + 250));  // more than half a turn
    }
    for (auto [a0, a1] : {std::pair{330.0, 30.0}, {300.0, 10.0}, {-45.0, 45.0}, {180.0, 179.0}, {90.0, 0.0}})
        els.push_back(arc_deg(100, 100, 55.5, a0, a1));
    els.push_back(arc_deg(0, 0, 20, 37, 37));  // start on end: the whole way round
    expect_read_back({drawing_of(els)});
}

TEST(Dxf, EllipticArcsWhicheverAxisIsLonger)
{
    std::vector<Element> els;
    for (auto [a, b] : {std::pair{40.0, 15.0}, {15.0, 40.0}, {25.0, 25.0}})
        for (double rot : {0.0, 30.0, 135.0, -60.0, 90.0}) {
            for (double t0 : {20.0, 110.0, 200.0, 290.0}) els.push_back(earc_deg(5, -5, a, b, rot, t0, t0 + 50));
            els.push_back(earc_deg(-50, 20, a, b, rot, 320, 40));   // across parameter 0
            els.push_back(earc_deg(-50, 20, a, b, rot, 80, 100));   // across the second axis
            els.push_back(earc_deg(-50, 20, a, b, rot, 10, 355));   // nearly whole
            els.push_back(earc_deg(60, 60, a, b, rot, 45, 45));     // whole
            els.push_back(elem(Form::ellipse, {1, 2, a, b, rot}));
        }
    expect_read_back({drawing_of(els)});
}

TEST(Dxf, LayersAndLineTypes)
{
    const Drawing d = drawing_of({seg(0, 0, 10, 0, 1282), seg(10, 0, 10, 10, 1520, 2), seg(10, 10, 0, 10, 1521, 1),
                                  seg(0, 10, 0, 0, 1522), elem(Form::circle, {5, 5, 2}, 1520, 2),
                                  arc_deg(5, 5, 4, 0, 90, 4242)});
    expect_read_back({d});
    TempDir t("dxflt");
    write_file(d, t.path / "lt.dxf", "dxf");
    const auto got = read_dxf({t.path / "lt.dxf"});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]["linetypes"]["DASHED"], (nlohmann::json{6.0, -3.0}));
    EXPECT_EQ(got[0]["linetypes"]["DASHDOT"], (nlohmann::json{12.0, -3.0, 0.0, -3.0}));
    for (const char* l : {"body", "end1", "end2", "end3", "code4242"})
        EXPECT_NE(std::find(got[0]["layers"].begin(), got[0]["layers"].end(), l), got[0]["layers"].end()) << l;
}

TEST(Dxf, EmptyDrawingIsStillAValidFile)
{
    expect_read_back({drawing_of({})});
}

TEST(Dxf, RefusesWhatItCannotCarry)
{
    const auto w = arftool::make_writer("dxf");
    for (const Element& e : {seg(0, std::nan(""), 1, 1), elem(Form::circle, {0, 0, 0}),
                             elem(Form::ellipse, {0, 0, 5, -1, 0}), elem(Form::arc, {0, 0, INFINITY, 1, 0, 0, 1})}) {
        std::ostringstream out;
        EXPECT_THROW(w->write(out, drawing_of({seg(0, 0, 1, 1), e})), std::runtime_error) << arfhost::form_name(e.form);
    }
}

TEST(Dxf, ToolWritesThePlug)
{
    TempDir t("dxfplug");
    const fs::path dxf = t.path / "plug.dxf";
    ToolRun r = arfdraw("draw jarft01plg --size 50 --view 2 -o " + dxf.string());
    ASSERT_EQ(r.code, 0) << r.err;
    const ToolRun to_stdout = arfdraw("draw jarft01plg --size 50 --view 2 --format dxf");
    EXPECT_EQ(to_stdout.code, 0);
    EXPECT_EQ(to_stdout.out, slurp(dxf));

    const auto got = read_dxf({dxf});
    ASSERT_EQ(got.size(), 1u);
    expect_clean(got[0]);
    const auto& ents = got[0]["entities"];
    ASSERT_EQ(ents.size(), 9u);
    int body = 0, end1 = 0, seam = 0;
    for (const auto& e : ents) {
        EXPECT_EQ(e["type"], "LINE");
        if (e["linetype"] == "DASHED") seam += e["layer"] == "body";
        else if (e["layer"] == "body") ++body;
        else if (e["layer"] == "end1") ++end1;
    }
    EXPECT_EQ(body, 7);
    EXPECT_EQ(end1, 1);
    EXPECT_EQ(seam, 1);
}

}  // namespace

// The block library holds the same geometry as the single drawings, one block per
// entry, record and view, each inserted once on the sheet with its title.
TEST(Dxf, BlockLibraryMatchesSingleDrawings)
{
    TempDir t("dxfblocks");
    const fs::path lib = t.path / "fittings.dxf";
    const ToolRun r = arfdraw("blocks --out " + lib.string() + " jarft01plg jarft01sct");
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<fs::path> files{lib};
    const std::vector<std::pair<std::string, std::string>> singles = {
        {"JARFT01PLG_65_V2", "draw jarft01plg --size 65 --view 2"},
        {"JARFT01SCT_125X65_V1", "draw jarft01sct --size 125 --size-b 65 --view 1"},
        {"JARFT01SCT_125X65_V6", "draw jarft01sct --size 125 --size-b 65 --view 6"},
    };
    for (const auto& [name, args] : singles) {
        files.push_back(t.path / (name + ".dxf"));
        ASSERT_EQ(arfdraw(args + " -o " + files.back().string()).code, 0) << args;
    }
    const auto got = read_dxf(files);
    ASSERT_EQ(got.size(), files.size());
    expect_clean(got[0]);
    const auto& blocks = got[0]["blocks"];
    EXPECT_EQ(blocks.size(), 2u + 7u);  // the plug's two views, the reducer's seven
    int inserts = 0, texts = 0;
    for (const auto& e : got[0]["entities"]) {
        inserts += e["type"] == "INSERT";
        texts += e["type"] == "TEXT";
        if (e["type"] == "INSERT") {
            EXPECT_TRUE(blocks.contains(e["name"].get<std::string>())) << e["name"];
        }
    }
    EXPECT_EQ(inserts, 9);
    EXPECT_EQ(texts, 9);

    for (std::size_t i = 0; i < singles.size(); ++i) {
        SCOPED_TRACE(singles[i].first);
        ASSERT_TRUE(blocks.contains(singles[i].first));
        const auto& in_block = blocks[singles[i].first]["entities"];
        const auto& single = got[i + 1]["entities"];
        EXPECT_EQ(blocks[singles[i].first]["base"], (nlohmann::json{0.0, 0.0}));
        ASSERT_EQ(in_block.size(), single.size());
        for (std::size_t k = 0; k < single.size(); ++k) {
            EXPECT_EQ(in_block[k]["type"], single[k]["type"]);
            EXPECT_EQ(in_block[k]["layer"], single[k]["layer"]);
            EXPECT_EQ(in_block[k]["linetype"], single[k]["linetype"]);
            for (const char* key : {"start", "end", "center"}) {
                if (!single[k].contains(key)) continue;
                for (int c = 0; c < 2; ++c)
                    EXPECT_NEAR(in_block[k][key][c].get<double>(), single[k][key][c].get<double>(), 1e-9);
            }
        }
    }
}
