"""Reads DXF files the way a strict outside reader would and prints what it saw.

Usage: dxf_read.py FILE.dxf ...   (prints one JSON object per file, in a list)

For each file: the strict load's outcome, the recovering loader's and the
auditor's errors and fixes, header units and version, the line types, and
every model-space entity (and every named block's entities) with its geometry as ezdxf computes it (arc and
ellipse end points and mid points from ezdxf's own construction, so that the
caller compares the reader's interpretation, not the file's numbers).
"""
import json
import math
import sys

import ezdxf
from ezdxf import recover


def vec(v):
    return [v.x, v.y]


def entity(e):
    t = e.dxftype()
    d = {"type": t, "layer": e.dxf.layer, "linetype": e.dxf.get("linetype", "BYLAYER")}
    if t == "LINE":
        d["start"], d["end"] = vec(e.dxf.start), vec(e.dxf.end)
    elif t == "CIRCLE":
        d["center"], d["radius"] = vec(e.dxf.center), e.dxf.radius
    elif t == "ARC":
        d["center"], d["radius"] = vec(e.dxf.center), e.dxf.radius
        d["start"], d["end"] = vec(e.start_point), vec(e.end_point)
        a0, a1 = e.dxf.start_angle, e.dxf.end_angle
        sweep = (a1 - a0) % 360.0
        mid = math.radians(a0 + sweep / 2)
        c, r = e.dxf.center, e.dxf.radius
        d["mid"] = [c.x + r * math.cos(mid), c.y + r * math.sin(mid)]
    elif t == "ELLIPSE":
        d["center"], d["major"], d["ratio"] = vec(e.dxf.center), vec(e.dxf.major_axis), e.dxf.ratio
        d["start"], d["end"] = vec(e.start_point), vec(e.end_point)
        p0, p1 = e.dxf.start_param, e.dxf.end_param
        sweep = (p1 - p0) % (2 * math.pi)
        if sweep == 0:
            sweep = 2 * math.pi
        d["mid"] = vec(next(iter(e.construction_tool().vertices([p0 + sweep / 2]))))
        d["sweep"] = sweep
    elif t == "INSERT":
        d["name"], d["insert"] = e.dxf.name, vec(e.dxf.insert)
    elif t == "TEXT":
        d["text"], d["insert"] = e.dxf.text, vec(e.dxf.insert)
    return d


def read(path):
    out = {"file": path}
    try:
        doc = ezdxf.readfile(path)
    except Exception as ex:  # report, do not crash: the caller asserts on it
        out["strict_error"] = f"{type(ex).__name__}: {ex}"
        return out
    audit = doc.audit()
    out["audit_errors"] = [f"{x.code}: {x.message}" for x in audit.errors]
    out["audit_fixes"] = [f"{x.code}: {x.message}" for x in audit.fixes]
    _, rec = recover.readfile(path)
    out["recover_errors"] = [f"{x.code}: {x.message}" for x in rec.errors]
    out["recover_fixes"] = [f"{x.code}: {x.message}" for x in rec.fixes]
    out["version"] = doc.dxfversion
    out["insunits"] = doc.header.get("$INSUNITS", 0)
    # Line type name -> its dash pattern (group 49 values): empty for solid types.
    out["linetypes"] = {
        lt.dxf.name: [t.value for t in lt.pattern_tags.tags if t.code == 49] for lt in doc.linetypes
    }
    out["layers"] = sorted(l.dxf.name for l in doc.layers)
    out["entities"] = [entity(e) for e in doc.modelspace()]
    out["blocks"] = {
        b.name: {"base": vec(b.block.dxf.base_point), "entities": [entity(e) for e in b]}
        for b in doc.blocks
        if not b.name.startswith("*")
    }
    return out


if __name__ == "__main__":
    json.dump([read(p) for p in sys.argv[1:]], sys.stdout)
