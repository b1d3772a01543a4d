#include "hidden.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxCuts = Cover::kMax + 2;

double cross2(tagRPT a, tagRPT b) { return a.x * b.y - a.y * b.x; }

// An ellipse as a map from its parameter to the plane, and back.
struct Frame {
    tagRELL e;
    double c, s;
    explicit Frame(const tagRELL& el) : e(el)
    {
        const double r = el.rot * kPi / 180.0;
        c = std::cos(r), s = std::sin(r);
    }
    tagRPT at(double t) const
    {
        const double u = std::fabs(e.a) * std::cos(t), v = std::fabs(e.b) * std::sin(t);
        return {e.x + u * c - v * s, e.y + u * s + v * c};
    }
    // The point in the ellipse's unit-circle frame.
    tagRPT unit(tagRPT p) const
    {
        const double dx = p.x - e.x, dy = p.y - e.y;
        return {(dx * c + dy * s) / std::fabs(e.a), (-dx * s + dy * c) / std::fabs(e.b)};
    }
    double param(tagRPT p) const
    {
        const tagRPT q = unit(p);
        return std::atan2(q.y, q.x);
    }
};

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

void Cover::add_arc(const tagRELL& e, tagRPT s, tagRPT t, int steps, bool backwards)
{
    const Frame f(e);
    const double t0 = f.param(s);
    double t1 = f.param(t);
    if (t1 <= t0) t1 += 2 * kPi;
    const int from = n - 1;  // the stretch starts at the point before it
    for (int i = 1; i < steps; ++i) {
        const int k = backwards ? steps - i : i;
        add(f.at(t0 + (t1 - t0) * k / steps));
    }
    for (int j = from < 0 ? 0 : from; j < n; ++j) chord[j] = true;  // up to the point after it
    if (n_arcs < kMaxArcs) arcs[n_arcs++] = {e, t0, t1};
}

void Cover::add_short_arc(const tagRELL& e, tagRPT to, int steps)
{
    const tagRPT from = p[n - 1];
    const Frame f(e);
    const double t0 = f.param(from);
    double t1 = f.param(to);
    if (t1 <= t0) t1 += 2 * kPi;
    if (t1 - t0 <= kPi) add_arc(e, from, to, steps);
    else add_arc(e, to, from, steps, true);
    add(to);
}

bool covers(const Cover& c, tagRPT q)
{
    bool in = false;
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        const tagRPT a = c.p[i], b = c.p[j];
        if ((a.y > q.y) != (b.y > q.y) && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

int seg_outside(Out& o, const Cover& c, tagRPT a, tagRPT b, const char* free)
{
    double t[kMaxCuts];
    int n = 0;
    t[n++] = 0;
    const tagRPT d = b - a;
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        if (c.chord[j]) continue;
        const tagRPT p = c.p[j], e = c.p[i] - c.p[j];
        const double den = cross2(d, e);
        if (std::fabs(den) < 1e-12) continue;  // parallel: no single crossing
        const double s = cross2(p - a, e) / den, u = cross2(p - a, d) / den;
        if (s > 0 && s < 1 && u >= 0 && u <= 1) t[n++] = s;
    }
    for (int k = 0; k < c.n_arcs; ++k) {
        // A curved stretch: crossings on the curve, within the stretch.
        const Cover::Stretch& st = c.arcs[k];
        const Frame f(st.e);
        const double ta = st.ta, tb = st.tb;
        const tagRPT p = f.unit(a), q = f.unit(b) - f.unit(a);
        const double A = q.x * q.x + q.y * q.y, B = p.x * q.x + p.y * q.y, C = p.x * p.x + p.y * p.y - 1;
        const double disc = B * B - A * C;
        if (A < 1e-24 || disc <= 0) continue;
        for (double sign : {-1.0, 1.0}) {
            const double u = (-B + sign * std::sqrt(disc)) / A;
            double ang = std::atan2(p.y + u * q.y, p.x + u * q.x);
            while (ang <= ta) ang += 2 * kPi;
            if (u > 0 && u < 1 && ang < tb && n < kMaxCuts - 1) t[n++] = u;
        }
    }
    t[n++] = 1;
    std::sort(t + 1, t + n - 1);
    auto at = [&](double s) { return s <= 0 ? a : s >= 1 ? b : a + s * d; };
    return runs(c, t, n, at, [&](double s0, double s1) {
        return dist(at(s0), at(s1)) < 1e-5 ? 0 : o.intended(Intended::free_ends, free).seg(at(s0), at(s1));
    });
}

int earc_outside(Out& o, const Cover& c, const tagRELL& e, tagRPT s, tagRPT t, const char* free)
{
    const Frame f(e);
    const double t0 = f.param(s);
    double t1 = f.param(t);
    if (t1 <= t0) t1 += 2 * kPi;
    double cut[kMaxCuts];
    int n = 0;
    cut[n++] = t0;
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        // The cover's edge in the ellipse's unit-circle frame meets the unit circle.
        const tagRPT p = f.unit(c.p[j]), d = f.unit(c.p[i]) - p;
        const double A = d.x * d.x + d.y * d.y, B = p.x * d.x + p.y * d.y, C = p.x * p.x + p.y * p.y - 1;
        const double disc = B * B - A * C;
        if (A < 1e-24 || disc <= 0) continue;
        for (double sign : {-1.0, 1.0}) {
            const double u = (-B + sign * std::sqrt(disc)) / A;
            if (u < 0 || u > 1) continue;
            double a = std::atan2(p.y + u * d.y, p.x + u * d.x);
            while (a <= t0) a += 2 * kPi;
            if (a < t1 && n < kMaxCuts - 1) cut[n++] = a;
        }
    }
    cut[n++] = t1;
    std::sort(cut + 1, cut + n - 1);
    auto at = [&](double a) { return a <= t0 ? s : a >= t1 ? t : f.at(a); };
    // A sliver left where the arc only grazes the cover is no piece.
    return runs(c, cut, n, at, [&](double a0, double a1) {
        return a1 - a0 < kPi && dist(at(a0), at(a1)) < 1e-5 ? 0
                                                           : o.intended(Intended::free_ends, free).earc(e, at(a0), at(a1));
    });
}
