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
