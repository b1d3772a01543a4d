// Reducer: two socket ends of different sizes joined by a straight part.
#include "arftable.h"
#include "catalog.h"
#include "comblock.h"
#include "elemout.h"
#include "frame.h"
#include "outline.h"

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

// ---------------------------------------------------------------------------
// Outline. The reducer lies along x: the socket end of the second size on the
// right, its mouth at x = 2·d15, its hub narrowing to the second size's pipe at
// x = d15, a taper to the first size's spigot at x = 0, and the spigot on to
// its end face at x = -d10. A second end of 150 or more is a spigot of fixed
// make-up (rims of 108.15 and 82.6, steps at 216.3 and 366.3) whatever the
// record's columns hold.

constexpr double k = 0.707106781;

bool fixed_make(const B* b) { return b->size2 >= 150; }

// Side outline of the socket-ended reducer, x foreshortened by f (1 side-on, k
// receding): centre P0 and mouth P1 of the socket, hub P2..P5, pipe P6, taper
// to the spigot P7, spigot end P8; P9..P16 the far side back to the mouth;
// P17-P18 the socket bottom. Laid out from the mouth leftwards, then moved so
// that the spigot's root sits at x = 0.
void small_points(tagRPT* P, const B* b, double f)
{
    P[0] = {0, 0};
    P[1] = {0, b->d13 * 0.5};
    P[2] = {b->d16 * -0.6 * f, P[1].y};
    P[3] = {b->d16 * -0.8 * f, (b->d14 + b->d13) * 0.25};
    P[4] = {b->d16 * -f, P[3].y};
    P[5] = {(b->d15 * 0.125 + b->d16) * -f, b->d14 * 0.5};
    P[6] = {b->d15 * -f, P[5].y};
    P[7] = {(b->d15 + b->d15) * -f, 0.5 * b->d1};
    P[8] = {-f * b->d10, P[7].y};
    mirror_back_pts(P, 9, 8, 8);
    P[17] = {P[4].x, b->d14 * 0.4};
    P[18] = flip_y(P[17]);
    const double shift = b->d15 * 2 * f;
    for (int n = 0; n <= 18; ++n)
        if (n != 8 && n != 9) P[n].x += shift;
}

// Fixed make-up, x foreshortened by f: spigot end P0 (at x0) and root P1, step
// P2, end face P3-P4, and back along the far side P5..P7.
void fixed_points(tagRPT* P, double x0, double f)
{
    P[0] = {x0, -108.15};
    P[1] = {0, P[0].y};
    P[2] = {216.3 * f, -82.6};
    P[3] = {366.3 * f, P[2].y};
    P[4] = flip_y(P[3]);
    P[5] = {P[2].x, P[4].y};
    mirror_back_pts(P, 6, 1, 2);
}

// Views 1, 2 and 5: side-on, the same outline from every side.
int v1_small(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    small_points(P, b, 1.0);
    Out o(w);
    return o.code(kBody).run(P, {1, 2, 3, 4, 5, 6, 7, 8}) ||
           o.code(kEnd2).seg(P[8], P[9]) ||
           o.code(kBody).run(P, {9, 10, 11, 12, 13, 14, 15, 16}) ||
           o.code(kEnd1).seg(P[16], P[1]) ||
           o.code(kBody).style(2).seg(P[2], P[15]) ||
           o.seg(P[6], P[11]) || o.seg(P[7], P[10]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[17], P[18]);
}

int v1_fixed(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    fixed_points(P, -b->d10, 1.0);
    Out o(w, kCopyPen);
    return o.code(kBody).run(P, {0, 1, 2, 3}) ||
           o.code(kEnd2).seg(P[3], P[4]) ||
           o.code(kBody).run(P, {4, 5, 6, 7}) ||
           o.code(kEnd1).seg(P[7], P[0]) ||
           o.code(kBody).seg(P[2], P[5]) || o.seg(P[6], P[1]);
}

// Views 3 and 4: end-on, concentric rims. View 3 faces the socket mouth (mouth,
// its bore, and the spigot behind); view 4 the spigot end (spigot and its bore).
int v3_small(BZI_WRT_PRM* w, const B* b)
{
    const tagRPT c = {0, 0};
    Out o(w);
    if (w->head->view_no == 4) return o.code(kEnd1).circle(c, b->d1 * 0.5) || o.circle(c, b->d1 * 0.5 - b->d7);
    return o.code(kEnd2).circle(c, b->d13 * 0.5) || o.circle(c, b->d13 * 0.5 - b->d20) ||
           o.code(kEnd1).circle(c, b->d1 * 0.5);
}

int v3_fixed(BZI_WRT_PRM* w, const B*)
{
    const tagRPT c = {0, 0};
    Out o(w, kCopyPen);
    if (w->head->view_no == 4) return o.code(kEnd1).circle(c, 108.15);
    return o.code(kEnd1).circle(c, 108.15) || o.code(kEnd2).style(2).circle(c, 82.6);
}

