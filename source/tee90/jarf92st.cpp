// Short 90-degree tee with a long branch spigot.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"

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

// View codes 1 to 7, 10 and 11; the outlines fill their slots.
constexpr ViewFn<B> kViews[12] = {};

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
