// The element protocol: how a drawing function hands segments, circles, arcs,
// ellipses and elliptic arcs to the host, one at a time, through the host's
// element record bzifile and the writing block bzi_wrt_t.
#pragma once

#include <initializer_list>

#include "arfhost.h"

enum ElemCode : int {
    kBody = 1282,
    kEnd1 = 1520,
    kEnd2 = 1521,
    kEnd3 = 1522,
};

enum class Form : int { none, segment, circle, ellipse, arc, elliptic_arc };

// Options for the first element of a drawing function.
enum OutFlags : unsigned {
    kPlain = 0,
    kCopyPen = 1,    // pen := the part record's pen
    kKeepStyle = 2,  // leave line_style as the previous drawing function left it
};

// One drawing function's writer. Construct it before the first element; every
// write returns 0 when the host took the element and 1 when it refused it, and
// the caller returns at once on 1. Code and style stay in force until changed.
class Out {
public:
    explicit Out(BZI_WRT_PRM* w, unsigned flags = kPlain);

    Out& code(int c);
    Out& style(int s);

    int seg(tagRPT a, tagRPT b);
    int seg(double x1, double y1, double x2, double y2);
    int circle(tagRPT c, double r);
    int ellipse(tagRPT c, double a, double b, double rot);
    int ellipse(const tagRELL& e);
    // Arcs run counter-clockwise from start to end (see the host's element notes).
    int arc(tagRPT c, double r, tagRPT start, tagRPT end);
    int earc(tagRPT c, double a, double b, double rot, tagRPT start, tagRPT end);
    int earc(const tagRELL& e, tagRPT start, tagRPT end);

    // Open polyline through p[idx[0]], p[idx[1]], ...: one segment per step.
    int run(const tagRPT* p, std::initializer_list<int> idx);

private:
    int put(Form f, std::initializer_list<double> geo);

    BZI_WRT_PRM* w_;
    Form form_ = Form::none;
};
