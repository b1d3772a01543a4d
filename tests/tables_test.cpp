// Dimension tables as the entries see them: which records a sweep of sizes
// reaches (count and key order), sample cells, and the bracket lookup.
#include <gtest/gtest.h>

#include <cmath>

#include "arfroutines.h"
#include "entry_cases.h"

namespace {

// Keys reached by sizes 0..400 in ascending order: the bracket lookup takes
// every key of a sorted table once, in order.
std::vector<int> keys_reached(const EntryCase& e, int first)
{
    std::vector<int> keys;
    for (int s = 0; s <= 400; ++s) {
        Part p;
        if (e.second)
            p.sizes(first, s, e.second);
        else
            p.head.size_a = static_cast<int16_t>(s);
        EXPECT_EQ(p.run(e.fn), 0) << e.name << " size " << s;
        const ArfRecordView v = last_record(e.name);
        const int k = v.keys[v.nkeys - 1];
        if (keys.empty() || keys.back() != k) keys.push_back(k);
    }
    return keys;
}

struct Shape {
    const char* entry;
    std::vector<int> outer;   // first sizes
    std::vector<int> inner;   // records per first size (two-level tables)
};

const EntryCase& entry(const char* name)
{
    for (const EntryCase& e : all_entries())
        if (std::string(e.name) == name) return e;
    throw std::runtime_error(name);
}

const std::vector<int> kBendSizes = {40, 50, 65, 80, 100, 125, 150, 200, 250, 300, 350};

TEST(Tables, RecordCountsAndKeyOrder)
{
    const Shape shapes[] = {
        {"jarft01plg", {40, 50, 65, 80, 100}, {}},
        {"jarft01sa0", {40, 50, 65, 80, 100, 125, 150, 200}, {}},
        {"jarft41l00", kBendSizes, {}},
        {"jarft91l00", kBendSizes, {}},
        {"jarft01sct", {50, 65, 80, 100, 125, 150, 200}, {1, 1, 2, 3, 3, 2, 2}},
        {"jarft42s00", kBendSizes, {1, 2, 3, 4, 5, 6, 7, 8, 8, 10, 7}},
        {"jarft42sco", {80, 100, 125, 150, 200}, {3, 4, 4, 4, 4}},
        {"jarft42sl0", {40, 50, 65, 80, 100}, {1, 2, 3, 4, 4}},
        {"jarft91w00", {100, 125, 150}, {1, 2, 1}},
        {"jarft92l00", kBendSizes, {1, 2, 3, 4, 5, 6, 7, 8, 8, 10, 7}},
        {"jarft92lco", {80, 100, 125, 150, 200}, {3, 4, 4, 4, 4}},
        {"jarft92ll0", {40, 50, 65, 80, 100}, {1, 2, 3, 4, 4}},
        {"jarft92s00", {50, 65, 80, 100}, {1, 2, 2, 3}},
        {"jarft92s0t", {50, 65, 80, 100, 125}, {1, 2, 2, 2, 3}},
    };
    for (const Shape& sh : shapes) {
        const EntryCase& e = entry(sh.entry);
        if (!e.second) {
            EXPECT_EQ(keys_reached(e, 0), sh.outer) << sh.entry;
            continue;
        }
        ASSERT_EQ(sh.outer.size(), sh.inner.size());
        for (size_t i = 0; i < sh.outer.size(); ++i) {
            const std::vector<int> inner = keys_reached(e, sh.outer[i]);
            EXPECT_EQ(int(inner.size()), sh.inner[i]) << sh.entry << " first size " << sh.outer[i];
            // The outer key is the one asked for.
            EXPECT_EQ(last_record(sh.entry).keys[0], sh.outer[i]) << sh.entry;
        }
    }
}

// The record for sizes (first, second) of an entry, drawn with nothing but the frame.
ArfRecordView record(const char* name, int first, int second = 0)
{
    const EntryCase& e = entry(name);
    Part p;
    if (e.second)
        p.sizes(first, second, e.second);
    else
        p.head.size_a = static_cast<int16_t>(first);
    EXPECT_EQ(p.run(e.fn), 0);
    return last_record(name);
}

TEST(Tables, LookupTakesNextLargerKeyAndClamps)
{
    struct Case {
        const char* entry;
        int first, second;
        int k1, k2;
    } cases[] = {
        {"jarft42s00", 250, 40, 250, 50},   // inner keys of 250 start at 50
        {"jarft92s00", 90, 70, 100, 80},
        {"jarft91w00", 125, 90, 125, 100},
        {"jarft01sct", 80, 40, 80, 50},
        {"jarft92l00", 20, 20, 40, 40},     // below the first key: first record
        {"jarft92l00", 999, 999, 350, 350}, // above the last: last record
        {"jarft92l00", -5, 0, 40, 40},      // signed comparison
        {"jarft42sl0", 100, 999, 100, 80},
    };
    for (const Case& c : cases) {
        const ArfRecordView v = record(c.entry, c.first, c.second);
        ASSERT_EQ(v.nkeys, 2);
        EXPECT_EQ(v.keys[0], c.k1) << c.entry << " " << c.first << "/" << c.second;
        EXPECT_EQ(v.keys[1], c.k2) << c.entry << " " << c.first << "/" << c.second;
    }
    EXPECT_EQ(record("jarft41l00", 45).keys[0], 50);
    EXPECT_EQ(record("jarft41l00", 30).keys[0], 40);
    EXPECT_EQ(record("jarft41l00", 400).keys[0], 350);
}

// Non-integer cells are single-precision values widened, not the nearest doubles.
TEST(Tables, CellsAreStoredSinglePrecision)
{
    const ArfRecordView b = record("jarft41l00", 40);
    EXPECT_EQ(d(b, 1), double(65.6f));
    EXPECT_NE(d(b, 1), 65.6);
    EXPECT_EQ(d(b, 2), 48.599998474121094);
    const ArfRecordView s = record("jarft01sa0", 150);
    EXPECT_EQ(d(s, 9), 9.375);  // exact in single precision
    EXPECT_EQ(d(record("jarft01sa0", 200), 9), double(11.35f));
}

TEST(Tables, FirstAndLastRecords)
{
    struct Cell {
        const char* entry;
        int first, second, col;
        double value;
    } cells[] = {
        {"jarft01sa0", 40, 0, 5, 66},        {"jarft01sa0", 200, 0, 1, 153},
        {"jarft41l00", 350, 0, 6, 221},      {"jarft41l00", 350, 0, 8, 7.9f},
        {"jarft91l00", 40, 0, 5, 133},       {"jarft91l00", 350, 0, 9, 534},
        {"jarft01sct", 50, 40, 13, 65.6f},   {"jarft01sct", 50, 40, 12, 40},  // second size in d12
        {"jarft01sct", 200, 150, 15, 221.4f}, {"jarft01sct", 200, 150, 16, 76.5f},
        {"jarft01sct", 200, 150, 7, 0},      {"jarft42s00", 40, 40, 18, 3.5f},
        {"jarft42s00", 350, 350, 2, 355.6f}, {"jarft42s00", 350, 350, 15, 610},
        {"jarft42sco", 80, 50, 19, 150},     {"jarft42sco", 200, 200, 8, 400},
        {"jarft42sl0", 40, 40, 14, 20},      {"jarft42sl0", 100, 80, 15, 230},
        {"jarft91w00", 100, 80, 16, 1000},   {"jarft91w00", 150, 100, 18, 4.5f},
        {"jarft92l00", 40, 40, 19, 44},      {"jarft92l00", 350, 350, 12, 355.5f},
        {"jarft92l00", 350, 350, 2, 386.7f}, {"jarft92lco", 80, 80, 5, 76.2f},
        {"jarft92lco", 200, 200, 11, 239},   {"jarft92ll0", 40, 40, 16, 57.2f},
        {"jarft92ll0", 100, 80, 9, 142},     {"jarft92s00", 50, 50, 15, 130},
        {"jarft92s00", 100, 80, 18, 4.2f},   {"jarft92s0t", 50, 40, 19, 100},
        {"jarft92s0t", 125, 65, 19, 160},
        // The 45-degree branch's runs from 150 up carry a wall in d1 and no hub columns.
        {"jarft42s00", 150, 40, 1, 5},       {"jarft42s00", 150, 40, 8, 17.4f},
        {"jarft42s00", 150, 40, 9, 0},       {"jarft42s00", 150, 150, 8, 330},
        {"jarft42s00", 150, 150, 12, 0},     {"jarft42s00", 150, 150, 18, 5},
        {"jarft42s00", 250, 150, 18, 0},     {"jarft42s00", 250, 250, 5, 700},
    };
    for (const Cell& c : cells) {
        const ArfRecordView v = record(c.entry, c.first, c.second);
        EXPECT_EQ(d(v, c.col), c.value) << c.entry << " " << c.first << "/" << c.second << " d"
                                        << c.col;
    }
}

TEST(Tables, LargeBranchSocketBlockIsFullDouble)
{
    ALF_SIZE b{};
    jalfbsiz(&b, 40);
    EXPECT_EQ(b.size, 40);
    EXPECT_EQ(b.d5, 48.6);  // the nearest double, not a widened float
    EXPECT_EQ(b.d1, 53.0);
    EXPECT_EQ(b.d9, 3.5);
    jalfbsiz(&b, 200);
    EXPECT_EQ(b.d2, 130.0);
    EXPECT_EQ(b.d5, 216.3);
    EXPECT_EQ(b.d4, 0.0);  // not one of its columns
    // Any other size leaves the block as it was.
    const ALF_SIZE before = b;
    jalfbsiz(&b, 90);
    jalfbsiz(&b, 250);
    EXPECT_EQ(std::memcmp(&before, &b, sizeof b), 0);
}

}  // namespace
