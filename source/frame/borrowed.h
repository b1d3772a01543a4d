// Tables that one entry lends another: the 90-degree bend's blocks to the
// free-radius bend, the standard tees' catalogues to the free-size tees.
#pragma once

#include "arfhost.h"
#include "arftable.h"

struct BendBlocks {
    int count;
    Rec1<ARF_SIZE1_HALF>* rec;
};
BendBlocks jarf91l0_blocks();

// All blocks in table order, with the tee's own processing list and block.
struct TeeCatalog {
    int count;
    Rec1<ARF_SIZE2>* rec;
    int* proc_list;
    BZI_COM_PRM* com;
};
TeeCatalog jarf92l0_catalog();
TeeCatalog jarf92s0_catalog();
