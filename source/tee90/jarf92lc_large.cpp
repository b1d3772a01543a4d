// The 90-degree tee with a stepped hub at end 2, branch above 125: the run
// and hub as for the smaller branches, the branch a plain pipe of the
// large-branch block's outside diameter a5 (the width of the opening the run
// is drawn with) that leaves the run along the 45-degree leg (axis through
// (0, -d9)), turns level in a bend of centre-line radius d5 about (d8 - 90,
// -d5), runs 90 level and ends at x = d8 in a hub d11 across and a quarter of
// the block's socket length a2 long. With these records the bend meets the
// leg within a fraction of a millimetre of where the leg axis would have it.
//
// View 1 completes the run that jalfcof1 draws; the other views show that
// shape seen along each view code's direction, the way the large-branch
// outlines of the plain tee show the same code. Seams (the bend's two ends,
// the hub's foot) and the leg's opening on the run are thin lines.
#include <cmath>

#include "branch45.h"
#include "geomcalc.h"
#include "jarf92lc.h"

using namespace tee;
using namespace lco;

namespace {

constexpr int kSeam = 2;
constexpr double kS = kRoot2;
constexpr double kStraight = 90.0;  // the level run from the bend to the end face

// The branch in the fitting's plane: its radius, the bend's centre-line
// radius and centre, the hub's foot x and radius.
struct Bend {
    double rho, rb;
    tagRPT c;
    double xh, rh;
};

Bend bend_of(const ALF_SIZE* a, const B* b)
{
    return {a->d5 * 0.5, b->d5, {b->d8 - kStraight, -b->d5}, b->d8 - 0.25 * a->d2, b->d11 * 0.5};
}

// View-1 points of the branch: P13 and P14 the bend's 45-degree ends (outer,
// inner), P15 and P16 its level ends, P17 to P22 the level pipe's ends at the
// hub's foot, round the hub to the end face P19-P20.
void bend_points(tagRPT* P, const Bend& n, const B* b)
{
    const double ro = (n.rb + n.rho) / kS, ri = (n.rb - n.rho) / kS;
    P[12] = n.c;
    P[13] = {n.c.x - ro, n.c.y + ro};
    P[14] = {n.c.x - ri, n.c.y + ri};
    P[15] = {n.c.x, n.rho};
    P[16] = {n.c.x, -n.rho};
    P[17] = {n.xh, n.rho};
    P[18] = {n.xh, n.rh};
    P[19] = {b->d8, n.rh};
    P[20] = {b->d8, -n.rh};
    P[21] = {n.xh, -n.rh};
    P[22] = {n.xh, -n.rho};
}

// The branch's outline from the bend on: the level pipe, the hub, and its
// end face (drawn by the caller) between P19 and P20.
int level_and_hub(Out& o, const tagRPT* P)
{
    return o.seg(P[15], P[17]) || o.seg(P[16], P[22]) || o.seg(P[17], P[18]) || o.seg(P[18], P[19]) ||
           o.seg(P[22], P[21]) || o.seg(P[21], P[20]);
}

// The opening's ends on the run's side in view 1 (jalfcof1's P9 and P0).
tagRPT opening_top(const ALF_SIZE* a, const B* b) { return {0.5 * b->d2, 0.5 * b->d2 + a->d5 / 1.414213562 - b->d9}; }
tagRPT opening_bottom(const ALF_SIZE* a, const B* b) { return {0.5 * b->d2, 0.5 * b->d2 - a->d5 / 1.414213562 - b->d9}; }

}  // namespace

