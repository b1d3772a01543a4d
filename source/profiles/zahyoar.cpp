// Socket-end profile of a single-size fitting, placed for the view it is drawn
// in. Writes data[70..95]; the caller takes the points it needs from there.
#include <cmath>

#include "arfroutines.h"
#include "outline.h"

namespace {

constexpr double k = 0.707106781;

// The socket profile in its own frame: pipe end, hub, socket mouth and the
// reference point (d7, d8).
void base_profile(tagRPT* P, const ARF_SIZE1_HALF* b)
{
    P[70] = {0, -b->d10};
    P[71] = {-0.5 * b->d2, P[70].y};
    P[72] = {P[71].x, -(b->d5 - b->d3)};
    P[73] = {b->d5 - b->d3, 0.5 * b->d2};
    P[74] = {P[73].x + 0.125 * b->d3, P[73].y};
    P[75] = {b->d9, P[74].y + 0.25 * (b->d1 - b->d2)};
    P[76] = {P[75].x + b->d4 / 5.0, P[75].y};
    P[77] = {P[76].x + b->d4 / 5.0, 0.5 * b->d1};
    P[78] = {b->d5, P[77].y};
    P[79] = {P[75].x, 0.4 * b->d2};
    P[80] = {b->d7, b->d8};
}

// Whole profile mirrored across the axis, with its axis points, then turned
// (modes 2, 6 and 7).
void whole_profile(tagRPT* P, int mode)
{
    if (mode == 7)
        for (int n = 70; n <= 72; ++n) P[n].y *= k;
    P[88] = P[79];
    for (int n = 79, src = 78; n <= 84; ++n, --src) P[n] = flip_y(P[src]);
    P[85] = flip_x(P[72]);
    P[86] = flip_x(P[71]);
    P[87] = P[71];
    P[89] = flip_y(P[88]);
    for (int n = 90, src = 74; n <= 94; ++n, ++src) P[n] = {P[src].x, 0};
    P[95] = {P[73].x, 0};

    double u = k, v = k;
    if (mode != 2) {
        // Axonometric turns: x shortened by the cosine of 30 degrees first.
        const double r = std::sqrt(0.75);
        const double r2 = 1.0 / std::sqrt(2.0);
        for (int n = 73; n <= 95; ++n)
            if (n <= 84 || n >= 88) P[n].x *= r;
        u = mode == 6 ? 0.5 / r : r2 / r;
        v = mode == 6 ? r2 / r : 0.5 / r;
    }
    for (int n = 73; n <= 95; ++n) {
        if (n > 84 && n < 88) continue;
        const tagRPT q = P[n];
        P[n] = {q.x * u - q.y * v, q.x * v + q.y * u};
    }
}

}  // namespace

int zahyoar(int mode, int, const ARF_SIZE1_HALF* b)
{
    tagRPT* P = data;
    base_profile(P, b);
    switch (mode) {
    case 2:
    case 6:
    case 7: whole_profile(P, mode); break;
    case 3:  // foreshortened along x, shifted down one entry
        P[70] = {0, 0};
        P[71] = {0, 0.5 * b->d2};
        for (int n = 72; n <= 77; ++n) P[n] = {k * P[n + 1].x, P[n + 1].y};
        P[78] = P[80];
        break;
    case 4:  // a quarter turn, foreshortened
        for (int n = 73; n <= 77; ++n) P[n] = {-P[n + 1].y, k * P[n + 1].x};
        P[78] = P[80];
        break;
    case 5:  // foreshortened along x with a closing segment
        for (int n = 73; n <= 79; ++n) P[n].x *= k;
        P[81] = {P[78].x, 0};
        P[82] = {P[81].x, 0.5 * b->d1 - b->d8};
        break;
    default: break;
    }
    return 0;
}
