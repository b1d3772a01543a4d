// The entries' contract with their host, checked on part and settings records
// decoded from arbitrary bytes: the fuzz target and the test suite's random
// sweep share it.
//
// Every entry the library's catalogue lists is reached through its exported
// name, so a new entry is covered as soon as the catalogue lists it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "arfrec.h"

namespace arfcontract {

using EntryFn = int (*)(HEADTBL*, SHOKICH*);

struct Entry {
    std::string name;
    EntryFn fn;
    unsigned views;                        // view codes with a view function
    std::vector<std::array<int, 2>> keys;  // the table's sizes; the sample sizes when it has none
};

// The catalogue's entries, looked up once.
const std::vector<Entry>& entries();

// One call as the host would make it, plus a host fault to inject (empty: none).
struct Call {
    const Entry* entry;
    HEADTBL head;
    SHOKICH set;
    std::string fault;
};

// At most this many calls per input: tables keep their working length between
// calls, so a later call sees what an earlier one left.
constexpr int kMaxCalls = 4;

// Calls decoded from bytes until they run out; missing bytes read as zero.
std::vector<Call> decode(const uint8_t* data, std::size_t size);

// Runs the call on a fresh host and checks what the host saw:
// - the status is 0 or 1;
// - the host took no element with a NaN or infinite value, and kept no such
//   value among any routine's arguments (the free-size tee and free-radius
//   routines included);
// - after the first failed host call whose result the entries act on, the
//   status is 1 and no element was taken, nor another write tried.
// Returns what broke, empty when nothing did.
std::string run_and_check(const Call& c);

// Both over every call bytes decode to: the first break, or empty.
std::string check_bytes(const uint8_t* data, std::size_t size);

}  // namespace arfcontract
