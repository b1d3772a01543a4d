// 90-degree tee whose branch leaves the run through a swept bend: the run with
// its socket at end 2 (profile mode 10) and a plain end 1, a 45-degree leg
// whose axis passes through (0, -d9), a bend of radius about d16 that turns
// it level, and a plain hub (outer diameter d11, two lengths d14) on the
// branch pipe (diameter d12) ending at x = d15.
#include <algorithm>
#include <cmath>

#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "hidden.h"
#include "lenrule.h"
#include "tee.h"

using namespace tee;

namespace {

constexpr Row2Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16> r;
constinit Table2<B, 5, 14> table = table2<5, 14>(
    r(40, 40, 65.6f, 48.6f, 75, 55, 87, 255, 3.5f, 3.5f, 88, 120, 48.6f, 32, 20, 182, 57.2f),
    r(50, 40, 79.5f, 60.5f, 80, 60, 109, 304, 2.8f, 3.8f, 127, 120, 48.6f, 49, 20, 190, 80),
    r(50, 50, 79.5f, 60.5f, 80, 60, 106, 290, 2.8f, 3.8f, 104, 130, 60.5f, 46, 20, 206, 76.2f),
    r(65, 40, 100, 76.3f, 105, 75, 114, 298, 2.8f, 4.2f, 127, 120, 48.6f, 39, 20, 190, 80),
    r(65, 50, 100, 76.3f, 105, 75, 114, 309, 2.8f, 4.2f, 139, 130, 60.5f, 39, 20, 220, 100),
    r(65, 65, 100, 76.3f, 105, 75, 125, 290, 2.8f, 4.2f, 111, 155, 76.3f, 50, 20, 207, 63.5f),
    r(80, 40, 114, 89.1f, 105, 75, 115, 304, 2.8f, 4.2f, 127, 120, 48.6f, 40, 20, 190, 80),
    r(80, 50, 114, 89.1f, 105, 75, 115, 315, 2.8f, 4.2f, 139, 130, 60.5f, 40, 20, 220, 100),
    r(80, 65, 114, 89.1f, 105, 75, 127, 342, 2.8f, 4.2f, 151, 155, 76.3f, 52, 20, 245, 130),
    r(80, 80, 114, 89.1f, 105, 75, 127, 310, 2.8f, 4.2f, 128, 180, 89.1f, 52, 20, 230, 76.2f),
    r(100, 40, 138.3f, 114.3f, 105, 75, 120, 305, 3.5f, 4.5f, 118, 120, 48.6f, 45, 20, 190, 80),
    r(100, 50, 138.3f, 114.3f, 105, 75, 116, 316, 3.5f, 4.5f, 112, 130, 60.5f, 41, 20, 220, 100),
    r(100, 65, 138.3f, 114.3f, 105, 75, 123, 338, 3.5f, 4.5f, 124, 155, 76.3f, 48, 20, 245, 130),
    r(100, 80, 138.3f, 114.3f, 105, 75, 124, 354, 3.5f, 4.5f, 142, 180, 89.1f, 49, 20, 270, 160));

constexpr int kSample1 = 65, kSample2 = 50;

// ---------------------------------------------------------------------------
// Outlines. Codes and styles follow the other 90-degree tees: 1282 body,
// 1520 end 1, 1521 end 2, 1522 end 3; style 2 for the lines across the
// sockets and the hub and for the leg's opening on the run.

constexpr int kSeam = 2;

// The sweep starts f·d9 before the corner where the leg's axis meets the
// branch axis (on the leg) and ends f·d9 beyond it (on the branch); the
// smaller branches on the 50 and 65 runs, and 80 x 40, sweep more tightly.
double sweep_factor(const B* b)
{
    const int m = b->main_size, n = b->branch_size;
    if (m != n && (m == 50 || m == 65)) return 0.13;
    if (m != n && m == 80 && n == 40) return 0.11;
    return 0.22;
}

// The plain hub P[a] .. P[a+7]: up from the pipe's upper side at the hub's
// start (d15 - 2 d14), along the top past its middle ring (d15 - d14), down
// the end face at d15 and back along the bottom to the pipe's lower side.
void hub_points(tagRPT* P, int a, const B* b)
{
    P[a] = {b->d15 - (b->d14 + b->d14), b->d12 * 0.5};
    P[a + 1] = {P[a].x, 0.5 * b->d11};
    P[a + 2] = {b->d15 - b->d14, P[a + 1].y};
    P[a + 3] = {b->d15, P[a + 1].y};
    mirror_back_pts(P, a + 4, a + 3, 4);
}

// The run socket from profile mode 10 into P2 .. P13 (P7-P8 its end face),
// the pipe mark inside the middle step into P[mark], P[mark + 1].
int run_profile(tagRPT* P, const B* b, int mark)
{
    if (zahyoar1(10, 0, b)) return 1;
    copy_pts(P, 2, 71, 12);
    P[mark] = P[83];
    P[mark + 1] = P[84];
    return 0;
}

// The sweep in view 1 (the branch's own plane), leg axis through (0, -y0)
// and (d9, 0): P31 the corner on the branch axis, P32 the sweep's end on it,
// P33 its start on the leg; P16/P25 and P15/P26 the pipe's sides across
// them; P34 and P36 the centres of the outer and inner arcs. 'drop' shortens
// P33's depth below the branch axis (views 10 and 11 see the run inclined).
void sweep_points(tagRPT* P, const B* b, double y0, double drop)
{
    const double f = sweep_factor(b), h = b->d12 * 0.5;
    P[31] = {cross(line({0, 0}, {b->d9, 0}), line({0, -y0}, {b->d9, 0})).x, 0};
    P[32] = {f * b->d9 + P[31].x, 0};
    P[33] = {P[31].x - f * b->d9 * k, -f * b->d9 * k * drop};
    P[16] = {P[32].x, h};
    P[25] = {P[32].x, -h};
    P[15] = {P[33].x - h * k, h * k + P[33].y};
    P[26] = {h * k + P[33].x, P[33].y - k * h};
    const double ro = h + b->d16, ri = b->d16 - h;
    P[34] = smaller_y(cross(circ(P[15], ro), circ(P[16], ro)));
    P[36] = smaller_y(cross(circ(P[25], ri), circ(P[26], ri)));
}

// The branch from the sweep's outer arc round the hub to its inner arc.
int branch_outline(Out& o, const tagRPT* P, const B* b)
{
    const double h = b->d12 * 0.5;
    return o.code(kBody).arc(P[34], h + b->d16, P[16], P[15]) ||
           profile_run(o, P, 16, 25, 20, kEnd3) ||
           o.arc(P[36], b->d16 - h, P[25], P[26]);
}

// The seams across the sweep's ends and the hub's two rings.
int sweep_seams(Out& o, const tagRPT* P)
{
    return o.seg(P[15], P[26]) || o.seg(P[16], P[25]) || o.seg(P[19], P[22]) || o.seg(P[17], P[24]);
}

// The points of view 1: the run P0, P1, P28 and its socket P2 .. P13 (pipe
// mark P29-P30), the leg's sides meeting the run's side at P14 and P27 either
// side of P35 (where the leg's axis crosses it), the sweep and the hub.
int view1_points(tagRPT* P, const B* b, double r2)
{
    P[0] = {0, -b->d10};
    P[1] = {-b->d2 / 2, -b->d10};
    hub_points(P, 17, b);
    if (run_profile(P, b, 29)) return 1;
    P[28] = prime(P[1]);
    const tagRPT X = cross(line({P[13].x, -b->d10}, P[13]), line({0, -b->d9}, {b->d9, 0}));
    P[35] = {P[13].x, X.y};
    P[14] = {P[13].x, b->d12 * 0.5 * r2 + P[35].y};
    P[27] = {P[13].x, P[35].y - r2 * (0.5 * b->d12)};
    sweep_points(P, b, b->d9, 1.0);
    return 0;
}

// View 1: run and branch flat in the drawing.
int jarf92ll_v1(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double r2 = std::sqrt(2.0);
    if (view1_points(P, b, r2)) return 1;

    Out o(w);
    return profile_run(o, P, 1, 15, 7, kEnd2) || branch_outline(o, P, b) ||
           o.seg(P[26], P[27]) || o.seg(P[27], P[28]) || o.code(kEnd1).seg(P[28], P[1]) ||
           o.code(kBody).style(kSeam).seg(P[2], P[13]) || o.seg(P[6], P[9]) || sweep_seams(o, P) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[29], P[30]) ||
           o.earc(P[35], r2 * b->d12 * 0.15, r2 * b->d12 * 0.5, 0, P[14], P[27]);
}

