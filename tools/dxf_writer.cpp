// DXF: ASCII R2000 (AC1015) in millimetres, complete enough that strict
// readers take it without repair: handles and owners on every object, subclass
// markers, the standard tables, model and paper space block records with their
// blocks, and a root dictionary. One layer per element code; line style 2 uses
// a dashed and style 1 a dash-dot line type defined in the file.
//
// Arcs become ARC (angles in degrees) and elliptic arcs ELLIPSE (start and end
// parameters are eccentric anomalies); both run counter-clockwise in DXF, as
// the host's arcs do, so the recorded start point stays the start. An arc whose
// start equals its end runs the whole way round and is written as a CIRCLE, an
// elliptic arc likewise as a full ELLIPSE.
#include <charconv>
#include <cmath>
#include <numbers>
#include <set>
#include <stdexcept>

#include "curves.h"
#include "writer.h"

namespace arftool {

namespace {

using arfhost::Element;
using arfhost::Form;

constexpr double kPi = std::numbers::pi;

struct Layer {
    int code;
    const char* name;
    int colour;  // DXF colour index
};

// The same colours as the SVG legend: body black/white, end 1 blue, end 2 green, end 3 red.
constexpr Layer kLayers[] = {
    {1282, "body", 7},
    {1520, "end1", 5},
    {1521, "end2", 3},
    {1522, "end3", 1},
};

std::string layer_of(int code)
{
    for (const Layer& l : kLayers)
        if (l.code == code) return l.name;
    return "code" + std::to_string(code);
}

struct LineType {
    int style;
    const char* name;
    const char* text;
    double dashes[4];  // positive: dash, negative: gap, 0: dot
    int n;
};

constexpr LineType kLineTypes[] = {
    {2, "DASHED", "Dashed __ __ __", {6.0, -3.0}, 2},
    {1, "DASHDOT", "Dash dot __ . __ .", {12.0, -3.0, 0.0, -3.0}, 4},
};

const char* line_type_of(int style)
{
    for (const LineType& t : kLineTypes)
        if (t.style == style) return t.name;
    return "ByLayer";
}

// Group codes and values, one per line, handles in order of creation.
class Tags {
public:
    std::string text;

