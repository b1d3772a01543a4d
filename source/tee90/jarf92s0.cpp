// Short 90-degree tee.
#include "arftable.h"
#include "borrowed.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"

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

// View codes 1 to 7, 10 and 11; the outlines fill their slots.
constexpr ViewFn<B> kViews[12] = {};

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
