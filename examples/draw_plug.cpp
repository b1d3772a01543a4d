// Draws the plug of nominal size 65 in view 2 through the replacement host and
// prints every element the host received.
#include <cstdio>
#include <cstring>

#include "arfentry.h"
#include "recorder.h"

int main()
{
    HEADTBL head{};
    SHOKICH set{};
    std::memcpy(head.part_code, "JARFT01PLG", 10);
    head.size_a = 65;
    head.view_no = 2;
    head.draw_mode = 2;  // true shape: the entry draws its outline
    head.pen = 1;

    arfhost::reset();
    const int status = jarft01plg(&head, &set);
    std::printf("status %d\n", status);
    for (const arfhost::Element& e : arfhost::record().elements) {
        std::printf("%-12s code %d style %d:", arfhost::form_name(e.form), e.code, e.style);
        for (int i = 0; i < arfhost::geo_count(e.form); ++i) std::printf(" %g", e.geo[i]);
        std::printf("\n");
    }
    return status;
}