// Views 2 and 5: looking along the run, the branch along +x. View 2 faces
// the plain end (its pipe and bore as circles), the socket's rim and middle
// step behind it cut by the branch pipe; view 5 faces the socket's mouth.
// The branch is its hub and pipe seen side-on; the sweep's start shows as
// the seam circle seen 45 degrees off.
int jarf92ll_v2(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const bool v2 = view_no(w) == 2;
    P[0] = {0, 0};
    hub_points(P, 1, b);
    P[13] = {0, b->d2 * 0.5};
    P[14] = {0, -b->d2 * 0.5};
    const tagRSEG top = line({0, P[1].y}, P[1]);
    P[10] = larger_x(cross(top, circ(P[0], b->d1 * 0.5)));
    P[9] = flip_y(P[10]);
    if (v2) {
        P[11] = larger_x(cross(top, circ(P[0], (b->d1 + b->d2) * 0.25)));
        P[12] = flip_y(P[11]);
        if (b->main_size != b->branch_size) {
            P[13] = larger_x(cross(top, circ(P[0], b->d2 * 0.5)));
            P[14] = flip_y(P[13]);
        }
    }
    const double f = sweep_factor(b);
    P[17] = {cross(line({b->d2 * 0.5, 0}, {-b->d2 * 0.5, 0}), line({0, -b->d9}, {b->d9, 0})).x, 0};
    P[18] = {f * b->d9 + P[17].x, b->d12 * 0.5};
    P[19] = {P[18].x, -b->d12 * 0.5};
    P[20] = {P[17].x - f * b->d9 * k, v2 ? -f * b->d9 * k : 0};
    const tagRPT up = {P[20].x, 0.5 * b->d12}, down = {P[20].x, -0.5 * b->d12};

    Out o(w);
    if (profile_run(o, P, 1, 9, 4, kEnd3) ||
        o.code(kEnd2).arc(P[0], b->d1 * 0.5, P[10], P[9]) ||
        o.code(kBody).seg(P[10], P[1]) ||
        o.style(kSeam).seg(P[1], P[8]) || o.seg(P[3], P[6]) || o.seg(P[18], P[19]))
        return 1;
    if (v2)
        return o.seg(P[10], P[13]) || o.seg(P[9], P[14]) ||
               o.arc(P[0], (b->d1 + b->d2) * 0.25, P[11], P[12]) ||
               o.code(kEnd1).circle(P[0], b->d2 * 0.5) || o.circle(P[0], b->d2 * 0.5 - b->d7) ||
               o.code(kBody).earc({P[20].x, 0}, b->d12 * 0.5 * k, b->d12 * 0.5, 0, down, up);
    return o.arc(P[0], b->d1 * 0.5, P[9], P[10]) ||
           o.code(kEnd2).circle(P[0], b->d1 * 0.5 - b->d8) ||
           o.code(kBody).earc({P[20].x, 0}, b->d12 * 0.5 * k, b->d12 * 0.5, 0, up, down);
}

