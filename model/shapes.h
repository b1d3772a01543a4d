// What the files that build the fittings' solids share: the record's columns,
// solids of revolution of a stepped half-profile, bend segments, fusing and the
// bores' rim recesses. Kernel-side: included by the model's own files only.
#pragma once

#include <array>
#include <numbers>
#include <vector>

#include <TopoDS_Shape.hxx>
#include <gp_Dir.hxx>
#include <gp_Pnt.hxx>

#include "model.h"

namespace arfmodel {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kRecess = 1.0;  // depth of a bore's rim recess, mm

// Column N of the record (dN); the record's size keys through r.
struct Cols {
    const ArfRecordView& r;
    double operator()(int n) const { return r.d[n - 1]; }
};

gp_Pnt at(V3 p);
gp_Dir dir(V3 d);
V3 along(V3 o, V3 a, double u);
void require(bool ok, const char* what);

// Half-profile of a solid of revolution: (position along the axis, radius).
using Profile = std::vector<std::array<double, 2>>;

// The profile turned about the axis from o along a; 'seam' says where the
// surfaces' seams lie (away from the viewer of view 1).
TopoDS_Shape revolve(const Profile& prof, V3 o, V3 a, V3 seam = {0, 0, -1});

// A pipe of radius r bent through 'angle' about the axis through c along n,
// starting from its end face centred on p with normal m.
TopoDS_Shape torus_segment(V3 p, V3 m, double r, V3 c, V3 n, double angle);

TopoDS_Shape fuse(const TopoDS_Shape& a, const TopoDS_Shape& b);

// A recess of radius r and depth kRecess into the end face centred on p, a the
// direction into the solid: the bore's rim as the drawings show it.
TopoDS_Shape recess(const TopoDS_Shape& s, V3 p, V3 a, double r);

// The two-size fittings (branches.cpp): the 45-degree branches and the bend
// with two sizes.
TopoDS_Shape branch45(Cols d);
TopoDS_Shape branch45_plain(Cols d);
TopoDS_Shape branch45_collar(Cols d);
TopoDS_Shape double_bend(Cols d);

// The 90-degree tees (tees.cpp).
TopoDS_Shape tee90(Cols d);
TopoDS_Shape tee90_hub(Cols d);
TopoDS_Shape tee90_swept(Cols d);
TopoDS_Shape tee90_square(Cols d);
TopoDS_Shape tee90_set(Cols d);
double tee90_diameter(Cols d);

}  // namespace arfmodel
