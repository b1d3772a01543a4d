// Socket dimensions of the large-branch outlines by nominal size.
#include "arfroutines.h"

namespace {

struct AlfRow {
    int size;
    double d1, d2, d3, d5, d9;
};

// Exact decimals, unlike the dimension tables' single-precision columns.
constexpr AlfRow kAlf[] = {
    {40, 53.0, 38.0, 6.0, 48.6, 3.5},      {50, 58.0, 44.0, 6.0, 60.5, 2.8},
    {65, 68.0, 53.0, 6.0, 76.3, 2.8},      {80, 83.0, 60.0, 6.0, 89.1, 2.8},
    {100, 103.0, 75.0, 8.0, 114.3, 3.5},   {125, 128.0, 87.0, 8.0, 139.8, 3.5},
    {150, 153.0, 100.0, 10.0, 165.2, 3.7}, {200, 153.0, 130.0, 10.0, 216.3, 4.5},
};

}  // namespace

void jalfbsiz(ALF_SIZE* b, int size)
{
    for (const AlfRow& r : kAlf) {
        if (r.size != size) continue;
        b->size = static_cast<int16_t>(size);
        b->d1 = r.d1, b->d2 = r.d2, b->d3 = r.d3, b->d5 = r.d5, b->d9 = r.d9;
        return;
    }
}
