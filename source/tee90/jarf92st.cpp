// Short 90-degree tee with a long branch spigot: the branch socket sits out at
// d19 and its pipe end may reach back into the run.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"
#include "short_tee.h"

using namespace tee;

namespace {

using B = ARF_SIZE2;

constexpr Row2Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 17, 18, 19> r;
constinit Table2<B, 5, 10> table = table2<5, 10>(
    r(50, 40, 79.5f, 60.5f, 80, 60, 150, 150, 2.8f, 3.8f, 65.6f, 48.6f, 75, 55, 3.5f, 3.5f, 100),
    r(65, 40, 100, 76.3f, 105, 75, 165, 150, 2.8f, 4.2f, 65.6f, 48.6f, 75, 55, 3.5f, 3.5f, 108),
    r(65, 50, 100, 76.3f, 105, 75, 165, 150, 2.8f, 4.2f, 79.5f, 60.5f, 80, 60, 2.8f, 3.8f, 113),
    r(80, 40, 114, 89.1f, 105, 75, 165, 150, 2.8f, 4.2f, 65.6f, 48.6f, 75, 55, 3.5f, 3.5f, 114),
    r(80, 50, 114, 89.1f, 105, 75, 165, 150, 2.8f, 4.2f, 79.5f, 60.5f, 80, 60, 2.8f, 3.8f, 119),
    r(100, 40, 138.3f, 114.3f, 105, 75, 165, 150, 3.5f, 4.5f, 65.6f, 48.6f, 75, 55, 3.5f, 3.5f, 127),
    r(100, 50, 138.3f, 114.3f, 105, 75, 165, 150, 3.5f, 4.5f, 79.5f, 60.5f, 80, 60, 2.8f, 3.8f, 132),
    r(125, 40, 164.8f, 139.8f, 115, 85, 175, 150, 3.5f, 4.5f, 65.6f, 48.6f, 75, 55, 3.5f, 3.5f, 140),
    r(125, 50, 164.8f, 139.8f, 115, 85, 175, 150, 3.5f, 4.5f, 79.5f, 60.5f, 80, 60, 2.8f, 3.8f, 145),
    r(125, 65, 164.8f, 139.8f, 115, 85, 175, 150, 3.5f, 4.5f, 100, 76.3f, 105, 75, 2.8f, 4.2f, 160));

constexpr int kSample1 = 65, kSample2 = 50;

// View 1: run and branch flat in the drawing; where the branch outline's first
// step crosses the run's side, both stop at the crossing.
int jarf92st_v1(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    if (short_tee::run_points(P, b, 1.0)) return 1;
    P[26] = {-P[1].x, -b->d10};
    if (short_tee::branch_points(P, b, short_tee::kS0t, 20)) return 1;
    const bool cut = short_tee::profiles_cross(P);
    Out o(w);
    o.code(kBody);
    const int sides = cut ? profile_run(o, P, 1, 13, 7, kEnd2) || o.seg(P[13], P[31]) || o.seg(P[31], P[16]) ||
                                profile_run(o, P, 16, 23, 19, kEnd3) || o.seg(P[23], P[32]) || o.seg(P[32], P[26])
                          : profile_run(o, P, 1, 14, 7, kEnd2) || profile_run(o, P, 14, 26, 19, kEnd3);
    const tagRPT top = cut ? P[31] : P[14], bottom = cut ? P[32] : P[25];
    return sides || o.code(kEnd1).seg(P[26], P[1]) ||
           short_tee::mark(o.code(kBody), P[27], P[28]) || short_tee::mark(o, P[29], P[30]) || o.seg(P[2], P[13]) || o.seg(P[6], P[9]) ||
           o.seg(P[18], P[21]) || o.earc({top.x, 0}, k * top.y, top.y, 0, top, bottom);
}

// Where the branch outline leaves a circle about the run axis: the upper
// outline Q[0] (the pipe line at the axis) .. Q[6] (the end face's top) is
// walked out to the first corner beyond the circle, and the crossing taken on
// the piece before it. *from := the index of that corner.
tagRPT leaves(const tagRPT* Q, const tagRCIR& c, int* from)
{
    int i = 0;
    while (i < 5 && dist({c.x, c.y}, Q[i + 1]) <= c.r) ++i;
    *from = i + 1;
    return larger_x(cross(line(Q[i], Q[i + 1]), c));
}

// Segment a-b where it runs clear of the circle c in front of it; a pipe
// mark (is_mark) in each of its pieces.
int seg_clear(Out& o, tagRPT a, tagRPT b, const tagRCIR& c, bool is_mark = false)
{
    auto put = [&](tagRPT p, tagRPT q) { return is_mark ? short_tee::mark(o, p, q) : o.seg(p, q); };
    const tagRSEG l = line(a, b);
    tagRPT p[2] = {a, b};
    int off = 3;
    if (GCG165(&l, &c, p, &off) != 0) return put(a, b);
    switch (off) {
    case 0: return put(a, p[0]) || put(p[1], b);  // through the circle
    case 1: return put(p[1], b);                  // from inside out
    case 2: return put(a, p[0]);                  // from outside in
    default: return dist(mid(a, b), {c.x, c.y}) < c.r ? 0 : put(a, b);
    }
}

// Views 2 and 5: looking along the run, the branch socket along +x. The
// branch sits at run height 0, so whatever of it lies within the circle in
// front is hidden: in view 2 (facing the plain end) the run pipe, in view 5
// (facing the run socket's mouth) the run socket. View 2 shows the run
// socket's rim and middle step behind the branch, as the plain short tee's
// view 2 does, both broken where the branch passes in front.
int jarf92st_v2(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(20, 0, b)) return 1;
    P[0] = {0, 0};
    copy_pts(P, 1, 71, 14);
    const bool v2 = view_no(w) == 2;
    const tagRPT Q[7] = {{0, P[1].y}, P[1], P[2], P[3], P[4], P[5], P[6]};
    const tagRCIR front = circ(P[0], v2 ? b->d2 * 0.5 : b->d1 * 0.5);
    int i = 1;
    P[15] = leaves(Q, front, &i);
    P[16] = flip_y(P[15]);
    Out o(w);
    o.code(kBody);
    if (o.seg(P[15], P[i]) || profile_run(o, P, i, 13 - i, 6, kEnd3) || o.seg(P[13 - i], P[16]) ||
        seg_clear(o, P[1], P[12], front) || seg_clear(o, P[5], P[8], front) || seg_clear(o, P[13], P[14], front, true))
        return 1;
    if (!v2) return o.code(kEnd2).circle(P[0], b->d1 * 0.5) || o.circle(P[0], b->d1 * 0.5 - b->d8);
    int j = 1;
    P[17] = leaves(Q, circ(P[0], b->d1 * 0.5), &j);
    P[19] = leaves(Q, circ(P[0], (b->d2 + b->d1) * 0.25), &j);
    P[18] = flip_y(P[17]);
    P[20] = flip_y(P[19]);
    return o.code(kEnd1).circle(P[0], b->d2 * 0.5) || o.circle(P[0], b->d2 * 0.5 - b->d7) ||
           o.code(kEnd2).arc(P[0], b->d1 * 0.5, P[17], P[18]) || o.arc(P[0], (b->d2 + b->d1) * 0.25, P[19], P[20]);
}

