// Large-size outline variants of the 45-degree bend (sizes above 125).
//
// From 150 up the bend has no hub: the socket's outside diameter equals the
// pipe's, so every view is a plain band bent through 45 degrees, with the
// bend's start and end marked by seams. From 250 up the fitting has a fixed
// length whose end-1 straight is exactly the bend's start (d10 = d5 - d3):
// the end-1 face and the bend-start seam fall together, so those sizes draw
// the face once, where the seam would be, and leave the straight out.
//
// The points live in the host's scratch array as P0, P1, ... in the order the
// element lists name them; the profile the joint routine leaves at 70 onward
// is only read.
#include <cmath>

#include "elemout.h"
#include "jarf41l0.h"
#include "outline.h"

namespace {

using B = ARF_SIZE1_HALF;

constexpr double k = 0.707106781;          // cos 45, as stored
constexpr double kTilt6 = 54.73561032;     // axis tilt of a rim in views 6 and 7
constexpr double kTilt10 = 35.26438968;    // and in views 10 and 11

// 150 to 249 still have an end-1 straight between the face and the bend.
bool has_straight(const B* b) { return b->size < 250; }

int view_of(const BZI_WRT_PRM* w) { return w->head->view_no; }

// Mirror across the 45-degree line: the far side of the turned leg.
constexpr tagRPT swap_xy(tagRPT a) { return {a.y, a.x}; }

// A point turned by the axonometric factors (c, s) of views 6/7 and 10/11.
constexpr tagRPT turn(tagRPT p, double c, double s) { return {p.x * c - p.y * s, p.y * c + p.x * s}; }

// A circle of radius r on the pipe axis, seen in the axonometric views: half
// as wide across the tilted axis as along it.
constexpr tagRELL rim(tagRPT c, double r, double tilt) { return ell(c, 0.5 * r, r, tilt); }

// ---------------------------------------------------------------- view 1

// Outer bend arc, the turned leg up to its end face, and the inner bend arc.
int bend_and_leg(Out& o, const tagRPT* P)
{
    const tagRPT c = P[8];
    return o.code(kBody).arc(c, c.x - P[1].x, P[2], P[1]) || o.seg(P[2], P[3]) ||
           o.code(kEnd2).seg(P[3], P[4]) ||
           o.code(kBody).seg(P[4], P[5]) || o.arc(c, c.x - P[6].x, P[5], P[6]);
}

// ------------------------------------------------------ views 6, 7, 10, 11

// Axonometric points. f foreshortens the end-1 leg (1 in views 6/7, k in
// 10/11); (c, s) turn the leg's end, already shortened across by √0.75.
void axo_points(tagRPT* P, const B* b, double f, double c, double s)
{
    const double r = std::sqrt(0.75);
    P[0] = {b->d2 * (-0.5), -b->d10 * f};
    P[1] = {P[0].x, -(b->d5 - b->d3) * f};
    P[6] = flip_x(P[1]);
    P[7] = flip_x(P[0]);
    P[8] = {P[6].x - P[1].x + P[6].x - P[1].x, P[6].y};
    P[2] = {(b->d5 - b->d3) * r, b->d2 * 0.5};
    P[3] = {r * b->d5, 0.5 * b->d1};
    mirror_back_pts(P, 4, 3, 2);
    for (int n = 2; n <= 5; ++n) P[n] = turn(P[n], c / r, s / r);
}

// The bend's sides are quarter ellipses about P8, upright at P1 and P6, each
// fitted through the turned leg's start on its side.
tagRELL bend_side(const tagRPT* P, tagRPT upright, tagRPT leg)
{
    const tagRPT c = P[8];
    const double a = c.x - upright.x;
    return ell(c, a, semi_b(a, c.x - leg.x, leg.y - c.y), 0);
}

// Outer bend side, the turned leg up to its end face (drawn by face), and the
// inner bend side.
template <class Face>
int turned_leg(Out& o, const tagRPT* P, Face face)
{
    return o.code(kBody).earc(bend_side(P, P[1], P[2]), P[2], P[1]) || o.seg(P[2], P[3]) || face() ||
           o.code(kBody).seg(P[4], P[5]) || o.earc(bend_side(P, P[6], P[5]), P[5], P[6]);
}

// The end-1 straight's sides.
int straight_sides(Out& o, const tagRPT* P) { return o.code(kBody).seg(P[0], P[1]) || o.seg(P[6], P[7]); }

}  // namespace

