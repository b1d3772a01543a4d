// Shared by the entry tests: a part to hand an entry, and the list of entries.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "arfentry.h"
#include "recorder.h"

using EntryFn = int (*)(HEADTBL*, SHOKICH*);

// A placed part: sizes, no drawing (draw_mode 1), points A..D apart so their
// pointers and copies can be told apart.
struct Part {
    HEADTBL head{};
    SHOKICH set{};

    explicit Part(int a = 100, int b = 0, int c = 0)
    {
        head.size_a = static_cast<int16_t>(a);
        head.size_b = static_cast<int16_t>(b);
        head.size_c = static_cast<int16_t>(c);
        head.draw_mode = 1;
        head.view_no = 1;
        head.part_len = 500.0;
        head.pt_a = {1, 2, 3};
        head.pt_b = {4, 5, 6};
        head.pt_c = {7, 8, 9};
        head.pt_d = {10, 11, 12};
        set.len_scale = 1.0;
    }
    // Sizes go to size_a and the entry's second size field ('b' or 'c').
    Part& sizes(int first, int second, char field)
    {
        head.size_a = static_cast<int16_t>(first);
        (field == 'b' ? head.size_b : head.size_c) = static_cast<int16_t>(second);
        return *this;
    }
    int run(EntryFn fn)
    {
        arfhost::reset();
        return fn(&head, &set);
    }
    // Drawn in true shape in view code 'view', with a host fault (a routine's
    // name or "write:N") injected first when one is named.
    int draw(EntryFn fn, int view, const std::string& fault = {})
    {
        head.draw_mode = 2;
        head.view_no = static_cast<uint8_t>(view);
        arfhost::reset();
        if (!fault.empty()) arfhost::fail_at(fault);
        return fn(&head, &set);
    }
};

inline ArfRecordView last_record(const char* name)
{
    ArfRecordView v{};
    arf_last_record(name, &v);
    return v;
}

// d(v, n): column dN of a record view.
inline double d(const ArfRecordView& v, int n) { return v.d[n - 1]; }

// The (first, second) size keys of an entry's table, in table order.
struct SizePair {
    int m, b;
};
inline std::vector<SizePair> table_pairs(const char* name)
{
    int first[128], second[128];
    const int n = arf_table_keys(name, first, second, 128);
    std::vector<SizePair> v;
    for (int i = 0; i < n; ++i) v.push_back({first[i], second[i]});
    return v;
}

struct EntryCase {
    const char* name;
    EntryFn fn;
    char second;  // field of the second size: 0 (one size), 'b' or 'c'
};

inline const std::vector<EntryCase>& all_entries()
{
    static const std::vector<EntryCase> v = {
        {"jarft01plg", jarft01plg, 0},   {"jarft01sa0", jarft01sa0, 0},
        {"jarft01sct", jarft01sct, 'b'}, {"jarft41l00", jarft41l00, 0},
        {"jarft42s00", jarft42s00, 'c'}, {"jarft42sco", jarft42sco, 'c'},
        {"jarft42sl0", jarft42sl0, 'c'}, {"jarft42w00", jarft42w00, 'b'},
        {"jarft91l00", jarft91l00, 0},   {"jarft91w00", jarft91w00, 'b'},
        {"jarft92l00", jarft92l00, 'c'}, {"jarft92lco", jarft92lco, 'c'},
        {"jarft92lfr", jarft92lfr, 'c'}, {"jarft92ll0", jarft92ll0, 'c'},
        {"jarft92s00", jarft92s00, 'c'}, {"jarft92s0t", jarft92s0t, 'c'},
        {"jarft92sfr", jarft92sfr, 'c'}, {"jarftx1s00", jarftx1s00, 0},
    };
    return v;
}

// Values a host routine was handed under `name`, from its n-th call (0 = first).
inline std::vector<double> host_arg(const char* routine, const char* name, int n = 0)
{
    for (const arfhost::HostArg& a : arfhost::record().args)
        if (a.routine == routine && a.name == name && n-- == 0) return a.values;
    return {};
}

// One true-shape drawing of a two-size entry (second size in size_c unless
// told) in a view code, with the named host fault armed, if any.
inline int draw_pair(EntryFn fn, int m, int b, int view, const std::string& fault = {}, char second = 'c')
{
    return Part().sizes(m, b, second).draw(fn, view, fault);
}

