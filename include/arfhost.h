// What the drawing library requires of its host: the host's global records and
// the routines it calls. The replacement host in host/ implements all of it.
#pragma once

#include "arfrec.h"
#include "geomcalc.h"

// Host globals.
inline constexpr int kDataPoints = 100;  // the outlines use entries 0..99 of data
extern BZI_WRT_PRM bzi_wrt_t;
extern BZI bzifile;
extern tagRPT data[kDataPoints];
extern HENKAN henkan;

// Common stages and element write. Non-zero means failure.
int com_1st(HENKAN* conv, HEADTBL* head, SHOKICH* set, BZI_COM_PRM* com, BZI_WRT_PRM* w,
            int* proc_list);
int com_2nd(HENKAN* conv, HEADTBL* head, SHOKICH* set, int mode);
int gfbziwt(BZI_WRT_PRM* w, int mode);

// Standard marks drawn by the host.
void peke(double x, double y, double a, int n, double w, BZI_WRT_PRM* wp);
int hyojun41(BZI_WRT_PRM* w, int mode);

// Pipe table search and free-size tee drawing.
struct PIPETBL {
    char kind[4];        // 0: "PAR1"
    int32_t i4;          // 4
    double dia;          // 8: filled by pipesrch (a diameter)
    uint8_t r16_[40];
    double q;            // 56: filled by pipesrch
    uint8_t r64_[36];
    int32_t size;        // 100
    uint8_t r104_[24];
};
static_assert(offsetof(PIPETBL, dia) == 8 && offsetof(PIPETBL, q) == 56 &&
              offsetof(PIPETBL, size) == 100);

struct BUZAI_SIZ6 {
    int16_t s[4];        // 0..6
    double v[16];        // 8..128, v[i] at 8 + 8 i
};
static_assert(offsetof(BUZAI_SIZ6, v) == 8 && sizeof(BUZAI_SIZ6) == 136);

int pipesrch(PIPETBL* p, HEADTBL* head, SHOKICH* set, int mode);
int zscSizeFreeTeesDraw(HEADTBL* head, SHOKICH* set, BUZAI_SIZ6* siz, int* proc_list,
                        BZI_COM_PRM* com);

// Line types and colours of the host's interface library.
class B_CIfLineType {
public:
    uint16_t bits;  // the library copies these first 16 bits
    uint16_t r2_;
    static const B_CIfLineType& Solid();
};

// Colours of the host's interface library.
class B_CIfColor {
public:
    int32_t value;  // the library copies this first int32 as a pen
    static B_CIfColor StandardColorNo(int n);
};

// Free-radius bend: placement check, part set-up, the free-radius drawing and
// the single-line form (used by jarftx1s00 only). Non-zero means failure.
int hinechk(HENKAN* conv, HEADTBL* head, VECTS* ref, VECTS* pts);
int bzi_nmst(HEADTBL* head);
int hoonatu(HEADTBL* head, SHOKICH* set);
int gohkpat(int* view_list);
int denpvect(HEADTBL* head, SHOKICH* set, HENKAN* conv, int npts);
int center_line(int mode, double offset, SHOKICH* set, BZI_WRT_PRM* w);
int tanstugi3d(int mode, SHOKICH* set, BZI_WRT_PRM* w);
// draw: bend drawing array (four doubles); out: optional result array, may be null.
int zlcFreeRadErboVectMake_OfDbl(BZI_WRT_PRM* w, SHOKICH* set, double* draw, double* out);
int zlcFreeRadErboDraw_OfDbl(BZI_WRT_PRM* w, double* draw);
