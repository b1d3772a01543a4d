#include "compare.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <unordered_map>
#include <nlohmann/json.hpp>
#include <numbers>

#include "curves.h"
#include "views.h"

namespace arftool {

namespace {

using arfhost::Element;
using arfhost::Form;

// Sample points of a polyline, each standing for the length it carries.
struct Sample {
    P2 p;
    double len;
};

void sample_run(std::vector<Sample>& out, const std::vector<P2>& pts, double h)
{
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const P2 a = pts[i - 1], b = pts[i];
        const double l = std::hypot(b.x - a.x, b.y - a.y);
        const int n = std::max(1, static_cast<int>(std::ceil(l / h)));
        for (int j = 0; j < n; ++j) {
            const double t = (j + 0.5) / n;
            out.push_back({{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}, l / n});
        }
    }
}

// A drawn element as a polyline fine enough that its chords stay well inside h.
std::vector<P2> polyline(const Element& e, double h)
{
    if (e.form == Form::segment) return {{e.geo[0], e.geo[1]}, {e.geo[2], e.geo[3]}};
    if (e.form == Form::unknown) return {};
    const Conic k = conic_of(e);
    Span sp{0.0, 2 * std::numbers::pi};
    if (e.form == Form::arc || e.form == Form::elliptic_arc) sp = span_of(e);
    const double r = std::max(std::abs(k.a), std::abs(k.b));
    const int n = std::max(16, static_cast<int>(std::ceil((sp.t1 - sp.t0) * r / (0.25 * h))));
    std::vector<P2> pts;
    for (int i = 0; i <= n; ++i) pts.push_back(point_at(k, sp.t0 + (sp.t1 - sp.t0) * i / n));
    return pts;
}

long long cell_key(long i, long j) { return (static_cast<long long>(i) << 32) ^ (j & 0xffffffffLL); }

// Polylines cut into their segments, filed in square cells of the tolerance's
// size under the cells of points along them a quarter cell apart: a point
// within eps of a segment lies within 1.25 cells of one of those points, so it
// finds the segment within two cells of its own.
class Runs {
public:
    explicit Runs(double eps) : eps_(eps) {}

    void add(const std::vector<P2>& pts)
    {
        if (pts.size() == 1) add_seg(pts[0], pts[0]);
        for (std::size_t i = 1; i < pts.size(); ++i) add_seg(pts[i - 1], pts[i]);
    }

    bool near(P2 p, double eps) const
    {
        const long cx = cell(p.x), cy = cell(p.y);
        for (long i = cx - 2; i <= cx + 2; ++i)
            for (long j = cy - 2; j <= cy + 2; ++j) {
                const auto it = cells_.find(cell_key(i, j));
                if (it == cells_.end()) continue;
                for (int n : it->second)
                    if (dist2(p, segs_[n].first, segs_[n].second) <= eps * eps) return true;
            }
        return false;
    }

private:
    long cell(double v) const { return static_cast<long>(std::floor(v / eps_)); }

    static double dist2(P2 p, P2 a, P2 b)
    {
        const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
        const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
        const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
        return ex * ex + ey * ey;
    }

    // Filed under every cell the segment passes through (walked in steps shorter than a cell).
    void add_seg(P2 a, P2 b)
    {
        const int n = static_cast<int>(segs_.size());
        segs_.push_back({a, b});
        const double l = std::hypot(b.x - a.x, b.y - a.y);
        const int steps = std::max(1, static_cast<int>(std::ceil(4 * l / eps_)));
        long long last = 0;
        for (int s = 0; s <= steps; ++s) {
            const double t = double(s) / steps;
            const long long k = cell_key(cell(a.x + t * (b.x - a.x)), cell(a.y + t * (b.y - a.y)));
            if (s > 0 && k == last) continue;
            auto& v = cells_[k];
            if (v.empty() || v.back() != n) v.push_back(n);
            last = k;
        }
    }

    double eps_;
    std::vector<std::pair<P2, P2>> segs_;
    std::unordered_map<long long, std::vector<int>> cells_;
};

// The samples with those lying on an earlier one's line left out: two edges on
// one line (the near and far halves of a rim seen edge-on) are one line to draw.
// Samples along one line lie at most h apart, so a repeat lies within h/2.
std::vector<Sample> distinct(const std::vector<Sample>& samples, double h)
{
    std::unordered_map<long long, std::vector<P2>> cells;
    auto cell = [h](double v) { return static_cast<long>(std::floor(v / h)); };
    std::vector<Sample> kept;
    for (const Sample& q : samples) {
        const long cx = cell(q.p.x), cy = cell(q.p.y);
        bool repeat = false;
        for (long i = cx - 1; i <= cx + 1 && !repeat; ++i)
            for (long j = cy - 1; j <= cy + 1 && !repeat; ++j) {
                const auto it = cells.find(cell_key(i, j));
                if (it == cells.end()) continue;
                repeat = std::any_of(it->second.begin(), it->second.end(),
                                     [&](P2 o) { return std::hypot(o.x - q.p.x, o.y - q.p.y) < 0.5 * h; });
            }
        if (repeat) continue;
        cells[cell_key(cx, cy)].push_back(q.p);
        kept.push_back(q);
    }
    return kept;
}

std::vector<P2> to_p2(const std::vector<std::array<double, 2>>& v)
{
    std::vector<P2> out;
    out.reserve(v.size());
    for (const auto& p : v) out.push_back({p[0], p[1]});
    return out;
}

double median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

double round3(double v) { return std::round(v * 1000) / 1000; }

}  // namespace

