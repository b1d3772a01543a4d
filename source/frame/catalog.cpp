#include "catalog.h"

#include <cstring>

#include "arfentry.h"
#include "elemout.h"

namespace {

const EntryInfo kEntries[] = {
    jarfplg_info(),  jarf01sa_info(), jarf01sc_info(), jarf41l0_info(), jarf42s0_info(),
    jarf42sc_info(), jarf42sl_info(), jarf42w0_info(), jarf91l0_info(), jarf91w0_info(),
    jarf92l0_info(), jarf92lc_info(), jarf92lf_info(), jarf92ll_info(), jarf92s0_info(),
    jarf92st_info(), jarf92sf_info(), jarfx1s0_info(),
};

}  // namespace

const EntryInfo* entry_list(int* count)
{
    *count = static_cast<int>(sizeof kEntries / sizeof kEntries[0]);
    return kEntries;
}

const EntryInfo* entry_info(const char* name)
{
    for (const EntryInfo& e : kEntries)
        if (name && std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}

extern "C" const char* arf_entry_name(int i)
{
    int n = 0;
    const EntryInfo* e = entry_list(&n);
    return i >= 0 && i < n ? e[i].name : nullptr;
}

extern "C" unsigned arf_view_mask(const char* entry)
{
    const EntryInfo* e = entry_info(entry);
    return e ? e->view_mask : 0;
}

extern "C" int arf_sample_sizes(const char* entry, int* first, int* second)
{
    const EntryInfo* e = entry_info(entry);
    if (!e) return 0;
    if (first) *first = e->sample1;
    if (second) *second = e->sample2;
    return e->samples;
}

extern "C" int arf_last_record(const char* entry, ArfRecordView* out)
{
    const EntryInfo* e = entry_info(entry);
    return e && out && e->last ? e->last(out) : 1;
}

extern "C" int arf_table_keys(const char* entry, int* first, int* second, int max)
{
    const EntryInfo* e = entry_info(entry);
    if (!e || !e->keys) return 0;
    if (max > 0 && (!first || !second)) return 0;
    return e->keys(first, second, max);
}

extern "C" int arf_intended(int i, int* element, int* kind, const char** reason)
{
    return intended_at(i, element, kind, reason);
}
