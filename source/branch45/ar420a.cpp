// 45-degree branch, small sizes: views 1 to 7.
#include "branch45.h"

// outline not written yet
int ar420a(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar420a_v2(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar420a_v3(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar420a_v6(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
