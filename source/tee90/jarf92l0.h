// Outlines of the 90-degree tee above 125: a large branch (plain ends, the
// branch joined to the run through a bend: the "b" functions) and a large run
// with a smaller socketed branch (plain run ends: the "m" functions). The
// entry's dispatchers choose them by size.
#pragma once

#include "arfroutines.h"

int jarf92l0_v1b(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v2b(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v3b(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v6b(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v10b(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v1m(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v2m(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v3m(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v6m(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int jarf92l0_v10m(BZI_WRT_PRM* w, const ARF_SIZE2* b);

// Which outline draws a view code for a record with run size m and branch
// size b: the branch decides first, then the run. A branch of 126 to 149
// counts as large only in views 1 and 6, a run of 126 to 149 only in view 1.
enum class TeeOutline { small, large_branch, large_run };
constexpr TeeOutline tee_outline(int view, int m, int b)
{
    const bool loose = view == 1 || view == 6;  // these two views take "above 125" for the branch
    if (loose ? b > 125 : b >= 150) return TeeOutline::large_branch;
    if (view == 1 ? m > 125 : m >= 150) return TeeOutline::large_run;
    return TeeOutline::small;
}
