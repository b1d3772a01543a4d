// The host's former conic-pair solver, kept here only as the reference the
// closed-form solver is compared with: it walks the first conic at 1024
// samples, brackets the other's extrema between sign changes of the sampled
// derivative and bisects every crossing. Slow, and blind to two extrema closer
// than one sample step, but independent of the quartic.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "arfrec.h"

namespace sampled {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kTouch = 1e-10;
constexpr int kSamples = 1024;

struct Vec {
    double x, y;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

struct Conic {
    Vec c;
    double a, b;
    Vec u;
};

inline Conic conic(const tagRELL& e)
{
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

inline Vec toUnit(const Conic& k, Vec w)
{
    return {(w.x * k.u.x + w.y * k.u.y) / k.a, (-w.x * k.u.y + w.y * k.u.x) / k.b};
}

inline Vec onConic(const Conic& k, double t)
{
    const double ca = k.a * std::cos(t), sb = k.b * std::sin(t);
    return {k.c.x + ca * k.u.x - sb * k.u.y, k.c.y + ca * k.u.y + sb * k.u.x};
}

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

inline int sign(double v) { return v > kTouch ? 1 : (v < -kTouch ? -1 : 0); }

// Crossings (multiplicity 1) and touches (2) along w.a, ascending; n of them.
inline int roots(const Walk& w, double* t, int* mult)
{
    std::array<double, kSamples + 1> dgs;
    double maxDg = 0.0, maxG = 0.0;
    for (int i = 0; i <= kSamples; ++i) {
        const double s = kTwoPi * i / kSamples;
        dgs[i] = w.dg(s);
        maxDg = std::max(maxDg, std::fabs(dgs[i]));
        maxG = std::max(maxG, std::fabs(w.g(s)));
    }
    if (maxDg <= 1e-12 * (1.0 + maxG)) return 0;
    double ext[64], merged[64];
    int ne = 0, nm = 0;
    auto dg = [&](double s) { return w.dg(s); };
    for (int i = 0; i < kSamples && ne < 64; ++i) {
        const double lo = kTwoPi * i / kSamples, hi = kTwoPi * (i + 1) / kSamples;
        if (dgs[i] == 0.0) ext[ne++] = lo;
        else if ((dgs[i] < 0) != (dgs[i + 1] < 0) && dgs[i + 1] != 0.0) ext[ne++] = bisect(dg, lo, hi);
    }
    for (int i = 0; i < ne; ++i)
        if (nm == 0 || ext[i] - merged[nm - 1] > 1e-7) merged[nm++] = ext[i];
    if (nm > 1 && merged[0] + kTwoPi - merged[nm - 1] <= 1e-7) --nm;
    auto g = [&](double s) { return w.g(s); };
    int n = 0;
    for (int j = 0; j < nm && n < 60; ++j) {
        const double lo = merged[j], hi = j + 1 < nm ? merged[j + 1] : merged[0] + kTwoPi;
        const int sLo = sign(w.g(lo)), sHi = sign(w.g(hi));
        if (sLo == 0) t[n] = lo, mult[n++] = 2;
        if (sLo * sHi < 0) t[n] = std::fmod(bisect(g, lo, hi), kTwoPi), mult[n++] = 1;
    }
    for (int i = 1; i < n; ++i)
        for (int j = i; j > 0 && t[j] < t[j - 1]; --j) std::swap(t[j], t[j - 1]), std::swap(mult[j], mult[j - 1]);
    return n;
}

// Same contract as the host's routine for two ellipses.
inline int conic_pairs(const tagRELL* e1, const tagRELL* e2, tagRPT* p, int* flags)
{
    std::fill(flags, flags + 4, 0);
    const Conic a = conic(*e1), b = conic(*e2);
    for (const Conic& k : {a, b})
        if (!(k.a > 0 && k.b > 0) || !std::isfinite(k.a + k.b)) return 1;
    double t[64];
    int mult[64];
    const int nr = roots(Walk{a, b}, t, mult);
    int n = 0;
    for (int r = 0; r < nr; ++r)
        for (int k = 0; k < mult[r] && n < 4; ++k) {
            const Vec v = onConic(a, t[r]);
            p[n] = {v.x, v.y};
            flags[n++] = 1;
        }
    return n > 0 ? 0 : 1;
}

}  // namespace sampled
