// Exported fitting entries: one per part code, called by the host with the part
// record and the drawing settings; 0 on success, 1 on failure.
#pragma once

#include "arfrec.h"

#if defined(_WIN32)
#define ARF_EXPORT __declspec(dllexport)
#else
#define ARF_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
ARF_EXPORT int jarft01plg(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft01sa0(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft01sct(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft41l00(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft42s00(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft42sco(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft42sl0(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft42w00(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft91l00(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft91w00(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft92l00(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft92lco(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft92lfr(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft92ll0(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft92s00(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft92s0t(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarft92sfr(HEADTBL* head, SHOKICH* set);
ARF_EXPORT int jarftx1s00(HEADTBL* head, SHOKICH* set);

// The entries this build of the library draws, by index from 0; null past the last.
ARF_EXPORT const char* arf_entry_name(int i);
// Which view codes of an entry have a view function: bit v set for view code v.
// Lets a host or tool show coverage without drawing. 0 for an unknown name.
ARF_EXPORT unsigned arf_view_mask(const char* entry);
// The dimension record the entry's last call selected, for tools that show it:
// its keys (one or two sizes) and its doubles d1, d2, ... as they stood after the
// length rule (a non-double slot, such as a second end's size, reads as its value).
struct ArfRecordView {
    int nkeys;
    int keys[2];
    int nd;
    double d[24];
};
// 0 when the entry has selected a record since the library was loaded, else 1.
ARF_EXPORT int arf_last_record(const char* entry, ArfRecordView* out);
// Sample sizes of an entry (sizes used with sample_flag 1); returns how many (0 to 2).
ARF_EXPORT int arf_sample_sizes(const char* entry, int* first, int* second);
// Key sizes of every record of an entry's dimension table, in table order: writes
// up to max pairs (second is 0 for single-size tables) and returns how many the
// table holds, so max 0 asks for the count. 0 for an unknown name.
ARF_EXPORT int arf_table_keys(const char* entry, int* first, int* second, int max);
// What the last call drew so on purpose though an outline checker would flag it: the
// i-th declaration's element (1-based in the order written, 0 for the view as a whole),
// kind (1 free ends, 2 repeated element, 3 zero length, 4 the host draws the view) and
// one-line reason, valid while the library is loaded. Returns how many the call declared.
ARF_EXPORT int arf_intended(int i, int* element, int* kind, const char** reason);
}
