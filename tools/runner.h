// Loads the drawing library at run time and calls one entry the way the CAD
// host does: by its lower-case part code, with a part record and settings.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"

namespace arftool {

class Library {
public:
    // Opens the library at path (empty: $ARF_LIBRARY, else the build's own copy).
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

    // Runs the entry on a fresh host; never throws for a failing entry.
    Drawing draw(const Request& r) const;

private:
    void* sym(const char* name) const;
    void* handle_ = nullptr;
};

}  // namespace arftool
