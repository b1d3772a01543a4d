// 45-degree branch, run and branch below 150: views 1 to 7. The run lies on
// the y axis (end 1 at y = -d10, its socket towards +y), the branch leaves the
// origin at 45 degrees; zahyoar1 places both sockets.
#include <cmath>

#include "hidden.h"
#include "small45.h"

using namespace small45;

using B = ARF_SIZE2;

// ---------------------------------------------------------------------------
// View 1: the fitting in its own plane.

int ar420a(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    P[1] = {-0.5 * b->d2, -b->d10};
    P[28] = {0.5 * b->d2, -b->d10};
    if (zahyoar1(10, 0, b)) return 1;
    copy_pts(P, 2, 71, 12);
    P[29] = P[83], P[30] = P[84];
    if (zahyoar1(30, 0, b)) return 1;
    copy_pts(P, 15, 71, 12);
    P[31] = P[83], P[32] = P[84];
    // The crotches: the run's right pipe line meets the branch's two pipe
    // lines; P33, where it meets the branch axis, is kept but not drawn.
    const tagRSEG right = line(P[13], P[28]);
    P[14] = cross(right, line(P[15], P[16]), P[13]);
    P[27] = cross(right, line(P[25], P[26]), P[28]);
    P[33] = cross(right, line(mid(P[20], P[21]), mid(P[15], P[26])));

    Out o(w);
    for (int n = 1; n <= 27; ++n)
        if (o.code(n == 7 ? kEnd2 : n == 20 ? kEnd3 : kBody).seg(P[n], P[n + 1])) return 1;
    // Across the sockets at the pipe entry and the outer step (the run's
    // outer step twice), and the pipe marks inside the middle steps.
    return o.code(kEnd1).seg(P[28], P[1]) ||
           o.code(kBody).seg(P[6], P[9]) ||
           o.seg(P[2], P[13]) ||
           o.seg(P[15], P[26]) ||
           o.intended(Intended::repeated, "the run socket's outer-step line, listed twice").seg(P[6], P[9]) ||
           o.seg(P[19], P[22]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[29], P[30]) ||
           o.intended(Intended::free_ends, kSocketBottomLine).seg(P[31], P[32]);
}

