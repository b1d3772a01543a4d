#include "hidden.h"

#include <algorithm>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kOn = 1e-9;  // a point this close to the cover's outline counts as covered
constexpr int kMaxCuts = 2 * Cover::kMax + 2 * Cover::kMaxArcs + 2;

double cross2(tagRPT a, tagRPT b) { return a.x * b.y - a.y * b.x; }
double dot2(tagRPT a, tagRPT b) { return a.x * b.x + a.y * b.y; }

// Angle a moved by whole turns into (from, from + 2 pi].
double after(double a, double from)
{
    while (a <= from) a += 2 * kPi;
    while (a > from + 2 * kPi) a -= 2 * kPi;
    return a;
}

// A line closer to tangent than this (the square of its half chord in the
// unit circle) touches without entering: no crossing. Rounding alone leaves
// about 1e-14 of a true tangent, whose "crossings" would stand microns apart.
constexpr double kTouch = 1e-12;

// Where the line p + u q crosses the unit circle: the values of u, in u[0..1]; how many.
int unit_circle(tagRPT p, tagRPT q, double* u)
{
    const double A = dot2(q, q), B = dot2(p, q), C = dot2(p, p) - 1;
    const double disc = B * B - A * C;
    if (A < 1e-24 || disc <= kTouch * A) return 0;
    u[0] = (-B - std::sqrt(disc)) / A;
    u[1] = (-B + std::sqrt(disc)) / A;
    return 2;
}

// The parameters on f where it crosses stretch st (within the stretch), into t; how many.
// When both ellipses have one shape and turn (the stretch maps to a circle in
// f's unit frame, as with coaxial rims seen alike) the crossings are those of
// two circles; otherwise the host's conic routine finds them.
int stretch_crossings(const EllFrame& f, const Cover::Stretch& st, double* t)
{
    const EllFrame& g = st.f;
    // The stretch's parameter map in f's unit frame: m + G (cos, sin).
    const tagRPT m = f.unit(centre(g.e));
    const tagRPT o = f.unit({0, 0});
    const tagRPT g1 = f.unit(std::fabs(g.e.a) * pt(g.c, g.s)) - o;
    const tagRPT g2 = f.unit(std::fabs(g.e.b) * pt(-g.s, g.c)) - o;
    const double r2 = dot2(g1, g1);
    int n = 0;
    // Keeps a crossing (u in f's unit frame) when it lies within the stretch,
    // tg its parameter on the stretch.
    auto keep = [&](tagRPT u, double tg) {
        if (after(tg, st.ta) < st.tb) t[n++] = std::atan2(u.y, u.x);
    };
    if (std::fabs(dot2(g2, g2) - r2) <= 1e-12 * r2 && std::fabs(dot2(g1, g2)) <= 1e-12 * r2) {
        const double d = std::sqrt(dot2(m, m)), r = std::sqrt(r2);
        if (d <= 0 || d >= 1 + r || d <= std::fabs(1 - r)) return 0;
        const double x = (1 - r2 + d * d) / (2 * d);
        if (1 - x * x <= kTouch) return 0;
        const double h = std::sqrt(1 - x * x);
        const tagRPT e = (1 / d) * m, nrm = {-e.y, e.x};
        for (double sign : {1.0, -1.0}) {
            // Back to the stretch's own parameter: G is a turn times a scale, G^-1 = G^T / r2.
            const tagRPT u = x * e + sign * h * nrm, v = u - m;
            keep(u, std::atan2(dot2(g2, v), dot2(g1, v)));
        }
        return n;
    }
    tagRPT p[4] = {};
    int flag[4] = {};
    GCG111(&f.e, &g.e, p, flag);
    for (int i = 0; i < 4; ++i)
        if (flag[i] == 1) keep(f.unit(p[i]), g.param(p[i]));
    return n;
}

// Writes the uncovered runs between the sorted cut parameters t[0..n-1]
// (t[0] and t[n-1] the element's ends); put(a, b) writes one run.
template <class At, class Put>
int runs(const Cover& c, const double* t, int n, At at, Put put)
{
    int open = -1;  // index where the current visible run started
    for (int i = 0; i + 1 < n; ++i) {
        if (t[i + 1] - t[i] <= 1e-12) continue;
        const bool seen = !covers(c, at(0.5 * (t[i] + t[i + 1])));
        if (seen && open < 0) open = i;
        if (!seen && open >= 0) {
            if (put(t[open], t[i])) return 1;
            open = -1;
        }
    }
    return open >= 0 ? put(t[open], t[n - 1]) : 0;
}

}  // namespace

EllFrame::EllFrame(const tagRELL& el) : e(el)
{
    const double r = el.rot * kPi / 180.0;
    c = std::cos(r), s = std::sin(r);
}

void Cover::add_arc(const tagRELL& e, tagRPT s, tagRPT t, bool backwards)
{
    (void)backwards;  // the stretch is the same curve whichever way the walk runs
    if (n == 0 || n_arcs >= kMaxArcs) return;
    Stretch& st = arcs[n_arcs];
    st.f = EllFrame(e);
    st.ta = st.f.param(s);
    st.tb = after(st.f.param(t), st.ta);
    const double tm = 0.5 * (st.ta + st.tb);
    st.mx = std::cos(tm), st.my = std::sin(tm), st.ch = std::cos(0.5 * (st.tb - st.ta));
    arc[n - 1] = static_cast<signed char>(n_arcs++);
}