// An element off the projection: less than the share within eps of any edge,
// or, drawn in the plain outline style, of the visible edges.
bool element_off(const Score& s, const Element& e, std::size_t i)
{
    return s.element_share[i] < arfmodel::kElementShare ||
           (e.style == 0 && s.element_seen_share[i] < arfmodel::kElementShare);
}

double compare_tolerance(double d) { return std::max(0.5, 0.01 * d); }

Score compare(const std::vector<Element>& drawn, const std::vector<arfmodel::Line2>& lines, double eps)
{
    const double h = eps / 4;
    Runs drawing(eps), projection(eps), seen(eps);
    std::vector<std::vector<Sample>> per_element;
    for (const Element& e : drawn) {
        std::vector<P2> pts = polyline(e, h);
        per_element.emplace_back();
        sample_run(per_element.back(), pts, h);
        drawing.add(pts);
    }
    std::vector<Sample> required;
    for (const arfmodel::Line2& l : lines) {
        std::vector<P2> pts = to_p2(l.pts);
        if (l.visible && !l.smooth) sample_run(required, pts, h);
        projection.add(pts);
        if (l.visible) seen.add(pts);
    }
    required = distinct(required, h);

    Score s;
    double need = 0, got = 0;
    for (const Sample& q : required) {
        need += q.len;
        if (drawing.near(q.p, eps)) got += q.len;
    }
    s.coverage = need > 0 ? got / need : 1.0;
    double drawn_len = 0, held = 0;
    for (const auto& samples : per_element) {
        double len = 0, in = 0, on_seen = 0;
        for (const Sample& q : samples) {
            len += q.len;
            if (projection.near(q.p, eps)) in += q.len;
            if (seen.near(q.p, eps)) on_seen += q.len;
        }
        s.element_share.push_back(len > 0 ? in / len : 1.0);
        s.element_seen_share.push_back(len > 0 ? on_seen / len : 1.0);
        s.element_len.push_back(len);
        drawn_len += len;
        held += in;
    }
    s.support = drawn_len > 0 ? held / drawn_len : 0.0;
    return s;
}

std::vector<arfmodel::Line2> projection_of(const Drawing& d)
{
    const auto info = arfmodel::view_info(d.req.entry, d.req.view);
    if (!info || !d.record) throw std::runtime_error(title_of(d) + ": no camera or record to compare with");
    return arfmodel::project(arfmodel::build(d.req.entry, *d.record), info->cam);
}

Compared compare_drawing(const Drawing& d)
{
    std::vector<arfmodel::Line2> lines;
    std::string error;
    try {
        lines = projection_of(d);
    } catch (const std::runtime_error& e) {  // the kernel could not build the solid: reported, not fatal
        error = e.what();
    }
    Compared c = compare_drawing(d, lines);
    c.error = error;
    return c;
}

Compared compare_drawing(const Drawing& d, const std::vector<arfmodel::Line2>& lines)
{
    Compared c;
    c.entry = d.req.entry;
    c.view = d.req.view;
    const auto info = arfmodel::view_info(d.req.entry, d.req.view);
    if (!info || !d.record) throw std::runtime_error(title_of(d) + ": no camera or record to compare with");
    c.family = arfmodel::family_name(info->family);
    c.size = d.record->nkeys > 0 ? d.record->keys[0] : d.part.size_a;
    c.size_b = d.record->nkeys > 1 ? d.record->keys[1] : 0;
    c.eps = compare_tolerance(arfmodel::largest_diameter(d.req.entry, *d.record));
    c.score = compare(d.host.elements, lines, c.eps);

    const auto rows = arfmodel::exceptions_for(c.entry, c.view, *d.record);
    auto excepted = [&](int n) {
        return std::any_of(rows.begin(), rows.end(), [&](const auto& x) { return x.whole() || x.names(n); });
    };
    auto symbol = [&](int n) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](const auto& x) { return x.symbol && x.names(n); });
    };
    double len = 0, in = 0;
    for (std::size_t i = 0; i < c.score.element_len.size(); ++i) {
        if (symbol(static_cast<int>(i) + 1)) continue;
        len += c.score.element_len[i];
        in += c.score.element_len[i] * c.score.element_share[i];
    }
    c.geometry_support = len > 0 ? in / len : 0.0;
    for (const auto& x : rows) {
        c.notes.push_back((x.symbol ? "symbol: " : "known deviation: ") + std::string(x.reason));
        if (x.whole() && !x.symbol) c.known = true;
    }
    for (std::size_t i = 0; i < c.score.element_share.size(); ++i)
        if (element_off(c.score, d.host.elements[i], i) && !excepted(static_cast<int>(i) + 1))
            c.bad_elements.push_back(static_cast<int>(i) + 1);
    const arfmodel::Gate g = arfmodel::gate(c.entry, info->family);
    c.below_gate = c.score.coverage < g.coverage || c.geometry_support < g.support;
    return c;
}