namespace {

// ---------------------------------------------------------------------------
// Views 2 and 5: looking down the run from end 2 (view 2) or from end 1
// (view 5). The run is a circle at the origin, the branch runs off along +x
// foreshortened by k, each of its socket rims an ellipse k as wide as high.

// A branch rim at x = cx of radius r, and its half away from the run drawn
// from its bottom to its top.
tagRELL branch_rim(double cx, double r) { return slant_rim(cx, r, k); }
int far_half(Out& o, double cx, double r) { return o.earc(branch_rim(cx, r), pt(cx, -r), pt(cx, r)); }
// And its half towards the run, from its top to its bottom.
int near_half(Out& o, double cx, double r) { return o.earc(branch_rim(cx, r), pt(cx, r), pt(cx, -r)); }

// View 2 faces the run's socket end: the branch's pipe lines start on the run
// pipe circle, the branch socket's outline on the run socket circle.
int v2_end2(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const tagRSEG pipe = line(P[1], P[2]);  // y = d12/2
    const Two miss = {P[1], P[1]};
    const tagRPT x1 = larger_x(cross(pipe, circ({0, 0}, 0.5 * b->d1), miss));
    const tagRPT x2 = larger_x(cross(pipe, circ({0, 0}, 0.5 * b->d2), miss));
    const tagRPT x3 = larger_x(cross(pipe, circ({0, 0}, 0.25 * (b->d1 + b->d2)), miss));
    P[13] = x1, P[14] = flip_y(x1);
    P[1] = x2, P[12] = flip_y(x2);
    P[15] = x3, P[16] = flip_y(x3);

    const double pipe_r = 0.5 * b->d12, mid_r = 0.25 * (b->d12 + b->d11), outer_r = 0.5 * b->d11;
    Out o(w, kKeepStyle);
    return o.code(kBody).seg(P[13], P[2]) ||
           o.run(P, {2, 3, 4, 5, 6}) ||
           o.code(kEnd3).earc(branch_rim(k * b->d15, outer_r), P[7], P[6]) ||
           o.code(kBody).run(P, {7, 8, 9, 10, 11}) ||
           o.seg(P[11], P[14]) ||
           o.code(kEnd2).arc({0, 0}, 0.5 * b->d1, P[13], P[14]) ||
           o.code(kBody).arc({0, 0}, 0.25 * (b->d1 + b->d2), P[15], P[16]) ||
           o.seg(P[1], P[13]) ||
           o.seg(P[12], P[14]) ||
           far_half(o, P[2].x, pipe_r) ||
           far_half(o, P[3].x, mid_r) ||
           far_half(o, P[4].x, mid_r) ||
           far_half(o, P[5].x, outer_r) ||
           far_half(o, P[2].x - 0.125 * k * b->d13, pipe_r) ||  // the pipe end inside the socket
           o.code(kEnd1).circle({0, 0}, 0.5 * b->d2) ||
           o.circle({0, 0}, 0.5 * b->d2 - b->d7);
}

// View 5 faces the branch socket's end from the run's end 1 side: each larger
// rim hides what lies behind it of the smaller one and of the side lines. With
// a run of 150 or more (no run socket) the record's large-run layout gives the
// run circles: pipe radius and wall d1.
int v2_end1(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const bool large_run = b->main_size >= 150;
    const double ra = large_run ? 0.5 * b->d2 : 0.5 * b->d1;
    const double rb = large_run ? 0.5 * b->d2 - b->d1 : 0.5 * b->d1 - b->d8;
    const double pipe_r = 0.5 * b->d12, mid_r = 0.25 * (b->d12 + b->d11), outer_r = 0.5 * b->d11;
    const tagRELL e2 = branch_rim(P[2].x, pipe_r), e3 = branch_rim(P[3].x, mid_r);
    const tagRELL e4 = branch_rim(P[4].x, mid_r), e5 = branch_rim(P[5].x, outer_r);
    // Where a figure is missed, the unclipped end stays.
    const tagRPT x1 = larger_x(cross(line(P[1], P[2]), circ({0, 0}, ra), {P[1], P[1]}));
    const tagRPT x2 = smaller_x(cross(line(P[3], P[4]), e5, {P[4], P[4]}));
    const tagRPT x3 = larger_y(cross(e5, e4, {P[4], P[4]}));
    const tagRPT x4 = smaller_x(cross(line(P[1], P[2]), e3, {P[2], P[2]}));
    const tagRPT x5 = larger_y(cross(e2, e3, {P[2], P[2]}));
    const double xc = P[2].x - 0.125 * k * b->d13;
    const tagRPT end = {k * b->d15, 0};
    Out o(w, kKeepStyle);
    return o.code(kBody).seg(x1, x4) ||
           o.seg(P[3], x2) ||
           o.seg(P[5], P[6]) ||
           o.code(kEnd3).ellipse(branch_rim(end.x, outer_r)) ||
           o.code(kBody).seg(P[7], P[8]) ||
           o.seg(flip_y(x2), P[10]) ||
           o.seg(flip_y(x4), flip_y(x1)) ||
           o.code(kEnd2).circle({0, 0}, ra) ||
           o.code(kBody).intended(Intended::free_ends, "branch pipe end's rim inside the socket")
               .earc(branch_rim(xc, pipe_r), pt(xc, pipe_r), pt(xc, -pipe_r)) ||
           o.earc(e2, x5, flip_y(x5)) ||
           o.earc(e4, x3, flip_y(x3)) ||
           near_half(o, P[3].x, mid_r) ||
           near_half(o, P[5].x, outer_r) ||
           o.code(kEnd3).ellipse(end, k * (outer_r - b->d18), outer_r - b->d18, 0) ||
           o.code(kEnd2).circle({0, 0}, rb);
}

}  // namespace

