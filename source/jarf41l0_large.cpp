// Large-size outline variants of the 45-degree bend (sizes above 125).
// Not drawn yet: each variant refuses, so the entry reports failure rather
// than a partial outline.
#include "jarf41l0.h"

int jarf41l0_v1_large(BZI_WRT_PRM*, const ARF_SIZE1_HALF*) { return 1; }
int jarf41l0_v2_large(BZI_WRT_PRM*, const ARF_SIZE1_HALF*) { return 1; }
int jarf41l0_v3_large(BZI_WRT_PRM*, const ARF_SIZE1_HALF*) { return 1; }
int jarf41l0_v6_large(BZI_WRT_PRM*, const ARF_SIZE1_HALF*) { return 1; }
int jarf41l0_v10_large(BZI_WRT_PRM*, const ARF_SIZE1_HALF*) { return 1; }
int jarf41l0_v12_large(BZI_WRT_PRM*, const ARF_SIZE1_HALF*) { return 1; }
