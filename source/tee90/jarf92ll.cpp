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
// View 6 sees the branch coming towards the viewer: the hub is nearest, its
// end face whole, and it hides whatever of the pipe, the sweep and the leg
// lies inside its start ring (on every pair the sweep's end, on the smallest
// branches all of the sweep); the rings show their near (left) halves; the
// leg passes in front of the run's side down to its opening. In view 7 the
// branch lies behind the run: the pipe and the sweep pass in front of the
// hub's start face, which shows round them; the rings show their far halves,
// the hub's end face only its outer half, and the leg ends on the run's side.

// A stand-in for the angle of direction (x, y), in [0, 4) counter-clockwise
// from +x: monotone in the angle, so it orders points round a curve as the
// angle would, without an arc tangent.
double turn_of(double x, double y)
{
    const double p = x / (std::fabs(x) + std::fabs(y));
    return y < 0 ? 3 + p : 1 - p;
}

// The unit direction halfway round from unit direction a to b, counter-clockwise,
// the turn between them being 'span' (in turn_of's measure).
tagRPT halfway(tagRPT a, tagRPT b, double span)
{
    tagRPT m = a + b;
    const double n = std::sqrt(m.x * m.x + m.y * m.y);
    if (n < 1e-12) return {-a.y, a.x};  // half a turn apart
    m = (span > 2 ? -1.0 : 1.0) / n * m;
    return m;
}

// The hub's start ring, the pipe's rings and the sweep's arcs are all
// circles of the branch's own plane or about its axis, shortened in x: they
// are cut against each other in that plane, as circles (wide), and drawn
// shortened (narrow).
tagRPT wide(tagRPT p) { return {p.x / k, p.y}; }
tagRPT narrow(tagRPT p) { return {p.x * k, p.y}; }
Outside narrowed(Outside s)
{
    for (int i = 0; i < s.n; ++i) s.a[i] = narrow(s.a[i]), s.b[i] = narrow(s.b[i]);
    return s;
}
// Segment a-b of the shortened drawing less its part inside the plane's
// circle C; a segment with both ends inside lies wholly inside.
Outside outside_wide(tagRPT a, tagRPT b, const tagRCIR& C)
{
    const tagRPT wa = wide(a), wb = wide(b), c = {C.x, C.y};
    if (dist(wa, c) < C.r && dist(wb, c) < C.r) return {};
    return narrowed(outside(wa, wb, C));
}

// Arc of the plane's circle c from s to t (counter-clockwise, wide points)
// less its part inside the plane's circle C, drawn shortened: an elliptic arc.
int arc_outside(Out& o, const tagRCIR& c, tagRPT s, tagRPT t, const tagRCIR& C)
{
    tagRPT p[2] = {};
    const int res = GCG005(&c, &C, p);
    struct Cut {
        double a;
        tagRPT q, d;  // the point, its direction from the centre
    } cut[4];
    auto cut_at = [&](tagRPT q) {
        const tagRPT d = 1.0 / c.r * (q - tagRPT{c.x, c.y});
        return Cut{turn_of(d.x, d.y), q, d};
    };
    int n = 0;
    cut[n++] = cut_at(s);
    const double a0 = cut[0].a;
    Cut last = cut_at(t);
    if (last.a <= a0) last.a += 4;
    for (int i = 0; res == 0 && i < 2; ++i) {
        Cut x = cut_at(p[i]);
        if (x.a <= a0) x.a += 4;
        if (x.a < last.a) cut[n++] = x;
    }
    cut[n++] = last;
    if (n == 4 && cut[2].a < cut[1].a) std::swap(cut[1], cut[2]);
    const tagRELL e = ell(narrow({c.x, c.y}), k * c.r, c.r, 0);
    for (int i = 0; i + 1 < n; ++i) {
        const tagRPT m = tagRPT{c.x, c.y} + c.r * halfway(cut[i].d, cut[i + 1].d, cut[i + 1].a - cut[i].a);
        if (dist(cut[i].q, cut[i + 1].q) > 1e-6 && dist(m, {C.x, C.y}) > C.r &&
            o.earc(e, narrow(cut[i].q), narrow(cut[i + 1].q)))
            return 1;
    }
    return 0;
}

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

// In view 7, where the branch in front first covers the hub's start ring C,
// coming down its left side from the top or up from the bottom: on the pipe's
// side line, the sweep's arc (circle 'sweep') or the leg's side line,
// whichever the ring reaches first; 'none' when it reaches none of them. All
// points wide; the result narrow.
tagRPT ring_cut(const tagRCIR& C, tagRPT pipe0, tagRPT pipe1, const tagRCIR& sweep, tagRPT leg0, tagRPT leg1,
                tagRPT none)
{
    auto within = [](tagRPT p, tagRPT a, tagRPT b) {
        return p.x >= std::min(a.x, b.x) - 1e-9 && p.x <= std::max(a.x, b.x) + 1e-9 &&
               p.y >= std::min(a.y, b.y) - 1e-9 && p.y <= std::max(a.y, b.y) + 1e-9;
    };
    const Two far = {{-1e9, 0}, {-1e9, 0}};
    const tagRPT q = smaller_x(cross(line(pipe0, pipe1), C, far));
    if (within(q, pipe0, pipe1)) return narrow(q);
    const Two s = cross(sweep, C, far);
    for (tagRPT c : {s.p1, s.p2})
        if (within(c, pipe0, leg0)) return narrow(c);
    const Two l = cross(line(leg0, leg1), C, far);
    for (tagRPT c : {l.p1, l.p2})
        if (within(c, leg0, leg1)) return narrow(c);
    return none;
}