// ---------------------------------------------------------------------------
// Views 3 and 4: looking along the branch, the run standing on the y axis
// with its socket at the top, the branch axis at the origin. The hub (rim
// radius d11 / 2.0) is the widest part of the branch: in view 3 it stands in
// front of the run and the pipe, the sweep and the leg's upper part lie
// behind it; in view 4 the run stands in front and only the hub shows either
// side of it. The sweep is hidden in both, so these views need no sweep start.
// The run's end faces keep their ends' codes, as in views 1 and 2.

// The parts of segment a-b outside circle c, at most two, in order from a.
struct Outside {
    int n = 0;
    tagRPT a[2], b[2];
};

// The parts of segment a-b outside a convex curve the host crossed with its
// line (result m: 0 and the two crossings when it found them).
Outside outside(tagRPT a, tagRPT b, const Met& m)
{
    Outside s;
    if (m.res != 0) {  // the line misses the rim: the whole segment shows
        s.a[0] = a, s.b[0] = b, s.n = 1;
        return s;
    }
    const tagRPT d = b - a;
    auto along = [&](tagRPT p) { return ((p.x - a.x) * d.x + (p.y - a.y) * d.y) / (d.x * d.x + d.y * d.y); };
    tagRPT q1 = m.t.p1, q2 = m.t.p2;
    double t1 = along(q1), t2 = along(q2);
    if (t1 > t2) std::swap(q1, q2), std::swap(t1, t2);
    // Pieces within the drawing's meeting tolerance are left out.
    auto keep = [&](tagRPT p, tagRPT q) {
        if (dist(p, q) > 1e-6) s.a[s.n] = p, s.b[s.n] = q, ++s.n;
    };
    if (t1 > 0) keep(a, t1 < 1 ? q1 : b);
    if (t2 < 1) keep(t2 > 0 ? q2 : a, b);
    return s;
}
Outside outside(tagRPT a, tagRPT b, const tagRCIR& c) { return outside(a, b, meet(line(a, b), c)); }

// Writes the pieces, mirrored across the run axis when 'primed'; each piece
// of a pipe mark (free at its inner end) is declared with 'why'.
int put(Out& o, const Outside& s, bool primed, const char* why = nullptr)
{
    for (int i = 0; i < s.n; ++i) {
        if (why) o.intended(Intended::free_ends, why);
        if (primed ? o.seg(prime(s.a[i]), prime(s.b[i])) : o.seg(s.a[i], s.b[i])) return 1;
    }
    return 0;
}

