#include "catalog.h"

#include <cstring>

#include "arfentry.h"

namespace {

const EntryInfo kEntries[] = {
    {"jarft01plg", jarfplg_view_mask(), 1, 65, 0},
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
