// The 90-degree tee with a stepped hub at end 2, branch up to 125: the run a
// plain pipe of diameter d2 from end 1 (y = -d10) up to a hub d1 across and
// 2 d3 high about y = d4, whose top face is end 2; the branch as the small
// tee's, with its socket from profile mode 40 (41 in views 6 and 7), leaving
// the run along the 45-degree leg and turning level through the crotch, whose
// radius this tee carries in d5.
//
// View 1 is the fitting's own outline; the other views show that shape seen
// along each view code's direction, the way the small tee shows the same code.
// No line of these views is thin: the hub has no socket lines to mark.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "jarf92lc.h"
#include "tee.h"

using namespace tee;
using namespace lco;

namespace {

// The crotch circle: radius half the crotch radius d5, its top on the branch
// axis; runs of 80 and 100 with a smaller branch take the part of it beyond
// the branch pipe, the centre staying, so its top touches the pipe's lower side.
tagRCIR hub_crotch(const B* b, double cx)
{
    const int m = b->main_size;
    const bool reduced = (m == 80 || m == 100) && m != b->branch_size;
    return {cx, -0.5 * b->d5, reduced ? 0.5 * (b->d5 - b->d12) : 0.5 * b->d5};
}

// The leg's side points P25 and P26 about P24 on the run side, and the crotch
// P27, P28 with the turn centres P29, P30, all in the fitting's plane. The
// branch pipe's ends P8 and P19 must be in place; cx is the crotch circle's x.
void leg_and_crotch(tagRPT* P, const B* b, double cx)
{
    const tagRPT X = leg_axis_at(b->d9, b->d9, P[7], P[31]);
    const double r2 = std::sqrt(2.0);
    P[24] = {P[31].x, X.y};
    P[25] = {P[24].x, r2 * b->d12 * 0.5 + P[24].y};
    P[26] = {P[24].x, P[24].y - r2 * b->d12 * 0.5};
    P[28] = crotch_foot(P[26], hub_crotch(b, cx));
    P[27] = crotch_top(P[28], b->d12);
    turn_centres(P, b, b->d5);
}

// The branch socket's pipe mark inside the middle step: 0.4 d12 off the axis
// either side, short of the socket's walls on purpose.
constexpr const char* kPipeMark = "pipe mark inside the socket's middle step: stops short of its walls";
int pipe_mark(Out& o, const tagRPT* P)
{
    return o.intended(Intended::free_ends, kPipeMark).seg(P[20], P[21]);
}

}  // namespace

// View 1: run and branch flat in the drawing.
int jarf92lc_v1s(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    tagRPT* P = data;
    hub_points(P, b);
    if (zahyoar1(40, 0, b)) return 1;
    branch_points(P);
    leg_and_crotch(P, b, P[19].x);
    Out o(w);
    // The opening's axis is the short stored cos 45 times d12, so its ends lie
    // a few micrometres off the leg's side points, as the small tee draws it.
    return profile_run(o, P, 1, 7, 4, kEnd2) || profile_run(o, P, 8, 19, 13, kEnd3) ||
           o.seg(P[25], P[27]) || o.seg(P[26], P[28]) ||
           o.code(kEnd1).seg(P[31], P[1]) ||
           o.code(kBody).arc(P[29], outer_turn(b, b->d5), P[8], P[27]) || o.arc(P[30], b->d5, P[19], P[28]) ||
           o.seg(P[2], P[7]) || pipe_mark(o, P) || o.seg(P[12], P[15]) || o.seg(P[8], P[19]) ||
           o.seg(P[7], P[25]) || o.seg(P[32], P[33]) || o.seg(P[27], P[28]) || o.seg(P[26], P[31]) ||
           o.intended(Intended::off_curve, kOpeningEnds).earc(P[24], 0.3 * b->d12, k4 * b->d12, 0, P[25], P[26]);
}