// View 3: the hub's rim in front, the run's outline and socket lines cut by
// it; below the rim the leg runs down to its opening on the run, seen as the
// 90-degree tee's view 3 sees its own: an ellipse d12/2 wide and sqrt 2 times
// as high about the height where the leg's axis meets the run's side, of
// which the lower half shows. The rim is written in two halves, as the large
// tee writes its branch end in this view.
int v3_front(Out& o, const tagRPT* P, const B* b, const tagRCIR& Bc)
{
    Outside side[6];
    for (int i = 0; i < 6; ++i) side[i] = outside(P[i + 1], P[i + 2], Bc);
    const Outside end_line = outside(P[2], P[13], Bc), step = outside(P[6], P[9], Bc),
                  mark = outside(P[29], P[30], Bc);
    const double h = b->d12 * 0.5, r = Bc.r;
    const tagRPT X = cross(line({0, -b->d9}, {b->d9, 0}), line({b->d2 / 2, b->d4 - b->d3}, {b->d2 / 2, -b->d10}));
    const tagRELL O = ell({0, X.y}, h, h * std::sqrt(2.0), 0);
    // The leg's sides come out from under the rim at T and run down to the
    // opening's widest points; should the rim reach below those, the opening
    // shows only between its crossings with the rim.
    const tagRPT T = smaller_y(cross(line({h, 0}, {h, -b->d10}), Bc));
    const Two q = cross(Bc, O, {{-h, X.y}, {h, X.y}});
    const bool sides = T.y > X.y;
    const tagRPT o0 = sides ? tagRPT{-h, X.y} : smaller_x(q), o1 = sides ? tagRPT{h, X.y} : other(q, o0);

    // The leg first, so that its opening keeps element number 1 however many
    // pieces the rim cuts the run's lines into.
    o.code(kBody).style(kSeam);
    if (o.earc(O, o0, o1) || (sides && (o.seg({-h, T.y}, o0) || o.seg({h, T.y}, o1)))) return 1;
    o.style(0);
    for (int i = 0; i < 6; ++i)
        if (put(o, side[i], false)) return 1;
    if (o.code(kEnd2).seg(P[7], P[8])) return 1;
    o.code(kBody);
    for (int i = 5; i >= 0; --i)
        if (put(o, side[i], true)) return 1;
    return o.code(kEnd1).seg(P[1], prime(P[1])) || put(o.code(kBody).style(kSeam), end_line, false) ||
           put(o, step, false) || put(o, mark, false, kSocketBottomLine) ||
           o.code(kEnd3).earc({0, 0}, r, r, 0, {r, 0}, {-r, 0}) || o.earc({0, 0}, r, r, 0, {-r, 0}, {r, 0}) ||
           o.circle({0, 0}, h);  // the hub's bore, which takes the pipe
}

// View 4: the run from behind, its socket lines as in view 1 seen from the
// other side; the hub shows beyond the run's sides as two arcs, each from
// where the rim leaves the run pipe (L, on the pipe's side) to where it goes
// behind the run again (U, the highest crossing with the run's outline).
int v4_back(Out& o, const tagRPT* P, const B* b, const tagRCIR& Bc)
{
    tagRPT L{}, U{};
    int found = 0;
    for (int i = 1; i <= 6; ++i) {
        const Met m = meet(line(P[i], P[i + 1]), Bc);
        if (m.res != 0) continue;
        const double lo = std::min(P[i].y, P[i + 1].y), hi = std::max(P[i].y, P[i + 1].y);
        for (tagRPT p : {m.t.p1, m.t.p2}) {
            if (p.y < lo || p.y > hi) continue;
            if (found == 0 || p.y < L.y) L = p;
            if (found == 0 || p.y > U.y) U = p;
            ++found;
        }
    }
    const tagRPT p14 = {b->d2 / 2, -b->d10};
    if (profile_run(o, P, 1, 13, 7, kEnd2) || o.seg(P[13], p14) || o.code(kEnd1).seg(p14, P[1]) ||
        o.code(kBody).style(kSeam).seg(P[2], P[13]) || o.seg(P[6], P[9]) ||
        o.intended(Intended::free_ends, kSocketBottomLine).seg(P[29], P[30]))
        return 1;
    // A hub no wider than the run pipe would hide behind it.
    if (found < 2) return 0;
    return o.code(kEnd3).arc({0, 0}, Bc.r, U, L) || o.arc({0, 0}, Bc.r, prime(L), prime(U));
}

int jarf92ll_v3(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    P[1] = {-b->d2 / 2, -b->d10};
    if (run_profile(P, b, 29)) return 1;
    const tagRCIR Bc = {0, 0, b->d11 / 2.0};
    Out o(w);
    return view_no(w) == 3 ? v3_front(o, P, b, Bc) : v4_back(o, P, b, Bc);
}

// ---------------------------------------------------------------------------
// Views 6 and 7: the tee turned about its run so the branch's plane recedes at
// 45 degrees, as the 90-degree tee shows it: the run keeps its view-1
// outline, every point of the branch has its x shortened by 0.707, and
// circles about the branch axis show as ellipses 0.707 as wide as high.
//
// The leg and the sweep, which leave the branch's axis, are drawn by their
// own outlines as the turned view sees them (see leg_outline).
//
// View 6 sees the branch coming towards the viewer: the hub is nearest, its
// end face whole, and it hides whatever of the pipe, the sweep and the leg
// lies behind it (on every pair the sweep's end, on the smallest branches all
// of the sweep); the rings show their near (left) halves; the leg passes in
// front of the run's side down to its opening. In view 7 the branch lies
// behind the run: the pipe and the sweep pass in front of the hub's start
// face, which shows round them; the rings show their far halves, the hub's
// end face only its outer half, and the leg goes behind the run's side.

