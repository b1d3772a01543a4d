// How well a drawing shows its solid: the drawn elements against the exact
// hidden-line projection of the model, within a tolerance.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"
#include "model.h"

namespace arftool {

// The tolerance for a fitting whose largest outside diameter is d: 1% of it, at least 0.5 mm.
double compare_tolerance(double d);

struct Score {
    double coverage = 0;  // share of the projection's visible edges and outlines within eps of a drawn element
    double support = 0;   // share of the drawn length within eps of any projected edge
    std::vector<double> element_share;  // per drawn element, in the order written
    std::vector<double> element_seen_share;  // the same within eps of a visible edge
    std::vector<double> element_len;
};

// Whether drawn element i (e) is off the projection by the per-element check.
bool element_off(const Score& s, const arfhost::Element& e, std::size_t i);

// Smooth joins never count against coverage; hidden and smooth edges support.
Score compare(const std::vector<arfhost::Element>& drawn, const std::vector<arfmodel::Line2>& lines, double eps);

// One compared drawing as the summary lists it.
struct Compared {
    std::string entry;
    int size = 0, size_b = 0, view = 0;  // the record's sizes
    std::string family;
    double eps = 0;
    Score score;
    double geometry_support = 0;     // support over the elements that are not symbols: what the gate sees
    std::vector<int> bad_elements;  // 1-based, below the element share and not excepted
    std::vector<std::string> notes;  // exceptions that applied
    bool below_gate = false;
    bool known = false;  // the whole drawing is a listed deviation
    std::string error;   // the solid could not be built or projected
    bool failed() const { return !error.empty() || (!known && (below_gate || !bad_elements.empty())); }
};

// The solid of the drawing's record seen by its view's camera. Throws when the
// entry has no model or the view no camera, or the kernel cannot build it.
std::vector<arfmodel::Line2> projection_of(const Drawing& d);

// Scores one drawing against its projection and judges it by its family's gate
// and the exception table. Throws when the entry has no model or the view no
// camera; a solid the kernel cannot build is reported in the result's error.
Compared compare_drawing(const Drawing& d);
// The same against a projection already made (projection_of(d)).
Compared compare_drawing(const Drawing& d, const std::vector<arfmodel::Line2>& lines);

// JSON: every drawing, then per entry and view the median coverage and support
// over the records and the worst record, and the failures.
std::string compare_summary(const std::vector<Compared>& all);

// The projection as SVG (y up): visible edges solid, hidden dashed, smooth joins
// thin grey; the drawn elements, when given, over it in thin red.
std::string hlr_svg(const std::vector<arfmodel::Line2>& lines, const std::string& title,
                    const std::vector<arfhost::Element>& drawn = {});

}  // namespace arftool