int ar420a_v2(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    P[1] = {0, 0.5 * b->d12};
    if (zahyoar1(31, 0, b)) return 1;
    P[0] = {0, 0};
    copy_pts(P, 2, 72, 10);
    if (view_no(w) == 2) return v2_end2(w, b);
    P[1] = P[71];
    P[12] = P[82];
    return v2_end1(w, b);
}

namespace {

// ---------------------------------------------------------------------------
// Views 3 and 4: looking at the fitting from the branch's side, the branch
// coming towards the viewer (view 3) or going away (view 4) over the run; the
// branch socket stands along +y foreshortened by k, each rim an ellipse.

constexpr int kE1 = -1;  // the run's end-1 corner (d2/2, -d10), not kept in data

tagRPT at(const View34& v, int n) { return n == kE1 ? v.e1 : data[n]; }

// Both views: P0, P1; the run socket P2..P10, P35..P37 with its marks P31,
// P32; the branch from the run surface up, P11..P24.
int points34(const B* b)
{
    tagRPT* P = data;
    P[0] = {0, -b->d10};
    P[1] = {-0.5 * b->d2, -b->d10};
    if (zahyoar1(10, 0, b)) return 1;
    copy_pts(P, 2, 71, 9);
    copy_pts(P, 35, 80, 3);
    P[31] = P[83], P[32] = P[84];
    if (zahyoar1(32, 0, b)) return 1;
    copy_pts(P, 11, 71, 14);
    return 0;
}

// Segments between the numbered points (kE1 for the end-1 corner), with the
// run socket's end face 1521 and the end-1 line 1520.
struct Link {
    int8_t a, b;
};
// A link listed a second time in its block is declared repeated; 'free' declares every link of
// the block as drawn with free ends (the pipe marks, the pipe-entry line's outer pieces).
int links(Out& o, const View34& v, const Link* l, int n, const char* free = nullptr)
{
    for (int i = 0; i < n; ++i) {
        const int c = l[i].a == 7 && l[i].b == 8 ? kEnd2 : l[i].a == 1 && l[i].b == kE1 ? kEnd1 : kBody;
        bool again = false;
        for (int j = 0; j < i; ++j) again = again || (l[j].a == l[i].a && l[j].b == l[i].b);
        const bool entry = (l[i].a == 44 && l[i].b == 46) || (l[i].a == 45 && l[i].b == 47);
        const bool mark = l[i].a == 31 && l[i].b == 32;
        if (o.code(c)
                .intended(Intended::repeated, again ? "run socket line listed again after the end-1 line" : nullptr)
                .intended(Intended::free_ends, entry  ? "pipe-entry line out to the branch's outer width"
                                               : mark ? kSocketBottomLine
                                                      : free)
                .seg(at(v, l[i].a), at(v, l[i].b)))
            return 1;
    }
    return 0;
}
template <std::size_t N>
int links(Out& o, const View34& v, const Link (&l)[N], const char* free = nullptr)
{
    return links(o, v, l, static_cast<int>(N), free);
}

// View 3. The branch socket comes towards the viewer over the run: its rims
// are seen whole or cut by the larger rim nearer the viewer, and the run
// socket behind is cut where the branch covers it. Which run lines are cut,
// and where, goes by size pair.
enum Cut : unsigned {
    kFlatByEnd = 1,     // the run's outer flat ends under the branch end rim (P5, P10)
    kFaceByEnd = 2,     // the run's outer step line ends there too (P38, P39)
    kTaperByEnd = 4,    // the run's outer taper, larger y (P4, P35)
    kMidByEnd = 8,      // the run's middle step, smaller x (P3, P36)
    kMidByBranch = 16,  // the run's middle step at the branch's socket line (P3, P36)
    kPipeByOuter = 32,  // the run's left pipe line under the branch's outer step rim (P2, P37)
    kStepByEnd = 64,    // the run's outer step line under the branch end rim (P42, P43)
    kMarkByEnd = 128,   // the run's pipe marks under the branch end rim (P40, P41)
    kEntryByOuter = 256,  // the run's pipe entry line under the branch's outer step rim (P46, P47)
};

struct Group3 {
    unsigned cuts;
    const Link* first;
    int n_first;
    bool chain, marks;  // the common chain opens the first block; the mark lines follow it
    const Link* second;
    int n_second;
};

constexpr Link kChain[] = {{1, 44}, {44, 3}, {3, 4},   {4, 5},   {5, 6},   {6, 7},   {7, 8},
                           {8, 9},  {9, 10}, {10, 35}, {35, 36}, {36, 45}, {45, kE1}, {1, kE1}};
constexpr Link kMarks[] = {{31, 40}, {32, 41}};
constexpr Link kFirst1[] = {{1, 11}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 10}, {24, kE1}, {1, kE1}, {6, 38}, {9, 39}};
constexpr Link kFirst2[] = {{1, 11}, {5, 6}, {6, 7},  {7, 8},     {8, 9},  {9, 10},
                            {4, 5},  {10, 35}, {24, kE1}, {1, kE1}, {6, 38}, {9, 39}};
