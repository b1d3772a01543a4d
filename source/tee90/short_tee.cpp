#include "short_tee.h"

#include <cmath>


using namespace tee;

namespace short_tee {

namespace {
constexpr int kStyleSeam = 2;  // the socket steps, the joint's outline, the bore
}  // namespace

int run_points(tagRPT* P, const B* b, double fy)
{
    if (zahyoar1(10, 0, b)) return 1;
    P[1] = {P[71].x, P[0].y};
    copy_pts(P, 2, 71, 12);
    P[27] = P[83];
    P[28] = P[84];
    for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27, 28}) P[i].y *= fy;
    return 0;
}

int branch_points(tagRPT* P, const B* b, const Socket& s, int mode)
{
    if (zahyoar1(mode, 0, b)) return 1;
    P[14] = {P[13].x, P[71].y};
    P[s.jb] = {P[13].x, P[82].y};
    copy_pts(P, 15, s.src, s.n);
    P[29] = P[83];
    P[30] = P[84];
    P[40] = P[85];
    return 0;
}

void lower_arc(tagRPT* P, const B* b)
{
    P[32] = larger_x(cross(circ(P[26], b->d12 * 0.5), circ(P[31], b->d12 * 0.5)));
}

bool profiles_cross(tagRPT* P)
{
    const tagRSEG side = line(P[13], P[14]), step = line(P[15], P[16]);
    tagRPT x = P[31];
    int flag = 1;
    if (GCG164(&side, &step, &x, &flag) != 0 || flag == 1) return false;
    P[31] = x;
    P[32] = flip_y(x);
    return true;
}

