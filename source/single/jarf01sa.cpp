// Socket adaptor: one socket end on a flanged stub; no straight part of its own.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "elemout.h"
#include "frame.h"
#include "outline.h"

namespace {

using B = SA0_SIZE;

constexpr Row1Of<B, 1, 2, 3, 5, 9> r;
constinit Table1<B, 8> table = table1<8>(
    r(40, 53, 38, 6, 66, 8.7f),
    r(50, 58, 44, 6, 78, 8.75f),
    r(65, 68, 53, 6, 94, 8.85f),
    r(80, 83, 60, 6, 107, 8.95f),
    r(100, 103, 75, 8, 132, 8.85f),
    r(125, 128, 87, 8, 158, 9.1f),
    r(150, 153, 100, 10, 184, 9.375f),
    r(200, 153, 130, 10, 239, 11.35f));

constexpr int kSample = 80;

// ---------------------------------------------------------------------------
// Outline. The stub stands on the socket end: the socket's end face spans
// y = -d5/2 .. d5/2 seen side-on (its diameter d5 along y), the stub body of
// width d1 rises to the flange top at h = 1.5 d3 + d2.

constexpr double k = 0.707106781;  // cos 45
constexpr double s = 0.866025403;  // cos 30

int view_no(const BZI_WRT_PRM* w) { return w->head->view_no; }

double top(const B* b) { return 1.5 * b->d3 + b->d2; }

// An X of half-width m centred on c: the bolt-hole marks on the flange.
int x_mark(Out& o, tagRPT c, double m)
{
    constexpr const char* why = "bolt-hole mark: an X whose strokes end in the flange face";
    return o.intended(Intended::free_ends, why).seg(c + pt(m, m), c - pt(m, m)) ||
           o.intended(Intended::free_ends, why).seg(c + pt(-m, m), c + pt(m, -m));
}

// View 1: the stub from the side, the socket face across its foot, the flange
// line a quarter up the socket and the two bolt holes marked.
int jarf01sa_v1(BZI_WRT_PRM* w, const B* b)
{
    const double h = top(b), m = b->d3 * k, r = b->d1 / 2;
    tagRPT* P = data;
    P[0] = {r, -b->d5 / 2};
    P[1] = {-r, -b->d5 / 2};
    P[2] = {-r, h};
    P[3] = {r, h};
    P[4] = {-r, b->d5 / 4};
    const tagRPT m1 = {b->d1 / -3.0, b->d2};
    const tagRPT m2 = {-m1.x, b->d2};
    Out o(w);
    return o.code(kBody).seg(P[0], P[1]) ||
           o.code(kEnd1).seg(P[1], P[2]) ||
           o.code(kBody).seg(P[2], P[3]) ||
           o.code(kEnd2).seg(P[3], P[0]) ||
           o.code(kBody).seg(P[4], pt(r, b->d5 / 4)) ||
           x_mark(o, m1, m) ||
           x_mark(o, m2, m);
}

// Views 2 and 5: the socket end on, a d1 by d5 box; view 5 adds the lines of
// the socket's rim and flange seen through the end face.
int jarf01sa_v2(BZI_WRT_PRM* w, const B* b)
{
    const double r = b->d1 / 2;
    tagRPT* P = data;
    P[0] = {r, -b->d5 / 2};
    P[1] = {-r, -b->d5 / 2};
    P[2] = {-r, b->d5 / 2};
    P[3] = {r, b->d5 / 2};
    Out o(w);
    if (o.code(kBody).seg(P[0], P[1]) ||
        o.code(kEnd1).seg(P[1], P[2]) ||
        o.code(kBody).seg(P[2], P[3]) ||
        o.code(kEnd2).seg(P[3], P[0]))
        return 1;
    if (view_no(w) != 5) return 0;
    const double y5 = -0.5 * b->d5 * s;
    return o.seg(-r, y5, r, y5) ||
           o.seg(-r, -y5, r, -y5) ||
           o.seg(-r, -b->d5 / 4, r, -b->d5 / 4) ||
           o.seg(-r, b->d5 / 4, r, b->d5 / 4);
}

// Views 3 and 4: looking down the socket, its face a pair of circles (outside
// and bore), the stub a trapezium standing on them. View 3 sees the second
// end, view 4 the first.
int jarf01sa_v3(BZI_WRT_PRM* w, const B* b)
{
    const double h = top(b);
    tagRPT* Q = data;
    Q[0] = {-0.5 * b->d5 * s, b->d5 / 4};
    Q[1] = {-b->d5 / 4, h};
    Q[2] = {b->d5 / 4, h};
    Q[3] = {0.5 * b->d5 * s, b->d5 / 4};
    Out o(w);
    return o.code(view_no(w) == 3 ? kEnd2 : kEnd1).run(Q, {0, 1, 2, 3}) ||
           o.circle({0, 0}, b->d5 / 2) ||
           o.circle({0, 0}, b->d5 / 2 - b->d9);
}

// Views 6 and 7: the socket face turned 45 degrees (an ellipse k wide), the
// stub turned with it; view 7 is view 6 mirrored in x, its end codes exchanged.
int jarf01sa_v6(BZI_WRT_PRM* w, const B* b)
{
    const double sg = view_no(w) == 6 ? 1.0 : -1.0;
    const double h = top(b), a = (b->d1 / 2) * k, R = b->d5 / 2;
    const int c6 = sg > 0 ? kEnd2 : kEnd1, c7 = sg > 0 ? kEnd1 : kEnd2;
    tagRPT* P = data;
    P[0] = {sg * a, -R};
    P[1] = {-sg * a, -R};
    P[2] = {sg * a, 0};
    P[3] = {-sg * a, 0};
    P[4] = {sg * (a - R * s * k), b->d5 / 4};
    P[5] = {P[4].x - sg * b->d1 * k, b->d5 / 4};
    P[6] = {sg * (a - (b->d5 / 4) * k), h};
    P[7] = {P[6].x - sg * b->d1 * k, h};
    P[8] = {sg * (a + (b->d5 / 4) * k), h};
    P[9] = {sg * (a + R * s * k), b->d5 / 4};
    const tagRELL face = ell(P[3], R * k, R, 0);
    Out o(w);
    const tagRPT arc_from = sg > 0 ? P[5] : P[1], arc_to = sg > 0 ? P[1] : P[5];
    return o.code(kBody).seg(P[0], P[1]) ||
           o.seg(P[4], P[5]) ||
           o.seg(P[6], P[7]) ||
           o.code(c6).seg(P[8], P[9]) ||
           o.seg(P[4], P[6]) ||
           o.code(c7).seg(P[5], P[7]) ||
           o.code(c6).seg(P[6], P[8]) ||
           o.ellipse(P[2], R * k, R, 0) ||
           o.ellipse(P[2], (R - b->d9) * k, R - b->d9, 0) ||
           o.code(c7).earc(face, arc_from, arc_to);
}

constexpr ViewFn<B> kViews[8] = {nullptr,     jarf01sa_v1, jarf01sa_v2, jarf01sa_v3,
                                 jarf01sa_v3, jarf01sa_v2, jarf01sa_v6, jarf01sa_v6};

int proc_list[kProcListLen] = {25, 25, 51, 52, 25, 61, 62};
constinit BZI_COM_PRM com = com_block(26, 3, {0x00, 0x00, 0x50, 0x01, 0x09, 0x00, 0x01, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf01sa_info() { return {"jarft01sa0", view_mask(kViews), 1, kSample, 0, last_record, table_keys<table>}; }

extern "C" int jarft01sa0(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample, head->size_a));
    last = &b;

    BZI_COM_PRM& c = com;
    set_points(c, head, kRefSocket, Pt::A, Pt::D, Pt::B);
    set_pair(c, 0, b.size, b.d5);
    set_pair(c, 1, b.size, b.d5);
    clear_pair(c, 2);
    clear_pair(c, 3);
    c.dbl[0] = b.d1 * 0.5;
    c.dbl[1] = b.d1 * 0.5;
    c.dbl[2] = 1.5 * b.d3 + b.d2;
    c.dbl[3] = 0.0;
    set_triples(c, head, 7, Pt::A, Pt::B, Pt::D);
    // Placed by hand rather than from points, the stub's far end is D, not B.
    if (set->len_from_pts == 0) c.triples[2][1] = c.triples[3][1] = &head->pt_d;
    c.rec[2].value = b.d5;
    c.rec[3].value = b.d5;

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
