// 45-degree branch with a run of 150 or more and a branch below 150.
//
// The run has no socket in this class: it is a plain pipe between its end lines
// (end 1 at y = -d10, end 2 at y = d5) and d1 is its wall. Only the branch
// carries a socket, placed for each view by the branch profile; the view
// functions trim its lines against the run and against the socket's own step
// rims.
//
// Where an intersection routine finds nothing, a point keeps the end the line or
// arc would have without the trim (the 'left' value handed to the routine),
// unless a view says otherwise where it computes the point.
#include <cmath>

#include "branch45.h"
#include "elemout.h"
#include "outline.h"
#include "run_pipe.h"

namespace {

using B = ARF_SIZE2;

constexpr double k = 0.707106781;         // cos 45, as stored
constexpr double kRoot2 = 1.414213562;    // as stored
constexpr double kTilt6 = 54.73561032;    // branch axis in views 6 and 7
constexpr double kTilt10 = 35.26438968;   // and in views 10 and 11

int view_of(const BZI_WRT_PRM* w) { return w->head->view_no; }

// A branch section of radius R in the turned views: half as wide along the
// branch axis (tilted by 'tilt') as across it.
constexpr tagRELL section(tagRPT c, double R, double tilt) { return ell(c, 0.5 * R, R, tilt); }

// A run section of radius R at height y in views 10 to 13, where the run leans
// 45 degrees out of the drawing: k as high as wide.
constexpr tagRELL run_rim(double y, double R) { return ell({0, y}, R, k * R, 0); }

}  // namespace

// View 1: the run upright in the drawing, the branch socket on the 45-degree
// diagonal. The right run line stops at the two crotch points.
int ar400a(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    run_corners(P, b, 1.0, 1, 22, 2, 7);
    if (zahyoar1(30, 0, b) != 0) return 1;
    copy_pts(P, 9, 71, 12);
    copy_pts(P, 31, 83, 2);
    const tagRSEG run = line(P[7], P[22]);
    P[8] = cross(run, line(P[9], P[10]), P[7]);
    P[21] = cross(run, line(P[19], P[20]), P[22]);
    // Where the branch axis meets the run line: kept for the host, not drawn.
    P[33] = cross(run, line(mid(P[9], P[20]), mid(P[14], P[15])), P[33]);

    Out o(w, kKeepStyle);
    for (int n = 7; n <= 21; ++n)
        if (o.code(n == 14 ? kEnd3 : kBody).seg(P[n], P[n + 1])) return 1;
    return o.seg(P[2], P[1]) || o.code(kEnd2).seg(P[2], P[7]) || o.code(kEnd1).seg(P[22], P[1]) ||
           o.code(kBody).seg(P[9], P[20]) || o.seg(P[13], P[16]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[31], P[32]);
}

