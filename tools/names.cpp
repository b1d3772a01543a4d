#include "names.h"

#include <string_view>

namespace arftool {

namespace {

struct Name {
    std::string_view entry, name;
};

// What a draughtsman calls each fitting; the part code alone says little to a person.
constexpr Name kNames[] = {
    {"jarft01plg", "plug"},
    {"jarft01sa0", "socket adaptor"},
    {"jarft01sct", "reducer"},
    {"jarft41l00", "45-degree bend"},
    {"jarft42s00", "45-degree branch"},
    {"jarft42sco", "45-degree branch, separate large-branch socket"},
    {"jarft42sl0", "45-degree branch, plain branch end"},
    {"jarft42w00", "90-degree bend, two sizes (drawn as jarft91w00)"},
    {"jarft91l00", "90-degree bend"},
    {"jarft91w00", "90-degree bend, two sizes"},
    {"jarft92l00", "90-degree tee"},
    {"jarft92lco", "90-degree tee, stepped run hub"},
    {"jarft92lfr", "90-degree tee, free sizes"},
    {"jarft92ll0", "90-degree tee, swept branch"},
    {"jarft92s00", "90-degree tee, no crotch fillet"},
    {"jarft92s0t", "90-degree tee, branch socket set by its end distance"},
    {"jarft92sfr", "90-degree tee without crotch fillet, free sizes"},
    {"jarftx1s00", "free-radius bend"},
};

}  // namespace

std::string plain_name(const std::string& entry)
{
    for (const Name& n : kNames)
        if (n.entry == entry) return std::string(n.name);
    return "fitting";
}

}  // namespace arftool
