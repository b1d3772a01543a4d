// 45-degree branch with a branch of 150 or more (and so a run of 150 or more),
// and views 8 and 9 of every run from 150.
//
// Run and branch are plain pipes here: d2 and d11 their outside diameters, d8
// the branch end face's distance from the origin along the branch axis, d1,
// d7 and d18 the walls that give the bores at end 2, end 1 and the branch end.
// The outline is a handful of lines, ellipses and arcs; the stored divisors
// 1.414213562 and -1.414213562 place the branch on its 45-degree axis.
#include <cmath>

#include "branch45.h"
#include "elemout.h"
#include "outline.h"
#include "run_pipe.h"

namespace {

using B = ARF_SIZE2;

constexpr double k = 0.707106781;        // cos 45, as stored
constexpr double kRoot2 = 1.414213562;   // as stored
constexpr double kStep = 10.0;           // length of a direction step
constexpr double kTilt6 = 54.73561032;   // branch axis in views 6 and 7
constexpr double kTilt10 = 35.26438968;  // and in views 10 and 11
constexpr double kThreeQuarters = 4.712388980384685;  // radians

int view_of(const BZI_WRT_PRM* w) { return w->head->view_no; }

// The branch end's bore rim: where the table gives the branch end no wall (d18 = 0: 250/150 to
// 350/150) it falls on the outer rim and is drawn there again.
constexpr const char* kNoWall = "branch bore rim on the outer rim: the table gives this branch end no wall";

// The branch's run-time axonometric factors: a point (X, Y) of the branch's own
// frame (X along its axis) lands at (r·X·u − Y·v, r·X·v + Y·u).
struct Axo {
    double r, u, v;
    tagRPT place(double X, double Y) const { return {r * X * u - Y * v, r * X * v + Y * u}; }
};

// A horizontal line at height h, as the views hand it to the line routine.
constexpr tagRSEG level(double h) { return line({0, h}, {kStep, h}); }

}  // namespace

// View 1: the run upright, the branch on the 45-degree diagonal up to its end
// face; both sides of the branch stop at the run's right line.
int jalf42s01(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    run_corners(P, b, 1.0, 7, 6, 0, 1);
    P[3] = {b->d8 / kRoot2 - 0.5 * b->d11 / kRoot2, 0.5 * b->d11 / kRoot2 + b->d8 / kRoot2};
    P[4] = {0.5 * b->d11 / kRoot2 + b->d8 / kRoot2, b->d8 / kRoot2 - 0.5 * b->d11 / kRoot2};
    const tagRSEG run = line(P[1], P[6]);
    P[2] = cross(run, line(P[3], P[3] + pt(kStep, kStep)), P[1]);
    P[5] = cross(run, line(P[4], P[4] + pt(kStep, kStep)), P[6]);

    Out o(w);
    o.style(1);
    for (int n = 0; n <= 6; ++n) {
        const int c = n == 0 ? kEnd2 : n == 3 ? kEnd3 : n == 6 ? kEnd1 : kBody;
        if (o.code(c).seg(P[n], P[n + 1])) return 1;
    }
    return o.code(kBody).seg(P[0], P[7]);
}

// Views 2 and 5: looking along the run (a circle), the branch running off along
// +x foreshortened, its sides starting on the run's circle. View 2 looks into
// end 1 and sees the back of the branch end (a half rim); view 5 looks into
// end 2 and the branch end.
int jalft41y_v2(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double cx = b->d8 / kRoot2;
    P[2] = {cx, 0.5 * b->d11};
    P[3] = {cx, -0.5 * b->d11};
    // A branch as wide as the run touches its circle; without a crossing the side starts on the axis.
    const tagRPT axis = {0, 0.5 * b->d11};
    P[0] = larger_x(cross(line(P[2], axis), circ({0, 0}, 0.5 * b->d2), {axis, axis}));
    P[1] = flip_y(P[0]);
    const double a = 0.5 * b->d11 / kRoot2, r = 0.5 * b->d11;

    Out o(w);
    o.style(1);
    if (o.code(kBody).seg(P[1], P[3]) || o.seg(P[2], P[0])) return 1;
    if (view_of(w) == 2)
        return o.code(kEnd3).earc({cx, 0}, a, r, 0, P[3], P[2]) || o.code(kEnd1).circle({0, 0}, 0.5 * b->d2) ||
               o.style(2).circle({0, 0}, 0.5 * b->d2 - b->d7);
    const double bore = 0.5 * b->d11 - b->d18;
    return o.code(kEnd3).ellipse({cx, 0}, a, r, 0) || o.code(kEnd2).circle({0, 0}, 0.5 * b->d2) ||
           o.style(2).code(kEnd3).intended(Intended::repeated, kNoWall).ellipse({cx, 0}, bore / kRoot2, bore, 0) ||
           o.code(kEnd2).circle({0, 0}, 0.5 * b->d2 - b->d1);
}

