// The 90-degree tee up to 125: socket ends on the run (end 2) and the branch,
// a plain run end (end 1). View 1 is the exported routine; the other view
// codes reach their functions through the tee's dispatchers.
#include "ar920a.h"

#include <cmath>

#include "tee.h"

using namespace tee;

namespace {

constexpr int kStyleSeam = 2;

// Run socket (end 2) from profile mode 10: P2..P7 its outline up to the end
// face, P32-P33 the pipe mark inside the middle step.
int run_socket(tagRPT* P, const B* b)
{
    if (zahyoar1(10, 0, b)) return 1;
    copy_pts(P, 2, 71, 6);
    P[32] = P[83];
    P[33] = P[84];
    return 0;
}

// The run's near side up the socket, across the end face, down the far side.
int run_side(Out& o, const tagRPT* P)
{
    if (o.code(kBody).run(P, {1, 2, 3, 4, 5, 6, 7}) || o.code(kEnd2).seg(P[7], prime(P[7]))) return 1;
    o.code(kBody);
    return profile_run_primed(o, P, 2, 7);
}

// Branch socket outline P8 .. P19 with its end face P13-P14.
int branch_side(Out& o, const tagRPT* P) { return profile_run(o, P, 8, 19, 13, kEnd3); }

// The branch socket's lines seen side-on: pipe mark, end of pipe, pipe end.
int branch_marks(Out& o, const tagRPT* P)
{
    return o.intended(Intended::free_ends, kSocketBottomLine).seg(P[20], P[21]) || o.seg(P[12], P[15]) ||
           o.seg(P[8], P[19]);
}

}  // namespace

// View 1: run and branch flat in the drawing.
int ar920a(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    P[1] = {-b->d2 / 2, -b->d10};
    if (run_socket(P, b)) return 1;
    P[31] = {b->d2 / 2, P[1].y};
    if (zahyoar1(40, 0, b)) return 1;
    branch_points(P);
    const tagRPT X = leg_axis_at(b->d9, b->d9, prime(P[2]), P[31]);
    P[24] = {P[31].x, X.y};
    leg_sides(P, b->d12);
    P[28] = crotch_foot(P[26], crotch_circle(b, P[19].x));
    P[27] = crotch_top(P[28], b->d12);
    turn_centres(P, b);
    const double r1 = outer_turn(b);

    Out o(w);
    return run_side(o, P) ||
           o.seg(prime(P[2]), P[25]) || o.seg(P[25], P[27]) ||
           branch_side(o, P) ||
           o.seg(P[26], P[28]) || o.seg(P[26], P[31]) ||
           o.code(kEnd1).seg(P[31], P[1]) ||
           o.code(kBody).arc(P[29], r1, P[8], P[27]) ||
           o.arc(P[30], b->d16, P[19], P[28]) ||
           o.style(kStyleSeam).seg(P[2], prime(P[2])) || o.seg(P[6], prime(P[6])) ||
           branch_marks(o, P) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[32], P[33]) || o.seg(P[27], P[28]) ||
           o.intended(Intended::off_curve, kOpeningEnds).earc(P[24], 0.3 * b->d12, k4 * b->d12, 0, P[25], P[26]);
}

