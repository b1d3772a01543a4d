// Intersection routines and tolerant comparison of the host's geometry library.
//
// Figures
// - Lines are infinite: a tagRSEG gives two points of the line. Only the
//   four-argument forms also look at the bounded segment between them.
// - Circles: centre and radius. Ellipses: centre, semi-axis along x and along y
//   before rotation, and the rotation in degrees, counterclockwise. A negative
//   radius or semi-axis is taken by its magnitude (outlines hand over values
//   such as -P.x).
//
// Result codes (every routine)
//   0  points were written: for two-point routines two distinct crossings or a
//      tangent touch (then p[0] == p[1], the touching point); for line/line the
//      crossing point.
//   1  nothing was written: the figures do not meet, the lines are parallel
//      (coincident lines included), two circles or ellipses coincide, or a
//      figure is degenerate (a line through two equal points, an ellipse with
//      a zero semi-axis).
//   Callers may test "== 1" or "!= 0" alike: no other value is returned.
//
// Untouched output
//   When a routine returns 1 it leaves the tagRPT array exactly as it was, so
//   an outline that "uses what the routine left" keeps its earlier point.
//   Flag outputs (the int* of the four-argument forms) are always written.
//
// Order of two returned points (GCG065, GCG110, GCG165)
//   In the order met when walking the line from (x1, y1) towards (x2, y2):
//   p[0] is the crossing nearer the first point's end of the line. So for the
//   vertical line from (x, y1) up to (x, y2), y2 > y1, p[0] is the lower
//   crossing and p[1] (the "second point" of an equal-x tie) the upper one.
//
// Order of two returned points (GCG005)
//   Looking from the first circle's centre towards the second's, p[0] lies to
//   the right of the line of centres and p[1] to the left. For two circles
//   whose centres lie on one horizontal line with the first to the right, the
//   second point is the lower one: the fillet centre under a branch's lower
//   pipe line.
//
// Conic pairs (GCG111, GCG122)
//   Up to four points p[0..3] with flags[0..3]: flags[i] is 1 where p[i] is an
//   intersection and 0 where p[i] was left untouched. Found points come first,
//   in the order met going counterclockwise round the first figure, starting
//   at the end of its first semi-axis (for a circle: its point of largest x
//   before any rotation). A tangent touch counts twice, like a double root:
//   two equal points, both flagged, so "the first two valid points" always
//   exist when the figures touch.
//
// Near-tangency
//   A line or curve that misses another by less than about 1e-10 of the
//   figure's size is taken as touching it; one that cuts it by less than that
//   returns the touching point twice. Each returned point lies on both figures
//   to about 1e-9 of their size.
#pragma once

#include "arfrec.h"

// Line with line: the crossing point into p[0]. 1 when the lines are
// parallel (sine of the angle between them below 1e-12) or degenerate.
int GCG064(const tagRSEG* l1, const tagRSEG* l2, tagRPT* p);
// Line with circle: two points into p[0], p[1] in the line's order.
int GCG065(const tagRSEG* l, const tagRCIR* c, tagRPT* p);
// Circle with circle: two points into p[0], p[1]; p[0] right of the line of
// centres seen from c1 towards c2. Concentric circles return 1.
int GCG005(const tagRCIR* c1, const tagRCIR* c2, tagRPT* p);
// Line with ellipse: two points into p[0], p[1] in the line's order.
int GCG110(const tagRSEG* l, const tagRELL* e, tagRPT* p);
// Ellipse with ellipse: up to four points in p[0..3] with flags[0..3] (see
// "Conic pairs"). 0 when at least one point was found.
int GCG111(const tagRELL* e1, const tagRELL* e2, tagRPT* p, int* flags);
// Circle with ellipse: as GCG111, counted round the circle from its point of
// largest x. A zero-radius circle on the ellipse gives its centre twice.
int GCG122(const tagRCIR* c, const tagRELL* e, tagRPT* p, int* flags);
// Line with line, segment-aware: as GCG064 for the result and p[0]; *res is 0
// when the crossing lies on both segments (end points included, within 1e-9
// of a segment's length), 1 when it lies off either segment or the lines are
// parallel. So "result 0 and *res not 1" means the two segments cross.
int GCG164(const tagRSEG* l1, const tagRSEG* l2, tagRPT* p, int* res);
// Line with circle, segment-aware: as GCG065 for the result, p[0] and p[1];
// *res has bit 0 set when p[0] lies off the segment and bit 1 when p[1] does
// (3 when there is no intersection). So *res == 0 means both crossings lie on
// the segment, as with GCG164.
int GCG165(const tagRSEG* l, const tagRCIR* c, tagRPT* p, int* res);

// Tolerant comparison: 1 when a > b, 0 when |a - b| <= 1e-6 * max(1, |a|, |b|)
// (a micrometre on drawing lengths up to a metre, relative beyond), -1 when
// a < b. A NaN on either side compares as greater.
int DCOMPARE_Cover(double a, double b);
