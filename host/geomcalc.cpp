// The host's intersection routines (conventions in geomcalc.h).
//
// Lines against circles and ellipses are solved in closed form in the
// figure's own frame, from the foot of the perpendicular: the half chord
// comes from the gap between the foot point and the curve, so a near-tangent
// line loses no digits to cancellation. Two conics are solved by walking one
// of them: its parameter splits into arcs on which the other's implicit
// function is monotonic, so every crossing is bracketed on its own and every
// touch is an extremum of that function.
#include "geomcalc.h"

#include "recorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Normalised miss distance below which figures count as touching.
constexpr double kTouch = 1e-10;
// Sine of the angle below which two lines count as parallel.
constexpr double kParallel = 1e-12;
// Slack on a segment's parameter range, as a fraction of its length.
constexpr double kOnSegment = 1e-9;
// Samples round a conic when looking for the other's extrema.
constexpr int kSamples = 1024;

struct Vec {
    double x, y;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
double norm(Vec a) { return std::hypot(a.x, a.y); }

Vec start(const tagRSEG& l) { return {l.x1, l.y1}; }
Vec dir(const tagRSEG& l) { return {l.x2 - l.x1, l.y2 - l.y1}; }
tagRPT pt(Vec v) { return {v.x, v.y}; }

// An ellipse as centre, positive semi-axes and the unit vector of its first axis.
struct Conic {
    Vec c;
    double a, b;
    Vec u;  // first axis; the second is u turned a quarter counterclockwise
};

Conic conic(const tagRELL& e)
{
    // Whole quarter turns are common (the views turn by 90 and 270 degrees):
    // take them exactly so that axis-parallel ellipses stay axis-parallel.
    double deg = std::fmod(e.rot, 360.0);
    if (deg < 0) deg += 360.0;
    Vec u;
    if (deg == 0.0) u = {1, 0};
    else if (deg == 90.0) u = {0, 1};
    else if (deg == 180.0) u = {-1, 0};
    else if (deg == 270.0) u = {0, -1};
    else u = {std::cos(deg * std::numbers::pi / 180.0), std::sin(deg * std::numbers::pi / 180.0)};
    return {{e.x, e.y}, std::fabs(e.a), std::fabs(e.b), u};
}

Conic conic(const tagRCIR& c) { return {{c.x, c.y}, std::fabs(c.r), std::fabs(c.r), {1, 0}}; }

// World vector into the conic's axis frame, scaled so the conic is the unit circle.
Vec toUnit(const Conic& k, Vec w)
{
    return {(w.x * k.u.x + w.y * k.u.y) / k.a, (-w.x * k.u.y + w.y * k.u.x) / k.b};
}

Vec onConic(const Conic& k, double t)
{
    const double ca = k.a * std::cos(t), sb = k.b * std::sin(t);
    return {k.c.x + ca * k.u.x - sb * k.u.y, k.c.y + ca * k.u.y + sb * k.u.x};
}

bool degenerate(const Conic& k) { return !(k.a > 0 && k.b > 0) || !std::isfinite(k.a + k.b); }

// Line parameters of the crossings of the line p + t d with the unit circle,
// p and d already in the circle's frame. 0, 1 (touch) or 2 values, ascending.
int lineUnitCircle(Vec p, Vec d, double t[2])
{
    const double dd = dot(d, d);
    const double t0 = -dot(p, d) / dd;
    const Vec foot = p + t0 * d;
    // 1 - |foot|^2 in factored form: exact near the tangent, where it matters.
    const double f = norm(foot);
    const double gap = (1.0 - f) * (1.0 + f);
    if (gap < -kTouch) return 0;
    if (gap <= kTouch) {
        t[0] = t[1] = t0;
        return 1;
    }
    const double h = std::sqrt(gap / dd);
    t[0] = t0 - h;
    t[1] = t0 + h;
    return 2;
}

// Line with a conic of positive axes: points in the line's order, or false.
bool lineConic(const tagRSEG& l, const Conic& k, tagRPT* p)
{
    const Vec d = dir(l);
    if (dot(d, d) == 0.0) return false;
    double t[2];
    if (lineUnitCircle(toUnit(k, start(l) - k.c), toUnit(k, d), t) == 0) return false;
    p[0] = pt(start(l) + t[0] * d);
    p[1] = pt(start(l) + t[1] * d);
    return true;
}

// A zero-radius circle meets a line only where the line passes through its centre.
bool linePoint(const tagRSEG& l, Vec c, tagRPT* p)
{
    const Vec d = dir(l);
    const double len = norm(d);
    if (len == 0.0) return false;
    const Vec w = c - start(l);
    if (std::fabs(cross(d, w)) / len > kTouch * std::max(len, norm(w))) return false;
    p[0] = p[1] = pt(c);
    return true;
}

bool lineCircle(const tagRSEG& l, const tagRCIR& c, tagRPT* p)
{
    const Conic k = conic(c);
    if (k.a == 0.0) return linePoint(l, k.c, p);
    if (!std::isfinite(k.a)) return false;
    return lineConic(l, k, p);
}

// Line parameter of l1 where it crosses l2, and of l2 where it crosses l1.
bool lineLine(const tagRSEG& l1, const tagRSEG& l2, double& t1, double& t2)
{
    const Vec d1 = dir(l1), d2 = dir(l2);
    const double n1 = norm(d1), n2 = norm(d2);
    if (n1 == 0.0 || n2 == 0.0) return false;
    const double den = cross(d1, d2);
    if (!(std::fabs(den) > kParallel * n1 * n2)) return false;
    const Vec w = start(l2) - start(l1);
    t1 = cross(w, d2) / den;
    t2 = cross(w, d1) / den;
    return true;
}

bool onSegment(double t) { return t >= -kOnSegment && t <= 1.0 + kOnSegment; }

// --- conic with conic ---------------------------------------------------

// Implicit function of conic b along the parameter of conic a: zero where the
// point of a lies on b, negative inside b. Dimensionless, so one touch
// tolerance serves every size.
struct Walk {
    Conic a, b;