namespace {

// A socket rim about the receding branch axis through profile point p.
tagRELL rim(tagRPT p) { return slant_rim(p.x, p.y, k); }

// The height of the upper side of the branch seen mouth forward (view 6) at
// x: the pipe line up to the middle step's rim, that rim's near half, the
// middle step, the outer step's rim, the outer step. P44 and P46 are where
// the straight pieces meet the rims.
double top_at(const tagRPT* P, const Socket& s, double x)
{
    const tagRSEG up = line({x, 0}, {x, 1});
    if (x <= P[46].x) return P[15].y;
    if (x <= P[s.mid].x) return larger_y(cross(up, rim(P[s.mid]))).y;
    if (x <= P[44].x) return P[s.mid].y;
    if (x <= P[s.outer].x) return larger_y(cross(up, rim(P[s.outer]))).y;
    return P[s.outer].y;
}

// View 6: the branch comes forward with its mouth towards the viewer and hides
// the run's right side where it passes in front of it. The branch pipe leaves
// the run where its upper and lower sides meet the run's surface, at 0.707 of
// the run radius; the visible half of the joint between the two pipes bulges
// back towards the run axis, out to where the joint's nearest point lies
// (an ellipse through the two junctions). The socket is drawn as the small
// tee draws its socket in this view: silhouette pieces ending on the near
// halves of the step rims, the mouth as two whole ellipses.
int front(Out& o, tagRPT* P, const B* b, const Socket& s)
{
    const double R = P[13].x, r = b->d12 * 0.5;
    const tagRPT J = {k * R, r}, Jb = {k * R, -r};
    P[46] = smaller_x(cross(line(J, P[15]), rim(P[s.mid])));
    P[44] = smaller_x(cross(line(P[s.mid], P[s.mid + 1]), rim(P[s.outer])));
    P[45] = flip_y(P[44]);
    P[47] = flip_y(P[46]);
    // The arc under the branch ends where the pipe's lower side leaves the run.
    if (s.arc_below) P[32] = larger_x(cross(circ(P[26], r), circ(Jb, r)));
    // The run's right side stops where the branch's outline crosses it.
    P[41] = {R, top_at(P, s, R)};
    P[42] = {R, -P[41].y};
    if (s.arc_below && R <= P[26].x)
        P[42] = larger_y(cross(line({R, 0}, {R, 1}), ell(P[32], r, r, 0)));
    const double open = k * (R - std::sqrt(R * R - r * r) + r);
    const int m = s.mirror(s.face);
    return o.seg(P[13], P[41]) || o.seg(P[42], prime(P[1])) ||
           o.code(kEnd1).seg(prime(P[1]), P[1]) ||
           o.code(kBody).seg(J, P[46]) || o.seg(P[s.mid], P[44]) || o.seg(P[s.outer], P[s.face]) ||
           o.code(kEnd3).ellipse(rim(P[s.face])) || o.ellipse(rim({P[s.face].x, P[40].y})) ||
           o.code(kBody).seg(P[m], P[s.mirror(s.outer)]) || o.seg(P[45], P[s.mirror(s.mid)]) ||
           (s.arc_below ? o.seg(P[47], P[26]) || o.arc(P[32], r, P[26], Jb) : o.seg(P[47], Jb)) ||
           o.earc(rim(P[s.outer]), P[s.outer], P[s.mirror(s.outer)]) ||
           o.earc(rim(P[s.mid]), P[s.mid], P[s.mirror(s.mid)]) ||
           // The pipe end's rim, where it stands on the pipe line (the long
           // spigot's foreshortened step can lie past the middle step's rim).
           (P[15].x <= P[46].x && o.earc(rim(P[15]), P[15], P[s.mirror(15)])) ||
           o.earc({J.x, 0}, open, r, 0, J, Jb);
}

// Segment a-b where it lies right of x = R (behind the run pipe it is hidden).
int seg_right_of(Out& o, double R, tagRPT a, tagRPT b)
{
    if (a.x >= R && b.x >= R) return o.seg(a, b);
    if (a.x <= R && b.x <= R) return 0;
    const tagRPT c = a + ((R - a.x) / (b.x - a.x)) * (b - a);
    return a.x > R ? o.seg(a, c) : o.seg(c, b);
}

// The far half of a rim (right of its centre, from its foot up to its top)
// where it lies right of x = R.
int rim_right_of(Out& o, double R, const tagRELL& e)
{
    const tagRPT foot = {e.x, e.y - e.b}, top = {e.x, e.y + e.b};
    if (e.x >= R) return o.earc(e, foot, top);
    if (e.x + e.a <= R) return 0;
    const Two c = cross(line({R, e.y - e.b}, {R, e.y + e.b}), e);
    return o.earc(e, smaller_y(c), larger_y(c));
}

// View 7: the branch recedes behind the run, which hides whatever of it lies
// within the run pipe's width (the run socket stands clear above it); the
// socket shows the far halves of its rims and of its end face, as the small
// tee's does in this view.
int behind(Out& o, tagRPT* P, const B* b, const Socket& s)
{
    const double R = P[13].x;
    if (o.seg(P[13], prime(P[1])) || o.code(kEnd1).seg(prime(P[1]), P[1])) return 1;
    o.code(kBody);
    for (int i = 14; i < s.last(); ++i) {
        if (i == s.face) {
            if (rim_right_of(o.code(kEnd3), R, rim(P[i]))) return 1;
            o.code(kBody);
        } else if (seg_right_of(o, R, P[i], P[i + 1])) {
            return 1;
        }
    }
    // The arc under the branch shows only when it starts clear of the run.
    const int close = s.arc_below ? (P[26].x > R ? o.arc(P[32], b->d12 * 0.5, P[26], P[31]) : 0)
                                  : seg_right_of(o, R, P[s.last()], P[s.jb]);
    if (close) return 1;
    for (int i = 15; i <= s.outer; ++i)
        if (rim_right_of(o, R, rim(P[i]))) return 1;
    return 0;
}

}  // namespace

