#include "contract.h"

#include <dlfcn.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

#include "arfentry.h"
#include "recorder.h"

namespace arfcontract {

namespace {

// Host routines whose result the entries leave unread, and intersection
// routines whose failure means "found nothing", which an outline may answer
// another way: a failure there does not end the call. Every other failure does.
constexpr std::string_view kAdvisory[] = {"hoonatu", "gohkpat", "denpvect", "zlcFreeRadErboVectMake_OfDbl",
                                          "peke", "GCG064", "GCG164", "GCG065", "GCG165",
                                          "GCG005", "GCG110", "GCG111", "GCG122"};

bool advisory(std::string_view routine)
{
    return std::find(std::begin(kAdvisory), std::end(kAdvisory), routine) != std::end(kAdvisory);
}

// Values a length, a scale or a coordinate most likely breaks on.
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kSpecial[] = {0.0,    -0.0,   1.0,   -1.0,   1e308,  -1e308,  kInf,  -kInf,
                           std::numeric_limits<double>::quiet_NaN(), 5e-324, 500.0, 3000.0,
                           1e154,  2.5,    0.707106781, 1e-300};
constexpr int kSpecials = sizeof kSpecial / sizeof kSpecial[0];

class Bytes {
public:
    Bytes(const uint8_t* p, std::size_t n) : p_(p), n_(n) {}
    bool empty() const { return n_ == 0; }
    uint8_t u8()
    {
        if (n_ == 0) return 0;
        --n_;
        return *p_++;
    }
    int16_t i16() { return static_cast<int16_t>(u8() | (u8() << 8)); }
    // A special value, a quarter-millimetre step, or any 64 bits.
    double f64()
    {
        const uint8_t sel = u8();
        if (sel < 128) return kSpecial[sel % kSpecials];
        if (sel < 192) return i16() / 4.0;
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= uint64_t{u8()} << (8 * i);
        return std::bit_cast<double>(bits);
    }

private:
    const uint8_t* p_;
    std::size_t n_;
};

std::string upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The n-th view code with a view function (n counted round), or n itself when there is none.
int nth_view(unsigned mask, int n)
{
    const int k = std::popcount(mask);
    if (k == 0) return n % 32;
    n %= k;
    for (int v = 0; v < 32; ++v)
        if ((mask & (1u << v)) && n-- == 0) return v;
    return 0;
}

bool finite(const double* v, std::size_t n)
{
    return std::all_of(v, v + n, [](double x) { return std::isfinite(x); });
}

}  // namespace

const std::vector<Entry>& entries()
{
    static const std::vector<Entry> all = [] {
        std::vector<Entry> out;
        for (int i = 0; const char* name = arf_entry_name(i); ++i) {
            auto fn = reinterpret_cast<EntryFn>(dlsym(RTLD_DEFAULT, name));
            if (!fn) continue;
            Entry e{name, fn, arf_view_mask(name), {}};
            const int n = arf_table_keys(name, nullptr, nullptr, 0);
            std::vector<int> a(n), b(n);
            if (n > 0) arf_table_keys(name, a.data(), b.data(), n);
            for (int k = 0; k < n; ++k) e.keys.push_back({a[k], b[k]});
            if (e.keys.empty()) {
                int s1 = 0, s2 = 0;
                arf_sample_sizes(name, &s1, &s2);
                e.keys.push_back({s1, s2});
            }
            out.push_back(std::move(e));
        }
        return out;
    }();
    return all;
}

std::vector<Call> decode(const uint8_t* data, std::size_t size)
{
    std::vector<Call> calls;
    const auto& all = entries();
    if (all.empty()) return calls;
    Bytes b(data, size);
    do {
        Call c{};
        c.entry = &all[b.u8() % all.size()];
        const Entry& e = *c.entry;

        std::memset(c.head.part_code, ' ', sizeof c.head.part_code);
        const std::string code = upper(e.name);
        std::memcpy(c.head.part_code, code.data(), std::min(code.size(), sizeof c.head.part_code));
        c.head.pen = 1;
        // Mostly a record of the table, sometimes any two sizes.
        if (b.u8() < 224) {
            const auto k = e.keys[b.u8() % e.keys.size()];
            c.head.size_a = static_cast<int16_t>(k[0]);
            c.head.size_b = c.head.size_c = static_cast<int16_t>(k[1] ? k[1] : k[0]);
        } else {
            c.head.size_a = b.i16();
            c.head.size_b = c.head.size_c = b.i16();
        }
        const uint8_t v = b.u8();
        c.head.view_no = static_cast<uint8_t>(v < 128 ? nth_view(e.views, v) : b.u8());
        c.head.draw_mode = b.u8();
        const uint8_t flags = b.u8();
        c.set.sample_flag = flags & 1;
        c.set.len_from_pts = (flags >> 1) & 1;
        if (flags & 0x80) {
            c.set.sample_flag = b.u8();
            c.set.len_from_pts = b.u8();
        }
        c.head.part_len = b.f64();
        c.set.len_scale = b.f64();
        for (tagRPT3D* p : {&c.head.pt_a, &c.head.pt_b, &c.head.pt_c, &c.head.pt_d}) {
            p->x = b.f64();
            p->y = b.f64();
            p->z = b.f64();
        }
        c.head.attr_idx = b.u8();
        c.set.size_threshold = b.i16();
        // Attribute entry k: an attribute word, the pen and the line type, as a host fills them.
        for (int k = 0; k < 5; ++k) {
            const int32_t word = 100 + k, pen = 1 + k;
            const uint16_t lt = 1;
            std::memcpy(c.set.attr_tab + 4 + 28 * k, &word, 4);
            std::memcpy(c.set.attr_tab + 20 + 28 * k, &pen, 4);
            std::memcpy(c.set.attr_tab + 24 + 28 * k, &lt, 2);
        }
        const uint8_t f = b.u8();
        if (f >= 192) {
            const auto names = arfhost::fault_routines();
            c.fault = names[b.u8() % names.size()];
        } else if (f >= 128) {
            c.fault = "write:" + std::to_string(b.u8() % 64 + 1);
        }
        calls.push_back(std::move(c));
    } while (!b.empty() && static_cast<int>(calls.size()) < kMaxCalls);
    return calls;
}

std::string run_and_check(const Call& c)
{
    // The host keeps a pointer to the part record after the call, as a real one may.
    static HEADTBL head;
    static SHOKICH set;
    head = c.head;
    set = c.set;
    arfhost::reset();
    if (!c.fault.empty() && !arfhost::fail_at(c.fault)) return "the host refused the fault " + c.fault;
    const int st = c.entry->fn(&head, &set);
    const arfhost::Record& r = arfhost::record();
    const std::string at = c.entry->name + " view " + std::to_string(c.head.view_no) + ": ";

    if (st != 0 && st != 1) return at + "status " + std::to_string(st);
    for (std::size_t i = 0; i < r.elements.size(); ++i) {
        const arfhost::Element& e = r.elements[i];
        if (e.form == arfhost::Form::unknown || !finite(e.geo.data(), arfhost::geo_count(e.form)))
            return at + "element " + std::to_string(i + 1) + " taken with an unknown form or a non-finite value";
    }
    for (const arfhost::HostArg& a : r.args)
        if (!finite(a.values.data(), a.values.size())) return at + a.routine + " kept a non-finite " + a.name;
    for (const arfhost::Failure& f : r.failures) {
        if (advisory(f.routine)) continue;
        if (st != 1) return at + "status " + std::to_string(st) + " after " + f.reason;
        if (r.elements.size() != f.elements) return at + "elements taken after " + f.reason;
        if (f.write > 0 && r.writes != f.write) return at + "writes tried after " + f.reason;
        break;
    }
    return {};
}

std::string check_bytes(const uint8_t* data, std::size_t size)
{
    for (const Call& c : decode(data, size))
        if (std::string why = run_and_check(c); !why.empty()) return why;
    return {};
}

}  // namespace arfcontract
