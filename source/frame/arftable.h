// Dimension tables: record forms, typed row builders and the lookup by nominal size.
//
// A table is written as one row call per record, each call taking exactly the
// columns that table carries; a missing or extra value does not compile, and
// table1<N>/table2<NO, NR> refuse a wrong record count or keys out of order.
#pragma once

#include <cstdint>
#include <type_traits>

#include "arfentry.h"
#include "arfroutines.h"

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

// Columns of each block by number: Cols<B>::d[N] is dN, null where slot N is no
// double (slot 0, and the second end's size in ARF_SIZE1).
template <class B>
struct Cols;

template <>
struct Cols<SA0_SIZE> {
    using B = SA0_SIZE;
    static constexpr int n = 9;
    static constexpr double B::*d[n + 1] = {nullptr, &B::d1, &B::d2, &B::d3, &B::d4,
                                            &B::d5,  &B::d6, &B::d7, &B::d8, &B::d9};
    static constexpr int keys(const B& b, int* k) { return k[0] = b.size, 1; }
    static constexpr void set_keys(B& b, int k1, int) { b.size = static_cast<int16_t>(k1); }
};

template <>
struct Cols<ARF_SIZE1_HALF> {
    using B = ARF_SIZE1_HALF;
    static constexpr int n = 11;
    static constexpr double B::*d[n + 1] = {nullptr, &B::d1, &B::d2, &B::d3, &B::d4,  &B::d5,
                                            &B::d6,  &B::d7, &B::d8, &B::d9, &B::d10, &B::d11};
    static constexpr int keys(const B& b, int* k) { return k[0] = b.size, 1; }
    static constexpr void set_keys(B& b, int k1, int) { b.size = static_cast<int16_t>(k1); }
};

template <>
struct Cols<ARF_SIZE1> {
    using B = ARF_SIZE1;
    static constexpr int n = 23;
    static constexpr double B::*d[n + 1] = {
        nullptr, &B::d1,  &B::d2,  &B::d3,  &B::d4,  &B::d5,  &B::d6,  &B::d7,
        &B::d8,  &B::d9,  &B::d10, &B::d11, nullptr, &B::d13, &B::d14, &B::d15,
        &B::d16, &B::d17, &B::d18, &B::d19, &B::d20, &B::d21, &B::d22, &B::d23};
    static constexpr int keys(const B& b, int* k) { return k[0] = b.size, k[1] = b.size2, 2; }
    static constexpr void set_keys(B& b, int k1, int k2)
    {
        b.size = static_cast<int16_t>(k1);
        b.size2 = static_cast<int16_t>(k2);
    }
};

template <>
struct Cols<ARF_SIZE2> {
    using B = ARF_SIZE2;
    static constexpr int n = 20;
    static constexpr double B::*d[n + 1] = {
        nullptr, &B::d1,  &B::d2,  &B::d3,  &B::d4,  &B::d5,  &B::d6,
        &B::d7,  &B::d8,  &B::d9,  &B::d10, &B::d11, &B::d12, &B::d13,
        &B::d14, &B::d15, &B::d16, &B::d17, &B::d18, &B::d19, &B::d20};
    static constexpr int keys(const B& b, int* k)
    {
        return k[0] = b.main_size, k[1] = b.branch_size, 2;
    }
    static constexpr void set_keys(B& b, int k1, int k2)
    {
        b.main_size = static_cast<int16_t>(k1);
        b.branch_size = static_cast<int16_t>(k2);
    }
};

template <class Block>
struct Rec1 {
    int32_t key;
    Block blk;
};

// A record as written in a two-level table's source: outer key, then the inner record.
template <class Block>
struct Row {
    int32_t key1;
    Rec1<Block> rec;
};

template <int>
using Dbl = double;

namespace detail {
template <class B, int... N>
constexpr bool valid_columns()
{
    const int c[] = {N...};
    for (int i = 0; i < int(sizeof...(N)); ++i) {
        // d10 is the working length: never stored.
        if (c[i] < 1 || c[i] > Cols<B>::n || c[i] == 10 || !Cols<B>::d[c[i]]) return false;
        if (i > 0 && c[i] <= c[i - 1]) return false;
    }
    return true;
}
template <class B, int... N>
constexpr B block(int k1, int k2, Dbl<N>... v)
{
    B b{};
    Cols<B>::set_keys(b, k1, k2);
    ((b.*Cols<B>::d[N] = v), ...);
    return b;
}
inline void table_keys_out_of_order() {}  // not constexpr: reaching it stops compilation
}  // namespace detail

// Row builder of a one-level table with the non-zero columns N...: r(key, dN...).
template <class B, int... N>
struct Row1Of {
    static_assert(detail::valid_columns<B, N...>(), "columns must be ascending doubles of the block");
    constexpr Rec1<B> operator()(int key, Dbl<N>... v) const
    {
        return {key, detail::block<B, N...>(key, 0, v...)};
    }
};

