// SVG: y up as in CAD (the drawing sits in a group flipped about the x axis),
// a view box fitted to the outline with a margin, one colour per element code,
// line style 2 thin and dashed, line style 1 dash-dotted, and a title band with
// a legend. Shown small (a gallery thumbnail), the lines thicken and the legend
// goes, and the view "#drawing" frames the outline alone.
#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>
#include <ostream>

#include "curves.h"
#include "writer.h"

namespace arftool {

namespace {

using arfhost::Element;
using arfhost::Form;

std::string num(double v)
{
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 10);
    return std::string(buf, r.ptr);
}

struct CodeStyle {
    int code;
    const char* colour;
    const char* label;
};

constexpr CodeStyle kCodes[] = {
    {1282, "#1a1a1a", "body 1282"},
    {1520, "#1f5fbf", "end 1 1520"},
    {1521, "#2a9d3a", "end 2 1521"},
    {1522, "#c0392b", "end 3 1522"},
};

// Stroke widths and dash patterns for outline lines of width sw.
void line_styles(std::ostream& out, double sw)
{
    out << "g.outline{fill:none;stroke-width:" << num(sw) << ";stroke-linecap:round;stroke-linejoin:round}\n";
    for (const CodeStyle& c : kCodes) out << ".c" << c.code << "{stroke:" << c.colour << "}\n";
    out << ".s2{stroke-width:" << num(sw * 0.6) << ";stroke-dasharray:" << num(sw * 8) << ' ' << num(sw * 4)
        << "}\n"
        << ".s1{stroke-dasharray:" << num(sw * 12) << ' ' << num(sw * 3) << ' ' << num(sw * 2) << ' '
        << num(sw * 3) << "}\n";
}

std::string attrs(const Element& e)
{
    return " class=\"c" + std::to_string(e.code) + " s" + std::to_string(e.style) + "\"";
}

// Path for an arc of the conic from t0 through a counter-clockwise sweep.
std::string arc_path(const Conic& k, double t0, double sweep)
{
    std::string d = "M" + num(point_at(k, t0).x) + "," + num(point_at(k, t0).y);
    // A full turn cannot be one SVG arc; draw it as two halves.
    const int parts = sweep > 1.999 * std::numbers::pi ? 2 : 1;
    for (int i = 1; i <= parts; ++i) {
        const P2 p = point_at(k, t0 + sweep * i / parts);
        const bool large = sweep / parts > std::numbers::pi;
        d += " A" + num(k.a) + "," + num(k.b) + " " + num(k.rot) + " " + (large ? "1" : "0") +
             ",1 " + num(p.x) + "," + num(p.y);
    }
    return d;
}

std::string element_svg(const Element& e)
{
    const auto& g = e.geo;
    switch (e.form) {
    case Form::segment:
        return "<line" + attrs(e) + " x1=\"" + num(g[0]) + "\" y1=\"" + num(g[1]) + "\" x2=\"" +
               num(g[2]) + "\" y2=\"" + num(g[3]) + "\"/>";
    case Form::circle:
        return "<circle" + attrs(e) + " cx=\"" + num(g[0]) + "\" cy=\"" + num(g[1]) + "\" r=\"" +
               num(g[2]) + "\"/>";
    case Form::ellipse:
        return "<ellipse" + attrs(e) + " cx=\"" + num(g[0]) + "\" cy=\"" + num(g[1]) + "\" rx=\"" +
               num(g[2]) + "\" ry=\"" + num(g[3]) + "\" transform=\"rotate(" + num(g[4]) + " " +
               num(g[0]) + " " + num(g[1]) + ")\"/>";
    case Form::arc:
    case Form::elliptic_arc: {
        const Span s = span_of(e);
        return "<path" + attrs(e) + " d=\"" + arc_path(conic_of(e), s.t0, s.t1 - s.t0) + "\"/>";
    }
    case Form::unknown: break;
    }
    return {};
}

std::string escape(const std::string& s)
{
    std::string o;
    for (char c : s) {
        if (c == '<') o += "&lt;";
        else if (c == '>') o += "&gt;";
        else if (c == '&') o += "&amp;";
        else o += c;
    }
    return o;
}

class SvgWriter final : public Writer {
public:
    std::string_view name() const override { return "svg"; }
    std::string_view extension() const override { return ".svg"; }