// Views 2 and 5: looking along the run, the branch socket along +x. View 2
// faces end 1: the pipe and its bore as circles in front, the hub's rim
// behind them, hidden where the branch passes in front. View 5 faces the
// hub's top face (end 2), which hides the branch up to its rim.
int jarf92lc_v2s(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(40, 0, b)) return 1;
    P[0] = {0, 0};
    copy_pts(P, 1, 71, 12);
    const tagRPT mark0 = P[83], mark1 = P[84];
    const tagRSEG top = line(P[1], P[2]);  // the branch pipe's upper side
    const bool v2 = view_no(w) == 2;
    // The leg's 45-degree seam where it turns level: a circle about the
    // branch axis in a 45-degree plane, seen as an ellipse cos 45 as wide as
    // high about the crotch seam's middle; the half towards the viewer shows.
    const tagRPT X = leg_axis_at(b->d9, b->d9, {b->d2 / 2, b->d4 - b->d3}, {b->d2 / 2, -b->d10});
    P[24] = {b->d2 / 2, X.y};
    P[26] = {P[24].x, X.y - std::sqrt(2.0) * b->d12 * 0.5};
    P[28] = crotch_foot(P[26], hub_crotch(b, b->d15 - b->d13));
    P[27] = crotch_top(P[28], b->d12);
    const double xm = (P[28].x + P[27].x) * 0.5;
    const tagRPT seam_top = {xm, P[1].y}, seam_bottom = {xm, P[12].y};
    // Where the branch pipe's sides meet the hub's rim (P13, P14), and in view
    // 2 the run pipe (P15, P16), from which they leave.
    P[13] = larger_x(cross(top, circ(P[0], b->d1 / 2.0)));
    P[14] = flip_y(P[13]);
    P[15] = v2 ? larger_x(cross(top, circ(P[0], b->d2 / 2.0))) : P[13];
    P[16] = flip_y(P[15]);
    const int face = v2 ? kEnd1 : kEnd2;
    const double rim = v2 ? b->d2 / 2.0 : b->d1 / 2.0;
    Out o(w);
    if (profile_run(o, P, 1, 12, 6, kEnd3) || o.seg(P[12], P[16]) || o.seg(P[15], P[1]) ||
        o.code(face).circle(P[0], rim) || o.circle(P[0], b->d2 / 2.0 - b->d7) ||
        (v2 && o.code(kEnd2).arc(P[0], b->d1 / 2.0, P[13], P[14])))
        return 1;
    // Facing the hub, the seam shows only where it lies wholly beyond the hub's rim.
    if (o.code(kBody).seg(P[1], P[12]) || o.seg(P[5], P[8]) || o.intended(Intended::free_ends, kPipeMark).seg(mark0, mark1)) return 1;
    if (!v2 && xm - b->d12 * k * 0.5 <= b->d1 / 2.0) return 0;
    return o.earc({xm, 0}, b->d12 * k * 0.5, b->d12 * 0.5, 0, v2 ? seam_bottom : seam_top, v2 ? seam_top : seam_bottom);
}

// Views 3 and 4: looking along the branch, the run standing on the y axis
// with the hub at the top; the branch socket is the circle B about the
// origin. View 3 faces the socket's mouth: B hides the run's sides where it is
// wider than the run, and the leg shows below it down to its opening on the
// run (half an ellipse, as the small tee draws it). View 4 sees the run from
// behind: of the branch only B's parts beyond the run's sides show.
int jarf92lc_v3s(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    tagRPT* P = data;
    hub_points(P, b);
    const tagRCIR Bc = {0, 0, b->d11 / 2.0};
    // The run's near side against B: two crossings when B is the wider.
    const Met cut = meet(line(P[1], P[2]), Bc);
    const bool split = cut.res == 0 && cut.t.p1.y != cut.t.p2.y;
    P[22] = smaller_y(cut.t);
    P[23] = other(cut.t, P[22]);
    Out o(w);
    if (view_no(w) != 3) return run_upright(o, P, false) || (split && rim_beside_run(o, P, Bc.r));
    const tagRPT X = leg_axis_at(b->d9, b->d9, P[7], P[31]);
    const double r2 = std::sqrt(2.0);
    // The leg's sides from B down to the opening, whose top is the leg's
    // upper side on the run and whose depth is the leg seen 45 degrees off.
    P[16] = {-0.5 * b->d12, X.y - r2 * b->d12 * 0.5 + b->d12 * k * 0.5};
    P[17] = prime(P[16]);
    P[18] = smaller_y(cross(line(P[16], flip_y(P[16])), Bc));
    P[19] = prime(P[18]);
    return run_upright(o, P, split) ||
           o.seg(P[16], P[18]) || o.seg(P[17], P[19]) ||
           o.earc({0, P[16].y}, b->d12 * 0.5, b->d12 * 0.5 * r2, 0, P[16], P[17]) ||
           o.code(kEnd3).circle({0, 0}, Bc.r) || o.circle({0, 0}, Bc.r - b->d18);
}

