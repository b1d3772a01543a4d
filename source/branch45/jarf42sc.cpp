// 45-degree branch whose run ends in a flange; large branches take the
// socket block of the large-branch outlines.
#include <algorithm>
#include <cmath>

#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "small45.h"

namespace {

using B = ARF_SIZE2;

constexpr Row2Of<B, 1, 2, 3, 4, 6, 7, 8, 11, 12, 13, 14, 15, 18, 19> r;
constinit Table2<B, 5, 19> table = table2<5, 19>(
    r(80, 50, 180, 89.1f, 14, 230, 360, 2.8f, 0, 79.5f, 60.5f, 80, 60, 210, 3.8f, 150),
    r(80, 65, 180, 89.1f, 14, 240, 370, 2.8f, 0, 100, 76.3f, 105, 75, 245, 4.2f, 170),
    r(80, 80, 180, 89.1f, 14, 250, 380, 2.8f, 0, 114, 89.1f, 105, 75, 255, 4.2f, 180),
    r(100, 50, 200, 114.3f, 16, 240, 370, 3.5f, 0, 79.5f, 60.5f, 80, 60, 215, 3.8f, 155),
    r(100, 65, 200, 114.3f, 16, 250, 380, 3.5f, 0, 100, 76.3f, 105, 75, 265, 4.2f, 190),
    r(100, 80, 200, 114.3f, 16, 260, 390, 3.5f, 0, 114, 89.1f, 105, 75, 265, 4.2f, 190),
    r(100, 100, 200, 114.3f, 16, 280, 410, 3.5f, 0, 114, 89.1f, 105, 75, 285, 4.5f, 210),
    r(125, 65, 235, 139.8f, 16, 270, 420, 3.5f, 0, 100, 76.3f, 105, 75, 285, 4.2f, 210),
    r(125, 80, 235, 139.8f, 16, 280, 430, 3.5f, 0, 114, 89.1f, 105, 75, 290, 4.2f, 215),
    r(125, 100, 235, 139.8f, 16, 300, 450, 3.5f, 0, 138.3f, 114.3f, 105, 75, 300, 4.5f, 225),
    r(125, 125, 235, 139.8f, 16, 320, 470, 3.5f, 0, 164.8f, 139.8f, 115, 85, 325, 4.5f, 240),
    r(150, 80, 265, 165.2f, 18, 300, 475, 3.7f, 0, 114, 89.1f, 105, 75, 310, 4.2f, 235),
    r(150, 100, 265, 165.2f, 18, 310, 500, 3.7f, 0, 138.3f, 114.3f, 105, 75, 320, 4.5f, 245),
    r(150, 125, 265, 165.2f, 18, 330, 535, 3.7f, 0, 164.8f, 139.8f, 115, 85, 345, 4.5f, 260),
    r(150, 150, 265, 165.2f, 18, 350, 570, 3.7f, 330, 165.2f, 0, 0, 0, 330, 0, 0),
    r(200, 100, 320, 216.3f, 20, 340, 480, 4.5f, 0, 138.3f, 114.3f, 105, 75, 360, 4.5f, 285),
    r(200, 125, 320, 216.3f, 20, 360, 540, 4.5f, 0, 164.8f, 139.8f, 115, 85, 380, 4.5f, 295),
    r(200, 150, 320, 216.3f, 20, 380, 575, 4.5f, 370, 165.2f, 0, 0, 0, 370, 0, 0),
    r(200, 200, 320, 216.3f, 20, 420, 650, 4.5f, 400, 216.3f, 0, 0, 0, 400, 0, 0));

constexpr int kSample1 = 65, kSample2 = 50;

// ---------------------------------------------------------------------------
// Outlines. The run stands on the y axis as in the other 45-degree branches,
// end 1 at y = -d10, but it carries no socket: a plain pipe d2 (wall d7) up
// to a flange of diameter d1 and thickness 2 d3 centred at y = d4, whose face
// at d4 + d3 is end 2. The branch leaves the origin on the 45-degree
// diagonal: up to 125 a pipe d12 with the branch socket of zahyoar1 (end
// distance d15), above 125 a plain pipe a5 wide (wall a9, the ALF_SIZE block)
// with its end face at d8.

using namespace small45;

constexpr double kRoot2 = 1.414213562;  // the large branch's stored divisor, as in view 1

// The small branch's hidden socket lines, drawn as the 45-degree branch draws
// them: the pipe's end inside the socket, and the socket's inner rims in the
// turned views, whose ends lie where the side lines pass under a larger rim.
constexpr const char* kPipeEnd = "pipe's end inside the branch socket: its ends lie under the socket's steps";
constexpr const char* kInnerRims = "branch socket rim whose ends lie under a larger rim, not on the side lines";

// The run's measures: pipe and flange radii, the flange's foot, seam and face
// heights. The pipe's bore (wall d7) shows at both ends: the flange is bored
// to the pipe.
struct Run {
    double r, f, foot, seam, face, bore, end1;
};
Run run_of(const B* b)
{
    return {0.5 * b->d2, 0.5 * b->d1, b->d4 - b->d3, b->d4, b->d4 + b->d3, 0.5 * b->d2 - b->d7, -b->d10};
}

// The run side-on as view 1 draws it, without the branch opening: up the
// left pipe line, round the flange (its face end 2), down the right pipe line,
// end 1; then in line style 2 the flange's seam and its foot across the pipe,
// as jalfcof1 draws them. Where the branch stands in front, each line is
// written only where the branch's outline c leaves it uncovered.
constexpr int kRunCorners = 8;
void flange_corners(const Run& u, tagRPT (&p)[kRunCorners])
{
    const tagRPT q[kRunCorners] = {{-u.r, u.end1}, {-u.r, u.foot}, {-u.f, u.foot}, {-u.f, u.face},
                                   {u.f, u.face},  {u.f, u.foot},  {u.r, u.foot},  {u.r, u.end1}};
    for (int i = 0; i < kRunCorners; ++i) p[i] = q[i];
}
// Where only the right pipe line can pass under the branch, 'gap' gives the
// heights between which it does (upper, lower) and no cover is needed.
struct Gap {
    double hi, lo;
};
int side_run(Out& o, const B* b, const Cover* c, const Gap* gap = nullptr)
{
    const Run u = run_of(b);
    tagRPT p[kRunCorners];
    flange_corners(u, p);
    const Box cb = c ? box_of(*c) : Box{};
    auto seg = [&](tagRPT a, tagRPT z) { return c ? seg_beside(o, *c, cb, a, z) : o.seg(a, z); };
    o.style(0);
    for (int n = 0; n + 1 < kRunCorners; ++n) {
        o.code(n == 3 ? kEnd2 : kBody);
        if (n == 6 && gap ? o.seg(p[6], pt(u.r, gap->hi)) || o.seg(pt(u.r, gap->lo), p[7]) : seg(p[n], p[n + 1]))
            return 1;
    }
    o.code(kEnd1);
    if (seg(p[7], p[0])) return 1;
    o.style(2).code(kBody);
    return seg(pt(-u.f, u.seam), pt(u.f, u.seam)) || seg(p[1], p[6]);
}
// Whether a line of the run can pass under a front part lying within box f;
// where none can, the front part's outline need not be built.
bool run_meets(const B* b, const Box& f, bool but_right = false)
{
    const Run u = run_of(b);
    tagRPT p[kRunCorners];
    flange_corners(u, p);
    for (int n = 0; n < kRunCorners; ++n)
        if ((n != 6 || !but_right) && f.meets(box_of(p[n], p[(n + 1) % kRunCorners]))) return true;
    return f.meets(box_of(pt(-u.f, u.seam), pt(u.f, u.seam))) || f.meets(box_of(p[1], p[6]));
}

// The run's outline as the cover of a branch lying within box f going away
// behind it. Where the branch stays below the flange, the pipe alone covers
// it, and the trims need not look at what passes beside the pipe.
void run_cover(Cover& c, const B* b, const Box& f)
{
    const Run u = run_of(b);
    tagRPT p[kRunCorners];
    flange_corners(u, p);
    const bool pipe = f.y1 < u.foot;
    for (int i = 0; i < kRunCorners; ++i)
        if (!pipe || i < 2 || i > 5) c.add(p[i]);
}

// ---------------------------------------------------------------------------
// View 1.

// Large branch: the run with the opening from jalfcof1, the branch a plain
// pipe a5 wide from the opening to its end face at d8 along the diagonal.
int jarf42sc_v1b(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    if (jalfcof1(a->d5, b, w)) return 1;
    tagRPT* P = data;
    P[12] = {b->d8 / kRoot2, b->d8 / kRoot2};
    const double h = a->d5 * 0.5 / kRoot2;
    P[13] = {P[12].x - h, P[12].y + h};
    P[14] = {P[12].x + h, P[12].y - h};
    Out o(w, kCopyPen);
    return o.code(kBody).seg(P[9], P[13]) || o.code(kEnd3).seg(P[13], P[14]) || o.code(kBody).seg(P[14], P[0]);
}

// Small branch: the same run, its opening as wide as the branch pipe (d12),
// so that its ends P9 and P0 are the crotches where the branch pipe's lines
// meet the run; then the branch socket on the diagonal (zahyoar1 mode 30)
// from crotch to crotch, and in style 2, like the lines jalfcof1 draws across
// the flange, the lines across the branch socket at the pipe entry and the
// outer step, and the mark of the pipe's end inside its middle step.
int v1_small(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    if (jalfcof1(b->d12, b, w) || zahyoar1(30, 0, b)) return 1;
    const tagRPT* P = data;
    Out o(w, kCopyPen);
    if (o.code(kBody).seg(P[9], P[71])) return 1;
    for (int n = 71; n < 82; ++n)
        if (o.code(n == 76 ? kEnd3 : kBody).seg(P[n], P[n + 1])) return 1;
    return o.code(kBody).seg(P[82], P[0]) ||
           o.style(2).seg(P[71], P[82]) ||
           o.seg(P[75], P[78]) ||
           o.intended(Intended::free_ends, "pipe-end mark inside the branch socket's middle step").seg(P[83], P[84]);
}

// ---------------------------------------------------------------------------
// Views 2 and 5: looking along the run, from end 1 (view 2) or from end 2
// (view 5), as the 45-degree branch's views 2 and 5 do; the branch runs off
// along +x shortened by k, each of its rims an ellipse k as wide as high.

// The flange's bolt holes by run size (pitch circle diameter, number, hole
// diameter); the host draws them about the run's axis. These are the flange
// of the 90-degree tee with the same run, so the same marks.
struct Bolts {
    int16_t size;
    double pitch;
    int n;
    double hole;
};
constexpr Bolts kBolts[] = {
    {80, 150.0, 8, 19.0}, {100, 175.0, 8, 19.0}, {125, 210.0, 8, 23.0}, {150, 240.0, 8, 23.0}, {200, 290.0, 12, 23.0}};

// Where the branch's line at height h starts: on the circle of radius r
// about the run's axis, on the axis itself where it misses (a branch as wide
// as the run only touches the pipe).
tagRPT start_on(double h, double r)
{
    const tagRPT axis = {0, std::min(h, r)};  // on the circle though h exceeds r by a rounding
    return larger_x(cross(line(pt(0, h), pt(1, h)), circ(pt(0, 0), r), {axis, axis}));
}

// The run end-on, with the branch a band 2h wide along +x. From end 1 the
// pipe end stands in front, whole with its bore; the flange lies behind the
// branch too, so its rim shows from where the band's lines cross it round
// the side away from the branch. From end 2 the flange face stands in front
// of everything, whole with the bore. Then the flange's bolt holes, once.
int run_end_on(Out& o, BZI_WRT_PRM* w, const B* b, double h, bool from_end1)
{
    const Run u = run_of(b);
    const tagRPT top = start_on(h, u.f);
    o.code(kEnd2).style(0);
    if (from_end1 ? o.arc(pt(0, 0), u.f, top, flip_y(top)) || o.code(kEnd1).circle(pt(0, 0), u.r) ||
                        o.circle(pt(0, 0), u.bore)
                  : o.circle(pt(0, 0), u.f) || o.circle(pt(0, 0), u.bore))
        return 1;
    Bolts m{0, 0.0, 0, 0.0};  // a run without a row gets an empty mark
    for (const Bolts& q : kBolts)
        if (q.size == b->main_size) m = q;
    peke(0.0, 0.0, m.pitch, m.n, m.hole, w);
    return 0;
}

// The half of a branch rim towards the run, from s on its upper side round
// to flip_y(s), where the flange circle (radius f about the run's axis)
// standing in front leaves it uncovered. The rim is an ellipse on the x axis
// (rotation 0) right of the axis, so the circle meets its near half at most
// at one pair (x, ±y), found in closed form: x^2 + b^2 (1 - (x - cx)^2/a^2)
// = f^2 is a quadratic in x. A reason (nullptr for none) declares each
// piece's free ends.
int near_beside(Out& o, const tagRELL& e, tagRPT s, double f, const char* note = nullptr)
{
    const double a2 = e.a * e.a, b2 = e.b * e.b;
    const double A = 1.0 - b2 / a2, B = 2.0 * b2 * e.x / a2, C = b2 - b2 * e.x * e.x / a2 - f * f;
    const double disc = B * B - 4.0 * A * C;
    auto param = [&](tagRPT q) { return std::atan2((q.y - e.y) / e.b, (q.x - e.x) / e.a); };
    const double from = param(s), pi = std::acos(-1.0);
    tagRPT x = s;
    bool cut = false;
    for (double sign : {-1.0, 1.0}) {
        if (disc < 0 || A == 0) break;
        const double cx = (-B + sign * std::sqrt(disc)) / (2.0 * A), yy = f * f - cx * cx;
        if (cx > e.x || cx < e.x - e.a || yy <= 0) continue;
        const tagRPT q = {cx, std::sqrt(yy)};
        if (param(q) > from && param(q) < pi) x = q, cut = true;
    }
    const bool s_shows = s.x * s.x + s.y * s.y > f * f;
    o.intended(Intended::free_ends, note);
    if (!cut) return s_shows ? o.earc(e, s, flip_y(s)) : (o.intended(Intended::free_ends, nullptr), 0);
    if (!s_shows) return o.earc(e, x, flip_y(x));
    return o.earc(e, s, x) || o.intended(Intended::free_ends, note).earc(e, flip_y(x), flip_y(s));
}

// Small branch (zahyoar1 mode 31, P1..P12 := data[71..82]: P2 the pipe end,
// P3/P4 the middle step, P5/P6 the outer step, P6-P7 the end face).
int v2_small(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(31, 0, b)) return 1;
    copy_pts(P, 1, 71, 12);
    const Run u = run_of(b);
    const double pipe = 0.5 * b->d12, mid = 0.25 * (b->d12 + b->d11), outer = 0.5 * b->d11;
    const double mark = P[2].x - 0.125 * k * b->d13;  // the pipe's end inside the socket
    Out o(w);
    if (view_no(w) == 2) {
        // From end 1 the branch goes away: its pipe lines leave the pipe end's
        // circle, and of each rim the half away from the run shows (the back
        // of its end face among them).
        const tagRPT x1 = start_on(pipe, u.r);
        if (o.code(kBody).seg(x1, P[2]) || o.run(P, {2, 3, 4, 5, 6}) ||
            o.code(kEnd3).earc(slant_rim(P[6].x, outer, k), P[7], P[6]) ||
            o.code(kBody).run(P, {7, 8, 9, 10, 11}) || o.seg(P[11], flip_y(x1)))
            return 1;
        const double rims[][2] = {{P[2].x, pipe}, {P[3].x, mid}, {P[4].x, mid}, {P[5].x, outer}, {mark, pipe}};
        for (const auto& r : rims)
            if (o.earc(slant_rim(r[0], r[1], k), pt(r[0], -r[1]), pt(r[0], r[1]))) return 1;
        return run_end_on(o, w, b, pipe, true);
    }
    // From end 2 the branch comes towards the viewer below the flange: each
    // larger rim hides what lies behind it of the smaller ones and of the
    // side lines (as the 45-degree branch's view 5 draws it), the end face
    // shows whole with its bore, and the flange hides the rims' halves
    // towards the run where they pass under it.
    const tagRELL e2 = slant_rim(P[2].x, pipe, k), e3 = slant_rim(P[3].x, mid, k);
    const tagRELL e4 = slant_rim(P[4].x, mid, k), e5 = slant_rim(P[5].x, outer, k);
    const tagRPT x1 = start_on(pipe, u.f);
    const tagRPT x2 = smaller_x(cross(line(P[3], P[4]), e5, {P[4], P[4]}));
    const tagRPT x3 = larger_y(cross(e5, e4, {P[4], P[4]}));
    const tagRPT x4 = smaller_x(cross(line(P[1], P[2]), e3, {P[2], P[2]}));
    const tagRPT x5 = larger_y(cross(e2, e3, {P[2], P[2]}));
    const tagRPT end = {k * b->d15, 0};
    auto near = [&](const tagRELL& e, tagRPT s, const char* note = nullptr) {
        return near_beside(o, e, s, u.f, note);
    };
    return o.code(kBody).seg(x1, x4) || o.seg(P[3], x2) || o.seg(P[5], P[6]) ||
           o.code(kEnd3).ellipse(slant_rim(end.x, outer, k)) ||
           o.code(kBody).seg(P[7], P[8]) || o.seg(flip_y(x2), P[10]) || o.seg(flip_y(x4), flip_y(x1)) ||
           near(slant_rim(mark, pipe, k), pt(mark, pipe), kPipeEnd) || near(e2, x5) || near(e4, x3) ||
           near(e3, pt(P[3].x, mid)) || near(e5, pt(P[5].x, outer)) ||
           o.code(kEnd3).ellipse(slant_rim(end.x, outer - b->d18, k)) ||
           run_end_on(o, w, b, pipe, false);
}

