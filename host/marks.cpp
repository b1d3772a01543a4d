// Standard marks the host draws on the library's behalf. The replacement host
// records the call; the marks themselves are the host's own drawing.
#include "recorder.h"

using namespace arfhost;

void peke(double x, double y, double a, int n, double w, BZI_WRT_PRM*)
{
    note_call("peke");
    // A mark it cannot place is left undrawn; peke reports nothing either way.
    const double v[5] = {x, y, a, double(n), w};
    take_args("peke", {{"x,y,a,n,w", v, 5}});
}

int hyojun41(BZI_WRT_PRM*, int mode)
{
    note_call("hyojun41");
    note_arg("hyojun41", "mode", {double(mode)});
    return should_fail("hyojun41") ? 1 : 0;
}