void Cover::add_short_arc(const tagRELL& e, tagRPT to)
{
    const tagRPT from = p[n - 1];
    const EllFrame f(e);
    const double t0 = f.param(from), t1 = after(f.param(to), t0);
    if (t1 - t0 <= kPi) add_arc(e, from, to);
    else add_arc(e, to, from, true);
    add(to);
}

bool covers(const Cover& c, tagRPT q)
{
    // Even-odd over the corners joined by straight chords, then each curved
    // stretch flips the points between its chord and itself.
    bool in = false;
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        const tagRPT a = c.p[i], b = c.p[j], d = b - a;
        if (c.arc[j] < 0) {
            const double len2 = dot2(d, d);
            const double s = len2 > 0 ? std::clamp(dot2(q - a, d) / len2, 0.0, 1.0) : 0.0;
            if (dist(q, a + s * d) < kOn) return true;
        }
        if ((a.y > q.y) != (b.y > q.y) && q.x < d.x * (q.y - a.y) / d.y + a.x) in = !in;
    }
    for (int k = 0; k < c.n_arcs; ++k) {
        const Cover::Stretch& st = c.arcs[k];
        const tagRPT u = st.f.unit(q);
        const double r = std::sqrt(dot2(u, u)), side = u.x * st.mx + u.y * st.my;
        if (std::fabs(r - 1) * std::min(std::fabs(st.f.e.a), std::fabs(st.f.e.b)) < kOn && side >= st.ch * r)
            return true;
        if (r < 1 && side > st.ch) in = !in;
    }
    return in;
}

int seg_outside(Out& o, const Cover& c, tagRPT a, tagRPT b)
{
    double t[kMaxCuts];
    int n = 0;
    t[n++] = 0;
    const tagRPT d = b - a;
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        if (c.arc[j] >= 0) continue;
        const tagRPT p = c.p[j], e = c.p[i] - c.p[j];
        const double den = cross2(d, e);
        if (std::fabs(den) < 1e-12) {
            // Parallel: where the segment runs along the edge, the edge's ends
            // bound the stretch it runs on the outline.
            if (std::fabs(cross2(p - a, d)) < kOn * std::sqrt(dot2(d, d)))
                for (tagRPT q : {p, c.p[i]}) {
                    const double s = dot2(q - a, d) / dot2(d, d);
                    if (s > 0 && s < 1) t[n++] = s;
                }
            continue;
        }
        const double s = cross2(p - a, e) / den, u = cross2(p - a, d) / den;
        if (s > 0 && s < 1 && u >= 0 && u <= 1) t[n++] = s;
    }
    for (int k = 0; k < c.n_arcs; ++k) {
        // A curved stretch: crossings on the curve, within the stretch.
        const Cover::Stretch& st = c.arcs[k];
        const tagRPT p = st.f.unit(a), q = st.f.unit(b) - p;
        double u[2];
        for (int i = 0, m = unit_circle(p, q, u); i < m; ++i) {
            const double ang = after(std::atan2(p.y + u[i] * q.y, p.x + u[i] * q.x), st.ta);
            if (u[i] > 0 && u[i] < 1 && ang < st.tb) t[n++] = u[i];
        }
    }
    t[n++] = 1;
    std::sort(t + 1, t + n - 1);
    auto at = [&](double s) { return s <= 0 ? a : s >= 1 ? b : a + s * d; };
    return runs(c, t, n, at, [&](double s0, double s1) {
        return dist(at(s0), at(s1)) < 1e-5 ? 0 : o.seg(at(s0), at(s1));
    });
}

int earc_outside(Out& o, const Cover& c, const tagRELL& e, tagRPT s, tagRPT t)
{
    const EllFrame f(e);
    const double t0 = f.param(s), t1 = after(f.param(t), t0);
    double cut[kMaxCuts];
    int n = 0;
    cut[n++] = t0;
    auto keep = [&](double a) {
        a = after(a, t0);
        if (a < t1 && n < kMaxCuts - 1) cut[n++] = a;
    };
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        if (c.arc[j] >= 0) continue;
        // The cover's edge in the ellipse's unit-circle frame meets the unit circle.
        const tagRPT p = f.unit(c.p[j]), d = f.unit(c.p[i]) - p;
        double u[2];
        for (int h = 0, m = unit_circle(p, d, u); h < m; ++h)
            if (u[h] >= 0 && u[h] <= 1) keep(std::atan2(p.y + u[h] * d.y, p.x + u[h] * d.x));
    }
    for (int k = 0; k < c.n_arcs; ++k) {
        double a[4];
        for (int h = 0, m = stretch_crossings(f, c.arcs[k], a); h < m; ++h) keep(a[h]);
    }
    cut[n++] = t1;
    std::sort(cut + 1, cut + n - 1);
    auto at = [&](double a) { return a <= t0 ? s : a >= t1 ? t : f.at(a); };
    // A sliver left where the arc only grazes the cover is no piece.
    return runs(c, cut, n, at, [&](double a0, double a1) {
        return a1 - a0 < kPi && dist(at(a0), at(a1)) < 1e-5 ? 0 : o.earc(e, at(a0), at(a1));
    });
}