// Views 3 and 4: the run upright, the branch pointing at the viewer (3) or away
// behind the run (4, the run alone). The branch's foot on the run is a thin
// half rim; its sides show only where it is narrower than the run.
int jalft41y_v3(BZI_WRT_PRM* w, const B* b)
{
    const double r2 = 0.5 * b->d2, r11 = 0.5 * b->d11, top = b->d8 / kRoot2;
    Out o(w);
    o.style(1);
    if (o.code(kBody).seg(-r2, -b->d10, -r2, b->d5) || o.code(kEnd2).seg(-r2, b->d5, r2, b->d5) ||
        o.code(kBody).seg(r2, b->d5, r2, -b->d10) || o.code(kEnd1).seg(-r2, -b->d10, r2, -b->d10))
        return 1;
    if (view_of(w) == 4) return 0;
    if (b->d11 != b->d2 && (o.code(kBody).seg(-r11, r2, -r11, top) || o.seg(r11, r2, r11, top))) return 1;
    const double bore = r11 - b->d18;
    return o.style(2).code(kBody).earc({0, r2}, r11, r11 / kRoot2, 0, {-r11, r2}, {r11, r2}) ||
           o.code(kEnd3).ellipse({0, top}, r11, r11 / kRoot2, 0) ||
           o.intended(Intended::repeated, kNoWall).ellipse({0, top}, bore, bore / kRoot2, 0);
}

// Views 6 and 7: axonometric, the run upright and the branch turned 54.7
// degrees; view 6 looks into the branch end (the branch in front of the run),
// view 7 at its back (the run in front, hiding what of the branch lies left of
// its right line).
int jalft41y_v6(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double r = std::sqrt(0.75);
    const Axo ax{r, 0.5 / r, 1.0 / std::sqrt(2.0) / r};
    run_corners(P, b, 1.0, 0, 5, 1, 2);
    P[10] = ax.place(b->d8, 0);
    P[7] = ax.place(b->d8, 0.5 * b->d11);
    P[8] = ax.place(b->d8, -0.5 * b->d11);
    const double qx = 0.5 * b->d2 / kRoot2;
    const tagRPT Q = {qx, qx / ax.u * ax.v};  // on the branch axis
    P[6] = {Q.x - 0.5 * b->d11 * ax.v, Q.y + 0.5 * b->d11 * ax.u};
    P[9] = {Q.x + 0.5 * b->d11 * ax.v, Q.y - 0.5 * b->d11 * ax.u};
    const tagRSEG run = line(P[2], P[5]);
    P[3] = cross(run, line(P[6], P[7]), P[3]);
    P[4] = cross(run, line(P[8], P[9]), P[4]);
    const tagRELL ee = ell(P[10], 0.25 * b->d11, 0.5 * b->d11, kTilt6);
    // The end rim reaches across the run line: the upper side hides behind it.
    // Should the rim miss the line after all, P3 stays on the upper side.
    const bool rim_over_run = 0.5 * b->d2 > P[7].x;
    if (rim_over_run) P[3] = larger_y(cross(run, ee, {P[3], P[3]}), Tie::first);

    Out o(w);
    if (view_of(w) == 6) {
        P[6] = cross(level(0.5 * b->d2 + 0.5 * 1.414213562 * b->d11), line(P[6], P[7]), P[6]);
        P[9] = cross(level(0.5 * b->d2 - 0.5 * 1.414213562 * b->d11), line(P[8], P[9]), P[9]);
        const double bore = 0.5 * b->d11 - b->d18;
        constexpr const char* side = "branch side line from the run's surface height, behind the end rim";
        return o.code(kBody).seg(P[0], P[1]) || o.code(kEnd2).seg(P[1], P[2]) ||
               o.code(kBody).seg(P[2], P[3]) || o.seg(P[4], P[5]) ||
               o.intended(Intended::free_ends, side).seg(P[6], P[7]) ||
               o.intended(Intended::free_ends, side).seg(P[8], P[9]) ||
               o.code(kEnd1).seg(P[0], P[5]) || o.code(kEnd3).ellipse(ee) ||
               o.style(2).intended(Intended::repeated, kNoWall).ellipse(P[10], 0.5 * bore, bore, kTilt6);
    }
    return o.code(kBody).seg(P[0], P[1]) || o.code(kEnd2).seg(P[1], P[2]) || o.code(kBody).seg(P[2], P[5]) ||
           (!rim_over_run && o.seg(P[3], P[7])) || o.seg(P[8], P[4]) || o.code(kEnd1).seg(P[0], P[5]) ||
           o.code(kEnd3).earc(ee, P[8], rim_over_run ? P[3] : P[7]);
}

