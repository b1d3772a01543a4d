// Straight length of a fitting: from the part's points, the sample value or the
// placed length, held between the record's floor and cap.
#pragma once

#include <cmath>

#include "arfhost.h"
#include "arfroutines.h"

inline double dist2d(const HEADTBL* h)
{
    const double dx = h->pt_b.x - h->pt_a.x, dy = h->pt_b.y - h->pt_a.y;
    return std::sqrt(dx * dx + dy * dy);
}
inline double dist3d(const HEADTBL* h)
{
    const double dx = h->pt_b.x - h->pt_a.x, dy = h->pt_b.y - h->pt_a.y,
                 dz = h->pt_b.z - h->pt_a.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

inline bool end_on_view(int v) { return v == 2 || v == 5; }

// One entry's rule. Views from..to see the straight part foreshortened: the
// plan distance is multiplied (or divided) by factor there.
struct LenRule {
    double pts;     // length from the points in views 2 and 5
    double sample;  // length of a sample drawing
    double floor;
    double cap;
    int from = 1, to = 0;
    double factor = 1.0;
    bool divide = false;
    bool floor_strict = false;  // the floor applies only when it exceeds the length
};

// Every comparison is false for a NaN length, which thus passes both bounds.
inline double straight_len(const HEADTBL* h, const SHOKICH* s, const LenRule& r)
{
    double x;
    if (s->len_from_pts == 1) {
        if (end_on_view(h->view_no)) {
            x = r.pts;
        } else {
            x = dist2d(h) * s->len_scale;
            if (h->view_no >= r.from && h->view_no <= r.to) x = r.divide ? x / r.factor : x * r.factor;
        }
    } else if (s->sample_flag == 1) {
        x = r.sample;
    } else {
        x = h->part_len;
    }
    if (r.floor_strict ? r.floor > x : r.floor >= x)
        x = r.floor;
    else if (r.cap <= x)
        x = r.cap;
    return x;
}

// The length lives in the record's d10, where the view functions read it, and
// goes back to the part.
template <class Block>
void set_len(HEADTBL* h, Block& b, double x)
{
    b.d10 = x;
    h->part_len = x;
}

// Bends: above 200 a fixed-length fitting (d6 whatever the part says); up to
// 200 held between d6 and a cap of 3000 from 150 up, 4000 below. Views from..to
// see the plan distance foreshortened by √2.
inline double bend_len(const HEADTBL* h, const SHOKICH* s, const ARF_SIZE1_HALF& b, int from, int to)
{
    if (b.size > 200) return b.d6;
    return straight_len(h, s,
                        {.pts = b.d6, .sample = b.d6, .floor = b.d6,
                         .cap = b.size >= 150 ? 3000.0 : 4000.0,
                         .from = from, .to = to, .factor = std::sqrt(2.0)});
}
