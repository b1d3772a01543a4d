// arfdraw: plays the CAD host for the fitting library. It loads the library,
// calls an entry by its lower-case part code with a part record built from the
// options, and prints or saves what the host received.
//
// `catalogue` draws every entry and view into a directory with a gallery page;
// `check` runs the outline checker over one drawing or the catalogue; `blocks`
// writes a DXF block library; `golden` compares every drawing with its golden
// file, or rewrites them; `model` writes the fitting's solid as STEP, `hlr` its
// exact hidden-line projection for a view, and `compare` scores drawings against
// that projection.
//
// Exit codes: 0 drawn (or nothing found); 1 the entry failed, the drawing holds
// a value the format cannot carry, or the checker found something the entry did
// not declare; 2 bad command line or unwritable output.
#include <CLI/CLI.hpp>

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>

#include "catalogue.h"
#include "check.h"
#include "golden.h"
#include "names.h"
#include "compare.h"
#include "output.h"
#include "runner.h"
#include "views.h"
#include "writer.h"

using namespace arftool;

namespace {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Numbers are plain decimals: an optional sign, digits with at most one point,
// an optional exponent. No hexadecimal, no blanks, no words such as nan or inf.
bool is_decimal(std::string_view s, bool integer)
{
    std::size_t i = 0, digits = 0;
    const auto run = [&] {
        std::size_t n = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++n;
        return n;
    };
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    digits = run();
    if (integer) return digits > 0 && i == s.size();
    if (i < s.size() && s[i] == '.') ++i, digits += run();
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        if (run() == 0) return false;
    }
    return i == s.size();
}

const CLI::Validator kInteger(
    [](std::string& s) { return is_decimal(s, true) ? std::string{} : "wants a decimal integer, got '" + s + "'"; },
    "INT");
const CLI::Validator kNumber(
    [](std::string& s) { return is_decimal(s, false) ? std::string{} : "wants a decimal number, got '" + s + "'"; },
    "NUMBER");

// A finite decimal number, or nothing.
std::optional<double> decimal_value(std::string_view s)
{
    if (!is_decimal(s, false)) return std::nullopt;
    if (s.front() == '+') s.remove_prefix(1);
    double v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || p != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

tagRPT3D parse_point(const std::string& opt, const std::string& s)
{
    tagRPT3D p{};
    double* v[3] = {&p.x, &p.y, &p.z};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? s.find(',', pos) : s.size();
        if (end == std::string::npos) throw UsageError(opt + " wants X,Y,Z, got '" + s + "'");
        const auto x = decimal_value(std::string_view(s).substr(pos, end - pos));
        if (!x) throw UsageError(opt + " wants three finite decimal numbers X,Y,Z, got '" + s + "'");
        *v[i] = *x;
        pos = end + 1;
    }
    return p;
}

std::string views_text(unsigned mask)
{
    std::string s;
    for (int v = 1; v < 32; ++v) {
        if (!(mask & (1u << v))) continue;
        int w = v;
        while (w + 1 < 32 && (mask & (1u << (w + 1)))) ++w;
        s += (s.empty() ? "" : ",") + std::to_string(v) + (w > v ? "-" + std::to_string(w) : "");
        v = w;
    }
    return s.empty() ? "none" : s;
}

std::string sizes_text(const std::vector<std::array<int, 2>>& keys)
{
    std::string s;
    for (const auto& k : keys)
        s += (s.empty() ? "" : ",") + std::to_string(k[0]) + (k[1] ? "/" + std::to_string(k[1]) : "");
    return s.empty() ? "free" : s;
}

int cmd_list(const Library& lib)
{
    for (const std::string& e : lib.entries()) {
        const auto s = lib.sample_sizes(e);
        std::cout << e << "  " << plain_name(e) << "  views " << views_text(lib.view_mask(e)) << "  sample "
                  << s[0];
        if (s[1]) std::cout << '/' << s[1];
        std::cout << "  sizes " << sizes_text(lib.table_keys(e)) << '\n';
    }
    return 0;
}