// Large branch: a plain pipe a5 wide from the run to its end face at d8
// along the axis, drawn at d8/1.414213562 as in view 1. From end 1 its lines
// leave the pipe end's circle and its end face shows from behind (the half
// away from the run); from end 2 they leave the flange's rim and the end face
// shows whole with its bore (wall a9).
int v2_large(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    const Run u = run_of(b);
    const double r = 0.5 * a->d5, cx = b->d8 / kRoot2;
    const bool from_end1 = view_no(w) == 2;
    const tagRPT x = start_on(r, from_end1 ? u.r : u.f), p2 = {cx, r};
    const tagRELL face = slant_rim(cx, r, k);
    Out o(w);
    if (o.code(kBody).seg(x, p2) || o.seg(flip_y(x), flip_y(p2))) return 1;
    if (from_end1 ? o.code(kEnd3).earc(face, flip_y(p2), p2)
                  : o.code(kEnd3).ellipse(face) || o.ellipse(slant_rim(cx, r - a->d9, k)))
        return 1;
    return run_end_on(o, w, b, r, from_end1);
}

// ---------------------------------------------------------------------------
// Views 3 and 4: looking at the fitting from the branch's side, the branch
// coming towards the viewer over the run (view 3) or going away behind it
// (view 4), its axis along +y shortened by k. The run shows side-on as in
// view 1.

