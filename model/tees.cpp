// The 90-degree tees' solids, in the tee's frame of view 1: the run on the y
// axis from its plain end at y = -d10 to its end 2 at +y, the branch leaving
// towards +x in the drawing plane.
//
// The small tee's branch leaves the run along a 45-degree leg whose axis
// passes through (0, -d9), turns level and ends in its socket. The turn is the
// crotch fillet: its inner side follows the crotch circle of radius d16, its
// outer side the turn of radius d12/2 + d16 through the branch pipe's start.
// The two sides are not concentric, so the turn is no torus: it is lofted
// through sections at the leg's seam, across the middle of the two
// sides, and at the branch pipe's start.
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Circ.hxx>
#include <gp_Ax2.hxx>
#include <gp_Elips.hxx>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "shapes.h"

namespace arfmodel {

namespace {

constexpr double kRoot2 = 1.414213562;
constexpr double k4 = 0.7071;  // the crotch's own cos 45
constexpr V3 kLeg = {0.707106781, 0.707106781, 0};  // the 45-degree leg's axis
constexpr V3 kX = {1, 0, 0}, kY = {0, 1, 0};

struct P2 {
    double x, y;
};
P2 operator+(P2 a, P2 b) { return {a.x + b.x, a.y + b.y}; }
P2 operator-(P2 a, P2 b) { return {a.x - b.x, a.y - b.y}; }
P2 operator*(double s, P2 a) { return {s * a.x, s * a.y}; }
double len(P2 a) { return std::hypot(a.x, a.y); }
V3 v3(P2 a) { return {a.x, a.y, 0}; }

// The centre of the circle of radius r through a and b: the one to the
// larger x, or with 'below' the one to the smaller y.
P2 centre_through(P2 a, P2 b, double r, bool below = false)
{
    const P2 m = 0.5 * (a + b), ab = b - a;
    const double h = std::sqrt(std::max(0.0, r * r - 0.25 * (ab.x * ab.x + ab.y * ab.y)));
    const P2 n = (h / len(ab)) * P2{-ab.y, ab.x};
    const P2 c1 = m + n, c2 = m - n;
    if (below) return c1.y < c2.y ? c1 : c2;
    return c1.x > c2.x ? c1 : c2;
}

// The midpoint of the shorter arc of the circle about c through a and b.
P2 arc_middle(P2 c, P2 a, P2 b)
{
    const P2 m = 0.5 * (a + b) - c;
    return c + (len(a - c) / len(m)) * m;
}

// A section centred on p, facing along n, its seam away from the viewer of
// view 1: round of diameter dia, or as wide as 'wide' in the drawing plane
// where that is wider (the pipe keeps its diameter across the plane).
TopoDS_Wire section(P2 p, P2 n, double dia, double wide = 0)
{
    const gp_Ax2 ax(at(v3(p)), dir(v3((1 / len(n)) * n)), gp_Dir(0, 0, -1));
    if (wide <= dia) return BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(gp_Circ(ax, dia / 2)).Edge()).Wire();
    // An ellipse's first axis is its major one: turned a quarter into the plane.
    const gp_Ax2 turned(ax.Location(), ax.Direction(), ax.Direction().Crossed(gp_Dir(0, 0, -1)));
    return BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(gp_Elips(turned, wide / 2, dia / 2)).Edge()).Wire();
}

// A plain pipe of radius r from p along a for length l.
TopoDS_Shape pipe(V3 p, V3 a, double l, double r) { return revolve({{0, r}, {l, r}}, p, a); }

// The plain leg of a bent branch from 'foot' up to the bend's seam. The
// kernel's projection often loses the outline of this leg, fused between run
// and bend, where no edge carries it, so edges are put where its outline lies
// seen along the run or the branch (views 2 to 5), on the generators square
// to the tee's plane: in 'halves' it is two half-pipes joined there, whose
// smooth joins add no line of their own. The halves' end faces do not fuse
// with every bend: bent() then takes the whole pipe with its seam on the near
// side (+z), which keeps that side's outline.
TopoDS_Shape bent_leg(P2 foot, P2 seam, double r, bool halves)
{
    const P2 a = seam - foot;
    const V3 p = v3(foot), u = v3((1 / len(a)) * a);
    if (!halves) return revolve({{0, r}, {len(a), r}}, p, u, {0, 0, 1});
    const auto half = [&](double side) {
        return BRepPrimAPI_MakeCylinder(gp_Ax2(at(p), dir(u), gp_Dir(0, 0, side)), r, len(a), kPi).Shape();
    };
    return fuse(half(1), half(-1));
}

