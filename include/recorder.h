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

struct Record {
    std::vector<std::string> calls;  // host routines in call order, without element writes and geometry
    std::vector<Element> elements;
    std::optional<ComFirst> com_1st;
    std::vector<HostArg> args;
    long writes = 0;                 // gfbziwt calls, taken or refused
};

const Record& record();

// Forget the last call, clear injected faults, and put the host's globals back
// to a known state (element record, writing block, point scratch, conversion record).
void reset();

// Fault injection. fault is "com_1st", "com_2nd", "write:N" (the N-th element
// write, from 1) or the name of any other host routine whose result the library
// tests. Returns false for a fault it does not understand or a routine this
// host does not have.
bool fail_at(std::string_view fault);
// Whether fail_at would take this fault, without arming it.
bool is_fault(std::string_view fault);

// Bench mode: element writes are counted but not kept, so timing sees the library.
void set_discard(bool on);

// For the host's own routines: note a call, and whether it is meant to fail.
void note_call(const char* name);
bool should_fail(const char* name);
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