// The small branch's outline seen coming towards the viewer (after
// toward_cuts): from its root up its side lines, along the lower halves of
// the larger rims where the lines pass under them, over the upper half of
// the end face and back; the lower half of the root rim closes it. Its
// curves are the ones the branch draws, so a run line cut there ends on them.
void toward_cover(Cover& c, const View34& v, const tagRELL& joint)
{
    const tagRPT* P = data;
    c.add(P[11]);
    c.add(P[25]);
    c.add_short_arc(v.ea, P[14]);
    c.add(P[27]);
    c.add_short_arc(v.eb, P[16]);
    c.add(P[17]);
    c.add_arc(v.ee, P[18], P[17]);
    c.add(P[18]);
    c.add(P[19]);
    c.add_short_arc(v.eb, P[28]);
    c.add(P[21]);
    c.add_short_arc(v.ea, P[26]);
    c.add(P[24]);
    c.add_arc(joint, P[11], P[24]);
}

// Small branch (zahyoar1 mode 32, P11..P24 := data[71..84]). View 3: the
// run, cut where the branch covers it, then the branch as the 45-degree
// branch's view 3 draws it. View 4: the run whole; of the branch only what
// passes beside the run's pipe shows: its side lines and the far (upper)
// halves of its middle step, outer step and end face rims (the end face seen
// from behind).
int v3_small(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(32, 0, b)) return 1;
    copy_pts(P, 11, 71, 14);
    const View34 v = view34(b);
    toward_cuts(P, v);
    Cover c;
    Out o(w);
    if (view_no(w) == 3) {
        // The pipe meets the run along the curve joint3 draws; its side lines
        // start at the curve's ends.
        const tagRELL joint = joint3(0.5 * b->d2, 0.5 * b->d12);
        P[11].y = P[24].y = joint.y;
        // The branch's outline is built only where a run line can pass under it.
        Box f;
        for (const tagRELL& e : {v.ee, v.eb, v.ea, joint}) f.add(e);
        const bool cut = run_meets(b, f);
        if (cut) toward_cover(c, v, joint);
        if (side_run(o, b, cut ? &c : nullptr)) return 1;
        o.style(0);
        return toward_lines(o, v) || toward_rims(o, v, kPipeEnd, &joint) || toward_face(o, v);
    }
    Box f;
    for (const tagRELL& e : {v.ee, v.eb, v.ea}) f.add(e);
    run_cover(c, b, f);
    const Box cb = box_of(c);
    if (side_run(o, b, nullptr)) return 1;
    o.style(0).code(kBody);
    // The branch pipe is never wider than the run's: it stays hidden, and
    // only the socket's side lines from the middle step's taper on can show.
    for (int n = 13; n < 22; ++n)
        if (n != 17 && seg_beside(o, c, cb, P[n], P[n + 1])) return 1;
    if (earc_beside(o, c, cb, v.ea, P[21], P[14]) || earc_beside(o, c, cb, v.eb, P[19], P[16])) return 1;
    o.code(kEnd3);
    return earc_beside(o, c, cb, v.ee, P[18], P[17]);
}

