// Small pieces the view functions are built from: point arithmetic, copying and
// mirroring runs of profile points, the curves handed to the host's
// intersection routines, and the rules that keep one of two intersection points.
#pragma once

#include <cmath>

#include "arfhost.h"

// Points and curves as values.
constexpr tagRPT pt(double x, double y) { return {x, y}; }
constexpr tagRPT operator+(tagRPT a, tagRPT b) { return {a.x + b.x, a.y + b.y}; }
constexpr tagRPT operator-(tagRPT a, tagRPT b) { return {a.x - b.x, a.y - b.y}; }
constexpr tagRPT operator*(double k, tagRPT a) { return {k * a.x, k * a.y}; }
constexpr tagRPT mid(tagRPT a, tagRPT b) { return {0.5 * (a.x + b.x), 0.5 * (a.y + b.y)}; }
constexpr tagRPT flip_x(tagRPT a) { return {-a.x, a.y}; }  // mirror across the y axis
constexpr tagRPT flip_y(tagRPT a) { return {a.x, -a.y}; }  // mirror across the x axis
inline double dist(tagRPT a, tagRPT b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }

// Second semi-axis of the axis-parallel ellipse with first semi-axis a that
// passes through the offset (u, v) from its centre.
inline double semi_b(double a, double u, double v) { return std::sqrt(v * v / (1.0 - u * u / (a * a))); }

constexpr tagRSEG line(tagRPT a, tagRPT b) { return {a.x, a.y, b.x, b.y}; }
constexpr tagRCIR circ(tagRPT c, double r) { return {c.x, c.y, r}; }
constexpr tagRELL ell(tagRPT c, double a, double b, double rot) { return {c.x, c.y, a, b, rot}; }
constexpr tagRPT centre(const tagRELL& e) { return {e.x, e.y}; }

// P[dst..dst+n-1] := copies of P[src..src+n-1], one by one in that order.
inline void copy_pts(tagRPT* P, int dst, int src, int n)
{
    for (int i = 0; i < n; ++i) P[dst + i] = P[src + i];
}

// P[dst + i] := P[src + i] mirrored across the y axis (x negated), for i < n.
inline void mirror_pts(tagRPT* P, int dst, int src, int n)
{
    for (int i = 0; i < n; ++i) P[dst + i] = flip_x(P[src + i]);
}

// Two points returned by an intersection routine, in the routine's order.
struct Two {
    tagRPT p1, p2;
};

enum class Tie { first, second };

// Keep one of two points by the coordinate compared; on equal values the tie rule decides.
inline tagRPT larger_x(Two t, Tie tie = Tie::second)
{
    if (t.p1.x == t.p2.x) return tie == Tie::first ? t.p1 : t.p2;
    return t.p1.x > t.p2.x ? t.p1 : t.p2;
}
inline tagRPT smaller_x(Two t, Tie tie = Tie::second)
{
    if (t.p1.x == t.p2.x) return tie == Tie::first ? t.p1 : t.p2;
    return t.p1.x < t.p2.x ? t.p1 : t.p2;
}
inline tagRPT larger_y(Two t, Tie tie = Tie::second)
{
    if (t.p1.y == t.p2.y) return tie == Tie::first ? t.p1 : t.p2;
    return t.p1.y > t.p2.y ? t.p1 : t.p2;
}
inline tagRPT smaller_y(Two t, Tie tie = Tie::second)
{
    if (t.p1.y == t.p2.y) return tie == Tie::first ? t.p1 : t.p2;
    return t.p1.y < t.p2.y ? t.p1 : t.p2;
}

// Intersections. Where the routine finds nothing it leaves its result as it
// was; the caller's 'left' value is what the view then sees.
inline tagRPT cross(const tagRSEG& a, const tagRSEG& b, tagRPT left = {0, 0})
{
    tagRPT p = left;
    GCG064(&a, &b, &p);
    return p;
}
inline Two cross(const tagRSEG& l, const tagRCIR& c, Two left = {})
{
    tagRPT p[2] = {left.p1, left.p2};
    GCG065(&l, &c, p);
    return {p[0], p[1]};
}
inline Two cross(const tagRCIR& a, const tagRCIR& b, Two left = {})
{
    tagRPT p[2] = {left.p1, left.p2};
    GCG005(&a, &b, p);
    return {p[0], p[1]};
}
inline Two cross(const tagRSEG& l, const tagRELL& e, Two left = {})
{
    tagRPT p[2] = {left.p1, left.p2};
    GCG110(&l, &e, p);
    return {p[0], p[1]};
}
// Ellipse with ellipse (and circle with ellipse): the first two points the
// routine marks valid, in its order; missing ones stay at 'left'.
inline Two cross(const tagRELL& a, const tagRELL& b, Two left = {})
{
    tagRPT p[4] = {};
    int flag[4] = {};
    GCG111(&a, &b, p, flag);
    tagRPT* out[2] = {&left.p1, &left.p2};
    for (int i = 0, k = 0; i < 4 && k < 2; ++i)
        if (flag[i] == 1) *out[k++] = p[i];
    return left;
}
inline Two cross(const tagRCIR& c, const tagRELL& e, Two left = {})
{
    tagRPT p[4] = {};
    int flag[4] = {};
    GCG122(&c, &e, p, flag);
    tagRPT* out[2] = {&left.p1, &left.p2};
    for (int i = 0, k = 0; i < 4 && k < 2; ++i)
        if (flag[i] == 1) *out[k++] = p[i];
    return left;
}
