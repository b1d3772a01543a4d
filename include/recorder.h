// The replacement host's memory of one call: which host routines the library
// called, what the common first stage was handed, and a copy of every element
// written. Tests and the drawing tool read it after the entry returns; fault
// injection makes chosen host calls fail so every failure path can be run.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "arfhost.h"

namespace arfhost {

enum class Form { segment, circle, ellipse, arc, elliptic_arc, unknown };

// Number of geometry values of a form, and its name as the tools print it.
int geo_count(Form f);
const char* form_name(Form f);
Form form_of_tag(int elem_tag);

struct Element {
    Form form;
    int rec_len;
    int elem_tag;
    int code;
    int style;
    int pen;
    uint16_t line_type;
    std::array<double, 9> geo;  // geo_count(form) values in the record's order
};

struct ComFirst {
    BZI_COM_PRM block;
    std::array<int32_t, kProcListLen> proc_list;
};

// A host routine's arguments worth showing (free-radius and free-size routines, marks).
struct HostArg {
    std::string routine;
    std::string name;
    std::vector<double> values;
};

// A host call that returned failure: an injected fault, or a refusal of what no
// drawing can carry (a non-finite value in an element or handed to a routine).
struct Failure {
    std::string routine;   // "gfbziwt" for element and header writes
    long write;            // which gfbziwt call (from 1); 0 for other routines
    std::size_t elements;  // elements taken before it
    bool injected;
    std::string reason;    // one readable line: what failed and why
};

struct Record {
    std::vector<std::string> calls;  // host routines in call order, without element writes and geometry
    std::vector<Element> elements;
    std::optional<ComFirst> com_1st;
    std::vector<HostArg> args;
    long writes = 0;                 // gfbziwt calls, taken or refused
    std::vector<Failure> failures;   // in call order
};

const Record& record();

// Forget the last call, clear injected faults, and put the host's globals back
// to a known state (element record, writing block, point scratch, conversion record).
void reset();

// Fault injection. fault is "write:N" (the N-th gfbziwt call, from 1) or the
// name of a host routine that can report failure: "gfbziwt" fails every write,
// any other name every call of that routine. Returns false for a fault it does
// not understand, or a routine this host lacks or that has no failure to report
// (peke returns nothing, B_CIfColor::StandardColorNo a colour).
bool fail_at(std::string_view fault);
// Whether fail_at would take this fault, without arming it.
bool is_fault(std::string_view fault);
// The routine names fail_at takes, so tools and tests can run each one.
std::span<const std::string_view> fault_routines();

// Bench mode: element writes are counted but not kept, so timing sees the library.
void set_discard(bool on);

// For the host's own routines: note a call, and whether it is meant to fail
// (a fault that fires is kept in the record's failures).
void note_call(const char* name);
bool should_fail(const char* name);

// A group of values a routine was handed. take_args refuses the call when any
// value is NaN or infinite, keeping the refusal (routine, group, index) among
// the failures and nothing of the values; else it keeps every group as the
// routine's arguments. True when the call may go on.
struct Values {
    const char* name;
    const double* v;
    std::size_t n;
};
bool take_args(const char* routine, std::initializer_list<Values> groups);
// Arguments are kept only outside bench mode, so a benchmark sees no host allocation.
void note_arg(const char* routine, const char* name, std::initializer_list<double> values);
void note_arg(const char* routine, const char* name, const double* values, std::size_t n);
template <class T>
void note_arg(const char* routine, const char* name, const T* values, std::size_t n)
{
    double v[32];
    for (std::size_t i = 0; i < n && i < 32; ++i) v[i] = static_cast<double>(values[i]);
    note_arg(routine, name, v, n < 32 ? n : 32);
}

}  // namespace arfhost