// Views 2 and 5: looking along the run, the branch socket along +x. View 2
// faces the plain end (its pipe and bore as circles) with the run socket's rim
// behind, cut by the branch; view 5 faces the socket mouth.
int ar920a_v2(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    if (zahyoar1(40, 0, b)) return 1;
    P[0] = {0, 0};
    copy_pts(P, 1, 71, 12);
    const tagRSEG top = line(P[1], P[2]);
    Out o(w);
    if (view_no(w) == 2) {
        P[13] = P[83];
        P[14] = P[84];
        run_rings_crossed(P, top, b);
        const tagRPT X = leg_axis_at(b->d9, b->d9, {b->d2 / 2, b->d4 - b->d3}, {b->d2 / 2, -b->d10});
        P[24] = {b->d2 / 2, X.y};
        P[26] = {P[24].x, X.y - b->d12 * kRoot2 * 0.5};
        P[28] = crotch_foot(P[26], crotch_circle(b, b->d15 - b->d13));
        P[27] = crotch_top(P[28], b->d12);
        // P19, P20: the branch pipe's side lines on a circle 0.8 d12 across
        // that ends at the crotch; part of the construction, not drawn.
        P[19] = larger_x(cross(top, circ({P[28].x - 0.8 * b->d12, 0}, 0.8 * b->d12)));
        P[20] = flip_y(P[19]);
        const double xm = (P[28].x + P[27].x) * 0.5;
        return profile_run(o, P, 1, 12, 6, kEnd3) ||
               o.seg(P[12], P[16]) ||
               o.code(kEnd2).arc(P[0], b->d1 / 2, P[15], P[16]) ||
               o.code(kBody).seg(P[1], P[15]) ||
               o.style(kStyleSeam).seg(P[1], P[12]) || o.seg(P[5], P[8]) ||
               o.intended(Intended::free_ends, kSocketBottomLine).seg(P[13], P[14]) ||
               o.seg(P[15], P[17]) || o.seg(P[16], P[18]) ||
               o.code(kEnd1).circle(P[0], b->d2 / 2) || o.circle(P[0], b->d2 / 2 - b->d7) ||
               o.code(kBody).arc(P[0], (b->d2 + b->d1) * 0.25, P[29], P[30]) ||
               o.earc({xm, 0}, b->d12 * k * 0.5, b->d12 * 0.5, 0, {xm, P[12].y}, {xm, P[1].y});
    }
    P[15] = P[83];
    P[16] = P[84];
    P[13] = larger_x(cross(top, circ(P[0], b->d1 / 2)));
    P[14] = flip_y(P[13]);
    const tagRPT X = leg_axis_at(b->d9, b->d9, {b->d2 / 2, b->d1}, {b->d2 / 2, -b->d1});
    P[24] = {b->d2 / 2, X.y};
    P[26] = {P[24].x, X.y - std::sqrt(2.0) * b->d12 * 0.5};
    P[28] = crotch_foot(P[26], crotch_circle(b, P[12].x));
    P[27] = crotch_top(P[28], b->d12);
    const double xm = (P[28].x + P[27].x) * 0.5;
    return o.code(kBody).seg(P[13], P[1]) ||
           profile_run(o, P, 1, 12, 6, kEnd3) ||
           o.seg(P[12], P[14]) ||
           o.code(kEnd2).circle(P[0], b->d1 / 2) ||
           o.style(kStyleSeam).circle(P[0], b->d1 / 2 - b->d8) ||
           o.code(kBody).seg(P[1], P[12]) || o.intended(Intended::free_ends, kSocketBottomLine).seg(P[15], P[16]) ||
           o.seg(P[5], P[8]) ||
           o.earc({xm, 0}, b->d12 * k * 0.5, b->d12 * 0.5, 0, {xm, P[1].y}, {xm, P[12].y});
}