// Large branch: the run; in view 3 the branch pipe coming towards the viewer
// as the large 45-degree branch's view 3 draws it (its side lines, which
// never overlap the run; a thin half rim at its foot, here the curve where it
// meets the run as joint3 draws it, the side lines starting at its ends; its
// end face with the bore). Going away behind the run in view 4 it is hidden:
// the run alone.
int v3_large(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    Out o(w);
    if (side_run(o, b, nullptr)) return 1;
    if (view_no(w) == 4) return 0;
    // A branch as wide as the run (equal sizes; a5 and d2 are stored apart,
    // so they never compare equal) has its side lines on the run's own, and
    // its joint ends on them.
    const bool equal = b->branch_size == b->main_size;
    const double r = 0.5 * a->d5, rj = equal ? 0.5 * b->d2 : r, top = b->d8 / kRoot2;
    const tagRELL joint = joint3(0.5 * b->d2, rj);
    const double foot = joint.y;
    o.style(0).code(kBody);
    if (!equal && (o.seg(-r, foot, -r, top) || o.seg(r, foot, r, top))) return 1;
    return o.style(2).earc(joint, pt(-rj, foot), pt(rj, foot)) ||
           o.style(0).code(kEnd3).ellipse(ell(pt(0, top), r, r / kRoot2, 0)) ||
           o.ellipse(ell(pt(0, top), r - a->d9, (r - a->d9) / kRoot2, 0));
}

