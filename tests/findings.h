// What the outline checker finds in an entry's drawing, for the entry tests.
#pragma once

#include <string>
#include <vector>

#include "arfentry.h"
#include "check.h"
#include "recorder.h"

// The last call's drawing as the checker sees it, with the entry's declarations.
inline arftool::Drawing last_drawing(int status = 0)
{
    arftool::Drawing d;
    d.status = status;
    d.host = arfhost::record();
    const int n = arf_intended(0, nullptr, nullptr, nullptr);
    for (int i = 0; i < n; ++i) {
        arftool::Declared x{};
        const char* why = nullptr;
        arf_intended(i, &x.element, &x.kind, &why);
        x.reason = why ? why : "";
        d.declared.push_back(x);
    }
    return d;
}

// The findings in the last call's drawing that its entry did not declare, one line each; empty
// when none. The declarations are the entry's own (arf_intended), as `check` reads them.
inline std::string undeclared(int status = 0)
{
    const arftool::Drawing d = last_drawing(status);
    std::string out;
    for (const arftool::Finding& f : arftool::check_drawing(d))
        if (!f.declared()) out += "#" + std::to_string(f.element) + " " + f.kind + ": " + f.detail + "\n";
    return out;
}