// View 1: the bend in its own plane, end 1 downward and end 2 up at 45 degrees.
int jarf41l0_v1_large(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(2, 0, b);
    tagRPT* P = data;
    copy_pts(P, 0, 71, 3);
    P[3] = P[78];
    P[4] = swap_xy(P[78]);
    P[5] = swap_xy(P[2]);
    P[6] = flip_x(P[1]);
    P[7] = flip_x(P[0]);
    // Both bend arcs turn about one centre on the bend-start line, as far from P1 as from P2.
    P[8] = equidistant_on(P[1], P[2], P[3].x * 5, line(P[1], P[6]), &P[10]);

    Out o(w);
    if (!has_straight(b))
        return bend_and_leg(o, P) || o.code(kEnd1).seg(P[1], P[6]) || o.code(kBody).style(2).seg(P[2], P[5]);
    return o.code(kBody).seg(P[0], P[1]) || bend_and_leg(o, P) || o.seg(P[6], P[7]) ||
           o.code(kEnd1).seg(P[0], P[7]) ||
           o.code(kBody).style(2).seg(P[1], P[6]) || o.seg(P[2], P[5]);
}

// Views 2 and 5: looking down end 1's axis; the turned leg runs off to the
// right foreshortened, its end face and bend-end seam seen as upright ellipses.
int jarf41l0_v2_large(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(3, 0, b);
    tagRPT* P = data;
    P[0] = {0, 0};
    copy_pts(P, 1, 71, 2);
    P[3] = P[77];
    P[4] = flip_y(P[77]);
    mirror_back_pts(P, 5, 72, 2);
    const tagRELL face = slant_rim(P[3].x, P[3].y, k);
    const tagRELL seam = slant_rim(P[2].x, P[2].y, k);
    const double r1 = P[1].y;

    Out o(w);
    if (o.code(kBody).run(P, {1, 2, 3}) || o.run(P, {4, 5, 6}) || o.code(kEnd2).earc(face, P[4], P[3]) ||
        o.code(kEnd1).arc(P[0], r1, P[1], P[6]))
        return 1;
    if (view_of(w) == 5)
        return o.code(kBody).style(2).earc(seam, P[2], P[5]) || o.code(kEnd2).earc(face, P[3], P[4]) ||
               o.ellipse(slant_rim(P[3].x, P[3].y - b->d7, k));
    return o.style(2).arc(P[0], r1, P[6], P[1]) || o.code(kBody).earc(seam, P[5], P[2]) ||
           o.code(kEnd1).circle(P[0], r1 - b->d7);
}

// Views 3 and 4: end 1 upright, the turned leg coming toward (3) or going away
// from (4) the viewer, its end face an ellipse at the top.
int jarf41l0_v3_large(BZI_WRT_PRM* w, const B* b)
{
    zahyoar(4, 0, b);
    tagRPT* P = data;
    P[0] = P[71];
    P[1] = P[77];
    P[2] = flip_x(P[77]);
    P[3] = flip_x(P[71]);
    P[4] = P[72];
    P[5] = flip_x(P[4]);
    P[6] = {P[0].x, (b->d5 - b->d3) * k};
    P[7] = flip_x(P[6]);
    P[8] = {0, P[1].y};
    const tagRELL face = ell(P[8], P[2].x, P[2].x * k, 0);
    const tagRELL seam = ell({0, P[6].y}, P[7].x, P[7].x * k, 0);
    const double bore = P[2].x - P[78].y;
    const bool straight = has_straight(b);

    Out o(w);
    if (o.code(kBody).seg(P[0], P[1]) || o.seg(P[2], P[3]) || o.code(kEnd1).seg(P[3], P[0]) ||
        o.code(kEnd2).earc(face, P[2], P[1]) ||
        (straight && o.code(kBody).style(2).seg(P[4], P[5])))
        return 1;
    if (view_of(w) == 4) return o.code(kBody).style(2).earc(seam, P[7], P[6]);
    return o.code(kEnd2).style(2).earc(face, P[1], P[2]) || o.code(kBody).earc(seam, P[6], P[7]) ||
           o.code(kEnd2).ellipse(P[8], bore, bore * k, 0);
}