// ---------------------------------------------------------------------------
// Views 6 and 7: the run upright as in view 1, the branch turned
// axonometrically as the 45-degree branch's views 6 and 7 turn it (axis at
// 54.73561032 degrees, lengths times sqrt 0.75). View 6 sees it come towards
// the viewer over the run (the run trimmed under it), view 7 go away behind
// the run (the branch trimmed under the run), through the exact trimmer.

// Where the line x = xr passes under the turned branch in front (view 6): from
// the lowest to the highest of its crossings with the branch's side lines and
// the near half of its root rim, so that the cut ends lie on lines the
// branch draws. False where the side lines and the root rim miss it: the
// exact trimmer then decides.
bool gap_under(const Turned& v, double xr, Gap& g)
{
    const tagRPT* Z = data;  // data[70..81] and P50..P53 as turned_branch left them
    g = {-1e300, 1e300};
    auto side = [&](tagRPT p, tagRPT q) {
        if ((p.x - xr) * (q.x - xr) > 0 || p.x == q.x) return;
        const double y = p.y + (xr - p.x) * (q.y - p.y) / (q.x - p.x);
        g.hi = std::max(g.hi, y), g.lo = std::min(g.lo, y);
    };
    const tagRPT z71 = v.pipe_whole ? Z[52] : Z[71], z80 = v.pipe_whole ? Z[53] : Z[80];
    const tagRPT z73 = v.mid_whole ? Z[50] : Z[73], z78 = v.mid_whole ? Z[51] : Z[78];
    side(v.up, z71), side(z71, Z[52]), side(Z[72], z73), side(z73, Z[50]), side(Z[74], Z[75]);
    side(v.low, z80), side(z80, Z[53]), side(Z[79], z78), side(z78, Z[51]), side(Z[76], Z[77]);
    // The root rim: ((dx c + dy s)/a)^2 + ((dy c - dx s)/b)^2 = 1 at dx = xr - x0
    // is a quadratic in dy; its near half has the first coordinate <= 0.
    const tagRELL& e = v.root;
    const double rho = e.rot * std::acos(-1.0) / 180.0, c = std::cos(rho), s = std::sin(rho);
    const double ia = 1.0 / (e.a * e.a), ib = 1.0 / (e.b * e.b), dx = xr - e.x;
    const double A = s * s * ia + c * c * ib, B = 2.0 * dx * c * s * (ia - ib), C = dx * dx * (c * c * ia + s * s * ib) - 1.0;
    const double disc = B * B - 4.0 * A * C;
    for (double sign : {-1.0, 1.0}) {
        if (disc < 0) break;
        const double dy = (-B + sign * std::sqrt(disc)) / (2.0 * A);
        if (dx * c + dy * s <= 0) g.hi = std::max(g.hi, e.y + dy), g.lo = std::min(g.lo, e.y + dy);
    }
    return g.lo < g.hi;
}

