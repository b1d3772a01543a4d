// What the small 45-degree branch outlines (ar420a.cpp, ar420h.cpp) share:
// constants, size-pair groups, copies of the profile points, and the rims of
// run and branch as the views see them.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "branch45.h"
#include "elemout.h"
#include "hidden.h"
#include "outline.h"
#include "tee.h"

namespace small45 {

constexpr double k = 0.707106781;         // cos 45
constexpr double kRoot2 = 1.414213562;    // the branch drawn at full length over k-shortened points
constexpr double kRot6 = 54.73561032;     // branch axis in views 6 and 7
constexpr double kRot10 = 35.26438968;    // and in views 10 and 11

inline int view_no(const BZI_WRT_PRM* w) { return w->head->view_no; }

// A size pair, matched literally against the record's keys, and the group its
// outline list belongs to.
struct PairGroup {
    int16_t main, branch;
    int8_t group;
};

template <std::size_t N>
int group_of(const ARF_SIZE2* b, const PairGroup (&rows)[N], int otherwise = 0)
{
    for (const PairGroup& r : rows)
        if (r.main == b->main_size && r.branch == b->branch_size) return r.group;
    return otherwise;
}

// P[dst + i] := data[src + i] with y times fy, for i < n: profile points of a
// socket whose axis the view foreshortens.
inline void copy_scaled_y(tagRPT* P, int dst, int src, int n, double fy)
{
    for (int i = 0; i < n; ++i) P[dst + i] = {P[src + i].x, P[src + i].y * fy};
}

// A circle of radius r about the y axis at height y, seen with that axis
// foreshortened by k: r wide, k·r high.
constexpr tagRELL flat_rim(double y, double r) { return {0, y, r, k * r, 0}; }

// The run socket's rims in the views that foreshorten the run along y: outer
// step, end and start of the middle step, pipe end step and insertion depth.
struct RunRims {
    tagRELL o, m1, m0, p1, p0;
};
inline RunRims run_rims(const ARF_SIZE2* b)
{
    const double mid = 0.25 * (b->d2 + b->d1);
    return {flat_rim(k * (b->d5 - 0.6 * b->d4), 0.5 * b->d1), flat_rim(k * (b->d5 - 0.8 * b->d4), mid),
            flat_rim(k * (b->d5 - b->d4), mid), flat_rim(k * (b->d5 - 0.875 * b->d3), 0.5 * b->d2),
            flat_rim(k * (b->d5 - b->d3), 0.5 * b->d2)};
}

// The branch socket's rims in the axonometric views, about the turned axis
// points data[90..95]: a circle of radius R across the axis shows R/2 along
// the axis and R across it.
struct BranchRims {
    tagRELL p0, p1, m0, m1, o, e;
};
inline tagRELL axis_rim(tagRPT c, double r, double rot) { return ell(c, 0.5 * r, r, rot); }
inline BranchRims branch_rims(const tagRPT* Z, const ARF_SIZE2* b, double rot)
{
    const double pipe = 0.5 * b->d12, mid = 0.25 * (b->d12 + b->d11), outer = 0.5 * b->d11;
    return {axis_rim(Z[90], pipe, rot), axis_rim(Z[91], pipe, rot), axis_rim(Z[92], mid, rot),
            axis_rim(Z[93], mid, rot),  axis_rim(Z[94], outer, rot), axis_rim(Z[95], outer, rot)};
}

// The turned branch (data[70..95] after zahyoar1 mode 33 or 34): where its
// side lines pass under the next larger rim, into P50 and P51 (the middle
// step's lines under the outer rim) and P52 and P53 (the pipe end step's
// under the middle rim), each the crossing with the smaller y (the first on
// a tie); a miss keeps the unclipped end. Branch 100 and 125: the middle
// step's flat lines run on to the outer rim; 50 and 125: the pipe lines run
// on to the middle rim.
struct StepCuts {
    bool pipe_whole, mid_whole;
};
inline StepCuts step_cuts(tagRPT* P, const ARF_SIZE2* b, const BranchRims& e)
{
    const StepCuts s = {b->branch_size == 50 || b->branch_size == 125, b->branch_size == 100 || b->branch_size == 125};
    const tagRPT* Z = P;
    auto under = [](tagRPT a, tagRPT c, const tagRELL& r, tagRPT keep) {
        return smaller_y(cross(line(a, c), r, {keep, keep}), Tie::first);
    };
    P[50] = s.mid_whole ? under(Z[72], Z[73], e.o, Z[73]) : under(Z[74], Z[73], e.o, Z[74]);
    P[51] = s.mid_whole ? under(Z[79], Z[78], e.o, Z[78]) : under(Z[77], Z[78], e.o, Z[77]);
    P[52] = s.pipe_whole ? under(Z[70], Z[71], e.m0, Z[71]) : under(Z[72], Z[71], e.m0, Z[72]);
    P[53] = s.pipe_whole ? under(Z[81], Z[80], e.m0, Z[80]) : under(Z[79], Z[80], e.m0, Z[79]);
    return s;
}

// Seen along x with the branch coming towards the viewer (views 3), the
// curve where a branch pipe of radius r meets a run pipe of radius R >= r,
// both axes through the origin, is x = -r cos t, y = w + sqrt 2 r sin t, with
// w = sqrt(R^2 - r^2 cos^2 t) how far the run's surface stands out there. w is
// h(s) = sqrt(R^2 - r^2 + r^2 s^2) of s = |sin t|, convex in s; its best
// straight line c + m s (the chord's slope m, the chord lowered by half its
// largest gap) turns the curve's near half (sin t < 0) into the lower half of
// the ellipse about (0, c), r wide and sqrt 2 r - m deep: exact for equal
// pipes.
struct JointFit {
    double c, m;
};
// Fitted over s0 <= s <= 1 (s0 > 0 where the curve's ends matter less).
inline JointFit joint_fit(double R, double r, double s0 = 0.0)
{
    const double A = R * R - r * r;
    if (A <= 1e-6 * R * R) return {0.0, r};  // equal pipes, to the tables' rounding
    const double h0 = std::sqrt(A + r * r * s0 * s0), m = (R - h0) / (1.0 - s0);
    const double s = m * std::sqrt(A) / (r * std::sqrt(r * r - m * m));  // where h's slope is the chord's
    const double gap = h0 + m * (s - s0) - std::sqrt(A + r * r * s * s);
    return {h0 - m * s0 - 0.5 * gap, m};
}
// w's line is fitted over s >= 1/4 only: near s = 0 (the curve's ends in view
// 3, its left extreme in view 6) the error runs mostly along the curve. So
// fitted, view 3's arc stays within the drawings' tolerance of the curve for
// every catalogue pair, and view 6's arcs do but next to the left extreme,
// where they part from it by up to two and a half times that.
constexpr double kJointFrom = 0.25;
// That half ellipse for views 3, its ends at (-r, c) and (r, c).
inline tagRELL joint3(double R, double r)
{
    const JointFit f = joint_fit(R, r, kJointFrom);
    return {0.0, f.c, r, std::sqrt(2.0) * r - f.m, 0.0};
}

// Turned as views 6 and 7 turn the branch (x leaning 45 degrees about y),
// the same curve is (k (w - r cos t), w + sqrt 2 r sin t). With w = c + m |sin t|
// as above, its near half, from where the upper side line touches it (tan t =
// sqrt 2) round to the lower one, is two elliptic arcs, e[0] for sin t >= 0
// from 'up' to 'mid' (t = 0) and e[1] for sin t <= 0 from 'mid' to 'low', both
// counter-clockwise: exact for equal pipes.
struct Joint6 {
    tagRELL e[2];
    tagRPT up, mid, low;
};
inline Joint6 joint6(double R, double r)
{
    const JointFit f = joint_fit(R, r, kJointFrom);
    const double t = std::atan(std::sqrt(2.0)), ct = std::cos(t), st = std::sin(t);
    const tagRPT c = {k * f.c, f.c}, u = {-k * r, 0.0};
    const tagRPT v[2] = {{k * f.m, std::sqrt(2.0) * r + f.m}, {-k * f.m, std::sqrt(2.0) * r - f.m}};
    return {{tee::conjugate_ellipse(c, u, v[0]), tee::conjugate_ellipse(c, u, v[1])},
            c + ct * u + st * v[0],
            c + u,
            c - ct * u - st * v[1]};
}

// Views 3 and 4 of the small outlines: the branch socket standing along +y
// foreshortened by k (zahyoar1 mode 32, copied to P11..P24), its rims flat
// ellipses about the y axis.
struct View34 {
    const ARF_SIZE2* b;
    tagRPT e1;                   // the run's end-1 corner (d2/2, -d10)
    tagRELL ea, eb, ec, ed, ee;  // middle step start, outer step, middle step end, pipe end, end face
};
View34 view34(const ARF_SIZE2* b);
// The branch coming towards the viewer: where its side lines pass under the
// next larger rim, into P25..P30, P33, P34; its side lines; the lower (near)
// halves of its rims from the root up to the outer step; its end face with
// the bore.
void toward_cuts(tagRPT* P, const View34& v);
int toward_lines(Out& o, const View34& v);
// A reason (nullptr for none) declares the pipe-end rim's free ends; a joint
// (from P11 to P24) replaces the pipe's rim drawn at the root.
int toward_rims(Out& o, const View34& v, const char* pipe_end = nullptr, const tagRELL* joint = nullptr);
int toward_face(Out& o, const View34& v);

// The box of what a cover can hide: its corners and the whole ellipses of its
// curved stretches. An element whose box stays clear of it shows whole, so
// the exact trimmer need not look at it (what it writes is the same).
struct Box {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    void add(tagRPT q)
    {
        x0 = q.x < x0 ? q.x : x0, x1 = q.x > x1 ? q.x : x1;
        y0 = q.y < y0 ? q.y : y0, y1 = q.y > y1 ? q.y : y1;
    }
    // An ellipse's own box: half a·|cos| + ... as sqrt(a²c² + b²s²) across x.
    void add(const tagRELL& e)
    {
        double w = e.a < 0 ? -e.a : e.a, h = e.b < 0 ? -e.b : e.b;
        if (e.rot != 0) {
            const double r = e.rot * 3.14159265358979323846 / 180.0, c = std::cos(r), s = std::sin(r);
            const double a2 = w * w, b2 = h * h;
            w = std::sqrt(a2 * c * c + b2 * s * s), h = std::sqrt(a2 * s * s + b2 * c * c);
        }
        add(tagRPT{e.x - w, e.y - h});
        add(tagRPT{e.x + w, e.y + h});
    }
    bool meets(const Box& o) const { return x0 <= o.x1 && o.x0 <= x1 && y0 <= o.y1 && o.y0 <= y1; }
    bool inside(const Box& o) const { return x0 > o.x0 && x1 < o.x1 && y0 > o.y0 && y1 < o.y1; }
};
// The cover keeps that box itself as it grows.
inline Box box_of(const Cover& c) { return {c.lo.x, c.lo.y, c.hi.x, c.hi.y}; }
inline Box box_of(tagRPT a, tagRPT z)
{
    Box b;
    b.add(a);
    b.add(z);
    return b;
}
inline Box box_of(const tagRELL& e)
{
    Box b;
    b.add(e);
    return b;
}
// A cover of four corners and no curves is a rectangle when its box has
// them all for corners: what lies within that box it hides whole.
inline bool rectangle(const Cover& c, const Box& cb)
{
    if (c.n != 4 || c.n_arcs != 0) return false;
    for (int i = 0; i < 4; ++i)
        if ((c.p[i].x != cb.x0 && c.p[i].x != cb.x1) || (c.p[i].y != cb.y0 && c.p[i].y != cb.y1)) return false;
    return c.p[0].x != c.p[2].x && c.p[0].y != c.p[2].y;
}
// Segment a-b, and the elliptic arc of e from s to t, written where cover c
// (of box cb) leaves them uncovered.
inline int seg_beside(Out& o, const Cover& c, const Box& cb, tagRPT a, tagRPT z)
{
    const Box eb = box_of(a, z);
    if (!cb.meets(eb)) return o.seg(a, z);
    return eb.inside(cb) && rectangle(c, cb) ? 0 : seg_outside(o, c, a, z);
}
inline int earc_beside(Out& o, const Cover& c, const Box& cb, const tagRELL& e, tagRPT s, tagRPT t)
{
    const Box eb = box_of(e);
    if (!cb.meets(eb)) return o.earc(e, s, t);
    return eb.inside(cb) && rectangle(c, cb) ? 0 : earc_outside(o, c, e, s, t);
}

// Views 6 and 7 of the small outlines: the branch turned axonometrically
// (zahyoar1 mode 33, data[70..95]) with its rims, the rim where its pipe
// leaves the run (ends 'up' and 'low' on the pipe lines) and where its side
// lines pass under the next larger rims (P50..P53).
struct Turned {
    BranchRims e;
    tagRELL root;
    tagRPT up, low;
    bool pipe_whole, mid_whole;
    // Set where the joint is drawn as joint6's two arcs: root from 'up' to
    // 'mid', root2 from 'mid' to 'low'.
    bool split = false;
    tagRELL root2 = {};
    tagRPT mid = {};
};
Turned turned_branch(tagRPT* P, const ARF_SIZE2* b);
// The turned branch's outline, as the cover of what lies behind it (view 6).
void turned_cover(Cover& c, const Turned& v);
// Its elements: in front (view 6) whole, else (view 7) each trimmed where the
// cover c of the run hides it. A reason (nullptr for none) declares the free
// ends of the rims that may stop short of the side lines they meet.
int turned_elements(Out& o, const Cover& c, Turned v, const ARF_SIZE2* b, bool front, const char* rims = nullptr);

}  // namespace small45
