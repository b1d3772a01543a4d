// The host's free-radius bend routines, its placement helpers and its standard
// colours. The replacement host records each call with what it was handed:
// the conversion record and the part's points as they stand at the call.
#include "recorder.h"

using namespace arfhost;

// Each routine refuses a call handed a NaN or infinite value (the conversion,
// the part's points, its own arguments): a real host could draw nothing of it.
namespace {

// The conversion record and the part's points A, B, C as flat values.
struct Conv {
    double v[8];
    explicit Conv(const HENKAN* c) : v{c->ox, c->oy, c->m[0], c->m[1], c->m[2], c->m[3], double(c->i48), c->scale} {}
    Values values() const { return {"conv", v, 8}; }
};

struct Points {
    double v[9];
    std::size_t n;
    explicit Points(const HEADTBL* h)
        : v{}, n(h ? 9 : 0)
    {
        if (!h) return;
        const tagRPT3D* p[3] = {&h->pt_a, &h->pt_b, &h->pt_c};
        for (int i = 0; i < 3; ++i) v[3 * i] = p[i]->x, v[3 * i + 1] = p[i]->y, v[3 * i + 2] = p[i]->z;
    }
    Values values() const { return {"points", v, n}; }
};

struct Vects {
    double v[9];
    explicit Vects(const VECTS* s)
    {
        for (int i = 0; i < 3; ++i) v[3 * i] = s->p[i].x, v[3 * i + 1] = s->p[i].y, v[3 * i + 2] = s->p[i].z;
    }
};

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
    const Vects r(ref), p(pts);
    if (!take_args("hinechk", {{"ref", r.v, 9}, {"pts", p.v, 9}, Conv(conv).values()})) return 1;
    return result("hinechk");
}

int bzi_nmst(HEADTBL* head)
{
    note_call("bzi_nmst");
    if (!take_args("bzi_nmst", {Points(head).values()})) return 1;
    return result("bzi_nmst");
}

int hoonatu(HEADTBL* head, SHOKICH*)
{
    note_call("hoonatu");
    if (!take_args("hoonatu", {Points(head).values()})) return 1;
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
    const double has_out = out ? 1.0 : 0.0;
    if (!take_args(r, {{"draw", draw, 4}, {"out", &has_out, 1}, Conv(w->conv).values(), Points(w->head).values()}))
        return 1;
    return result(r);
}

int zlcFreeRadErboDraw_OfDbl(BZI_WRT_PRM* w, double* draw)
{
    const char* const r = "zlcFreeRadErboDraw_OfDbl";
    note_call(r);
    if (!take_args(r, {{"draw", draw, 4}, Conv(w->conv).values(), Points(w->head).values()})) return 1;
    return result(r);
}

int center_line(int mode, double offset, SHOKICH*, BZI_WRT_PRM* w)
{
    note_call("center_line");
    const double mo[2] = {double(mode), offset};
    if (!take_args("center_line", {{"mode,offset", mo, 2}, Points(w->head).values()})) return 1;
    return result("center_line");
}

int tanstugi3d(int mode, SHOKICH*, BZI_WRT_PRM* w)
{
    note_call("tanstugi3d");
    const double m = mode;
    if (!take_args("tanstugi3d", {{"mode", &m, 1}, Conv(w->conv).values(), Points(w->head).values()})) return 1;
    return result("tanstugi3d");
}

int denpvect(HEADTBL* head, SHOKICH*, HENKAN* conv, int npts)
{
    note_call("denpvect");
    const double n = npts;
    if (!take_args("denpvect", {{"npts", &n, 1}, Conv(conv).values(), Points(head).values()})) return 1;
    return result("denpvect");
}