constexpr Link kFirst3[] = {{1, 2},  {3, 4},   {4, 5},    {5, 6},    {6, 7},  {7, 8},  {8, 9},
                            {9, 10}, {10, 35}, {35, 36}, {37, kE1}, {1, kE1}, {4, 5}, {10, 35}};
constexpr Link kStep[] = {{6, 9}};
constexpr Link kStepSplit[] = {{6, 42}, {43, 9}};
constexpr Link kStepEntry[] = {{6, 9}, {44, 46}, {45, 47}};
constexpr Link kSplitEntry[] = {{6, 42}, {43, 9}, {44, 46}, {45, 47}};

template <std::size_t N>
constexpr int len(const Link (&)[N]) { return static_cast<int>(N); }

constexpr Group3 kGroups3[] = {
    {},
    {kFlatByEnd | kFaceByEnd, kFirst1, len(kFirst1), false, false, nullptr, 0},
    {kTaperByEnd | kFaceByEnd, kFirst2, len(kFirst2), false, false, nullptr, 0},
    {kMidByEnd | kPipeByOuter, kFirst3, len(kFirst3), false, false, kStep, 1},
    {kMidByBranch | kPipeByOuter, kFirst3, len(kFirst3), false, false, kStep, 1},
    {kMidByBranch | kPipeByOuter | kStepByEnd, kFirst3, len(kFirst3), false, false, kStepSplit, 2},
    {0, nullptr, 0, true, false, kStepEntry, 3},
    {kMarkByEnd, nullptr, 0, true, true, kStepEntry, 3},
    {kStepByEnd | kEntryByOuter, nullptr, 0, true, false, kSplitEntry, 4},
    {kStepByEnd, nullptr, 0, true, false, kSplitEntry, 4},
    {kMarkByEnd | kEntryByOuter, nullptr, 0, true, true, kStepEntry, 3},
};

constexpr PairGroup kPairs3[] = {
    {40, 40, 1},  {65, 65, 1},   {80, 80, 1},   {50, 50, 2},   {100, 100, 2}, {125, 125, 2}, {50, 40, 3},
    {65, 50, 4},  {80, 65, 5},   {65, 40, 6},   {80, 50, 6},   {80, 40, 7},   {100, 40, 7},  {100, 50, 7},
    {125, 50, 7}, {100, 65, 8},  {125, 65, 8},  {100, 80, 9},  {125, 80, 9},  {125, 100, 9}, {125, 40, 10},
};

