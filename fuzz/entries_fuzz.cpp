// libFuzzer target: bytes become part and settings records for any entry of the
// catalogue, each call runs through the replacement host, and a broken contract
// aborts with what broke.
#include <cstdio>
#include <cstdlib>

#include "contract.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string why = arfcontract::check_bytes(data, size);
    if (!why.empty()) {
        std::fprintf(stderr, "contract broken: %s\n", why.c_str());
        std::abort();
    }
    return 0;
}
