#include "recorder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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
    rec.failures.clear();
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

// Routines of this host that report failure. A misspelt name must not pass as
// a fault that never fires; peke and B_CIfColor::StandardColorNo have no
// failure to report, so naming them would be such a fault.
constexpr std::string_view kFaultRoutines[] = {
    "com_1st",  "com_2nd",  "gfbziwt", "hyojun41",    "pipesrch",   "zscSizeFreeTeesDraw",
    "hinechk",  "bzi_nmst", "hoonatu", "gohkpat",     "denpvect",   "center_line",
    "tanstugi3d", "zlcFreeRadErboVectMake_OfDbl", "zlcFreeRadErboDraw_OfDbl",
    "GCG064",   "GCG164",   "GCG065",  "GCG165",      "GCG005",     "GCG110",
    "GCG111",   "GCG122"};

bool known_routine(std::string_view name)
{
    for (std::string_view r : kFaultRoutines)
        if (r == name) return true;
    return false;
}

void add_failure(const char* routine, long write, bool injected, std::string reason)
{
    rec.failures.push_back({routine, write, rec.elements.size(), injected, std::move(reason)});
}

std::string value_text(double v) { return std::isnan(v) ? "nan" : v > 0 ? "inf" : "-inf"; }

}  // namespace

bool is_fault(std::string_view fault) { return write_number(fault) > 0 || known_routine(fault); }

std::span<const std::string_view> fault_routines() { return kFaultRoutines; }

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
        if (n == name) {
            add_failure(name, 0, true, std::string(name) + " failed (injected)");
            return true;
        }
    return false;
}

bool take_args(const char* routine, std::initializer_list<Values> groups)
{
    for (const Values& g : groups)
        for (std::size_t i = 0; i < g.n; ++i)
            if (!std::isfinite(g.v[i])) {
                add_failure(routine, 0, false,
                            std::string(routine) + " refused the call: " + g.name + "[" +
                                std::to_string(i) + "] is " + value_text(g.v[i]));
                return false;
            }
    for (const Values& g : groups) note_arg(routine, g.name, g.v, g.n);
    return true;
}

void note_arg(const char* routine, const char* name, const double* values, std::size_t n)
{
    if (!discard) rec.args.push_back({routine, name, std::vector<double>(values, values + n)});
}

void note_arg(const char* routine, const char* name, std::initializer_list<double> values)
{
    note_arg(routine, name, values.begin(), values.size());
}

namespace {

// Whether the write just counted is one a "write:N" or "gfbziwt" fault names.
bool injected_write_fault()
{
    const bool hit = (fail_write_n > 0 && rec.writes == fail_write_n) ||
                     std::find(fail_names.begin(), fail_names.end(), "gfbziwt") != fail_names.end();
    if (hit) add_failure("gfbziwt", rec.writes, true, "gfbziwt failed write " + std::to_string(rec.writes) + " (injected)");
    return hit;
}

}  // namespace

// Called by gfbziwt for a record of the part's own (mode word 0): it counts as
// a write, and shows as a call since it carries no geometry.
bool take_header(const BZI_WRT_PRM*)
{
    ++rec.writes;
    note_call("gfbziwt");
    note_arg("gfbziwt", "header pen,attr,line_type",
             {double(bzifile.pen), double(bzifile.attr), double(bzifile.line_type)});
    return !injected_write_fault();
}

// Called by gfbziwt: keep a copy of the element the library handed over, or
// refuse it when a geometry value is not finite: no drawing can carry it.
bool take_element(const BZI_WRT_PRM* w)
{
    ++rec.writes;
    if (injected_write_fault()) return false;
    const Form f = form_of_tag(bzifile.elem_tag);
    const int n = geo_count(f);  // once: an exported routine, called through the symbol table
    // A record whose length disagrees with its form would be misread by a real
    // host; refuse it so a protocol slip shows as a failed write.
    if (f == Form::unknown || w->rec_len != bzifile.rec_len || bzifile.rec_len != 40 + 8 * n) {
        add_failure("gfbziwt", rec.writes, false,
                    "gfbziwt refused write " + std::to_string(rec.writes) + ": element tag " +
                        std::to_string(bzifile.elem_tag) + " with record length " + std::to_string(w->rec_len) + "/" +
                        std::to_string(bzifile.rec_len));
        return false;
    }
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(bzifile.geo[i])) {
            add_failure("gfbziwt", rec.writes, false,
                        "gfbziwt refused element " + std::to_string(rec.elements.size() + 1) + " (" +
                            form_name(f) + ", write " + std::to_string(rec.writes) + "): geometry value " +
                            std::to_string(i + 1) + " of " + std::to_string(n) + " is " +
                            value_text(bzifile.geo[i]));
            return false;
        }
    if (discard) return true;
    Element e{};
    e.form = f;
    e.rec_len = w->rec_len;
    e.elem_tag = bzifile.elem_tag;
    e.code = w->elem_code;
    e.style = bzifile.line_style;
    e.pen = bzifile.pen;
    e.line_type = bzifile.line_type;
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
