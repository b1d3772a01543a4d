// Loads the drawing library at run time and calls one entry the way the CAD
// host does: by its lower-case part code, with a part record and settings.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"

namespace arftool {

inline const std::string kFaultHelp =
    "--fail-at wants write:N (N >= 1) or the name of a host routine that can report failure";

// Sets the request's sizes from a (first, second) pair the way the host fills a
// part record: end 2 and end 3 take the second size, or the first when there is none.
void set_sizes(Request& r, std::array<int, 2> s);

// $ARF_LIBRARY, else the library installed beside this tool, else the build's own copy.
std::string default_library_path();

class Library {
public:
    // Opens the library at path (empty: default_library_path()).
    // Throws std::runtime_error with a readable message when it cannot.
    explicit Library(const std::string& path = {});
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    std::vector<std::string> entries() const;
    bool has_entry(const std::string& name) const;
    unsigned view_mask(const std::string& name) const;
    // Sample sizes (first, second); second is 0 for single-size entries.
    std::array<int, 2> sample_sizes(const std::string& name) const;
    // Key sizes of every record of the entry's table, (first, second) with second
    // 0 for single-size tables; empty when the library cannot tell.
    std::vector<std::array<int, 2>> table_keys(const std::string& name) const;

    // Runs the entry on a fresh host; never throws for a failing entry.
    Drawing draw(const Request& r) const;

private:
    void* sym(const char* name) const;
    void* handle_ = nullptr;
};

}  // namespace arftool
