// Run of a large fitting with a 45-degree branch opening.
#include "branch45.h"

// outline not written yet
int jalfcof1(double, const ARF_SIZE2*, BZI_WRT_PRM*) { return 1; }
