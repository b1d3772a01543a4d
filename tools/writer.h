// One interface for every output format; each format is one class behind it.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

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

// Null for an unknown format name.
std::unique_ptr<Writer> make_writer(std::string_view format);
// The format a file name asks for by its extension, empty when none matches.
std::string format_of_path(std::string_view path);
// Names of all formats, for help texts: "svg|json|dxf".
std::string format_names();

// One element as the JSON format writes it: form, code, style, pen and geo, in that order.
nlohmann::ordered_json element_json(const arfhost::Element& e);

// Throws std::runtime_error naming the first element with a non-finite value.
void require_finite(const Drawing& d);

}  // namespace arftool
