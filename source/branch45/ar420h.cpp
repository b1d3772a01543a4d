// 45-degree branch, run below 150: views 8 to 13, in which the run is seen
// foreshortened by k (its rims as ellipses) and the branch end-on (8, 9),
// axonometric (10, 11) or upright over the run (12, 13).
#include <cmath>

#include "hidden.h"
#include "small45.h"

using namespace small45;

namespace {

using B = ARF_SIZE2;

// ---------------------------------------------------------------------------
// Views 8 and 9: looking along the branch. The points are built with the run
// along +y (shortened by k) and the branch end a circle at the origin, then
// written turned a quarter clockwise, (x, y) -> (y, -x), so the run lies along
// x with end 1 to the left.

tagRPT turned(tagRPT p) { return {p.y, -p.x}; }

// Run points P0, P1 (end 1) and the socket in pairs P2/P3 (end face) ..
// P12/P13 (insertion depth), left side first.
int points8(const B* b)
{
    tagRPT* P = data;
    P[0] = {-0.5 * b->d2, -k * b->d10};
    P[1] = {0.5 * b->d2, -k * b->d10};
    if (zahyoar1(10, 0, b)) return 1;
    for (int i = 0; i < 6; ++i) {
        P[2 + 2 * i] = {P[76 - i].x, P[76 - i].y * k};
        P[3 + 2 * i] = {P[77 + i].x, P[77 + i].y * k};
    }
    return 0;
}

// A run rim at k·y along the written x axis, radius r.
tagRELL run_ring(double y, double r) { return slant_rim(k * y, r, k); }

// The run pipe lines stop at the branch circle where it reaches them.
bool pipe_meets_branch(const B* b)
{
    const int m = b->main_size, n = b->branch_size;
    return m == 40 || m == 50 || (m == 65 && n >= 50) || (m == 80 && n >= 65) || (m == 100 && n == 100) ||
           (m == 125 && n == 125);
}

// View 8 faces the branch end: the run passes behind it, its socket seen from
// the side with the far halves of its steps through the wall.
int view8(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double mid = 0.25 * (b->d2 + b->d1);
    const tagRELL ro = flat_rim(k * (b->d5 - 0.6 * b->d4), 0.5 * b->d1);
    const tagRELL rm0 = flat_rim(k * (b->d5 - b->d4), mid);
    const bool trimmed = pipe_meets_branch(b);
    if (trimmed) {
        const Two x1 = cross(line(P[0], P[12]), circ({0, 0}, 0.5 * b->d11), {P[12], P[0]});
        P[16] = larger_y(x1), P[17] = smaller_y(x1);
        P[14] = flip_x(P[16]), P[15] = flip_x(P[17]);
    }
    P[18] = smaller_y(cross(line(P[7], P[9]), ro, {P[7], P[7]})), P[19] = flip_x(P[18]);
    P[20] = smaller_y(cross(line(P[11], P[13]), rm0, {P[11], P[11]})), P[21] = flip_x(P[20]);
    const Two x4 = cross(ro, flat_rim(k * (b->d5 - 0.8 * b->d4), mid), {P[6], P[6]});
    P[22] = larger_x(x4), P[23] = smaller_x(x4);
    const Two x5 = cross(rm0, flat_rim(k * (b->d5 - 0.875 * b->d3), 0.5 * b->d2), {P[10], P[10]});
    P[24] = larger_x(x5), P[25] = smaller_x(x5);

    Out o(w);
    auto seg = [&](int a, int c) { return o.seg(turned(P[a]), turned(P[c])); };
    if (trimmed ? o.code(kBody).seg(turned(P[0]), turned(P[16])) || seg(17, 12) || seg(15, 13) || seg(1, 14)
                : o.code(kBody).seg(turned(P[1]), turned(P[13])) || seg(0, 12))
        return 1;
    const double r2 = 0.5 * b->d2, r1 = 0.5 * b->d1;
    // P20, P21 lie on the middle step's rim where its far half, not drawn, crosses the hub line.
    constexpr const char* hub = "hub line from the hidden half of the middle step's rim";
    return seg(2, 4) || seg(3, 5) || seg(18, 9) || (o.intended(Intended::free_ends, hub), seg(20, 13)) || seg(19, 8) ||
           (o.intended(Intended::free_ends, hub), seg(21, 12)) ||
           o.code(kEnd3).circle({0, 0}, 0.5 * b->d11) ||
           o.circle({0, 0}, 0.5 * b->d11 - b->d18) ||
           o.code(kEnd2).ellipse(run_ring(b->d5, r1)) ||
           o.ellipse(run_ring(b->d5, r1 - b->d8)) ||
           o.code(kBody).earc(run_ring(b->d5 - 0.6 * b->d4, r1), turned(P[4]), turned(P[5])) ||
           o.earc(run_ring(b->d5 - b->d4, mid), turned(P[9]), turned(P[8])) ||
           o.earc(run_ring(b->d5 - b->d3, r2), turned(P[12]), turned(P[13])) ||
           o.earc(run_ring(b->d5 - 0.8 * b->d4, mid), turned(P[22]), turned(P[23])) ||
           o.intended(Intended::free_ends, "pipe end's rim between its crossings with the middle step's hidden rim")
               .earc(run_ring(b->d5 - 0.875 * b->d3, r2), turned(P[24]), turned(P[25])) ||
           o.code(kEnd1).earc(run_ring(-b->d10, r2), turned(P[0]), turned(P[1]));
}

// Of the circle's crossings with the ellipse, in the routine's order, the one
// with the largest x (a later one only replaces a strictly smaller x); 'none'
// when they do not meet.
tagRPT rightmost_crossing(const tagRCIR& c, const tagRELL& e, tagRPT none)
{
    tagRPT p[4] = {};
    int flag[4] = {};
    GCG122(&c, &e, p, flag);
    bool found = false;
    for (int i = 0; i < 4; ++i)
        if (flag[i] == 1 && (!found || p[i].x > none.x)) none = p[i], found = true;
    return none;
}

// View 9 looks at the branch from behind the run: the run's silhouette and
// ends, the socket's steps seen through the wall, and the branch circle
// where it shows beyond the run pipe.
int view9(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double r2 = 0.5 * b->d2, r1 = 0.5 * b->d1, rb = 0.5 * b->d11, mid = 0.25 * (b->d2 + b->d1);
    // The branch circle shows beyond the run pipe only when it is the wider;
    // its arcs start on the pipe lines at x = s.
    const bool arcs = b->d11 > b->d2;
    const double s = arcs ? std::sqrt(rb * rb - r2 * r2) : 0;
    tagRPT upper = {-s, r2}, lower = {-s, -r2};
    if (arcs && k * b->d10 < s) {
        // The circle reaches past end 1: its free ends lie on the end-1 rim,
        // at the crossing with the largest x (construction frame). Without a
        // crossing they stay on the pipe lines.
        const tagRPT q0 = {r2, -s};
        const tagRPT q = rightmost_crossing(circ({0, 0}, rb), flat_rim(-k * b->d10, r2), q0);
        upper = {q.y, q.x}, lower = {q.y, -q.x};
    }
    Out o(w);
    auto seg = [&](int a, int c) { return o.seg(turned(P[a]), turned(P[c])); };
    o.code(kBody);
    if (seg(0, 12) || seg(12, 10) || seg(10, 8) || seg(8, 6) || seg(6, 4) ||
        seg(4, 2) || seg(3, 5) || seg(5, 7) || seg(7, 9) || seg(9, 11) || seg(11, 13) || seg(13, 1))
        return 1;
    if (arcs && (o.code(kEnd3).arc({0, 0}, rb, pt(s, r2), upper) || o.arc({0, 0}, rb, lower, pt(s, -r2))))
        return 1;
    // The socket's steps, seen through the wall: each rim's far half.
    auto through = [&](double y, double r) {
        return o.style(2).code(kBody).earc(run_ring(y, r), pt(k * y, -r), pt(k * y, r));
    };
    return o.code(kEnd1).ellipse(run_ring(-b->d10, r2)) ||
           o.style(2).ellipse(run_ring(-b->d10, r2 - b->d7)) ||
           o.style(0).code(kEnd2).earc(run_ring(b->d5, r1), pt(k * b->d5, -r1), pt(k * b->d5, r1)) ||
           through(b->d5 - 0.6 * b->d4, r1) ||
           through(b->d5 - 0.8 * b->d4, mid) ||
           through(b->d5 - b->d4, mid) ||
           through(b->d5 - 0.875 * b->d3, r2) ||
           through(b->d5 - b->d3, r2);
}

}  // namespace

