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

// What an outline draws so on purpose though the outline checker would flag it. The
// declaration stands next to the write it covers, with a one-line reason; tools read
// the declarations of the last call (arf_intended) and keep them apart from faults.
enum class Intended : int {
    free_ends = 1,    // a mark or line whose ends meet nothing (slot line, X mark, socket-bottom line)
    repeated = 2,     // the outline lists this element twice
    zero_length = 3,  // the outline's points coincide at this size
    host_draws = 4,   // the view writes nothing: the host draws it (element 0, the whole view)
    off_curve = 5,    // the outline ends this arc at points its stored constants put a little off its curve
};

// The line across a socket where the inserted pipe stops: drawn inside the socket, clear of its walls.
constexpr const char* kSocketBottomLine = "socket-bottom line: where the pipe stops, drawn clear of the socket walls";

// Forget the declarations of the previous call; the entry frame calls it first.
void reset_intended();
// Declares the view as a whole (element 0).
void declare_view(Intended kind, const char* reason);
// The i-th declaration of the last call: element (1-based in the order written, 0 for
// the view), kind and reason, each written when its pointer is not null. Returns how
// many there are.
int intended_at(int i, int* element, int* kind, const char** reason);

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

    // The next element written is drawn so on purpose (see Intended); a null reason declares nothing.
    // Two calls before one write declare two kinds for it.
    Out& intended(Intended kind, const char* reason);

private:
    int put(Form f, std::initializer_list<double> geo);

    BZI_WRT_PRM* w_;
    Form form_ = Form::none;
    Intended pending_[2]{};
    const char* pending_reason_[2]{};
    int pending_n_ = 0;
};
