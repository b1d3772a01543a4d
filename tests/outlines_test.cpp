// The one-size outlines (plug, socket adaptor, 45- and 90-degree bends) and the reducer through
// their entries, one table for all. The golden files pin every element of every catalogue drawing
// and `check --all` holds each to what its entry declares; this file keeps what those do not say:
// how many elements each list has on each side of the size classes' switches, that a refused
// write ends the drawing at once, which views copy the part's pen, and the symbol views.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "entry_cases.h"

namespace {

using arfhost::Element;

// Elements of a view by size class: {upto, count} pairs, the class key ascending (the first size;
// the reducer's second size, whose switch at 150 swaps in the fixed make-up).
struct Counts {
    const char* entry;
    int view;
    std::vector<std::pair<int, int>> upto;
};

const Counts kCounts[] = {
    {"jarft01plg", 1, {{100, 2}}},   {"jarft01plg", 2, {{100, 9}}},
    {"jarft01sa0", 1, {{200, 9}}},   {"jarft01sa0", 2, {{200, 4}}},   {"jarft01sa0", 3, {{200, 5}}},
    {"jarft01sa0", 4, {{200, 5}}},   {"jarft01sa0", 5, {{200, 8}}},   {"jarft01sa0", 6, {{200, 10}}},
    {"jarft01sa0", 7, {{200, 10}}},
    {"jarft01sct", 1, {{125, 20}, {150, 10}}}, {"jarft01sct", 2, {{125, 20}, {150, 10}}},
    {"jarft01sct", 3, {{125, 3}, {150, 2}}},   {"jarft01sct", 4, {{125, 2}, {150, 1}}},
    {"jarft01sct", 5, {{125, 20}, {150, 10}}}, {"jarft01sct", 6, {{125, 19}, {150, 10}}},
    {"jarft01sct", 7, {{125, 19}, {150, 10}}},
    {"jarft41l00", 1, {{125, 20}, {200, 10}, {350, 7}}},
    {"jarft41l00", 2, {{125, 21}, {350, 9}}},
    {"jarft41l00", 3, {{125, 18}, {200, 8}, {350, 7}}},
    {"jarft41l00", 4, {{125, 23}, {200, 6}, {350, 5}}},
    {"jarft41l00", 5, {{125, 17}, {350, 9}}},
    {"jarft41l00", 6, {{80, 23}, {100, 21}, {125, 19}, {200, 11}, {350, 8}}},
    {"jarft41l00", 7, {{80, 22}, {100, 20}, {125, 18}, {200, 10}, {350, 7}}},
    {"jarft41l00", 8, {{200, 6}, {350, 5}}},
    {"jarft41l00", 9, {{125, 7}, {200, 6}, {350, 5}}},
    {"jarft41l00", 10, {{80, 23}, {100, 21}, {125, 19}, {200, 12}, {350, 9}}},
    {"jarft41l00", 11, {{80, 23}, {100, 21}, {125, 19}, {200, 12}, {350, 9}}},
    {"jarft41l00", 12, {{125, 17}, {200, 7}, {350, 6}}},
    {"jarft41l00", 13, {{125, 17}, {200, 6}, {350, 5}}},
    {"jarft91l00", 1, {{125, 20}, {200, 10}, {350, 7}}},
    {"jarft91l00", 2, {{125, 19}, {350, 7}}},
    {"jarft91l00", 3, {{125, 9}, {200, 7}, {350, 6}}},
    {"jarft91l00", 4, {{125, 11}, {200, 5}, {350, 4}}},
    {"jarft91l00", 5, {{125, 17}, {350, 5}}},
    {"jarft91l00", 6, {{100, 18}, {125, 16}, {200, 12}, {350, 11}}},
    {"jarft91l00", 7, {{125, 22}, {200, 10}, {350, 9}}},
    {"jarft91l00", 10, {{125, 20}, {200, 10}, {350, 7}}},
    {"jarft91l00", 11, {{125, 20}, {200, 10}, {350, 7}}},
};

const EntryCase& entry(const std::string& name)
{
    for (const EntryCase& e : all_entries())
        if (name == e.name) return e;
    throw std::runtime_error("no entry " + name);
}

struct Record {
    int first, second;
    int key() const { return second ? second : first; }
};

std::vector<Record> records(const EntryCase& e)
{
    int first[64], second[64];
    const int n = arf_table_keys(e.name, first, second, 64);
    std::vector<Record> out;
    for (int i = 0; i < n; ++i) out.push_back({first[i], e.second ? second[i] : 0});
    return out;
}

struct Shot {
    int status;
    std::vector<Element> els;
    long writes;
};

Shot draw(const EntryCase& e, Record r, int view, const std::string& fail = {}, int pen = 0)
{
    Part p;
    p.head.size_a = static_cast<int16_t>(r.first);
    if (e.second) p.sizes(r.first, r.second, e.second);
    p.head.draw_mode = 2;
    p.head.view_no = static_cast<uint8_t>(view);
    p.head.pen = pen;
    arfhost::reset();
    if (!fail.empty()) arfhost::fail_at(fail);
    const int st = e.fn(&p.head, &p.set);
    return {st, arfhost::record().elements, arfhost::record().writes};
}

std::string where(const EntryCase& e, Record r, int view)
{
    return std::string(e.name) + " " + std::to_string(r.first) + (r.second ? "/" + std::to_string(r.second) : "") +
           " view " + std::to_string(view);
}

int count_for(const Counts& c, Record r)
{
    for (const auto& [upto, n] : c.upto)
        if (r.key() <= upto) return n;
    return -1;
}

TEST(Outlines, EveryRecordDrawsItsListsCount)
{
    int drawn = 0;
    for (const Counts& c : kCounts) {
        const EntryCase& e = entry(c.entry);
        for (Record r : records(e)) {
            SCOPED_TRACE(where(e, r, c.view));
            const Shot s = draw(e, r, c.view);
            ASSERT_EQ(s.status, 0);
            EXPECT_EQ(static_cast<int>(s.els.size()), count_for(c, r));
            ++drawn;
        }
    }
    EXPECT_EQ(drawn, 2 * 5 + 7 * 8 + 7 * 14 + 13 * 11 + 9 * 11);  // views × records of each entry
}

// Refusing the k-th element fails the call with the k - 1 before it kept as drawn: every view of
// the one-size entries on each side of every class switch (the records at the ends of each class),
// and the two-size entries on records of each of their outline families.
void expect_each_write_ends_it(const EntryCase& e, Record r, int view)
{
    const Shot whole = draw(e, r, view);
    if (whole.status != 0) return;  // a view this record does not draw
    const long before = whole.writes - static_cast<long>(whole.els.size());  // the stages' own
    for (int k = 1; k <= static_cast<int>(whole.els.size()); ++k) {
        SCOPED_TRACE(where(e, r, view) + " write " + std::to_string(k));
        const Shot cut = draw(e, r, view, "write:" + std::to_string(before + k));
        ASSERT_EQ(cut.status, 1);
        ASSERT_EQ(cut.els.size(), static_cast<size_t>(k - 1));
        for (int i = 0; i < k - 1; ++i) ASSERT_EQ(cut.els[i].geo, whole.els[i].geo);
    }
}

TEST(Outlines, RefusedWriteEndsTheDrawing)
{
    for (const Counts& c : kCounts) {
        const EntryCase& e = entry(c.entry);
        for (Record r : records(e)) {
            bool edge = r.key() == records(e).front().key();
            for (const auto& [upto, n] : c.upto) edge = edge || r.key() == upto;
            if (edge) expect_each_write_ends_it(e, r, c.view);
        }
    }
    const struct {
        const char* entry;
        std::vector<Record> records;
    } two_size[] = {
        {"jarft42s00", {{40, 40}, {65, 50}, {80, 40}, {100, 65}, {125, 125}, {150, 40}, {150, 125}, {200, 100},
                        {300, 50}, {150, 150}, {300, 200}}},
        {"jarft42sl0", {{40, 40}, {65, 50}, {100, 80}}},
        {"jarft91w00", {{100, 80}, {125, 100}, {150, 100}}},
        {"jarft92l00", {{100, 50}, {65, 65}, {200, 65}, {250, 200}}},
    };
    for (const auto& t : two_size)
        for (Record r : t.records)
            for (int view = 1; view <= 13; ++view) expect_each_write_ends_it(entry(t.entry), r, view);
}

// The part's pen goes on the elements of the plug's views, the reducer's fixed make-up and the
// 45-degree bend's end views (8 and 9); every other view keeps the pen the host holds.
TEST(Outlines, OnlyTheListedViewsCopyThePartPen)
{
    auto copies = [](const std::string& name, Record r, int view) {
        return name == "jarft01plg" || (name == "jarft01sct" && r.second >= 150) ||
               (name == "jarft41l00" && (view == 8 || view == 9));
    };
    for (const Counts& c : kCounts) {
        const EntryCase& e = entry(c.entry);
        for (Record r : records(e)) {
            SCOPED_TRACE(where(e, r, c.view));
            const Shot s = draw(e, r, c.view, {}, 77);
            ASSERT_FALSE(s.els.empty());
            for (const Element& el : s.els) EXPECT_EQ(el.pen == 77, copies(c.entry, r, c.view));
        }
    }
}

// The view mask names exactly the views above (and the bend's symbol views); any other code fails
// the call before the second stage, with nothing drawn.
TEST(Outlines, OtherViewCodesFailBeforeTheSecondStage)
{
    for (const char* name : {"jarft01plg", "jarft01sa0", "jarft01sct", "jarft41l00", "jarft91l00"}) {
        const EntryCase& e = entry(name);
        unsigned listed = name == std::string("jarft41l00") ? 0xFu << 14 : 0;
        for (const Counts& c : kCounts)
            if (c.entry == std::string(name)) listed |= 1u << c.view;
        EXPECT_EQ(arf_view_mask(name), listed) << name;
        const Record r = records(e).front();
        for (int view = 1; view <= 20; ++view) {
            if (listed & (1u << view)) continue;
            SCOPED_TRACE(where(e, r, view));
            EXPECT_EQ(draw(e, r, view).status, 1);
            EXPECT_TRUE(arfhost::record().elements.empty());
            for (const std::string& call : arfhost::record().calls) EXPECT_NE(call, "com_2nd");
        }
    }
}

// Views 14 to 17 of the 45-degree bend write nothing: the host draws its standard mark, and a
// failure there fails the call.
TEST(Outlines, SymbolViewsAreTheHostsStandardMark)
{
    const EntryCase& e = entry("jarft41l00");
    for (int size : {50, 150, 300})
        for (int view = 14; view <= 17; ++view) {
            const Shot s = draw(e, {size, 0}, view);
            EXPECT_EQ(s.status, 0);
            EXPECT_TRUE(s.els.empty());
            EXPECT_EQ(host_arg("hyojun41", "mode"), std::vector<double>{0});
            EXPECT_EQ(draw(e, {size, 0}, view, "hyojun41").status, 1);
        }
}

}  // namespace
