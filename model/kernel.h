// What the model's kernel-side files share: a solid is one kernel shape.
#pragma once

#include <TopoDS_Shape.hxx>

#include "model.h"

struct arfmodel::Solid::Impl {
    TopoDS_Shape shape;
};