int cmd_draw(const Library& lib, Request req, const std::string& format_opt, const std::string& out)
{
    if (!lib.has_entry(req.entry)) throw UsageError("unknown entry '" + req.entry + "' (see arfdraw list)");
    const bool to_file = !out.empty() && out != "-";
    const std::string by_name = to_file ? format_of_path(out) : std::string{};
    std::string format = format_opt;
    if (!format.empty()) {
        format = format_named(format_opt);
        if (format.empty()) throw UsageError("unknown format '" + format_opt + "' (" + format_names() + ")");
        // A file whose name says one format and whose contents are another misleads every reader.
        if (!by_name.empty() && by_name != format)
            throw UsageError("--format " + format + " contradicts the " + by_name + " file name '" + out + "'");
    } else {
        format = to_file ? by_name : "json";
        if (format.empty()) throw UsageError("cannot tell the format of '" + out + "'; give --format");
    }
    const auto writer = make_writer(format);

    const Drawing d = lib.draw(req);
    if (const auto note = substituted_record(d)) std::cerr << "arfdraw: note: " << *note << '\n';
    int rc = d.status != 0 ? 1 : 0;
    try {
        if (out.empty() || out == "-") {
            std::ostringstream text;  // nothing reaches stdout unless the whole drawing was written
            writer->write(text, d);
            std::cout << text.str();
        } else {
            write_file_atomically(out, [&](std::ostream& o) { writer->write(o, d); });
        }
        if (format == "json") require_finite(d);  // JSON carries them as null; still a fault
    } catch (const UsageError&) {
        throw;
    } catch (const std::runtime_error& e) {
        const std::string msg = e.what();
        if (msg.rfind("cannot write", 0) == 0) throw UsageError(msg);
        std::cerr << "arfdraw: " << title_of(d) << ": " << msg << '\n';
        return 1;
    }
    // Every failed host call is named, even when the entry went on regardless;
    // one the host refused fails the drawing.
    std::string failures;
    bool refused = false;
    for (const arfhost::Failure& f : d.host.failures) {
        failures += "; " + f.reason;
        refused = refused || !f.injected;
    }
    if (d.status != 0 || !failures.empty())
        std::cerr << "arfdraw: " << req.entry << " returned " << d.status << " after "
                  << d.host.elements.size() << " element(s)" << failures << '\n';
    return rc != 0 || refused ? 1 : 0;
}


// The options that describe one drawing, shared by draw and check.
struct DrawOptions {
    Request req;
    std::string pts[4], fail_at;
    CLI::Option *size = nullptr, *size_b = nullptr, *size_c = nullptr, *fail_opt = nullptr;

    void add_to(CLI::App* app)
    {
        app->add_option("entry", req.entry, "entry name, the lower-case part code (e.g. jarft01plg)");
        size = app->add_option("--size", req.size_a, "first nominal size")->check(kInteger)->check(CLI::Range(0, 32767));
        size_b = app->add_option("--size-b", req.size_b, "nominal size of end 2")
                     ->check(kInteger)
                     ->check(CLI::Range(0, 32767));
        size_c = app->add_option("--size-c", req.size_c, "nominal size of end 3 (the branch)")
                     ->check(kInteger)
                     ->check(CLI::Range(0, 32767));
        app->add_option("--view", req.view, "view code")->check(kInteger)->check(CLI::Range(0, 255))->capture_default_str();
        app->add_flag("--sample", req.sample, "draw the entry's sample (fixed sizes)");
        app->add_option("--draw-mode", req.draw_mode, "draw mode (2: true shape)")
            ->check(kInteger)
            ->check(CLI::Range(0, 255))
            ->capture_default_str();
        app->add_option("--part-len", req.part_len, "placed straight length")->check(kNumber)->check(CLI::Range(-1e9, 1e9));
        app->add_flag("--len-from-pts", req.len_from_pts, "take the straight length from points A and B");
        app->add_option("--len-scale", req.len_scale, "point distance to length factor")
            ->check(kNumber)
            ->check(CLI::Range(-1e9, 1e9))
            ->capture_default_str();
        app->add_option("--pt-a", pts[0], "point A as X,Y,Z");
        app->add_option("--pt-b", pts[1], "point B as X,Y,Z");
        app->add_option("--pt-c", pts[2], "point C as X,Y,Z");
        app->add_option("--pt-d", pts[3], "point D as X,Y,Z");
        app->add_option("--attr", req.attr_idx, "settings attribute entry the part refers to")
            ->check(kInteger)
            ->check(CLI::Range(0, 4));
        app->add_option("--threshold", req.threshold, "settings size threshold for single-line drawing")
            ->check(kInteger)
            ->check(CLI::Range(0, 32767));
        fail_opt = app->add_option("--fail-at", fail_at, "make a host call fail: write:N, or a host routine by name (gfbziwt fails every write)");
    }