// View 1: jalfcof1 draws the run with the hub and leaves the opening's ends
// P0 (lower) and P9 (upper) on its right side; the leg's side lines run from
// there to the bend.
int jarf92lc_v1b(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    if (jalfcof1(a->d5, b, w)) return 1;
    tagRPT* P = data;
    const Bend n = bend_of(a, b);
    bend_points(P, n, b);
    Out o(w);
    return o.code(kBody).seg(P[9], P[13]) || o.seg(P[0], P[14]) || level_and_hub(o, P) ||
           o.arc(n.c, n.rb + n.rho, P[15], P[13]) || o.arc(n.c, n.rb - n.rho, P[16], P[14]) ||
           o.style(kSeam).seg(P[13], P[14]) || o.seg(P[15], P[16]) || o.seg(P[17], P[22]) ||
           o.code(kEnd3).seg(P[19], P[20]);
}

// Views 2 and 5: looking along the run. Everything of the branch lies in the
// plane of the run axis, so it shows as a band as wide as its pipe from the
// run to the hub at its end: the bend's level end a line across it, its
// 45-degree end a circle seen 45 degrees off (the half towards the viewer
// shows). View 2 faces end 1, the pipe and its bore in front and the hub's
// rim behind, hidden where the branch passes in front; view 5 faces the
// hub's top face, which hides the branch up to its rim.
int jarf92lc_v2b(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    tagRPT* P = data;
    const bool v2 = view_no(w) == 2;
    const Bend n = bend_of(a, b);
    bend_points(P, n, b);
    const double R = b->d1 / 2, r = b->d2 / 2;
    const tagRSEG top = line({0, n.rho}, {b->d8, n.rho});
    // The band's upper side where it meets the hub's rim (P23) and, in view 2,
    // the run pipe (P25); a branch as wide as the run meets it at its top.
    P[23] = larger_x(cross(top, circ({0, 0}, R)));
    P[25] = !v2 ? P[23] : DCOMPARE_Cover(n.rho, r) < 0 ? larger_x(cross(top, circ({0, 0}, r))) : tagRPT{0, r};
    P[24] = flip_y(P[23]);
    P[26] = flip_y(P[25]);
    const double xs = n.c.x - n.rb / 1.414213562;  // the bend's 45-degree end on the branch axis
    const tagRPT s_top = {xs, n.rho}, s_bottom = {xs, -n.rho};
    Out o(w);
    // In view 2 the band's sides break where the hub's rim behind ends on them.
    const int band = v2 ? o.code(kBody).seg(P[25], P[23]) || o.seg(P[23], P[17]) || o.seg(P[26], P[24]) ||
                              o.seg(P[24], P[22])
                        : o.code(kBody).seg(P[23], P[17]) || o.seg(P[24], P[22]);
    if (band || level_and_hub(o, P) ||
        o.code(kEnd3).seg(P[19], P[20]) ||
        o.code(v2 ? kEnd1 : kEnd2).circle({0, 0}, v2 ? r : R) || o.circle({0, 0}, r - b->d7) ||
        (v2 && o.code(kEnd2).arc({0, 0}, R, P[23], P[24])) ||
        o.code(kBody).style(kSeam).seg(P[15], P[16]) || o.seg(P[17], P[22]))
        return 1;
    // Facing the hub, the 45-degree seam shows only where it lies wholly beyond the hub's rim.
    if (!v2 && xs - n.rho * k <= R) return 0;
    return o.earc({xs, 0}, n.rho * k, n.rho, 0, v2 ? s_bottom : s_top, v2 ? s_top : s_bottom);
}

