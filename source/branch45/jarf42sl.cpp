// 45-degree branch with a long spigot branch.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"

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

// View codes 1 to 7; the outlines fill their slots.
constexpr ViewFn<B> kViews[8] = {};

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