// Row builder of a two-level table: r(first, second, dN...).
template <class B, int... N>
struct Row2Of {
    static_assert(detail::valid_columns<B, N...>(), "columns must be ascending doubles of the block");
    constexpr Row<B> operator()(int k1, int k2, Dbl<N>... v) const
    {
        return {k1, {k2, detail::block<B, N...>(k1, k2, v...)}};
    }
};

// One-level table: count, then the records in ascending key order.
template <class Block, int N>
struct Table1 {
    int32_t count;
    Rec1<Block> rec[N];

    constexpr int find(int s) const
    {
        return bracket(s, count, [this](int i) { return rec[i].key; });
    }
    constexpr Block& select(int s) { return rec[find(s)].blk; }
};

template <int N, class Block, class... R>
constexpr Table1<Block, N> table1(Rec1<Block> first, R... rest)
{
    static_assert(1 + sizeof...(R) == N, "record count differs from the table's");
    Table1<Block, N> t{N, {first, rest...}};
    for (int i = 1; i < N; ++i)
        if (t.rec[i].key <= t.rec[i - 1].key) detail::table_keys_out_of_order();
    return t;
}

// Two-level table: outer rows by first size, each naming its run of inner
// records (ascending second size) within one array of all records.
struct Outer {
    int32_t key;
    int32_t count;
    int32_t first;  // index of its first inner record
};

template <class Block, int NO, int NR>
struct Table2 {
    static constexpr int nrec = NR;
    int32_t count;
    Outer row[NO];
    Rec1<Block> rec[NR];

    constexpr int find(int s1, int s2) const
    {
        const Outer& o = row[bracket(s1, count, [this](int i) { return row[i].key; })];
        return o.first + bracket(s2, o.count, [&](int i) { return rec[o.first + i].key; });
    }
    constexpr Block& select(int s1, int s2) { return rec[find(s1, s2)].blk; }
};

template <int NO, int NR, class Block, class... R>
constexpr Table2<Block, NO, NR> table2(Row<Block> first, R... rest)
{
    static_assert(1 + sizeof...(R) == NR, "record count differs from the table's");
    const Row<Block> rows[NR] = {first, rest...};
    Table2<Block, NO, NR> t{};
    int no = 0;
    for (int i = 0; i < NR; ++i) {
        t.rec[i] = rows[i].rec;
        if (i > 0 && rows[i].key1 == rows[i - 1].key1) {
            if (rows[i].rec.key <= rows[i - 1].rec.key) detail::table_keys_out_of_order();
            ++t.row[no - 1].count;
            continue;
        }
        if ((i > 0 && rows[i].key1 < rows[i - 1].key1) || no == NO)
            detail::table_keys_out_of_order();  // or more outer rows than declared
        t.row[no++] = {rows[i].key1, 1, i};
    }
    if (no != NO) detail::table_keys_out_of_order();  // fewer outer rows than declared
    t.count = NO;
    return t;
}

// What arf_last_record shows of a block: its sizes and d1..dN as they stand.
// The reducer's second size reads as its value in the d12 slot.
template <class B>
int view_of(const B* b, ArfRecordView* out)
{
    if (!b) return 1;
    *out = ArfRecordView{};
    out->nkeys = Cols<B>::keys(*b, out->keys);
    out->nd = Cols<B>::n;
    for (int i = 1; i <= Cols<B>::n; ++i) out->d[i - 1] = Cols<B>::d[i] ? b->*Cols<B>::d[i] : 0.0;
    if constexpr (std::is_same_v<B, ARF_SIZE1>) out->d[11] = b->size2;
    return 0;
}

// Size keys of every record, in table order, for tools that draw each size:
// first[i] and second[i] (0 for one-level tables). Returns the record count;
// writes at most max pairs.
template <class Block, int N>
int keys_of(const Table1<Block, N>& t, int* first, int* second, int max)
{
    for (int i = 0; i < t.count && i < max; ++i) {
        first[i] = t.rec[i].key;
        second[i] = 0;
    }
    return t.count;
}

template <class Block, int NO, int NR>
int keys_of(const Table2<Block, NO, NR>& t, int* first, int* second, int max)
{
    int n = 0;
    for (int o = 0; o < t.count; ++o)
        for (int i = 0; i < t.row[o].count; ++i, ++n)
            if (n < max) {
                first[n] = t.row[o].key;
                second[n] = t.rec[t.row[o].first + i].key;
            }
    return n;
}

// An entry's table as an EntryInfo keys callback.
template <const auto& T>
int table_keys(int* first, int* second, int max)
{
    return keys_of(T, first, second, max);
}
