// 90-degree tee with a stepped hub on the run; large branches take the socket
// block of the large-branch outlines.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "jarf92lc.h"

namespace {

using B = ARF_SIZE2;

constexpr Row2Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 18, 19> r;
constinit Table2<B, 5, 19> table = table2<5, 19>(
    r(80, 50, 180, 89.1f, 14, 60, 100, 340, 2.8f, 0, 99, 79.5f, 60.5f, 80, 60, 197, 3.8f, 137),
    r(80, 65, 180, 89.1f, 14, 80, 130, 370, 2.8f, 0, 111, 100, 76.3f, 105, 75, 232, 4.2f, 157),
    r(80, 80, 180, 89.1f, 14, 90, 76.2f, 350, 2.8f, 0, 128, 114, 89.1f, 105, 75, 265, 4.2f, 190),
    r(100, 50, 200, 114.3f, 16, 60, 100, 335, 3.5f, 0, 112, 79.5f, 60.5f, 80, 60, 210, 3.8f, 150),
    r(100, 65, 200, 114.3f, 16, 80, 130, 370, 3.5f, 0, 124, 100, 76.3f, 105, 75, 245, 4.2f, 170),
    r(100, 80, 200, 114.3f, 16, 90, 160, 395, 3.5f, 0, 142, 114, 89.1f, 105, 75, 276, 4.2f, 201),
    r(100, 100, 200, 114.3f, 16, 120, 101.6f, 410, 3.5f, 0, 157, 138.3f, 89.1f, 105, 75, 304, 4.5f, 229),
    r(125, 65, 235, 139.8f, 16, 80, 63.5f, 380, 3.5f, 0, 146, 100, 76.3f, 105, 75, 277, 4.2f, 202),
    r(125, 80, 235, 139.8f, 16, 90, 76.2f, 400, 3.5f, 0, 153, 114, 89.1f, 105, 75, 290, 4.2f, 215),
    r(125, 100, 235, 139.8f, 16, 120, 101.6f, 440, 3.5f, 0, 168, 138.3f, 114.3f, 105, 75, 315, 4.5f, 240),
    r(125, 125, 235, 139.8f, 16, 140, 127, 480, 3.5f, 0, 186, 164.8f, 139.8f, 115, 85, 354, 4.5f, 269),
    r(150, 80, 265, 165.2f, 18, 90, 76.2f, 435, 3.7f, 0, 168, 114, 89.1f, 105, 75, 305, 4.2f, 230),
    r(150, 100, 265, 165.2f, 18, 120, 101.6f, 500, 3.7f, 0, 188, 138.3f, 114.3f, 105, 75, 335, 4.5f, 260),
    r(150, 125, 265, 165.2f, 18, 140, 127, 545, 3.7f, 0, 202, 164.8f, 139.8f, 115, 85, 370, 4.5f, 285),
    r(150, 150, 265, 165.2f, 18, 170, 152.4f, 610, 3.7f, 370, 217, 184, 0, 0, 0, 370, 0, 0),
    r(200, 100, 320, 216.3f, 20, 120, 101.6f, 465, 4.5f, 0, 208, 138.3f, 114.3f, 105, 75, 355, 4.5f, 280),
    r(200, 125, 320, 216.3f, 20, 140, 127, 550, 4.5f, 0, 227, 164.8f, 139.8f, 115, 85, 395, 4.5f, 310),
    r(200, 150, 320, 216.3f, 20, 170, 152.4f, 615, 4.5f, 400, 247, 184, 0, 0, 0, 400, 0, 0),
    r(200, 200, 320, 216.3f, 20, 220, 203, 730, 4.5f, 450, 276, 239, 0, 0, 0, 450, 0, 0));

constexpr int kSample1 = 65, kSample2 = 50;

// Dispatchers: the branch size alone chooses between the socketed branch and
// the large one (lco_large); the run size plays no part.
using Outline = int (*)(BZI_WRT_PRM*, const ALF_SIZE*, const B*);

int dispatch(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b, Outline small, Outline large)
{
    const Outline f = lco_large(w->head->view_no, b->branch_size) ? large : small;
    return f(w, a, b) != 0 ? 1 : 0;
}

int jarf92lc_v1(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b) { return dispatch(w, a, b, jarf92lc_v1s, jarf92lc_v1b); }
int jarf92lc_v3(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b) { return dispatch(w, a, b, jarf92lc_v3s, jarf92lc_v3b); }
int jarf92lc_v6(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b) { return dispatch(w, a, b, jarf92lc_v6s, jarf92lc_v6b); }
int jarf92lc_v10(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    return dispatch(w, a, b, jarf92lc_v10s, jarf92lc_v10b);
}

// Views 2 and 5; view 5 faces the hub, on which the host then marks the bolt holes.
int jarf92lc_v2(BZI_WRT_PRM* w, const ALF_SIZE* a, const B* b)
{
    if (dispatch(w, a, b, jarf92lc_v2s, jarf92lc_v2b)) return 1;
    if (w->head->view_no == 5) {
        const BoltCircle c = lco_bolts(b->main_size);
        peke(0.0, 0.0, c.a, c.n, c.w, &bzi_wrt_t);
    }
    return 0;
}

constexpr ViewFnAlf<B> kViews[12] = {nullptr,     jarf92lc_v1, jarf92lc_v2, jarf92lc_v3, jarf92lc_v3,  jarf92lc_v2,
                                     jarf92lc_v6, jarf92lc_v6, nullptr,     nullptr,     jarf92lc_v10, jarf92lc_v10};

int proc_list[kProcListLen] = {29, 44, 70, 71, 44, 72, 73, 0, 0, 200, 201};
constinit BZI_COM_PRM com = com_block(1, 3, {0x00, 0x00, 0x50, 0x00, 0x07, 0x01, 0x00, 0x00}, 4);
HENKAN len_conv{};  // carries only the length scale to arfset2
ALF_SIZE alf{};     // filled for branches over 125 only

const B* last = nullptr;
// A branch above 125 adds its block's socket length, width and wall (a2, a5,
// a9) as d21 to d23: the solid of that branch is built from them.
int last_record(ArfRecordView* out)
{
    if (view_of(last, out) != 0) return 1;
    if (last->branch_size > 125)
        for (double v : {alf.d2, alf.d5, alf.d9}) out->d[out->nd++] = v;
    return 0;
}

}  // namespace

EntryInfo jarf92lc_info()
{
    return {"jarft92lco", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft92lco(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    // A sample keeps the scale of the last real part.
    if (set->sample_flag != 1) len_conv.scale = set->len_scale;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_c));
    last = &b;
    const bool large = b.branch_size > 125;
    if (large) jalfbsiz(&alf, b.branch_size);
    if (arfset2(&b, head, set, &len_conv) != 0) return 1;

    BZI_COM_PRM& c = com;
    set_tee90(c, head, b, b.d2, b.d1, large ? alf.d5 : b.d11);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d4 + b.d3;
    c.dbl[2] = large ? b.d8 : b.d15;
    c.dbl[3] = 0.0;

    return run_stages(head, set, &c, proc_list, kViews, &alf, &b);
}
