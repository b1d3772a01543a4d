// The plug: a socket plug with a raised head, drawn end-on (view 1) and from the side (view 2).
#include <cstring>

#include "arfentry.h"
#include "arftable.h"
#include "catalog.h"
#include "elemout.h"
#include "frame.h"

namespace {

struct PLG_SIZE {
    int16_t size;
    double d1;  // outside diameter D
    double d2;  // length L
    double d3;
};

struct PlgTable {
    int32_t count;
    PLG_SIZE rec[5];
};

constinit PlgTable plg_table = {5,
                                {{40, 48.6f, 105.0, 0.0},
                                 {50, 60.5f, 105.0, 0.0},
                                 {65, 76.3f, 120.0, 0.0},
                                 {80, 89.1f, 120.0, 0.0},
                                 {100, 114.3f, 120.0, 0.0}}};

constexpr int kSample = 65;

// End view: the body circle and the slot across the head.
int jarfplg_v1(BZI_WRT_PRM* w, const PLG_SIZE* b)
{
    const double D = b->d1;
    Out o(w, kCopyPen);
    return o.code(kEnd1).circle({0, 0}, 0.5 * D) ||
           o.code(kBody)
               .intended(Intended::free_ends, "slot line across the plug's end face, inside its rim")
               .seg(0.25 * D, 0, -0.25 * D, 0);
}

// Side view: body and head as one open polyline, the end face, and the seam where the head sits.
int jarfplg_v2(BZI_WRT_PRM* w, const PLG_SIZE* b)
{
    const double D = b->d1, L = b->d2;
    tagRPT* P = data;
    P[0] = {-0.5 * D, -L};
    P[1] = {-0.5 * D, 0};
    P[2] = {-0.25 * D, 0};
    P[3] = {-0.25 * D, 0.3 * D};
    P[4] = {0.25 * D, 0.3 * D};
    P[5] = {0.25 * D, 0};
    P[6] = {0.5 * D, 0};
    P[7] = {0.5 * D, -L};
    Out o(w, kCopyPen);
    return o.code(kBody).run(P, {0, 1, 2, 3, 4, 5, 6, 7}) ||
           o.code(kEnd1).seg(P[0], P[7]) ||
           o.code(kBody).style(2).seg(P[2], P[5]);
}

constexpr ViewFn<PLG_SIZE> kViews[] = {nullptr, jarfplg_v1, jarfplg_v2};

int plg_proc_list[kProcListLen] = {51, 26};

BZI_COM_PRM plg_com = [] {
    BZI_COM_PRM c{};
    c.hdr0 = 6;
    c.hdr1 = 2;
    const uint8_t hdr[8] = {0x00, 0x00, 0x50, 0x00, 0x1E, 0x01, 0x01, 0x00};
    std::memcpy(c.hdr_bytes, hdr, sizeof hdr);
    c.rec[0] = {{1, 1, 0, 2}, 9, 3, 3, 0.0, 9, 0, 1049.0, 225.0, 1.0};
    c.rec[1] = {{1, 2, 0, 2}, 9, 3, 4, 0.0, 9, 0, 1049.0, 265.0, 1.3f};
    return c;
}();

const PLG_SIZE* last = nullptr;

int last_record(ArfRecordView* out)
{
    if (!last) return 1;
    *out = ArfRecordView{};
    out->nkeys = 1;
    out->keys[0] = last->size;
    out->nd = 3;
    out->d[0] = last->d1, out->d[1] = last->d2, out->d[2] = last->d3;
    return 0;
}

}  // namespace

static int plg_keys(int* first, int* second, int max)
{
    for (int i = 0; i < plg_table.count && i < max; ++i) {
        first[i] = plg_table.rec[i].size;
        second[i] = 0;
    }
    return plg_table.count;
}

EntryInfo jarfplg_info() { return {"jarft01plg", view_mask(kViews), 1, kSample, 0, last_record, plg_keys}; }

extern "C" int jarft01plg(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    const int s = pick_size(set, kSample, head->size_a);
    const int i = bracket(s, plg_table.count, [](int k) { return int{plg_table.rec[k].size}; });
    const PLG_SIZE* b = &plg_table.rec[i];
    last = b;

    BZI_COM_PRM& c = plg_com;
    c.rec[0].value = b->d1;
    c.pairs[0][0] = b->size;
    c.pairs[0][1] = trunc_dia(b->d1);
    for (int e = 1; e < 4; ++e) c.pairs[e][0] = c.pairs[e][1] = 0;
    c.dbl[0] = b->d2;
    c.dbl[1] = b->d1 * 0.5;
    c.dbl[2] = c.dbl[3] = 0.0;
    tagRPT3D* const A = &head->pt_a;
    tagRPT3D* const B = &head->pt_b;
    tagRPT3D* const C = &head->pt_c;
    c.triples[0][0] = A, c.triples[0][1] = C, c.triples[0][2] = B;
    c.triples[1][0] = A, c.triples[1][1] = B, c.triples[1][2] = C;

    return run_stages(head, set, &c, plg_proc_list, kViews, b);
}
