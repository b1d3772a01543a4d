#include "gallery.h"

#include <cstdio>

namespace arftool {

namespace {

std::string escape(const std::string& s)
{
    std::string o;
    for (char c : s) {
        switch (c) {
        case '<': o += "&lt;"; break;
        case '>': o += "&gt;"; break;
        case '&': o += "&amp;"; break;
        case '"': o += "&quot;"; break;
        default: o += c;
        }
    }
    return o;
}

constexpr const char* kHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>ARF fitting catalogue</title>
<script>
// Set before anything else runs, so a failing script below is still reported.
window.addEventListener('error', function (e) {
  var d = document.documentElement.dataset;
  d.errors = (d.errors ? d.errors + '; ' : '') + e.message;
});
</script>
<style>
body{font-family:sans-serif;margin:0;background:#eef0f3;color:#222}
header{position:sticky;top:0;background:#fff;padding:10px 16px;box-shadow:0 1px 4px #0002;display:flex;gap:16px;align-items:center;flex-wrap:wrap;z-index:1}
header h1{font-size:18px;margin:0 12px 0 0}
label{font-size:14px}
select{margin-left:4px}
#grid{display:grid;grid-template-columns:repeat(auto-fill,minmax(220px,1fr));gap:12px;padding:16px}
.card{background:#fff;border-radius:6px;box-shadow:0 1px 3px #0002;overflow:hidden;font-size:13px}
.card[hidden]{display:none}
.card a.view{display:block;color:inherit;text-decoration:none}
.card img{display:block;width:100%;height:190px;object-fit:contain;background:#fff;border-bottom:1px solid #ddd}
.card .meta{padding:6px 8px}
.card .meta b{display:block}
.card .files{padding:0 8px 6px}
.card .bad{color:#b00}
.card .ok{color:#2a6f2a}
.legend{font-size:13px;color:#444}
.legend i{display:inline-block;width:18px;height:3px;margin:0 4px 3px 10px;vertical-align:middle}
.legend i.dash{background:repeating-linear-gradient(90deg,#1a1a1a 0 5px,transparent 5px 8px)}
body.hlr .card img.plain,body:not(.hlr) .card img.hlr{display:none}
.card .missing{height:190px;display:flex;align-items:center;justify-content:center;color:#b00;padding:8px}
</style>
</head>
<body>
<header><h1>ARF fitting catalogue</h1>
<label>Entry<select id="f-entry"><option value="">all</option></select></label>
<label>Size<select id="f-size"><option value="">all</option></select></label>
<label>View<select id="f-view"><option value="">all</option></select></label>
<label><input type="checkbox" id="f-hlr">hidden-line overlay</label>
<span id="count"></span>
<span class="legend"><i style="background:#1a1a1a"></i>body <i style="background:#1f5fbf"></i>end 1
<i style="background:#2a9d3a"></i>end 2 <i style="background:#c0392b"></i>end 3
<i class="dash"></i>style 2 (seams, hidden edges)</span></header>
<main id="grid">
)";

constexpr const char* kTail = R"(</main>
<script>
(function () {
  var cards = Array.prototype.slice.call(document.querySelectorAll('.card'));
  var keys = ['entry', 'size', 'view'];
  var byNumber = function (a, b) {
    var x = parseFloat(a), y = parseFloat(b);
    if (isNaN(x) || isNaN(y)) return isNaN(x) - isNaN(y) || (a < b ? -1 : a > b ? 1 : 0);
    return x - y || (a < b ? -1 : a > b ? 1 : 0);
  };
  function apply() {
    var shown = 0;
    cards.forEach(function (c) {
      var ok = keys.every(function (k) {
        var v = document.getElementById('f-' + k).value;
        return !v || c.dataset[k] === v;
      });
      c.hidden = !ok;
      if (ok) shown++;
    });
    document.getElementById('count').textContent = shown + ' of ' + cards.length + ' drawings';
  }
  keys.forEach(function (k) {
    var sel = document.getElementById('f-' + k);
    var seen = {};
    cards.forEach(function (c) { seen[c.dataset[k]] = true; });
    Object.keys(seen).sort(byNumber).forEach(function (v) { sel.add(new Option(v, v)); });
    sel.addEventListener('change', apply);
  });
  apply();
  document.getElementById('f-hlr').addEventListener('change', function () {
    document.body.classList.toggle('hlr', this.checked);
  });
  document.body.dataset.ready = String(cards.length);
})();
</script>
</body>
</html>
)";

}  // namespace

void write_gallery(std::ostream& out, const std::vector<Card>& cards)
{
    out << kHead;
    for (const Card& c : cards) {
        const std::string view = std::to_string(c.view);
        const std::string label = c.entry + " " + (c.sizes == "sample" ? "sample" : c.sizes) + " view " + view;
        out << "<div class=\"card\" data-entry=\"" << escape(c.entry) << "\" data-size=\"" << escape(c.sizes)
            << "\" data-view=\"" << view << "\" data-elements=\"" << c.elements << "\">";
        if (c.error.empty())
        {
            // The thumbnail shows the outline alone (the file's "drawing" view); the page carries the legend.
            out << "<a class=\"view\" href=\"" << escape(c.stem) << ".svg\"><img class=\"plain\" loading=\"lazy\" src=\""
                << escape(c.stem) << ".svg#drawing\" alt=\"" << escape(label) << "\">";
            if (c.overlay)
                out << "<img class=\"hlr\" loading=\"lazy\" src=\"" << escape(c.stem) << ".hlr.svg\" alt=\""
                    << escape(label) << " over its solid\">";
        }
        else
            out << "<a class=\"view\"><div class=\"missing\">" << escape(c.error) << "</div>";
        out << "<div class=\"meta\"><b>" << escape(c.entry) << "</b>" << (c.sizes == "sample" ? "sample &middot; " : "") << "size " << escape(c.drawn) << " &middot; view "
            << view << " &middot; " << c.elements << " elements";
        if (c.status != 0) out << " &middot; <span class=\"bad\">status " << c.status << "</span>";
        if (c.findings) out << " &middot; <span class=\"bad\">" << c.findings << " check findings</span>";
        if (c.intended) out << " &middot; <span class=\"ok\">" << c.intended << " marks as drawn on purpose</span>";
        if (c.overlay) {
            char buf[64];
            std::snprintf(buf, sizeof buf, "coverage %.2f, support %.2f", c.coverage, c.support);
            out << " &middot; " << buf;
        }
        out << "</div></a>";
        if (c.error.empty()) out << "<div class=\"files\"><a href=\"" << escape(c.stem) << ".dxf\">DXF</a></div>";
        out << "</div>\n";
    }
    out << kTail;
}

}  // namespace arftool
