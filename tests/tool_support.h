// Shared by the tool tests: hand-built drawings, running programs, temporary
// directories, and the outside readers (ezdxf through python3, rsvg-convert).
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "drawing.h"

namespace tooltest {

namespace fs = std::filesystem;
using arfhost::Element;
using arfhost::Form;

struct ToolRun {
    int code;
    std::string out, err;
};

// Runs a shell command; stdout captured, stderr in a file read back.
inline ToolRun run(const std::string& cmd)
{
    static int n = 0;
    const fs::path err = fs::temp_directory_path() / ("tooltest_err_" + std::to_string(::getpid()) + "_" + std::to_string(++n));
    ToolRun r{};
    FILE* p = ::popen((cmd + " 2>" + err.string()).c_str(), "r");
    if (p == nullptr) return {-1, {}, "could not start: " + cmd.substr(0, 200)};
    std::array<char, 4096> buf;
    while (std::size_t k = std::fread(buf.data(), 1, buf.size(), p)) r.out.append(buf.data(), k);
    const int st = ::pclose(p);
    r.code = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    std::ifstream f(err);
    r.err.assign(std::istreambuf_iterator<char>(f), {});
    fs::remove(err);
    return r;
}

inline ToolRun arfdraw(const std::string& args) { return run(std::string(ARFDRAW_PATH) + " " + args); }

struct TempDir {
    fs::path path;
    explicit TempDir(const std::string& tag)
        : path(fs::temp_directory_path() / ("tooltest_" + tag + "_" + std::to_string(::getpid())))
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

inline std::string slurp(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Debian's python3 carries ezdxf; a python3 earlier on PATH may not.
inline std::string python()
{
    return fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

// What ezdxf read from each file (see dxf_read.py). Fails the test when the reader cannot run.
// The files go in batches: the shell takes its whole command as one argument,
// which the system caps at 128 KiB.
inline nlohmann::json read_dxf(const std::vector<fs::path>& files)
{
    constexpr std::size_t kBatch = 500;
    nlohmann::json all = nlohmann::json::array();
    for (std::size_t i = 0; i < files.size(); i += kBatch) {
        std::string cmd = python() + " " + ARF_SOURCE_DIR "/tests/dxf_read.py";
        for (std::size_t k = i; k < files.size() && k < i + kBatch; ++k) cmd += " '" + files[k].string() + "'";
        const ToolRun r = run(cmd);
        if (r.code != 0) {
            ADD_FAILURE() << "dxf_read.py failed (is python3-ezdxf installed? sh .ci/deps): " << r.err;
            return nlohmann::json::array();
        }
        for (auto& f : nlohmann::json::parse(r.out)) all.push_back(std::move(f));
    }
    return all;
}

// A file ezdxf takes without complaint: strict load, audit and recovery all clean.
inline void expect_clean(const nlohmann::json& f)
{
    SCOPED_TRACE(f.value("file", "?"));
    EXPECT_FALSE(f.contains("strict_error")) << f.value("strict_error", "");
    EXPECT_EQ(f.value("audit_errors", nlohmann::json::array()), nlohmann::json::array());
    EXPECT_EQ(f.value("audit_fixes", nlohmann::json::array()), nlohmann::json::array());
    EXPECT_EQ(f.value("recover_errors", nlohmann::json::array()), nlohmann::json::array());
    EXPECT_EQ(f.value("recover_fixes", nlohmann::json::array()), nlohmann::json::array());
    EXPECT_EQ(f.value("version", ""), "AC1015");
    EXPECT_EQ(f.value("insunits", 0), 4);
}

// rsvg-convert renders the file to PNG without complaint.
inline void expect_renders(const fs::path& svg, const fs::path& png)
{
    const ToolRun r = run("rsvg-convert '" + svg.string() + "' -o '" + png.string() + "'");
    EXPECT_EQ(r.code, 0) << svg << ": " << r.err;
    EXPECT_TRUE(r.err.empty()) << svg << ": " << r.err;
    EXPECT_GT(fs::exists(png) ? fs::file_size(png) : 0, 100u) << svg;
}

// Many SVGs rendered in one rsvg-convert run (each file a page of one PDF):
// the same parser and renderer as the PNG path, without a process per file.
inline void expect_all_render(const std::vector<fs::path>& svgs, const fs::path& scratch)
{
    constexpr std::size_t kBatch = 200;  // keeps the command line short
    for (std::size_t i = 0; i < svgs.size(); i += kBatch) {
        std::string cmd = "rsvg-convert -f pdf -o '" + (scratch / "batch.pdf").string() + "'";
        for (std::size_t k = i; k < svgs.size() && k < i + kBatch; ++k) cmd += " '" + svgs[k].string() + "'";
        const ToolRun r = run(cmd);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
}

// Element builders for hand-made drawings.
inline Element elem(Form f, std::initializer_list<double> geo, int code = 1282, int style = 0)
{
    Element e{f, 0, 0, code, style, 1, 1, {}};
    int i = 0;
    for (double v : geo) e.geo[i++] = v;
    return e;
}
inline Element seg(double x0, double y0, double x1, double y1, int code = 1282, int style = 0)
{
    return elem(Form::segment, {x0, y0, x1, y1}, code, style);
}
// Arc of radius r about (cx, cy) from angle a0 to a1 (degrees), counter-clockwise.
inline Element arc_deg(double cx, double cy, double r, double a0, double a1, int code = 1282)
{
    const double k = std::numbers::pi / 180;
    return elem(Form::arc, {cx, cy, r, cx + r * std::cos(a0 * k), cy + r * std::sin(a0 * k), cx + r * std::cos(a1 * k),
                            cy + r * std::sin(a1 * k)},
                code);
}
// Elliptic arc with semi-axes a, b, rotation rot (degrees), between eccentric anomalies t0 and t1 (degrees).
inline Element earc_deg(double cx, double cy, double a, double b, double rot, double t0, double t1, int code = 1282)
{
    const double k = std::numbers::pi / 180, c = std::cos(rot * k), s = std::sin(rot * k);
    auto at = [&](double t) {
        const double u = a * std::cos(t * k), v = b * std::sin(t * k);
        return std::array<double, 2>{cx + c * u - s * v, cy + s * u + c * v};
    };
    const auto p = at(t0), q = at(t1);
    return elem(Form::elliptic_arc, {cx, cy, a, b, rot, p[0], p[1], q[0], q[1]}, code);
}

inline arftool::Drawing drawing_of(std::vector<Element> els, const std::string& name = "handmade")
{
    arftool::Drawing d;
    d.req.entry = name;
    d.host.elements = std::move(els);
    return d;
}

}  // namespace tooltest
