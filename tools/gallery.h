// index.html for a catalogue directory: one card per drawing, filterable by
// entry, size and view code with a few lines of plain JavaScript.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace arftool {

struct Card {
    std::string stem;   // the drawing's files are stem.svg and stem.dxf
    std::string entry;
    std::string sizes;  // "50", "50x40" or "sample"
    std::string drawn;  // the sizes of the record drawn: "50", "65/50"
    int view = 0;
    int elements = 0;
    int status = 0;
    int findings = 0;   // what the outline checker found that the entry did not declare
    int intended = 0;   // what it found that the entry declared as drawn so on purpose
    std::string error;  // why no files were written, empty when they were
    bool overlay = false;  // stem.hlr.svg holds the solid's projection with the drawing over it
    double coverage = 0, support = 0;
};

void write_gallery(std::ostream& out, const std::vector<Card>& cards);

}  // namespace arftool
