// 45-degree branch with a stepped hub on the run; large branches take the
// socket block of the large-branch outlines.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"

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

// View codes 1 to 7; the outlines fill their slots.
constexpr ViewFnAlf<B> kViews[8] = {};

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