// Views 6 and 7: the tee turned 45 degrees about its run, so the branch's
// lengths shorten by cos 45 (profile mode 41) and its circles about the
// branch axis show as ellipses cos 45 as wide as high; the run and its hub,
// round about the turning axis, keep their view-1 outline. The leg and the
// crotch are built in the fitting's plane and turned with the branch: the
// turns become elliptic arcs. View 6 sees the branch in front of the run,
// hiding the run's side between the branch's outlines, with its mouth and
// the near halves of its step rims; in view 7 it lies behind the run and
// shows only beyond the run's side, with the far halves.
int jarf92lc_v6s(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    const bool v6 = view_no(w) == 6;
    tagRPT* P = data;
    hub_points(P, b);
    const double x8 = b->d15 - b->d13;  // the branch pipe's end in the fitting's plane
    P[8] = {x8, 0.5 * b->d12};
    P[19] = {x8, -0.5 * b->d12};
    leg_and_crotch(P, b, x8);
    const tagRELL outer = turned(circ(P[29], outer_turn(b, b->d5))), inner = turned(circ(P[30], b->d5));
    const tagRPT opening = turned(P[24]);
    for (int i = 25; i <= 28; ++i) P[i] = turned(P[i]);
    if (zahyoar1(41, 0, b)) return 1;
    branch_points(P);
    P[40] = P[85];
    // Where the branch's upper (P41) and lower (P42) outlines cross the run's
    // side: on the leg's side lines, or past the crotch points on the turns.
    const tagRSEG side = line(P[7], P[31]);
    const bool upper_leg = P[27].x >= P[7].x, lower_leg = P[28].x >= P[7].x;
    P[41] = upper_leg ? cross(side, line(P[25], P[27])) : larger_y(cross(side, outer), Tie::first);
    P[42] = lower_leg ? cross(side, line(P[26], P[28])) : larger_y(cross(side, inner), Tie::first);
    auto rim = [](tagRPT p) { return slant_rim(p.x, p.y, k); };

    Out o(w);
    if (o.code(kBody).seg(P[1], P[2]) || hub_side(o, P) ||
        (v6 ? o.seg(P[7], P[41]) || o.seg(P[42], P[31]) : o.seg(P[7], P[31])) ||
        o.code(kEnd1).seg(P[31], P[1]) || hub_lines(o, P))
        return 1;
    if (v6) {
        // The opening on the run reaches exactly to the leg's side lines.
        return o.seg(P[25], P[27]) || o.earc(outer, P[8], P[27]) || o.seg(P[26], P[28]) ||
               o.earc(inner, P[19], P[28]) || o.seg(P[27], P[28]) ||
               o.earc(opening, 0.3 * b->d12, P[25].y - opening.y, 0, P[25], P[26]) ||
               o.run(P, {8, 9, 10, 11, 12, 13}) || o.run(P, {14, 15, 16, 17, 18, 19}) ||
               o.code(kEnd3).ellipse(rim(P[13])) || o.ellipse(rim({P[13].x, P[40].y})) ||
               o.code(kBody).earc(rim(P[12]), P[12], P[15]) || o.earc(rim(P[8]), P[8], P[19]) || pipe_mark(o, P);
    }
    auto upper = [&] { return upper_leg ? o.seg(P[41], P[27]) || o.earc(outer, P[8], P[27]) : o.earc(outer, P[8], P[41]); };
    auto lower = [&] { return lower_leg ? o.seg(P[42], P[28]) || o.earc(inner, P[19], P[28]) : o.earc(inner, P[19], P[42]); };
    return upper() || lower() ||
           o.run(P, {8, 9, 10, 11, 12, 13}) || o.code(kEnd3).earc(rim(P[13]), P[14], P[13]) ||
           o.code(kBody).run(P, {14, 15, 16, 17, 18, 19}) ||
           o.earc(rim(P[12]), P[15], P[12]) || o.earc(rim(P[8]), P[19], P[8]) || pipe_mark(o, P);
}

