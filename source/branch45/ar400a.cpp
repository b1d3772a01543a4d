// 45-degree branch, large run with a small branch.
#include "branch45.h"

// outline not written yet
int ar400a(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar400a_v2(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar400a_v3(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar400a_v6(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar400a_v10(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar400a_v12(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
