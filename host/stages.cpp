// The host's globals, its common stages and its element write.
#include "recorder.h"

BZI_WRT_PRM bzi_wrt_t{1, 0, 0, 0, &henkan, nullptr};
BZI bzifile{};
tagRPT data[kDataPoints]{};
HENKAN henkan{0.0, 0.0, {1.0, 0.0, 0.0, 1.0}, 0, 0, 1.0};

namespace arfhost {
bool take_element(const BZI_WRT_PRM* w);
bool take_header(const BZI_WRT_PRM* w);
void take_com_1st(const BZI_COM_PRM* com, const int* proc_list);
}  // namespace arfhost

using namespace arfhost;

int com_1st(HENKAN*, HEADTBL*, SHOKICH*, BZI_COM_PRM* com, BZI_WRT_PRM*, int* proc_list)
{
    note_call("com_1st");
    take_com_1st(com, proc_list);
    return should_fail("com_1st") ? 1 : 0;
}

int com_2nd(HENKAN*, HEADTBL*, SHOKICH*, int)
{
    note_call("com_2nd");
    return should_fail("com_2nd") ? 1 : 0;
}

int gfbziwt(BZI_WRT_PRM* w, int)
{
    return (w->mode == 0 ? take_header(w) : take_element(w)) ? 0 : 1;
}

const B_CIfLineType& B_CIfLineType::Solid()
{
    static const B_CIfLineType solid{1, 0};
    return solid;
}
