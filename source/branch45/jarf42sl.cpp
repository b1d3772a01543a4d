// 45-degree branch with a long spigot branch.
#include <cmath>

#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "elemout.h"
#include "frame.h"
#include "hidden.h"
#include "lenrule.h"
#include "outline.h"
#include "small45.h"

namespace {

using B = ARF_SIZE2;

constexpr Row2Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15> r;
constinit Table2<B, 5, 14> table = table2<5, 14>(
    r(40, 40, 65.6f, 48.6f, 75, 55, 175, 250, 3.5f, 3.5f, 120, 48.6f, 120, 20, 170),
    r(50, 40, 79.5f, 60.5f, 80, 60, 200, 270, 2.8f, 3.8f, 120, 48.6f, 140, 20, 175),
    r(50, 50, 79.5f, 60.5f, 80, 60, 210, 280, 2.8f, 3.8f, 130, 60.5f, 150, 20, 185),
    r(65, 40, 100, 76.3f, 105, 75, 220, 275, 2.8f, 4.2f, 120, 48.6f, 145, 20, 190),
    r(65, 50, 100, 76.3f, 105, 75, 225, 280, 2.8f, 4.2f, 130, 60.5f, 150, 20, 195),
    r(65, 65, 100, 76.3f, 105, 75, 235, 290, 2.8f, 4.2f, 155, 76.3f, 160, 20, 200),
    r(80, 40, 114, 89.1f, 105, 75, 225, 280, 2.8f, 4.2f, 120, 48.6f, 150, 20, 195),
    r(80, 50, 114, 89.1f, 105, 75, 230, 285, 2.8f, 4.2f, 130, 60.5f, 155, 20, 200),
    r(80, 65, 114, 89.1f, 105, 75, 245, 300, 2.8f, 4.2f, 155, 76.3f, 170, 20, 210),
    r(80, 80, 114, 89.1f, 105, 75, 255, 310, 2.8f, 4.2f, 180, 89.1f, 180, 20, 220),
    r(100, 40, 138.3f, 114.3f, 105, 75, 240, 295, 3.5f, 4.5f, 120, 48.6f, 165, 20, 215),
    r(100, 50, 138.3f, 114.3f, 105, 75, 245, 300, 3.5f, 4.5f, 130, 60.5f, 170, 20, 205),
    r(100, 65, 138.3f, 114.3f, 105, 75, 255, 310, 3.5f, 4.5f, 155, 76.3f, 180, 20, 230),
    r(100, 80, 138.3f, 114.3f, 105, 75, 260, 315, 3.5f, 4.5f, 180, 89.1f, 185, 20, 230));

constexpr int kSample1 = 65, kSample2 = 50;

// ---------------------------------------------------------------------------
// Outline. The run stands on the y axis, end 1 at y = -d10 and its end-2
// socket from the branch profile towards +y; the branch is a plain pipe on the
// 45-degree diagonal (+x, +y): pipe d12 out to e = d15 - 2 d14 along its axis,
// then the wider spigot d11 with a hub line at d15 - d14 and its end face at d15.

constexpr double k = 0.707106781;  // cos 45

int view_no(const BZI_WRT_PRM* w) { return w->head->view_no; }

// Where the branch pipe widens to the spigot, along the branch axis.
double spigot_start(const B* b) { return b->d15 - (b->d14 + b->d14); }

// View 1: the fitting in its own plane. One closed silhouette from end 1 up
// the run's left side, round the run socket, down its right side to the
// branch, out along the branch and back, down to end 1; then the lines across
// the run socket and the branch's two steps.
int jarf42sl_v1(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double e = spigot_start(b);
    P[0] = {0, -b->d10};
    P[1] = {-0.5 * b->d2, -b->d10};
    P[15] = {(e - 0.5 * b->d12) * k, (0.5 * b->d12 + e) * k};
    P[16] = {(e - 0.5 * b->d11) * k, (e + 0.5 * b->d11) * k};
    P[17] = {(b->d15 - b->d14 - 0.5 * b->d11) * k, (b->d15 - b->d14 + 0.5 * b->d11) * k};
    P[18] = {(b->d15 - 0.5 * b->d11) * k, (b->d15 + 0.5 * b->d11) * k};
    for (int i = 0; i < 4; ++i) P[19 + i] = {P[18 - i].y, P[18 - i].x};  // the branch's far side

    if (zahyoar1(10, 0, b)) return 1;
    copy_pts(P, 2, 71, 12);
    P[25] = data[83];
    P[26] = data[84];
    P[24] = {0.5 * b->d2, -b->d10};

    // The branch meets the run's right pipe line a half pipe width (measured
    // across the slant, so sqrt 2 times it upright) either side of its axis.
    const tagRPT x = cross(line(pt(P[13].x, -b->d10), P[13]), line(pt(0, 0), pt(b->d15, b->d15)));
    P[27] = {P[13].x, x.y};
    P[14] = {P[13].x, P[27].y + std::sqrt(2.0) * b->d12 * 0.5};
    P[23] = {P[13].x, P[27].y - std::sqrt(2.0) * b->d12 * 0.5};

    Out o(w);
    for (int n = 1; n <= 23; ++n)
        if (o.code(n == 7 ? kEnd2 : n == 18 ? kEnd3 : kBody).seg(P[n], P[n + 1])) return 1;
    return o.code(kEnd1).seg(P[24], P[1]) ||
           o.code(kBody).seg(P[2], P[13]) ||
           o.seg(P[6], P[9]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[25], P[26]) ||
           o.seg(P[15], P[22]) ||
           o.seg(P[17], P[20]);
}

// Views 2 and 5: the run end-on (circles at the origin), the branch along +x
// shortened by k, its sections ellipses k as wide as high. View 2 looks at
// the run socket's end: the branch pipe lines run from the socket rim to the
// run pipe, and the run pipe shows as two circles. View 5 looks from the
// other end: the socket rim is a whole circle with its bore, and the branch
// end face shows whole with its bore.
int jarf42sl_v2(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const double e = spigot_start(b);
    P[0] = {0, 0};
    P[1] = {e * k, 0.5 * b->d12};
    P[2] = {e * k, 0.5 * b->d11};
    P[3] = {(b->d15 - b->d14) * k, 0.5 * b->d11};
    P[4] = {k * b->d15, 0.5 * b->d11};
    mirror_back_pts(P, 5, 4, 4);
    P[13] = {0, P[1].y};
    P[14] = {0, P[8].y};

    // H: the branch pipe's upper line, extended to the run.
    const tagRSEG h = line(pt(0, P[1].y), P[1]);
    const double rim = 0.5 * b->d1, step = (b->d2 + b->d1) * 0.25;
    P[10] = larger_x(cross(h, circ(P[0], rim)));
    P[9] = flip_y(P[10]);
    P[11] = larger_x(cross(h, circ(P[0], step)));
    P[12] = flip_y(P[11]);
    // With a narrower branch its pipe lines stop at the run pipe; of equal
    // sizes the line only touches the run pipe, so they run on to the axis.
    if (b->main_size != b->branch_size) {
        P[13] = larger_x(cross(h, circ(P[0], 0.5 * b->d2)));
        P[14] = flip_y(P[13]);
    }
    const tagRELL e1 = slant_rim(P[1].x, 0.5 * b->d11, k);
    const tagRELL e2 = slant_rim(P[4].x, 0.5 * b->d11, k);
    const tagRELL e3 = slant_rim(P[3].x, 0.5 * b->d11, k);
    P[15] = smaller_x(cross(h, e1));
    P[16] = flip_y(P[15]);

    Out o(w);
    if (view_no(w) == 2)
        return o.code(kBody).seg(P[10], P[1]) ||
               o.earc(e1, P[16], P[15]) ||
               o.seg(P[2], P[4]) ||
               o.code(kEnd3).earc(e2, P[5], P[4]) ||
               o.code(kBody).seg(P[5], P[7]) ||
               o.seg(P[8], P[9]) ||
               o.code(kEnd2).arc(P[0], rim, P[10], P[9]) ||
               o.code(kBody).earc(slant_rim(P[1].x, 0.5 * b->d12, k), P[8], P[1]) ||
               o.earc(e3, P[6], P[3]) ||
               o.seg(P[10], P[13]) ||
               o.seg(P[9], P[14]) ||
               o.arc(P[0], step, P[11], P[12]) ||
               o.code(kEnd2).circle(P[0], 0.5 * b->d2) ||
               o.circle(P[0], 0.5 * b->d2 - b->d7);
    return o.code(kBody).seg(P[10], P[15]) ||
           o.earc(e1, P[2], P[7]) ||
           o.seg(P[2], P[4]) ||
           o.code(kEnd3).earc(e2, P[5], P[4]) ||
           o.code(kBody).seg(P[5], P[7]) ||
           o.seg(P[16], P[9]) ||
           o.code(kEnd2).arc(P[0], rim, P[10], P[9]) ||
           o.code(kBody).earc(e3, P[3], P[6]) ||
           o.code(kEnd3).earc(e2, P[4], P[5]) ||
           o.code(kEnd2).arc(P[0], rim, P[9], P[10]) ||
           o.circle(P[0], rim - b->d8) ||
           o.code(kEnd3).ellipse(slant_rim(P[4].x, 0.5 * b->d12, k));
}

// ---------------------------------------------------------------------------
// Views 3 and 4 look along the view-1 x axis at the run side-on: view 3 from
// the branch side, the branch coming towards the viewer over the run; view 4
// from behind, the branch going away behind the run. The branch axis point at
// distance t lies at (0, k t), each of its circles an ellipse r wide and k r
// high (as the 45-degree branch's views 3 and 4 draw it). Where one part
// stands in front of the other, the lines behind are cut where they pass
// under its outline (hidden.h).

// The branch as views 3 to 7 see it: pipe d12 from its root on the run pipe
// to e, the end disc d11 from e to the end face at d15 with its hub line at
// d15 - d14. Its axis runs from the origin along the unit vector ax, each
// axis distance t drawn 'along' times as long; 'ac' is the unit vector across
// it. A section of radius R is an ellipse R across and squash·R along the axis.
// A point of a section is named by its direction (cos, sin) of the angle
// counted from +ac towards +ax.
struct Branch {
    tagRPT ax, ac;
    double along, squash, rot;
    double a12, a11, root, near, hub, face;  // half widths; drawn axis distances
    // Where the pipe meets the run: one arc from 'from' to 'to', or two
    // meeting at 'mid', counter-clockwise, from the left side line's start
    // round to the right one's.
    tagRELL joint[2];
    tagRPT from, mid, to;
    bool split;
    tagRPT at(double h) const { return h * ax; }
    tagRPT at(double h, double w) const { return h * ax + w * ac; }
    tagRELL section(double h, double r) const
    {
        const tagRPT c = at(h);
        return rot == 0 ? tagRELL{c.x, c.y, r, squash * r, 0} : tagRELL{c.x, c.y, squash * r, r, rot};
    }
    // The point of section (h, r) in direction cs.
    tagRPT on(double h, double r, tagRPT cs) const { return at(h) + (r * cs.x) * ac + (squash * r * cs.y) * ax; }
};

Branch branch(const B* b, tagRPT ax, tagRPT ac, double along, double squash, double rot)
{
    // The pipe meets the run along the curve small45::joint3 (upright, views
    // 3 and 4) or joint6 (turned, views 6 and 7) draws, its side lines
    // starting at the curve's ends. 'root' is where the pipe's axis pierces
    // the run's surface, d2/2 / k along it, upright where the ends lie.
    Branch u = {ax, ac, along, squash, rot, 0.5 * b->d12, 0.5 * b->d11, along * (0.5 * b->d2 / k),
                along * spigot_start(b), along * (b->d15 - b->d14), along * b->d15, {}, {}, {}, {}, rot != 0};
    if (u.split) {
        const small45::Joint6 j = small45::joint6(0.5 * b->d2, u.a12);
        u.joint[0] = j.e[0], u.joint[1] = j.e[1], u.from = j.up, u.mid = j.mid, u.to = j.low;
    } else {
        u.joint[0] = small45::joint3(0.5 * b->d2, u.a12);
        u.root = u.joint[0].y;
        u.from = u.at(u.root, -u.a12), u.to = u.at(u.root, u.a12);
    }
    return u;
}

// The directions the outlines use: across the axis either way, and where the
// pipe's lines meet the near half of a disc rim.
struct Turns {
    tagRPT right, left, pipe_right, pipe_left;
};
Turns turns(const Branch& u)
{
    const double w = u.a12 / u.a11, h = std::sqrt(1 - w * w);
    return {{1, 0}, {-1, 0}, {w, -h}, {-w, -h}};
}

// The branch's outline seen from its own side: the near half of its root,
// the pipe lines up to the near half of the disc's first rim, the disc's
// sides and the far half of its end face.
void branch_cover(Cover& c, const Branch& u)
{
    const Turns q = turns(u);
    auto curve = [&](double h, double r, tagRPT from, tagRPT to) {  // a stretch walked counter-clockwise
        c.add(u.on(h, r, from));
        c.add_arc(u.section(h, r), u.on(h, r, from), u.on(h, r, to));
        c.add(u.on(h, r, to));
    };
    c.add(u.from);
    if (u.split) {
        c.add_arc(u.joint[0], u.from, u.mid);
        c.add(u.mid);
        c.add_arc(u.joint[1], u.mid, u.to);
    } else {
        c.add_arc(u.joint[0], u.from, u.to);
    }
    c.add(u.to);
    curve(u.near, u.a11, q.pipe_right, q.right);
    curve(u.face, u.a11, q.right, q.left);
    curve(u.near, u.a11, q.left, q.pipe_left);
}

// The run as view 1 draws it without the branch, then the branch; 'front'
// when the branch comes towards the viewer over the run, else it goes away
// behind it.
int run_and_branch(BZI_WRT_PRM* w, const B* b, const Branch& u, bool front)
{
    tagRPT* P = data;
    P[1] = {-0.5 * b->d2, -b->d10};
    P[24] = {0.5 * b->d2, -b->d10};
    if (zahyoar1(10, 0, b)) return 1;
    copy_pts(P, 2, 71, 12);
    P[25] = data[83];
    P[26] = data[84];
    const Turns q = turns(u);

    // The part in front: the branch, or the run's outline P1, P2 .. P13, P24.
    Cover c;
    if (front) branch_cover(c, u);
    else
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 24}) c.add(P[n]);

    Out o(w);
    // The run, cut under the branch when that comes in front.
    auto run = [&](int from, int to, const char* free = nullptr) {
        return line_across(o, c, front, P[from], P[to], free);
    };
    for (int n = 1; n <= 12; ++n) {
        o.code(n == 7 ? kEnd2 : kBody);
        if (run(n, n + 1)) return 1;
    }
    if (run(13, 24)) return 1;
    o.code(kEnd1);
    if (run(24, 1)) return 1;
    o.code(kBody);
    if (run(2, 13) || run(6, 9) || run(25, 26, kSocketBottomLine)) return 1;

    // The branch, cut under the run when that stands in front.
    auto bar = [&](tagRPT a, tagRPT z) { return line_across(o, c, !front, a, z); };
    auto rim = [&](double h, double r, tagRPT from, tagRPT to) {
        return arc_on(o, c, !front, u.section(h, r), u.on(h, r, from), u.on(h, r, to));
    };
    if (front) {
        // Coming towards the viewer the branch shows the near half of its
        // root; the disc hides the pipe above the near half of its first rim,
        // and the end face shows whole with the pipe's circle on it.
        const tagRELL near = u.section(u.near, u.a11);
        auto upto = [&](double wdt) {  // where the pipe line at wdt meets the first rim's near half
            return smaller_y(cross(line(u.at(u.root, wdt), u.at(u.near, wdt)), near));
        };
        return o.earc(u.joint[0], u.from, u.split ? u.mid : u.to) ||
               (u.split && o.earc(u.joint[1], u.mid, u.to)) ||
               bar(u.from, upto(-u.a12)) ||
               bar(u.to, upto(u.a12)) ||
               bar(u.at(u.near, -u.a11), u.at(u.face, -u.a11)) ||
               bar(u.at(u.near, u.a11), u.at(u.face, u.a11)) ||
               rim(u.near, u.a11, q.left, q.right) ||
               rim(u.hub, u.a11, q.left, q.right) ||
               o.code(kEnd3).ellipse(u.section(u.face, u.a11)) ||
               o.ellipse(u.section(u.face, u.a12));
    }
    // Going away, the root lies on the far side of the run pipe, hidden; the
    // pipe lines are drawn from the run's axis so that where they come out
    // from behind the run they start on its outline. The pipe stands in front
    // of the disc's first face up to the pipe's far half there, the face
    // shows round the pipe, and of the hub line and the end rim only the far
    // halves show.
    if (bar(u.at(0, -u.a12), u.at(u.near, -u.a12)) ||
        bar(u.at(0, u.a12), u.at(u.near, u.a12)) ||
        rim(u.near, u.a12, q.right, q.left) ||
        rim(u.near, u.a11, q.pipe_right, q.pipe_left) ||
        bar(u.at(u.near, -u.a11), u.at(u.face, -u.a11)) ||
        bar(u.at(u.near, u.a11), u.at(u.face, u.a11)) ||
        rim(u.hub, u.a11, q.right, q.left))
        return 1;
    o.code(kEnd3);
    return rim(u.face, u.a11, q.right, q.left);
}