// Views 8 and 9: looking down the branch axis (the branch end a circle at the
// origin), the run lying across, foreshortened, its end 1 to the left. View 8
// sees end 2's face and the branch coming at the viewer; view 9 end 1's face,
// the branch hidden behind the run.
int jalft41y_v8(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {-0.5 * b->d2, b->d10 / (-kRoot2)};
    P[1] = {0.5 * b->d2, P[0].y};
    P[2] = {-0.5 * b->d2, b->d5 / kRoot2};
    P[3] = {0.5 * b->d2, P[2].y};
    turn_pts(P, 0, 4, kThreeQuarters);
    const double a = 0.5 * b->d2 / kRoot2, r = 0.5 * b->d2;

    Out o(w);
    o.style(1);
    if (o.code(kBody).seg(P[0], P[2]) || o.seg(P[1], P[3])) return 1;
    if (view_of(w) == 8) {
        const double bore = 0.5 * b->d2 - b->d1;
        return o.code(kEnd1).earc({P[0].x, 0}, a, r, 0, P[0], P[1]) ||
               o.code(kEnd2).ellipse({P[3].x, 0}, a, r, 0) ||
               o.style(2).ellipse({P[3].x, 0}, bore / kRoot2, bore, 0) ||
               o.code(kEnd3).circle({0, 0}, 0.5 * b->d11) ||
               o.intended(Intended::repeated, kNoWall).circle({0, 0}, 0.5 * b->d11 - b->d18);
    }
    const double bore = 0.5 * b->d2 - b->d7;
    return o.code(kEnd2).earc({P[3].x, 0}, a, r, 0, P[3], P[2]) || o.code(kEnd1).ellipse({P[1].x, 0}, a, r, 0) ||
           o.style(2).ellipse({P[1].x, 0}, bore / kRoot2, bore, 0);
}

// Views 10 and 11: axonometric, the run leaning toward the viewer (foreshortened
// by the stored 1.414213562, its ends ellipses) and the branch turned 35.3
// degrees; view 10 sees end 1's face, view 11 end 2's face and the branch end.
int jalft41y_v10(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double r = std::sqrt(0.75);
    const Axo ax{r, 1.0 / std::sqrt(2.0) / r, 0.5 / r};
    P[0] = {-0.5 * b->d2, b->d10 / (-kRoot2)};
    P[1] = {-0.5 * b->d2, b->d5 / kRoot2};
    P[2] = {0.5 * b->d2, P[1].y};
    P[7] = {0.5 * b->d2, P[0].y};
    P[8] = ax.place(b->d8, 0);
    P[4] = ax.place(b->d8, 0.5 * b->d11);
    P[5] = ax.place(b->d8, -0.5 * b->d11);
    const tagRPT Q = {0.5 * b->d2, 0.5 * b->d2 / ax.u * ax.v};
    P[3] = {Q.x - 0.5 * b->d11 * ax.v, Q.y + 0.5 * b->d11 * ax.u};
    P[6] = {Q.x + 0.5 * b->d11 * ax.v, Q.y - 0.5 * b->d11 * ax.u};
    const tagRSEG run = line(P[2], P[7]);
    P[3] = cross(run, line(P[3], P[4]), P[3]);
    P[6] = cross(run, line(P[5], P[6]), P[6]);
    const double a = 0.5 * b->d2, rb = 0.5 * b->d2 / kRoot2;
    const tagRELL e1 = ell({0, P[0].y}, a, rb, 0);
    // The lower side passes the run line below end 1: it ends on end 1's rim
    // instead. A side that misses the rim too keeps its crossing with the run
    // line, and the run line runs down to it as when it passes above end 1.
    bool on_end1 = false;
    if (P[6].y < P[0].y) {
        tagRPT x[2] = {P[6], P[6]};
        const tagRSEG side = line(P[5], P[6]);
        on_end1 = GCG110(&side, &e1, x) == 0;
        if (on_end1) P[6] = larger_x({x[0], x[1]}, Tie::first);
    }
    const tagRPT end1_to = on_end1 ? P[6] : P[7];
    const tagRELL ee = ell(P[8], 0.25 * b->d11, 0.5 * b->d11, kTilt10);

    Out o(w);
    if (o.code(kBody).seg(P[0], P[1]) || o.seg(P[2], P[3]) || o.seg(P[3], P[4]) || o.seg(P[5], P[6]) ||
        (!on_end1 && o.seg(P[6], P[7])))
        return 1;
    if (view_of(w) == 10) {
        const double bore = 0.5 * b->d2 - b->d7;
        return o.code(kEnd1).ellipse(e1) || o.code(kEnd2).earc({0, P[1].y}, a, rb, 0, P[2], P[1]) ||
               o.code(kEnd3).earc(ee, P[5], P[4]) ||
               o.style(2).code(kEnd1).ellipse({0, P[0].y}, bore, bore / kRoot2, 0);
    }
    const double bore = 0.5 * b->d2 - b->d1, bore3 = 0.5 * b->d11 - b->d18;
    return o.code(kEnd1).earc(e1, P[0], end1_to) || o.code(kEnd2).ellipse({0, P[1].y}, a, rb, 0) ||
           o.code(kEnd3).ellipse(ee) || o.style(2).code(kEnd2).ellipse({0, P[1].y}, bore, bore / kRoot2, 0) ||
           o.code(kEnd3).intended(Intended::repeated, kNoWall).ellipse(P[8], 0.5 * bore3, bore3, kTilt10);
}

