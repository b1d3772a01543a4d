// Hidden-line trimming for the views in which one part of a fitting passes in
// front of another: the front part's outline, as a closed polygon, covers what
// lies behind it, and an element behind is written only where it runs outside
// that polygon (one element per visible piece).
#pragma once

#include "elemout.h"
#include "outline.h"

// The outline of the part in front, corner by corner (curved stretches as a
// few points on the curve).
struct Cover {
    static constexpr int kMax = 48;
    tagRPT p[kMax];
    int n = 0;
    // Curved stretches: the edges from p[j] with chord[j] set are chords of
    // the ellipse e between parameters ta and tb (counter-clockwise). A
    // segment's crossings with a stretch are taken on the curve itself, so a
    // trimmed end lies on the element drawn there.
    struct Stretch {
        tagRELL e;
        double ta, tb;
    };
    static constexpr int kMaxArcs = 8;
    Stretch arcs[kMaxArcs];
    int n_arcs = 0;
    bool chord[kMax] = {};

    void add(tagRPT q)
    {
        if (n < kMax) p[n++] = q;
    }
    // The elliptic arc of e from s to t (counter-clockwise) as the next
    // stretch of the outline, walked from t back to s when 'backwards'; s and
    // t themselves are not added.
    void add_arc(const tagRELL& e, tagRPT s, tagRPT t, int steps, bool backwards = false);
    // The shorter way along e from the last point added to 'to', then 'to'.
    void add_short_arc(const tagRELL& e, tagRPT to, int steps);
};

// Whether q lies inside the cover (even-odd rule).
bool covers(const Cover& c, tagRPT q);

// Segment a-b, written where it is not covered. 0, or 1 when a write failed.
// Each piece written is declared drawn with free ends when 'free' names why.
int seg_outside(Out& o, const Cover& c, tagRPT a, tagRPT b, const char* free = nullptr);

// Elliptic arc of e from s to t, counter-clockwise, written where it is not
// covered; visible pieces keep s and t as their outer ends.
int earc_outside(Out& o, const Cover& c, const tagRELL& e, tagRPT s, tagRPT t, const char* free = nullptr);
