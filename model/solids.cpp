// The fittings' solids, one function per shape, each built from the dimension
// record the drawing used and placed in the local frame of view 1. Socket ends
// and pipes are solids of revolution of their stepped half-profile (the steps
// the joint profiles draw), bends add a torus segment about the bend centre of
// the view-1 outline. Bores are shallow recesses at the end faces: the drawings
// show the bore's rim at a pipe end or socket mouth but nothing of the inside.
#include <BRepAlgoAPI_Cut.hxx>
#include <BRep_Builder.hxx>
#include <TopoDS_Compound.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepGProp.hxx>
#include <BRepLib.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <GProp_GProps.hxx>
#include <Standard_Failure.hxx>
#include <gp_Circ.hxx>
#include <gp_Pln.hxx>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>

#include "kernel.h"
#include "shapes.h"

namespace arfmodel {

gp_Pnt at(V3 p) { return {p.x, p.y, p.z}; }
gp_Dir dir(V3 d) { return {d.x, d.y, d.z}; }
V3 along(V3 o, V3 a, double u) { return {o.x + u * a.x, o.y + u * a.y, o.z + u * a.z}; }

void require(bool ok, const char* what)
{
    if (!ok) throw std::runtime_error(std::string("model: ") + what + " failed");
}

namespace {

// Drops repeated points and the middle one of three in a line, so each face of
// the solid is one step of the profile.
Profile simplified(const Profile& p)
{
    Profile q;
    for (const auto& x : p) {
        if (!q.empty() && std::hypot(x[0] - q.back()[0], x[1] - q.back()[1]) < 1e-9) continue;
        if (q.size() >= 2) {
            const auto& a = q[q.size() - 2];
            const auto& b = q.back();
            const double cr = (b[0] - a[0]) * (x[1] - a[1]) - (b[1] - a[1]) * (x[0] - a[0]);
            if (std::abs(cr) < 1e-9) q.pop_back();
        }
        q.push_back(x);
    }
    return q;
}

}  // namespace

TopoDS_Shape revolve(const Profile& prof, V3 o, V3 a, V3 seam)
{
    const Profile q = simplified(prof);
    BRepBuilderAPI_MakePolygon poly;
    poly.Add(gp_Pnt(0, 0, q.front()[0]));
    for (const auto& x : q) poly.Add(gp_Pnt(x[1], 0, x[0]));
    poly.Add(gp_Pnt(0, 0, q.back()[0]));
    poly.Close();
    require(poly.IsDone(), "profile");
    const BRepBuilderAPI_MakeFace face(poly.Wire(), true);
    require(face.IsDone(), "profile face");
    BRepPrimAPI_MakeRevol rev(face.Face(), gp::OZ(), 2 * kPi);
    require(rev.IsDone(), "revolution");
    gp_Trsf t;
    t.SetDisplacement(gp::XOY(), gp_Ax3(at(o), dir(a), dir(seam)));
    return BRepBuilderAPI_Transform(rev.Shape(), t, true).Shape();
}

TopoDS_Shape torus_segment(V3 p, V3 m, double r, V3 c, V3 n, double angle)
{
    const gp_Circ circle(gp_Ax2(at(p), dir(m)), r);
    const TopoDS_Wire w = BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(circle).Edge()).Wire();
    const BRepBuilderAPI_MakeFace disc(gp_Pln(at(p), dir(m)), w, true);
    require(disc.IsDone(), "bend section");
    BRepPrimAPI_MakeRevol rev(disc.Face(), gp_Ax1(at(c), dir(n)), angle);
    require(rev.IsDone(), "bend");
    return rev.Shape();
}

TopoDS_Shape fuse(const TopoDS_Shape& a, const TopoDS_Shape& b)
{
    BRepAlgoAPI_Fuse op(a, b);
    require(op.IsDone(), "fusing");
    return op.Shape();
}

TopoDS_Shape recess(const TopoDS_Shape& s, V3 p, V3 a, double r)
{
    const V3 start = along(p, a, -kRecess);
    const TopoDS_Shape tool = BRepPrimAPI_MakeCylinder(gp_Ax2(at(start), dir(a)), r, 2 * kRecess).Shape();
    BRepAlgoAPI_Cut op(s, tool);
    require(op.IsDone(), "bore recess");
    return op.Shape();
}

