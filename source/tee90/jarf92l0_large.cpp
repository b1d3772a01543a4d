// The 90-degree tee above 125.
//
// Large branch ("b"): a plain run of diameter d1 from y = -d10 to y = d5 and
// a plain branch of diameter d11 that leaves the run along the 45-degree leg
// (axis through (0, -d9)), turns level in a bend of centre-line radius d2
// about P12 = (d8 - d13, -d2), and ends at x = d8.
//
// Large run ("m"): the small tee's branch with its socket (profile mode 40 or
// 41) on a plain run of diameter d2 from y = -d10 to y = d5.
//
// Views 1 and, for the large run, 2 and 5 are the fitting's own; the other
// views are drawn from that shape seen along each view code's direction, the
// way the small tee draws the same code.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ar920a.h"
#include "jarf92l0.h"
#include "tee.h"

using namespace tee;

namespace {

constexpr int kSeam = 2;
constexpr double kS = kRoot2;

// ---------------------------------------------------------------------------
// Large branch, view 1 points: the run's corners P0 (end 2, left), P1, P2
// (end 1) and P11 (end 2, right); the leg's lower and upper side lines meet
// the run side at P3 and P10 and the bend at P4 and P9 (the 45-degree seam);
// the bend's level end P5-P8 and the branch end face P6-P7.
void bend_points(tagRPT* P, const B* b)
{
    P[12] = {b->d8 - b->d13, -b->d2};
    P[0] = {-b->d1 / 2, (b->d5 - b->d9) + b->d9};
    P[1] = {P[0].x, -b->d10};
    P[2] = {b->d1 / 2, P[1].y};
    P[3] = {P[2].x, b->d1 * 0.5 - b->d9 - b->d11 / kS};
    P[4] = {P[12].x - (b->d2 - b->d11 * 0.5) / kS, (b->d2 - b->d11 * 0.5) / kS + P[12].y};
    P[5] = {P[12].x, -b->d11 * 0.5};
    P[6] = {b->d8, P[5].y};
    P[7] = {b->d8, b->d11 * 0.5};
    P[8] = {P[12].x, P[7].y};
    P[9] = {P[12].x - (b->d11 * 0.5 + b->d2) / kS, (b->d11 * 0.5 + b->d2) / kS + P[12].y};
    P[10] = {P[2].x, b->d11 / kS + (0.5 * b->d1 - b->d9)};
    P[11] = {P[2].x, P[0].y};
}

// The bend's centre-line point at the 45-degree seam: x and y.
double seam_x(const B* b) { return (b->d8 - b->d13) - b->d2 / kS; }
double seam_y(const B* b) { return -b->d2 + b->d2 / kS; }

}  // namespace

int jarf92l0_v1b(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    bend_points(P, b);
    const double rho = b->d11 * 0.5;
    Out o(w);
    // Both run end faces carry end 1's code, and the end-2 face is drawn again as a seam line.
    return o.code(kBody).seg(P[0], P[1]) || o.code(kEnd1).seg(P[1], P[2]) ||
           o.code(kBody).seg(P[2], P[3]) || o.seg(P[3], P[4]) || o.seg(P[5], P[6]) ||
           o.code(kEnd3).seg(P[6], P[7]) ||
           o.code(kBody).seg(P[7], P[8]) || o.seg(P[9], P[10]) || o.seg(P[10], P[11]) ||
           o.code(kEnd1).seg(P[0], P[11]) ||
           o.code(kBody).arc(P[12], rho + b->d2, P[8], P[9]) || o.arc(P[12], b->d2 - rho, P[5], P[4]) ||
           o.style(kSeam).seg(P[4], P[9]) || o.seg(P[5], P[8]) || o.seg(P[0], P[11]) ||
           o.earc({P[2].x, b->d1 * 0.5 - b->d9}, 0.5 * (b->d11 / kS), b->d11 / kS, 0, P[10], P[3]);
}