// View 2: looking into end 1 along the run, the run a circle and the branch
// running off along +x, foreshortened. The branch's pipe lines start where
// they leave the run's circle; the socket's rims are half ellipses.
int ar400a_v2(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[1] = {0, 0.5 * b->d12};
    if (zahyoar1(31, 0, b) != 0) return 1;
    P[0] = {0, 0};
    copy_pts(P, 2, 72, 10);
    // The upper pipe line meets the run pipe; without a crossing it starts on the run axis.
    P[1] = larger_x(cross(line(P[1], P[2]), circ(P[0], 0.5 * b->d2), {P[1], P[1]}));
    P[13] = P[1];
    P[12] = P[14] = flip_y(P[1]);

    // A rim across the branch at x, semi-axes a across and r upright: its near half.
    auto rim = [&](Out& o, double x, double a, double r) { return o.earc({x, 0}, a, r, 0, {x, -r}, {x, r}); };
    const double mid_r = 0.25 * (b->d12 + b->d11), mid_a = 0.25 * k * (b->d12 + b->d11);
    const double pipe_r = 0.5 * b->d12, pipe_a = 0.5 * k * b->d12;
    Out o(w);
    o.style(1);
    return o.code(kBody).seg(P[13], P[2]) || o.run(P, {2, 3, 4, 5, 6}) ||
           o.code(kEnd3).earc({k * b->d15, 0}, 0.5 * k * b->d11, 0.5 * b->d11, 0, P[7], P[6]) ||
           o.code(kBody).run(P, {7, 8, 9, 10, 11}) || o.seg(P[11], P[14]) ||
           o.code(kEnd1).arc(P[0], 0.5 * b->d2, P[13], P[14]) ||
           // The pipe line's crossings with the run pipe and the run's outside coincide on a plain
           // run; the two pieces between them are written all the same.
           o.code(kBody).intended(Intended::zero_length, "pipe line between its two run crossings, which coincide").seg(P[1], P[13]) ||
           o.intended(Intended::zero_length, "pipe line between its two run crossings, which coincide").seg(P[12], P[14]) ||
           rim(o, P[2].x, pipe_a, pipe_r) || rim(o, P[3].x, mid_a, mid_r) || rim(o, P[4].x, mid_a, mid_r) ||
           rim(o, P[5].x, 0.5 * k * b->d11, 0.5 * b->d11) ||
           rim(o, P[2].x - 0.125 * k * b->d13, pipe_a, pipe_r) ||
           o.code(kEnd1).circle(P[0], 0.5 * b->d2) || o.circle(P[0], 0.5 * b->d2 - b->d7);
}

// Views 3 and 4: the run upright, the branch pointing at the viewer (3) or
// away (4, where the run hides it). The branch's rims are ellipses k as high as
// wide; of each the lower (near) half shows, cut where a larger rim covers it.
int ar400a_v3(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    run_corners(P, b, 1.0, 1, 8, 2, 7);
    Out o(w);
    o.style(1);
    if (view_of(w) == 4)
        return o.code(kBody).seg(P[1], P[2]) || o.code(kEnd2).seg(P[2], P[7]) ||
               o.code(kBody).seg(P[7], P[8]) || o.code(kEnd1).seg(P[8], P[1]);

    if (zahyoar1(32, 0, b) != 0) return 1;
    copy_pts(P, 11, 71, 14);
    const double x0y = P[11].y;  // where the branch's pipe line leaves the run
    auto rim = [&](double at, double a) { return ell({0, k * at}, a, k * a, 0); };
    const double mid_r = 0.25 * (b->d12 + b->d11);
    const tagRELL Ea = rim(b->d15 - b->d14, mid_r);
    const tagRELL Eb = rim(b->d15 - 0.6 * b->d14, 0.5 * b->d11);
    const tagRELL Ec = rim(b->d15 - 0.8 * b->d14, mid_r);
    const tagRELL Ed = rim(b->d15 - 0.875 * b->d13, 0.5 * b->d12);
    // Without a crossing the pipe and middle lines run to their profile corners,
    // and the rims Ec, Ed are drawn whole on their near side (from their left end).
    const tagRPT X2 = smaller_y(cross(line(P[11], P[13]), Ea, {P[13], P[13]}));
    const tagRPT X3 = smaller_y(cross(line(P[14], P[15]), Eb, {P[15], P[15]}));
    const tagRPT c_end = {Ec.x - Ec.a, Ec.y}, d_end = {Ed.x - Ed.a, Ed.y};
    const tagRPT X4 = smaller_x(cross(Eb, Ec, {c_end, c_end}));
    const tagRPT X5 = smaller_x(cross(Ea, Ed, {d_end, d_end}));
    P[25] = X2, P[26] = flip_x(X2);
    P[27] = X3, P[28] = flip_x(X3);
    P[29] = X4, P[30] = flip_x(X4);
    P[33] = X5, P[34] = flip_x(X5);

    return o.code(kBody).seg(P[2], P[1]) || o.code(kEnd2).seg(P[2], P[7]) ||
           o.code(kBody).seg(P[8], P[7]) || o.code(kEnd1).seg(P[8], P[1]) ||
           o.code(kBody).seg(P[16], P[17]) || o.seg(P[18], P[19]) ||
           o.seg(P[14], X3) || o.seg(P[21], P[28]) || o.seg(P[11], X2) || o.seg(P[24], P[26]) ||
           o.earc({0, x0y}, 0.5 * b->d12, std::sqrt(2.0) * 0.5 * b->d12, 0, P[11], P[24]) ||
           o.intended(Intended::free_ends, "branch pipe end's rim between the socket profile's pipe-end points")
               .earc({0, k * (b->d15 - b->d13)}, 0.5 * b->d12, k * 0.5 * b->d12, 0, P[12], P[23]) ||
           o.earc(Ea, P[14], P[21]) || o.earc(Ec, X4, P[30]) || o.earc(Eb, P[16], P[19]) ||
           o.earc(Ed, X5, P[34]) || o.intended(Intended::repeated, "middle step's rim Ea, listed twice").earc(Ea, P[14], P[21]) ||
           o.code(kEnd3).ellipse(rim(b->d15, 0.5 * b->d11 - b->d18)) ||
           o.ellipse(rim(b->d15, 0.5 * b->d11));
}