int v6(BZI_WRT_PRM* w, const B* b, const Socket& s)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    if (run_points(P, b, 1.0) || branch_points(P, b, s, s.slant_mode)) return 1;
    // The long spigot's foreshortened profile leaves its pipe line at full
    // length, which would put the pipe end's step beyond the middle step; the
    // whole branch recedes here, so the step's rim stands where it is on the
    // fitting, foreshortened like the rest.
    if (s.long_pipe) P[15].x = P[s.mirror(15)].x = k * (b->d19 - 0.875 * b->d13);
    // The branch pipe's upper side where it meets the run's right side.
    P[14] = cross(line(P[13], prime(P[1])), line({0, P[15].y}, P[15]));
    P[31] = {P[13].x, -b->d12 * 0.5};
    if (s.arc_below) lower_arc(P, b);
    Out o(w);
    if (profile_run(o, P, 1, 13, 7, kEnd2) ||
        mark(o, P[27], P[28]) || o.seg(P[2], P[13]) ||
        o.seg(P[6], P[9]))
        return 1;
    return view_no(w) == 6 ? front(o, P, b, s) : behind(o, P, b, s);
}

// Views 10 and 11: the tee turned about the branch axis so the run recedes at
// 45 degrees: lengths along the run shrink to 0.707 and its sections show as
// ellipses 0.707 as high as wide; the branch keeps its view-1 outline. View 10
// has end 1 towards the viewer: its rim whole and its bore, of the run
// socket's mouth only the far half that stands clear of the run, and the
// socket's steps by their upper halves. View 11 turns the run over: the
// socket's mouth whole with its bore, end 1 by its near half, the steps by
// their lower halves. The joint with the branch is the view-1 opening.
int v10(BZI_WRT_PRM* w, const B* b, const Socket& s)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10 * k};
    if (run_points(P, b, k) || branch_points(P, b, s, s.flat_mode)) return 1;
    if (s.arc_below) lower_arc(P, b);
    const bool v10 = view_no(w) == 10, cut = !s.arc_below && profiles_cross(P);
    const double r = b->d12 * 0.5;
    auto sec = [](tagRPT p, double rho) { return ell({0, p.y}, rho, rho * k, 0); };
    const tagRELL end1 = sec(P[1], -P[1].x), end2 = sec(P[7], -P[7].x);
    const tagRPT top = cut ? P[31] : P[14], bottom = cut ? P[32] : P[s.jb];

    Out o(w);
    o.code(kBody);
    if (profile_run(o, P, 1, 7, 0, kBody) || profile_run(o, P, 8, 13, 0, kBody)) return 1;
    const int branch = cut ? o.seg(P[13], P[31]) || o.seg(P[31], P[16]) ||
                                 profile_run(o, P, 16, 23, s.face, kEnd3) || o.seg(P[23], P[32])
                           : o.seg(P[13], P[14]) || profile_run(o, P, 14, s.last(), s.face, kEnd3) ||
                                 (s.arc_below ? o.arc(P[32], r, P[26], P[31]) : o.seg(P[s.last()], P[s.jb]));
    if (branch || o.seg(bottom, prime(P[1])) ||
        (v10 ? o.code(kEnd2).earc(end2, prime(P[7]), P[7]) || o.code(kEnd1).ellipse(end1)
             : o.code(kEnd2).ellipse(end2) || o.code(kEnd1).earc(end1, P[1], prime(P[1]))))
        return 1;
    o.code(kBody).style(kStyleSeam);
    const tagRELL step1 = sec(P[2], -P[2].x), step2 = sec(P[6], -P[6].x);
    const int steps = v10 ? o.earc(step1, P[13], P[2]) || o.earc(step2, P[9], P[6])
                          : o.earc(step1, P[2], P[13]) || o.earc(step2, P[6], P[9]);
    return steps || o.earc({top.x, 0}, s.open_a * top.y, top.y, 0, top, bottom) ||
           (v10 ? o.code(kEnd1).ellipse(sec(P[1], -P[1].x - b->d7))
                : o.code(kEnd2).ellipse(sec(P[7], -P[7].x - b->d8))) ||
           o.code(kBody).seg(P[s.outer], P[s.mirror(s.outer)]) ||
           mark(o, P[29], P[30]) ||
           (s.arc_below && o.seg(P[15], P[26]));
}

}  // namespace short_tee