// Views 3 and 4: looking along the branch, the run standing on the y axis with
// its socket at the top; the branch socket is the circle B about the origin.
// View 3 faces the branch mouth; view 4 sees the run from behind, the branch
// socket showing only where it is wider than the run pipe.
namespace {

// View 4.
int v4(Out& o, tagRPT* P, const B* b, const tagRCIR& Bc)
{
    const int m = b->main_size, n = b->branch_size;
    P[14] = {b->d2 / 2, -b->d10};
    P[33] = P[83];
    P[34] = P[84];
    const bool mid_sizes = m == 50 || m == 65 || m == 80;
    // Equal sizes take the construction of the 40 case unless the 50-80 one
    // names them: every equal pair draws its two arcs, so each needs its ends.
    if (m == n && !mid_sizes) {
        P[16] = larger_y(cross(line(P[3], P[4]), Bc));
        P[15] = smaller_y(cross(line(P[1], P[2]), Bc));
    } else if (mid_sizes) {
        const Two t = cross(line(P[1], P[2]), Bc);
        P[15] = smaller_y(t);
        P[16] = other(t, P[15]);
    }
    P[17] = prime(P[15]);
    P[18] = prime(P[16]);
    if (profile_run(o, P, 1, 14, 7, kEnd2) ||
        o.code(kEnd1).seg(P[14], P[1]) ||
        o.code(kBody).style(kStyleSeam).seg(P[2], P[13]) || o.seg(P[6], P[9]) ||
        o.intended(Intended::free_ends, kSocketBottomLine).seg(P[33], P[34]))
        return 1;
    const bool arcs = m == n || (m == 50 && n == 40) || (m == 65 && n == 50) || (m == 80 && n == 65);
    if (!arcs) return 0;
    // On 80/80 the run side line meets the rim past the side's end, at the socket's first step.
    constexpr const char* why = "branch rim ends where the run side line, extended, meets it";
    return o.code(kEnd3).intended(Intended::free_ends, why).arc({0, 0}, Bc.r, P[16], P[15]) ||
           o.intended(Intended::free_ends, why).arc({0, 0}, Bc.r, P[17], P[18]);
}

// The run socket's pipe mark P14-P15, whole or in two pieces P14-P20, P21-P15 either side of
// the branch mouth.
int run_mark(Out& o, const tagRPT* P, bool whole)
{
    if (whole) return o.intended(Intended::free_ends, kSocketBottomLine).seg(P[14], P[15]);
    return o.intended(Intended::free_ends, kSocketBottomLine).seg(P[14], P[20]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[21], P[15]);
}

// The branch mouth's rims and the leg's opening below it, shared by both size cases of view 3.
int mouth(Out& o, const B* b, const tagRCIR& Bc)
{
    return o.code(kEnd3).circle({0, 0}, Bc.r) || o.circle({0, 0}, Bc.r - b->d18);
}

// View 3 with a branch smaller than the run.
int v3_reducing(Out& o, tagRPT* P, const B* b, const tagRCIR& Bc, tagRPT X)
{
    const double r2 = std::sqrt(2.0);
    P[16] = {-0.5 * b->d12, X.y - r2 * b->d12 * 0.5 + b->d12 * k * 0.5};
    P[17] = prime(P[16]);
    // The pipe mark inside the middle step, cut where the branch crosses it.
    // Only result 0 leaves crossing points; any other result draws it whole.
    const Met t1 = meet(line(P[14], P[15]), Bc);
    if (t1.res == 0) {
        P[20] = {smaller_x(t1.t).x, P[14].y};
        P[21] = {-P[20].x, P[14].y};
    }
    const Met t2 = meet(line(P[1], P[2]), Bc);
    P[22] = smaller_y(t2.t);
    P[23] = other(t2.t, P[22]);
    // The run's pipe end line: in two pieces only when the branch crosses it.
    const Met t3 = meet(line(P[2], P[13]), Bc);
    if (t3.res == 0) {
        P[24] = smaller_x(t3.t);
        P[25] = other(t3.t, P[24]);
    }
    P[18] = smaller_y(cross(line(P[16], flip_y(P[16])), Bc));
    P[19] = prime(P[18]);

    const int sides = t2.res == 1
                          ? profile_run(o, P, 1, 13, 7, kEnd2) || o.seg(P[13], prime(P[1]))
                          : o.code(kBody).seg(P[1], P[22]) || o.seg(P[23], P[3]) ||
                                profile_run(o, P, 3, 12, 7, kEnd2) ||
                                o.seg(P[12], prime(P[23])) || o.seg(prime(P[22]), prime(P[1]));
    if (sides || o.code(kEnd1).seg(P[1], prime(P[1]))) return 1;
    o.code(kBody).style(kStyleSeam);
    // Where the branch rim is wider than the run, the pipe-end line shows outside it, from the run's
    // hidden side out to the rim.
    constexpr const char* outside = "pipe-end line outside the branch rim, from the run's hidden side";
    return (t3.res == 0 ? o.intended(Intended::free_ends, outside).seg(P[2], P[24]) ||
                              o.intended(Intended::free_ends, outside).seg(P[25], P[13])
                        : o.seg(P[2], P[13])) ||
           o.seg(P[6], P[9]) || o.seg(P[16], P[18]) || o.seg(P[17], P[19]) ||
           run_mark(o, P, t1.res != 0) ||
           mouth(o, b, Bc) ||
           o.code(kBody).earc({0, P[16].y}, b->d12 * 0.5, b->d12 * 0.5 * r2, 0, P[16], P[17]);
}

// View 3 with equal sizes: the branch socket reaches over the run's sides, and
// the leg's opening shows on the run as the ellipse O.
int v3_equal(Out& o, tagRPT* P, const B* b, const tagRCIR& Bc, tagRPT X)
{
    P[16] = {-b->d2 / 2, X.y - b->d12 * kRoot2 * 0.5 + b->d12 * k * 0.5};
    P[17] = prime(P[16]);
    P[18] = smaller_y(cross(line(P[1], P[2]), Bc));
    P[19] = prime(P[18]);
    P[3] = larger_y(cross(line(P[2], P[3]), Bc));
    P[12] = prime(P[3]);
    const Met t1 = meet(line(P[14], P[15]), Bc);
    P[20] = smaller_x(t1.t);
    P[21] = other(t1.t, P[20]);
    P[26] = {P[24].x, X.y - b->d12 * kRoot2 * 0.5};
    P[28] = crotch_foot(P[26], crotch_circle(b, b->d15 - b->d13));
    const tagRELL O = ell({0, P[28].y + b->d12 * k * 0.5}, b->d12 * 0.5, b->d12 * k * 0.5, 0);
    const Two q = cross(Bc, O);
    P[29] = smaller_x(q);
    P[30] = other(q, P[29]);
    // No crossing on the pipe mark: the socket's pipe end shows above the branch.
    const bool whole_mark = t1.res == 1;
    if (whole_mark) {
        P[3] = P[72];
        P[12] = P[81];
        P[2] = larger_y(cross(line(P[2], P[3]), Bc));
        P[13] = prime(P[2]);
    }
    if (o.code(kBody).seg(P[1], P[16]) || o.seg(P[16], P[18]) ||
        profile_run(o, P, whole_mark ? 2 : 3, whole_mark ? 13 : 12, 7, kEnd2) ||
        o.seg(P[17], P[19]) || o.seg(P[17], prime(P[1])) ||
        o.code(kEnd1).seg(P[1], prime(P[1])) ||
        o.code(kBody).style(kStyleSeam).seg(P[6], P[9]))
        return 1;
    if (b->main_size != 125 &&
        run_mark(o, P, whole_mark))
        return 1;
    return mouth(o, b, Bc) ||
           o.code(kBody).earc(O, P[29], P[30]) ||
           o.earc({0, P[16].y}, b->d12 * 0.5, b->d12 * 0.5 * kRoot2, 0, P[16], P[17]);
}

}  // namespace

