#include "golden.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <unordered_map>

#include "catalogue.h"
#include "curves.h"
#include "output.h"
#include "writer.h"

namespace arftool {

namespace {

namespace fs = std::filesystem;
using arfhost::Element;
using arfhost::Form;

constexpr const char* kExtension = ".golden";
constexpr int kShownDrawings = 5;  // differing drawings spelt out; the rest are counted per entry
constexpr int kShownPerDrawing = 3;
constexpr std::size_t kShownNames = 5;  // new or dropped drawings named before "and N more"

std::string shortest(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string rough(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2g", v);
    return buf;
}

Form form_named(const std::string& name)
{
    for (Form f : {Form::segment, Form::circle, Form::ellipse, Form::arc, Form::elliptic_arc})
        if (name == arfhost::form_name(f)) return f;
    return Form::unknown;
}

// The JSON writer's element with its keys left out.
std::string element_line(const Element& e)
{
    nlohmann::ordered_json values = nlohmann::ordered_json::array();
    for (const auto& v : element_json(e)) values.push_back(v);
    return values.dump();
}

Element element_of(const std::string& line)
{
    const nlohmann::json j = nlohmann::json::parse(line);
    const auto bad = [] { return std::runtime_error("want [form, code, style, pen, [geo...]]"); };
    if (!j.is_array() || j.size() != 5 || !j[0].is_string() || !j[4].is_array()) throw bad();
    Element e{};
    e.form = form_named(j[0].get<std::string>());
    if (e.form == Form::unknown) throw std::runtime_error("unknown form " + j[0].dump());
    for (int k = 1; k <= 3; ++k)
        if (!j[k].is_number_integer()) throw bad();
    e.code = j[1].get<int>();
    e.style = j[2].get<int>();
    e.pen = j[3].get<int>();
    const nlohmann::json& geo = j[4];
    if (static_cast<int>(geo.size()) != arfhost::geo_count(e.form))
        throw std::runtime_error(j[0].get<std::string>() + " wants " + std::to_string(arfhost::geo_count(e.form)) +
                                 " geo values, has " + std::to_string(geo.size()));
    for (std::size_t k = 0; k < geo.size(); ++k) {
        if (!geo[k].is_number()) throw bad();
        e.geo[k] = geo[k].get<double>();
    }
    return e;
}

std::vector<Drawing> redraw(const Library& lib)
{
    std::vector<Drawing> out;
    for (const Request& r : catalogue_requests(lib, true)) out.push_back(lib.draw(r));
    return out;
}

std::string names(const std::vector<std::string>& stems)
{
    std::string s;
    for (std::size_t i = 0; i < stems.size() && i < kShownNames; ++i) s += (i ? ", " : "") + stems[i];
    if (stems.size() > kShownNames) s += " and " + std::to_string(stems.size() - kShownNames) + " more";
    return s;
}

std::vector<fs::path> golden_files(const std::string& dir)
{
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator i(dir, ec), end; !ec && i != end; i.increment(ec))
        if (i->path().extension() == kExtension) out.push_back(i->path());
    std::sort(out.begin(), out.end());
    return out;
}

// Compares the drawings with the files in dir. A file that cannot be read
// throws, unless lenient (the update rewrites it anyway).
GoldenReport compare(const std::vector<Drawing>& drawings, const std::string& dir, bool lenient)
{
    GoldenReport rep;
    rep.drawings = static_cast<int>(drawings.size());
    std::unordered_map<std::string, GoldenDrawing> golden;
    std::vector<std::string> order;
    for (const fs::path& p : golden_files(dir)) {
        std::ifstream f(p);
        try {
            for (GoldenDrawing& g : read_golden(f, p.string())) {
                // Two copies of one drawing (a merge gone wrong) would leave one unchecked.
                if (golden.count(g.stem)) throw std::runtime_error(p.string() + ": " + g.stem + " appears twice");
                order.push_back(g.stem);
                golden[g.stem] = std::move(g);
            }
        } catch (const std::runtime_error&) {
            if (!lenient) throw;
        }
    }

    std::set<std::string> drawn;
    std::map<std::string, int> unshown;  // differing drawings not spelt out, per entry
    std::string shown;
    for (const Drawing& d : drawings) {
        const std::string stem = stem_of(d.req);
        drawn.insert(stem);
        const auto g = golden.find(stem);
        if (g == golden.end()) {
            rep.added.push_back(stem);
            continue;
        }
        const auto diffs = golden_differences(d, g->second, kShownPerDrawing);
        if (diffs.empty()) continue;
        rep.changed.push_back(stem);
        if (rep.changed.size() > kShownDrawings) {
            unshown[d.req.entry]++;
            continue;
        }
        shown += title_of(d) + " (" + stem + "):\n";
        for (const std::string& l : diffs) shown += "  " + l + "\n";
    }
    for (const std::string& stem : order)
        if (!drawn.count(stem)) rep.dropped.push_back(stem);

    std::string& t = rep.text;
    if (!rep.changed.empty()) {
        t += std::to_string(rep.changed.size()) + " of " + std::to_string(rep.drawings) +
             " drawings differ from the golden files in " + dir + ":\n" + shown;
        if (!unshown.empty()) {
            t += "and " + std::to_string(rep.changed.size() - kShownDrawings) + " more:";
            for (const auto& [entry, n] : unshown) t += " " + entry + " " + std::to_string(n);
            t += "\n";
        }
    }
    if (!rep.added.empty())
        t += std::to_string(rep.added.size()) + " drawing(s) not in the golden files in " + dir + ": " +
             names(rep.added) + "; new drawings are added by promoting: run arfdraw golden --update\n";
    if (!rep.dropped.empty())
        t += std::to_string(rep.dropped.size()) + " drawing(s) in the golden files in " + dir +
             " are no longer drawn: " + names(rep.dropped) + "; run arfdraw golden --update to drop them\n";
    if (!rep.changed.empty())
        t += "If the change of drawing is intended, run arfdraw golden --update and say in the commit message "
             "why the drawings changed.\n";
    return rep;
}

}  // namespace

std::vector<GoldenDrawing> read_golden(std::istream& in, const std::string& name)
{
    std::vector<GoldenDrawing> out;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        const auto fail = [&](const std::string& why) {
            throw std::runtime_error(name + ":" + std::to_string(n) + ": " + why);
        };
        if (line.empty()) continue;
        if (line[0] == '[') {
            if (out.empty()) fail("an element before the first drawing line");
            try {
                out.back().elements.push_back(element_of(line));
            } catch (const std::exception& e) {  // nlohmann's parse errors are not runtime errors
                fail(e.what());
            }
            continue;
        }
        std::istringstream s(line);
        GoldenDrawing g;
        std::string word;
        if (!(s >> g.stem >> word >> g.status) || word != "status" || !(s >> std::ws).eof())
            fail("want 'STEM status N' or an element [form, code, style, pen, [geo...]]");
        out.push_back(std::move(g));
    }
    return out;
}

