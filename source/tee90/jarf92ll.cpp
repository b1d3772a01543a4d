// 90-degree tee with a long spigot branch.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"

namespace {

using B = ARF_SIZE2;

constexpr Row2Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16> r;
constinit Table2<B, 5, 14> table = table2<5, 14>(
    r(40, 40, 65.6f, 48.6f, 75, 55, 87, 255, 3.5f, 3.5f, 88, 120, 48.6f, 32, 20, 182, 57.2f),
    r(50, 40, 79.5f, 60.5f, 80, 60, 109, 304, 2.8f, 3.8f, 127, 120, 48.6f, 49, 20, 190, 80),
    r(50, 50, 79.5f, 60.5f, 80, 60, 106, 290, 2.8f, 3.8f, 104, 130, 60.5f, 46, 20, 206, 76.2f),
    r(65, 40, 100, 76.3f, 105, 75, 114, 298, 2.8f, 4.2f, 127, 120, 48.6f, 39, 20, 190, 80),
    r(65, 50, 100, 76.3f, 105, 75, 114, 309, 2.8f, 4.2f, 139, 130, 60.5f, 39, 20, 220, 100),
    r(65, 65, 100, 76.3f, 105, 75, 125, 290, 2.8f, 4.2f, 111, 155, 76.3f, 50, 20, 207, 63.5f),
    r(80, 40, 114, 89.1f, 105, 75, 115, 304, 2.8f, 4.2f, 127, 120, 48.6f, 40, 20, 190, 80),
    r(80, 50, 114, 89.1f, 105, 75, 115, 315, 2.8f, 4.2f, 139, 130, 60.5f, 40, 20, 220, 100),
    r(80, 65, 114, 89.1f, 105, 75, 127, 342, 2.8f, 4.2f, 151, 155, 76.3f, 52, 20, 245, 130),
    r(80, 80, 114, 89.1f, 105, 75, 127, 310, 2.8f, 4.2f, 128, 180, 89.1f, 52, 20, 230, 76.2f),
    r(100, 40, 138.3f, 114.3f, 105, 75, 120, 305, 3.5f, 4.5f, 118, 120, 48.6f, 45, 20, 190, 80),
    r(100, 50, 138.3f, 114.3f, 105, 75, 116, 316, 3.5f, 4.5f, 112, 130, 60.5f, 41, 20, 220, 100),
    r(100, 65, 138.3f, 114.3f, 105, 75, 123, 338, 3.5f, 4.5f, 124, 155, 76.3f, 48, 20, 245, 130),
    r(100, 80, 138.3f, 114.3f, 105, 75, 124, 354, 3.5f, 4.5f, 142, 180, 89.1f, 49, 20, 270, 160));

constexpr int kSample1 = 65, kSample2 = 50;

// View codes 1 to 7, 10 and 11; the outlines fill their slots.
constexpr ViewFn<B> kViews[12] = {};

int proc_list[kProcListLen] = {37, 44, 47, 48, 44, 54, 55, 0, 0, 200, 201};
constinit BZI_COM_PRM com = com_block(1, 3, {0x00, 0x00, 0x50, 0x00, 0x07, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf92ll_info()
{
    return {"jarft92ll0", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft92ll0(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_c));
    last = &b;
    set_len(head, b, straight_len(head, set,
                                  {.pts = b.d6 - b.d13, .sample = 270.0, .floor = b.d6 - b.d13,
                                   .cap = 3000.0 - b.d13, .from = 10, .to = 11,
                                   .factor = 0.707106781, .divide = true}));

    BZI_COM_PRM& c = com;
    set_tee90(c, head, b, b.d2, b.d1, b.d11);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    c.dbl[2] = b.d15;

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
