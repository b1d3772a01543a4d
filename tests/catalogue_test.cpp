// The catalogue as README's first command writes it: every drawing as SVG and
// DXF that outside readers accept, and a gallery page a browser shows whole.
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "tool_support.h"

namespace {

using namespace tooltest;

struct CardInfo {
    std::string stem;
    int elements;
};

// The cards of index.html: the SVG each opens and its element count.
std::vector<CardInfo> cards_of(const std::string& html)
{
    std::vector<CardInfo> out;
    const std::regex card(R"re(<div class="card"[^>]*data-elements="(\d+)"><a class="view" href="([^"]+)\.svg")re");
    for (std::sregex_iterator i(html.begin(), html.end(), card), end; i != end; ++i)
        out.push_back({(*i)[2], std::stoi((*i)[1])});
    return out;
}

std::size_t count_of(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

std::string chromium(const std::string& args)
{
    for (const char* c : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
        if (fs::exists(c))
            return std::string(c) +
                   " --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking"
                   " --disable-component-update --disable-sync " +
                   args;
    return {};
}

class Catalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir("catalogue");
        run_ = new ToolRun(arfdraw("catalogue --all --out " + (dir_->path / "cat").string()));
    }
    static void TearDownTestSuite()
    {
        delete run_;
        delete dir_;
    }
    static fs::path out() { return dir_->path / "cat"; }
    static std::set<std::string> stems(const char* ext)
    {
        std::set<std::string> s;
        for (const auto& e : fs::directory_iterator(out()))
            if (e.path().extension() == ext) s.insert(e.path().stem().string());
        return s;
    }
    static TempDir* dir_;
    static ToolRun* run_;
};

TempDir* Catalogue::dir_ = nullptr;
ToolRun* Catalogue::run_ = nullptr;

TEST_F(Catalogue, EveryDrawingHasItsFilesAndCard)
{
    ASSERT_EQ(run_->code, 0) << run_->out << run_->err;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(run_->out, m, std::regex("catalogue: (\\d+) drawings"))) << run_->out;
    const std::size_t n = std::stoul(m[1]);
    const auto svg = stems(".svg"), dxf = stems(".dxf");
    EXPECT_EQ(svg.size(), n);
    EXPECT_EQ(svg, dxf);
    const auto cards = cards_of(slurp(out() / "index.html"));
    ASSERT_EQ(cards.size(), n);
    std::set<std::string> carded;
    for (const auto& c : cards) carded.insert(c.stem);
    EXPECT_EQ(carded, svg);
    // Nothing half-written left behind.
    for (const auto& e : fs::directory_iterator(out()))
        EXPECT_TRUE(e.path().extension() == ".svg" || e.path().extension() == ".dxf" ||
                    e.path().filename() == "index.html")
            << e.path();

    // Every entry the library lists, with its sample drawing in each of its views.
    const ToolRun list = arfdraw("list");
    const std::regex line(R"((\w+)  [^\n]*?  views ([0-9,\-]+|none))");  // entry, plain name, views
    for (std::sregex_iterator i(list.out.begin(), list.out.end(), line), end; i != end; ++i) {
        const std::string entry = (*i)[1];
        std::set<int> views;
        std::stringstream ranges((*i)[2].str());
        for (std::string r; std::getline(ranges, r, ',');) {
            if (r == "none") continue;
            const auto dash = r.find('-');
            const int a = std::stoi(r), b = dash == std::string::npos ? a : std::stoi(r.substr(dash + 1));
            for (int v = a; v <= b; ++v) views.insert(v);
        }
        for (int v : views) EXPECT_TRUE(svg.count(entry + "_v" + std::to_string(v) + "_sample")) << entry << " view " << v;
    }
}

TEST_F(Catalogue, OutsideReadersAcceptEveryFile)
{
    ASSERT_EQ(run_->code, 0) << run_->err;
    const auto cards = cards_of(slurp(out() / "index.html"));
    std::vector<fs::path> files;
    for (const auto& c : cards) files.push_back(out() / (c.stem + ".dxf"));
    const auto got = read_dxf(files);
    ASSERT_EQ(got.size(), cards.size());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        expect_clean(got[i]);
        EXPECT_EQ(got[i]["entities"].size(), static_cast<std::size_t>(cards[i].elements)) << cards[i].stem;
    }
    TempDir pdf("catalogue_pdf");
    std::vector<fs::path> svgs;
    for (const auto& c : cards) svgs.push_back(out() / (c.stem + ".svg"));
    expect_all_render(svgs, pdf.path);
}

TEST_F(Catalogue, BrowserShowsEveryCard)
{
    ASSERT_EQ(run_->code, 0) << run_->err;
    const std::string browser = chromium("");
    ASSERT_FALSE(browser.empty()) << "chromium is not installed; sh .ci/deps installs it";
    const std::string page = "file://" + (out() / "index.html").string();
    const std::size_t n = cards_of(slurp(out() / "index.html")).size();

    const ToolRun dom = run(chromium("--enable-logging=stderr --v=0 --dump-dom '" + page + "'"));
    ASSERT_EQ(dom.code, 0) << dom.err;
    EXPECT_EQ(count_of(dom.out, "<div class=\"card\""), n);
    EXPECT_NE(dom.out.find("data-ready=\"" + std::to_string(n) + "\""), std::string::npos) << "the page script did not finish";
    EXPECT_EQ(dom.out.find("data-errors"), std::string::npos);
    EXPECT_NE(dom.out.find(">" + std::to_string(n) + " of " + std::to_string(n) + " drawings<"), std::string::npos);
    // The page logs nothing at all, so any console line is a fault.
    EXPECT_EQ(dom.err.find(":CONSOLE"), std::string::npos) << dom.err;

    // Kept beside the test run for a person to look at.
    const fs::path shot = fs::current_path() / "catalogue_screenshot.png";
    fs::remove(shot);
    const ToolRun s = run(chromium("--window-size=1280,900 --screenshot='" + shot.string() + "' '" + page + "'"));
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_GT(fs::exists(shot) ? fs::file_size(shot) : 0, 10000u);
}

TEST(CatalogueCommand, DefaultIsTheSampleSizesAndBadInputIsOneLine)
{
    TempDir t("catalogue_default");
    const ToolRun r = arfdraw("catalogue --out " + (t.path / "c").string());
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(fs::exists(t.path / "c" / "index.html"));
    EXPECT_TRUE(fs::exists(t.path / "c" / "jarft01plg_v2_sample.dxf"));
    EXPECT_TRUE(fs::exists(t.path / "c" / "jarft01plg_v2_65.svg"));
    EXPECT_FALSE(fs::exists(t.path / "c" / "jarft01plg_v2_40.svg")) << "other sizes only with --all";

    std::ofstream(t.path / "file") << "x";
    for (const std::string& args : {std::string("catalogue"), "catalogue --out " + (t.path / "file" / "sub").string(),
                                   "catalogue --out " + (t.path / "file").string()}) {
        const ToolRun bad = arfdraw(args);
        EXPECT_EQ(bad.code, 2) << args;
        EXPECT_EQ(bad.err.find('\n'), bad.err.size() - 1) << args << ": " << bad.err;
        EXPECT_EQ(bad.err.rfind("arfdraw: ", 0), 0u) << bad.err;
    }
}

}  // namespace
