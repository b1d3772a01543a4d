// The library's own list of entries: name, view coverage, sample sizes and the
// record each entry selected last.
#pragma once

#include "arfentry.h"

struct EntryInfo {
    const char* name;
    unsigned view_mask;  // bit v: view code v has a view function
    int samples;         // how many sample sizes (0 to 2)
    int sample1, sample2;
    int (*last)(ArfRecordView* out);  // the last selected record; 1 when none yet
    int (*keys)(int* first, int* second, int max) = nullptr;  // the table's size keys
};

// Entries in catalogue order.
const EntryInfo* entry_info(const char* name);
const EntryInfo* entry_list(int* count);

// Each entry file describes itself.
EntryInfo jarfplg_info();
EntryInfo jarf01sa_info();
EntryInfo jarf01sc_info();
EntryInfo jarf41l0_info();
EntryInfo jarf42s0_info();
EntryInfo jarf42sc_info();
EntryInfo jarf42sl_info();
EntryInfo jarf42w0_info();
EntryInfo jarf91l0_info();
EntryInfo jarf91w0_info();
EntryInfo jarf92l0_info();
EntryInfo jarf92lc_info();
EntryInfo jarf92lf_info();
EntryInfo jarf92ll_info();
EntryInfo jarf92s0_info();
EntryInfo jarf92st_info();
EntryInfo jarf92sf_info();
EntryInfo jarfx1s0_info();