// Small branch (zahyoar1 mode 33): the branch of the 45-degree branch's
// views 6 and 7, with this fitting's run. In view 6 the branch in front
// reaches only the run's right pipe line for most pairs: its gap comes in
// closed form, and the branch's outline for the exact trimmer is built only
// where more of the run can pass under it.
int v6_small(BZI_WRT_PRM* w, const ALF_SIZE*, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(33, 0, b)) return 1;
    Turned v = turned_branch(P, b);
    const bool front = view_no(w) == 6;
    // In front, the pipe meets the run along the curve joint6 draws, its
    // side lines starting at the curve's ends.
    if (front) {
        const Joint6 j = joint6(0.5 * b->d2, 0.5 * b->d12);
        v.split = true, v.root = j.e[0], v.root2 = j.e[1], v.up = j.up, v.mid = j.mid, v.low = j.low;
    }
    Box f;
    for (const tagRELL& e : {v.e.p0, v.e.p1, v.e.m0, v.e.m1, v.e.o, v.e.e, v.root, v.root2}) f.add(e);
    Gap g{};
    const bool gap = front && !v.split && !run_meets(b, f, true) && gap_under(v, 0.5 * b->d2, g);
    const bool cut = front && !gap && run_meets(b, f);
    Cover c;
    if (cut) turned_cover(c, v);
    else if (!front) run_cover(c, b, f);
    Out o(w);
    return side_run(o, b, cut ? &c : nullptr, gap ? &g : nullptr) || turned_elements(o, c, v, b, front, kInnerRims);
}