int ar420h(BZI_WRT_PRM* w, const B* b)
{
    if (points8(b)) return 1;
    return view_no(w) == 9 ? view9(w, b) : view8(w, b);
}

namespace {

// ---------------------------------------------------------------------------
// Views 10 and 11: axonometric, the run upright and foreshortened by k, the
// branch turned to 35.26 degrees (zahyoar1 mode 34), Zn = data[n] after that
// call. View 10 sees the run from end 1's side (the end-1 face whole, the
// socket end's near half); view 11 from the socket end's side.

struct V10 {
    RunRims r;
    BranchRims e;
    bool pipe_whole, mid_whole;  // branch 50/125: the pipe lines run on to Em0; 100/125: the middle step to Eo
};

// A step's rim seen through the wall, between the profile's points on its two sides; where the
// socket's lines run past those points to the next rim, its ends are free.
int rim_through(Out& o, const tagRELL& e, tagRPT s, tagRPT t)
{
    return o.intended(Intended::free_ends, "step's rim through the wall, between the profile's points").earc(e, s, t);
}

}  // namespace

int ar420h_v10(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const tagRPT* Z = data;
    if (zahyoar1(10, 0, b)) return 1;
    copy_scaled_y(P, 2, 71, 12, k);
    const double r1 = 0.5 * b->d1, r2 = 0.5 * b->d2, mid = 0.25 * (b->d2 + b->d1);
    P[1] = {-r2, -k * b->d10};
    P[30] = {r2, -k * b->d10};
    // Where the socket's side lines pass under the next rim's near half (0.5 is k squared).
    P[54] = {-mid, k * (b->d5 - 0.6 * b->d4) - std::sqrt((r1 * r1 - mid * mid) * 0.5)};
    P[55] = flip_x(P[54]);
    P[56] = {-r2, k * (b->d5 - b->d4) - std::sqrt((mid * mid - r2 * r2) * 0.5)};
    P[57] = flip_x(P[56]);
    if (zahyoar1(34, 0, b)) return 1;
    const BranchRims e = branch_rims(Z, b, kRot10);
    const StepCuts cuts = step_cuts(P, b, e);
    const V10 v = {run_rims(b), e, cuts.pipe_whole, cuts.mid_whole};
    // The crotches on the run's right pipe line.
    const tagRSEG right = line(P[13], P[30]);
    P[14] = cross(right, line(Z[70], Z[71]), P[13]);
    P[29] = cross(right, line(Z[80], Z[81]), P[30]);
    const tagRELL end1 = flat_rim(-k * b->d10, r2), end2 = flat_rim(k * b->d5, r1);

    Out o(w);
    o.code(kBody);
    if (view_no(w) == 10)
        return o.seg(P[1], P[3]) || o.seg(P[4], P[5]) || o.seg(P[6], P[7]) || o.seg(P[8], P[9]) ||
               o.seg(P[11], P[10]) || o.seg(P[14], P[12]) || o.seg(P[29], P[30]) || o.seg(P[14], Z[71]) ||
               (!v.pipe_whole && o.seg(Z[71], P[52])) || o.seg(Z[72], Z[73]) ||
               (!v.mid_whole && o.seg(Z[73], P[50])) || o.seg(Z[74], Z[75]) || o.seg(Z[76], Z[77]) ||
               (!v.mid_whole && o.seg(P[51], Z[78])) || o.seg(Z[78], Z[79]) ||
               (!v.pipe_whole && o.seg(P[53], Z[80])) || o.seg(Z[80], P[29]) ||
               o.code(kEnd1).ellipse(end1) ||
               o.code(kEnd2).earc(end2, P[8], P[7]) ||
               o.code(kEnd3).earc(v.e.e, Z[76], Z[75]) ||
               o.code(kBody).earc(v.e.o, P[51], P[50]) ||
               o.earc(v.e.m0, P[53], P[52]) ||
               o.style(2).earc(v.e.m1, Z[78], Z[73]) ||
               o.earc(v.e.p1, Z[80], Z[71]) ||
               o.earc(v.e.p0, Z[81], Z[70]) ||
               o.earc(v.r.o, P[55], P[54]) ||
               o.earc(v.r.m1, P[10], P[5]) ||
               o.earc(v.r.m0, P[57], P[56]) ||
               o.earc(v.r.p1, P[12], P[3]) ||
               o.earc(v.r.p0, P[13], P[2]) ||
               o.code(kEnd1).ellipse(flat_rim(-k * b->d10, r2 - b->d7));
    return o.seg(P[1], P[56]) || o.seg(P[4], P[54]) || o.seg(P[6], P[7]) || o.seg(P[8], P[9]) ||
           o.seg(P[11], P[55]) || o.seg(P[14], P[57]) || o.seg(P[29], P[30]) ||
           (v.pipe_whole ? o.seg(P[14], P[52]) : o.seg(P[14], Z[71]) || o.seg(Z[71], P[52])) ||
           (v.mid_whole ? o.seg(Z[72], P[50]) : o.seg(Z[72], Z[73]) || o.seg(Z[73], P[50])) ||
           o.seg(Z[74], Z[75]) || o.seg(Z[76], Z[77]) ||
           (v.mid_whole ? o.seg(P[51], Z[79]) : o.seg(P[51], Z[78]) || o.seg(Z[78], Z[79])) ||
           (v.pipe_whole ? o.seg(P[53], P[29]) : o.seg(P[53], Z[80]) || o.seg(Z[80], P[29])) ||
           o.code(kEnd1).earc(end1, P[1], P[30]) ||
           o.code(kEnd2).ellipse(end2) ||
           o.code(kEnd3).ellipse(v.e.e) ||
           o.code(kBody).earc(v.e.o, Z[74], Z[77]) ||
           o.earc(v.e.m0, Z[72], Z[79]) ||
           rim_through(o.style(2), v.e.m1, Z[73], Z[78]) || rim_through(o, v.e.p1, Z[71], Z[80]) ||
           rim_through(o, v.e.p0, Z[70], Z[81]) ||
           rim_through(o, v.r.o, P[6], P[9]) || rim_through(o, v.r.m1, P[5], P[10]) ||
           rim_through(o, v.r.m0, P[4], P[11]) || rim_through(o, v.r.p1, P[3], P[12]) ||
           rim_through(o, v.r.p0, P[2], P[13]) ||
           o.code(kEnd2).ellipse(flat_rim(k * b->d5, r1 - b->d8)) ||
           o.code(kEnd3).ellipse(axis_rim(Z[95], 0.5 * b->d11 - b->d18, kRot10));
}

