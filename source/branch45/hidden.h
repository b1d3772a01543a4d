// Hidden-line trimming for the views in which one part of a fitting passes in
// front of another: the front part's outline, a closed walk of straight edges
// and elliptic arcs, covers what lies behind it, and an element behind is
// written only where it runs outside that outline (one element per visible
// piece). Crossings are solved in closed form on the outline's own edges and
// curves, so a trimmed end lies on the element drawn there.
#pragma once

#include "elemout.h"
#include "outline.h"

// An ellipse as a map from its unit circle to the plane, and back.
struct EllFrame {
    tagRELL e;
    double c = 1, s = 0;    // cosine and sine of the rotation
    double ia = 1, ib = 1;  // 1 / each semi-axis
    double shorter_inv = 1; // 1 / the shorter semi-axis
    EllFrame() = default;
    explicit EllFrame(const tagRELL& el);
    // The point in the ellipse's unit-circle frame.
    tagRPT unit(tagRPT p) const
    {
        const double dx = p.x - e.x, dy = p.y - e.y;
        return {(dx * c + dy * s) * ia, (-dx * s + dy * c) * ib};
    }
    // The point of the ellipse in the unit-frame direction u.
    tagRPT from_unit(tagRPT u) const
    {
        const double r = 1 / std::sqrt(u.x * u.x + u.y * u.y);
        const double x = std::fabs(e.a) * u.x * r, y = std::fabs(e.b) * u.y * r;
        return {e.x + x * c - y * s, e.y + x * s + y * c};
    }
};

// The outline of the part in front, corner by corner; the edge from one corner
// to the next is straight unless add_arc made it a curved stretch. Corners
// past kMax and stretches past kMaxArcs are dropped (the outlines have at most
// 16 and 6).
struct Cover {
    static constexpr int kMax = 32, kMaxArcs = 8;
    // Stretch: an arc of an ellipse; (mx, my) the unit-frame direction of its
    // middle and ch the cosine of its half span, so that the unit-frame points
    // u with u·m > ch lie on its side of its chord.
    struct Stretch {
        EllFrame f;
        double mx, my, ch;
        tagRPT lo, hi;  // the box round the whole ellipse
        // Whether the point u of the unit circle lies within the stretch (by
        // more than 'clear').
        bool holds(tagRPT u, double clear = 0) const { return u.x * mx + u.y * my > ch + clear; }
    };
    tagRPT p[kMax];
    signed char arc[kMax];  // the stretch the edge from p[j] runs along, or -1
    int n = 0;
    Stretch arcs[kMaxArcs];
    int n_arcs = 0;
    tagRPT lo = {1e300, 1e300}, hi = {-1e300, -1e300};  // a box round the whole outline

    void add(tagRPT q)
    {
        if (n < kMax) arc[n] = -1, p[n++] = q, grow(q);
    }
    void grow(tagRPT q)
    {
        lo = {q.x < lo.x ? q.x : lo.x, q.y < lo.y ? q.y : lo.y};
        hi = {q.x > hi.x ? q.x : hi.x, q.y > hi.y ? q.y : hi.y};
    }
    // Whether the box round a and b comes within reach of the outline's box.
    bool near_box(tagRPT a, tagRPT b) const { return boxes_meet(a, b, lo, hi); }
    // Whether the box round a and b comes within reach of the box lo-hi.
    static bool boxes_meet(tagRPT a, tagRPT b, tagRPT lo, tagRPT hi)
    {
        constexpr double m = 1e-6;
        const bool xs = a.x < b.x, ys = a.y < b.y;
        return (xs ? b.x : a.x) >= lo.x - m && (xs ? a.x : b.x) <= hi.x + m &&
               (ys ? b.y : a.y) >= lo.y - m && (ys ? a.y : b.y) <= hi.y + m;
    }
    // The edge from the last point added to the next one (or back to the
    // first) runs along the elliptic arc of e from s to t (counter-clockwise),
    // whichever of s and t the walk reaches first. The caller adds the walk's
    // end point itself.
    void add_arc(const tagRELL& e, tagRPT s, tagRPT t);
    // The shorter way along e from the last point added to 'to', then 'to'.
    void add_short_arc(const tagRELL& e, tagRPT to);
};

// A point is covered inside the cover (even-odd rule) or, for an element
// running along the front part's outline, within 1e-9 mm of it: the outline
// is drawn itself.

// Segment a-b, written where it is not covered. 0, or 1 when a write failed.
// Each piece written is declared drawn with free ends when 'free' names why.
int seg_outside(Out& o, const Cover& c, tagRPT a, tagRPT b, const char* free = nullptr);

// Elliptic arc of e from s to t, counter-clockwise, written where it is not
// covered; visible pieces keep s and t as their outer ends.
int earc_outside(Out& o, const Cover& c, const tagRELL& e, tagRPT s, tagRPT t, const char* free = nullptr);

// The same, trimmed only when 'trim' is set (the element lies behind).
inline int line_across(Out& o, const Cover& c, bool trim, tagRPT a, tagRPT b, const char* free = nullptr)
{
    return trim ? seg_outside(o, c, a, b, free) : o.intended(Intended::free_ends, free).seg(a, b);
}
inline int arc_on(Out& o, const Cover& c, bool trim, const tagRELL& e, tagRPT s, tagRPT t,
                  const char* free = nullptr)
{
    return trim ? earc_outside(o, c, e, s, t, free) : o.intended(Intended::free_ends, free).earc(e, s, t);
}
