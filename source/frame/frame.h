// The entry frame shared by every fitting entry: after the entry has chosen its
// record, fixed its length and filled its common-processing block, the host's
// first stage runs, the view function draws (true shape or sample only), and the
// host's second stage closes the call.
#pragma once

#include <cstddef>

#include "arfhost.h"
#include "elemout.h"

template <class Block>
using ViewFn = int (*)(BZI_WRT_PRM* w, const Block* blk);
// Views of the fittings whose large branch is drawn from a separate socket block.
struct ALF_SIZE;
template <class Block>
using ViewFnAlf = int (*)(BZI_WRT_PRM* w, const ALF_SIZE* alf, const Block* blk);

// The view function for view_no, or null when the code has none.
template <class Fn, std::size_t N>
constexpr Fn view_at(const Fn (&views)[N], unsigned view_no)
{
    return view_no < N ? views[view_no] : nullptr;
}

template <class Fn, std::size_t N>
constexpr unsigned view_mask(const Fn (&views)[N])
{
    unsigned m = 0;
    for (std::size_t v = 0; v < N && v < 32; ++v)
        if (views[v]) m |= 1u << v;
    return m;
}

// Nominal size: the entry's sample size for a sample drawing, else the part's.
inline int pick_size(const SHOKICH* set, int sample, int16_t part_size)
{
    return set->sample_flag == 1 ? sample : part_size;
}

// draw() runs the view function; a view code without one fails the call
// before the second stage, as any failed drawing does.
template <class Draw>
int run_stages(HEADTBL* head, SHOKICH* set, BZI_COM_PRM* com, int* proc_list, Draw draw)
{
    reset_intended();
    if (com_1st(bzi_wrt_t.conv, head, set, com, &bzi_wrt_t, proc_list) != 0) return 1;
    if (head->draw_mode == 2 || set->sample_flag == 1)
        if (draw() != 0) return 1;
    return com_2nd(bzi_wrt_t.conv, head, set, 1) != 0 ? 1 : 0;
}

// The common case: view table indexed by view_no, functions taking the selected block.
template <class Block, std::size_t N>
int run_stages(HEADTBL* head, SHOKICH* set, BZI_COM_PRM* com, int* proc_list,
               const ViewFn<Block> (&views)[N], const Block* blk)
{
    return run_stages(head, set, com, proc_list, [&] {
        ViewFn<Block> f = view_at(views, head->view_no);
        return f ? f(&bzi_wrt_t, blk) : 1;
    });
}

template <class Block, std::size_t N>
int run_stages(HEADTBL* head, SHOKICH* set, BZI_COM_PRM* com, int* proc_list,
               const ViewFnAlf<Block> (&views)[N], const ALF_SIZE* alf, const Block* blk)
{
    return run_stages(head, set, com, proc_list, [&] {
        ViewFnAlf<Block> f = view_at(views, head->view_no);
        return f ? f(&bzi_wrt_t, alf, blk) : 1;
    });
}

// Integer diameter for the block's pair fields: truncation toward zero.
inline int32_t trunc_dia(double d) { return static_cast<int32_t>(d); }
