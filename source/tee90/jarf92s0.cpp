// Short 90-degree tee: socket ends on the run (end 2) and the branch, the
// branch pipe meeting the run's side with no crotch fillet; its lower side is
// closed by one arc of the branch pipe's radius.
#include <algorithm>

#include "arftable.h"
#include "borrowed.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"
#include "short_tee.h"

using namespace tee;

namespace {

using B = ARF_SIZE2;

constexpr Row2Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 17, 18> r;
constinit Table2<B, 4, 8> table = table2<4, 8>(
    r(50, 50, 79.5f, 60.5f, 80, 60, 165, 205, 2.8f, 3.8f, 79.5f, 60.5f, 80, 60, 130, 2.8f, 3.8f),
    r(65, 50, 100, 76.3f, 105, 75, 180, 205, 2.8f, 4.2f, 79.5f, 60.5f, 80, 60, 138, 2.8f, 3.8f),
    r(65, 65, 100, 76.3f, 105, 75, 180, 205, 2.8f, 4.2f, 100, 76.3f, 105, 75, 158, 2.8f, 4.2f),
    r(80, 50, 114, 89.1f, 105, 75, 180, 205, 2.8f, 4.2f, 79.5f, 60.5f, 80, 60, 144, 2.8f, 3.8f),
    r(80, 65, 114, 89.1f, 105, 75, 180, 205, 2.8f, 4.2f, 100, 76.3f, 105, 75, 164, 2.8f, 4.2f),
    r(100, 50, 138.3f, 114.3f, 105, 75, 180, 205, 3.5f, 4.5f, 79.5f, 60.5f, 80, 60, 157, 2.8f, 3.8f),
    r(100, 65, 138.3f, 114.3f, 105, 75, 180, 205, 3.5f, 4.5f, 100, 76.3f, 105, 75, 177, 2.8f, 4.2f),
    r(100, 80, 138.3f, 114.3f, 105, 75, 180, 205, 3.5f, 4.5f, 114, 89.1f, 105, 75, 177, 2.8f, 4.2f));

constexpr int kSample1 = 65, kSample2 = 50;

// View 1: run and branch flat in the drawing.
int jarf92s0_v1(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    if (short_tee::run_points(P, b, 1.0)) return 1;
    if (short_tee::branch_points(P, b, short_tee::kS00, 40)) return 1;
    short_tee::lower_arc(P, b);
    Out o(w);
    o.code(kBody);
    return profile_run(o, P, 1, 14, 7, kEnd2) || profile_run(o, P, 14, 26, 20, kEnd3) ||
           o.arc(P[32], b->d12 * 0.5, P[26], P[31]) || o.seg(P[31], prime(P[1])) ||
           o.code(kEnd1).seg(prime(P[1]), P[1]) ||
           short_tee::mark(o.code(kBody), P[27], P[28]) || short_tee::mark(o, P[29], P[30]) || o.seg(P[2], P[13]) || o.seg(P[6], P[9]) ||
           o.seg(P[15], P[26]) || o.seg(P[19], P[22]) ||
           o.earc({P[14].x, 0}, 0.3 * (b->d12 * 0.5), b->d12 * 0.5, 0, P[14], P[31]);
}

// Views 2 and 5: looking along the run, the branch socket along +x. View 2
// faces the plain end (its pipe and bore as circles) with the run socket's rim
// and middle step behind, cut by the branch; view 5 faces the socket mouth.
int jarf92s0_v2(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(40, 0, b)) return 1;
    P[0] = {0, 0};
    copy_pts(P, 1, 71, 14);
    const tagRSEG top = line(P[1], P[2]);
    const bool v2 = view_no(w) == 2;
    if (v2) {
        run_rings_crossed(P, top, b);
    } else {
        P[15] = larger_x(cross(top, circ(P[0], b->d1 * 0.5)));
        P[16] = flip_y(P[15]);
    }
    Out o(w);
    o.code(kBody);
    if (profile_run(o, P, 1, 12, 6, kEnd3) || o.seg(P[12], P[16]) ||
        o.code(kEnd2).arc(P[0], b->d1 * 0.5, P[15], P[16]) ||
        o.code(kBody).seg(P[1], P[15]) || o.seg(P[1], P[12]) || o.seg(P[5], P[8]) || short_tee::mark(o, P[13], P[14]))
        return 1;
    if (v2)
        return o.seg(P[15], P[17]) || o.seg(P[16], P[18]) ||
               o.code(kEnd1).circle(P[0], b->d2 * 0.5) || o.circle(P[0], b->d2 * 0.5 - b->d7) ||
               o.code(kEnd2).arc(P[0], (b->d2 + b->d1) * 0.25, P[29], P[30]);
    return o.code(kEnd2).circle(P[0], b->d1 * 0.5 - b->d8) || o.arc(P[0], b->d1 * 0.5, P[16], P[15]);
}

