// The two short tees (jarft92s00, jarft92s0t): the branch pipe meets the run's
// side directly, with no 45-degree leg and no crotch fillet. Both number their
// points alike, which lets them share the inclined views:
//
//   P1 .. P13   the run from end 1 up its left side, over the run socket and
//               down its right side to the socket's pipe end (profile mode 10);
//               P27-P28 the pipe mark inside the run socket's middle step
//   P14         where the branch pipe's upper side meets the run's right side
//   P15 ..      the branch socket's outline, the end face at P[face]-P[face+1];
//               P29-P30 the pipe mark inside its middle step
//   P[jb]       where the branch pipe's lower side meets the run's right side
//
// The plain short tee starts its branch outline at the pipe's end inside the
// socket and closes the lower side with an arc of the pipe's radius; the tee
// with the long spigot starts it at the pipe end's step and runs its lower
// side straight back to the run.
#pragma once

#include "tee.h"

namespace short_tee {

using B = ARF_SIZE2;

struct Socket {
    int flat_mode, slant_mode;  // profile modes: flat (views 1, 10, 11), foreshortened (6, 7)
    int src, n;                 // the outline P15 .. is data[src .. src + n - 1]
    int mid, outer, face;       // tops of the middle step, the outer step, the end face
    int jb;                     // the lower junction
    bool arc_below;             // lower side closed by an arc of the pipe's radius
    double open_a;              // the flat opening's half-width, in branch pipe radii
    bool long_pipe = false;     // the foreshortened profile keeps the pipe line at full length

    constexpr int last() const { return 14 + n; }
    constexpr int mirror(int i) const { return 2 * face + 1 - i; }  // the same step on the lower side
};

// The plain short tee: pipe end, its step, middle step (2), outer step (2), end face.
constexpr Socket kS00{40, 41, 71, 12, 17, 19, 20, 31, true, 0.3};
// The long-spigot tee: from the pipe end's step on, the pipe line itself reaching the run.
constexpr Socket kS0t{20, 21, 72, 10, 16, 18, 19, 25, false, 0.707106781, true};

// A pipe mark inside a socket's middle step: drawn clear of the socket's
// walls, so its ends meet nothing on purpose.
inline int mark(Out& o, tagRPT a, tagRPT b) { return o.intended(Intended::free_ends, kSocketBottomLine).seg(a, b); }

// Run points P1 .. P13, P27, P28 from profile mode 10, lengths along the run
// scaled by fy; P1 at the height P0 already holds.
int run_points(tagRPT* P, const B* b, double fy);

// Branch points from profile 'mode': P14, P15 .., P[jb], P29, P30 and, for the
// foreshortened modes, P40 (the end face's inner rim).
int branch_points(tagRPT* P, const B* b, const Socket& s, int mode);

// The plain short tee's lower side: P32, the centre of the arc of the pipe's
// radius from P26 up to the run at P31.
void lower_arc(tagRPT* P, const B* b);

// The long-spigot tee's trimming rule: where the run's side below its socket
// (P13-P14) crosses the branch outline's first step (P15-P16), P31 and its
// mirror P32 replace the corners; false when they do not cross.
bool profiles_cross(tagRPT* P);

// The inclined views of both short tees: 6 and 7 with the branch receding at
// 45 degrees, 10 and 11 with the run receding.
int v6(BZI_WRT_PRM* w, const B* b, const Socket& s);
int v10(BZI_WRT_PRM* w, const B* b, const Socket& s);

}  // namespace short_tee