    // The request as the options describe it, checked; unset sizes become the sample sizes.
    Request finish(const Library& lib)
    {
        const char* names[4] = {"--pt-a", "--pt-b", "--pt-c", "--pt-d"};
        for (int i = 0; i < 4; ++i)
            if (!pts[i].empty()) req.pts[i] = parse_point(names[i], pts[i]);
        // The range checks let a NaN through: every comparison with it is false.
        if (!std::isfinite(req.part_len)) throw UsageError("--part-len wants a finite number");
        if (!std::isfinite(req.len_scale)) throw UsageError("--len-scale wants a finite number");
        if (req.len_from_pts) {
            // The length is the distance A to B times the scale: an overflowing
            // distance times a zero scale is no length at all.
            if (req.len_scale == 0.0) throw UsageError("--len-scale must not be 0 with --len-from-pts");
            const tagRPT3D &a = req.pts[0], &b = req.pts[1];
            const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
            if (!std::isfinite(dx * dx + dy * dy + dz * dz))
                throw UsageError("--pt-a and --pt-b are too far apart for a finite length with --len-from-pts");
        }
        if (fail_opt->count()) {
            if (!arfhost::is_fault(fail_at)) throw UsageError(kFaultHelp + (", got '" + fail_at + "'"));
            req.fail_at = fail_at;
        }
        if (lib.has_entry(req.entry)) {
            const auto s = lib.sample_sizes(req.entry);
            if (!size->count()) req.size_a = s[0];
            if (!size_b->count()) req.size_b = s[1] ? s[1] : req.size_a;
            if (!size_c->count()) req.size_c = s[1] ? s[1] : req.size_a;
        }
        return req;
    }
};

int cmd_catalogue(const Library& lib, const std::string& dir, bool all, bool hlr)
{
    if (dir.empty()) throw UsageError("catalogue wants --out DIR");
    const auto reqs = catalogue_requests(lib, all);
    const bool tty = ::isatty(STDERR_FILENO) != 0;
    const auto progress = [&](int done, int total, const std::string& what) {
        if (!tty) return;
        std::cerr << "\r\033[Kcatalogue " << done << '/' << total << ' ' << what << std::flush;
        if (done == total) std::cerr << '\n';
    };
    const CatalogueStats st = write_catalogue(lib, reqs, dir, progress, hlr);
    std::cout << "catalogue: " << st.drawings << " drawings in " << dir << " (SVG and DXF, index.html); "
              << st.failed << " failed, " << st.unwritable << " not writable, " << st.flagged
              << " flagged by check; entries " << static_cast<int>(st.draw_seconds * 1000 + 0.5)
              << " ms, writers " << static_cast<int>(st.write_seconds * 1000 + 0.5) << " ms\n";
    if (st.failed || st.unwritable)
        std::cerr << "arfdraw: catalogue: " << st.failed << " drawing(s) failed, " << st.unwritable
                  << " could not be written (see their cards)\n";
    return st.failed || st.unwritable ? 1 : 0;
}

