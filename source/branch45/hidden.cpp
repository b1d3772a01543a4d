#include "hidden.h"

#include <algorithm>

namespace {

constexpr double kOn = 1e-9;  // a point this close to the cover's outline counts as covered
constexpr int kMaxCuts = 2 * Cover::kMax + 2 * Cover::kMaxArcs + 2;

// A line closer to tangent than this (the square of its half chord in the
// unit circle) touches without entering: no crossing. Rounding alone leaves
// about 1e-14 of a true tangent, whose "crossings" would stand microns apart.
constexpr double kTouch = 1e-12;

double cross2(tagRPT a, tagRPT b) { return a.x * b.y - a.y * b.x; }
double dot2(tagRPT a, tagRPT b) { return a.x * b.x + a.y * b.y; }

// Directions round the unit circle, ordered without trigonometry: the
// direction's place on the diamond |x| + |y| = 1, 0 to 4 counter-clockwise
// from +x (a quarter turn is 1).
double turn_of(tagRPT u)
{
    const double s = std::fabs(u.x) + std::fabs(u.y);
    if (s == 0) return 0;  // no direction (an end at the centre): as +x
    const double x = u.x / s, y = u.y / s;
    return y >= 0 ? (x >= 0 ? y : 1 - x) : (x <= 0 ? 2 - y : 3 + x);
}
// The direction (not of unit length) at place k of the diamond.
tagRPT direction(double k)
{
    k -= 4 * std::floor(0.25 * k);
    return k < 1 ? pt(1 - k, k) : k < 2 ? pt(1 - k, 2 - k) : k < 3 ? pt(k - 3, 2 - k) : pt(k - 3, k - 4);
}
// k moved by whole rounds into (from, from + 4].
double after(double k, double from)
{
    while (k <= from) k += 4;
    while (k > from + 4) k -= 4;
    return k;
}

// Where the line p + u q crosses the unit circle: the values of u, in u[0..1]; how many.
int unit_circle(tagRPT p, tagRPT q, double* u)
{
    const double A = dot2(q, q), B = dot2(p, q), C = dot2(p, p) - 1;
    const double disc = B * B - A * C;
    if (A < 1e-24 || disc <= kTouch * A) return 0;
    const double root = std::sqrt(disc), inv = 1 / A;
    u[0] = (-B - root) * inv;
    u[1] = (-B + root) * inv;
    return 2;
}

// Where f crosses stretch st (within the stretch), as points of f's unit
// circle, into u; how many, or -1 when f is the stretch's own ellipse. When
// both ellipses have one shape and turn (the stretch maps to a circle in f's
// unit frame, as coaxial rims seen alike do) the crossings are those of two
// circles; otherwise the host's conic routine finds them.
int stretch_crossings(const EllFrame& f, const Cover::Stretch& st, tagRPT* u)
{
    const EllFrame& g = st.f;
    // The stretch's parameter map in f's unit frame: m + G (cos, sin).
    const tagRPT m = f.unit(centre(g.e)), o = f.unit({0, 0});
    const tagRPT g1 = f.unit(std::fabs(g.e.a) * pt(g.c, g.s)) - o;
    const tagRPT g2 = f.unit(std::fabs(g.e.b) * pt(-g.s, g.c)) - o;
    const double r2 = dot2(g1, g1);
    int n = 0;
    if (std::fabs(dot2(g2, g2) - r2) <= 1e-12 * r2 && std::fabs(dot2(g1, g2)) <= 1e-12 * r2) {
        const double d = std::sqrt(dot2(m, m)), r = std::sqrt(r2);
        if (d < 1e-12 && std::fabs(r - 1) < 1e-12) return -1;
        if (d <= 0 || d >= 1 + r || d <= std::fabs(1 - r)) return 0;
        const double x = (1 - r2 + d * d) / (2 * d);
        if (1 - x * x <= kTouch) return 0;
        const double h = std::sqrt(1 - x * x);
        const tagRPT e = (1 / d) * m, nrm = {-e.y, e.x};
        for (double sign : {1.0, -1.0}) {
            // Back to the stretch's unit frame: G is a turn times a scale, G^-1 = G^T / r2.
            const tagRPT p = x * e + sign * h * nrm, v = p - m;
            if (st.holds((1 / r2) * pt(dot2(g1, v), dot2(g2, v)))) u[n++] = p;
        }
        return n;
    }
    tagRPT p[4] = {};
    int flag[4] = {};
    GCG111(&f.e, &g.e, p, flag);
    for (int i = 0; i < 4; ++i)
        if (flag[i] == 1 && st.holds(g.unit(p[i]))) u[n++] = f.unit(p[i]);
    return n;
}

// Half the width and height of the box round ellipse f.
tagRPT half_box(const EllFrame& f)
{
    const double a = f.e.a * f.e.a, b = f.e.b * f.e.b, c = f.c * f.c, s = f.s * f.s;
    return {std::sqrt(a * c + b * s), std::sqrt(a * s + b * c)};
}

// A cut along the element: its place k (growing along the element), its
// point, and whether it is a clean crossing (through one edge or stretch,
// clear of its ends), across which the element passes from covered to seen
// or back.
struct Cut {
    double k;
    tagRPT p;
    bool clean;
};
constexpr double kClear = 1e-9;  // how far from an edge's ends (in its parameter) a clean crossing lies

// Sorts the cuts between the element's two ends cut[0] and cut[n-1]; there are few.
void sort_inner(Cut* cut, int n)
{
    for (int i = 2; i < n - 1; ++i)
        for (int j = i; j > 1 && cut[j].k < cut[j - 1].k; --j) std::swap(cut[j], cut[j - 1]);
}

// Even-odd over the corners joined by straight chords, then each curved
// stretch flips the points between its chord and itself.
bool inside(const Cover& c, tagRPT q)
{
    if (!c.near_box(q, q)) return false;
    bool in = false;
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        const tagRPT a = c.p[i], b = c.p[j];
        if ((a.y > q.y) != (b.y > q.y) && ((q.x - a.x) * (b.y - a.y) < (b.x - a.x) * (q.y - a.y)) == (b.y > a.y))
            in = !in;  // q lies left of where the edge crosses its height
    }
    for (int k = 0; k < c.n_arcs; ++k) {
        const Cover::Stretch& st = c.arcs[k];
        if (!Cover::boxes_meet(q, q, st.lo, st.hi)) continue;  // outside the whole ellipse
        const tagRPT u = st.f.unit(q);
        if (dot2(u, u) < 1 && u.x * st.mx + u.y * st.my > st.ch) in = !in;
    }
    return in;
}

