// Free-size short 90-degree tee on the pattern of jarft92s00.
#include "arfentry.h"
#include "catalog.h"
#include "freetee.h"

namespace {

const ARF_SIZE2* last = nullptr;
int last_record(ArfRecordView* out) { return view_of(last, out); }

constexpr FreeTee kTee = {jarf92s0_catalog, jarft92s00, false, false};

}  // namespace

// No views of its own: catalogue sizes draw as jarft92s00, the rest through the host.
EntryInfo jarf92sf_info() { return {"jarft92sfr", 0, 2, 250, 150, last_record}; }

extern "C" int jarft92sfr(HEADTBL* head, SHOKICH* set) { return draw_free_tee(head, set, kTee, &last); }