// View 6: the near half of the pipe's ring at the sweep's end (top to bottom
// through the left), less what the hub's start ring hides. A point of the
// ring at angle t from the branch plane lies sqrt(D^2 + 2 D h cos t + h^2)
// from the start ring's centre in the plane's measure (D the pipe's length
// up to the hub): hidden where cos t falls below c below.
int pipe_ring_front(Out& o, tagRPT top, tagRPT bottom, double D, double h, double R)
{
    const tagRELL e = slant_rim(top.x, h, k);
    const double c = (R * R - D * D - h * h) / (2 * D * h);
    if (c <= 0) return o.earc(e, top, bottom);
    if (c >= 1) return 0;
    const double x = top.x - k * h * c, y = h * std::sqrt(1 - c * c);
    return o.earc(e, {x, y}, {x, -y});
}

// The leg and the sweep as views 6 and 7 see them. The leg is a cylinder
// about the axis (k, k, 0) through (0, -d9): its outline lines are the
// generators h (1, -1, ±1)/sqrt 3 off the axis, square to it and to the line
// of sight, drawn a pipe's radius either side of the shortened axis. They touch
// the seam's ellipse at the sweep's start (S, upper then lower) and reach the
// run's surface at E, where x = sqrt(R^2 - h^2/3). The sweep's sides are
// drawn as quarter ellipses from S to the pipe's sides at the sweep's end,
// tangent to the leg's lines and to the pipe's (the parallelogram of
// tangents), and the opening on the run as the half ellipse through E, tangent
// to the leg's lines there and reaching the curve's point farthest round the
// run (on the run's section through the pipe's side, z = +-h).
struct LegOutline {
    tagRPT S[2], E[2], end[2];
    tagRPT top[2];   // where the leg's line ends: S, or where it meets the pipe's side
    tagRPT pipe[2];  // where the pipe's side starts: the sweep's end
    bool meet[2];    // the leg's line meets the pipe's side without a sweep between
    tagRELL side[2];
    bool curved[2];  // false: the sweep's side too short to turn, drawn straight
    tagRELL seam, opening;
    tagRPT seam_near, opening_far;  // a point of each on the half drawn
    tagRPT seam_u;                  // the seam's half-diameter in the branch's plane
};

// Whether m lies counter-clockwise of a, seen from c (within half a turn).
bool ccw(tagRPT c, tagRPT a, tagRPT m) { return (a.x - c.x) * (m.y - c.y) - (a.y - c.y) * (m.x - c.x) > 0; }

LegOutline leg_outline(const tagRPT* P, const B* b, bool v6)
{
    LegOutline L;
    const double h = b->d12 * 0.5, R = b->d2 / 2, s3 = 1 / std::sqrt(3.0);
    const tagRPT pw = {2 * k * s3, -s3}, ad = {s3, 2 * k * s3};  // across and along the shortened axis
    L.S[0] = P[33] - h * pw;
    L.S[1] = P[33] + h * pw;
    const double xr = std::sqrt(R * R - h * h / 3);
    L.E[0] = {k * xr - k * h * s3, xr - b->d9 + 2 * h * s3};
    L.E[1] = {k * xr + k * h * s3, xr - b->d9 - 2 * h * s3};
    L.end[0] = P[16];
    L.end[1] = P[25];
    for (int i = 0; i < 2; ++i) {
        const tagRPT A = L.S[i], Bp = L.end[i];
        const double t = (Bp.y - A.y) / ad.y;
        const tagRPT I = A + t * ad;
        L.curved[i] = t > 1e-6 && I.x < Bp.x - 1e-6;
        // A side too tight to turn: the leg's line meets the pipe's side
        // beyond the sweep's end, and runs on to there (or to S, should S lie
        // the farther: the seam's ellipse ends on it).
        L.meet[i] = !L.curved[i] && I.x >= Bp.x - 1e-6;
        L.top[i] = L.meet[i] && t > 0 ? I : A;
        L.pipe[i] = Bp;
        const tagRPT c = A + Bp - I;
        L.side[i] = conjugate_ellipse(c, A - c, Bp - c);
    }
    // Seen turned, the seam's radius across the branch's plane shows k h wide,
    // to the left in view 6 and to the right in view 7 (its near half).
    const double zx = v6 ? -k * h : k * h;
    L.seam_u = P[15] - P[33];
    L.seam = conjugate_ellipse(P[33], L.seam_u, {zx, 0});
    L.seam_near = P[33] + tagRPT{zx, 0};
    const tagRPT M = 0.5 * (L.E[0] + L.E[1]), u = L.E[1] - M, v = -1.0 * ad;
    const double c = std::sqrt(R * R - h * h);
    const tagRPT F = {v6 ? k * (c - h) : k * (c + h), c - b->d9}, d = F - M;
    const double det = u.x * v.y - u.y * v.x, al = (d.x * v.y - d.y * v.x) / det, be = (u.x * d.y - u.y * d.x) / det;
    const double len = std::fabs(al) < 1 && be > 0 ? be / std::sqrt(1 - al * al) : h;
    L.opening = conjugate_ellipse(M, u, len * v);
    L.opening_far = M + len * v;
    return L;
}

