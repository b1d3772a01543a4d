// The catalogue: every entry in every view code it has a function for, at its
// sample sizes (or at every record of its table), plus its sample drawing;
// drawn as SVG and DXF into one directory with an index.html gallery.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runner.h"

namespace arftool {

// The drawings in catalogue order: per entry and view, the sample drawing
// first, then one per size pair (the sample sizes, or every table record when all).
std::vector<Request> catalogue_requests(const Library& lib, bool all);

// File name without extension, unique within a catalogue: jarft01plg_v2_50,
// jarft41l00_v3_50x40, jarft01plg_v2_sample.
std::string stem_of(const Request& r);

struct CatalogueStats {
    int drawings = 0;
    int failed = 0;       // the entry returned a non-zero status (what it drew is still written)
    int unwritable = 0;   // a value no format can carry: no files, the card says why
    int flagged = 0;      // drawings the outline checker found something in
    double draw_seconds = 0, write_seconds = 0;  // entries and host; the SVG and DXF writers
};

// Draws and writes everything into dir (created if need be), index.html last.
// progress is called before each drawing with (done, total, stem). With hlr,
// every drawing of a modelled entry also gets stem.hlr.svg (the solid's
// hidden-line projection with the drawing over it) and its coverage and support
// on its card. Throws std::runtime_error when dir or a file in it cannot be written.
CatalogueStats write_catalogue(const Library& lib, const std::vector<Request>& reqs, const std::string& dir,
                               const std::function<void(int, int, const std::string&)>& progress,
                               bool hlr = false);

}  // namespace arftool