// Views 2 and 5, large branch: looking along the run, its plain end a circle
// about the origin (end 1 in view 2, end 2 in view 5, each with its bore).
// Everything of the branch lies in the plane of the run axis, so it shows as
// a band as wide as the branch from the run circle to the end face at x = d8:
// the bend's level seam a line across it, its 45-degree seam a circle seen
// 45 degrees off, of which the half towards the viewer shows.
int jarf92l0_v2b(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    const bool v2 = view_no(w) == 2;
    const double R = b->d1 * 0.5, rho = b->d11 * 0.5, xs = seam_x(b);
    P[0] = {0, 0};
    P[1] = larger_x(cross(line({0, rho}, {b->d8, rho}), circ(P[0], R)));
    P[2] = {b->d8, rho};
    P[3] = flip_y(P[2]);
    P[4] = flip_y(P[1]);
    P[5] = {b->d8 - b->d13, rho};
    P[6] = flip_y(P[5]);
    const int end = v2 ? kEnd1 : kEnd2;
    const tagRPT top = {xs, rho}, bottom = {xs, -rho};
    Out o(w);
    return o.code(kBody).seg(P[1], P[2]) || o.code(kEnd3).seg(P[2], P[3]) || o.code(kBody).seg(P[3], P[4]) ||
           o.code(end).circle(P[0], R) ||
           o.code(kBody).style(kSeam).seg(P[5], P[6]) || o.code(end).circle(P[0], R - b->d7) ||
           o.code(kBody).earc({xs, 0}, rho * k, rho, 0, v2 ? bottom : top, v2 ? top : bottom);
}

// Views 3 and 4, large branch: looking along the branch, the run standing on
// the y axis. View 3 faces the branch end: its rim about the origin, drawn in
// two halves that meet the leg's side lines at x = +-rho; the leg runs down
// from there to the opening on the run (an ellipse rho wide, rho sqrt 2 high
// about y = d1/2 - d9, its lower half showing) and carries the bend's
// 45-degree seam, seen 45 degrees off. In view 4 the run, at least as wide
// as the branch, hides all of it.
int jarf92l0_v3b(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    const double R = b->d1 * 0.5, rho = b->d11 * 0.5;
    P[1] = {-R, -b->d10};
    P[2] = {-R, b->d5};
    P[3] = {R, b->d5};
    P[4] = {R, -b->d10};
    Out o(w);
    if (o.code(kBody).seg(P[1], P[2]) || o.code(kEnd2).seg(P[2], P[3]) || o.code(kBody).seg(P[3], P[4]) ||
        o.code(kEnd1).seg(P[4], P[1]))
        return 1;
    if (view_no(w) != 3) return 0;
    const double yo = R - b->d9, ys = seam_y(b);
    P[5] = {-rho, yo};
    P[6] = {rho, yo};
    P[7] = {-rho, 0};
    P[8] = {rho, 0};
    return o.code(kBody).style(kSeam).seg(P[5], P[7]) || o.seg(P[6], P[8]) ||
           o.earc({0, yo}, rho, b->d11 / kS, 0, P[5], P[6]) ||
           o.earc({0, ys}, rho, rho * k, 0, {-rho, ys}, {rho, ys}) ||
           o.code(kEnd3).earc({0, 0}, rho, rho, 0, P[8], P[7]) || o.earc({0, 0}, rho, rho, 0, P[7], P[8]);
}