// Whether the convex polygon q[0..n) lies clear of the unrotated ellipse r
// (in r's unit frame: no edge comes within 1 of the centre, which is not inside).
bool clear_of(const tagRELL& r, const tagRPT* q, int n)
{
    auto unit = [&](tagRPT p) { return tagRPT{(p.x - r.x) / r.a, (p.y - r.y) / r.b}; };
    int left = 0;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const tagRPT a = unit(q[j]), d = unit(q[i]) - a;
        const double dd = d.x * d.x + d.y * d.y, t = std::clamp(-(a.x * d.x + a.y * d.y) / dd, 0.0, 1.0);
        const tagRPT m = a + t * d;
        if (m.x * m.x + m.y * m.y <= 1) return false;
        left += a.x * d.y - a.y * d.x > 0;
    }
    return left != 0 && left != n;  // the centre is inside when it lies on one side of every edge
}

// Whether the polygon q[0..n) lies wholly inside the unrotated ellipse r.
bool within(const tagRELL& r, const tagRPT* q, int n)
{
    for (int i = 0; i < n; ++i) {
        const double u = (q[i].x - r.x) / r.a, v = (q[i].y - r.y) / r.b;
        if (u * u + v * v >= 1) return false;
    }
    return true;
}

// Elliptic arc of e from s to t (counter-clockwise) within the convex polygon
// q: written whole when q lies clear of the ring, left out when q lies inside
// it (both saving the conic crossings), else written where the cover c
// (which holds the ring) leaves it.
int earc_clear(Out& o, const Cover& c, const tagRELL* ring, const tagRPT* q, int n, const tagRELL& e, tagRPT s,
               tagRPT t)
{
    if (ring && within(*ring, q, n)) return 0;
    return ring && clear_of(*ring, q, n) ? o.earc(e, s, t) : earc_outside(o, c, e, s, t);
}

// The sweep's side i, where the cover c leaves it; the side lies in the
// triangle of its ends and its tangents' meeting.
int sweep_side(Out& o, const Cover& c, const LegOutline& L, int i, const tagRELL* ring = nullptr)
{
    if (!L.curved[i]) return L.meet[i] ? 0 : seg_outside(o, c, L.S[i], L.end[i]);
    const tagRELL& e = L.side[i];
    const tagRPT m = {e.x, e.y}, I = L.S[i] + L.end[i] - m;
    const bool up = ccw(m, L.S[i], L.end[i]);
    const tagRPT q[3] = {L.S[i], I, L.end[i]};
    return up ? earc_clear(o, c, ring, q, 3, e, L.S[i], L.end[i]) : earc_clear(o, c, ring, q, 3, e, L.end[i], L.S[i]);
}
// View 6: the seam's near half (within the parallelogram of its conjugate
// half-diameters), where the hub leaves it.
int seam_front(Out& o, const Cover& c, const LegOutline& L, const tagRELL& ring)
{
    const tagRPT m = {L.seam.x, L.seam.y}, u = L.seam_u, v = L.seam_near - m;
    const tagRPT q[4] = {m + u + v, m - u + v, m - u - v, m + u - v};
    return ccw(m, L.S[0], L.seam_near) ? earc_clear(o, c, &ring, q, 4, L.seam, L.S[0], L.S[1])
                                       : earc_clear(o, c, &ring, q, 4, L.seam, L.S[1], L.S[0]);
}

// The half of e between a and b through 'via', where the cover c leaves it.
int half_via(Out& o, const Cover& c, const tagRELL& e, tagRPT a, tagRPT b, tagRPT via)
{
    return ccw({e.x, e.y}, a, via) ? earc_outside(o, c, e, a, b) : earc_outside(o, c, e, b, a);
}
// Adds the sweep's side i to a cover walk, from S or from the pipe's end;
// as its chord when only what lies left of x = 'chord_right_of' is trimmed
// against the cover and the side lies right of it.
void add_side(Cover& c, const LegOutline& L, int i, bool from_start, double chord_right_of = 1e300)
{
    const tagRPT a = from_start ? L.top[i] : L.pipe[i], z = from_start ? L.pipe[i] : L.top[i];
    c.add(a);
    if (L.curved[i] && L.S[i].x <= chord_right_of) {
        const tagRPT m = {L.side[i].x, L.side[i].y};
        if (ccw(m, L.S[i], L.end[i])) c.add_arc(L.side[i], L.S[i], L.end[i]);
        else c.add_arc(L.side[i], L.end[i], L.S[i]);
    }
    c.add(z);
}

