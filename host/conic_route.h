// Test hook of the replacement host: its conic pairs (GCG111, and GCG122 for a
// circle of non-zero radius, handed over as an ellipse with equal semi-axes and
// no rotation) can be routed through another solver, so that a test can draw
// the whole catalogue with a reference solver and compare.
#pragma once

#include "arfrec.h"

namespace arfhost {

using ConicPairs = int (*)(const tagRELL* e1, const tagRELL* e2, tagRPT* p, int* flags);
// null puts the host's own solver back.
void route_conic_pairs(ConicPairs solver);

}  // namespace arfhost