namespace {

// ---------------------------------------------------------------------------
// Views 12 and 13: the branch upright at its full length (the points of
// zahyoar1 mode 32 stretched by the stored root 2), the run below and behind
// it foreshortened by k. View 13 looks from the socket end's side: the run
// socket is in front and hides the branch where its end rim passes over it.

// Run points P0, P1 (end 1), socket P2..P13 (y shortened), branch P14..P27.
int points12(const B* b)
{
    tagRPT* P = data;
    P[0] = {-0.5 * b->d2, -k * b->d10};
    P[1] = {0.5 * b->d2, -k * b->d10};
    if (zahyoar1(10, 0, b)) return 1;
    copy_scaled_y(P, 2, 71, 12, k);
    if (zahyoar1(32, 0, b)) return 1;
    copy_scaled_y(P, 14, 71, 14, kRoot2);
    return 0;
}

// The branch's cut at the run's socket end rim, by size pair: 1, the outer
// step lines and the upper taper; 2, the outer flat only; 3, the outer flat
// and the end face; 4, the outer step lines and the lower taper.
constexpr PairGroup kPairs13[] = {
    {40, 40, 1},  {50, 50, 1},   {65, 65, 1},   {80, 65, 1},  {80, 80, 1},   {100, 65, 1},  {100, 80, 1},
    {125, 100, 1}, {50, 40, 2},  {65, 40, 2},   {65, 50, 2},  {80, 40, 2},   {80, 50, 2},   {100, 40, 2},
    {125, 50, 2}, {125, 65, 2},  {125, 80, 2},  {100, 50, 3}, {125, 40, 3},  {100, 100, 4}, {125, 125, 4},
};

int view13(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const RunRims r = run_rims(b);
    const tagRELL es2 = flat_rim(k * b->d5, 0.5 * b->d1);
    P[35] = smaller_y(cross(line(P[10], P[11]), r.o, {P[10], P[10]})), P[34] = flip_x(P[35]);
    P[37] = smaller_y(cross(line(P[12], P[13]), r.m0, {P[12], P[12]})), P[36] = flip_x(P[37]);
    const Two x1 = cross(r.o, r.m1, {P[10], P[5]});
    P[30] = larger_x(x1), P[31] = smaller_x(x1);
    const Two x2 = cross(r.m0, r.p1, {P[12], P[3]});
    P[32] = larger_x(x2), P[33] = smaller_x(x2);
    const int g = group_of(b, kPairs13, 1);
    auto on = [&](int a, int c, tagRPT keep) { return cross(line(P[a], P[c]), es2, {keep, keep}); };
    if (g == 1 || g == 4) {
        const Two x = on(19, 22, P[19]);
        P[42] = larger_x(x), P[43] = smaller_x(x);
    }
    if (g == 3) {
        const Two x = on(20, 21, P[20]);
        P[44] = larger_x(x), P[45] = smaller_x(x);
    }
    const int cut = g == 1 ? 22 : g == 4 ? 23 : 21;  // the branch line crossing the end rim
    P[41] = larger_y(on(cut, cut + 1, P[cut])), P[40] = flip_x(P[41]);

    Out o(w);
    if (o.code(kBody).seg(P[0], P[36]) || o.seg(P[1], P[37])) return 1;
    switch (g) {
    case 1:
        if (o.seg(P[19], P[42]) || o.seg(P[43], P[22]) || o.seg(P[40], P[19]) || o.seg(P[22], P[41])) return 1;
        break;
    case 4:
        if (o.seg(P[19], P[42]) || o.seg(P[43], P[22]) || o.seg(P[40], P[18]) || o.seg(P[23], P[41]) ||
            o.seg(P[18], P[19]) || o.seg(P[22], P[23]))
            return 1;
        break;
    default:
        if (o.seg(P[40], P[20]) || o.seg(P[21], P[41])) return 1;
    }
    if (o.seg(P[6], P[7]) || o.seg(P[8], P[9])) return 1;
    switch (g) {
    case 1:
    case 4:
        if (o.seg(P[19], P[20]) || o.code(kEnd3).seg(P[20], P[21]) || o.code(kBody).seg(P[21], P[22])) return 1;
        break;
    case 2:
        if (o.code(kEnd3).seg(P[20], P[21])) return 1;
        break;
    default:
        if (o.code(kEnd3).seg(P[20], P[45]) || o.seg(P[44], P[21])) return 1;
    }
    return o.code(kBody).seg(P[4], P[34]) ||
           o.seg(P[11], P[35]) ||
           o.code(kEnd2).ellipse(es2) ||
           o.ellipse(flat_rim(k * b->d5, 0.5 * b->d1 - b->d8)) ||
           o.code(kBody).earc(r.o, P[6], P[9]) ||
           o.earc(r.m1, P[30], P[31]) ||
           o.earc(r.m0, P[4], P[11]) ||
           o.earc(r.p1, P[32], P[33]) ||
           o.intended(Intended::free_ends, "pipe entry's rim between the profile's pipe points, above the cut run lines")
               .earc(r.p0, P[2], P[13]) ||
           o.code(kEnd1).earc(flat_rim(-k * b->d10, 0.5 * b->d2), P[0], P[1]);
}

// View 12 looks from end 1's side, and the run runs away from the viewer
// towards its socket. The branch stands in the drawing plane at its full
// length and passes in front of the run socket, which is drawn only where it
// shows beside or above the branch (the branch outline, closed under its root
// arc, covers it). Of the run socket, seen from behind, the viewer sees the
// side lines of pipe, tapers and flats and the near (upper) half of every
// step's rim and of the end face; end 1 faces the viewer, its two rims whole.
// Where the branch pipe is as wide as the run pipe, their side lines share a
// line, and the run's stops where the branch's begins.
int view12(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const RunRims r = run_rims(b);
    const double r1 = 0.5 * b->d1, r2 = 0.5 * b->d2, pipe = 0.5 * b->d12;
    const tagRELL root = ell({0, P[14].y}, pipe, k * pipe, 0);
    Cover c;
    for (int n = 14; n <= 27; ++n) c.add(P[n]);
    // Closed under the root arc, walked back from the right root corner.
    c.add_arc(root, P[14], P[27]);
    const bool shared = b->d12 == b->d2;
    const tagRPT left_top = shared ? P[14] : P[3], right_top = shared ? P[27] : P[12];
    const tagRPT mark = {0.4 * b->d12, kRoot2 * k * (b->d15 - b->d14)};

    Out o(w);
    o.code(kBody);
    if (seg_outside(o, c, P[0], left_top) || seg_outside(o, c, P[1], right_top)) return 1;
    for (int n = 3; n < 7; ++n)
        if (seg_outside(o, c, P[n], P[n + 1]) || seg_outside(o, c, P[15 - n], P[14 - n])) return 1;
    const tagRELL rims[] = {r.p0, r.p1, r.m0, r.m1, r.o};
    for (int i = 0; i < 5; ++i)
        if (earc_outside(o, c, rims[i], P[13 - i], P[2 + i])) return 1;
    o.code(kEnd2);
    if (earc_outside(o, c, flat_rim(k * b->d5, r1), P[8], P[7])) return 1;
    if (o.code(kEnd1).ellipse(flat_rim(-k * b->d10, r2)) || o.ellipse(flat_rim(-k * b->d10, r2 - b->d7)))
        return 1;
    // The branch, whole: its outline with the end face, the lines across it
    // at the pipe entry and the outer step, the pipe marks, the root.
    o.code(kBody);
    for (int n = 14; n < 27; ++n)
        if (o.code(n == 20 ? kEnd3 : kBody).seg(P[n], P[n + 1])) return 1;
    return o.seg(P[15], P[26]) || o.seg(P[19], P[22]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(flip_x(mark), mark) ||
           o.earc(root, P[14], P[27]);
}

}  // namespace

int ar420h_v12(BZI_WRT_PRM* w, const B* b)
{
    if (points12(b)) return 1;
    return view_no(w) == 13 ? view13(w, b) : view12(w, b);
}