// Views 6 and 7: axonometric, end 1 upright and the turned leg tilted at
// 54.7 degrees; view 6 looks into end 2, view 7 at its back.
int jarf41l0_v6_large(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double r2 = 1.0 / std::sqrt(2.0);
    axo_points(P, b, 1.0, 0.5, r2);
    const double half = dist(P[3], P[4]) * 0.5;
    const tagRELL face = rim(mid(P[4], P[3]), half, kTilt6);
    const tagRELL seam = rim(mid(P[5], P[2]), half, kTilt6);
    const bool v6 = view_of(w) == 6, straight = has_straight(b);

    Out o(w);
    return (straight ? straight_sides(o, P) || o.code(kEnd1).seg(P[0], P[7]) : o.code(kEnd1).seg(P[1], P[6])) ||
           turned_leg(o, P,
                      [&]() -> int {
                          if (!v6) return o.code(kEnd2).earc(face, P[4], P[3]);
                          return o.code(kEnd2).ellipse(face) ||
                                 o.ellipse(rim(centre(face), half - b->d8, kTilt6));
                      }) ||
           (v6 ? o.style(2).earc(seam, P[2], P[5]) : o.style(2).earc(seam, P[5], P[2])) ||
           (straight && o.seg(P[1], P[6]));
}

// Views 10 and 11: axonometric, end 1 tilted toward the viewer (its face an
// ellipse) and the turned leg at 35.3 degrees; view 11 looks into end 2.
int jarf41l0_v10_large(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double r2 = 1.0 / std::sqrt(2.0);
    axo_points(P, b, k, r2, 0.5);
    const tagRPT face_c = mid(P[4], P[3]);
    const tagRELL face = rim(face_c, 0.5 * b->d1, kTilt10);
    const tagRELL seam = rim(mid(P[5], P[2]), dist(P[5], P[2]) * 0.5, kTilt10);
    const tagRELL end1 = ell({0, P[0].y}, P[6].x, P[6].x * k, 0);
    const tagRELL start = ell({0, P[1].y}, P[6].x, P[6].x * k, 0);  // bend-start seam
    const bool straight = has_straight(b);
    // The end-1 face runs between the straight's feet, or the bend's where there is no straight.
    const tagRPT e0 = straight ? P[0] : P[1], e1 = straight ? P[7] : P[6];

    Out o(w);
    if ((straight && straight_sides(o, P)) ||
        turned_leg(o, P, [&] { return o.code(kEnd2).earc(face, P[4], P[3]); }) ||
        o.code(kEnd1).earc(end1, e0, e1))
        return 1;
    if (view_of(w) == 11)
        return (straight && o.code(kBody).style(2).earc(start, P[1], P[6])) ||
               o.code(kBody).style(2).earc(seam, P[2], P[5]) || o.code(kEnd2).earc(face, P[3], P[4]) ||
               o.ellipse(rim(face_c, b->d1 * 0.5 - b->d7, kTilt10));
    const double bore = P[6].x - b->d7;
    return o.style(2).earc(end1, e1, e0) || o.ellipse(centre(end1), bore, bore * k, 0) ||
           (straight && o.code(kBody).earc(start, P[6], P[1])) || o.code(kBody).earc(seam, P[5], P[2]);
}

// Views 12 and 13: the turned leg upright in the picture plane and end 1
// tilted toward (12) or away from (13) the viewer.
int jarf41l0_v12_large(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {b->d2 * (-0.5), b->d10 * (-k)};
    P[1] = {P[0].x, b->d5};
    P[2] = {-P[0].x, P[1].y};
    P[3] = {P[2].x, P[0].y};
    P[4] = {P[0].x, b->d5 - b->d3};
    P[5] = {P[2].x, P[4].y};
    P[6] = {P[0].x, (-k) * P[4].y};
    P[7] = {P[2].x, P[6].y};
    const double half = b->d2 * 0.5;
    const tagRELL end1 = ell({0, P[0].y}, half, half * k, 0);
    const tagRELL start = ell({0, P[6].y}, half, half * k, 0);  // bend-start seam
    const bool straight = has_straight(b);

    Out o(w);
    if (o.code(kBody).seg(P[0], P[1]) || o.code(kEnd2).seg(P[1], P[2]) || o.code(kBody).seg(P[2], P[3]))
        return 1;
    if (view_of(w) == 13)
        return o.code(kEnd1).earc(end1, P[0], P[3]) || o.code(kBody).style(2).seg(P[4], P[5]) ||
               (straight && o.earc(start, P[6], P[7]));
    const double bore = (b->d2 - b->d7) * 0.5;
    return o.code(kEnd1).ellipse(end1) || o.ellipse(centre(end1), bore, bore * k, 0) ||
           o.code(kBody).seg(P[4], P[5]) || (straight && o.earc(start, P[7], P[6]));
}