    void write(std::ostream& out, const Drawing& d) const override
    {
        require_finite(d);
        Box b;
        for (const Element& e : d.host.elements) add_to_box(b, e);
        if (b.empty()) b = {-50, -50, 50, 50};
        const double span = std::fmax(std::fmax(b.x1 - b.x0, b.y1 - b.y0), 1.0);
        const double m = 0.06 * span;
        const double band = 0.12 * span;  // title and legend above the drawing
        const double sw = span / 500.0, font = band * 0.28;
        const std::string title = title_of(d) + " (status " + std::to_string(d.status) + ", " +
                                  std::to_string(d.host.elements.size()) + " elements)";
        // Text is about 0.6 em a character; widen a slim drawing so the legend fits.
        const double seg = font * 1.6, gap = font * 1.2;
        double legend_w = 0;
        for (const CodeStyle& c : kCodes) legend_w += seg * 1.2 + 0.6 * font * std::strlen(c.label) + gap;
        legend_w += 0.6 * font * 15;
        const double text_w = std::fmax(legend_w, 0.6 * font * title.size()) + m;
        const double draw_w = b.x1 - b.x0 + 2 * m;
        const double vw = std::fmax(draw_w, text_w), vh = b.y1 - b.y0 + 2 * m + band;
        const double vx = b.x0 - m - 0.5 * (vw - draw_w), vy = -(b.y1 + m) - band;
        const double px = 800.0 / std::fmax(vw, vh);

        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" << num(vx) << ' ' << num(vy)
            << ' ' << num(vw) << ' ' << num(vh) << "\" width=\"" << num(std::round(vw * px))
            << "\" height=\"" << num(std::round(vh * px)) << "\">\n";
        out << "<title>" << escape(title) << "</title>\n<style>\n";
        line_styles(out, sw);
        // A thumbnail some 200 px across would draw lines a fraction of a pixel wide.
        out << "@media (max-width: 400px) {\n";
        line_styles(out, sw * 3);
        out << ".legend{display:none}\n}\n"
            << "text{font-family:sans-serif;font-size:" << num(font) << "px}\n</style>\n";
        out << "<view id=\"drawing\" viewBox=\"" << num(b.x0 - m) << ' ' << num(-(b.y1 + m)) << ' '
            << num(draw_w) << ' ' << num(b.y1 - b.y0 + 2 * m) << "\"/>\n";
        out << "<rect x=\"" << num(vx) << "\" y=\"" << num(vy) << "\" width=\"" << num(vw)
            << "\" height=\"" << num(vh) << "\" fill=\"#fff\"/>\n";

        out << "<g class=\"outline\" transform=\"scale(1,-1)\">\n";
        for (const Element& e : d.host.elements) out << element_svg(e) << '\n';
        out << "</g>\n";

        // Legend: title on the first line, the element codes and line styles below.
        const double tx = vx + m * 0.5, ty1 = vy + band * 0.35, ty2 = vy + band * 0.8;
        out << "<g class=\"legend\">\n<text x=\"" << num(tx) << "\" y=\"" << num(ty1) << "\">" << escape(title) << "</text>\n";
        double x = tx;
        for (const CodeStyle& c : kCodes) {
            out << "<line class=\"c" << c.code << "\" stroke-width=\"" << num(sw) << "\" x1=\""
                << num(x) << "\" y1=\"" << num(ty2 - font * 0.35) << "\" x2=\"" << num(x + seg)
                << "\" y2=\"" << num(ty2 - font * 0.35) << "\"/><text x=\"" << num(x + seg * 1.2)
                << "\" y=\"" << num(ty2) << "\">" << c.label << "</text>\n";
            x += seg * 1.2 + 0.6 * font * std::strlen(c.label) + gap;
        }
        out << "<text x=\"" << num(x) << "\" y=\"" << num(ty2) << "\">dashed: style 2</text>\n</g>\n";
        out << "</svg>\n";
    }
};

}  // namespace

std::unique_ptr<Writer> make_svg_writer() { return std::make_unique<SvgWriter>(); }

}  // namespace arftool
