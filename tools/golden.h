// Golden drawings: every drawing of the full catalogue (each entry, view code
// and table record, and each sample drawing) kept in the repository, so that a
// change that moves any element of any drawing shows as a difference.
//
// One file per entry, ENTRY.golden, holding its drawings in catalogue order:
// a line with the drawing's catalogue stem and the entry's status, then one
// line per element in the order written, as the JSON format writes it without
// the keys (form, code, style, pen, geo; numbers shortest round-trip):
//
//     jarft01plg_v2_50 status 0
//     ["segment",1282,0,1,[-30.25,-105.0,-30.25,0.0]]
//
// The drawing line starts with a letter, so diff hunk headers name the drawing.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "runner.h"

namespace arftool {

struct GoldenDrawing {
    std::string stem;  // stem_of the request: jarft41l00_v3_65, jarft01plg_v2_sample
    int status = 0;
    std::vector<arfhost::Element> elements;  // form, code, style, pen and geo set
};

// The drawings of one golden file in file order. Throws std::runtime_error
// naming the file and line for text it cannot read.
std::vector<GoldenDrawing> read_golden(std::istream& in, const std::string& name);
void write_golden(std::ostream& out, std::span<const Drawing> drawings);

// A redrawn value may stray from its golden value by this fraction of the
// golden drawing's size (the diagonal of its bounding box, at least 1 mm); an
// ellipse's rotation, in degrees, by the same fraction of a radian.
inline constexpr double kGoldenTolerance = 1e-9;

// What differs between a drawing and its golden copy, one line per difference
// naming the element, the value and both numbers; at most max lines plus one
// that counts the rest. Empty when they agree.
std::vector<std::string> golden_differences(const Drawing& d, const GoldenDrawing& g, int max);

struct GoldenReport {
    int drawings = 0;                                  // drawn by the build
    std::vector<std::string> changed, added, dropped;  // drawing stems
    std::vector<std::string> rewritten, removed;       // files, by update_golden
    std::string text;  // the first few differences and what to do about them
    bool ok() const { return changed.empty() && added.empty() && dropped.empty(); }
};

// Redraws the full catalogue and compares every drawing with the golden files in dir.
GoldenReport compare_golden(const Library& lib, const std::string& dir);

// Rewrites the golden files in dir (created if need be) from the build: only
// files whose text changes are written, and files of entries no longer drawn
// are removed. Returns what changed. Throws std::runtime_error, writing
// nothing, when a drawing holds a non-finite value; or when a file cannot be written.
GoldenReport update_golden(const Library& lib, const std::string& dir);

}  // namespace arftool
