// Plain names of the fittings, for listings and galleries.
#pragma once

#include <string>

namespace arftool {

// "45-degree bend" for jarft41l00; "fitting" for a part code the tool does not know.
std::string plain_name(const std::string& entry);

}  // namespace arftool
