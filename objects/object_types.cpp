#include "objects/astrel_object.h"
#include "objects/beacon_array.h"
#include "objects/block.h"
#include "objects/hangars.h"
#include "objects/mesh.h"
#include "objects/runway_pad_train_types.h"
#include "objects/solar_plant.h"
#include "objects/tank.h"

namespace pf {

// Each concrete object type adds its creator here, for example
//     AstrelObjectFactory::Register(kTypeBlock, [] { ... make_unique<Block>() ... });
// Registration is explicit because a static library drops self-registering statics.
void RegisterObjectTypes() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    AstrelObjectFactory::Register(kTypeBlock, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<Block>();
    });
    AstrelObjectFactory::Register(kTypeHangar, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<Hangar>();
    });
    AstrelObjectFactory::Register(kTypeHangar2, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<Hangar2>();
    });
    AstrelObjectFactory::Register(kTypeHangar3, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<Hangar3>();
    });
    AstrelObjectFactory::Register(kTypeTank, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<Tank>();
    });
    AstrelObjectFactory::Register(kTypeBeaconArray, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<BeaconArray>();
    });
    AstrelObjectFactory::Register(kTypeSolarPlant, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<SolarPlant>();
    });
    AstrelObjectFactory::Register(kTypeMesh, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<Mesh>();
    });
    RegisterRunwayPadTrainTypes();
}

} // namespace pf