// Views 10 and 11 see the hub's foot rim cross the branch where the hub is
// wider than the leg is low: the branch hides the rim's far half in view 10,
// the hub hides the branch above its lower rim in view 11. Whether p lies
// within the hub's outline there (above the foot rim's lower half):
namespace {

bool above_rim(tagRPT p, const tagRELL& foot)
{
    const double u = p.x / foot.a;
    return u * u < 1.0 && p.y > foot.y - foot.b * std::sqrt(1.0 - u * u);
}

// Of the crossings t with the foot rim, the one on its lower half for which
// 'on' holds; none when there is none.
template <class On>
bool lower_crossing(Two t, const tagRELL& foot, On on, tagRPT* q)
{
    for (tagRPT p : {t.p1, t.p2})
        if (p.y <= foot.y && on(p)) return *q = p, true;
    return false;
}

bool on_segment(tagRPT p, tagRPT a, tagRPT b)
{
    const tagRPT d = b - a;
    const double t = ((p.x - a.x) * d.x + (p.y - a.y) * d.y) / (d.x * d.x + d.y * d.y);
    return t >= -1e-9 && t <= 1.0 + 1e-9;
}

// Counter-clockwise turn from direction u to direction v, in [0, 2 pi).
double ccw_turn(tagRPT u, tagRPT v)
{
    const double t = std::atan2(u.x * v.y - u.y * v.x, u.x * v.x + u.y * v.y);
    return t < 0 ? t + 2.0 * std::numbers::pi : t;
}

// Whether p, on a curve about c, lies on its arc from s to t (counter-clockwise).
bool on_arc(tagRPT p, tagRPT c, tagRPT s, tagRPT t) { return ccw_turn(s - c, p - c) <= ccw_turn(s - c, t - c) + 1e-12; }

// Where the branch's upper outline (the leg's side P25-P27, then the outer
// turn from P27 to P8 about P30) first meets the foot rim's lower half.
bool upper_meets_rim(const tagRPT* P, double ro, const tagRELL& foot, tagRPT* q)
{
    if (lower_crossing(cross(line(P[25], P[27]), foot), foot, [&](tagRPT p) { return on_segment(p, P[25], P[27]); }, q))
        return true;
    return lower_crossing(cross(circ(P[30], ro), foot), foot, [&](tagRPT p) { return on_arc(p, P[30], P[8], P[27]); }, q);
}

// The parts of the branch the hub may cover in view 11, each written where
// it runs below the foot rim (an end inside, the other out: cut at the rim).
int seg_below(Out& o, tagRPT a, tagRPT b, const tagRELL& foot)
{
    const bool ha = above_rim(a, foot), hb = above_rim(b, foot);
    if (!ha && !hb) return o.seg(a, b);
    tagRPT q;
    if ((ha && hb) || !lower_crossing(cross(line(a, b), foot), foot, [&](tagRPT p) { return on_segment(p, a, b); }, &q))
        return 0;
    return ha ? o.seg(q, b) : o.seg(a, q);
}

int arc_below(Out& o, tagRPT c, double r, tagRPT s, tagRPT t, const tagRELL& foot)
{
    const bool hs = above_rim(s, foot), ht = above_rim(t, foot);
    if (!hs && !ht) return o.arc(c, r, s, t);
    tagRPT q;
    if ((hs && ht) || !lower_crossing(cross(circ(c, r), foot), foot, [&](tagRPT p) { return on_arc(p, c, s, t); }, &q))
        return 0;
    return hs ? o.arc(c, r, q, t) : o.arc(c, r, s, q);
}

int earc_below(Out& o, const tagRELL& e, tagRPT s, tagRPT t, const tagRELL& foot)
{
    const bool hs = above_rim(s, foot), ht = above_rim(t, foot);
    if (!hs && !ht) return o.earc(e, s, t);
    tagRPT q;
    if ((hs && ht) || !lower_crossing(cross(e, foot), foot, [&](tagRPT p) { return on_arc(p, centre(e), s, t); }, &q))
        return 0;
    return hs ? o.earc(e, q, t) : o.earc(e, s, q);
}

}  // namespace

