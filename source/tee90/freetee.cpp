#include "freetee.h"

#include <cstring>

namespace {

struct Pipe {
    double p;  // outside diameter
    double q;
};

int pipe_data(int size, HEADTBL* head, SHOKICH* set, Pipe* out)
{
    PIPETBL t{};
    std::memcpy(t.kind, "PAR1", sizeof t.kind);
    t.i4 = 0;
    t.size = size;
    if (pipesrch(&t, head, set, 0) != 0) return 1;
    *out = {t.dia, t.q};
    return 0;
}

const ARF_SIZE2* find_block(const TeeCatalog& cat, int s, int t, bool exact)
{
    for (int i = 0; i < cat.count; ++i) {
        const ARF_SIZE2& b = cat.rec[i].blk;
        if (exact ? (b.main_size == s && b.branch_size == t) : (s <= b.main_size && t <= b.branch_size))
            return &b;
    }
    return nullptr;
}

}  // namespace

int draw_free_tee(HEADTBL* head, SHOKICH* set, const FreeTee& tee, const ARF_SIZE2** picked)
{
    const bool sample = set->sample_flag == 1;
    const int s = sample ? 250 : head->size_a;
    const int t = sample ? s - 100 : head->size_c;
    Pipe ps{}, pt{};
    if (pipe_data(s, head, set, &ps) != 0) return 1;
    pt = ps;
    if (t < s && pipe_data(t, head, set, &pt) != 0) return 1;

    BUZAI_SIZ6 siz{};
    siz.s[0] = siz.s[1] = static_cast<int16_t>(s);
    siz.s[2] = static_cast<int16_t>(t);
    siz.v[0] = siz.v[1] = ps.q;
    siz.v[2] = pt.q;
    siz.v[4] = siz.v[5] = ps.p;
    siz.v[6] = pt.p;

    const TeeCatalog cat = tee.catalog();
    if (const ARF_SIZE2* b = find_block(cat, s, t, true)) {
        *picked = b;
        head->size_a = head->size_b = static_cast<int16_t>(s);
        head->size_c = static_cast<int16_t>(t);
        // The part becomes the standard tee it is.
        if (!sample) head->part_code[8] = head->part_code[9] = '0';
        return tee.standard(head, set);
    }

    if (const ARF_SIZE2* b = find_block(cat, s, t, false)) {
        // Widths of the next larger standard tee; the ends it shares take its socket bores.
        *picked = b;
        siz.v[8] = tee.run_from_d10 ? b->d10 : b->d6;
        siz.v[9] = b->d5;
        siz.v[10] = b->d15;
        if (s == b->main_size) {
            siz.v[0] = siz.v[1] = (b->d2 * 0.5 - b->d7) * 2.0;
            siz.v[4] = siz.v[5] = tee.run_dia_by_class && b->main_size > 125 ? b->d1 : b->d2;
        }
        if (t == b->branch_size) {
            siz.v[2] = (b->d11 * 0.5 - b->d18) * 2.0;
            siz.v[6] = b->d11;
        }
    } else {
        // Beyond the catalogue: half the pipe diameter plus 50 each way.
        siz.v[8] = siz.v[9] = siz.v[6] * 0.5 + 50.0;
        siz.v[10] = siz.v[4] * 0.5 + 50.0;
    }
    return zscSizeFreeTeesDraw(head, set, &siz, cat.proc_list, cat.com) != 0 ? 1 : 0;
}
