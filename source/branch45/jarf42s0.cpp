// 45-degree branch with socket ends on run and branch.
#include "arftable.h"
#include "branch45.h"
#include "catalog.h"
#include "comblock.h"
#include "frame.h"
#include "lenrule.h"

namespace {

using B = ARF_SIZE2;

constexpr Row2Of<B, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 17, 18> r;
constinit Table2<B, 11, 61> table = table2<11, 61>(
    r(40, 40, 65.6f, 48.6f, 75, 55, 175, 250, 3.5f, 3.5f, 78, 65.6f, 48.6f, 75, 55, 175, 3.5f, 3.5f),
    r(50, 40, 79.5f, 60.5f, 80, 60, 200, 270, 2.8f, 3.8f, 97, 65.6f, 48.6f, 75, 55, 180, 3.5f, 3.5f),
    r(50, 50, 79.5f, 60.5f, 80, 60, 210, 280, 2.8f, 3.8f, 97, 79.5f, 60.5f, 80, 60, 195, 2.8f, 3.5f),
    r(65, 40, 100, 76.3f, 105, 75, 220, 275, 2.8f, 4.2f, 126, 65.6f, 48.6f, 75, 55, 195, 3.5f, 3.5f),
    r(65, 50, 100, 76.3f, 105, 75, 225, 280, 2.8f, 4.2f, 126, 79.5f, 60.5f, 80, 60, 205, 2.8f, 3.8f),
    r(65, 65, 100, 76.3f, 105, 75, 235, 290, 2.8f, 4.2f, 126, 100, 76.3f, 105, 75, 235, 2.8f, 4.2f),
    r(80, 40, 114, 89.1f, 105, 75, 225, 280, 2.8f, 4.2f, 145, 65.6f, 48.6f, 75, 55, 200, 3.5f, 3.5f),
    r(80, 50, 114, 89.1f, 105, 75, 230, 285, 2.8f, 4.2f, 145, 79.5f, 60.5f, 80, 60, 210, 2.8f, 3.8f),
    r(80, 65, 114, 89.1f, 105, 75, 245, 300, 2.8f, 4.2f, 145, 100, 76.3f, 105, 75, 245, 2.8f, 4.2f),
    r(80, 80, 114, 89.1f, 105, 75, 255, 310, 2.8f, 4.2f, 145, 114, 89.1f, 105, 75, 255, 2.8f, 4.2f),
    r(100, 40, 138.3f, 114.3f, 105, 75, 240, 295, 3.5f, 4.5f, 183, 65.6f, 48.6f, 75, 55, 220, 3.5f, 3.5f),
    r(100, 50, 138.3f, 114.3f, 105, 75, 245, 300, 3.5f, 4.5f, 183, 79.5f, 60.5f, 80, 60, 215, 2.8f, 3.8f),
    r(100, 65, 138.3f, 114.3f, 105, 75, 255, 310, 3.5f, 4.5f, 183, 100, 76.3f, 105, 75, 265, 2.8f, 4.2f),
    r(100, 80, 138.3f, 114.3f, 105, 75, 260, 315, 3.5f, 4.5f, 183, 114, 89.1f, 105, 75, 265, 2.8f, 4.2f),
    r(100, 100, 138.3f, 114.3f, 105, 75, 285, 340, 3.5f, 4.5f, 183, 138.3f, 114.3f, 105, 75, 285, 3.5f, 4.5f),
    r(125, 40, 164.8f, 139.8f, 115, 85, 260, 325, 3.5f, 4.5f, 221, 65.6f, 48.6f, 75, 55, 240, 3.5f, 3.5f),
    r(125, 50, 164.8f, 139.8f, 115, 85, 270, 335, 3.5f, 4.5f, 221, 79.5f, 60.5f, 80, 60, 250, 2.8f, 3.8f),
    r(125, 65, 164.8f, 139.8f, 115, 85, 280, 345, 3.5f, 4.5f, 221, 100, 76.3f, 105, 75, 285, 2.8f, 4.2f),
    r(125, 80, 164.8f, 139.8f, 115, 85, 290, 355, 3.5f, 4.5f, 221, 114, 89.1f, 105, 75, 290, 2.8f, 4.2f),
    r(125, 100, 164.8f, 139.8f, 115, 85, 305, 370, 3.5f, 4.5f, 221, 138.3f, 114.3f, 105, 75, 300, 3.5f, 4.5f),
    r(125, 125, 164.8f, 139.8f, 115, 85, 325, 390, 3.5f, 4.5f, 221, 164.8f, 139.8f, 115, 85, 325, 3.5f, 4.5f),
    r(150, 40, 5, 165.2f, 153, 76.5f, 275, 410, 3.7f, 17.4f, 0, 65.6f, 48.6f, 75, 55, 255, 3.5f, 3.5f),
    r(150, 50, 5, 165.2f, 153, 76.5f, 280, 430, 3.7f, 17.4f, 0, 79.5f, 60.5f, 80, 60, 270, 2.8f, 3.8f),
    r(150, 65, 5, 165.2f, 153, 76.5f, 290, 450, 3.7f, 17.4f, 0, 100, 76.3f, 105, 75, 300, 2.8f, 4.2f),
    r(150, 80, 5, 165.2f, 153, 76.5f, 295, 470, 3.7f, 17.4f, 0, 114, 89.1f, 105, 75, 310, 2.8f, 4.2f),
    r(150, 100, 5, 165.2f, 153, 76.5f, 310, 500, 3.7f, 17.4f, 0, 138.3f, 114.3f, 105, 75, 320, 3.5f, 4.5f),
    r(150, 125, 5, 165.2f, 153, 76.5f, 325, 530, 3.7f, 17.4f, 0, 164.8f, 139.8f, 115, 85, 345, 3.5f, 4.5f),
    r(150, 150, 5, 165.2f, 153, 76.5f, 340, 560, 3.7f, 330, 0, 165.2f, 0, 0, 0, 330, 3.7f, 5),
    r(200, 40, 5.8f, 216.3f, 153, 76.5f, 305, 400, 4.5f, 21.85f, 0, 65.6f, 48.6f, 75, 55, 290, 3.5f, 3.5f),
    r(200, 50, 5.8f, 216.3f, 153, 76.5f, 315, 420, 4.5f, 21.85f, 0, 79.5f, 60.5f, 80, 60, 300, 2.8f, 3.8f),
    r(200, 65, 5.8f, 216.3f, 153, 76.5f, 325, 440, 4.5f, 21.85f, 0, 100, 76.3f, 105, 75, 335, 2.8f, 4.2f),
    r(200, 80, 5.8f, 216.3f, 153, 76.5f, 335, 460, 4.5f, 21.85f, 0, 114, 89.1f, 105, 75, 340, 2.8f, 4.2f),
    r(200, 100, 5.8f, 216.3f, 153, 76.5f, 345, 480, 4.5f, 21.85f, 0, 138.3f, 114.3f, 105, 75, 360, 3.5f, 4.5f),
    r(200, 125, 5.8f, 216.3f, 153, 76.5f, 360, 540, 4.5f, 21.85f, 0, 164.8f, 139.8f, 115, 85, 380, 3.5f, 4.5f),
    r(200, 150, 5.8f, 216.3f, 153, 76.5f, 375, 570, 4.5f, 370, 0, 165.2f, 0, 0, 0, 370, 3.7f, 5),
    r(200, 200, 5.8f, 216.3f, 153, 76.5f, 410, 640, 4.5f, 400, 0, 216.3f, 0, 0, 0, 400, 4.5f, 5.8f),
    r(250, 50, 6.6f, 267.4f, 0, 0, 330, 640, 6.6f, 0, 0, 79.5f, 60.5f, 80, 60, 340, 2.8f, 3.8f),
    r(250, 65, 6.6f, 267.4f, 0, 0, 360, 640, 6.6f, 0, 0, 100, 76.3f, 105, 75, 360, 2.8f, 4.2f),
    r(250, 80, 6.6f, 267.4f, 0, 0, 380, 640, 6.6f, 0, 0, 114, 89.1f, 105, 75, 377, 2.8f, 4.2f),
    r(250, 100, 6.6f, 267.4f, 0, 0, 400, 640, 6.6f, 0, 0, 138.3f, 114.3f, 105, 75, 390, 3.5f, 4.5f),
    r(250, 125, 6.6f, 267.4f, 0, 0, 430, 640, 6.6f, 0, 0, 164.8f, 139.8f, 115, 85, 415, 3.5f, 4.5f),
    r(250, 150, 6.6f, 267.4f, 0, 0, 500, 640, 6.6f, 470, 0, 165.2f, 0, 0, 0, 470, 3.7f, 0),
    r(250, 200, 6.6f, 267.4f, 0, 0, 540, 640, 6.6f, 500, 0, 216.3f, 0, 0, 0, 500, 4.5f, 5.8f),
    r(250, 250, 6.6f, 267.4f, 0, 0, 700, 640, 6.6f, 610, 0, 267.4f, 0, 0, 0, 610, 6.6f, 6.6f),
    r(300, 40, 6.9f, 318.5f, 0, 0, 340, 640, 6.9f, 0, 0, 65.6f, 48.6f, 75, 55, 365, 3.5f, 3.5f),
    r(300, 50, 6.9f, 318.5f, 0, 0, 350, 640, 6.9f, 0, 0, 79.5f, 60.5f, 80, 60, 375, 2.8f, 3.8f),
    r(300, 65, 6.9f, 318.5f, 0, 0, 390, 640, 6.9f, 0, 0, 100, 76.3f, 105, 75, 405, 2.8f, 4.2f),
    r(300, 80, 6.9f, 318.5f, 0, 0, 410, 640, 6.9f, 0, 0, 114, 89.1f, 105, 75, 415, 2.8f, 4.2f),
    r(300, 100, 6.9f, 318.5f, 0, 0, 420, 640, 6.9f, 0, 0, 138.3f, 114.3f, 105, 75, 425, 3.5f, 4.5f),
    r(300, 125, 6.9f, 318.5f, 0, 0, 450, 640, 6.9f, 0, 0, 164.8f, 139.8f, 115, 85, 450, 3.5f, 4.5f),
    r(300, 150, 6.9f, 318.5f, 0, 0, 530, 640, 6.9f, 510, 0, 165.2f, 0, 0, 0, 510, 3.7f, 0),
    r(300, 200, 6.9f, 318.5f, 0, 0, 580, 640, 6.9f, 540, 0, 216.3f, 0, 0, 0, 540, 4.5f, 5.8f),
    r(300, 250, 6.9f, 318.5f, 0, 0, 750, 640, 6.9f, 655, 0, 267.4f, 0, 0, 0, 655, 6.6f, 6.6f),
    r(300, 300, 6.9f, 318.5f, 0, 0, 750, 640, 6.9f, 685, 0, 318.5f, 0, 0, 0, 685, 6.9f, 6.9f),
    r(350, 100, 7.9f, 355.6f, 0, 0, 420, 640, 7.9f, 0, 0, 138.3f, 114.3f, 105, 75, 445, 3.5f, 4.5f),
    r(350, 125, 7.9f, 355.6f, 0, 0, 460, 640, 7.9f, 0, 0, 164.8f, 139.8f, 115, 85, 470, 3.5f, 4.5f),
    r(350, 150, 7.9f, 355.6f, 0, 0, 450, 640, 7.9f, 460, 0, 165.2f, 0, 0, 0, 460, 3.7f, 0),
    r(350, 200, 7.9f, 355.6f, 0, 0, 480, 640, 7.9f, 485, 0, 216.3f, 0, 0, 0, 485, 4.5f, 5.8f),
    r(350, 250, 7.9f, 355.6f, 0, 0, 600, 640, 7.9f, 570, 0, 267.4f, 0, 0, 0, 570, 6.6f, 6.6f),
    r(350, 300, 7.9f, 355.6f, 0, 0, 630, 640, 7.9f, 595, 0, 318.5f, 0, 0, 0, 595, 6.9f, 6.9f),
    r(350, 350, 7.9f, 355.6f, 0, 0, 660, 640, 7.9f, 610, 0, 355.6f, 0, 0, 0, 610, 7.9f, 7.9f));

constexpr int kSample1 = 65, kSample2 = 50;

// Dispatch by size class: a branch from 150 has no socket (large-branch
// outlines), a run from 150 has none either (large-run outlines), below both
// the small family draws. Sizes compare as the record's signed 16-bit values.
using Outline = int (*)(BZI_WRT_PRM*, const B*);
int by_class(BZI_WRT_PRM* w, const B* b, Outline large_branch, Outline large_run, Outline small)
{
    const Outline f = b->branch_size >= 150 ? large_branch : b->main_size >= 150 ? large_run : small;
    return f(w, b) != 0 ? 1 : 0;
}

int jarf42s0_v1(BZI_WRT_PRM* w, const B* b) { return by_class(w, b, jalf42s01, ar400a, ar420a); }

// View 5 of a large run with a small branch stays with the small function,
// which reads the large-run layout of the record.
int jarf42s0_v2(BZI_WRT_PRM* w, const B* b)
{
    return by_class(w, b, jalft41y_v2, w->head->view_no == 2 ? ar400a_v2 : ar420a_v2, ar420a_v2);
}

int jarf42s0_v3(BZI_WRT_PRM* w, const B* b) { return by_class(w, b, jalft41y_v3, ar400a_v3, ar420a_v3); }
int jarf42s0_v6(BZI_WRT_PRM* w, const B* b) { return by_class(w, b, jalft41y_v6, ar400a_v6, ar420a_v6); }

// Views 8 and 9 look along the branch: only the run's size class counts.
int jarf42s0_v8(BZI_WRT_PRM* w, const B* b)
{
    return (b->main_size < 150 ? ar420h(w, b) : jalft41y_v8(w, b)) != 0 ? 1 : 0;
}

int jarf42s0_v10(BZI_WRT_PRM* w, const B* b) { return by_class(w, b, jalft41y_v10, ar400a_v10, ar420h_v10); }
int jarf42s0_v12(BZI_WRT_PRM* w, const B* b) { return by_class(w, b, jalft41y_v12, ar400a_v12, ar420h_v12); }

// View codes 1 to 13; 2/5, 3/4, 6/7, 8/9, 10/11 and 12/13 share a dispatcher.
constexpr ViewFn<B> kViews[14] = {
    nullptr,      jarf42s0_v1,  jarf42s0_v2,  jarf42s0_v3,  jarf42s0_v3,  jarf42s0_v2,  jarf42s0_v6,
    jarf42s0_v6,  jarf42s0_v8,  jarf42s0_v8,  jarf42s0_v10, jarf42s0_v10, jarf42s0_v12, jarf42s0_v12};

// The host's list stops at view 11 although the table serves 12 and 13.
int proc_list[kProcListLen] = {27, 44, 47, 48, 44, 54, 55, 0, 0, 200, 201};
constinit BZI_COM_PRM com = com_block(1, 3, {0x00, 0x00, 0x50, 0x00, 0x08, 0x01, 0x00, 0x00}, 4);

const B* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

double branch_len(const HEADTBL* head, const SHOKICH* set, const B& b)
{
    double x = straight_len(head, set,
                            {.pts = b.d5, .sample = 280.0, .floor = b.d6 - b.d5,
                             .cap = 3000.0 - b.d5, .from = 10, .to = 11, .factor = 1.414213562});
    // The run must clear the branch socket, and never shrink below 10.
    const double clear = b.d11 * 0.5 * 1.414213562 + 10.0 - b.d2 * 0.5;
    if (clear > x) x = clear;
    if (10.0 > x) x = 10.0;
    return x;
}

}  // namespace

EntryInfo jarf42s0_info()
{
    return {"jarft42s00", view_mask(kViews), 2, kSample1, kSample2, last_record, table_keys<table>};
}

extern "C" int jarft42s00(HEADTBL* head, SHOKICH* set)
{
    bzi_wrt_t.head = head;
    B& b = table.select(pick_size(set, kSample1, head->size_a), pick_size(set, kSample2, head->size_c));
    last = &b;
    set_len(head, b, branch_len(head, set, b));

    BZI_COM_PRM& c = com;
    // Runs from 150 up have no separate hub diameter.
    set_tee(c, head, kRef45, b, b.d2, b.main_size >= 150 ? b.d2 : b.d1, b.d11);
    clear_pair(c, 3);
    c.dbl[0] = b.d10;
    c.dbl[1] = b.d5;
    c.dbl[2] = b.branch_size >= 150 ? b.d8 : b.d15;
    set_triples(c, head, 13, Pt::A, Pt::B, Pt::D);

    return run_stages(head, set, &c, proc_list, kViews, &b);
}