int ar920a_v3(BZI_WRT_PRM* w, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    P[1] = {-b->d2 / 2, -b->d10};
    if (zahyoar1(10, 0, b)) return 1;
    copy_pts(P, 2, 71, 12);
    const tagRCIR Bc = {0, 0, b->d11 / 2};
    Out o(w);
    // Every code but 3 that reaches this function is drawn as view 4.
    if (view_no(w) != 3) return v4(o, P, b, Bc);
    P[14] = P[83];
    P[15] = P[84];
    const tagRPT X = leg_axis_at(b->d9, b->d9, {b->d2 / 2, b->d4 - b->d3}, {b->d2 / 2, -b->d10});
    P[24] = {b->d2 / 2, X.y};
    return b->main_size == b->branch_size ? v3_equal(o, P, b, Bc, X) : v3_reducing(o, P, b, Bc, X);
}

// ---------------------------------------------------------------------------
// Views 6 and 7: the tee turned about its run, the branch receding at 45
// degrees, so circles about the branch axis show as ellipses 0.707 as wide as
// high. View 6 sees the branch mouth in front of the run; in view 7 the
// branch lies behind the run and shows the back of its socket. The opening
// where the leg meets the run is an ellipse G at 45 degrees whose size and
// ends depend on the pair (the case code).
namespace {

bool one_of(int v, std::initializer_list<int> l)
{
    for (int x : l)
        if (v == x) return true;
    return false;
}

int v6_case(int view, int m, int n)
{
    const bool r125 = m == 125 && one_of(n, {40, 50, 65, 80, 100, 125});
    if (view == 6) {
        if ((m == 65 && n == 50) || (m == 80 && one_of(n, {50, 65})) || (m == 100 && one_of(n, {50, 65}))) return 60;
        if ((m == n && one_of(m, {40, 50, 65, 80})) || (m == 100 && one_of(n, {80, 100})) || r125) return 61;
        return 62;
    }
    if (m == 40 && n == 40) return 70;
    if ((m == n && one_of(m, {50, 65, 80, 100})) || r125) return 71;
    if ((m == 65 && n == 50) || (m == 80 && one_of(n, {50, 65})) || (m == 100 && n == 80)) return 72;
    if (m == 100 && one_of(n, {50, 65})) return 74;
    return 73;
}

// A socket rim about the receding branch axis, through profile point p.
tagRELL rim(tagRPT p) { return slant_rim(p.x, p.y, k); }

constexpr tagRELL moved(tagRELL e, double dx, double dy) { return {e.x + dx, e.y + dy, e.a, e.b, e.rot}; }

}  // namespace