// Whether q lies within kOn of the outline.
bool on_outline(const Cover& c, tagRPT q)
{
    if (!c.near_box(q, q)) return false;
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        const tagRPT a = c.p[i], b = c.p[j], d = b - a;
        if (c.arc[j] >= 0 || !Cover::boxes_meet(a, b, q, q)) continue;
        const double len2 = dot2(d, d);
        const double s = len2 > 0 ? std::clamp(dot2(q - a, d) / len2, 0.0, 1.0) : 0.0;
        const tagRPT off = q - (a + s * d);
        if (dot2(off, off) < kOn * kOn) return true;
    }
    for (int k = 0; k < c.n_arcs; ++k) {
        const Cover::Stretch& st = c.arcs[k];
        if (!Cover::boxes_meet(q, q, st.lo, st.hi)) continue;
        const tagRPT u = st.f.unit(q);
        const double r2 = dot2(u, u);
        // |r - 1| times the shorter semi-axis within kOn (r + 1 is about 2 there).
        if (std::fabs(r2 - 1) < 2 * kOn * st.f.shorter_inv && u.x * st.mx + u.y * st.my >= st.ch * std::sqrt(r2))
            return true;
    }
    return false;
}

// Writes the uncovered runs between the sorted cuts; mid(a, b) is a point of
// the element between places a and b, put(i, j) writes the run from cut i to cut j.
// Only an element that runs along part of the outline ('along') can have a
// run between cuts that lies on the outline itself. A run is tested at its
// middle unless a clean crossing, clear of the cuts either side, separates it
// from the run before: then it is seen where that one was covered.
template <class Mid, class Put>
int runs(const Cover& c, const Cut* cut, int n, bool along, Mid mid, Put put)
{
    int open = -1;  // index where the current visible run started
    int last = -1;  // the run tested or flipped last
    bool seen = false;
    for (int i = 0; i + 1 < n; ++i) {
        if (cut[i + 1].k - cut[i].k <= 1e-12) continue;
        if (!along && last == i - 1 && cut[i].clean && cut[i].k - cut[i - 1].k > kClear &&
            cut[i + 1].k - cut[i].k > kClear) {
            seen = !seen;
        } else {
            const tagRPT q = mid(cut[i].k, cut[i + 1].k);
            seen = !inside(c, q) && !(along && on_outline(c, q));
        }
        last = i;
        if (seen && open < 0) open = i;
        if (!seen && open >= 0) {
            if (put(open, i)) return 1;
            open = -1;
        }
    }
    return open >= 0 ? put(open, n - 1) : 0;
}

}  // namespace

