// 45-degree branch, large branch.
#include "branch45.h"

// outline not written yet
int jalf42s01(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int jalft41y_v2(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int jalft41y_v3(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int jalft41y_v6(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int jalft41y_v8(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int jalft41y_v10(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int jalft41y_v12(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