int jarf92ll_v6(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const bool v6 = view_no(w) == 6;
    const double h = b->d12 * 0.5, R = b->d11 * 0.5, r2 = std::sqrt(2.0);
    if (view1_points(P, b, r2)) return 1;
    for (int i : {14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 33, 34, 35, 36}) P[i].x *= k;
    const LegOutline L = leg_outline(P, b, v6);
    const tagRELL start = slant_rim(P[17].x, R, k), end = slant_rim(P[20].x, R, k);
    const tagRELL pipe_end = slant_rim(P[16].x, h, k), middle = slant_rim(P[19].x, R, k);
    const tagRPT top = {P[17].x, R}, bottom = {P[17].x, -R};

    Out o(w);
    // The run's socket, then the marks across the socket and the hub and, in
    // view 6, the leg's opening: these keep their element numbers whatever the
    // hidden-line cuts below make of the rest.
    if (profile_run(o, P, 1, 13, 7, kEnd2)) return 1;
    o.code(kBody).style(kSeam);
    if (o.seg(P[2], P[13]) || o.seg(P[6], P[9]) ||
        o.intended(Intended::free_ends, kSocketBottomLine).seg(P[29], P[30]) ||
        (v6 ? o.earc(middle, P[19], P[22]) : o.earc(middle, P[22], P[19])) ||
        (v6 && (ccw({L.opening.x, L.opening.y}, L.E[0], L.opening_far) ? o.earc(L.opening, L.E[0], L.E[1])
                                                                       : o.earc(L.opening, L.E[1], L.E[0]))))
        return 1;
    o.style(0);
    if (v6) {
        // The leg and the sweep pass in front of the run's side; the hub in
        // front of them.
        Cover leg;  // only the run's side x = d2 / 2 is trimmed against it
        add_side(leg, L, 0, false, b->d2 / 2);
        leg.add(L.E[0]);
        const bool up = ccw({L.opening.x, L.opening.y}, L.E[0], L.opening_far);
        leg.add_arc(L.opening, up ? L.E[0] : L.E[1], up ? L.E[1] : L.E[0]);
        leg.add(L.E[1]);
        add_side(leg, L, 1, true, b->d2 / 2);
        // The hub as its start ring's left half and a box to the right: what
        // lies behind it is all left of its end face.
        Cover hub;
        hub.add(top);
        hub.add_arc(start, top, bottom);
        hub.add(bottom);
        hub.add({P[20].x, -R});
        hub.add({P[20].x, R});
        if (seg_outside(o, leg, P[13], P[28]) || o.code(kEnd1).seg(P[28], P[1])) return 1;
        o.code(kBody);
        if (seg_outside(o, hub, L.top[0], L.E[0]) || seg_outside(o, hub, L.top[1], L.E[1]) ||
            sweep_side(o, hub, L, 0, &start) || sweep_side(o, hub, L, 1, &start) ||
            seg_outside(o, hub, L.pipe[0], P[17]) || seg_outside(o, hub, L.pipe[1], P[24]) ||
            o.seg(P[18], P[20]) || o.seg(P[23], P[21]) ||
            o.earc(start, P[18], P[23]) || o.code(kEnd3).ellipse(end))
            return 1;
        o.code(kBody).style(kSeam);
        return pipe_ring_front(o, P[16], P[25], (P[17].x - P[16].x) / k, h, R) ||
               seam_front(o, hub, L, start) ||
               o.code(kEnd3).ellipse(slant_rim(P[20].x, h, k));  // the hub's bore, which takes the pipe
    }
    // View 7: the run in front of the leg; the pipe and the sweep in front of
    // the hub's start face, whose rim shows round them.
    Cover run;
    run.add({-b->d2 / 2, -b->d10});
    run.add({b->d2 / 2, -b->d10});
    run.add({b->d2 / 2, P[7].y});
    run.add({-b->d2 / 2, P[7].y});
    Cover branch;
    add_side(branch, L, 0, true);
    branch.add(P[17]);
    branch.add(P[24]);
    add_side(branch, L, 1, false);
    branch.add(L.E[1]);
    branch.add(L.E[0]);
    if (o.seg(P[13], P[28]) || o.code(kEnd1).seg(P[28], P[1])) return 1;
    o.code(kBody);
    if (seg_outside(o, run, L.top[0], L.E[0]) || seg_outside(o, run, L.top[1], L.E[1]) ||
        sweep_side(o, run, L, 0) || sweep_side(o, run, L, 1) ||
        o.seg(L.pipe[0], P[17]) || o.seg(L.pipe[1], P[24]) || o.seg(P[18], P[20]) || o.seg(P[23], P[21]) ||
        o.earc(slant_rim(P[17].x, h, k), P[24], P[17]) ||  // the pipe meets the face: the ring's outer half
        // The branch reaches no further right than the face's centre.
        earc_outside(o, branch, start, top, bottom) || o.earc(start, bottom, top) ||
        o.code(kEnd3).earc(end, P[21], P[20]))
        return 1;
    o.code(kBody).style(kSeam);
    return o.earc(pipe_end, P[25], P[16]) || half_via(o, run, L.seam, L.S[0], L.S[1], L.seam_near);
}