// Large branch: a plain pipe a5 wide placed as zahyoar1 places the turned
// socket, (X, Y) of its own frame at (r X u - Y v, r X v + Y u); in front, the
// curve where it meets the run as joint6 draws it, its side lines starting at
// the curve's ends; its end face at d8 with the bore (wall a9).
int v6_large(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    const double r = std::sqrt(0.75), u = 0.5 / r, v = 1.0 / std::sqrt(2.0) / r;
    auto place = [&](double x, double y) { return pt(r * x * u - y * v, r * x * v + y * u); };
    const double half = 0.5 * a->d5;
    const Joint6 j = joint6(0.5 * b->d2, half);
    const tagRELL face = axis_rim(place(b->d8, 0), half, kRot6);
    const tagRPT up = j.up, low = j.low, eu = place(b->d8, half), el = place(b->d8, -half);
    const bool front = view_no(w) == 6;
    Box f;
    f.add(j.e[0]);
    f.add(j.e[1]);
    f.add(face);
    const bool cut = front && run_meets(b, f);
    Cover c;
    if (cut) {
        c.add(up);
        c.add(eu);
        c.add_arc(face, el, eu);
        c.add(el);
        c.add(low);
        c.add_arc(j.e[1], j.mid, low);
        c.add(j.mid);
        c.add_arc(j.e[0], up, j.mid);
    } else if (!front) {
        run_cover(c, b, f);
    }
    Out o(w);
    if (side_run(o, b, cut ? &c : nullptr)) return 1;
    o.style(0).code(kBody);
    if (front)
        return o.seg(up, eu) || o.seg(low, el) || o.code(kEnd3).ellipse(face) ||
               o.code(kBody).earc(j.e[0], up, j.mid) || o.earc(j.e[1], j.mid, low) ||
               o.style(2).code(kEnd3).ellipse(axis_rim(place(b->d8, 0), half - a->d9, kRot6));
    // Going away its lines run from the run's axis and show from where they
    // pass the run's outline; the end face shows its outer half from behind.
    const Box cb = box_of(c);
    if (seg_beside(o, c, cb, place(0, half), eu) || seg_beside(o, c, cb, place(0, -half), el)) return 1;
    o.code(kEnd3);
    return earc_beside(o, c, cb, face, el, eu);
}

