// 45-degree bend with socket ends.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"

namespace {

using B = ARF_SIZE1_HALF;

constexpr Row1Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 9> r;
constinit Table1<B, 11> table = table1<11>(
    r(40, 65.6f, 48.6f, 75, 55, 99, 154, 3.5f, 3.5f, 44),
    r(50, 79.5f, 60.5f, 80, 60, 112, 162, 2.8f, 3.8f, 52),
    r(65, 100, 76.3f, 105, 75, 132, 157, 2.8f, 4.2f, 57),
    r(80, 114, 89.1f, 105, 75, 137, 162, 2.8f, 4.2f, 62),
    r(100, 138.3f, 114.3f, 105, 75, 148, 173, 3.5f, 4.5f, 73),
    r(125, 164.8f, 139.8f, 115, 85, 168, 203, 3.5f, 4.5f, 83),
    r(150, 165.25f, 165.25f, 150, 0, 214, 214, 3.7f, 3.7f, 214),
    r(200, 216.3f, 216.3f, 180, 0, 265, 265, 4.5f, 4.5f, 265),
    r(250, 267.4f, 267.4f, 150, 0, 308, 158, 6.6f, 6.6f, 158),
    r(300, 318.5f, 318.5f, 150, 0, 340, 190, 6.9f, 6.9f, 190),
    r(350, 355.5f, 355.5f, 150, 0, 371, 221, 7.9f, 7.9f, 221));

constexpr int kSample = 65;

// View codes 1 to 17 (8/9, 12/13 and 14 to 17 share functions); the outlines fill their slots.
constexpr ViewFn<B> kViews[18] = {};

int proc_list[kProcListLen] = {21, 44, 41, 42, 56, 63, 64, 202, 203, 123, 124, 204, 205};
constinit BZI_COM_PRM com = com_block(0, 2, {0x00, 0x00, 0x50, 0x00, 0x01, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf41l0_info() { return {"jarft41l00", view_mask(kViews), 1, kSample, 0, last_record, table_keys<table>}; }

extern "C" int jarft41l00(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample, head->size_a));
    last = &b;
    set_len(head, b, bend_len(head, set, b, 8, 255));  // inclined views from 8

    BZI_COM_PRM& c = com;
    set_points(c, head, kRef45, Pt::A, Pt::C, Pt::B);
    set_pair(c, 0, b.size, b.d2);
    set_pair(c, 1, b.size, b.d1);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    set_triples(c, head, 17, Pt::A, Pt::B, Pt::C);
    mark_size_class(c, b.size);

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
