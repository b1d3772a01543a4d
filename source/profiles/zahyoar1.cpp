// Socket-end profile of a fitting with a run and a branch, placed for the view
// it is drawn in: the run's end-2 socket (mode 10) or the branch socket in one
// of its placements. Writes only the entries of data[70..95] its mode names;
// everything else in data stays as it was.
#include <cmath>

#include "arfroutines.h"
#include "outline.h"

namespace {

constexpr double k = 0.707106781;

// The branch socket laid along +x with its end face at x = e: pipe at the
// insertion depth, the short pipe-end step, the middle step measured back from
// the end face by the socket length, the outer step, the end face, back along
// the other side, and the two marks of the pipe inside the middle step.
void branch_base(tagRPT* P, const ARF_SIZE2* b, double e)
{
    P[70] = {e - b->d13, 0};
    P[71] = {P[70].x, 0.5 * b->d12};
    P[72] = {P[71].x + 0.125 * b->d13, P[71].y};
    P[73] = {e - b->d14, 0.25 * (b->d12 + b->d11)};
    P[74] = {P[73].x + 0.2 * b->d14, P[73].y};
    P[75] = {e - 0.6 * b->d14, 0.5 * b->d11};
    P[76] = {e, P[75].y};
    mirror_back_pts(P, 77, 76, 6);
    P[83] = {P[73].x, 0.4 * b->d12};
    P[84] = flip_y(P[83]);
}

// The run socket standing on +y, its near side at negative x.
void run_socket(tagRPT* P, const ARF_SIZE2* b)
{
    P[70] = {0, b->d5 - b->d3};
    P[71] = {-0.5 * b->d2, P[70].y};
    P[72] = {P[71].x, P[71].y + 0.125 * b->d3};
    P[73] = {-0.25 * (b->d2 + b->d1), b->d5 - b->d4};
    P[74] = {P[73].x, P[73].y + 0.2 * b->d4};
    P[75] = {-0.5 * b->d1, b->d5 - 0.6 * b->d4};
    P[76] = {P[75].x, b->d5};
    flip_x_back_pts(P, 77, 76, 6);
    P[83] = {-0.4 * b->d2, P[73].y};
    P[84] = flip_x(P[83]);
    P[85].x = P[82].x - b->d4 / 10.0;  // y is left as it was
}

// The branch socket seen 45 degrees off its axis, every x shortened by k. In
// mode 41 the whole socket shortens; in mode 21 the pipe line and the axis
// point keep their full length. The extra point 85 marks the end face's inner
// edge.
void branch_slanted(tagRPT* P, const ARF_SIZE2* b, double e, bool short_pipe)
{
    branch_base(P, b, e);
    P[70].x = short_pipe ? k * (e - b->d13) : e - b->d13;
    P[71].x = P[70].x;
    P[72].x = P[71].x + 0.125 * k * b->d13;
    P[73].x = k * (e - b->d14);
    P[74].x = P[73].x + 0.2 * k * b->d14;
    P[75].x = k * (e - 0.6 * b->d14);
    P[76].x = k * e;
    mirror_back_pts(P, 77, 76, 6);
    P[83].x = P[73].x;
    P[84].x = P[83].x;
    P[85] = {P[76].x, 0.5 * b->d11 - b->d18};
}

// The branch on the 45-degree diagonal of the drawing plane.
void branch_diagonal(tagRPT* P, const ARF_SIZE2* b)
{
    branch_base(P, b, b->d15);
    for (int n = 70; n <= 84; ++n) P[n] = {k * (P[n].x - P[n].y), k * (P[n].x + P[n].y)};
}

// The branch along +x seen end-on from the run's axis, shortened by k. The
// pipe point 71 sits half a pipe radius short of the axis point in x.
void branch_across(tagRPT* P, const ARF_SIZE2* b)
{
    const double e = b->d15;
    P[70] = {k * (e - b->d13), 0};
    P[71] = {P[70].x - 0.5 * k * b->d12, 0.5 * b->d12};
    P[72] = {k * (e - 0.875 * b->d13), P[71].y};
    P[73] = {k * (e - b->d14), 0.25 * (b->d12 + b->d11)};
    P[74] = {k * (e - 0.8 * b->d14), P[73].y};
    P[75] = {k * (e - 0.6 * b->d14), 0.5 * b->d11};
    P[76] = {k * e, P[75].y};
    mirror_back_pts(P, 77, 76, 6);
}

// The branch coming up the drawing along +y, shortened by k, starting where it
// leaves the run pipe: the 45-degree line from the origin meets the pipe's
// side line at x = d2/2, and that height starts the branch pipe lines. The
// construction segments stay in 85..88.
void branch_upright(tagRPT* P, const ARF_SIZE2* b)
{
    const double e = b->d15;
    P[85] = {0, 0};
    P[86] = {e, e};
    P[87] = {0.5 * b->d2, b->d4 - b->d3};
    P[88] = {0.5 * b->d2, 0};
    const tagRPT x = cross(line(P[85], P[86]), line(P[87], P[88]));  // result code not needed
    P[70] = {0, 0};
    P[71] = {-0.5 * b->d12, x.y};
    P[72] = {P[71].x, k * (e - b->d13)};
    P[73] = {P[72].x, k * (e - 0.875 * b->d13)};
    P[74] = {-0.25 * (b->d12 + b->d11), k * (e - b->d14)};
    P[75] = {P[74].x, k * (e - 0.8 * b->d14)};
    P[76] = {-0.5 * b->d11, k * (e - 0.6 * b->d14)};
    P[77] = {P[76].x, k * e};
    flip_x_back_pts(P, 78, 77, 7);
}

// The branch axonometric: laid along +x with x shortened by the cosine of 30
// degrees, then turned so that its axis runs at about 54.74 degrees (mode 33)
// or 35.26 degrees (mode 34). Axis points of each step go to 90..95.
void branch_turned(tagRPT* P, const ARF_SIZE2* b, int mode)
{
    const double e = b->d15;
    const double r = std::sqrt(0.75);
    const double xs[6] = {e - b->d13, e - 0.875 * b->d13, e - b->d14,
                          e - 0.8 * b->d14, e - 0.6 * b->d14, e};
    for (int i = 0; i < 6; ++i) P[90 + i] = {xs[i], 0};
    for (int n = 90; n <= 95; ++n) P[n].x *= r;
    P[70] = {P[90].x, 0.5 * b->d12};
    P[71] = {P[91].x, 0.5 * b->d12};
    P[72] = {P[92].x, 0.25 * (b->d12 + b->d11)};
    P[73] = {P[93].x, P[72].y};
    P[74] = {P[94].x, 0.5 * b->d11};
    P[75] = {P[95].x, P[74].y};
    mirror_back_pts(P, 76, 75, 6);
    P[82] = {P[92].x, 0.4 * b->d12};
    P[83] = {P[92].x, -0.4 * b->d12};

    const double half = 0.5 / r, diag = (1.0 / std::sqrt(2.0)) / r;
    const double u = mode == 33 ? half : diag, v = mode == 33 ? diag : half;
    for (int n = 70; n <= 95; ++n) {
        if (n > 83 && n < 90) continue;
        const tagRPT q = P[n];
        P[n] = {q.x * u - q.y * v, q.x * v + q.y * u};
    }
}

}  // namespace

int zahyoar1(int mode, int, const ARF_SIZE2* b)
{
    tagRPT* P = data;
    switch (mode) {
    case 10: run_socket(P, b); break;
    case 20: branch_base(P, b, b->d19); break;
    case 21: branch_slanted(P, b, b->d19, false); break;
    case 30: branch_diagonal(P, b); break;
    case 31: branch_across(P, b); break;
    case 32: branch_upright(P, b); break;
    case 33:
    case 34: branch_turned(P, b, mode); break;
    case 40: branch_base(P, b, b->d15); break;
    case 41: branch_slanted(P, b, b->d15, true); break;
    default: break;  // no placement: nothing written
    }
    return 0;
}