namespace {

// The branch socket turned into the axonometric views 6/7 (mode 33) and 10/11
// (mode 34): Zn is the profile point n; the rims are the sections at the pipe
// entry (ep0), the pipe end (ep1), the two ends of the middle step (em0, em1),
// the outer step (eo) and the end face (ee).
struct Turned {
    const tagRPT* Z;
    tagRELL ep0, ep1, em0, em1, eo, ee;
    // Size groups: for branch 50 and 125 the pipe lines run straight into the
    // middle step's rim, for 100 and 125 the middle lines into the outer rim.
    bool pipe_cut, mid_cut;
};

Turned turned(const B* b, double tilt)
{
    const tagRPT* Z = data;
    const double rp = 0.5 * b->d12, rm = 0.25 * (b->d12 + b->d11), ro = 0.5 * b->d11;
    const int bs = b->branch_size;
    return {Z,
            section(Z[90], rp, tilt), section(Z[91], rp, tilt), section(Z[92], rm, tilt),
            section(Z[93], rm, tilt), section(Z[94], ro, tilt), section(Z[95], ro, tilt),
            bs == 50 || bs == 125, bs == 100 || bs == 125};
}

// Where the socket's lines run into the rim in front of them (P50 to P53): the
// lower crossing, on a tie the first; without one, the corner the line runs to.
void rim_cuts(tagRPT* P, const Turned& t)
{
    const tagRPT* Z = t.Z;
    auto cut = [](tagRPT a, tagRPT b, const tagRELL& e, tagRPT left) {
        return smaller_y(cross(line(a, b), e, {left, left}), Tie::first);
    };
    if (t.mid_cut) {
        P[50] = cut(Z[72], Z[73], t.eo, Z[73]);
        P[51] = cut(Z[79], Z[78], t.eo, Z[78]);
    } else {
        P[50] = cut(Z[74], Z[73], t.eo, Z[74]);
        P[51] = cut(Z[77], Z[78], t.eo, Z[77]);
    }
    if (t.pipe_cut) {
        P[52] = cut(Z[70], Z[71], t.em0, Z[71]);
        P[53] = cut(Z[81], Z[80], t.em0, Z[80]);
    } else {
        P[52] = cut(Z[72], Z[71], t.em0, Z[72]);
        P[53] = cut(Z[79], Z[80], t.em0, Z[79]);
    }
}

// The socket's two silhouettes, each split at the rims its size group runs it
// into: pipe lines (from the starts 'up' and 'low'), middle lines, outer lines.
// 'free' declares the pipe lines' starts free (view 6 starts them at the run's surface height).
int socket_sides(Out& o, const tagRPT* P, const Turned& t, tagRPT up, tagRPT low, const char* free = nullptr)
{
    const tagRPT* Z = t.Z;
    auto from = [&](tagRPT a, tagRPT z) { return o.intended(Intended::free_ends, free).seg(a, z); };
    return (t.pipe_cut ? from(up, P[52]) : from(up, Z[71]) || o.seg(Z[71], P[52])) ||
           (t.pipe_cut ? from(low, P[53]) : from(low, Z[80]) || o.seg(Z[80], P[53])) ||
           (t.mid_cut ? o.seg(Z[72], P[50]) : o.seg(Z[72], Z[73]) || o.seg(Z[73], P[50])) ||
           (t.mid_cut ? o.seg(Z[79], P[51]) : o.seg(Z[79], Z[78]) || o.seg(Z[78], P[51])) ||
           o.seg(Z[74], Z[75]) || o.seg(Z[76], Z[77]);
}

// The three rims inside the socket (middle step end, pipe end, pipe entry),
// drawn thin, each from 'first' to its point on the other side; view 7 and 10
// pass their own ends.
// Where a size group runs a socket line straight past a rim's end point, that rim's ends are free.
int inner_rims(Out& o, const Turned& t, tagRPT m1a, tagRPT m1b, tagRPT p1a, tagRPT p1b, tagRPT p0a, tagRPT p0b)
{
    constexpr const char* why = "rim inside the socket, between the profile's points on its two sides";
    return o.style(2).intended(Intended::free_ends, why).earc(t.em1, m1a, m1b) ||
           o.intended(Intended::free_ends, why).earc(t.ep1, p1a, p1b) ||
           o.intended(Intended::free_ends, why).earc(t.ep0, p0a, p0b);
}

// Highest point where the run's right line P2-P5 meets one of the socket's
// upper silhouette segments as view 6 draws them; 'none' when it meets none.
tagRPT upper_cut(const tagRPT* P, const Turned& t, tagRPT from, tagRPT none)
{
    const tagRPT* Z = t.Z;
    const tagRSEG run = line(P[2], P[5]);
    const tagRPT pieces[][2] = {{Z[74], Z[75]},
                                {t.mid_cut ? Z[72] : Z[73], P[50]},
                                {Z[72], Z[73]},
                                {t.pipe_cut ? from : Z[71], P[52]},
                                {from, Z[71]}};
    for (const auto& s : pieces) {
        const tagRSEG side = line(s[0], s[1]);
        tagRPT p = none;
        int res = 1;
        if (GCG164(&run, &side, &p, &res) == 0 && res != 1) return p;
    }
    return none;
}

// The part of the segment a-b right of the run line (x of 'run'): whole,
// from where it crosses the line, or nothing.
int right_of(Out& o, const tagRSEG& run, tagRPT a, tagRPT b)
{
    const bool ra = a.x > run.x1, rb = b.x > run.x1;
    if (!ra && !rb) return 0;
    if (ra && rb) return o.seg(a, b);
    const tagRPT c = cross(run, line(a, b), ra ? b : a);
    return ra ? o.seg(a, c) : o.seg(c, b);
}

// View 7 hides the socket's upper silhouette behind the run. Where a large run
// leaves a rim clear, the rim runs round to its upper point and the stretch of
// silhouette up to that point shows too, as far as it lies right of the run
// line: drawn after the list, solid. clear[i] tells which rims are clear, in
// the order pipe end, middle step start, middle step end, outer step, end face.
int upper_clear_of_run(Out& o, const tagRPT* P, const Turned& t, const tagRSEG& run, const bool (&clear)[5])
{
    const tagRPT* Z = t.Z;
    auto piece = [&](bool show, tagRPT a, tagRPT b) { return show && right_of(o, run, a, b); };
    o.style(0);
    // The ramps run up to the rims' upper points, where those rims now end.
    return (t.pipe_cut ? piece(clear[1], P[3], P[52])
                       : piece(clear[0], P[3], Z[71]) || piece(clear[1], Z[71], Z[72])) ||
           (t.mid_cut ? piece(clear[3], Z[72], P[50])
                      : piece(clear[2], Z[72], Z[73]) || piece(clear[3], Z[73], Z[74])) ||
           piece(clear[4], Z[74], Z[75]);
}

}  // namespace

