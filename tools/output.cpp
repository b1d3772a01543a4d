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
    if (fs::is_directory(target)) throw std::runtime_error("cannot write " + path + ": is a directory");
    fs::path tmp = target;
    tmp += ".tmp" + std::to_string(::getpid());
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