std::string compare_summary(const std::vector<Compared>& all)
{
    using nlohmann::ordered_json;
    ordered_json j;
    j["drawings"] = all.size();
    int failed = 0, known = 0;
    ordered_json failures = ordered_json::array();
    std::map<std::pair<std::string, int>, std::vector<const Compared*>> groups;
    for (const Compared& c : all) {
        groups[{c.entry, c.view}].push_back(&c);
        if (c.known) ++known;
        if (!c.failed()) continue;
        ++failed;
        failures.push_back({{"entry", c.entry}, {"size", c.size}, {"size_b", c.size_b}, {"view", c.view},
                            {"coverage", round3(c.score.coverage)}, {"support", round3(c.score.support)},
                            {"geometry_support", round3(c.geometry_support)},
                            {"below_gate", c.below_gate}, {"bad_elements", c.bad_elements}});
        if (!c.error.empty()) failures.back()["error"] = c.error;
    }
    j["failed"] = failed;
    j["known_deviations"] = known;
    ordered_json table = ordered_json::array();
    for (const auto& [key, list] : groups) {
        std::vector<double> cov, sup;
        double min_geo = 1.0;
        const Compared* worst = list.front();
        int clean = 0;  // passing with no symbol or deviation listed for it
        for (const Compared* c : list) {
            if (!c->failed() && c->notes.empty()) ++clean;
            min_geo = std::min(min_geo, c->geometry_support);
            cov.push_back(c->score.coverage);
            sup.push_back(c->score.support);
            if (std::min(c->score.coverage, c->score.support) < std::min(worst->score.coverage, worst->score.support))
                worst = c;
        }
        ordered_json row = {{"entry", key.first},
                            {"view", key.second},
                            {"family", list.front()->family},
                            {"records", list.size()},
                            {"clean", clean},
                            {"median_coverage", round3(median(cov))},
                            {"median_support", round3(median(sup))},
                            {"lowest_geometry_support", round3(min_geo)},
                            {"worst", {{"size", worst->size}, {"size_b", worst->size_b},
                                       {"coverage", round3(worst->score.coverage)},
                                       {"support", round3(worst->score.support)}}}};
        if (!list.front()->notes.empty()) row["notes"] = list.front()->notes;
        table.push_back(row);
    }
    j["table"] = table;
    j["failures"] = failures;
    return j.dump(2) + "\n";
}

std::string hlr_svg(const std::vector<arfmodel::Line2>& lines, const std::string& title,
                    const std::vector<Element>& drawn)
{
    std::vector<arfmodel::Line2> over;
    for (const Element& e : drawn) {
        arfmodel::Line2 l{true, false, false, {}};
        for (P2 p : polyline(e, 1.0)) l.pts.push_back({p.x, p.y});
        over.push_back(std::move(l));
    }
    Box b;
    for (const auto& l : over)
        for (const auto& p : l.pts) b.add({p[0], p[1]});
    for (const auto& l : lines)
        for (const auto& p : l.pts) b.add({p[0], p[1]});
    if (b.empty()) b = {0, 0, 1, 1};
    const double m = 0.05 * std::max(b.x1 - b.x0, b.y1 - b.y0) + 1;
    auto num = [](double v) {
        char buf[32];
        auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 8);
        return std::string(buf, r.ptr);
    };
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" + num(b.x0 - m) + " " + num(-b.y1 - m) +
                    " " + num(b.x1 - b.x0 + 2 * m) + " " + num(b.y1 - b.y0 + 2 * m) + "\">\n<title>" + title +
                    "</title>\n<style>path{fill:none;stroke-linecap:round}.v{stroke:#000;stroke-width:0.6}"
                    ".h{stroke:#555;stroke-width:0.3;stroke-dasharray:3 2}.s{stroke:#999;stroke-width:0.3}"
                    ".d{stroke:#d01010;stroke-width:0.35;opacity:0.8}</style>\n"
                    "<g transform=\"scale(1,-1)\">\n";
    for (const auto& l : lines) {
        std::string d;
        for (const auto& p : l.pts) d += (d.empty() ? "M" : " L") + num(p[0]) + "," + num(p[1]);
        const char* cls = l.smooth ? "s" : l.visible ? "v" : "h";
        s += std::string("<path class=\"") + cls + "\" d=\"" + d + "\"/>\n";
    }
    for (const auto& l : over) {
        std::string d;
        for (const auto& p : l.pts) d += (d.empty() ? "M" : " L") + num(p[0]) + "," + num(p[1]);
        s += "<path class=\"d\" d=\"" + d + "\"/>\n";
    }
    return s + "</g>\n</svg>\n";
}

}  // namespace arftool
