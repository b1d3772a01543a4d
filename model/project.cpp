// The solid seen by a camera (the kernel's exact hidden-line removal) and
// written to or read back from STEP.
#include <BRepAdaptor_Curve.hxx>
#include <BRepGProp.hxx>
#include <GCPnts_QuasiUniformDeflection.hxx>
#include <GProp_GProps.hxx>
#include <HLRAlgo_Projector.hxx>
#include <HLRBRep_Algo.hxx>
#include <HLRBRep_HLRToShape.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_Printer.hxx>
#include <STEPControl_Reader.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "kernel.h"

namespace arfmodel {

namespace {

gp_Dir dir(V3 d) { return {d.x, d.y, d.z}; }

// Each edge of a projected compound as a polyline within tol of the curve.
void add_edges(std::vector<Line2>& out, const TopoDS_Shape& c, bool visible, bool smooth, bool outline, double tol)
{
    if (c.IsNull()) return;
    for (TopExp_Explorer e(c, TopAbs_EDGE); e.More(); e.Next()) {
        const BRepAdaptor_Curve curve(TopoDS::Edge(e.Current()));
        GCPnts_QuasiUniformDeflection pts(curve, tol);
        if (!pts.IsDone() || pts.NbPoints() < 2) continue;
        Line2 l{visible, smooth, outline, {}};
        for (int i = 1; i <= pts.NbPoints(); ++i) l.pts.push_back({pts.Value(i).X(), pts.Value(i).Y()});
        out.push_back(std::move(l));
    }
}

// The kernel's translators report on standard output; keep that for failures.
void quiet_kernel()
{
    static const bool done = [] {
        for (const Handle(Message_Printer)& p : Message::DefaultMessenger()->Printers()) p->SetTraceLevel(Message_Fail);
        return true;
    }();
    (void)done;
}

}  // namespace

std::vector<Line2> project(const Solid& s, const Camera& cam, double tol)
{
    Handle(HLRBRep_Algo) algo = new HLRBRep_Algo();
    algo->Add(s.impl->shape);
    // Faces and circles seen exactly edge-on (a socket step's rim in a side
    // view) send the kernel's hidden-line pass down a degenerate path that
    // costs seconds per view. The camera is turned by a microradian about a
    // skew axis in the drawing plane: points move by under a micrometre, far
    // inside the chord tolerance, and the pass takes milliseconds. Such an edge
    // then shows both its halves on one line; the comparison counts them once.
    constexpr double kTilt = 1e-6;
    const gp_Dir z = dir(cam.z), x = dir(cam.x);
    const gp_Ax1 axis(gp::Origin(), gp_Dir(gp_Vec(x) + 0.6 * gp_Vec(z.Crossed(x))));
    algo->Projector(HLRAlgo_Projector(gp_Ax2(gp::Origin(), z.Rotated(axis, kTilt), x.Rotated(axis, kTilt))));
    try {
        algo->Update();
        algo->Hide();
    } catch (const Standard_Failure& e) {  // the kernel's own exceptions are no std::exception
        throw std::runtime_error(std::string("hidden-line projection failed: ") + e.GetMessageString());
    }
    HLRBRep_HLRToShape h(algo);
    std::vector<Line2> out;
    add_edges(out, h.VCompound(), true, false, false, tol);
    add_edges(out, h.OutLineVCompound(), true, false, true, tol);
    add_edges(out, h.Rg1LineVCompound(), true, true, false, tol);
    // Seams inside one smooth surface (a socket's root on its pipe): smooth too.
    add_edges(out, h.RgNLineVCompound(), true, true, false, tol);
    add_edges(out, h.HCompound(), false, false, false, tol);
    add_edges(out, h.OutLineHCompound(), false, false, true, tol);
    add_edges(out, h.Rg1LineHCompound(), false, true, false, tol);
    add_edges(out, h.RgNLineHCompound(), false, true, false, tol);
    return out;
}

void write_step(const Solid& s, const std::string& path)
{
    quiet_kernel();
    Interface_Static::SetCVal("write.step.schema", "AP214IS");
    Interface_Static::SetCVal("write.step.unit", "MM");
    STEPControl_Writer w;
    if (w.Transfer(s.impl->shape, STEPControl_AsIs) != IFSelect_RetDone)
        throw std::runtime_error("cannot convert the solid to STEP");
    // Written beside the target and moved over it only when complete.
    const std::string tmp = path + ".part";
    if (w.Write(tmp.c_str()) != IFSelect_RetDone) {
        std::remove(tmp.c_str());
        throw std::runtime_error("cannot write " + path);
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::remove(tmp.c_str());
        throw std::runtime_error("cannot write " + path + ": " + ec.message());
    }
}

double step_volume(const std::string& path)
{
    quiet_kernel();
    STEPControl_Reader r;
    if (r.ReadFile(path.c_str()) != IFSelect_RetDone || r.TransferRoots() == 0)
        throw std::runtime_error("cannot read STEP file " + path);
    GProp_GProps g;
    BRepGProp::VolumeProperties(r.OneShape(), g, 1e-9);
    return g.Mass();
}

}  // namespace arfmodel
