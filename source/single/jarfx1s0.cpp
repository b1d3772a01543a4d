// Free-radius bend: sized from the 90-degree bend's table, drawn by the host's
// free-radius routines (true shape) or as a single line.
#include <cstring>
#include <initializer_list>

#include "arfentry.h"
#include "borrowed.h"
#include "catalog.h"
#include "frame.h"

namespace {

const ARF_SIZE1_HALF* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

constexpr int kSample = 100;

// Host codes of the views a sample may show (views 1 to 11).
int view_list[kProcListLen] = {23, 44, 45, 46, 56, 63, 64, 0, 0, 74, 75};

// The settings' attribute table: 28-byte entries, read field by field.
constexpr int kAttrSize = 28;
template <class T>
T attr_field(const SHOKICH* set, int k, int at)
{
    T v;
    std::memcpy(&v, reinterpret_cast<const unsigned char*>(set) + kAttrSize * k + at, sizeof v);
    return v;
}
int32_t attr_word(const SHOKICH* set, int k) { return attr_field<int32_t>(set, k, 4); }

// Points B and C back from the turned local frame to the drawing.
void map_back(HEADTBL* head, const HENKAN* conv)
{
    for (tagRPT3D* p : {&head->pt_b, &head->pt_c}) {
        p->x = p->x / conv->scale + conv->ox;
        p->y = p->y / conv->scale + conv->oy;
        p->z = p->z / conv->scale + head->pt_a.z;
    }
}

// Points B and C into the conversion's turned frame; the conversion then stops turning.
void turn(HEADTBL* head, HENKAN* conv)
{
    for (tagRPT3D* p : {&head->pt_b, &head->pt_c}) {
        const double x = p->x, y = p->y;
        p->x = conv->m[0] * x + conv->m[1] * y;
        p->y = conv->m[2] * x + conv->m[3] * y;
    }
    conv->m[0] = 1.0, conv->m[1] = 0.0, conv->m[2] = 0.0, conv->m[3] = 1.0;
    conv->i48 = 0;
}

bool sample_view(int v) { return (v >= 2 && v <= 7) || v == 10 || v == 11; }

}  // namespace

EntryInfo jarfx1s0_info() { return {"jarftx1s00", 0, 1, kSample, 0, last_record}; }

extern "C" int jarftx1s00(HEADTBL* head, SHOKICH* set)
{
    const bool sample = set->sample_flag == 1;
    const int k = head->attr_idx;
    // An attribute entry outside the settings record cannot be read.
    if (kAttrSize * (k + 1) > static_cast<int>(sizeof(SHOKICH))) return 1;

    if (set->len_from_pts == 0 && !sample && head->view_no == 1) {
        VECTS ref = {{{0, 0, 0}, {100, 0, 0}, {0, -100, 0}}};
        VECTS pts = {{head->pt_a, head->pt_c, head->pt_b}};
        if (hinechk(&henkan, head, &ref, &pts) != 0) return 1;
    }
    bzi_wrt_t.head = head;
    HENKAN* conv = bzi_wrt_t.conv;

    int s;
    if (sample) {
        conv->ox = 1049.0, conv->oy = 225.0;
        conv->m[0] = 1.0, conv->m[1] = 0.0, conv->m[2] = 0.0, conv->m[3] = 1.0;
        conv->i48 = 0;
        conv->scale = 2.5;
        s = kSample;
        set->i328 = 0;
        set->flag282 = 2;
        set->flag280 = 1;
        head->pen = B_CIfColor::StandardColorNo(5).value;
        head->line_type = B_CIfLineType::Solid().bits;
        gohkpat(view_list);
        if (!sample_view(head->view_no)) head->view_no = 1;
    } else {
        s = head->size_a;
        if (bzi_nmst(head) != 0) return 1;
        head->pen = attr_field<int32_t>(set, k, 20);
        head->line_type = attr_field<uint16_t>(set, k, 24);
        conv->i48 = 0;
        conv->scale = set->len_scale;
        conv->ox = head->pt_a.x, conv->oy = head->pt_a.y;
        set->i328 = -1;
    }

    // Record header of a two-point part.
    head->npts = 2;
    head->hdr_len = 88;
    head->hdr_tag = 80;
    head->attr = attr_word(set, k);
    head->flag12 = 0;
    head->b24 = head->b25 = head->b26 = head->b34 = 0;
    head->b100 = 1;
    head->b156 = head->b157 = head->b158 = 0;

    const BendBlocks bend = jarf91l0_blocks();
    const ARF_SIZE1_HALF& b =
        bend.rec[bracket(s, bend.count, [&](int i) { return int{bend.rec[i].blk.size}; })].blk;
    last = &b;
    head->size_a = head->size_b = b.size;
    head->dia_a = head->dia_b = static_cast<int16_t>(trunc_dia(b.d2));
    head->size_c = head->dia_c = head->size_d = head->dia_d = 0;

    // Small sizes go single-line unless the part asks for the true shape.
    if (sample)
        head->draw_mode = 2;
    else if (head->draw_mode == 0)
        head->draw_mode = head->size_a <= set->size_threshold ? 1 : 2;
    else if (head->draw_mode != 1)
        head->draw_mode = 2;
    if (head->draw_mode == 1) head->attr = attr_word(set, k);

    bzifile.line_type = head->line_type;
    bzifile.attr = head->attr;
    bzifile.pen = head->pen;
    bzifile.flag12 = 0;
    head->w74 = 0;

    if (!sample) hoonatu(head, set);
    double draw[4] = {b.d6, b.d2, static_cast<double>(b.size), 0.0};
    zlcFreeRadErboVectMake_OfDbl(&bzi_wrt_t, set, draw, nullptr);
    turn(head, conv);

    // The part's header goes to the host as one record of its own.
    bzi_wrt_t.mode = 0;
    if (gfbziwt(&bzi_wrt_t, 1) != 0) return 1;
    bzi_wrt_t.mode = 1;

    if (head->draw_mode == 2 || sample) {
        if (zlcFreeRadErboDraw_OfDbl(&bzi_wrt_t, draw) != 0) return 1;
        if (!sample && center_line(2, 0.0, set, &bzi_wrt_t) != 0) return 1;
    } else if (head->draw_mode == 1) {
        map_back(head, conv);
        if (tanstugi3d(0, set, &bzi_wrt_t) != 0) return 1;
    }
    map_back(head, conv);
    denpvect(head, set, conv, 2);
    return 0;
}