// The run cuts of a group. Where a side line misses its rim the unclipped end
// stays; where a line across the run misses it, the line is not covered and
// its two pieces meet in the middle.
void cut_run(tagRPT* P, const View34& v, unsigned cuts)
{
    auto on = [](const tagRSEG& l, const tagRELL& e, tagRPT keep) { return cross(l, e, {keep, keep}); };
    const tagRPT step_mid = mid(P[6], P[9]);
    if (cuts & kFlatByEnd) P[5] = smaller_x(on(line(P[5], P[6]), v.ee, P[5])), P[10] = flip_x(P[5]);
    if (cuts & kFaceByEnd) P[38] = smaller_x(on(line(P[6], P[9]), v.ee, step_mid)), P[39] = flip_x(P[38]);
    if (cuts & kTaperByEnd) P[4] = larger_y(on(line(P[4], P[5]), v.ee, P[4])), P[35] = flip_x(P[4]);
    if (cuts & kMidByEnd) P[3] = smaller_x(on(line(P[3], P[4]), v.ee, P[3])), P[36] = flip_x(P[3]);
    if (cuts & kMidByBranch) P[3] = cross(line(P[3], P[4]), line(P[16], P[17]), P[3]), P[36] = flip_x(P[3]);
    if (cuts & kPipeByOuter) P[2] = smaller_y(on(line(P[1], P[44]), v.eb, P[44])), P[37] = flip_x(P[2]);
    if (cuts & kStepByEnd) P[42] = smaller_x(on(line(P[6], P[9]), v.ee, step_mid)), P[43] = flip_x(P[42]);
    if (cuts & kMarkByEnd)
        P[40] = smaller_x(on(line(P[31], P[32]), v.ee, mid(P[31], P[32]))), P[41] = flip_x(P[40]);
    if (cuts & kEntryByOuter)
        P[46] = smaller_x(on(line(P[44], P[45]), v.eb, mid(P[44], P[45]))), P[47] = flip_x(P[46]);
}

int view3(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const View34 v = view34(b);
    P[44] = P[2], P[45] = P[37];
    P[46] = {-0.5 * b->d11, b->d5 - b->d3};
    P[47] = {0.5 * b->d11, b->d5 - b->d3};
    toward_cuts(P, v);
    const Group3& g = kGroups3[group_of(b, kPairs3)];
    cut_run(P, v, g.cuts);

    Out o(w, kKeepStyle);
    return (g.chain && links(o, v, kChain)) ||
           (g.marks && links(o, v, kMarks, kSocketBottomLine)) ||
           links(o, v, g.first, g.n_first) ||
           toward_lines(o, v) ||
           links(o, v, g.second, g.n_second) ||
           toward_rims(o, v, "branch pipe end's rim between the socket profile's pipe-end points") ||
           o.intended(Intended::repeated, "middle step's rim Ea, listed twice").earc(v.ea, P[14], P[21]) ||
           toward_face(o, v);
}

// View 4: the run and its socket for every pair; the branch, going away
// behind the run, shows its socket only where it reaches past the run's
// socket, for three pairs.
int view4(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    const View34 v = view34(b);
    constexpr Link kRun[] = {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8},
                             {8, 9}, {9, 10}, {10, 35}, {35, 36}, {36, 37}, {37, kE1},
                             {1, kE1}, {6, 9}, {2, 37}, {31, 32}};
    Out o(w, kKeepStyle);
    if (links(o, v, kRun)) return 1;
    const int m = b->main_size, n = b->branch_size;
    const bool p50 = m == 50 && n == 40, p65 = m == 65 && n == 50, p80 = m == 80 && n == 65;
    if (!p50 && !p65 && !p80) return 0;
    const tagRELL es = v.eb;
    P[15] = cross(line(P[15], P[16]), line(P[1], P[2]), P[15]);
    P[20] = flip_x(P[15]);
    if (p50) {
        const tagRPT x3 = larger_y(cross(line(P[3], P[4]), v.ee, {P[17], P[17]}));
        P[25] = x3, P[26] = flip_x(x3);
    } else {
        P[17] = cross(line(P[3], P[4]), line(P[16], P[17]), P[17]);
        P[18] = flip_x(P[17]);
    }
    const tagRSEG l4 = p80 ? line(P[3], P[4]) : line(P[1], P[2]);
    const tagRPT x4 = larger_y(cross(l4, es, {P[16], P[16]}));
    P[27] = x4, P[28] = flip_x(x4);
    constexpr Link kBranch[] = {{15, 16}, {16, 17}, {18, 19}, {19, 20}};
    if (links(o, v, kBranch)) return 1;
    if (p50)
        return o.code(kEnd3).earc(v.ee, P[18], P[26]) ||
               o.code(kBody).earc(es, P[19], P[28]) ||
               o.code(kEnd3).earc(v.ee, P[25], P[17]) ||
               o.code(kBody).earc(es, P[27], P[16]);
    return o.code(kBody).earc(es, P[27], P[16]) || o.earc(es, P[19], P[28]);
}

}  // namespace

