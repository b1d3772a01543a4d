// Socket adaptor: one socket end on a flanged stub; no straight part of its own.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"

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

// View codes 1 to 7; the outlines fill their slots.
constexpr ViewFn<B> kViews[8] = {};

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
