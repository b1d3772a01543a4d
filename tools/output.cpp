#include "output.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace arftool {

void write_file_atomically(const std::string& path, const std::function<void(std::ostream&)>& fill)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    // Every file-system error is an unwritable output, never a fault of the drawing.
    std::error_code dir_ec;
    if (fs::is_directory(target, dir_ec)) throw std::runtime_error("cannot write " + path + ": is a directory");
    // A short name of its own, so a target name at the file system's limit still fits.
    const fs::path tmp = target.parent_path() / (".arfdraw-" + std::to_string(::getpid()) + ".tmp");
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) throw std::runtime_error("cannot write " + path + ": " + std::generic_category().message(errno));
        try {
            fill(f);
            f.flush();
        } catch (...) {
            f.close();
            std::error_code ec;
            fs::remove(tmp, ec);
            throw;
        }
        if (!f) {
            f.close();
            std::error_code ec;
            fs::remove(tmp, ec);
            throw std::runtime_error("cannot write " + path + ": write failed");
        }
    }
    std::error_code ec;
    fs::rename(tmp, target, ec);
    if (ec) {
        std::error_code ec2;
        fs::remove(tmp, ec2);
        throw std::runtime_error("cannot write " + path + ": " + ec.message());
    }
}

}  // namespace arftool