// Views 6 and 7, large branch: the tee turned about its run so the branch
// recedes at 45 degrees, as the small tee shows it: the run as in view 1, the
// branch's view-1 outline with x shortened by 0.707 (the bend's arcs become
// elliptic arcs about the shortened centre), rims about the branch axis
// ellipses 0.707 as wide as high. The leg's side lines start where the small
// tee starts its own, on the run side shortened (x = 0.707 d1/2). View 6 sees
// the branch end in front of the run, which the branch then hides between the
// leg's side lines; in view 7 the branch lies behind the run and its lines
// end on the run's side. The run's end faces carry their own ends' codes, as
// in the other designed views of this fitting.
int jarf92l0_v6b(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    const bool v6 = view_no(w) == 6;
    const double R = b->d1 * 0.5, rho = b->d11 * 0.5;
    bend_points(P, b);
    auto shortened = [](tagRPT p) { return tagRPT{k * p.x, p.y}; };
    const tagRPT c = shortened(P[12]);
    for (int i : {4, 5, 6, 7, 8, 9}) P[20 + i] = shortened(P[i]);  // P24..P29
    P[13] = {k * R, P[3].y};                                         // the leg's lower side on the run
    P[30] = {k * R, P[10].y};                                        // and its upper side
    const tagRELL inner = ell(c, k * (b->d2 - rho), b->d2 - rho, 0);
    const tagRELL outer = ell(c, k * (b->d2 + rho), b->d2 + rho, 0);
    const tagRSEG side = line(P[2], P[11]);
    P[14] = cross(side, line(P[13], P[24]));
    // Where the run side meets the branch's upper outline: on the leg's side
    // line, or on the bend's outer arc when the bend reaches over the run.
    const bool upper_leg = P[29].x >= R;
    P[15] = upper_leg ? cross(side, line(P[30], P[29])) : larger_y(cross(side, outer), Tie::first);

    // The bend's 45-degree seam: a circle about the leg axis through the
    // bend's ends P4 and P9, seen as the ellipse with the shortened chord
    // P24-P29 and the radius across the branch's plane (0.707 rho wide) as
    // conjugate half-diameters; the half towards the viewer shows, the left
    // in view 6 and the right in view 7.
    const tagRPT u = 0.5 * (P[29] - P[24]), v = {(v6 ? -k : k) * rho, 0};
    const tagRELL seam = conjugate_ellipse(mid(P[24], P[29]), u, v);
    tagRPT s0 = v6 ? P[29] : P[24], s1 = v6 ? P[24] : P[29];
    // Behind the run in view 7, the seam shows only beyond the run's side.
    if (!v6 && s1.x < R) s1 = larger_y(cross(side, seam), Tie::first);

    Out o(w);
    if (o.code(kBody).seg(P[0], P[1]) || o.code(kEnd1).seg(P[1], P[2]) ||
        o.code(kBody).seg(P[2], v6 ? P[14] : P[11]) ||
        o.seg(v6 ? P[13] : P[14], P[24]) || o.earc(inner, P[25], P[24]) ||
        o.seg(P[25], P[26]) || o.seg(P[28], P[27]))
        return 1;
    if (v6 || upper_leg) {
        if (o.earc(outer, P[28], P[29]) || o.seg(v6 ? P[30] : P[15], P[29])) return 1;
    } else if (o.earc(outer, P[28], P[15])) {
        return 1;
    }
    if ((v6 && o.seg(P[15], P[11])) || o.code(kEnd2).seg(P[11], P[0])) return 1;
    const tagRELL mouth = slant_rim(P[26].x, rho, k);
    if (v6)
        return o.code(kEnd3).ellipse(mouth) ||
               o.style(kSeam).ellipse(slant_rim(P[26].x, rho - b->d17, k)) ||
               o.code(kBody).earc(slant_rim(P[25].x, rho, k), P[28], P[25]) ||
               o.earc(seam, s0, s1) ||
               o.earc({k * R, b->d1 * 0.5 - b->d9}, 0.5 * k * (b->d11 / kS), b->d11 / kS, 0, P[30], P[13]);
    return o.code(kEnd3).earc(mouth, P[26], P[27]) ||
           o.code(kBody).style(kSeam).earc(slant_rim(P[25].x, rho, k), P[25], P[28]) ||
           (s0.x >= R && o.earc(seam, s0, s1));
}