// Views 6 and 7: axonometric, the run upright at full length and the branch
// turned 54.7 degrees and foreshortened; view 6 looks into the branch end (the
// branch in front of the run), view 7 at its back (the run in front).
int ar400a_v6(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(33, 0, b) != 0) return 1;
    const Turned t = turned(b, kTilt6);
    const tagRPT* Z = t.Z;
    run_corners(P, b, 1.0, 0, 5, 1, 2);
    const tagRSEG run = line(P[2], P[5]);
    P[4] = cross(run, line(Z[80], Z[81]), P[5]);
    rim_cuts(P, t);

    Out o(w);
    if (view_of(w) == 6) {
        // The run line hides behind the branch from the end rim down. A large run
        // can stand clear of the rim: then it hides from where it passes behind
        // the socket's upper side, and where it passes behind nothing it runs on
        // unbroken to P4.
        tagRPT e[2];
        const bool meets_rim = GCG110(&run, &t.ee, e) == 0;
        if (meets_rim) P[3] = larger_y({e[0], e[1]}, Tie::first);
        const double h = 0.5 * b->d2 + 0.5 * 1.414213562 * b->d12;
        const double h2 = 0.5 * b->d2 - 0.5 * 1.414213562 * b->d12;
        P[10] = cross(line({0, h}, {10, h}), line(Z[70], Z[71]), Z[70]);
        P[23] = cross(line({0, h2}, {10, h2}), line(Z[80], Z[81]), Z[81]);
        if (!meets_rim) P[3] = upper_cut(P, t, P[10], P[4]);
        return o.code(kEnd2).seg(P[1], P[2]) || o.code(kEnd1).seg(P[0], P[5]) ||
               o.code(kBody).seg(P[0], P[1]) || o.seg(P[2], P[3]) || o.seg(P[4], P[5]) ||
               socket_sides(o, P, t, P[10], P[23], "branch pipe line from the run's surface height, behind the socket") ||
               o.code(kEnd3).ellipse(t.ee) ||
               o.code(kBody).earc(t.eo, Z[74], Z[77]) || o.earc(t.em0, Z[72], Z[79]) ||
               inner_rims(o, t, Z[73], Z[78], Z[71], Z[80], Z[70], Z[81]) ||
               o.code(kEnd3).ellipse(section(Z[95], 0.5 * b->d11 - b->d18, kTilt6));
    }

    // View 7: each rim shows from its lower side round to where the run covers
    // it; a rim clear of the run line shows round to its upper side, where the
    // upper silhouette drawn last meets it.
    P[3] = cross(run, line(Z[70], Z[71]), P[3]);
    bool clear[5] = {};  // of the rims Ep1, Em0, Em1, Eo, Ee
    auto behind = [&](const tagRELL& e, tagRPT upper, bool* is_clear) {
        tagRPT x[2] = {upper, upper};
        const bool meets = GCG110(&run, &e, x) == 0;
        if (is_clear) *is_clear = !meets;
        return larger_y({x[0], x[1]}, Tie::first);
    };
    P[49] = behind(t.ep0, Z[70], nullptr);
    P[41] = behind(t.ep1, Z[71], &clear[0]);
    P[43] = behind(t.em0, Z[72], &clear[1]);
    P[45] = behind(t.em1, Z[73], &clear[2]);
    P[47] = behind(t.eo, Z[74], &clear[3]);
    P[16] = behind(t.ee, Z[75], &clear[4]);
    return o.code(kEnd2).seg(P[1], P[2]) || o.code(kEnd1).seg(P[0], P[5]) ||
           o.code(kBody).seg(P[0], P[1]) || o.seg(P[2], P[5]) || o.seg(Z[76], Z[77]) ||
           (!t.mid_cut && o.seg(Z[78], P[51])) || o.seg(Z[78], Z[79]) ||
           (!t.pipe_cut && o.seg(Z[80], P[53])) || o.seg(Z[80], P[4]) ||
           o.code(kEnd3).earc(t.ee, Z[76], P[16]) ||
           o.code(kBody).earc(t.eo, P[51], P[47]) || o.earc(t.em0, P[53], P[43]) ||
           inner_rims(o, t, Z[78], P[45], Z[80], P[41], Z[81], P[49]) ||
           upper_clear_of_run(o, P, t, run, clear);
}

