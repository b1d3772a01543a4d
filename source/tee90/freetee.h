// Tees of sizes outside the catalogue, drawn by the host from pipe data and the
// nearest standard tee; catalogue sizes fall back on the standard tee's entry.
#pragma once

#include "arfhost.h"
#include "borrowed.h"

struct FreeTee {
    TeeCatalog (*catalog)();
    int (*standard)(HEADTBL* head, SHOKICH* set);
    bool run_from_d10;      // run length: the one the standard tee last computed (d10), else d6
    bool run_dia_by_class;  // run diameter d1 above 125, else always d2
};

// *picked := the catalogue block the sizes matched or were widened to; left
// alone when no block is large enough.
int draw_free_tee(HEADTBL* head, SHOKICH* set, const FreeTee& tee, const ARF_SIZE2** picked);