// Views 10 and 11: the tee turned about the branch axis so the run recedes
// at 45 degrees: heights along the run shrink by cos 45 and the run's and
// hub's circles show as ellipses r wide and r cos 45 high; the branch keeps
// its view-1 outline. The leg then rises at the run's slope, cos 45, and is
// as wide as its pipe across that slope: its side points lie d12/2 times
// 1.224745 (the slope's secant) either side of its axis on the run side.
// View 10 faces end 1 (whole rim and bore), the hub behind it showing its
// foot face and the near halves of its rims; view 11 faces the hub's top face
// (end 2), the run behind it showing below the hub's lower rim, end 1 its far
// half.
int jarf92lc_v10s(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    const bool v10 = view_no(w) == 10;
    tagRPT* P = data;
    hub_points_receding(P, b);
    if (zahyoar1(40, 0, b)) return 1;
    branch_points(P);
    const tagRPT X = leg_axis_at(b->d9, b->d9 * k, P[7], P[31]);
    const double half = b->d12 * 0.5 * 1.224745;
    P[24] = {P[31].x, X.y};
    P[25] = {P[24].x, X.y + half};
    P[26] = {P[24].x, X.y - half};
    // The turns: arcs about one centre P30, tangent to the leg's sides and to
    // the branch pipe's sides at the pipe's end (P19, P8), so the inner turn's
    // radius is what fits between the leg's lower side and that corner.
    const double L = std::sqrt(1.0 + k * k);
    const tagRPT n = {k / L, -1.0 / L};  // unit normal of the leg's sides, pointing down the slope
    const double ri = std::max(0.0, (k * (P[19].x - P[26].x) - P[19].y + P[26].y) / (L - 1.0));
    const double ro = ri + b->d12;
    P[30] = {P[19].x, P[19].y - ri};
    P[28] = P[30] - ri * n;
    P[27] = P[30] - ro * n;
    const tagRELL foot = run_rim(P[3].y, b->d1 / 2), opening = ell(P[24], 0.3 * b->d12, half, 0);
    tagRPT q;
    const bool meets = upper_meets_rim(P, ro, foot, &q);

    Out o(w);
    if (hub_receding(o, P, b, v10, meets ? q : P[35]) || o.code(kBody).seg(P[1], v10 ? P[2] : P[34]) ||
        profile_run(o, P, 8, 19, 13, kEnd3) || o.seg(P[26], P[28]) || o.arc(P[30], ri, P[19], P[28]) ||
        o.seg(P[12], P[15]) || o.seg(P[8], P[19]) || pipe_mark(o, P) || o.seg(P[26], P[31]))
        return 1;
    if (v10)
        // The branch in front: the foot rim's far half shows beside the pipe
        // up to where it passes behind the branch's upper outline.
        return o.seg(P[7], P[25]) || o.seg(P[25], P[27]) || o.arc(P[30], ro, P[8], P[27]) ||
               o.seg(P[27], P[28]) || o.earc(opening, P[25], P[26]);
    // The hub in front: the run's side shows below its rim down to the leg,
    // the branch's lines below the rim.
    return (P[35].y > P[25].y && o.seg(P[35], P[25])) || seg_below(o, P[25], P[27], foot) ||
           arc_below(o, P[30], ro, P[8], P[27], foot) || seg_below(o, P[27], P[28], foot) ||
           earc_below(o, opening, P[25], P[26], foot);
}