namespace {

// ---------------------------------------------------------------------------
// One function per fitting shape.

// Plug: a solid body of the pipe's diameter d1, its end face at z = 0 and its
// length d2 away from the viewer of view 1, with the raised head as a thin grip
// across the end face (seen end-on the line across the circle, from the side the
// head's rectangle half the diameter wide and 0.3·d1 high).
TopoDS_Shape plug(Cols d)
{
    const double D = d(1), L = d(2), t = 1.0;
    const TopoDS_Shape body = revolve({{0, D / 2}, {L, D / 2}}, {0, 0, -L}, {0, 0, 1}, {0, -1, 0});
    const TopoDS_Shape head =
        BRepPrimAPI_MakeBox(gp_Pnt(-D / 4, -t / 2, -1), gp_Pnt(D / 4, t / 2, 0.3 * D)).Shape();
    return fuse(body, head);
}

// Socket adaptor: the socket a disc of diameter d5 and thickness d1 about the x
// axis, a flat stub d1 thick standing on it up to 1.5·d3 + d2, its sides from
// where the circle is at a quarter of d5 to a half-width of d5/4 at the top.
// The bolt holes are marks only. Bore d5 - 2·d9 at both faces.
TopoDS_Shape socket_adaptor(Cols d)
{
    const double R = d(5) / 2, h = 1.5 * d(3) + d(2), x0 = -d(1) / 2, zc = R * std::sqrt(0.75);
    TopoDS_Shape s = revolve({{0, R}, {d(1), R}}, {x0, 0, 0}, {1, 0, 0});
    BRepBuilderAPI_MakePolygon stub;
    for (const auto& [y, z] : std::initializer_list<std::array<double, 2>>{
             {0, -zc}, {R / 2, -zc}, {h, -R / 2}, {h, R / 2}, {R / 2, zc}, {0, zc}})
        stub.Add(gp_Pnt(x0, y, z));
    stub.Close();
    const BRepBuilderAPI_MakeFace face(stub.Wire(), true);
    require(face.IsDone(), "stub");
    s = recess(s, {x0, 0, 0}, {1, 0, 0}, R - d(9));
    s = recess(s, {-x0, 0, 0}, {-1, 0, 0}, R - d(9));
    // The stub stands on the socket as a part of its own: the socket's end
    // face keeps its whole rim, as the end views draw it.
    BRepAlgoAPI_Cut on(BRepPrimAPI_MakePrism(face.Face(), gp_Vec(d(1), 0, 0)).Shape(), s);
    require(on.IsDone(), "stub on the socket");
    TopoDS_Compound both;
    BRep_Builder b;
    b.MakeCompound(both);
    b.Add(both, s);
    b.Add(both, on.Shape());
    return both;
}

// Bends: the plain leg down the y axis from its pipe end at y = -d10 to the bend
// start at y = -R (R = d5 - d3), a torus segment through 'angle' about the
// centre on the bend-start line, and the socket leg from the bend end at R
// along the axis turned 'angle' from +y towards +x to its end face at d5. Up to
// 125 the socket leg carries the hub: pipe to R + d3/8, taper to the mean of the
// two radii at d9, flat for d4/5, taper to the socket's radius at d9 + 2·d4/5.
TopoDS_Shape bend(Cols d, double angle)
{
    const double R = d(5) - d(3), r2 = d(2) / 2, r1 = d(1) / 2;
    const V3 a = {std::sin(angle), std::cos(angle), 0};
    const double rho = R / std::tan(angle / 2);  // bend radius of the legs' axes
    TopoDS_Shape s = torus_segment({0, -R, 0}, {0, 1, 0}, r2, {rho, -R, 0}, {0, 0, -1}, angle);
    if (d(10) > R + 1e-6) s = fuse(revolve({{0, r2}, {d(10) - R, r2}}, {0, -d(10), 0}, {0, 1, 0}), s);
    Profile leg = {{R, r2}, {d(5), r2}};
    if (r1 > r2 + 1e-9) {
        const double mid = (d(1) + d(2)) / 4, step = d(4) / 5;
        leg = {{R, r2},        {R + d(3) / 8, r2}, {d(9), mid}, {d(9) + step, mid},
               {d(9) + 2 * step, r1}, {d(5), r1}};
    }
    s = fuse(s, revolve(leg, {0, 0, 0}, a));
    s = recess(s, {0, -d(10), 0}, {0, 1, 0}, r2 - d(7));
    return recess(s, along({0, 0, 0}, a, d(5)), {-a.x, -a.y, 0}, r1 - d(8));
}

TopoDS_Shape bend45(Cols d) { return bend(d, kPi / 4); }
TopoDS_Shape bend90(Cols d) { return bend(d, kPi / 2); }

// The reducer's second size as the record shows it (the d12 slot).
int second_size(Cols d) { return static_cast<int>(d(12)); }

// Reducer along x: the spigot of the first size (diameter d1) from its end face
// at -d10 to 0, a taper to the second size's pipe (d14) at d15, that pipe to the
// hub and the hub's steps (as the second size's socket, d16 its length) to the
// mouth at 2·d15. A second size of 150 or more is a spigot of fixed make-up.
TopoDS_Shape reducer(Cols d)
{
    const double L = d(10);
    if (second_size(d) >= 150)
        return revolve({{0, 108.15}, {L, 108.15}, {L + 216.3, 82.6}, {L + 366.3, 82.6}}, {-L, 0, 0}, {1, 0, 0});
    const double m = 2 * d(15), hub = (d(14) + d(13)) / 4;
    const Profile p = {{0, d(1) / 2},
                       {L, d(1) / 2},
                       {L + d(15), d(14) / 2},
                       {L + m - d(16) - d(15) / 8, d(14) / 2},
                       {L + m - d(16), hub},
                       {L + m - 0.8 * d(16), hub},
                       {L + m - 0.6 * d(16), d(13) / 2},
                       {L + m, d(13) / 2}};
    TopoDS_Shape s = revolve(p, {-L, 0, 0}, {1, 0, 0});
    s = recess(s, {-L, 0, 0}, {1, 0, 0}, d(1) / 2 - d(7));
    return recess(s, {m, 0, 0}, {-1, 0, 0}, d(13) / 2 - d(20));
}

struct Maker {
    const char* entry;
    TopoDS_Shape (*make)(Cols);
    double (*diameter)(Cols);
};

constexpr Maker kMakers[] = {
    {"jarft01plg", plug, [](Cols d) { return d(1); }},
    {"jarft01sa0", socket_adaptor, [](Cols d) { return d(5); }},
    {"jarft41l00", bend45, [](Cols d) { return d(1); }},
    {"jarft91l00", bend90, [](Cols d) { return d(1); }},
    {"jarft01sct", reducer, [](Cols d) { return second_size(d) >= 150 ? 216.3 : std::max(d(1), d(13)); }},

    // The 45-degree branches and the bend with two sizes (branches.cpp). The
    // large run's d1 is its wall, well below d2.
    {"jarft42s00", branch45, [](Cols d) { return std::max({d(1), d(2), d(11)}); }},
    {"jarft42sl0", branch45_plain, [](Cols d) { return std::max({d(1), d(2), d(11)}); }},
    {"jarft42sco", branch45_collar, [](Cols d) { return std::max({d(1), d(2), d(11)}); }},
    {"jarft91w00", double_bend, [](Cols d) { return std::max(d(1), d(11)); }},
    {"jarft42w00", double_bend, [](Cols d) { return std::max(d(1), d(11)); }},

    // The 90-degree tees (tees.cpp).
    {"jarft92l00", tee90, tee90_diameter},
    {"jarft92lco", tee90_hub, [](Cols d) { return std::max({d(1), d(2), d(11), d(22)}); }},
    {"jarft92ll0", tee90_swept, [](Cols d) { return std::max({d(1), d(2), d(11)}); }},
    {"jarft92s00", tee90_square, [](Cols d) { return std::max({d(1), d(2), d(11)}); }},
    {"jarft92s0t", tee90_set, [](Cols d) { return std::max({d(1), d(2), d(11)}); }},
};

const Maker& maker(const std::string& entry)
{
    for (const Maker& m : kMakers)
        if (entry == m.entry) return m;
    throw std::runtime_error("no model for " + entry);
}

}  // namespace

