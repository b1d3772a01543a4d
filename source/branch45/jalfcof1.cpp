// The run of a large fitting with the opening of a 45-degree branch, for the
// entries that draw their branch themselves: the run's two sides, end 1, and a
// collar of diameter d1 and length 2·d3 about y = d4 at the top, and the right
// side left open 2·t/1.414213562 high about y = 0.5·d2 − d9 for the branch.
#include "branch45.h"
#include "elemout.h"

int jalfcof1(double t, const ARF_SIZE2* b, BZI_WRT_PRM* w)
{
    tagRPT* P = data;
    const double s = t / 1.414213562;
    P[0] = {0.5 * b->d2, 0.5 * b->d2 - s};
    P[1] = {0.5 * b->d2, b->d9 - b->d10};
    P[2] = {-0.5 * b->d2, b->d9 - b->d10};
    P[3] = {-0.5 * b->d2, b->d4 + b->d9 - b->d3};
    P[4] = {-0.5 * b->d1, P[3].y};
    P[5] = {-0.5 * b->d1, b->d4 + b->d9 + b->d3};
    P[6] = {0.5 * b->d1, P[5].y};
    P[7] = {0.5 * b->d1, P[3].y};
    P[8] = {0.5 * b->d2, P[3].y};
    P[9] = {0.5 * b->d2, 0.5 * b->d2 + s};
    P[10] = {-0.5 * b->d1, b->d4 + b->d9};
    P[11] = {0.5 * b->d1, b->d4 + b->d9};
    // Every height is laid out with d9 added and then has it taken off again.
    for (int n = 0; n <= 11; ++n) P[n].y -= b->d9;

    Out o(w, kCopyPen);
    for (int n = 0; n <= 8; ++n) {
        const int c = n == 1 ? kEnd1 : n == 5 ? kEnd2 : kBody;
        if (o.code(c).seg(P[n], P[n + 1])) return 1;
    }
    // The collar's mid line and its foot across the run, thin.
    return o.style(2).code(kBody).seg(P[10], P[11]) || o.seg(P[3], P[8]);
}
