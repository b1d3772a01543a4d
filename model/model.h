// Solid models of the fittings and what the drawings are checked against: the
// solid of one dimension record in the local frame of view 1 (x, y in the
// drawing plane, z towards the viewer), its exact hidden-line projection for a
// view, and STEP export. The geometry kernel stays behind this header: callers
// see only standard types.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "arfentry.h"

namespace arfmodel {

struct V3 {
    double x, y, z;
};

// A view as a camera: z points from the fitting towards the viewer, x is the
// drawing's x; the drawing's y is z × x.
struct Camera {
    V3 z, x;
};

class Solid {
public:
    struct Impl;
    explicit Solid(std::shared_ptr<const Impl> p) : impl(std::move(p)) {}
    std::shared_ptr<const Impl> impl;
};

// Whether the entry has a model.
bool has_model(const std::string& entry);

// The fitting's solid for the record the entry selected (arf_last_record: d1.. as
// the drawing used them, the straight length in d10). Throws std::runtime_error
// for an entry without a model or a shape the kernel cannot build.
Solid build(const std::string& entry, const ArfRecordView& rec);

// Largest outside diameter of the fitting: the scale of the comparison's tolerance.
double largest_diameter(const std::string& entry, const ArfRecordView& rec);

double volume(const Solid& s);

// STEP AP214 in millimetres; throws std::runtime_error when it cannot write.
void write_step(const Solid& s, const std::string& path);
// Volume of the solids a STEP file holds, read back through the kernel; throws when unreadable.
double step_volume(const std::string& path);

// One projected edge as a polyline in the drawing's frame.
struct Line2 {
    bool visible;
    bool smooth;   // a tangent join (leg into bend, coplanar faces): the drawing may show it
    bool outline;  // a silhouette of a curved face rather than an edge
    std::vector<std::array<double, 2>> pts;
};

// Exact hidden-line projection of the solid seen by the camera, each edge
// sampled to within chord tolerance tol.
std::vector<Line2> project(const Solid& s, const Camera& cam, double tol = 0.01);

}  // namespace arfmodel
