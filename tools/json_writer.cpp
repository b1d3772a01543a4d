// JSON: everything the host received, numbers in shortest round-trip form.
#include <nlohmann/json.hpp>

#include "writer.h"

namespace arftool {

namespace {

using nlohmann::ordered_json;

ordered_json com_1st_json(const arfhost::ComFirst& c)
{
    const BZI_COM_PRM& b = c.block;
    ordered_json hdr_bytes = ordered_json::array();
    for (uint8_t v : b.hdr_bytes) hdr_bytes.push_back(v);
    ordered_json values = ordered_json::array();
    for (const COM_REC& r : b.rec) values.push_back(r.value);
    ordered_json pairs = ordered_json::array();
    for (const auto& p : b.pairs) pairs.push_back({p[0], p[1]});
    ordered_json dbl = ordered_json::array();
    for (double v : b.dbl) dbl.push_back(v);
    return {{"header", {b.hdr0, b.hdr1, hdr_bytes}},
            {"process_list", c.proc_list},
            {"value_fields", values},
            {"pairs", pairs},
            {"doubles", dbl}};
}

class JsonWriter final : public Writer {
public:
    std::string_view name() const override { return "json"; }
    std::string_view extension() const override { return ".json"; }

    void write(std::ostream& out, const Drawing& d) const override
    {
        ordered_json j;
        j["entry"] = d.req.entry;
        j["status"] = d.status;
        j["part"] = {{"part_code", d.part.part_code}, {"part_len", d.part.part_len},
                     {"size_a", d.part.size_a},       {"size_b", d.part.size_b},
                     {"size_c", d.part.size_c},       {"view_no", d.part.view_no},
                     {"draw_mode", d.part.draw_mode}};
        if (d.record) {
            const ArfRecordView& r = *d.record;
            ordered_json keys = ordered_json::array(), dv = ordered_json::array();
            for (int i = 0; i < r.nkeys && i < 2; ++i) keys.push_back(r.keys[i]);
            for (int i = 0; i < r.nd && i < 24; ++i) dv.push_back(r.d[i]);
            j["record"] = {{"keys", keys}, {"d", dv}};
        }
        j["host_calls"] = d.host.calls;
        if (d.host.com_1st) j["com_1st"] = com_1st_json(*d.host.com_1st);
        if (!d.host.args.empty()) {
            ordered_json args = ordered_json::array();
            for (const auto& a : d.host.args)
                args.push_back({{"routine", a.routine}, {"name", a.name}, {"values", a.values}});
            j["host_args"] = args;
        }
        if (!d.host.failures.empty()) {
            ordered_json fails = ordered_json::array();
            for (const auto& f : d.host.failures)
                fails.push_back({{"routine", f.routine}, {"write", f.write}, {"after_elements", f.elements},
                                 {"injected", f.injected}, {"reason", f.reason}});
            j["host_failures"] = fails;
        }
        ordered_json els = ordered_json::array();
        for (const auto& e : d.host.elements) els.push_back(element_json(e));
        j["elements"] = els;
        // One top-level field per line and one element per line: readable, and
        // still a single JSON document.
        out << "{";
        bool first = true;
        for (const auto& [k, v] : j.items()) {
            out << (first ? "\n " : ",\n ") << ordered_json(k).dump() << ": ";
            first = false;
            if (k == "elements" && !v.empty()) {
                out << "[";
                for (std::size_t i = 0; i < v.size(); ++i) out << (i ? ",\n  " : "\n  ") << v[i].dump();
                out << "\n ]";
            } else {
                out << v.dump();
            }
        }
        out << "\n}\n";
    }
};

}  // namespace

nlohmann::ordered_json element_json(const arfhost::Element& e)
{
    ordered_json geo = ordered_json::array();
    for (int i = 0; i < arfhost::geo_count(e.form); ++i) geo.push_back(e.geo[i]);
    return {{"form", arfhost::form_name(e.form)},
            {"code", e.code},
            {"style", e.style},
            {"pen", e.pen},
            {"geo", geo}};
}

std::unique_ptr<Writer> make_json_writer() { return std::make_unique<JsonWriter>(); }

}  // namespace arftool