int ar920a_v6(BZI_WRT_PRM* w, const ARF_SIZE2* b) { return tee_v6(w, b, false); }

// A plain run (the large-run tee) has no socket lines and takes the cases of
// the pairs no small case names (62 and 73), with the large crotch circle.
int tee_v6(BZI_WRT_PRM* w, const ARF_SIZE2* b, bool plain)
{
    const int view = view_no(w);
    const int c = plain ? (view == 6 ? 62 : 73) : v6_case(view, b->main_size, b->branch_size);
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    P[1] = {-b->d2 / 2, -b->d10};
    if (plain)
        P[2] = {-b->d2 / 2, b->d5};
    else if (run_socket(P, b))
        return 1;
    P[31] = prime(P[1]);
    if (zahyoar1(41, 0, b)) return 1;
    branch_points(P);
    P[40] = P[85];
    const tagRSEG side = line(prime(P[2]), P[31]);  // the run's side towards the branch
    const tagRPT X = leg_axis_at(b->d9, b->d9, prime(P[2]), P[31]);
    const double r2 = std::sqrt(2.0), r1 = outer_turn(b);
    P[24] = {P[31].x, X.y};
    P[25] = {P[31].x * k, X.y + r2 * b->d12 * 0.5};
    P[26] = {P[24].x * k, X.y - r2 * b->d12 * 0.5};
    if (view == 6 || c != 73) {
        // A crotch line that misses F leaves P28 at the origin (the rule case 62 names).
        P[28] = crotch_foot(P[26], plain ? crotch_circle_large(b, P[19].x) : crotch_circle(b, P[19].x));
        P[27] = crotch_top(P[28], b->d12);
        turn_centres(P, b);
    }
    P[42] = cross(side, line(P[19], P[26]));
    P[44] = smaller_x(cross(line(P[10], P[11]), rim(P[12])));
    P[46] = smaller_x(cross(line(P[8], P[9]), rim(P[10])));
    P[48] = smaller_x(cross(line(P[8], c == 62 ? P[25] : P[27]), rim(P[8])));
    P[45] = flip_y(P[44]);
    P[47] = flip_y(P[46]);

    // The opening ellipse G through its top T and bottom Bt.
    tagRPT T = P[27], Bt = P[28];
    if (c == 62) {
        P[55] = cross(line(P[14], P[15]), line(P[19], P[26]));
        P[56] = cross(line({0, 0}, {P[13].x, 0}), line(P[8], P[25]));
    } else if (c == 73) {
        P[56] = cross(line({P[13].x, 0}, {0, 0}), line(P[8], P[25]));
        // The line 20 below the end face's lower step, parallel to it.
        P[55] = cross(line({P[14].x, P[14].y - 20.0}, {P[15].x, P[15].y - 20.0}), line(P[19], P[26]));
    } else if (c == 72 || c == 74) {
        P[53] = larger_y(cross(side, circ(P[29], r1)), Tie::first);
        P[56] = cross(line(P[14], P[15]), line(P[19], P[42]));
    }
    if (c == 62 || c == 73) T = P[56], Bt = P[55];
    if (c == 72 || c == 74) T = P[53], Bt = P[56];
    P[49] = {T.x, Bt.y};
    P[50] = {T.x, T.y - (T.y - Bt.y) * 0.5};
    P[51] = cross(line(T, Bt), line(P[50], {P[50].x + 1.0, P[50].y}));
    const double g = std::sqrt((P[51].x - P[50].x) * (P[51].x - P[50].x) + (T.y - P[50].y) * (T.y - P[50].y));
    const tagRELL G = ell(P[51], k * g, g, 45.0);
    const tagRELL G20 = moved(G, 20.0, 20.0), G5 = moved(G, -5.0, -5.0);

    if (c >= 70) P[52] = larger_y(cross(line(P[19], P[26]), G), Tie::first);
    if (c == 60 || c == 61) P[52] = smaller_y(cross(line(P[19], P[26]), G));
    if (c == 61) {
        P[53] = smaller_y(cross(line(P[48], P[25]), G20));
        P[54] = smaller_y(cross(line(P[19], P[42]), G20));
    } else if (c == 62) {
        P[53] = smaller_x(cross(line(P[8], P[25]), G));
        P[54] = smaller_x(cross(line(P[19], P[26]), G));
    } else if (c == 70 || c == 71) {
        P[53] = larger_y(cross(side, circ(P[29], r1)), Tie::first);
    }
    if (c == 73) {
        P[53] = larger_y(cross(line(P[8], P[25]), G), Tie::first);
    } else if (c >= 70) {
        P[54] = larger_x(cross(circ(P[29], r1), G), Tie::first);
        if (c == 71) P[55] = larger_y(cross(side, G), Tie::first);
        const tagRELL& Gm = c == 74 ? G5 : G;
        if (c == 72 || c == 74) P[57] = larger_y(cross(line(P[19], P[42]), Gm), Tie::first);
        if (c == 74) P[58] = larger_y(cross(side, Gm), Tie::first);
    }
    const bool kinked = view == 6 && ((b->main_size == 100 && b->branch_size == 65) ||
                                      (b->main_size == 125 && one_of(b->branch_size, {50, 100, 125})));
    const tagRSEG upper = kinked                                      ? line(P[27], P[48])
                          : one_of(c, {60, 70, 71, 72, 74}) ? line(P[27], P[25])
                                                                      : line(P[8], P[25]);
    P[41] = cross(side, upper);

    Out o(w);
    if (plain ? o.code(kBody).seg(P[1], P[2]) || o.code(kEnd2).seg(P[2], prime(P[2])) : run_side(o, P)) return 1;
    o.code(kBody);
    if (view == 6) {
        // The run side stops where the leg's upper line, as constructed, crosses it; the upper
        // line itself is drawn from P25 to P48, which may pass beside that point.
        if (o.intended(Intended::free_ends, "run side stops at the leg's constructed upper line").seg(prime(P[2]), P[41]) ||
            (c == 60 ? o.seg(P[25], P[27]) || o.seg(P[27], P[48]) : o.seg(P[25], P[48])) ||
            o.seg(P[8], P[46]) || o.seg(P[10], P[44]) || o.seg(P[12], P[13]) ||
            o.code(kEnd3).ellipse(rim(P[13])) || o.ellipse(rim({P[13].x, P[40].y})) ||
            o.code(kBody).seg(P[14], P[15]) || o.seg(P[45], P[17]) || o.seg(P[47], P[19]) ||
            o.seg(P[19], P[26]) || o.seg(P[42], P[31]))
            return 1;
    } else {
        if (o.seg(prime(P[2]), c == 70 ? P[42] : P[31]) ||
            (c == 73 && o.seg(P[41], P[8])) ||
            (c != 73 && o.arc(P[29], r1, P[8], P[53])) ||
            o.run(P, {8, 9, 10, 11, 12, 13}) ||
            o.code(kEnd3).earc(rim(P[13]), P[14], P[13]) ||
            o.code(kBody).run(P, {14, 15, 16, 17, 18, 19}) ||
            o.seg(P[19], P[42]) || o.seg(P[42], P[31]))
            return 1;
    }
    if (o.code(kEnd1).seg(P[31], P[1])) return 1;
    o.code(kBody).style(kStyleSeam);
    if (!plain && (o.seg(P[2], prime(P[2])) || o.seg(P[6], prime(P[6])) ||
                   o.intended(Intended::free_ends, kSocketBottomLine).seg(P[32], P[33])))
        return 1;
    // G is fitted to the small pairs' crotch; on a large run its ends would
    // miss the outline, so the plain run shows the opening on the run only.
    if (view == 6) {
        if (o.earc(rim(P[12]), P[12], P[15]) || o.earc(rim(P[10]), P[10], P[17]) ||
            o.earc(rim(P[8]), P[8], P[19]) ||
            // The plain run's opening reaches exactly to the leg's side lines.
            o.intended(Intended::off_curve, plain ? nullptr : kOpeningEnds)
                .earc({P[24].x * k, P[24].y}, 0.3 * b->d12, plain ? P[25].y - P[24].y : k4 * b->d12, 0, P[25], P[26]))
            return 1;
        if (plain) return 0;
        return c == 60 ? o.earc(G, P[27], P[52]) : c == 61 ? o.earc(G20, P[53], P[54]) : o.earc(G, P[53], P[54]);
    }
    if (o.earc(rim(P[12]), P[15], P[12]) || o.earc(rim(P[11]), P[16], P[11]) ||
        o.earc(rim(P[10]), P[17], P[10]) || o.earc(rim(P[9]), P[18], P[9]) || o.earc(rim(P[8]), P[19], P[8]))
        return 1;
    if (plain) return 0;
    switch (c) {
    case 70: return o.earc(G, P[52], P[54]);
    case 71: return o.earc(G, P[52], P[55]);
    case 74: return o.earc(G5, P[57], P[58]);
    // Cases 72 and 73 start where G meets the crotch side line (P19-P26), so
    // the opening closes between the crotch and P53; in case 72 P53 is the outer
    // turn's foot on the run side, which lies beside G.
    default:
        return o.intended(Intended::off_curve, c == 72 ? "opening on G closed at the outer turn's foot, just off G" : nullptr)
            .earc(G, P[52], P[53]);
    }
}

