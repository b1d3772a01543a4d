// Module start-up: the library sets the process locale once when it is loaded.
// Nothing in the entries depends on it; the host expects it set.
#include <clocale>

namespace {

struct ArfModule {
    ArfModule()
    {
        // The host's locale is Japanese; where the platform lacks that name
        // the call fails and the locale stays as it was.
        (void)std::setlocale(LC_ALL, "Japanese");
    }
};

const ArfModule arf_module;

}  // namespace
