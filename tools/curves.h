// Curve arithmetic for the exporters and the checker: where a recorded element
// runs, in the host's sense. Arcs and elliptic arcs run counter-clockwise (in
// the local frame, y up) from their start point to their end point; a start
// equal to the end runs the whole way round.
#pragma once

#include <array>

#include "recorder.h"

namespace arftool {

struct P2 {
    double x, y;
};

// An ellipse (a circle has a == b, rot 0), rotation in degrees.
struct Conic {
    P2 c;
    double a, b, rot;
};

Conic conic_of(const arfhost::Element& e);  // circle, arc, ellipse or elliptic arc
P2 point_at(const Conic& k, double t);      // t: eccentric anomaly, radians
// Eccentric anomaly of the point of k nearest in angle to p (p need not lie on k).
double param_of(const Conic& k, P2 p);
// Counter-clockwise sweep from t0 to t1, in (0, 2 pi].
double ccw_sweep(double t0, double t1);
// How far p lies from the conic, measured after mapping p onto it along its parameter.
double off_curve(const Conic& k, P2 p);

// Start and end parameters of an arc or elliptic arc, the end adjusted so end > start.
struct Span {
    double t0, t1;
};
Span span_of(const arfhost::Element& e);

// End points of an element that can dangle: segments, arcs and elliptic arcs.
// Returns how many (0 for closed curves).
int end_points(const arfhost::Element& e, std::array<P2, 2>& out);

struct Box {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    bool empty() const { return x0 > x1; }
    void add(P2 p);
};
void add_to_box(Box& b, const arfhost::Element& e);

bool all_finite(const arfhost::Element& e);

}  // namespace arftool
