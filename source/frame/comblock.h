// Common-processing block: each entry's static initial contents, and the
// per-call writes that hand the host the part's points, its ends' sizes and
// diameters, and pointers back into the part record.
#pragma once

#include <cstdint>

#include "arfhost.h"
#include "arfroutines.h"
#include "frame.h"

// Initial contents: header (two int32 and eight bytes) and `marked` host records
// whose first byte 1 flags them for the entries that adjust them.
constexpr BZI_COM_PRM com_block(int32_t h0, int32_t h1, const uint8_t (&bytes)[8], int marked)
{
    BZI_COM_PRM c{};
    c.hdr0 = h0;
    c.hdr1 = h1;
    for (int i = 0; i < 8; ++i) c.hdr_bytes[i] = bytes[i];
    for (int i = 0; i < marked; ++i)
        c.rec[i] = {{1, static_cast<uint8_t>(i + 1), 0, 2}, 9, 3, 3 + i, 0.0, 9, 0,
                    1049.0, 225.0 + 40.0 * i, 1.0};
    return c;
}

// Reference frames the host places the part by, one per fitting shape.
constexpr VECTS kRefSocket = {{{0, 0, 0}, {0, 100, 0}, {-100, 0, 0}}};
constexpr VECTS kRefStraight = {{{0, 0, 0}, {-100, 0, 0}, {100, 0, 0}}};
constexpr VECTS kRef45 = {{{0, 0, 0}, {100, 100, 0}, {0, -100, 0}}};
constexpr VECTS kRef90 = {{{0, 0, 0}, {100, 0, 0}, {0, -100, 0}}};

enum class Pt { A, B, C, D };

inline tagRPT3D* part_pt(HEADTBL* h, Pt p)
{
    switch (p) {
    case Pt::A: return &h->pt_a;
    case Pt::B: return &h->pt_b;
    case Pt::C: return &h->pt_c;
    case Pt::D: break;
    }
    return &h->pt_d;
}

// Reference frame and the three part points it corresponds to.
inline void set_points(BZI_COM_PRM& c, HEADTBL* h, const VECTS& ref, Pt p0, Pt p1, Pt p2)
{
    c.ref = ref;
    c.pts.p[0] = *part_pt(h, p0);
    c.pts.p[1] = *part_pt(h, p1);
    c.pts.p[2] = *part_pt(h, p2);
}

// End e (0..3): nominal size and diameter truncated toward zero.
inline void set_pair(BZI_COM_PRM& c, int e, int size, double dia)
{
    c.pairs[e][0] = size;
    c.pairs[e][1] = trunc_dia(dia);
}
inline void clear_pair(BZI_COM_PRM& c, int e) { c.pairs[e][0] = c.pairs[e][1] = 0; }

// The first n pointer triples := (p0, p1, p2); bit i of keep leaves triple i+1 as it is.
inline void set_triples(BZI_COM_PRM& c, HEADTBL* h, int n, Pt p0, Pt p1, Pt p2, unsigned keep = 0)
{
    for (int i = 0; i < n; ++i) {
        if (keep & (1u << i)) continue;
        c.triples[i][0] = part_pt(h, p0);
        c.triples[i][1] = part_pt(h, p1);
        c.triples[i][2] = part_pt(h, p2);
    }
}
inline constexpr unsigned kKeep8and9 = (1u << 7) | (1u << 8);

// The tee layout shared by the 90-degree tees and the 45-degree branches: run
// ends 1 and 2, branch end 3, an empty fourth end, points A, D, B.
inline void set_tee(BZI_COM_PRM& c, HEADTBL* h, const VECTS& ref, const ARF_SIZE2& b,
                    double run_dia2, double run_dia1, double branch_dia)
{
    set_points(c, h, ref, Pt::A, Pt::D, Pt::B);
    set_pair(c, 0, b.main_size, run_dia2);
    set_pair(c, 1, b.main_size, run_dia1);
    set_pair(c, 2, b.branch_size, branch_dia);
}

// The host's records flagged by a first byte 1 take class 9 up to size 200, 8 above.
inline void mark_size_class(BZI_COM_PRM& c, int size)
{
    for (COM_REC& r : c.rec)
        if (r.tag[0] == 1) r.i4 = size <= 200 ? 9 : 8;
}

// The 90-degree tees: the tee layout, and eleven pointer triples of which the
// host keeps its own 8th and 9th.
inline void set_tee90(BZI_COM_PRM& c, HEADTBL* h, const ARF_SIZE2& b, double run_dia2,
                      double run_dia1, double branch_dia)
{
    set_tee(c, h, kRef90, b, run_dia2, run_dia1, branch_dia);
    set_triples(c, h, 11, Pt::A, Pt::B, Pt::D, kKeep8and9);
}
