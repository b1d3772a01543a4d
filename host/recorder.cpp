#include "recorder.h"

#include <charconv>
#include <cstring>

namespace arfhost {

namespace {

Record rec;
bool discard = false;
long fail_write_n = 0;               // 0: no element write fails
std::vector<std::string> fail_names; // routines that return failure

}  // namespace

int geo_count(Form f)
{
    switch (f) {
    case Form::segment: return 4;
    case Form::circle: return 3;
    case Form::ellipse: return 5;
    case Form::arc: return 7;
    case Form::elliptic_arc: return 9;
    case Form::unknown: break;
    }
    return 0;
}

const char* form_name(Form f)
{
    switch (f) {
    case Form::segment: return "segment";
    case Form::circle: return "circle";
    case Form::ellipse: return "ellipse";
    case Form::arc: return "arc";
    case Form::elliptic_arc: return "elliptic_arc";
    case Form::unknown: break;
    }
    return "unknown";
}

Form form_of_tag(int tag)
{
    switch (tag) {
    case 16: return Form::segment;
    case 64: return Form::circle;
    case 80: return Form::ellipse;
    case 72: return Form::arc;
    case 88: return Form::elliptic_arc;
    default: return Form::unknown;
    }
}

const Record& record() { return rec; }

void reset()
{
    rec.calls.clear();
    rec.elements.clear();
    rec.com_1st.reset();
    rec.args.clear();
    rec.writes = 0;
    fail_write_n = 0;
    fail_names.clear();
    bzifile = BZI{};
    bzi_wrt_t.mode = 1;  // element records; 0 marks the free-radius entry's own header
    bzi_wrt_t.rec_len = 0;
    bzi_wrt_t.elem_code = 0;
    bzi_wrt_t.head = nullptr;
    bzi_wrt_t.conv = &henkan;
    henkan = HENKAN{};
    henkan.m[0] = henkan.m[3] = 1.0;
    henkan.scale = 1.0;
    std::memset(data, 0, sizeof(tagRPT) * kDataPoints);
}

namespace {

// The write a "write:N" fault names (N >= 1), 0 for anything else.
long write_number(std::string_view fault)
{
    if (fault.substr(0, 6) != "write:") return 0;
    long n = 0;
    const std::string_view v = fault.substr(6);
    const auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    return ec == std::errc{} && p == v.data() + v.size() && n >= 1 ? n : 0;
}

// Only routines this host has: a misspelt name must not pass as a fault that
// never fires.
bool known_routine(std::string_view name)
{
    static constexpr std::string_view kRoutines[] = {
        "com_1st",  "com_2nd",     "gfbziwt",  "hyojun41",   "peke",
        "pipesrch", "zscSizeFreeTeesDraw",     "hinechk",    "bzi_nmst",
        "hoonatu",  "gohkpat",     "denpvect", "center_line", "tanstugi3d",
        "zlcFreeRadErboVectMake_OfDbl",        "zlcFreeRadErboDraw_OfDbl",
        "B_CIfColor::StandardColorNo",
        "GCG064",   "GCG164",      "GCG065",   "GCG165",     "GCG005",
        "GCG110",   "GCG111",      "GCG122"};
    for (std::string_view r : kRoutines)
        if (r == name) return true;
    return false;
}

}  // namespace

bool is_fault(std::string_view fault) { return write_number(fault) > 0 || known_routine(fault); }

bool fail_at(std::string_view fault)
{
    if (const long n = write_number(fault)) {
        fail_write_n = n;
        return true;
    }
    if (!known_routine(fault)) return false;
    fail_names.emplace_back(fault);
    return true;
}

void set_discard(bool on) { discard = on; }

void note_call(const char* name)
{
    if (!discard) rec.calls.emplace_back(name);
}

bool should_fail(const char* name)
{
    for (const std::string& n : fail_names)
        if (n == name) return true;
    return false;
}

void note_arg(const char* routine, const char* name, const double* values, std::size_t n)
{
    if (!discard) rec.args.push_back({routine, name, std::vector<double>(values, values + n)});
}

void note_arg(const char* routine, const char* name, std::initializer_list<double> values)
{
    note_arg(routine, name, values.begin(), values.size());
}

// Called by gfbziwt for a record of the part's own (mode word 0): it counts as
// a write, and shows as a call since it carries no geometry.
bool take_header(const BZI_WRT_PRM*)
{
    ++rec.writes;
    note_call("gfbziwt");
    note_arg("gfbziwt", "header pen,attr,line_type",
             {double(bzifile.pen), double(bzifile.attr), double(bzifile.line_type)});
    if (fail_write_n > 0 && rec.writes == fail_write_n) return false;
    return !should_fail("gfbziwt");
}

// Called by gfbziwt: keep a copy of the element the library handed over.
bool take_element(const BZI_WRT_PRM* w)
{
    ++rec.writes;
    if (fail_write_n > 0 && rec.writes == fail_write_n) return false;
    if (discard) return true;
    Element e{};
    e.form = form_of_tag(bzifile.elem_tag);
    e.rec_len = w->rec_len;
    e.elem_tag = bzifile.elem_tag;
    e.code = w->elem_code;
    e.style = bzifile.line_style;
    e.pen = bzifile.pen;
    e.line_type = bzifile.line_type;
    const int n = geo_count(e.form);
    for (int i = 0; i < n; ++i) e.geo[i] = bzifile.geo[i];
    rec.elements.push_back(e);
    return true;
}

void take_com_1st(const BZI_COM_PRM* com, const int* proc_list)
{
    if (discard) return;
    ComFirst c;
    std::memcpy(&c.block, com, sizeof c.block);
    std::memcpy(c.proc_list.data(), proc_list, sizeof(int32_t) * kProcListLen);
    rec.com_1st = c;
}

}  // namespace arfhost
