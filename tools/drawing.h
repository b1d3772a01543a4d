// One drawing as the tool saw it: what was asked, what the entry returned and
// left in the part record, and what the host received.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "arfentry.h"
#include "recorder.h"

namespace arftool {

// What the user asked for: the part and settings records are built from it.
struct Request {
    std::string entry;
    int size_a = 0, size_b = 0, size_c = 0;
    int view = 1;
    int draw_mode = 2;
    bool sample = false;
    double part_len = 0.0;
    bool len_from_pts = false;
    double len_scale = 1.0;
    std::array<tagRPT3D, 4> pts{};  // A, B, C, D
    int attr_idx = 0;               // settings attribute entry (0..4)
    int threshold = 0;              // settings size threshold for single-line drawing
    std::string fail_at;            // fault to inject, empty for none
};

// The part record's fields as the entry left them.
struct PartOut {
    std::string part_code;
    double part_len;
    int size_a, size_b, size_c;
    int view_no, draw_mode;
};

// An element (0: the view as a whole) the entry declares it drew so on purpose.
struct Declared {
    int element;
    int kind;  // 1 free ends, 2 repeated, 3 zero length, 4 drawn by the host, 5 ends off the curve
    std::string reason;
};

struct Drawing {
    Request req;
    int status = 0;
    PartOut part{};
    arfhost::Record host;                 // calls, common block, elements
    std::optional<ArfRecordView> record;  // the dimension record the entry selected
    std::vector<Declared> declared;       // what the entry drew so on purpose
};

// The drawn record's sizes: "50", "65/50".
std::string record_sizes(const Drawing& d);
// Short human title with the drawn record's sizes: "jarft41l00 50 view 2".
std::string title_of(const Drawing& d);
// When the entry drew a record other than the sizes asked for, says which; the
// selection itself is the entry's.
std::optional<std::string> substituted_record(const Drawing& d);

}  // namespace arftool