// ---------------------------------------------------------------------------
// Views 10 and 11: the tee turned about the branch axis so the run recedes at
// 45 degrees: lengths along the run shrink by sqrt 2 and its sections show as
// ellipses r wide and r / sqrt 2 high. View 10 faces the plain end (end 1),
// view 11 the run socket's mouth (end 2). The branch keeps its view-1 outline;
// the leg's side lines and the crotch take the turned run's slopes.
namespace {

constexpr double kS = kRoot2;

// The run's section through profile point p: an ellipse -p.x wide, -p.x / s high.
tagRELL run_rim(tagRPT p) { return ell({0, p.y}, -p.x, -p.x / kS, 0); }

}  // namespace

int ar920a_v10(BZI_WRT_PRM* w, const ARF_SIZE2* b) { return tee_v10(w, b, false); }

// A plain run (the large-run tee) is its two end rims and side lines, with
// the bore shown at the end in front and the large crotch circle.
int tee_v10(BZI_WRT_PRM* w, const ARF_SIZE2* b, bool plain)
{
    const bool v10 = view_no(w) == 10;
    tagRPT* P = data;
    P[0] = {0, b->d10 / -kS};
    P[1] = {-b->d2 / 2, P[0].y};
    if (plain) {
        P[2] = {-b->d2 / 2, b->d5 / kS};
        P[7] = P[2];
    } else {
        if (run_socket(P, b)) return 1;
        for (int i : {2, 3, 4, 5, 6, 7, 32, 33}) P[i].y /= kS;
    }
    P[31] = prime(P[1]);
    if (zahyoar1(40, 0, b)) return 1;
    branch_points(P);
    const tagRPT X = leg_axis_at(b->d9, b->d9 / kS, prime(P[2]), P[31]);
    P[24] = {P[31].x, X.y};
    P[25] = {P[24].x, b->d12 * 0.5 / 0.816496581 + X.y};
    P[26] = {P[24].x, X.y - b->d12 * 0.5 / 0.816496581};
    const tagRCIR F = plain ? crotch_circle_large(b, P[19].x) : crotch_circle(b, P[19].x);
    P[28] = crotch_foot(P[26], F, P[26].y * 0.292893218626905);
    P[27] = {P[28].x - b->d12 * 0.577350269, b->d12 * 0.816496581 + P[28].y};
    turn_centres(P, b);
    const double r1 = outer_turn(b);
    const tagRELL E1 = ell(mid(P[26], P[25]), b->d2 * 0.5 - std::sqrt(b->d2 * b->d2 - b->d12 * b->d12) * 0.5,
                           (P[25].y - P[26].y) * 0.5, 0);
    const tagRELL E2 = ell({0, v10 ? P[26].y : P[25].y}, b->d2 * 0.5, b->d2 * 0.5, 0);
    P[40] = x_extremes(E1, E2, {P[40], P[40]}).p1;
    if (!plain) {
        if (!v10) P[5] = smaller_y(cross(line(P[4], P[5]), run_rim(P[6])));
        const Two t41 = cross(line({-0.4 * b->d2, 0}, {-0.4 * b->d2, P[7].y}), run_rim(P[4]));
        P[41] = v10 ? larger_y(t41) : smaller_y(t41);
        P[42] = prime(P[41]);
    }

    Out o(w);
    o.code(kBody);
    const int sides = plain ? o.seg(P[1], P[2])
                      : v10 ? o.run(P, {1, 2, 3, 4, 5, 6, 7}) || profile_run_primed(o, P, 2, 7)
                            : o.run(P, {1, 2, 3, 4, 5}) || profile_run_primed(o, P, 2, 5) ||
                                  o.seg(P[6], P[7]) || o.seg(prime(P[6]), prime(P[7]));
    if (sides || o.seg(prime(P[2]), P[25]) || o.seg(P[25], P[27]) ||
        profile_run(o, P, 8, 19, 13, kEnd3) ||
        o.seg(P[26], P[28]) || o.seg(P[26], P[31]) ||
        o.arc(P[29], r1, P[8], P[27]) || o.arc(P[30], b->d16, P[19], P[28]) ||
        o.code(kEnd1).earc(run_rim(P[1]), P[1], P[31]) ||
        o.code(kEnd2).earc(run_rim(P[7]), prime(P[7]), P[7]))
        return 1;
    o.code(kBody).style(kStyleSeam);
    // The socket's step rims (their near halves), then the front end's far half.
    const int steps = !plain && (v10 ? o.earc(run_rim(P[2]), prime(P[2]), P[2]) || o.earc(run_rim(P[6]), prime(P[6]), P[6])
                                     : o.earc(run_rim(P[2]), P[2], prime(P[2])) || o.earc(run_rim(P[6]), P[6], prime(P[6])));
    if (steps || (v10 ? o.code(kEnd1).earc(run_rim(P[1]), prime(P[1]), P[1])
                      : o.code(kEnd2).earc(run_rim(P[7]), P[7], prime(P[7]))))
        return 1;
    const tagRPT end = v10 ? P[1] : P[7];
    const double wall = v10 || plain ? b->d7 : b->d8;
    o.code(kBody);
    return (!plain && o.intended(Intended::free_ends, "middle step's rim seen inside the socket, between x = -0.4 d2 and 0.4 d2")
                          .earc(run_rim(P[4]), v10 ? P[42] : P[41], v10 ? P[41] : P[42])) ||
           (v10 ? o.earc(E1, P[25], P[40]) || o.earc(E2, P[26], P[40])
                : o.earc(E1, P[40], P[26]) || o.earc(E2, P[40], P[25])) ||
           o.code(v10 ? kEnd1 : kEnd2).ellipse({0, end.y}, -end.x - wall, (-end.x - wall) / kS, 0) ||
           o.code(kBody).intended(Intended::free_ends, kSocketBottomLine).seg(P[20], P[21]) || o.seg(P[12], P[15]) ||
           o.seg(P[8], P[19]) || o.seg(P[27], P[28]);
}
