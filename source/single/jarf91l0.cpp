// 90-degree bend with socket ends.
#include "arfroutines.h"
#include "arftable.h"
#include "borrowed.h"
#include "catalog.h"
#include "comblock.h"
#include "elemout.h"
#include "frame.h"
#include "lenrule.h"
#include "outline.h"

namespace {

using B = ARF_SIZE1_HALF;

constexpr Row1Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 9> r;
constinit Table1<B, 11> table = table1<11>(
    r(40, 65.6f, 48.6f, 75, 55, 133, 188, 3.5f, 3.5f, 78),
    r(50, 79.5f, 60.5f, 80, 60, 157, 207, 2.8f, 3.8f, 97),
    r(65, 100, 76.3f, 105, 75, 201, 226, 2.8f, 4.2f, 126),
    r(80, 114, 89.1f, 105, 75, 220, 245, 2.8f, 4.2f, 145),
    r(100, 138.3f, 114.3f, 105, 75, 258, 283, 3.5f, 4.5f, 183),
    r(125, 164.8f, 139.8f, 115, 85, 306, 341, 3.5f, 4.5f, 221),
    r(150, 165.25f, 165.25f, 150, 0, 379, 379, 3.7f, 3.7f, 379),
    r(200, 216.3f, 216.3f, 180, 0, 485, 485, 4.5f, 4.5f, 485),
    r(250, 267.4f, 267.4f, 150, 0, 531, 381, 6.6f, 6.6f, 381),
    r(300, 318.5f, 318.5f, 150, 0, 608, 458, 6.9f, 6.9f, 458),
    r(350, 355.5f, 355.5f, 150, 0, 684, 534, 7.9f, 7.9f, 534));

constexpr int kSample = 65;

// ---------------------------------------------------------------------------
// Outline. The socket profile puts the socket leg along +x, from the bend end
// at x = R (R = d5 - d3) to the socket end face at x = d5, and the plain leg
// down the y axis from y = -R to the pipe end at y = -d10; the bend turns
// about (R, -R). Up to 125 the socket leg carries a hub; above, both legs are
// plain pipe, and from 250 the plain leg has no straight part (d10 = R).

constexpr double k = 0.707106781;

int view_no(const BZI_WRT_PRM* w) { return w->head->view_no; }

bool no_straight_leg(const B* b) { return b->size >= 250; }

// Body segments through P[a], P[a+1], ..., P[z]; the one leaving P[face] is
// the socket end face.
int profile(Out& o, const tagRPT* P, int a, int face, int z)
{
    for (int n = a; n < z; ++n)
        if (o.code(n == face ? kEnd2 : kBody).seg(P[n], P[n + 1])) return 1;
    return 0;
}

// A rim drawn whole where its face is towards the viewer, else the part from s to t.
int rim(Out& o, const tagRELL& e, bool whole, tagRPT s, tagRPT t) { return whole ? o.ellipse(e) : o.earc(e, s, t); }

// Up to 125, the side outline: pipe end P0, P1 (at height end_y), bend ends
// P2 and P3, hub P4..P8, the hub's far side P9..P14 back to the inner bend
// end, the far bend end P15 and pipe corner P16, the socket bottom P17-P18.
void small_points(tagRPT* P, double end_y)
{
    P[0] = {P[70].x, end_y};
    P[1] = {P[71].x, end_y};
    copy_pts(P, 2, 72, 7);
    mirror_back_pts(P, 9, 78, 6);
    P[15] = flip_x(P[2]);
    P[16] = flip_x(P[1]);
    P[17] = P[79];
    P[18] = flip_y(P[79]);
}

// The bend's two arcs share a centre P21 on the cross line P2-P15, as far from
// P2 as from P3: that line meets the ends' mid-perpendicular, the chord of two
// equal circles about them.
void bend_centre(tagRPT* P)
{
    const Two m = cross(circ(P[2], P[8].x * 5), circ(P[3], 5 * P[8].x));
    P[22] = m.p1;
    P[23] = m.p2;
    P[21] = cross(line(P[22], P[23]), line(P[2], P[15]));
}

// Views 1, 10 and 11 up to 125: plain leg side line, outer bend, round the hub
// and over the socket end face, back along the far side, inner bend, far side
// line of the plain leg.
int small_side(Out& o, const tagRPT* P)
{
    const tagRPT c = P[21];
    return o.code(kBody).seg(P[1], P[2]) ||
           o.arc(c, c.x - P[2].x, P[3], P[2]) ||
           profile(o, P, 3, 8, 14) ||
           o.arc(c, c.x - P[15].x, P[14], P[15]) ||
           o.seg(P[15], P[16]);
}

// Lines across the socket leg: the bend end, the hub's full-width step and the socket bottom.
int small_crossings(Out& o, const tagRPT* P)
{
    return o.code(kBody).seg(P[3], P[14]) || o.seg(P[7], P[10]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[17], P[18]);
}

// Above 125, the side outline: plain leg end P0 (at height end_y), bend ends P1
// and P2, socket end face P3-P4, far bend end P5, far plain leg side P6-P7.
void large_points(tagRPT* P, double end_y)
{
    P[0] = {P[71].x, end_y};
    copy_pts(P, 1, 72, 2);
    P[3] = P[78];
    mirror_back_pts(P, 4, 3, 2);
    P[6] = flip_x(P[1]);
    P[7] = flip_x(P[0]);
}

// View 1: the bend flat in the drawing.
int v1_small(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    small_points(P, P[70].y);
    bend_centre(P);
    Out o(w);
    return small_side(o, P) ||
           o.code(kEnd1).seg(P[16], P[1]) ||
           o.code(kBody).seg(P[2], P[15]) ||
           small_crossings(o, P);
}

int v1_large(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    large_points(P, P[71].y);
    const tagRPT c = {P[2].x, P[1].y};
    Out o(w);
    if (o.code(kBody).arc(c, P[2].x - P[1].x, P[2], P[1]) ||
        profile(o, P, 2, 3, 5) ||
        o.arc(c, P[2].x - P[6].x, P[5], P[6]))
        return 1;
    if (no_straight_leg(b)) return o.code(kEnd1).seg(P[0], P[7]) || o.code(kBody).seg(P[2], P[5]);
    return o.seg(P[0], P[1]) || o.seg(P[6], P[7]) ||
           o.code(kEnd1).seg(P[0], P[7]) ||
           o.code(kBody).seg(P[1], P[6]) || o.seg(P[2], P[5]);
}

// Views 2 and 5: looking down the plain leg, its pipe end a circle at the
// origin. View 2 faces that end and sees all of it with its bore; view 5 sees
// it from behind, only the half beyond the bend.
int v2_small(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    P[0] = {P[70].x, 0};
    P[1] = {P[70].x, P[73].y};
    copy_pts(P, 2, 73, 6);
    mirror_back_pts(P, 8, 78, 6);
    P[14] = {0, -P[73].y};
    P[15] = {P[75].x, P[79].y};
    P[16] = {P[75].x, -P[79].y};
    P[17] = P[80];
    const tagRPT c = {0, 0};
    const double r = P[73].y;
    Out o(w);
    if (profile(o, P, 1, 7, 14) ||
        o.code(kEnd1).arc(c, r, P[1], P[14]) ||
        o.code(kBody).seg(P[2], P[13]) || o.seg(P[6], P[9]) ||
        o.intended(Intended::free_ends, kSocketBottomLine).seg(P[15], P[16]))
        return 1;
    if (view_no(w) == 5) return 0;
    return o.arc(c, r, P[14], P[1]) || o.circle(c, P[1].y - P[17].x);
}

int v2_large(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    P[0] = {0, P[73].y};
    P[1] = P[78];
    mirror_back_pts(P, 2, 1, 2);
    P[4] = P[73];
    P[5] = flip_y(P[4]);
    const tagRPT c = {0, 0};
    Out o(w);
    if (profile(o, P, 0, 1, 3) ||
        o.code(kEnd1).arc(c, P[0].y, P[0], P[3]) ||
        o.code(kBody).seg(P[4], P[5]))
        return 1;
    if (view_no(w) == 5) return 0;
    return o.code(kEnd1).arc(c, P[0].y, P[3], P[0]) || o.circle(c, P[0].y - b->d7);
}

// Views 3 and 4: looking along the socket leg, the hub a circle at the origin
// with the plain leg hanging below. View 3 faces the socket mouth; view 4 sees
// the back of the hub, the pipe and the shoulder showing above the plain leg.
int v3_small(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    const tagRPT c = {0, 0};
    const bool back = view_no(w) == 4;
    P[0] = c;
    copy_pts(P, 1, 71, 2);
    P[5] = flip_x(P[72]);
    P[6] = flip_x(P[71]);
    P[7] = P[80];
    P[8] = P[78];
    P[11] = P[75];
    // The plain leg's side lines run up into the hub circle, below its centre.
    P[3] = smaller_y(cross(line(P[1], P[2]), circ(c, P[8].y)));
    P[4] = flip_x(P[3]);
    Out o(w);
    if (o.code(kBody).run(P, {1, 2, 3}) ||
        o.code(kEnd2).arc(c, P[8].y, P[4], P[3]) ||
        o.code(kBody).run(P, {4, 5, 6}) ||
        o.code(kEnd1).seg(P[6], P[1]) ||
        o.code(kBody).seg(P[2], P[5]))
        return 1;
    if (!back) return o.code(kEnd2).arc(c, P[8].y, P[3], P[4]) || o.circle(c, P[8].y - P[7].y);
    P[12] = smaller_y(cross(line(P[1], P[2]), circ(c, P[11].y)));
    P[13] = flip_x(P[12]);
    P[9] = {P[1].x, 0};
    P[10] = {P[6].x, 0};
    return o.seg(P[3], P[9]) || o.seg(P[4], P[10]) ||
           o.arc(c, P[6].x, P[10], P[9]) || o.arc(c, P[11].y, P[13], P[12]);
}

int v3_large(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    P[0] = P[71];
    P[1] = {P[0].x, 0};
    P[2] = flip_x(P[1]);
    P[3] = flip_x(P[0]);
    P[4] = P[72];
    P[5] = flip_x(P[4]);
    const tagRPT c = {0, P[1].y};
    const double r = P[2].x;
    Out o(w);
    if (o.code(kBody).seg(P[0], P[1]) ||
        o.code(kEnd2).arc(c, r, P[2], P[1]) ||
        o.code(kBody).seg(P[2], P[3]) ||
        o.code(kEnd1).seg(P[0], P[3]))
        return 1;
    // The bend end line; with no straight leg it would lie on the pipe end.
    if (!no_straight_leg(b) && o.code(kBody).seg(P[4], P[5])) return 1;
    if (view_no(w) == 4) return 0;
    return o.code(kEnd1).arc(c, r, P[1], P[2]) || o.circle(c, r - b->d8);
}

// Where two rims seen at the same slant meet: in x / slant they are circles,
// so their crossings lie on one vertical chord, returned as a line upwards.
tagRSEG rims_chord(const tagRELL& a, const tagRELL& b)
{
    const double x = 0.5 * (a.x + b.x) + (a.a * a.a - b.a * b.a) / (2 * (b.x - a.x));
    return {x, -1, x, 1};
}

// Whether p lies inside the axis-parallel ellipse e.
bool inside(tagRPT p, const tagRELL& e)
{
    const double u = (p.x - e.x) / e.a, v = (p.y - e.y) / e.b;
    return u * u + v * v < 1;
}

// Views 6 and 7 up to 125: the socket leg recedes at 45 degrees, so each rim
// across it is an ellipse k·r wide and r high, and the bend outlines are
// quarter ellipses. View 6 looks into the socket mouth: the hub stands in
// front of the bend and the near, left halves of the rims show. View 7 looks
// at the back of the bend, which stands in front; there the right halves show.
//
// The bend's ends P40 (outer outline), P41 (inner outline) and the ends P42,
// P43 of the bend-end rim are where those curves come out from behind the
// hub. The hub can hide them only in view 6, and only where the shoulder rim
// reaches over the bend end P3 (size 125): then they lie on the shoulder rim,
// and the pipe lines P3-P30, P31-P14, which run back inside it, are hidden
// too. Otherwise the curves run to P3 and P14 and every line is drawn. A curve
// whose end the intersection routine does not find is left out.
int v6_small(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(5, 0, b);
    tagRPT* P = data;
    small_points(P, P[70].y);
    copy_pts(P, 19, 81, 2);
    const bool front = view_no(w) == 6;
    const tagRELL step = slant_rim(P[7].x, P[7].y, k), shoulder = slant_rim(P[5].x, P[5].y, k),
                  neck = slant_rim(P[4].x, P[4].y, k), joint = slant_rim(P[3].x, P[3].y, k),
                  bottom = slant_rim(P[17].x, P[17].y, k);
    const tagRPT c = {P[3].x, P[2].y};
    const tagRELL outer = ell(c, P[3].x - P[2].x, P[3].y - P[2].y, 0);
    const tagRELL inner = ell(c, P[14].x - P[15].x, P[14].y - P[15].y, 0);
    // Construction points. The socket bottom rim's crossings (P23, P24 in view 6,
    // P21, P22 in view 7) end nothing drawn; they are kept with the others.
    if (front) {
        P[21] = smaller_x(cross(line(P[5], P[6]), step));
        P[22] = flip_y(P[21]);
        const Two i2 = cross(step, bottom);
        P[23] = larger_y(i2, Tie::first);
        P[24] = smaller_y(i2);
        P[30] = smaller_x(cross(line(P[3], P[4]), shoulder));
        P[31] = flip_y(P[30]);
        const Two i4 = cross(shoulder, neck);
        P[32] = larger_y(i4, Tie::first);
        P[33] = smaller_y(i4);
    } else {
        const Two i1 = cross(neck, bottom);
        P[21] = larger_y(i1, Tie::first);
        P[22] = smaller_y(i1);
    }

    const bool hidden = front && inside(P[3], shoulder);
    // The shoulder's centre is never on a curve it crosses: finding it back means no crossing.
    const tagRPT none = centre(shoulder);
    auto found = [&](tagRPT p) { return !hidden || p.x != none.x || p.y != none.y; };
    P[40] = hidden ? smaller_x(cross(outer, shoulder, {none, none})) : P[3];
    P[41] = hidden ? smaller_x(cross(inner, shoulder, {none, none})) : P[14];
    P[42] = hidden ? larger_y(cross(rims_chord(joint, shoulder), joint, {none, none})) : P[3];
    P[43] = flip_y(P[42]);

    Out o(w);
    if (o.code(kBody).seg(P[1], P[2]) || (found(P[40]) && o.earc(outer, P[40], P[2]))) return 1;
    if (front) {
        if ((!hidden && o.seg(P[3], P[30])) ||
            o.seg(P[5], P[21]) || o.seg(P[7], P[8]) ||
            o.code(kEnd2).ellipse(slant_rim(P[19].x, P[8].y, k)) ||
            o.ellipse(slant_rim(P[19].x, P[20].y, k)) ||
            o.code(kBody).seg(P[9], P[10]) || o.seg(P[22], P[12]) ||
            (!hidden && o.seg(P[31], P[14])))
            return 1;
    } else if (profile(o, P, 3, -1, 8) ||
               o.code(kEnd2).earc(slant_rim(P[19].x, P[8].y, k), P[9], P[8]) ||
               profile(o, P, 9, -1, 14)) {
        return 1;
    }
    if ((found(P[41]) && o.code(kBody).earc(inner, P[41], P[15])) ||
        o.code(kBody).seg(P[15], P[16]) ||
        o.code(kEnd1).seg(P[16], P[1]) ||
        o.code(kBody).seg(P[2], P[15]))
        return 1;
    if (front)
        return o.earc(step, P[7], P[10]) || o.earc(shoulder, P[5], P[12]) ||
               o.earc(neck, P[32], P[33]) || (found(P[42]) && o.earc(joint, P[42], P[43]));
    // Near halves of the rims from the hub's mouth step back to the bend end.
    for (int n = 7; n >= 3; --n)
        if (o.earc(slant_rim(P[n].x, P[n].y, k), P[17 - n], P[n])) return 1;
    return 0;
}

int v6_large(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(5, 0, b);
    tagRPT* P = data;
    large_points(P, P[71].y);
    const tagRPT c = {P[2].x, P[1].y};
    const tagRELL joint = slant_rim(P[2].x, P[2].y, k), face = slant_rim(P[3].x, P[3].y, k);
    // Without a straight leg the leg's side lines shrink to points, listed all the same.
    const char* no_leg = no_straight_leg(b) ? "no straight leg at this size: the leg's side line is a point" : nullptr;
    Out o(w);
    if (o.code(kBody).intended(Intended::zero_length, no_leg).seg(P[0], P[1]) ||
        o.earc(c, P[2].x - P[1].x, P[2].y - P[1].y, 0, P[2], P[1]) ||
        o.seg(P[2], P[3]) ||
        o.code(kEnd2).earc(face, P[4], P[3]) ||
        o.code(kBody).seg(P[4], P[5]) ||
        o.earc(c, P[5].x - P[6].x, P[5].y - P[6].y, 0, P[5], P[6]) ||
        o.intended(Intended::zero_length, no_leg).seg(P[6], P[7]) ||
        o.code(kEnd1).seg(P[0], P[7]))
        return 1;
    if (!no_straight_leg(b) && o.code(kBody).seg(P[1], P[6])) return 1;
    if (view_no(w) == 7) return o.code(kBody).earc(joint, P[5], P[2]);
    return o.code(kBody).earc(joint, P[2], P[5]) ||
           o.code(kEnd2).earc(face, P[3], P[4]) ||
           o.ellipse(slant_rim(P[3].x, P[3].y - b->d8, k));
}

// Views 10 and 11: the plain leg leans back at 45 degrees, so its pipe end and
// bend end are ellipses half as high as wide over √2. View 10 faces the pipe
// end and sees it whole; view 11 sees only its near half.
int v10_small(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    small_points(P, b->d10 / -1.41421356);
    bend_centre(P);
    const bool v10 = view_no(w) == 10;
    const tagRELL end = ell({0, P[0].y}, P[16].x, P[16].x / 1.41421356, 0);
    const tagRELL joint = ell({0, P[2].y}, P[15].x, P[15].x / 1.41421356, 0);
    Out o(w);
    return small_side(o, P) ||
           rim(o.code(kEnd1), end, v10, P[1], P[16]) ||
           small_crossings(o, P) ||
           (v10 ? o.earc(joint, P[15], P[2]) : o.earc(joint, P[2], P[15]));
}

int v10_large(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(1, 0, b);
    tagRPT* P = data;
    large_points(P, b->d10 * -k);
    const bool v10 = view_no(w) == 10;
    const tagRELL end = ell({0, P[0].y}, P[7].x, P[7].x * k, 0);
    Out o(w);
    if (profile(o, P, 2, 3, 5)) return 1;
    if (no_straight_leg(b))  // the bend runs down to the pipe end
        return o.earc({P[2].x, P[0].y}, P[2].x - P[0].x, P[2].y - P[0].y, 0, P[2], P[0]) ||
               o.earc({P[5].x, P[7].y}, P[5].x - P[7].x, P[5].y - P[7].y, 0, P[5], P[7]) ||
               rim(o.code(kEnd1), end, v10, P[0], P[7]) ||
               o.seg(P[2], P[5]);
    const tagRPT c = {P[2].x, P[1].y};
    const tagRELL joint = ell({0, P[1].y}, P[6].x, P[6].x * k, 0);
    return o.arc(c, P[2].x - P[1].x, P[2], P[1]) || o.arc(c, P[2].x - P[6].x, P[5], P[6]) ||
           o.seg(P[0], P[1]) || o.seg(P[6], P[7]) ||
           rim(o.code(kEnd1), end, v10, P[0], P[7]) ||
           (v10 ? o.earc(joint, P[6], P[1]) : o.earc(joint, P[1], P[6])) ||
           o.seg(P[2], P[5]);
}

// Each view code's function: the small-size outline up to 125, the large one above.
template <ViewFn<B> Small, ViewFn<B> Large>
int by_size(BZI_WRT_PRM* w, const B* b)
{
    return (b->size > 125 ? Large(w, b) : Small(w, b)) != 0 ? 1 : 0;
}

constexpr ViewFn<B> jarf91l0_v1 = by_size<v1_small, v1_large>;
constexpr ViewFn<B> jarf91l0_v2 = by_size<v2_small, v2_large>;
constexpr ViewFn<B> jarf91l0_v3 = by_size<v3_small, v3_large>;
constexpr ViewFn<B> jarf91l0_v6 = by_size<v6_small, v6_large>;
constexpr ViewFn<B> jarf91l0_v10 = by_size<v10_small, v10_large>;

// View codes 1 to 7, 10 and 11; 8 and 9 have none.
constexpr ViewFn<B> kViews[12] = {nullptr,     jarf91l0_v1, jarf91l0_v2, jarf91l0_v3,
                                  jarf91l0_v3, jarf91l0_v2, jarf91l0_v6, jarf91l0_v6,
                                  nullptr,     nullptr,     jarf91l0_v10, jarf91l0_v10};

int proc_list[kProcListLen] = {22, 44, 45, 46, 56, 63, 64, 0, 0, 74, 75};
constinit BZI_COM_PRM com = com_block(0, 2, {0x00, 0x00, 0x50, 0x00, 0x00, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf91l0_info() { return {"jarft91l00", view_mask(kViews), 1, kSample, 0, last_record, table_keys<table>}; }

BendBlocks jarf91l0_blocks() { return {table.count, table.rec}; }

extern "C" int jarft91l00(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample, head->size_a));
    last = &b;
    set_len(head, b, bend_len(head, set, b, 10, 11));  // inclined views 10, 11

    BZI_COM_PRM& c = com;
    set_points(c, head, kRef90, Pt::A, Pt::C, Pt::B);
    set_pair(c, 0, b.size, b.d2);
    set_pair(c, 1, b.size, b.d1);
    clear_pair(c, 2);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    set_triples(c, head, 12, Pt::A, Pt::B, Pt::C);
    mark_size_class(c, b.size);

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
