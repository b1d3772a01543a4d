// Outlines of the 90-degree tee with a stepped hub at the run's end 2: a
// socketed branch up to 125 (the "s" functions) and a large plain branch
// joined to the run through a bend (the "b" functions, from the large-branch
// socket block as well as the record). The entry's dispatchers choose them by
// the branch size alone.
#pragma once

#include "arfroutines.h"
#include "tee.h"

int jarf92lc_v1s(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v2s(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v3s(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v6s(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v10s(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v1b(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v2b(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v3b(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v6b(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);
int jarf92lc_v10b(BZI_WRT_PRM* w, const ALF_SIZE* a, const ARF_SIZE2* b);

// Whether a view code takes the large-branch outline: views 1 to 5 for every
// branch above 125, the inclined views only from 150.
constexpr bool lco_large(int view, int branch)
{
    const bool inclined = view == 6 || view == 7 || view == 10 || view == 11;
    return inclined ? branch >= 150 : branch > 125;
}

// The bolt circle the host marks on the hub's face in view 5, by run size:
// its diameter, number of holes and hole width (none for other sizes).
struct BoltCircle {
    double a;
    int n;
    double w;
};
constexpr BoltCircle lco_bolts(int main_size)
{
    switch (main_size) {
    case 80: return {150.0, 8, 19.0};
    case 100: return {175.0, 8, 19.0};
    case 125: return {210.0, 8, 23.0};
    case 150: return {240.0, 8, 23.0};
    case 200: return {290.0, 12, 23.0};
    default: return {0.0, 0, 0.0};
    }
}

namespace lco {

using namespace tee;

// The run in view 1 up to its hub: P0 the end-1 centre, P1 its near corner,
// P2 where the pipe enters the hub's foot, P3 to P6 the hub, P7 = P2', P31 =
// P1', and P32-P33 the hub's mid line.
inline void hub_points(tagRPT* P, const B* b)
{
    P[0] = {0, -b->d10};
    P[1] = {-b->d2 / 2, -b->d10};
    P[2] = {P[1].x, b->d4 - b->d3};
    P[3] = {-0.5 * b->d1, P[2].y};
    P[4] = {P[3].x, b->d3 + b->d3 + P[3].y};
    P[5] = prime(P[4]);
    P[6] = {-P[4].x, P[2].y};
    P[7] = prime(P[2]);
    P[31] = prime(P[1]);
    P[32] = {P[3].x, P[3].y + b->d3};
    P[33] = {P[6].x, P[6].y + b->d3};
}

// The hub's outline from P2 round to P7, its top face (P4-P5) end 2.
inline int hub_side(Out& o, const tagRPT* P) { return profile_run(o, P, 2, 7, 4, kEnd2); }

// The hub's lines across the run: its foot and its mid line.
inline int hub_lines(Out& o, const tagRPT* P) { return o.code(kBody).seg(P[2], P[7]) || o.seg(P[32], P[33]); }

// The run standing on the y axis with its hub, seen from across (views 3 and
// 4): its sides cut where a circle about the origin in front crosses them (at
// P22 below, P23 above on the near side, when 'cut'), end 1, the hub's lines.
inline int run_upright(Out& o, const tagRPT* P, bool cut)
{
    const int sides = cut ? o.code(kBody).seg(P[1], P[22]) || o.seg(P[23], P[2]) || hub_side(o, P) ||
                                o.seg(P[7], prime(P[23])) || o.seg(prime(P[22]), P[31])
                          : o.code(kBody).seg(P[1], P[2]) || hub_side(o, P) || o.seg(P[7], P[31]);
    return sides || o.code(kEnd1).seg(P[31], P[1]) || hub_lines(o, P);
}

// Seen from behind the run (view 4), a rim about the origin wider than the
// run shows as two arcs beyond its sides, from the crossings P22 and P23.
inline int rim_beside_run(Out& o, const tagRPT* P, double radius)
{
    return o.code(kEnd3).arc({0, 0}, radius, P[23], P[22]) || o.arc({0, 0}, radius, prime(P[22]), prime(P[23]));
}

// The run and hub seen with the run receding at 45 degrees (views 10 and
// 11): heights along the run shortened by cos 45, circles about the run axis
// ellipses r wide and r cos 45 high. The hub's sides, and its rims' halves
// that show: facing end 1 (view 10) the hub's foot face shows, with the near
// halves of its rims, and its lower rim's far half beside the pipe (P34 and
// P35 where it meets the pipe's sides; the right one shows from far_from,
// P35 unless the branch hides more); facing the hub (view 11) its top face
// and the near halves of its lower rims show, and end 1 its far half.
inline tagRELL run_rim(double y, double r) { return ell({0, y}, r, r * k, 0); }
inline void hub_points_receding(tagRPT* P, const B* b)
{
    hub_points(P, b);
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 31, 32, 33}) P[i].y *= k;
    P[34] = smaller_y(cross(line(P[1], P[2]), run_rim(P[3].y, b->d1 / 2)));
    P[35] = prime(P[34]);
}
inline int hub_receding(Out& o, const tagRPT* P, const B* b, bool v10, tagRPT far_from)
{
    const double R = b->d1 / 2, r = b->d2 / 2;
    const tagRELL top = run_rim(P[4].y, R), foot = run_rim(P[3].y, R), mid = run_rim(P[32].y, R);
    if (o.code(kBody).seg(P[3], P[4]) || o.seg(P[6], P[5])) return 1;
    if (v10)
        return o.earc(run_rim(P[2].y, r), P[7], P[2]) || o.earc(foot, P[6], P[3]) ||
               o.earc(foot, P[3], P[34]) || o.earc(foot, far_from, P[6]) || o.earc(mid, P[33], P[32]) ||
               o.code(kEnd2).earc(top, P[5], P[4]) ||
               o.code(kEnd1).ellipse(run_rim(P[1].y, r)) || o.ellipse(run_rim(P[1].y, r - b->d7));
    return o.earc(foot, P[3], P[6]) || o.earc(mid, P[32], P[33]) ||
           o.code(kEnd2).ellipse(top) || o.ellipse(run_rim(P[4].y, r - b->d7)) ||
           o.code(kEnd1).earc(run_rim(P[1].y, r), P[1], P[31]);
}

}  // namespace lco
