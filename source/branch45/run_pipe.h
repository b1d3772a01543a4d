// The run of the large size classes of the 45-degree branch: a plain pipe
// without socket, d2 wide, from end 1 at y = -d10 to end 2 at y = d5, both
// scaled by f where the run leans out of the drawing.
#pragma once

#include "arfroutines.h"

// Its four corners into P: the feet at end 1 (left, right), the heads at end 2.
inline void run_corners(tagRPT* P, const ARF_SIZE2* b, double f, int foot_l, int foot_r, int head_l, int head_r)
{
    P[foot_l] = {-0.5 * b->d2, -f * b->d10};
    P[foot_r] = {0.5 * b->d2, -f * b->d10};
    P[head_l] = {-0.5 * b->d2, f * b->d5};
    P[head_r] = {0.5 * b->d2, f * b->d5};
}
