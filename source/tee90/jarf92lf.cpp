// Free-size 90-degree tee on the pattern of jarft92l00.
#include "arfentry.h"
#include "catalog.h"
#include "freetee.h"

namespace {

const ARF_SIZE2* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

constexpr FreeTee kTee = {jarf92l0_catalog, jarft92l00, true, true};

}  // namespace

// No views of its own: catalogue sizes draw as jarft92l00, the rest through the host.
EntryInfo jarf92lf_info() { return {"jarft92lfr", 0, 2, 250, 150, last_record}; }

extern "C" int jarft92lfr(HEADTBL* head, SHOKICH* set) { return draw_free_tee(head, set, kTee, &last); }
