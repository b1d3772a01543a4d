#include "writer.h"

#include <stdexcept>

#include "curves.h"

namespace arftool {

std::unique_ptr<Writer> make_json_writer();
std::unique_ptr<Writer> make_svg_writer();
std::unique_ptr<Writer> make_dxf_writer();

namespace {

using Maker = std::unique_ptr<Writer> (*)();

struct Format {
    const char* name;
    const char* ext;
    Maker make;
};

const Format kFormats[] = {
    {"svg", ".svg", make_svg_writer},
    {"json", ".json", make_json_writer},
    {"dxf", ".dxf", make_dxf_writer},
};

// Format names and extensions are matched without regard to case: PLUG.DXF is a DXF file.
bool same_letters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

std::string format_named(std::string_view format)
{
    for (const Format& f : kFormats)
        if (same_letters(format, f.name)) return f.name;
    return {};
}

std::unique_ptr<Writer> make_writer(std::string_view format)
{
    for (const Format& f : kFormats)
        if (format == f.name) return f.make();
    return nullptr;
}

std::string format_of_path(std::string_view path)
{
    for (const Format& f : kFormats) {
        const std::string_view ext = f.ext;
        if (path.size() > ext.size() && same_letters(path.substr(path.size() - ext.size()), ext)) return f.name;
    }
    return {};
}

std::string format_names()
{
    std::string s;
    for (const Format& f : kFormats) s += (s.empty() ? "" : "|") + std::string(f.name);
    return s;
}

void require_finite(const Drawing& d)
{
    const auto& els = d.host.elements;
    for (std::size_t i = 0; i < els.size(); ++i)
        if (!all_finite(els[i]))
            throw std::runtime_error("element " + std::to_string(i + 1) + " (" +
                                     arfhost::form_name(els[i].form) + ") has a non-finite value");
}

}  // namespace arftool