// Views 10 and 11, large branch: the tee turned about the branch axis so the
// run recedes at 45 degrees, as the small tee shows it: lengths along the run
// shortened by sqrt 2, the run's end rims ellipses d1/2 wide and d1/2 / sqrt 2
// high, the branch with its bend as in view 1. The leg's side lines run from
// the bend to the run side either side of the shortened leg axis, d11/2 /
// 0.8165 away, and the opening between them is half an ellipse as in view 1.
// View 10 faces end 1, view 11 end 2: the front end shows its whole rim (the
// near half a seam line) and its bore, the far end the far half of its rim.
int jarf92l0_v10b(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    const bool v10 = view_no(w) == 10;
    const double R = b->d1 * 0.5, rho = b->d11 * 0.5;
    bend_points(P, b);
    const tagRPT a0 = {-R, b->d5 / kS}, a1 = {-R, -b->d10 / kS}, a2 = prime(a1), a3 = prime(a0);
    const tagRPT X = leg_axis_at(b->d9, b->d9 / kS, a2, a3);
    // The leg seen at its slope in this view is d11/2 / 0.8165 high on the run
    // side; on the shortest runs of the largest pairs that would reach past
    // end 1, so the opening then ends on the end's rim.
    const double half_leg = std::min(rho / 0.816496581, X.y - a2.y);
    const bool run_below = X.y - half_leg > a2.y;
    P[13] = {R, X.y - half_leg};
    P[14] = {R, X.y + half_leg};
    auto rim = [&](tagRPT p, double r) { return ell({0, p.y}, r, r / kS, 0); };
    const tagRPT front = v10 ? a1 : a0;
    Out o(w);
    return o.code(kBody).seg(a0, a1) || (run_below && o.seg(a2, P[13])) || o.seg(P[13], P[4]) || o.seg(P[5], P[6]) ||
           o.code(kEnd3).seg(P[6], P[7]) ||
           o.code(kBody).seg(P[7], P[8]) || o.seg(P[9], P[14]) || o.seg(P[14], a3) ||
           o.arc(P[12], rho + b->d2, P[8], P[9]) || o.arc(P[12], b->d2 - rho, P[5], P[4]) ||
           o.code(kEnd1).earc(rim(a1, R), a1, a2) || o.code(kEnd2).earc(rim(a0, R), a3, a0) ||
           o.style(kSeam).code(v10 ? kEnd1 : kEnd2).earc(rim(front, R), v10 ? a2 : a0, v10 ? a1 : a3) ||
           o.ellipse(rim(front, R - b->d7)) ||
           o.code(kBody).earc({R, X.y}, 0.5 * (b->d11 / kS), half_leg, 0, P[14], P[13]) ||
           o.seg(P[4], P[9]) || o.seg(P[5], P[8]);
}

// ---------------------------------------------------------------------------
// Large run.

int jarf92l0_v1m(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    P[1] = {-b->d2 / 2, -b->d10};
    P[2] = {-b->d2 / 2, b->d5};
    P[3] = prime(P[2]);
    P[31] = {b->d2 / 2, P[1].y};
    if (zahyoar1(40, 0, b)) return 1;
    branch_points(P);
    const tagRPT X = leg_axis_at(b->d9, b->d9, P[3], P[31]);
    P[24] = {P[31].x, X.y};
    leg_sides(P, b->d12);
    P[28] = crotch_foot(P[26], crotch_circle_large(b, P[19].x));
    P[27] = crotch_top(P[28], b->d12);
    turn_centres(P, b);
    Out o(w);
    return o.code(kBody).seg(P[1], P[2]) || o.code(kEnd2).seg(P[2], P[3]) ||
           o.code(kBody).seg(P[3], P[25]) || o.seg(P[25], P[27]) ||
           profile_run(o, P, 8, 19, 13, kEnd3) ||
           o.seg(P[26], P[28]) || o.seg(P[26], P[31]) || o.seg(P[31], P[1]) ||
           o.arc(P[29], outer_turn(b), P[8], P[27]) || o.arc(P[30], b->d16, P[19], P[28]) ||
           o.style(kSeam).seg(P[12], P[15]) || o.seg(P[8], P[19]) || o.seg(P[20], P[21]) || o.seg(P[27], P[28]) ||
           o.earc(P[24], 0.2 * b->d12, k4 * b->d12, 0, P[25], P[26]);
}

