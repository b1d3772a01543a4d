// The host's free-radius bend routines, its placement helpers and its standard
// colours. The replacement host records each call with what it was handed:
// the conversion record and the part's points as they stand at the call.
#include "recorder.h"

using namespace arfhost;

namespace {

void note_conv(const char* routine, const HENKAN* c)
{
    note_arg(routine, "conv", {c->ox, c->oy, c->m[0], c->m[1], c->m[2], c->m[3], double(c->i48), c->scale});
}

void note_points(const char* routine, const HEADTBL* h)
{
    if (!h) return;
    note_arg(routine, "points", {h->pt_a.x, h->pt_a.y, h->pt_a.z, h->pt_b.x, h->pt_b.y, h->pt_b.z,
                                 h->pt_c.x, h->pt_c.y, h->pt_c.z});
}

void note_vects(const char* routine, const char* name, const VECTS* v)
{
    const double d[9] = {v->p[0].x, v->p[0].y, v->p[0].z, v->p[1].x, v->p[1].y,
                         v->p[1].z, v->p[2].x, v->p[2].y, v->p[2].z};
    note_arg(routine, name, d, 9);
}

int result(const char* routine) { return should_fail(routine) ? 1 : 0; }

}  // namespace

// Standard colour n as an RGB value; the first eight are the host's pens.
B_CIfColor B_CIfColor::StandardColorNo(int n)
{
    static constexpr int32_t kRgb[8] = {0x000000, 0x0000FF, 0x00FF00, 0x00FFFF,
                                        0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    note_call("B_CIfColor::StandardColorNo");
    note_arg("B_CIfColor::StandardColorNo", "n", {double(n)});
    return {n >= 0 && n < 8 ? kRgb[n] : 0};
}

int hinechk(HENKAN* conv, HEADTBL*, VECTS* ref, VECTS* pts)
{
    note_call("hinechk");
    note_vects("hinechk", "ref", ref);
    note_vects("hinechk", "pts", pts);
    note_conv("hinechk", conv);
    return result("hinechk");
}

int bzi_nmst(HEADTBL* head)
{
    note_call("bzi_nmst");
    note_points("bzi_nmst", head);
    return result("bzi_nmst");
}

int hoonatu(HEADTBL* head, SHOKICH*)
{
    note_call("hoonatu");
    note_points("hoonatu", head);
    return result("hoonatu");
}

int gohkpat(int* view_list)
{
    note_call("gohkpat");
    note_arg("gohkpat", "view_list", view_list, kProcListLen);
    return result("gohkpat");
}

int zlcFreeRadErboVectMake_OfDbl(BZI_WRT_PRM* w, SHOKICH*, double* draw, double* out)
{
    const char* const r = "zlcFreeRadErboVectMake_OfDbl";
    note_call(r);
    note_arg(r, "draw", {draw[0], draw[1], draw[2], draw[3]});
    note_arg(r, "out", {out ? 1.0 : 0.0});
    note_conv(r, w->conv);
    note_points(r, w->head);
    return result(r);
}

int zlcFreeRadErboDraw_OfDbl(BZI_WRT_PRM* w, double* draw)
{
    const char* const r = "zlcFreeRadErboDraw_OfDbl";
    note_call(r);
    note_arg(r, "draw", {draw[0], draw[1], draw[2], draw[3]});
    note_conv(r, w->conv);
    note_points(r, w->head);
    return result(r);
}

int center_line(int mode, double offset, SHOKICH*, BZI_WRT_PRM* w)
{
    note_call("center_line");
    note_arg("center_line", "mode,offset", {double(mode), offset});
    note_points("center_line", w->head);
    return result("center_line");
}

int tanstugi3d(int mode, SHOKICH*, BZI_WRT_PRM* w)
{
    note_call("tanstugi3d");
    note_arg("tanstugi3d", "mode", {double(mode)});
    note_conv("tanstugi3d", w->conv);
    note_points("tanstugi3d", w->head);
    return result("tanstugi3d");
}

int denpvect(HEADTBL* head, SHOKICH*, HENKAN* conv, int npts)
{
    note_call("denpvect");
    note_arg("denpvect", "npts", {double(npts)});
    note_conv("denpvect", conv);
    note_points("denpvect", head);
    return result("denpvect");
}
