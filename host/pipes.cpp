// The host's pipe table and its drawing of free-size tees. The replacement
// host records what it was handed; the tee outline itself is the host's own.
#include <cstring>

#include "recorder.h"

using namespace arfhost;

namespace {

// Steel pipe for the fittings' sockets: nominal size, outside diameter, wall.
struct PipeRow {
    int size;
    double od, wall;
};
constexpr PipeRow kPipes[] = {
    {40, 48.6, 3.5},   {50, 60.5, 3.8},   {65, 76.3, 4.2},   {80, 89.1, 4.2},
    {100, 114.3, 4.5}, {125, 139.8, 4.5}, {150, 165.2, 5.0}, {200, 216.3, 5.8},
    {250, 267.4, 6.6}, {300, 318.5, 6.9}, {350, 355.6, 7.9}, {400, 406.4, 7.9},
    {450, 457.2, 7.9}, {500, 508.0, 7.9}, {600, 609.6, 7.9},
};

}  // namespace

// Fills the outside diameter (dia) and the bore (q) of the size asked for;
// fails for a size the table lacks or a record of another kind.
int pipesrch(PIPETBL* p, HEADTBL*, SHOKICH*, int mode)
{
    note_call("pipesrch");
    note_arg("pipesrch", "size,mode", {double(p->size), double(mode)});
    if (should_fail("pipesrch") || std::memcmp(p->kind, "PAR1", 4) != 0) return 1;
    for (const PipeRow& r : kPipes) {
        if (r.size != p->size) continue;
        p->dia = r.od;
        p->q = r.od - 2.0 * r.wall;
        return 0;
    }
    return 1;
}

int zscSizeFreeTeesDraw(HEADTBL*, SHOKICH*, BUZAI_SIZ6* siz, int* proc_list, BZI_COM_PRM* com)
{
    note_call("zscSizeFreeTeesDraw");
    // Widths and diameters are what the host draws the tee from: it refuses
    // a tee it could not draw.
    if (!take_args("zscSizeFreeTeesDraw", {{"values", siz->v, 16}})) return 1;
    note_arg("zscSizeFreeTeesDraw", "sizes", siz->s, 4);
    note_arg("zscSizeFreeTeesDraw", "proc_list", proc_list, kProcListLen);
    note_arg("zscSizeFreeTeesDraw", "com_header", {double(com->hdr0), double(com->hdr1)});
    return should_fail("zscSizeFreeTeesDraw") ? 1 : 0;
}