int jarf92l0_v2m(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    const bool v2 = view_no(w) == 2;
    if (zahyoar1(40, 0, b)) return 1;
    P[0] = {0, 0};
    copy_pts(P, 1, 71, 14);
    P[17] = larger_x(cross(line(P[1], P[2]), circ(P[0], b->d2 * 0.5)));
    P[18] = flip_y(P[17]);
    const tagRPT X = leg_axis_at(b->d9, b->d9, {b->d2 * 0.5, b->d4 - b->d3}, {b->d2 * 0.5, -b->d10});
    P[24] = {b->d2 * 0.5, X.y};
    P[26] = {P[24].x, X.y - b->d12 * kRoot2 * 0.5};
    P[28] = crotch_foot(P[26], crotch_circle_large(b, b->d15 - b->d13));
    const double xc = P[28].x - b->d12 * 0.5 * k;
    const tagRPT top = {xc, P[1].y}, bottom = {xc, P[12].y};
    const int end = v2 ? kEnd1 : kEnd2;
    Out o(w);
    return profile_run(o, P, 1, 12, 6, kEnd3) || o.seg(P[12], P[18]) ||
           o.code(end).circle(P[0], b->d2 * 0.5) ||
           o.code(kBody).seg(P[1], P[17]) ||
           o.style(kSeam).seg(P[1], P[12]) || o.seg(P[5], P[8]) || o.seg(P[13], P[14]) ||
           o.code(end).circle(P[0], b->d2 * 0.5 - b->d7) ||
           o.code(kBody).earc({xc, 0}, b->d12 * k * 0.5, b->d12 * 0.5, 0, v2 ? bottom : top, v2 ? top : bottom);
}

// Views 3 and 4, large run: looking along the branch at the plain run. View 3
// faces the branch socket: as the small tee draws it, its rims about the
// origin, the leg's side lines down from the outer rim to the opening, and
// the opening's lower half. In view 4 the run pipe, wider than any branch
// socket of this class, hides the branch.
int jarf92l0_v3m(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    const double R = b->d2 * 0.5;
    P[1] = {-R, -b->d10};
    P[2] = {-R, b->d5};
    P[3] = prime(P[2]);
    P[4] = prime(P[1]);
    Out o(w);
    if (o.code(kBody).seg(P[1], P[2]) || o.code(kEnd2).seg(P[2], P[3]) || o.code(kBody).seg(P[3], P[4]) ||
        o.code(kEnd1).seg(P[4], P[1]))
        return 1;
    if (view_no(w) != 3) return 0;
    const tagRPT X = leg_axis_at(b->d9, b->d9, P[4], P[3]);
    const tagRCIR Bc = {0, 0, b->d11 / 2};
    const double r2 = std::sqrt(2.0);
    P[16] = {-0.5 * b->d12, X.y - r2 * b->d12 * 0.5 + b->d12 * k * 0.5};
    P[17] = prime(P[16]);
    P[18] = smaller_y(cross(line(P[16], flip_y(P[16])), Bc));
    P[19] = prime(P[18]);
    return o.code(kBody).style(kSeam).seg(P[16], P[18]) || o.seg(P[17], P[19]) ||
           o.code(kEnd3).circle({0, 0}, Bc.r) || o.circle({0, 0}, Bc.r - b->d18) ||
           o.code(kBody).earc({0, P[16].y}, b->d12 * 0.5, b->d12 * 0.5 * r2, 0, P[16], P[17]);
}

// Views 6, 7, 10 and 11, large run: the small tee's inclined outlines on a plain run.
int jarf92l0_v6m(BZI_WRT_PRM* w, const ARF_SIZE2* b) { return tee_v6(w, b, true); }
int jarf92l0_v10m(BZI_WRT_PRM* w, const ARF_SIZE2* b) { return tee_v10(w, b, true); }