    void str(int code, std::string_view v)
    {
        put_code(code);
        text += v;
        text += '\n';
    }
    void num(int code, double v)
    {
        put_code(code);
        char buf[32];
        // Shortest text that reads back as the same double.
        auto r = std::to_chars(buf, buf + sizeof buf, v == 0.0 ? 0.0 : v);
        text.append(buf, r.ptr);
        text += '\n';
    }
    void integer(int code, long v)
    {
        put_code(code);
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        text.append(buf, r.ptr);
        text += '\n';
    }
    void point(int code, double x, double y, double z = 0.0)
    {
        num(code, x);
        num(code + 10, y);
        num(code + 20, z);
    }
    std::string handle()
    {
        char buf[16];
        auto r = std::to_chars(buf, buf + sizeof buf, next_++, 16);
        for (char* p = buf; p != r.ptr; ++p)
            if (*p >= 'a') *p = static_cast<char>(*p - 'a' + 'A');
        return std::string(buf, r.ptr);
    }
    unsigned next() const { return next_; }

private:
    void put_code(int code)
    {
        // Codes right-aligned in three columns, as most writers do; readers accept either.
        char buf[8] = {' ', ' '};
        auto r = std::to_chars(buf + 2, buf + sizeof buf, code);
        const std::size_t width = static_cast<std::size_t>(r.ptr - buf) - 2;
        text.append(width >= 3 ? buf + 2 : buf + width - 1, r.ptr);
        text += '\n';
    }
    unsigned next_ = 1;
};

// A symbol table: writes its head and hands out its handle as owner.
std::string begin_table(Tags& t, const char* name, int count, bool dimstyle = false)
{
    const std::string h = t.handle();
    t.str(0, "TABLE");
    t.str(2, name);
    t.str(5, h);
    t.str(330, "0");
    t.str(100, "AcDbSymbolTable");
    t.integer(70, count);
    if (dimstyle) t.str(100, "AcDbDimStyleTable");
    return h;
}

std::string begin_record(Tags& t, const char* type, const std::string& owner, const char* subclass,
                         std::string_view name, int handle_code = 5)
{
    const std::string h = t.handle();
    t.str(0, type);
    t.str(handle_code, h);
    t.str(330, owner);
    t.str(100, "AcDbSymbolTableRecord");
    t.str(100, subclass);
    t.str(2, name);
    t.integer(70, 0);
    return h;
}

void vport_table(Tags& t, const Box& b)
{
    const std::string tab = begin_table(t, "VPORT", 1);
    begin_record(t, "VPORT", tab, "AcDbViewportTableRecord", "*Active");
    t.point(10, 0, 0, 0);
    t.num(11, 1), t.num(21, 1);
    // Open zoomed onto the drawing.
    t.num(12, 0.5 * (b.x0 + b.x1)), t.num(22, 0.5 * (b.y0 + b.y1));
    t.num(13, 0), t.num(23, 0);
    t.num(14, 10), t.num(24, 10);
    t.num(15, 10), t.num(25, 10);
    t.point(16, 0, 0, 1);
    t.point(17, 0, 0, 0);
    t.num(40, 1.2 * std::fmax(b.y1 - b.y0, 1.0));
    t.num(41, std::fmax(b.x1 - b.x0, 1.0) / std::fmax(b.y1 - b.y0, 1.0));
    t.num(42, 50);
    t.num(43, 0), t.num(44, 0), t.num(50, 0), t.num(51, 0);
    t.integer(71, 0), t.integer(72, 100), t.integer(73, 1), t.integer(74, 3);
    t.integer(75, 0), t.integer(76, 0), t.integer(77, 0), t.integer(78, 0);
    t.str(0, "ENDTAB");
}

void ltype_table(Tags& t)
{
    const std::string tab = begin_table(t, "LTYPE", 3 + static_cast<int>(std::size(kLineTypes)));
    for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
        begin_record(t, "LTYPE", tab, "AcDbLinetypeTableRecord", name);
        t.str(3, name[0] == 'C' ? "Solid line" : "");
        t.integer(72, 65);
        t.integer(73, 0);
        t.num(40, 0);
    }
    for (const LineType& lt : kLineTypes) {
        begin_record(t, "LTYPE", tab, "AcDbLinetypeTableRecord", lt.name);
        t.str(3, lt.text);
        t.integer(72, 65);
        t.integer(73, lt.n);
        double total = 0;
        for (int i = 0; i < lt.n; ++i) total += std::fabs(lt.dashes[i]);
        t.num(40, total);
        for (int i = 0; i < lt.n; ++i) {
            t.num(49, lt.dashes[i]);
            t.integer(74, 0);
        }
    }
    t.str(0, "ENDTAB");
}

void layer_table(Tags& t, const std::set<int>& extra_codes)
{
    const int n = 2 + static_cast<int>(std::size(kLayers) + extra_codes.size());
    const std::string tab = begin_table(t, "LAYER", n);
    auto layer = [&](std::string_view name, int colour, bool plot = true) {
        begin_record(t, "LAYER", tab, "AcDbLayerTableRecord", name);
        t.integer(62, colour);
        t.str(6, "Continuous");
        if (!plot) t.integer(290, 0);
        t.integer(370, -3);  // default line weight
    };
    layer("0", 7);
    layer("Defpoints", 7, false);  // readers create it when it is missing
    for (const Layer& l : kLayers) layer(l.name, l.colour);
    for (int c : extra_codes) layer(layer_of(c), 8);
    t.str(0, "ENDTAB");
}

void style_table(Tags& t)
{
    const std::string tab = begin_table(t, "STYLE", 1);
    begin_record(t, "STYLE", tab, "AcDbTextStyleTableRecord", "Standard");
    t.num(40, 0);
    t.num(41, 1);
    t.num(50, 0);
    t.integer(71, 0);
    t.num(42, 2.5);
    t.str(3, "txt");
    t.str(4, "");
    t.str(0, "ENDTAB");
}

void empty_table(Tags& t, const char* name)
{
    begin_table(t, name, 0);
    t.str(0, "ENDTAB");
}

void appid_table(Tags& t)
{
    const std::string tab = begin_table(t, "APPID", 1);
    begin_record(t, "APPID", tab, "AcDbRegAppTableRecord", "ACAD");
    t.str(0, "ENDTAB");
}

void dimstyle_table(Tags& t)
{
    const std::string tab = begin_table(t, "DIMSTYLE", 1, true);
    begin_record(t, "DIMSTYLE", tab, "AcDbDimStyleTableRecord", "Standard", 105);
    t.str(0, "ENDTAB");
}

struct Spaces {
    std::string model, paper;  // block record handles
};

// Model and paper space, then one record per named block; returns their handles in that order.
std::vector<std::string> block_record_table(Tags& t, const std::vector<std::string>& blocks)
{
    const std::string tab = begin_table(t, "BLOCK_RECORD", 2 + static_cast<int>(blocks.size()));
    std::vector<std::string> h;
    h.push_back(begin_record(t, "BLOCK_RECORD", tab, "AcDbBlockTableRecord", "*Model_Space"));
    h.push_back(begin_record(t, "BLOCK_RECORD", tab, "AcDbBlockTableRecord", "*Paper_Space"));
    for (const std::string& b : blocks) h.push_back(begin_record(t, "BLOCK_RECORD", tab, "AcDbBlockTableRecord", b));
    t.str(0, "ENDTAB");
    return h;
}

// BLOCK and ENDBLK share their head: handle, owner, space and layer; between them,
// whatever body() writes, owned by the same block record.
template <class Body>
void block(Tags& t, const std::string& owner, std::string_view name, bool paper, Body&& body)
{
    for (const char* part : {"BLOCK", "ENDBLK"}) {
        t.str(0, part);
        t.str(5, t.handle());
        t.str(330, owner);
        t.str(100, "AcDbEntity");
        if (paper) t.integer(67, 1);
        t.str(8, "0");
        if (part[0] == 'E') break;
        t.str(100, "AcDbBlockBegin");
        t.str(2, name);
        t.integer(70, 0);
        t.point(10, 0, 0, 0);  // base point: the fitting's local origin
        t.str(3, name);
        t.str(1, "");
        body();
    }
    t.str(100, "AcDbBlockEnd");
}

// What every entity starts with: its type, handle, owner and layer.
void entity_head(Tags& t, const char* type, const std::string& owner, const std::string& layer)
{
    t.str(0, type);
    t.str(5, t.handle());
    t.str(330, owner);
    t.str(100, "AcDbEntity");
    t.str(8, layer);
}

void entity_head(Tags& t, const char* type, const std::string& owner, const Element& e)
{
    entity_head(t, type, owner, layer_of(e.code));
    if (const char* lt = line_type_of(e.style); lt[0] != 'B') t.str(6, lt);
}

// v brought into [0, period).
double wrap(double v, double period)
{
    double r = std::fmod(v, period);
    if (r < 0) r += period;
    return r >= period ? 0.0 : r;
}

// An arc or elliptic arc whose start and end coincide: the host draws it whole.
bool full_turn(const Element& e)
{
    if (e.form != Form::arc && e.form != Form::elliptic_arc) return false;
    const Conic k = conic_of(e);
    const int s = e.form == Form::arc ? 3 : 5;
    const auto& g = e.geo;
    return ccw_sweep(param_of(k, {g[s], g[s + 1]}), param_of(k, {g[s + 2], g[s + 3]})) == 2 * kPi;
}

[[noreturn]] void degenerate(std::size_t i, const Element& e)
{
    throw std::runtime_error("element " + std::to_string(i + 1) + " (" + arfhost::form_name(e.form) +
                             ") has no positive radius; DXF cannot carry it");
}

void entity(Tags& t, const std::string& owner, const Element& e, std::size_t i)
{
    const auto& g = e.geo;
    const bool turn = full_turn(e);
    switch (e.form) {
    case Form::segment:
        entity_head(t, "LINE", owner, e);
        t.str(100, "AcDbLine");
        t.point(10, g[0], g[1]);
        t.point(11, g[2], g[3]);
        return;
    case Form::circle:
    case Form::arc: {
        if (!(g[2] > 0)) degenerate(i, e);
        entity_head(t, e.form == Form::arc && !turn ? "ARC" : "CIRCLE", owner, e);
        t.str(100, "AcDbCircle");
        t.point(10, g[0], g[1]);
        t.num(40, g[2]);
        if (e.form == Form::arc && !turn) {
            const Span s = span_of(e);
            t.str(100, "AcDbArc");
            t.num(50, wrap(s.t0 * 180.0 / kPi, 360.0));
            t.num(51, wrap(s.t1 * 180.0 / kPi, 360.0));
        }
        return;
    }
    case Form::ellipse:
    case Form::elliptic_arc: {
        const Conic k = conic_of(e);
        if (!(k.a > 0 && k.b > 0)) degenerate(i, e);
        Span s{0.0, 2 * kPi};
        if (e.form == Form::elliptic_arc && !turn) s = span_of(e);
        // DXF measures from the major axis. When the second semi-axis is the
        // longer, the major axis is the first one turned a quarter, and every
        // parameter moves back by a quarter turn with it.
        const double rot = k.rot * kPi / 180.0;
        double mx = k.a * std::cos(rot), my = k.a * std::sin(rot), ratio = k.b / k.a;
        if (k.b > k.a) {
            mx = -k.b * std::sin(rot), my = k.b * std::cos(rot), ratio = k.a / k.b;
            s.t0 -= kPi / 2, s.t1 -= kPi / 2;
        }
        entity_head(t, "ELLIPSE", owner, e);
        t.str(100, "AcDbEllipse");
        t.point(10, k.c.x, k.c.y);
        t.point(11, mx, my);
        t.point(210, 0, 0, 1);
        t.num(40, ratio);
        // A whole turn is a closed curve: written as DXF writes a full ellipse.
        const bool closed = e.form == Form::ellipse || turn;
        t.num(41, closed ? 0.0 : wrap(s.t0, 2 * kPi));
        t.num(42, closed ? 2 * kPi : wrap(s.t1, 2 * kPi));
        return;
    }
    case Form::unknown: return;  // no geometry to draw
    }
}

void entities(Tags& t, const std::string& owner, const Drawing& d)
{
    for (std::size_t i = 0; i < d.host.elements.size(); ++i) entity(t, owner, d.host.elements[i], i);
}

void insert(Tags& t, const std::string& owner, std::string_view name, P2 at)
{
    entity_head(t, "INSERT", owner, "0");
    t.str(100, "AcDbBlockReference");
    t.str(2, name);
    t.point(10, at.x, at.y);
}

void text(Tags& t, const std::string& owner, std::string_view s, P2 at, double height)
{
    entity_head(t, "TEXT", owner, "0");
    t.str(100, "AcDbText");
    t.point(10, at.x, at.y);
    t.num(40, height);
    t.str(1, s);
    t.str(100, "AcDbText");
}

// The whole file around a model space that model(tags, owner) fills and the named blocks
// that block_body(tags, i, owner) fills; box is what the file opens zoomed onto.
template <class Model, class BlockBody>
void document(std::ostream& out, std::string_view comment, const std::vector<std::string>& blocks,
              const std::set<int>& extra_layers, Box b, Model&& model, BlockBody&& block_body)
{
    if (b.empty()) b = {0, 0, 0, 0};
    // The body first, so that the header can give the next free handle.
    Tags t;
    t.text.reserve(16384);
    t.str(0, "SECTION");
    t.str(2, "CLASSES");
    t.str(0, "ENDSEC");
    t.str(0, "SECTION");
    t.str(2, "TABLES");
    vport_table(t, b);
    ltype_table(t);
    layer_table(t, extra_layers);
    style_table(t);
    empty_table(t, "VIEW");
    empty_table(t, "UCS");
    appid_table(t);
    dimstyle_table(t);
    const std::vector<std::string> rec = block_record_table(t, blocks);
    t.str(0, "ENDSEC");

    t.str(0, "SECTION");
    t.str(2, "BLOCKS");
    block(t, rec[0], "*Model_Space", false, [] {});
    block(t, rec[1], "*Paper_Space", true, [] {});
    for (std::size_t i = 0; i < blocks.size(); ++i)
        block(t, rec[i + 2], blocks[i], false, [&] { block_body(t, i, rec[i + 2]); });
    t.str(0, "ENDSEC");

    t.str(0, "SECTION");
    t.str(2, "ENTITIES");
    model(t, rec[0]);
    t.str(0, "ENDSEC");

    t.str(0, "SECTION");
    t.str(2, "OBJECTS");
    const std::string root = t.handle(), groups = t.handle();
    t.str(0, "DICTIONARY");
    t.str(5, root);
    t.str(330, "0");
    t.str(100, "AcDbDictionary");
    t.integer(281, 1);
    t.str(3, "ACAD_GROUP");
    t.str(350, groups);
    t.str(0, "DICTIONARY");
    t.str(5, groups);
    t.str(330, root);
    t.str(100, "AcDbDictionary");
    t.integer(281, 1);
    t.str(0, "ENDSEC");
    t.str(0, "EOF");

    Tags h;
    h.str(999, comment);  // which fitting and which record, for whoever opens the file
    h.str(0, "SECTION");
    h.str(2, "HEADER");
    h.str(9, "$ACADVER");
    h.str(1, "AC1015");
    h.str(9, "$HANDSEED");
    std::string seed = t.handle();
    h.str(5, seed);
    h.str(9, "$INSUNITS");
    h.integer(70, 4);
    h.str(9, "$MEASUREMENT");
    h.integer(70, 1);
    h.str(9, "$EXTMIN");
    h.point(10, b.x0, b.y0);
    h.str(9, "$EXTMAX");
    h.point(10, b.x1, b.y1);
    h.str(9, "$LTSCALE");
    h.num(40, 1.0);
    h.str(0, "ENDSEC");
    out << h.text << t.text;
}

// Layers beyond the standard four that the elements' codes ask for.
void add_extra_layers(std::set<int>& extra, const Drawing& d)
{
    for (const Element& e : d.host.elements)
        if (layer_of(e.code).rfind("code", 0) == 0) extra.insert(e.code);
}

Box box_of(const Drawing& d)
{
    Box b;
    for (const Element& e : d.host.elements) add_to_box(b, e);
    return b;
}

class DxfWriter final : public Writer {
public:
    std::string_view name() const override { return "dxf"; }
    std::string_view extension() const override { return ".dxf"; }