void write_golden(std::ostream& out, std::span<const Drawing> drawings)
{
    for (const Drawing& d : drawings) {
        out << stem_of(d.req) << " status " << d.status << '\n';
        for (const Element& e : d.host.elements) out << element_line(e) << '\n';
    }
}

std::vector<std::string> golden_differences(const Drawing& d, const GoldenDrawing& g, int max)
{
    std::vector<std::string> out;
    int total = 0;
    const auto note = [&](std::string s) {
        if (total++ < max) out.push_back(std::move(s));
    };
    const auto& els = d.host.elements;
    if (d.status != g.status) note("status " + std::to_string(d.status) + ", golden " + std::to_string(g.status));
    if (els.size() != g.elements.size())
        note(std::to_string(els.size()) + " elements, golden " + std::to_string(g.elements.size()));

    Box box;
    for (const Element& e : g.elements) add_to_box(box, e);
    const double size = box.empty() ? 0.0 : std::hypot(box.x1 - box.x0, box.y1 - box.y0);
    const double tol = kGoldenTolerance * std::max(size, 1.0);
    const double tol_rot = kGoldenTolerance * 180 / std::numbers::pi;

    for (std::size_t i = 0; i < std::min(els.size(), g.elements.size()); ++i) {
        const Element &a = els[i], &b = g.elements[i];
        const std::string what = "element " + std::to_string(i + 1) + " (" + arfhost::form_name(b.form) + ")";
        if (a.form != b.form) {
            note(what + ": form " + arfhost::form_name(a.form));
            continue;
        }
        const struct {
            const char* name;
            int got, want;
        } ints[] = {{"code", a.code, b.code}, {"style", a.style, b.style}, {"pen", a.pen, b.pen}};
        for (const auto& f : ints)
            if (f.got != f.want)
                note(what + ": " + f.name + " " + std::to_string(f.got) + ", golden " + std::to_string(f.want));
        const bool has_rot = b.form == Form::ellipse || b.form == Form::elliptic_arc;
        for (int k = 0; k < arfhost::geo_count(b.form); ++k) {
            const double t = has_rot && k == 4 ? tol_rot : tol;
            const double off = std::abs(a.geo[k] - b.geo[k]);
            if (!(off <= t))  // a NaN differs too
                note(what + ": geo[" + std::to_string(k) + "] " + shortest(a.geo[k]) + ", golden " + shortest(b.geo[k]) +
                     " (off by " + rough(off) + ", tolerance " + rough(t) + (has_rot && k == 4 ? " degree)" : " mm)"));
        }
    }
    if (total > max) out.push_back("... and " + std::to_string(total - max) + " more difference(s)");
    return out;
}

GoldenReport compare_golden(const Library& lib, const std::string& dir) { return compare(redraw(lib), dir, false); }

GoldenReport update_golden(const Library& lib, const std::string& dir)
{
    const std::vector<Drawing> drawings = redraw(lib);
    for (const Drawing& d : drawings) {
        try {
            require_finite(d);
        } catch (const std::runtime_error& e) {
            throw std::runtime_error(title_of(d) + ": " + e.what() + "; no golden file written");
        }
    }
    GoldenReport rep = compare(drawings, dir, true);
    rep.text.clear();

    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) throw std::runtime_error("cannot write " + dir + ": not a directory we can create");
    // The catalogue keeps each entry's drawings together: one file per run.
    std::set<std::string> written;
    for (std::size_t i = 0, j; i < drawings.size(); i = j) {
        const std::string& entry = drawings[i].req.entry;
        for (j = i; j < drawings.size() && drawings[j].req.entry == entry; ++j) {}
        std::ostringstream text;
        write_golden(text, std::span(drawings).subspan(i, j - i));
        const fs::path path = fs::path(dir) / (entry + kExtension);
        written.insert(path.filename().string());
        std::ifstream old(path, std::ios::binary);
        const std::string before{std::istreambuf_iterator<char>(old), {}};
        if (old.is_open() && before == text.str()) continue;
        write_file_atomically(path.string(), [&](std::ostream& o) { o << text.str(); });
        rep.rewritten.push_back(path.filename().string());
    }
    for (const fs::path& p : golden_files(dir))
        if (!written.count(p.filename().string()) && fs::remove(p, ec)) rep.removed.push_back(p.filename().string());
    return rep;
}

}  // namespace arftool