EllFrame::EllFrame(const tagRELL& el) : e(el)
{
    if (el.rot != 0) {
        const double r = el.rot * 3.14159265358979323846 / 180.0;
        c = std::cos(r), s = std::sin(r);
    }
    ia = 1 / std::fabs(el.a), ib = 1 / std::fabs(el.b);
    shorter_inv = std::max(ia, ib);
}

void Cover::add_arc(const tagRELL& e, tagRPT s, tagRPT t)
{
    if (n == 0 || n_arcs >= kMaxArcs) return;
    Stretch& st = arcs[n_arcs];
    st.f = EllFrame(e);
    // The middle direction and the half span's cosine from the ends' unit
    // vectors: the bisector of the two, turned round when the stretch runs
    // more than half way round.
    const tagRPT us = st.f.unit(s), ut = st.f.unit(t);  // on the unit circle: s and t lie on e
    const bool over_half = cross2(us, ut) < 0;
    const tagRPT sum = us + ut;
    const double len = std::sqrt(dot2(sum, sum));
    const tagRPT m = len > 1e-12 ? (over_half ? -1.0 : 1.0) / len * sum : pt(-us.y, us.x);
    st.mx = m.x, st.my = m.y;
    st.ch = (over_half ? -1 : 1) * std::sqrt(std::max(0.0, 0.5 * (1 + dot2(us, ut))));
    arc[n - 1] = static_cast<signed char>(n_arcs++);
    // The whole ellipse's box: the stretch may bulge past its corners.
    const tagRPT half = half_box(st.f);
    st.lo = centre(e) - half, st.hi = centre(e) + half;
    grow(st.lo);
    grow(st.hi);
}

void Cover::add_short_arc(const tagRELL& e, tagRPT to)
{
    const tagRPT from = p[n - 1];
    const EllFrame f(e);
    if (cross2(f.unit(from), f.unit(to)) >= 0) add_arc(e, from, to);
    else add_arc(e, to, from);
    add(to);
}