// ---------------------------------------------------------------------------
// Dispatch by branch size (the record's signed 16-bit value): above 125 the
// large-branch outline, otherwise the small one.
using Outline = int (*)(BZI_WRT_PRM*, const ALF_SIZE*, const B*);
int by_branch(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b, Outline large, Outline small)
{
    return (b->branch_size > 125 ? large : small)(w, a, b) != 0 ? 1 : 0;
}
int jarf42sc_v1(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b) { return by_branch(w, a, b, jarf42sc_v1b, v1_small); }
int jarf42sc_v2(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b) { return by_branch(w, a, b, v2_large, v2_small); }
int jarf42sc_v3(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b) { return by_branch(w, a, b, v3_large, v3_small); }
int jarf42sc_v6(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b) { return by_branch(w, a, b, v6_large, v6_small); }

// View codes 1 to 7.
constexpr ViewFnAlf<B> kViews[8] = {nullptr,     jarf42sc_v1, jarf42sc_v2, jarf42sc_v3,
                                    jarf42sc_v3, jarf42sc_v2, jarf42sc_v6, jarf42sc_v6};

int proc_list[kProcListLen] = {68, 44, 70, 71, 44, 72, 73};
constinit BZI_COM_PRM com = com_block(1, 3, {0x00, 0x00, 0x50, 0x00, 0x08, 0x01, 0x00, 0x00}, 4);
HENKAN len_conv{};  // carries only the length scale to arfset2
ALF_SIZE alf{};

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf42sc_info()
{
    return {"jarft42sco", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft42sco(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    // A sample keeps the scale of the last real part.
    if (set->sample_flag != 1) len_conv.scale = set->len_scale;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_c));
    last = &b;
    jalfbsiz(&alf, b.branch_size);
    if (arfset2(&b, head, set, &len_conv) != 0) return 1;

    BZI_COM_PRM& c = com;
    set_tee(c, head, kRef45, b, b.d2, b.d1, b.d11);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d4 + b.d3;
    c.dbl[2] = b.branch_size > 125 ? b.d8 : b.d15;
    c.dbl[3] = 0.0;
    set_triples(c, head, 7, Pt::A, Pt::B, Pt::D);

    return run_stages(head, set, &c, proc_list, kViews, &alf, &b);
}
