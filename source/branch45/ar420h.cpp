// 45-degree branch, small sizes: views 8 to 13.
#include "branch45.h"

// outline not written yet
int ar420h(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar420h_v10(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
int ar420h_v12(BZI_WRT_PRM*, const ARF_SIZE2*) { return 1; }
