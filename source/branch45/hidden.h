// Hidden-line trimming for the views in which one part of a fitting passes in
// front of another: the front part's outline, a closed walk of straight edges
// and elliptic arcs, covers what lies behind it, and an element behind is
// written only where it runs outside that outline (one element per visible
// piece). Crossings are solved in closed form on the outline's own edges and
// curves, so a trimmed end lies on the element drawn there.
#pragma once

#include "elemout.h"
#include "outline.h"

// An ellipse as a map from its parameter to the plane, and back.
struct EllFrame {
    tagRELL e;
    double c = 1, s = 0;  // cosine and sine of the rotation
    EllFrame() = default;
    explicit EllFrame(const tagRELL& el);
    tagRPT at(double t) const
    {
        const double u = std::fabs(e.a) * std::cos(t), v = std::fabs(e.b) * std::sin(t);
        return {e.x + u * c - v * s, e.y + u * s + v * c};
    }
    // The point in the ellipse's unit-circle frame.
    tagRPT unit(tagRPT p) const
    {
        const double dx = p.x - e.x, dy = p.y - e.y;
        return {(dx * c + dy * s) / std::fabs(e.a), (-dx * s + dy * c) / std::fabs(e.b)};
    }
    double param(tagRPT p) const
    {
        const tagRPT q = unit(p);
        return std::atan2(q.y, q.x);
    }
};

// The outline of the part in front, corner by corner; the edge from one corner
// to the next is straight unless add_arc made it a curved stretch.
struct Cover {
    static constexpr int kMax = 32, kMaxArcs = 8;
    // Stretch: the ellipse from parameter ta counter-clockwise to tb; (mx, my)
    // the unit-frame direction of its middle and ch the cosine of its half
    // span, so that the unit-frame points u with u·m > ch lie on its side of
    // its chord.
    struct Stretch {
        EllFrame f;
        double ta, tb, mx, my, ch;
    };
    tagRPT p[kMax];
    signed char arc[kMax];  // the stretch the edge from p[j] runs along, or -1
    int n = 0;
    Stretch arcs[kMaxArcs];
    int n_arcs = 0;

    void add(tagRPT q)
    {
        if (n < kMax) arc[n] = -1, p[n++] = q;
    }
    // The edge from the last point added to the next one (or back to the
    // first) runs along the elliptic arc of e from s to t (counter-clockwise);
    // the walk goes from s to t, or from t to s when 'backwards'. The caller
    // adds the walk's end point itself.
    void add_arc(const tagRELL& e, tagRPT s, tagRPT t, bool backwards = false);
    // The shorter way along e from the last point added to 'to', then 'to'.
    void add_short_arc(const tagRELL& e, tagRPT to);
};

// Whether q lies inside the cover (even-odd rule) or within 1e-9 mm of its
// outline: an element running along the front part's outline is hidden, the
// outline being drawn itself.
bool covers(const Cover& c, tagRPT q);

// Segment a-b, written where it is not covered. 0, or 1 when a write failed.
int seg_outside(Out& o, const Cover& c, tagRPT a, tagRPT b);

// Elliptic arc of e from s to t, counter-clockwise, written where it is not
// covered; visible pieces keep s and t as their outer ends.
int earc_outside(Out& o, const Cover& c, const tagRELL& e, tagRPT s, tagRPT t);

// The same, trimmed only when 'trim' is set (the element lies behind).
inline int line_across(Out& o, const Cover& c, bool trim, tagRPT a, tagRPT b)
{
    return trim ? seg_outside(o, c, a, b) : o.seg(a, b);
}
inline int arc_on(Out& o, const Cover& c, bool trim, const tagRELL& e, tagRPT s, tagRPT t)
{
    return trim ? earc_outside(o, c, e, s, t) : o.earc(e, s, t);
}