int cmd_blocks(const Library& lib, const std::string& out, const std::vector<std::string>& entries, bool all)
{
    for (const std::string& e : entries)
        if (!lib.has_entry(e)) throw UsageError("unknown entry '" + e + "' (see arfdraw list)");
    std::vector<Drawing> drawings;
    std::set<std::string> names;
    int failed = 0;
    for (const Request& r : catalogue_requests(lib, all)) {
        if (r.sample) continue;  // the same record as a sized drawing: one block is enough
        if (!entries.empty() && std::find(entries.begin(), entries.end(), r.entry) == entries.end()) continue;
        Drawing d = lib.draw(r);
        if (d.status != 0) {
            std::cerr << "arfdraw: " << title_of(d) << " returned " << d.status << "; left out\n";
            ++failed;
            continue;
        }
        if (d.host.elements.empty()) continue;  // a view the host draws itself: nothing to keep
        if (!names.insert(block_name(d)).second) continue;  // a size the table widened to a record already in
        drawings.push_back(std::move(d));
    }
    try {
        write_file_atomically(out, [&](std::ostream& o) { write_dxf_blocks(o, drawings); });
    } catch (const std::runtime_error& e) {
        const std::string msg = e.what();
        if (msg.rfind("cannot write", 0) == 0) throw UsageError(msg);
        std::cerr << "arfdraw: blocks: " << msg << '\n';
        return 1;
    }
    std::cout << "blocks: " << drawings.size() << " blocks in " << out << '\n';
    return failed ? 1 : 0;
}

int cmd_check(const Library& lib, const std::vector<Request>& reqs)
{
    std::vector<Checked> all;
    bool found = false;
    for (const Request& r : reqs) {
        const Drawing d = lib.draw(r);
        all.push_back({r.entry, title_of(d), stem_of(r), check_drawing(d)});
        found = found || undeclared(all.back().findings) > 0;
    }
    std::cout << check_summary(all);
    return found ? 1 : 0;
}

int cmd_golden(const Library& lib, const std::string& dir, bool update)
{
    if (dir.empty()) throw UsageError("golden wants --dir DIR");
    if (!update) {
        GoldenReport rep;
        try {
            rep = compare_golden(lib, dir);
        } catch (const std::runtime_error& e) {
            std::cerr << "arfdraw: golden: " << e.what() << "; arfdraw golden --update rewrites it\n";
            return 1;
        }
        if (rep.ok()) std::cout << "golden: all " << rep.drawings << " drawings agree with " << dir << '\n';
        std::cout << rep.text;
        return rep.ok() ? 0 : 1;
    }
    GoldenReport rep;
    try {
        rep = update_golden(lib, dir);
    } catch (const std::runtime_error& e) {
        const std::string msg = e.what();
        if (msg.rfind("cannot write", 0) == 0) throw UsageError(msg);
        std::cerr << "arfdraw: golden: " << msg << '\n';
        return 1;
    }
    std::uintmax_t bytes = 0;
    int files = 0;
    for (const auto& f : std::filesystem::directory_iterator(dir))
        if (f.path().extension() == ".golden") bytes += f.file_size(), ++files;
    const auto list = [](const std::vector<std::string>& v) {
        std::string s;
        for (const std::string& x : v) s += " " + x;
        return s;
    };
    std::cout << "golden: " << rep.drawings << " drawings in " << files << " files in " << dir << " ("
              << (bytes + 512) / 1024 << " KiB); " << rep.changed.size() << " changed, " << rep.added.size()
              << " added, " << rep.dropped.size() << " dropped\n";
    if (!rep.rewritten.empty()) std::cout << "rewritten:" << list(rep.rewritten) << '\n';
    if (!rep.removed.empty()) std::cout << "removed:" << list(rep.removed) << '\n';
    return 0;
}

// The drawing whose record the model is built from; the entry must have a model and the view a camera.
Drawing drawn_for_model(const Library& lib, const Request& req, bool need_camera)
{
    if (!lib.has_entry(req.entry)) throw UsageError("unknown entry '" + req.entry + "' (see arfdraw list)");
    if (!arfmodel::has_model(req.entry)) throw UsageError("no model for " + req.entry + " yet");
    if (need_camera && !arfmodel::view_info(req.entry, req.view))
        throw UsageError(req.entry + " view " + std::to_string(req.view) + " has no camera (a symbol view)");
    Drawing d = lib.draw(req);
    if (!d.record) throw std::runtime_error(title_of(d) + ": the entry selected no record");
    return d;
}

