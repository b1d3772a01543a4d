// Files are written whole or not at all: the text goes to a temporary file
// beside the target, which replaces the target only once it is complete.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace arftool {

// Calls fill with a stream; on success moves the result to path. On any failure
// (fill throws, the disk refuses) the target is left as it was, the temporary
// removed, and std::runtime_error thrown with a readable message.
void write_file_atomically(const std::string& path, const std::function<void(std::ostream&)>& fill);

}  // namespace arftool
