// The outline checker: what a draughtsman would circle on a drawing before
// trusting it. It looks at the recorded elements only, never at the entry.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"

namespace arftool {

// How close two points must be to count as meeting, in millimetres.
constexpr double kMeetTol = 1e-6;

struct Finding {
    int element;       // 1-based index in the order written; 0 for the drawing as a whole
    std::string kind;  // failed, empty, non_finite, unknown_form, degenerate, off_curve, duplicate, dangling
    std::string detail;
    std::string intended = {};  // the entry's reason when it declared this on purpose, else empty

    bool declared() const { return !intended.empty(); }
};

// Every fault found in one drawing, in element order:
// - failed: the entry returned a non-zero status; empty: it succeeded but drew nothing.
// - non_finite: a geometry value is NaN or infinite (the element is not checked further).
// - degenerate: a segment shorter than kMeetTol, a radius or semi-axis not above it,
//   or an arc whose distinct start and end lie within it (neither clearly a sliver nor a full turn).
// - off_curve: an arc's or elliptic arc's start or end point lies off its curve.
// - duplicate: the same form with the same geometry as an earlier element (a segment also
//   when reversed), whatever its code or style: it would be drawn twice.
// - dangling: an end point of a segment, arc or elliptic arc that meets neither an end point
//   of another element nor lies on another element's curve. Circles, ellipses and arcs that
//   run the whole way round have no ends.
// A finding the entry declared (a dangling end of a mark, a repeated or zero-length element
// its outline lists, an arc whose listed ends lie a little off its curve, a view the host
// draws) carries the entry's reason; nothing else is
// excused, and a declaration of another kind than the finding excuses nothing.
std::vector<Finding> check_drawing(const Drawing& d);
// Findings the entry did not declare: the ones that count.
int undeclared(const std::vector<Finding>& findings);

struct Checked {
    std::string entry, drawing, file;  // entry name, title_of, catalogue file stem
    std::vector<Finding> findings;
};

// JSON: totals, counts per kind and per entry, every drawing flagged by an undeclared finding
// with those findings, and the declared findings grouped by entry, view, element and reason.
std::string check_summary(const std::vector<Checked>& all);

}  // namespace arftool
