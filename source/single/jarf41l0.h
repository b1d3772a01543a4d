// The 45-degree bend's outline variants by size class. The view functions in
// jarf41l0.cpp dispatch on the record's size key: up to 125 the small-size
// variants there, above 125 the large-size variants of jarf41l0_large.cpp.
#pragma once

#include "arfroutines.h"

int jarf41l0_v1_large(BZI_WRT_PRM* w, const ARF_SIZE1_HALF* b);   // view 1
int jarf41l0_v2_large(BZI_WRT_PRM* w, const ARF_SIZE1_HALF* b);   // views 2 and 5
int jarf41l0_v3_large(BZI_WRT_PRM* w, const ARF_SIZE1_HALF* b);   // views 3 and 4
int jarf41l0_v6_large(BZI_WRT_PRM* w, const ARF_SIZE1_HALF* b);   // views 6 and 7
int jarf41l0_v10_large(BZI_WRT_PRM* w, const ARF_SIZE1_HALF* b);  // views 10 and 11
int jarf41l0_v12_large(BZI_WRT_PRM* w, const ARF_SIZE1_HALF* b);  // views 12 and 13