int seg_outside(Out& o, const Cover& c, tagRPT a, tagRPT b, const char* free)
{
    const tagRPT d = b - a;
    if (!c.near_box(a, b)) return dist(a, b) < 1e-5 ? 0 : o.intended(Intended::free_ends, free).seg(a, b);  // nowhere near the cover
    Cut cut[kMaxCuts];
    int n = 0;
    cut[n++] = {0, a, false};
    auto keep = [&](double s, bool clean) { cut[n++] = {s, a + s * d, clean}; };
    const double tol = kOn * std::sqrt(dot2(d, d));  // kOn off the segment's line, times its length
    bool along = false;
    double side[Cover::kMax];  // each corner's side of the segment's line, times its length
    for (int i = 0; i < c.n; ++i) side[i] = cross2(d, c.p[i] - a);
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        if (c.arc[j] >= 0) continue;
        const tagRPT p = c.p[j], e = c.p[i] - c.p[j];
        const double sp = side[j], sq = side[i];
        if ((sp > tol && sq > tol) || (sp < -tol && sq < -tol)) continue;  // the edge lies to one side
        const double den = cross2(d, e);
        if (std::fabs(den) < 1e-12) {
            // Parallel: where the segment runs along the edge, the edge's ends
            // bound the stretch it runs on the outline.
            if (std::fabs(sp) < tol) {
                along = true;
                for (tagRPT q : {p, c.p[i]}) {
                    const double s = dot2(q - a, d) / dot2(d, d);
                    if (s > 0 && s < 1) keep(s, false);
                }
            }
            continue;
        }
        const double inv = 1 / den, s = cross2(p - a, e) * inv, u = cross2(p - a, d) * inv;
        if (s > 0 && s < 1 && u >= 0 && u <= 1) keep(s, u > kClear && u < 1 - kClear);
    }
    for (int k = 0; k < c.n_arcs; ++k) {
        // A curved stretch: crossings on the curve, within the stretch.
        const Cover::Stretch& st = c.arcs[k];
        if (!Cover::boxes_meet(a, b, st.lo, st.hi)) continue;
        const tagRPT p = st.f.unit(a), q = st.f.unit(b) - p;
        double u[2];
        for (int i = 0, m = unit_circle(p, q, u); i < m; ++i)
            if (u[i] > 0 && u[i] < 1 && st.holds(p + u[i] * q)) keep(u[i], st.holds(p + u[i] * q, kClear));
    }
    cut[n++] = {1, b, false};
    sort_inner(cut, n);
    return runs(c, cut, n, along, [&](double s0, double s1) { return a + (0.5 * (s0 + s1)) * d; },
                [&](int i, int j) { return dist(cut[i].p, cut[j].p) < 1e-5 ? 0 : o.intended(Intended::free_ends, free).seg(cut[i].p, cut[j].p); });
}

int earc_outside(Out& o, const Cover& c, const tagRELL& e, tagRPT s, tagRPT t, const char* free)
{
    const EllFrame f(e);
    const double k0 = turn_of(f.unit(s)), k1 = after(turn_of(f.unit(t)), k0);
    const tagRPT half = half_box(f);
    // A sliver left where the arc only grazes the cover is no piece (less than
    // half way round, ends together).
    auto put = [&](double ka, double kb, tagRPT a, tagRPT b) {
        return kb - ka < 2 && dist(a, b) < 1e-5 ? 0 : o.intended(Intended::free_ends, free).earc(e, a, b);
    };
    if (!c.near_box(centre(e) - half, centre(e) + half)) return put(k0, k1, s, t);  // nowhere near the cover
    Cut cut[kMaxCuts];
    int n = 0;
    cut[n++] = {k0, s, false};
    auto keep = [&](tagRPT u, bool clean) {  // a crossing, as a point of the unit circle
        const double k = after(turn_of(u), k0);
        if (k < k1 && n < kMaxCuts - 1) cut[n++] = {k, f.from_unit(u), clean};
    };
    bool along = false;
    for (int i = 0, j = c.n - 1; i < c.n; j = i++) {
        if (c.arc[j] >= 0) {
            tagRPT u[4];
            const int m = stretch_crossings(f, c.arcs[c.arc[j]], u);
            for (int h = 0; h < m; ++h) keep(u[h], false);
            if (m < 0) {  // the arc runs along the stretch: cut it at the stretch's ends
                along = true;
                keep(f.unit(c.p[j]), false);
                keep(f.unit(c.p[i]), false);
            }
            continue;
        }
        if (!Cover::boxes_meet(c.p[j], c.p[i], centre(e) - half, centre(e) + half)) continue;
        // The cover's edge in the ellipse's unit-circle frame meets the unit circle.
        const tagRPT p = f.unit(c.p[j]), d = f.unit(c.p[i]) - p;
        double u[2];
        for (int h = 0, m = unit_circle(p, d, u); h < m; ++h)
            if (u[h] >= 0 && u[h] <= 1) keep(p + u[h] * d, u[h] > kClear && u[h] < 1 - kClear);
    }
    cut[n++] = {k1, t, false};
    sort_inner(cut, n);
    return runs(c, cut, n, along, [&](double ka, double kb) { return f.from_unit(direction(0.5 * (ka + kb))); },
                [&](int i, int j) { return put(cut[i].k, cut[j].k, cut[i].p, cut[j].p); });
}
