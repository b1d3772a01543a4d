#include "curves.h"

#include <cmath>
#include <numbers>

namespace arftool {

using arfhost::Element;
using arfhost::Form;

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDeg = std::numbers::pi / 180.0;

Conic conic_of(const Element& e)
{
    const auto& g = e.geo;
    switch (e.form) {
    case Form::circle:
    case Form::arc: return {{g[0], g[1]}, g[2], g[2], 0.0};
    case Form::ellipse:
    case Form::elliptic_arc: return {{g[0], g[1]}, g[2], g[3], g[4]};
    default: return {{0, 0}, 0, 0, 0};
    }
}

P2 point_at(const Conic& k, double t)
{
    const double ca = std::cos(k.rot * kDeg), sa = std::sin(k.rot * kDeg);
    const double u = k.a * std::cos(t), v = k.b * std::sin(t);
    return {k.c.x + ca * u - sa * v, k.c.y + sa * u + ca * v};
}

double param_of(const Conic& k, P2 p)
{
    const double ca = std::cos(k.rot * kDeg), sa = std::sin(k.rot * kDeg);
    const double dx = p.x - k.c.x, dy = p.y - k.c.y;
    const double u = ca * dx + sa * dy, v = -sa * dx + ca * dy;
    // atan2(v / b, u / a) without dividing by a possibly zero semi-axis.
    return std::atan2(v * k.a, u * k.b);
}

double ccw_sweep(double t0, double t1)
{
    double d = std::fmod(t1 - t0, kTwoPi);
    if (d <= 0) d += kTwoPi;
    return d;
}

double off_curve(const Conic& k, P2 p)
{
    const P2 q = point_at(k, param_of(k, p));
    return std::hypot(q.x - p.x, q.y - p.y);
}

Span span_of(const Element& e)
{
    const Conic k = conic_of(e);
    const int s = e.form == Form::arc ? 3 : 5;
    const double t0 = param_of(k, {e.geo[s], e.geo[s + 1]});
    const double t1 = param_of(k, {e.geo[s + 2], e.geo[s + 3]});
    return {t0, t0 + ccw_sweep(t0, t1)};
}

int end_points(const Element& e, std::array<P2, 2>& out)
{
    const auto& g = e.geo;
    switch (e.form) {
    case Form::segment: out = {P2{g[0], g[1]}, P2{g[2], g[3]}}; return 2;
    case Form::arc: out = {P2{g[3], g[4]}, P2{g[5], g[6]}}; return 2;
    case Form::elliptic_arc: out = {P2{g[5], g[6]}, P2{g[7], g[8]}}; return 2;
    default: return 0;
    }
}

void Box::add(P2 p)
{
    x0 = std::fmin(x0, p.x);
    y0 = std::fmin(y0, p.y);
    x1 = std::fmax(x1, p.x);
    y1 = std::fmax(y1, p.y);
}

void add_to_box(Box& b, const Element& e)
{
    if (e.form == Form::segment) {
        b.add({e.geo[0], e.geo[1]});
        b.add({e.geo[2], e.geo[3]});
        return;
    }
    if (e.form == Form::unknown) return;
    const Conic k = conic_of(e);
    Span sp{0.0, kTwoPi};
    if (e.form == Form::arc || e.form == Form::elliptic_arc) sp = span_of(e);
    b.add(point_at(k, sp.t0));
    b.add(point_at(k, sp.t1));
    // The curve's left, right, lowest and highest points are where x or y
    // stops changing along it; those inside the span widen the box.
    const double ca = std::cos(k.rot * kDeg), sa = std::sin(k.rot * kDeg);
    const double tx = std::atan2(-sa * k.b, ca * k.a), ty = std::atan2(ca * k.b, sa * k.a);
    for (double t : {tx, tx + std::numbers::pi, ty, ty + std::numbers::pi})
        if (ccw_sweep(sp.t0, t) <= sp.t1 - sp.t0) b.add(point_at(k, t));
}

bool all_finite(const Element& e)
{
    const int n = arfhost::geo_count(e.form);
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(e.geo[i])) return false;
    return true;
}

}  // namespace arftool