    Vec inB(double t) const { return toUnit(b, onConic(a, t) - b.c); }
    double g(double t) const
    {
        const Vec q = inB(t);
        return dot(q, q) - 1.0;
    }
    double dg(double t) const
    {
        const Vec tangent = {-a.a * std::sin(t) * a.u.x - a.b * std::cos(t) * a.u.y,
                             -a.a * std::sin(t) * a.u.y + a.b * std::cos(t) * a.u.x};
        return 2.0 * dot(inB(t), toUnit(b, tangent));
    }
};

// Root of f in [lo, hi] where f(lo) and f(hi) differ in sign; plain bisection
// to the last bit, which is as far as the evaluation of f can be trusted.
template <class F>
double bisect(F f, double lo, double hi)
{
    const bool loNeg = f(lo) < 0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi) break;
        if ((f(mid) < 0) == loNeg) lo = mid;
        else hi = mid;
    }
    return 0.5 * (lo + hi);
}

int sign(double v, double tol) { return v > tol ? 1 : (v < -tol ? -1 : 0); }

// A short list on the stack: the outlines call these routines on every redraw,
// so they allocate nothing. A conic's implicit function along another conic is
// a trigonometric polynomial of degree two (at most four extrema and four
// roots); the capacity leaves room for rounding's spurious pairs.
template <class T>
struct Few {
    static constexpr int kCap = 32;
    T v[kCap];
    int n = 0;
    void push_back(T x)
    {
        if (n < kCap) v[n++] = x;
    }
    bool empty() const { return n == 0; }
    int size() const { return n; }
    T& back() { return v[n - 1]; }
    T& front() { return v[0]; }
    void pop_back() { --n; }
    T* begin() { return v; }
    T* end() { return v + n; }
    const T* begin() const { return v; }
    const T* end() const { return v + n; }
    T operator[](int i) const { return v[i]; }
};