// Views 3 and 4: looking along the branch, the run standing on the y axis;
// the run's sides are broken where the branch socket's circle crosses them.
int jarf92st_v3(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    if (short_tee::run_points(P, b, 1.0)) return 1;
    P[18] = prime(P[1]);
    P[19] = P[27];
    P[20] = P[28];
    const tagRCIR Bc = {0, 0, b->d11 * 0.5};
    const Met t = meet(line(P[13], P[18]), Bc);
    const bool cut = t.res == 0;
    if (cut) {
        P[15] = smaller_y(t.t);
        P[14] = other(t.t, P[15]);
        P[16] = prime(P[15]);
        P[17] = prime(P[14]);
    }
    Out o(w);
    o.code(kBody);
    if ((cut ? o.seg(P[1], P[16]) || o.seg(P[17], P[2]) : o.seg(P[1], P[2])) ||
        profile_run(o, P, 2, 13, 7, kEnd2) ||
        (cut ? o.seg(P[13], P[14]) || o.seg(P[15], P[18]) : o.seg(P[13], P[18])) ||
        o.code(kEnd1).seg(P[18], P[1]) ||
        o.code(kBody).seg(P[2], P[13]) || short_tee::mark(o, P[19], P[20]) || o.seg(P[6], P[9]))
        return 1;
    if (view_no(w) == 3) return o.code(kEnd3).circle({0, 0}, Bc.r) || o.circle({0, 0}, Bc.r - b->d18);
    if (!cut) return 0;
    return o.seg(P[14], P[15]) || o.seg(P[16], P[17]) ||
           o.code(kEnd3).arc({0, 0}, Bc.r, P[17], P[16]) || o.arc({0, 0}, Bc.r, P[15], P[14]);
}

int jarf92st_v6(BZI_WRT_PRM* w, const B* b) { return short_tee::v6(w, b, short_tee::kS0t); }
int jarf92st_v10(BZI_WRT_PRM* w, const B* b) { return short_tee::v10(w, b, short_tee::kS0t); }

constexpr ViewFn<B> kViews[12] = {nullptr,     jarf92st_v1, jarf92st_v2, jarf92st_v3, jarf92st_v3,  jarf92st_v2,
                                  jarf92st_v6, jarf92st_v6, nullptr,     nullptr,     jarf92st_v10, jarf92st_v10};

int proc_list[kProcListLen] = {24, 44, 47, 48, 44, 49, 50, 0, 0, 76, 77};
constinit BZI_COM_PRM com = com_block(1, 3, {0x00, 0x00, 0x50, 0x00, 0x07, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf92st_info()
{
    return {"jarft92s0t", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft92s0t(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_c));
    last = &b;
    // A length equal to d6 is kept as it is, not raised to it.
    set_len(head, b, straight_len(head, set,
                                  {.pts = b.d6, .sample = 150.0, .floor = b.d6,
                                   .cap = 1000.0 - b.d5 + b.d4, .floor_strict = true}));

    BZI_COM_PRM& c = com;
    set_tee90(c, head, b, b.d2, b.d1, b.d11);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    c.dbl[2] = b.d19;
    c.dbl[3] = 0.0;

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