// Views 10 and 11: axonometric, the run leaning toward the viewer (its ends
// ellipses, k as high as wide) and the branch turned 35.3 degrees; view 10
// sees end 1's face and the branch's back, view 11 end 2's face and the branch end.
int ar400a_v10(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(34, 0, b) != 0) return 1;
    const Turned t = turned(b, kTilt10);
    const tagRPT* Z = t.Z;
    run_corners(P, b, k, 0, 5, 1, 2);
    const tagRSEG run = line(P[2], P[5]);
    P[3] = cross(run, line(Z[70], Z[71]), P[2]);
    P[4] = cross(run, line(Z[80], Z[81]), P[5]);
    rim_cuts(P, t);
    const double r2 = 0.5 * b->d2, bore = 0.5 * b->d2 - b->d7;
    const tagRELL er1 = run_rim(-k * b->d10, r2), er2 = run_rim(k * b->d5, r2);

    Out o(w);
    if (o.code(kBody).seg(P[0], P[1]) || o.seg(P[2], P[3]) || o.seg(P[4], P[5])) return 1;
    if (view_of(w) == 10)
        return o.seg(P[3], Z[71]) || (!t.pipe_cut && o.seg(Z[71], P[52])) || o.seg(Z[72], Z[73]) ||
               (!t.mid_cut && o.seg(Z[73], P[50])) || o.seg(Z[74], Z[75]) || o.seg(Z[76], Z[77]) ||
               (!t.mid_cut && o.seg(Z[78], P[51])) || o.seg(Z[78], Z[79]) ||
               (!t.pipe_cut && o.seg(Z[80], P[53])) || o.seg(Z[80], P[4]) ||
               o.code(kEnd1).ellipse(er1) || o.code(kEnd2).earc(er2, P[2], P[1]) ||
               o.code(kEnd3).earc(t.ee, Z[76], Z[75]) ||
               o.code(kBody).earc(t.eo, P[51], P[50]) || o.earc(t.em0, P[53], P[52]) ||
               inner_rims(o, t, Z[78], Z[73], Z[80], Z[71], Z[81], Z[70]) ||
               o.code(kEnd1).ellipse(run_rim(-k * b->d10, bore));
    return socket_sides(o, P, t, P[3], P[4]) ||
           o.code(kEnd1).earc(er1, P[0], P[5]) || o.code(kEnd2).ellipse(er2) ||
           o.code(kEnd3).ellipse(t.ee) ||
           o.code(kBody).earc(t.eo, Z[74], Z[77]) || o.earc(t.em0, Z[72], Z[79]) ||
           inner_rims(o, t, Z[73], Z[78], Z[71], Z[80], Z[70], Z[81]) ||
           o.code(kEnd2).ellipse(run_rim(k * b->d5, bore)) ||
           o.code(kEnd3).ellipse(section(Z[95], 0.5 * b->d11 - b->d18, kTilt10));
}