View34 small45::view34(const B* b)
{
    const double mid = 0.25 * (b->d12 + b->d11), outer = 0.5 * b->d11, e = b->d15;
    return {b, {0.5 * b->d2, -b->d10},
            flat_rim(k * (e - b->d14), mid), flat_rim(k * (e - 0.6 * b->d14), outer),
            flat_rim(k * (e - 0.8 * b->d14), mid), flat_rim(k * (e - 0.875 * b->d13), 0.5 * b->d12),
            flat_rim(k * e, outer)};
}

void small45::toward_cuts(tagRPT* P, const View34& v)
{
    P[25] = smaller_y(cross(line(P[11], P[13]), v.ea, {P[13], P[13]})), P[26] = flip_x(P[25]);
    P[27] = smaller_y(cross(line(P[14], P[15]), v.eb, {P[15], P[15]})), P[28] = flip_x(P[27]);
    P[29] = smaller_x(cross(v.eb, v.ec, {P[15], P[15]})), P[30] = flip_x(P[29]);
    P[33] = smaller_x(cross(v.ea, v.ed, {P[13], P[13]})), P[34] = flip_x(P[33]);
}

int small45::toward_lines(Out& o, const View34& v)
{
    constexpr Link kBranch[] = {{16, 17}, {18, 19}, {14, 27}, {21, 28}, {11, 25}, {24, 26}};
    return links(o, v, kBranch);
}

int small45::toward_rims(Out& o, const View34& v, const char* pipe_end, const tagRELL* joint)
{
    const tagRPT* P = data;
    const double pipe = 0.5 * v.b->d12;
    return o.code(kBody).earc(joint ? *joint : ell({0, P[11].y}, pipe, k * pipe, 0), P[11], P[24]) ||
           o.intended(Intended::free_ends, pipe_end).earc(flat_rim(k * (v.b->d15 - v.b->d13), pipe), P[12], P[23]) ||
           o.earc(v.ea, P[14], P[21]) ||
           o.earc(v.ec, P[29], P[30]) ||
           o.earc(v.eb, P[16], P[19]) ||
           o.earc(v.ed, P[33], P[34]);
}

int small45::toward_face(Out& o, const View34& v)
{
    return o.code(kEnd3).ellipse(flat_rim(k * v.b->d15, 0.5 * v.b->d11 - v.b->d18)) || o.ellipse(v.ee);
}

int ar420a_v3(BZI_WRT_PRM* w, const B* b)
{
    if (points34(b)) return 1;
    return view_no(w) == 3 ? view3(w, b) : view4(w, b);
}

// ---------------------------------------------------------------------------
// Views 6 and 7: the run upright at full length with its end faces edge-on,
// the branch turned axonometrically (zahyoar1 mode 33, its axis at 54.74
// degrees, foreshortened by the cosine of 30 degrees), Zn = data[n] after that
// call. In 3-D the branch leaves the run's axis towards the viewer (view 6,
// its end face seen whole) or away from it (view 7, its end face from
// behind); so in view 6 the branch covers the run where they overlap, in view
// 7 the run covers the branch. The part behind is trimmed against the front
// part's outline (hidden.h) rather than by lists per size pair, so every pair
// gets the trims its own proportions call for.