// Views 3 and 4: looking along the branch, the run standing on the y axis
// with the hub at the top. View 3 faces the branch's end: its hub's rim in
// front hides the run's sides where it is wider than the run; below it the
// leg runs down to its opening on the run (half an ellipse, the leg's pipe
// seen 45 degrees off), crossed by the bend's 45-degree seam; a leg as wide
// as the run has its sides on the run's. In view 4 the run hides the branch
// but for the hub's rim beyond the run's sides.
int jarf92lc_v3b(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    tagRPT* P = data;
    hub_points(P, b);
    const Bend n = bend_of(a, b);
    const double r = b->d2 / 2;
    const bool wide_hub = DCOMPARE_Cover(n.rh, r) > 0;
    const double yc = wide_hub ? std::sqrt(n.rh * n.rh - r * r) : 0.0;  // where the hub's rim crosses the run's sides
    P[22] = {-r, -yc};
    P[23] = {-r, yc};
    Out o(w);
    if (view_no(w) != 3) return run_upright(o, P, false) || (wide_hub && rim_beside_run(o, P, n.rh));
    const double yo = r - b->d9, ys = n.c.y + n.rb / kS;  // the leg's axis on the run side, the bend's 45-degree end
    const double yh = -std::sqrt(n.rh * n.rh - n.rho * n.rho);  // the leg's sides leave the hub's rim
    if (run_upright(o, P, wide_hub) ||
        o.code(kEnd3).circle({0, 0}, n.rh) || o.style(kSeam).circle({0, 0}, n.rho - a->d9))
        return 1;
    // A leg as wide as the run (to within the comparison's tolerance) takes the run's sides for its own.
    const bool own_sides = DCOMPARE_Cover(n.rho, r) != 0;
    const double x = own_sides ? n.rho : r;
    if (own_sides && (o.code(kBody).seg({-x, yh}, {-x, yo}) || o.seg({x, yh}, {x, yo}))) return 1;
    return o.code(kBody).earc({0, yo}, x, n.rho * 1.414213562, 0, {-x, yo}, {x, yo}) ||
           o.earc({0, ys}, x, n.rho * k, 0, {-x, ys}, {x, ys});
}

// Views 6 and 7: the tee turned 45 degrees about its run: the branch's
// lengths shorten by cos 45, its bend's arcs become elliptic arcs and its
// circles about the branch axis ellipses cos 45 as wide as high; the run and
// hub keep their view-1 outline. The leg's opening, on the run's side in view
// 1, turns in to x = cos 45 d2/2. View 6 sees the branch in front of the run,
// hiding the run's side between the branch's outlines, its end face whole
// and the near halves of its seams; in view 7 the branch lies behind the run
// and shows beyond the run's side only, with the far halves.
int jarf92lc_v6b(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    tagRPT* P = data;
    const bool v6 = view_no(w) == 6;
    hub_points(P, b);
    const Bend n = bend_of(a, b);
    bend_points(P, n, b);
    const double r = b->d2 / 2;
    // Where the branch's outlines cross the run's side (P41 upper, P42
    // lower): on the leg's side lines, or on the bend's arcs, found in the
    // fitting's plane on the line the run's side turns from.
    const tagRSEG side = line(P[7], P[31]), side1 = line({r / k, 0}, {r / k, -b->d10});
    P[8] = opening_top(a, b);
    P[9] = opening_bottom(a, b);
    P[41] = P[13].x * k >= r ? cross(side1, line(P[8], P[13])) : larger_y(cross(side1, circ(n.c, n.rb + n.rho)));
    P[42] = P[14].x * k >= r ? cross(side1, line(P[9], P[14])) : larger_y(cross(side1, circ(n.c, n.rb - n.rho)));
    const tagRPT open_c = turned(tagRPT{r, 0.5 * (P[8].y + P[9].y)});
    for (int i : {8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 41, 42}) P[i] = turned(P[i]);
    const tagRELL outer = turned(circ(n.c, n.rb + n.rho)), inner = turned(circ(n.c, n.rb - n.rho));
    auto rim = [](double x, double rr) { return slant_rim(x, rr, k); };
    // The bend's 45-degree seam: the circle across the leg through P13 and
    // P14, whose radius across the fitting's plane turns to cos 45 rho in x.
    const tagRELL seam = conjugate_ellipse(mid(P[13], P[14]), 0.5 * (P[13] - P[14]), {(v6 ? -k : k) * n.rho, 0});
    tagRPT s0 = v6 ? P[13] : P[14], s1 = v6 ? P[14] : P[13];
    if (!v6 && s1.x < r) s1 = larger_y(cross(side, seam), Tie::first);

    Out o(w);
    if (o.code(kBody).seg(P[1], P[2]) || hub_side(o, P) ||
        (v6 ? o.seg(P[7], P[41]) || o.seg(P[42], P[31]) : o.seg(P[7], P[31])) ||
        o.code(kEnd1).seg(P[31], P[1]) || hub_lines(o, P))
        return 1;
    const bool up_leg = P[13].x >= r, low_leg = P[14].x >= r;
    auto upper = [&] { return v6       ? o.seg(P[8], P[13]) || o.earc(outer, P[15], P[13])
                      : up_leg ? o.seg(P[41], P[13]) || o.earc(outer, P[15], P[13])
                               : o.earc(outer, P[15], P[41]); };
    auto lower = [&] { return v6        ? o.seg(P[9], P[14]) || o.earc(inner, P[16], P[14])
                      : low_leg ? o.seg(P[42], P[14]) || o.earc(inner, P[16], P[14])
                                : o.earc(inner, P[16], P[42]); };
    if (upper() || lower() || level_and_hub(o, P)) return 1;
    const double xe = P[19].x, xb = P[15].x, xh = P[17].x;
    if (v6)
        return o.code(kEnd3).ellipse(rim(xe, n.rh)) ||
               o.code(kBody).style(kSeam).ellipse(rim(xe, n.rho - a->d9)) ||
               o.earc(rim(xb, n.rho), P[15], P[16]) || o.earc(rim(xh, n.rh), P[18], P[21]) ||
               o.earc(seam, s0, s1) ||
               o.earc(open_c, 0.25 * a->d5, P[8].y - open_c.y, 0, P[8], P[9]);
    return o.code(kEnd3).earc(rim(xe, n.rh), P[20], P[19]) ||
           o.code(kBody).style(kSeam).earc(rim(xb, n.rho), P[16], P[15]) || o.earc(rim(xh, n.rh), P[21], P[18]) ||
           (s0.x >= r && o.earc(seam, s0, s1));
}

