// One interface for every output format; each format is one class behind it.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "drawing.h"

namespace arftool {

class Writer {
public:
    virtual ~Writer() = default;
    virtual std::string_view name() const = 0;       // "svg", "json", ...
    virtual std::string_view extension() const = 0;  // ".svg", ...
    // Writes the whole drawing. Throws std::runtime_error for a drawing the
    // format cannot represent (a non-finite value, say).
    virtual void write(std::ostream& out, const Drawing& d) const = 0;
};

// The format's own name for a name given in any case ("DXF" -> "dxf"), empty when unknown.
std::string format_named(std::string_view format);
// Null for an unknown format name.
std::unique_ptr<Writer> make_writer(std::string_view format);
// The format a file name asks for by its extension, empty when none matches.
std::string format_of_path(std::string_view path);
// Names of all formats, for help texts: "svg|json|dxf".
std::string format_names();

// One element as the JSON format writes it: form, code, style, pen and geo, in that order.
nlohmann::ordered_json element_json(const arfhost::Element& e);
// A DXF block library: one BLOCK per drawing, named by block_name, base point at the
// fitting's local origin, on the layers and line types of single drawings; model space
// inserts every block on a square grid with its title under it. Names must be unique.
void write_dxf_blocks(std::ostream& out, const std::vector<Drawing>& drawings);
// "JARFT41L00_100_V6", "JARFT42S00_100X50_V2": entry, the drawn record's sizes, view.
std::string block_name(const Drawing& d);

// Throws std::runtime_error naming the first element with a non-finite value.
void require_finite(const Drawing& d);

}  // namespace arftool