// Parameters on w.a of the extrema of w.g, ascending in [0, 2*pi), from the
// sign changes of the sampled derivative. Two extrema closer than one sample
// step (a flat inflection, curves osculating) would cancel out unseen; the
// step is a third of a degree, far finer than any outline needs.
Few<double> extrema(const Walk& w, const std::array<double, kSamples + 1>& dgs)
{
    Few<double> out;
    auto dg = [&](double t) { return w.dg(t); };
    for (int i = 0; i < kSamples; ++i) {
        const double lo = kTwoPi * i / kSamples, hi = kTwoPi * (i + 1) / kSamples;
        if (dgs[i] == 0.0) out.push_back(lo);
        else if ((dgs[i] < 0) != (dgs[i + 1] < 0) && dgs[i + 1] != 0.0) out.push_back(bisect(dg, lo, hi));
    }
    // A sample landing on an extremum can flip the sign of the rounded
    // derivative twice in a row; both brackets then find the same extremum.
    Few<double> merged;
    for (double t : out)
        if (merged.empty() || t - merged.back() > 1e-7) merged.push_back(t);
    if (merged.size() > 1 && merged.front() + kTwoPi - merged.back() <= 1e-7) merged.pop_back();
    return merged;
}

struct Root {
    double t;
    int mult;
};

// Crossings and touches of w.b along w.a; empty when they do not meet or coincide.
Few<Root> conicRoots(const Walk& w)
{
    std::array<double, kSamples + 1> dgs;
    double maxDg = 0.0, maxG = 0.0;
    for (int i = 0; i <= kSamples; ++i) {
        const double t = kTwoPi * i / kSamples;
        dgs[i] = w.dg(t);
        maxDg = std::max(maxDg, std::fabs(dgs[i]));
        maxG = std::max(maxG, std::fabs(w.g(t)));
    }
    // A circle concentric with a circle: g is constant, so they coincide or
    // never meet. Neither gives points.
    if (maxDg <= 1e-12 * (1.0 + maxG)) return {};

    const Few<double> ext = extrema(w, dgs);
    Few<Root> roots;
    auto g = [&](double t) { return w.g(t); };
    const int m = ext.size();
    for (int j = 0; j < m; ++j) {
        const double lo = ext[j];
        const double hi = j + 1 < m ? ext[j + 1] : ext[0] + kTwoPi;
        const int sLo = sign(w.g(lo), kTouch), sHi = sign(w.g(hi), kTouch);
        if (sLo == 0) roots.push_back({lo, 2});
        if (sLo * sHi < 0) roots.push_back({std::fmod(bisect(g, lo, hi), kTwoPi), 1});
    }
    std::sort(roots.begin(), roots.end(), [](Root x, Root y) { return x.t < y.t; });
    return roots;
}

int conicConic(const Conic& a, const Conic& b, tagRPT* p, int* flags)
{
    std::fill(flags, flags + 4, 0);
    if (degenerate(a) || degenerate(b)) return 1;
    int n = 0;
    const Walk w{a, b};
    for (const Root& r : conicRoots(w))
        for (int k = 0; k < r.mult && n < 4; ++k) {
            p[n] = pt(onConic(a, r.t));
            flags[n++] = 1;
        }
    return n > 0 ? 0 : 1;
}

}  // namespace

int GCG064(const tagRSEG* l1, const tagRSEG* l2, tagRPT* p)
{
    if (arfhost::should_fail("GCG064")) return 1;  // fault injection: found nothing
    double t1, t2;
    if (!lineLine(*l1, *l2, t1, t2)) return 1;
    p[0] = pt(start(*l1) + t1 * dir(*l1));
    return 0;
}

int GCG164(const tagRSEG* l1, const tagRSEG* l2, tagRPT* p, int* res)
{
    if (arfhost::should_fail("GCG164")) {  // fault injection: found nothing
        *res = 1;
        return 1;
    }
    double t1, t2;
    *res = 1;
    if (!lineLine(*l1, *l2, t1, t2)) return 1;
    p[0] = pt(start(*l1) + t1 * dir(*l1));
    *res = onSegment(t1) && onSegment(t2) ? 0 : 1;
    return 0;
}

int GCG065(const tagRSEG* l, const tagRCIR* c, tagRPT* p)
{
    if (arfhost::should_fail("GCG065")) return 1;  // fault injection: found nothing
    return lineCircle(*l, *c, p) ? 0 : 1;
}

