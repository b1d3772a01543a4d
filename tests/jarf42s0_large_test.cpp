// The 45-degree branch with a run or a branch of 150 and more, drawn through
// its entry in every view code: the element lists have their lengths, every
// value is finite, and every finding is one the outline declares (refused
// writes: outlines_test). And the run with a branch opening (jalfcof1), called directly.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "branch45.h"
#include "check.h"
#include "curves.h"
#include "entry_cases.h"
#include "findings.h"

namespace {

using arfhost::Element;

struct Pair {
    int run, branch;
    bool large_branch() const { return branch >= 150; }
    std::string name() const { return std::to_string(run) + "/" + std::to_string(branch); }
};

// Every record of the table with a run or a branch of 150 and more.
std::vector<Pair> large_pairs()
{
    int first[80], second[80];
    const int n = arf_table_keys("jarft42s00", first, second, 80);
    std::vector<Pair> out;
    for (int i = 0; i < n; ++i)
        if (first[i] >= 150 || second[i] >= 150) out.push_back({first[i], second[i]});
    return out;
}

struct Shot {
    int status;
    std::vector<Element> els;
};

Shot draw(Pair p, int view, double part_len = 500.0, const std::string& fail = {}, int pen = 0)
{
    Part part;
    part.sizes(p.run, p.branch, 'c');
    part.head.view_no = static_cast<uint8_t>(view);
    part.head.draw_mode = 2;
    part.head.part_len = part_len;
    part.head.pen = pen;
    arfhost::reset();
    if (!fail.empty()) arfhost::fail_at(fail);
    const int st = jarft42s00(&part.head, &part.set);
    return {st, arfhost::record().elements};
}

// Group of a small branch on a large run: the lists of views 6, 7, 10 and 11
// lose the splits at the middle step's rim for 50 and 125 and at the outer
// rim for 100 and 125.
int splits_lost(int branch) { return (branch == 50 || branch == 125) + (branch == 100 || branch == 125); }

// View 13 of a large run by where the end-2 rim cuts the branch socket.
int large_run_v13(Pair p)
{
    if (p.run == 150 && p.branch == 125) return 15;
    if ((p.run == 150 && p.branch == 100) || (p.run == 200 && p.branch == 125)) return 14;
    if ((p.run == 150 && (p.branch == 65 || p.branch == 80)) || (p.run == 200 && p.branch == 100)) return 12;
    return p.run == 200 && p.branch == 40 ? 9 : 8;
}

// Element counts the lists give, by view. A small branch on a large run loses
// two elements per split its group drops (one in view 7, whose run may leave up
// to five stretches of the socket's upper side clear); a large branch loses one
// in views 7, 10 and 11 where its side meets the run below end 1 or behind it,
// and two in views 3 and 12 when as wide as the run (d11 == d2).
std::set<int> expected_counts(Pair p, int view, bool same)
{
    //                        view: 1   2   3   4  5   6   7  8  9  10  11  12  13
    static const int run[] = {0, 21, 21, 19, 4, 15, 22, 15, 7, 5, 22, 23, 23, 0};
    static const int branch[] = {0, 8, 5, 9, 4, 6, 9, 7, 7, 5, 9, 10, 10, 8};
    if (!p.large_branch()) {
        const int lost = splits_lost(p.branch);
        if (view == 13) return {large_run_v13(p)};
        if (view == 7) return {15 - lost, 16 - lost, 17 - lost, 18 - lost, 19 - lost, 20 - lost};
        return {run[view] - ((view == 6 || view == 10 || view == 11) ? 2 * lost : 0)};
    }
    const int n = branch[view] - (same && (view == 3 || view == 12) ? 2 : 0);
    if (view == 7 || view == 10 || view == 11) return {n - 1, n};
    return {n};
}

TEST(Branch45Large, EveryRecordAndViewDrawsWholeListsOnTheirCurves)
{
    int drawn = 0;
    for (const Pair& p : large_pairs())
        for (int view = 1; view <= 13; ++view)
            for (double len : {500.0, 0.0}) {  // a placed run, and the shortest the rules allow
                if (view == 5 && !p.large_branch()) continue;  // the small family's function draws it
                SCOPED_TRACE(p.name() + " view " + std::to_string(view) + " length " + std::to_string(len));
                const Shot s = draw(p, view, len);
                ASSERT_EQ(s.status, 0);
                const ArfRecordView r = last_record("jarft42s00");
                const std::set<int> counts = expected_counts(p, view, d(r, 11) == d(r, 2));
                EXPECT_TRUE(counts.count(int(s.els.size()))) << s.els.size() << " elements";
                EXPECT_EQ(undeclared(s.status), "");  // what the outline draws so, it declares
                ++drawn;
            }
    EXPECT_EQ(drawn, 2 * (25 * 12 + 15 * 13));  // 25 large runs, 15 large branches
}

// Refusing the n-th element write, for each n up to the whole list: the call
// returns 1 with exactly the n - 1 elements before it, as drawn without the fault.
template <class Draw>
void expect_stops_at_each_write(Draw draw_with)
{
    const Shot whole = draw_with(std::string{});
    ASSERT_EQ(whole.status, 0);
    for (int n = 1; n <= int(whole.els.size()); ++n) {
        const Shot cut = draw_with("write:" + std::to_string(n));
        ASSERT_EQ(cut.status, 1) << n;
        ASSERT_EQ(int(cut.els.size()), n - 1);
        for (int i = 0; i < n - 1; ++i) EXPECT_EQ(cut.els[i].geo, whole.els[i].geo) << n << ' ' << i;
    }
}

// jalfcof1 on a block of its own: the run from end 1 (y = -d10) up to a collar
// of diameter d1 and length 2·d3 about y = d4, the right side open 2·t/1.414213562
// about y = 0.5·d2 - d9.
ARF_SIZE2 cof_block()
{
    ARF_SIZE2 b{};
    b.main_size = 200;
    b.d1 = 240, b.d2 = 216.3, b.d3 = 20, b.d4 = 300, b.d9 = 50, b.d10 = 400;
    return b;
}

Shot cof(double t, const std::string& fail = {}, int pen = 0)
{
    const ARF_SIZE2 b = cof_block();
    HEADTBL head{};
    head.pen = pen;
    arfhost::reset();
    if (!fail.empty()) arfhost::fail_at(fail);
    bzi_wrt_t.head = &head;
    const int st = jalfcof1(t, &b, &bzi_wrt_t);
    bzi_wrt_t.head = nullptr;
    return {st, arfhost::record().elements};
}

TEST(Jalfcof1, RunWithOpeningAndCollar)
{
    const ARF_SIZE2 b = cof_block();
    for (double t : {0.0, 60.5}) {
        SCOPED_TRACE(t);
        const Shot s = cof(t, {}, 7);
        ASSERT_EQ(s.status, 0);
        ASSERT_EQ(s.els.size(), 11u);
        std::string codes;
        for (const Element& e : s.els) {
            EXPECT_EQ(e.form, arfhost::Form::segment);
            EXPECT_EQ(e.pen, 7);  // the part's pen
            codes += std::to_string(e.code % 10) + (e.style == 2 ? "t" : "");
        }
        EXPECT_EQ(codes, "202221222" "2t2t");
        // The opening: from the last point back to the first, on the right side.
        const auto& first = s.els.front().geo;
        const auto& last = s.els[8].geo;
        EXPECT_EQ(first[0], 0.5 * b.d2);
        EXPECT_EQ(last[2], 0.5 * b.d2);
        EXPECT_NEAR(last[3] - first[1], 2 * t / 1.414213562, 1e-9);
        EXPECT_NEAR(0.5 * (last[3] + first[1]), 0.5 * b.d2 - b.d9, 1e-9);
        // End 1, the collar's end face at d4 + d3, its mid line at d4.
        EXPECT_NEAR(s.els[1].geo[1], -b.d10, 1e-9);
        EXPECT_NEAR(s.els[5].geo[1], b.d4 + b.d3, 1e-9);
        EXPECT_NEAR(s.els[9].geo[1], b.d4, 1e-9);
        EXPECT_EQ(std::abs(s.els[5].geo[0]), 0.5 * b.d1);
    }
    // A closed side when t = 0: the run's outline is a loop, nothing loose.
    arftool::Drawing d;
    d.host.elements = cof(0.0).els;
    for (const arftool::Finding& f : arftool::check_drawing(d))
        if (f.kind == "dangling" || f.kind == "degenerate") ADD_FAILURE() << f.element << " " << f.detail;
}

TEST(Jalfcof1, RefusedWriteStops)
{
    expect_stops_at_each_write([](const std::string& fault) { return cof(40.0, fault); });
}

}  // namespace
