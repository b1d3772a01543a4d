// What every 90-degree tee outline shares.
//
// Local frame: the run lies on the y axis, end 1 (the plain run end) at
// y = -d10, end 2 towards +y; the branch (end 3) leaves towards +x. Points are
// computed into the host's scratch array (Pn is data[n]); the profile routine
// leaves a socket end in data[70..85], so an outline copies what it needs out
// of there before asking for the next one. P' is P mirrored across the run
// axis: the run's far side.
//
// The branch leaves the run along a 45-degree leg whose axis passes through
// (0, -d9), then turns level into the branch socket. The crotch is the inner
// side of that turn: the leg's lower side line rises from the run side at P26
// until it meets the crotch circle F at P28; P27 lies across the leg from P28;
// the inner and outer turns are arcs about P30 and P29.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

#include "arfroutines.h"
#include "elemout.h"
#include "outline.h"

namespace tee {

using B = ARF_SIZE2;

constexpr double kRoot2 = 1.414213562;  // stored; some constructions take sqrt(2.0) instead
constexpr double k = 0.707106781;       // cos 45, stored
constexpr double k4 = 0.7071;           // the shorter cos 45 the crotch and the openings use

inline int view_no(const BZI_WRT_PRM* w) { return w->head->view_no; }

// The prime of a point: mirrored across the run axis.
constexpr tagRPT prime(tagRPT p) { return flip_x(p); }

// Branch profile as the profile routine left it: P22 its axis point, P8..P21
// the socket outline (P8 and P19 the pipe at its end, P13-P14 the end face,
// P20-P21 the pipe mark inside the middle step).
inline void branch_points(tagRPT* P)
{
    P[22] = P[70];
    copy_pts(P, 8, 71, 14);
}

// Of two points, the one that is not p (the second when both are p).
inline tagRPT other(Two t, tagRPT p) { return t.p1.x == p.x && t.p1.y == p.y ? t.p2 : t.p1; }

// A line with a circle where the outline asks whether they met: the host's
// result and the two points (left at 'left' when it found none).
struct Met {
    int res;
    Two t;
};
inline Met meet(const tagRSEG& l, const tagRCIR& c, Two left = {})
{
    tagRPT p[2] = {left.p1, left.p2};
    const int res = GCG065(&l, &c, p);
    return {res, {p[0], p[1]}};
}

// Where the 45-degree leg's axis, the line through (0, -y0) and (x0, 0),
// crosses line p-q. Views 1 to 7 take y0 = x0 = d9; views 10 and 11 see the
// run inclined and shorten y0 by sqrt 2.
inline tagRPT leg_axis_at(double x0, double y0, tagRPT p, tagRPT q)
{
    return cross(line({0, -y0}, {x0, 0}), line(p, q));
}

// The leg's side lines leave the run side at P25 (upper) and P26 (lower),
// either side of the leg axis P24: the pipe diameter d12 cut at 45 degrees.
inline void leg_sides(tagRPT* P, double d12)
{
    P[25] = {P[24].x, P[24].y + d12 * kRoot2 * 0.5};
    P[26] = {P[24].x, P[24].y - kRoot2 * d12 * 0.5};
}

// Crotch circle F about x = cx whose top touches the branch axis: a run of 125
// or a branch as large as the run takes the whole crotch radius d16 as its
// diameter, any other pair the part of it beyond the branch pipe.
inline tagRCIR crotch_circle(const B* b, double cx)
{
    if (b->main_size == 125 || b->main_size == b->branch_size) return {cx, -0.5 * b->d16, 0.5 * b->d16};
    return {cx, (b->d12 - b->d16) * 0.5, 0.5 * (b->d16 - b->d12)};
}

// The large-run tee's crotch circle: radius d16 whatever the sizes.
inline tagRCIR crotch_circle_large(const B* b, double cx) { return {cx, 0.5 * (b->d12 - b->d16), b->d16}; }

// P28: the leg's lower side line, rising at 45 degrees from P26 (through
// (P26.x - P26.y, y2)), where it first meets F.
inline tagRPT crotch_foot(tagRPT p26, const tagRCIR& F, double y2 = 0)
{
    return smaller_x(cross(line(p26, {p26.x - p26.y, y2}), F));
}

// P27: across the leg from P28, one pipe diameter up the 45-degree normal.
inline tagRPT crotch_top(tagRPT p28, double d12) { return {p28.x - d12 * k4, k4 * d12 + p28.y}; }

// Centres of the outer turn (P29, radius d12/2 + d16, through P27 and the
// branch pipe P8) and the inner turn (P30, radius d16, through P28 and P19).
inline double outer_turn(const B* b) { return b->d12 * 0.5 + b->d16; }
inline void turn_centres(tagRPT* P, const B* b)
{
    const double r1 = outer_turn(b);
    P[29] = larger_x(cross(circ(P[27], r1), circ(P[8], r1)));
    P[30] = larger_x(cross(circ(P[28], b->d16), circ(P[19], b->d16)));
}

// The socket end's outline P[a] .. P[z]; the step leaving P[face] is the end face.
inline int profile_run(Out& o, const tagRPT* P, int a, int z, int face, int face_code)
{
    for (int n = a; n < z; ++n)
        if (o.code(n == face ? face_code : kBody).seg(P[n], P[n + 1])) return 1;
    o.code(kBody);
    return 0;
}

// The same run mirrored across the run axis.
inline int profile_run_primed(Out& o, const tagRPT* P, int a, int z)
{
    for (int n = a; n < z; ++n)
        if (o.seg(prime(P[n]), prime(P[n + 1]))) return 1;
    return 0;
}

// An ellipse given by two conjugate half-diameters u and v about c (the
// points c + u cos t + v sin t): its semi-axes and rotation.
inline tagRELL conjugate_ellipse(tagRPT c, tagRPT u, tagRPT v)
{
    const double sxx = u.x * u.x + v.x * v.x, syy = u.y * u.y + v.y * v.y, sxy = u.x * u.y + v.x * v.y;
    const double mean = 0.5 * (sxx + syy), half = std::sqrt(0.25 * (sxx - syy) * (sxx - syy) + sxy * sxy);
    const double rot = 0.5 * std::atan2(2.0 * sxy, sxx - syy);
    return ell(c, std::sqrt(mean + half), std::sqrt(std::max(0.0, mean - half)), rot * 180.0 / std::numbers::pi);
}

}  // namespace tee
