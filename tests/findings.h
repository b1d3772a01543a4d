// What the outline checker finds in an entry's drawing, for the entry tests.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "check.h"

// The findings of the given kinds, one line each ("#element kind: detail"); empty when none.
inline std::string faults(const std::vector<arfhost::Element>& els, std::initializer_list<const char*> kinds,
                          int status = 0)
{
    arftool::Drawing d;
    d.status = status;
    d.host.elements = els;
    std::string out;
    for (const arftool::Finding& f : arftool::check_drawing(d))
        for (const char* k : kinds)
            if (f.kind == k) out += "#" + std::to_string(f.element) + " " + f.kind + ": " + f.detail + "\n";
    return out;
}
