// Reducer: two socket ends of different sizes joined by a straight part.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"

namespace {

using B = ARF_SIZE1;

// First size, second size (the second end's size inside the block), columns.
constexpr Row2Of<B, 1, 6, 7, 13, 14, 15, 16, 19, 20> r;
constinit Table2<B, 7, 14> table = table2<7, 14>(
    r(50, 40, 60.5f, 227, 2.8f, 65.6f, 48.6f, 75, 55, 3.5f, 3.5f),
    r(65, 50, 67.3f, 239, 2.8f, 79.5f, 60.5f, 80, 60, 2.8f, 3.8f),
    r(80, 50, 89.1f, 239, 2.8f, 79.5f, 60.5f, 80, 60, 2.8f, 3.8f),
    r(80, 65, 89.1f, 249, 2.8f, 100, 76.3f, 105, 75, 2.8f, 4.2f),
    r(100, 50, 114.3f, 252, 3.5f, 79.5f, 60.5f, 80, 60, 2.8f, 3.8f),
    r(100, 65, 114.3f, 262, 3.5f, 100, 76.3f, 105, 75, 2.8f, 4.2f),
    r(100, 80, 114.3f, 262, 3.5f, 114, 89.1f, 105, 75, 2.8f, 4.2f),
    r(125, 65, 139.8f, 307, 3.5f, 100, 76.3f, 105, 75, 2.8f, 4.2f),
    r(125, 80, 139.8f, 307, 3.5f, 114, 89.1f, 105, 75, 2.8f, 4.2f),
    r(125, 100, 139.8f, 307, 3.5f, 138.3f, 114.3f, 105, 75, 3.5f, 4.5f),
    r(150, 100, 165.2f, 320, 3.7f, 138.3f, 114.3f, 105, 75, 3.5f, 4.5f),
    r(150, 125, 165.2f, 320, 3.7f, 164.8f, 139.8f, 115, 85, 3.5f, 4.5f),
    r(200, 125, 216.3f, 363, 4.5f, 164.8f, 139.8f, 115, 85, 3.5f, 4.5f),
    r(200, 150, 239, 483, 0, 184, 0, 221.4f, 76.5f, 0, 0));

constexpr int kSample1 = 125, kSample2 = 65;

// View codes 1 to 7; the outlines fill their slots.
constexpr ViewFn<B> kViews[8] = {};

int proc_list[kProcListLen] = {35, 35, 51, 52, 35, 61, 62};
constinit BZI_COM_PRM com = com_block(2, 2, {0x00, 0x00, 0x50, 0x00, 0x05, 0x00, 0x00, 0x00}, 4);
HENKAN len_conv{};  // carries only the length scale to arfset

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf01sc_info()
{
    return {"jarft01sct", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft01sct(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    // A sample keeps the scale of the last real part.
    if (set->sample_flag != 1) len_conv.scale = set->len_scale;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_b));
    last = &b;
    if (arfset(&b, head, set, &len_conv) != 0) return 1;

    BZI_COM_PRM& c = com;
    set_points(c, head, kRefStraight, Pt::A, Pt::B, Pt::C);
    // A second end of 150 or more is a spigot of fixed make-up, whatever the table holds.
    const bool big = b.size2 >= 150;
    set_pair(c, 0, b.size, big ? 216 : b.d1);
    set_pair(c, 1, b.size2, big ? 165 : b.d13);
    c.dbl[0] = b.d10;
    c.dbl[1] = big ? 366.3 : 2 * b.d15;
    set_triples(c, head, 7, Pt::A, Pt::B, Pt::C);
    c.rec[2].value = b.size2;
    c.rec[3].value = b.size;

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
