// The library's own list of entries: name, view coverage and sample sizes.
#pragma once

struct EntryInfo {
    const char* name;
    unsigned view_mask;  // bit v: view code v has a view function
    int samples;         // how many sample sizes (1 or 2)
    int sample1, sample2;
};

// Entries that exist so far, in catalogue order.
const EntryInfo* entry_info(const char* name);
const EntryInfo* entry_list(int* count);

// Each entry file exposes its coverage.
unsigned jarfplg_view_mask();