int jarf92ll_v6(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const bool v6 = view_no(w) == 6;
    const double h = b->d12 * 0.5, R = b->d11 * 0.5, r2 = std::sqrt(2.0);
    if (view1_points(P, b, r2)) return 1;
    for (int i : {14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 33, 34, 35, 36}) P[i].x *= k;
    // The leg's sides cross the run's side at P41 (upper) and P42 (lower).
    const tagRSEG side = line(P[13], P[28]);
    P[41] = cross(line(P[15], P[14]), side);
    P[42] = cross(line(P[26], P[27]), side);
    const tagRELL outer = ell(P[34], k * (h + b->d16), h + b->d16, 0);
    const tagRELL inner = ell(P[36], k * (b->d16 - h), b->d16 - h, 0);
    // On the largest runs the sweep starts over the run: the branch's upper
    // side then meets the run's side on the sweep's outer arc, and in view 7
    // the leg's upper line lies wholly behind the run.
    const bool over_run = P[15].x < P[13].x;
    if (over_run) P[41] = larger_y(cross(side, outer));
    const tagRELL start = slant_rim(P[17].x, R, k), end = slant_rim(P[20].x, R, k);
    const tagRCIR C = {P[17].x / k, 0, R};  // the start ring in the branch's plane
    const tagRCIR outer_w = circ(wide(P[34]), h + b->d16), inner_w = circ(wide(P[36]), b->d16 - h);
    // The sweep's start seam, a circle about the leg's axis: seen as the
    // ellipse with the shortened radius in the branch's plane and the radius
    // across it (0.707 h wide after the turn) as conjugate half-diameters.
    const tagRELL seam = conjugate_ellipse(P[33], P[15] - P[33], {k * h, 0});
    const tagRELL pipe_end = slant_rim(P[16].x, h, k), middle = slant_rim(P[19].x, R, k);

    Out o(w);
    if (profile_run(o, P, 1, 13, 7, kEnd2) ||
        (v6 ? o.seg(P[13], P[41]) || o.seg(P[42], P[28]) : o.seg(P[13], P[28])) ||
        o.code(kEnd1).seg(P[28], P[1]))
        return 1;
    o.code(kBody);
    if (v6) {
        // Everything of the branch behind the hub's start ring is hidden.
        if (put(o, outside_wide(P[15], P[14], C), false) || put(o, outside_wide(P[26], P[27], C), false) ||
            arc_outside(o, outer_w, wide(P[16]), wide(P[15]), C) ||
            arc_outside(o, inner_w, wide(P[25]), wide(P[26]), C) ||
            put(o, outside_wide(P[16], P[17], C), false) || put(o, outside_wide(P[25], P[24], C), false) ||
            o.seg(P[18], P[20]) || o.seg(P[23], P[21]) ||
            o.earc(start, P[18], P[23]) || o.code(kEnd3).ellipse(end))
            return 1;
        o.code(kBody).style(kSeam);
        if (o.seg(P[2], P[13]) || o.seg(P[6], P[9]) ||
            o.intended(Intended::free_ends, kSocketBottomLine).seg(P[29], P[30]) ||
            o.earc(middle, P[19], P[22]) || pipe_ring_front(o, P[16], P[25], (P[17].x - P[16].x) / k, h, R))
            return 1;
        // In the branch's plane the seam is an ellipse about the leg's axis
        // whose longer semi-axis is h sqrt(1 + 0.707). It is drawn when it
        // lies clear of the hub's start ring; partly behind the ring it is
        // left out with the sweep it marks, which then lies mostly behind the
        // hub: cutting it there would take a crossing of two conics, more
        // than this view's time allows.
        const double far = dist(wide(P[33]), {C.x, C.y}), reach = h * std::sqrt(1 + k);
        if (far - reach >= R && o.earc(seam, P[15], P[26])) return 1;
        return o.earc(P[35], r2 * b->d12 * 0.15, r2 * h, 0, P[14], P[27]) ||
               o.code(kEnd3).ellipse(slant_rim(P[20].x, h, k));  // the hub's bore, which takes the pipe
    }
    P[43] = narrow(smaller_x(cross(line(wide(P[16]), wide(P[17])), C)));
    P[44] = flip_y(P[43]);
    // View 7: the pipe's sides meet the start ring's left half at P43, P44;
    // the ring shows from where the branch's lower side leaves it round to
    // where its upper side covers it again.
    const tagRPT top = ring_cut(C, wide(P[16]), wide(P[17]), outer_w, wide(P[15]), wide(P[41]), P[43]);
    const tagRPT bottom = ring_cut(C, wide(P[25]), wide(P[24]), inner_w, wide(P[26]), wide(P[42]), P[44]);
    if ((!over_run && o.seg(P[15], P[41])) || o.seg(P[26], P[42]) || o.earc(outer, P[16], over_run ? P[41] : P[15]) ||
        o.earc(inner, P[25], P[26]) ||
        o.seg(P[16], P[17]) || o.seg(P[25], P[24]) || o.seg(P[18], P[20]) || o.seg(P[23], P[21]) ||
        o.earc(slant_rim(P[17].x, h, k), P[24], P[17]) ||  // the pipe meets the face: the ring's outer half
        o.earc(start, bottom, top) || o.code(kEnd3).earc(end, P[21], P[20]))
        return 1;
    o.code(kBody).style(kSeam);
    return o.seg(P[2], P[13]) || o.seg(P[6], P[9]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[29], P[30]) ||
           o.earc(middle, P[22], P[19]) || o.earc(pipe_end, P[25], P[16]) ||
           o.earc(seam, P[26], over_run ? larger_y(cross(side, seam)) : P[15]);
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
