// Dimension blocks of the fittings and the exported routines that work on them.
//
// In every block the N-th double dN sits at byte offset 8·N, so outline code can
// name columns as the dimension sheets do (b->d5). The int16 sizes fill the first
// eight bytes. d10 of ARF_SIZE1 and ARF_SIZE2 is the working straight length,
// rewritten on every call; every other column is read-only data.
#pragma once

#include <cstddef>
#include <cstdint>

#include "arfentry.h"
#include "arfrec.h"

// Socket-end record of the socket adaptor.
struct SA0_SIZE {
    int16_t size;
    double d1, d2, d3, d4, d5, d6, d7, d8, d9;
};

// One socket end of a single-size fitting (bends, sockets).
struct ARF_SIZE1_HALF {
    int16_t size;
    double d1, d2, d3, d4, d5, d6, d7, d8, d9, d10, d11;
};

// Two socket ends of a reducer, one half after the other: the second end's
// size takes the place of d12.
struct ARF_SIZE1 {
    int16_t size;
    double d1, d2, d3, d4, d5, d6, d7, d8, d9, d10, d11;
    int16_t size2;
    double d13, d14, d15, d16, d17, d18, d19, d20, d21, d22, d23;
};

// Run and branch of a tee or branch fitting.
struct ARF_SIZE2 {
    int16_t main_size;
    int16_t branch_size;
    double d1, d2, d3, d4, d5, d6, d7, d8, d9, d10;
    double d11, d12, d13, d14, d15, d16, d17, d18, d19, d20;
};

// Socket block of the large-branch outlines; jalfbsiz fills d1, d2, d3, d5, d9.
struct ALF_SIZE {
    int16_t size;
    double d1, d2, d3, d4, d5, d6, d7, d8, d9;
};

static_assert(offsetof(SA0_SIZE, d1) == 8 && offsetof(SA0_SIZE, d9) == 72 && sizeof(SA0_SIZE) == 80);
static_assert(offsetof(ARF_SIZE1_HALF, d1) == 8 && offsetof(ARF_SIZE1_HALF, d10) == 80 &&
              offsetof(ARF_SIZE1_HALF, d11) == 88 && sizeof(ARF_SIZE1_HALF) == 96);
static_assert(offsetof(ARF_SIZE1, d11) == 88 && offsetof(ARF_SIZE1, size2) == 96 &&
              offsetof(ARF_SIZE1, d13) == 104 && offsetof(ARF_SIZE1, d16) == 128 &&
              offsetof(ARF_SIZE1, d23) == 184 && sizeof(ARF_SIZE1) == 192);
static_assert(offsetof(ARF_SIZE2, branch_size) == 2 && offsetof(ARF_SIZE2, d1) == 8 &&
              offsetof(ARF_SIZE2, d10) == 80 && offsetof(ARF_SIZE2, d15) == 120 &&
              offsetof(ARF_SIZE2, d20) == 160 && sizeof(ARF_SIZE2) == 168);
static_assert(offsetof(ALF_SIZE, d1) == 8 && offsetof(ALF_SIZE, d5) == 40 &&
              offsetof(ALF_SIZE, d9) == 72);

// Straight length of a reducer (ARF_SIZE1) or a tee (ARF_SIZE2): raw length from
// the points, the sample or the part, held between the record's bounds, written
// to d10 and back to part_len. conv supplies the length scale (offset 56). Always 0.
ARF_EXPORT int arfset(ARF_SIZE1* a, HEADTBL* h, SHOKICH* s, HENKAN* conv);
ARF_EXPORT int arfset2(ARF_SIZE2* a, HEADTBL* h, SHOKICH* s, HENKAN* conv);

// Socket dimensions of the large-branch outlines for a nominal size from 40 to
// 200; any other size leaves the block as it is.
ARF_EXPORT void jalfbsiz(ALF_SIZE* b, int size);

// Socket-end profile of a single-size fitting into data[70..95], placed for the
// view by mode (2 to 7; any other mode leaves the unturned profile in 70..80).
// The second argument is reserved. Always 0.
ARF_EXPORT int zahyoar(int mode, int reserved, const ARF_SIZE1_HALF* size);

// Socket-end profile of a fitting with a run and a branch (tees, 45-degree
// branches) into data[70..95]: the run socket (mode 10) or the branch socket in
// one of its placements (20, 21, 30 to 34, 40, 41). Each mode writes only its
// own entries; any other mode writes nothing. The second argument is reserved.
// Always 0.
ARF_EXPORT int zahyoar1(int mode, int reserved, const ARF_SIZE2* size);

// View 1 of the 90-degree tee with both sizes up to 125: run and branch with
// their socket ends, flat in the drawing. 0, or 1 as soon as the branch
// profile routine or an element write fails.
ARF_EXPORT int ar920a(BZI_WRT_PRM* w, const ARF_SIZE2* size);