// The run with a bent plain branch of radius r fused on: its leg from
// (0, -d9) on the run's axis up to the 45-degree seam of a bend of centre-line
// radius rb about c, and the bend turning level there.
TopoDS_Shape leg_and_bend(const TopoDS_Shape& run, double d9, P2 c, double rb, double r, bool halves)
{
    const P2 seam = c + P2{-rb / kRoot2, rb / kRoot2};
    const TopoDS_Shape s = fuse(run, bent_leg({0, -d9}, seam, r, halves));
    return fuse(s, torus_segment(v3(seam), kLeg, r, v3(c), {0, 0, -1}, kPi / 4));
}

template <class Build>
TopoDS_Shape bent(Build build)
{
    try {
        return build(true);
    } catch (const std::runtime_error&) {
        return build(false);
    }
}

// The run with the socket of end 2: from its plain end at -d10 (pipe d2 up to the insertion depth d3, the middle step, the outside d1 up to
// the end face at d5, steps at the fixed fractions of the socket length d4).
TopoDS_Shape run_socketed(Cols d)
{
    const double mid = 0.25 * (d(2) + d(1));
    return revolve({{-d(10), d(2) / 2},
                    {d(5) - 0.875 * d(3), d(2) / 2},
                    {d(5) - d(4), mid},
                    {d(5) - 0.8 * d(4), mid},
                    {d(5) - 0.6 * d(4), d(1) / 2},
                    {d(5), d(1) / 2}},
                   {0, 0, 0}, kY);
}

// The branch socket about the x axis: pipe d12 from x0 to the insertion depth
// d13, the middle step and the outside d11 up to the end face at e.
TopoDS_Shape branch_socket(Cols d, double x0, double e)
{
    const double mid = 0.25 * (d(12) + d(11));
    return revolve({{x0, d(12) / 2},
                    {e - 0.875 * d(13), d(12) / 2},
                    {e - d(14), mid},
                    {e - 0.8 * d(14), mid},
                    {e - 0.6 * d(14), d(11) / 2},
                    {e, d(11) / 2}},
                   {0, 0, 0}, kX);
}

// The turn from the leg's round seam (centre 'seam', facing along the leg)
// to the branch pipe's start at x0, lofted through a third section
// across the middles of its outer and inner sides.
TopoDS_Shape turn(double dia, P2 seam, P2 outer, P2 inner, double x0)
{
    const P2 across = outer - inner;
    BRepOffsetAPI_ThruSections loft(true, false);
    loft.AddWire(section(seam, {kLeg.x, kLeg.y}, dia));
    loft.AddWire(section(0.5 * (outer + inner), {across.y, -across.x}, dia, len(across)));
    loft.AddWire(section({x0, 0}, {1, 0}, dia));
    loft.Build();
    require(loft.IsDone(), "branch turn");
    return loft.Shape();
}

// The 45-degree leg of radius r from the run's axis up to the seam.
TopoDS_Shape leg(P2 seam, double r)
{
    const double l = seam.x * kRoot2;
    return pipe(along(v3(seam), kLeg, -l), kLeg, l, r);
}

// The leg and the crotch turn of a run of radius rr, ending at the branch
// pipe's start x0. F is the crotch circle (centre, radius) whose top touches
// the branch axis; rc the crotch radius (d16, or d5 of the hubbed tee).
TopoDS_Shape leg_and_turn(Cols d, double rr, double x0, P2 fc, double fr, double rc)
{
    const double r = d(12) / 2, r1 = d(12) * 0.5 + rc;
    // The leg's lower side leaves the run side below the leg axis and rises
    // at 45 degrees until it meets F (its first crossing): the crotch foot.
    const P2 p26 = {rr, rr - d(9) - kRoot2 * d(12) * 0.5};
    const P2 q = p26 - fc;
    const double b = q.x + q.y, c = q.x * q.x + q.y * q.y - fr * fr;
    const double t = (-b - std::sqrt(std::max(0.0, b * b - 2 * c))) / 2;
    const P2 foot = p26 + P2{t, t};
    const P2 top = foot + P2{-d(12) * k4, d(12) * k4};  // across the leg
    const P2 seam = 0.5 * (foot + top);
    const P2 p8 = {x0, r}, p19 = {x0, -r};
    const P2 outer = arc_middle(centre_through(top, p8, r1), top, p8);
    const P2 inner = arc_middle(centre_through(foot, p19, rc), foot, p19);
    return fuse(leg(seam, r), turn(d(12), seam, outer, inner, x0));
}

