// Dimension tables: record forms and the lookup by nominal size.
#pragma once

#include <cstdint>

// Bracket lookup over ascending keys key(0) < ... < key(n-1): index 0 when
// s <= key(0), n-1 when s > key(n-1), otherwise the first i with
// key(i-1) < s <= key(i). A size between two keys thus takes the next larger
// record; sizes outside the table clamp to its ends.
template <class KeyAt>
constexpr int bracket(int s, int n, KeyAt key)
{
    if (n <= 0 || s <= key(0)) return 0;
    for (int i = 1; i < n; ++i)
        if (s <= key(i)) return i;
    return n - 1;
}
