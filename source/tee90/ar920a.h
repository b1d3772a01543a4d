// The small tee's view functions other than view 1 (the exported ar920a):
// views 2 and 5, 3 and 4, the inclined views 6 and 7 (branch axis turned) and
// 10 and 11 (run axis turned). Each reads view_no to tell its two codes apart.
#pragma once

#include "arfroutines.h"

int ar920a_v2(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int ar920a_v3(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int ar920a_v6(BZI_WRT_PRM* w, const ARF_SIZE2* b);
int ar920a_v10(BZI_WRT_PRM* w, const ARF_SIZE2* b);

// The inclined views' outlines shared with the large-run tee: a run with its
// socket end (plain false) or with plain ends (plain true).
int tee_v6(BZI_WRT_PRM* w, const ARF_SIZE2* b, bool plain);
int tee_v10(BZI_WRT_PRM* w, const ARF_SIZE2* b, bool plain);
