#include "objects/astrel_object.h"
#include "objects/mesh.h"

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
    AstrelObjectFactory::Register(kTypeMesh, []() -> std::unique_ptr<AstrelObjectHandle> {
        return std::make_unique<Mesh>();
    });
}

} // namespace pf
