// 45-degree bend with socket ends.
#include <cmath>

#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "elemout.h"
#include "frame.h"
#include "jarf41l0.h"
#include "lenrule.h"
#include "outline.h"

namespace {

using B = ARF_SIZE1_HALF;

constexpr Row1Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 9> r;
constinit Table1<B, 11> table = table1<11>(
    r(40, 65.6f, 48.6f, 75, 55, 99, 154, 3.5f, 3.5f, 44),
    r(50, 79.5f, 60.5f, 80, 60, 112, 162, 2.8f, 3.8f, 52),
    r(65, 100, 76.3f, 105, 75, 132, 157, 2.8f, 4.2f, 57),
    r(80, 114, 89.1f, 105, 75, 137, 162, 2.8f, 4.2f, 62),
    r(100, 138.3f, 114.3f, 105, 75, 148, 173, 3.5f, 4.5f, 73),
    r(125, 164.8f, 139.8f, 115, 85, 168, 203, 3.5f, 4.5f, 83),
    r(150, 165.25f, 165.25f, 150, 0, 214, 214, 3.7f, 3.7f, 214),
    r(200, 216.3f, 216.3f, 180, 0, 265, 265, 4.5f, 4.5f, 265),
    r(250, 267.4f, 267.4f, 150, 0, 308, 158, 6.6f, 6.6f, 158),
    r(300, 318.5f, 318.5f, 150, 0, 340, 190, 6.9f, 6.9f, 190),
    r(350, 355.5f, 355.5f, 150, 0, 371, 221, 7.9f, 7.9f, 221));

constexpr int kSample = 65;

// ---------------------------------------------------------------------------
// Outline. The socket profile (zahyoar) puts the plain leg down the y axis to
// the pipe end at y = -d10 and the socket leg along +x from the bend end at
// x = R = d5 - d3, through the hub (hub start, first taper, flat, second
// taper, full radius) to the socket end face at x = d5; each view takes it
// turned and foreshortened as it needs and builds the outline on it.

constexpr double k = 0.707106781;  // cos 45
constexpr double kRoot2 = 1.414213562;
constexpr double kRot6 = 54.73561032;   // socket leg's axis in views 6 and 7
constexpr double kRot10 = 35.26438968;  // and in views 10 and 11
constexpr double kQuarterBack = 4.712388980384685;  // three quarter turns, radians

int view_no(const BZI_WRT_PRM* w) { return w->head->view_no; }

// A rim standing across the x axis at x = c.x (views 2 and 5): the circle of
// radius c.y seen 45 degrees off, k as wide as high.
tagRELL rim_x(tagRPT c) { return slant_rim(c.x, c.y, k); }
// A rim standing across the y axis at y = c.y (views 3 and 4), its radius -c.x
// across and k times that along y. Semi-axes are kept as signed as the
// profile gives them; the host takes them by magnitude.
tagRELL rim_y(tagRPT c) { return ell({0, c.y}, -c.x, c.x * -k, 0); }

// ---------------------------------------------------------------------------
// View 1: the bend flat in the drawing, the socket leg turned 45 degrees up.

int v1_small(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(2, 0, b);
    tagRPT* P = data;
    copy_pts(P, 0, 71, 19);
    // The bend's two arcs share a centre on the bend-start line P1-P14, as far
    // from P1 as from P2 (construction points in P22, P23).
    P[21] = equidistant_on(P[1], P[2], P[7].x * 5, line(P[1], P[14]), &P[22]);
    const tagRPT c = P[21];
    Out o(w);
    return o.code(kBody).seg(P[0], P[1]) ||
           o.run(P, {2, 3, 4, 5, 6, 7}) ||
           o.code(kEnd2).seg(P[7], P[8]) ||
           o.code(kBody).run(P, {8, 9, 10, 11, 12, 13}) ||
           o.seg(P[14], P[15]) ||
           o.code(kEnd1).seg(P[15], P[16]) ||
           o.code(kBody).arc(c, c.x - P[1].x, P[2], P[1]) ||
           o.arc(c, c.x - P[14].x, P[13], P[14]) ||
           o.style(2).seg(P[1], P[14]) ||
           o.seg(P[2], P[13]) ||
           o.seg(P[6], P[9]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[17], P[18]);
}

// ---------------------------------------------------------------------------
// Views 3 and 5 see the hub from the mouth's side: each larger rim hides the
// part of the smaller one behind it, and the pipe's and the flat's side lines
// end where they pass under the next rim. The two views lay the leg along x
// (view 5) or along y (view 3); the frame says how.
struct HubFrame {
    int mode;                                 // the profile's placement
    tagRELL (*rim)(tagRPT);                   // the rim through a profile point
    tagRPT (*mirror)(tagRPT);                 // onto the leg's other side
    void (*mirror_back)(tagRPT*, int, int, int);  // the far side, walked back
    tagRPT (*across)(Two, Tie);               // of two rims' crossings, the one on the near side
    tagRPT (*along)(Two, Tie);                // of a side line's crossings, the one towards the bend
    int pipe_start;                           // the pipe side line's far point
    bool flat_rim_first;                      // order of the flat's end rim and the full rim handed over
};
constexpr HubFrame kAlongX = {3, rim_x, flip_y, mirror_back_pts, larger_y, smaller_x, 1, false};
constexpr HubFrame kAlongY = {4, rim_y, flip_x, flip_x_back_pts, smaller_x, smaller_y, 2, true};

// P20/P21: the hub start rim's ends beyond the flat's start rim; P3 and P12:
// the pipe's side lines (from pipe_start) cut there; P17/P18: the flat's end
// rim's ends beyond the full rim; P5 and P10: the flat's side lines cut at the
// full rim (P16/P19: where the second taper's line meets it). A pair that does
// not meet keeps the profile point, so the line or half rim stays whole.
void hub_cuts(tagRPT* P, const HubFrame& f)
{
    const tagRPT pipe_start = P[f.pipe_start];
    const tagRELL e3 = f.rim(P[3]), e4 = f.rim(P[4]), e5 = f.rim(P[5]), e6 = f.rim(P[6]);
    const Two at3 = {P[3], P[3]}, at5 = {P[5], P[5]};
    P[20] = f.across(cross(e4, e3, at3), Tie::second);
    P[21] = f.mirror(P[20]);
    P[3] = f.along(cross(line(pipe_start, P[3]), e4, at3), Tie::second);
    P[12] = f.mirror(P[3]);
    P[16] = f.along(cross(line(P[5], P[6]), e6, at5), Tie::second);
    P[19] = f.mirror(P[16]);
    P[17] = f.across(f.flat_rim_first ? cross(e5, e6, at5) : cross(e6, e5, at5), Tie::second);
    P[18] = f.mirror(P[17]);
    P[5] = f.along(cross(line(P[4], P[5]), e6, at5), Tie::second);
    P[10] = f.mirror(P[5]);
}

// The profile P0..P7, its other side P8..P14 (less the hub start, P12, which
// the cut sets), the reference point P15, and the cuts.
void hub_points(tagRPT* P, const B* b, const HubFrame& f)
{
    zahyoar(f.mode, 0, b);
    copy_pts(P, 0, 70, 8);
    f.mirror_back(P, 8, 77, 4);
    f.mirror_back(P, 13, 72, 2);
    P[15] = P[78];
    hub_cuts(P, f);
}

// Their outline: pipe side, flat, full radius, the mouth's near half, and back.
int hub_outline(Out& o, const tagRPT* P, const HubFrame& f)
{
    return o.code(kBody).seg(P[1], P[2]) ||
           o.seg(P[2], P[3]) ||
           o.seg(P[4], P[5]) ||
           o.seg(P[6], P[7]) ||
           o.code(kEnd2).earc(f.rim(P[7]), P[8], P[7]) ||
           o.code(kBody).seg(P[8], P[9]) ||
           o.seg(P[10], P[11]) ||
           o.run(P, {12, 13, 14});
}

// ---------------------------------------------------------------------------
// Views 2 and 5: looking down the plain leg, its pipe a circle at the origin,
// the socket leg running off along +x foreshortened by k, every hub rim an
// ellipse across it. View 2 faces the pipe end; view 5 looks from the socket
// side, where each larger rim hides the part of the next smaller one behind it.

int v2_view2(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(3, 0, b);
    tagRPT* P = data;
    copy_pts(P, 0, 70, 8);
    mirror_back_pts(P, 8, 77, 7);
    P[15] = P[78];
    const double mid = 0.5 * (P[7].y + P[2].y);  // the flat between the tapers
    Out o(w);
    return o.code(kBody).run(P, {1, 2, 3, 4, 5, 6, 7}) ||
           o.code(kEnd2).earc(rim_x(P[7]), P[8], P[7]) ||
           o.code(kBody).run(P, {8, 9, 10, 11, 12, 13, 14}) ||
           o.code(kEnd1).arc({0, 0}, P[71].y, P[1], P[14]) ||
           o.style(2).arc({0, 0}, P[73].y, P[14], P[1]) ||
           o.code(kBody).earc(rim_x(P[2]), P[13], P[2]) ||
           o.earc(rim_x({P[3].x, P[2].y}), P[12], P[3]) ||
           o.earc(rim_x({P[4].x, mid}), P[11], P[4]) ||
           o.earc(rim_x({P[5].x, mid}), P[10], P[5]) ||
           o.earc(rim_x({P[6].x, P[7].y}), P[9], P[6]) ||
           o.code(kEnd1).circle({0, 0}, P[1].y - P[15].x);
}

int v2_view5(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    hub_points(P, b, kAlongX);
    const double mid = 0.5 * (P[7].y + P[2].y);
    Out o(w);
    return hub_outline(o, P, kAlongX) ||
           o.code(kEnd1).arc({0, 0}, P[1].y, P[1], P[14]) ||
           o.code(kBody).style(2).earc(rim_x(P[2]), P[2], P[13]) ||
           o.earc(rim_x(P[73]), P[20], P[21]) ||
           o.earc(rim_x({P[4].x, mid}), P[4], P[11]) ||
           o.earc(rim_x(P[75]), P[17], P[18]) ||
           o.earc(rim_x({P[6].x, P[7].y}), P[6], P[9]) ||
           o.code(kEnd2).earc(rim_x(P[7]), P[7], P[8]) ||
           o.ellipse(rim_x({P[7].x, P[7].y - P[15].y}));
}

int v2_small(BZI_WRT_PRM* w, const B* b) { return view_no(w) == 5 ? v2_view5(w, b) : v2_view2(w, b); }

// ---------------------------------------------------------------------------
// Views 3 and 4: the profile a quarter turn round, the socket leg rising along
// +y foreshortened by k, the plain leg hanging below. View 3 faces the socket
// mouth and sees the hub's rims cut off by the larger ones before them; view 4
// looks from the bend side and sees every rim's near half.

int v3_view3(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    hub_points(P, b, kAlongY);
    // The bend end's rim, its far half seen through the first leg's end.
    const tagRPT bend_end = {0, P[2].y * -k};
    const tagRELL mouth = ell({0, P[7].y}, P[8].x, P[8].x * k, 0);
    Out o(w);
    return hub_outline(o, P, kAlongY) ||
           o.code(kEnd1).seg(P[14], P[1]) ||
           o.code(kBody).style(2).seg(P[2], P[13]) ||
           // At 125 the rim lies a little beyond the pipe lines' ends at the hub (P3').
           o.intended(Intended::free_ends, "far half of the bend end's rim, at the pipe's own height, past the hub's pipe lines")
               .earc(ell(bend_end, -P[2].x, P[2].x * -k, 0), pt(P[2].x, bend_end.y), pt(-P[2].x, bend_end.y)) ||
           o.earc(rim_y(P[73]), P[20], P[21]) ||
           o.earc(ell({0, P[4].y}, P[10].x, P[10].x * k, 0), P[4], P[11]) ||
           o.earc(rim_y(P[75]), P[17], P[18]) ||
           o.earc(ell({0, P[6].y}, P[8].x, P[8].x * k, 0), P[6], P[9]) ||
           o.code(kEnd2).earc(mouth, P[7], P[8]) ||
           o.ellipse({0, P[7].y}, P[8].x - P[15].y, (P[8].x - P[15].y) * k, 0);
}

int v3_view4(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(4, 0, b);
    tagRPT* P = data;
    copy_pts(P, 0, 70, 3);
    P[3] = {P[72].x, P[72].y * -k};
    copy_pts(P, 4, 73, 5);
    flip_x_back_pts(P, 9, 77, 5);
    P[14] = {-P[72].x, P[72].y * -k};
    flip_x_back_pts(P, 15, 72, 2);
    Out o(w);
    if (o.code(kBody).run(P, {1, 2, 3, 4, 5, 6, 7, 8}) ||
        o.code(kEnd2).earc(rim_y(P[8]), P[9], P[8]) ||
        o.code(kBody).run(P, {9, 10, 11, 12, 13, 14, 15, 16}) ||
        o.code(kEnd1).seg(P[1], P[16]) ||
        o.code(kBody).style(2).seg(P[2], P[15]))
        return 1;
    // The near half of every rim from the bend end to the mouth, hidden; the mouth's comes
    // again here, dashed over the solid one drawn with the outline.
    for (int n = 3; n <= 8; ++n)
        if (o.code(n == 8 ? kEnd2 : kBody)
                .intended(Intended::repeated, n == 8 ? "the mouth's near half again, among the hidden rims" : nullptr)
                .earc(rim_y(P[n]), P[17 - n], P[n]))
            return 1;
    return 0;
}

int v3_small(BZI_WRT_PRM* w, const B* b) { return view_no(w) == 3 ? v3_view3(w, b) : v3_view4(w, b); }

// ---------------------------------------------------------------------------
// Views 6, 7, 10 and 11: axonometric. The socket leg's axis runs at the view's
// angle through the axis points P19..P24; every hub rim is an ellipse half as
// wide along the axis as across it. Views 6 and 11 face the socket mouth: its
// end face is seen whole and of each rim the half towards the bend. Views 7
// and 10 face the bend: the end face and the rims show their halves towards
// the mouth.
//
// Sizes 100 and 125. There the hub's tapers are steep against the leg's
// diameter: the outer taper (and at 125 the inner one too) lies wholly inside
// the projection of the larger rim beyond it and has no side line of its own.
// What the view then shows follows the hidden-line rules of the smaller sizes:
// - Facing the mouth (6, 11), the larger part is nearer and hides what lies
//   behind it: the flat's side lines P4-P5 and P10-P11 end where they pass
//   under the full-radius rim (P22), and at 125 the pipe's side lines P2-P3
//   and P12-P13 where they pass under the flat's start rim (P20). The rim
//   behind (P21; at 125 also P19) shows only its part outside the nearer rim:
//   its arc runs between the two rims' crossings, smallest x to largest x.
// - Facing the bend (7, 10), the smaller part is nearer: the side lines keep
//   their ends, and the larger rim behind them (P22; at 125 also P20) starts
//   and ends where those side lines cross it, so the outline closes there.
// Every other arc end keeps its profile point.

struct Axo {
    double rot;    // the leg axis's angle, degrees
    bool facing;   // the socket mouth towards the viewer
    bool steep;    // sizes 100 and 125: the outer taper has no side line
    bool steeper;  // size 125: nor has the inner one
};

// The leg's rims, each through its profile point about its axis point.
struct Rims {
    tagRELL mouth, full, flat_end, flat_start, hub_start, bend_end;  // at P23, P22, P21, P20, P19, P24
};

Rims rims_of(const tagRPT* P, double rot)
{
    const double full = dist(P[7], P[23]), flat = dist(P[4], P[20]), pipe = dist(P[3], P[19]);
    auto rim = [&](int c, double r) { return ell(P[c], 0.5 * r, r, rot); };
    return {rim(23, full), rim(22, full), rim(21, flat), rim(20, flat), rim(19, pipe), rim(24, pipe)};
}

// Where the side line through a and z passes into the rim e: of its two
// crossings the one with the smaller y (the first on a tie), 'miss' where the
// line misses the rim.
tagRPT enters(tagRPT a, tagRPT z, const tagRELL& e, tagRPT miss)
{
    return smaller_y(cross(line(a, z), e, {miss, miss}), Tie::first);
}

// A taper too steep for side lines of its own. Its smaller part's side lines
// end at P[t] (top) and P[15 - t] (bottom, the same line on the leg's other
// side); 'front' is the larger rim beyond them, 'behind' the smaller part's
// rim whose arc ends are P[behind_arc], P[behind_arc + 1], and the front rim's
// arc ends are P[front_arc], P[front_arc + 1]. Facing the mouth, the side lines
// end where they pass under the front rim and the rim behind shows only its
// part outside it; facing the bend, the front rim runs between those lines.
void steep_cut(tagRPT* P, bool facing, int t, const tagRELL& front, const tagRELL& behind, int behind_arc,
               int front_arc)
{
    const int u = 15 - t;
    const tagRPT top = enters(P[t - 1], P[t], front, P[t]);
    const tagRPT bottom = enters(P[u], P[u + 1], front, P[u]);
    if (facing) {
        const Two c = x_extremes(front, behind, {P[behind_arc], P[behind_arc + 1]});
        P[behind_arc] = c.p1, P[behind_arc + 1] = c.p2;
        P[t] = top, P[u] = bottom;
    } else {
        P[front_arc] = bottom, P[front_arc + 1] = top;
    }
}

// Profile copies, taper ends P33..P36 and rim arc ends P25..P32 for the view.
Rims axo_points(tagRPT* P, const B* b, int mode, const Axo& v)
{
    zahyoar(mode, 0, b);
    copy_pts(P, 0, 71, 25);
    const Rims e = rims_of(P, v.rot);
    P[33] = enters(P[5], P[6], e.full, P[6]);
    P[34] = enters(P[9], P[10], e.full, P[9]);
    P[35] = enters(P[3], P[4], e.flat_start, P[4]);
    P[36] = enters(P[11], P[12], e.flat_start, P[11]);
    if (v.facing) {  // rims from their top to their bottom profile point
        P[25] = P[6], P[26] = P[9];
        P[27] = P[5], P[28] = P[10];
        P[29] = P[4], P[30] = P[11];
        P[31] = P[3], P[32] = P[12];
    } else {  // from bottom to top, the larger rims from the tapers' crossings
        P[25] = P[34], P[26] = P[33];
        P[27] = P[10], P[28] = P[5];
        P[29] = P[36], P[30] = P[35];
        P[31] = P[12], P[32] = P[3];
    }
    if (v.steep) steep_cut(P, v.facing, 5, e.full, e.flat_end, 27, 25);
    if (v.steeper) steep_cut(P, v.facing, 3, e.flat_start, e.hub_start, 31, 29);
    return e;
}

// The leg's side lines, pipe end to mouth and back.
int axo_sides(Out& o, const tagRPT* P)
{
    o.code(kBody);
    for (int n = 0; n < 16; n += 2)
        if (o.seg(P[n], P[n + 1])) return 1;
    return 0;
}

// The tapers' side lines, up to where each passes into the rim beyond it.
int axo_tapers(Out& o, const tagRPT* P, const Axo& v)
{
    return (!v.steep && (o.seg(P[5], P[33]) || o.seg(P[10], P[34]))) ||
           (!v.steeper && (o.seg(P[3], P[35]) || o.seg(P[12], P[36])));
}

// The bend's outer and inner side, each a quarter of an upright ellipse
// through the bend end's profile point.
int axo_bend(Out& o, const tagRPT* P)
{
    const tagRPT c1 = {P[7].x, P[1].y}, c2 = {P[8].x, P[14].y};
    const double a1 = P[1].x - P[7].x, a2 = P[14].x - P[8].x;
    return o.earc(c1, std::abs(a1), semi_b(a1, P[2].x - P[7].x, P[2].y - P[1].y), 0, P[2], P[1]) ||
           o.earc(c2, std::abs(a2), semi_b(a2, P[13].x - P[8].x, P[13].y - P[14].y), 0, P[13], P[14]);
}

// The socket's end face seen whole: outside and bore.
int axo_mouth(Out& o, const Rims& e, const B* b, const tagRPT* P, double rot)
{
    const double bore = b->d1 * 0.5 - b->d8;
    return o.code(kEnd2).ellipse(e.mouth) || o.style(2).ellipse(P[23], 0.5 * bore, bore, rot);
}

// The hub's rims and the bend end's, in the thin second style.
int axo_rims(Out& o, const Rims& e, const tagRPT* P, bool facing)
{
    return o.code(kBody).style(2).earc(e.full, P[25], P[26]) ||
           o.earc(e.flat_end, P[27], P[28]) ||
           o.earc(e.flat_start, P[29], P[30]) ||
           o.earc(e.hub_start, P[31], P[32]) ||
           (facing ? o.earc(e.bend_end, P[2], P[13]) : o.earc(e.bend_end, P[13], P[2]));
}

Axo axo(const B* b, double rot, bool facing)
{
    return {rot, facing, b->size == 100 || b->size == 125, b->size == 125};
}

// Views 6 and 7: the plain leg square to the line of sight, its end a line.
int v6_small(BZI_WRT_PRM* w, const B* b)
{
    const Axo v = axo(b, kRot6, view_no(w) == 6);
    tagRPT* P = data;
    const Rims e = axo_points(P, b, 6, v);
    Out o(w);
    if (o.code(kEnd1).seg(P[15], P[16]) ||
        axo_sides(o, P) ||
        o.seg(P[1], P[14]) ||
        axo_tapers(o, P, v) ||
        axo_bend(o, P))
        return 1;
    if (v.facing ? axo_mouth(o, e, b, P, v.rot) : o.code(kEnd2).earc(e.mouth, P[8], P[7])) return 1;
    return axo_rims(o, e, P, v.facing);
}

// Views 10 and 11: the plain leg tilted too, its end an ellipse k as high as
// wide; view 10 faces it, view 11 sees its far half.
int v10_small(BZI_WRT_PRM* w, const B* b)
{
    const Axo v = axo(b, kRot10, view_no(w) == 11);
    tagRPT* P = data;
    const Rims e = axo_points(P, b, 7, v);
    const tagRELL pipe_end = ell({0, P[15].y}, P[15].x, P[15].x * k, 0);
    const tagRELL bend_start = ell({0, P[1].y}, P[14].x, P[14].x * k, 0);
    const double bore = b->d2 * 0.5 - b->d7;
    Out o(w);
    if (axo_sides(o, P) ||
        axo_tapers(o, P, v) ||
        axo_bend(o, P))
        return 1;
    if (v.facing) {
        return axo_mouth(o, e, b, P, v.rot) ||
               o.code(kEnd1).earc(pipe_end, P[16], P[15]) ||
               axo_rims(o, e, P, true) ||
               o.earc(bend_start, P[1], P[14]);
    }
    return o.code(kEnd2).earc(e.mouth, P[8], P[7]) ||
           o.code(kEnd1).style(2).ellipse(pipe_end) ||
           o.ellipse({0, P[15].y}, bore, bore * k, 0) ||
           axo_rims(o, e, P, false) ||
           o.earc(bend_start, P[14], P[1]);
}

// ---------------------------------------------------------------------------
// Views 12 and 13: looking down the socket leg's axis from above, the socket
// leg turned a quarter round and foreshortened by k, the plain leg's end an
// ellipse at the foot; view 13 sees only that end's near half.

int v12_small(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    P[1] = {b->d2 * 0.5, b->d10 * -k};
    P[2] = {b->d2 * -0.5, P[1].y};
    P[3] = {P[2].x, P[73].x};
    for (int n = 4; n <= 8; ++n) P[n] = {-P[n + 70].y, P[n + 70].x};
    flip_x_back_pts(P, 9, 8, 6);
    P[15] = {P[79].y, P[79].x};
    P[16] = flip_x(P[15]);
    const double r = b->d2 * 0.5;
    Out o(w);
    if (o.code(kBody).run(P, {2, 3, 4, 5, 6, 7, 8}) ||
        o.code(kEnd2).seg(P[8], P[9]) ||
        o.code(kBody).run(P, {9, 10, 11, 12, 13, 14}) ||
        o.intended(Intended::free_ends, kSocketBottomLine).seg(P[15], P[16]) ||
        o.seg(P[1], P[14]) ||
        o.seg(P[3], P[14]) ||
        o.seg(P[7], P[10]))
        return 1;
    o.code(kEnd1).style(2);
    if (view_no(w) == 12) return o.ellipse({0, P[1].y}, r, r / kRoot2, 0);
    return o.earc({0, P[1].y}, r, r / kRoot2, 0, P[2], P[1]);
}

// ---------------------------------------------------------------------------
// Views 8 and 9: looking into the socket (8) or at the back of the socket leg
// (9), its rims circles at the origin, the plain leg lying to the left turned
// 45 degrees away, its pipe end an ellipse. Up to 125 the pipe's side lines
// end on the hub's outside circle; above, hub and pipe are one diameter and
// the lines run to the axis. From 250 the bend end shows no arc of its own.

int jarf41l0_v8(BZI_WRT_PRM* w, const B* b)
{
    const bool small = b->size < 150, huge = b->size >= 250;
    const double r1 = b->d1 * 0.5, r2 = b->d2 * 0.5;
    const bool back = view_no(w) == 9;
    tagRPT* P = data;
    P[1] = {b->d2 * -0.5, b->d10 / -kRoot2};
    P[2] = flip_x(P[1]);
    // The pipe's side line, from the pipe end up towards the axis.
    const tagRSEG side = line(P[1], pt(P[1].x, 0));
    const tagRPT bend = {P[1].x, (b->d5 - b->d3) / -kRoot2};
    const tagRPT on_axis = {P[1].x, 0};
    if (back) {
        P[6] = bend;
        P[7] = flip_x(P[6]);
        if (small) {
            P[4] = smaller_y(cross(side, circ({0, 0}, r1), {on_axis, on_axis}));
            P[5] = flip_x(P[4]);
        }
        P[0] = small ? smaller_y(cross(side, circ({0, 0}, r2), {on_axis, on_axis})) : on_axis;
    } else {
        P[4] = bend;
        P[5] = flip_x(P[4]);
        P[0] = small ? smaller_y(cross(side, circ({0, 0}, r1), {on_axis, on_axis})) : on_axis;
    }
    P[3] = flip_x(P[0]);
    turn_pts(P, 0, 26, kQuarterBack);

    // The pipe end, 45 degrees off: half as wide by the stored root of 2.
    auto end_rim = [](tagRPT p, double r) { return ell({p.x, 0}, r / kRoot2, r, 0); };
    const double ry = std::abs(P[2].y);
    Out o(w, kCopyPen);
    if (!back) {
        if (o.code(kEnd2).circle({0, 0}, r1) ||
            o.circle({0, 0}, r1 - b->d8) ||
            o.code(kBody).seg(P[0], P[1]) ||
            o.seg(P[2], P[3]) ||
            o.code(kEnd1).earc(end_rim(P[2], ry), P[1], P[2]))
            return 1;
        // Up to 125 the bend's side points lie inside the socket circles, and so do the arc's ends.
        return huge ? 0 : o.code(kBody).intended(Intended::free_ends, "bend end's arc through the bend's side points, inside the socket")
                              .arc({P[5].x, 0}, std::abs(P[5].y), P[4], P[5]);
    }
    if (small && o.code(kEnd2).arc({0, 0}, r1, P[5], P[4])) return 1;
    if (o.code(kEnd2).arc({0, 0}, r2, P[3], P[0]) ||
        o.code(kBody).seg(P[0], P[1]) ||
        o.seg(P[2], P[3]) ||
        o.code(kEnd1).ellipse(end_rim(P[2], ry)) ||
        o.ellipse(end_rim(P[2], ry - b->d7)))
        return 1;
    return huge ? 0 : o.code(kBody).earc(end_rim(P[7], std::abs(P[7].y)), P[7], P[6]);
}

// Views 14 to 17: the host draws the standard symbol.
int jarf41l0_v14(BZI_WRT_PRM* w, const B*)
{
    declare_view(Intended::host_draws, "the host draws the standard symbol itself");
    return hyojun41(w, 0);
}

// ---------------------------------------------------------------------------
// Size dispatch: up to 125 the hubbed variants above, above 125 the plain ones.

template <int (*Small)(BZI_WRT_PRM*, const B*), int (*Large)(BZI_WRT_PRM*, const B*)>
int by_size(BZI_WRT_PRM* w, const B* b)
{
    return (b->size <= 125 ? Small(w, b) : Large(w, b)) != 0 ? 1 : 0;
}

constexpr ViewFn<B> jarf41l0_v1 = by_size<v1_small, jarf41l0_v1_large>;
constexpr ViewFn<B> jarf41l0_v2 = by_size<v2_small, jarf41l0_v2_large>;
constexpr ViewFn<B> jarf41l0_v3 = by_size<v3_small, jarf41l0_v3_large>;
constexpr ViewFn<B> jarf41l0_v6 = by_size<v6_small, jarf41l0_v6_large>;
constexpr ViewFn<B> jarf41l0_v10 = by_size<v10_small, jarf41l0_v10_large>;
constexpr ViewFn<B> jarf41l0_v12 = by_size<v12_small, jarf41l0_v12_large>;

constexpr ViewFn<B> kViews[18] = {
    nullptr,      jarf41l0_v1,  jarf41l0_v2,  jarf41l0_v3,  jarf41l0_v3,  jarf41l0_v2,
    jarf41l0_v6,  jarf41l0_v6,  jarf41l0_v8,  jarf41l0_v8,  jarf41l0_v10, jarf41l0_v10,
    jarf41l0_v12, jarf41l0_v12, jarf41l0_v14, jarf41l0_v14, jarf41l0_v14, jarf41l0_v14};

int proc_list[kProcListLen] = {21, 44, 41, 42, 56, 63, 64, 202, 203, 123, 124, 204, 205};
constinit BZI_COM_PRM com = com_block(0, 2, {0x00, 0x00, 0x50, 0x00, 0x01, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf41l0_info() { return {"jarft41l00", view_mask(kViews), 1, kSample, 0, last_record, table_keys<table>}; }

extern "C" int jarft41l00(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample, head->size_a));
    last = &b;
    set_len(head, b, bend_len(head, set, b, 8, 255));  // inclined views from 8

    BZI_COM_PRM& c = com;
    set_points(c, head, kRef45, Pt::A, Pt::C, Pt::B);
    set_pair(c, 0, b.size, b.d2);
    set_pair(c, 1, b.size, b.d1);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    set_triples(c, head, 17, Pt::A, Pt::B, Pt::C);
    mark_size_class(c, b.size);

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