// The crotch circle: a run of 125 or a branch as large as the run takes the
// crotch radius d16 as its diameter, any other pair the part beyond the pipe.
void crotch_small(Cols d, double cx, P2& fc, double& fr)
{
    const int m = d.r.keys[0], b = d.r.keys[1];
    if (m == 125 || m == b) {
        fc = {cx, -0.5 * d(16)};
        fr = 0.5 * d(16);
    } else {
        fc = {cx, (d(12) - d(16)) * 0.5};
        fr = 0.5 * (d(16) - d(12));
    }
}

// Bores of a tee with socket ends: the run's plain end, the run's and the branch's mouths.
TopoDS_Shape tee_bores(TopoDS_Shape s, double run_end, double r_end, double run_mouth, double r_mouth, double e,
                       double r_branch)
{
    s = recess(s, {0, run_end, 0}, kY, r_end);
    s = recess(s, {0, run_mouth, 0}, {0, -1, 0}, r_mouth);
    return recess(s, {e, 0, 0}, {-1, 0, 0}, r_branch);
}

// Above 125 the branch (150 and up) is plain and bent: a run of diameter d1 to
// d5, the leg of diameter d11 up to the 45-degree seam, a bend of centre-line
// radius d2 about (d8 - d13, -d2) and the level pipe to its end at d8.
TopoDS_Shape tee_large_branch(Cols d)
{
    const double r = d(11) / 2;
    const P2 c = {d(8) - d(13), -d(2)};
    // The leg's axis runs from (0, -d9) on the run's axis to the seam; where
    // the table's bend centre puts the seam off the 45-degree line through
    // there (the largest sizes), the leg leans by that little and meets the
    // bend with a slight kink.
    return bent([&](bool halves) {
        TopoDS_Shape s = leg_and_bend(pipe({0, -d(10), 0}, kY, d(10) + d(5), d(1) / 2), d(9), c, d(2), r, halves);
        s = fuse(s, pipe({c.x, 0, 0}, kX, d(8) - c.x, r));
        return tee_bores(s, -d(10), d(1) / 2 - d(7), d(5), d(1) / 2 - d(7), d(8), r - d(17));
    });
}

}  // namespace

// The 90-degree tee: a socketed run and branch with the crotch fillet up to
// 125; a larger run is plain (its crotch circle of radius d16 whatever the
// sizes), a larger branch the bent one above.
TopoDS_Shape tee90(Cols d)
{
    const int m = d.r.keys[0], b = d.r.keys[1];
    if (b >= 150) return tee_large_branch(d);
    const double x0 = d(15) - d(13);
    P2 fc;
    double fr;
    TopoDS_Shape run;
    if (m >= 150) {
        fc = {x0, 0.5 * (d(12) - d(16))};
        fr = d(16);
        run = pipe({0, -d(10), 0}, kY, d(10) + d(5), d(2) / 2);
    } else {
        crotch_small(d, x0, fc, fr);
        run = run_socketed(d);
    }
    TopoDS_Shape s = fuse(run, leg_and_turn(d, d(2) / 2, x0, fc, fr, d(16)));
    s = fuse(s, branch_socket(d, x0, d(15)));
    const double mouth = m >= 150 ? d(2) / 2 - d(7) : d(1) / 2 - d(8);
    return tee_bores(s, -d(10), d(2) / 2 - d(7), d(5), mouth, d(15), d(11) / 2 - d(18));
}

// The hubbed tee's branch above 125: a plain pipe of its block's width (d22)
// up the leg from (0, -d9) into a bend of centre-line radius d5 about
// (d8 - 90, -d5), level to the end face at d8, where a hub d11 across covers
// the last quarter of the block's socket length (d21); the bore's wall is d23.
TopoDS_Shape hub_large_branch(Cols d, TopoDS_Shape run)
{
    const double r = d(22) / 2;
    const P2 c = {d(8) - 90.0, -d(5)};
    return bent([&](bool halves) {
        TopoDS_Shape s = leg_and_bend(run, d(9), c, d(5), r, halves);
        s = fuse(s, revolve({{c.x, r}, {d(8) - 0.25 * d(21), r}, {d(8) - 0.25 * d(21), d(11) / 2}, {d(8), d(11) / 2}},
                            {0, 0, 0}, kX));
        return tee_bores(s, -d(10), d(2) / 2 - d(7), d(4) + d(3), d(2) / 2 - d(7), d(8), r - d(23));
    });
}

