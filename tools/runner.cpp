#include "runner.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace arftool {

namespace {

using EntryFn = int (*)(HEADTBL*, SHOKICH*);

std::string upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace

std::string record_sizes(const Drawing& d)
{
    std::string sizes = std::to_string(d.record ? d.record->keys[0] : d.part.size_a);
    if (d.record && d.record->nkeys == 2) sizes += "/" + std::to_string(d.record->keys[1]);
    return sizes;
}

std::string title_of(const Drawing& d)
{
    // The sizes are those of the record drawn, which need not be the ones asked for.
    const std::string view = " view " + std::to_string(d.req.view);
    return d.req.entry + (d.req.sample ? " sample " : " ") + record_sizes(d) + view;
}

std::optional<std::string> substituted_record(const Drawing& d)
{
    if (d.req.sample || !d.record) return std::nullopt;
    const ArfRecordView& r = *d.record;
    const bool first_ok = r.keys[0] == d.req.size_a;
    const bool second_ok = r.nkeys < 2 || r.keys[1] == d.req.size_b || r.keys[1] == d.req.size_c;
    if (first_ok && second_ok) return std::nullopt;
    return "the table has no record for the sizes asked; " + d.req.entry + " drew its " + record_sizes(d) +
           " record";
}

std::string default_library_path()
{
    if (const char* env = std::getenv("ARF_LIBRARY"); env && *env) return env;
    // An installed tool loads the library of its own prefix; one in the build tree, the build's.
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const auto installed = exe.parent_path() / ARF_INSTALLED_LIBRARY;
        if (std::filesystem::exists(installed, ec)) return installed.lexically_normal().string();
    }
    return ARF_LIBRARY_PATH;
}

Library::Library(const std::string& path)
{
    const std::string p = path.empty() ? default_library_path() : path;
    handle_ = dlopen(p.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw std::runtime_error("cannot load drawing library " + p + ": " + dlerror());
}

Library::~Library()
{
    if (handle_) dlclose(handle_);
}

void* Library::sym(const char* name) const { return dlsym(handle_, name); }

std::vector<std::string> Library::entries() const
{
    std::vector<std::string> out;
    auto name_at = reinterpret_cast<const char* (*)(int)>(sym("arf_entry_name"));
    if (!name_at) return out;
    for (int i = 0; const char* n = name_at(i); ++i) out.emplace_back(n);
    return out;
}

bool Library::has_entry(const std::string& name) const
{
    for (const std::string& e : entries())
        if (e == name) return sym(name.c_str()) != nullptr;
    return false;
}

unsigned Library::view_mask(const std::string& name) const
{
    auto f = reinterpret_cast<unsigned (*)(const char*)>(sym("arf_view_mask"));
    return f ? f(name.c_str()) : 0;
}

std::array<int, 2> Library::sample_sizes(const std::string& name) const
{
    auto f = reinterpret_cast<int (*)(const char*, int*, int*)>(sym("arf_sample_sizes"));
    int a = 0, b = 0;
    if (f) f(name.c_str(), &a, &b);
    return {a, b};
}

std::vector<std::array<int, 2>> Library::table_keys(const std::string& name) const
{
    auto f = reinterpret_cast<int (*)(const char*, int*, int*, int)>(sym("arf_table_keys"));
    if (!f) return {};
    // The call returns the record count and writes at most max pairs: ask again when it did not fit.
    std::vector<int> a(64), b(64);
    int n = f(name.c_str(), a.data(), b.data(), static_cast<int>(a.size()));
    if (n > static_cast<int>(a.size())) {
        a.resize(n), b.resize(n);
        n = std::min(n, f(name.c_str(), a.data(), b.data(), n));
    }
    std::vector<std::array<int, 2>> out;
    for (int i = 0; i < n; ++i) out.push_back({a[i], b[i]});
    return out;
}

void set_sizes(Request& r, std::array<int, 2> s)
{
    r.size_a = s[0];
    r.size_b = r.size_c = s[1] ? s[1] : s[0];
}

Drawing Library::draw(const Request& r) const
{
    Drawing d;
    d.req = r;
    auto entry = reinterpret_cast<EntryFn>(sym(r.entry.c_str()));
    if (!entry) throw std::runtime_error("unknown entry " + r.entry);

    // The host's records live as long as the call; the tool keeps them static
    // so that pointers the host keeps into the part record stay meaningful.
    static HEADTBL head;
    static SHOKICH set;
    head = HEADTBL{};
    set = SHOKICH{};
    const std::string code = upper(r.entry);
    std::memset(head.part_code, ' ', sizeof head.part_code);
    std::memcpy(head.part_code, code.data(), std::min(code.size(), sizeof head.part_code));
    head.pen = 1;
    head.view_no = static_cast<uint8_t>(r.view);
    head.draw_mode = static_cast<uint8_t>(r.draw_mode);
    head.part_len = r.part_len;
    head.size_a = static_cast<int16_t>(r.size_a);
    head.size_b = static_cast<int16_t>(r.size_b);
    head.size_c = static_cast<int16_t>(r.size_c);
    head.attr_idx = static_cast<uint8_t>(r.attr_idx);
    head.pt_a = r.pts[0];
    head.pt_b = r.pts[1];
    head.pt_c = r.pts[2];
    head.pt_d = r.pts[3];
    set.len_scale = r.len_scale;
    set.sample_flag = r.sample ? 1 : 0;
    set.len_from_pts = r.len_from_pts ? 1 : 0;
    set.size_threshold = r.threshold;
    // Attribute entry k: an attribute word, the pen and the line type.
    for (int k = 0; k < 5; ++k) {
        const int32_t word = 100 + k, pen = 1 + k;
        const uint16_t lt = 1;
        std::memcpy(set.attr_tab + 4 + 28 * k, &word, 4);
        std::memcpy(set.attr_tab + 20 + 28 * k, &pen, 4);
        std::memcpy(set.attr_tab + 24 + 28 * k, &lt, 2);
    }

    arfhost::reset();
    if (!r.fail_at.empty() && !arfhost::fail_at(r.fail_at))
        throw std::invalid_argument(kFaultHelp + (", got '" + r.fail_at + "'"));
    d.status = entry(&head, &set);

    d.part.part_code.assign(head.part_code, sizeof head.part_code);
    d.part.part_len = head.part_len;
    d.part.size_a = head.size_a;
    d.part.size_b = head.size_b;
    d.part.size_c = head.size_c;
    d.part.view_no = head.view_no;
    d.part.draw_mode = head.draw_mode;
    d.host = arfhost::record();
    if (auto intended = reinterpret_cast<int (*)(int, int*, int*, const char**)>(sym("arf_intended"))) {
        const int n = intended(0, nullptr, nullptr, nullptr);
        for (int i = 0; i < n; ++i) {
            Declared x{};
            const char* why = nullptr;
            intended(i, &x.element, &x.kind, &why);
            x.reason = why ? why : "";
            d.declared.push_back(std::move(x));
        }
    }
    if (auto last = reinterpret_cast<int (*)(const char*, ArfRecordView*)>(sym("arf_last_record"))) {
        ArfRecordView v{};
        if (last(r.entry.c_str(), &v) == 0) d.record = v;
    }
    return d;
}

}  // namespace arftool
