#include "elemout.h"

namespace {

struct FormInfo {
    int rec_len;
    uint8_t tag;
};

constexpr FormInfo info(Form f)
{
    switch (f) {
    case Form::segment: return {72, 16};
    case Form::circle: return {64, 64};
    case Form::ellipse: return {80, 80};
    case Form::arc: return {96, 72};
    case Form::elliptic_arc: return {112, 88};
    case Form::none: break;
    }
    return {0, 0};
}

// Declarations of the current call. A fixed store keeps drawing allocation-free; a
// declaration past its end is dropped, so the checker then reports the element plainly.
struct Note {
    int element, kind;
    const char* reason;
};
constexpr int kMaxNotes = 64;
Note notes[kMaxNotes];
int note_count = 0;
int written = 0;  // elements the host took in this call

void add_note(int element, Intended kind, const char* reason)
{
    if (note_count < kMaxNotes) notes[note_count++] = {element, static_cast<int>(kind), reason};
}

}  // namespace

void reset_intended() { note_count = written = 0; }

void declare_view(Intended kind, const char* reason) { add_note(0, kind, reason); }

int intended_at(int i, int* element, int* kind, const char** reason)
{
    if (i >= 0 && i < note_count) {
        if (element) *element = notes[i].element;
        if (kind) *kind = notes[i].kind;
        if (reason) *reason = notes[i].reason;
    }
    return note_count;
}

Out& Out::intended(Intended kind, const char* reason)
{
    if (reason && pending_n_ < 2) {
        pending_[pending_n_] = kind;
        pending_reason_[pending_n_++] = reason;
    }
    return *this;
}

Out::Out(BZI_WRT_PRM* w, unsigned flags) : w_(w)
{
    bzifile.line_type = B_CIfLineType::Solid().bits;
    if (!(flags & kKeepStyle)) bzifile.line_style = 0;
    if ((flags & kCopyPen) && w_->head) bzifile.pen = w_->head->pen;
}

Out& Out::code(int c)
{
    if (w_->elem_code != c) w_->elem_code = c;
    return *this;
}

Out& Out::style(int s)
{
    if (bzifile.line_style != s) bzifile.line_style = static_cast<uint8_t>(s);
    return *this;
}

int Out::put(Form f, std::initializer_list<double> geo)
{
    // rec_len and elem_tag change only with the form; the host keeps the rest.
    if (f != form_) {
        const FormInfo fi = info(f);
        w_->rec_len = bzifile.rec_len = fi.rec_len;
        bzifile.elem_tag = fi.tag;
        form_ = f;
    }
    double* g = bzifile.geo;
    for (double v : geo) *g++ = v;
    const int declared = pending_n_;
    pending_n_ = 0;
    if (gfbziwt(w_, 1) != 0) return 1;
    ++written;
    for (int i = 0; i < declared; ++i) add_note(written, pending_[i], pending_reason_[i]);
    return 0;
}

int Out::seg(tagRPT a, tagRPT b) { return put(Form::segment, {a.x, a.y, b.x, b.y}); }

int Out::seg(double x1, double y1, double x2, double y2)
{
    return put(Form::segment, {x1, y1, x2, y2});
}

int Out::circle(tagRPT c, double r) { return put(Form::circle, {c.x, c.y, r}); }

int Out::ellipse(tagRPT c, double a, double b, double rot)
{
    return put(Form::ellipse, {c.x, c.y, a, b, rot});
}

int Out::ellipse(const tagRELL& e) { return ellipse({e.x, e.y}, e.a, e.b, e.rot); }

int Out::arc(tagRPT c, double r, tagRPT s, tagRPT e)
{
    return put(Form::arc, {c.x, c.y, r, s.x, s.y, e.x, e.y});
}

int Out::earc(tagRPT c, double a, double b, double rot, tagRPT s, tagRPT e)
{
    return put(Form::elliptic_arc, {c.x, c.y, a, b, rot, s.x, s.y, e.x, e.y});
}

int Out::earc(const tagRELL& e, tagRPT s, tagRPT t) { return earc({e.x, e.y}, e.a, e.b, e.rot, s, t); }

int Out::run(const tagRPT* p, std::initializer_list<int> idx)
{
    const int* i = idx.begin();
    for (const int* j = i + 1; j < idx.end(); i = j++)
        if (seg(p[*i], p[*j])) return 1;
    return 0;
}