int GCG165(const tagRSEG* l, const tagRCIR* c, tagRPT* p, int* res)
{
    if (arfhost::should_fail("GCG165")) {  // fault injection: found nothing
        *res = 3;
        return 1;
    }
    tagRPT q[2];
    *res = 3;
    if (!lineCircle(*l, *c, q)) return 1;
    // Recover each point's parameter from the dominant direction component.
    const Vec d = dir(*l);
    const bool alongX = std::fabs(d.x) >= std::fabs(d.y);
    int mask = 0;
    for (int i = 0; i < 2; ++i) {
        const double t = alongX ? (q[i].x - l->x1) / d.x : (q[i].y - l->y1) / d.y;
        if (!onSegment(t)) mask |= 1 << i;
        p[i] = q[i];
    }
    *res = mask;
    return 0;
}

int GCG005(const tagRCIR* c1, const tagRCIR* c2, tagRPT* p)
{
    if (arfhost::should_fail("GCG005")) return 1;  // fault injection: found nothing
    const Vec o1{c1->x, c1->y}, o2{c2->x, c2->y};
    const double r1 = std::fabs(c1->r), r2 = std::fabs(c2->r);
    const Vec d = o2 - o1;
    const double dist = norm(d);
    if (!(dist > 0.0) || !std::isfinite(dist + r1 + r2)) return 1;
    // The two ways of touching: from outside (r1 + r2 = dist) and from inside
    // (|r1 - r2| = dist). Their gaps, not the squared lengths, decide.
    const double tol = kTouch * (r1 + r2 + dist);
    const double outer = r1 + r2 - dist, inner = dist - std::fabs(r1 - r2);
    if (outer < -tol || inner < -tol) return 1;
    const Vec u = (1.0 / dist) * d;
    const Vec right{u.y, -u.x};
    // Distance from o1 along u to the chord, and the half chord from the
    // product of the gaps (Heron), both free of cancellation.
    const double along = 0.5 * (dist + (r1 - r2) * (r1 + r2) / dist);
    double h = 0.0;
    if (outer > tol && inner > tol) {
        const double q = outer * inner * (dist + std::fabs(r1 - r2)) * (r1 + r2 + dist);
        h = std::sqrt(std::max(0.0, q)) / (2.0 * dist);
    }
    const Vec mid = o1 + along * u;
    p[0] = pt(mid + h * right);
    p[1] = pt(mid - h * right);
    return 0;
}

int GCG110(const tagRSEG* l, const tagRELL* e, tagRPT* p)
{
    if (arfhost::should_fail("GCG110")) return 1;  // fault injection: found nothing
    const Conic k = conic(*e);
    if (degenerate(k)) return 1;
    return lineConic(*l, k, p) ? 0 : 1;
}

int GCG111(const tagRELL* e1, const tagRELL* e2, tagRPT* p, int* flags)
{
    if (arfhost::should_fail("GCG111")) {  // fault injection: found nothing
        std::fill(flags, flags + 4, 0);
        return 1;
    }
    return conicConic(conic(*e1), conic(*e2), p, flags);
}

int GCG122(const tagRCIR* c, const tagRELL* e, tagRPT* p, int* flags)
{
    if (arfhost::should_fail("GCG122")) {  // fault injection: found nothing
        std::fill(flags, flags + 4, 0);
        return 1;
    }
    const Conic circle = conic(*c), ell = conic(*e);
    if (circle.a == 0.0 && !degenerate(ell)) {
        // A point circle: it meets the ellipse only by lying on it.
        std::fill(flags, flags + 4, 0);
        const Vec q = toUnit(ell, circle.c - ell.c);
        if (std::fabs(dot(q, q) - 1.0) > kTouch) return 1;
        p[0] = p[1] = pt(circle.c);
        flags[0] = flags[1] = 1;
        return 0;
    }
    return conicConic(circle, ell, p, flags);
}

int DCOMPARE_Cover(double a, double b)
{
    const double tol = 1e-6 * std::max({1.0, std::fabs(a), std::fabs(b)});
    if (std::fabs(a - b) <= tol) return 0;
    return a < b ? -1 : 1;
}
