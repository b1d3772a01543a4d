#include "check.h"

#include <charconv>
#include <cmath>
#include <map>
#include <tuple>
#include <numbers>
#include <nlohmann/json.hpp>

#include "curves.h"

namespace arftool {

namespace {

using arfhost::Element;
using arfhost::Form;

constexpr double kTwoPi = 2 * std::numbers::pi;

std::string num(double v)
{
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 10);
    return std::string(buf, r.ptr);
}

std::string pt(P2 p) { return "(" + num(p.x) + ", " + num(p.y) + ")"; }

double dist(P2 a, P2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool is_arc(const Element& e) { return e.form == Form::arc || e.form == Form::elliptic_arc; }

std::array<P2, 2> arc_ends(const Element& e)
{
    std::array<P2, 2> p{};
    end_points(e, p);
    return p;
}

// An arc whose start and end coincide exactly: the host draws it whole.
bool whole_turn(const Element& e)
{
    const auto p = arc_ends(e);
    return is_arc(e) && p[0].x == p[1].x && p[0].y == p[1].y;
}

bool degenerate(const Element& e, std::string& why)
{
    const auto& g = e.geo;
    switch (e.form) {
    case Form::segment:
        if (dist({g[0], g[1]}, {g[2], g[3]}) <= kMeetTol) return why = "zero length", true;
        return false;
    case Form::circle:
    case Form::arc:
        if (!(g[2] > kMeetTol)) return why = "radius " + num(g[2]), true;
        break;
    case Form::ellipse:
    case Form::elliptic_arc:
        if (!(g[2] > kMeetTol && g[3] > kMeetTol)) return why = "semi-axes " + num(g[2]) + ", " + num(g[3]), true;
        break;
    case Form::unknown: return false;
    }
    if (is_arc(e) && !whole_turn(e)) {
        const auto p = arc_ends(e);
        if (dist(p[0], p[1]) <= kMeetTol)
            return why = "start and end " + num(dist(p[0], p[1])) + " mm apart: sliver or full turn", true;
    }
    return false;
}

bool same_geometry(const Element& a, const Element& b)
{
    if (a.form != b.form) return false;
    const int n = arfhost::geo_count(a.form);
    bool same = true;
    for (int i = 0; i < n; ++i) same = same && a.geo[i] == b.geo[i];
    if (same || a.form != Form::segment) return same;
    const auto& g = a.geo;
    const auto& h = b.geo;
    return g[0] == h[2] && g[1] == h[3] && g[2] == h[0] && g[3] == h[1];
}

// Whether p lies on element e (its whole extent, ends included) within the tolerance.
bool lies_on(const Element& e, P2 p)
{
    const auto& g = e.geo;
    if (e.form == Form::segment) {
        const P2 a{g[0], g[1]}, b{g[2], g[3]};
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
        t = std::fmin(1.0, std::fmax(0.0, t));
        return dist(p, {a.x + t * dx, a.y + t * dy}) <= kMeetTol;
    }
    if (e.form == Form::unknown) return false;
    // An arc's end points are its ends even where they lie a little off its curve (an
    // off_curve finding of its own): what meets them is met.
    if (is_arc(e) && !whole_turn(e)) {
        const auto ends = arc_ends(e);
        if (dist(p, ends[0]) <= kMeetTol || dist(p, ends[1]) <= kMeetTol) return true;
    }
    const Conic k = conic_of(e);
    if (off_curve(k, p) > kMeetTol) return false;
    if (!is_arc(e) || whole_turn(e)) return true;
    const Span s = span_of(e);
    return ccw_sweep(s.t0, param_of(k, p)) <= s.t1 - s.t0;
}

}  // namespace

namespace {

// The declaration kind that excuses a finding kind, 0 for findings nothing excuses.
int declarable(const std::string& kind)
{
    if (kind == "dangling") return 1;
    if (kind == "duplicate") return 2;
    if (kind == "degenerate") return 3;
    if (kind == "empty") return 4;
    if (kind == "off_curve") return 5;
    return 0;
}

}  // namespace

int undeclared(const std::vector<Finding>& findings)
{
    int n = 0;
    for (const Finding& f : findings) n += !f.declared();
    return n;
}

std::vector<Finding> check_drawing(const Drawing& d)
{
    std::vector<Finding> out;
    const auto& els = d.host.elements;
    std::string refused;
    for (const arfhost::Failure& f : d.host.failures)
        if (!f.injected) refused += "; " + f.reason;
    if (d.status != 0) out.push_back({0, "failed", "the entry returned " + std::to_string(d.status) + refused});
    else if (els.empty()) out.push_back({0, "empty", "the entry drew nothing"});

    // Elements fit for geometry: finite, of a known form, not degenerate.
    std::vector<char> sound(els.size(), 0);
    for (std::size_t i = 0; i < els.size(); ++i) {
        const Element& e = els[i];
        const int n = static_cast<int>(i + 1);
        const std::string form = arfhost::form_name(e.form);
        std::string why;
        if (e.form == Form::unknown) out.push_back({n, "unknown_form", "element tag " + std::to_string(e.elem_tag)});
        else if (!all_finite(e)) out.push_back({n, "non_finite", form + " has a NaN or infinite value"});
        else if (degenerate(e, why)) out.push_back({n, "degenerate", form + ": " + why});
        else sound[i] = 1;
    }
    // Boxes first: most ends are nowhere near most elements.
    std::vector<Box> boxes(els.size());
    for (std::size_t i = 0; i < els.size(); ++i)
        if (sound[i]) {
            add_to_box(boxes[i], els[i]);
            if (is_arc(els[i]))  // its ends, also where they lie a little off its curve
                for (P2 p : arc_ends(els[i])) boxes[i].add(p);
        }
    const auto near = [](const Box& b, P2 p) {
        return p.x >= b.x0 - kMeetTol && p.x <= b.x1 + kMeetTol && p.y >= b.y0 - kMeetTol && p.y <= b.y1 + kMeetTol;
    };
    for (std::size_t i = 0; i < els.size(); ++i) {
        if (!sound[i]) continue;
        const Element& e = els[i];
        const int n = static_cast<int>(i + 1);
        const std::string form = arfhost::form_name(e.form);
        if (is_arc(e)) {
            const auto p = arc_ends(e);
            const char* which[2] = {"start", "end"};
            for (int j = 0; j < 2; ++j)
                if (const double off = off_curve(conic_of(e), p[j]); off > kMeetTol)
                    out.push_back({n, "off_curve", form + " " + which[j] + " " + pt(p[j]) + " lies " + num(off) +
                                                       " mm off its curve"});
        }
        for (std::size_t j = 0; j < i; ++j)
            if (sound[j] && same_geometry(els[j], e)) {
                out.push_back({n, "duplicate", form + " repeats element " + std::to_string(j + 1)});
                break;
            }
        std::array<P2, 2> ends{};
        const int ne = whole_turn(e) ? 0 : end_points(e, ends);
        for (int k = 0; k < ne; ++k) {
            bool met = false;
            for (std::size_t j = 0; j < els.size() && !met; ++j)
                met = j != i && sound[j] && near(boxes[j], ends[k]) && lies_on(els[j], ends[k]);
            if (!met)
                out.push_back({n, "dangling", form + " " + (k == 0 ? "start " : "end ") + pt(ends[k]) +
                                                  " meets no other element"});
        }
    }
    for (Finding& f : out)
        for (const Declared& x : d.declared)
            if (x.element == f.element && x.kind == declarable(f.kind) && !x.reason.empty()) f.intended = x.reason;
    return out;
}

std::string check_summary(const std::vector<Checked>& all)
{
    using nlohmann::ordered_json;
    ordered_json by_entry = ordered_json::object(), kinds = ordered_json::object(), flagged = ordered_json::array();
    // Declared findings, one line per entry, view title's view code, element and reason.
    std::map<std::tuple<std::string, std::string, int, std::string, std::string>, int> declared;
    int findings = 0, intended = 0;
    for (const Checked& c : all) {
        ordered_json& e = by_entry[c.entry];
        if (e.is_null()) e = {{"drawings", 0}, {"flagged", 0}, {"findings", 0}, {"intended", 0}};
        e["drawings"] = e["drawings"].get<int>() + 1;
        ordered_json list = ordered_json::array();
        for (const Finding& f : c.findings) {
            if (f.declared()) {
                const auto v = c.drawing.rfind(" view ");
                declared[{c.entry, v == std::string::npos ? "" : c.drawing.substr(v + 6), f.element, f.kind, f.intended}]++;
                e["intended"] = e["intended"].get<int>() + 1;
                ++intended;
                continue;
            }
            list.push_back({{"element", f.element}, {"kind", f.kind}, {"detail", f.detail}});
            kinds[f.kind] = kinds.value(f.kind, 0) + 1;
        }
        if (list.empty()) continue;
        e["flagged"] = e["flagged"].get<int>() + 1;
        e["findings"] = e["findings"].get<int>() + static_cast<int>(list.size());
        findings += static_cast<int>(list.size());
        flagged.push_back({{"drawing", c.drawing}, {"file", c.file}, {"findings", list}});
    }
    ordered_json decl = ordered_json::array();
    for (const auto& [k, n] : declared)
        decl.push_back({{"entry", std::get<0>(k)}, {"view", std::get<1>(k)}, {"element", std::get<2>(k)},
                        {"kind", std::get<3>(k)}, {"reason", std::get<4>(k)}, {"drawings", n}});
    ordered_json j;
    j["drawings"] = all.size();
    j["flagged"] = flagged.size();
    j["findings"] = findings;
    j["intended"] = intended;
    j["by_kind"] = kinds;
    j["by_entry"] = by_entry;
    j["flagged_drawings"] = flagged;
    j["declared"] = decl;
    return j.dump(1) + "\n";
}

}  // namespace arftool
