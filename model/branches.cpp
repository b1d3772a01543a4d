// The two-size fittings' solids in the local frame of view 1: the 45-degree
// branches (the run on the y axis, end 1 at y = -d10, the branch leaving the
// origin along the diagonal towards +x, +y) and the bend with two sizes. Socket
// ends carry the joint profile's steps: the pipe to seven eighths of the
// insertion depth short of the end face, the middle step (the mean of pipe and
// socket diameters) from the socket length back to 0.8 of it, the socket from
// 0.6 of it to the end face.
#include <cmath>

#include "kernel.h"
#include "shapes.h"

namespace arfmodel {

namespace {

constexpr double k = std::numbers::sqrt2 / 2;
constexpr V3 kO = {0, 0, 0}, kUp = {0, 1, 0}, kDown = {0, -1, 0}, kDiag = {k, k, 0}, kX = {1, 0, 0};

// A socket end along a from o: from its root (where the inserted pipe ends,
// depth short of the end face at e) on the pipe dp, to the socket ds, the
// socket length len measured back from e. Its own solid, so that the pipe it is
// fused to keeps a seam at the root, where the drawings draw a line across.
TopoDS_Shape socket(V3 o, V3 a, double e, double dp, double ds, double depth, double len)
{
    const double mid = (dp + ds) / 4;
    return revolve({{e - depth, dp / 2},
                    {e - 0.875 * depth, dp / 2},
                    {e - len, mid},
                    {e - 0.8 * len, mid},
                    {e - 0.6 * len, ds / 2},
                    {e, ds / 2}},
                   o, a);
}

// A bore's rim where the record gives a wall; none where it gives none.
TopoDS_Shape bore(const TopoDS_Shape& s, V3 p, V3 a, double r, double outer)
{
    return r > 0 && r < outer - 1e-6 ? recess(s, p, a, r) : s;
}

// Plain pipe of diameter d along a from o, from axial u0 to u1.
TopoDS_Shape pipe(V3 o, V3 a, double dia, double u0, double u1) { return revolve({{u0, dia / 2}, {u1, dia / 2}}, o, a); }

int main_size(Cols d) { return d.r.keys[0]; }
int branch_size(Cols d) { return d.r.keys[1]; }

// The run with its end-2 socket from the run's columns (d1 socket, d2 pipe, d3
// depth, d4 socket length, end face at d5), bored at both ends (d7 the pipe's
// wall, d8 the socket's inset).
TopoDS_Shape socket_run(Cols d)
{
    const TopoDS_Shape s = fuse(pipe(kO, kUp, d(2), -d(10), d(5) - d(3)), socket(kO, kUp, d(5), d(2), d(1), d(3), d(4)));
    return bore(s, {0, d(5), 0}, kDown, d(1) / 2 - d(8), d(1) / 2);
}

// The branch's socket on the diagonal from the branch's columns (d11 socket,
// d12 pipe, d13 depth, d14 socket length, end face at d15), its pipe starting at
// the run's axis, inside the run.
TopoDS_Shape socket_branch(Cols d)
{
    return fuse(pipe(kO, kDiag, d(12), 0, d(15) - d(13)), socket(kO, kDiag, d(15), d(12), d(11), d(13), d(14)));
}

// Run and branch fused, bored at end 1 (wall d7) and at the branch end.
TopoDS_Shape joined(Cols d, const TopoDS_Shape& run, const TopoDS_Shape& arm, double arm_end, double arm_dia,
                    double arm_bore)
{
    TopoDS_Shape s = fuse(run, arm);
    s = bore(s, {0, -d(10), 0}, kUp, d(2) / 2 - d(7), d(2) / 2);
    return bore(s, along(kO, kDiag, arm_end), {-k, -k, 0}, arm_bore, arm_dia / 2);
}

}  // namespace

// 45-degree branch in its three size classes. Both sizes below 150: socketed
// run and branch. Run of 150 or more: a plain run pipe d2 from end 1 to its end 2
// at d5, d1 its wall. Branch of 150 or more too: the branch a plain pipe d11 to
// its end face at d8.
TopoDS_Shape branch45(Cols d)
{
    if (main_size(d) < 150) return joined(d, socket_run(d), socket_branch(d), d(15), d(11), d(11) / 2 - d(18));
    TopoDS_Shape run = bore(pipe(kO, kUp, d(2), -d(10), d(5)), {0, d(5), 0}, kDown, d(2) / 2 - d(1), d(2) / 2);
    if (branch_size(d) < 150) return joined(d, run, socket_branch(d), d(15), d(11), d(11) / 2 - d(18));
    return joined(d, run, pipe(kO, kDiag, d(11), 0, d(8)), d(8), d(11), d(11) / 2 - d(18));
}

// 45-degree branch with a plain spigot: the branch pipe d12 out to e = d15 - 2·d14,
// then the wider spigot d11 to its end face at d15, whose bore is the pipe's
// diameter. The spigot is two cylinders joined at d15 - d14, where the drawings
// draw a line across it: a smooth join the comparison accepts.
TopoDS_Shape branch45_plain(Cols d)
{
    const double e = d(15) - 2 * d(14);
    TopoDS_Shape arm = fuse(pipe(kO, kDiag, d(12), 0, e), pipe(kO, kDiag, d(11), e, d(15) - d(14)));
    arm = fuse(arm, pipe(kO, kDiag, d(11), d(15) - d(14), d(15)));
    return joined(d, socket_run(d), arm, d(15), d(11), d(12) / 2);
}

// 45-degree branch with a collar at the run's end 2: the run pipe d2 up to
// d4 - d3, the collar d1 from there to d4 and the flange d1 on it up to its end
// face at d4 + d3 (two rings, so that they keep the seam at d4 the drawings
// draw across them), both ends bored to the pipe's wall d7. Branches above 125
// are plain pipes to d8, of the large branch's socket diameter (the joint
// block's a5, which is the record's d11), bored to that block's wall a9 (3.7
// for 150, 4.5 for 200); smaller ones carry their socket.
TopoDS_Shape branch45_collar(Cols d)
{
    const double r2 = d(2) / 2, c0 = d(4) - d(3), c1 = d(4) + d(3);
    TopoDS_Shape run = revolve({{-d(10), r2}, {c0, r2}, {c0, d(1) / 2}, {d(4), d(1) / 2}}, kO, kUp);
    run = fuse(run, revolve({{d(4), d(1) / 2}, {c1, d(1) / 2}}, kO, kUp));
    run = bore(run, {0, c1, 0}, kDown, r2 - d(7), r2);
    if (branch_size(d) > 125) {
        const double wall = branch_size(d) == 150 ? 3.7 : 4.5;
        return joined(d, run, pipe(kO, kDiag, d(11), 0, d(8)), d(8), d(11), d(11) / 2 - wall);
    }
    return joined(d, run, socket_branch(d), d(15), d(11), d(11) / 2 - d(18));
}

// Bend with two sizes: the plain leg (pipe d1) up the y axis from end 1 at
// y = -d10; two 45-degree bends about the corners (0, -d3) and (d3, 0) of the
// legs' axes, each a torus segment tangent to its legs d2 from the corner (the
// outlines' seams at y = -(d2 + d3) and x = d2 + d3); the straight diagonal
// between them; then along x a taper from d1 to the branch pipe d12 over d5 and
// the socket end of the branch columns (d11 to d15). Bored at end 1 (wall d7)
// and at the socket mouth (inset d18).
TopoDS_Shape double_bend(Cols d)
{
    const double r = d(1) / 2, t = d(2), c = d(3), rho = t / std::tan(kPi / 8);
    const V3 a1 = {k * t, -c + k * t, 0}, a2 = {c - k * t, -k * t, 0};
    const V3 n = {0, 0, -1};  // turning from +y towards +x
    TopoDS_Shape s = pipe(kO, kUp, d(1), -d(10), -(c + t));
    s = fuse(s, torus_segment({0, -(c + t), 0}, kUp, r, {rho, -(c + t), 0}, n, kPi / 4));
    s = fuse(s, pipe(a1, kDiag, d(1), 0, std::sqrt(2.0) * c - 2 * t));
    s = fuse(s, torus_segment(a2, kDiag, r, along(a2, {k, -k, 0}, rho), n, kPi / 4));
    s = fuse(s, revolve({{c + t, r}, {d(15) - d(13), d(12) / 2}}, kO, kX));
    s = fuse(s, socket(kO, kX, d(15), d(12), d(11), d(13), d(14)));
    s = bore(s, {0, -d(10), 0}, kUp, r - d(7), r);
    return bore(s, {d(15), 0, 0}, {-1, 0, 0}, d(11) / 2 - d(18), d(11) / 2);
}

}  // namespace arfmodel