int cmd_model(const Library& lib, const Request& req, const std::string& out)
{
    const Drawing d = drawn_for_model(lib, req, false);
    const arfmodel::Solid s = arfmodel::build(req.entry, *d.record);
    arfmodel::write_step(s, out);
    std::cout << "{\"entry\": \"" << req.entry << "\", \"file\": \"" << out << "\", \"volume_mm3\": " << arfmodel::volume(s)
              << "}\n";
    return 0;
}

int cmd_hlr(const Library& lib, const Request& req, const std::string& out, bool overlay)
{
    const Drawing d = drawn_for_model(lib, req, true);
    const auto lines = projection_of(d);
    const std::string svg = hlr_svg(lines, title_of(d) + " (hidden-line projection)",
                                    overlay ? d.host.elements : std::vector<arfhost::Element>{});
    if (out.empty() || out == "-") {
        std::cout << svg;
    } else {
        try {
            write_file_atomically(out, [&](std::ostream& o) { o << svg; });
        } catch (const std::runtime_error& e) {
            throw UsageError(e.what());
        }
    }
    return 0;
}

// Every record and view of one entry, as --all draws them for every entry.
std::vector<Request> entry_requests(const Library& lib, const std::string& entry)
{
    if (!lib.has_entry(entry)) throw UsageError("unknown entry '" + entry + "' (see arfdraw list)");
    std::vector<Request> out;
    for (Request& r : catalogue_requests(lib, true))
        if (r.entry == entry) out.push_back(std::move(r));
    return out;
}