bool has_model(const std::string& entry)
{
    return std::any_of(std::begin(kMakers), std::end(kMakers), [&](const Maker& m) { return entry == m.entry; });
}

Solid build(const std::string& entry, const ArfRecordView& rec)
{
    const Maker& m = maker(entry);
    auto impl = std::make_shared<Solid::Impl>();
    try {
        impl->shape = m.make(Cols{rec});
        // Mark tangent joins (leg into bend, faces in one plane) as smooth, so
        // the projection tells them from real edges.
        BRepLib::EncodeRegularity(impl->shape, 1e-6);
    } catch (const Standard_Failure& e) {  // the kernel's own exceptions are no std::exception
        throw std::runtime_error("model of " + entry + ": the kernel failed: " + e.GetMessageString());
    }
    return Solid(std::move(impl));
}

double largest_diameter(const std::string& entry, const ArfRecordView& rec)
{
    return maker(entry).diameter(Cols{rec});
}

double volume(const Solid& s)
{
    GProp_GProps g;
    BRepGProp::VolumeProperties(s.impl->shape, g, 1e-9);
    return g.Mass();
}

}  // namespace arfmodel

// Under LeakSanitizer (the sanitizer build of the tool and the tests): the
// kernel keeps session data (the STEP translator's settings, its memory
// manager's pools) for the life of the process, which the leak check would
// count as ours. Linked wherever the models are.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libTKernel.so\nleak:libTKXSBase.so\nleak:libTKSTEP.so\nleak:libTKSTEPBase.so\n";
}
// Without the list of suppressions used on standard error, which the tool's
// tests read.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
// Under AddressSanitizer: the kernel's boolean operations (libTKBO) take a
// temporary buffer with operator new and give it back with free inside the
// kernel's own code, which the allocation-type check reports as ours. The
// check is left off only in the programs that link the models (the tool and
// the tests); the fuzz target and the library's own checks keep it.
extern "C" const char* __asan_default_options() { return "alloc_dealloc_mismatch=0"; }