// Views 3 and 4: looking along the branch, the run standing on the y axis.
// View 3 faces the branch mouth; view 4 sees the run from behind, the branch
// socket showing beside it only where it is wider than the run pipe.
int jarf92s0_v3(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    if (short_tee::run_points(P, b, 1.0)) return 1;
    P[14] = prime(P[1]);
    const int m = b->main_size;
    // The pairs whose branch socket reaches past the run pipe's sides.
    const bool overlap = m == 50 || m == 65 || (m == 80 && b->branch_size == 65);
    if (overlap) {
        const Two t = cross(line(P[1], P[2]), circ({0, 0}, b->d11 * 0.5));
        P[15] = {P[1].x, std::min(t.p1.y, t.p2.y)};
        P[16] = {P[1].x, std::max(t.p1.y, t.p2.y)};
        P[17] = {-P[1].x, P[15].y};
        P[18] = {-P[1].x, P[16].y};
    }
    const bool v3 = view_no(w) == 3;
    Out o(w);
    o.code(kBody);
    const int sides = v3 && overlap ? o.seg(P[1], P[15]) || o.seg(P[16], P[2]) || profile_run(o, P, 2, 13, 7, kEnd2) ||
                                          o.seg(P[13], P[18]) || o.seg(P[17], P[14])
                                    : profile_run(o, P, 1, 14, 7, kEnd2);
    if (sides || o.code(kEnd1).seg(P[14], P[1]) ||
        short_tee::mark(o.code(kBody), P[27], P[28]) || o.seg(P[2], P[13]) || o.seg(P[6], P[9]))
        return 1;
    o.code(kEnd3);
    if (v3) return o.circle({0, 0}, b->d11 * 0.5) || o.circle({0, 0}, b->d11 * 0.5 - b->d18);
    if (!overlap) return 0;
    return o.arc({0, 0}, b->d11 * 0.5, P[16], P[15]) || o.arc({0, 0}, b->d11 * 0.5, P[17], P[18]);
}

int jarf92s0_v6(BZI_WRT_PRM* w, const B* b) { return short_tee::v6(w, b, short_tee::kS00); }
int jarf92s0_v10(BZI_WRT_PRM* w, const B* b) { return short_tee::v10(w, b, short_tee::kS00); }

constexpr ViewFn<B> kViews[12] = {nullptr,     jarf92s0_v1, jarf92s0_v2, jarf92s0_v3, jarf92s0_v3,  jarf92s0_v2,
                                  jarf92s0_v6, jarf92s0_v6, nullptr,     nullptr,     jarf92s0_v10, jarf92s0_v10};

int proc_list[kProcListLen] = {24, 44, 47, 48, 44, 49, 50, 0, 0, 76, 77};
constinit BZI_COM_PRM com = com_block(1, 3, {0x00, 0x00, 0x50, 0x00, 0x07, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf92s0_info()
{
    return {"jarft92s00", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

TeeCatalog jarf92s0_catalog() { return {table.nrec, table.rec, proc_list, &com}; }

extern "C" int jarft92s00(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_c));
    last = &b;
    set_len(head, b, straight_len(head, set,
                                  {.pts = b.d6, .sample = 205.0, .floor = b.d6, .cap = 2695.0,
                                   .from = 10, .to = 11, .factor = 0.707106781, .divide = true}));

    BZI_COM_PRM& c = com;
    set_tee90(c, head, b, b.d2, b.d1, b.d11);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    c.dbl[2] = b.d15;
    c.dbl[3] = 0.0;

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
