// 90-degree bend with socket ends.
#include "arftable.h"
#include "borrowed.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"

namespace {

using B = ARF_SIZE1_HALF;

constexpr Row1Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 9> r;
constinit Table1<B, 11> table = table1<11>(
    r(40, 65.6f, 48.6f, 75, 55, 133, 188, 3.5f, 3.5f, 78),
    r(50, 79.5f, 60.5f, 80, 60, 157, 207, 2.8f, 3.8f, 97),
    r(65, 100, 76.3f, 105, 75, 201, 226, 2.8f, 4.2f, 126),
    r(80, 114, 89.1f, 105, 75, 220, 245, 2.8f, 4.2f, 145),
    r(100, 138.3f, 114.3f, 105, 75, 258, 283, 3.5f, 4.5f, 183),
    r(125, 164.8f, 139.8f, 115, 85, 306, 341, 3.5f, 4.5f, 221),
    r(150, 165.25f, 165.25f, 150, 0, 379, 379, 3.7f, 3.7f, 379),
    r(200, 216.3f, 216.3f, 180, 0, 485, 485, 4.5f, 4.5f, 485),
    r(250, 267.4f, 267.4f, 150, 0, 531, 381, 6.6f, 6.6f, 381),
    r(300, 318.5f, 318.5f, 150, 0, 608, 458, 6.9f, 6.9f, 458),
    r(350, 355.5f, 355.5f, 150, 0, 684, 534, 7.9f, 7.9f, 534));

constexpr int kSample = 65;

// View codes 1 to 7, 10 and 11; the outlines fill their slots.
constexpr ViewFn<B> kViews[12] = {};

int proc_list[kProcListLen] = {22, 44, 45, 46, 56, 63, 64, 0, 0, 74, 75};
constinit BZI_COM_PRM com = com_block(0, 2, {0x00, 0x00, 0x50, 0x00, 0x00, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

}  // namespace

EntryInfo jarf91l0_info() { return {"jarft91l00", view_mask(kViews), 1, kSample, 0, last_record, table_keys<table>}; }

BendBlocks jarf91l0_blocks() { return {table.count, table.rec}; }

extern "C" int jarft91l00(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample, head->size_a));
    last = &b;
    set_len(head, b, bend_len(head, set, b, 10, 11));  // inclined views 10, 11

    BZI_COM_PRM& c = com;
    set_points(c, head, kRef90, Pt::A, Pt::C, Pt::B);
    set_pair(c, 0, b.size, b.d2);
    set_pair(c, 1, b.size, b.d1);
    clear_pair(c, 2);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    set_triples(c, head, 12, Pt::A, Pt::B, Pt::C);
    mark_size_class(c, b.size);

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
