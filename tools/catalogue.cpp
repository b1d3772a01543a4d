#include "catalogue.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "check.h"
#include "gallery.h"
#include "output.h"
#include "compare.h"
#include "views.h"
#include "writer.h"

namespace arftool {

namespace {

std::string sizes_of(const Request& r)
{
    if (r.sample) return "sample";
    std::string s = std::to_string(r.size_a);
    if (r.size_b != r.size_a || r.size_c != r.size_a) s += "x" + std::to_string(r.size_b);
    if (r.size_c != r.size_b) s += "x" + std::to_string(r.size_c);
    return s;
}

double seconds_since(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

std::vector<Request> catalogue_requests(const Library& lib, bool all)
{
    std::vector<Request> out;
    for (const std::string& entry : lib.entries()) {
        if (!lib.has_entry(entry)) continue;
        const std::array<int, 2> sample = lib.sample_sizes(entry);
        std::vector<std::array<int, 2>> sizes;
        if (all) sizes = lib.table_keys(entry);
        if (sizes.empty()) sizes.push_back(sample);
        const unsigned mask = lib.view_mask(entry);
        for (int v = 0; v < 32; ++v) {
            if (!(mask & (1u << v))) continue;
            Request r;
            r.entry = entry;
            r.view = v;
            r.sample = true;
            set_sizes(r, sample);
            out.push_back(r);
            r.sample = false;
            for (const auto& s : sizes) {
                set_sizes(r, s);
                out.push_back(r);
            }
        }
    }
    return out;
}

std::string stem_of(const Request& r) { return r.entry + "_v" + std::to_string(r.view) + "_" + sizes_of(r); }

CatalogueStats write_catalogue(const Library& lib, const std::vector<Request>& reqs, const std::string& dir,
                               const std::function<void(int, int, const std::string&)>& progress, bool hlr)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) throw std::runtime_error("cannot write " + dir + ": not a directory we can create");

    const auto svg = make_writer("svg"), dxf = make_writer("dxf");
    const Writer* writers[] = {svg.get(), dxf.get()};
    CatalogueStats st;
    std::vector<Card> cards;
    const int total = static_cast<int>(reqs.size());
    for (int i = 0; i < total; ++i) {
        const Request& r = reqs[i];
        const std::string stem = stem_of(r);
        if (progress) progress(i, total, stem);
        auto t0 = std::chrono::steady_clock::now();
        const Drawing d = lib.draw(r);
        st.draw_seconds += seconds_since(t0);

        Card c{stem, r.entry, sizes_of(r), record_sizes(d), r.view, static_cast<int>(d.host.elements.size()),
               d.status, 0, 0, {}};
        const auto found = check_drawing(d);
        c.findings = undeclared(found);
        c.intended = static_cast<int>(found.size()) - c.findings;
        st.drawings++;
        if (d.status != 0) st.failed++;
        if (c.findings) st.flagged++;
        t0 = std::chrono::steady_clock::now();
        try {
            require_finite(d);
            for (const Writer* w : writers)
                write_file_atomically((fs::path(dir) / (stem + std::string(w->extension()))).string(),
                                      [&](std::ostream& o) { w->write(o, d); });
        } catch (const std::runtime_error& e) {
            const std::string msg = e.what();
            if (msg.rfind("cannot write", 0) == 0) throw;
            // Neither format can carry this drawing: no files, and the card says why.
            for (const Writer* w : writers) fs::remove(fs::path(dir) / (stem + std::string(w->extension())), ec);
            c.error = msg;
            st.unwritable++;
        }
        st.write_seconds += seconds_since(t0);
        if (hlr && c.error.empty() && d.status == 0 && d.record && arfmodel::has_model(r.entry) &&
            arfmodel::view_info(r.entry, r.view)) {
            const auto lines = projection_of(d);
            write_file_atomically((fs::path(dir) / (stem + ".hlr.svg")).string(),
                                  [&](std::ostream& o) { o << hlr_svg(lines, title_of(d), d.host.elements); });
            const Compared cmp = compare_drawing(d, lines);
            c.coverage = cmp.score.coverage;
            c.support = cmp.score.support;
            c.overlay = true;
        }
        cards.push_back(std::move(c));
    }
    if (progress) progress(total, total, "index.html");
    write_file_atomically((fs::path(dir) / "index.html").string(),
                          [&](std::ostream& o) { write_gallery(o, cards); });
    return st;
}

}  // namespace arftool
