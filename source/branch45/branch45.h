// Outline functions of the 45-degree branch family, by size class: the small
// family (run and branch below 150), the large run (run from 150, branch
// below) and the large branch (branch from 150). Each draws into the host's
// element block from the selected dimension record and returns 0, or 1 as soon
// as the profile routine or an element write fails. The functions serving two
// view codes read view_no through the block's head.
#pragma once

#include "arfroutines.h"

// Small family.
ARF_EXPORT int ar420a(BZI_WRT_PRM* w, const ARF_SIZE2* b);  // view 1
int ar420a_v2(BZI_WRT_PRM* w, const ARF_SIZE2* b);          // views 2, 5 (5 also for a large run)
int ar420a_v3(BZI_WRT_PRM* w, const ARF_SIZE2* b);          // views 3, 4
int ar420a_v6(BZI_WRT_PRM* w, const ARF_SIZE2* b);          // views 6, 7
ARF_EXPORT int ar420h(BZI_WRT_PRM* w, const ARF_SIZE2* b);  // views 8, 9 (every branch size)
int ar420h_v10(BZI_WRT_PRM* w, const ARF_SIZE2* b);         // views 10, 11
int ar420h_v12(BZI_WRT_PRM* w, const ARF_SIZE2* b);         // views 12, 13

// Large run, small branch.
ARF_EXPORT int ar400a(BZI_WRT_PRM* w, const ARF_SIZE2* b);  // view 1
int ar400a_v2(BZI_WRT_PRM* w, const ARF_SIZE2* b);          // view 2
int ar400a_v3(BZI_WRT_PRM* w, const ARF_SIZE2* b);          // views 3, 4
int ar400a_v6(BZI_WRT_PRM* w, const ARF_SIZE2* b);          // views 6, 7
int ar400a_v10(BZI_WRT_PRM* w, const ARF_SIZE2* b);         // views 10, 11
int ar400a_v12(BZI_WRT_PRM* w, const ARF_SIZE2* b);         // views 12, 13

// Large branch (and views 8, 9 of every large run).
ARF_EXPORT int jalf42s01(BZI_WRT_PRM* w, const ARF_SIZE2* b);  // view 1
int jalft41y_v2(BZI_WRT_PRM* w, const ARF_SIZE2* b);           // views 2, 5
int jalft41y_v3(BZI_WRT_PRM* w, const ARF_SIZE2* b);           // views 3, 4
int jalft41y_v6(BZI_WRT_PRM* w, const ARF_SIZE2* b);           // views 6, 7
int jalft41y_v8(BZI_WRT_PRM* w, const ARF_SIZE2* b);           // views 8, 9
int jalft41y_v10(BZI_WRT_PRM* w, const ARF_SIZE2* b);          // views 10, 11
int jalft41y_v12(BZI_WRT_PRM* w, const ARF_SIZE2* b);          // views 12, 13

// The run of a large fitting with the opening of a 45-degree branch t wide:
// eleven segments; copies the part's pen. Used by other branch and tee entries.
ARF_EXPORT int jalfcof1(double t, const ARF_SIZE2* b, BZI_WRT_PRM* w);
