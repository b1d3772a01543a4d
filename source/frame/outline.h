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

// Keep one of two points by the coordinate compared (c1 of the first point,
// c2 of the second); on equal values the tie rule decides.
inline tagRPT pick(Two t, Tie tie, double c1, double c2, bool larger)
{
    if (c1 == c2) return tie == Tie::first ? t.p1 : t.p2;
    return (larger ? c1 > c2 : c1 < c2) ? t.p1 : t.p2;
}
inline tagRPT larger_x(Two t, Tie tie = Tie::second) { return pick(t, tie, t.p1.x, t.p2.x, true); }
inline tagRPT smaller_x(Two t, Tie tie = Tie::second) { return pick(t, tie, t.p1.x, t.p2.x, false); }
inline tagRPT larger_y(Two t, Tie tie = Tie::second) { return pick(t, tie, t.p1.y, t.p2.y, true); }
inline tagRPT smaller_y(Two t, Tie tie = Tie::second) { return pick(t, tie, t.p1.y, t.p2.y, false); }

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
inline Two first_two_valid(const tagRPT (&p)[4], const int (&flag)[4], Two left)
{
    tagRPT* out[2] = {&left.p1, &left.p2};
    for (int i = 0, k = 0; i < 4 && k < 2; ++i)
        if (flag[i] == 1) *out[k++] = p[i];
    return left;
}
inline Two cross(const tagRELL& a, const tagRELL& b, Two left = {})
{
    tagRPT p[4] = {};
    int flag[4] = {};
    GCG111(&a, &b, p, flag);
    return first_two_valid(p, flag, left);
}
inline Two cross(const tagRCIR& c, const tagRELL& e, Two left = {})
{
    tagRPT p[4] = {};
    int flag[4] = {};
    GCG122(&c, &e, p, flag);
    return first_two_valid(p, flag, left);
}

// P[dst + i] := P[src - i] mirrored across the x axis (y negated), for i < n:
// the far side of a profile, walked back from its last point.
inline void mirror_back_pts(tagRPT* P, int dst, int src, int n)
{
    for (int i = 0; i < n; ++i) P[dst + i] = flip_y(P[src - i]);
}

// A circle of radius r standing across the x axis at x = cx, seen with x
// foreshortened by the factor f: an ellipse f·r wide and r high.
constexpr tagRELL slant_rim(double cx, double r, double f) { return {cx, 0, r * f, r, 0}; }

// P[dst + i] := P[src - i] mirrored across the y axis (x negated), for i < n:
// the other side of a profile standing on the y axis, walked back from its last point.
inline void flip_x_back_pts(tagRPT* P, int dst, int src, int n)
{
    for (int i = 0; i < n; ++i) P[dst + i] = flip_x(P[src - i]);
}

// P[first .. first+n-1] turned about the origin by theta radians (counter-clockwise).
inline void turn_pts(tagRPT* P, int first, int n, double theta)
{
    const double c = std::cos(theta), s = std::sin(theta);
    for (int i = first; i < first + n; ++i) P[i] = {P[i].x * c - P[i].y * s, P[i].y * c + P[i].x * s};
}

// Of every point the ellipse pair's crossing marks valid, the one with the
// smallest x (p1) and the one with the largest x (p2): the first valid point
// sets both, each later one replaces p1 when its x is smaller and p2 when its
// x is larger. Where the ellipses do not meet both stay at 'left'.
inline Two x_extremes(const tagRELL& a, const tagRELL& b, Two left)
{
    tagRPT p[4] = {};
    int flag[4] = {};
    GCG111(&a, &b, p, flag);
    bool first = true;
    for (int i = 0; i < 4; ++i) {
        if (flag[i] != 1) continue;
        if (first || p[i].x < left.p1.x) left.p1 = p[i];
        if (first || p[i].x > left.p2.x) left.p2 = p[i];
        first = false;
    }
    return left;
}

// The point of line l as far from a as from b (a bend's arc centre on its
// bend-start line): two equal circles of radius r about a and b cross on the
// perpendicular bisector of a-b, and l meets that. The two crossings go to
// scratch[0], scratch[1], where the host's routine leaves them.
inline tagRPT equidistant_on(tagRPT a, tagRPT b, double r, const tagRSEG& l, tagRPT* scratch)
{
    const Two m = cross(circ(a, r), circ(b, r));
    scratch[0] = m.p1;
    scratch[1] = m.p2;
    return cross(line(scratch[0], scratch[1]), l);
}