// ---------------------------------------------------------------------------
// Views 10 and 11: the tee turned about the branch axis so the run recedes at
// 45 degrees: lengths along the run shortened by 0.707, its sections ellipses
// r wide and 0.707 r high; the branch keeps its view-1 outline with the leg
// at the turned run's slope. View 10 faces end 1, view 11 the socket's
// mouth: the end in front shows its whole rim and its bore, the far end the
// outer half of its rim; the socket's inner rims show their near halves.

// The run's section through p: an ellipse -p.x wide and 0.707 as high.
tagRELL run_rim(tagRPT p) { return ell({0, p.y}, -p.x, -p.x * k, 0); }

int jarf92ll_v10(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const bool v10 = view_no(w) == 10;
    P[0] = {0, b->d10 * -k};
    P[1] = {-b->d2 / 2, P[0].y};
    hub_points(P, 17, b);
    if (run_profile(P, b, 29)) return 1;
    for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 29, 30}) P[i].y *= k;
    P[28] = prime(P[1]);
    const tagRPT X = cross(line({P[13].x, P[0].y}, P[13]), line({0, -k * b->d9}, {b->d9, 0}));
    P[35] = {P[13].x, X.y};
    P[14] = {P[13].x, b->d12 * 0.5 * 1.224745 + P[35].y};
    P[27] = {P[13].x, P[35].y - 1.224745 * (0.5 * b->d12)};
    sweep_points(P, b, k * b->d9, k);
    // The pipe mark inside the middle step, on the step's rim from x = -0.4 d2
    // to its mirror, on the rim's near half.
    const Two t = cross(line({-0.4 * b->d2, 0}, {-0.4 * b->d2, P[7].y}), run_rim(P[4]));
    P[41] = v10 ? larger_y(t) : smaller_y(t);
    P[42] = prime(P[41]);
    const tagRPT front = v10 ? P[1] : P[7];
    const double bore = v10 ? -front.x - b->d7 : -front.x - b->d8;

    Out o(w);
    if (o.code(kBody).run(P, {1, 2, 3, 4, 5, 6, 7}) || o.run(P, {8, 9, 10, 11, 12, 13, 14, 15}) ||
        branch_outline(o, P, b) || o.seg(P[26], P[27]) || o.seg(P[27], P[28]) ||
        (v10 ? o.code(kEnd2).earc(run_rim(P[7]), P[8], P[7]) || o.code(kEnd1).ellipse(run_rim(P[1]))
             : o.code(kEnd1).earc(run_rim(P[1]), P[1], P[28]) || o.code(kEnd2).ellipse(run_rim(P[7]))) ||
        o.style(kSeam).ellipse({0, front.y}, bore, bore * k, 0))
        return 1;
    o.code(kBody);
    return (v10 ? o.earc(run_rim(P[2]), P[13], P[2]) || o.earc(run_rim(P[6]), P[9], P[6])
                : o.earc(run_rim(P[2]), P[2], P[13]) || o.earc(run_rim(P[6]), P[6], P[9])) ||
           sweep_seams(o, P) ||
           o.intended(Intended::free_ends, kSocketBottomLine).earc(run_rim(P[4]), v10 ? P[42] : P[41], v10 ? P[41] : P[42]) ||
           o.earc(P[35], 0.3 * b->d12, 1.224745 * (0.5 * b->d12), 0, P[14], P[27]) ||
           // The rims where the tapers leave the pipe and the middle step, their near halves.
           (v10 ? o.earc(run_rim(P[3]), P[12], P[3]) || o.earc(run_rim(P[5]), P[10], P[5])
                : o.earc(run_rim(P[3]), P[3], P[12]) || o.earc(run_rim(P[5]), P[5], P[10]));
}


constexpr ViewFn<B> kViews[12] = {nullptr,     jarf92ll_v1, jarf92ll_v2, jarf92ll_v3, jarf92ll_v3,  jarf92ll_v2,
                                  jarf92ll_v6, jarf92ll_v6, nullptr,     nullptr,     jarf92ll_v10, jarf92ll_v10};

int proc_list[kProcListLen] = {37, 44, 47, 48, 44, 54, 55, 0, 0, 200, 201};
constinit BZI_COM_PRM com = com_block(1, 3, {0x00, 0x00, 0x50, 0x00, 0x07, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf92ll_info()
{
    return {"jarft92ll0", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft92ll0(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_c));
    last = &b;
    set_len(head, b, straight_len(head, set,
                                  {.pts = b.d6 - b.d13, .sample = 270.0, .floor = b.d6 - b.d13,
                                   .cap = 3000.0 - b.d13, .from = 10, .to = 11,
                                   .factor = 0.707106781, .divide = true}));

    BZI_COM_PRM& c = com;
    set_tee90(c, head, b, b.d2, b.d1, b.d11);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    c.dbl[2] = b.d15;

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