int cmd_compare(const Library& lib, const std::vector<Request>& reqs)
{
    std::vector<Compared> all;
    const bool tty = reqs.size() > 1 && ::isatty(STDERR_FILENO) != 0;
    for (std::size_t i = 0; i < reqs.size(); ++i) {
        const Request& r = reqs[i];
        if (tty) std::cerr << "\r\033[Kcompare " << i + 1 << '/' << reqs.size() << ' ' << r.entry << std::flush;
        if (!arfmodel::has_model(r.entry) || !arfmodel::view_info(r.entry, r.view)) continue;
        const Drawing d = lib.draw(r);
        if (d.status != 0 || !d.record) continue;  // the checker reports failing drawings
        all.push_back(compare_drawing(d));
    }
    if (tty) std::cerr << '\n';
    std::cout << compare_summary(all);
    return std::any_of(all.begin(), all.end(), [](const Compared& c) { return c.failed(); }) ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"arfdraw: draw socket-ended pipe fittings through the fitting library, as the CAD host would"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "arfdraw " ARF_VERSION);
    std::string library;
    app.add_option("--library", library, "drawing library to load (default: $ARF_LIBRARY or the built one)");

    app.add_subcommand("list", "list the entries, the view codes they draw and their sample sizes");

    DrawOptions draw_opts;
    std::string format, out;
    CLI::App* draw = app.add_subcommand("draw", "draw one fitting");
    draw_opts.add_to(draw);
    draw->get_option("entry")->required();
    CLI::Option* format_opt =
        draw->add_option("--format", format, "output format (" + format_names() + "; default from -o, else json)");
    CLI::Option* out_opt = draw->add_option("-o,--output", out, "output file (default: standard output)");

    std::string cat_dir;
    bool cat_all = false;
    CLI::App* cat = app.add_subcommand("catalogue", "draw every entry and view as SVG and DXF, with an index.html gallery");
    cat->add_option("--out", cat_dir, "directory to write into (created if need be)")->required();
    cat->add_flag("--all", cat_all, "every record of every table, not only the sample sizes");
    bool cat_hlr = false;
    cat->add_flag("--hlr", cat_hlr, "also the solid's hidden-line projection under each modelled drawing (gallery toggle)");

    std::string blocks_out;
    std::vector<std::string> blocks_entries;
    bool blocks_all = false;
    CLI::App* blocks = app.add_subcommand(
        "blocks", "write a DXF block library: one block per entry, record and view code, inserted on a sheet");
    blocks->add_option("--out", blocks_out, "DXF file to write")->required();
    blocks->add_option("entries", blocks_entries, "entries to include (default: every entry that draws)");
    blocks->add_flag("--all", blocks_all, "every record of every table, not only the sample sizes");

    DrawOptions check_opts;
    bool check_all = false;
    CLI::App* check = app.add_subcommand(
        "check", "check outlines: one drawing (ENTRY and its options), the catalogue, or with --all every record");
    check_opts.add_to(check);
    check->add_flag("--all", check_all, "every record of every table, or of the entry's");

    std::string golden_dir = "tests/golden";
    bool golden_update = false;
    CLI::App* golden = app.add_subcommand(
        "golden", "compare every drawing of the full catalogue with its golden file, or with --update rewrite them");
    golden->add_option("--dir", golden_dir, "directory of the golden files")->capture_default_str();
    golden->add_flag("--update", golden_update,
                     "rewrite the golden files from this build, adding new drawings (only for an intended change)");
    DrawOptions model_opts, hlr_opts, compare_opts;
    std::string model_out, hlr_out;
    CLI::App* model = app.add_subcommand("model", "write the fitting's solid as STEP (AP214, millimetres)");
    model_opts.add_to(model);
    model->get_option("entry")->required();
    model->add_option("-o,--output", model_out, "STEP file to write")->required();
    CLI::App* hlr = app.add_subcommand("hlr", "write the solid's exact hidden-line projection for a view as SVG");
    hlr_opts.add_to(hlr);
    hlr->get_option("entry")->required();
    hlr->add_option("-o,--output", hlr_out, "SVG file (default: standard output)");
    bool hlr_overlay = false;
    hlr->add_flag("--overlay", hlr_overlay, "draw the library's drawing over the projection, in red");
    bool compare_all = false;
    CLI::App* cmp = app.add_subcommand(
        "compare", "score drawings against the solid's projection: one (ENTRY and options), the sample catalogue, or --all");
    compare_opts.add_to(cmp);
    cmp->add_flag("--all", compare_all, "every record of every table, or of the entry's");

    try {
        app.parse(argc, argv);
        const Library lib(library);
        if (lib.entries().empty())
            throw UsageError("the library " + (library.empty() ? default_library_path() : library) +
                             " exports no fitting entry");
        if (app.got_subcommand("list")) return cmd_list(lib);
        if (app.got_subcommand("catalogue")) return cmd_catalogue(lib, cat_dir, cat_all, cat_hlr);
        if (app.got_subcommand("golden")) return cmd_golden(lib, golden_dir, golden_update);
        if (app.got_subcommand("blocks")) return cmd_blocks(lib, blocks_out, blocks_entries, blocks_all);
        if (app.got_subcommand("check")) {
            if (check_opts.req.entry.empty()) return cmd_check(lib, catalogue_requests(lib, check_all));
            if (check_all) return cmd_check(lib, entry_requests(lib, check_opts.req.entry));
            if (!lib.has_entry(check_opts.req.entry))
                throw UsageError("unknown entry '" + check_opts.req.entry + "' (see arfdraw list)");
            return cmd_check(lib, {check_opts.finish(lib)});
        }
        if (app.got_subcommand("model")) return cmd_model(lib, model_opts.finish(lib), model_out);
        if (app.got_subcommand("hlr")) return cmd_hlr(lib, hlr_opts.finish(lib), hlr_out, hlr_overlay);
        if (app.got_subcommand("compare")) {
            if (compare_opts.req.entry.empty()) return cmd_compare(lib, catalogue_requests(lib, compare_all));
            if (compare_all) return cmd_compare(lib, entry_requests(lib, compare_opts.req.entry));
            return cmd_compare(lib, {compare_opts.finish(lib)});
        }
        // An empty value given on purpose is not the same as leaving the option out.
        if (format_opt->count() && format.empty()) throw UsageError("--format wants one of " + format_names());
        if (out_opt->count() && out.empty()) throw UsageError("-o wants a file name, or - for standard output");
        return cmd_draw(lib, draw_opts.finish(lib), format, out);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::string msg = e.what();
        for (char& c : msg)
            if (c == '\n') c = ' ';
        std::cerr << "arfdraw: " << msg << " (see arfdraw --help)\n";
        return 2;
    } catch (const UsageError& e) {
        std::cerr << "arfdraw: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "arfdraw: " << e.what() << '\n';
        return 2;
    }
}
