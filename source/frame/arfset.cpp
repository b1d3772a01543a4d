// Straight length of the reducer (arfset) and of the tees with a stepped hub
// (arfset2). Both take the length scale from a conversion record the caller
// owns, and write the length to d10 and back to the part.
#include "arfroutines.h"
#include "lenrule.h"

int arfset(ARF_SIZE1* a, HEADTBL* h, SHOKICH* s, HENKAN* conv)
{
    // A 150 second end has a fixed overall make-up of 366.3 besides the straight part.
    const bool k150 = a->size2 == 150;
    const bool turned = h->view_no == 6 || h->view_no == 7;
    double x;
    if (s->len_from_pts == 1) {
        x = dist3d(h) * conv->scale;
        if (turned) x = x / 0.707106781;
    } else if (s->sample_flag == 1) {
        x = turned ? 494.97474696116655 : 350.0;
    } else {
        x = h->part_len;
    }
    // Held so that the overall length stays between d6 and 3000.
    const double total = k150 ? x + 366.3 : (a->d15 * 2.0 + x) - a->d16;
    if (total <= a->d6)
        x = k150 ? a->d6 - 366.3 : (a->d16 + a->d6) - 2.0 * a->d15;
    else if (total >= 3000.0)
        x = k150 ? 2633.7 : (3000.0 + a->d16) - 2.0 * a->d15;
    set_len(h, *a, x);
    return 0;
}

int arfset2(ARF_SIZE2* a, HEADTBL* h, SHOKICH* s, HENKAN* conv)
{
    double x;
    if (s->len_from_pts == 1)
        x = end_on_view(h->view_no) ? a->d6 - a->d4 : dist3d(h) * conv->scale;
    else if (s->sample_flag == 1)
        x = 340.0;
    else
        x = h->part_len;
    // The hub d4 plus the straight part stays between d6 and 3000.
    const double total = a->d4 + x;
    if (total <= a->d6)
        x = a->d6 - a->d4;
    else if (total >= 3000.0)
        x = 3000.0 - a->d4;
    set_len(h, *a, x);
    return 0;
}