// Views 3 and 4: the branch upright, shortened by k, its sections ellipses k
// as high as wide (rotation 0).
int jarf42sl_v3(BZI_WRT_PRM* w, const B* b)
{
    const Branch u = branch(b, pt(0, 1), pt(1, 0), k, k, 0);
    return run_and_branch(w, b, u, view_no(w) == 3);
}

// Views 6 and 7: the run as in view 1, the branch turned as the 45-degree
// branch's views 6 and 7 turn it: its axis at 54.73561032 degrees, each axis
// distance drawn sqrt(0.75) long, its sections ellipses half as deep as wide
// with their first semi-axis along the axis. View 6 sees the branch come
// towards the viewer over the run (its end face whole), view 7 sees it go
// away behind the run.
int jarf42sl_v6(BZI_WRT_PRM* w, const B* b)
{
    constexpr double turn = 54.73561032;
    const double rho = turn * std::acos(-1.0) / 180.0;
    const tagRPT ax = {std::cos(rho), std::sin(rho)}, ac = {std::sin(rho), -std::cos(rho)};
    const Branch u = branch(b, ax, ac, std::sqrt(0.75), 0.5, turn);
    return run_and_branch(w, b, u, view_no(w) == 6);
}

// View codes 1 to 7.
constexpr ViewFn<B> kViews[8] = {nullptr,     jarf42sl_v1, jarf42sl_v2, jarf42sl_v3,
                                 jarf42sl_v3, jarf42sl_v2, jarf42sl_v6, jarf42sl_v6};

int proc_list[kProcListLen] = {38, 44, 47, 48, 44, 54, 55};
constinit BZI_COM_PRM com = com_block(1, 3, {0x00, 0x00, 0x50, 0x00, 0x08, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf42sl_info()
{
    return {"jarft42sl0", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft42sl0(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_c));
    last = &b;
    set_len(head, b, straight_len(head, set,
                                  {.pts = b.d6 - b.d13, .sample = 130.0, .floor = b.d6 - b.d13,
                                   .cap = 3000.0 - b.d13}));

    BZI_COM_PRM& c = com;
    set_tee(c, head, kRef45, b, b.d2, b.d1, b.d11);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    c.dbl[2] = b.d15;
    c.dbl[3] = 0.0;
    set_triples(c, head, 7, Pt::A, Pt::B, Pt::D);

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
