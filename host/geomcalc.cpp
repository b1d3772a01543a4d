// The host's intersection routines (conventions in geomcalc.h).
//
// Lines against circles and ellipses are solved in closed form in the
// figure's own frame, from the foot of the perpendicular: the half chord
// comes from the gap between the foot point and the curve, so a near-tangent
// line loses no digits to cancellation. Two conics are solved along the
// parameter of the first: the second's implicit function there is a
// trigonometric polynomial of degree two, whose extrema (the roots of a
// quartic in the half-angle tangent, in closed form) split the curve into
// arcs on which it is monotonic. A touch is an extremum within the touch
// tolerance of zero; a crossing is the one root of the quartic of the function
// itself on an arc whose ends differ in sign. Each root is polished by Newton
// steps along the parameter, and no sine or arc tangent is taken per root.
#include "geomcalc.h"

#include "conic_route.h"
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

// The point of k at the parameter whose cosine and sine are c, s.
Vec onConic(const Conic& k, double c, double s)
{
    const double ca = k.a * c, sb = k.b * s;
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

// Conic b's implicit function along the parameter t of conic a: zero where the
// point of a lies on b, negative inside b, dimensionless so that one touch
// tolerance serves every size. In b's unit frame a's point is
// q(t) = q0 + qc cos t + qs sin t (a's centre and semi-axis vectors), so
// g(t) = |q(t)|^2 - 1 is a trigonometric polynomial of degree two: at most
// four extrema and four roots.
struct Walk {
    Vec q0, qc, qs;

    Walk(const Conic& a, const Conic& b)
        : q0(toUnit(b, a.c - b.c)), qc(toUnit(b, a.a * a.u)), qs(toUnit(b, a.b * Vec{-a.u.y, a.u.x}))
    {
    }
    // g, g' and g'' at the parameter whose cosine and sine are c, s.
    double g(double c, double s) const
    {
        const Vec q = q0 + c * qc + s * qs;
        return dot(q, q) - 1.0;
    }
    double dg(double c, double s) const { return 2.0 * dot(q0 + c * qc + s * qs, -s * qc + c * qs); }
    double d2g(double c, double s) const
    {
        const Vec d = -s * qc + c * qs, q = q0 + c * qc + s * qs;
        return 2.0 * (dot(d, d) - dot(q, c * qc + s * qs));
    }
};

// A trigonometric polynomial k0 + c1 cos t + s1 sin t + c2 cos 2t + s2 sin 2t.
struct Trig {
    double k0, c1, s1, c2, s2;

    double at(double c, double s) const { return k0 + c1 * c + s1 * s + c2 * (c - s) * (c + s) + s2 * 2.0 * s * c; }
    Trig derivative() const { return {0.0, s1, -c1, 2.0 * s2, -2.0 * c2}; }
    // The same function of tau = t - phi, given cos and sin of phi and 2 phi.
    Trig shifted(double c, double s, double c2p, double s2p) const
    {
        return {k0, c1 * c + s1 * s, s1 * c - c1 * s, c2 * c2p + s2 * s2p, s2 * c2p - c2 * s2p};
    }
};

Trig expand(const Walk& w)
{
    const double cc = dot(w.qc, w.qc), ss = dot(w.qs, w.qs);
    return {dot(w.q0, w.q0) + 0.5 * (cc + ss) - 1.0, 2.0 * dot(w.q0, w.qc), 2.0 * dot(w.q0, w.qs),
            0.5 * (cc - ss), dot(w.qc, w.qs)};
}

double horner(const double* c, int n, double x)
{
    double v = c[n];
    for (int i = n - 1; i >= 0; --i) v = v * x + c[i];
    return v;
}

// The root of c[0] + ... + c[n] x^n in [lo, hi], where it is monotonic and
// changes sign from vlo to vhi: Newton steps from the secant point, falling
// back to bisection when one would leave the shrinking bracket.
double polyRoot(const double* c, int n, double lo, double hi, double vlo, double vhi)
{
    double dc[4];
    for (int i = 0; i < n; ++i) dc[i] = (i + 1) * c[i + 1];
    const bool loNeg = vlo < 0;
    double x = lo + (hi - lo) * vlo / (vlo - vhi);
    for (int i = 0; i < 100; ++i) {
        const double v = horner(c, n, x);
        if (v == 0.0) break;
        if ((v < 0) == loNeg) lo = x;
        else hi = x;
        const double next = x - v / horner(dc, n - 1, x);
        // Newton converges quadratically: after a step this small the error
        // is at rounding level, where the sign of v no longer tells the side.
        if (std::fabs(next - x) <= 1e-9 * std::max(1.0, std::fabs(x))) return next > lo && next < hi ? next : x;
        x = next > lo && next < hi ? next : 0.5 * (lo + hi);
    }
    return x;
}

// Real roots of x^2 + b x + c, ascending: 0 or 2 (a double root twice).
int monicQuadratic(double b, double c, double* out)
{
    const double disc = b * b - 4.0 * c;
    if (disc < 0.0) return 0;
    const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
    out[0] = q;
    out[1] = q != 0.0 ? c / q : 0.0;
    if (out[0] > out[1]) std::swap(out[0], out[1]);
    return 2;
}

// The largest real root of m^3 + a m^2 + b m + c, in closed form and polished
// by Newton steps.
double largestCubicRoot(double a, double b, double c)
{
    const double p = b - a * a / 3.0, q = (2.0 * a * a / 27.0 - b / 3.0) * a + c;
    const double disc = 0.25 * q * q + p * p * p / 27.0;
    double u;
    if (disc > 0.0) {
        const double w = std::cbrt(-0.5 * q - std::copysign(std::sqrt(disc), q));
        u = w != 0.0 ? w - p / (3.0 * w) : 0.0;
    } else {
        const double r = std::sqrt(-p / 3.0);
        u = r > 0.0 ? 2.0 * r * std::cos(std::acos(std::clamp(-0.5 * q / (r * r * r), -1.0, 1.0)) / 3.0) : 0.0;
    }
    double m = u - a / 3.0;
    for (int i = 0; i < 2; ++i) {
        const double f = ((m + a) * m + b) * m + c, d = (3.0 * m + 2.0 * a) * m + b;
        if (d == 0.0) break;
        m -= f / d;
    }
    return m;
}

// Real roots, ascending, of the quartic c[0] + ... + c[4] x^4, c[4] != 0, in
// closed form (the resolvent cubic splits the depressed quartic into two
// quadratics), each polished by Newton steps on the quartic. Roots closer
// than rounding can part may come out as a complex pair and be lost: to the
// callers they are a flat inflection, or a touch, of what they study.
int quarticRoots(const double* c, double* out)
{
    const double a = c[3] / c[4], b = c[2] / c[4], cc = c[1] / c[4], d = c[0] / c[4];
    const double a2 = a * a;
    const double p = b - 0.375 * a2, q = cc - 0.5 * a * b + 0.125 * a2 * a;
    const double r = d - 0.25 * a * cc + a2 * b / 16.0 - 3.0 * a2 * a2 / 256.0;
    // (y^2 + p/2 + m)^2 = 2m (y - q/(4m))^2 for the resolvent's root m.
    const double m = largestCubicRoot(p, 0.25 * p * p - r, -0.125 * q * q);
    double y[4];
    int n = 0;
    const double scale = std::fabs(p) + std::sqrt(std::fabs(r));
    if (!(m > 1e-12 * scale)) {
        // q vanishes (to rounding): a quadratic in y^2.
        double z[2];
        if (monicQuadratic(p, r, z))
            for (double zi : z) {
                if (zi < -1e-12 * scale) continue;
                const double root = std::sqrt(std::max(zi, 0.0));
                y[n++] = -root;
                y[n++] = root;
            }
    } else {
        const double sq = std::sqrt(2.0 * m), k = 0.5 * q / sq;
        n += monicQuadratic(-sq, 0.5 * p + m + k, y + n);
        n += monicQuadratic(sq, 0.5 * p + m - k, y + n);
    }
    for (int i = 0; i < n; ++i) {
        double x = y[i] - 0.25 * a;
        for (int k = 0; k < 2; ++k) {
            const double f = (((c[4] * x + c[3]) * x + c[2]) * x + c[1]) * x + c[0];
            const double step = f / (((4.0 * c[4] * x + 3.0 * c[3]) * x + 2.0 * c[2]) * x + c[1]);
            if (!(std::fabs(step) <= 1e-3 * (1.0 + std::fabs(x)))) break;  // near a double root
            x -= step;
        }
        out[i] = x;
    }
    for (int i = 1; i < n; ++i)
        for (int j = i; j > 0 && out[j] < out[j - 1]; --j) std::swap(out[j], out[j - 1]);
    return n;
}

// Real roots, ascending, of c[0] + ... + c[n] x^n with c[n] != 0 and n <= 4,
// one by one, slower than the closed form but never losing count: the roots of the derivative split the line into stretches on which the
// polynomial is monotonic, so each stretch holds at most one root, and a sign
// change brackets it. A double root shows as a root of the derivative at which
// the polynomial is zero; one lost to rounding was a touch of that derivative
// and is not an extremum of what the caller studies.
int realRoots(const double* c, int n, double* out)
{
    if (n == 1) {
        out[0] = -c[0] / c[1];
        return 1;
    }
    if (n == 2) {
        const double disc = c[1] * c[1] - 4.0 * c[2] * c[0];
        if (disc < 0.0) return 0;
        const double q = -0.5 * (c[1] + std::copysign(std::sqrt(disc), c[1]));
        if (q == 0.0) {  // c[0] and c[1] both zero
            out[0] = 0.0;
            return 1;
        }
        out[0] = q / c[2];
        out[1] = c[0] / q;
        if (out[0] > out[1]) std::swap(out[0], out[1]);
        return 2;
    }
    double dc[4], ends[6];
    for (int i = 0; i < n; ++i) dc[i] = (i + 1) * c[i + 1];
    double bound = 0.0;
    for (int i = 0; i < n; ++i) bound = std::max(bound, std::fabs(c[i] / c[n]));
    bound += 1.0;  // Cauchy: every root lies within
    const int m = realRoots(dc, n - 1, ends + 1);
    ends[0] = -bound;
    ends[m + 1] = bound;
    int k = 0;
    for (int j = 0; j <= m; ++j) {
        const double lo = std::clamp(ends[j], -bound, bound), hi = std::clamp(ends[j + 1], -bound, bound);
        const double vlo = horner(c, n, lo), vhi = horner(c, n, hi);
        if (vlo == 0.0) {
            if (k == 0 || out[k - 1] != lo) out[k++] = lo;
        } else if (vhi != 0.0 && (vlo < 0) != (vhi < 0) && lo < hi) {
            out[k++] = polyRoot(c, n, lo, hi, vlo, vhi);
        }
    }
    return k;
}

// A point of a, known by the cosine and sine of its parameter t (the
// parameter itself is needed only to order the results).
struct Param {
    double c, s;
    double t() const
    {
        const double t = std::atan2(s, c);
        return t < 0 ? t + kTwoPi : t;
    }
    // Rises with t over [0, 2*pi) like t itself, without an arc tangent: the
    // position on the square |c| + |s| = 1, from 0 to 4.
    double order() const
    {
        const double r = c / (std::fabs(c) + std::fabs(s));
        return s < 0 ? 3.0 + r : 1.0 - r;
    }
    // The point delta further along a, for |delta| below 1e-3 (the series'
    // first dropped term is below 1e-17), and for any delta.
    Param moved(double delta) const
    {
        const double d2 = delta * delta, cd = 1.0 - 0.5 * d2 * (1.0 - d2 / 12.0), sd = delta * (1.0 - d2 / 6.0);
        return {c * cd - s * sd, s * cd + c * sd};
    }
    Param turned(double delta) const
    {
        const double cd = std::cos(delta), sd = std::sin(delta);
        return {c * cd - s * sd, s * cd + c * sd};
    }
    // Whether this lies strictly between lo and hi going counterclockwise.
    bool between(Param lo, Param hi) const
    {
        const double o = order(), a = lo.order(), b = hi.order();
        return a < b ? a < o && o < b : o > a || o < b;
    }
};

// Both quartics are taken in x = tan((t - phi) / 2), where phi is set so that
// t = phi + pi (x infinite) is the sampled point of largest |g'|: the quartic
// of g' keeps its full degree and the extrema stay near the origin.
struct HalfAngle {
    double cphi, sphi;  // cosine and sine of phi
    double g[5], dg[5];  // coefficients of (1 + x^2)^2 g and of (1 + x^2)^2 g', rising powers

    Param at(double x) const
    {
        const double w = 1.0 + x * x, ct = (1.0 - x * x) / w, st = 2.0 * x / w;
        return {cphi * ct - sphi * st, sphi * ct + cphi * st};
    }
};

// (1 + x^2)^2 h for a trigonometric polynomial h of tau, with x = tan(tau / 2).
void quartic(const Trig& h, double* q)
{
    q[0] = h.k0 + h.c1 + h.c2;
    q[1] = 2.0 * h.s1 + 4.0 * h.s2;
    q[2] = 2.0 * h.k0 - 6.0 * h.c2;
    q[3] = 2.0 * h.s1 - 4.0 * h.s2;
    q[4] = h.k0 - h.c1 + h.c2;
}

HalfAngle halfAngle(const Trig& g, const Trig& dg)
{
    constexpr double h = std::numbers::sqrt2 / 2;
    constexpr double kC[8] = {1, h, 0, -h, -1, -h, 0, h}, kS[8] = {0, h, 1, h, 0, -h, -1, -h};
    int far = 0;
    for (int i = 1; i < 8; ++i)
        if (std::fabs(dg.at(kC[i], kS[i])) > std::fabs(dg.at(kC[far], kS[far]))) far = i;
    // phi = t_far - pi: its cosine and sine change sign, those of 2 phi do not.
    const double cf = kC[far], sf = kS[far], c2 = (cf - sf) * (cf + sf), s2 = 2.0 * sf * cf;
    HalfAngle ha{-cf, -sf, {}, {}};
    quartic(g.shifted(-cf, -sf, c2, s2), ha.g);
    quartic(dg.shifted(-cf, -sf, c2, s2), ha.dg);
    return ha;
}

// Newton steps on f (g or g') along a, from p, until a step is small enough
// that the next would be rounding (usually the first). False when they do not
// settle: a step longer than a tenth of a radian means p was not near a simple
// root, and the caller turns to a slower, bracketed search.
template <class F, class D>
bool polish(Param& p, F f, D df)
{
    for (int i = 0; i < 8; ++i) {
        const double v = f(p);
        if (v == 0.0) return true;
        const double step = v / df(p);
        if (!(std::fabs(step) < 0.1)) return false;
        p = std::fabs(step) < 1e-3 ? p.moved(-step) : p.turned(-step);
        if (std::fabs(step) < 1e-9) return true;
    }
    return false;
}

// Two parameters closer than this are one (about the angle between them, in radians).
bool same(Param p, Param q) { return std::fabs(p.c - q.c) + std::fabs(p.s - q.s) <= 1e-7; }

struct Extremum {
    double x, g;
    Param p;
};

// The extrema at the quartic roots x[0..n), polished by Newton steps on g'
// itself, which the quartic's rounded coefficients only approximate. False
// unless every one settled and they alternate between maxima and minima, as
// the extrema of a smooth closed walk do.
bool settle(const Walk& w, const HalfAngle& ha, const double* x, int n, Extremum* ext, int& m)
{
    auto dg = [&](Param q) { return w.dg(q.c, q.s); };
    auto d2g = [&](Param q) { return w.d2g(q.c, q.s); };
    bool ok = true;
    m = 0;
    for (int i = 0; i < n; ++i) {
        Param p = ha.at(x[i]);
        ok = polish(p, dg, d2g) && ok;
        const Extremum e{x[i], w.g(p.c, p.s), p};
        // A double root of g' (a flat inflection of g) may come out twice.
        if (m > 0 && same(e.p, ext[m - 1].p)) continue;
        ext[m++] = e;
    }
    if (m > 1 && same(ext[0].p, ext[m - 1].p)) --m;
    if (m < 2 || m % 2) return false;
    for (int i = 0; i < m; ++i)
        if ((d2g(ext[i].p) < 0) == (d2g(ext[(i + 1) % m].p) < 0)) return false;
    return ok;
}

// The extrema of g round a, in the order met going counterclockwise from
// t = phi - pi: the real roots of the quartic of g' in closed form or, should
// its rounding lose or spoil one, isolated one by one.
int extrema(const Walk& w, const HalfAngle& ha, Extremum* ext)
{
    double x[4];
    int m = 0;
    if (settle(w, ha, x, quarticRoots(ha.dg, x), ext, m)) return m;
    settle(w, ha, x, realRoots(ha.dg, 4, x), ext, m);
    return m;
}

int sign(double v, double tol) { return v > tol ? 1 : (v < -tol ? -1 : 0); }

struct Root {
    Param p;
    int mult;
};

// The parameter of the crossing between extrema lo and hi, met in that order
// going counterclockwise, where g is monotonic and changes sign. Inside the
// quartic's finite range the crossing is the quartic's root, polished by
// Newton steps on g; across x = infinity (or should rounding hide the quartic's
// sign change) Newton steps on g along t, kept inside the shrinking bracket.
Param crossing(const Walk& w, const HalfAngle& ha, const double* gx, int ngx, const Extremum& lo,
                const Extremum& hi)
{
    auto g = [&](Param q) { return w.g(q.c, q.s); };
    auto dg = [&](Param q) { return w.dg(q.c, q.s); };
    // The quartic's root on this stretch: between the two in x, or beyond
    // them on the stretch through x = infinity. Polished, it must stay there.
    for (int i = 0; i < ngx; ++i)
        if (lo.x < hi.x ? gx[i] > lo.x && gx[i] < hi.x : gx[i] > lo.x || gx[i] < hi.x) {
            Param r = ha.at(gx[i]);
            if (polish(r, g, dg) && r.between(lo.p, hi.p)) return r;
        }
    if (lo.x < hi.x) {
        const double vlo = horner(ha.g, 4, lo.x), vhi = horner(ha.g, 4, hi.x);
        if ((vlo < 0) != (vhi < 0) && vlo != 0.0 && vhi != 0.0) {
            Param r = ha.at(polyRoot(ha.g, 4, lo.x, hi.x, vlo, vhi));
            if (polish(r, g, dg) && r.between(lo.p, hi.p)) return r;
        }
    }
    double a = lo.p.t(), b = hi.p.t();
    if (b <= a) b += kTwoPi;
    const bool loNeg = lo.g < 0;
    double t = a + (b - a) * lo.g / (lo.g - hi.g);
    for (int i = 0; i < 100; ++i) {
        const double c = std::cos(t), s = std::sin(t), v = w.g(c, s);
        if (v == 0.0) break;
        if ((v < 0) == loNeg) a = t;
        else b = t;
        const double next = t - v / w.dg(c, s);
        // Quadratic convergence: after a step this small the error is at rounding level.
        if (std::fabs(next - t) <= 1e-9) {
            t = next;
            break;
        }
        t = next > a && next < b ? next : 0.5 * (a + b);
    }
    return {std::cos(t), std::sin(t)};
}

// Crossings and touches of b along a, ascending; 0 when they do not meet or coincide.
int conicRoots(const Walk& w, Root* roots)
{
    const Trig g = expand(w), dg = g.derivative();
    // A circle concentric with a circle: g is constant, so they coincide or
    // never meet. Neither gives points.
    const double amp1 = std::sqrt(g.c1 * g.c1 + g.s1 * g.s1), amp2 = std::sqrt(g.c2 * g.c2 + g.s2 * g.s2);
    if (amp1 + 2.0 * amp2 <= 1e-12 * (1.0 + std::fabs(g.k0) + amp1 + amp2)) return 0;

    const HalfAngle ha = halfAngle(g, dg);
    Extremum ext[4];
    const int m = extrema(w, ha, ext);
    int n = 0, ngx = -1;
    double gx[4];
    for (int j = 0; j < m; ++j) {
        const Extremum &lo = ext[j], &hi = ext[j + 1 < m ? j + 1 : 0];
        const int sLo = sign(lo.g, kTouch), sHi = sign(hi.g, kTouch);
        if (sLo == 0) roots[n++] = {lo.p, 2};
        if (sLo * sHi >= 0) continue;
        if (ngx < 0) ngx = quarticRoots(ha.g, gx);
        roots[n++] = {crossing(w, ha, gx, ngx, lo, hi), 1};
    }
    for (int i = 1; i < n; ++i)  // insertion sort: at most eight, nearly in order
        for (int j = i; j > 0 && roots[j].p.order() < roots[j - 1].p.order(); --j) std::swap(roots[j], roots[j - 1]);
    return n;
}

int conicConic(const Conic& a, const Conic& b, tagRPT* p, int* flags)
{
    std::fill(flags, flags + 4, 0);
    if (degenerate(a) || degenerate(b)) return 1;
    Root roots[8];
    const int nr = conicRoots(Walk(a, b), roots);
    int n = 0;
    for (int r = 0; r < nr; ++r)
        for (int k = 0; k < roots[r].mult && n < 4; ++k) {
            p[n] = pt(onConic(a, roots[r].p.c, roots[r].p.s));
            flags[n++] = 1;
        }
    return n > 0 ? 0 : 1;
}

arfhost::ConicPairs g_route = nullptr;

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
    if (g_route) return g_route(e1, e2, p, flags);
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
    if (g_route) {
        const tagRELL round{c->x, c->y, c->r, c->r, 0.0};
        return g_route(&round, e, p, flags);
    }
    return conicConic(circle, ell, p, flags);
}

void arfhost::route_conic_pairs(ConicPairs solver) { g_route = solver; }

int DCOMPARE_Cover(double a, double b)
{
    const double tol = 1e-6 * std::max({1.0, std::fabs(a), std::fabs(b)});
    if (std::fabs(a - b) <= tol) return 0;
    return a < b ? -1 : 1;
}