// The tee with a stepped run hub: the run pipe d2 up to the hub of diameter d1
// from d4 - d3 to its end face at d4 + d3, the branch as the small tee's with
// the crotch radius in d5, or above 125 the bent plain branch above.
TopoDS_Shape tee90_hub(Cols d)
{
    const int m = d.r.keys[0], b = d.r.keys[1];
    const double lo = d(4) - d(3), hi = d(4) + d(3);
    TopoDS_Shape s = revolve({{-d(10), d(2) / 2}, {lo, d(2) / 2}, {lo, d(1) / 2}, {hi, d(1) / 2}}, {0, 0, 0}, kY);
    if (b > 125)
        return hub_large_branch(d, s);
    const double x0 = d(15) - d(13);
    const P2 fc = {x0, -0.5 * d(5)};
    const double fr = (m == 80 || m == 100) && m != b ? 0.5 * (d(5) - d(12)) : 0.5 * d(5);
    s = fuse(s, leg_and_turn(d, d(2) / 2, x0, fc, fr, d(5)));
    s = fuse(s, branch_socket(d, x0, d(15)));
    return tee_bores(s, -d(10), d(2) / 2 - d(7), hi, d(2) / 2 - d(7), d(15), d(11) / 2 - d(18));
}

// The swept tee: the leg runs up to the sweep's start a distance f·d9 short
// of the leg axis's crossing with the branch axis, and the sweep turns level
// to f·d9 beyond it; the branch pipe d12 then reaches the plain hub (diameter
// d11, from d15 - 2·d14 to d15). The sweep's sides are the arcs of radius
// d16 ± d12/2 through the ends of its seams.
TopoDS_Shape tee90_swept(Cols d)
{
    const int m = d.r.keys[0], b = d.r.keys[1];
    const double f = m != b && (m == 50 || m == 65) ? 0.13 : m != b && m == 80 && b == 40 ? 0.11 : 0.22;
    const double r = d(12) / 2, kk = kLeg.x;
    const P2 start = {d(9) - f * d(9) * kk, -f * d(9) * kk}, end = {d(9) + f * d(9), 0};
    const P2 s_top = start + P2{-r * kk, r * kk}, s_bottom = start + P2{r * kk, -r * kk};
    const P2 e_top = {end.x, r}, e_bottom = {end.x, -r};
    // The arcs' centres lie below the sweep.
    const double ro = r + d(16), ri = d(16) - r;
    const P2 outer = arc_middle(centre_through(s_top, e_top, ro, true), s_top, e_top);
    const P2 inner = arc_middle(centre_through(s_bottom, e_bottom, ri, true), s_bottom, e_bottom);
    const double hub = d(15) - 2 * d(14);
    TopoDS_Shape s = fuse(run_socketed(d), leg(start, r));
    s = fuse(s, turn(d(12), start, outer, inner, end.x));
    s = fuse(s, revolve({{end.x, r}, {hub, r}, {hub, d(11) / 2}, {d(15), d(11) / 2}}, {0, 0, 0}, kX));
    // The hub takes the branch pipe: its bore is the pipe's outside.
    return tee_bores(s, -d(10), d(2) / 2 - d(7), d(5), d(1) / 2 - d(8), d(15), r);
}

namespace {
// The tees whose branch leaves the run square, without a crotch fillet: the
// branch pipe from the run's axis into its socket with the end face at e (d15,
// or d19 where the socket may reach into the run's own).
TopoDS_Shape square_tee(Cols d, double e)
{
    TopoDS_Shape s = fuse(run_socketed(d), branch_socket(d, 0, e));
    return tee_bores(s, -d(10), d(2) / 2 - d(7), d(5), d(1) / 2 - d(8), e, d(11) / 2 - d(18));
}
}  // namespace

TopoDS_Shape tee90_square(Cols d) { return square_tee(d, d(15)); }
TopoDS_Shape tee90_set(Cols d) { return square_tee(d, d(19)); }

// Above 125 the column d2 of a large branch is its bend's radius, not a diameter.
double tee90_diameter(Cols d)
{
    return d.r.keys[1] >= 150 ? std::max(d(1), d(11)) : std::max({d(1), d(2), d(11)});
}

}  // namespace arfmodel
