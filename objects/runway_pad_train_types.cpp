#include "objects/runway_pad_train_types.h"

#include "objects/landing_pad.h"
#include "objects/runway.h"
#include "objects/train.h"

#include <memory>

namespace pf {

namespace {

template <class T> std::unique_ptr<AstrelObjectHandle> Make() { return std::make_unique<T>(); }

} // namespace

void RegisterRunwayPadTrainTypes() {
    AstrelObjectFactory::Register(kTypeRunway, Make<Runway>);
    AstrelObjectFactory::Register(kTypeRunwayLights, Make<RunwayLights>);
    AstrelObjectFactory::Register(kTypeTrain1, Make<Train1>);
    AstrelObjectFactory::Register(kTypeTrain2, Make<Train2>);
    AstrelObjectFactory::Register(kTypeLpad1, Make<Lpad1>);
    AstrelObjectFactory::Register(kTypeLpad2, Make<Lpad2>);
    AstrelObjectFactory::Register(kTypeLpad2A, Make<Lpad2A>);
}

} // namespace pf
