// Which way each drawing looks at the solid, how closely a correct drawing of
// each kind of view follows the solid's projection, and the drawings (or parts
// of them) that are not held to it.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model.h"

namespace arfmodel {

// Kinds of view, by how the fitting's axes meet the drawing plane: the bend
// flat in the drawing; looking square along a leg or square across it; one or
// two axes leaning 45 degrees out of the plane (axonometric); looking along the
// 45-degree leg (oblique).
enum class Family { plane, square, axonometric, oblique };
const char* family_name(Family f);

struct ViewInfo {
    Camera cam;
    Family family;
};

// Null when the entry has no model or the view code no camera (a symbol view).
std::optional<ViewInfo> view_info(const std::string& entry, int view);

// A drawing passes when coverage and support reach its family's gate.
struct Gate {
    double coverage, support;
};
Gate gate(Family f);
// The gate for one entry's drawings of a family: the family's, unless the entry
// has its own (drawings that all leave out an edge of the solid, calibrated on
// the entry's fully specified views).
Gate gate(const std::string& entry, Family f);

// Share of its length within the tolerance that every drawn element must reach.
constexpr double kElementShare = 0.8;

// A drawing or some of its elements that the comparison does not hold to the
// solid: symbols (marks that are no edge of the solid) or known deviations of a
// correct drawing from the projection.
struct Exception {
    const char* entry;
    int view;
    int size_lo, size_hi;                 // first sizes the row holds for
    bool (*holds)(const ArfRecordView&);  // and of those the records it holds for; null: all
    std::array<int, 4> elements;          // 1-based, in the order written, 0 for none; all 0: the whole drawing
    bool symbol;
    const char* reason;

    bool whole() const { return elements[0] == 0; }
    bool names(int element) const;
};
std::span<const Exception> exceptions();
// The 90-degree tees' rows, kept apart from the others'.
std::span<const Exception> tee_exceptions();

// The rows that hold for one drawing of the record.
std::vector<Exception> exceptions_for(const std::string& entry, int view, const ArfRecordView& rec);

}  // namespace arfmodel
