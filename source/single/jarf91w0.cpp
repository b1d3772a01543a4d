// 90-degree reducing bend (and its alias jarft42w00).
#include <cstring>

#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"

namespace {

using B = ARF_SIZE2;

constexpr Row2Of<B, 1, 2, 3, 5, 6, 7, 11, 12, 13, 14, 15, 16, 18> r;
constinit Table2<B, 3, 4> table = table2<3, 4>(
    r(100, 80, 114.3f, 64, 240, 102, 424, 3.5f, 114, 89.1f, 105, 75, 511, 1000, 4.2f),
    r(125, 80, 139.8f, 79, 297, 127, 496, 3.5f, 114, 89.1f, 105, 75, 608, 1000, 4.2f),
    r(125, 100, 139.8f, 79, 297, 127, 496, 3.5f, 138.3f, 114.3f, 105, 75, 608, 1000, 4.5f),
    r(150, 100, 165.2f, 95, 354, 140, 579, 3.7f, 138.3f, 114.3f, 105, 75, 694, 1000, 4.5f));

constexpr int kSample1 = 100, kSample2 = 80;

// View codes 1 to 7; the outlines fill their slots.
constexpr ViewFn<B> kViews[8] = {};

int proc_list[kProcListLen] = {39, 44, 45, 46, 56, 63, 64};
constinit BZI_COM_PRM com = com_block(0, 2, {0x00, 0x00, 0x50, 0x00, 0x00, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf91w0_info()
{
    return {"jarft91w00", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}
// The alias draws exactly what jarft91w00 draws.
EntryInfo jarf42w0_info()
{
    return {"jarft42w00", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft91w00(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_b));
    last = &b;
    set_len(head, b, straight_len(head, set,
                                  {.pts = b.d6, .sample = 424.0, .floor = b.d6, .cap = 1000.0}));

    BZI_COM_PRM& c = com;
    set_points(c, head, kRef90, Pt::A, Pt::C, Pt::B);
    set_pair(c, 0, b.main_size, b.d1);
    set_pair(c, 1, b.branch_size, b.d11);
    clear_pair(c, 2);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d15;
    c.dbl[2] = c.dbl[3] = 0.0;
    set_triples(c, head, 7, Pt::A, Pt::B, Pt::C);

    return run_stages(head, set, &c, proc_list, kViews, &b);
}

// An older part code for the same fitting: the part is renamed and drawn as it.
extern "C" int jarft42w00(HEADTBL* head, SHOKICH* set)
{
    std::memcpy(head->part_code, "JARFT91W00", sizeof head->part_code);
    return jarft91w00(head, set);
}