// Views 10 and 11: the tee turned about the branch axis so the run recedes
// at 45 degrees, its heights shortened by cos 45 and its circles ellipses, as
// for the smaller branches; the branch, in the plane of the turning axis,
// keeps its view-1 bend and hub, and its leg runs from the bend's 45-degree
// end to the run's side, where the leg seen at the run's slope is its
// radius times 1.224745 (the slope's secant) either side of its axis. The opening
// between them is half an ellipse 1/1.4 of the pipe's radius deep.
int jarf92lc_v10b(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    tagRPT* P = data;
    const bool v10 = view_no(w) == 10;
    hub_points_receding(P, b);
    const Bend n = bend_of(a, b);
    bend_points(P, n, b);
    const double r = b->d2 / 2, ya = (r - b->d9) * 0.707106781, half = n.rho * 1.224745;
    P[8] = {r, ya + half};
    P[9] = {r, ya - half};
    Out o(w);
    return hub_receding(o, P, b, v10, P[35]) ||
           o.code(kBody).seg(P[1], v10 ? P[2] : P[34]) || o.seg(v10 ? P[7] : P[35], P[8]) || o.seg(P[9], P[31]) ||
           o.seg(P[8], P[13]) || o.seg(P[9], P[14]) || level_and_hub(o, P) ||
           o.arc(n.c, n.rb + n.rho, P[15], P[13]) || o.arc(n.c, n.rb - n.rho, P[16], P[14]) ||
           o.code(kEnd3).seg(P[19], P[20]) ||
           o.code(kBody).style(kSeam).seg(P[13], P[14]) || o.seg(P[15], P[16]) || o.seg(P[17], P[22]) ||
           o.earc({r, ya}, n.rho / 1.4, half, 0, P[8], P[9]);
}