// Views 6 and 7: the reducer recedes at 45 degrees, so each rim across it is
// an ellipse k·r wide and r high. View 6 faces the socket mouth and sees the
// near (left) halves of the steps behind it; view 7 faces the spigot end and
// sees the right halves, the socket mouth's only from behind.
int v6_small(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    small_points(P, b, k);
    const double r_mouth = b->d13 * 0.5, r_hub = (b->d14 + b->d13) * 0.25, r_pipe = b->d14 * 0.5,
                 r_spigot = b->d1 * 0.5;
    const tagRELL mouth = slant_rim(P[0].x, r_mouth, k), lip = slant_rim(P[2].x, r_mouth, k),
                  hub_in = slant_rim(P[3].x, r_hub, k), hub_out = slant_rim(P[4].x, r_hub, k),
                  neck = slant_rim(P[5].x, r_pipe, k), pipe = slant_rim(P[6].x, r_pipe, k),
                  root = slant_rim(P[7].x, r_spigot, k), end = slant_rim(P[8].x, r_spigot, k);
    // Where the hub's outer lines come out from behind the rims in front of them.
    P[25] = smaller_x(cross(line(P[3], P[4]), lip));
    P[28] = flip_y(P[25]);
    P[26] = smaller_x(cross(line(P[5], P[6]), hub_out));
    P[27] = flip_y(P[26]);
    Out o(w);
    if (w->head->view_no == 7) {
        // The spigot's root rim hides the taper's upper end.
        P[21] = smaller_y(cross(line(P[6], P[7]), root));
        P[22] = flip_y(P[21]);
        return o.code(kBody).run(P, {1, 2}) || o.run(P, {3, 4}) || o.run(P, {5, 6, 21}) ||
               o.seg(P[7], P[8]) ||
               o.code(kEnd2).ellipse(end) ||
               o.seg(P[9], P[10]) || o.seg(P[22], P[11]) || o.run(P, {11, 12}) || o.run(P, {13, 14}) ||
               o.run(P, {15, 16}) ||
               o.earc(lip, P[28], P[25]) ||
               // Where the neck line, extended, crosses the rim: at 150/125 and 200/125 past its end.
               o.intended(Intended::free_ends, "hub rim ends where the neck line, extended, crosses it")
                   .earc(hub_out, P[27], P[26]) ||
               o.code(kEnd1).earc(mouth, P[16], P[1]) ||
               o.code(kEnd2).style(2).ellipse(slant_rim(P[8].x, b->d1 * 0.5 - b->d7, k)) ||
               o.code(kBody).earc(hub_in, P[14], P[3]) || o.earc(neck, P[12], P[5]) ||
               o.earc(pipe, P[11], P[6]) || o.earc(root, P[10], P[7]);
    }
    // The hub's steps meet behind the mouth's lip.
    const Two i3 = cross(lip, hub_in);
    P[21] = larger_y(i3);
    P[22] = flip_y(P[21]);
    const Two i4 = cross(hub_out, neck);
    P[23] = larger_y(i4);
    P[24] = flip_y(P[23]);
    return o.code(kBody).run(P, {1, 2}) || o.seg(P[25], P[4]) || o.run(P, {26, 6, 7, 8}) ||
           o.code(kEnd2).earc(end, P[8], P[9]) ||
           o.run(P, {9, 10, 11, 27}) || o.seg(P[13], P[28]) || o.run(P, {15, 16}) ||
           o.code(kEnd1).ellipse(mouth) ||
           o.style(2).ellipse(slant_rim(P[0].x, b->d13 * 0.5 - b->d20, k)) ||
           o.code(kBody).earc(lip, P[2], P[15]) || o.earc(hub_in, P[21], P[22]) ||
           o.earc(hub_out, P[4], P[13]) || o.earc(neck, P[23], P[24]) ||
           o.earc(pipe, P[6], P[11]) || o.earc(root, P[7], P[10]);
}

int v6_fixed(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    fixed_points(P, b->d10 * -k, k);
    Out o(w, kCopyPen);
    if (o.code(kBody).run(P, {0, 1, 2, 3}) || o.run(P, {4, 5, 6, 7})) return 1;
    if (w->head->view_no == 7)
        return o.earc(slant_rim(0, P[6].y, k), P[1], P[6]) ||
               o.earc(slant_rim(P[2].x, P[5].y, k), P[2], P[5]) ||
               o.code(kEnd2).earc(slant_rim(P[4].x, P[4].y, k), P[3], P[4]) ||
               o.code(kEnd1).ellipse(slant_rim(P[7].x, 108.15, k));
    return o.code(kEnd1).earc(slant_rim(P[7].x, P[7].y, k), P[7], P[0]) ||
           o.code(kBody).earc(slant_rim(P[6].x, P[6].y, k), P[6], P[1]) ||
           o.earc(slant_rim(P[5].x, P[5].y, k), P[5], P[2]) ||
           o.code(kEnd2).ellipse(slant_rim(P[4].x, P[4].y, k));
}

// Each view code's function: the outline from the columns below a second size
// of 150, the fixed make-up from there.
template <ViewFn<B> FromColumns, ViewFn<B> Fixed>
int by_class(BZI_WRT_PRM* w, const B* b)
{
    return (fixed_make(b) ? Fixed(w, b) : FromColumns(w, b)) != 0 ? 1 : 0;
}

constexpr ViewFn<B> jarf01sc_v1 = by_class<v1_small, v1_fixed>;
constexpr ViewFn<B> jarf01sc_v3 = by_class<v3_small, v3_fixed>;
constexpr ViewFn<B> jarf01sc_v6 = by_class<v6_small, v6_fixed>;

constexpr ViewFn<B> kViews[8] = {nullptr,     jarf01sc_v1, jarf01sc_v1, jarf01sc_v3,
                                 jarf01sc_v3, jarf01sc_v1, jarf01sc_v6, jarf01sc_v6};

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