namespace {

// The cut line of views 12 and 13 by size pair: the side of the branch socket
// (as the points P11 to P15 run) that the run's end-2 rim crosses.
int cut_from(const B* b)
{
    const int m = b->main_size, s = b->branch_size;
    if (m == 150 && s == 125) return 14;
    if ((m == 150 && s == 100) || (m == 200 && s == 125)) return 13;
    if ((m == 150 && (s == 65 || s == 80)) || (m == 200 && s == 100)) return 12;
    return 11;
}

}  // namespace

// Views 12 and 13: the branch upright in the drawing at full length, the run
// leaning 45 degrees toward (12: end 1 near) or away from (13: end 2 near) the
// viewer. In view 12 the branch hides the top of the end-2 rim; in view 13 the
// end-2 face hides the foot of the branch.
int ar400a_v12(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    run_corners(P, b, k, 0, 1, 2, 3);
    if (zahyoar1(32, 0, b) != 0) return 1;
    const double x0y = data[71].y;  // where the branch's pipe line leaves the run
    for (int n = 4; n <= 17; ++n) P[n] = {P[n + 67].x, P[n + 67].y * kRoot2};
    P[18] = {-0.4 * b->d12, kRoot2 * k * (b->d15 - b->d14)};
    P[19] = {0.4 * b->d12, P[18].y};
    const double r2 = 0.5 * b->d2;
    const tagRELL er1 = run_rim(-k * b->d10, r2), er2 = run_rim(k * b->d5, r2);
    const int c = cut_from(b);
    P[21] = larger_y(cross(line(P[c], P[c + 1]), er2, {P[c], P[c]}));
    P[20] = flip_x(P[21]);

    Out o(w);
    o.style(1);
    if (view_of(w) == 12) {
        if (o.code(kBody).seg(P[0], P[2]) || o.seg(P[1], P[3]) || o.seg(P[5], P[16]) ||
            o.intended(Intended::free_ends, kSocketBottomLine).seg(P[18], P[19]) || o.seg(P[9], P[12]))
            return 1;
        for (int n = 4; n <= 16; ++n)
            if (o.code(n == 10 ? kEnd3 : kBody).seg(P[n], P[n + 1])) return 1;
        return o.code(kEnd1).ellipse(er1) || o.ellipse(run_rim(-k * b->d10, r2 - b->d7)) ||
               o.code(kEnd2).earc(er2, P[3], P[21]) || o.earc(er2, P[20], P[2]) ||
               o.code(kBody).earc({0, kRoot2 * x0y}, 0.5 * b->d12, k * 0.5 * b->d12, 0, P[4], P[17]);
    }

    // View 13. Where the end-2 rim crosses the socket's end face (200/40) or its
    // outer step (the groups cut at P12 and P13), the line shows only outside the
    // rim, from P4 and P5 outward; a line clear of the rim shows whole, split at its middle.
    const bool face_cut = b->main_size == 200 && b->branch_size == 40;
    if (face_cut || c == 12 || c == 13) {
        const tagRPT a = face_cut ? P[10] : P[9], e = face_cut ? P[11] : P[12];
        const Two x = cross(line(a, e), er2, {mid(a, e), mid(a, e)});
        P[4] = smaller_x(x);
        P[5] = larger_x(x);
    }
    auto run_ends = [&] {
        return o.code(kEnd2).ellipse(er2) || o.ellipse(run_rim(k * b->d5, r2 - b->d1)) ||
               o.code(kEnd1).earc(er1, P[0], P[1]);
    };
    if (o.code(kBody).seg(P[0], P[2]) || o.seg(P[1], P[3])) return 1;
    switch (c) {
    case 11:
        if (face_cut)
            return o.seg(P[20], P[10]) || o.seg(P[21], P[11]) || run_ends() ||
                   o.code(kEnd3).seg(P[4], P[10]) || o.seg(P[5], P[11]);
        return o.code(kEnd3).seg(P[10], P[11]) || o.code(kBody).seg(P[20], P[10]) ||
               o.seg(P[21], P[11]) || run_ends();
    case 12:
        return o.seg(P[9], P[10]) || o.code(kEnd3).seg(P[10], P[11]) || o.code(kBody).seg(P[11], P[12]) ||
               o.seg(P[20], P[9]) || o.seg(P[21], P[12]) || o.code(kEnd3).seg(P[4], P[9]) ||
               o.seg(P[5], P[12]) || run_ends();
    case 13:
        return o.run(P, {8, 9, 10}) || o.code(kEnd3).seg(P[10], P[11]) ||
               o.code(kBody).run(P, {11, 12, 13}) || o.seg(P[20], P[8]) || o.seg(P[21], P[13]) ||
               o.code(kEnd3).seg(P[4], P[9]) || o.seg(P[5], P[12]) || run_ends();
    default:
        return o.seg(P[9], P[12]) || o.run(P, {7, 8, 9, 10}) || o.code(kEnd3).seg(P[10], P[11]) ||
               o.code(kBody).run(P, {11, 12, 13, 14}) || o.seg(P[20], P[7]) || o.seg(P[21], P[14]) ||
               run_ends();
    }
}