namespace {

// The run's outline (end-1 corners and the socket chain) and the pipe marks
// inside its socket's middle step.
struct RunChain {
    tagRPT run[14];  // P0, data[71..82], P13
    tagRPT mark[2];
};


// The run: end 1, the chain up the left side, the socket end face, down the
// right side to end 1; then, in line style 2, the lines across the socket at
// the outer step and the pipe entry and the pipe marks. Trimmed against the
// branch in view 6.
int run6(Out& o, const Cover& c, bool trim, const RunChain& v)
{
    const tagRPT* R = v.run;
    if (o.style(0).code(kEnd1).seg(R[0], R[13])) return 1;
    for (int n = 0; n < 13; ++n)
    {
        o.code(n == 6 ? kEnd2 : kBody);
        if (line_across(o, c, trim, R[n], R[n + 1])) return 1;
    }
    o.style(2).code(kBody);
    return line_across(o, c, trim, R[5], R[8]) || line_across(o, c, trim, R[1], R[12]) ||
           line_across(o, c, trim, v.mark[0], v.mark[1], kSocketBottomLine);
}

}  // namespace

// The branch pipe's rim at the run: the branch axis pierces the run's
// surface at a distance of root 2 times the run radius from the origin (the
// axis leaves at 45 degrees to the run and at 45 degrees to the viewer). Seen
// from the front, this rim stands for the seam where the branch pipe leaves
// the run.
Turned small45::turned_branch(tagRPT* P, const B* b)
{
    const tagRPT* Z = P;
    Turned v{};
    v.e = branch_rims(Z, b, kRot6);
    const double t0 = std::sqrt(2.0) * 0.5 * b->d2, f = t0 / (b->d15 - b->d13);
    const tagRPT c = f * Z[90];
    v.root = axis_rim(c, 0.5 * b->d12, kRot6);
    v.up = c + (Z[70] - Z[90]);
    v.low = c + (Z[81] - Z[90]);
    const StepCuts cuts = step_cuts(P, b, v.e);
    v.pipe_whole = cuts.pipe_whole, v.mid_whole = cuts.mid_whole;
    return v;
}

// From its root rim up its side lines and along the rims where those pass
// under them, round the end face's outer half and back.
void small45::turned_cover(Cover& c, const Turned& v)
{
    const tagRPT* Z = data;
    const tagRPT* P = data;
    c.add(v.up);
    if (!v.pipe_whole) c.add(Z[71]);
    c.add(P[52]);
    c.add_short_arc(v.e.m0, Z[72]);
    if (!v.mid_whole) c.add(Z[73]);
    c.add(P[50]);
    c.add_short_arc(v.e.o, Z[74]);
    c.add(Z[75]);
    c.add_arc(v.e.e, Z[76], Z[75]);
    c.add(Z[76]);
    c.add(Z[77]);
    c.add_short_arc(v.e.o, P[51]);
    if (!v.mid_whole) c.add(Z[78]);
    c.add(Z[79]);
    c.add_short_arc(v.e.m0, P[53]);
    if (!v.pipe_whole) c.add(Z[80]);
    c.add(v.low);
    if (v.split) {
        c.add_arc(v.root2, v.mid, v.low);
        c.add(v.mid);
        c.add_arc(v.root, v.up, v.mid);
    } else {
        c.add_arc(v.root, v.up, v.low);
    }
}