    void write(std::ostream& out, const Drawing& d) const override
    {
        require_finite(d);
        std::set<int> extra;
        add_extra_layers(extra, d);
        document(out, title_of(d), {}, extra, box_of(d), [&](Tags& t, const std::string& model) { entities(t, model, d); },
                 [](Tags&, std::size_t, const std::string&) {});
    }
};

}  // namespace

std::unique_ptr<Writer> make_dxf_writer() { return std::make_unique<DxfWriter>(); }

std::string block_name(const Drawing& d)
{
    std::string n;
    for (char c : d.req.entry) n += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    std::string sizes = record_sizes(d);
    for (char& c : sizes)
        if (c == '/') c = 'X';
    return n + "_" + sizes + "_V" + std::to_string(d.req.view);
}

void write_dxf_blocks(std::ostream& out, const std::vector<Drawing>& drawings)
{
    std::vector<std::string> names;
    std::set<int> extra;
    std::vector<Box> boxes;
    double cell = 1.0;
    for (const Drawing& d : drawings) {
        require_finite(d);
        names.push_back(block_name(d));
        add_extra_layers(extra, d);
        Box b = box_of(d);
        if (b.empty()) b = {0, 0, 0, 0};
        boxes.push_back(b);
        cell = std::fmax(cell, std::fmax(b.x1 - b.x0, b.y1 - b.y0));
    }
    // A square grid of equal cells, each fitting's box at its cell's lower left, the label under it.
    const int cols = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(drawings.size()))));
    const double text_h = 0.04 * cell, pitch = 1.3 * cell;
    Box sheet;
    std::vector<P2> at(drawings.size()), label(drawings.size());
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        const double cx = pitch * static_cast<double>(i % cols), cy = -pitch * static_cast<double>(i / cols);
        at[i] = {cx - boxes[i].x0, cy - boxes[i].y0};
        label[i] = {cx, cy - 2 * text_h};
        sheet.add({cx, cy - 3 * text_h});
        sheet.add({cx + cell, cy + cell});
    }
    document(
        out, "fitting block library: " + std::to_string(drawings.size()) + " blocks", names, extra, sheet,
        [&](Tags& t, const std::string& model) {
            for (std::size_t i = 0; i < drawings.size(); ++i) {
                insert(t, model, names[i], at[i]);
                text(t, model, title_of(drawings[i]), label[i], text_h);
            }
        },
        [&](Tags& t, std::size_t i, const std::string& owner) { entities(t, owner, drawings[i]); });
}

}  // namespace arftool