// Views 12 and 13: the branch upright in the drawing at full length, the run
// leaning 45 degrees toward (12: end 1 near) or away from (13: end 2 near) the
// viewer; E2 is the end-2 rim.
//
// The branch's side lines x = ±0.5·d11 meet E2 twice. The crossing kept is the
// upper one in both views: in view 12 the branch stands in front of E2's far
// (upper) half and hides it between its sides, so E2 shows from its ends up to
// the upper crossings; in view 13 end 2's face stands in front of the branch's
// foot, so the sides come down from the end face to where they pass behind E2,
// its upper crossings.
int jalft41y_v12(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    run_corners(P, b, k, 0, 1, 2, 3);
    P[4] = {-0.5 * b->d11, b->d8};
    P[5] = {0.5 * b->d11, b->d8};
    const bool same = b->d11 == b->d2;
    const tagRELL e2 = ell({0, k * b->d5}, 0.5 * b->d2, k * 0.5 * b->d2, 0);
    // The upper crossing of a side line walked down from the branch end face.
    // Sides narrower than the run always cross E2; 'left' is only a fallback.
    auto upper = [&](tagRPT low, tagRPT left) { return larger_y(cross(line(P[5], low), e2, {left, left})); };

    Out o(w);
    o.style(1);
    if (view_of(w) == 12) {
        P[6] = {-0.5 * b->d11, 0.5 * b->d2 * kRoot2};
        P[7] = {0.5 * b->d11, P[6].y};
        P[9] = upper(P[7], P[3]);
        P[8] = flip_x(P[9]);
        const double bore = 0.5 * b->d2 - b->d7;
        if ((same ? o.code(kBody).seg(P[0], P[6]) || o.seg(P[1], P[7])
                  : o.code(kBody).seg(P[0], P[2]) || o.seg(P[1], P[3])) ||
            o.code(kEnd3).seg(P[4], P[5]) || o.code(kBody).seg(P[4], P[6]) || o.seg(P[5], P[7]))
            return 1;
        // A branch as wide as the run hides all of E2: its side lines only touch
        // E2 at P3 and P2, and an arc from P3 to P3 would be read as the whole rim.
        if (!same && (o.code(kEnd2).earc(e2, P[3], P[9]) || o.earc(e2, P[8], P[2]))) return 1;
        return o.code(kBody).earc({0, P[6].y}, 0.5 * b->d11, k * 0.5 * b->d11, 0, P[6], P[7]) ||
               o.code(kEnd1).ellipse({0, -k * b->d10}, 0.5 * b->d2, k * 0.5 * b->d2, 0) ||
               o.style(2).ellipse({0, -k * b->d10}, bore, k * bore, 0);
    }
    if (same) {
        P[6] = P[2];
        P[7] = P[3];
    } else {
        P[7] = upper({0.5 * b->d11, 0}, {0.5 * b->d11, 0});
        P[6] = flip_x(P[7]);
    }
    const double bore = 0.5 * b->d2 - b->d1;
    return (same ? o.code(kBody).seg(P[0], P[6]) || o.seg(P[1], P[7])
                 : o.code(kBody).seg(P[0], P[2]) || o.seg(P[1], P[3])) ||
           o.code(kEnd3).seg(P[4], P[5]) || o.code(kBody).seg(P[4], P[6]) || o.seg(P[5], P[7]) ||
           o.code(kEnd1).earc({0, -k * b->d10}, 0.5 * b->d2, k * 0.5 * b->d2, 0, P[0], P[1]) ||
           o.code(kEnd2).ellipse(e2) || o.style(2).ellipse(centre(e2), bore, k * bore, 0);
}