int small45::turned_elements(Out& o, const Cover& c, Turned v, const B* b, bool front, const char* rims)
{
    const tagRPT* Z = data;
    const tagRPT* P = data;
    const bool trim = !front;
    auto seg = [&](tagRPT a, tagRPT z) { return line_across(o, c, trim, a, z); };
    o.style(0).code(kBody);
    if (front)
        return (v.pipe_whole ? seg(v.up, P[52]) : seg(v.up, Z[71]) || seg(Z[71], P[52])) ||
               (v.pipe_whole ? seg(v.low, P[53]) : seg(v.low, Z[80]) || seg(Z[80], P[53])) ||
               (v.mid_whole ? seg(Z[72], P[50]) : seg(Z[72], Z[73]) || seg(Z[73], P[50])) ||
               (v.mid_whole ? seg(Z[79], P[51]) : seg(Z[79], Z[78]) || seg(Z[78], P[51])) ||
               seg(Z[74], Z[75]) || seg(Z[76], Z[77]) ||
               o.code(kEnd3).ellipse(v.e.e) ||
               o.code(kBody).earc(v.e.o, Z[74], Z[77]) ||
               o.earc(v.e.m0, Z[72], Z[79]) ||
               o.earc(v.root, v.up, v.split ? v.mid : v.low) ||
               (v.split && o.earc(v.root2, v.mid, v.low)) ||
               o.style(2).intended(Intended::free_ends, rims).earc(v.e.m1, Z[73], Z[78]) ||
               o.intended(Intended::free_ends, rims).earc(v.e.p1, Z[71], Z[80]) ||
               o.intended(Intended::free_ends, rims).earc(v.e.p0, Z[70], Z[81]) ||
               o.code(kEnd3).ellipse(axis_rim(Z[95], 0.5 * b->d11 - b->d18, kRot6));
    // View 7: the branch's pipe lines run from the run's axis, behind the run,
    // and show from where they pass its right side line; its end face from
    // behind (the outer half), the rims of its steps as in the other views
    // facing the run's end 1.
    v.up = Z[70] - Z[90], v.low = Z[81] - Z[90];
    if (seg(v.up, Z[71]) || (!v.pipe_whole && seg(Z[71], P[52])) || seg(Z[72], Z[73]) ||
        (!v.mid_whole && seg(Z[73], P[50])) || seg(Z[74], Z[75]) || seg(Z[76], Z[77]) ||
        (!v.mid_whole && seg(P[51], Z[78])) || seg(Z[78], Z[79]) || (!v.pipe_whole && seg(P[53], Z[80])) ||
        seg(Z[80], v.low))
        return 1;
    o.code(kEnd3);
    if (arc_on(o, c, trim, v.e.e, Z[76], Z[75])) return 1;
    o.code(kBody);
    if (arc_on(o, c, trim, v.e.o, P[51], P[50], rims) || arc_on(o, c, trim, v.e.m0, P[53], P[52], rims)) return 1;
    o.style(2);
    return arc_on(o, c, trim, v.e.m1, Z[78], Z[73], rims) || arc_on(o, c, trim, v.e.p1, Z[80], Z[71], rims) ||
           arc_on(o, c, trim, v.e.p0, Z[81], Z[70], rims);
}

// The rims inside the branch socket run between the profile's points on its two sides; where a
// socket line runs past such a point to the next rim, the rim's end there is free.
constexpr const char* kInnerRim = "rim inside the socket, between the profile's points on its two sides";

// The front part's outline: in view 6 the branch, in view 7 the run.
int ar420a_v6(BZI_WRT_PRM* w, const B* b)
{
    tagRPT* P = data;
    if (zahyoar1(10, 0, b)) return 1;
    RunChain r{};
    r.run[0] = {-0.5 * b->d2, -b->d10};
    for (int i = 0; i < 12; ++i) r.run[1 + i] = P[71 + i];
    r.run[13] = {0.5 * b->d2, -b->d10};
    r.mark[0] = P[83], r.mark[1] = P[84];
    if (zahyoar1(33, 0, b)) return 1;
    const Turned v = turned_branch(P, b);
    const bool front = view_no(w) == 6;

    Cover c;
    if (front) turned_cover(c, v);
    else for (const tagRPT& q : r.run) c.add(q);

    Out o(w);
    return run6(o, c, front, r) || turned_elements(o, c, v, b, front, front ? kInnerRim : nullptr);
}
